#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "device/DriveIdentity.h"
#include "platform/Platform.h"
#include "support/BackupDialogFixture.h"
#include "support/ControllerTestDevices.h"
#include "support/DialogDriver.h"
#include "support/DriveTree.h"
#include "support/FakeInstallerLauncher.h"
#include "support/ServedPackages.h"
#include "support/TestFolders.h"
#include "support/UpdateCheckFixture.h"
#include "support/UpdateRoadFixture.h"
#include "ui/pages/BackupRestoreDailog.h"
#include "ui/pages/MyDevVersionWidget.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace
{
const QString g_sUpdated = "Updates|Update successfully. Device should have been restarted. If not, please "
                           "disconnect the device now in order to complete the update process.";
// The device part's packages reach the device through its system drive; a serial-family device has none,
// so its check offers none of them.
const QString g_sUpToDate = "Updates|The device's software is up-to-date.";
} // namespace

// "Check for Updates" from the tray to the end of the install, as the user walks it: the check, the
// offer, Update with the backup box ticked (the real backup dialog and 7-Zip), and the real install
// dialog it hands over to, with packages made by the real 7-Zip and served by nginx; and the agent's own
// road without a device, to the start of its installer.
class TestCheckRoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void deviceRoad_data();
    void deviceRoad();
    void serialDeviceRoad_data();
    void serialDeviceRoad();
    void agentRoadWithoutDevice();
    void installedVersionsShowAndAreAsked_data();
    void installedVersionsShowAndAreAsked();

private:
    UpdateRoadFixture m_road;
};

void TestCheckRoad::initTestCase()
{
    const QString sUnavailable = UpdateRoadFixture::unavailableReason();
    if (!sUnavailable.isEmpty())
        QSKIP(qPrintable(sUnavailable));
    ServedPackages& packages = m_road.m_packages;
    QVERIFY(packages.isValid());
    // The packages spell the device folder as the drive does: on the device's FAT volume other spellings
    // name the same folder, but in the test folder 7-Zip would make a second one.
    QVERIFY(packages.stage("App_2.zip", "KORVO/Program/program.bin", ServedPackages::noise(60000, 1)));
    QVERIFY(packages.stage("Rom_2.zip", "KORVO/Firmware/rom.bin", ServedPackages::noise(40000, 2)));
    QVERIFY(packages.stage("eu_OSM.zip", "OSM/eu.img", ServedPackages::noise(30000, 3)));
    QVERIFY(packages.stage("WendoAgent_setup.zip", "WendoAgent_setup.deb", ServedPackages::noise(20000, 4)));
    // A firmware that tells its new version in the device's "device.xml", as the device reads it.
    QVERIFY(packages.stage("Rom_3.zip", "device.xml",
                           DriveTree::deviceXml(UpdateCheckFixture::uuid(), "006-B2",
                                                UpdateCheckFixture::hardwareName(), "R3.1", "Z500")));
    QVERIFY(packages.stage("Rom_3.zip", "KORVO/Firmware/rom.bin", ServedPackages::noise(40000, 5)));
    QVERIFY2(m_road.serve({"App_2.zip", "Rom_2.zip", "eu_OSM.zip", "WendoAgent_setup.zip", "Rom_3.zip"}),
             qPrintable(m_road.errorString()));
}

void TestCheckRoad::init()
{
    QVERIFY2(m_road.begin(), qPrintable(m_road.errorString()));
    m_road.openMainWindow();
}

void TestCheckRoad::cleanup()
{
    m_road.end();
}

void TestCheckRoad::deviceRoad_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QString>("staged"); // the file in the archive, as it lands on the system drive
    QTest::addColumn<bool>("backedUp");
    QTest::addColumn<QStringList>("installing"); // what the install dialog lists
    QTest::addColumn<QString>("box");            // the one box at the end
    QTest::newRow("drive family, backup first")
        << int(Worker::FAMILY_DRIVE) << "APPLICATION"
        << "App_2.zip"
        << "KORVO/Program/program.bin" << true << QStringList{"Software(2.0.0)", "OSM Map update(2026-01-02)"}
        << g_sUpdated;
}

void TestCheckRoad::deviceRoad()
{
    QFETCH(int, family);
    QFETCH(QString, kind);
    QFETCH(QString, archive);
    QFETCH(QString, staged);
    QFETCH(bool, backedUp);
    QFETCH(QStringList, installing);
    QFETCH(QString, box);
    m_road.m_pWorld->m_update.answerUpdates({m_road.served(kind, kind == "IMAGE" ? "R2.0" : "200", archive)});
    if (family == Worker::FAMILY_DRIVE) {
        QVERIFY(m_road.m_pWorld->m_system.writeFile("KORVO/Map/keep.txt", "keep"));
        QVERIFY2(m_road.plugDriveWithBackup(), qPrintable(m_road.errorString()));
    } else {
        m_road.m_pWorld->plug(Worker::FAMILY_SERIAL);
    }
    bool bBoxTicked = false;
    bool bBackupOpen = false;
    QStringList lstInstalling;
    DialogDriver driver(120000);
    driver.then("NewUpdateAvailableDialog", [&bBoxTicked](QWidget* pOffer) {
        bBoxTicked = pOffer->findChild<QCheckBox*>("checkbox_backup")->isChecked();
        DialogDriver::clickButton(pOffer, "btn_install");
    });
    driver.then("InstallUpdateDialog", [&bBackupOpen, &lstInstalling](QWidget* pInstall) {
        // The backup dialog hands over to the install from its own loop, so it is still there.
        for (QWidget* pWidget : QApplication::topLevelWidgets())
            bBackupOpen = bBackupOpen || qobject_cast<BackupRestoreDailog*>(pWidget);
        for (const char* szName : {"label_RomVersion", "label_SoftVersion", "label_OSMUpdateVersion"}) {
            QLabel* pLabel = pInstall->findChild<QLabel*>(szName);
            if (!pLabel->isHidden())
                lstInstalling << pLabel->text();
        }
    });
    m_road.checkItem()->trigger();
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(driver.shown(),
             (QStringList{"CheckUpdateDialog", "NewUpdateAvailableDialog", "InstallUpdateDialog"}));
    QCOMPARE(bBoxTicked, backedUp);
    QCOMPARE(bBackupOpen, backedUp);
    QCOMPARE(lstInstalling, installing);
    QCOMPARE(m_road.notices(), QStringList{box});
    if (backedUp) {
        QCOMPARE(BackupDialogFixture::backupFolder(), BackupDialogFixture::committedArchives());
        QVERIFY(!BackupDialogFixture::backupTime().isEmpty());
    }
    if (family == Worker::FAMILY_DRIVE) {
        QCOMPARE(m_road.onDrive(staged), m_road.m_packages.staged(archive, staged));
        const QStringList lstAppVersion = QString::fromUtf8(m_road.onDrive("KORVO/version.app")).split(';');
        QCOMPARE(lstAppVersion.value(0), QString("200"));
        QCOMPARE(lstAppVersion.value(2), m_road.m_packages.size(archive));
        QCOMPARE(m_road.onDrive("KORVO/Map/OSM/eu.img"),
                 m_road.m_packages.staged("eu_OSM.zip", "OSM/eu.img"));
        QCOMPARE(QString::fromUtf8(m_road.onDrive("KORVO/version.osm")),
                 "2.0;2026-01-02 03:04:05;" + m_road.m_packages.size("eu_OSM.zip") + ";");
        // What the backup kept is still there.
        QCOMPARE(m_road.onDrive("KORVO/Settings/settings.xml"), QByteArray("<settings/>"));
    }
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown());
    QVERIFY(m_road.checkItem()->isEnabled());
}

// A serial-family device: device software and firmware are not offered (nothing is downloaded, no box
// blames the cable); the agent's own package is, and its road goes to its installer.
void TestCheckRoad::serialDeviceRoad_data()
{
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("device packages only")
        << QStringList{"IMAGE", "APPLICATION"} << QStringList{"CheckUpdateDialog"} << QStringList{g_sUpToDate}
        << QStringList();
    QTest::newRow("with the agent package")
        << QStringList{"IMAGE", "AGENT", "APPLICATION"}
        << QStringList{"CheckUpdateDialog", "UpdateAvailableDialog", "InstallUpdateDialog"} << QStringList()
        << QStringList{"WendoAgent_setup.deb"};
}

void TestCheckRoad::serialDeviceRoad()
{
    QFETCH(QStringList, offered);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, opened);
    FakeInstallerLauncher launcher;
    PlatformOverride platform;
    platform.setInstallerLauncher(&launcher);
    QList<FakeUpdateService::Package> packages;
    for (const QString& sKind : offered) {
        packages << (sKind == "IMAGE"   ? m_road.served("IMAGE", "R2.0", "Rom_2.zip")
                     : sKind == "AGENT" ? m_road.served("AGENT", "9.9", "WendoAgent_setup.zip")
                                        : m_road.served("APPLICATION", "200", "App_2.zip"));
    }
    m_road.m_pWorld->m_update.answerUpdates(packages);
    m_road.m_pWorld->plug(Worker::FAMILY_SERIAL);
    DialogDriver driver(120000);
    if (offered.contains("AGENT"))
        driver.click("UpdateAvailableDialog", "btn_install");
    m_road.checkItem()->trigger();
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QVERIFY(driver.isDone());
    QCOMPARE(driver.shown(), shown);
    QCOMPARE(m_road.notices(), boxes);
    QStringList lstOpened;
    for (const QString& sPath : launcher.launched())
        lstOpened << QFileInfo(sPath).fileName();
    QCOMPARE(lstOpened, opened);
    for (const char* szArchive : {"Rom_2.zip", "App_2.zip"})
        QVERIFY2(!QFile::exists(AgentFolders::tempPath(szArchive)), szArchive);
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown());
}

void TestCheckRoad::agentRoadWithoutDevice()
{
    FakeInstallerLauncher launcher;
    PlatformOverride platform;
    platform.setInstallerLauncher(&launcher);
    m_road.m_pWorld->m_update.answerUpdates({UpdateCheckFixture::package("IMAGE", "R2.0"),
                                             m_road.served("AGENT", "9.9", "WendoAgent_setup.zip")});
    bool bAgentOnly = false;
    DialogDriver driver(120000);
    driver.click("UpdateAvailableDialog", "btn_install");
    driver.then("InstallUpdateDialog", [&bAgentOnly](QWidget* pInstall) {
        // Agent-only: nothing of a device is listed.
        bAgentOnly = pInstall->findChild<QLabel*>("label_DeviceUpdate")->isHidden();
    });
    m_road.checkItem()->trigger();
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(driver.shown(),
             (QStringList{"CheckWendoAgentUpdateDialog", "UpdateAvailableDialog", "InstallUpdateDialog"}));
    QVERIFY(bAgentOnly);
    QCOMPARE(launcher.launched(), QStringList{AgentFolders::tempPath("WendoAgent_setup.deb")});
    QCOMPARE(TestFolders::readFile(AgentFolders::tempPath("WendoAgent_setup.deb")),
             m_road.m_packages.staged("WendoAgent_setup.zip", "WendoAgent_setup.deb"));
    QCOMPARE(m_road.notices(), QStringList());
    QVERIFY(!DialogDriver::window("InstallUpdateDialog"));
}

namespace
{
// The drive-family device of the update world with the record the device monitor reads from its system
// drive at plug-in: identity and firmware from "device.xml", versions from the version files.
bool plugAsRead(UpdateCheckFixture& world)
{
    Worker::DEVINFOEX device;
    device.bArrival = true;
    device.type = Worker::FAMILY_DRIVE;
    if (!DriveIdentity::read(world.m_system.root(), &device.devInfo))
        return false;
    device.lstDrive = QStringList{world.m_system.root(), world.m_data.root()};
    ControllerTestDevices::install()->m_volumes.addVolume(world.m_system.root(), "ZEQ_SYSTEM");
    ZeqAgentCtrlMgr::getInstance()->notityWendoDev(device);
    return ZeqAgentCtrlMgr::getInstance()->isDevicePresent();
}

QString labelText(QWidget* pBox, const char* szName)
{
    return pBox->findChild<QLabel*>(szName)->text();
}
} // namespace

void TestCheckRoad::installedVersionsShowAndAreAsked_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QString>("line");    // the version box's line that shows it
    QTest::addColumn<QString>("before");  // the line at plug-in
    QTest::addColumn<QString>("after");   // the line after the install
    QTest::addColumn<QString>("setting"); // the device group's key for it
    QTest::addColumn<QString>("asked");   // what the check asks with at plug-in
    QTest::newRow("software") << "APPLICATION"
                              << "9.0.0"
                              << "App_2.zip"
                              << "label_software"
                              << "Software version: 1.2.3"
                              << "Software version: 9.0.0"
                              << "swver"
                              << "1.2.3";
    // The firmware's version is the one its "device.xml" tells.
    QTest::newRow("firmware") << "IMAGE"
                              << "R3.1"
                              << "Rom_3.zip"
                              << "label_rom"
                              << "ROM version: R01"
                              << "ROM version: R03"
                              << "fwver"
                              << "R1.0";
}

// After an install the device holds new software or firmware: the device page shows it, and the next
// check asks the update service with it instead of being offered the same package again.
void TestCheckRoad::installedVersionsShowAndAreAsked()
{
    QFETCH(QString, kind);
    QFETCH(QString, version);
    QFETCH(QString, archive);
    QFETCH(QString, line);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, setting);
    QFETCH(QString, asked);
    UpdateCheckFixture& world = *m_road.m_pWorld;
    QVERIFY(world.m_system.writeDeviceXml(UpdateCheckFixture::uuid(), "006-B2",
                                          UpdateCheckFixture::hardwareName(), "R1.0", "Z500"));
    QVERIFY(world.m_system.writeVersion("app", "1.2.3;20200101;1000"));
    QVERIFY(world.m_system.writeVersion("osm", "1.0;old;1;"));
    world.m_update.answerUpdates({m_road.served(kind, version, archive)});
    world.answerMaps({});
    QVERIFY(plugAsRead(world));

    // The version box of the device page.
    MyDevVersionWidget box(nullptr);
    box.refreshVersionInfo(0);
    box.show();
    const QByteArray lineName = line.toLatin1();
    QCOMPARE(labelText(&box, lineName), before);

    QString sStateOffered;
    DialogDriver driver(120000);
    driver.then("NewUpdateAvailableDialog", [&box, &sStateOffered](QWidget* pOffer) {
        sStateOffered = labelText(&box, "label_devstatus");
        DialogDriver::clickButton(pOffer, "btn_install");
    });
    m_road.checkItem()->trigger();
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(driver.shown(),
             (QStringList{"CheckUpdateDialog", "NewUpdateAvailableDialog", "InstallUpdateDialog"}));
    QCOMPARE(world.m_update.lastCall().versions.value(kind), asked);
    QCOMPARE(sStateOffered, QString("[Update available]"));
    QTRY_COMPARE_WITH_TIMEOUT(m_road.notices(), QStringList{g_sUpdated}, 20000);

    // The page shows what the device now holds, and tells no update state until the next check.
    QCOMPARE(labelText(&box, lineName), after);
    QCOMPARE(labelText(&box, "label_devstatus"), QString());
    QVERIFY(box.findChild<QLabel*>("label_release")->isHidden());
    QCOMPARE(box.findChild<QPushButton*>("btn_check")->text(), QString("Check for Updates"));
    QCOMPARE(AgentSettings().getDeviceString(UpdateCheckFixture::uuid(), setting), version);

    // The next check asks with the new version; nothing newer is on offer.
    world.m_update.answerUpdates({});
    const int nCalls = world.m_update.calls().size();
    m_road.m_ui.m_notifier.m_notices.clear();
    DialogDriver second(120000);
    m_road.checkItem()->trigger();
    QVERIFY2(second.failures().isEmpty(), qPrintable(second.failures().join("; ")));
    QCOMPARE(world.m_update.calls().size(), nCalls + 1);
    QCOMPARE(world.m_update.lastCall().versions.value(kind), version);
    QCOMPARE(m_road.notices(), QStringList{g_sUpToDate});
}

QTEST_MAIN(TestCheckRoad)
#include "tst_checkroad.moc"
