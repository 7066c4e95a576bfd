#include "ProcMapHistoryXml.h"

#include "MapAnswer.h"
#include "ProcMapXml.h"
#include "core/DebugLog.h"

#include <QDomDocument>
#include <QFileInfo>

bool ProcMapHistoryXml::open(const QString& sPath)
{
    return appendTo(sPath, ProcMapXml::mapListPath());
}

bool ProcMapHistoryXml::openQueryAddMap(const QString& sPath)
{
    return appendTo(sPath, ProcMapXml::addMapListPath());
}

WorkFile::Row ProcMapHistoryXml::historyRow(const QDomElement& update)
{
    auto text = [&update](const char* szName) { return getChildText(update, szName); };
    return {"history",        text("version"),     text("size"),     text("release_date"),   text("notes"),
            text("regionid"), text("downloadurl"), text("checksum"), text("releasenote_url")};
}

bool ProcMapHistoryXml::appendTo(const QString& sPath, const QString& sList)
{
    m_bListed = false;
    m_bWellFormed = false;
    QDomDocument doc("ZeqAgent");
    if (!MapAnswer::load(sPath, &doc)) {
        writeLog(1, "[ProcMapHistoryXml][open] the answer %s is no readable XML", qUtf8Printable(sPath));
        return false;
    }
    m_bWellFormed = true;
    const QDomElement list = doc.documentElement().firstChildElement("updatelist");
    if (list.isNull())
        return false;
    m_bListed = true;
    QList<WorkFile::Row> rows;
    if (QFileInfo::exists(sList) && !WorkFile::readRows(sList, &rows)) {
        writeLog(1, "[ProcMapHistoryXml][open] cannot read %s", qUtf8Printable(sList));
        return false;
    }
    QList<WorkFile::Row> history;
    for (const QDomElement& update : MapAnswer::elements(list))
        history.append(historyRow(update));
    keepFirstRows(&history, MapAnswer::MAX_ROWS, "[ProcMapHistoryXml][open]");
    rows.append(history);
    if (!WorkFile::writeRows(sList, rows)) {
        writeLog(1, "[ProcMapHistoryXml][open] cannot write %s", qUtf8Printable(sList));
        return false;
    }
    return true;
}
