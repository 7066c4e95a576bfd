#pragma once

#include "ActionFamily.h"
#include "WorkerSlot.h"

class ErrorInfo;

// The map services: the map worker's checks, installs and shop queries, the shop and credit values and
// the map-language list they leave, and the archive size listing.
class MapActions : public ActionFamily
{
public:
    MapActions(bool bQuorvane, ErrorInfo& errorInfo);

    bool handleResult(const QObject* pSender, ACTION_STATUS status, const QString& sResult,
                      Route* pRoute) override;

private:
    bool m_bQuorvane;
    ErrorInfo& m_errorInfo;
    WorkerSlot m_mapUpdateSlot{this, "map update", WorkerSlot::EXIT_MAPUPDATE};
};
