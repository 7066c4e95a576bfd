#include "SyncFixture.h"
#include "SyncItems.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "core/WorkFile.h"
#include "platform/Platform.h"
#include "support/DriveTree.h"
#include "support/FakeShareService.h"
#include "support/FakeVolumeInfo.h"
#include "support/SerialDeviceSim.h"
#include "support/SerialRideScript.h"
#include "support/SmallVolume.h"
#include "support/TestFolders.h"
#include "support/TestHttpServer.h"
#include "sync/SyncCatalogue.h"
#include "sync/SyncLeftBehind.h"
#include "sync/SyncScript.h"
#include "sync/SyncWorker.h"

#include <QPointer>
#include <QtTest>

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
    void leftListThatCannotBeStarted();
    void notEnoughRoom_data();
    void notEnoughRoom();
    void failedDownloadAndStop();
    void linesThatCannotRunAreDropped();
    void unusableWorkList();
    void stopDuringSerialCheck();
    void trackFileNames();
    void routeStaysOnTheDrive_data();
    void routeStaysOnTheDrive();
    void refusedUploadsLeaveTheRides_data();
    void refusedUploadsLeaveTheRides();
    void longRouteTitles();
    void routesThatCannotBeWritten();
    void companionsOfTheDeletedRideOnly_data();
    void companionsOfTheDeletedRideOnly();
    void driveUnpluggedMidUpload();
    void driveUnpluggedMidRoute();
    void workFilesReplacedByLinks_data();
    void workFilesReplacedByLinks();
    void computerDiskFull_data();
    void computerDiskFull();
    void deviceFillsDuringARoute();

private:
    static QList<int> codes(const QList<Status>& statuses);
    static QStringList entries(const QString& sFolder);
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
    // An answer that does not confirm the upload keeps the ride and names it: the end says the upload
    // was refused. Only a transfer that failed is an Internet failure.
    QTest::newRow("error text") << int(FakeShareService::RETURN) << "ERROR:E0008" << false << false << 62;
    // Only a text starting "SUCCESS:" confirms the upload; any other answer keeps the ride.
    for (const char* szText : {"SUCCESS", "OK", "S0001", "success:S0001"})
        QTest::newRow(szText) << int(FakeShareService::RETURN) << szText << false << false << 62;
    QTest::newRow("soap fault") << int(FakeShareService::FAULT) << "denied" << false << false << 62;
    QTest::newRow("unreadable") << int(FakeShareService::GARBAGE) << "" << false << false << 62;
    QTest::newRow("no return") << int(FakeShareService::NO_RETURN) << "" << false << false << 62;
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
    QCOMPARE(rows.size(), final == 66 ? 1 : 0); // a failed transfer stays in the list
    QCOMPARE(f.leftBehind(), final == 62 ? 1 : 0);
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

// A list of things left behind that cannot be started afresh cannot name what this check leaves: the
// check must not go on as if nothing were left.
void TestSyncWorker::leftListThatCannotBeStarted()
{
    SyncFixture f;
    f.addRide("Profile1/bad.gpx", "not a track");
    const QString sList = f.folders.tempDir() + "/SyncLeft.script";
    QVERIFY(TestFolders::writeFile(sList + "/in the way", "x")); // a folder where the list belongs
    const QList<Status> check = f.run(true, f.checkRequest("500", f.sDrive));
    QCOMPARE(codes(check), QList<int>{SYNC_NETERROR});
    QCOMPARE(f.server.requestCount(), 0);
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

    QVERIFY(!QFile::exists(f.sTracks + "/.Gone.gpx.part"));

    // Stopped in the middle of a track: it was written under a hidden temporary name, never under its
    // own; the partial file goes, the line stays.
    f.trackAnswers.insert("big.gpx", TestHttpServer::Answer::ok(QByteArray(100000, 'x')).stalledAfter(1000));
    QVERIFY(WorkFile::writeRows(SyncScript::path(), {{"download", "t2", "Big", f.tracks.url("/big.gpx")}}));
    QPointer<SyncWorker> worker;
    f.run(false, f.queueRequest("500", f.sDrive, true), &worker);
    const QString sPart = f.sTracks + "/.Big.gpx.part";
    QTRY_VERIFY_WITH_TIMEOUT(f.tracks.requestCount() >= 4 && QFileInfo(sPart).size() == 1000, 20000);
    QVERIFY(!QFile::exists(f.sTracks + "/Big.gpx"));
    // The next check does not take the temporary file for a route, so the route is fetched again.
    QStringList lstRoutes;
    SyncCatalogue::listGpxFiles(f.sTracks, lstRoutes);
    QCOMPARE(lstRoutes, QStringList());
    delete worker.data();
    QVERIFY(!QFile::exists(f.sTracks + "/Big.gpx"));
    QVERIFY(!QFile::exists(sPart));
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
    // What could not run is named and the end says the sync is partial (a delete of a ride that is not
    // there has nothing left to do).
    QCOMPARE(codes(queue), QList<int>({68, 68, 68, 68, 68, 68, 65}));
    QCOMPARE(queue.first().sText, progress(1, 1));
    QVERIFY(!QFile::exists(sRide)); // the delete line with a known hash did its work
    QCOMPARE(f.service.calls().size(), 1);
    QCOMPARE(f.leftBehind(), 3);

    // The catalogue still names the ride, but its file has gone since the check: logged, dropped, the
    // queue goes on without sending anything.
    QVERIFY(SyncLeftBehind(f.folders.tempDir()).reset()); // as a new check does
    QVERIFY(WorkFile::writeRows(SyncScript::path(), {{"upload", sHash}, {"upload", "x"}}));
    queue = f.run(false, f.queueRequest("500", f.sDrive, true));
    QCOMPARE(codes(queue), QList<int>({68, 68, 68, 65}));
    QCOMPARE(f.service.calls().size(), 1);
    QCOMPARE(f.leftBehind(), 2);
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
    // A route that cannot be written is left behind: the sync is partial.
    QCOMPARE(codes(queue).last(), landed.isEmpty() ? int(SYNC_PARTIALERROR) : int(SYNC_SUCCESS));
    QCOMPARE(QDir(computer.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{".profile"});
    QCOMPARE(TestFolders::readFile(computer.path() + "/.profile"), QByteArray("PATH=/usr/bin\n"));
    if (!landed.isEmpty())
        QCOMPARE(TestFolders::readFile(f.sDrive + landed), QByteArray("<gpx>a</gpx>"));
}

QStringList TestSyncWorker::entries(const QString& sFolder)
{
    QStringList lstNames = QDir(sFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    lstNames.sort();
    return lstNames;
}

void TestSyncWorker::refusedUploadsLeaveTheRides_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("returnText");
    QTest::addColumn<bool>("unknownRide"); // the list also names a ride the catalogue does not hold
    QTest::addColumn<bool>("checkLeft");   // the check left a ride behind
    QTest::addColumn<int>("final");
    QTest::newRow("every upload refused")
        << int(FakeShareService::RETURN) << "ERROR:E0008" << false << false << 62;
    QTest::newRow("no return element") << int(FakeShareService::NO_RETURN) << "" << false << false << 62;
    QTest::newRow("OK") << int(FakeShareService::RETURN) << "OK" << false << false << 62;
    QTest::newRow("refused, and a ride not found")
        << int(FakeShareService::RETURN) << "ERROR:E0008" << true << false << 65;
    QTest::newRow("refused, and the check left a ride")
        << int(FakeShareService::RETURN) << "ERROR:E0008" << false << true << 65;
    QTest::newRow("confirmed, but the check left a ride")
        << int(FakeShareService::RETURN) << "SUCCESS:S0001" << false << true << 65;
    QTest::newRow("confirmed") << int(FakeShareService::RETURN) << "SUCCESS:S0001" << false << false << 63;
}

// An upload the service does not confirm keeps its ride on the device and the queue goes on with the
// other rides and the routes; the end says what was left, never success and never "no Internet".
void TestSyncWorker::refusedUploadsLeaveTheRides()
{
    QFETCH(int, kind);
    QFETCH(QString, returnText);
    QFETCH(bool, unknownRide);
    QFETCH(bool, checkLeft);
    QFETCH(int, final);
    SyncFixture f;
    const QString sFirst = f.addRide("Profile1/first.gpx", rideGpx(15));
    const QString sSecond = f.addRide("Profile1/second.gpx", rideGpx(16));
    const QByteArray bin("\x01\x02 companion");
    const QString sBin = f.addRide("Profile1/first.bin", bin);
    f.trackFiles.insert("plain.gpx", "<gpx>plain</gpx>");
    f.service.setAnswer(
        "getRouteSyncList", FakeShareService::RETURN,
        list({SyncItems::item("upload", hashOf(sFirst)), SyncItems::item("upload", hashOf(sSecond)),
              SyncItems::item("download", "t1", "h3plain", f.tracks.url("/plain.gpx"))}));
    QCOMPARE(codes(f.run(true, f.checkRequest("500", f.sDrive))), QList<int>{61});
    if (unknownRide)
        QVERIFY(WorkFile::appendRow(SyncScript::path(), {"upload", "no-such-hash"}));
    if (checkLeft)
        QVERIFY(SyncLeftBehind(f.folders.tempDir()).add("20120315083005.gpx", "not fetched whole"));
    f.service.setAnswer("uploadRec", FakeShareService::Kind(kind), returnText);

    const QList<Status> queue = f.run(false, f.queueRequest("500", f.sDrive, false));
    QCOMPARE(queue.last().nStatus, final);
    QCOMPARE(queue.last().sText, QString());
    int nUploads = 0;
    for (const FakeShareService::Call& call : f.service.calls())
        nUploads += call.sOperation == "uploadRec" ? 1 : 0;
    QCOMPARE(nUploads, 2);
    // The route after the refused rides came all the same.
    QCOMPARE(TestFolders::readFile(f.sTracks + "/h3plain.gpx"), QByteArray("<gpx>plain</gpx>"));
    const bool bConfirmed = returnText.startsWith("SUCCESS:");
    QCOMPARE(QFile::exists(sFirst), !bConfirmed);
    QCOMPARE(QFile::exists(sBin), !bConfirmed);
    if (!bConfirmed) {
        QCOMPARE(TestFolders::readFile(sFirst), rideGpx(15));
        QCOMPARE(TestFolders::readFile(sSecond), rideGpx(16));
        QCOMPARE(TestFolders::readFile(sBin), bin);
    }
    QList<WorkFile::Row> rows;
    QVERIFY(WorkFile::readRows(SyncScript::path(), &rows));
    QVERIFY(rows.isEmpty());
    QCOMPARE(f.leftBehind(), (bConfirmed ? 0 : 2) + (unknownRide ? 1 : 0) + (checkLeft ? 1 : 0));
}

// A title too long for a file name is cut in whole characters; the route after it still comes.
void TestSyncWorker::longRouteTitles()
{
    SyncFixture f;
    const QString sLong(90, QChar(0x4E2D)); // 270 bytes of UTF-8
    f.trackFiles.insert("long.gpx", "<gpx>long</gpx>");
    f.trackFiles.insert("plain.gpx", "<gpx>plain</gpx>");
    QVERIFY(
        WorkFile::writeRows(SyncScript::path(), {{"download", "t1", sLong, f.tracks.url("/long.gpx")},
                                                 {"download", "t2", sLong, f.tracks.url("/long.gpx")},
                                                 {"download", "t3", "h3plain", f.tracks.url("/plain.gpx")}}));
    QCOMPARE(codes(f.run(false, f.queueRequest("500", f.sDrive, true))), QList<int>({68, 68, 68, 68, 63}));
    const QString sFirst = QString(83, QChar(0x4E2D)) + ".gpx";      // 253 bytes
    const QString sSecond = QString(82, QChar(0x4E2D)) + "_(1).gpx"; // 254 bytes
    QCOMPARE(entries(f.sTracks), QStringList({"h3plain.gpx", sSecond, sFirst}));
    QCOMPARE(TestFolders::readFile(f.sTracks + "/" + sFirst), QByteArray("<gpx>long</gpx>"));
    QCOMPARE(TestFolders::readFile(f.sTracks + "/" + sSecond), QByteArray("<gpx>long</gpx>"));
    QCOMPARE(TestFolders::readFile(f.sTracks + "/h3plain.gpx"), QByteArray("<gpx>plain</gpx>"));

    // Four-byte characters stay whole; a name that fits stays as it is.
    const QString sFace = QString::fromUtf8("\xF0\x9F\x98\x80");
    QCOMPARE(SyncWorker::trackFileName(f.sDrive, sFace.repeated(70)),
             f.sTracks + "/" + sFace.repeated(62) + ".gpx");
    const QString sFits = QString(251, 'a');
    QCOMPARE(SyncWorker::trackFileName(f.sDrive, sFits), f.sTracks + "/" + sFits + ".gpx");
    QVERIFY(SyncWorker::partFileName(f.sTracks + "/" + sFits + ".gpx").toUtf8().size() -
                f.sTracks.toUtf8().size() - 1 <=
            255);
}

// A route that cannot be written (here: its temporary name is held by a folder the agent did not make) is
// skipped and named; the routes after it come, and the end is partial.
void TestSyncWorker::routesThatCannotBeWritten()
{
    SyncFixture f;
    f.trackFiles.insert("plain.gpx", "<gpx>plain</gpx>");
    QVERIFY(TestFolders::writeFile(f.sTracks + "/.Blocked.gpx.part/inside", "the user's"));
    QVERIFY(
        WorkFile::writeRows(SyncScript::path(), {{"download", "t1", "Blocked", f.tracks.url("/plain.gpx")},
                                                 {"download", "t2", "h3plain", f.tracks.url("/plain.gpx")}}));
    const QList<Status> queue = f.run(false, f.queueRequest("500", f.sDrive, true));
    QCOMPARE(codes(queue), QList<int>({68, 68, 68, 65}));
    QCOMPARE(TestFolders::readFile(f.sTracks + "/h3plain.gpx"), QByteArray("<gpx>plain</gpx>"));
    QCOMPARE(TestFolders::readFile(f.sTracks + "/.Blocked.gpx.part/inside"), QByteArray("the user's"));
    QVERIFY(!QFile::exists(f.sTracks + "/Blocked.gpx"));
    QCOMPARE(f.leftBehind(), 1);
}

void TestSyncWorker::companionsOfTheDeletedRideOnly_data()
{
    QTest::addColumn<QStringList>("files"); // in Profile1; the ".gpx" ones are rides
    QTest::addColumn<QString>("uploaded");
    QTest::addColumn<QStringList>("gone");
    QTest::addColumn<bool>("image"); // on an ext4 image rather than a plain folder
    for (const bool bImage : {false, true}) {
        const QByteArray on = bImage ? ", ext4" : ", folder";
        QTest::newRow("another ride in another case" + on)
            << QStringList({"Ride.gpx", "ride.gpx", "ride.bin", "ride.fit"}) << "Ride.gpx"
            << QStringList({"Ride.gpx"}) << bImage;
        QTest::newRow("own companions beside another ride's" + on)
            << QStringList({"Ride.gpx", "Ride.bin", "Ride.fit", "ride.gpx", "ride.bin", "ride.fit"})
            << "Ride.gpx" << QStringList({"Ride.gpx", "Ride.bin", "Ride.fit"}) << bImage;
        QTest::newRow("companions in another case, no other ride" + on)
            << QStringList({"Ride.gpx", "RIDE.BIN", "ride.fit", "other.bin"}) << "Ride.gpx"
            << QStringList({"Ride.gpx", "RIDE.BIN", "ride.fit"}) << bImage;
    }
}

// Deleting an uploaded ride removes its own companions, never those of another ride whose name differs
// only in letter case (a case-sensitive volume holds both).
void TestSyncWorker::companionsOfTheDeletedRideOnly()
{
    QFETCH(QStringList, files);
    QFETCH(QString, uploaded);
    QFETCH(QStringList, gone);
    QFETCH(bool, image);
    SyncFixture f;
    DriveTree tree;
    QMap<QString, QByteArray> contents;
    int nDay = 10;
    for (const QString& sName : files)
        contents.insert(sName, sName.endsWith(".gpx") ? rideGpx(++nDay) : sName.toUtf8());
    for (const QString& sName : files) {
        if (image)
            QVERIFY(tree.writeFile("Korvo/Tracks/Profile1/" + sName, contents.value(sName)));
        else
            f.addRide("Profile1/" + sName, contents.value(sName));
    }
    if (image) {
        QString sWhy;
        if (!tree.makeImage(&sWhy) || !tree.mountImage(&sWhy))
            QSKIP(qPrintable("no ext4 image: " + sWhy));
        f.useDrive(tree.root());
    }
    const QString sFolder = f.sTracks + "/Profile1/";
    f.service.setAnswer("getRouteSyncList", FakeShareService::RETURN,
                        list({SyncItems::item("upload", hashOf(sFolder + uploaded))}));
    QCOMPARE(codes(f.run(true, f.checkRequest("500", f.sDrive))), QList<int>{61});
    QCOMPARE(f.run(false, f.queueRequest("500", f.sDrive, false)).last().nStatus, int(SYNC_SUCCESS));
    for (const QString& sName : files) {
        QCOMPARE(QFile::exists(sFolder + sName), !gone.contains(sName));
        if (!gone.contains(sName))
            QCOMPARE(TestFolders::readFile(sFolder + sName), contents.value(sName));
    }
}

// The data drive pulled while a ride goes up: the rides not reached stay on the device as they were,
// nothing is written into the empty mount folder, and the end is partial.
void TestSyncWorker::driveUnpluggedMidUpload()
{
    SyncFixture f;
    DriveTree tree;
    for (int i = 1; i <= 3; ++i)
        QVERIFY(tree.writeFile(QString("Korvo/Tracks/Profile1/r%1.gpx").arg(i), rideGpx(10 + i)));
    QString sWhy;
    if (!tree.makeImage(&sWhy) || !tree.mountImage(&sWhy))
        QSKIP(qPrintable("no ext4 image: " + sWhy));
    const QString sRoot = tree.root();
    f.useDrive(sRoot);
    const QString sRides = f.sTracks + "/Profile1/";
    f.trackFiles.insert("plain.gpx", "<gpx>plain</gpx>");
    f.service.setAnswer("getRouteSyncList", FakeShareService::RETURN,
                        list({SyncItems::item("upload", hashOf(sRides + "r1.gpx")),
                              SyncItems::item("upload", hashOf(sRides + "r2.gpx")),
                              SyncItems::item("upload", hashOf(sRides + "r3.gpx")),
                              SyncItems::item("download", "t1", "h3plain", f.tracks.url("/plain.gpx"))}));
    QCOMPARE(codes(f.run(true, f.checkRequest("500", f.sDrive))), QList<int>{61});
    bool bPulled = false;
    f.service.setCallObserver([&](const FakeShareService::Call& call) {
        if (call.sOperation != "uploadRec" || bPulled)
            return;
        bPulled = true;
        f.volumes.removeVolume(sRoot);
        tree.unmountImage();
    });
    const QList<Status> queue = f.run(false, f.queueRequest("500", f.sDrive, false));
    QVERIFY(bPulled);
    QCOMPARE(queue.last().nStatus, int(SYNC_PARTIALERROR));
    QCOMPARE(f.service.calls().size(), 2); // the check and the one upload under way
    QCOMPARE(entries(tree.mountPoint()), QStringList());
    QCOMPARE(f.leftBehind(), 3); // two rides and the route
    QVERIFY(tree.mountImage(&sWhy));
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(TestFolders::readFile(sRides + QString("r%1.gpx").arg(i)), rideGpx(10 + i));
    QCOMPARE(entries(f.sTracks), QStringList({"Profile1"}));
}

// The data drive pulled while a route comes in: no route on the device looks finished, the routes after
// it are not written anywhere, and the end is partial.
void TestSyncWorker::driveUnpluggedMidRoute()
{
    SyncFixture f;
    DriveTree tree;
    QVERIFY(tree.writeFile("Korvo/Tracks/old.gpx", "<gpx>old</gpx>"));
    QString sWhy;
    if (!tree.makeImage(&sWhy) || !tree.mountImage(&sWhy))
        QSKIP(qPrintable("no ext4 image: " + sWhy));
    const QString sRoot = tree.root();
    f.useDrive(sRoot);
    // Long enough for the test to pull the drive between its first and its last piece.
    f.trackAnswers.insert("slow.gpx",
                          TestHttpServer::Answer::ok(QByteArray(300 * 1000, 'x')).trickled(1000, 20));
    f.trackFiles.insert("plain.gpx", "<gpx>plain</gpx>");
    QVERIFY(
        WorkFile::writeRows(SyncScript::path(), {{"download", "t1", "Slow", f.tracks.url("/slow.gpx")},
                                                 {"download", "t2", "h3plain", f.tracks.url("/plain.gpx")}}));
    QPointer<SyncWorker> worker;
    f.run(false, f.queueRequest("500", f.sDrive, true), &worker);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(f.sTracks + "/.Slow.gpx.part").size() > 0, 20000);
    f.volumes.removeVolume(sRoot);
    QVERIFY(tree.unmountImage());
    QTRY_VERIFY_WITH_TIMEOUT(f.bDone, 30000);
    QCOMPARE(codes(f.statuses).last(), int(SYNC_PARTIALERROR));
    QTRY_VERIFY(worker.isNull());
    QCOMPARE(entries(tree.mountPoint()), QStringList());
    QCOMPARE(f.leftBehind(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(tree.mountImage(&sWhy), 20000); // once the pulled volume is let go
    QStringList lstRoutes;
    SyncCatalogue::listGpxFiles(f.sTracks, lstRoutes);
    QCOMPARE(lstRoutes, QStringList({f.sTracks + "/old.gpx"}));
    QCOMPARE(TestFolders::readFile(f.sTracks + "/old.gpx"), QByteArray("<gpx>old</gpx>"));
    for (const QString& sName : entries(f.sTracks))
        QVERIFY2(sName == "old.gpx" || sName.startsWith('.'), qPrintable(sName));
}

void TestSyncWorker::workFilesReplacedByLinks_data()
{
    QTest::addColumn<QString>("name"); // below the data folder
    QTest::addColumn<QString>("when"); // the link is made before the "check" or the "queue"
    QTest::addColumn<bool>("serial");
    const QList<QStringList> rows = {
        {"temp/Sync.xml", "check"},         {"temp/RCF.txt", "check"},
        {"temp/TCF.txt", "check"},          {"temp/SyncLeft.script", "check"},
        {"temp/syncwork.xml", "check"},     {"temp/Sync.script", "check"},
        {"WendoAgent.log", "check"},        {"temp/Sync.script", "queue"},
        {"temp/SyncLeft.script", "queue"},  {"temp/syncwork.xml", "queue"},
        {"WendoAgent.log", "queue"},        {"temp/20120315083005.gpx", "check", "serial"},
        {"temp/RCF.txt", "check", "serial"}};
    for (const QStringList& row : rows) {
        for (const char* szTarget : {"an existing file", "a dangling link"}) {
            QTest::addRow("%s before the %s%s, %s", qPrintable(row.at(0)), qPrintable(row.at(1)),
                          row.size() > 2 ? " (serial)" : "", szTarget)
                << row.at(0) << row.at(1) << (row.size() > 2);
        }
    }
}

// Every file the sync writes below the data folder replaces whatever stands under its name: a link left
// there, to a file elsewhere or to none yet, is never written through, and the sync goes on to its one end.
void TestSyncWorker::workFilesReplacedByLinks()
{
    QFETCH(QString, name);
    QFETCH(QString, when);
    QFETCH(bool, serial);
    const bool bDangling = QString(QTest::currentDataTag()).endsWith("a dangling link");
    SyncFixture f;
    QVERIFY(TestFolders::writeFile(f.folders.dataPath("msg.ini"), "[DEBUG]\nLOG_LEVEL=2\n"));
    DebugLog::init(f.folders.dataDir());
    QTemporaryDir outside;
    const QString sTarget = outside.path() + "/elsewhere";
    const QByteArray original = "someone else's file\n";
    if (!bDangling)
        QVERIFY(TestFolders::writeFile(sTarget, original));
    const QString sLink = f.folders.dataPath(name);
    auto placeLink = [&] {
        QFile::remove(sLink);
        return QFile::link(sTarget, sLink);
    };

    QString sCheck;
    QScopedPointer<SerialDeviceSim> pSim;
    QScopedPointer<SerialRideScript> pScript;
    QString sRide;
    if (serial) {
        pSim.reset(new SerialDeviceSim);
        QVERIFY(pSim->start());
        pScript.reset(new SerialRideScript(*pSim));
        SerialRideScript::Ride ride;
        ride.header.nDuration = 100;
        SerialRideScript::Point point;
        point.nLat = 1000000;
        point.nLon = 2000000;
        ride.points = {point};
        ride.laps = {{0, 0}};
        ride.nId = 1;
        pScript->addRide(ride);
        sCheck = f.checkRequest("100", pSim->portName());
    } else {
        // A ride to upload (its upload is refused, so the queue names it), one left behind by the check,
        // and a route, so every work file of the check and the queue is written.
        sRide = f.addRide("Profile1/r.gpx", rideGpx(15));
        f.addRide("Profile1/bad.gpx", "not a track");
        f.addRide("Route.gpx", "<gpx><trk><name>r</name></trk></gpx>");
        f.service.setAnswer("getRouteSyncList", FakeShareService::RETURN,
                            list({SyncItems::item("upload", hashOf(sRide))}));
        f.service.setAnswer("uploadRec", FakeShareService::RETURN, "ERROR:E0008");
        sCheck = f.checkRequest("500", f.sDrive);
    }
    if (when == "check")
        QVERIFY(placeLink());
    QCOMPARE(codes(f.run(true, sCheck)), QList<int>{SYNC_CHECKSUCCESS});
    if (!serial) {
        if (when == "queue")
            QVERIFY(placeLink());
        // What the link stood for is gone (a list read as nothing, a foreign text as a line of no kind),
        // so the end may be partial in more than one way; but it is one end, after the progress.
        QList<int> queue = codes(f.run(false, f.queueRequest("500", f.sDrive, false)));
        const int nFinal = queue.takeLast();
        QVERIFY2(nFinal == SYNC_PARTIALERROR || nFinal == SYNC_UPLOADERROR,
                 qPrintable(QString::number(nFinal)));
        QVERIFY(!queue.isEmpty());
        QCOMPARE(queue.count(SYNC_PROCESS), queue.size());
        QVERIFY(QFile::exists(sRide));
    }
    DebugLog::shutdown();
    // The envelope copy holds the session and the e-mail: readable by its owner alone.
    const QFile::Permissions others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    if (name == "temp/Sync.xml")
        QCOMPARE(QFile::permissions(sLink) & others, QFile::Permissions());
    if (bDangling) {
        QVERIFY2(!QFileInfo::exists(sTarget), "the dangling link's target was created");
    } else {
        QCOMPARE(TestFolders::readFile(sTarget), original);
    }
    QCOMPARE(QDir(outside.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
             bDangling ? QStringList() : QStringList{"elsewhere"});
}

void TestSyncWorker::computerDiskFull_data()
{
    QTest::addColumn<QString>("phase");    // "check" or "queue": the one that meets the full disk
    QTest::addColumn<int>("freeBlocks");   // left on the data folder's "temp" when it runs
    QTest::addColumn<bool>("freshAnswer"); // the check's answer file is gone, so the upload's needs room
    QTest::addColumn<bool>("kept");
    QTest::addColumn<int>("uploads"); // the service received them before the end
    QTest::newRow("check: the catalogue") << "check" << 0 << false << false << 0;
    QTest::newRow("check: the service's answer") << "check" << 2 << false << false << 0;
    QTest::newRow("queue: the upload's answer") << "queue" << 0 << true << false << 1;
    QTest::newRow("queue: the work list") << "queue" << 0 << false << true << 1;
}

// The data folder's "temp" fills during a sync: the end says the computer's disk is full, not that the
// Internet failed. Nothing is lost: no ride leaves the device unless the service's confirmation was kept,
// the line stays in the work list, and once there is room again the sync goes through.
void TestSyncWorker::computerDiskFull()
{
    QFETCH(QString, phase);
    QFETCH(int, freeBlocks);
    QFETCH(bool, freshAnswer);
    QFETCH(bool, kept);
    QFETCH(int, uploads);
    SyncFixture f;
    SmallVolume volume(SmallVolume::TMPFS, f.folders.tempDir());
    QString sWhy;
    if (!volume.mount(&sWhy))
        QSKIP(qPrintable("no volume can be mounted here: " + sWhy));
    // Two rides: the list that is left after the first line is not empty, so rewriting it takes room.
    const QString sRide = f.addRide("Profile1/r.gpx", rideGpx(15));
    const QString sSecond = f.addRide("Profile1/s.gpx", rideGpx(16));
    f.service.setAnswer(
        "getRouteSyncList", FakeShareService::RETURN,
        list({SyncItems::item("upload", hashOf(sRide)), SyncItems::item("upload", hashOf(sSecond))}));
    auto uploadCount = [&f] { return f.service.calls("uploadRec").size(); };

    if (phase == "check") {
        QVERIFY2(volume.fillLeaving(freeBlocks, &sWhy), qPrintable(sWhy));
        QCOMPARE(codes(f.run(true, f.checkRequest("500", f.sDrive))), QList<int>{SYNC_DISKFULL});
        QVERIFY(volume.makeRoom());
        QCOMPARE(codes(f.run(true, f.checkRequest("500", f.sDrive))), QList<int>{SYNC_CHECKSUCCESS});
    } else {
        QCOMPARE(codes(f.run(true, f.checkRequest("500", f.sDrive))), QList<int>{SYNC_CHECKSUCCESS});
        if (freshAnswer)
            QVERIFY(QFile::remove(f.folders.tempDir() + "/syncwork.xml"));
        QVERIFY2(volume.fillLeaving(freeBlocks, &sWhy), qPrintable(sWhy));
        const QList<int> queue = codes(f.run(false, f.queueRequest("500", f.sDrive, kept)));
        QCOMPARE(queue, QList<int>({SYNC_PROCESS, SYNC_DISKFULL}));
        QCOMPARE(uploadCount(), uploads);
        QVERIFY(QFile::exists(sRide) && QFile::exists(sSecond));
        QList<WorkFile::Row> rows;
        QVERIFY(WorkFile::readRows(SyncScript::path(), &rows));
        QCOMPARE(rows.size(), 2); // the line stays for the next sync
        QVERIFY(volume.makeRoom());
    }
    QCOMPARE(uploadCount(), uploads);
    const QList<int> queue = codes(f.run(false, f.queueRequest("500", f.sDrive, false)));
    QCOMPARE(queue, QList<int>({SYNC_PROCESS, SYNC_PROCESS, SYNC_PROCESS, SYNC_SUCCESS}));
    QCOMPARE(uploadCount(), uploads + 2);
    QVERIFY(!QFile::exists(sRide) && !QFile::exists(sSecond)); // confirmed this time, and not kept
}

// The device's drive said it had room, but the route does not fit: that is the device's full memory, not a
// failure of the Internet. The line stays, and no part of the route is left on the device.
void TestSyncWorker::deviceFillsDuringARoute()
{
    SyncFixture f;
    SmallVolume drive(SmallVolume::TMPFS);
    QString sWhy;
    if (!drive.mount(&sWhy))
        QSKIP(qPrintable("no volume can be mounted here: " + sWhy));
    f.useDrive(drive.path() + "/");
    QVERIFY(QDir().mkpath(f.sTracks));
    QVERIFY2(drive.fillLeaving(1, &sWhy), qPrintable(sWhy));
    f.trackFiles.insert("big.gpx", QByteArray(64 * 1024, 'x'));
    QVERIFY(WorkFile::writeRows(SyncScript::path(), {{"download", "t1", "Big", f.tracks.url("/big.gpx")}}));
    const QList<Status> queue = f.run(false, f.queueRequest("500", f.sDrive, true));
    QCOMPARE(codes(queue), QList<int>({SYNC_PROCESS, SYNC_SIZENOTENOUGH}));
    QCOMPARE(queue.last().sText, QString("true"));
    QList<WorkFile::Row> rows;
    QVERIFY(WorkFile::readRows(SyncScript::path(), &rows));
    QCOMPARE(rows.size(), 1);
    QTRY_COMPARE(entries(f.sTracks), QStringList());
}

QTEST_MAIN(TestSyncWorker)
#include "tst_syncworker.moc"
