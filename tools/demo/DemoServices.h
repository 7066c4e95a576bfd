#pragma once

#include "DemoAccount.h"
#include "support/TestHttpServer.h"

#include <QFile>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

// The services the agent talks to, played on one loopback server with the answer shapes of the test
// fakes: the sharing service with the demo accounts (DemoAccount), the update service offering device
// software, firmware and (once cpack made one) the agent's own package, the map service (maps, download
// history, credits, shop, languages), the country-group file, the packages, maps and route to download,
// and the web pages the agent opens. What the services saw is written one line at a time to the record
// file and the terminal.
class DemoServices
{
public:
    static const char* const APP_VERSION;
    static const char* const IMAGE_VERSION;
    static const char* const AGENT_VERSION;
    static const char* const MAP_VERSION;

    explicit DemoServices(const QString& sRecordPath);
    ~DemoServices();

    // Starts the server and builds the packages (the agent's from sAgentPackage, a .deb, when it is a
    // file); false with the reason in pWhy.
    bool start(const QString& sAgentPackage, QString* pWhy);
    void stop();

    // The settings "URL" group that points the agent at the stand-ins: key -> address.
    QList<QPair<QString, QString>> urlSettings() const;

    DemoAccount& account() { return m_account; }

private:
    TestHttpServer::Answer answer(const TestHttpServer::Request& request);
    TestHttpServer::Answer updateAnswer(const TestHttpServer::Request& request);
    TestHttpServer::Answer mapAnswer(const TestHttpServer::Request& request);
    TestHttpServer::Answer pageAnswer(const TestHttpServer::Request& request);
    TestHttpServer::Answer fileAnswer(const TestHttpServer::Request& request);
    QByteArray mapListDocument(const QMap<QString, QString>& params) const;
    QByteArray historyDocument() const;
    void record(const QString& sLine);
    bool preparePackages(const QString& sAgentPackage, QString* pWhy);
    bool zip(const QString& sArchive, const QString& sFolder, QString* pWhy);
    QString fileUrl(const QString& sName) const { return m_server.url("/files/" + sName); }

    QFile m_record;
    TestHttpServer m_server;
    DemoAccount m_account;
    QTemporaryDir m_files;
    QString m_sAgentArchive; // "" when no agent package is offered
    QString m_sMapChecksum;
};
