#include "CheckWendoAgentUpdateDialog.h"

#include "UpdateAvailableDialog.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/ConnectionFailure.h"
#include "core/DebugLog.h"
#include "core/JsonHelper.h"
#include "core/Notifier.h"
#include "ui/pages/DialogCloseGuard.h"
#include "ui/pages/PageLoops.h"
#include "ui_CheckWendoAgentUpdateDialog.h"

#include <QFile>
#include <QTimer>

namespace
{
const char AGENT_REQUEST[] = "{\"sku\":\"%1\",\"uuid\":\"\",\"model\":\"\",\"acc\":\"%2\",\"image\":\"\","
                             "\"application\":\"\",\"agent\":\"%3\"}";
} // namespace

CheckWendoAgentUpdateDialog::CheckWendoAgentUpdateDialog(QWidget* parent)
    : QDialog(parent), ui(new Ui_CheckWendoAgentUpdateDialog), m_pCtrl(ZeqAgentCtrlMgr::getInstance()),
      m_pCloseGuard(new DialogCloseGuard(this))
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setAttribute(Qt::WA_QuitOnClose, false);
    setAccessibleName("CheckWendoAgentUpdateDialog");
    m_pCloseGuard->setJobRunning(true);
    setWindowTitle(QObject::tr("Updates"));
    m_sUser = m_pCtrl->currentUser();
    m_sHWName = m_pCtrl->currentDevice().devInfo.sHWName;
    m_pCtrl->takeErrorCode();
    m_pCtrl->takeErrorString();
    ui->progressBar_check->setRange(0, 0);
    connect(m_pCtrl, &ZeqAgentCtrlMgr::devRefresh, this, &CheckWendoAgentUpdateDialog::slotdevRefresh);
    connect(m_pCtrl, &ZeqAgentCtrlMgr::actionFinish, this, &CheckWendoAgentUpdateDialog::slotActionFinish);
    connect(ui->Btn_Stop, &QPushButton::clicked, this, &CheckWendoAgentUpdateDialog::slotStop);
    ui->Btn_Stop->hide();
    ui->label->setText(QObject::tr("Checking for updates"));
    writeLog(1, "[CheckWendoAgentUpdateDialog][CheckWendoAgentUpdateDialog]");
    QTimer::singleShot(0, this, &CheckWendoAgentUpdateDialog::doCheckUpdate);
}

CheckWendoAgentUpdateDialog::~CheckWendoAgentUpdateDialog()
{
    disconnect(m_pCtrl, nullptr, this, nullptr);
    delete ui;
}

void CheckWendoAgentUpdateDialog::doCheckUpdate()
{
    if (m_bDone)
        return;
    writeLog(1, "[CheckWendoAgentUpdateDialog][doCheckUpdate]");
    QFile::remove(AgentFolders::tempPath("Update.script"));
    QFile::remove(AgentFolders::tempPath("map.script"));
    QString sAgent = AgentSettings().getString("AGENT", "version");
    if (sAgent.isEmpty())
        sAgent = "0";
    const QString sSku = m_pCtrl->isQuorvane() ? "2" : "1";
    m_pCtrl->checkDeviceUpdate(JsonHelper::fill(AGENT_REQUEST, {sSku, m_sUser, sAgent}), false);
}

void CheckWendoAgentUpdateDialog::slotActionFinish(ACTION_STATUS status, QString sResult)
{
    Q_UNUSED(sResult);
    if (m_bDone)
        return;
    writeLog(1, "[CheckWendoAgentUpdateDialog][slotActionFinish]status %d", int(status));
    switch (status) {
    case DEVICE_CHECKSUCCESS: {
        endCheck();
        accept();
        // No agent package: the check ends quietly.
        if (!m_pCtrl->checkWendoAgentUpdateAvailable())
            return;
        PageLoops::Scope scope(this);
        UpdateAvailableDialog dialog(nullptr);
        dialog.exec();
        break;
    }
    case DEVICE_CHECKERROR:
        showMsg(2);
        break;
    case DEVICE_REQUESTERROR:
        showMsg(0);
        break;
    default:
        break;
    }
}

void CheckWendoAgentUpdateDialog::showMsg(int kind)
{
    writeLog(1, "[CheckWendoAgentUpdateDialog][showMsg] type %d", kind);
    endCheck();
    hide();
    QString sTitle;
    QString sText;
    QString sCode;
    QString sError;
    if (kind == 0) {
        sCode = m_pCtrl->takeErrorCode();
        sError = m_pCtrl->takeErrorString();
        sTitle = ConnectionFailure::title();
        sText = ConnectionFailure::text(m_pCtrl->isQuorvane());
        if (!sCode.isEmpty())
            sText = QString("%1(%2)").arg(sText, sCode);
    } else {
        sTitle = QObject::tr("Updates");
        sText = QObject::tr("Update failed. Please ensure that your %1 is still connected to your computer. "
                            "If this problem persists, contact Zeq support.")
                    .arg(m_sHWName);
    }
    {
        PageLoops::Scope scope(this);
        Notifier::instance()->showMessage(sTitle, sText);
    }
    if (kind == 0)
        writeLog(1, "[CheckWendoAgentUpdateDialog][showMsg] errCode %s ErrString %s",
                 sCode.toLatin1().constData(), sError.toLatin1().constData());
    accept();
}

void CheckWendoAgentUpdateDialog::slotStop()
{
    if (m_bDone)
        return;
    writeLog(1, "[CheckWendoAgentUpdateDialog][slotStop]");
    endCheck();
    m_pCtrl->terminateCheckUpdate();
    accept();
}

void CheckWendoAgentUpdateDialog::slotdevRefresh(bool bArrival)
{
    if (m_bDone)
        return;
    writeLog(1, "[CheckWendoAgentUpdateDialog][slotdevRefresh] arrival %d", int(bArrival));
    endCheck();
    m_pCtrl->terminateCheckUpdate();
    accept();
}

void CheckWendoAgentUpdateDialog::endCheck()
{
    m_bDone = true;
    disconnect(m_pCtrl, nullptr, this, nullptr);
}
