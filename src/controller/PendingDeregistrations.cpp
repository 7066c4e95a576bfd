#include "PendingDeregistrations.h"

#include "backup/BackupFiles.h"
#include "core/AgentSettings.h"
#include "core/DebugLog.h"

#include <QFile>

void PendingDeregistrations::add(const QString& sUUID, bool bRemoveBackup)
{
    m_lstPending.append(qMakePair(sUUID, bRemoveBackup));
}

void PendingDeregistrations::answer(bool bDeregistered)
{
    if (m_lstPending.isEmpty()) {
        writeLog(1, "[PendingDeregistrations][answer] an answer without a deregistration on its way");
        return;
    }
    const QPair<QString, bool> pending = m_lstPending.takeFirst();
    if (bDeregistered && pending.second)
        removeBackup(pending.first);
}

// The UUID comes from the service and names the archives: one that is no plain file name could lead the
// removal out of the backup folder, so such a backup is left alone.
void PendingDeregistrations::removeBackup(const QString& sUUID)
{
    if (!BackupFiles::isUsableUuid(sUUID)) {
        writeLog(1, "[PendingDeregistrations][removeBackup] unusable UUID %s: nothing removed",
                 qUtf8Printable(sUUID));
        return;
    }
    for (const QString& sArchive : {BackupFiles::systemArchive(sUUID), BackupFiles::dataArchive(sUUID)}) {
        if (QFile::exists(sArchive) && !QFile::remove(sArchive))
            writeLog(1, "[PendingDeregistrations][removeBackup] cannot remove %s", qUtf8Printable(sArchive));
    }
    AgentSettings settings;
    settings.setDeviceValue(sUUID, "backuptime", QString());
}
