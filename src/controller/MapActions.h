#pragma once

#include "ActionFamily.h"
#include "MapShopValues.h"
#include "WorkerSlot.h"

#include <QString>

#include <functional>

class DeviceState;
class ErrorInfo;
class MapFreeUpdateWorker;

// The map services: the map worker's checks, installs and shop queries, and the shop and credit values
// and the map-language list they leave. Map workers take one of three places, so that one kind of
// action never stops another: the dialogs' check and install, the map page's shop, credit and add-on
// queries, and the lists (map languages). A start stops the held worker of its own place; a final result
// lets only its sender go.
class MapActions : public ActionFamily
{
public:
    MapActions(bool bQuorvane, DeviceState& device, ErrorInfo& errorInfo);

    void docheckFreeMapUpdate(const QString& sRequest, bool bAutoCheck);
    void installMapUpdate(const QString& sRequest);
    void checkBuyMapAvailData(const QString& sRequest, bool bAutoCheck);
    void checkQueryMapCredit(const QString& sRequest, bool bAutoCheck);
    void queryAddMapUpdate(const QString& sRequest, bool bAutoCheck);
    void GetCountryLangString(const QString& sLang, bool bAutoCheck);
    // The country groups, then the map languages in the language langCode gives at that moment.
    void GetCountryGroup(const std::function<QString()>& langCode, bool bAutoCheck);
    // The seven-key map request of the current device; false without a device.
    bool currentMapRequest(QString* pRequest) const;

    // Stops the dialogs' map worker (check or install); the page's and the lists' go on.
    void doStopMapFreeWorker() { m_dialogSlot.stop(); }

    // The shop pages of the current device; false when nothing was opened.
    bool exploerEShopAddition_Credits();
    bool exploerEShopMapCredits();

    MapShopValues& values() { return m_values; }
    const MapShopValues& values() const { return m_values; }

    bool handleResult(const QObject* pSender, ACTION_STATUS status, const QString& sResult,
                      Route* pRoute) override;

private:
    MapFreeUpdateWorker* makeWorker(bool bAutoCheck, const std::function<QString()>& langCode = {});
    bool isMapWorker(const QObject* pSender) const;
    void releaseSender(const QObject* pSender);
    void noteCheckDone(Route* pRoute, bool bOwnCheck);
    bool openShop(const QString& sAddress, const char* szName);

    bool m_bQuorvane;
    DeviceState& m_device;
    ErrorInfo& m_errorInfo;
    MapShopValues m_values;
    WorkerSlot m_dialogSlot{this, "map update", WorkerSlot::EXIT_MAPUPDATE};
    WorkerSlot m_pageSlot{this, "map page", WorkerSlot::EXIT_MAPPAGE};
    WorkerSlot m_listSlot{this, "map lists", WorkerSlot::EXIT_MAPLISTS};
};
