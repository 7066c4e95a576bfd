#include "backup/BackupFiles.h"
#include "controller/DialogOpener.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentTiming.h"
#include "platform/ArchiveTool.h"
#include "platform/DevicePath.h"
#include "platform/Platform.h"
#include "support/BackupDialogFixture.h"
#include "support/ControllerTestDevices.h"
#include "support/DialogDriver.h"
#include "support/FakeInstallerLauncher.h"
#include "support/NginxFixture.h"
#include "support/ServedPackages.h"
#include "support/TestFolders.h"
#include "support/UiFixture.h"
#include "support/UpdateCheckFixture.h"
#include "ui/main/ZeqAgentMainDialog.h"
#include "ui/pages/BackupRestoreDailog.h"
#include "ui/update/UpdateDialogOpener.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QtTest>

#include <memory>

namespace
{
const QString g_sUpdated = "Updates|Update successfully. Device should have been restarted. If not, please "
                           "disconnect the device now in order to complete the update process.";
// The device part's packages reach the device through the map part, which needs the device's system drive;
// a serial-family device has none, so its install ends with the device box instead of unpacking anywhere.
const QString g_sNoDrive =
    "Updates|Update failed. Please ensure that your Wendo 500 is still connected to your "
    "computer. If this problem persists, contact Zeq support.";
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
    void agentRoadWithoutDevice();

private:
    QAction* checkItem() const;
    // A package of the update service's list, served from the nginx folder.
    FakeUpdateService::Package served(const QString& sKind, const QString& sVersion,
                                      const QString& sArchive) const;
    FakeMapService::Package servedMap(const QString& sNotes, const QString& sArchive) const;
    QStringList notices() const;
    QByteArray onDrive(const QString& sRelative) const;

    UiFixture m_ui;
    ServedPackages m_packages;
    QScopedPointer<UpdateCheckFixture> m_pWorld;
    std::unique_ptr<UpdateDialogOpener> m_pOpener;
    std::unique_ptr<BackupDialogFixture> m_pBackup;
    std::unique_ptr<ZeqAgentMainDialog> m_pWindow;
};

void TestCheckRoad::initTestCase()
{
    if (ArchiveTool::findProgram(QString()).isEmpty())
        QSKIP("No 7-Zip program (7z, 7zz or 7za) is installed; the set-up scripts install Debian's 7zip.");
    if (!NginxFixture::isAvailable())
        QSKIP(qPrintable(NginxFixture::skipReason()));
    AgentTiming::set(AgentTiming::BACKUP_PART_PAUSE, 0);
    AgentTiming::set(AgentTiming::BACKUP_DONE_PAUSE, 50);
    QVERIFY(m_packages.isValid());
    // The packages spell the device folder as the drive does: on the device's FAT volume other spellings
    // name the same folder, but in the test folder 7-Zip would make a second one.
    QVERIFY(m_packages.stage("App_2.zip", "KORVO/Program/program.bin", ServedPackages::noise(60000, 1)));
    QVERIFY(m_packages.stage("Rom_2.zip", "KORVO/Firmware/rom.bin", ServedPackages::noise(40000, 2)));
    QVERIFY(m_packages.stage("eu_OSM.zip", "OSM/eu.img", ServedPackages::noise(30000, 3)));
    QVERIFY(
        m_packages.stage("WendoAgent_setup.zip", "WendoAgent_setup.exe", ServedPackages::noise(20000, 4)));
    for (const char* szArchive : {"App_2.zip", "Rom_2.zip", "eu_OSM.zip", "WendoAgent_setup.zip"})
        QVERIFY2(m_packages.build(szArchive), qPrintable(m_packages.errorString()));
    QVERIFY2(m_packages.start(), qPrintable(m_packages.errorString()));
}

void TestCheckRoad::init()
{
    m_ui.reset();
    QDir(BackupFiles::backupDir()).removeRecursively();
    QDir(AgentFolders::tempDir()).removeRecursively();
    QVERIFY(QDir().mkpath(AgentFolders::tempDir()));
    m_pWorld.reset(new UpdateCheckFixture);
    QVERIFY(m_pWorld->isValid());
    m_pOpener.reset(new UpdateDialogOpener);
    DialogOpener::setInstance(m_pOpener.get());
    m_pBackup.reset(new BackupDialogFixture);
    AgentTiming::set(AgentTiming::DOWNLOAD_PROGRESS, 0);
    m_pWindow.reset(new ZeqAgentMainDialog());
    m_pWindow->show();
    ZeqAgentCtrlMgr::getInstance()->m_nDevPageStyle = 0;
}

void TestCheckRoad::cleanup()
{
    m_pWindow.reset();
    UpdateCheckFixture::unplug();
    ZeqAgentCtrlMgr::getInstance()->terminateAllWorker();
    ControllerTestDevices::install()->m_volumes.clear();
    m_pBackup.reset();
    DialogOpener::setInstance(nullptr);
    m_pOpener.reset();
    m_pWorld.reset();
}

QAction* TestCheckRoad::checkItem() const
{
    return m_pWindow->findChild<QMenu*>("TrayMenu")->findChild<QAction*>("actionCheck");
}

FakeUpdateService::Package TestCheckRoad::served(const QString& sKind, const QString& sVersion,
                                                 const QString& sArchive) const
{
    FakeUpdateService::Package package = UpdateCheckFixture::package(sKind, sVersion);
    package.sUrl = m_packages.url(sArchive);
    package.sFileSize = m_packages.size(sArchive);
    return package;
}

FakeMapService::Package TestCheckRoad::servedMap(const QString& sNotes, const QString& sArchive) const
{
    FakeMapService::Package package = UpdateCheckFixture::mapPackage(sNotes);
    for (QPair<QString, QString>& field : package) {
        if (field.first == "size")
            field.second = m_packages.size(sArchive);
        else if (field.first == "file_url" || field.first == "downloadurl")
            field.second = m_packages.url(sArchive);
        else if (field.first == "checksum")
            field.second = m_packages.md5(sArchive);
    }
    return package;
}

QStringList TestCheckRoad::notices() const
{
    QStringList lst;
    for (const RecordingNotifier::Notice& notice : m_ui.m_notifier.m_notices)
        lst << notice.sTitle + "|" + notice.sText;
    return lst;
}

QByteArray TestCheckRoad::onDrive(const QString& sRelative) const
{
    return TestFolders::readFile(DevicePath::resolve(m_pWorld->m_system.root(), sRelative));
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
    QTest::newRow("serial family") << int(Worker::FAMILY_SERIAL) << "IMAGE"
                                   << "Rom_2.zip"
                                   << "" << false << QStringList{"ROM(R02)"} << g_sNoDrive;
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
    m_pWorld->m_update.answerUpdates({served(kind, kind == "IMAGE" ? "R2.0" : "200", archive)});
    if (family == Worker::FAMILY_DRIVE) {
        QVERIFY(m_pWorld->m_system.writeVersion("osm", "1.0;old;1;"));
        QVERIFY(m_pWorld->m_system.writeFile("KORVO/Map/keep.txt", "keep"));
        // What the backup keeps, so the offer ticks its backup box.
        QVERIFY(m_pWorld->m_system.writeFile("KORVO/Settings/settings.xml", "<settings/>"));
        QVERIFY(m_pWorld->m_data.writeFile("KORVO/Tracks/ride.fit", "ride"));
        ControllerTestDevices::install()->m_volumes.addVolume(m_pWorld->m_system.root(), "ZEQ_SYSTEM");
        BackupDialogFixture::plug(BackupDialogFixture::uuid(),
                                  {m_pWorld->m_system.root(), m_pWorld->m_data.root()});
        m_pWorld->answerMaps({servedMap("OSM-EU", "eu_OSM.zip")});
    } else {
        m_pWorld->plug(Worker::FAMILY_SERIAL);
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
    checkItem()->trigger();
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(driver.shown(),
             (QStringList{"CheckUpdateDialog", "NewUpdateAvailableDialog", "InstallUpdateDialog"}));
    QCOMPARE(bBoxTicked, backedUp);
    QCOMPARE(bBackupOpen, backedUp);
    QCOMPARE(lstInstalling, installing);
    QCOMPARE(notices(), QStringList{box});
    if (backedUp) {
        QCOMPARE(BackupDialogFixture::backupFolder(), BackupDialogFixture::committedArchives());
        QVERIFY(!BackupDialogFixture::backupTime().isEmpty());
    }
    if (family == Worker::FAMILY_DRIVE) {
        QCOMPARE(onDrive(staged), m_packages.staged(archive, staged));
        const QStringList lstAppVersion = QString::fromUtf8(onDrive("KORVO/version.app")).split(';');
        QCOMPARE(lstAppVersion.value(0), QString("200"));
        QCOMPARE(lstAppVersion.value(2), m_packages.size(archive));
        QCOMPARE(onDrive("KORVO/Map/OSM/eu.img"), m_packages.staged("eu_OSM.zip", "OSM/eu.img"));
        QCOMPARE(QString::fromUtf8(onDrive("KORVO/version.osm")),
                 "2.0;2026-01-02 03:04:05;" + m_packages.size("eu_OSM.zip") + ";");
        // What the backup kept is still there.
        QCOMPARE(onDrive("KORVO/Settings/settings.xml"), QByteArray("<settings/>"));
    }
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown());
    QVERIFY(checkItem()->isEnabled());
}

void TestCheckRoad::agentRoadWithoutDevice()
{
    FakeInstallerLauncher launcher;
    PlatformOverride platform;
    platform.setInstallerLauncher(&launcher);
    m_pWorld->m_update.answerUpdates(
        {UpdateCheckFixture::package("IMAGE", "R2.0"), served("AGENT", "9.9", "WendoAgent_setup.zip")});
    bool bAgentOnly = false;
    DialogDriver driver(120000);
    driver.click("UpdateAvailableDialog", "btn_install");
    driver.then("InstallUpdateDialog", [&bAgentOnly](QWidget* pInstall) {
        // Agent-only: nothing of a device is listed.
        bAgentOnly = pInstall->findChild<QLabel*>("label_DeviceUpdate")->isHidden();
    });
    checkItem()->trigger();
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(driver.shown(),
             (QStringList{"CheckWendoAgentUpdateDialog", "UpdateAvailableDialog", "InstallUpdateDialog"}));
    QVERIFY(bAgentOnly);
    QCOMPARE(launcher.launched(), QStringList{AgentFolders::tempPath("WendoAgent_setup.exe")});
    QCOMPARE(TestFolders::readFile(AgentFolders::tempPath("WendoAgent_setup.exe")),
             m_packages.staged("WendoAgent_setup.zip", "WendoAgent_setup.exe"));
    QCOMPARE(notices(), QStringList());
    QVERIFY(!DialogDriver::window("InstallUpdateDialog"));
}

QTEST_MAIN(TestCheckRoad)
#include "tst_checkroad.moc"
