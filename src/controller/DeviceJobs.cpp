#include "DeviceJobs.h"

#include "DeviceState.h"
#include "backup/BackupFiles.h"
#include "backup/BackupRestoreWorker.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "sync/SyncWorker.h"

DeviceJobs::DeviceJobs(const DeviceState& device) : m_device(device) {}

void DeviceJobs::checkSync(const QString& sRequest)
{
    // One sync at a time: a check or queue still held is stopped rather than left running unseen.
    m_syncSlot.start(new SyncWorker())->checkSync(sRequest);
}

void DeviceJobs::synclist(const QString& sRequest)
{
    writeLog(1, "[ZeqAgentCtrlMgr][synclist]Stop previous syncworker");
    // Stopping a sync worker stops its preparation thread and transfer and removes a partial track.
    m_syncSlot.start(new SyncWorker())->synclist(sRequest);
}

void DeviceJobs::backupDev(const QString& sParam)
{
    startBackupWorker(sParam, BackupRestoreWorker::MODE_BACKUP);
}

void DeviceJobs::restoreDev(const QString& sParam)
{
    startBackupWorker(sParam, BackupRestoreWorker::MODE_RESTORE);
}

void DeviceJobs::startBackupWorker(const QString& sParam, int nMode)
{
    // One backup or restore at a time: a job still held is stopped rather than left running unseen.
    auto* pWorker = new BackupRestoreWorker();
    pWorker->setParam(sParam);
    pWorker->setMode(nMode);
    pWorker->setDriveRoots(m_device.current().lstDrive);
    pWorker->setPartPause(AgentTiming::ms(AgentTiming::BACKUP_PART_PAUSE));
    m_sBackupUUID = m_device.uuid();
    m_backupSlot.start(pWorker)->start(QThread::InheritPriority);
}

bool DeviceJobs::handleResult(const QObject* pSender, ACTION_STATUS status, const QString& sResult,
                              Route* pRoute)
{
    Q_UNUSED(sResult);
    switch (status) {
    case BACKUP_SUCCESS:
        if (m_backupSlot.holds(pSender) && !commitBackup())
            pRoute->status = BACKUP_FAIL;
        m_backupSlot.release(pSender);
        return true;
    case BACKUP_FAIL:
    case RESTORE_SUCCESS:
    case RESTORE_FAIL:
        m_backupSlot.release(pSender);
        return true;
    case SYNC_CHECKSUCCESS:
    case SYNC_UPLOADERROR:
    case SYNC_SUCCESS:
    case SYNC_CORRUPTION: // a final result too: the queue has ended
    case SYNC_PARTIALERROR:
    case SYNC_NETERROR:
    case SYNC_SIZENOTENOUGH:
    case SYNC_DISKFULL:
        m_syncSlot.release(pSender);
        pRoute->bMapStatus = true;
        return true;
    default:
        return false;
    }
}

bool DeviceJobs::commitBackup()
{
    // The date says a backup exists: it is written only once the new archives are in place.
    if (!BackupFiles::commitArchives(m_sBackupUUID)) {
        writeLog(1, "[ZeqAgentCtrlMgr][slotHandleResults] the new backup archives could not replace the old "
                    "ones: the backup failed, the previous backup is kept");
        return false;
    }
    AgentSettings settings;
    settings.setDeviceValue(m_sBackupUUID, "backuptime", Platform::clock().today().toString("yyyy/MM/dd"));
    return true;
}
