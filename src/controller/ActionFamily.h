#pragma once

#include "core/ActionStatus.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class WorkerSlot;

// One family of the controller's actions (account, device jobs, updates, maps): it starts its workers in
// its own worker slots and does the bookkeeping of its own result rows. The front asks each family in
// turn about a result and then tells the windows once.
class ActionFamily
{
public:
    // What the windows hear of one result after the bookkeeping: actionFinish with status (a row may
    // put another value in its place), and emitMapStatus first when bMapStatus is set.
    struct Route {
        ACTION_STATUS status;
        bool bMapStatus = false;
        // Cleared for an answer that no longer concerns anything the windows show (it is only logged).
        bool bWindows = true;
    };
    // Where the results of the workers this family holds go, in the thread the family lives in. The
    // sender is the worker that emitted the result: compared, never dereferenced.
    using ResultSink =
        std::function<void(const QObject* pSender, ACTION_STATUS status, const QString& sResult)>;

    ActionFamily() = default;
    ActionFamily(const ActionFamily&) = delete;
    ActionFamily& operator=(const ActionFamily&) = delete;
    virtual ~ActionFamily();

    // The bookkeeping of one result; false when the value is none of this family's rows. pSender is the
    // worker that sent it, or null for a result handed over directly: only a final result of the held
    // worker lets its slot go.
    virtual bool handleResult(const QObject* pSender, ACTION_STATUS status, const QString& sResult,
                              Route* pRoute) = 0;

    void setResultSink(ResultSink sink) { m_sink = std::move(sink); }
    const QList<WorkerSlot*>& workerSlots() const { return m_lstSlots; }
    // True when one of this family's slots holds the worker.
    bool isHeldWorker(const QObject* pWorker) const;

private:
    friend class WorkerSlot;
    void addSlot(WorkerSlot* pSlot) { m_lstSlots.append(pSlot); }
    // A stopped or replaced worker's late (queued) result is dropped here, so it can never stop or
    // delete another worker: the worker may be gone by then.
    void deliver(const QObject* pSender, ACTION_STATUS status, const QString& sResult);
    // Results of thread workers arrive queued on this object's thread (the family's).
    QObject* resultContext() { return &m_resultContext; }

    QObject m_resultContext;
    QList<WorkerSlot*> m_lstSlots;
    ResultSink m_sink;
};
