#pragma once

#include "ActionFamily.h"

#include <QObject>

// The place of one kind of worker in its family: at most one worker of the kind is held at a time.
// start() stops the held worker first; stop() deletes it at once (a thread worker's destructor stops its
// thread); a final result releases the slot only when its sender is the held worker, and then deletes the
// worker once control is back in the event loop, never inside its own emission. A stopped or replaced
// worker's late result reaches nobody: the family drops results of workers it no longer holds.
class WorkerSlot
{
public:
    // The order in which the program's exit stops the held workers.
    enum ExitOrder {
        EXIT_BACKUPRESTORE = 10,
        EXIT_SYNC = 20,
        EXIT_MAPUPDATE = 30,
        EXIT_MAPPAGE = 31,
        EXIT_MAPLISTS = 32,
        EXIT_DEVICELIST = 40,
        EXIT_DEVICEUPDATE = 50,
        EXIT_KORVOUPDATE = 60,
    };

    // Joins the family's slots; the family outlives its slot members.
    WorkerSlot(ActionFamily* pFamily, const char* szKind, ExitOrder eExitOrder);
    WorkerSlot(const WorkerSlot&) = delete;
    WorkerSlot& operator=(const WorkerSlot&) = delete;
    ~WorkerSlot();

    // Takes a new worker (created without parent) and routes its emitStatus to the family.
    template <typename T> T* start(T* pWorker)
    {
        stop();
        m_pWorker = pWorker;
        ActionFamily* pFamily = m_pFamily;
        QObject::connect(pWorker, &T::emitStatus, pFamily->resultContext(),
                         [pFamily, pWorker](ACTION_STATUS status, QString sResult) {
                             pFamily->deliver(pWorker, status, sResult);
                         });
        return pWorker;
    }
    void stop();
    bool release(const QObject* pSender);
    bool holds(const QObject* pWorker) const { return pWorker && pWorker == m_pWorker; }
    bool isEmpty() const { return !m_pWorker; }

    const char* kind() const { return m_szKind; }
    ExitOrder exitOrder() const { return m_eExitOrder; }

    // Every slot of the families, in the order the program's exit stops them.
    static QList<WorkerSlot*> inExitOrder(const QList<ActionFamily*>& lstFamilies);

private:
    ActionFamily* m_pFamily;
    const char* m_szKind;
    ExitOrder m_eExitOrder;
    QObject* m_pWorker = nullptr;
};
