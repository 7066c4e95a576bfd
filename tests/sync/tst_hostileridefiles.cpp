#include "support/DriveTree.h"
#include "support/HangGuard.h"
#include "support/TestFolders.h"
#include "sync/ProcGpxXml.h"
#include "sync/SyncCatalogue.h"

#include <QtTest>

// Ride files are read from the device's data drive: whatever stands there under a ".gpx" name is read
// only as a regular file within the ride bound, and never blocks.
class TestHostileRideFiles : public QObject
{
    Q_OBJECT

private slots:
    void hostileRide_data();
    void hostileRide();
};

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

QTEST_GUILESS_MAIN(TestHostileRideFiles)
#include "tst_hostileridefiles.moc"
