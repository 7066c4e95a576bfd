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
#include "support/TestHttpServer.h"
#include "support/ZipBuilder.h"
#include "update/ArchiveSize.h"
#include "update/MapFreeUpdateWorker.h"
#include "update/MapRows.h"
#include "update/ProcMapXml.h"

#include <QCryptographicHash>
#include <QDir>
#include <QPointer>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Rows = QList<WorkFile::Row>;
using Statuses = QList<QPair<int, QString>>;

// The map install: archives from a real nginx, made by the real 7-Zip (or by hand where they must be
// hostile), unpacked onto a device drive whose top folder is spelled "KORVO".
class TestMapInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void nothingToInstall();
    void mapOnly();
    void devicePackageAndMap();
    void room_data();
    void room();
    void lastingMismatch();
    void mismatchThenMatch();
    void addOnFirstRowIsDownloaded();
    void refusedArchives_data();
    void refusedArchives();
    void archivePrograms_data();
    void archivePrograms();
    void brokenOffInstallKeepsTheRest();
    void rowsWithoutVersion_data();
    void rowsWithoutVersion();
    void workFolderAfterInstall();
    void noDevice();
    void unknownDeviceRow();
    void driveGoneBeforeVersion();
    void deletedMidUnpack();
    void roomCheckLeavesTheLoopRunning();

private:
    bool makeZip(const QString& sName, const QStringList& lstMembers);
    WorkFile::Row mapRow(const QString& sName, const QString& sNotes,
                         const QString& sKind = "BugFixMapUpdate",
                         const QString& sChecksum = QString()) const;
    WorkFile::Row deviceRow(const QString& sKind, const QString& sName) const;
    MapFreeUpdateWorker* makeWorker();
    Statuses run(const Rows& maps, const Rows& devices = Rows());
    static Rows rowsOf(const QString& sPath);
    int getsOf(const QString& sName) const;

    QTemporaryDir m_root;
    NginxFixture m_nginx;
    QScopedPointer<TestFolders> m_pFolders;
    QScopedPointer<DriveTree> m_pDrive;
    QStringList m_lstErrors;
    quint64 m_nFree = 1ULL << 40;
    QByteArray m_base;
    int m_nLogStart = 0;
    bool m_bDevice = true;
};

bool TestMapInstall::makeZip(const QString& sName, const QStringList& lstMembers)
{
    QString sWhy;
    const QStringList args = QStringList({"a", "-tzip", m_root.filePath(sName)}) + lstMembers;
    const bool bOk = SystemTools::run(ArchiveTool::findProgram(QString()), args, &sWhy);
    if (!bOk)
        qWarning("%s", qPrintable(sWhy));
    return bOk;
}

void TestMapInstall::initTestCase()
{
    qRegisterMetaType<ACTION_STATUS>("ACTION_STATUS");
    if (ArchiveTool::findProgram(QString()).isEmpty())
        QSKIP("no 7-Zip installed");
    if (!NginxFixture::isAvailable())
        QSKIP(qPrintable(NginxFixture::skipReason()));
    QVERIFY(m_root.isValid());
    const QString sSource = m_root.filePath("src");
    QRandomGenerator random(17);
    QByteArray noise(200000, Qt::Uninitialized);
    for (char& c : noise)
        c = char(random.bounded(256));
    m_base = noise;
    QVERIFY(TestFolders::writeFile(sSource + "/base.img", m_base));
    QVERIFY(TestFolders::writeFile(sSource + "/ta.img", QByteArray(100000, 't')));
    QVERIFY(TestFolders::writeFile(sSource + "/program.bin", QByteArray(50000, 'p')));
    QVERIFY(makeZip("BM-EU.zip", {sSource + "/base.img"}));
    QVERIFY(makeZip("TA-EU.zip", {sSource + "/ta.img"}));
    QVERIFY(makeZip("App_2.zip", {sSource + "/program.bin"}));
    QByteArray damaged = TestFolders::readFile(m_root.filePath("BM-EU.zip"));
    for (int i = 1000; i < 1100; ++i)
        damaged[i] = char(damaged[i] ^ 0x5a);
    QVERIFY(TestFolders::writeFile(m_root.filePath("damaged.zip"), damaged));
    ZipBuilder dotdot;
    dotdot.addFile("ok.txt", "fine");
    dotdot.addFile("../../escaped.txt", "escaped");
    QVERIFY(dotdot.write(m_root.filePath("dotdot.zip")));
    QVERIFY2(m_nginx.start(m_root.path()), qPrintable(m_nginx.errorString()));
}

void TestMapInstall::init()
{
    m_pFolders.reset(new TestFolders);
    QVERIFY(QDir().mkpath(m_pFolders->tempDir()));
    m_pDrive.reset(new DriveTree);
    QVERIFY(m_pDrive->writeVersion("bm", "0.1;old;1;"));
    AgentTiming::set(AgentTiming::DOWNLOAD_PROGRESS, 0);
    m_lstErrors.clear();
    m_nFree = 1ULL << 40;
    m_bDevice = true;
    m_nLogStart = m_nginx.accessLog().size();
}

void TestMapInstall::cleanup()
{
    AgentTiming::resetDefaults();
    m_pDrive.reset();
    m_pFolders.reset();
}

WorkFile::Row TestMapInstall::mapRow(const QString& sName, const QString& sNotes, const QString& sKind,
                                     const QString& sChecksum) const
{
    QCryptographicHash md5(QCryptographicHash::Md5);
    md5.addData(TestFolders::readFile(m_root.filePath(sName)));
    const QString sSum = sChecksum.isEmpty() ? QString::fromLatin1(md5.result().toHex()) : sChecksum;
    const QString sSize = QString::number(QFileInfo(m_root.filePath(sName)).size());
    WorkFile::Row row = {
        sKind,           "3.5", sSize, "2026-02-03 04:05:06", sNotes, "7", m_nginx.url("/" + sName), sSum,
        "http://notes/", "0",   ""};
    if (sKind == "SellMapCredits")
        row.insert(6, "1");
    return row;
}

WorkFile::Row TestMapInstall::deviceRow(const QString& sKind, const QString& sName) const
{
    return {sKind,
            "2026-01-02",
            "2.0",
            QString::number(QFileInfo(m_root.filePath(sName)).size()),
            m_nginx.url("/" + sName),
            ""};
}

Rows TestMapInstall::rowsOf(const QString& sPath)
{
    Rows rows;
    WorkFile::readRows(sPath, &rows);
    return rows;
}

int TestMapInstall::getsOf(const QString& sName) const
{
    int nGets = 0;
    const QStringList lines = m_nginx.accessLog().mid(m_nLogStart);
    for (const QString& sLine : lines)
        nGets += sLine.startsWith("GET /" + sName + " ") ? 1 : 0;
    return nGets;
}

MapFreeUpdateWorker* TestMapInstall::makeWorker()
{
    auto* pWorker = new MapFreeUpdateWorker(false);
    MapFreeUpdateWorker::Host host;
    host.error = [this](const QString& sCode, const QString& sText) { m_lstErrors << sCode << sText; };
    host.freeSpace = [this] { return m_nFree; };
    host.driveRoot = [this] { return m_bDevice ? m_pDrive->root() : QString(); };
    pWorker->setHost(host);
    return pWorker;
}

Statuses TestMapInstall::run(const Rows& maps, const Rows& devices)
{
    if (!WorkFile::writeRows(ProcMapXml::mapListPath(), maps))
        return {};
    if (!devices.isEmpty() && !WorkFile::writeRows(AgentFolders::tempPath("DevDownload.script"), devices))
        return {};
    QPointer<MapFreeUpdateWorker> pWorker(makeWorker());
    QSignalSpy spy(pWorker.data(), &MapFreeUpdateWorker::emitStatus);
    pWorker->installMapFreeUpdate(R"({"drive":"/elsewhere/","model":"M","sku":"S","uuid":"U"})");
    auto isFinal = [&spy] {
        if (spy.isEmpty())
            return false;
        const int nLast = int(spy.last().at(0).value<ACTION_STATUS>());
        return nLast != MAP_DOWNLOADPROCESS && nLast != MAP_INSTALLPROCESS &&
               nLast != DEVICE_INSTALLPROCESS && nLast != DEVICE_ITEMINSTALLED;
    };
    if (!QTest::qWaitFor(isFinal, 60000))
        qWarning("no final status within 60 s");
    // Ended as the controller ends it after its final result; once it is gone, everything it reported
    // has been counted and nothing more can follow.
    pWorker->deleteLater();
    if (!QTest::qWaitFor([&pWorker] { return pWorker.isNull(); }, 10000))
        qWarning("the worker was not deleted");
    Statuses seen;
    for (const QList<QVariant>& args : spy) {
        if (args.at(0).value<ACTION_STATUS>() != MAP_DOWNLOADPROCESS)
            seen.append({int(args.at(0).value<ACTION_STATUS>()), args.at(1).toString()});
    }
    return seen;
}

void TestMapInstall::nothingToInstall()
{
    QCOMPARE(run({}), (Statuses{{int(DEVICE_ITEMINSTALLED), ""}, {int(MAP_INSTALLSUCCESS), ""}}));
}

void TestMapInstall::mapOnly()
{
    const Statuses seen = run({mapRow("BM-EU.zip", "BM-EU")});
    QCOMPARE(seen, (Statuses{{int(DEVICE_ITEMINSTALLED), ""},
                             {int(MAP_INSTALLPROCESS), R"({"file":"BM-EU.zip","unzip":"0"})"},
                             {int(MAP_INSTALLPROCESS), R"({"file":"BM-EU.zip","unzip":"100"})"},
                             {int(DEVICE_ITEMINSTALLED), ""},
                             {int(MAP_INSTALLSUCCESS), ""}}));
    QCOMPARE(TestFolders::readFile(m_pDrive->root() + "KORVO/Map/base.img"), m_base);
    // The one top folder, whatever its spelling, holds the version file byte for byte.
    const QString sSize = QString::number(QFileInfo(m_root.filePath("BM-EU.zip")).size());
    QCOMPARE(TestFolders::readFile(m_pDrive->root() + "KORVO/version.bm"),
             ("3.5;2026-02-03 04:05:06;" + sSize + ";").toUtf8());
    QVERIFY(!QFileInfo::exists(m_pDrive->root() + "Korvo"));
    QCOMPARE(rowsOf(ProcMapXml::mapListPath()), Rows());
    QVERIFY(!QFileInfo::exists(AgentFolders::tempPath("BM-EU.zip")));
}

void TestMapInstall::devicePackageAndMap()
{
    // The device update left its verified package in the work folder.
    QVERIFY(QFile::copy(m_root.filePath("App_2.zip"), AgentFolders::tempPath("App_2.zip")));
    const Statuses seen = run({mapRow("TA-EU.zip", "TA-EU")}, {deviceRow("APPLICATION", "App_2.zip")});
    QCOMPARE(seen, (Statuses{{int(DEVICE_INSTALLPROCESS), R"({"file":"App_2.zip","unzip":"0"})"},
                             {int(DEVICE_INSTALLPROCESS), R"({"file":"App_2.zip","unzip":"100"})"},
                             {int(DEVICE_ITEMINSTALLED), ""},
                             {int(MAP_INSTALLPROCESS), R"({"file":"TA-EU.zip","unzip":"0"})"},
                             {int(MAP_INSTALLPROCESS), R"({"file":"TA-EU.zip","unzip":"100"})"},
                             {int(DEVICE_ITEMINSTALLED), ""},
                             {int(MAP_INSTALLSUCCESS), ""}}));
    // Device packages unpack into the drive root.
    QCOMPARE(TestFolders::readFile(m_pDrive->root() + "program.bin"), QByteArray(50000, 'p'));
    QCOMPARE(TestFolders::readFile(m_pDrive->root() + "KORVO/Map/ta.img"), QByteArray(100000, 't'));
    const QString sAppSize = QString::number(QFileInfo(m_root.filePath("App_2.zip")).size());
    QCOMPARE(TestFolders::readFile(m_pDrive->root() + "KORVO/version.app"),
             ("2.0;20260102;" + sAppSize).toUtf8());
    QVERIFY(TestFolders::readFile(m_pDrive->root() + "KORVO/version.map").startsWith("3.5;"));
    QCOMPARE(rowsOf(AgentFolders::tempPath("DevDownload.script")), Rows());
    // Installed archives do not stay in the work folder.
    QVERIFY(!QFileInfo::exists(AgentFolders::tempPath("App_2.zip")));
    QVERIFY(!QFileInfo::exists(AgentFolders::tempPath("TA-EU.zip")));
}

void TestMapInstall::room_data()
{
    QTest::addColumn<qint64>("extra");
    QTest::addColumn<bool>("installs");
    QTest::newRow("free space equal to the need") << qint64(0) << false;
    QTest::newRow("one byte more") << qint64(1) << true;
}

void TestMapInstall::room()
{
    QFETCH(qint64, extra);
    QFETCH(bool, installs);
    const qint64 nNeed = ArchiveSize::unpackedSize(m_root.filePath("BM-EU.zip"));
    QVERIFY(nNeed > 0);
    // A file the archive overwrites counts as free room.
    QVERIFY(m_pDrive->writeFile("KORVO/Map/base.img", QByteArray(1000, 'o')));
    m_nFree = quint64(nNeed) + MapFreeUpdateWorker::SPACE_MARGIN - 1000 + quint64(extra);
    const Statuses seen = run({mapRow("BM-EU.zip", "BM-EU")});
    if (installs) {
        QCOMPARE(seen.last(), qMakePair(int(MAP_INSTALLSUCCESS), QString()));
    } else {
        QCOMPARE(seen, (Statuses{{int(MAP_SIZENOTENOUGH), QString::number(nNeed)}}));
        QCOMPARE(rowsOf(ProcMapXml::mapListPath()).size(), 1);
        QCOMPARE(TestFolders::readFile(m_pDrive->root() + "KORVO/Map/base.img"), QByteArray(1000, 'o'));
    }
}

void TestMapInstall::lastingMismatch()
{
    const WorkFile::Row bad =
        mapRow("BM-EU.zip", "BM-EU", "BugFixMapUpdate", "0123456789abcdef0123456789abcdef");
    QCOMPARE(run({bad}), (Statuses{{int(MAP_REQUESTERROR), "true"}}));
    QCOMPARE(m_lstErrors, (QStringList{"E04", "checksum mismatch"}));
    QCOMPARE(getsOf("BM-EU.zip"), 3);
    QVERIFY(!QFile::exists(AgentFolders::tempPath("BM-EU.zip")));
    QCOMPARE(rowsOf(ProcMapXml::mapListPath()), Rows{bad});
}

// A download spoilt on the way is removed and fetched again; the second, sound one is installed.
void TestMapInstall::mismatchThenMatch()
{
    const QByteArray sound = TestFolders::readFile(m_root.filePath("BM-EU.zip"));
    QByteArray spoilt = sound;
    spoilt[spoilt.size() / 2] = char(spoilt.at(spoilt.size() / 2) ^ 0x01);
    TestHttpServer server;
    QVERIFY(server.start());
    int nGets = 0;
    server.setHandler([&](const TestHttpServer::Request& request) {
        if (request.method == "GET")
            ++nGets;
        return TestHttpServer::fileAnswer(request, nGets <= 1 ? spoilt : sound);
    });
    WorkFile::Row row = mapRow("BM-EU.zip", "BM-EU");
    row[MapRows::urlField(row)] = server.url("/BM-EU.zip");
    const Statuses seen = run({row});
    QCOMPARE(seen.last(), qMakePair(int(MAP_INSTALLSUCCESS), QString()));
    QCOMPARE(nGets, 2);
    QCOMPARE(m_lstErrors, QStringList());
    QCOMPARE(TestFolders::readFile(m_pDrive->root() + "KORVO/Map/base.img"), m_base);
}

void TestMapInstall::addOnFirstRowIsDownloaded()
{
    // A stale file of the same name must not be unpacked unchecked: taken for a part, it is resumed,
    // fails the checksum and is fetched again whole.
    QVERIFY(TestFolders::writeFile(AgentFolders::tempPath("BM-EU.zip"), "stale"));
    const Statuses seen = run({mapRow("BM-EU.zip", "BM-EU", "AdditionalMaps")});
    QCOMPARE(seen.last(), qMakePair(int(MAP_INSTALLSUCCESS), QString()));
    QCOMPARE(getsOf("BM-EU.zip"), 2);
    QCOMPARE(TestFolders::readFile(m_pDrive->root() + "KORVO/Map/base.img"), m_base);
}

void TestMapInstall::refusedArchives_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::newRow("damaged, checksum waived") << "damaged.zip"
                                              << "E02-2";
    QTest::newRow("member outside the map folder") << "dotdot.zip"
                                                   << "E03";
}

void TestMapInstall::refusedArchives()
{
    QFETCH(QString, name);
    QFETCH(QString, code);
    const Statuses seen = run({mapRow(name, "BM-EU", "BugFixMapUpdate", QString(32, 'F'))});
    QCOMPARE(seen.last(), qMakePair(int(MAP_UNZIPERROR), QString()));
    QCOMPARE(m_lstErrors.value(0), code);
    QVERIFY(!QFileInfo::exists(m_pDrive->root() + "KORVO/Map/ok.txt"));
    QVERIFY(!QFileInfo::exists(m_pDrive->root() + "escaped.txt"));
    QVERIFY(!QFileInfo::exists(m_pDrive->root() + "KORVO/escaped.txt"));
    // Nothing of a refused archive reaches the device, not even part of a file, and the archive itself
    // does not stay in the work folder to be tried again.
    QVERIFY(!QFileInfo::exists(m_pDrive->root() + "KORVO/Map/base.img"));
    QCOMPARE(QDir(m_pDrive->root() + "KORVO/Map").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList());
    QVERIFY(!QFileInfo::exists(AgentFolders::tempPath(name)));
    QCOMPARE(TestFolders::readFile(m_pDrive->root() + "KORVO/version.bm"), QByteArray("0.1;old;1;"));
}

void TestMapInstall::archivePrograms_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("code");
    QTest::newRow("missing") << "missing"
                             << "E01";
    QTest::newRow("failing") << "failing"
                             << "E03";
    QTest::newRow("crashing") << "crashing"
                              << "E03";
}

void TestMapInstall::archivePrograms()
{
    QFETCH(QString, program);
    QFETCH(QString, code);
    FakeArchivePrograms fakes;
    PlatformOverride platform;
    platform.setArchiveProgram(program == "missing"   ? fakes.missing()
                               : program == "failing" ? fakes.failing(1)
                                                      : fakes.crashing());
    const Statuses seen = run({mapRow("BM-EU.zip", "BM-EU")});
    QCOMPARE(seen, (Statuses{{int(MAP_UNZIPERROR), ""}}));
    QCOMPARE(m_lstErrors.value(0), code);
    QCOMPARE(rowsOf(ProcMapXml::mapListPath()).size(), 1);
}

// An install broken off (the worker deleted, as a killed agent would leave it) keeps every row not yet
// installed listed, and only those: the installed one left the list and took its archive along.
void TestMapInstall::brokenOffInstallKeepsTheRest()
{
    FakeArchivePrograms fakes;
    const QString sReal = ArchiveTool::findProgram(QString());
    const QString sHanging = fakes.hanging();
    PlatformOverride platform;
    platform.setArchiveProgram(fakes.script(
        "hangta7z", QString("case \"$1 $*\" in x*TA-EU*) exec \"%1\";; esac; exec \"%2\" \"$@\"\n")
                        .arg(sHanging, sReal)));
    const Rows maps = {mapRow("BM-EU.zip", "BM-EU"), mapRow("TA-EU.zip", "TA-EU")};
    QVERIFY(WorkFile::writeRows(ProcMapXml::mapListPath(), maps));
    QPointer<MapFreeUpdateWorker> pWorker(makeWorker());
    pWorker->installMapFreeUpdate("{}");
    QVERIFY(QTest::qWaitFor([&fakes] { return fakes.hangingPid() != 0; }, 60000));
    delete pWorker.data();
    QCOMPARE(rowsOf(ProcMapXml::mapListPath()), Rows{maps.at(1)});
    QCOMPARE(TestFolders::readFile(m_pDrive->root() + "KORVO/Map/base.img"), m_base);
    QVERIFY(!QFileInfo::exists(AgentFolders::tempPath("BM-EU.zip")));
    QVERIFY(QFileInfo::exists(AgentFolders::tempPath("TA-EU.zip")));

    // The next install takes up the rest: the archive already there is verified, not fetched again.
    platform.setArchiveProgram(sReal);
    m_nLogStart = m_nginx.accessLog().size();
    const Statuses seen = run(rowsOf(ProcMapXml::mapListPath()));
    QCOMPARE(seen.last(), qMakePair(int(MAP_INSTALLSUCCESS), QString()));
    QCOMPARE(getsOf("TA-EU.zip"), 0);
    QCOMPARE(TestFolders::readFile(m_pDrive->root() + "KORVO/Map/ta.img"), QByteArray(100000, 't'));
    QCOMPARE(rowsOf(ProcMapXml::mapListPath()), Rows());
}

void TestMapInstall::rowsWithoutVersion_data()
{
    QTest::addColumn<bool>("device");
    QTest::newRow("device package") << true;
    QTest::newRow("map") << false;
}

// A row without a version is refused before anything is fetched or unpacked: it would be recorded on the
// device as a version file with an empty version.
void TestMapInstall::rowsWithoutVersion()
{
    QFETCH(bool, device);
    QVERIFY(QFile::copy(m_root.filePath("App_2.zip"), AgentFolders::tempPath("App_2.zip")));
    WorkFile::Row app = deviceRow("APPLICATION", "App_2.zip");
    WorkFile::Row map = mapRow("TA-EU.zip", "TA-EU");
    (device ? app[2] : map[MapRows::VERSION]).clear();
    const Statuses seen = run({map}, {app});
    if (device) {
        QCOMPARE(seen, (Statuses{{int(DEVICE_UNZIPERROR), ""}}));
        QCOMPARE(m_lstErrors.value(0), QString("E03"));
    } else {
        QCOMPARE(seen, (Statuses{{int(MAP_REQUESTERROR), "true"}}));
    }
    QCOMPARE(getsOf("TA-EU.zip"), 0);
    QVERIFY(!QFileInfo::exists(m_pDrive->root() + "program.bin"));
    QVERIFY(!QFileInfo::exists(m_pDrive->root() + "KORVO/version.app"));
    QVERIFY(!QFileInfo::exists(m_pDrive->root() + "KORVO/version.map"));
    QCOMPARE(rowsOf(ProcMapXml::mapListPath()), Rows{map});
    QCOMPARE(rowsOf(AgentFolders::tempPath("DevDownload.script")), Rows{app});
}

// What the work folder keeps: archives of earlier lists go, a part a listed row resumes stays, and what
// was installed goes once no listed row still needs it.
void TestMapInstall::workFolderAfterInstall()
{
    const QString sOld = AgentFolders::tempPath("OSM-Old.zip");
    const QString sNewer = AgentFolders::tempPath("OSM-Newer.zip");
    const QString sNotes = AgentFolders::tempPath("notes.txt");
    for (const QString& sFile : {sOld, sNotes})
        QVERIFY(TestFolders::writeFile(sFile, "left over"));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-3600);
    for (const QString& sFile : {sOld, sNotes}) {
        QFile file(sFile);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(before, QFileDevice::FileModificationTime));
    }
    // A part of a listed archive, as old as the leftovers: it is resumed, not thrown away.
    const QByteArray ta = TestFolders::readFile(m_root.filePath("TA-EU.zip"));
    QVERIFY(TestFolders::writeFile(AgentFolders::tempPath("TA-EU.zip"), ta.left(ta.size() / 2)));
    {
        QFile file(AgentFolders::tempPath("TA-EU.zip"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(before, QFileDevice::FileModificationTime));
    }
    // Newer than the list: another download's, not a leftover.
    QVERIFY(TestFolders::writeFile(sNewer, "in the making"));
    {
        QFile file(sNewer);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(
            file.setFileTime(QDateTime::currentDateTime().addSecs(3600), QFileDevice::FileModificationTime));
    }
    // The same archive listed twice stays until its second row is installed.
    const WorkFile::Row map = mapRow("TA-EU.zip", "TA-EU");
    const Statuses seen = run({map, map});
    QCOMPARE(seen.last(), qMakePair(int(MAP_INSTALLSUCCESS), QString()));
    QCOMPARE(seen.count({int(MAP_INSTALLPROCESS), R"({"file":"TA-EU.zip","unzip":"100"})"}), 2);
    QVERIFY(!QFileInfo::exists(sOld));
    QVERIFY(QFileInfo::exists(sNewer));
    QVERIFY(QFileInfo::exists(sNotes));
    QVERIFY(!QFileInfo::exists(AgentFolders::tempPath("TA-EU.zip")));
    const QStringList lines = m_nginx.accessLog().mid(m_nLogStart);
    QCOMPARE(lines.filter(QRegularExpression("^GET /TA-EU.zip .* \"bytes=\\d+-\"")).size(), 1);
    QCOMPARE(getsOf("TA-EU.zip"), 1);
}

void TestMapInstall::noDevice()
{
    m_bDevice = false;
    QCOMPARE(run({mapRow("BM-EU.zip", "BM-EU")}), (Statuses{{int(MAP_REQUESTERROR), "true"}}));
    QCOMPARE(getsOf("BM-EU.zip"), 0);
}

void TestMapInstall::unknownDeviceRow()
{
    const Statuses seen = run({}, {deviceRow("FIRMWARE", "App_2.zip")});
    QCOMPARE(seen, (Statuses{{int(DEVICE_UNZIPERROR), ""}}));
}

void TestMapInstall::driveGoneBeforeVersion()
{
    // The drive disappears right after the unpack, before the version file is written.
    FakeArchivePrograms fakes;
    const QString sReal = ArchiveTool::findProgram(QString());
    PlatformOverride platform;
    platform.setArchiveProgram(
        fakes.script("gone7z", QString("\"%1\" \"$@\"; rc=$?; [ \"$1\" = x ] && rm -rf \"%2\"; exit $rc\n")
                                   .arg(sReal, m_pDrive->root())));
    const Statuses seen = run({mapRow("BM-EU.zip", "BM-EU")});
    QCOMPARE(seen.last(), qMakePair(int(MAP_UNZIPERROR), QString()));
    QCOMPARE(m_lstErrors.value(0), QString("E05"));
    QCOMPARE(rowsOf(ProcMapXml::mapListPath()).size(), 1);
}

void TestMapInstall::deletedMidUnpack()
{
    FakeArchivePrograms fakes;
    const QString sReal = ArchiveTool::findProgram(QString());
    const QString sHanging = fakes.hanging();
    PlatformOverride platform;
    platform.setArchiveProgram(fakes.script(
        "hang7z", QString("[ \"$1\" = x ] && exec \"%1\"; exec \"%2\" \"$@\"\n").arg(sHanging, sReal)));
    QVERIFY(WorkFile::writeRows(ProcMapXml::mapListPath(), {mapRow("BM-EU.zip", "BM-EU")}));
    QPointer<MapFreeUpdateWorker> pWorker(makeWorker());
    pWorker->installMapFreeUpdate("{}");
    QVERIFY(QTest::qWaitFor([&fakes] { return fakes.hangingPid() != 0; }, 60000));
    const qint64 nPid = fakes.hangingPid();
    delete pWorker.data();
    QVERIFY(QTest::qWaitFor([nPid] { return !FakeArchivePrograms::isProcessAlive(nPid); }, 10000));
    QCOMPARE(rowsOf(ProcMapXml::mapListPath()).size(), 1);
}

// The room check's listings run beside the event loop: while one hangs, queued work goes on, and deleting
// the worker kills it and reports nothing.
void TestMapInstall::roomCheckLeavesTheLoopRunning()
{
    FakeArchivePrograms fakes;
    const QString sReal = ArchiveTool::findProgram(QString());
    const QString sHanging = fakes.hanging();
    PlatformOverride platform;
    platform.setArchiveProgram(fakes.script(
        "hanglist7z", QString("[ \"$1\" = l ] && exec \"%1\"; exec \"%2\" \"$@\"\n").arg(sHanging, sReal)));
    QVERIFY(WorkFile::writeRows(ProcMapXml::mapListPath(), {mapRow("BM-EU.zip", "BM-EU")}));
    QPointer<MapFreeUpdateWorker> pWorker(makeWorker());
    QSignalSpy spy(pWorker.data(), &MapFreeUpdateWorker::emitStatus);
    pWorker->installMapFreeUpdate("{}");
    // Seen alive from the event loop: a listing on the GUI thread would hold the loop until its time
    // limit and kill the program first.
    QVERIFY(QTest::qWaitFor(
        [&fakes] {
            return fakes.hangingPid() != 0 && FakeArchivePrograms::isProcessAlive(fakes.hangingPid());
        },
        20000));
    const qint64 nPid = fakes.hangingPid();
    delete pWorker.data();
    QVERIFY(QTest::qWaitFor([nPid] { return !FakeArchivePrograms::isProcessAlive(nPid); }, 10000));
    // The worker is gone: what it reported is all it will ever report.
    QVERIFY(pWorker.isNull());
    for (const QList<QVariant>& args : spy)
        QCOMPARE(args.at(0).value<ACTION_STATUS>(), MAP_DOWNLOADPROCESS);
    QCOMPARE(rowsOf(ProcMapXml::mapListPath()).size(), 1);
}

QTEST_GUILESS_MAIN(TestMapInstall)
#include "tst_mapinstall.moc"
