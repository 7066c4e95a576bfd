#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QSet>
#include <QtTest>

// The workers of the GUI thread that are still alive: every object of a class named "...Worker" that
// received an event (a queued result of its thread, a timer, a finished program) while this watch lived,
// until it is deleted. A worker's results reach it as such events, and the controller deletes the worker
// that gave its final result once control is back in the event loop: when none is left, every result a
// worker would give has arrived, and a test that counts afterwards sees them all on a slow machine as on
// a fast one.
class LiveWorkers : public QObject
{
public:
    LiveWorkers() { QCoreApplication::instance()->installEventFilter(this); }
    ~LiveWorkers() override { QCoreApplication::instance()->removeEventFilter(this); }

    // False when a worker was still alive after nGuardMs (a hang guard, not a measure).
    bool waitUntilNone(int nGuardMs = 30000)
    {
        return QTest::qWaitFor([this] { return m_live.isEmpty(); }, nGuardMs);
    }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (!QByteArray(pWatched->metaObject()->className()).endsWith("Worker"))
            return false;
        if (pEvent->type() == QEvent::DeferredDelete) {
            m_live.remove(pWatched);
        } else if (!m_live.contains(pWatched)) {
            m_live.insert(pWatched);
            connect(pWatched, &QObject::destroyed, this, [this, pWatched] { m_live.remove(pWatched); });
        }
        return false;
    }

private:
    QSet<QObject*> m_live;
};
