#include "ActionFamily.h"

#include "WorkerSlot.h"
#include "core/DebugLog.h"

ActionFamily::~ActionFamily() = default;

bool ActionFamily::isHeldWorker(const QObject* pWorker) const
{
    for (const WorkerSlot* pSlot : m_lstSlots) {
        if (pSlot->holds(pWorker))
            return true;
    }
    return false;
}

void ActionFamily::deliver(const QObject* pSender, ACTION_STATUS status, const QString& sResult)
{
    if (!isHeldWorker(pSender))
        writeLog(1, "[ZeqAgentCtrlMgr][slotHandleResults] result %d of a stopped worker dropped",
                 int(status));
    else if (m_sink)
        m_sink(pSender, status, sResult);
    else
        writeLog(1, "[ActionFamily][deliver] result %d with no receiver", int(status));
}
