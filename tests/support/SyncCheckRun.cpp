#include "SyncCheckRun.h"

#include "core/AgentSettings.h"
#include "sync/SyncWorker.h"

#include <QPointer>
#include <QtTest>

SyncCheckRun::SyncCheckRun(const QString& sList) : service(server)
{
    server.start();
    AgentSettings().setValue("URL", "WebApi", service.serviceUrl());
    service.setAnswer("getRouteSyncList", FakeShareService::RETURN, sList);
}

QList<SyncCheckRun::Status> SyncCheckRun::run(const QString& sType, const QString& sMount)
{
    QList<Status> statuses;
    bool bDone = false;
    QPointer<SyncWorker> pWorker = new SyncWorker(nullptr);
    QObject::connect(pWorker, &SyncWorker::emitStatus,
                     [&statuses, &bDone, pWorker](ACTION_STATUS e, QString s) {
                         statuses.append({int(e), s});
                         if (e != SYNC_PROCESS && !bDone) {
                             bDone = true;
                             pWorker->deleteLater();
                         }
                     });
    pWorker->checkSync(QString("{\"type\":\"%1\",\"mount\":\"%2\",\"session\":\"s1\",\"user\":\"a@b.c\"}")
                           .arg(sType, sMount));
    if (!QTest::qWaitFor([&bDone] { return bDone; }, 120000)) {
        statuses.append({-1, "no final status"});
        delete pWorker;
    }
    if (!QTest::qWaitFor([&pWorker] { return pWorker.isNull(); }, 5000))
        statuses.append({-1, "the worker was not deleted"});
    return statuses;
}
