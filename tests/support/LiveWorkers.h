#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QSet>
#include <QtTest>

// The workers of the GUI thread that are still alive: every object of a class named "...Worker" that
// received an event, itself or one of its children (a queued result of its thread, a timer, a program's
// output), while this watch lived, until it is deleted. A worker's results reach it as such events, and the
// controller deletes the worker that gave its final result once control is back in the event loop: when none
// is left, every result a worker would give has arrived, and a test that counts afterwards sees them all on a
// slow machine as on a fast one.
class LiveWorkers : public QObject
{
public:
    // Workers of every class, or of the class named className only.
    explicit LiveWorkers(const QByteArray& className = QByteArray()) : m_className(className)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~LiveWorkers() override { QCoreApplication::instance()->removeEventFilter(this); }

    // False when a worker was still alive after nGuardMs (a hang guard, not a measure).
    bool waitUntilNone(int nGuardMs = 30000)
    {
        return QTest::qWaitFor([this] { return m_live.isEmpty(); }, nGuardMs);
    }

    // The workers alive now, in no particular order.
    QList<QObject*> live() const { return m_live.values(); }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        QObject* pWorker = workerOf(pWatched);
        if (!pWorker || (!m_className.isEmpty() && m_className != pWorker->metaObject()->className()))
            return false;
        if (pWatched == pWorker && pEvent->type() == QEvent::DeferredDelete) {
            m_live.remove(pWorker);
        } else if (!m_live.contains(pWorker)) {
            m_live.insert(pWorker);
            connect(pWorker, &QObject::destroyed, this, [this, pWorker] { m_live.remove(pWorker); });
        }
        return false;
    }

private:
    // The object itself or the nearest of its parents whose class is named "...Worker": its programs,
    // timers and threads are its children.
    static QObject* workerOf(QObject* pObject)
    {
        for (; pObject; pObject = pObject->parent()) {
            if (QByteArray(pObject->metaObject()->className()).endsWith("Worker"))
                return pObject;
        }
        return nullptr;
    }

    QByteArray m_className;
    QSet<QObject*> m_live;
};
