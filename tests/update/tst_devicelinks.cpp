#include "core/AgentFolders.h"
#include "core/AgentTiming.h"
#include "core/WorkFile.h"
#include "platform/ArchiveTool.h"
#include "platform/Platform.h"
#include "support/DriveTree.h"
#include "support/FakeArchivePrograms.h"
#include "support/NginxFixture.h"
#include "support/SystemTools.h"
#include "support/TestFolders.h"
#include "update/MapFreeUpdateWorker.h"
#include "update/ProcMapXml.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/mount.h>
#include <unistd.h>

using Rows = QList<WorkFile::Row>;
using Snapshot = QMap<QString, QByteArray>;

// An install onto a device whose own folders and files link to the computer's: the real worker, the real
// 7-Zip and packages from a real nginx. Whatever the device's links say, nothing is written off the device,
// the device gets nothing, and the install ends with exactly one failure.
class TestDeviceLinks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void linksOffTheDevice_data();
    void linksOffTheDevice();
    void driveChangesBeforeVersion();

private:
    bool makeZip(const QString& sName, const QString& sFolder, const QString& sMember);
    WorkFile::Row mapRow(const QString& sName) const;
    WorkFile::Row deviceRow(const QString& sName) const;
    MapFreeUpdateWorker* makeWorker();
    QList<int> run(const Rows& maps, const Rows& devices);
    static Snapshot snapshot(const QString& sRoot);

    QTemporaryDir m_root;
    NginxFixture m_nginx;
    QScopedPointer<TestFolders> m_pFolders;
    QScopedPointer<DriveTree> m_pDrive;
    QScopedPointer<QTemporaryDir> m_pComputer;
    std::function<QString()> m_driveRoot;
    QStringList m_lstErrors;
};

bool TestDeviceLinks::makeZip(const QString& sName, const QString& sFolder, const QString& sMember)
{
    QString sWhy;
    // Run inside sFolder, so the member keeps its relative path.
    const QString sScript =
        QString("cd '%1' && '%2' a -tzip '%3' '%4' >/dev/null")
            .arg(sFolder, ArchiveTool::findProgram(QString()), m_root.filePath(sName), sMember);
    const bool bOk = SystemTools::run("/bin/sh", {"-c", sScript}, &sWhy);
    if (!bOk)
        qWarning("%s", qPrintable(sWhy));
    return bOk;
}

void TestDeviceLinks::initTestCase()
{
    qRegisterMetaType<ACTION_STATUS>("ACTION_STATUS");
    if (ArchiveTool::findProgram(QString()).isEmpty())
        QSKIP("no 7-Zip installed");
    if (!NginxFixture::isAvailable())
        QSKIP(qPrintable(NginxFixture::skipReason()));
    QVERIFY(m_root.isValid());
    const QString sSource = m_root.filePath("src");
    QVERIFY(TestFolders::writeFile(sSource + "/KORVO/App/app.bin", QByteArray(4000, 'a')));
    QVERIFY(TestFolders::writeFile(sSource + "/base.img", QByteArray(6000, 'b')));
    QVERIFY(makeZip("App_9.zip", sSource, "KORVO"));
    QVERIFY(makeZip("BM-EU.zip", sSource, "base.img"));
    QVERIFY2(m_nginx.start(m_root.path()), qPrintable(m_nginx.errorString()));
}

void TestDeviceLinks::init()
{
    m_pFolders.reset(new TestFolders);
    QVERIFY(QDir().mkpath(m_pFolders->tempDir()));
    m_pDrive.reset(new DriveTree);
    QVERIFY(m_pDrive->writeVersion("bm", "0.1;old;1;"));
    QVERIFY(m_pDrive->writeFile("KORVO/App/old.bin", "old program"));
    m_pComputer.reset(new QTemporaryDir);
    QVERIFY(TestFolders::writeFile(m_pComputer->path() + "/.bashrc", "alias ls='ls -F'\n"));
    QVERIFY(TestFolders::writeFile(m_pComputer->path() + "/version.app", "the computer's own file"));
    const QString sRoot = m_pDrive->root();
    m_driveRoot = [sRoot] { return sRoot; };
    AgentTiming::set(AgentTiming::DOWNLOAD_PROGRESS, 0);
    m_lstErrors.clear();
}

void TestDeviceLinks::cleanup()
{
    AgentTiming::resetDefaults();
    m_pDrive.reset();
    m_pComputer.reset();
    m_pFolders.reset();
}

WorkFile::Row TestDeviceLinks::mapRow(const QString& sName) const
{
    const QByteArray bytes = TestFolders::readFile(m_root.filePath(sName));
    const QString sSum =
        QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
    return {"BugFixMapUpdate",
            "3.5",
            QString::number(bytes.size()),
            "2026-02-03",
            "BM-EU",
            "7",
            m_nginx.url("/" + sName),
            sSum,
            "http://notes/",
            "0",
            ""};
}

WorkFile::Row TestDeviceLinks::deviceRow(const QString& sName) const
{
    return {"APPLICATION",
            "2026-11-30",
            "9.0.0",
            QString::number(QFileInfo(m_root.filePath(sName)).size()),
            m_nginx.url("/" + sName),
            ""};
}

MapFreeUpdateWorker* TestDeviceLinks::makeWorker()
{
    auto* pWorker = new MapFreeUpdateWorker(false);
    MapFreeUpdateWorker::Host host;
    host.error = [this](const QString& sCode, const QString& sText) { m_lstErrors << sCode << sText; };
    host.freeSpace = [] { return 1ULL << 40; };
    host.driveRoot = [this] { return m_driveRoot(); };
    pWorker->setHost(host);
    return pWorker;
}

// The statuses that end an install, counted once the worker is gone (nothing can follow then).
QList<int> TestDeviceLinks::run(const Rows& maps, const Rows& devices)
{
    const QList<int> progress = {MAP_DOWNLOADPROCESS, MAP_INSTALLPROCESS, DEVICE_INSTALLPROCESS,
                                 DEVICE_ITEMINSTALLED};
    if (!WorkFile::writeRows(ProcMapXml::mapListPath(), maps) ||
        !WorkFile::writeRows(AgentFolders::tempPath("DevDownload.script"), devices))
        return {};
    QList<int> finals;
    {
        QScopedPointer<MapFreeUpdateWorker> pWorker(makeWorker());
        connect(pWorker.data(), &MapFreeUpdateWorker::emitStatus, this,
                [&finals, &progress](ACTION_STATUS status, const QString&) {
                    if (!progress.contains(int(status)))
                        finals.append(int(status));
                });
        pWorker->installMapFreeUpdate("{}");
        if (!QTest::qWaitFor([&finals] { return !finals.isEmpty(); }, 60000))
            qWarning("no final status within 60 s");
    }
    QCoreApplication::sendPostedEvents();
    return finals;
}

// Every entry below sRoot, links as links (never followed).
Snapshot TestDeviceLinks::snapshot(const QString& sRoot)
{
    Snapshot entries;
    const QDir root(sRoot);
    QDirIterator it(sRoot, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString sRel = root.relativeFilePath(it.filePath());
        if (info.isSymLink())
            entries.insert(sRel, "l" + info.symLinkTarget().toUtf8());
        else if (info.isDir())
            entries.insert(sRel, "d");
        else
            entries.insert(sRel, "f" + TestFolders::readFile(it.filePath()));
    }
    return entries;
}

void TestDeviceLinks::linksOffTheDevice_data()
{
    QTest::addColumn<QString>("entry"); // on the device
    QTest::addColumn<QString>(
        "target");                    // below the computer's folder; "" for the folder; "mount" for a tmpfs
    QTest::addColumn<bool>("device"); // a device package, else a map
    QTest::newRow("KORVO links to a folder, device package") << "KORVO"
                                                             << "" << true;
    QTest::newRow("KORVO links to a folder, map") << "KORVO"
                                                  << "" << false;
    QTest::newRow("KORVO/App links to a folder") << "KORVO/App"
                                                 << "" << true;
    QTest::newRow("KORVO/Map links to a folder") << "KORVO/Map"
                                                 << "" << false;
    QTest::newRow("KORVO/version.app links to a file") << "KORVO/version.app"
                                                       << "version.app" << true;
    QTest::newRow("KORVO/version.bm links to a file") << "KORVO/version.bm"
                                                      << ".bashrc" << false;
    QTest::newRow("KORVO/version.bm links to a missing file") << "KORVO/version.bm"
                                                              << "new.txt" << false;
    QTest::newRow("KORVO/Map is another file system") << "KORVO/Map"
                                                      << "mount" << false;
}

void TestDeviceLinks::linksOffTheDevice()
{
    QFETCH(QString, entry);
    QFETCH(QString, target);
    QFETCH(bool, device);
    const QString sEntry = m_pDrive->root() + entry;
    const bool bMount = target == "mount";
    if (bMount) {
        if (::geteuid() != 0)
            QSKIP("mounting needs root");
        QVERIFY(QDir().mkpath(sEntry));
        if (::mount("tmpfs", QFile::encodeName(sEntry).constData(), "tmpfs", 0, "size=1m") != 0)
            QSKIP("no tmpfs mount here");
    } else {
        if (QFileInfo(sEntry).isDir())
            QVERIFY(QDir(sEntry).removeRecursively());
        else
            QFile::remove(sEntry);
        QVERIFY(QFile::link(m_pComputer->path() + (target.isEmpty() ? "" : "/" + target), sEntry));
    }
    if (device)
        QVERIFY(QFile::copy(m_root.filePath("App_9.zip"), AgentFolders::tempPath("App_9.zip")));
    const Snapshot computer = snapshot(m_pComputer->path());
    const Snapshot drive = snapshot(m_pDrive->root());
    const Snapshot mounted = bMount ? snapshot(sEntry) : Snapshot();

    const QList<int> finals = device ? run({}, {deviceRow("App_9.zip")}) : run({mapRow("BM-EU.zip")}, {});
    const Snapshot mountedAfter = bMount ? snapshot(sEntry) : Snapshot();
    if (bMount)
        QCOMPARE(::umount(QFile::encodeName(sEntry).constData()), 0);

    QCOMPARE(finals, QList<int>{device ? int(DEVICE_UNZIPERROR) : int(MAP_UNZIPERROR)});
    QCOMPARE(m_lstErrors.value(0), QString("E05"));
    QCOMPARE(snapshot(m_pComputer->path()), computer);
    QCOMPARE(snapshot(m_pDrive->root()), drive);
    QCOMPARE(mountedAfter, mounted);
    // The row stays for a later try on a sound device.
    Rows rows;
    QVERIFY(WorkFile::readRows(
        device ? AgentFolders::tempPath("DevDownload.script") : ProcMapXml::mapListPath(), &rows));
    QCOMPARE(rows.size(), 1);
}

// The drive stops being the device's between the unpack and the version file (another drive in its
// place): the version file is written to neither, and the install fails once.
void TestDeviceLinks::driveChangesBeforeVersion()
{
    DriveTree other;
    QVERIFY(other.writeVersion("bm", "other;device;"));
    FakeArchivePrograms fakes;
    const QString sMark = fakes.dir() + "/unpacked";
    const QString sReal = ArchiveTool::findProgram(QString());
    PlatformOverride platform;
    platform.setArchiveProgram(fakes.script(
        "mark7z",
        QString("\"%1\" \"$@\"; rc=$?; [ \"$1\" = x ] && touch '%2'; exit $rc\n").arg(sReal, sMark)));
    const QString sFirst = m_pDrive->root();
    const QString sSecond = other.root();
    m_driveRoot = [sFirst, sSecond, sMark] { return QFileInfo::exists(sMark) ? sSecond : sFirst; };

    const QList<int> finals = run({mapRow("BM-EU.zip")}, {});
    QVERIFY(QFileInfo::exists(sMark));
    QCOMPARE(finals, QList<int>{int(MAP_UNZIPERROR)});
    QCOMPARE(m_lstErrors.value(0), QString("E05"));
    QCOMPARE(TestFolders::readFile(sFirst + "KORVO/version.bm"), QByteArray("0.1;old;1;"));
    QCOMPARE(TestFolders::readFile(sSecond + "KORVO/version.bm"), QByteArray("other;device;"));
    Rows rows;
    QVERIFY(WorkFile::readRows(ProcMapXml::mapListPath(), &rows));
    QCOMPARE(rows.size(), 1);
}

QTEST_GUILESS_MAIN(TestDeviceLinks)
#include "tst_devicelinks.moc"
