#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentTiming.h"
#include "core/WorkFile.h"
#include "platform/ArchiveTool.h"
#include "platform/DevicePath.h"
#include "platform/Platform.h"
#include "support/DesktopHandlerStub.h"
#include "support/DriveTree.h"
#include "support/FakeArchivePrograms.h"
#include "support/FakeInstallerLauncher.h"
#include "support/LiveWorkers.h"
#include "support/NginxFixture.h"
#include "support/SystemTools.h"
#include "support/TestFolders.h"
#include "support/TestHttpServer.h"
#include "support/UiFixture.h"
#include "support/ZipBuilder.h"
#include "ui/update/InstallUpdateDialog.h"
#include "ui/update/UpdateDialogOpener.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using Rows = QList<WorkFile::Row>;

namespace
{
const QString g_sLabel = "ZEQ_SYSTEM";
const QString g_sDeviceFailed =
    "Updates|Update failed. Please ensure that your Wendo 500 is still connected to "
    "your computer. If this problem persists, contact Zeq support.";
const QString g_sConnectionFailed =
    "Internet connection|Update failed. Please check your Internet connection. Please try again.";
const QString g_sUpdated = "Updates|Update successfully. Device should have been restarted. If not, please "
                           "disconnect the device now in order to complete the update process.";

// How an install goes wrong.
enum class Trouble { None, NoArchiveProgram, ArchiveProgramFails, Http500, Stalled, Cut };

InstallUpdateDialog* openDialog()
{
    for (QWidget* pWidget : QApplication::topLevelWidgets()) {
        if (pWidget->accessibleName() == "InstallUpdateDialog")
            return qobject_cast<InstallUpdateDialog*>(pWidget);
    }
    return nullptr;
}
} // namespace

Q_DECLARE_METATYPE(Trouble)

// Whole installs as a user starts them: the work lists the offer left, the dialog run modally, the real
// controller and workers, packages built by the real 7-Zip and served by nginx (or by the test server
// where a transfer must go wrong), unpacked by the real 7-Zip onto a device drive made of folders.
class TestInstallRoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void deviceAndMaps();
    void mapsOnly();
    void recover();
    void nothingToInstall();
    void agentOnly();
    void agentHandlerEndings_data();
    void agentHandlerEndings();
    void failures_data();
    void failures();
    void unpluggedWhileTheArchiveProgramHangs();
    void notEnoughRoom_data();
    void notEnoughRoom();
    void fullVolume();

private:
    bool makeZip(const QString& sName, const QString& sSourceDir);
    WorkFile::Row deviceRow(const QString& sKind, const QString& sName, const QString& sVersion) const;
    WorkFile::Row mapRow(const QString& sName, const QString& sNotes, const QString& sVersion) const;
    void plug(const QString& sRoot, const QString& sLabel = g_sLabel);
    static void unplug();
    // Runs the dialog on the lists given; inLoop runs once exec() runs. Returns what exec() returned
    // (-1 when only the hang guard ended it).
    int run(const Rows& devices, const Rows& maps, bool bRecover = false,
            std::function<void(InstallUpdateDialog*)> inLoop = {});
    QStringList notices() const;
    // The results the windows heard, progress of transfers left out, as "status text".
    QStringList results() const;
    QByteArray onDrive(const QString& sRelative) const;

    UiFixture m_ui;
    NginxFixture m_nginx;
    TestHttpServer m_server;
    QTemporaryDir m_root;
    QString m_sRealProgram;
    std::unique_ptr<DriveTree> m_pDrive;
    std::unique_ptr<QSignalSpy> m_pFinish;
    std::unique_ptr<FakeArchivePrograms> m_pPrograms;
};

bool TestInstallRoad::makeZip(const QString& sName, const QString& sSourceDir)
{
    QString sWhy;
    const QStringList lstMembers = QDir(sSourceDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QStringList args = {"a", "-tzip", m_root.filePath(sName)};
    for (const QString& sMember : lstMembers)
        args << sSourceDir + "/" + sMember;
    const bool bOk = SystemTools::run(m_sRealProgram, args, &sWhy);
    if (!bOk)
        qWarning("%s", qPrintable(sWhy));
    return bOk;
}

void TestInstallRoad::initTestCase()
{
    qRegisterMetaType<ACTION_STATUS>("ACTION_STATUS");
    m_sRealProgram = ArchiveTool::findProgram(QString());
    if (m_sRealProgram.isEmpty())
        QSKIP("no 7-Zip installed");
    if (!NginxFixture::isAvailable())
        QSKIP(qPrintable(NginxFixture::skipReason()));
    QVERIFY(m_root.isValid());
    QRandomGenerator random(18);
    auto noise = [&random](int nSize) {
        QByteArray data(nSize, Qt::Uninitialized);
        for (char& c : data)
            c = char(random.bounded(256));
        return data;
    };
    const QString sStage = m_root.filePath("stage");
    // The packages spell the device folder as the drive does: on the device's FAT volume other spellings
    // name the same folder, but in the test folder 7-Zip would make a second one.
    QVERIFY(TestFolders::writeFile(sStage + "/app/KORVO/Program/program.bin", noise(60000)));
    QVERIFY(TestFolders::writeFile(sStage + "/rom/KORVO/Firmware/rom.bin", noise(40000)));
    QVERIFY(TestFolders::writeFile(sStage + "/a/OSM/a.img", noise(30000)));
    QVERIFY(TestFolders::writeFile(sStage + "/b/OSM/b.img", noise(3 * 1048576)));
    QVERIFY(TestFolders::writeFile(sStage + "/c/TeleAtlas/ta.img", noise(40000)));
    QVERIFY(TestFolders::writeFile(sStage + "/agent/WendoAgent_setup.deb", noise(20000)));
    QVERIFY(TestFolders::writeFile(sStage + "/big/OSM/big.img", QByteArray(12 * 1048576, '\0')));
    QVERIFY(makeZip("App_1.zip", sStage + "/app"));
    QVERIFY(makeZip("Rom_5.zip", sStage + "/rom"));
    QVERIFY(makeZip("a_OSM.zip", sStage + "/a"));
    QVERIFY(makeZip("b_OSM.zip", sStage + "/b"));
    QVERIFY(makeZip("c_TeleAtlas.zip", sStage + "/c"));
    QVERIFY(makeZip("WendoAgent_setup.zip", sStage + "/agent"));
    QVERIFY(makeZip("big_OSM.zip", sStage + "/big"));
    ZipBuilder escape;
    escape.addFile("ok.txt", "fine");
    escape.addFile("../../../x.txt", "escaped");
    QVERIFY(escape.write(m_root.filePath("escape_OSM.zip")));
    QVERIFY2(m_nginx.start(m_root.path()), qPrintable(m_nginx.errorString()));
    QVERIFY(m_server.start());
}

void TestInstallRoad::init()
{
    m_ui.reset();
    m_ui.m_notifier.m_whileOpen = nullptr;
    QDir(m_ui.m_folders.tempDir()).removeRecursively();
    QVERIFY(QDir().mkpath(m_ui.m_folders.tempDir()));
    m_pDrive.reset(new DriveTree);
    QVERIFY(m_pDrive->writeVersion("osm", "1.0;old;1;"));
    QVERIFY(QDir().mkpath(m_pDrive->root() + "KORVO/Map"));
    m_pPrograms.reset(new FakeArchivePrograms);
    ControllerTestDevices::install()->m_volumes.clear();
    plug(m_pDrive->root());
    AgentTiming::set(AgentTiming::DOWNLOAD_PROGRESS, 0);
    AgentTiming::set(AgentTiming::FREE_SPACE_POLL, 20);
    m_server.reset();
    m_pFinish.reset(new QSignalSpy(ZeqAgentCtrlMgr::getInstance(), &ZeqAgentCtrlMgr::actionFinish));
}

void TestInstallRoad::cleanup()
{
    m_ui.m_platform.setArchiveProgram(QString());
    m_ui.m_notifier.m_whileOpen = nullptr;
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->doStopDeviceWorker();
    pCtrl->terminateCheckUpdate();
    pCtrl->takeErrorCode();
    unplug();
    m_pFinish.reset();
    m_pDrive.reset();
    AgentTiming::resetDefaults();
    AgentTiming::set(AgentTiming::WELCOME_PAUSE, 0);
}

WorkFile::Row TestInstallRoad::deviceRow(const QString& sKind, const QString& sName,
                                         const QString& sVersion) const
{
    const qint64 nSize = QFileInfo(m_root.filePath(sName)).size();
    return {sKind, "2026-01-02", sVersion, QString::number(nSize), m_nginx.url("/" + sName), "notes"};
}

WorkFile::Row TestInstallRoad::mapRow(const QString& sName, const QString& sNotes,
                                      const QString& sVersion) const
{
    QCryptographicHash md5(QCryptographicHash::Md5);
    md5.addData(TestFolders::readFile(m_root.filePath(sName)));
    const QString sSize = QString::number(QFileInfo(m_root.filePath(sName)).size());
    return {"BugFixMapUpdate",
            sVersion,
            sSize,
            "2026-02-03 04:05:06",
            sNotes,
            "7",
            m_nginx.url("/" + sName),
            QString::fromLatin1(md5.result().toHex()),
            "http://notes/",
            "0",
            ""};
}

void TestInstallRoad::plug(const QString& sRoot, const QString& sLabel)
{
    unplug();
    ControllerTestDevices::install()->m_volumes.addVolume(sRoot, sLabel);
    Worker::DEVINFOEX device;
    device.bArrival = true;
    device.type = Worker::FAMILY_DRIVE;
    device.devInfo.sUUID = "0123456789ABCDEF";
    device.devInfo.sSkuID = "1";
    device.devInfo.sHWName = "Wendo 500";
    device.lstDrive = QStringList{sRoot, sRoot + "data/"};
    ZeqAgentCtrlMgr::getInstance()->notityWendoDev(device);
}

void TestInstallRoad::unplug()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    if (!pCtrl->isDevicePresent())
        return;
    Worker::DEVINFOEX device = pCtrl->currentDevice();
    device.bArrival = false;
    pCtrl->notityWendoDev(device);
}

int TestInstallRoad::run(const Rows& devices, const Rows& maps, bool bRecover,
                         std::function<void(InstallUpdateDialog*)> inLoop)
{
    if (!devices.isEmpty() && !WorkFile::writeRows(AgentFolders::tempPath("Update.script"), devices))
        return -2;
    if (!maps.isEmpty() && !WorkFile::writeRows(AgentFolders::tempPath("map.script"), maps))
        return -2;
    LiveWorkers workers;
    InstallUpdateDialog dialog(bRecover, false, nullptr);
    if (inLoop)
        QTimer::singleShot(0, &dialog, [&dialog, inLoop] { inLoop(&dialog); });
    QTimer::singleShot(120000, &dialog, [&dialog] { dialog.done(-1); }); // hang guard only
    const int nResult = dialog.exec();
    // A result that should not come would come from a worker before the controller deletes it.
    if (!workers.waitUntilNone())
        return -3;
    return nResult;
}

QStringList TestInstallRoad::notices() const
{
    QStringList lst;
    for (const RecordingNotifier::Notice& notice : m_ui.m_notifier.m_notices)
        lst << notice.sTitle + "|" + notice.sText;
    return lst;
}

QStringList TestInstallRoad::results() const
{
    QStringList lst;
    for (const QList<QVariant>& args : *m_pFinish) {
        const int nStatus = int(args.at(0).value<ACTION_STATUS>());
        if (nStatus != DEVICE_DOWNLOADPROCESS && nStatus != MAP_DOWNLOADPROCESS)
            lst << QString("%1 %2").arg(nStatus).arg(args.at(1).toString());
    }
    return lst;
}

QByteArray TestInstallRoad::onDrive(const QString& sRelative) const
{
    return TestFolders::readFile(DevicePath::resolve(m_pDrive->root(), sRelative));
}

void TestInstallRoad::deviceAndMaps()
{
    const Rows devices = {deviceRow("APPLICATION", "App_1.zip", "103"),
                          deviceRow("IMAGE", "Rom_5.zip", "R5.12")};
    const Rows maps = {mapRow("a_OSM.zip", "OSM-EU", "3.5"), mapRow("b_OSM.zip", "OSM-EU", "3.6"),
                       mapRow("c_TeleAtlas.zip", "TA-EU", "4.1")};
    QStringList lstAtBox;
    m_ui.m_notifier.m_whileOpen = [&lstAtBox] {
        InstallUpdateDialog* pDialog = openDialog();
        if (!pDialog)
            return;
        lstAtBox << pDialog->windowTitle() << QString::number(pDialog->isVisible());
        for (const char* szName : {"label_title", "label_DeviceUpdate", "label_RomVersion",
                                   "label_SoftVersion", "label_OSMUpdateVersion", "label_TAUpdateVersion"})
            lstAtBox << pDialog->findChild<QLabel*>(szName)->text();
        lstAtBox << QString::number(pDialog->findChild<QProgressBar*>("progressBar")->value());
    };
    QCOMPARE(run(devices, maps), int(QDialog::Accepted));
    QCOMPARE(notices(), QStringList{g_sUpdated});
    const QString sTick = "<img src=\":res/i_v.png\">";
    QCOMPARE(lstAtBox, QStringList({"Updates", "0", "Installing(TA Map update)... ", sTick + "Device update",
                                    "ROM(R05)", "Software(1.0.3)", sTick + "OSM Map update(2026-02-03)",
                                    "TA Map update(2026-02-03)", "99"}));
    auto unpack = [](int nStatus, const QString& sFile, const QString& sValue) {
        return QString("%1 {\"file\":\"%2\",\"unzip\":\"%3\"}").arg(nStatus).arg(sFile, sValue);
    };
    QCOMPARE(results(), QStringList({"72 ", unpack(78, "App_1.zip", "0"), unpack(78, "App_1.zip", "100"),
                                     unpack(78, "Rom_5.zip", "0"), unpack(78, "Rom_5.zip", "100"), "75 ",
                                     unpack(87, "a_OSM.zip", "0"), unpack(87, "a_OSM.zip", "100"), "75 ",
                                     unpack(87, "b_OSM.zip", "0"), unpack(87, "b_OSM.zip", "100"), "75 ",
                                     unpack(87, "c_TeleAtlas.zip", "0"), unpack(87, "c_TeleAtlas.zip", "100"),
                                     "75 ", "84 "}));
    // Everything is on the device, both OSM archives included, with its version files.
    const QString sStage = m_root.filePath("stage");
    QCOMPARE(onDrive("Korvo/Program/program.bin"),
             TestFolders::readFile(sStage + "/app/KORVO/Program/program.bin"));
    QCOMPARE(onDrive("Korvo/Firmware/rom.bin"),
             TestFolders::readFile(sStage + "/rom/KORVO/Firmware/rom.bin"));
    QCOMPARE(onDrive("KORVO/Map/OSM/a.img"), TestFolders::readFile(sStage + "/a/OSM/a.img"));
    QCOMPARE(onDrive("KORVO/Map/OSM/b.img"), TestFolders::readFile(sStage + "/b/OSM/b.img"));
    QCOMPARE(onDrive("KORVO/Map/TeleAtlas/ta.img"), TestFolders::readFile(sStage + "/c/TeleAtlas/ta.img"));
    QCOMPARE(onDrive("Korvo/version.app"), "103;20260102;" + devices[0][3].toUtf8());
    QCOMPARE(onDrive("Korvo/version.osm"), "3.6;2026-02-03 04:05:06;" + maps[1][2].toUtf8() + ";");
    QCOMPARE(onDrive("Korvo/version.map"), "4.1;2026-02-03 04:05:06;" + maps[2][2].toUtf8() + ";");
    // Installed archives do not stay in the work folder.
    for (const char* szName : {"App_1.zip", "Rom_5.zip", "a_OSM.zip", "b_OSM.zip", "c_TeleAtlas.zip"})
        QVERIFY2(!QFile::exists(AgentFolders::tempPath(szName)), szName);
}

void TestInstallRoad::mapsOnly()
{
    const Rows maps = {mapRow("a_OSM.zip", "OSM-EU", "3.5"), mapRow("c_TeleAtlas.zip", "TA-EU", "4.1")};
    bool bDeviceRowShown = true;
    m_ui.m_notifier.m_whileOpen = [&bDeviceRowShown] {
        if (InstallUpdateDialog* pDialog = openDialog())
            bDeviceRowShown = !pDialog->findChild<QLabel*>("label_DeviceUpdate")->isHidden();
    };
    QCOMPARE(run(Rows(), maps), int(QDialog::Accepted));
    QCOMPARE(notices(), QStringList{g_sUpdated});
    QVERIFY(!bDeviceRowShown);
    const QStringList lstResults = results();
    QCOMPARE(lstResults.value(0), QString("72 true"));
    QCOMPARE(lstResults.value(1), QString("75 "));
    QCOMPARE(lstResults.last(), QString("84 "));
    QCOMPARE(onDrive("KORVO/Map/OSM/a.img"), TestFolders::readFile(m_root.filePath("stage/a/OSM/a.img")));
    QCOMPARE(onDrive("Korvo/version.map"), "4.1;2026-02-03 04:05:06;" + maps[1][2].toUtf8() + ";");
}

void TestInstallRoad::recover()
{
    QString sTitle;
    m_ui.m_notifier.m_whileOpen = [&sTitle] {
        if (InstallUpdateDialog* pDialog = openDialog())
            sTitle = pDialog->windowTitle();
    };
    QCOMPARE(run({deviceRow("APPLICATION", "App_1.zip", "2.0.1")}, Rows(), true), int(QDialog::Accepted));
    QCOMPARE(sTitle, QString("Recover"));
    QCOMPARE(notices(),
             QStringList{"Recover|Recover successfully.\nYour device should have been restarted. If "
                         "not, please disconnect the device now in order to complete the update "
                         "process."});
    QCOMPARE(onDrive("Korvo/version.app"),
             QByteArray("2.0.1;20260102;") + deviceRow("APPLICATION", "App_1.zip", "")[3].toUtf8());
}

// Empty lists, through the window layer's opener: the install ends at once and says so.
void TestInstallRoad::nothingToInstall()
{
    UpdateDialogOpener opener;
    QTimer guard;
    bool bHung = false;
    QObject::connect(&guard, &QTimer::timeout, [&bHung] {
        if (InstallUpdateDialog* pDialog = openDialog()) {
            bHung = true;
            pDialog->done(-1); // hang guard only
        }
    });
    guard.start(60000);
    opener.runInstall(false, false);
    QVERIFY(!bHung);
    QCOMPARE(notices(), QStringList{"Updates|The device's software is up-to-date."});
    QCOMPARE(results(), QStringList({"72 true", "75 ", "84 "}));
    QVERIFY(!openDialog());
    QVERIFY(!QFile::exists(AgentFolders::tempPath("Update.script")));
}

// The agent's own package: its installer is started and takes over; the device leaving meanwhile
// changes nothing.
void TestInstallRoad::agentOnly()
{
    FakeInstallerLauncher launcher;
    PlatformOverride platform;
    platform.setInstallerLauncher(&launcher);
    QVERIFY(WorkFile::writeRows(AgentFolders::tempPath("Update.script"),
                                {deviceRow("AGENT", "WendoAgent_setup.zip", "2.1")}));
    QVERIFY(
        WorkFile::writeRows(AgentFolders::tempPath("map.script"), {mapRow("a_OSM.zip", "OSM-EU", "3.5")}));
    auto connection = QObject::connect(ZeqAgentCtrlMgr::getInstance(), &ZeqAgentCtrlMgr::actionFinish,
                                       [](ACTION_STATUS status, QString) {
                                           if (status == DEVICE_DOWNLOADPROCESS)
                                               unplug();
                                       });
    QTimer guard;
    bool bHung = false;
    QObject::connect(&guard, &QTimer::timeout, [&bHung] {
        if (InstallUpdateDialog* pDialog = openDialog()) {
            bHung = true;
            pDialog->done(-1); // hang guard only
        }
    });
    guard.start(60000);
    UpdateDialogOpener().runInstall(false, true);
    QObject::disconnect(connection);
    QVERIFY(!bHung);
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isDevicePresent());
    QCOMPARE(launcher.launched(), QStringList{AgentFolders::tempPath("WendoAgent_setup.deb")});
    QCOMPARE(notices(), QStringList());
    QCOMPARE(results().value(results().size() - 1), QString("72 agent"));
    QVERIFY(!openDialog());
}

// The agent's own package handed to the desktop's real handler (a stub first on PATH), as the install
// dialog ends for each way the handler ends: one that fails (no program for Debian packages on this
// desktop) ends in the dialog's one failure box, one that ends well or goes on running (it took over)
// ends with no box at all.
void TestInstallRoad::agentHandlerEndings_data()
{
    QTest::addColumn<int>("ending");
    QTest::addColumn<int>("handOverMs");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("result");
    QTest::newRow("handler fails") << int(DesktopHandlerStub::FAILS) << 600000
                                   << QStringList{g_sConnectionFailed + "(E06)"} << "74 true";
    QTest::newRow("handler keeps running")
        << int(DesktopHandlerStub::KEEPS_RUNNING) << 50 << QStringList() << "72 agent";
    QTest::newRow("handler ends well")
        << int(DesktopHandlerStub::ENDS_WELL) << 600000 << QStringList() << "72 agent";
}

void TestInstallRoad::agentHandlerEndings()
{
    QFETCH(int, ending);
    QFETCH(int, handOverMs);
    QFETCH(QStringList, boxes);
    QFETCH(QString, result);
    DesktopHandlerStub handler({"xdg-open"}, DesktopHandlerStub::STUBS_FIRST,
                               DesktopHandlerStub::Ending(ending));
    QVERIFY(handler.isValid());
    AgentTiming::set(AgentTiming::HANDLER_HANDOVER, handOverMs);
    const int nLogBefore = m_ui.log().size();
    auto logSince = [this, nLogBefore] { return QString::fromUtf8(m_ui.log().mid(nLogBefore)); };
    QVERIFY(WorkFile::writeRows(AgentFolders::tempPath("Update.script"),
                                {deviceRow("AGENT", "WendoAgent_setup.zip", "2.1")}));
    QTimer guard;
    bool bHung = false;
    QObject::connect(&guard, &QTimer::timeout, [&bHung] {
        if (InstallUpdateDialog* pDialog = openDialog()) {
            bHung = true;
            pDialog->done(-1); // hang guard only
        }
    });
    guard.start(120000);
    {
        LiveWorkers workers;
        UpdateDialogOpener().runInstall(false, true);
        QVERIFY(workers.waitUntilNone());
    }
    QVERIFY(!bHung);
    QVERIFY(!openDialog());
    QVERIFY(handler.waitForCall("xdg-open", 60000)); // one that took over may not have got there yet
    QCOMPARE(handler.calls("xdg-open"), QStringList{AgentFolders::tempPath("WendoAgent_setup.deb")});
    QCOMPARE(notices(), boxes);
    QCOMPARE(results().value(results().size() - 1), result);
    // The log says what happened: the desktop took the installer only where it did.
    QCOMPARE(logSince().contains("the desktop took the agent's installer"), boxes.isEmpty());
    QCOMPARE(logSince().contains("not opened: \"xdg-open\" ended with exit status 3"), !boxes.isEmpty());
    if (ending == DesktopHandlerStub::KEEPS_RUNNING) {
        handler.stopRunning();
        QTRY_VERIFY_WITH_TIMEOUT(logSince().contains("the handler that took the installer ended"), 60000);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void TestInstallRoad::failures_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("map");
    QTest::addColumn<Trouble>("trouble");
    QTest::addColumn<QString>("notice");
    QTest::newRow("package 404") << "App_9.zip"
                                 << "" << Trouble::None << g_sConnectionFailed;
    QTest::newRow("package 500") << "App_1.zip"
                                 << "" << Trouble::Http500 << g_sConnectionFailed;
    QTest::newRow("stalled download") << "App_1.zip"
                                      << "" << Trouble::Stalled << g_sConnectionFailed;
    QTest::newRow("cut download") << "App_1.zip"
                                  << "" << Trouble::Cut << g_sConnectionFailed;
    QTest::newRow("map archive 404") << ""
                                     << "d_OSM.zip" << Trouble::None << g_sConnectionFailed;
    QTest::newRow("checksum never matches, code kept")
        << ""
        << "bad_OSM" << Trouble::None << g_sConnectionFailed + "(E04)";
    QTest::newRow("no archive program") << "App_1.zip"
                                        << "" << Trouble::NoArchiveProgram << g_sDeviceFailed + "(E01)";
    QTest::newRow("archive program exits 2")
        << "App_1.zip"
        << "" << Trouble::ArchiveProgramFails << g_sDeviceFailed + "(E02-2)";
    QTest::newRow("archive reaching outside")
        << ""
        << "escape_OSM.zip" << Trouble::None << g_sDeviceFailed + "(E03)";
}

// Each failure: one box, the dialog closed, nothing further.
void TestInstallRoad::failures()
{
    QFETCH(QString, device);
    QFETCH(QString, map);
    QFETCH(Trouble, trouble);
    QFETCH(QString, notice);
    Rows devices;
    Rows maps;
    if (!device.isEmpty()) {
        WorkFile::Row row = deviceRow("APPLICATION", device, "103");
        if (device == "App_9.zip")
            row[3] = "1000";
        devices << row;
    }
    if (map == "bad_OSM") {
        WorkFile::Row row = mapRow("a_OSM.zip", "OSM-EU", "3.5");
        row[7] = QString(32, 'a');
        maps << row;
    } else if (!map.isEmpty()) {
        maps << (map == "d_OSM.zip" ? WorkFile::Row{"BugFixMapUpdate", "3.5", "100", "2026-02-03", "OSM-EU",
                                                    "7", m_nginx.url("/d_OSM.zip"), QString(32, 'F')}
                                    : mapRow(map, "OSM-EU", "3.5"));
    }
    const QByteArray package = TestFolders::readFile(m_root.filePath("App_1.zip"));
    switch (trouble) {
    case Trouble::NoArchiveProgram:
        m_ui.m_platform.setArchiveProgram(m_pPrograms->missing());
        break;
    case Trouble::ArchiveProgramFails:
        m_ui.m_platform.setArchiveProgram(m_pPrograms->failing(2));
        break;
    case Trouble::Http500:
    case Trouble::Stalled:
    case Trouble::Cut:
        AgentTiming::set(AgentTiming::NET_WATCHDOG, 300);
        m_server.setHandler([trouble, package](const TestHttpServer::Request& request) {
            if (trouble == Trouble::Http500)
                return TestHttpServer::Answer::status(500, "broken");
            if (request.method == "HEAD")
                return TestHttpServer::fileAnswer(request, package);
            TestHttpServer::Answer answer = TestHttpServer::Answer::ok(package, "application/zip");
            return trouble == Trouble::Stalled ? answer.stalledAfter(1000) : answer.closedAfter(1000);
        });
        devices[0][4] = m_server.url("/App_1.zip");
        break;
    case Trouble::None:
        break;
    }
    QCOMPARE(run(devices, maps), int(QDialog::Accepted));
    QCOMPARE(notices(), QStringList{notice});
    QVERIFY(!openDialog());
    // Nothing of a refused archive was unpacked, and nothing landed outside the drive.
    QVERIFY(!QFile::exists(m_pDrive->root() + "KORVO/Map/ok.txt"));
    QDir above(m_pDrive->root());
    above.cdUp();
    QVERIFY(!QFile::exists(above.filePath("x.txt")));
    QVERIFY(!QFile::exists(m_pDrive->root() + "x.txt"));
    QVERIFY(!QFile::exists(m_pDrive->root() + "KORVO/x.txt"));
}

// The device goes while the archive program hangs over the device part's package: the program is
// stopped, one box, and what arrives later changes nothing.
void TestInstallRoad::unpluggedWhileTheArchiveProgramHangs()
{
    m_ui.m_platform.setArchiveProgram(m_pPrograms->hanging());
    m_ui.m_notifier.m_whileOpen = [] {
        ZeqAgentCtrlMgr::getInstance()->slotHandleResults(MAP_INSTALLSUCCESS, QString());
        ZeqAgentCtrlMgr::getInstance()->slotHandleResults(MAP_UNZIPERROR, QString());
    };
    qint64 nPid = 0;
    const int nResult = run({deviceRow("APPLICATION", "App_1.zip", "103")}, Rows(), false,
                            [this, &nPid](InstallUpdateDialog*) {
                                QTRY_VERIFY_WITH_TIMEOUT(m_pPrograms->hangingPid() != 0, 30000);
                                nPid = m_pPrograms->hangingPid();
                                unplug();
                            });
    QCOMPARE(nResult, int(QDialog::Accepted));
    QCOMPARE(notices(), QStringList{g_sDeviceFailed});
    QVERIFY(nPid != 0);
    QTRY_VERIFY(!FakeArchivePrograms::isProcessAlive(nPid));
}

void TestInstallRoad::notEnoughRoom_data()
{
    QTest::addColumn<QString>("label");
    QTest::newRow("volume label") << g_sLabel;
    QTest::newRow("no label: the mount folder") << "";
}

void TestInstallRoad::notEnoughRoom()
{
    QFETCH(QString, label);
    plug(m_pDrive->root(), label);
    ControllerTestDevices::install()->m_volumes.setFreeSpace(1048576);
    QCOMPARE(run(Rows(), {mapRow("b_OSM.zip", "OSM-EU", "3.6")}), int(QDialog::Accepted));
    QString sNeed;
    for (const QList<QVariant>& args : *m_pFinish) {
        if (args.at(0).value<ACTION_STATUS>() == MAP_SIZENOTENOUGH)
            sNeed = args.at(1).toString();
    }
    QVERIFY(!sNeed.isEmpty());
    const quint64 nMegabytes = (sNeed.toULongLong() + 2097152 + 1048575) / 1048576;
    const QString sDrive = label.isEmpty() ? QDir(m_pDrive->root()).dirName() : label;
    QCOMPARE(notices(),
             QStringList{QString("Updates|Insufficient memory space in %1  drive. %2  MB is required to "
                                 "complete the updates.")
                             .arg(sDrive)
                             .arg(nMegabytes)});
    QVERIFY(!QFile::exists(m_pDrive->root() + "KORVO/Map/OSM/b.img"));
}

// A real volume that runs full while a map unpacks, whatever room the free-space query claimed.
void TestInstallRoad::fullVolume()
{
    DriveTree volume;
    volume.setLabel(g_sLabel);
    QVERIFY(volume.writeVersion("osm", "1.0;old;1;"));
    QVERIFY(volume.writeFile("KORVO/Map/keep.txt", "keep"));
    QString sWhy;
    if (!volume.makeImage(&sWhy) || !volume.mountImage(&sWhy))
        QSKIP(qPrintable("no real volume: " + sWhy));
    plug(volume.root());
    QCOMPARE(run(Rows(), {mapRow("big_OSM.zip", "OSM-EU", "3.6")}), int(QDialog::Accepted));
    QCOMPARE(notices().size(), 1);
    QVERIFY2(notices().first().startsWith(g_sDeviceFailed + "(E02-"), qPrintable(notices().first()));
    QCOMPARE(TestFolders::readFile(DevicePath::resolve(volume.root(), "KORVO/version.osm")),
             QByteArray("1.0;old;1;"));
    unplug();
}

QTEST_MAIN(TestInstallRoad)
#include "tst_installroad.moc"
