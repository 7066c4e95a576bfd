#include "CheckUpdateDialog.h"

#include "NewUpdateAvailableDialog.h"
#include "UpdateAvailableDialog.h"
#include "controller/DialogOpener.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/ConnectionFailure.h"
#include "core/DebugLog.h"
#include "core/JsonHelper.h"
#include "core/Notifier.h"
#include "core/WorkFile.h"
#include "ui/pages/DialogCloseGuard.h"
#include "ui/pages/PageLoops.h"
#include "ui_CheckUpdateDialog.h"

#include <QFile>
#include <QTimer>

namespace
{
const char DEVICE_REQUEST[] =
    "{\"sku\":\"%1\",\"uuid\":\"%2\",\"model\":\"%3\",\"acc\":\"%4\",\"image\":\"%5\","
    "\"application\":\"%6\",\"agent\":\"%7\"}";
const char MAP_REQUEST[] = "{\"model\":\"%1\",\"sku\":\"%2\",\"uuid\":\"%3\",\"bm\":\"%4\",\"ta\":\"%5\","
                           "\"osm\":\"%6\",\"country\":\"%7\"}";
const char HISTORY_REQUEST[] = "{\"model\":\"%1\",\"sku\":\"%2\",\"uuid\":\"%3\"}";
} // namespace

CheckUpdateDialog::CheckUpdateDialog(bool bRecover, bool bOfferBackup, QWidget* parent)
    : CheckUpdateDialog(VARIANT_CHECK, bRecover, bOfferBackup, parent)
{
}

CheckUpdateDialog::CheckUpdateDialog(Variant eVariant, bool bRecover, bool bOfferBackup, QWidget* parent)
    : QDialog(parent), ui(new Ui_CheckUpdateDialog), m_pCtrl(ZeqAgentCtrlMgr::getInstance()),
      m_bRecover(bRecover), m_bOfferBackup(bOfferBackup), m_eVariant(eVariant),
      m_pCloseGuard(new DialogCloseGuard(this))
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setAttribute(Qt::WA_QuitOnClose, false);
    setAccessibleName(m_eVariant == VARIANT_FREE ? "CheckFreeUpdateDialog" : "CheckUpdateDialog");
    // The check ends by itself or by Stop; the title bar, Escape and the window system cannot cut it.
    m_pCloseGuard->setJobRunning(true);
    setWindowTitle(m_bRecover ? QObject::tr("Recover") : QObject::tr("Updates"));

    m_sUser = m_pCtrl->currentUser();
    m_device = m_pCtrl->currentDevice();
    // A code left by an earlier reader (the map page's queries) belongs to no failure of this check.
    m_pCtrl->takeErrorCode();
    m_pCtrl->takeErrorString();

    ui->progressBar_check->setRange(0, 0);
    connect(m_pCtrl, &ZeqAgentCtrlMgr::devRefresh, this, &CheckUpdateDialog::slotdevRefresh);
    connect(m_pCtrl, &ZeqAgentCtrlMgr::actionFinish, this, &CheckUpdateDialog::slotActionFinish);
    connect(ui->Btn_Stop, &QPushButton::clicked, this, &CheckUpdateDialog::slotStop);
    if (m_bRecover)
        ui->Btn_Stop->hide();
    ui->label->setText(QObject::tr("Checking for updates"));
    writeLog(1, "[%s][%s] recover %d backup %d", qUtf8Printable(logName()), qUtf8Printable(logName()),
             int(m_bRecover), int(m_bOfferBackup));
    // Sent once exec() runs: a result never reaches a dialog whose loop has not started.
    QTimer::singleShot(0, this, &CheckUpdateDialog::checkDeviceUpdate);
}

CheckUpdateDialog::~CheckUpdateDialog()
{
    disconnect(m_pCtrl, nullptr, this, nullptr);
    delete ui;
}

QString CheckUpdateDialog::logName() const
{
    return m_eVariant == VARIANT_FREE ? "CheckFreeUpdateDialog" : "CheckUpdateDialog";
}

bool CheckUpdateDialog::isSerialFamily() const
{
    return m_pCtrl->deviceFamily() == Worker::FAMILY_SERIAL;
}

void CheckUpdateDialog::checkDeviceUpdate()
{
    if (m_bDone)
        return;
    writeLog(1, "[%s][checkDeviceUpdate]", qUtf8Printable(logName()));
    QFile::remove(AgentFolders::tempPath("Update.script"));
    QFile::remove(AgentFolders::tempPath("map.script"));
    QString sAgent = AgentSettings().getString("AGENT", "version");
    if (sAgent.isEmpty())
        sAgent = "0";
    const Worker::DEVINFO& info = m_device.devInfo;
    const bool bSerial = isSerialFamily();
    const QString sRequest = JsonHelper::fill(DEVICE_REQUEST, {info.sSkuID, info.sUUID, info.sHWName, m_sUser,
                                                               bSerial ? "0" : info.sFirmware,
                                                               bSerial ? "0" : info.sAppVer, sAgent});
    m_pCtrl->checkDeviceUpdate(sRequest, false);
}

void CheckUpdateDialog::checkMapUpdate()
{
    if (isSerialFamily())
        return;
    writeLog(1, "[%s][checkMapUpdate]", qUtf8Printable(logName()));
    const Worker::DEVINFO& info = m_device.devInfo;
    m_pCtrl->docheckFreeMapUpdate(
        JsonHelper::fill(MAP_REQUEST, {info.sHWName, info.sSkuID, info.sUUID, info.sBmVer, info.sTaVer,
                                       info.sOsmVer, info.sCountryVer}),
        false);
}

bool CheckUpdateDialog::checkHistoryUpdate()
{
    const bool bFree = m_eVariant == VARIANT_FREE;
    if (bFree)
        writeLog(1, "[CheckFreeUpdateDialog][checkHistoryUpdate]enter");
    if (isSerialFamily())
        return true;
    const Worker::DEVINFO& info = m_device.devInfo;
    m_pCtrl->docheckFreeMapUpdate(JsonHelper::fill(HISTORY_REQUEST, {info.sHWName, info.sSkuID, info.sUUID}),
                                  false);
    if (bFree)
        writeLog(1, "[CheckFreeUpdateDialog][checkHistoryUpdate]end");
    return true;
}

bool CheckUpdateDialog::dropAgentRows(bool* pEmptied)
{
    const QString sPath = AgentFolders::tempPath("Update.script");
    QList<WorkFile::Row> rows;
    WorkFile::readRows(sPath, &rows);
    QList<WorkFile::Row> kept;
    for (const WorkFile::Row& row : rows) {
        if (row.value(0) != "AGENT")
            kept.append(row);
    }
    *pEmptied = kept.isEmpty();
    if (kept.size() == rows.size())
        return true;
    return WorkFile::writeRows(sPath, kept);
}

CheckUpdateDialog::Listing CheckUpdateDialog::checkUpdateAvailable()
{
    const QString sName = logName();
    QList<WorkFile::Row> rows;
    bool bDeviceRows = WorkFile::readRows(AgentFolders::tempPath("Update.script"), &rows) && !rows.isEmpty();
    if (bDeviceRows && m_bRecover) {
        bool bEmptied = false;
        if (!dropAgentRows(&bEmptied)) {
            writeLog(1, "[%s][checkUpdateAvailable] the agent rows could not be removed",
                     qUtf8Printable(sName));
            return LIST_UNUSABLE;
        }
        bDeviceRows = !bEmptied;
    }
    if (bDeviceRows) {
        writeLog(1, "[%s][checkUpdateAvailable]Have device update", qUtf8Printable(sName));
        return LISTED;
    }
    if (!WorkFile::readRows(AgentFolders::tempPath("map.script"), &rows))
        return NOTHING_LISTED;
    writeLog(1, "[%s][checkUpdateAvailable]Have map update", qUtf8Printable(sName));
    return rows.isEmpty() ? NOTHING_LISTED : LISTED;
}

void CheckUpdateDialog::slotActionFinish(ACTION_STATUS status, QString sResult)
{
    Q_UNUSED(sResult);
    if (m_bDone)
        return;
    writeLog(1, "[%s][slotActionFinish]status %d", qUtf8Printable(logName()), int(status));
    switch (status) {
    case DEVICE_CHECKSUCCESS:
        deviceChecked();
        break;
    case MAP_CHECKSUCCESS:
        listChecked();
        break;
    case DEVICE_CHECKERROR:
    case MAP_CHECKERROR:
        showMsg(2);
        break;
    case DEVICE_REQUESTERROR:
    case MAP_REQUESTERROR:
        showMsg(0);
        break;
    default:
        break;
    }
}

// The device list is in. The serial family has no map check: its list is the whole answer. The drive
// family's agent update comes first; recovering, or in the free variant, the maps follow directly.
void CheckUpdateDialog::deviceChecked()
{
    if (isSerialFamily()) {
        listChecked();
        return;
    }
    if (!m_bRecover && m_eVariant == VARIANT_CHECK && m_pCtrl->checkWendoAgentUpdateAvailable()) {
        openFollowUp(AGENT_OFFER);
        return;
    }
    checkMapUpdate();
}

// Everything is in: the lists decide. The controller reports a serial device's check as 81, so the agent
// row is asked for here too.
void CheckUpdateDialog::listChecked()
{
    switch (checkUpdateAvailable()) {
    case NOTHING_LISTED:
        showMsg(1);
        return;
    case LIST_UNUSABLE:
        showMsg(2);
        return;
    case LISTED:
        break;
    }
    if (m_bRecover)
        openFollowUp(RECOVER_INSTALL);
    else if (m_eVariant == VARIANT_CHECK && isSerialFamily() && m_pCtrl->checkWendoAgentUpdateAvailable())
        openFollowUp(AGENT_OFFER);
    else
        openFollowUp(DEVICE_OFFER);
}

void CheckUpdateDialog::openFollowUp(FollowUp eFollowUp)
{
    writeLog(1, "[%s][slotActionFinish] follow-up %d", qUtf8Printable(logName()), int(eFollowUp));
    endCheck();
    accept();
    PageLoops::Scope scope(this);
    switch (eFollowUp) {
    case AGENT_OFFER: {
        UpdateAvailableDialog dialog(nullptr);
        dialog.exec();
        break;
    }
    case DEVICE_OFFER: {
        NewUpdateAvailableDialog dialog(false, m_bOfferBackup, nullptr);
        dialog.exec();
        break;
    }
    case RECOVER_INSTALL:
        DialogOpener::instance()->runInstall(true, false);
        break;
    }
}

void CheckUpdateDialog::showMsg(int kind)
{
    writeLog(1, "[%s][showMsg] type %d", qUtf8Printable(logName()), kind);
    endCheck();
    hide();
    QString sTitle = QObject::tr("Updates");
    QString sText;
    QString sCode;
    QString sError;
    switch (kind) {
    case 0:
        sCode = m_pCtrl->takeErrorCode();
        sError = m_pCtrl->takeErrorString();
        sTitle = ConnectionFailure::title();
        sText = ConnectionFailure::text(m_pCtrl->isQuorvane());
        if (!sCode.isEmpty())
            sText = QString("%1(%2)").arg(sText, sCode);
        break;
    case 1:
        sText = QObject::tr("The device's software is up-to-date.");
        break;
    default:
        sText = QObject::tr("Update failed. Please ensure that your %1 is still connected to your computer. "
                            "If this problem persists, contact Zeq support.")
                    .arg(m_device.devInfo.sHWName);
        break;
    }
    {
        PageLoops::Scope scope(this);
        Notifier::instance()->showMessage(sTitle, sText);
    }
    if (kind == 0)
        writeLog(1, "[%s][showMsg] errCode %s ErrString %s", qUtf8Printable(logName()),
                 sCode.toLatin1().constData(), sError.toLatin1().constData());
    accept();
}

void CheckUpdateDialog::slotStop()
{
    if (m_bDone)
        return;
    writeLog(1, "[%s][slotStop]", qUtf8Printable(logName()));
    endCheck();
    m_pCtrl->terminateCheckUpdate();
    accept();
}

// A device that comes or goes ends the check: its map check would otherwise answer for another device.
void CheckUpdateDialog::slotdevRefresh(bool bArrival)
{
    if (m_bDone)
        return;
    writeLog(1, "[%s][slotdevRefresh] arrival %d", qUtf8Printable(logName()), int(bArrival));
    endCheck();
    m_pCtrl->terminateCheckUpdate();
    accept();
}

void CheckUpdateDialog::endCheck()
{
    m_bDone = true;
    disconnect(m_pCtrl, nullptr, this, nullptr);
}
