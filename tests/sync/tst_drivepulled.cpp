#include "SyncFixture.h"
#include "SyncItems.h"
#include "core/WorkFile.h"
#include "platform/LinuxVolumeInfo.h"
#include "support/DriveTree.h"
#include "support/ImmutableFile.h"
#include "support/SmallVolume.h"
#include "sync/SyncScript.h"

#include <memory>

// The sync queue on real volumes that go away or stop taking writes while it runs: loop-mounted images
// read through the production volume reader, which looks at the test's own mount points only. Mounting
// needs root; elsewhere the cases that mount skip with the system's refusal. Every mount is undone by its
// fixture, also when a case fails half-way.
class TestDrivePulled : public QObject
{
    Q_OBJECT

private slots:
    void deletesOnAPulledDrive_data();
    void deletesOnAPulledDrive();
    void routeWritesFail_data();
    void routeWritesFail();
    void routeNameTakenDuringDownload_data();
    void routeNameTakenDuringDownload();

private:
    static QList<int> codes(const QList<Status>& statuses);
    static QStringList entries(const QString& sFolder);
    static bool hasGet(const TestHttpServer& server, const QByteArray& path);
    static bool fillUp(QFile* pFiller);
};

QList<int> TestDrivePulled::codes(const QList<Status>& statuses)
{
    QList<int> out;
    for (const Status& s : statuses)
        out.append(s.nStatus);
    return out;
}

QStringList TestDrivePulled::entries(const QString& sFolder)
{
    QStringList lstNames = QDir(sFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    lstNames.sort();
    return lstNames;
}

bool TestDrivePulled::hasGet(const TestHttpServer& server, const QByteArray& path)
{
    for (const TestHttpServer::Request& request : server.requests()) {
        if (request.method == "GET" && request.path() == path)
            return true;
    }
    return false;
}

// Writes through the open filler until its file system refuses: after that no write there gets a block.
bool TestDrivePulled::fillUp(QFile* pFiller)
{
    const QByteArray chunk(4096, 'f');
    qint64 nWritten = 0;
    while (pFiller->write(chunk) == chunk.size())
        nWritten += chunk.size();
    pFiller->close();
    return nWritten > 0;
}

void TestDrivePulled::deletesOnAPulledDrive_data()
{
    QTest::addColumn<int>("pullBefore"); // the delete step before which the drive is unmounted; -1: never
    QTest::addColumn<int>("locked");     // the ride whose file cannot be removed; -1: none
    QTest::addColumn<QList<int>>("removed");
    QTest::newRow("pulled before the deletes") << 0 << -1 << QList<int>{};
    QTest::newRow("pulled after the first delete") << 1 << -1 << QList<int>{0};
    QTest::newRow("a ride that cannot be removed") << -1 << 1 << QList<int>({0, 2});
}

// Delete lines meet a drive that has gone, or a ride that will not go: what was not removed is not done.
// It is named, the sync ends partial, and the rides stay on the device as they were, so the next sync
// finds them again.
void TestDrivePulled::deletesOnAPulledDrive()
{
    QFETCH(int, pullBefore);
    QFETCH(int, locked);
    QFETCH(QList<int>, removed);
    const int nRides = 3;
    const auto ride = [](int i) { return QString("Korvo/Tracks/Profile1/r%1.gpx").arg(i); };
    const auto companion = [](int i) { return QString("Korvo/Tracks/Profile1/r%1.bin").arg(i); };
    SyncFixture f(true);
    DriveTree tree;
    for (int i = 0; i < nRides; ++i) {
        QVERIFY(tree.writeFile(ride(i), rideGpx(10 + i)));
        QVERIFY(tree.writeFile(companion(i), "bin " + QByteArray::number(i)));
    }
    QString sWhy;
    if (!tree.makeImage(&sWhy) || !tree.mountImage(&sWhy))
        QSKIP(qPrintable("no ext4 image: " + sWhy));
    LinuxVolumeInfo volumes({tree.mountPoint()});
    PlatformOverride realVolumes;
    realVolumes.setVolumes(&volumes);
    f.useDrive(tree.root());
    QStringList lstHashes;
    QStringList lstItems;
    for (int i = 0; i < nRides; ++i) {
        lstHashes.append(hashOf(tree.root() + ride(i)));
        lstItems.append(SyncItems::item("delete", lstHashes.last()));
    }
    f.service.setAnswer("getRouteSyncList", FakeShareService::RETURN, list(lstItems));
    QCOMPARE(codes(f.run(true, f.checkRequest("500", f.sDrive))), QList<int>{SYNC_CHECKSUCCESS});
    std::unique_ptr<ImmutableFile> pLock;
    if (locked >= 0) {
        pLock = std::make_unique<ImmutableFile>(tree.root() + ride(locked));
        if (!pLock->isLocked())
            QSKIP(qPrintable("no immutable files here: " + pLock->why()));
    }

    // Delete lines run one after the other without a job: the drive goes between two of them.
    int nSteps = 0;
    bool bPulled = false;
    f.onStatus = [&](const Status& status) {
        if (status.nStatus == SYNC_PROCESS && nSteps++ == pullBefore)
            bPulled = tree.unmountImage();
    };
    const QList<Status> queue = f.run(false, f.queueRequest("500", f.sDrive, true));
    f.onStatus = nullptr;
    QCOMPARE(bPulled, pullBefore >= 0);
    QCOMPARE(volumes.volumeRoots().contains(f.sDrive), !bPulled);
    QCOMPARE(queue.last().nStatus, int(SYNC_PARTIALERROR));
    QCOMPARE(f.leftBehind(), nRides - removed.size());
    QCOMPARE(f.log().count("[SyncWorker][doSynclist] drop line: done"), removed.size());
    if (bPulled)
        QCOMPARE(entries(tree.mountPoint()), QStringList());

    if (pLock)
        QVERIFY(pLock->unlock());
    QVERIFY(tree.mountImage(&sWhy));
    for (int i = 0; i < nRides; ++i) {
        const bool bGone = removed.contains(i);
        QCOMPARE(QFile::exists(tree.root() + ride(i)), !bGone);
        QCOMPARE(QFile::exists(tree.root() + companion(i)), !bGone);
        if (!bGone) {
            QCOMPARE(TestFolders::readFile(tree.root() + ride(i)), rideGpx(10 + i));
            QCOMPARE(TestFolders::readFile(tree.root() + companion(i)), "bin " + QByteArray::number(i));
        }
    }
    // The next sync's check sends the service every ride that stayed.
    f.service.setAnswer("getRouteSyncList", FakeShareService::RETURN, "[]");
    QCOMPARE(codes(f.run(true, f.checkRequest("500", f.sDrive))), QList<int>{SYNC_CHECKSUCCESS});
    const QString sSent = QStringList(f.service.calls("getRouteSyncList").last().params.values()).join('\n');
    for (int i = 0; i < nRides; ++i)
        QCOMPARE(sSent.contains(lstHashes.at(i)), !removed.contains(i));
}

void TestDrivePulled::routeWritesFail_data()
{
    QTest::addColumn<bool>("pull"); // the drive is unmounted while the route comes in
    QTest::addColumn<bool>("fill"); // its writes then fail: the file system is full
    QTest::addColumn<int>("status");
    QTest::newRow("pulled, then its writes fail") << true << true << int(SYNC_PARTIALERROR);
    // A device still there whose drive is full is told so; the line stays for the next sync.
    QTest::newRow("still listed, but full") << false << true << int(SYNC_SIZENOTENOUGH);
    QTest::newRow("pulled, then the transfer fails") << true << false << int(SYNC_PARTIALERROR);
}

// A route whose writes fail on the device, or that comes in while the device goes away, is the device's
// failure, not the Internet's: it is named and the sync ends partial, or, on a device still there whose
// drive is full, the sync says the device is full. Half a route never takes its name.
void TestDrivePulled::routeWritesFail()
{
    QFETCH(bool, pull);
    QFETCH(bool, fill);
    QFETCH(int, status);
    SyncFixture f;
    SmallVolume drive(SmallVolume::EXT4);
    drive.setFormat("8M", {});
    QString sWhy;
    if (!drive.mount(&sWhy))
        QSKIP(qPrintable("no ext4 volume: " + sWhy));
    LinuxVolumeInfo volumes({drive.path()});
    PlatformOverride realVolumes;
    realVolumes.setVolumes(&volumes);
    f.useDrive(drive.path() + "/");
    QVERIFY(SyncWorker::getFreeSpaceMB(f.sDrive) >= 2);
    // Far more than the volume holds, slow enough that the test acts while it comes in; or held until the
    // drive has gone.
    if (fill)
        f.trackAnswers.insert(
            "big.gpx", TestHttpServer::Answer::ok(QByteArray(8 * 1024 * 1024, 'x')).trickled(2000, 20));
    else
        f.trackAnswers.insert("big.gpx", TestHttpServer::Answer::stall());
    QVERIFY(WorkFile::writeRows(SyncScript::path(), {{"download", "t1", "Big", f.tracks.url("/big.gpx")}}));
    QPointer<SyncWorker> worker;
    f.run(false, f.queueRequest("500", f.sDrive, true), &worker);
    const QString sPart = f.sTracks + "/.Big.gpx.part";
    if (fill)
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(sPart).size() > 0, 20000);
    else
        QTRY_VERIFY_WITH_TIMEOUT(hasGet(f.tracks, "/big.gpx"), 20000);
    QVERIFY(!f.bDone);

    // Opened before the pull: the volume stays reachable through it, as through the route's own file.
    QFile filler(drive.path() + "/filler");
    if (fill)
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    if (pull) {
        QVERIFY(drive.unmount());
        QVERIFY(!volumes.volumeRoots().contains(f.sDrive));
    }
    if (fill)
        QVERIFY(fillUp(&filler));
    else
        QVERIFY(f.tracks.answerStalled(TestHttpServer::Answer::status(503)));

    QTRY_VERIFY_WITH_TIMEOUT(f.bDone, 30000);
    QVERIFY2(!codes(f.statuses).contains(SYNC_NETERROR), "reported as a failure of the Internet");
    QCOMPARE(codes(f.statuses).last(), status);
    if (status == SYNC_PARTIALERROR)
        QCOMPARE(f.leftBehind(), 1);
    QTRY_VERIFY(worker.isNull());
    if (pull) {
        QCOMPARE(entries(drive.path()), QStringList()); // nothing landed in the empty mount folder
    } else {
        QCOMPARE(entries(f.sTracks), QStringList());
    }
}

void TestDrivePulled::routeNameTakenDuringDownload_data()
{
    QTest::addColumn<bool>("volume"); // on a mounted ext4 volume rather than a plain folder
    QTest::addColumn<bool>("folder"); // a folder takes the name rather than a file
    QTest::newRow("a file takes the name") << false << false;
    QTest::newRow("a folder takes the name") << false << true;
    QTest::newRow("a file takes the name, on a volume") << true << false;
}

// Another entry takes the route's name while the route comes in: both stay, the route under the next free
// name, and the sync has left nothing behind.
void TestDrivePulled::routeNameTakenDuringDownload()
{
    QFETCH(bool, volume);
    QFETCH(bool, folder);
    SyncFixture f;
    SmallVolume drive(SmallVolume::EXT4);
    LinuxVolumeInfo volumes({drive.path()});
    PlatformOverride realVolumes;
    if (volume) {
        drive.setFormat("8M", {});
        QString sWhy;
        if (!drive.mount(&sWhy))
            QSKIP(qPrintable("no ext4 volume: " + sWhy));
        realVolumes.setVolumes(&volumes);
        f.useDrive(drive.path() + "/");
    }
    const QByteArray route = "<gpx>the route</gpx>";
    const QByteArray other = "<gpx>the user's own</gpx>";
    const QString sTaken = f.sTracks + "/Slow.gpx";
    bool bTaken = false;
    // The route's name was chosen when its download began; the other entry comes before its first byte.
    f.tracks.setHandler([&](const TestHttpServer::Request& request) {
        if (request.method == "HEAD")
            return TestHttpServer::Answer::status(200);
        if (!bTaken && request.path() == "/slow.gpx")
            bTaken = folder ? TestFolders::writeFile(sTaken + "/inside", other)
                            : TestFolders::writeFile(sTaken, other);
        return TestHttpServer::fileAnswer(request, route);
    });
    QVERIFY(WorkFile::writeRows(SyncScript::path(), {{"download", "t1", "Slow", f.tracks.url("/slow.gpx")}}));
    const QList<Status> queue = f.run(false, f.queueRequest("500", f.sDrive, true));
    QVERIFY(bTaken);
    QCOMPARE(codes(queue), QList<int>({SYNC_PROCESS, SYNC_PROCESS, SYNC_SUCCESS}));
    QCOMPARE(f.leftBehind(), 0);
    QCOMPARE(TestFolders::readFile(folder ? sTaken + "/inside" : sTaken), other);
    QCOMPARE(TestFolders::readFile(f.sTracks + "/Slow_(1).gpx"), route);
    QCOMPARE(entries(f.sTracks), QStringList({"Slow.gpx", "Slow_(1).gpx"})); // no temporary file is left
}

QTEST_GUILESS_MAIN(TestDrivePulled)
#include "tst_drivepulled.moc"
