#pragma once

#include "core/WorkFile.h"
#include "net/XMLParserBase.h"

#include <QDomElement>
#include <QList>
#include <QString>

// The update service's answer to a device check: one "update" element per offered package (children
// package, date, version, filesize, url, releaseNote), or "code" and "error" when nothing can be offered.
// Turns it into the work lists: "Update.script" (agent rows first, then the others in the answer's
// order) or the device part of "korvoupdate.script" (no agent rows). Each list is written whole or not
// at all; values come back from the list exactly as the service sent them.
class ProcDevUpdateXml : public XMLParserBase
{
public:
    enum Outcome {
        LISTED,          // the answer's rows are in the list
        NOTHING_OFFERED, // no "update" element and an empty code
        SERVICE_ERROR,   // no "update" element and a code (m_sCode, m_sError)
        UNREADABLE,      // missing, too large or no XML
        UNWRITABLE,      // the list could not be written; nothing was
    };

    // The largest answer read; the request thread keeps answers smaller.
    static constexpr qint64 ANSWER_LIMIT = 4 * 1024 * 1024;
    // The most packages taken from one answer; a real one offers the agent, the software and the firmware.
    static constexpr int MAX_ROWS = 256;

    ProcDevUpdateXml() = default;
    ~ProcDevUpdateXml() = default;

    // Writes "Update.script"; true only when the answer's rows were written (LISTED).
    bool open(const QString& sPath) override;
    // Writes "korvoupdate.script"; true when the answer offers something, also when every row was an
    // agent row and the list stays empty.
    bool openKorvoUpdate(const QString& sPath);

    static QString updateListPath();
    static QString korvoListPath();

    Outcome m_eOutcome = UNREADABLE;
    // After openKorvoUpdate: the answer offered the agent's own package (which its list leaves out).
    bool m_bAgentOffered = false;
    QString m_sCode;
    QString m_sError;

private:
    // The "update" elements of the answer; false when it is unusable (m_eOutcome says why).
    bool readUpdates(const QString& sPath, QList<WorkFile::Row>* pRows);
    static WorkFile::Row rowOf(const QDomElement& update);
    bool writeList(const QString& sList, const QList<WorkFile::Row>& rows);
};
