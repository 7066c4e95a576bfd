#pragma once

#include "support/FakeMapService.h"
#include "support/FakeShareService.h"
#include "support/FakeUpdateService.h"
#include "support/NginxFixture.h"
#include "support/TestHttpServer.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// The services the agent talks to, played on 127.0.0.1 by the test fixtures: the sharing service with
// the demo account (the device registered to it, every ride it is offered wanted), the update service
// offering a newer device application and agent package (served by nginx), and the map service. What
// the services saw is written one line at a time to the record file and the terminal.
class DemoServices
{
public:
    static const char* const USER;
    static const char* const PASSWORD;
    static const char* const SESSION;

    explicit DemoServices(const QString& sRecordPath);
    ~DemoServices();

    // Starts the servers; false with the reason in pWhy.
    bool start(const QString& sAgentPackage, QString* pWhy);
    void stop();

    // The settings "URL" group that points the agent at the stand-ins: key -> address.
    QList<QPair<QString, QString>> urlSettings() const;

    int uploadCount() const { return m_nUploads; }

private:
    void record(const QString& sLine);
    void seen(const FakeShareService::Call& call);
    bool preparePackages(const QString& sAgentPackage, QString* pWhy);
    static QString wantEveryRide(const FakeShareService::Call& call);

    QFile m_record;
    TestHttpServer m_shareServer;
    TestHttpServer m_updateServer;
    TestHttpServer m_mapServer;
    FakeShareService m_share;
    FakeUpdateService m_update;
    FakeMapService m_map;
    QTemporaryDir m_packages;
    std::unique_ptr<NginxFixture> m_pNginx;
    int m_nUploads = 0;
};
