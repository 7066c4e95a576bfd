#pragma once

#include "core/WorkFile.h"
#include "net/XMLParserBase.h"

#include <QDomDocument>
#include <QDomElement>
#include <QList>
#include <QString>

// The map service's list answers: "updatelist" elements named by their "group", each holding "update"
// packages; or, without any list, "code" and "error". Writes the rows of the groups the list keeps:
// open() "map.script" ("BugFixMapUpdate", "AdditionalMaps", "SellMapCredits"), openQueryAddMap()
// "queryaddmapwork.script" ("AdditionalMaps"), openKorvoUpdate() "korvoupdate.script" ("freeupdate"
// rows of the first list). Each list is written whole or not at all; only elements make rows.
//
// An answer without a list is a bare success for the code "S00000": the list is then emptied, so it
// never keeps rows of an earlier answer. Any other code is a service error (m_sCode, m_sError).
class ProcMapXml : public XMLParserBase
{
public:
    enum Outcome {
        LISTED,        // the answer's rows are in the list
        BARE_SUCCESS,  // "S00000" and no list: the list is empty now
        SERVICE_ERROR, // no list and another code (m_sCode, m_sError)
        NO_GROUP,      // the first list has no group
        UNREADABLE,    // missing, too large or no XML
        UNWRITABLE,    // the list could not be written; nothing was
    };

    ProcMapXml() = default;
    ~ProcMapXml() = default;

    bool open(const QString& sPath) override;
    // True when at least one add-on row was written, or for a bare success.
    bool openQueryAddMap(const QString& sPath);
    bool openKorvoUpdate(const QString& sPath);

    static QString mapListPath();
    static QString addMapListPath();
    static QString korvoListPath();

    // The 11-field row of "BugFixMapUpdate" and "AdditionalMaps", the 13-field "SellMapCredits" row.
    static WorkFile::Row listRow(const QString& sGroup, const QDomElement& update);
    static WorkFile::Row creditRow(const QString& sKind, const QDomElement& update);

    Outcome m_eOutcome = UNREADABLE;
    QString m_sCode;
    QString m_sError;

private:
    // Loads the answer and finds its first list; false when there is none (m_eOutcome says why, and a
    // bare success has emptied sList).
    bool readHead(const QString& sPath, const QString& sList, QDomDocument* pDoc, QDomElement* pFirstList);
    // readHead, and the first list must name its group.
    bool readGroupedHead(const QString& sPath, const QString& sList, QDomDocument* pDoc,
                         QDomElement* pFirstList);
    // Writes at most MapAnswer::MAX_ROWS rows.
    bool writeList(const QString& sList, QList<WorkFile::Row> rows);
};
