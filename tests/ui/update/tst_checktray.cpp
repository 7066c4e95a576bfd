#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/WorkFile.h"
#include "support/DialogDriver.h"
#include "support/UiFixture.h"
#include "support/UpdateCheckFixture.h"
#include "ui/main/ZeqAgentMainDialog.h"
#include "ui/update/NewUpdateAvailableDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QMenu>
#include <QtTest>

#include <memory>

// The tray's "Check for Updates" and the offer after an automatic check, on the real main window.
class TestCheckTray : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void withDevice_data();
    void withDevice();
    void withoutDevice();
    void refusedWhileAnUpdateDialogExists_data();
    void refusedWhileAnUpdateDialogExists();
    void automaticCheckOffers_data();
    void automaticCheckOffers();

private:
    QAction* checkItem() const;

    UiFixture m_ui;
    QScopedPointer<UpdateCheckFixture> m_pWorld;
    QScopedPointer<InstallRecordingOpener> m_pOpener;
    std::unique_ptr<ZeqAgentMainDialog> m_pWindow;
};

void TestCheckTray::init()
{
    m_ui.reset();
    m_pWorld.reset(new UpdateCheckFixture);
    QVERIFY(m_pWorld->isValid());
    m_pOpener.reset(new InstallRecordingOpener);
    QDir().mkpath(AgentFolders::tempDir());
    m_pWindow.reset(new ZeqAgentMainDialog());
}

void TestCheckTray::cleanup()
{
    m_pWindow.reset();
    UpdateCheckFixture::unplug();
    ZeqAgentCtrlMgr::getInstance()->terminateAllWorker();
    ZeqAgentCtrlMgr::getInstance()->m_nDevPageStyle = 0;
    m_pOpener.reset();
    m_pWorld.reset();
}

QAction* TestCheckTray::checkItem() const
{
    return m_pWindow->findChild<QMenu*>("TrayMenu")->findChild<QAction*>("actionCheck");
}

void TestCheckTray::withDevice_data()
{
    QTest::addColumn<int>("pageStyle");
    QTest::addColumn<bool>("backupOffered");
    QTest::newRow("registered to this account: backup offered") << 0 << true;
    QTest::newRow("another account's device: no backup") << 1 << false;
}

void TestCheckTray::withDevice()
{
    QFETCH(int, pageStyle);
    QFETCH(bool, backupOffered);
    ZeqAgentCtrlMgr::getInstance()->m_nDevPageStyle = pageStyle;
    QVERIFY(QDir().mkpath(m_pWorld->m_system.root() + "Korvo/Settings"));
    QVERIFY(QDir().mkpath(m_pWorld->m_data.root() + "Korvo/Tracks"));
    m_pWorld->plug(Worker::FAMILY_DRIVE);
    m_pWorld->m_update.answerUpdates({UpdateCheckFixture::package("APPLICATION", "200")});
    m_pWorld->answerMaps({});
    bool bBoxShown = false;
    DialogDriver driver;
    driver.then("NewUpdateAvailableDialog", [&bBoxShown](QWidget* pOffer) {
        bBoxShown = pOffer->findChild<QCheckBox*>("checkbox_backup")->isVisible();
        DialogDriver::clickButton(pOffer, "btn_cancel");
    });
    checkItem()->trigger();
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(driver.shown(), (QStringList{"CheckUpdateDialog", "NewUpdateAvailableDialog"}));
    QCOMPARE(bBoxShown, backupOffered);
}

void TestCheckTray::withoutDevice()
{
    m_pWorld->m_update.answerUpdates({UpdateCheckFixture::package("AGENT", "9.9")});
    DialogDriver driver;
    driver.click("UpdateAvailableDialog", "btn_cancel");
    checkItem()->trigger();
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(driver.shown(), (QStringList{"CheckWendoAgentUpdateDialog", "UpdateAvailableDialog"}));
    QCOMPARE(m_pWorld->m_update.lastCall().fields.value("uuid"), QString());
}

void TestCheckTray::refusedWhileAnUpdateDialogExists_data()
{
    QTest::addColumn<bool>("device");
    QTest::newRow("with a device") << true;
    QTest::newRow("without a device") << false;
}

void TestCheckTray::refusedWhileAnUpdateDialogExists()
{
    QFETCH(bool, device);
    if (device) {
        QVERIFY(QDir().mkpath(m_pWorld->m_system.root() + "Korvo/Settings"));
        QVERIFY(QDir().mkpath(m_pWorld->m_data.root() + "Korvo/Tracks"));
        m_pWorld->plug(Worker::FAMILY_DRIVE);
    }
    m_pWorld->m_update.answerKind(FakeUpdateService::STALL);
    // An offer that exists, not yet shown: the tray opens no check beside it.
    std::unique_ptr<NewUpdateAvailableDialog> pOpen(new NewUpdateAvailableDialog(false, false));
    {
        DialogDriver driver;
        checkItem()->trigger();
        QCOMPARE(driver.shown(), QStringList());
    }
    // Once the offer is gone the same item checks: had the first press asked the service too, its
    // request would be heard before this one's.
    pOpen.reset();
    m_pWorld->m_update.answerUpdates({UpdateCheckFixture::package(device ? "APPLICATION" : "AGENT", "200")});
    m_pWorld->answerMaps({});
    DialogDriver driver;
    const QString sOffer = device ? "NewUpdateAvailableDialog" : "UpdateAvailableDialog";
    driver.click(sOffer, "btn_cancel");
    checkItem()->trigger();
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(driver.shown(),
             (QStringList{device ? "CheckUpdateDialog" : "CheckWendoAgentUpdateDialog", sOffer}));
    QCOMPARE(m_pWorld->m_update.calls().size(), 1);
}

void TestCheckTray::automaticCheckOffers_data()
{
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("update");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("balloons");
    const QStringList offer = {"NewUpdateAvailableDialog"};
    QTest::newRow("visible, automatic, update: the offer") << true << "AutoCheck"
                                                           << "true" << offer << 0;
    QTest::newRow("visible, user's check: nothing") << true << "success"
                                                    << "true" << QStringList{} << 0;
    QTest::newRow("visible, automatic, no update: nothing") << true << "AutoCheck"
                                                            << "false" << QStringList{} << 0;
    QTest::newRow("hidden: the balloon") << false << "AutoCheck"
                                         << "true" << QStringList{} << 1;
}

void TestCheckTray::automaticCheckOffers()
{
    QFETCH(bool, visible);
    QFETCH(QString, result);
    QFETCH(QString, update);
    QFETCH(QStringList, shown);
    QFETCH(int, balloons);
    m_pWorld->plug(Worker::FAMILY_SERIAL);
    AgentSettings().setDeviceValue(UpdateCheckFixture::uuid(), "update", update);
    QVERIFY(WorkFile::writeRows(UpdateCheckFixture::listPath("Update.script"), {{"IMAGE", "d", "R2.0"}}));
    visible ? m_pWindow->show() : m_pWindow->hide();
    checkItem()->setEnabled(false);
    DialogDriver driver;
    driver.click("NewUpdateAvailableDialog", "btn_cancel");
    emit ZeqAgentCtrlMgr::getInstance()->actionFinish(MAP_CHECKSUCCESS, result);
    QVERIFY2(driver.failures().isEmpty(), qPrintable(driver.failures().join("; ")));
    QCOMPARE(driver.shown(), shown);
    QCOMPARE(checkItem()->isEnabled(), !shown.isEmpty());
    QVERIFY(m_ui.m_pTray);
    QCOMPARE(m_ui.m_pTray->m_balloons.size(), balloons);
}

QTEST_MAIN(TestCheckTray)
#include "tst_checktray.moc"
