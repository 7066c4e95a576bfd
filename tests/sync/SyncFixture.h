#pragma once

#include "core/AgentSettings.h"
#include "platform/Platform.h"
#include "support/FakeShareService.h"
#include "support/FakeVolumeInfo.h"
#include "support/TestFolders.h"
#include "support/TestHttpServer.h"
#include "sync/SyncCatalogue.h"
#include "sync/SyncLeftBehind.h"
#include "sync/SyncWorker.h"

#include <QDir>
#include <QPointer>
#include <QtTest>

#include <functional>

// What the sync tests share: statuses as the controller sees them, ride files, and one fixture with temp
// folders, the fake sharing service the agent is pointed at, a server for route tracks and a drive.

struct Status {
    int nStatus;
    QString sText;
};

inline QByteArray rideGpx(int nDay, const QByteArray& padding = QByteArray())
{
    return "<?xml version=\"1.0\"?>\r\n<gpx version=\"1.1\">\r\n  <trk>\r\n    <type>1</type>\r\n    "
           "<extensions>\r\n"
           "    <time>2012-03-" +
           QByteArray::number(nDay) +
           "T07:30:05Z</time>\r\n    <minlat>1.000000</minlat>\r\n"
           "    <avgspeed>12.5</avgspeed>\r\n    </extensions>\r\n  </trk>\r\n" +
           padding + "</gpx>\r\n";
}

inline QString hashOf(const QString& sPath)
{
    QString sHash;
    SyncCatalogue::doGenerateHash512(sPath, sHash);
    return sHash;
}

inline QString progress(int nRecords, int nTracks)
{
    return QString("{\"records\":\"%1\",\"tracks\":\"%2\"}").arg(nRecords).arg(nTracks);
}

inline QString list(const QStringList& items)
{
    return "[" + items.join(',') + "]";
}

// One test fixture: temp folders, the fake service with the agent pointed at it, a track server, a drive.
class SyncFixture
{
public:
    // With bLogOn the agent's log is written (see log()).
    explicit SyncFixture(bool bLogOn = false) : folders(bLogOn), service(server)
    {
        server.start();
        tracks.start();
        AgentSettings().setValue("URL", "WebApi", service.serviceUrl());
        service.setAnswer("uploadRec", FakeShareService::RETURN, "SUCCESS:S0001");
        tracks.setHandler([this](const TestHttpServer::Request& request) {
            const QString sName = QString::fromUtf8(request.path()).mid(1);
            if (request.method == "HEAD")
                return TestHttpServer::Answer::status(200);
            if (trackAnswers.contains(sName))
                return trackAnswers.value(sName);
            return trackFiles.contains(sName) ? TestHttpServer::fileAnswer(request, trackFiles.value(sName))
                                              : TestHttpServer::Answer::status(404);
        });
        service.setAnswer("getRouteSyncList", FakeShareService::RETURN, "[]");
        sDrive = folders.dataPath("drive/");
        QDir().mkpath(sDrive); // a mounted drive's root is always there
        volumes.addVolume(sDrive);
        volumes.setFreeSpace(100LL * 1024 * 1024);
        platform.setVolumes(&volumes);
        sTracks = sDrive + "Korvo/Tracks";
    }

    // The sync works on sRoot (a mounted image) instead of the plain folder.
    void useDrive(const QString& sRoot)
    {
        volumes.removeVolume(sDrive);
        sDrive = sRoot;
        volumes.addVolume(sDrive);
        sTracks = sDrive + "Korvo/Tracks";
    }

    int leftBehind() const { return SyncLeftBehind(folders.tempDir()).count(); }
    QByteArray log() const { return TestFolders::readFile(folders.dataPath("WendoAgent.log")); }

    QString addRide(const QString& sRelative, const QByteArray& content)
    {
        const QString sPath = sTracks + "/" + sRelative;
        TestFolders::writeFile(sPath, content);
        return sPath;
    }

    // Runs one action to its final status; every status in order. With pKeep the worker is handed back at
    // once and its statuses gather in `statuses`.
    QList<Status> run(bool bCheck, const QString& sRequest, QPointer<SyncWorker>* pKeep = nullptr)
    {
        statuses.clear();
        bDone = false;
        auto* pWorker = new SyncWorker(nullptr);
        QObject::connect(pWorker, &SyncWorker::emitStatus, [this, pWorker](ACTION_STATUS e, QString s) {
            statuses.append({int(e), s});
            if (onStatus)
                onStatus(statuses.last());
            if (e != SYNC_PROCESS) {
                bDone = true;
                pWorker->deleteLater(); // as the controller does with the sender of a final result
            }
        });
        if (pKeep)
            *pKeep = pWorker;
        if (bCheck)
            pWorker->checkSync(sRequest);
        else
            pWorker->synclist(sRequest);
        if (!pKeep && !QTest::qWaitFor([this] { return bDone; }, 30000))
            statuses.append({-1, "no final status"});
        return statuses;
    }

    QString checkRequest(const QString& sType, const QString& sMount) const
    {
        return QString("{\"type\":\"%1\",\"mount\":\"%2\",\"session\":\"s&1\",\"user\":\"a<b>@c.d\"}")
            .arg(sType, sMount);
    }
    QString queueRequest(const QString& sType, const QString& sDriveOrPort, bool bKept) const
    {
        return QString("{\"type\":\"%1\",\"drive\":\"%2\",\"session\":\"s&1\",\"user\":\"a<b>@c.d\",\"kept\":"
                       "\"%3\"}")
            .arg(sType, sDriveOrPort, bKept ? "true" : "false");
    }

    TestFolders folders;
    TestHttpServer server;
    TestHttpServer tracks;
    FakeShareService service;
    FakeVolumeInfo volumes;
    PlatformOverride platform;
    QMap<QString, QByteArray> trackFiles;
    QMap<QString, TestHttpServer::Answer> trackAnswers;
    QString sDrive;
    QString sTracks;
    QList<Status> statuses;
    bool bDone = false;
    // Called with each status as it comes, inside the worker's emission (where the test can pull a drive
    // between two steps that run without a job).
    std::function<void(const Status&)> onStatus;
};
