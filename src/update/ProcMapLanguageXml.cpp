#include "ProcMapLanguageXml.h"

#include "MapAnswer.h"
#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "core/WorkFile.h"

#include <QDomDocument>

QString ProcMapLanguageXml::listPath()
{
    return AgentFolders::tempPath("maplanguagework.script");
}

bool ProcMapLanguageXml::open(const QString& sPath)
{
    QDomDocument doc("ZeqAgent");
    if (!MapAnswer::load(sPath, &doc)) {
        writeLog(1, "[ProcMapLanguageXml][open] the answer %s is no readable XML", qUtf8Printable(sPath));
        return false;
    }
    const QDomElement list = doc.documentElement().firstChildElement("updatelist");
    if (list.isNull())
        return false;
    QList<WorkFile::Row> rows;
    for (const QDomElement& lang : MapAnswer::descendants(list, "langList"))
        rows.append({getAttribute(lang, "enName"), lang.text()});
    if (!WorkFile::writeRows(listPath(), rows)) {
        writeLog(1, "[ProcMapLanguageXml][open] cannot write the language list");
        return false;
    }
    return true;
}
