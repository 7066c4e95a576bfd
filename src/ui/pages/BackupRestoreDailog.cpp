#include "BackupRestoreDailog.h"

#include "DialogCloseGuard.h"
#include "PageLoops.h"
#include "backup/BackupFiles.h"
#include "backup/BackupRestoreParam.h"
#include "backup/ProcKeepFileXml.h"
#include "controller/DialogOpener.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "core/Notifier.h"
#include "ui_BackupRestoreDailog.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

BackupRestoreDailog::BackupRestoreDailog(int nMode, bool bInstallAfterBackup, bool bRecover, QWidget* parent)
    : QDialog(parent), ui(new Ui_BacukupRestoreDailog), m_pCtrl(ZeqAgentCtrlMgr::getInstance()),
      m_bInstallAfterBackup(bInstallAfterBackup), m_bRecover(bRecover), m_nMode(nMode),
      m_pCloseGuard(new DialogCloseGuard(this))
{
    writeLog(1, "[BackupRestoreDailog][BackupRestoreDailog][Entry] mode %d", nMode);
    ui->setupUi(this);
    // The background picture lies under the texts and the bar.
    ui->label->lower();
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setAttribute(Qt::WA_QuitOnClose, false);
    ui->btn_cancel->setVisible(m_nMode == MODE_BACKUP); // a restore cannot be cancelled
    connect(ui->btn_cancel, &QPushButton::clicked, this, &BackupRestoreDailog::slotStop);
    connect(m_pCtrl, &ZeqAgentCtrlMgr::actionFinish, this, &BackupRestoreDailog::slotActionFinish);
    if (m_nMode == MODE_BACKUP) {
        setWindowTitle(QObject::tr("Backup"));
        doBackup();
    } else {
        setWindowTitle(QObject::tr("Restore"));
        restoreDev();
    }
    writeLog(1, "[BackupRestoreDailog][BackupRestoreDailog][End]");
}

BackupRestoreDailog::~BackupRestoreDailog()
{
    writeLog(1, "[BackupRestoreDailog][~BackupRestoreDailog][Entry]");
    disconnect(m_pCtrl, nullptr, this, nullptr);
    // A job may never outlive its dialog: its files are about to be cleaned up.
    if (m_bJobRunning)
        m_pCtrl->terminateBackup();
    removeTemporaryFiles();
    delete ui;
    writeLog(1, "[BackupRestoreDailog][~BackupRestoreDailog][End]");
}

bool BackupRestoreDailog::takeDevice()
{
    const Worker::DEVINFOEX& device = m_pCtrl->currentDevice();
    m_sUUID = device.devInfo.sUUID;
    m_sHWName = device.devInfo.sHWName;
    m_lstDrive = device.lstDrive;
    if (!m_pCtrl->isDevicePresent() || m_pCtrl->deviceFamily() != Worker::FAMILY_DRIVE) {
        writeLog(1, "[BackupRestoreDailog][takeDevice] no drive-family device present");
        return false;
    }
    return true;
}

void BackupRestoreDailog::doBackup()
{
    writeLog(1, "[BackupRestoreDailog][doBackup][Entry]");
    ui->label_info->setText(QObject::tr("Back up in progress... Please do not disconnect your device."));
    QString sParam;
    // Checked before anything is staged: a device that cannot be backed up leaves everything as it was.
    if (!takeDevice() || !BackupRestoreParam::buildBackup(m_sUUID, m_lstDrive, &sParam)) {
        refuseStart();
        writeLog(1, "[BackupRestoreDailog][doBackup][End] refused");
        return;
    }
    const QString sSystemRoot = m_lstDrive.at(0);
    if (BackupRestoreParam::hasKeepList(sSystemRoot)) {
        // An unreadable list or a failed copy is no failure: the backup archives what was staged.
        ProcKeepFileXml keepList;
        keepList.open(BackupRestoreParam::keepListPath(sSystemRoot));
        keepList.setSystemRoot(sSystemRoot);
        keepList.backupKeepFile();
    }
    m_sSysArchive = BackupFiles::systemArchive(m_sUUID);
    m_sDataArchive = BackupFiles::dataArchive(m_sUUID);
    m_bJobRunning = true;
    m_pCloseGuard->setJobRunning(true);
    m_pCtrl->backupDev(sParam);
    writeLog(1, "[BackupRestoreDailog][doBackup][End]");
}

void BackupRestoreDailog::restoreDev()
{
    writeLog(1, "[BackupRestoreDailog][restoreDev][Entry]");
    ui->label_info->setText(QObject::tr("Restoring... Please do not disconnect your device."));
    QString sParam;
    if (!takeDevice() || !BackupRestoreParam::buildRestore(m_sUUID, m_lstDrive, &sParam)) {
        refuseStart();
        writeLog(1, "[BackupRestoreDailog][restoreDev][End] refused");
        return;
    }
    m_bJobRunning = true;
    m_pCloseGuard->setJobRunning(true);
    m_pCtrl->restoreDev(sParam);
    writeLog(1, "[BackupRestoreDailog][restoreDev][End]");
}

void BackupRestoreDailog::refuseStart()
{
    m_bFinished = true;
    const Result result = m_nMode == MODE_BACKUP ? BACKUP_FAILED : RESTORE_FAILED;
    // The caller runs exec() after the constructor: the box shows from inside that loop, which the
    // dialog's accept() then ends.
    QMetaObject::invokeMethod(
        this, [this, result] { showResult(result); }, Qt::QueuedConnection);
}

bool BackupRestoreDailog::isFinalStatus(ACTION_STATUS status) const
{
    if (m_nMode == MODE_BACKUP)
        return status == BACKUP_SUCCESS || status == BACKUP_FAIL;
    return status == RESTORE_SUCCESS || status == RESTORE_FAIL;
}

void BackupRestoreDailog::slotActionFinish(ACTION_STATUS status, QString sResult)
{
    if (m_bFinished)
        return;
    writeLog(1, "[BackupRestoreDailog][slotActionFinish] status %d", int(status));
    const bool bProgress = (m_nMode == MODE_BACKUP && status == BACKUP_PROCESS) ||
                           (m_nMode == MODE_RESTORE && status == RESTORE_PROCESS);
    if (bProgress) {
        bool bNumber = false;
        const int nValue = sResult.toInt(&bNumber);
        if (bNumber)
            ui->progressBar->setValue(qBound(0, nValue, 100));
        return;
    }
    if (!isFinalStatus(status))
        return;
    m_bFinished = true;
    m_bJobRunning = false; // the controller has let the worker go
    // The result is shown from a queued call: the other windows hear this status without waiting for
    // the box or the pause.
    QMetaObject::invokeMethod(
        this, [this, status] { handleFinal(status); }, Qt::QueuedConnection);
}

void BackupRestoreDailog::handleFinal(ACTION_STATUS status)
{
    writeLog(1, "[BackupRestoreDailog][handleFinal][Entry] status %d", int(status));
    switch (status) {
    case BACKUP_SUCCESS:
        finishBackup();
        break;
    case BACKUP_FAIL:
        removeTemporaryFiles();
        showResult(BACKUP_FAILED);
        break;
    case RESTORE_SUCCESS:
        finishRestore();
        break;
    default:
        showResult(RESTORE_FAILED);
        break;
    }
}

void BackupRestoreDailog::finishBackup()
{
    // The controller has already put the new archives in place and written the date.
    if (!pauseWithFullBar())
        return;
    if (!m_bInstallAfterBackup) {
        showResult(BACKUP_DONE);
        return;
    }
    endJob();
    accept();
    QPointer<BackupRestoreDailog> self(this);
    {
        PageLoops::Scope scope(this);
        DialogOpener::instance()->runInstall(m_bRecover, false);
    }
    if (!self)
        return;
    writeLog(1, "[BackupRestoreDailog][finishBackup] the install dialog has closed");
}

void BackupRestoreDailog::finishRestore()
{
    // A restore that ended after its device left (or another one came) cannot be trusted as done.
    if (!isJobDevicePresent()) {
        showResult(RESTORE_FAILED);
        return;
    }
    if (pauseWithFullBar())
        showResult(RESTORE_DONE);
}

bool BackupRestoreDailog::isJobDevicePresent() const
{
    return m_pCtrl->isDevicePresent() && m_pCtrl->currentDevice().devInfo.sUUID == m_sUUID;
}

bool BackupRestoreDailog::pauseWithFullBar()
{
    ui->progressBar->setValue(100);
    QPointer<BackupRestoreDailog> self(this);
    {
        PageLoops::Scope scope(this);
        QEventLoop loop;
        QTimer::singleShot(AgentTiming::ms(AgentTiming::BACKUP_DONE_PAUSE), &loop, &QEventLoop::quit);
        loop.exec();
    }
    return self && !PageLoops::isRetired(this);
}

void BackupRestoreDailog::showResult(Result result)
{
    writeLog(1, "[BackupRestoreDailog][showResult][Entry] %d", int(result));
    const bool bBackup = result == BACKUP_DONE || result == BACKUP_FAILED;
    const QString sTitle = bBackup ? QObject::tr("Device backup") : QObject::tr("Device restore");
    QString sText;
    switch (result) {
    case BACKUP_DONE:
        sText = QObject::tr("Backup completed successfully");
        break;
    case BACKUP_FAILED:
        sText =
            QObject::tr("Backup failed. Please ensure that your %1 is still connected to your computer. If "
                        "this problem persists, contact Zeq support.")
                .arg(m_sHWName);
        break;
    case RESTORE_DONE:
        sText = QObject::tr("Restored successfully");
        break;
    case RESTORE_FAILED:
        sText =
            QObject::tr("Restore failed. Please ensure that your %1 is still connected to your computer. If "
                        "this problem persists, contact Zeq support.")
                .arg(m_sHWName);
        break;
    }
    hide();
    QPointer<BackupRestoreDailog> self(this);
    {
        PageLoops::Scope scope(this);
        Notifier::instance()->showMessage(sTitle, sText, Notifier::OK, Notifier::PLAIN_TEXT);
    }
    if (!self || PageLoops::isRetired(this))
        return;
    endJob();
    accept();
    writeLog(1, "[BackupRestoreDailog][showResult][End]");
}

void BackupRestoreDailog::slotStop()
{
    writeLog(1, "[BackupRestoreDailog][slotStop][Entry]");
    // A result already on its way is the job's one end; Cancel then comes too late to change it.
    if (m_bFinished) {
        writeLog(1, "[BackupRestoreDailog][slotStop][End] the job has already ended");
        return;
    }
    m_bFinished = true;
    hide();
    // Returns once the worker has stopped its 7z; the stopped worker reports nothing more.
    m_pCtrl->terminateBackup();
    m_bJobRunning = false;
    removeTemporaryFiles();
    endJob();
    accept();
    writeLog(1, "[BackupRestoreDailog][slotStop][End]");
}

void BackupRestoreDailog::endJob()
{
    m_pCloseGuard->setJobRunning(false);
}

void BackupRestoreDailog::removeTemporaryFiles()
{
    // Only what this dialog's backup made: a refused start or a restore leaves the folder alone.
    if (m_sSysArchive.isEmpty())
        return;
    BackupFiles::removeTemporaryFiles(m_sUUID);
}
