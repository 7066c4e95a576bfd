#include "core/AgentTiming.h"
#include "support/SerialDeviceSim.h"
#include "support/SerialRideScript.h"
#include "support/SystemTools.h"
#include "support/TestFolders.h"
#include "sync/ComRides.h"

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

private:
    bool startSim(SerialDeviceSim& sim);
};

void TestSerialRides::initTestCase()
{
    AgentTiming::set(AgentTiming::SERIAL_SILENCE, 1500);
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
    script.setPointsPerFrame(1);
    script.addRide(shortRide(1, 1));
    Script::Ride cut = shortRide(2, 2);
    cut.nSilentAfterFrames = 2; // header and the first points frame, then nothing
    script.addRide(cut);
    script.addRide(shortRide(3, 3));
    ComRides rides(sim.portName());
    QVERIFY(!rides.getTracks(folders.tempDir()));
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
    QVERIFY(rides.getTracks(folders.tempDir()));
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
