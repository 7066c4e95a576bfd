#pragma once

#include "FakeShareService.h"
#include "TestHttpServer.h"

#include <QList>
#include <QString>

// One sync check against the fake sharing service, run to its one final status, as the controller
// runs it: a fresh worker, deleted after its final status.
class SyncCheckRun
{
public:
    struct Status {
        int nStatus = -1;
        QString sText;
    };

    // Points the agent's settings at the fake service, which answers getRouteSyncList with sList.
    explicit SyncCheckRun(const QString& sList = "[]");

    // Every status of one check, in order; a last {-1, "no final status"} when none came in time.
    QList<Status> run(const QString& sType, const QString& sMount);

    TestHttpServer server;
    FakeShareService service;
};
