#include "WorkerSlot.h"

#include "core/DebugLog.h"

#include <algorithm>

WorkerSlot::WorkerSlot(ActionFamily* pFamily, const char* szKind, ExitOrder eExitOrder)
    : m_pFamily(pFamily), m_szKind(szKind), m_eExitOrder(eExitOrder)
{
    m_pFamily->addSlot(this);
}

WorkerSlot::~WorkerSlot()
{
    stop();
}

void WorkerSlot::stop()
{
    QObject* pDone = m_pWorker;
    m_pWorker = nullptr;
    if (pDone)
        writeLog(1, "[WorkerSlot][stop] %s", m_szKind);
    delete pDone;
}

bool WorkerSlot::release(const QObject* pSender)
{
    if (!holds(pSender))
        return false;
    QObject* pDone = m_pWorker;
    m_pWorker = nullptr;
    pDone->deleteLater();
    return true;
}

QList<WorkerSlot*> WorkerSlot::inExitOrder(const QList<ActionFamily*>& lstFamilies)
{
    QList<WorkerSlot*> lstSlots;
    for (const ActionFamily* pFamily : lstFamilies)
        lstSlots += pFamily->workerSlots();
    std::stable_sort(lstSlots.begin(), lstSlots.end(), [](const WorkerSlot* pA, const WorkerSlot* pB) {
        return pA->exitOrder() < pB->exitOrder();
    });
    return lstSlots;
}
