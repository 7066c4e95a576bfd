#include "core/AgentFolders.h"
#include "core/WorkFile.h"
#include "platform/ArchiveTool.h"
#include "platform/Platform.h"
#include "platform/VolumeInfo.h"
#include "support/SmallVolume.h"
#include "support/SystemTools.h"
#include "support/TestFolders.h"
#include "update/MapFreeUpdateWorker.h"
#include "update/ProcMapXml.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Rows = QList<WorkFile::Row>;

namespace
{
const int SMALL_FILES = 300;
}

// Whether a device package of many one-byte files fits is decided by the room the files take on the
// device's real file system, not by their bytes: the install runs with the real 7-Zip onto small
// loop-mounted ext4 and FAT images (root only; elsewhere the rows skip and say why).
class TestInstallRoom : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void manySmallFiles_data();
    void manySmallFiles();

private:
    QTemporaryDir m_root;
    QString m_sPackage;
    QScopedPointer<TestFolders> m_pFolders;
};

void TestInstallRoom::initTestCase()
{
    qRegisterMetaType<ACTION_STATUS>("ACTION_STATUS");
    const QString sProgram = ArchiveTool::findProgram(QString());
    if (sProgram.isEmpty())
        QSKIP("no 7-Zip installed");
    const QString sSource = m_root.filePath("src");
    for (int i = 0; i < SMALL_FILES; ++i)
        QVERIFY(TestFolders::writeFile(
            QString("%1/KORVO/App/parts/p%2.bin").arg(sSource).arg(i, 4, 10, QChar('0')), "x"));
    m_sPackage = m_root.filePath("App_many.zip");
    QString sWhy;
    QVERIFY2(SystemTools::run(sProgram, {"a", "-tzip", m_sPackage, sSource + "/."}, &sWhy), qPrintable(sWhy));
}

void TestInstallRoom::init()
{
    m_pFolders.reset(new TestFolders);
    QVERIFY(QDir().mkpath(m_pFolders->tempDir()));
}

void TestInstallRoom::cleanup()
{
    m_pFolders.reset();
}

void TestInstallRoom::manySmallFiles_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("format");
    QTest::addColumn<bool>("installs");
    // 8 MB hold the package's bytes many times over; what decides is how the volume counts them.
    QTest::newRow("ext4 of 16 inodes: refused") << int(SmallVolume::EXT4) << QStringList{"-N", "16"} << false;
    QTest::newRow("ext4 of the usual inodes: installed") << int(SmallVolume::EXT4) << QStringList() << true;
    QTest::newRow("FAT of 2 KB clusters: installed")
        << int(SmallVolume::FAT) << QStringList{"-s", "4"} << true;
    QTest::newRow("FAT of 32 KB clusters: refused")
        << int(SmallVolume::FAT) << QStringList{"-s", "64"} << false;
}

void TestInstallRoom::manySmallFiles()
{
    QFETCH(int, kind);
    QFETCH(QStringList, format);
    QFETCH(bool, installs);
    SmallVolume volume{SmallVolume::Kind(kind)};
    volume.setFormat("8M", format);
    QString sWhy;
    if (!volume.mount(&sWhy))
        QSKIP(qPrintable("this machine cannot mount the image (root, loop devices and the kernel's file "
                         "system are needed): " +
                         sWhy));
    const QString sRoot = volume.path() + "/";
    QVERIFY(QDir().mkpath(sRoot + "KORVO"));
    QVERIFY(QFile::copy(m_sPackage, AgentFolders::tempPath("App_many.zip")));
    const QString sSize = QString::number(QFileInfo(m_sPackage).size());
    const Rows devices = {{"APPLICATION", "2026-01-02", "2.0", sSize, "http://127.0.0.1:9/App_many.zip", ""}};
    QVERIFY(WorkFile::writeRows(AgentFolders::tempPath("DevDownload.script"), devices));
    QVERIFY(WorkFile::writeRows(ProcMapXml::mapListPath(), Rows()));

    MapFreeUpdateWorker worker(false);
    MapFreeUpdateWorker::Host host;
    host.freeSpace = [sRoot] {
        quint64 nFree = 0;
        return Platform::volumes().freeSpace(sRoot, &nFree) ? nFree : 0;
    };
    host.driveRoot = [sRoot] { return sRoot; };
    worker.setHost(host);
    QSignalSpy spy(&worker, &MapFreeUpdateWorker::emitStatus);
    worker.installMapFreeUpdate(R"({"drive":"/elsewhere/","model":"M","sku":"S","uuid":"U"})");
    auto isFinal = [&spy] {
        if (spy.isEmpty())
            return false;
        const ACTION_STATUS last = spy.last().at(0).value<ACTION_STATUS>();
        return last != DEVICE_INSTALLPROCESS && last != DEVICE_ITEMINSTALLED && last != MAP_INSTALLPROCESS;
    };
    QVERIFY(QTest::qWaitFor(isFinal, 60000));
    const int nFiles =
        QDir(sRoot + "KORVO/App/parts").entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden).size();
    if (installs) {
        QCOMPARE(spy.last().at(0).value<ACTION_STATUS>(), MAP_INSTALLSUCCESS);
        QCOMPARE(nFiles, SMALL_FILES);
        return;
    }
    // Refused before anything is unpacked: the room result is the one status, the device has nothing
    // new and the package is still listed.
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().at(0).value<ACTION_STATUS>(), MAP_SIZENOTENOUGH);
    VolumeSpace space;
    QVERIFY(Platform::volumes().volumeSpace(sRoot, &space));
    // Each file takes at least one unit, and the two new folders one each.
    QCOMPARE(spy.first().at(1).toString(), QString::number((SMALL_FILES + 2) * space.nUnit));
    QVERIFY(!QFileInfo::exists(sRoot + "KORVO/App"));
    Rows left;
    QVERIFY(WorkFile::readRows(AgentFolders::tempPath("DevDownload.script"), &left));
    QCOMPARE(left, devices);
}

QTEST_GUILESS_MAIN(TestInstallRoom)
#include "tst_installroom.moc"
