#include "support/SerialRideScript.h"
#include "support/TestFolders.h"
#include "sync/GpxWriter.h"
#include "sync/ProcGpxXml.h"
#include "sync/SerialRide.h"

#include <QtTest>

#include <ctime>

namespace
{
// Rides are read in the computer's local standard time; west of Greenwich a year end shows in UTC.
const bool g_bZone = [] {
    qputenv("TZ", "America/New_York");
    tzset();
    return true;
}();

using Script = SerialRideScript;

QByteArray rideBytes(const Script::Header& header, const QList<Script::Lap>& laps,
                     const QList<Script::Point>& points)
{
    QByteArray bytes = Script::encodeHeader(header, points.size(), laps.size());
    for (const Script::Lap& lap : laps)
        bytes += Script::encodeLap(lap);
    for (const Script::Point& point : points)
        bytes += Script::encodePoint(point);
    return bytes;
}

Script::Point at(qint32 nLat, qint32 nLon, quint8 nHeartRate = 0, quint32 nTime = 10)
{
    Script::Point point;
    point.nLat = nLat;
    point.nLon = nLon;
    point.nHeartRate = nHeartRate;
    point.nTime = nTime;
    return point;
}

QByteArray profile(const QByteArray& name, int nType = 1)
{
    QByteArray block(404, '\0');
    block.replace(0, name.size(), name);
    block[300] = char(nType);
    return block;
}

QByteArray written(const QByteArray& bytes, const QByteArray& profileBlock = profile("Rider"))
{
    SerialRide ride;
    return ride.parse(bytes) ? GpxWriter::write(ride, profileBlock) : QByteArray();
}

QList<QByteArray> segments(const QByteArray& gpx)
{
    QList<QByteArray> parts = gpx.split('\n');
    QList<QByteArray> segs;
    for (const QByteArray& line : parts) {
        if (line.contains("<trkseg>"))
            segs.append(QByteArray());
        else if (line.contains("<trkpt") && !segs.isEmpty())
            segs.last() += line.trimmed() + "\n";
    }
    return segs;
}
} // namespace

class TestGpxWriter : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void lapsShareAPoint();
    void lapPastThePoints();
    void yearEndCarriesIntoUtc();
    void readsBackWhatItWrote();
    void readerEdges_data();
    void readerEdges();
};

void TestGpxWriter::lines_data()
{
    QTest::addColumn<QByteArray>("ride");
    QTest::addColumn<QByteArray>("profileBlock");
    QTest::addColumn<QByteArrayList>("expected");

    Script::Header h;
    h.nDuration = 1234;
    h.nLength = 5000;
    QTest::newRow("duration in seconds")
        << rideBytes(h, {}, {at(1, 1)}) << profile("A")
        << QByteArrayList{"    <timelength>123</timelength>\r\n", "    <avgspeed>40.518639</avgspeed>\r\n"};
    QTest::newRow("no laps, no segment") << rideBytes(h, {}, {at(1, 1), at(2, 2)}) << profile("A")
                                         << QByteArrayList{"    </extensions>\r\n  </trk>\r\n</gpx>\r\n"};
    Script::Header flat = h;
    flat.nLength = 0;
    flat.nAscent = 10;
    QTest::newRow("length 0") << rideBytes(flat, {}, {}) << profile("A")
                              << QByteArrayList{"<avggrade>0.000000</avggrade>",
                                                "<avgspeed>0.000000</avgspeed>"};
    Script::Header still = h;
    still.nDuration = 0;
    QTest::newRow("duration 0") << rideBytes(still, {}, {}) << profile("A")
                                << QByteArrayList{"<avgspeed>0.000000</avgspeed>",
                                                  "<timelength>0</timelength>"};
    Script::Header climb = h;
    climb.nAscent = 50;
    climb.nDescent = 150;
    QTest::newRow("downhill grade") << rideBytes(climb, {}, {}) << profile("A")
                                    << QByteArrayList{"<avggrade>-2.000000</avggrade>"};
    QTest::newRow("heart-rate runs") << rideBytes(h, {},
                                                  {at(1, 1, 0), at(1, 1, 0), at(1, 1, 85), at(1, 1, 0),
                                                   at(1, 1, 80)})
                                     << profile("A") << QByteArrayList{"<minheartrate>80</minheartrate>"};
    QTest::newRow("no heart rate") << rideBytes(h, {}, {at(1, 1)}) << profile("A")
                                   << QByteArrayList{"<minheartrate>0</minheartrate>"};
    QTest::newRow("no points") << rideBytes(h, {}, {}) << profile("A")
                               << QByteArrayList{"<minlat>0.000000</minlat>", "<maxlon>0.000000</maxlon>"};
    QTest::newRow("south and west") << rideBytes(h, {{0, 1}},
                                                 {at(-33868820, -70123456), at(-33000001, -70000000)})
                                    << profile("A")
                                    << QByteArrayList{"<minlat>-33.868820</minlat>",
                                                      "<maxlat>-33.000001</maxlat>",
                                                      "<minlon>-70.123456</minlon>",
                                                      "   <trkpt lat=\"-33.868820\" lon=\"-70.123456\">\r\n"};
    QTest::newRow("leading points without position")
        << rideBytes(h, {{0, 3}}, {at(0, 0), at(0, 0), at(0, 0), at(5000000, 6000000)}) << profile("A")
        << QByteArrayList{"<minlat>5.000000</minlat>", "<maxlat>5.000000</maxlat>"};
    QTest::newRow("trailing points without position")
        << rideBytes(h, {{0, 2}}, {at(1000000, 2000000), at(3000000, 4000000), at(0, 0)}) << profile("A")
        << QByteArrayList{"<minlat>1.000000</minlat>", "<maxlat>3.000000</maxlat>"};
    QTest::newRow("type from byte 0")
        << rideBytes(h, {}, {}) << profile("A", 0) << QByteArrayList{"<type>2</type>"};
    QTest::newRow("type from byte 1")
        << rideBytes(h, {}, {}) << profile("A", 1) << QByteArrayList{"<type>0</type>"};
    QTest::newRow("type from byte 2")
        << rideBytes(h, {}, {}) << profile("A", 2) << QByteArrayList{"<type>1</type>"};
    QTest::newRow("profile markup") << rideBytes(h, {}, {}) << profile("A&B <C>")
                                    << QByteArrayList{"    <profile>A&amp;B &lt;C&gt;</profile>\r\n"};
    QTest::newRow("profile utf-8") << rideBytes(h, {}, {}) << profile("Zo\xc3\xab")
                                   << QByteArrayList{"<profile>Zo\xc3\xab</profile>"};
    QTest::newRow("profile latin-1") << rideBytes(h, {}, {}) << profile("Jos\xe9")
                                     << QByteArrayList{"<profile>Jos\xc3\xa9</profile>"};
    QTest::newRow("profile without NUL") << rideBytes(h, {}, {}) << QByteArray(404, 'x')
                                         << QByteArrayList{"<profile>" + QByteArray(300, 'x') + "</profile>"};
    QTest::newRow("no profile block") << rideBytes(h, {}, {}) << QByteArray()
                                      << QByteArrayList{"    <type>2</type>\r\n", "<profile></profile>"};
    Script::Header summer = h;
    summer.nMonth = 7;
    summer.nDay = 1;
    summer.nHour = 12;
    summer.nMinute = 0;
    summer.nSecond = 0;
    QTest::newRow("summer is standard time") << rideBytes(summer, {}, {}) << profile("A")
                                             << QByteArrayList{"  <time>2012-07-01T17:00:00Z</time>\r\n"};
}

void TestGpxWriter::lines()
{
    QFETCH(QByteArray, ride);
    QFETCH(QByteArray, profileBlock);
    QFETCH(QByteArrayList, expected);
    const QByteArray gpx = written(ride, profileBlock);
    QVERIFY(gpx.startsWith("<?xml version=\"1.0\"?>\r\n<gpx version=\"1.1\" creator=\""));
    for (const QByteArray& text : expected)
        QVERIFY2(gpx.contains(text), text.constData());
    QCOMPARE(gpx.count("\r\n"), gpx.count('\n'));
}

void TestGpxWriter::lapsShareAPoint()
{
    QList<Script::Point> points;
    for (int i = 0; i < 20; ++i)
        points.append(at(1000000 + i, 2000000));
    const QList<QByteArray> segs = segments(written(rideBytes(Script::Header(), {{0, 9}, {9, 19}}, points)));
    QCOMPARE(segs.size(), 2);
    QCOMPARE(segs.at(0).count('\n'), 10);
    QCOMPARE(segs.at(1).count('\n'), 10);
    QVERIFY(segs.at(0).startsWith("<trkpt lat=\"1.000000\""));
    QVERIFY(segs.at(1).startsWith("<trkpt lat=\"1.000010\""));
}

void TestGpxWriter::lapPastThePoints()
{
    const QByteArray gpx =
        written(rideBytes(Script::Header(), {{0, 500}, {3, 60000}}, {at(1, 1), at(2, 2), at(3, 3)}));
    QCOMPARE(gpx.count("<trkpt "), 3);
    QCOMPARE(gpx.count("<trkseg>"), 2);
}

void TestGpxWriter::yearEndCarriesIntoUtc()
{
    Script::Header h;
    h.nMonth = 12;
    h.nDay = 31;
    h.nHour = 23;
    h.nMinute = 59;
    h.nSecond = 59;
    const QByteArray gpx = written(rideBytes(h, {{0, 1}}, {at(1, 1, 0, 0), at(1, 1, 0, 10)}));
    QVERIFY(gpx.contains("  <time>2013-01-01T04:59:59Z</time>\r\n"));
    QVERIFY(gpx.contains("   <time>2013-01-01T05:00:00Z</time>\r\n"));
    SerialRide::Header header;
    header.nYear = 12;
    header.nMonth = 12;
    header.nDay = 31;
    header.nHour = 23;
    header.nMinute = 59;
    header.nSecond = 59;
    QCOMPARE(GpxWriter::toGpxTime(header, 10), QString("2013-01-01T05:00:00Z"));
}

void TestGpxWriter::readsBackWhatItWrote()
{
    TestFolders folders;
    Script::Header h;
    h.nLength = 5000;
    h.nDuration = 1234;
    h.nAvgHeartRate = 140;
    const QString sPath = folders.tempDir() + "/ride.gpx";
    QVERIFY(TestFolders::writeFile(
        sPath, written(rideBytes(h, {{0, 1}}, {at(-33868820, 1), at(2, 2)}), profile("A&B"))));
    ProcGpxXml reader;
    QVERIFY(reader.open(sPath));
    QCOMPARE(reader.m_record.type, QString("0"));
    QCOMPARE(reader.m_record.profile, QString("A&B"));
    QCOMPARE(reader.m_record.minlat, QString("-33.868820"));
    QCOMPARE(reader.m_record.timelength, QString("123"));
    QCOMPARE(reader.m_record.avggrade, QString("0.000000"));
    QCOMPARE(reader.m_record.avgheartrate, QString("140"));
    QVERIFY(reader.m_record.fileid.isEmpty());
    QVERIFY(reader.m_record.cumulativepower.isEmpty());
    QVERIFY(reader.m_record.minacceleration.isEmpty());
    QVERIFY(reader.m_record.normalizedpower.isEmpty());
}

void TestGpxWriter::readerEdges_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("time");

    QTest::newRow("type without extensions")
        << QByteArray("<gpx><trk><type>1</type></trk></gpx>") << false << "1"
        << "";
    QTest::newRow("first trk only")
        << QByteArray("<gpx><trk><type>1</type><extensions><time>A</time></extensions></trk>"
                      "<trk><type>2</type><extensions><time>B</time></extensions></trk></gpx>")
        << true << "1"
        << "A";
    QTest::newRow("first element of a name")
        << QByteArray(
               "<gpx><trk><extensions><time>A</time><time>B</time></extensions><type>3</type></trk></gpx>")
        << true << "3"
        << "A";
    QTest::newRow("nested trk ignored") << QByteArray("<gpx><metadata><trk><type>9</type></trk></"
                                                      "metadata><trk><type>1</type><extensions/></trk></gpx>")
                                        << true << "1"
                                        << "";
    QTest::newRow("no trk") << QByteArray("<gpx><rte/></gpx>") << false << ""
                            << "";
    QTest::newRow("broken after the statistics")
        << QByteArray(
               "<gpx><trk><type>1</type><extensions><time>A</time></extensions><trkseg><trkpt></trk></gpx>")
        << false << ""
        << "";
    QTest::newRow("cut short") << QByteArray(
                                      "<gpx><trk><type>1</type><extensions><time>A</time></extensions>")
                               << false << ""
                               << "";
    QTest::newRow("empty file") << QByteArray() << false << ""
                                << "";
    QTest::newRow("entities and blanks")
        << QByteArray("<gpx><trk><type> </type><extensions><time>a &amp; b</time></extensions></trk></gpx>")
        << true << ""
        << "a & b";
}

void TestGpxWriter::readerEdges()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, opens);
    QFETCH(QString, type);
    QFETCH(QString, time);
    TestFolders folders;
    const QString sPath = folders.tempDir() + "/x.gpx";
    QVERIFY(TestFolders::writeFile(sPath, content));
    ProcGpxXml reader;
    QCOMPARE(reader.open(sPath), opens);
    QCOMPARE(reader.m_record.type, type);
    QCOMPARE(reader.m_record.time, time);
}

QTEST_GUILESS_MAIN(TestGpxWriter)
#include "tst_gpxwriter.moc"
