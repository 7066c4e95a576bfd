#include "MapActions.h"

#include "ConnectionMessage.h"
#include "DeviceState.h"
#include "ErrorInfo.h"
#include "UrlOpener.h"
#include "core/AgentSettings.h"
#include "core/DebugLog.h"
#include "core/JsonHelper.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "update/MapFreeUpdateWorker.h"

MapActions::MapActions(bool bQuorvane, DeviceState& device, ErrorInfo& errorInfo)
    : m_bQuorvane(bQuorvane), m_device(device), m_errorInfo(errorInfo)
{
}

MapFreeUpdateWorker* MapActions::makeWorker(bool bAutoCheck, const std::function<QString()>& langCode)
{
    auto* pWorker = new MapFreeUpdateWorker(bAutoCheck);
    MapFreeUpdateWorker::Host host;
    host.error = [this](const QString& sCode, const QString& sText) { m_errorInfo.set(sCode, sText); };
    host.queryAddMapResult = [this](const QString& sText) { m_values.setQueryAddMapResult(sText); };
    host.creditRead = [this] { m_values.GenerateCreditExpiredDay(); };
    host.shopRead = [this] { m_values.GenerateEShopURL(); };
    host.languagesRead = [this] { m_values.readMapLanguageScript(); };
    host.freeSpace = [this] { return m_device.diskFreeSpace(); };
    host.driveRoot = [this] {
        const bool bDrive = m_device.isPresent() && m_device.family() == Worker::FAMILY_DRIVE;
        return bDrive ? m_device.current().lstDrive.value(0) : QString();
    };
    host.langCode = langCode;
    pWorker->setHost(host);
    return pWorker;
}

void MapActions::docheckFreeMapUpdate(const QString& sRequest, bool bAutoCheck)
{
    writeLog(1, "[ZeqAgentCtrlMgr][docheckFreeMapUpdate][Entry]");
    m_dialogSlot.start(makeWorker(bAutoCheck))->checkMapFreeUpdate(sRequest);
}

void MapActions::installMapUpdate(const QString& sRequest)
{
    writeLog(1, "[ZeqAgentCtrlMgr][installMapUpdate][Entry]");
    m_dialogSlot.start(makeWorker(false))->installMapFreeUpdate(sRequest);
}

void MapActions::checkBuyMapAvailData(const QString& sRequest, bool bAutoCheck)
{
    writeLog(1, "[ZeqAgentCtrlMgr][checkBuyMapAvailData][Entry]");
    m_pageSlot.start(makeWorker(bAutoCheck))->chkBuyMapAvailData(sRequest);
}

void MapActions::checkQueryMapCredit(const QString& sRequest, bool bAutoCheck)
{
    writeLog(1, "[ZeqAgentCtrlMgr][checkQueryMapCredit][Entry]");
    m_pageSlot.start(makeWorker(bAutoCheck))->checkQueryMapCredit(sRequest);
}

void MapActions::queryAddMapUpdate(const QString& sRequest, bool bAutoCheck)
{
    writeLog(1, "[ZeqAgentCtrlMgr][queryAddMapUpdate][Entry]");
    m_pageSlot.start(makeWorker(bAutoCheck))->queryAddMapUpdate(sRequest);
}

void MapActions::GetCountryLangString(const QString& sLang, bool bAutoCheck)
{
    writeLog(1, "[ZeqAgentCtrlMgr][GetCountryLangString][Entry] %s", qUtf8Printable(sLang));
    m_listSlot.start(makeWorker(bAutoCheck))->GetCountryString(sLang);
}

void MapActions::GetCountryGroup(const std::function<QString()>& langCode, bool bAutoCheck)
{
    writeLog(1, "[ZeqAgentCtrlMgr][GetCountryGroup][Entry]");
    m_listSlot.start(makeWorker(bAutoCheck, langCode))->GetCountryGroup();
}

bool MapActions::currentMapRequest(QString* pRequest) const
{
    if (!m_device.isPresent())
        return false;
    const Worker::DEVINFO& info = m_device.current().devInfo;
    *pRequest = JsonHelper::fill(
        R"({"model":"%1","sku":"%2","uuid":"%3","bm":"%4","ta":"%5","osm":"%6","country":"%7"})",
        {info.sHWName, info.sSkuID, info.sUUID, info.sBmVer, info.sTaVer, info.sOsmVer, info.sCountryVer});
    return true;
}

bool MapActions::openShop(const QString& sAddress, const char* szName)
{
    writeLog(1, "[ZeqAgentCtrlMgr][%s][Entry]", szName);
    const QString sPage =
        m_device.isPresent() ? MapShopValues::shopPage(sAddress, m_device.uuid()) : QString();
    const bool bOpened = !sPage.isEmpty() && UrlOpener::open(sPage);
    writeLog(1, "[ZeqAgentCtrlMgr][%s][End]", szName);
    return bOpened;
}

bool MapActions::exploerEShopAddition_Credits()
{
    return openShop(m_values.additionCreditsUrl(), "exploerEShopAddition_Credits");
}

bool MapActions::exploerEShopMapCredits()
{
    return openShop(m_values.creditsUrl(), "exploerEShopMapCredits");
}

bool MapActions::isMapWorker(const QObject* pSender) const
{
    return m_dialogSlot.holds(pSender) || m_pageSlot.holds(pSender) || m_listSlot.holds(pSender);
}

void MapActions::releaseSender(const QObject* pSender)
{
    m_dialogSlot.release(pSender);
    m_pageSlot.release(pSender);
    m_listSlot.release(pSender);
}

bool MapActions::handleResult(const QObject* pSender, ACTION_STATUS status, const QString& sResult,
                              Route* pRoute)
{
    Q_UNUSED(sResult);
    switch (status) {
    case MAP_CHECKSUCCESS:
        writeLog(1, "[ZeqAgentCtrlMgr][slotHandleResults][MAP_CHECKSUCCESS]");
        noteCheckDone(pRoute, isMapWorker(pSender));
        releaseSender(pSender);
        return true;
    case MAP_CHECKERROR:
        writeLog(1, "[ZeqAgentCtrlMgr][slotHandleResults][MAP_CHECKERROR]");
        releaseSender(pSender);
        ConnectionMessage::show(m_bQuorvane, m_errorInfo);
        return true;
    case MAP_INSTALLSUCCESS:
        writeLog(1, "[ZeqAgentCtrlMgr][slotHandleResults][MAP_INSTALLSUCCESS]");
        if (m_device.isPresent()) {
            AgentSettings().setDeviceValue(m_device.uuid(), "update", "false");
            // Before the windows hear of it: they show, and the next check sends, what the device now holds.
            m_device.readVersionsAgain();
        }
        releaseSender(pSender);
        return true;
    case MAP_SIZENOTENOUGH:
        writeLog(1, "[ZeqAgentCtrlMgr][slotHandleResults][MAP_SIZENOTENOUGH]");
        releaseSender(pSender);
        return true;
    case MAP_REQUESTERROR:
    case MAP_UNZIPERROR:
        releaseSender(pSender);
        return true;
    case ESHOP_SUCCESS:
    case ESHOP_ERROR:
    case MAP_CREDITSUCCESS:
    case MAP_CREDITERROR:
    case MAP_DOWNLOADCOUNTRYLANG:
    case MAP_QUERYADDMAP:
        writeLog(1, "[ZeqAgentCtrlMgr][slotHandleResults] map status %d", int(status));
        pRoute->bMapStatus = true;
        releaseSender(pSender);
        return true;
    case DEVICE_UNZIPERROR:
        // The map install's device items: only the sender goes, the device update worker stays.
        if (!isMapWorker(pSender))
            return false;
        releaseSender(pSender);
        return true;
    case DEVICE_ITEMINSTALLED:
    case DEVICE_INSTALLPROCESS:
        return isMapWorker(pSender);
    case MAP_INSTALLPROCESS:
    case MAP_DOWNLOADPROCESS:
        return true;
    default:
        return false;
    }
}

// Only a check of this agent's own map worker has just written the lists that the update state is read
// from; a success handed over otherwise leaves the state as it is.
void MapActions::noteCheckDone(Route* pRoute, bool bOwnCheck)
{
    pRoute->bMapStatus = true;
    if (m_device.isPresent()) {
        AgentSettings().setDeviceValue(m_device.uuid(), "autocheck",
                                       Platform::clock().today().toString("yyyy/MM/dd"));
    }
    if (bOwnCheck)
        m_device.doUpdateSetting();
}
