#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentSettings.h"
#include "core/WorkFile.h"
#include "support/ControllerTestDevices.h"
#include "support/FakeShareService.h"
#include "support/FakeVolumeInfo.h"
#include "support/LiveWorkers.h"
#include "support/TestFolders.h"
#include "sync/SyncCatalogue.h"
#include "sync/SyncItems.h"
#include "sync/SyncScript.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace
{
QByteArray rideGpx(int nDay)
{
    return "<?xml version=\"1.0\"?>\r\n<gpx version=\"1.1\">\r\n  <trk>\r\n    <type>1</type>\r\n"
           "    <extensions>\r\n    <time>2012-03-" +
           QByteArray::number(nDay) +
           "T07:30:05Z</time>\r\n    <avgspeed>12.5</avgspeed>\r\n    </extensions>\r\n  "
           "</trk>\r\n</gpx>\r\n";
}

QString hashOf(const QString& sPath)
{
    QString sHash;
    SyncCatalogue::doGenerateHash512(sPath, sHash);
    return sHash;
}

// A track server that sends the first part of a track and then holds the transfer: it shows whether the
// agent closed its connections, and can send the rest to any connection the agent left open.
class HeldTrackServer : public QObject
{
public:
    HeldTrackServer(const QByteArray& track, int nFirstPart) : m_track(track), m_nFirstPart(nFirstPart)
    {
        connect(&m_listener, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* pSocket = m_listener.nextPendingConnection()) {
                m_lstSockets.append(pSocket);
                connect(pSocket, &QTcpSocket::readyRead, this, [this, pSocket] { answer(pSocket); });
            }
        });
    }

    bool start() { return m_listener.listen(QHostAddress::LocalHost); }
    QString url() const { return QString("http://127.0.0.1:%1/held.gpx").arg(m_listener.serverPort()); }
    bool isHolding() const { return !m_lstHeld.isEmpty(); }

    int openConnections() const
    {
        int nOpen = 0;
        for (const QPointer<QTcpSocket>& pSocket : m_lstSockets)
            nOpen += pSocket && pSocket->state() == QAbstractSocket::ConnectedState ? 1 : 0;
        return nOpen;
    }

    void sendRest()
    {
        for (const QPointer<QTcpSocket>& pSocket : m_lstHeld)
            if (pSocket && pSocket->state() == QAbstractSocket::ConnectedState)
                pSocket->write(m_track.mid(m_nFirstPart));
    }

private:
    void answer(QTcpSocket* pSocket)
    {
        QByteArray& buffer = m_buffers[pSocket];
        buffer += pSocket->readAll();
        for (int nEnd = buffer.indexOf("\r\n\r\n"); nEnd >= 0; nEnd = buffer.indexOf("\r\n\r\n")) {
            const bool bHead = buffer.startsWith("HEAD ");
            buffer.remove(0, nEnd + 4);
            const QByteArray head =
                "HTTP/1.1 200 OK\r\nContent-Type: application/gpx+xml\r\nContent-Length: " +
                QByteArray::number(m_track.size()) + "\r\n\r\n";
            if (bHead) {
                pSocket->write(head);
                continue;
            }
            pSocket->write(head + m_track.left(m_nFirstPart));
            m_lstHeld.append(pSocket);
        }
    }

    QTcpServer m_listener;
    QByteArray m_track;
    int m_nFirstPart;
    QList<QPointer<QTcpSocket>> m_lstSockets;
    QList<QPointer<QTcpSocket>> m_lstHeld;
    QHash<QTcpSocket*, QByteArray> m_buffers;
};
} // namespace

// A drive-family sync driven through the controller, as the sync page drives it: the check, then the
// queue, each ending in one final result that reaches the windows and the map page.
class TestSyncCtrl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void checkThenQueue();
    void stoppedQueueReportsNothing();
    void signOutStopsTheSync();

private:
    QList<int> statusesUntilFinal(QSignalSpy& spy);
    QList<FakeShareService::Call> callsOf(const QString& sOperation) const;
    QString checkRequest() const;
    QString queueRequest(bool bKept) const;
    QScopedPointer<TestFolders> m_pFolders;
    QScopedPointer<TestHttpServer> m_pServer;
    QScopedPointer<TestHttpServer> m_pTracks;
    QScopedPointer<FakeShareService> m_pService;
    QString m_sDrive;
    QString m_sRides;
};

void TestSyncCtrl::initTestCase()
{
    FakeVolumeInfo& volumes = ControllerTestDevices::install()->m_volumes;
    m_pFolders.reset(new TestFolders);
    m_pServer.reset(new TestHttpServer);
    QVERIFY(m_pServer->start());
    m_pService.reset(new FakeShareService(*m_pServer));
    m_pTracks.reset(new TestHttpServer);
    QVERIFY(m_pTracks->start());
    AgentSettings().setValue("URL", "WebApi", m_pService->serviceUrl());
    m_sDrive = m_pFolders->dataPath("drive/");
    m_sRides = m_sDrive + "Korvo/Tracks/Profile1/";
    volumes.addVolume(m_sDrive);
    volumes.setFreeSpace(100LL * 1024 * 1024);
    QVERIFY(TestFolders::writeFile(m_sRides + "ride.gpx", rideGpx(15)));
}

QList<int> TestSyncCtrl::statusesUntilFinal(QSignalSpy& spy)
{
    auto codes = [&spy] {
        QList<int> seen;
        for (const QList<QVariant>& args : spy)
            seen << int(args.at(0).value<ACTION_STATUS>());
        return seen;
    };
    LiveWorkers workers;
    const bool bFinal =
        QTest::qWaitFor([&] { return !spy.isEmpty() && codes().last() != SYNC_PROCESS; }, 30000);
    // A second final result would come from the worker before the controller deletes it.
    if (bFinal && !workers.waitUntilNone())
        return codes() << -1;
    return codes();
}

QList<FakeShareService::Call> TestSyncCtrl::callsOf(const QString& sOperation) const
{
    QList<FakeShareService::Call> calls;
    for (const FakeShareService::Call& call : m_pService->calls())
        if (call.sOperation == sOperation)
            calls << call;
    return calls;
}

QString TestSyncCtrl::checkRequest() const
{
    return QString(R"({"type":"500","mount":"%1","session":"S","user":"u"})").arg(m_sDrive);
}

QString TestSyncCtrl::queueRequest(bool bKept) const
{
    return QString(R"({"type":"500","drive":"%1","session":"S","user":"u","kept":"%2"})")
        .arg(m_sDrive, bKept ? "true" : "false");
}

void TestSyncCtrl::checkThenQueue()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    const QString sRide = m_sRides + "ride.gpx";
    const QString sGone = m_sRides + "gone.gpx";
    QVERIFY(TestFolders::writeFile(sGone, rideGpx(16)));
    const QString sRideHash = hashOf(sRide);
    QVERIFY(!sRideHash.isEmpty() && sRideHash != hashOf(sGone));
    m_pTracks->setHandler([](const TestHttpServer::Request& request) {
        return request.path() == "/loop.gpx" ? TestHttpServer::fileAnswer(request, "<gpx>loop</gpx>")
                                             : TestHttpServer::Answer::status(404);
    });
    m_pService->setAnswer("getRouteSyncList", FakeShareService::RETURN,
                          "[" + SyncItems::item("upload", sRideHash) + "," +
                              SyncItems::item("download", "t1", "Morning loop", m_pTracks->url("/loop.gpx")) +
                              "," + SyncItems::item("delete", hashOf(sGone)) + "]");
    m_pService->setAnswer("uploadRec", FakeShareService::RETURN, "SUCCESS:S0001");
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    QSignalSpy mapStatus(pCtrl, &ZeqAgentCtrlMgr::emitMapStatus);
    pCtrl->checkSync(checkRequest());
    // The pages ask whether a sync runs before they start one (and whether a backup runs beside it).
    QVERIFY(pCtrl->isSyncRunning());
    QVERIFY(!pCtrl->isBackupRunning());
    QCOMPARE(statusesUntilFinal(finish), QList<int>({SYNC_CHECKSUCCESS}));
    QVERIFY(!pCtrl->isSyncRunning());
    QCOMPARE(finish.first().at(1).toString(), QString(R"({"records":"1","tracks":"1","delete":"1"})"));
    QCOMPARE(mapStatus.count(), 1);
    const QByteArray rcf = TestFolders::readFile(m_pFolders->tempDir() + "/RCF.txt");
    QVERIFY2(rcf.contains("ride.gpx"), rcf.constData());

    finish.clear();
    mapStatus.clear();
    pCtrl->synclist(queueRequest(false));
    QCOMPARE(statusesUntilFinal(finish),
             QList<int>({SYNC_PROCESS, SYNC_PROCESS, SYNC_PROCESS, SYNC_PROCESS, SYNC_SUCCESS}));
    QCOMPARE(mapStatus.count(), 1);
    QCOMPARE(mapStatus.first().at(0).value<ACTION_STATUS>(), SYNC_SUCCESS);

    // What reached the service and the track server.
    const QList<FakeShareService::Call> uploads = callsOf("uploadRec");
    QCOMPARE(uploads.size(), 1);
    QCOMPARE(uploads.first().params.value("SHA512"), sRideHash);
    QCOMPARE(uploads.first().params.value("SessionID"), QString("S"));
    QCOMPARE(uploads.first().params.value("CustomerEMail"), QString("u"));
    QCOMPARE(uploads.first().params.value("TrackContent").toUtf8(), rideGpx(15));
    QVERIFY(m_pTracks->lastRequest().method == "GET" && m_pTracks->lastRequest().path() == "/loop.gpx");

    // What the device holds now: the uploaded ride went (history not kept), the track came, the deleted
    // ride went, and the work list is done.
    QVERIFY(!QFile::exists(sRide));
    QVERIFY(!QFile::exists(sGone));
    QCOMPARE(TestFolders::readFile(m_sDrive + "Korvo/Tracks/Morning loop.gpx"),
             QByteArray("<gpx>loop</gpx>"));
    QList<WorkFile::Row> rows;
    QVERIFY(WorkFile::readRows(SyncScript::path(), &rows));
    QVERIFY(rows.isEmpty());
}

void TestSyncCtrl::stoppedQueueReportsNothing()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    HeldTrackServer held(QByteArray(100000, 'x'), 1000);
    QVERIFY(held.start());
    m_pService->setAnswer("getRouteSyncList", FakeShareService::RETURN,
                          "[" + SyncItems::item("download", "t2", "Held", held.url()) + "]");
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    pCtrl->checkSync(checkRequest());
    QCOMPARE(statusesUntilFinal(finish), QList<int>({SYNC_CHECKSUCCESS}));
    LiveWorkers workers;
    pCtrl->synclist(queueRequest(true));
    const QString sTrack = m_sDrive + "Korvo/Tracks/Held.gpx";
    const QString sPart = m_sDrive + "Korvo/Tracks/.Held.gpx.part";
    QTRY_VERIFY_WITH_TIMEOUT(held.isHolding() && QFileInfo(sPart).size() > 0, 20000);
    QVERIFY(!QFile::exists(sTrack)); // a route takes its name only once whole
    finish.clear();
    QVERIFY(pCtrl->isSyncRunning());

    pCtrl->terminateSync();
    QVERIFY(!pCtrl->isSyncRunning());
    // The stop is done when terminateSync returns: the partial track is gone from the device.
    const bool bPartialRemoved = !QFile::exists(sPart);
    const bool bClosed = QTest::qWaitFor([&held] { return held.openConnections() == 0; }, 10000);
    held.sendRest(); // a transfer still running would now complete and its worker report
    // The stopped worker's late report must not reach the windows: none can come once it is gone.
    QVERIFY2(workers.waitUntilNone(), "the stopped sync worker is still alive");
    QVERIFY2(bPartialRemoved, "the partial track stayed on the device");
    QVERIFY2(bClosed, "the track transfer was not aborted");
    QCOMPARE(finish.count(), 0);
    QVERIFY(!QFile::exists(sTrack));
    // The unfinished download stays in the work list for the next sync.
    QList<WorkFile::Row> rows;
    QVERIFY(WorkFile::readRows(SyncScript::path(), &rows));
    QCOMPARE(rows.size(), 1);
}

// Signing out during a sync stops it as the sync box's stop does: after the upload under way nothing more
// goes to the service with the old session, and no ride is deleted on an answer that would come later.
void TestSyncCtrl::signOutStopsTheSync()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QStringList lstRides;
    QStringList lstItems;
    for (int i = 1; i <= 6; ++i) {
        lstRides << m_sRides + QString("out%1.gpx").arg(i);
        QVERIFY(TestFolders::writeFile(lstRides.last(), rideGpx(i)));
        lstItems << SyncItems::item("upload", hashOf(lstRides.last()));
    }
    m_pService->setAnswer("getRouteSyncList", FakeShareService::RETURN, "[" + lstItems.join(',') + "]");
    m_pService->setAnswer("uploadRec", FakeShareService::RETURN, "SUCCESS:S0001");
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    pCtrl->checkSync(checkRequest());
    QCOMPARE(statusesUntilFinal(finish), QList<int>({SYNC_CHECKSUCCESS}));
    const int nUploadsBefore = callsOf("uploadRec").size();
    // The second upload is slow: the user signs out while it is under way.
    m_pService->enqueueAnswer("uploadRec", FakeShareService::RETURN, "SUCCESS:S0001");
    m_pService->enqueueAnswer("uploadRec", FakeShareService::STALL);
    finish.clear();
    pCtrl->synclist(queueRequest(false));
    QTRY_COMPARE_WITH_TIMEOUT(callsOf("uploadRec").size(), nUploadsBefore + 2, 20000);
    QVERIFY(!QFile::exists(lstRides.first())); // the first ride went up whole and was confirmed
    QVERIFY(pCtrl->isSyncRunning());

    pCtrl->logout();
    QVERIFY(!pCtrl->isSyncRunning());
    // The agent let go of the request under way; no later request can come from a sync that is gone.
    QTRY_COMPARE_WITH_TIMEOUT(m_pServer->openConnections(), 0, 20000);
    QCOMPARE(callsOf("uploadRec").size(), nUploadsBefore + 2);
    QList<int> lstStatuses;
    for (const QList<QVariant>& args : finish)
        lstStatuses << int(args.at(0).value<ACTION_STATUS>());
    QCOMPARE(lstStatuses.last(), int(LOGOUT_SUCCESS));
    QVERIFY(!lstStatuses.contains(SYNC_SUCCESS) && !lstStatuses.contains(SYNC_NETERROR));
    for (int i = 1; i < lstRides.size(); ++i)
        QCOMPARE(TestFolders::readFile(lstRides.at(i)), rideGpx(i + 1));
    // The ride under way and those after it stay in the work list.
    QList<WorkFile::Row> rows;
    QVERIFY(WorkFile::readRows(SyncScript::path(), &rows));
    QCOMPARE(rows.size(), 5);
}

QTEST_GUILESS_MAIN(TestSyncCtrl)
#include "tst_syncctrl.moc"
