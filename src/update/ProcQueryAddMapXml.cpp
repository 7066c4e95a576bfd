#include "ProcQueryAddMapXml.h"

#include "MapAnswer.h"
#include "ProcMapXml.h"
#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "core/WorkFile.h"

#include <QDomDocument>

QString ProcQueryAddMapXml::listPath()
{
    return AgentFolders::tempPath("mapadd.script");
}

bool ProcQueryAddMapXml::open(const QString& sPath)
{
    QDomDocument doc("ZeqAgent");
    if (!MapAnswer::load(sPath, &doc))
        return false;
    const QDomElement list = doc.documentElement().firstChildElement("updatelist");
    if (list.isNull())
        return false;
    const QDomElement entry = list.firstChildElement();
    const WorkFile::Row row = ProcMapXml::listRow("AddMap", entry);
    if (!WorkFile::writeRows(listPath(), {row})) {
        writeLog(1, "[ProcQueryAddMapXml][open] cannot write the add-on row");
        return false;
    }
    m_sRegionId = row.value(5);
    return true;
}
