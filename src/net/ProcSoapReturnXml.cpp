#include "ProcSoapReturnXml.h"

#include <QDomDocument>

bool ProcSoapReturnXml::open(const QString& sPath)
{
    m_sResult.clear();
    QDomDocument doc("ZeqAgent");
    if (!loadDocument(sPath, &doc))
        return false;
    return readSoapReturn(doc, m_sOperation, &m_sResult);
}
