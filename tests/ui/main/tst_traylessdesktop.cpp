#include "platform/FreedesktopNotifications.h"
#include "support/FakeNotificationService.h"
#include "support/PrivateSessionBus.h"
#include "support/RealInput.h"
#include "support/UiFixture.h"
#include "support/XWindowState.h"
#include "ui/main/TitleBar.h"
#include "ui/main/TrayIcon.h"
#include "ui/main/ZeqAgentMainDialog.h"

#include <QApplication>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QtTest>

#include <memory>

#include <X11/Xlib.h>

// The main window on a desktop as riders have it, driven by real mouse events: openbox with no tray host
// (a stock GNOME desktop has none), and the same with an XEmbed tray host (trayer). The desktop's notices
// go to a small notification service on a session bus of the test's own.
class TestTraylessDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void titleStripClose_data();
    void titleStripClose();
    void menuFromTitleStrip_data();
    void menuFromTitleStrip();
    void balloonReachesTheDesktop_data();
    void balloonReachesTheDesktop();
    void noticeClickedByAFaultyService_data();
    void noticeClickedByAFaultyService();

private:
    // Starts or ends the tray host and waits until Qt sees the change.
    bool setTrayHost(bool bPresent);
    std::unique_ptr<ZeqAgentMainDialog> makeWindow(RealInput& input);
    // What the window manager made of the window: 1 normal, 3 iconic, 0 withdrawn or never managed.
    static long wmState(QWidget* pWindow);
    static void screenshot(const QString& sName);
    static QWidget* shownBalloonTip();

    std::unique_ptr<UiFixture> m_pFixture;
    std::unique_ptr<FakeNotificationService> m_pService;
    QProcess m_trayHost;
};

namespace
{
PrivateSessionBus& sessionBus()
{
    static PrivateSessionBus s_bus;
    return s_bus;
}
} // namespace

void TestTraylessDesktop::initTestCase()
{
    if (!RealInput::isAvailable())
        QSKIP(qPrintable("no display for real input: " + RealInput::unavailableReason()));
    if (!RealInput::hasWindowManager())
        QSKIP("no window manager (openbox) on the display");
    if (sessionBus().address().isEmpty())
        QSKIP(qPrintable("no session bus of our own: " + sessionBus().failure()));
    m_pService.reset(new FakeNotificationService);
    QVERIFY(m_pService->start(sessionBus().address()));
    m_pFixture.reset(new UiFixture);
    // The real tray icon of the notification area, not the fixture's recording one.
    TrayIcon::setFactory(TrayIcon::Factory());
    QVERIFY(setTrayHost(false));
}

void TestTraylessDesktop::init()
{
    m_pFixture->reset();
    m_pService->m_notices.clear();
    m_pService->setCapabilities({"actions", "body"});
}

void TestTraylessDesktop::cleanup()
{
    if (QWidget* pPopup = QApplication::activePopupWidget())
        pPopup->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestTraylessDesktop::cleanupTestCase()
{
    setTrayHost(false);
    m_pFixture.reset();
    m_pService.reset();
}

bool TestTraylessDesktop::setTrayHost(bool bPresent)
{
    if (bPresent && m_trayHost.state() == QProcess::NotRunning) {
        const QString sTrayer = QStandardPaths::findExecutable("trayer");
        if (sTrayer.isEmpty())
            return false;
        m_trayHost.start(sTrayer, {"--edge", "top", "--align", "right", "--widthtype", "pixel", "--width",
                                   "120", "--height", "32", "--SetDockType", "true"});
        if (!m_trayHost.waitForStarted(30000))
            return false;
    } else if (!bPresent && m_trayHost.state() != QProcess::NotRunning) {
        m_trayHost.terminate();
        m_trayHost.waitForFinished(30000);
    }
    return QTest::qWaitFor([bPresent] { return QSystemTrayIcon::isSystemTrayAvailable() == bPresent; },
                           30000);
}

std::unique_ptr<ZeqAgentMainDialog> TestTraylessDesktop::makeWindow(RealInput& input)
{
    std::unique_ptr<ZeqAgentMainDialog> pWindow(new ZeqAgentMainDialog);
    if (!input.showWindow(pWindow.get()))
        return nullptr;
    return pWindow;
}

long TestTraylessDesktop::wmState(QWidget* pWindow)
{
    Display* pDisplay = XOpenDisplay(RealInput::displayName().toLatin1().constData());
    if (!pDisplay)
        return -1;
    const long nState = XWindowState::wmState(pDisplay, static_cast<Window>(pWindow->winId()));
    XCloseDisplay(pDisplay);
    return nState;
}

// The whole screen, for a person to look at (WENDO_SCREENSHOT_DIR); nothing is asserted on it.
void TestTraylessDesktop::screenshot(const QString& sName)
{
    const QString sDir = QString::fromLocal8Bit(qgetenv("WENDO_SCREENSHOT_DIR"));
    if (sDir.isEmpty())
        return;
    QDir().mkpath(sDir);
    QGuiApplication::primaryScreen()->grabWindow(0).save(sDir + "/" + sName + ".png");
}

QWidget* TestTraylessDesktop::shownBalloonTip()
{
    for (QWidget* pWidget : QApplication::topLevelWidgets()) {
        if (pWidget->isVisible() && QByteArray(pWidget->metaObject()->className()) == "QBalloonTip")
            return pWidget;
    }
    return nullptr;
}

void TestTraylessDesktop::titleStripClose_data()
{
    QTest::addColumn<bool>("bTrayHost");
    QTest::newRow("no tray host") << false;
    QTest::newRow("tray host") << true;
}

// Without a tray the close puts the window down to the task bar, never out of reach.
void TestTraylessDesktop::titleStripClose()
{
    QFETCH(bool, bTrayHost);
    QVERIFY(setTrayHost(bTrayHost));
    RealInput input;
    auto pWindow = makeWindow(input);
    QVERIFY(pWindow);
    screenshot(QString("close-before-%1").arg(bTrayHost ? "tray" : "notray"));
    QVERIFY(input.click(pWindow->findChild<TitleBar*>()->findChild<QPushButton*>("btn_close")));
    if (bTrayHost) {
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->isVisible(), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(wmState(pWindow.get()), 0L, 30000);
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(wmState(pWindow.get()), 3L, 30000); // IconicState
        QVERIFY(pWindow->isVisible());
        QVERIFY(pWindow->isMinimized());
    }
    screenshot(QString("close-after-%1").arg(bTrayHost ? "tray" : "notray"));

    // "Open WendoAgent" brings it back either way.
    pWindow->findChild<QAction*>("actionOpen")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(wmState(pWindow.get()), 1L, 30000); // NormalState
    QVERIFY(!pWindow->isMinimized());
}

void TestTraylessDesktop::menuFromTitleStrip_data()
{
    QTest::addColumn<bool>("bTrayHost");
    QTest::newRow("no tray host") << false;
    QTest::newRow("tray host") << true;
}

// Without a tray a right-click on the title strip opens the tray's own menu, whose items work as there.
void TestTraylessDesktop::menuFromTitleStrip()
{
    QFETCH(bool, bTrayHost);
    QVERIFY(setTrayHost(bTrayHost));
    RealInput input;
    auto pWindow = makeWindow(input);
    QVERIFY(pWindow);
    TitleBar* pStrip = pWindow->findChild<TitleBar*>();
    QVERIFY(input.click(pStrip, QPoint(500, 23), Qt::RightButton));
    if (bTrayHost) {
        // The menu belongs to the tray icon there, as ever.
        QVERIFY(input.sync());
        QVERIFY(!QApplication::activePopupWidget());
        return;
    }
    QMenu* pMenu = pWindow->findChild<QMenu*>("TrayMenu");
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::activePopupWidget(), static_cast<QWidget*>(pMenu), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(QTest::qWaitForWindowExposed(pMenu), 30000);
    screenshot("menu-notray");
    QAction* pRun = pWindow->findChild<QAction*>("actionRunAtStartup");
    QVERIFY(!pRun->isChecked());
    QVERIFY(input.click(pMenu, pMenu->actionGeometry(pRun).center()));
    QTRY_VERIFY_WITH_TIMEOUT(!pMenu->isVisible(), 30000);
    QVERIFY(pRun->isChecked());
    QCOMPARE(UiFixture::value("SETTING", "RunAtStartup"), QString("true"));
    QVERIFY(m_pFixture->m_autostart.hasEntry());
}

void TestTraylessDesktop::balloonReachesTheDesktop_data()
{
    QTest::addColumn<bool>("bTrayHost");
    QTest::addColumn<QStringList>("capabilities");
    QTest::addColumn<QStringList>("actions");
    QTest::newRow("no tray host") << false << QStringList({"actions", "body"})
                                  << QStringList({"default", "WendoAgent"});
    QTest::newRow("no tray host, service without actions") << false << QStringList({"body"}) << QStringList();
    QTest::newRow("tray host") << true << QStringList({"actions", "body"}) << QStringList();
}

// The update balloon: the tray's balloon where there is a tray, else the desktop's notice with the same
// title and text, whose click does what the balloon's would (the window comes, on its device tab).
void TestTraylessDesktop::balloonReachesTheDesktop()
{
    QFETCH(bool, bTrayHost);
    QFETCH(QStringList, capabilities);
    QFETCH(QStringList, actions);
    QVERIFY(setTrayHost(bTrayHost));
    m_pService->setCapabilities(capabilities);
    RealInput input;
    auto pWindow = makeWindow(input);
    QVERIFY(pWindow);
    if (bTrayHost)
        QTRY_VERIFY_WITH_TIMEOUT(pWindow->trayIcon()->isVisible(), 30000);
    pWindow->hide();

    emit ZeqAgentCtrlMgr::getInstance()->actionFinish(UPDATE_AVAILABLE, "Wendo 100");
    if (bTrayHost) {
        QTRY_VERIFY_WITH_TIMEOUT(shownBalloonTip(), 30000);
        QVERIFY(QTest::qWaitForWindowExposed(shownBalloonTip()));
        QVERIFY(input.sync());
        screenshot("balloon-tray");
        QVERIFY(m_pService->m_notices.isEmpty());
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_pService->m_notices.size(), 1, 30000);
    const FakeNotificationService::Notice notice = m_pService->m_notices.first();
    QCOMPARE(notice.sAppName, QString("WendoAgent"));
    QCOMPARE(notice.sSummary, QString("Wendo 100"));
    QCOMPARE(notice.sBody, QString("Update available"));
    QCOMPARE(notice.lstActions, actions);
    QCOMPARE(notice.nExpireMs, 10000);
    QVERIFY(!shownBalloonTip());
    if (actions.isEmpty())
        return;
    QSignalSpy tabAsked(ZeqAgentCtrlMgr::getInstance(), SIGNAL(tabMyDevice()));
    m_pService->invoke(notice.nId, "default");
    QTRY_VERIFY_WITH_TIMEOUT(pWindow->isVisible(), 30000);
    QTRY_COMPARE_WITH_TIMEOUT(tabAsked.count(), 1, 30000);
    QTRY_COMPARE_WITH_TIMEOUT(wmState(pWindow.get()), 1L, 30000);
    screenshot("balloon-clicked-notray");
}

void TestTraylessDesktop::noticeClickedByAFaultyService_data()
{
    QTest::addColumn<bool>("bForeign"); // the clicks name another program's notice
    QTest::addColumn<int>("nTimes");
    QTest::addColumn<int>("nPages");
    QTest::newRow("the sync notice's click told 20000 times") << false << 20000 << 1;
    QTest::newRow("another program's notice clicked") << true << 1 << 0;
}

// The window put away, a sync ends and its notice goes to the desktop. The service then tells of clicks
// as a faulty one does: the sharing page opens once for the agent's own notice, never for another
// program's, and the window still answers a person's input. A notice of the test's own, clicked last, is
// the marker: the service's signals come in the order it sent them.
void TestTraylessDesktop::noticeClickedByAFaultyService()
{
    QFETCH(bool, bForeign);
    QFETCH(int, nTimes);
    QFETCH(int, nPages);
    QVERIFY(setTrayHost(false));
    UrlCatcher urls;
    RealInput input;
    auto pWindow = makeWindow(input);
    QVERIFY(pWindow);
    QVERIFY(input.click(pWindow->findChild<TitleBar*>()->findChild<QPushButton*>("btn_close")));
    QTRY_COMPARE_WITH_TIMEOUT(wmState(pWindow.get()), 3L, 30000); // IconicState

    FreedesktopNotifications marker;
    QSignalSpy markerClicked(&marker, &DesktopNotifications::clicked);
    ZeqAgentCtrlMgr::getInstance()->slotHandleResults(SYNC_SUCCESS, QString());
    QTRY_COMPARE_WITH_TIMEOUT(m_pService->m_notices.size(), 1, 30000);
    const uint nSync = m_pService->m_notices.first().nId;
    QCOMPARE(int(pWindow->trayState()), int(ZeqAgentMainDialog::TRAY_SYNC));
    marker.notify("marker", "marker", 10000);
    QTRY_COMPARE_WITH_TIMEOUT(m_pService->m_notices.size(), 2, 30000);
    const uint nMarker = m_pService->m_notices.last().nId;

    m_pService->repeatAction(bForeign ? nMarker + 5 : nSync, "default", nTimes);
    m_pService->invoke(nMarker, "default");
    QTRY_COMPARE_WITH_TIMEOUT(markerClicked.count(), 1, 60000);
    QCOMPARE(urls.m_lstUrls.size(), nPages);
    QVERIFY(input.sync());
    pWindow->findChild<QAction*>("actionOpen")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(wmState(pWindow.get()), 1L, 30000); // NormalState
}

// The display, its window manager and the session bus come before the application object.
int main(int argc, char* argv[])
{
    RealInput::startDisplay(true);
    sessionBus().start();
    int nResult = 0;
    {
        QApplication app(argc, argv);
        app.setAttribute(Qt::AA_Use96Dpi, true);
        TestTraylessDesktop tc;
        QTEST_SET_MAIN_SOURCE_PATH
        nResult = QTest::qExec(&tc, argc, argv);
    }
    sessionBus().stop();
    RealInput::stopDisplay();
    return nResult;
}

#include "tst_traylessdesktop.moc"
