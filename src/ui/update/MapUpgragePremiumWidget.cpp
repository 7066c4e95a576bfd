#include "MapUpgragePremiumWidget.h"

#include "controller/DialogOpener.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "core/Notifier.h"
#include "core/WorkFile.h"
#include "platform/Clock.h"
#include "platform/DeviceFileReader.h"
#include "platform/Platform.h"
#include "ui/pages/PageLoops.h"
#include "ui/pages/ScaledPictures.h"
#include "ui_MapUpgragePremiumWidget.h"
#include "update/MapInfo.h"
#include "update/ProcMapXml.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>

namespace
{
const char* const TEXT_CHECK_FOR_UPDATES = QT_TRANSLATE_NOOP("QObject", "Check for Updates");
const char* const TEXT_UPDATES = QT_TRANSLATE_NOOP("QObject", "Updates");
const char* const TEXT_UPDATE_AVAILABLE = QT_TRANSLATE_NOOP("QObject", "Update available");
const char* const TEXT_UP_TO_DATE = QT_TRANSLATE_NOOP("QObject", "The device's software is up-to-date.");
const char* const TEXT_CLICK_PREMIUM =
    QT_TRANSLATE_NOOP("QObject", "Click Premium to download new map data for a year.");
const char* const TEXT_PREMIUM_EXPIRES = QT_TRANSLATE_NOOP("QObject", "Premium service will be expired by");
const char* const TEXT_UPGRADE_OFFER = QT_TRANSLATE_NOOP(
    "QObject", "Upgrade the current map or purchase the premium service with special offers.");
} // namespace

MapUpgragePremiumWidget::MapUpgragePremiumWidget(QWidget* pParent)
    : QWidget(pParent), m_pCtrlMgr(ZeqAgentCtrlMgr::getInstance()), m_pUi(new Ui::MapUpgragePremiumWidget)
{
    m_pUi->setupUi(this);
    ScaledPictures::shareLabels(this);
    m_szUpdateBtnText = TEXT_CHECK_FOR_UPDATES;
    m_strUpdateBtnText = QObject::tr(m_szUpdateBtnText);
    m_bDevicePresent = m_pCtrlMgr->isDevicePresent();
    m_nDevFamily = m_pCtrlMgr->deviceFamily();
    m_devInfo = m_pCtrlMgr->currentDevice().devInfo;
    m_sDrive = m_pCtrlMgr->currentDevice().lstDrive.value(0);
    // Service texts and country names are shown as they are, never read as markup.
    for (QLabel* pLabel : {m_pUi->label_MapList, m_pUi->Label_MapListInfo, m_pUi->Label_PremiumNotice,
                           m_pUi->Label_Datecode_OSM, m_pUi->Label_DateCode_TA, m_pUi->Label_UpdateStatus})
        pLabel->setTextFormat(Qt::PlainText);
    connect(m_pCtrlMgr, &ZeqAgentCtrlMgr::emitMapStatus, this, &MapUpgragePremiumWidget::slotMapStatus);
    connect(m_pUi->btn_purchase, &QPushButton::clicked, this, &MapUpgragePremiumWidget::slotPurchaseBtn);
    connect(m_pUi->btn_Update, &QPushButton::clicked, this, &MapUpgragePremiumWidget::slotCheck);
    connect(m_pUi->btn_AddMapSync, &QPushButton::clicked, this, &MapUpgragePremiumWidget::doAddMapSync);
    for (QWidget* pButton : {m_pUi->btn_OSM, m_pUi->btn_TA, m_pUi->btn_mapList}) {
        pButton->setAttribute(Qt::WA_Hover);
        pButton->installEventFilter(this);
    }
    GetCountryList();
    m_pUi->btn_Update->setEnabled(false);
    SetStyle();
    if (m_bDevicePresent)
        m_pCtrlMgr->updateDeviceVersions();
}

MapUpgragePremiumWidget::~MapUpgragePremiumWidget() = default;

bool MapUpgragePremiumWidget::isDriveDevice() const
{
    return m_bDevicePresent && m_nDevFamily == Worker::FAMILY_DRIVE;
}

void MapUpgragePremiumWidget::GetCountryList()
{
    const MapInfo info(isDriveDevice() ? m_sDrive : QString());
    m_strCountryList = info.m_strCountryList;
    m_strCurGroupName = info.m_strCurGroupName;
    m_nGroupCountryCount = info.m_nGroupCountryCount;
    m_bGroupComplete = info.m_bGroupComplete;
}

QSize MapUpgragePremiumWidget::bubbleSize(int nCount, int* pPointSize)
{
    *pPointSize = nCount >= 36 ? 11 : 12;
    if (nCount <= 8)
        return QSize(200, 150);
    if (nCount <= 35)
        return QSize(200, 320);
    return QSize(250, 380);
}

void MapUpgragePremiumWidget::SetStyle()
{
    for (QWidget* pWidget :
         {static_cast<QWidget*>(m_pUi->Label_markstar), static_cast<QWidget*>(m_pUi->Label_PremiumNotice),
          static_cast<QWidget*>(m_pUi->btn_AddMapSync), static_cast<QWidget*>(m_pUi->btn_Upgrade),
          static_cast<QWidget*>(m_pUi->btn_purchase), static_cast<QWidget*>(m_pUi->btn_mapList),
          static_cast<QWidget*>(m_pUi->Label_OSMInfo), static_cast<QWidget*>(m_pUi->Label_TAInfo),
          static_cast<QWidget*>(m_pUi->Label_MapListInfo)})
        pWidget->hide();
    setFixedTexts();
    m_szShownUpdateBtn = m_szUpdateBtnText;
    m_pUi->btn_Update->setText(m_strUpdateBtnText);
    if (m_bGroupComplete) {
        int nPointSize = 12;
        const QSize size = bubbleSize(m_nGroupCountryCount, &nPointSize);
        QFont font("Arial");
        font.setPointSize(nPointSize);
        m_pUi->Label_MapListInfo->setFont(font);
        m_pUi->Label_MapListInfo->setGeometry(QRect(m_pUi->Label_MapListInfo->pos(), size));
        m_pUi->btn_mapList->show();
    }
    if (isDriveDevice())
        setDateLines();
    m_pUi->Label_UpdateStatus->hide();
}

void MapUpgragePremiumWidget::setFixedTexts()
{
    m_pUi->btn_purchase->setText(QObject::tr("Purchase"));
    m_pUi->btn_Upgrade->setText(QObject::tr("Upgrade"));
    m_pUi->Label_OSMInfo->setText(QObject::tr("OSM map provides paved or unpaved road data."));
    m_pUi->Label_TAInfo->setText(QObject::tr("TA map provides map data with addresses."));
    m_pUi->label_map->setText(QObject::tr("Map"));
    if (m_bGroupComplete) {
        m_pUi->label_MapList->setText(m_pCtrlMgr->uniqueList(m_strCurGroupName));
        m_pUi->Label_MapListInfo->setText(m_pCtrlMgr->uniqueList(m_strCountryList));
    } else {
        m_pUi->label_MapList->setText(m_pCtrlMgr->uniqueList(m_strCountryList));
    }
}

void MapUpgragePremiumWidget::setUpdateStatus(const char* szStatus)
{
    m_szUpdateStatus = szStatus;
    m_pUi->Label_UpdateStatus->setText(QString("[%1]").arg(QObject::tr(szStatus)));
}

void MapUpgragePremiumWidget::setUpdateButton(const char* szCaption)
{
    m_szShownUpdateBtn = szCaption;
    m_pUi->btn_Update->setText(QObject::tr(szCaption));
}

void MapUpgragePremiumWidget::setNotice(const char* szNotice, const QString& sDate)
{
    m_szNotice = szNotice;
    m_sNoticeDate = sDate;
    m_strNotice =
        sDate.isEmpty() ? QObject::tr(szNotice) : QString("%1 %2").arg(QObject::tr(szNotice), sDate);
}

void MapUpgragePremiumWidget::retranslateTexts()
{
    m_pUi->retranslateUi(this);
    if (m_szUpdateBtnText)
        m_strUpdateBtnText = QObject::tr(m_szUpdateBtnText);
    setFixedTexts();
    const char* szStatus = m_szUpdateStatus;
    const char* szShown = m_szShownUpdateBtn;
    if (isDriveDevice())
        setDateLines();
    if (szStatus)
        setUpdateStatus(szStatus);
    if (szShown)
        setUpdateButton(szShown);
    if (m_szNotice)
        setNotice(m_szNotice, m_sNoticeDate);
    m_pUi->Label_PremiumNotice->setText(m_strNotice);
}

void MapUpgragePremiumWidget::setDateLines()
{
    auto dateOf = [](const QString& sText) { return sText.section(' ', 0, 0); };
    const bool bKeepFile =
        DeviceFileReader::isRegularFile(DeviceFileReader::drivePath(m_sDrive, "HDD/APP/keepfile.xml"));
    if (bKeepFile) {
        m_pUi->btn_OSM->hide();
        m_pUi->Label_Datecode_OSM->hide();
    }
    m_pUi->Label_Datecode_OSM->setText(QString("%1%2").arg("OSM: ", dateOf(m_devInfo.sOsmDate)));
    if (m_pCtrlMgr->isQuorvane() && !m_devInfo.bTaMap) {
        m_pUi->Label_DateCode_TA->setText(QString("%1%2").arg("HERE: ", dateOf(m_devInfo.sTaDate)));
        m_pUi->Label_TAInfo->setText(QObject::tr("HERE map provides map data with addresses."));
    } else {
        const bool bVersionMap =
            DeviceFileReader::isRegularFile(DeviceFileReader::drivePath(m_sDrive, "Korvo/version.map"));
        const QString sDate = bKeepFile && !bVersionMap ? QString("2014-08-07") : dateOf(m_devInfo.sTaDate);
        m_pUi->Label_DateCode_TA->setText(QString("%1%2").arg("Tele Atlas: ", sDate));
    }
    if (AgentSettings().getDeviceString(m_devInfo.sUUID, "update") == "true") {
        setUpdateStatus(TEXT_UPDATE_AVAILABLE);
        setUpdateButton(TEXT_UPDATES);
    } else {
        setUpdateStatus(TEXT_UP_TO_DATE);
    }
}

void MapUpgragePremiumWidget::doProcUpdateCheck()
{
    QList<WorkFile::Row> rows;
    bool bAvailable = false;
    if (WorkFile::readRows(ProcMapXml::mapListPath(), &rows)) {
        for (const WorkFile::Row& row : rows) {
            if (row.value(0) == "BugFixMapUpdate" ||
                (row.value(0).contains("SellMapCredits") && row.value(6) != "0"))
                bAvailable = true;
        }
    }
    setUpdateStatus(bAvailable ? TEXT_UPDATE_AVAILABLE : TEXT_UP_TO_DATE);
    m_szUpdateBtnText = bAvailable ? TEXT_UPDATES : TEXT_CHECK_FOR_UPDATES;
    m_strUpdateBtnText = QObject::tr(m_szUpdateBtnText);
    setUpdateButton(m_szUpdateBtnText);
    m_pUi->Label_UpdateStatus->show();
}

void MapUpgragePremiumWidget::slotMapStatus(ACTION_STATUS status, QString sResult)
{
    Q_UNUSED(sResult);
    QPointer<MapUpgragePremiumWidget> pSelf(this);
    switch (status) {
    case BACKUP_BUTTONSENABLE:
    case SYNC_UPLOADERROR:
    case SYNC_SUCCESS:
    case SYNC_CORRUPTION:
    case SYNC_PARTIALERROR:
    case SYNC_NETERROR:
    case SYNC_SIZENOTENOUGH:
    case SYNC_DISKFULL:
        m_pUi->btn_Update->setEnabled(true);
        break;
    case BACKUP_BUTTONSDISABLE:
        m_pUi->btn_Update->setEnabled(false);
        break;
    case MAP_CHECKSUCCESS:
        doProcUpdateCheck();
        break;
    case ESHOP_SUCCESS:
        if (!m_pCtrlMgr->mapValues().additionCreditsUrl().isEmpty()) {
            if (m_bGroupComplete)
                m_pCtrlMgr->checkMapCreditQuery();
            else
                m_pCtrlMgr->QuerykAddMap();
        }
        break;
    case ESHOP_ERROR:
        showMsg(0);
        break;
    case MAP_CREDITSUCCESS:
    case MAP_QUERYADDMAP:
        showPremiumInfo();
        break;
    case MAP_CREDITERROR:
        showPremiumInfo();
        if (pSelf && !PageLoops::isRetired(this))
            showMsg(0);
        break;
    case MAP_DOWNLOADCOUNTRYLANG:
        // The groups may have arrived after this page was built.
        GetCountryList();
        SetStyle();
        showPremiumInfo();
        break;
    default:
        break;
    }
}

QDateTime MapUpgragePremiumWidget::premiumExpiry(const QString& sFirstDate)
{
    const QDateTime first = QDateTime::fromString(sFirstDate, "yyyy-MM-dd HH:mm:ss");
    if (!first.isValid())
        return QDateTime();
    return QDateTime(first.date().addYears(1), first.time());
}

bool MapUpgragePremiumWidget::isPremiumExpired()
{
    const QDateTime expiry = premiumExpiry(m_pCtrlMgr->mapValues().creditExpiredDay());
    return !expiry.isValid() || expiry < Platform::clock().now();
}

void MapUpgragePremiumWidget::showPremiumInfo()
{
    if (m_bNoticeBusy)
        return;
    m_bNoticeBusy = true;
    m_pUi->btn_purchase->hide();
    m_pUi->btn_Upgrade->hide();
    m_pUi->btn_AddMapSync->hide();
    if (m_pCtrlMgr->mapValues().additionCreditsUrl().isEmpty()) {
        m_bNoticeBusy = false;
        return;
    }
    if (m_bGroupComplete) {
        const QString sFirstDate = m_pCtrlMgr->mapValues().creditExpiredDay();
        if (sFirstDate == "0" || sFirstDate.isEmpty() || isPremiumExpired()) {
            setNotice(TEXT_CLICK_PREMIUM);
            m_pUi->Label_PremiumNotice->show();
            m_pUi->btn_purchase->show();
            m_pUi->Label_markstar->hide();
        } else {
            setNotice(TEXT_PREMIUM_EXPIRES, premiumExpiry(sFirstDate).date().toString("yyyy/MM/dd"));
            m_pUi->Label_PremiumNotice->show();
            m_pUi->Label_markstar->show();
        }
    } else if (!procQueryAddMap()) {
        setNotice(TEXT_UPGRADE_OFFER);
        m_pUi->Label_PremiumNotice->show();
        m_pUi->btn_purchase->show();
    }
    m_pUi->Label_PremiumNotice->setText(m_strNotice);
    m_bNoticeBusy = false;
}

bool MapUpgragePremiumWidget::procQueryAddMap()
{
    writeLog(1, "[MapUpgragePremiumWidget][procQueryAddMap]");
    return ProcMapXml().openQueryAddMap(AgentFolders::tempPath("queryaddmapwork.xml"));
}

void MapUpgragePremiumWidget::slotCheck()
{
    writeLog(1, "[MapUpgragePremiumWidget][slotCheck]");
    if (m_pCtrlMgr->isUpdateDialogShown())
        return;
    m_pCtrlMgr->setCheckStarted(true);
    // A device change closes the dialog and the signed-in page may take this view down meanwhile.
    QPointer<MapUpgragePremiumWidget> pSelf(this);
    {
        PageLoops::Scope scope(this);
        DialogOpener::instance()->runCheckUpdate(false, true);
    }
    if (!pSelf || PageLoops::isRetired(pSelf))
        return;
    writeLog(1, "[MapUpgragePremiumWidget][slotCheck] dialog closed");
}

void MapUpgragePremiumWidget::slotPurchaseBtn()
{
    if (m_bGroupComplete)
        m_pCtrlMgr->exploerEShopMapCredits();
    else
        m_pCtrlMgr->exploerEShopAddition_Credits();
    m_pUi->btn_AddMapSync->show();
    m_pUi->btn_AddMapSync->setEnabled(true);
    m_pUi->Label_PremiumNotice->hide();
    m_pUi->btn_purchase->hide();
}

void MapUpgragePremiumWidget::doAddMapSync()
{
    writeLog(1, "[MapUpgragePremiumWidget][doAddMapSync]");
    QTimer::singleShot(AgentTiming::ms(AgentTiming::ADDON_REFRESH), this,
                       &MapUpgragePremiumWidget::doQueryAddMap);
    m_pUi->btn_AddMapSync->setEnabled(false);
}

void MapUpgragePremiumWidget::doQueryAddMap()
{
    writeLog(1, "[MapUpgragePremiumWidget][doCheckAddMap][Entry]");
    if (m_bGroupComplete)
        m_pCtrlMgr->checkMapCreditQuery();
    else
        m_pCtrlMgr->QuerykAddMap();
}

void MapUpgragePremiumWidget::showMsg(int nKind)
{
    if (nKind != 0)
        return;
    const QString sCode = m_pCtrlMgr->takeErrorCode();
    const QString sError = m_pCtrlMgr->takeErrorString();
    QString sText =
        m_pCtrlMgr->isQuorvane()
            ? QObject::tr(
                  "Failed to connect to the QuorvaneShare Server. Please check your internet connection.")
            : QObject::tr("Failed to connect to the ZeqShare Server. Please check your internet connection.");
    if (!sCode.isEmpty())
        sText = QString("%1(%2)").arg(sText, sCode);
    {
        PageLoops::Scope scope(this);
        Notifier::instance()->showMessage(QObject::tr("Internet connection"), sText);
    }
    writeLog(1, "[MapUpgragePremiumWidget][showMsg] errCode %s ErrString %s", qUtf8Printable(sCode),
             qUtf8Printable(sError));
}

QLabel* MapUpgragePremiumWidget::bubbleOf(QObject* pButton) const
{
    if (pButton == m_pUi->btn_OSM)
        return m_pUi->Label_OSMInfo;
    if (pButton == m_pUi->btn_TA)
        return m_pUi->Label_TAInfo;
    if (pButton == m_pUi->btn_mapList)
        return m_pUi->Label_MapListInfo;
    return nullptr;
}

bool MapUpgragePremiumWidget::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    QLabel* pBubble = bubbleOf(pWatched);
    if (pBubble && pEvent->type() == QEvent::HoverMove) {
        pBubble->show();
        pBubble->raise();
    } else if (pBubble && pEvent->type() == QEvent::HoverLeave) {
        pBubble->hide();
    }
    return QWidget::eventFilter(pWatched, pEvent);
}

void MapUpgragePremiumWidget::changeEvent(QEvent* pEvent)
{
    QWidget::changeEvent(pEvent);
    if (pEvent->type() == QEvent::LanguageChange)
        retranslateTexts();
}
