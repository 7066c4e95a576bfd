#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QTimer>
#include <QtTest>

// The calls queued and the zero timers started before it have run: each kind runs in the order it was
// made, so a queued call and a zero timer made now run after them. A test that checks something did not
// happen in such a call waits for this instead of a fixed time.
class QueuedMarker
{
public:
    // False when the marker did not come within nGuardMs (a hang guard, not a measure).
    static bool passEarlierCalls(int nGuardMs = 10000)
    {
        bool bPosted = false;
        bool bTimed = false;
        QObject context;
        QMetaObject::invokeMethod(
            &context, [&bPosted] { bPosted = true; }, Qt::QueuedConnection);
        QTimer::singleShot(0, &context, [&bTimed] { bTimed = true; });
        return QTest::qWaitFor([&] { return bPosted && bTimed; }, nGuardMs);
    }
};
