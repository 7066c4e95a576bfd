#include "QtTranslation.h"

#include "core/DebugLog.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QtTranslation::~QtTranslation()
{
    remove();
}

void QtTranslation::switchTo(const QString& sTableCode)
{
    remove();
    if (sTableCode == "en")
        return;
    const QString sName = fileNameFor(sTableCode);
    auto* pTranslator = new QTranslator();
    const QString sFolder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    if (!pTranslator->load(sName, sFolder)) {
        writeLog(1, "[ZeqAgentCtrlMgr][setLang] no Qt translation %s in %s", qUtf8Printable(sName),
                 qUtf8Printable(sFolder));
        delete pTranslator;
        return;
    }
    m_pTranslator = pTranslator;
    QCoreApplication::installTranslator(m_pTranslator);
}

QString QtTranslation::fileNameFor(const QString& sTableCode)
{
    QString sName = sTableCode;
    if (sName.contains('-'))
        sName = sName.section('-', 0, 0) + "_" + sName.section('-', 1).toUpper();
    else if (sName == "pt")
        sName = "pt_PT";
    else if (sName == "no")
        sName = "nb";
    return "qt_" + sName;
}

void QtTranslation::remove()
{
    if (!m_pTranslator)
        return;
    QCoreApplication::removeTranslator(m_pTranslator);
    delete m_pTranslator;
    m_pTranslator = nullptr;
}
