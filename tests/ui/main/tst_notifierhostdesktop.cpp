#include "platform/FreedesktopNotifications.h"
#include "support/FakeNotificationService.h"
#include "support/FakeStatusNotifierWatcher.h"
#include "support/PrivateSessionBus.h"
#include "support/RealInput.h"
#include "support/UiFixture.h"
#include "support/XWindowState.h"
#include "ui/main/TitleBar.h"
#include "ui/main/TrayIcon.h"
#include "ui/main/ZeqAgentMainDialog.h"

#include <QApplication>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QtTest>

#include <memory>

#include <X11/Xlib.h>

// The main window on a desktop whose panel shows StatusNotifierItems (KDE Plasma, or GNOME with the
// AppIndicator extension), driven by real mouse events under openbox: the tray icon goes to the
// StatusNotifierWatcher on a session bus of the test's own, and the balloons to the notification service
// there. The service tells every program of every notice clicked; only a click on one of the agent's own
// notices may act.
class TestNotifierHostDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void otherProgramsNoticeClicked();

private:
    // What the window manager made of the window: 1 normal, 3 iconic, 0 withdrawn or never managed.
    static long wmState(QWidget* pWindow);

    std::unique_ptr<FakeStatusNotifierWatcher> m_pWatcher;
    std::unique_ptr<FakeNotificationService> m_pService;
    std::unique_ptr<UiFixture> m_pFixture;
};

namespace
{
PrivateSessionBus& sessionBus()
{
    static PrivateSessionBus s_bus;
    return s_bus;
}
} // namespace

void TestNotifierHostDesktop::initTestCase()
{
    if (!RealInput::isAvailable())
        QSKIP(qPrintable("no display for real input: " + RealInput::unavailableReason()));
    if (!RealInput::hasWindowManager())
        QSKIP("no window manager (openbox) on the display");
    if (sessionBus().address().isEmpty())
        QSKIP(qPrintable("no session bus of our own: " + sessionBus().failure()));
    // Before the first tray icon: the toolkit looks for a host once.
    m_pWatcher.reset(new FakeStatusNotifierWatcher);
    QVERIFY(m_pWatcher->start(sessionBus().address()));
    m_pService.reset(new FakeNotificationService);
    QVERIFY(m_pService->start(sessionBus().address()));
    m_pFixture.reset(new UiFixture);
    // The real tray icon, not the fixture's recording one.
    TrayIcon::setFactory(TrayIcon::Factory());
    QVERIFY(QSystemTrayIcon::isSystemTrayAvailable());
}

void TestNotifierHostDesktop::init()
{
    m_pFixture->reset();
    m_pService->m_notices.clear();
}

void TestNotifierHostDesktop::cleanupTestCase()
{
    m_pFixture.reset();
    m_pService.reset();
    m_pWatcher.reset();
}

long TestNotifierHostDesktop::wmState(QWidget* pWindow)
{
    Display* pDisplay = XOpenDisplay(RealInput::displayName().toLatin1().constData());
    if (!pDisplay)
        return -1;
    const long nState = XWindowState::wmState(pDisplay, static_cast<Window>(pWindow->winId()));
    XCloseDisplay(pDisplay);
    return nState;
}

// The window put away into the tray, a sync ends and its notice goes to the desktop. A click on a mail
// program's notice opens nothing; the agent's own notice can be clicked and opens the sharing page. A
// notice of the test's own, clicked after the mail's, is the marker: the service's signals come in the
// order it sent them.
void TestNotifierHostDesktop::otherProgramsNoticeClicked()
{
    UrlCatcher urls;
    RealInput input;
    std::unique_ptr<ZeqAgentMainDialog> pWindow(new ZeqAgentMainDialog);
    QVERIFY(input.showWindow(pWindow.get()));
    QTRY_VERIFY_WITH_TIMEOUT(!m_pWatcher->items().isEmpty(), 30000); // the icon is on the panel
    QVERIFY(input.click(pWindow->findChild<TitleBar*>()->findChild<QPushButton*>("btn_close")));
    QTRY_VERIFY_WITH_TIMEOUT(!pWindow->isVisible(), 30000);
    QTRY_COMPARE_WITH_TIMEOUT(wmState(pWindow.get()), 0L, 30000); // withdrawn into the tray

    FreedesktopNotifications marker;
    QSignalSpy markerClicked(&marker, &DesktopNotifications::clicked);
    ZeqAgentCtrlMgr::getInstance()->slotHandleResults(SYNC_SUCCESS, QString());
    QTRY_COMPARE_WITH_TIMEOUT(m_pService->m_notices.size(), 1, 30000);
    const FakeNotificationService::Notice sync = m_pService->m_notices.first();
    marker.notify("marker", "marker", 10000);
    QTRY_COMPARE_WITH_TIMEOUT(m_pService->m_notices.size(), 2, 30000);
    const uint nMarker = m_pService->m_notices.last().nId;
    const uint nMail =
        m_pService->Notify("Mail", 0, QString(), "Mail", "One new message", {"default", "Open"}, {}, 5000);

    m_pService->invoke(nMail, "default");
    m_pService->invoke(nMarker, "default");
    QTRY_COMPARE_WITH_TIMEOUT(markerClicked.count(), 1, 30000);
    QCOMPARE(urls.m_lstUrls.size(), 0);
    QVERIFY(!pWindow->isVisible());

    // The agent's own notice, clickable, names the agent; its click opens the page.
    QCOMPARE(sync.sAppName, QString("WendoAgent"));
    QCOMPARE(sync.lstActions, QStringList({"default", "WendoAgent"}));
    QCOMPARE(sync.sBody,
             QString("All data has been uploaded to ZeqShare successfully.\nClick here to check"));
    m_pService->invoke(sync.nId, "default");
    QTRY_COMPARE_WITH_TIMEOUT(urls.m_lstUrls.size(), 1, 30000);
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
        TestNotifierHostDesktop tc;
        QTEST_SET_MAIN_SOURCE_PATH
        nResult = QTest::qExec(&tc, argc, argv);
    }
    sessionBus().stop();
    RealInput::stopDisplay();
    return nResult;
}

#include "tst_notifierhostdesktop.moc"
