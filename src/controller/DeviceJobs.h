#pragma once

#include "ActionFamily.h"
#include "WorkerSlot.h"

#include <QString>

class DeviceState;

// The long jobs on the attached device: the ride sync (check, then the queue of its work list) and the
// backup and restore of the drive family. One job of each kind at a time.
class DeviceJobs : public ActionFamily
{
public:
    explicit DeviceJobs(const DeviceState& device);

    void checkSync(const QString& sRequest);
    void synclist(const QString& sRequest);
    void stopSync() { m_syncSlot.stop(); }
    // A sync worker (check or queue) is held: a new check would cut it.
    bool isSyncRunning() const { return !m_syncSlot.isEmpty(); }
    // A backup or restore worker is held: a sync beside it would read the drive while it changes.
    bool isBackupRunning() const { return !m_backupSlot.isEmpty(); }

    // sParam is the parameter string of BackupRestoreParam. A good backup counts only once its archives
    // took their final names: the result of the held backup worker commits them (for the device the job
    // was started for) before anyone hears of it, and a failed commit is reported as BACKUP_FAIL.
    void backupDev(const QString& sParam);
    void restoreDev(const QString& sParam);
    void stopBackupRestore() { m_backupSlot.stop(); }

    bool handleResult(const QObject* pSender, ACTION_STATUS status, const QString& sResult,
                      Route* pRoute) override;

private:
    void startBackupWorker(const QString& sParam, int nMode);
    bool commitBackup();

    const DeviceState& m_device;
    QString m_sBackupUUID; // the device the held backup or restore job works on
    WorkerSlot m_backupSlot{this, "backup and restore", WorkerSlot::EXIT_BACKUPRESTORE};
    WorkerSlot m_syncSlot{this, "sync", WorkerSlot::EXIT_SYNC};
};
