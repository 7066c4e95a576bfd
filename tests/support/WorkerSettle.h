#pragma once

#include <QCoreApplication>
#include <QProcess>
#include <QThread>
#include <QtTest>

// The jobs a worker started ended: none of its threads or programs runs any more, and everything they sent
// it has been delivered. A second result the worker would give from them has arrived by then, so a test
// that counts results afterwards sees every one, on a slow machine as on a fast one.
class WorkerSettle
{
public:
    // False when something still ran after nGuardMs (a hang guard, not a measure).
    static bool wait(QObject* pWorker, int nGuardMs = 30000)
    {
        const bool bEnded = QTest::qWaitFor([pWorker] { return !isBusy(pWorker); }, nGuardMs);
        // A thread that ended has posted all it sent; their handlers may post further events.
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
        return bEnded && !isBusy(pWorker);
    }

private:
    static bool isBusy(QObject* pWorker)
    {
        for (const QThread* pThread : pWorker->findChildren<QThread*>()) {
            if (pThread->isRunning())
                return true;
        }
        for (const QProcess* pProcess : pWorker->findChildren<QProcess*>()) {
            if (pProcess->state() != QProcess::NotRunning)
                return true;
        }
        return false;
    }
};
