#include "ProcAvailableAddMapXml.h"

#include "MapAnswer.h"
#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "core/WorkFile.h"

#include <QDomDocument>
#include <QFile>

QString ProcAvailableAddMapXml::listPath()
{
    return AgentFolders::tempPath("eshopurlwork.script");
}

bool ProcAvailableAddMapXml::open(const QString& sPath)
{
    m_sCode.clear();
    m_sError.clear();
    QDomDocument doc("ZeqAgent");
    if (!MapAnswer::load(sPath, &doc)) {
        writeLog(1, "[ProcAvailableAddMapXml][open] the answer %s is no readable XML", qUtf8Printable(sPath));
        return false;
    }
    if (QFile::exists(listPath()) && !QFile::remove(listPath())) {
        writeLog(1, "[ProcAvailableAddMapXml][open] cannot remove the old shop list");
        return false;
    }
    const QDomElement root = doc.documentElement();
    const QDomElement list = root.firstChildElement("updatelist");
    if (list.isNull()) {
        m_sCode = getChildText(root, "code");
        m_sError = getChildText(root, "error");
        if (m_sCode != "S00000")
            return false;
        m_sCode.clear();
        m_sError.clear();
        return true;
    }
    QList<WorkFile::Row> rows;
    for (const QDomElement& offer : MapAnswer::elements(list)) {
        rows.append({"availableaddmap", getChildText(offer, "region"), getChildText(offer, "regionType"),
                     getChildText(offer, "eshopUrl")});
    }
    if (!WorkFile::writeRows(listPath(), rows)) {
        writeLog(1, "[ProcAvailableAddMapXml][open] cannot write the shop list");
        return false;
    }
    return true;
}
