#include "core/ActionStatus.h"
#include "core/WorkFile.h"
#include "platform/DevicePlace.h"
#include "support/DriveTree.h"
#include "support/HangGuard.h"
#include "support/SyncCheckRun.h"
#include "support/TestFolders.h"
#include "sync/ProcGpxXml.h"
#include "sync/SyncCatalogue.h"
#include "sync/SyncLeftBehind.h"

#include <QtTest>

#include <cstdio>

// Ride files are read from the device's data drive: whatever stands there under a ".gpx" name is read
// only as a regular file within the ride bound, and never blocks.
class TestHostileRideFiles : public QObject
{
    Q_OBJECT

private slots:
    void hostileRide_data();
    void hostileRide();
    void leftOutRidesAreNamed_data();
    void leftOutRidesAreNamed();
};

namespace
{
QByteArray rideGpx()
{
    return "<?xml version=\"1.0\"?>\r\n<gpx version=\"1.1\">\r\n  <trk>\r\n    <extensions>\r\n"
           "    <time>2012-03-15T07:30:05Z</time>\r\n    <minlat>1.000000</minlat>\r\n"
           "    <avgspeed>12.5</avgspeed>\r\n    </extensions>\r\n  </trk>\r\n</gpx>\r\n";
}

// Writes a file whose name is given as raw bytes, as a FAT volume mounted with another character set
// shows it; ext4 (or tmpfs) holds any bytes but "/" and NUL.
bool writeRawName(const QString& sDir, const QByteArray& name, const QByteArray& content)
{
    QDir().mkpath(sDir);
    const QByteArray path = QFile::encodeName(sDir) + "/" + name;
    FILE* pFile = std::fopen(path.constData(), "wb");
    if (!pFile)
        return false;
    const bool bOk =
        std::fwrite(content.constData(), 1, size_t(content.size()), pFile) == size_t(content.size());
    return std::fclose(pFile) == 0 && bOk;
}
} // namespace

void TestHostileRideFiles::hostileRide_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("hashed"); // the hash reads only the file's head
    QTest::newRow("fifo") << int(DriveTree::HOSTILE_FIFO) << false;
    QTest::newRow("link to /dev/zero") << int(DriveTree::HOSTILE_ZERO_LINK) << false;
    QTest::newRow("folder") << int(DriveTree::HOSTILE_FOLDER) << false;
    QTest::newRow("200 MB") << int(DriveTree::HOSTILE_HUGE) << true;
}

void TestHostileRideFiles::hostileRide()
{
    QFETCH(int, kind);
    QFETCH(bool, hashed);
    TestFolders folders;
    DriveTree drive;
    const QString sPath = drive.root() + "Korvo/Tracks/Profile/ride.gpx";
    QVERIFY(drive.plantHostile("Korvo/Tracks/Profile/ride.gpx", DriveTree::Hostile(kind)));
    struct Outcome {
        bool bParsed = true;
        bool bHashed = false;
        QString sHash;
        QString sNode = "unset";
    };
    auto pOutcome = std::make_shared<Outcome>();
    QVERIFY2(HangGuard::finishes([sPath, pOutcome]() {
                 ProcGpxXml gpx;
                 pOutcome->bParsed = gpx.open(sPath);
                 pOutcome->bHashed = SyncCatalogue::doGenerateHash512(sPath, pOutcome->sHash);
                 pOutcome->sNode = SyncCatalogue::doAddRCFFileNode(sPath, "ride.gpx", "1", "ride", "h");
             }),
             "reading the ride did not return");
    QVERIFY(!pOutcome->bParsed);
    QCOMPARE(pOutcome->bHashed, hashed);
    QCOMPARE(pOutcome->sHash.size(), hashed ? 128 : 0);
    QCOMPARE(pOutcome->sNode, QString()); // no catalogue entry for it
}

void TestHostileRideFiles::leftOutRidesAreNamed_data()
{
    QTest::addColumn<QByteArray>("name");    // raw bytes of the ride's file name
    QTest::addColumn<QByteArray>("content"); // empty: a FIFO
    QTest::addColumn<QString>("reason");     // empty: catalogued, not left behind
    QTest::newRow("plain ride") << QByteArray("good.gpx") << rideGpx() << QString();
    QTest::newRow("name not valid UTF-8")
        << QByteArray("bad\xff\xfeutf8.gpx") << rideGpx() << QString("its file name is not valid UTF-8");
    QTest::newRow("not XML") << QByteArray("garbage.gpx") << QByteArray("\x01\x02 not a ride")
                             << QString("it is not a GPX track with statistics");
    QTest::newRow("fifo") << QByteArray("pipe.gpx") << QByteArray() << QString("it cannot be read");
}

// Every ride file of the drive is in the catalogue or named with its reason, and a check that leaves one
// behind never ends as if all were done.
void TestHostileRideFiles::leftOutRidesAreNamed()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    TestFolders folders;
    DriveTree drive;
    const QString sProfile = drive.root() + "Korvo/Tracks/Profile1";
    if (content.isEmpty())
        QVERIFY(
            drive.plantHostile("Korvo/Tracks/Profile1/" + QString::fromUtf8(name), DriveTree::HOSTILE_FIFO));
    else
        QVERIFY(writeRawName(sProfile, name, content));
    QVERIFY(drive.writeFile("Korvo/Tracks/Profile1/other.gpx", rideGpx().replace("07:30", "08:30")));

    SyncCheckRun check;
    const QList<SyncCheckRun::Status> statuses = check.run("500", drive.root());
    QCOMPARE(statuses.size(), 1);
    QCOMPARE(statuses.last().nStatus, reason.isEmpty() ? int(SYNC_CHECKSUCCESS) : int(SYNC_PARTIALERROR));
    const QString sRcf = check.service.lastCall().params.value("RCFMetaData");
    QVERIFY(sRcf.contains("\"o_file\":\"other.gpx\""));
    QCOMPARE(sRcf.count("\"o_hash\":"), reason.isEmpty() ? 2 : 1);
    QList<WorkFile::Row> rows;
    WorkFile::readRows(folders.tempDir() + "/SyncLeft.script", &rows);
    QCOMPARE(SyncLeftBehind(folders.tempDir()).count(), reason.isEmpty() ? 0 : 1);
    if (!reason.isEmpty()) {
        QVERIFY(rows.first().value(1).startsWith(sProfile + "/"));
        QCOMPARE(rows.first().value(2), reason);
    }
    // Nothing on the drive was touched.
    QCOMPARE(QDir(sProfile).entryList(QDir::Files | QDir::System).size() +
                 DevicePlace::undecodableNames(sProfile).size(),
             2);
}

QTEST_GUILESS_MAIN(TestHostileRideFiles)
#include "tst_hostileridefiles.moc"
