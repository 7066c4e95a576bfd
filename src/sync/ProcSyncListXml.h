#pragma once

#include "core/WorkFile.h"
#include "net/XMLParserBase.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QVariantMap>

// Reads the service's answer to getRouteSyncList, a JSON array of work items in the SOAP return text,
// and writes the sync work list (SyncScript) with one line per known item, in the answer's order; an
// item listed again (the same upload or delete hash, the same download) is taken once.
class ProcSyncListXml : public XMLParserBase
{
public:
    ProcSyncListXml() = default;
    ~ProcSyncListXml() = default;

    // The old work list is removed first. False when the answer does not load, lacks the return text,
    // returns an "ERROR:" text or anything that is not a JSON array, or the work list cannot be written:
    // a failure is never reported as a list without work.
    bool open(const QString& sPath) override;

    // The most lines taken from one answer. A device holds a few hundred rides, tracks and records, and
    // every line costs an upload, a download or a deletion; what is left out comes back in the next sync.
    static constexpr int MAX_ROWS = 10000;

    int m_nUploadCount = 0;
    int m_nDownloadCount = 0;
    int m_nDeleteCount = 0;
    QString m_sReturn; // the answer's return text

private:
    bool takeItem(const QVariantMap& item, QList<WorkFile::Row>* pRows);
    // True the first time a ride or track is named for one kind of work: an answer that lists a ride
    // twice must not upload or delete it twice.
    bool firstTime(const WorkFile::Row& row);

    QSet<QString> m_seen;
};
