#include "SettingWidget.h"

#include "BasicSettingWidget.h"
#include "DevSettingWidget.h"
#include "PageLoops.h"
#include "RegSettingTitieWidget.h"
#include "ScaledPictures.h"
#include "SyncSettingWidget.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/DebugLog.h"
#include "core/JsonHelper.h"
#include "core/Notifier.h"
#include "ui_SettingWidget.h"

#include <QCoreApplication>
#include <QPointer>
#include <QScrollBar>
#include <QVBoxLayout>

namespace
{
const char* const SCROLL_STYLE =
    "QScrollBar:vertical {border-image: url(:/res/progress_middle.png) 2 0 2 0;margin: 5px 1 5px 1;width: "
    "10px;}QScrollBar::handle:vertical {border-image : url(:/res/progress_middle.png);margin: 0px 0 0px "
    "0;}QScrollBar::add-line:vertical {background-image: url(:/res/progress_bottom.png);height: 5px; width: "
    "8px;subcontrol-position: bottom;subcontrol-origin: margin;}QScrollBar::sub-line:vertical "
    "{background-image: url(:/res/progress_top.png);height: 5px; width: 8px;subcontrol-position: "
    "top;subcontrol-origin: margin;}QScrollArea#scrollArea {background-color:transparent}";
const int PAGE_WIDTH = 800;
const int PAGE_HEIGHT = 433;
} // namespace

SettingWidget::SettingWidget(QWidget* parent)
    : QWidget(parent), m_pUi(new Ui::SettingWidget), m_pCtrl(ZeqAgentCtrlMgr::getInstance())
{
    m_pUi->setupUi(this);
    ScaledPictures::shareLabels(this);
    setFixedSize(PAGE_WIDTH, PAGE_HEIGHT);
    m_pUi->scrollArea->setStyleSheet(SCROLL_STYLE);
    // The page's background is drawn once, by the viewport alone: a rule without a selector would reach
    // every box, label and bubble below it and cover their own fills and colours.
    m_pUi->scrollArea->viewport()->setObjectName("pageBackground");
    m_pUi->scrollArea->viewport()->setStyleSheet(
        "QWidget#pageBackground {border-image: url(:/res/background.png);}");
    connect(m_pCtrl, &ZeqAgentCtrlMgr::actionFinish, this, &SettingWidget::slotActionFinish);

    m_pContainer = new QWidget(m_pUi->scrollArea);
    m_pLayout = new QVBoxLayout(m_pContainer);
    m_pLayout->setContentsMargins(0, 0, 0, 0);
    m_pLayout->setSpacing(0);
    m_pUi->scrollArea->setWidget(m_pContainer);
    m_pUi->scrollArea->setWidgetResizable(true);

    m_pBasic = new BasicSettingWidget(this);
    m_pSync = new SyncSettingWidget(nullptr);
    m_nBasicHeight = m_pBasic->height();
    m_nSyncHeight = m_pSync->height();
    m_pLayout->addWidget(m_pBasic, 0);
    m_pContainer->setMinimumSize(PAGE_WIDTH, m_nBasicHeight);
    devRefresh();
}

SettingWidget::~SettingWidget()
{
    qDeleteAll(m_lstRows);
    delete m_pSync;
    delete m_pBasic;
    delete m_pUi;
}

void SettingWidget::setBasicOnly(int nMode)
{
    m_nMode = nMode;
}

int SettingWidget::ShowSaveSettingMsgBox(int nIndex)
{
    Q_UNUSED(nIndex);
    return m_pSync->leavePageCheck();
}

void SettingWidget::SaveSetting()
{
    writeLog(1, "[SettingWidget][SaveSetting]");
    m_pSync->Btn_SaveClick();
}

void SettingWidget::devRefresh()
{
    m_pCtrl->enumRegDevs(
        JsonHelper::object({{"session", m_pCtrl->currentSession()}, {"user", m_pCtrl->currentUser()}}));
}

void SettingWidget::slotActionFinish(ACTION_STATUS status, QString sResult)
{
    Q_UNUSED(sResult);
    switch (status) {
    case DEVICE_DEREGERROR:
        showDeregisterResult(1);
        break;
    case ENUMDEV_SUCCESS:
        rebuildPage();
        break;
    case DEVICE_DEREGSUCCESS:
        // The controller has already removed the backup the user chose to remove with this device.
        if (showDeregisterResult(0))
            devRefresh();
        break;
    default:
        break;
    }
}

void SettingWidget::deRegDev(Worker::DEVINFO devinfo, bool bRemove)
{
    m_pCtrl->deRegDev(JsonHelper::object({{"session", m_pCtrl->currentSession()},
                                          {"user", m_pCtrl->currentUser()},
                                          {"uuid", devinfo.sUUID}}),
                      bRemove);
}

bool SettingWidget::showDeregisterResult(int nKind)
{
    const QString sTitle = QCoreApplication::translate("QObject", "Device Deregisteration");
    const QString sText =
        nKind == 0
            ? QCoreApplication::translate("QObject", "Your device is successfully deregistered.")
            : QCoreApplication::translate("QObject", "Your device is not deregistered successfully yet.");
    QPointer<SettingWidget> pSelf(this);
    {
        PageLoops::Scope scope(this);
        Notifier::instance()->showMessage(sTitle, sText);
    }
    return !PageLoops::isRetired(pSelf);
}

void SettingWidget::rebuildPage()
{
    // A row may be inside its confirmation box right now: it is retired, not deleted, and sends nothing.
    for (DevSettingWidget* pRow : qAsConst(m_lstRows)) {
        m_pLayout->removeWidget(pRow);
        PageLoops::retire(pRow);
    }
    m_lstRows.clear();
    if (m_pTitle) {
        m_pLayout->removeWidget(m_pTitle);
        delete m_pTitle;
        m_pTitle = nullptr;
    }
    if (m_nMode != 0) {
        m_pBasic->setFixedSize(PAGE_WIDTH, PAGE_HEIGHT);
        m_pBasic->hideSaveButton();
        return;
    }
    m_pLayout->removeWidget(m_pSync);
    m_pLayout->addWidget(m_pSync, 1);
    AddRegDev();
}

DevSettingWidget* SettingWidget::addRow(const Worker::DEVINFO& devinfo, int nStretch)
{
    auto* pRow = new DevSettingWidget(this, devinfo);
    m_lstRows.append(pRow);
    m_pLayout->addWidget(pRow, nStretch);
    return pRow;
}

// The column's height is the sum of the heights the forms give each part, so the last row is always
// reachable by scrolling, whatever the layout later makes of them.
void SettingWidget::AddRegDev()
{
    writeLog(1, "[SettingWidget][AddRegDevv][Entry]");
    const QList<Worker::DEVINFO> lstDevices = m_pCtrl->regDevList();
    if (lstDevices.isEmpty()) {
        writeLog(1, "[SettingWidget][AddRegDev][End]");
        return;
    }
    m_pTitle = new RegSettingTitieWidget(nullptr);
    const int nTitleHeight = m_pTitle->height();
    m_pLayout->addWidget(m_pTitle, 2);
    int nHeight = m_nBasicHeight + m_nSyncHeight + nTitleHeight;

    const bool bAttached =
        m_pCtrl->isDevicePresent() && (m_pCtrl->deviceFamily() == 1 || m_pCtrl->deviceFamily() == 2);
    const QString sAttachedUUID = m_pCtrl->currentDevice().devInfo.sUUID;
    int nStretch = 3;
    if (bAttached) {
        for (const Worker::DEVINFO& device : lstDevices) {
            if (device.sUUID == sAttachedUUID) {
                nHeight += addRow(device, nStretch++)->height();
                break;
            }
        }
    }
    for (const Worker::DEVINFO& device : lstDevices) {
        if (bAttached && device.sUUID == sAttachedUUID)
            continue;
        nHeight += addRow(device, nStretch++)->height();
    }
    m_pContainer->setMinimumSize(PAGE_WIDTH, nHeight);
}
