#include "ProcMapXml.h"

#include "MapAnswer.h"
#include "core/AgentFolders.h"
#include "core/DebugLog.h"

#include <QDomDocument>

namespace
{
const char SUCCESS_CODE[] = "S00000";
}

QString ProcMapXml::mapListPath()
{
    return AgentFolders::tempPath("map.script");
}

QString ProcMapXml::addMapListPath()
{
    return AgentFolders::tempPath("queryaddmapwork.script");
}

QString ProcMapXml::korvoListPath()
{
    return AgentFolders::tempPath("korvoupdate.script");
}

WorkFile::Row ProcMapXml::listRow(const QString& sGroup, const QDomElement& update)
{
    auto text = [&update](const char* szName) { return getChildText(update, szName); };
    return {sGroup,           text("version"),  text("size"),     text("release_date"),    text("notes"),
            text("regionid"), text("file_url"), text("checksum"), text("releasenote_url"), text("payFlag"),
            text("expire")};
}

WorkFile::Row ProcMapXml::creditRow(const QString& sKind, const QDomElement& update)
{
    auto text = [&update](const char* szName) { return getChildText(update, szName); };
    return {sKind,
            text("version"),
            text("size"),
            text("release_date"),
            text("notes"),
            text("regionid"),
            text("credit"),
            text("file_url"),
            text("checksum"),
            text("releasenote_url"),
            text("eshop_url"),
            text("payFlag"),
            text("expire")};
}

bool ProcMapXml::readHead(const QString& sPath, const QString& sList, QDomDocument* pDoc,
                          QDomElement* pFirstList)
{
    m_eOutcome = UNREADABLE;
    m_sCode.clear();
    m_sError.clear();
    if (!MapAnswer::load(sPath, pDoc)) {
        writeLog(1, "[ProcMapXml][open] the answer %s is no readable XML", qUtf8Printable(sPath));
        return false;
    }
    const QDomElement root = pDoc->documentElement();
    *pFirstList = root.firstChildElement("updatelist");
    if (!pFirstList->isNull())
        return true;
    m_sCode = getChildText(root, "code");
    m_sError = getChildText(root, "error");
    if (m_sCode != QLatin1String(SUCCESS_CODE)) {
        m_eOutcome = SERVICE_ERROR;
        return false;
    }
    // Nothing offered now: an earlier answer's rows must not stay on offer.
    if (writeList(sList, {}))
        m_eOutcome = BARE_SUCCESS;
    return false;
}

bool ProcMapXml::writeList(const QString& sList, QList<WorkFile::Row> rows)
{
    keepFirstRows(&rows, MapAnswer::MAX_ROWS, "[ProcMapXml][open]");
    if (!WorkFile::writeRows(sList, rows)) {
        writeLog(1, "[ProcMapXml][open] cannot write %s", qUtf8Printable(sList));
        m_eOutcome = UNWRITABLE;
        return false;
    }
    m_eOutcome = LISTED;
    return true;
}

bool ProcMapXml::readGroupedHead(const QString& sPath, const QString& sList, QDomDocument* pDoc,
                                 QDomElement* pFirstList)
{
    if (!readHead(sPath, sList, pDoc, pFirstList))
        return false;
    if (getAttribute(*pFirstList, "group").isEmpty()) {
        m_eOutcome = NO_GROUP;
        return false;
    }
    return true;
}

bool ProcMapXml::open(const QString& sPath)
{
    QDomDocument doc("ZeqAgent");
    QDomElement first;
    if (!readGroupedHead(sPath, mapListPath(), &doc, &first))
        return m_eOutcome == BARE_SUCCESS;
    QList<WorkFile::Row> rows;
    for (QDomElement list = first; !list.isNull(); list = list.nextSiblingElement("updatelist")) {
        const QString sGroup = getAttribute(list, "group");
        for (const QDomElement& update : MapAnswer::elements(list)) {
            if (update.tagName() != "update")
                continue;
            if (sGroup == "BugFixMapUpdate" || sGroup == "AdditionalMaps")
                rows.append(listRow(sGroup, update));
            else if (sGroup == "SellMapCredits")
                rows.append(creditRow(sGroup, update));
        }
    }
    return writeList(mapListPath(), rows);
}

bool ProcMapXml::openQueryAddMap(const QString& sPath)
{
    QDomDocument doc("ZeqAgent");
    QDomElement first;
    if (!readGroupedHead(sPath, addMapListPath(), &doc, &first))
        return m_eOutcome == BARE_SUCCESS;
    QList<WorkFile::Row> rows;
    for (QDomElement list = first; !list.isNull(); list = list.nextSiblingElement("updatelist")) {
        if (getAttribute(list, "group") != "AdditionalMaps")
            continue;
        for (const QDomElement& update : MapAnswer::elements(list)) {
            if (update.tagName() == "update")
                rows.append(listRow("AdditionalMaps", update));
        }
    }
    return writeList(addMapListPath(), rows) && !rows.isEmpty();
}

bool ProcMapXml::openKorvoUpdate(const QString& sPath)
{
    QDomDocument doc("ZeqAgent");
    QDomElement first;
    if (!readHead(sPath, korvoListPath(), &doc, &first))
        return m_eOutcome == BARE_SUCCESS;
    const QString sGroup = getAttribute(first, "group");
    QList<WorkFile::Row> rows;
    for (const QDomElement& update : MapAnswer::elements(first)) {
        WorkFile::Row row = creditRow("freeupdate", update);
        row.append(sGroup);
        rows.append(row);
    }
    return writeList(korvoListPath(), rows);
}
