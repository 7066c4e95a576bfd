#include "platform/LinuxDeviceNotices.h"
#include "platform/LinuxVolumeInfo.h"
#include "support/DriveTree.h"
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

QTEST_GUILESS_MAIN(TestLinuxVolumes)
#include "tst_linuxvolumes.moc"
