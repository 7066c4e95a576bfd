#include "SyncItems.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/WorkFile.h"
#include "platform/Platform.h"
#include "support/FakeShareService.h"
#include "support/FakeVolumeInfo.h"
#include "support/SerialDeviceSim.h"
#include "support/SerialRideScript.h"
#include "support/TestFolders.h"
#include "support/TestHttpServer.h"
#include "sync/SyncCatalogue.h"
#include "sync/SyncScript.h"
#include "sync/SyncWorker.h"

#include <QPointer>
#include <QtTest>

namespace
{
struct Status {
    int nStatus;
    QString sText;
};

QByteArray rideGpx(int nDay, const QByteArray& padding = QByteArray())
{
    return "<?xml version=\"1.0\"?>\r\n<gpx version=\"1.1\">\r\n  <trk>\r\n    <type>1</type>\r\n    "
           "<extensions>\r\n"
           "    <time>2012-03-" +
           QByteArray::number(nDay) +
           "T07:30:05Z</time>\r\n    <minlat>1.000000</minlat>\r\n"
           "    <avgspeed>12.5</avgspeed>\r\n    </extensions>\r\n  </trk>\r\n" +
           padding + "</gpx>\r\n";
}

QString hashOf(const QString& sPath)
{
    QString sHash;
    SyncCatalogue::doGenerateHash512(sPath, sHash);
    return sHash;
}

QString progress(int nRecords, int nTracks)
{
    return QString("{\"records\":\"%1\",\"tracks\":\"%2\"}").arg(nRecords).arg(nTracks);
}

QString list(const QStringList& items)
{
    return "[" + items.join(',') + "]";
}
} // namespace

// One test fixture: temp folders, the fake service with the agent pointed at it, a track server, a drive.
class SyncFixture
{
public:
    SyncFixture() : service(server)
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
};

class TestSyncWorker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void driveCheckThenQueue();
    void deleteAfterUpload_data();
    void deleteAfterUpload();
    void onlyTheUploadedRideIsDeleted();
    void rideLinkedOffTheDriveIsNotUploaded();
    void serialCheckThenQueue();
    void checkFailures_data();
    void checkFailures();
    void missingTempFolder();
    void oldCataloguesRemoved();
    void notEnoughRoom_data();
    void notEnoughRoom();
    void failedDownloadAndStop();
    void linesThatCannotRunAreDropped();
    void unusableWorkList();
    void stopDuringSerialCheck();
    void trackFileNames();
    void routeStaysOnTheDrive_data();
    void routeStaysOnTheDrive();

private:
    static QList<int> codes(const QList<Status>& statuses);
};

void TestSyncWorker::initTestCase()
{
    AgentTiming::set(AgentTiming::SERIAL_SILENCE, 1500);
}

void TestSyncWorker::cleanupTestCase()
{
    AgentTiming::resetDefaults();
}

QList<int> TestSyncWorker::codes(const QList<Status>& statuses)
{
    QList<int> out;
    for (const Status& s : statuses)
        out.append(s.nStatus);
    return out;
}

void TestSyncWorker::driveCheckThenQueue()
{
    SyncFixture f;
    const QString sRide1 = f.addRide("Profile1/one & two.gpx", rideGpx(15));
    const QString sRide2 = f.addRide("Profile1/b.gpx", rideGpx(16));
    f.addRide("Route.gpx", "<gpx><trk><name>r</name></trk></gpx>");
    f.trackFiles.insert("loop.gpx", "<gpx>loop</gpx>");
    f.service.setAnswer(
        "getRouteSyncList", FakeShareService::RETURN,
        list({SyncItems::item("upload", hashOf(sRide1)), SyncItems::item("upload", hashOf(sRide2)),
              SyncItems::item("download", "t1", "Morning loop", f.tracks.url("/loop.gpx"))}));

    const QList<Status> check = f.run(true, f.checkRequest("500", f.sDrive));
    QCOMPARE(codes(check), QList<int>{SYNC_CHECKSUCCESS});
    QCOMPARE(check.first().sText, QString("{\"records\":\"2\",\"tracks\":\"1\",\"delete\":\"0\"}"));
    const FakeShareService::Call call = f.service.calls().first();
    QCOMPARE(call.sOperation, QString("getRouteSyncList"));
    QCOMPARE(call.order, QStringList({"SessionID", "CustomerEMail", "RCFMetaData", "TCFMetaData"}));
    QCOMPARE(call.params.value("SessionID"), QString("s&1"));
    QCOMPARE(call.params.value("CustomerEMail"), QString("a<b>@c.d"));
    QCOMPARE(call.params.value("RCFMetaData").toUtf8(),
             TestFolders::readFile(f.folders.tempDir() + "/RCF.txt"));
    QCOMPARE(call.params.value("TCFMetaData").toUtf8(),
             TestFolders::readFile(f.folders.tempDir() + "/TCF.txt"));
    QVERIFY(call.params.value("RCFMetaData").contains("\"o_file\":\"one & two.gpx\""));
    QCOMPARE(TestFolders::readFile(f.folders.tempDir() + "/Sync.xml"), f.server.lastRequest().body);
    QVERIFY(f.server.lastRequest().body.contains("<SessionID xsi:type=\"xsd:string\">s&amp;1</SessionID>"));

    const QList<Status> queue = f.run(false, f.queueRequest("500", f.sDrive, true));
    QCOMPARE(codes(queue), QList<int>({68, 68, 68, 68, 63}));
    QCOMPARE(queue.at(0).sText, progress(2, 1));
    QCOMPARE(queue.at(1).sText, progress(1, 1));
    QCOMPARE(queue.at(2).sText, progress(0, 1));
    QCOMPARE(queue.at(3).sText, progress(0, 0));
    const QList<FakeShareService::Call> calls = f.service.calls();
    QCOMPARE(calls.size(), 3);
    const FakeShareService::Call upload = calls.at(1);
    QCOMPARE(upload.order,
             QStringList({"SessionID", "CustomerEMail", "SHA512", "MetaType", "MetaData", "TrackContent"}));
    QCOMPARE(upload.params.value("SHA512"), hashOf(sRide1));
    QCOMPARE(upload.params.value("MetaType"), QString("RCF"));
    QVERIFY(upload.params.value("MetaData").startsWith("{\"o_file\":\"one & two.gpx\""));
    QCOMPARE(upload.params.value("TrackContent").toUtf8(), rideGpx(15));
    QCOMPARE(TestFolders::readFile(f.sTracks + "/Morning loop.gpx"), QByteArray("<gpx>loop</gpx>"));
    QVERIFY(QFile::exists(sRide1) && QFile::exists(sRide2));
    QList<WorkFile::Row> rows;
    QVERIFY(WorkFile::readRows(SyncScript::path(), &rows));
    QVERIFY(rows.isEmpty());
}

void TestSyncWorker::deleteAfterUpload_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("returnText");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<int>("final");
    QTest::newRow("success") << int(FakeShareService::RETURN) << "SUCCESS:S0001" << false << true << 63;
    QTest::newRow("success, history kept")
        << int(FakeShareService::RETURN) << "SUCCESS:S0001" << true << false << 63;
    QTest::newRow("corruption notice")
        << int(FakeShareService::RETURN) << "SUCCESS:S0006" << false << true << 64;
    QTest::newRow("error text") << int(FakeShareService::RETURN) << "ERROR:E0008" << false << false << 66;
    // Only a text starting "SUCCESS:" confirms the upload; any other answer keeps the ride.
    for (const char* szText : {"SUCCESS", "OK", "S0001", "success:S0001"})
        QTest::newRow(szText) << int(FakeShareService::RETURN) << szText << false << false << 66;
    QTest::newRow("soap fault") << int(FakeShareService::FAULT) << "denied" << false << false << 66;
    QTest::newRow("unreadable") << int(FakeShareService::GARBAGE) << "" << false << false << 66;
    QTest::newRow("no return") << int(FakeShareService::NO_RETURN) << "" << false << false << 66;
    QTest::newRow("http error") << int(FakeShareService::HTTP_500) << "" << false << false << 66;
}

void TestSyncWorker::deleteAfterUpload()
{
    QFETCH(int, kind);
    QFETCH(QString, returnText);
    QFETCH(bool, kept);
    QFETCH(bool, deleted);
    QFETCH(int, final);
    SyncFixture f;
    const QString sRide = f.addRide("Profile1/r.gpx", rideGpx(15));
    // Companions in the device's own letter case.
    const QString sBin = f.addRide("Profile1/r.BIN", "bin");
    const QString sFit = f.addRide("Profile1/r.fit", "fit");
    f.service.setAnswer("getRouteSyncList", FakeShareService::RETURN,
                        list({SyncItems::item("upload", hashOf(sRide))}));
    QCOMPARE(codes(f.run(true, f.checkRequest("500", f.sDrive))), QList<int>{61});
    f.service.setAnswer("uploadRec", FakeShareService::Kind(kind), returnText);
    const QList<Status> queue = f.run(false, f.queueRequest("500", f.sDrive, kept));
    QCOMPARE(queue.last().nStatus, final);
    QCOMPARE(queue.last().sText, QString(final == 64 ? "true" : ""));
    QCOMPARE(QFile::exists(sRide), !deleted);
    QCOMPARE(QFile::exists(sBin), !deleted);
    QCOMPARE(QFile::exists(sFit), !deleted);
    QList<WorkFile::Row> rows;
    QVERIFY(WorkFile::readRows(SyncScript::path(), &rows));
    QCOMPARE(rows.size(), final == 66 ? 1 : 0); // an unconfirmed upload stays in the list
}

void TestSyncWorker::onlyTheUploadedRideIsDeleted()
{
    SyncFixture f;
    const QByteArray padding(1600, ' ');
    const QString sFirst = f.addRide("Profile1/a.gpx", rideGpx(15, padding + "<!-- a -->"));
    const QString sSecond = f.addRide("Profile1/b.gpx", rideGpx(15, padding + "<!-- b -->"));
    QCOMPARE(hashOf(sFirst), hashOf(sSecond));
    f.service.setAnswer("getRouteSyncList", FakeShareService::RETURN,
                        list({SyncItems::item("upload", hashOf(sFirst))}));
    QCOMPARE(codes(f.run(true, f.checkRequest("500", f.sDrive))), QList<int>{61});
    QCOMPARE(f.run(false, f.queueRequest("500", f.sDrive, false)).last().nStatus, 63);
    QVERIFY(!QFile::exists(sFirst));
    QVERIFY(QFile::exists(sSecond));
}

// A ride file that is a link to a file elsewhere on the computer is never read and sent to the service.
void TestSyncWorker::rideLinkedOffTheDriveIsNotUploaded()
{
    SyncFixture f;
    const QString sOutside = f.folders.dataPath("private/elsewhere.gpx");
    QVERIFY(TestFolders::writeFile(sOutside, rideGpx(16)));
    QVERIFY(QDir().mkpath(f.sTracks + "/Profile1"));
    const QString sLink = f.sTracks + "/Profile1/linked.gpx";
    QVERIFY(QFile::link(sOutside, sLink));
    f.service.setAnswer("getRouteSyncList", FakeShareService::RETURN,
                        list({SyncItems::item("upload", hashOf(sOutside))}));
    QCOMPARE(codes(f.run(true, f.checkRequest("500", f.sDrive))), QList<int>{61});
    f.run(false, f.queueRequest("500", f.sDrive, false));
    for (const FakeShareService::Call& call : f.service.calls())
        QVERIFY(call.sOperation != "uploadRec");
    QVERIFY(QFile::exists(sOutside));
}

void TestSyncWorker::serialCheckThenQueue()
{
    SyncFixture f;
    SerialDeviceSim sim;
    QVERIFY(sim.start());
    SerialRideScript script(sim);
    SerialRideScript::Ride ride;
    ride.header.nDuration = 100;
    ride.header.nLength = 10;
    SerialRideScript::Point point;
    point.nLat = 1000000;
    point.nLon = 2000000;
    ride.points = {point};
    ride.laps = {{0, 0}};
    ride.nId = 1;
    script.addRide(ride);
    ride.header.nSecond = 6;
    ride.nId = 2;
    script.addRide(ride);
    // A ride left from an earlier check is not sent again.
    QVERIFY(TestFolders::writeFile(f.folders.tempDir() + "/20000101000000.Gpx", rideGpx(1)));
    const QString sFirst = f.folders.tempDir() + "/20120315083005.gpx";
    const QString sSecond = f.folders.tempDir() + "/20120315083006.gpx";
    f.service.setAnswer("getRouteSyncList", FakeShareService::RETURN, "[]");
    QCOMPARE(codes(f.run(true, f.checkRequest("100", sim.portName()))), QList<int>{61});
    QVERIFY(QFile::exists(sFirst) && QFile::exists(sSecond));
    QVERIFY(!QFile::exists(f.folders.tempDir() + "/20000101000000.Gpx"));
    QCOMPARE(f.service.calls().last().params.value("TCFMetaData"), QString());

    f.service.setAnswer("getRouteSyncList", FakeShareService::RETURN,
                        list({SyncItems::item("upload", hashOf(sFirst)),
                              SyncItems::item("download", "t", "x", f.tracks.url("/x.gpx")),
                              SyncItems::item("delete", hashOf(sSecond))}));
    const QList<Status> check = f.run(true, f.checkRequest("100", sim.portName()));
    QCOMPARE(check.last().sText, QString("{\"records\":\"1\",\"tracks\":\"0\",\"delete\":\"1\"}"));
    const QList<Status> queue = f.run(false, f.queueRequest("100", sim.portName(), false));
    QCOMPARE(codes(queue), QList<int>({68, 68, 68, 68, 63}));
    for (int i = 0; i < 4; ++i)
        QVERIFY(queue.at(i).sText.endsWith("\"tracks\":\"0\"}"));
    QCOMPARE(script.deletedIds(), QList<quint16>({1, 2}));
    QCOMPARE(f.tracks.requestCount(), 0);
}

void TestSyncWorker::checkFailures_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("returnText");
    QTest::newRow("http error") << int(FakeShareService::HTTP_500) << "";
    QTest::newRow("unreadable answer") << int(FakeShareService::GARBAGE) << "";
    QTest::newRow("soap fault") << int(FakeShareService::FAULT) << "x";
    QTest::newRow("error text") << int(FakeShareService::RETURN) << "ERROR:E0007";
    QTest::newRow("not a list") << int(FakeShareService::RETURN) << "SUCCESS";
}

void TestSyncWorker::checkFailures()
{
    QFETCH(int, kind);
    QFETCH(QString, returnText);
    SyncFixture f;
    f.service.setAnswer("getRouteSyncList", FakeShareService::Kind(kind), returnText);
    const QList<Status> check = f.run(true, f.checkRequest("500", f.sDrive));
    QCOMPARE(codes(check), QList<int>{SYNC_NETERROR});
    QCOMPARE(check.first().sText, QString());
}

void TestSyncWorker::missingTempFolder()
{
    SyncFixture f;
    QVERIFY(QDir(f.folders.tempDir()).removeRecursively());
    QVERIFY(TestFolders::writeFile(f.folders.tempDir(), "a file where the folder belongs"));
    QCOMPARE(codes(f.run(true, f.checkRequest("500", f.sDrive))), QList<int>{SYNC_NETERROR});
    QCOMPARE(f.server.requestCount(), 0);
}

void TestSyncWorker::oldCataloguesRemoved()
{
    SyncFixture f;
    QVERIFY(TestFolders::writeFile(f.folders.tempDir() + "/RCF.txt", "[{\"o_hash\":\"old\"}]"));
    QVERIFY(TestFolders::writeFile(f.folders.tempDir() + "/TCF.txt", "[{\"o_hash\":\"old\"}]"));
    const QList<Status> check = f.run(true, f.checkRequest("500", f.sDrive));
    QCOMPARE(check.first().sText, QString("{\"records\":\"0\",\"tracks\":\"0\",\"delete\":\"0\"}"));
    QVERIFY(!QFile::exists(f.folders.tempDir() + "/RCF.txt"));
    QVERIFY(!QFile::exists(f.folders.tempDir() + "/TCF.txt"));
    QVERIFY(f.server.lastRequest().body.contains("<RCFMetaData xsi:type=\"xsd:string\"></RCFMetaData>"));
}

void TestSyncWorker::notEnoughRoom_data()
{
    QTest::addColumn<qint64>("free");
    QTest::newRow("1 MB") << qint64(2 * 1024 * 1024 - 1);
    QTest::newRow("query failed") << qint64(-1);
}

void TestSyncWorker::notEnoughRoom()
{
    QFETCH(qint64, free);
    SyncFixture f;
    f.trackFiles.insert("a.gpx", "<gpx>a</gpx>");
    QVERIFY(WorkFile::writeRows(SyncScript::path(), {{"download", "t1", "A", f.tracks.url("/a.gpx")},
                                                     {"download", "t2", "B", f.tracks.url("/a.gpx")}}));
    f.volumes.setFreeSpace(free);
    const QList<Status> queue = f.run(false, f.queueRequest("500", f.sDrive, true));
    QCOMPARE(codes(queue), QList<int>({68, 67}));
    QCOMPARE(queue.last().sText, QString("true"));
    QList<WorkFile::Row> rows;
    QVERIFY(WorkFile::readRows(SyncScript::path(), &rows));
    QCOMPARE(rows.size(), 2);
    QVERIFY(!QFile::exists(f.sTracks + "/A.gpx"));
}

void TestSyncWorker::failedDownloadAndStop()
{
    SyncFixture f;
    f.trackAnswers.insert("gone.gpx", TestHttpServer::Answer::status(404));
    QVERIFY(WorkFile::writeRows(SyncScript::path(), {{"download", "t1", "Gone", f.tracks.url("/gone.gpx")}}));
    QCOMPARE(codes(f.run(false, f.queueRequest("500", f.sDrive, true))), QList<int>({68, 66}));
    QVERIFY(!QFile::exists(f.sTracks + "/Gone.gpx"));

    // Stopped in the middle of a track: the partial file goes, the line stays.
    f.trackAnswers.insert("big.gpx", TestHttpServer::Answer::ok(QByteArray(100000, 'x')).stalledAfter(1000));
    QVERIFY(WorkFile::writeRows(SyncScript::path(), {{"download", "t2", "Big", f.tracks.url("/big.gpx")}}));
    QPointer<SyncWorker> worker;
    f.run(false, f.queueRequest("500", f.sDrive, true), &worker);
    QTRY_VERIFY_WITH_TIMEOUT(f.tracks.requestCount() >= 4 && QFile::exists(f.sTracks + "/Big.gpx"), 20000);
    delete worker.data();
    QVERIFY(!QFile::exists(f.sTracks + "/Big.gpx"));
    QList<WorkFile::Row> rows;
    QVERIFY(WorkFile::readRows(SyncScript::path(), &rows));
    QCOMPARE(rows.size(), 1);
}

void TestSyncWorker::linesThatCannotRunAreDropped()
{
    SyncFixture f;
    const QString sRide = f.addRide("Profile1/r.gpx", rideGpx(15));
    const QString sHash = hashOf(sRide);
    f.service.setAnswer("getRouteSyncList", FakeShareService::RETURN,
                        list({SyncItems::item("upload", sHash)}));
    QCOMPARE(codes(f.run(true, f.checkRequest("500", f.sDrive))), QList<int>{61});
    QVERIFY(WorkFile::writeRows(SyncScript::path(), {{"upload", "unknown-hash"},
                                                     {"delete", "unknown-hash", "", ""},
                                                     {"rename", "x"},
                                                     {"download", "t", "x", "file:///etc/passwd"},
                                                     {"delete", sHash, "", ""}}));
    QList<Status> queue = f.run(false, f.queueRequest("500", f.sDrive, true));
    QCOMPARE(codes(queue), QList<int>({68, 68, 68, 68, 68, 68, 63}));
    QCOMPARE(queue.first().sText, progress(1, 1));
    QVERIFY(!QFile::exists(sRide)); // the delete line with a known hash did its work
    QCOMPARE(f.service.calls().size(), 1);

    // The catalogue still names the ride, but its file has gone since the check: logged, dropped, the
    // queue goes on without sending anything.
    QVERIFY(WorkFile::writeRows(SyncScript::path(), {{"upload", sHash}, {"upload", "x"}}));
    queue = f.run(false, f.queueRequest("500", f.sDrive, true));
    QCOMPARE(codes(queue), QList<int>({68, 68, 68, 63}));
    QCOMPARE(f.service.calls().size(), 1);
}

void TestSyncWorker::unusableWorkList()
{
    SyncFixture f;
    QVERIFY(QDir().mkpath(SyncScript::path()));
    QCOMPARE(codes(f.run(false, f.queueRequest("500", f.sDrive, true))), QList<int>{SYNC_NETERROR});
    QVERIFY(QDir(SyncScript::path()).removeRecursively());
    // No list at all is an empty one.
    QCOMPARE(codes(f.run(false, f.queueRequest("500", f.sDrive, true))), QList<int>({68, 63}));
    QVERIFY(QFile::exists(SyncScript::path()));
}

void TestSyncWorker::stopDuringSerialCheck()
{
    SyncFixture f;
    SerialDeviceSim sim;
    QVERIFY(sim.start());
    SerialRideScript script(sim);
    // A long ride on a slow line: left alone, its download would run for many seconds.
    SerialRideScript::Ride ride;
    ride.nId = 1;
    SerialRideScript::Point point;
    point.nLat = 1000000;
    point.nLon = 2000000;
    for (int i = 0; i < 200; ++i)
        ride.points.append(point);
    ride.laps = {{0, 199}};
    script.setPointsPerFrame(1);
    script.setBaud(9600);
    script.addRide(ride);
    QPointer<SyncWorker> worker;
    f.run(true, f.checkRequest("100", sim.portName()), &worker);
    QTRY_VERIFY_WITH_TIMEOUT(sim.frameCount(0x81) >= 2, 20000);
    delete worker.data();
    // The download stopped at its next frame: the worker did not wait for the ride to come in whole.
    QVERIFY2(sim.frameCount(0x81) < 100, QByteArray::number(sim.frameCount(0x81)).constData());
    QCoreApplication::processEvents();
    QVERIFY(f.statuses.isEmpty());
    QCOMPARE(f.server.requestCount(), 0);
    QVERIFY(!QFile::exists(f.folders.tempDir() + "/20120315083005.gpx"));
}

void TestSyncWorker::trackFileNames()
{
    TestFolders folders;
    const QString sDrive = folders.dataPath("d/");
    // A drive that is gone is not made again as a folder of the computer.
    QCOMPARE(SyncWorker::trackFileName(sDrive, "a/b:c*d"), QString());
    QVERIFY(!QFileInfo::exists(sDrive));
    QVERIFY(QDir().mkpath(sDrive));
    QCOMPARE(SyncWorker::trackFileName(sDrive, "a/b:c*d"), sDrive + "Korvo/Tracks/a_b_c_d.gpx");
    QVERIFY(TestFolders::writeFile(sDrive + "Korvo/Tracks/a_b_c_d.gpx", "1"));
    QCOMPARE(SyncWorker::trackFileName(sDrive, "a/b:c*d"), sDrive + "Korvo/Tracks/a_b_c_d_(1).gpx");
    QVERIFY(TestFolders::writeFile(sDrive + "Korvo/Tracks/A_B_C_D_(1).GPX", "1"));
    QCOMPARE(SyncWorker::trackFileName(sDrive, "a/b:c*d"), sDrive + "Korvo/Tracks/a_b_c_d_(2).gpx");
    // Without a drive there is no name, and nothing is made below "/".
    const bool bRootHadTracks = QFileInfo::exists("/Korvo/Tracks");
    QCOMPARE(SyncWorker::trackFileName(QString(), "x"), QString());
    QCOMPARE(QFileInfo::exists("/Korvo/Tracks"), bRootHadTracks);
    QCOMPARE(SyncWorker::trackFileName(sDrive, "..\\x\n\"y\"<z>|?"),
             sDrive + "Korvo/Tracks/.._x__y__z___.gpx");
}

void TestSyncWorker::routeStaysOnTheDrive_data()
{
    QTest::addColumn<QString>("entry");  // below the drive
    QTest::addColumn<QString>("target"); // below the computer's folder; "" for the folder itself
    QTest::addColumn<QString>("landed"); // below the drive; "" when the route is not written
    QTest::newRow("Korvo links to a computer folder") << "Korvo"
                                                      << ""
                                                      << "";
    QTest::newRow("Korvo/Tracks links to a computer folder") << "Korvo/Tracks"
                                                             << ""
                                                             << "";
    // The name is taken: the route goes to the next free one instead of the file the link names.
    QTest::newRow("the route's name is a dangling link") << "Korvo/Tracks/A.gpx"
                                                         << "new.gpx"
                                                         << "Korvo/Tracks/A_(1).gpx";
}

// A route from the service is written onto the device only: the device's links lead nowhere else.
void TestSyncWorker::routeStaysOnTheDrive()
{
    QFETCH(QString, entry);
    QFETCH(QString, target);
    QFETCH(QString, landed);
    SyncFixture f;
    QTemporaryDir computer;
    QVERIFY(TestFolders::writeFile(computer.path() + "/.profile", "PATH=/usr/bin\n"));
    QVERIFY(QDir().mkpath(QFileInfo(f.sDrive + entry).path()));
    QVERIFY(QFile::link(computer.path() + (target.isEmpty() ? "" : "/" + target), f.sDrive + entry));
    f.trackFiles.insert("a.gpx", "<gpx>a</gpx>");
    QVERIFY(WorkFile::writeRows(SyncScript::path(), {{"download", "t1", "A", f.tracks.url("/a.gpx")}}));
    const QList<Status> queue = f.run(false, f.queueRequest("500", f.sDrive, true));
    QCOMPARE(codes(queue).last(), landed.isEmpty() ? int(SYNC_NETERROR) : int(SYNC_SUCCESS));
    QCOMPARE(QDir(computer.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{".profile"});
    QCOMPARE(TestFolders::readFile(computer.path() + "/.profile"), QByteArray("PATH=/usr/bin\n"));
    if (!landed.isEmpty())
        QCOMPARE(TestFolders::readFile(f.sDrive + landed), QByteArray("<gpx>a</gpx>"));
}

QTEST_MAIN(TestSyncWorker)
#include "tst_syncworker.moc"
