#pragma once

#include <QString>

// The rides and routes one sync leaves on the device or on the service, each named with its reason.
// The check starts the list afresh; the check and the queue add to it; the queue's end reads it, so a
// sync that left anything behind ends with a partial status, never with plain success. Kept as the work
// list "SyncLeft.script" (rows "left;<name>;<reason>") because the check and the queue run on two
// workers, one after the other.
class SyncLeftBehind
{
public:
    explicit SyncLeftBehind(const QString& sTempDir);

    // Starts an empty list; false when the old one cannot be removed.
    bool reset();
    // Names one thing left behind, in the list and in the log.
    bool add(const QString& sName, const QString& sReason);
    int count() const;

private:
    QString m_sPath;
};
