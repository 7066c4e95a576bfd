#include "core/ActionStatus.h"
#include "core/AgentTiming.h"
#include "support/SerialDeviceSim.h"
#include "support/SerialRideScript.h"
#include "support/SyncCheckRun.h"
#include "support/SystemTools.h"
#include "support/TestFolders.h"
#include "sync/ComRides.h"
#include "sync/SyncLeftBehind.h"

#include <QtTest>

#include <atomic>
#include <ctime>

namespace
{
// The golden file was made for Central European standard time.
const bool g_bZone = [] {
    qputenv("TZ", "Europe/Berlin");
    tzset();
    return true;
}();

using Script = SerialRideScript;

Script::Point point(qint32 nLat, qint32 nLon, qint16 nEle, qint32 nSpeed, quint8 nHr, quint32 nTime,
                    quint16 nCad, quint16 nPower)
{
    Script::Point p;
    p.nLat = nLat;
    p.nLon = nLon;
    p.nElevation = nEle;
    p.nSpeed = nSpeed;
    p.nHeartRate = nHr;
    p.nTime = nTime;
    p.nCadence = nCad;
    p.nPower = nPower;
    return p;
}

Script::Ride goldenRide()
{
    Script::Ride ride;
    Script::Header& h = ride.header;
    h.nLength = 5000;
    h.nDuration = 1234;
    h.nCalories = 321;
    h.nMaxSpeed = 12600;
    h.nMaxHeartRate = 171;
    h.nAvgHeartRate = 140;
    h.nAscent = 120;
    h.nDescent = 80;
    h.nMinAltitude = -5;
    h.nMaxAltitude = 310;
    h.nAvgCadence = 85;
    h.nMaxCadence = 110;
    h.nAvgPower = 180;
    h.nMaxPower = 420;
    ride.points = {point(0, 0, 12, 3600, 0, 0, 80, 150), point(52520008, 13404954, 14, 7200, 0, 50, 82, 160),
                   point(52521000, -13405000, -3, 7260, 85, 40, 84, 170), point(0, 0, 20, 0, 0, 30, 0, 0),
                   point(-33868820, 151209296, 25, 10800, 80, 20, 90, 200)};
    ride.laps = {{0, 2}, {2, 4}};
    ride.nId = 0x0107;
    return ride;
}

Script::Ride shortRide(int nSecond, quint16 nId)
{
    Script::Ride ride;
    ride.header.nSecond = nSecond;
    ride.header.nDuration = 100;
    ride.points = {point(1000000, 2000000, 1, 1, 0, 0, 0, 0), point(1000010, 2000010, 1, 1, 0, 10, 0, 0)};
    ride.laps = {{0, 1}};
    ride.nId = nId;
    return ride;
}

QStringList gpxFiles(const QString& sDir)
{
    return QDir(sDir).entryList({"*.gpx"}, QDir::Files, QDir::Name);
}

// The ways the second of three rides goes wrong.
enum Breakage {
    HANG_UP,        // the device stops answering after two data frames
    FOREIGN_FRAMES, // frames that are not data frames, without end
    LONG_FRAME,     // a data frame announcing 65,535 bytes and holding 100
    NOISE,          // random bytes
    LAPS_LIE,       // the header counts 65,535 laps, none are sent, then two good points
    POINTS_LIE,     // the header counts 65,535 points, three are sent
    POINTS_MISSING, // the header counts two points, one is sent
    LAPS_SHORT,     // the laps take in one of the two points
};

Script::Ride brokenRide(Breakage eBreakage)
{
    Script::Ride ride = shortRide(2, 2);
    switch (eBreakage) {
    case HANG_UP:
        ride.nSilentAfterFrames = 2;
        break;
    case FOREIGN_FRAMES:
        ride.nSilentAfterFrames = 1;
        ride.eFault = Script::Ride::FAULT_FOREIGN_FRAMES;
        break;
    case LONG_FRAME:
        ride.nSilentAfterFrames = 1;
        ride.eFault = Script::Ride::FAULT_LONG_FRAME;
        break;
    case NOISE:
        ride.nSilentAfterFrames = 1;
        ride.eFault = Script::Ride::FAULT_NOISE;
        break;
    case LAPS_LIE:
        ride.laps.clear();
        ride.nAnnouncedLaps = 65535;
        break;
    case POINTS_LIE:
        ride.points.append(ride.points.last());
        ride.nAnnouncedPoints = 65535;
        break;
    case POINTS_MISSING:
        ride.nAnnouncedPoints = 2;
        ride.points.removeLast();
        break;
    case LAPS_SHORT:
        ride.laps = {{0, 0}};
        break;
    }
    return ride;
}

// A good ride on either side of the one under test, a points frame per point so a transfer can break
// off between any two.
void addRidesAround(Script& script, const Script::Ride& second)
{
    script.setPointsPerFrame(1);
    script.addRide(shortRide(1, 1));
    script.addRide(second);
    script.addRide(shortRide(3, 3));
}
} // namespace

class TestSerialRides : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void golden_data();
    void golden();
    void emptyList();
    void hangUpMidRide();
    void abortStopsTheDownload();
    void tooLongRideIsSkipped();
    void deleteByName();
    void sameSecondDeletesNothing();
    void frameBounds();
    void longRideList();
    void brokenRides_data();
    void brokenRides();
    void sameSecondRidesKeepTheirOwnFiles();
    void checkOfBrokenRides_data();
    void checkOfBrokenRides();

private:
    bool startSim(SerialDeviceSim& sim);
};

void TestSerialRides::initTestCase()
{
    // Long enough that a loaded machine's pause in the simulated device is not taken for its silence; the
    // rows that go silent wait this long once each.
    AgentTiming::set(AgentTiming::SERIAL_SILENCE, 4000);
}

void TestSerialRides::cleanupTestCase()
{
    AgentTiming::resetDefaults();
}

bool TestSerialRides::startSim(SerialDeviceSim& sim)
{
    return sim.start();
}

void TestSerialRides::golden_data()
{
    QTest::addColumn<int>("pointsPerFrame");
    QTest::addColumn<bool>("merged");
    QTest::newRow("one frame of points") << 200 << false;
    QTest::newRow("a frame per two points") << 2 << false;
    QTest::newRow("frames arriving merged") << 1 << true;
}

void TestSerialRides::golden()
{
    QFETCH(int, pointsPerFrame);
    QFETCH(bool, merged);
    TestFolders folders;
    SerialDeviceSim sim;
    QVERIFY(startSim(sim));
    Script script(sim);
    script.setProfile("Anna & Bob", 1);
    script.setPointsPerFrame(pointsPerFrame);
    script.setMergedFrames(merged);
    script.addRide(goldenRide());
    ComRides rides(sim.portName());
    QVERIFY(rides.getTracks(folders.tempDir()));
    QCOMPARE(gpxFiles(folders.tempDir()), QStringList{"20120315083005.gpx"});
    const QByteArray golden =
        TestFolders::readFile(SystemTools::sourcePath("tests/sync/data/golden_ride.gpx"));
    QVERIFY(!golden.isEmpty());
    QCOMPARE(TestFolders::readFile(folders.tempDir() + "/20120315083005.gpx"), golden);
    QCOMPARE(script.deletedIds(), QList<quint16>());
}

void TestSerialRides::emptyList()
{
    TestFolders folders;
    SerialDeviceSim sim;
    QVERIFY(startSim(sim));
    Script script(sim);
    ComRides rides(sim.portName());
    QVERIFY(rides.getTracks(folders.tempDir()));
    QVERIFY(gpxFiles(folders.tempDir()).isEmpty());
    QCOMPARE(sim.frameCount(0x80), 0);
}

void TestSerialRides::hangUpMidRide()
{
    TestFolders folders;
    SerialDeviceSim sim;
    QVERIFY(startSim(sim));
    Script script(sim);
    Script::Ride cut = shortRide(2, 2);
    cut.nSilentAfterFrames = 2; // header and the first points frame, then nothing
    addRidesAround(script, cut);
    ComRides rides(sim.portName());
    ComRides::Fetch fetch;
    QVERIFY(!rides.getTracks(folders.tempDir(), &fetch));
    QCOMPARE(fetch.left.size(), 2);
    QCOMPARE(fetch.left.at(0).sName, QString("20120315083002.gpx"));
    QCOMPARE(fetch.left.at(1).sName, QString("20120315083003.gpx"));
    // The ride before stays; the cut ride and those after it get no file.
    QCOMPARE(gpxFiles(folders.tempDir()), QStringList{"20120315083001.gpx"});
    QCOMPARE(script.rideCount(), 3);
    QCOMPARE(sim.frameCount(0x79), 0);
}

void TestSerialRides::abortStopsTheDownload()
{
    TestFolders folders;
    SerialDeviceSim sim;
    QVERIFY(startSim(sim));
    Script script(sim);
    script.addRide(shortRide(1, 1));
    std::atomic<bool> bAbort{true};
    ComRides rides(sim.portName());
    rides.setAbortFlag(&bAbort);
    QVERIFY(!rides.getTracks(folders.tempDir()));
    QVERIFY(gpxFiles(folders.tempDir()).isEmpty());
    QCOMPARE(sim.frameCount(0x80), 0);
}

void TestSerialRides::tooLongRideIsSkipped()
{
    TestFolders folders;
    SerialDeviceSim sim;
    QVERIFY(startSim(sim));
    Script script(sim);
    script.setPointsPerFrame(250);
    // 64100 points of 32 bytes do not fit the 2,048,000 bytes a ride may take.
    Script::Ride big = shortRide(1, 1);
    big.points = QList<Script::Point>();
    for (int i = 0; i < 64100; ++i)
        big.points.append(point(1000000 + i, 2000000, 1, 1, 0, 10, 0, 0));
    big.laps = {{0, 64099}};
    script.addRide(big);
    script.addRide(shortRide(2, 2));
    ComRides rides(sim.portName());
    ComRides::Fetch fetch;
    QVERIFY(!rides.getTracks(folders.tempDir(), &fetch)); // not every ride was written
    QCOMPARE(fetch.left.size(), 1);
    QCOMPARE(fetch.left.first().sName, QString("20120315083001.gpx"));
    QCOMPARE(gpxFiles(folders.tempDir()), QStringList{"20120315083002.gpx"});
    // The ride after it starts from an empty buffer: its own two points and nothing of the big one.
    QCOMPARE(TestFolders::readFile(folders.tempDir() + "/20120315083002.gpx").count("<trkpt "), 2);
}

void TestSerialRides::deleteByName()
{
    SerialDeviceSim sim;
    QVERIFY(startSim(sim));
    Script script(sim);
    script.addRide(shortRide(1, 0x0201));
    script.addRide(shortRide(2, 0x0302));
    ComRides rides(sim.portName());
    QVERIFY(!rides.deleteTrack("20120315083009.gpx"));
    QCOMPARE(sim.frameCount(0x79), 0);
    QVERIFY(rides.deleteTrack("20120315083002.gpx"));
    QTRY_COMPARE(script.deletedIds(), QList<quint16>{0x0302});
    QCOMPARE(script.rideCount(), 1);
    const QByteArray expected = QByteArray::fromHex("02000579010002037c");
    bool bSeen = false;
    for (const QByteArray& frame : sim.frames())
        bSeen = bSeen || frame == expected;
    QVERIFY(bSeen);
}

void TestSerialRides::sameSecondDeletesNothing()
{
    SerialDeviceSim sim;
    QVERIFY(startSim(sim));
    Script script(sim);
    script.addRide(shortRide(1, 1));
    script.addRide(shortRide(1, 2));
    ComRides rides(sim.portName());
    QVERIFY(!rides.deleteTrack("20120315083001.gpx"));
    QCOMPARE(sim.frameCount(0x79), 0);
    QCOMPARE(script.rideCount(), 2);
}

void TestSerialRides::frameBounds()
{
    bool bEnd = true;
    unsigned int nOffset = 1;
    unsigned int nLength = 1;
    // A points frame announcing records 0..999 but carrying two: only what is there.
    QByteArray payload(24, '\0');
    payload[20] = char(0xE7);
    payload[21] = char(0x03);
    payload[22] = char(0x55);
    payload += QByteArray(64, 'p');
    const QByteArray frame = SerialDeviceSim::replyFrame(0x80, payload);
    const auto* p = reinterpret_cast<const unsigned char*>(frame.constData());
    QVERIFY(ComRides::parseDataFrame(bEnd, nOffset, nLength, p, unsigned(frame.size())));
    QVERIFY(!bEnd);
    QCOMPARE(nOffset, 27u);
    QCOMPARE(nLength, 64u);
    // Last before first: no records.
    QByteArray reversed = payload;
    reversed[18] = char(5);
    reversed[20] = char(1);
    reversed[21] = char(0);
    const QByteArray back = SerialDeviceSim::replyFrame(0x80, reversed);
    QVERIFY(ComRides::parseDataFrame(bEnd, nOffset, nLength,
                                     reinterpret_cast<const unsigned char*>(back.constData()),
                                     unsigned(back.size())));
    QCOMPARE(nLength, 0u);
    // A header frame shorter than a header gives only its own bytes.
    const QByteArray shortHeader = SerialDeviceSim::replyFrame(0x80, QByteArray(10, 'h'));
    QVERIFY(ComRides::parseDataFrame(bEnd, nOffset, nLength,
                                     reinterpret_cast<const unsigned char*>(shortHeader.constData()),
                                     unsigned(shortHeader.size())));
    QCOMPARE(nOffset, 3u);
    QCOMPARE(nLength, 10u);
    const QByteArray end = SerialDeviceSim::replyFrame(0x8A, QByteArray());
    QVERIFY(ComRides::parseDataFrame(bEnd, nOffset, nLength,
                                     reinterpret_cast<const unsigned char*>(end.constData()),
                                     unsigned(end.size())));
    QVERIFY(bEnd);
    const QByteArray other = SerialDeviceSim::replyFrame(0x33, QByteArray(40, 'x'));
    QVERIFY(!ComRides::parseDataFrame(bEnd, nOffset, nLength,
                                      reinterpret_cast<const unsigned char*>(other.constData()),
                                      unsigned(other.size())));
}

void TestSerialRides::brokenRides_data()
{
    QTest::addColumn<int>("breakage");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QStringList>("left");
    const QString sFirst = "20120315083001.gpx";
    const QString sBroken = "20120315083002.gpx";
    const QString sLast = "20120315083003.gpx";
    // A transfer that breaks off leaves its ride and every ride after it; a ride that ends but does not
    // add up leaves only itself.
    QTest::newRow("hang-up after two frames")
        << int(HANG_UP) << QStringList{sFirst} << QStringList{sBroken, sLast};
    QTest::newRow("endless non-data frames")
        << int(FOREIGN_FRAMES) << QStringList{sFirst} << QStringList{sBroken, sLast};
    QTest::newRow("frame announcing 65535 bytes")
        << int(LONG_FRAME) << QStringList{sFirst} << QStringList{sBroken, sLast};
    QTest::newRow("noise") << int(NOISE) << QStringList{sFirst} << QStringList{sBroken, sLast};
    QTest::newRow("65535 laps announced, none sent")
        << int(LAPS_LIE) << QStringList{sFirst, sLast} << QStringList{sBroken};
    QTest::newRow("65535 points announced, three sent")
        << int(POINTS_LIE) << QStringList{sFirst, sLast} << QStringList{sBroken};
    QTest::newRow("two points announced, one sent")
        << int(POINTS_MISSING) << QStringList{sFirst, sLast} << QStringList{sBroken};
    QTest::newRow("laps leave a point out")
        << int(LAPS_SHORT) << QStringList{sFirst, sLast} << QStringList{sBroken};
}

void TestSerialRides::brokenRides()
{
    QFETCH(int, breakage);
    QFETCH(QStringList, written);
    QFETCH(QStringList, left);
    TestFolders folders;
    SerialDeviceSim sim;
    QVERIFY(startSim(sim));
    Script script(sim);
    addRidesAround(script, brokenRide(Breakage(breakage)));
    ComRides rides(sim.portName());
    ComRides::Fetch fetch;
    QVERIFY(!rides.getTracks(folders.tempDir(), &fetch));
    // Only whole rides become files, each holding every point the device sent for it.
    QCOMPARE(gpxFiles(folders.tempDir()), written);
    QStringList fetched;
    for (const QString& sPath : qAsConst(fetch.written)) {
        fetched.append(QFileInfo(sPath).fileName());
        QCOMPARE(TestFolders::readFile(sPath).count("<trkpt "), 2);
    }
    QCOMPARE(fetched, written);
    QStringList named;
    for (const ComRides::LeftRide& ride : qAsConst(fetch.left)) {
        named.append(ride.sName);
        QVERIFY(!ride.sReason.isEmpty());
    }
    QCOMPARE(named, left);
    QCOMPARE(script.rideCount(), 3);
    QCOMPARE(sim.frameCount(0x79), 0);
}

void TestSerialRides::sameSecondRidesKeepTheirOwnFiles()
{
    TestFolders folders;
    SerialDeviceSim sim;
    QVERIFY(startSim(sim));
    Script script(sim);
    Script::Ride first = shortRide(1, 1);
    Script::Ride second = shortRide(1, 2);
    second.header.nLength = 777; // another ride, started in the same second
    Script::Ride third = shortRide(1, 3);
    third.header.nLength = 888;
    script.addRide(first);
    script.addRide(second);
    script.addRide(third);
    ComRides rides(sim.portName());
    ComRides::Fetch fetch;
    QVERIFY(rides.getTracks(folders.tempDir(), &fetch));
    QCOMPARE(fetch.written.size(), 3);
    QCOMPARE(QSet<QString>(fetch.written.begin(), fetch.written.end()).size(), 3);
    QStringList lengths;
    for (const QString& sPath : qAsConst(fetch.written)) {
        // The file name the service sees is the device's own.
        QCOMPARE(QFileInfo(sPath).fileName(), QString("20120315083001.gpx"));
        QVERIFY(sPath.startsWith(folders.tempDir() + "/"));
        const QByteArray gpx = TestFolders::readFile(sPath);
        const int nStart = gpx.indexOf("<length>") + 8;
        lengths.append(QString::fromLatin1(gpx.mid(nStart, gpx.indexOf("</length>") - nStart)));
    }
    QCOMPARE(lengths, QStringList({"0", "777", "888"}));
    QVERIFY(fetch.left.isEmpty());

    // The check sends all three under the device's name, each with its own file and hash.
    SyncCheckRun check;
    QCOMPARE(check.run("100", sim.portName()).last().nStatus, int(SYNC_CHECKSUCCESS));
    const QString sRcf = check.service.lastCall().params.value("RCFMetaData");
    QCOMPARE(sRcf.count("\"o_file\":\"20120315083001.gpx\""), 3);
    QCOMPARE(sRcf.count("\"o_file_location\":\""), 3);
    QSet<QString> hashes;
    QRegularExpressionMatchIterator it = QRegularExpression("\"o_hash\":\"([0-9a-f]+)\"").globalMatch(sRcf);
    while (it.hasNext())
        hashes.insert(it.next().captured(1));
    QCOMPARE(hashes.size(), 3);
}

void TestSerialRides::checkOfBrokenRides_data()
{
    QTest::addColumn<int>("breakage"); // -1: three good rides
    QTest::addColumn<QStringList>("catalogued");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("left");
    const QString sFirst = "20120315083001.gpx";
    const QString sLast = "20120315083003.gpx";
    QTest::newRow("three whole rides")
        << -1 << QStringList{sFirst, "20120315083002.gpx", sLast} << int(SYNC_CHECKSUCCESS) << 0;
    QTest::newRow("hang-up mid-ride") << int(HANG_UP) << QStringList{sFirst} << int(SYNC_PARTIALERROR) << 2;
    QTest::newRow("noise") << int(NOISE) << QStringList{sFirst} << int(SYNC_PARTIALERROR) << 2;
    QTest::newRow("laps announced, none sent")
        << int(LAPS_LIE) << QStringList{sFirst, sLast} << int(SYNC_PARTIALERROR) << 1;
    QTest::newRow("points announced, three sent")
        << int(POINTS_LIE) << QStringList{sFirst, sLast} << int(SYNC_PARTIALERROR) << 1;
}

// The check of a device whose rides break: the service is told only of whole rides, nothing leaves the
// device, and a check with nothing to do ends partial, never in the success the box shows for 61 "0".
void TestSerialRides::checkOfBrokenRides()
{
    QFETCH(int, breakage);
    QFETCH(QStringList, catalogued);
    QFETCH(int, status);
    QFETCH(int, left);
    TestFolders folders;
    SyncCheckRun check;
    SerialDeviceSim sim;
    QVERIFY(startSim(sim));
    Script script(sim);
    addRidesAround(script, breakage < 0 ? shortRide(2, 2) : brokenRide(Breakage(breakage)));
    const QList<SyncCheckRun::Status> statuses = check.run("100", sim.portName());
    QCOMPARE(statuses.size(), 1);
    QCOMPARE(statuses.last().nStatus, status);
    if (status == SYNC_CHECKSUCCESS)
        QCOMPARE(statuses.last().sText, QString("{\"records\":\"0\",\"tracks\":\"0\",\"delete\":\"0\"}"));
    const QString sRcf = check.service.lastCall().params.value("RCFMetaData");
    QStringList sent;
    for (const QString& sName :
         {QString("20120315083001.gpx"), QString("20120315083002.gpx"), QString("20120315083003.gpx")}) {
        if (sRcf.contains("\"o_file\":\"" + sName + "\""))
            sent.append(sName);
    }
    QCOMPARE(sent, catalogued);
    QCOMPARE(SyncLeftBehind(folders.tempDir()).count(), left);
    QCOMPARE(script.rideCount(), 3);
    QCOMPARE(sim.frameCount(0x79), 0);
}

QTEST_GUILESS_MAIN(TestSerialRides)

// More rides than fit a normal reply (335 entries): the list is still read whole.
void TestSerialRides::longRideList()
{
    SerialDeviceSim sim;
    QVERIFY(startSim(sim));
    Script script(sim);
    for (int i = 0; i < 400; ++i) {
        Script::Ride ride = shortRide(i % 60, quint16(i + 1));
        ride.header.nMinute = (i / 60) % 60;
        script.addRide(ride);
    }
    ComRides rides(sim.portName());
    QList<ComRides::Entry> entries;
    QVERIFY(rides.readRideList(&entries));
    QCOMPARE(entries.size(), 400);
    QCOMPARE(entries.last().sName, QString("20120315080639.gpx"));
}

#include "tst_serialrides.moc"
