#pragma once

#include "core/ActionStatus.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class DialogCloseGuard;
class ZeqAgentCtrlMgr;
class Ui_BacukupRestoreDailog;

// The modal progress dialog that backs a drive-family device up into its two 7z archives in the backup
// folder, or restores it from them. The constructor starts the job through the controller; the caller
// runs exec() and destroys the dialog afterwards. Each job ends with exactly one result: a message box
// (through Notifier), a Cancel (no box), or, for a backup before an update, the install dialog.
//
// While the job runs, only Cancel (backups only) or the job's end closes the dialog: Escape and the
// window system's close are refused. A new backup replaces the old archives only when it succeeded; the
// controller commits them before it reports the success. What a failed or cancelled backup left
// (temporary archives, the keep list's staging folder) is removed.
class BackupRestoreDailog : public QDialog
{
    Q_OBJECT

public:
    enum { MODE_BACKUP = 0, MODE_RESTORE = 1 };

    BackupRestoreDailog(int nMode, bool bInstallAfterBackup, bool bRecover, QWidget* parent = nullptr);
    ~BackupRestoreDailog() override;

private slots:
    void slotActionFinish(ACTION_STATUS status, QString sResult);
    void slotStop();

private:
    enum Result { BACKUP_DONE = 0, BACKUP_FAILED = 1, RESTORE_DONE = 2, RESTORE_FAILED = 3 };

    void doBackup();
    void restoreDev();
    // Reads the device the job is for; false when no drive-family device is present.
    bool takeDevice();
    // The job cannot start: nothing was started or touched, the failure is shown once exec runs.
    void refuseStart();
    bool isFinalStatus(ACTION_STATUS status) const;
    void handleFinal(ACTION_STATUS status);
    void finishBackup();
    void finishRestore();
    // The full bar for a moment before the result; false when the dialog is gone meanwhile.
    bool pauseWithFullBar();
    void showResult(Result result);
    void endJob();
    void removeTemporaryFiles();
    bool isJobDevicePresent() const;

    Ui_BacukupRestoreDailog* ui;
    ZeqAgentCtrlMgr* m_pCtrl;
    bool m_bFinished = false;
    QString m_sSysArchive;
    QString m_sDataArchive;
    bool m_bInstallAfterBackup;
    bool m_bRecover;

    int m_nMode;
    bool m_bJobRunning = false;
    // The device the job was started for: the controller's record may change or empty meanwhile.
    QString m_sUUID;
    QString m_sHWName;
    QStringList m_lstDrive;
    DialogCloseGuard* m_pCloseGuard;
};
