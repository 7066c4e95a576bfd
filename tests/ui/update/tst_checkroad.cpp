#include "backup/BackupFiles.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentTiming.h"
#include "core/WorkFile.h"
#include "platform/ArchiveTool.h"
#include "support/BackupDialogFixture.h"
#include "support/DialogDriver.h"
#include "support/UiFixture.h"
#include "support/UpdateCheckFixture.h"
#include "ui/main/ZeqAgentMainDialog.h"
#include "ui/pages/BackupRestoreDailog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMenu>
#include <QtTest>

#include <memory>

// "Check for Updates" from the tray to the install, as the user walks it: the check, the offer, Update
// with the backup box ticked (the real backup dialog and 7-Zip), and the install it hands over to; and
// the agent's own road without a device. The install dialog itself is recorded here.
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

    UiFixture m_ui;
    QScopedPointer<UpdateCheckFixture> m_pWorld;
    QScopedPointer<InstallRecordingOpener> m_pOpener;
    std::unique_ptr<BackupDialogFixture> m_pBackup;
    std::unique_ptr<ZeqAgentMainDialog> m_pWindow;
};

void TestCheckRoad::initTestCase()
{
    if (ArchiveTool::findProgram(QString()).isEmpty())
        QSKIP("No 7-Zip program (7z, 7zz or 7za) is installed; the set-up scripts install Debian's 7zip.");
    AgentTiming::set(AgentTiming::BACKUP_PART_PAUSE, 0);
    AgentTiming::set(AgentTiming::BACKUP_DONE_PAUSE, 50);
}

void TestCheckRoad::init()
{
    m_ui.reset();
    QDir(BackupFiles::backupDir()).removeRecursively();
    m_pWorld.reset(new UpdateCheckFixture);
    QVERIFY(m_pWorld->isValid());
    m_pOpener.reset(new InstallRecordingOpener);
    m_pBackup.reset(new BackupDialogFixture);
    QDir().mkpath(AgentFolders::tempDir());
    m_pWindow.reset(new ZeqAgentMainDialog());
    m_pWindow->show();
    ZeqAgentCtrlMgr::getInstance()->m_nDevPageStyle = 0;
}

void TestCheckRoad::cleanup()
{
    m_pWindow.reset();
    UpdateCheckFixture::unplug();
    ZeqAgentCtrlMgr::getInstance()->terminateAllWorker();
    m_pBackup.reset();
    m_pOpener.reset();
    m_pWorld.reset();
}

QAction* TestCheckRoad::checkItem() const
{
    return m_pWindow->findChild<QMenu*>("TrayMenu")->findChild<QAction*>("actionCheck");
}

void TestCheckRoad::deviceRoad_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<QStringList>("installedDevice"); // "Update.script" as the install finds it
    QTest::addColumn<int>("installedMaps");
    QTest::addColumn<bool>("backedUp");
    QTest::newRow("drive family, backup first")
        << int(Worker::FAMILY_DRIVE) << QStringList{"APPLICATION"} << 1 << true;
    QTest::newRow("serial family") << int(Worker::FAMILY_SERIAL) << QStringList{"IMAGE"} << 0 << false;
}

void TestCheckRoad::deviceRoad()
{
    QFETCH(int, family);
    QFETCH(QStringList, installedDevice);
    QFETCH(int, installedMaps);
    QFETCH(bool, backedUp);
    if (family == Worker::FAMILY_DRIVE) {
        BackupDialogFixture::plug(BackupDialogFixture::uuid(), m_pBackup->device().drives());
        m_pWorld->m_update.answerUpdates({UpdateCheckFixture::package("APPLICATION", "200")});
        m_pWorld->answerMaps({UpdateCheckFixture::mapPackage("OSM-EU")});
    } else {
        m_pWorld->plug(Worker::FAMILY_SERIAL);
        m_pWorld->m_update.answerUpdates({UpdateCheckFixture::package("IMAGE", "R2.0")});
    }
    bool bBackupRan = false;
    bool bBoxTicked = false;
    m_pOpener->m_whileOpen = [&bBackupRan] {
        for (QWidget* pWidget : QApplication::topLevelWidgets())
            bBackupRan = bBackupRan || qobject_cast<BackupRestoreDailog*>(pWidget);
    };
    DialogDriver driver(120000);
    driver.then("NewUpdateAvailableDialog", [&bBoxTicked](QWidget* pOffer) {
        bBoxTicked = pOffer->findChild<QCheckBox*>("checkbox_backup")->isChecked();
        DialogDriver::clickButton(pOffer, "btn_install");
    });
    checkItem()->trigger();
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(driver.shown(), (QStringList{"CheckUpdateDialog", "NewUpdateAvailableDialog"}));
    QCOMPARE(bBoxTicked, backedUp);
    QCOMPARE(bBackupRan, backedUp);
    QCOMPARE(m_ui.m_notifier.m_notices.size(), 0);
    QCOMPARE(m_pOpener->m_lstInstalls.size(), 1);
    const InstallRecordingOpener::Install install = m_pOpener->m_lstInstalls.first();
    QCOMPARE(install.bRecover, false);
    QCOMPARE(install.bAgentOnly, false);
    QStringList lstKinds;
    for (const WorkFile::Row& row : install.updateRows)
        lstKinds << row.value(0);
    QCOMPARE(lstKinds, installedDevice);
    QCOMPARE(install.mapRows.size(), installedMaps);
    if (backedUp) {
        QCOMPARE(BackupDialogFixture::backupFolder(), BackupDialogFixture::committedArchives());
        QVERIFY(!BackupDialogFixture::backupTime().isEmpty());
    }
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isUpdateDialogShown());
    QVERIFY(checkItem()->isEnabled());
}

void TestCheckRoad::agentRoadWithoutDevice()
{
    m_pWorld->m_update.answerUpdates(
        {UpdateCheckFixture::package("IMAGE", "R2.0"), UpdateCheckFixture::package("AGENT", "9.9")});
    DialogDriver driver;
    driver.click("UpdateAvailableDialog", "btn_install");
    checkItem()->trigger();
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(driver.shown(), (QStringList{"CheckWendoAgentUpdateDialog", "UpdateAvailableDialog"}));
    QCOMPARE(m_pOpener->m_lstInstalls.size(), 1);
    QCOMPARE(m_pOpener->m_lstInstalls.first().bAgentOnly, true);
    QCOMPARE(m_pOpener->m_lstInstalls.first().updateRows.size(), 1);
    QCOMPARE(m_pOpener->m_lstInstalls.first().updateRows.first().value(0), QString("AGENT"));
    QCOMPARE(m_ui.m_notifier.m_notices.size(), 0);
}

QTEST_MAIN(TestCheckRoad)
#include "tst_checkroad.moc"
