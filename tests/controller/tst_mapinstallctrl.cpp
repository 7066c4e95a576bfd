#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/WorkFile.h"
#include "platform/ArchiveTool.h"
#include "platform/Platform.h"
#include "support/ControllerTestDevices.h"
#include "support/DriveTree.h"
#include "support/FakeArchivePrograms.h"
#include "support/FakeMapService.h"
#include "support/FakeUpdateService.h"
#include "support/LiveWorkers.h"
#include "support/NginxFixture.h"
#include "support/TestFolders.h"

#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Rows = QList<WorkFile::Row>;
using Statuses = QList<QPair<int, QString>>;

namespace
{
const char UUID[] = "KORVO-INST";

QString unzipText(const QString& sFile, const char* szUnzip)
{
    return QString(R"({"file":"%1","unzip":"%2"})").arg(sFile, QString::fromLatin1(szUnzip));
}
} // namespace

// A map check and a device-plus-map install as the dialogs run them through the controller: the fake
// update and map services answer, nginx serves archives the real 7-Zip made, and the device's drive
// (its top folder spelled "KORVO") takes the device package and then the maps.
class TestMapInstallCtrl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void checkThenInstallDevicePackageAndMaps();
    void driveRemovedBeforeTheVersionWrite();
    void partsLeftInTheWorkFolder_data();
    void partsLeftInTheWorkFolder();
    void addressesWithAQuery();

private:
    bool makeArchive(const QString& sName, const QString& sMember);
    QString md5Of(const QString& sName) const;
    QString sizeOf(const QString& sName) const;
    FakeMapService::Package mapPackage(const QString& sVersion, const QString& sNotes,
                                       const QString& sName) const;
    WorkFile::Row listedMap(const QString& sVersion, const QString& sNotes, const QString& sName) const;
    // The "Range" header of every GET of the archive since the log line nLogStart ("-" for none).
    QStringList rangesOfGets(const QString& sName, int nLogStart) const;
    void attach(const QString& sRoot);
    void detach();
    // Every status the controller passed on, download progress left out, once a final one came.
    Statuses runUntilFinal(const std::function<void()>& start, const QList<int>& finals);

    QTemporaryDir m_root;
    NginxFixture m_nginx;
    QScopedPointer<TestFolders> m_pFolders;
    QScopedPointer<TestHttpServer> m_pUpdateServer;
    QScopedPointer<TestHttpServer> m_pMapServer;
    QScopedPointer<FakeUpdateService> m_pUpdates;
    QScopedPointer<FakeMapService> m_pMaps;
    QScopedPointer<DriveTree> m_pDrive;
    QString m_sRoot;
    int m_nDownloadProgress = 0;
};

bool TestMapInstallCtrl::makeArchive(const QString& sName, const QString& sMember)
{
    // Run inside the source folder, so the member keeps its relative path (e.g. "OSM/osm.img").
    QProcess zip;
    zip.setWorkingDirectory(m_root.filePath("src"));
    zip.start(ArchiveTool::findProgram(QString()), {"a", "-tzip", m_root.filePath("www/" + sName), sMember});
    return zip.waitForFinished(60000) && zip.exitStatus() == QProcess::NormalExit && zip.exitCode() == 0;
}

QString TestMapInstallCtrl::md5Of(const QString& sName) const
{
    return QString::fromLatin1(
        QCryptographicHash::hash(TestFolders::readFile(m_root.filePath("www/" + sName)),
                                 QCryptographicHash::Md5)
            .toHex());
}

QString TestMapInstallCtrl::sizeOf(const QString& sName) const
{
    return QString::number(QFileInfo(m_root.filePath("www/" + sName)).size());
}

FakeMapService::Package TestMapInstallCtrl::mapPackage(const QString& sVersion, const QString& sNotes,
                                                       const QString& sName) const
{
    FakeMapService::Package package =
        FakeMapService::mapPackage(sVersion, sNotes, m_nginx.url("/" + sName), md5Of(sName));
    for (auto& field : package) {
        if (field.first == "size")
            field.second = sizeOf(sName);
    }
    return package;
}

WorkFile::Row TestMapInstallCtrl::listedMap(const QString& sVersion, const QString& sNotes,
                                            const QString& sName) const
{
    return {"BugFixMapUpdate",
            sVersion,
            sizeOf(sName),
            "2026-01-02 03:04:05",
            sNotes,
            "7",
            m_nginx.url("/" + sName),
            md5Of(sName),
            "http://notes/",
            "1",
            ""};
}

QStringList TestMapInstallCtrl::rangesOfGets(const QString& sName, int nLogStart) const
{
    QStringList lstRanges;
    const QRegularExpression get("^GET /" + QRegularExpression::escape(sName) + " \\d+ \"([^\"]*)\"");
    for (const QString& sLine : m_nginx.accessLog().mid(nLogStart)) {
        const QRegularExpressionMatch match = get.match(sLine);
        if (match.hasMatch())
            lstRanges << match.captured(1);
    }
    return lstRanges;
}

void TestMapInstallCtrl::initTestCase()
{
    qRegisterMetaType<ACTION_STATUS>("ACTION_STATUS");
    ControllerTestDevices::install();
    if (ArchiveTool::findProgram(QString()).isEmpty())
        QSKIP("no 7-Zip installed");
    if (!NginxFixture::isAvailable())
        QSKIP(qPrintable(NginxFixture::skipReason()));
    m_pFolders.reset(new TestFolders);
    QVERIFY(QDir().mkpath(m_pFolders->tempDir()));
    ZeqAgentCtrlMgr::getInstance();

    QVERIFY(m_root.isValid());
    QVERIFY(TestFolders::writeFile(m_root.filePath("src/program.bin"), QByteArray(60000, 'p')));
    QVERIFY(TestFolders::writeFile(m_root.filePath("src/base.img"), QByteArray(120000, 'b')));
    QVERIFY(TestFolders::writeFile(m_root.filePath("src/OSM/osm.img"), QByteArray(90000, 'o')));
    QVERIFY(TestFolders::writeFile(m_root.filePath("src/ta.img"), QByteArray(70000, 't')));
    QVERIFY(makeArchive("App_3.zip", "program.bin"));
    QVERIFY(makeArchive("BM-EU-2.zip", "base.img"));
    QVERIFY(makeArchive("BM-EU-15.zip", "base.img"));
    QVERIFY(makeArchive("OSM-EU.zip", "OSM/osm.img"));
    QVERIFY(makeArchive("TA-EU.zip", "ta.img"));
    QVERIFY2(m_nginx.start(m_root.filePath("www")), qPrintable(m_nginx.errorString()));

    m_pUpdateServer.reset(new TestHttpServer);
    m_pMapServer.reset(new TestHttpServer);
    QVERIFY(m_pUpdateServer->start());
    QVERIFY(m_pMapServer->start());
    m_pUpdates.reset(new FakeUpdateService(*m_pUpdateServer));
    m_pMaps.reset(new FakeMapService(*m_pMapServer));
    AgentSettings settings;
    settings.setValue("URL", "DevUpdate", m_pUpdates->checkUrl());
    settings.setValue("URL", "MapUpdate", m_pMaps->mapUpdateUrl());
    settings.setValue("URL", "Eshop", m_pMaps->eshopUrl());
    settings.setValue("URL", "MapLanguage", m_pMaps->languageUrl());
}

void TestMapInstallCtrl::init()
{
    AgentTiming::set(AgentTiming::DOWNLOAD_PROGRESS, 0);
    m_pDrive.reset(new DriveTree);
    QVERIFY(m_pDrive->writeDeviceXml(UUID, "006-B2", "Rider"));
    QVERIFY(m_pDrive->writeVersion("bm", "1.0;old;1;"));
    QVERIFY(m_pDrive->writeVersion("map", "2.0;kept;1;"));
    for (const char* szName : {"Update.script", "DevDownload.script", "map.script"})
        QFile::remove(AgentFolders::tempPath(szName));
    m_nDownloadProgress = 0;
}

void TestMapInstallCtrl::cleanup()
{
    detach();
    ZeqAgentCtrlMgr::getInstance()->terminateAllWorker();
    ZeqAgentCtrlMgr::getInstance()->doStopDeviceWorker();
    AgentTiming::resetDefaults();
    m_pDrive.reset();
}

void TestMapInstallCtrl::attach(const QString& sRoot)
{
    m_sRoot = sRoot;
    ControllerTestDevices* pDevices = ControllerTestDevices::install();
    pDevices->m_volumes.addVolume(sRoot);
    pDevices->m_volumes.setFreeSpace(1LL << 36);
    Worker::DEVINFOEX info;
    info.bArrival = true;
    info.type = Worker::FAMILY_DRIVE;
    info.devInfo.sUUID = UUID;
    info.devInfo.sHWName = "Rider";
    info.devInfo.sSkuID = "006-B2";
    info.devInfo.sBmVer = "1.0";
    info.devInfo.sTaVer = "2.0";
    info.devInfo.sOsmVer = "3.0";
    info.devInfo.sCountryVer = "4.0";
    info.lstDrive = QStringList({sRoot});
    ZeqAgentCtrlMgr::getInstance()->notityWendoDev(info);
    QVERIFY(ZeqAgentCtrlMgr::getInstance()->isDevicePresent());
}

void TestMapInstallCtrl::detach()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    if (pCtrl->isDevicePresent()) {
        Worker::DEVINFOEX info;
        info.type = pCtrl->deviceFamily();
        info.devInfo.sUUID = pCtrl->currentDevice().devInfo.sUUID;
        pCtrl->notityWendoDev(info);
    }
    if (!m_sRoot.isEmpty())
        ControllerTestDevices::install()->m_volumes.removeVolume(m_sRoot);
    m_sRoot.clear();
}

Statuses TestMapInstallCtrl::runUntilFinal(const std::function<void()>& start, const QList<int>& finals)
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy spy(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    LiveWorkers workers;
    start();
    auto seen = [&spy, this] {
        Statuses statuses;
        m_nDownloadProgress = 0;
        for (const QList<QVariant>& args : spy) {
            const int nStatus = int(args.at(0).value<ACTION_STATUS>());
            if (nStatus == MAP_DOWNLOADPROCESS || nStatus == DEVICE_DOWNLOADPROCESS)
                ++m_nDownloadProgress;
            else
                statuses.append({nStatus, args.at(1).toString()});
        }
        return statuses;
    };
    auto ended = [&] { return !seen().isEmpty() && finals.contains(seen().last().first); };
    if (!QTest::qWaitFor(ended, 60000))
        return seen();
    // A second final status would come from a worker before the controller deletes it.
    if (!workers.waitUntilNone())
        return seen() << qMakePair(-1, QString("a worker is still alive"));
    return seen();
}

void TestMapInstallCtrl::checkThenInstallDevicePackageAndMaps()
{
    attach(m_pDrive->root());
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();

    // The device check offers a device package, and its install fetches it into the work folder.
    m_pUpdates->answerUpdates(
        {{"APPLICATION", "2026-01-02", "3.0", sizeOf("App_3.zip"), m_nginx.url("/App_3.zip"), "", true}});
    QCOMPARE(
        runUntilFinal([pCtrl] { pCtrl->checkDeviceUpdate("{}", false); }, {DEVICE_CHECKSUCCESS}).last().first,
        int(DEVICE_CHECKSUCCESS));
    const Statuses device = runUntilFinal(
        [this, pCtrl] { pCtrl->installDeviceUpdate(QString(R"({"drive":"%1"})").arg(m_sRoot), false); },
        {INSTALLUPDATE_SUCCESS, DEVICE_REQUESTERROR, DEVICE_UNZIPERROR});
    QCOMPARE(device.last().first, int(INSTALLUPDATE_SUCCESS));
    Rows packages;
    QVERIFY(WorkFile::readRows(AgentFolders::tempPath("DevDownload.script"), &packages));
    QCOMPARE(packages.size(), 1);
    QCOMPARE(packages.first().value(0), QString("APPLICATION"));

    // The map check keeps only newer maps, the newest of each kind, in install order.
    m_pMaps->answer(
        "ZeqMoreDeviceMapData",
        FakeMapService::listDocument(
            {{"BugFixMapUpdate",
              {mapPackage("1.5", "TA-EU", "TA-EU.zip"), mapPackage("3.5", "OSM-EU", "OSM-EU.zip"),
               mapPackage("1.5", "BM-EU", "BM-EU-15.zip"), mapPackage("2.0", "BM-EU", "BM-EU-2.zip")}}}));
    m_pMaps->answer("ZeqMoreDeviceDownloadHistory", FakeMapService::listDocument({{"history", {}}}));
    const QString sRequest =
        R"({"model":"Rider","sku":"006-B2","uuid":"KORVO-INST","bm":"1.0","ta":"2.0","osm":"3.0","country":"4.0"})";
    const Statuses check = runUntilFinal([&] { pCtrl->docheckFreeMapUpdate(sRequest, false); },
                                         {MAP_CHECKSUCCESS, MAP_CHECKERROR, MAP_REQUESTERROR});
    QCOMPARE(check, (Statuses{{int(MAP_CHECKSUCCESS), "success"}}));
    Rows maps;
    QVERIFY(WorkFile::readRows(AgentFolders::tempPath("map.script"), &maps));
    QCOMPARE(maps.size(), 2);
    QCOMPARE(maps.at(0).mid(0, 2), (WorkFile::Row{"BugFixMapUpdate", "2.0"}));
    QCOMPARE(maps.at(0).value(4), QString("BM-EU"));
    QCOMPARE(maps.at(1).mid(0, 2), (WorkFile::Row{"BugFixMapUpdate", "3.5"}));
    QCOMPARE(maps.at(1).value(4), QString("OSM-EU"));

    // The install: every archive downloaded and verified, the device package unpacked, then the maps.
    const Statuses install = runUntilFinal(
        [pCtrl] { pCtrl->installMapUpdate(R"({"drive":"/elsewhere/","model":"Rider","sku":"006-B2"})"); },
        {MAP_INSTALLSUCCESS, MAP_REQUESTERROR, MAP_UNZIPERROR, DEVICE_UNZIPERROR, MAP_SIZENOTENOUGH});
    QCOMPARE(install, (Statuses{{int(DEVICE_INSTALLPROCESS), unzipText("App_3.zip", "0")},
                                {int(DEVICE_INSTALLPROCESS), unzipText("App_3.zip", "100")},
                                {int(DEVICE_ITEMINSTALLED), ""},
                                {int(MAP_INSTALLPROCESS), unzipText("BM-EU-2.zip", "0")},
                                {int(MAP_INSTALLPROCESS), unzipText("BM-EU-2.zip", "100")},
                                {int(DEVICE_ITEMINSTALLED), ""},
                                {int(MAP_INSTALLPROCESS), unzipText("OSM-EU.zip", "0")},
                                {int(MAP_INSTALLPROCESS), unzipText("OSM-EU.zip", "100")},
                                {int(DEVICE_ITEMINSTALLED), ""},
                                {int(MAP_INSTALLSUCCESS), ""}}));
    QVERIFY(m_nDownloadProgress > 0);

    const QString sRoot = m_pDrive->root();
    QCOMPARE(TestFolders::readFile(sRoot + "program.bin"), QByteArray(60000, 'p'));
    QCOMPARE(TestFolders::readFile(sRoot + "KORVO/Map/base.img"), QByteArray(120000, 'b'));
    QCOMPARE(TestFolders::readFile(sRoot + "KORVO/Map/OSM/osm.img"), QByteArray(90000, 'o'));
    QVERIFY(!QFileInfo::exists(sRoot + "KORVO/Map/ta.img"));
    // The version files, byte for byte, in the one top folder whatever its spelling.
    QCOMPARE(TestFolders::readFile(sRoot + "KORVO/version.app"),
             ("3.0;20260102;" + sizeOf("App_3.zip")).toUtf8());
    QCOMPARE(TestFolders::readFile(sRoot + "KORVO/version.bm"),
             ("2.0;2026-01-02 03:04:05;" + sizeOf("BM-EU-2.zip") + ";").toUtf8());
    QCOMPARE(TestFolders::readFile(sRoot + "KORVO/version.osm"),
             ("3.5;2026-01-02 03:04:05;" + sizeOf("OSM-EU.zip") + ";").toUtf8());
    QCOMPARE(TestFolders::readFile(sRoot + "KORVO/version.map"), QByteArray("2.0;kept;1;"));
    QVERIFY(!QFileInfo::exists(sRoot + "Korvo"));
    Rows left;
    QVERIFY(WorkFile::readRows(AgentFolders::tempPath("map.script"), &left));
    QCOMPARE(left, Rows());
    QVERIFY(WorkFile::readRows(AgentFolders::tempPath("DevDownload.script"), &left));
    QCOMPARE(left, Rows());
    QCOMPARE(AgentSettings().getDeviceString(UUID, "update"), QString("false"));
}

// The drive goes away (a real volume unmounted) after a map was unpacked and before its version file is
// written; the mount folder left behind is the computer's own disk, and nothing may be written there.
void TestMapInstallCtrl::driveRemovedBeforeTheVersionWrite()
{
    QString sWhy;
    if (!m_pDrive->makeImage(&sWhy) || !m_pDrive->mountImage(&sWhy))
        QSKIP(qPrintable("no loop-mounted volume: " + sWhy));
    const QString sMount = m_pDrive->mountPoint();
    attach(m_pDrive->root());
    const WorkFile::Row row = {"BugFixMapUpdate",
                               "2.0",
                               sizeOf("BM-EU-2.zip"),
                               "2026-01-02 03:04:05",
                               "BM-EU",
                               "7",
                               m_nginx.url("/BM-EU-2.zip"),
                               md5Of("BM-EU-2.zip"),
                               "http://notes/",
                               "1",
                               ""};
    QVERIFY(WorkFile::writeRows(AgentFolders::tempPath("map.script"), {row}));

    FakeArchivePrograms fakes;
    const QString sReal = ArchiveTool::findProgram(QString());
    PlatformOverride platform;
    platform.setArchiveProgram(fakes.script(
        "unmounting7z",
        QString("\"%1\" \"$@\"; rc=$?; [ \"$1\" = x ] && umount -l \"%2\"; exit $rc\n").arg(sReal, sMount)));

    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    const Statuses seen =
        runUntilFinal([pCtrl] { pCtrl->installMapUpdate("{}"); },
                      {MAP_INSTALLSUCCESS, MAP_REQUESTERROR, MAP_UNZIPERROR, DEVICE_UNZIPERROR});
    QCOMPARE(seen, (Statuses{{int(DEVICE_ITEMINSTALLED), ""},
                             {int(MAP_INSTALLPROCESS), unzipText("BM-EU-2.zip", "0")},
                             {int(MAP_INSTALLPROCESS), unzipText("BM-EU-2.zip", "100")},
                             {int(MAP_UNZIPERROR), ""}}));
    QCOMPARE(pCtrl->takeErrorCode(), QString("E05"));
    // The bare mount folder holds nothing: no top folder, no version file was made there.
    QCOMPARE(QDir(sMount).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    Rows left;
    QVERIFY(WorkFile::readRows(AgentFolders::tempPath("map.script"), &left));
    QCOMPARE(left, Rows{row});

    // On the drive itself the map arrived, and the old version stays recorded.
    QVERIFY(m_pDrive->unmountImage());
    QVERIFY2(m_pDrive->mountImage(&sWhy), qPrintable(sWhy));
    QCOMPARE(TestFolders::readFile(m_pDrive->root() + "KORVO/Map/base.img"), QByteArray(120000, 'b'));
    QCOMPARE(TestFolders::readFile(m_pDrive->root() + "KORVO/version.bm"), QByteArray("1.0;old;1;"));
}

void TestMapInstallCtrl::partsLeftInTheWorkFolder_data()
{
    QTest::addColumn<bool>("spoilt");
    QTest::newRow("a part of each kind") << false;
    QTest::newRow("a wrong byte in the part to resume") << true;
}

// What an earlier, broken-off install left in the work folder: a short part of one archive is resumed, a
// complete archive is verified without being fetched, a longer file is fetched anew. A part with a wrong
// byte fails the checksum over the whole file and is fetched again; nothing of it reaches the device.
void TestMapInstallCtrl::partsLeftInTheWorkFolder()
{
    QFETCH(bool, spoilt);
    attach(m_pDrive->root());
    const QByteArray bm = TestFolders::readFile(m_root.filePath("www/BM-EU-2.zip"));
    QByteArray part = bm.left(bm.size() / 2);
    if (spoilt)
        part[part.size() / 2] = char(part.at(part.size() / 2) ^ 0x20);
    QVERIFY(TestFolders::writeFile(AgentFolders::tempPath("BM-EU-2.zip"), part));
    QVERIFY(QFile::copy(m_root.filePath("www/TA-EU.zip"), AgentFolders::tempPath("TA-EU.zip")));
    QVERIFY(TestFolders::writeFile(AgentFolders::tempPath("OSM-EU.zip"),
                                   TestFolders::readFile(m_root.filePath("www/OSM-EU.zip")) +
                                       QByteArray(500, 'x')));
    QVERIFY(
        WorkFile::writeRows(AgentFolders::tempPath("map.script"),
                            {listedMap("2.0", "BM-EU", "BM-EU-2.zip"), listedMap("2.5", "TA-EU", "TA-EU.zip"),
                             listedMap("3.5", "OSM-EU", "OSM-EU.zip")}));
    const int nLogStart = m_nginx.accessLog().size();

    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    const Statuses seen = runUntilFinal(
        [pCtrl] { pCtrl->installMapUpdate("{}"); },
        {MAP_INSTALLSUCCESS, MAP_REQUESTERROR, MAP_UNZIPERROR, DEVICE_UNZIPERROR, MAP_SIZENOTENOUGH});
    QCOMPARE(seen.last(), qMakePair(int(MAP_INSTALLSUCCESS), QString()));
    const QString sResume = QString("bytes=%1-").arg(part.size());
    QCOMPARE(rangesOfGets("BM-EU-2.zip", nLogStart),
             spoilt ? QStringList({sResume, "-"}) : QStringList({sResume}));
    QCOMPARE(rangesOfGets("TA-EU.zip", nLogStart), QStringList());
    QCOMPARE(rangesOfGets("OSM-EU.zip", nLogStart), QStringList({"-"}));

    const QString sRoot = m_pDrive->root();
    QCOMPARE(TestFolders::readFile(sRoot + "KORVO/Map/base.img"), QByteArray(120000, 'b'));
    QCOMPARE(TestFolders::readFile(sRoot + "KORVO/Map/ta.img"), QByteArray(70000, 't'));
    QCOMPARE(TestFolders::readFile(sRoot + "KORVO/Map/OSM/osm.img"), QByteArray(90000, 'o'));
    QCOMPARE(TestFolders::readFile(sRoot + "KORVO/version.bm"),
             ("2.0;2026-01-02 03:04:05;" + sizeOf("BM-EU-2.zip") + ";").toUtf8());
    QCOMPARE(TestFolders::readFile(sRoot + "KORVO/version.map"),
             ("2.5;2026-01-02 03:04:05;" + sizeOf("TA-EU.zip") + ";").toUtf8());
    // The archives did their work and left the work folder.
    for (const char* szName : {"BM-EU-2.zip", "TA-EU.zip", "OSM-EU.zip"})
        QVERIFY2(!QFileInfo::exists(AgentFolders::tempPath(szName)), szName);
}

// Addresses that carry a query: the device worker saves the package and the install finds it under the
// same name, query included, and so for a map archive.
void TestMapInstallCtrl::addressesWithAQuery()
{
    for (const char* szName : {"App_3.zip", "BM-EU-2.zip"})
        QFile::remove(AgentFolders::tempPath(szName)); // left by the case before
    attach(m_pDrive->root());
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    const WorkFile::Row package = {
        "APPLICATION", "2026-01-02", "3.0", sizeOf("App_3.zip"), m_nginx.url("/App_3.zip?sig=1"), ""};
    QVERIFY(WorkFile::writeRows(AgentFolders::tempPath("Update.script"), {package}));
    const Statuses device = runUntilFinal(
        [this, pCtrl] { pCtrl->installDeviceUpdate(QString(R"({"drive":"%1"})").arg(m_sRoot), false); },
        {INSTALLUPDATE_SUCCESS, DEVICE_REQUESTERROR, DEVICE_UNZIPERROR});
    QCOMPARE(device.value(device.size() - 1).first, int(INSTALLUPDATE_SUCCESS));
    QVERIFY(QFileInfo(AgentFolders::tempPath("App_3.zip?sig=1")).isFile());

    const WorkFile::Row map = {"BugFixMapUpdate",
                               "2.0",
                               sizeOf("BM-EU-2.zip"),
                               "2026-01-02 03:04:05",
                               "BM-EU",
                               "7",
                               m_nginx.url("/BM-EU-2.zip?sig=2&t=9"),
                               md5Of("BM-EU-2.zip"),
                               "http://notes/",
                               "1",
                               ""};
    QVERIFY(WorkFile::writeRows(AgentFolders::tempPath("map.script"), {map}));
    const Statuses install = runUntilFinal(
        [pCtrl] { pCtrl->installMapUpdate("{}"); },
        {MAP_INSTALLSUCCESS, MAP_REQUESTERROR, MAP_UNZIPERROR, DEVICE_UNZIPERROR, MAP_SIZENOTENOUGH});
    QCOMPARE(install, (Statuses{{int(DEVICE_INSTALLPROCESS), unzipText("App_3.zip?sig=1", "0")},
                                {int(DEVICE_INSTALLPROCESS), unzipText("App_3.zip?sig=1", "100")},
                                {int(DEVICE_ITEMINSTALLED), ""},
                                {int(MAP_INSTALLPROCESS), unzipText("BM-EU-2.zip?sig=2&t=9", "0")},
                                {int(MAP_INSTALLPROCESS), unzipText("BM-EU-2.zip?sig=2&t=9", "100")},
                                {int(DEVICE_ITEMINSTALLED), ""},
                                {int(MAP_INSTALLSUCCESS), ""}}));
    const QString sRoot = m_pDrive->root();
    QCOMPARE(TestFolders::readFile(sRoot + "program.bin"), QByteArray(60000, 'p'));
    QCOMPARE(TestFolders::readFile(sRoot + "KORVO/Map/base.img"), QByteArray(120000, 'b'));
    QCOMPARE(TestFolders::readFile(sRoot + "KORVO/version.app"),
             ("3.0;20260102;" + sizeOf("App_3.zip")).toUtf8());
    // The addresses were fetched up to ".zip"; no second copy under the short name.
    QVERIFY(!QFile::exists(AgentFolders::tempPath("App_3.zip")));
    QVERIFY(!QFile::exists(AgentFolders::tempPath("BM-EU-2.zip")));
}

QTEST_GUILESS_MAIN(TestMapInstallCtrl)
#include "tst_mapinstallctrl.moc"
