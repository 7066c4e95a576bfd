#include "MapActions.h"

#include "ConnectionMessage.h"
#include "core/DebugLog.h"

MapActions::MapActions(bool bQuorvane, ErrorInfo& errorInfo) : m_bQuorvane(bQuorvane), m_errorInfo(errorInfo)
{
}

bool MapActions::handleResult(const QObject* pSender, ACTION_STATUS status, const QString& sResult,
                              Route* pRoute)
{
    Q_UNUSED(sResult);
    Q_UNUSED(pRoute);
    switch (status) {
    case MAP_CHECKERROR:
        writeLog(1, "[ZeqAgentCtrlMgr][slotHandleResults][MAP_CHECKERROR]");
        m_mapUpdateSlot.release(pSender);
        ConnectionMessage::show(m_bQuorvane, m_errorInfo);
        return true;
    default:
        return false;
    }
}
