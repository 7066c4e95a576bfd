#include "MyDevShareSyncWidget.h"

#include "PageLoops.h"
#include "ScaledPictures.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "core/JsonHelper.h"
#include "core/Notifier.h"
#include "ui_MyDevShareSyncWidget.h"

#include <QEvent>
#include <QFont>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

namespace
{
const char* const CHECK_ICON = ":res/check-icon.png";
const int BUSY_FRAMES = 6;
const int BUSY_PERIOD_MS = 500;
} // namespace

MyDevShareSyncWidget::MyDevShareSyncWidget(QWidget* pParent) : QWidget(pParent)
{
    writeLog(1, "[MyDevShareSyncWidget][MyDevShareSyncWidget][Entry]");
    ui = new Ui_MyDevShareSyncWidget;
    ui->setupUi(this);
    ScaledPictures::shareLabels(this);
    m_pCtrl = ZeqAgentCtrlMgr::getInstance();
    applyButtonFont();

    connect(ui->btn_sync, &QPushButton::clicked, this, &MyDevShareSyncWidget::sync);
    connect(m_pCtrl, &ZeqAgentCtrlMgr::actionFinish, this, &MyDevShareSyncWidget::slotActionFinish);

    m_sUser = m_pCtrl->currentUser();
    m_sSession = m_pCtrl->currentSession();
    m_nType = m_pCtrl->deviceFamily();
    m_pDevice = &m_pCtrl->currentDevice();

    // The counters carry numbers the service sent: shown as they are, never read as markup.
    ui->label_upload->setTextFormat(Qt::PlainText);
    ui->label_download->setTextFormat(Qt::PlainText);
    ui->label_upload->hide();
    ui->label_download->hide();
    ui->label_sync_2->setText(titleText());

    const bool bAutoStart = !isDebugSync();
    showNoResult(bAutoStart);
    if (bAutoStart) {
        ui->btn_sync->setText(QObject::tr("View my data"));
        QTimer::singleShot(AgentTiming::ms(AgentTiming::SYNC_AUTOSTART), this,
                           &MyDevShareSyncWidget::autoSync);
    }
    writeLog(1, "[MyDevShareSyncWidget][MyDevShareSyncWidget][End]");
}

MyDevShareSyncWidget::~MyDevShareSyncWidget()
{
    dropBusyTimer();
    delete ui;
}

// ---- starting ----

// Until a sync of this box has ended the box has no result to tell: a done text or a check mark would
// tell a rider that the rides are on the service before anything was sent, and the rider may unplug on
// reading it. A box that starts its sync by itself is busy from the start; otherwise it claims nothing.
void MyDevShareSyncWidget::showNoResult(bool bAutoStart)
{
    m_nSyncStatus = SYNC_NO_RESULT;
    ui->label_sync->clear();
    ui->label_sync->hide();
    if (bAutoStart) {
        ui->label_syncicon->show();
        startBusyTimer();
        syncBusySkin(); // the first busy picture at once: the form's picture is the check mark
    } else {
        ui->label_syncicon->clear();
    }
}

// The page is rebuilt at every device change and every registration result, and each new box starts a
// sync by itself. A new check would stop the sync worker the controller holds, so a running sync is left
// alone and this box shows its progress instead. A sync beside a backup or restore would read the device
// while its folders are swapped: the start waits until that job has ended.
void MyDevShareSyncWidget::autoSync()
{
    if (PageLoops::isRetired(this))
        return; // a page already replaced, kept only until a box's loop ends, starts nothing
    if (m_pCtrl->isSyncRunning()) {
        writeLog(1, "[MyDevShareSyncWidget][autoSync] a sync runs already: following it");
        return;
    }
    if (m_pCtrl->isBackupRunning()) {
        writeLog(1, "[MyDevShareSyncWidget][autoSync] a backup or restore runs: waiting");
        QTimer::singleShot(AgentTiming::ms(AgentTiming::SYNC_AUTOSTART), this,
                           &MyDevShareSyncWidget::autoSync);
        return;
    }
    slotSync();
}

void MyDevShareSyncWidget::slotSync()
{
    writeLog(1, "[MyDevShareSyncWidget][slotSync][Entry]");
    ui->btn_sync->setEnabled(false);
    QString sTarget;
    if (!syncTarget(&sTarget)) {
        showNoDrive();
        return;
    }
    // The backup and restore buttons go off before the check reads the device, not only once the queue
    // runs: a restore during the check would swap the rides under the catalogue being built.
    m_pCtrl->setMyDeviceRegWidgetButton(false);
    m_pCtrl->checkSync(JsonHelper::object(
        {{"type", typeText()}, {"mount", sTarget}, {"session", m_sSession}, {"user", m_sUser}}));
    writeLog(1, "[MyDevShareSyncWidget][slotSync][End]");
}

bool MyDevShareSyncWidget::syncTarget(QString* pTarget) const
{
    if (!m_pCtrl->isDevicePresent() || !m_pDevice)
        return false;
    if (m_nType == Worker::FAMILY_DRIVE) {
        // The rides live on the data drive, the second root; a device seen with fewer roots has none.
        if (m_pDevice->lstDrive.size() < 2)
            return false;
        *pTarget = m_pDevice->lstDrive.at(1);
    } else {
        *pTarget = m_pDevice->sComPort;
    }
    return !pTarget->isEmpty();
}

QString MyDevShareSyncWidget::typeText() const
{
    return m_nType == Worker::FAMILY_DRIVE ? QStringLiteral("500") : QStringLiteral("100");
}

bool MyDevShareSyncWidget::isDebugSync() const
{
    AgentSettings settings;
    return settings.getBool("DEBUG", "Sync");
}

// Nothing was sent: the device is gone or shows no data drive. The box says the data could not be
// uploaded and offers a new try.
void MyDevShareSyncWidget::showNoDrive()
{
    writeLog(1, "[MyDevShareSyncWidget][showNoDrive] no data drive or port to sync");
    dropBusyTimer();
    m_nSyncStatus = SYNC_PARTIALERROR;
    ui->label_upload->hide();
    ui->label_download->hide();
    ui->label_sync->setText(partialText());
    ui->label_sync->show();
    ui->label_syncicon->hide();
    ui->btn_sync->setText(QObject::tr("Sync again"));
    ui->btn_sync->setEnabled(true);
}

// ---- results ----

void MyDevShareSyncWidget::slotActionFinish(ACTION_STATUS status, QString sResult)
{
    switch (status) {
    case SYNC_CHECKSUCCESS:
        doSynclist(sResult);
        break;
    case SYNC_UPLOADERROR:
    case SYNC_SUCCESS:
    case SYNC_CORRUPTION:
    case SYNC_PARTIALERROR:
    case SYNC_NETERROR:
    case SYNC_SIZENOTENOUGH:
    case SYNC_DISKFULL:
        m_pCtrl->setMyDeviceRegWidgetButton(true);
        skinSync(status);
        ui->btn_sync->setEnabled(true);
        break;
    case SYNC_PROCESS:
        m_pCtrl->setMyDeviceRegWidgetButton(false);
        showProgress(sResult);
        break;
    default:
        break;
    }
}

void MyDevShareSyncWidget::doSynclist(const QString& sResult)
{
    writeLog(1, "[MyDevShareSyncWidget][doSynclist][Entry]");
    const QVariantMap answer = JsonHelper().parse(sResult);
    const QString sRecords = answer.value("records").toString();
    const QString sTracks = answer.value("tracks").toString();
    const QString sDelete = answer.value("delete").toString();
    const QString sZero = QStringLiteral("0");
    if (sRecords == sZero && sTracks == sZero && sDelete == sZero) {
        dropBusyTimer(); // a busy start must not turn the check mark back into its animation
        ui->btn_sync->setEnabled(true);
        ui->label_sync->show();
        ui->label_syncicon->setPixmap(QPixmap(CHECK_ICON));
        ui->label_sync->setText(doneText());
        ui->btn_sync->setText(QObject::tr("View my data"));
        // The controller's 63 comes back to this box before the call returns: the display is set first.
        m_pCtrl->emitSyncSuccess();
        return;
    }
    QString sTarget;
    if (!syncTarget(&sTarget)) {
        m_pCtrl->setMyDeviceRegWidgetButton(true);
        showNoDrive();
        return;
    }
    AgentSettings settings;
    const QString sRequest =
        JsonHelper::object({{"type", typeText()},
                            {"drive", sTarget},
                            {"session", m_sSession},
                            {"user", m_sUser},
                            {"kept", settings.getBool("SYNC", "KeptHistory") ? "true" : "false"}});
    ui->label_upload->setText(QObject::tr("%1 history items uploading").arg(sRecords));
    ui->label_download->setText(QObject::tr("%1 tracks downloading").arg(sTracks));
    ui->label_upload->show();
    ui->label_download->show();
    showQueueRunning();
    // The first 68 can arrive before synclist returns: the display is set first.
    m_pCtrl->synclist(sRequest);
    writeLog(1, "[MyDevShareSyncWidget][doSynclist][End]");
}

void MyDevShareSyncWidget::showQueueRunning()
{
    ui->label_sync->hide();
    ui->btn_sync->setEnabled(true);
    ui->btn_sync->setText(QObject::tr("Stop"));
    dropBusyTimer();
    ui->label_syncicon->show();
    startBusyTimer();
}

void MyDevShareSyncWidget::showProgress(const QString& sResult)
{
    m_nSyncStatus = SYNC_PROCESS;
    const QVariantMap progress = JsonHelper().parse(sResult);
    if (progress.contains("records"))
        m_sRecords = progress.value("records").toString();
    if (progress.contains("tracks"))
        m_sTracks = progress.value("tracks").toString();
    // A box built while another box's sync ran did not start it; it shows that sync from here on.
    if (ui->btn_sync->text() != QObject::tr("Stop"))
        showQueueRunning();
    ui->label_upload->setText(uploadText());
    ui->label_download->setText(downloadText());
    ui->label_upload->show();
    ui->label_download->show();
}

void MyDevShareSyncWidget::skinSync(int status)
{
    writeLog(1, "[MyDevShareSyncWidget][skinSync] status %d", status);
    dropBusyTimer();
    m_nSyncStatus = status;
    ui->label_upload->hide();
    ui->label_download->hide();
    ui->label_sync->show();
    switch (status) {
    case SYNC_SUCCESS:
        ui->label_sync->setText(doneText());
        ui->label_syncicon->setPixmap(QPixmap(CHECK_ICON));
        ui->btn_sync->setText(isDebugSync() ? tr("test") : QObject::tr("View my data"));
        break;
    case SYNC_CORRUPTION:
        ui->label_sync->setText(doneText());
        ui->label_syncicon->setPixmap(QPixmap(CHECK_ICON));
        ui->label_syncicon->hide();
        ui->btn_sync->setText(QObject::tr("View my data"));
        break;
    case SYNC_NETERROR:
        ui->label_sync->setText(offlineText());
        ui->label_syncicon->hide();
        ui->btn_sync->setText(QObject::tr("Try again"));
        break;
    default: // 62, 65, 67, 70
        ui->label_sync->setText(partialText());
        ui->label_syncicon->hide();
        ui->btn_sync->setText(QObject::tr("Sync again"));
        break;
    }
    // The box opens from the event loop, not inside the controller's broadcast: the windows connected
    // after this box hear the result before the user reads the box.
    int nMessage = 0;
    if (status == SYNC_SIZENOTENOUGH)
        nMessage = MSG_MEMORY_FULL;
    else if (status == SYNC_DISKFULL)
        nMessage = MSG_DISK_FULL;
    else if (status == SYNC_CORRUPTION)
        nMessage = MSG_CORRUPTED;
    if (nMessage)
        QMetaObject::invokeMethod(
            this, [this, nMessage] { showErrorMsg(nMessage); }, Qt::QueuedConnection);
}

void MyDevShareSyncWidget::showErrorMsg(int nMessage)
{
    if (PageLoops::isRetired(this))
        return; // the page went away before the box could open
    QPointer<MyDevShareSyncWidget> pSelf(this);
    {
        PageLoops::Scope scope(this);
        if (nMessage == MSG_MEMORY_FULL) {
            Notifier::instance()->showMessage(
                QObject::tr("Not enough memory space on your device."),
                QObject::tr(
                    "The synchronisation is not complete. Please delete some history or track items to "
                    "free up memory space."));
        } else if (nMessage == MSG_DISK_FULL) {
            // The computer's own disk, not the device's and not the Internet: nothing was lost.
            Notifier::instance()->showMessage(
                titleText(), QObject::tr("The computer's disk is full. Free some space and try again."));
        } else {
            // The one box with markup: the agent's own texts around a red line.
            Notifier::instance()->showMessage(
                QObject::tr("Data Corruption"),
                QString("<FONT COLOR='red'>%1<BR/></FONT>%2")
                    .arg(QObject::tr("Delete the corrupted History"),
                         QObject::tr(
                             "Failed to process this recording as your device contains some invalid "
                             "information. To avoid this message, remove this file from your device.")),
                Notifier::OK, Notifier::RICH_TEXT);
        }
    }
    if (PageLoops::isRetired(pSelf))
        return;
    if (nMessage == MSG_CORRUPTED)
        m_pCtrl->openShareWeb(false, true);
}

// ---- the button ----

void MyDevShareSyncWidget::sync()
{
    const QString sText = ui->btn_sync->text();
    if (sText == QObject::tr("View my data"))
        m_pCtrl->openShareWeb(false, false);
    else if (sText == QObject::tr("Stop"))
        stopSync();
    else
        slotSync();
}

void MyDevShareSyncWidget::stopSync()
{
    writeLog(1, "[MyDevShareSyncWidget][stopSync]");
    m_pCtrl->setMyDeviceRegWidgetButton(true);
    m_pCtrl->terminateSync();
    ui->btn_sync->setText(QObject::tr("Sync again"));
    m_nSyncStatus = SYNC_STOPPED;
    ui->label_upload->hide();
    ui->label_download->hide();
    ui->label_sync->setText(partialText());
    ui->label_sync->show();
    ui->label_syncicon->hide();
    dropBusyTimer();
}

// ---- busy animation ----

void MyDevShareSyncWidget::startBusyTimer()
{
    m_pBusyTimer = new QTimer(this);
    connect(m_pBusyTimer, &QTimer::timeout, this, &MyDevShareSyncWidget::syncBusySkin);
    m_pBusyTimer->start(BUSY_PERIOD_MS);
}

void MyDevShareSyncWidget::dropBusyTimer()
{
    if (!m_pBusyTimer)
        return;
    m_pBusyTimer->stop();
    delete m_pBusyTimer;
    m_pBusyTimer = nullptr;
}

void MyDevShareSyncWidget::syncBusySkin()
{
    if (m_nBusyFrame > BUSY_FRAMES)
        m_nBusyFrame = 1;
    ui->label_syncicon->setPixmap(QPixmap(QString(":res/loading0%1.png").arg(m_nBusyFrame)));
    ++m_nBusyFrame;
}

// ---- texts ----

void MyDevShareSyncWidget::applyButtonFont()
{
    const QString sCode = m_pCtrl->langCode();
    int nSize = 12;
    if (sCode == "da" || sCode == "de" || sCode == "nl")
        nSize = 10;
    else if (sCode == "fr")
        nSize = 9;
    ui->btn_sync->setFont(QFont("Arial", nSize));
}

void MyDevShareSyncWidget::changeEvent(QEvent* pEvent)
{
    QWidget::changeEvent(pEvent);
    if (pEvent->type() == QEvent::LanguageChange)
        applyTexts();
}

// The form's own texts come back in the new language, then what the shown result says.
void MyDevShareSyncWidget::applyTexts()
{
    applyButtonFont();
    const QString sSyncText = ui->label_sync->text();
    ui->retranslateUi(this);
    ui->label_sync->setText(sSyncText);
    ui->label_sync_2->setText(titleText());
    switch (m_nSyncStatus) {
    case SYNC_UPLOADERROR:
    case SYNC_PARTIALERROR:
    case SYNC_SIZENOTENOUGH:
    case SYNC_DISKFULL:
    case SYNC_STOPPED:
        ui->btn_sync->setText(QObject::tr("Sync again"));
        ui->label_sync->setText(partialText());
        break;
    case SYNC_SUCCESS:
    case SYNC_CORRUPTION:
        ui->btn_sync->setText(QObject::tr("View my data"));
        ui->label_sync->setText(doneText());
        break;
    case SYNC_NETERROR:
        ui->btn_sync->setText(QObject::tr("Try again"));
        ui->label_sync->setText(offlineText());
        break;
    case SYNC_PROCESS:
        ui->btn_sync->setText(QObject::tr("Stop"));
        ui->label_upload->setText(uploadText());
        ui->label_download->setText(downloadText());
        break;
    case SYNC_NO_RESULT:
        ui->btn_sync->setText(QObject::tr("View my data"));
        break;
    default:
        break;
    }
}

QString MyDevShareSyncWidget::titleText() const
{
    return m_pCtrl->isQuorvane() ? QObject::tr("QuorvaneShare synchronisation")
                                 : QObject::tr("ZeqShare synchronisation");
}

QString MyDevShareSyncWidget::doneText() const
{
    return m_pCtrl->isQuorvane() ? QObject::tr("All data has been uploaded to QuorvaneShare successfully.")
                                 : QObject::tr("All data has been uploaded to ZeqShare successfully.");
}

QString MyDevShareSyncWidget::partialText() const
{
    return m_pCtrl->isQuorvane() ? QObject::tr("Some data cannot be uploaded to QuorvaneShare.")
                                 : QObject::tr("Some data cannot be uploaded to ZeqShare.");
}

QString MyDevShareSyncWidget::offlineText() const
{
    return m_pCtrl->isQuorvane()
               ? QObject::tr("Connect to the Internet to upload your data to QuorvaneShare.")
               : QObject::tr("Connect to the Internet to upload your data to ZeqShare.");
}

QString MyDevShareSyncWidget::uploadText() const
{
    return QObject::tr("%1 history items uploading").arg(m_sRecords);
}

QString MyDevShareSyncWidget::downloadText() const
{
    return QObject::tr("%1 tracks downloading").arg(m_sTracks);
}
