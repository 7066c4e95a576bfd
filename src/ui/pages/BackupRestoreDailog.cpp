#include "BackupRestoreDailog.h"

BackupRestoreDailog::BackupRestoreDailog(int nMode, bool bInstallAfterBackup, bool bRecover, QWidget* parent)
    : QDialog(parent)
{
    Q_UNUSED(nMode);
    Q_UNUSED(bInstallAfterBackup);
    Q_UNUSED(bRecover);
}
