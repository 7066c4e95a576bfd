#include "ZeqAgentInfoWidget.h"

#include "CustomTabWidget.h"
#include "MyDeviceWidget.h"
#include "NoDeviceWidget.h"
#include "PageLoops.h"
#include "ScaledPictures.h"
#include "SettingWidget.h"
#include "controller/DialogOpener.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "core/JsonHelper.h"
#include "core/Notifier.h"
#include "ui_ZeqAgentInfoWidget.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

ZeqAgentInfoWidget::ZeqAgentInfoWidget(QWidget* pParent)
    : QWidget(pParent), m_pUi(new Ui_ZeqAgentInfoWidget), m_pCtrl(ZeqAgentCtrlMgr::getInstance())
{
    writeLog(1, "[ZeqAgentInfoWidget][ZeqAgentInfoWidget][Entry]");
    m_pUi->setupUi(this);
    ScaledPictures::shareLabels(this);
    setFixedSize(pParent ? pParent->width() : 800, 493);
    connect(m_pCtrl, &ZeqAgentCtrlMgr::devRefresh, this, &ZeqAgentInfoWidget::devRefresh);
    connect(m_pCtrl, &ZeqAgentCtrlMgr::tabMyDevice, this, &ZeqAgentInfoWidget::slotMyDevice);
    connect(m_pCtrl, &ZeqAgentCtrlMgr::actionFinish, this, &ZeqAgentInfoWidget::slotActionFinish);
    m_pTabWidget = new CustomTabWidget(this);
    QHBoxLayout* pLayout = new QHBoxLayout();
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    pLayout->addWidget(m_pTabWidget);
    devRefresh(m_pCtrl->isDevicePresent());
    setLayout(pLayout);
    writeLog(1, "[ZeqAgentInfoWidget][ZeqAgentInfoWidget][End]");
}

// The pages are children and go with the page; the page itself is retired by its owner while a loop runs.
ZeqAgentInfoWidget::~ZeqAgentInfoWidget()
{
    delete m_pUi;
}

QWidget* ZeqAgentInfoWidget::createMapPage()
{
    QWidget* pPage = DialogOpener::instance()->createMapPage(this);
    // Without the map pages the tab still stands, empty, so the tab set is the same.
    return pPage ? pPage : new QWidget(this);
}

// ---- building the tabs ----

void ZeqAgentInfoWidget::rebuild()
{
    ++m_nRebuilds;
    m_pTabWidget->clear();
    for (QWidget* pPage : {static_cast<QWidget*>(m_pNoDeviceWidget), static_cast<QWidget*>(m_pMyDeviceWidget),
                           m_pMapManagementWidget, static_cast<QWidget*>(m_pSettingWidget), m_pLogoWidget})
        PageLoops::retire(pPage);
    m_pNoDeviceWidget = nullptr;
    m_pMyDeviceWidget = nullptr;
    m_pMapManagementWidget = nullptr;
    m_pSettingWidget = nullptr;
    m_pLogoWidget = nullptr;
}

void ZeqAgentInfoWidget::addMyDeviceTab(QWidget* pPage)
{
    m_pTabWidget->addTab(pPage, QObject::tr("My Device"));
    m_pTabWidget->setTabIconPath(m_pTabWidget->indexOf(pPage), ":res/device_h.png");
}

void ZeqAgentInfoWidget::addMapTab()
{
    m_pMapManagementWidget = createMapPage();
    m_pTabWidget->addTab(m_pMapManagementWidget, QObject::tr("Map Management"));
    m_pTabWidget->setTabIconPath(m_pTabWidget->indexOf(m_pMapManagementWidget), ":res/map_n.png");
}

void ZeqAgentInfoWidget::addSettingsTab(int nMode)
{
    m_pSettingWidget = new SettingWidget(this);
    m_pSettingWidget->setBasicOnly(nMode);
    m_pTabWidget->addTab(m_pSettingWidget, QObject::tr("Settings"));
    m_pTabWidget->setTabIconPath(m_pTabWidget->indexOf(m_pSettingWidget), ":res/setting_n.png");
}

QString ZeqAgentInfoWidget::logoPicture() const
{
    return m_pCtrl->isQuorvane() ? ":res/qrv_logo.png" : ":res/zeq_logo.png";
}

void ZeqAgentInfoWidget::addLogoTab()
{
    if (!m_pLogoWidget)
        m_pLogoWidget = new QWidget(this);
    m_pTabWidget->addTab(m_pLogoWidget, QString());
    m_pTabWidget->setTabIconPath(m_pTabWidget->indexOf(m_pLogoWidget), logoPicture());
}

void ZeqAgentInfoWidget::addNoDeviceTabs(int nStatus, int nSettingsMode)
{
    m_pCtrl->setShowMapTab(false);
    m_pNoDeviceWidget = new NoDeviceWidget(this);
    m_pNoDeviceWidget->setDisplayStatus(nStatus);
    addMyDeviceTab(m_pNoDeviceWidget);
    addSettingsTab(nSettingsMode);
    addLogoTab();
}

// 0: registered to this account (the map tab for the drive family), 1: to none, 2: to another account.
void ZeqAgentInfoWidget::addDeviceTabs(int nLayoutStyle)
{
    m_pCtrl->setShowMapTab(false);
    m_pMyDeviceWidget = new MyDeviceWidget(this);
    m_pMyDeviceWidget->SetLayoutStyle(nLayoutStyle);
    addMyDeviceTab(m_pMyDeviceWidget);
    const int nFamily = m_pCtrl->deviceFamily();
    const bool bMap = nLayoutStyle == 0 && nFamily != 1 && nFamily != 0;
    if (bMap) {
        m_pCtrl->setShowMapTab(true);
        addMapTab();
    }
    addSettingsTab(nLayoutStyle == 0 ? 0 : 1);
    addLogoTab();
}

// ---- device changes and answers ----

void ZeqAgentInfoWidget::devRefresh(bool bArrival)
{
    writeLog(1, "[ZeqAgentInfoWidget][devRefresh] arrival %d", int(bArrival));
    rebuild();
    if (!bArrival) {
        addNoDeviceTabs(0, 0);
        return;
    }
    if (!m_pCtrl->checkSmartRecover()) {
        addNoDeviceTabs(3, 1);
        return;
    }
    askRegistrationCheck();
}

void ZeqAgentInfoWidget::askRegistrationCheck()
{
    m_pCtrl->isRegisterDev(JsonHelper::object({{"session", m_pCtrl->currentSession()},
                                               {"user", m_pCtrl->currentUser()},
                                               {"uuid", m_pCtrl->currentDevice().devInfo.sUUID}}));
}

bool ZeqAgentInfoWidget::isAttached(const QString& sUUID) const
{
    return m_pCtrl->isDevicePresent() && m_pCtrl->currentDevice().devInfo.sUUID == sUUID;
}

void ZeqAgentInfoWidget::retryRegistrationCheck()
{
    const QString sUUID = m_pCtrl->currentDevice().devInfo.sUUID;
    const int nRebuilds = m_nRebuilds;
    QTimer::singleShot(AgentTiming::ms(AgentTiming::REGCHECK_RETRY), this, [this, sUUID, nRebuilds] {
        if (PageLoops::isRetired(this) || m_nRebuilds != nRebuilds || !isAttached(sUUID))
            return;
        writeLog(1, "[ZeqAgentInfoWidget][retryRegistrationCheck] asking again");
        askRegistrationCheck();
    });
}

void ZeqAgentInfoWidget::slotActionFinish(ACTION_STATUS status, QString sResult)
{
    Q_UNUSED(sResult);
    switch (status) {
    case DEVICE_REGISTERED:
    case DEVICE_REGREFUSED:
    case DEVICE_NOTREGISTERED:
        skinCheckRegDev(status);
        break;
    case DEVICE_REGSUCCESS:
    case DEVICE_REGERROR:
        skinRegDev(status);
        break;
    case DEVICE_CHECKREGERROR:
        // Without an answer there is no tab to show: ask again while the device stays.
        retryRegistrationCheck();
        break;
    default:
        break;
    }
}

void ZeqAgentInfoWidget::skinCheckRegDev(int status)
{
    writeLog(1, "[ZeqAgentInfoWidget][skinCheckRegDev] status %d", status);
    // An answer is about an attached device; without one the tabs of its absence stay.
    if (!m_pCtrl->isDevicePresent())
        return;
    rebuild();
    if (status == DEVICE_REGISTERED)
        addDeviceTabs(0);
    else if (status == DEVICE_REGREFUSED)
        addDeviceTabs(2);
    else if (status == DEVICE_NOTREGISTERED)
        addDeviceTabs(1);
}

void ZeqAgentInfoWidget::skinRegDev(int status)
{
    writeLog(1, "[ZeqAgentInfoWidget][skinRegDev] status %d", status);
    if (status != DEVICE_REGSUCCESS)
        return;
    const QString sUUID = m_pCtrl->currentDevice().devInfo.sUUID;
    QPointer<ZeqAgentInfoWidget> pSelf(this);
    {
        PageLoops::Scope scope(this);
        Notifier::instance()->showMessage(QObject::tr("Device Registration"),
                                          QObject::tr("Your device is successfully registered."));
    }
    if (PageLoops::isRetired(pSelf))
        return;
    // The device may have left while the box was open: its removal has built the tabs already.
    if (!isAttached(sUUID))
        return;
    rebuild();
    addDeviceTabs(0);
}

// ---- the user's choices ----

void ZeqAgentInfoWidget::slotRegisterInfo()
{
    const QWidget* pSender = qobject_cast<const QWidget*>(sender());
    if (pSender && PageLoops::isRetired(pSender))
        return;
    if (m_pMyDeviceWidget && m_pMyDeviceWidget->layoutStyle() == 1) {
        const Worker::DEVINFO& device = m_pCtrl->currentDevice().devInfo;
        m_pCtrl->registerDev(JsonHelper::object({{"session", m_pCtrl->currentSession()},
                                                 {"user", m_pCtrl->currentUser()},
                                                 {"uuid", device.sUUID},
                                                 {"sku", device.sSkuID},
                                                 {"hwname", device.sHWName}}));
        return;
    }
    const int nSettings = m_pTabWidget->settingsIndex();
    m_pTabWidget->setCurrentIndex(nSettings);
    ResetTabIconStyle(nSettings);
}

void ZeqAgentInfoWidget::slotMyDevice()
{
    m_pTabWidget->setCurrentIndex(0);
    ResetTabIconStyle(0);
}

void ZeqAgentInfoWidget::tabHit(int nIndex)
{
    if (nIndex >= 0 && nIndex == m_pTabWidget->count() - 1)
        m_pCtrl->openShareWeb(true, false);
}

void ZeqAgentInfoWidget::tabNotSaveNotify(int nIndex)
{
    if (!m_pSettingWidget)
        return;
    const int nRebuilds = m_nRebuilds;
    QPointer<ZeqAgentInfoWidget> pSelf(this);
    int nAnswer = QMessageBox::No;
    {
        PageLoops::Scope scope(this);
        nAnswer = m_pSettingWidget->ShowSaveSettingMsgBox(nIndex);
    }
    if (PageLoops::isRetired(pSelf) || m_nRebuilds != nRebuilds || nAnswer != QMessageBox::Yes)
        return;
    if (nIndex < 0 || nIndex >= m_pTabWidget->count())
        return;
    // The logo is a link, not a page: the dashboard opens and Settings stays.
    if (nIndex == m_pTabWidget->count() - 1) {
        m_pCtrl->openShareWeb(true, false);
        return;
    }
    m_pTabWidget->setCurrentIndex(nIndex);
    ResetTabIconStyle(nIndex);
}

void ZeqAgentInfoWidget::ResetTabIconStyle(int idx)
{
    m_pTabWidget->markChosenTab(idx);
}

void ZeqAgentInfoWidget::changeEvent(QEvent* pEvent)
{
    QWidget::changeEvent(pEvent);
    if (pEvent->type() != QEvent::LanguageChange)
        return;
    m_pUi->retranslateUi(this);
    if (m_pTabWidget->count() == 0)
        return;
    // Only the texts change: the tabs stay as they are, the logo last and the rider's tab chosen.
    m_pTabWidget->setTabText(0, QObject::tr("My Device"));
    if (m_pCtrl->isShowMapTab()) {
        m_pTabWidget->setTabText(1, QObject::tr("Map Management"));
        m_pTabWidget->setTabText(2, QObject::tr("Settings"));
    } else {
        m_pTabWidget->setTabText(1, QObject::tr("Settings"));
    }
}
