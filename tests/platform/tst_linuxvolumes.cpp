#include "platform/LinuxDeviceNotices.h"
#include "platform/LinuxVolumeInfo.h"
#include "support/DriveTree.h"
#include "support/SmallVolume.h"
#include "support/TestFolders.h"

#include <QtTest>

// A real volume: a labelled ext4 image, loop-mounted by the test. Needs root (CI and the development
// machines run as root); elsewhere the tests skip with the system's refusal. The label is not a device's,
// so that device tests running at the same time do not take this volume for a device.
class TestLinuxVolumes : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void labelRootAndFreeSpace();
    void mountAndUnmountGiveNotices();
    void failedFreeSpaceQuery();
    void volumeSpace_data();
    void volumeSpace();

private:
    bool mountOrSkipReason(QString* pWhy);

    std::unique_ptr<TestFolders> m_pFolders;
    std::unique_ptr<DriveTree> m_pTree;
};

void TestLinuxVolumes::init()
{
    m_pFolders = std::make_unique<TestFolders>();
    m_pTree = std::make_unique<DriveTree>();
    m_pTree->setLabel("WENDO TEST");
    QVERIFY(m_pTree->writeFile("Korvo/readme.txt", "x"));
}

void TestLinuxVolumes::cleanup()
{
    m_pTree.reset(); // unmounts, also after a failed check
    m_pFolders.reset();
}

bool TestLinuxVolumes::mountOrSkipReason(QString* pWhy)
{
    return m_pTree->makeImage(pWhy) && m_pTree->mountImage(pWhy);
}

void TestLinuxVolumes::labelRootAndFreeSpace()
{
    QString sWhy;
    if (!mountOrSkipReason(&sWhy))
        QSKIP(qPrintable("loop mount refused here: " + sWhy));
    LinuxVolumeInfo volumes;
    const QString sRoot = m_pTree->root();
    QVERIFY2(volumes.volumeRoots().contains(sRoot), qPrintable(volumes.volumeRoots().join(", ")));
    QCOMPARE(volumes.volumeLabel(sRoot), QString("WENDO TEST"));
    QCOMPARE(volumes.volumeLabel(m_pTree->mountPoint()), QString("WENDO TEST"));
    quint64 nFree = 0;
    QVERIFY(volumes.freeSpace(sRoot, &nFree));
    QVERIFY(nFree > 0 && nFree < 8ull * 1024 * 1024);
    QVERIFY(QFile::exists(sRoot + "Korvo/readme.txt"));
    // Unmounted, the folder is left on the volume above it; its room is not the device's.
    QVERIFY(m_pTree->unmountImage());
    QVERIFY(!volumes.freeSpace(sRoot, &nFree));
}

void TestLinuxVolumes::mountAndUnmountGiveNotices()
{
    QString sWhy;
    if (!m_pTree->makeImage(&sWhy))
        QSKIP(qPrintable("no image: " + sWhy));
    LinuxDeviceNotices notices;
    QList<DeviceNotice> lstSeen;
    connect(&notices, &DeviceNotices::noticeArrived, this,
            [&lstSeen](DeviceNotice notice) { lstSeen.append(notice); });
    QVERIFY(notices.startWatching());
    if (!m_pTree->mountImage(&sWhy))
        QSKIP(qPrintable("loop mount refused here: " + sWhy));
    const QString sRoot = m_pTree->root();
    auto seen = [&lstSeen, &sRoot](bool bArrival) {
        for (const DeviceNotice& notice : lstSeen) {
            if (notice.sPath == sRoot && notice.bArrival == bArrival)
                return true;
        }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(seen(true), 10000);
    QVERIFY(m_pTree->unmountImage());
    QTRY_VERIFY_WITH_TIMEOUT(seen(false), 10000);
    notices.stopWatching();
}

void TestLinuxVolumes::failedFreeSpaceQuery()
{
    LinuxVolumeInfo volumes;
    quint64 nFree = 12345;
    QVERIFY(!volumes.freeSpace(m_pFolders->dataPath("gone/away/"), &nFree));
    QVERIFY(!volumes.freeSpace(QString(), &nFree));
    // A folder that exists but is no mount point: no volume there.
    QVERIFY(!volumes.freeSpace(m_pFolders->dataDir() + "/", &nFree));
    QCOMPARE(nFree, quint64(12345));
    QVERIFY(volumes.freeSpace("/", &nFree));
    QCOMPARE(volumes.volumeLabel(m_pFolders->dataDir() + "/"), QString());
}

void TestLinuxVolumes::volumeSpace_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("format");
    QTest::addColumn<qint64>("unit");
    QTest::addColumn<bool>("fileLimit");
    QTest::newRow("ext4 of 16 inodes") << int(SmallVolume::EXT4) << QStringList{"-N", "16"} << 4096LL << true;
    // tmpfs without an inode limit counts no file slots at all, as the device's FAT does.
    QTest::newRow("tmpfs without an inode limit")
        << int(SmallVolume::TMPFS) << QStringList{"nr_inodes=0"} << 4096LL << false;
    QTest::newRow("FAT of 32 KB clusters")
        << int(SmallVolume::FAT) << QStringList{"-s", "64"} << 32768LL << false;
}

void TestLinuxVolumes::volumeSpace()
{
    QFETCH(int, kind);
    QFETCH(QStringList, format);
    QFETCH(qint64, unit);
    QFETCH(bool, fileLimit);
    SmallVolume volume{SmallVolume::Kind(kind)};
    volume.setFormat("8M", format);
    QString sWhy;
    if (!volume.mount(&sWhy))
        QSKIP(qPrintable("this machine cannot mount the volume: " + sWhy));
    LinuxVolumeInfo volumes;
    const QString sRoot = volume.path() + "/";
    VolumeSpace before;
    QVERIFY(volumes.volumeSpace(sRoot, &before));
    QCOMPARE(qint64(before.nUnit), unit);
    QCOMPARE(before.bFileLimit, fileLimit);
    quint64 nFree = 0;
    QVERIFY(volumes.freeSpace(sRoot, &nFree));
    QCOMPARE(before.nFreeBytes, nFree);
    // One file of one byte takes a whole unit and, where the volume counts them, one file slot.
    QVERIFY(TestFolders::writeFile(sRoot + "one.bin", "1"));
    VolumeSpace after;
    QVERIFY(volumes.volumeSpace(sRoot, &after));
    QCOMPARE(before.nFreeBytes - after.nFreeBytes, quint64(unit));
    QCOMPARE(before.nFreeFiles - after.nFreeFiles, quint64(fileLimit ? 1 : 0));
    QVERIFY(volume.unmount());
    QVERIFY(!volumes.volumeSpace(sRoot, &after));
}

QTEST_GUILESS_MAIN(TestLinuxVolumes)
#include "tst_linuxvolumes.moc"
