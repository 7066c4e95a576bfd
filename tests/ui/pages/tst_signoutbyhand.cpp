#include "core/AgentTiming.h"
#include "core/JsonHelper.h"
#include "support/BackupDialogFixture.h"
#include "support/ControllerTestDevices.h"
#include "support/FakeShareService.h"
#include "support/LiveWorkers.h"
#include "support/RealInput.h"
#include "support/RecordingDialogOpener.h"
#include "support/SignInByHand.h"
#include "support/SyncBoxFixture.h"
#include "support/TestFolders.h"
#include "support/TestHttpServer.h"
#include "support/UiFixture.h"
#include "ui/main/AgentResources.h"
#include "ui/main/Login_fbWidget.h"
#include "ui/main/TitleBar.h"
#include "ui/main/ZeqAgentMainDialog.h"
#include "ui/pages/MyDevShareSyncWidget.h"
#include "ui/pages/ZeqAgentInfoWidget.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <memory>

// Signing out while the automatic sync uploads, as a person does it on a desktop without a tray host: the
// real main window on a display of its own under a window manager, sign-in by typing, the tray's menu
// opened by a right-click on the title strip and "Sign out" clicked there, with real mouse and keyboard.
// The sharing service (on loopback) holds the answer to the second upload, so the sign-out surely comes
// while that upload is under way; afterwards it answers it, as a slow service finally does.
class TestSignOutByHand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void signOutDuringASlowUploadStopsTheSync();

private:
    QList<FakeShareService::Call> calls(const QString& sOperation) const;
    // The whole screen, for a person to look at (WENDO_SCREENSHOT_DIR); nothing is asserted on it.
    static void screenshot(const QString& sName);

    std::unique_ptr<TestHttpServer> m_pServer;
    std::unique_ptr<FakeShareService> m_pService;
    std::unique_ptr<UiFixture> m_pUi;
    std::unique_ptr<RecordingDialogOpener> m_pOpener;
};

namespace
{
const QString EMAIL = "rider@example.com";
const QString PASSWORD = "secret";
const QString SESSION = "SESSION-OUT";
const int RIDES = 4;
} // namespace

void TestSignOutByHand::initTestCase()
{
    if (!RealInput::isAvailable())
        QSKIP(qPrintable("no display for real input: " + RealInput::unavailableReason()));
    if (!RealInput::hasWindowManager())
        QSKIP("no window manager (openbox) on the display");
    AgentResources::init();
    m_pServer.reset(new TestHttpServer);
    QVERIFY(m_pServer->start());
    m_pService.reset(new FakeShareService(*m_pServer));
    m_pUi.reset(new UiFixture(false, m_pService->serviceUrl()));
    m_pOpener.reset(new RecordingDialogOpener);
    // Short waits instead of the production pauses; none of them is asserted on.
    AgentTiming::set(AgentTiming::SYNC_AUTOSTART, 100);
    AgentTiming::set(AgentTiming::SETTINGS_FETCH, 0);
    AgentTiming::set(AgentTiming::REGCHECK_RETRY, 20);
}

void TestSignOutByHand::cleanupTestCase()
{
    if (QWidget* pPopup = QApplication::activePopupWidget())
        pPopup->close();
    BackupDialogFixture::unplug();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_pOpener.reset();
}

QList<FakeShareService::Call> TestSignOutByHand::calls(const QString& sOperation) const
{
    return m_pService->calls(sOperation);
}

void TestSignOutByHand::screenshot(const QString& sName)
{
    const QString sDir = QString::fromLocal8Bit(qgetenv("WENDO_SCREENSHOT_DIR"));
    if (sDir.isEmpty())
        return;
    QDir().mkpath(sDir);
    QGuiApplication::primaryScreen()->grabWindow(0).save(sDir + "/" + sName + ".png");
}

// Once the agent has let go of the signed-out session nothing more is sent with it: the upload under way
// is the last request, the rides the service never confirmed stay on the device as they were, and the
// sign-in page shows.
void TestSignOutByHand::signOutDuringASlowUploadStopsTheSync()
{
    // A drive-family device whose rides are only these four (the fixture's filler is no GPX track).
    BackupDialogFixture device;
    const QString sData = device.device().dataRoot();
    QVERIFY(QFile::remove(sData + "Korvo/Tracks/profile1/20240101120000.gpx"));
    QStringList lstRides;
    QList<QByteArray> lstContents;
    QStringList lstHashes;
    QList<QStringList> workItems;
    for (int i = 1; i <= RIDES; ++i) {
        lstRides << SyncBoxFixture::addRide(sData, QString("ride%1.gpx").arg(i), 10 + i);
        lstContents << TestFolders::readFile(lstRides.last());
        lstHashes << SyncBoxFixture::hashOf(lstRides.last());
        QVERIFY(!lstContents.last().isEmpty() && !lstHashes.last().isEmpty());
        workItems.append({"upload", lstHashes.last()});
    }

    // The service: the device registered here, delete after upload and the automatic sync chosen, the
    // four rides asked for; the first upload confirmed at once, the second held.
    m_pService->setAnswer("login", FakeShareService::RETURN, SESSION);
    m_pService->setAnswer("checkDeviceReg", FakeShareService::RETURN, "SUCCESS:S0001");
    m_pService->setAnswer("getCustomerSetting", FakeShareService::RETURN,
                          "{\"afterUpload\":\"delete_after_upload\",\"syncType\":\"auto_sync\"}");
    m_pService->setAnswer("getDeviceList", FakeShareService::RETURN,
                          "[" +
                              JsonHelper::object({{"UUID", BackupDialogFixture::uuid()},
                                                  {"SKUID", "1"},
                                                  {"Model", "M"},
                                                  {"HardwareName", BackupDialogFixture::hardwareName()},
                                                  {"AddDate", "2024/03/01"}}) +
                              "]");
    m_pService->setAnswer("getRouteSyncList", FakeShareService::RETURN, SyncBoxFixture::workList(workItems));
    m_pService->setAnswer("uploadRec", FakeShareService::RETURN, "SUCCESS:S0001");
    m_pService->enqueueAnswer("uploadRec", FakeShareService::RETURN, "SUCCESS:S0001");
    m_pService->enqueueAnswer("uploadRec", FakeShareService::STALL);
    FakeVolumeInfo& volumes = ControllerTestDevices::install()->m_volumes;
    volumes.addVolume(device.device().systemRoot());
    volumes.addVolume(sData);
    volumes.setFreeSpace(100LL * 1024 * 1024);
    LiveWorkers syncWorkers("SyncWorker");

    // ---- sign-in by hand, on a desktop without a tray host ----
    std::unique_ptr<ZeqAgentMainDialog> pWindow(new ZeqAgentMainDialog());
    QVERIFY(m_pUi->m_pTray);
    m_pUi->m_pTray->setHostPresent(false);
    RealInput input;
    QVERIFY(input.showWindow(pWindow.get()));
    QVERIFY(signInByHand(input, pWindow.get(), EMAIL, PASSWORD));
    ZeqAgentInfoWidget* pInfo = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((pInfo = pWindow->findChild<ZeqAgentInfoWidget*>()) && pInfo->isVisible(),
                             30000);
    QCOMPARE(calls("login").size(), 1);

    // ---- the device arrives; the automatic sync uploads the first ride and starts on the second ----
    device.plug();
    QTRY_COMPARE_WITH_TIMEOUT(calls("uploadRec").size(), 2, 60000);
    QVERIFY(pInfo->findChild<MyDevShareSyncWidget*>());
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(calls("uploadRec").at(i).params.value("SHA512"), lstHashes.at(i));
        QCOMPARE(calls("uploadRec").at(i).params.value("SessionID"), SESSION);
    }
    QVERIFY(!QFile::exists(lstRides.at(0))); // confirmed, so not kept
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QVERIFY(pCtrl->isSyncRunning());

    // ---- "Sign out" from the menu of the title strip ----
    TitleBar* pStrip = pWindow->findChild<TitleBar*>();
    QVERIFY(pStrip);
    QVERIFY(input.click(pStrip, QPoint(500, 23), Qt::RightButton));
    QMenu* pMenu = pWindow->findChild<QMenu*>("TrayMenu");
    QVERIFY(pMenu);
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::activePopupWidget(), static_cast<QWidget*>(pMenu), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(QTest::qWaitForWindowExposed(pMenu), 30000);
    QAction* pSignOut = pWindow->findChild<QAction*>("actionSignIn");
    QVERIFY(pSignOut);
    QCOMPARE(pSignOut->text(), QString("Sign out"));
    screenshot("signout-menu");
    QVERIFY(input.click(pMenu, pMenu->actionGeometry(pSignOut).center()));
    QTRY_VERIFY_WITH_TIMEOUT(!pMenu->isVisible(), 30000);

    // The sign-in page shows, empty.
    Login_fbWidget* pLogin = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((pLogin = pWindow->findChild<Login_fbWidget*>()) && pLogin->isVisible(), 30000);
    QVERIFY(pLogin->findChild<QLineEdit*>("txt_email")->text().isEmpty());
    QCOMPARE(pSignOut->text(), QString("Sign in"));
    QVERIFY(pCtrl->currentSession().isEmpty());
    const int nCallsAtSignOut = m_pService->calls().size();

    // The service now confirms the upload it held. A sync still going would take that answer, delete the
    // ride and upload the next ones; one that was stopped has let go of the request and hears nothing.
    m_pServer->answerStalled(
        TestHttpServer::Answer::ok(FakeShareService::soapAnswer("uploadRec", "SUCCESS:S0001")));
    QTRY_VERIFY_WITH_TIMEOUT(!pCtrl->isSyncRunning(), 60000);
    QVERIFY(syncWorkers.waitUntilNone(60000));

    // No request after the one in flight; nothing at all with the old session.
    QCOMPARE(calls("uploadRec").size(), 2);
    for (const FakeShareService::Call& call : m_pService->calls().mid(nCallsAtSignOut))
        QVERIFY2(call.params.value("SessionID") != SESSION, qPrintable(call.sOperation));
    // The rides the service never confirmed are on the device as they were; the one in flight is either
    // still there whole or gone on its confirmation.
    for (int i = 2; i < RIDES; ++i)
        QCOMPARE(TestFolders::readFile(lstRides.at(i)), lstContents.at(i));
    QVERIFY(!QFile::exists(lstRides.at(1)) || TestFolders::readFile(lstRides.at(1)) == lstContents.at(1));
    QVERIFY(pLogin->isVisible());
    QVERIFY(input.sync());
    screenshot("signout-after");
}

WENDO_REAL_INPUT_MAIN_WITH_WINDOW_MANAGER(TestSignOutByHand)
#include "tst_signoutbyhand.moc"
