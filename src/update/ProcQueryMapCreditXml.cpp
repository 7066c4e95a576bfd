#include "ProcQueryMapCreditXml.h"

#include "MapAnswer.h"
#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "core/WorkFile.h"

#include <QDomDocument>

QString ProcQueryMapCreditXml::listPath()
{
    return AgentFolders::tempPath("querymapcreditwork.script");
}

bool ProcQueryMapCreditXml::open(const QString& sPath)
{
    m_sCode.clear();
    m_sError.clear();
    QDomDocument doc("ZeqAgent");
    if (!MapAnswer::load(sPath, &doc)) {
        writeLog(1, "[ProcQueryMapCreditXml][open] the answer %s is no readable XML", qUtf8Printable(sPath));
        return false;
    }
    const QDomElement root = doc.documentElement();
    const QDomElement credit = root.firstChildElement("credit");
    if (credit.isNull()) {
        m_sCode = getChildText(root, "code");
        m_sError = getChildText(root, "error");
        // No credit now: the values of an earlier answer must not be shown.
        WorkFile::writeRows(listPath(), {});
        return false;
    }
    const WorkFile::Row row = {"Credit", getChildText(credit, "total"), getChildText(credit, "available"),
                               getChildText(credit, "expired"), getChildText(credit, "firstDate")};
    if (!WorkFile::writeRows(listPath(), {row})) {
        writeLog(1, "[ProcQueryMapCreditXml][open] cannot write the credit list");
        return false;
    }
    return true;
}
