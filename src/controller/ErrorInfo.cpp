#include "ErrorInfo.h"

void ErrorInfo::set(const QString& sCode, const QString& sText)
{
    m_sCode = sCode;
    m_sText = sText;
}

QString ErrorInfo::takeCode()
{
    QString sCode;
    sCode.swap(m_sCode);
    return sCode;
}

QString ErrorInfo::takeText()
{
    QString sText;
    sText.swap(m_sText);
    return sText;
}
