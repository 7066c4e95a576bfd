#pragma once

#include <QDialog>

// Stand-in until the backup and restore dialog lands: an empty modal dialog.
class BackupRestoreDailog : public QDialog
{
    Q_OBJECT

public:
    BackupRestoreDailog(int nMode, bool bInstallAfterBackup, bool bRecover, QWidget* parent);
};
