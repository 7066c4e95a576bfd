#include "controller/ShareWebLauncher.h"
#include "core/JsonHelper.h"
#include "platform/LinuxAutostart.h"
#include "support/FakeDesktopNotifications.h"
#include "support/UiFixture.h"
#include "ui/main/AboutDialog.h"
#include "ui/main/BottomBar.h"
#include "ui/main/Login_fbWidget.h"
#include "ui/main/TitleBar.h"
#include "ui/main/WidgetNotifier.h"
#include "ui/main/ZeqAgentMainDialog.h"
#include "ui/pages/ZeqAgentInfoWidget.h"
#include "ui/update/UpdateDialogOpener.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <QUrlQuery>
#include <QtTest>

#include <memory>

#ifdef WENDO_TEST_QUORVANE
const bool QUORVANE = true;
#else
const bool QUORVANE = false;
#endif

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void autoLogin_data();
    void autoLogin();
    void runAtStartup_data();
    void runAtStartup();
    void trayReactions_data();
    void trayReactions();
    void refusedStartOpensVerification();
    void balloonClick_data();
    void balloonClick();
    void deviceChanges_data();
    void deviceChanges();
    void updateCheckResult_data();
    void updateCheckResult();
    void trayMenu();
    void withoutTrayHost_data();
    void withoutTrayHost();
    void signInItem();
    void signOutWaitsForTheUpdateDialog();
    void websiteItem();
    void titleAndBottomStrips();
    void aboutBox();
    void drag_data();
    void drag();
    void languageChange();
    void exitEndsTheLoop();
    void exitClosesModalDialogFirst();

private:
    std::unique_ptr<ZeqAgentMainDialog> makeWindow();
    QMenu* menuOf(ZeqAgentMainDialog& window) const;
    QAction* action(ZeqAgentMainDialog& window, const char* szName) const;
    static QString pageOf(ZeqAgentMainDialog& window);
    static QString brand(QString sText);

    std::unique_ptr<UiFixture> m_pFixture;
    std::unique_ptr<QSignalSpy> m_pLoginSpy;
};

void TestMainWindow::initTestCase()
{
    m_pFixture.reset(new UiFixture(QUORVANE));
    QCOMPARE(ZeqAgentCtrlMgr::getInstance()->isQuorvane(), QUORVANE);
    m_pLoginSpy.reset(new QSignalSpy(ZeqAgentCtrlMgr::getInstance(), &ZeqAgentCtrlMgr::emitLogin));
}

void TestMainWindow::init()
{
    m_pFixture->reset();
    m_pLoginSpy->clear();
}

void TestMainWindow::cleanup()
{
    // Deleted windows may leave deferred deletions behind; none may reach the next case.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::unique_ptr<ZeqAgentMainDialog> TestMainWindow::makeWindow()
{
    return std::unique_ptr<ZeqAgentMainDialog>(new ZeqAgentMainDialog());
}

QMenu* TestMainWindow::menuOf(ZeqAgentMainDialog& window) const
{
    return window.findChild<QMenu*>("TrayMenu");
}

QAction* TestMainWindow::action(ZeqAgentMainDialog& window, const char* szName) const
{
    return menuOf(window)->findChild<QAction*>(szName);
}

// "none" (welcome), "signin" or "signedin", after checking the strips around the page.
QString TestMainWindow::pageOf(ZeqAgentMainDialog& window)
{
    QLayout* pLayout = window.layout();
    if (pLayout->count() == 0) {
        if (window.findChild<TitleBar*>()->isVisibleTo(&window) ||
            window.findChild<BottomBar*>()->isVisibleTo(&window))
            return "strips without page";
        return "none";
    }
    if (pLayout->count() != 3 || !qobject_cast<TitleBar*>(pLayout->itemAt(0)->widget()) ||
        !qobject_cast<BottomBar*>(pLayout->itemAt(2)->widget()))
        return "broken layout";
    QWidget* pPage = pLayout->itemAt(1)->widget();
    if (!pPage->isVisibleTo(&window) || !pLayout->itemAt(0)->widget()->isVisibleTo(&window))
        return "hidden page";
    if (qobject_cast<Login_fbWidget*>(pPage))
        return "signin";
    if (qobject_cast<ZeqAgentInfoWidget*>(pPage))
        return "signedin";
    return "unknown page";
}

QString TestMainWindow::brand(QString sText)
{
    return sText.replace("%BRAND%", QUORVANE ? "QuorvaneShare" : "ZeqShare");
}

// ---- automatic sign-in at start ----

void TestMainWindow::autoLogin_data()
{
    QTest::addColumn<QString>("autoLogin");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password"); // stored scrambled
    QTest::addColumn<QString>("len");      // "-": not stored
    QTest::addColumn<bool>("signsIn");
    QTest::addColumn<QString>("sentPassword");

    QTest::newRow("even password") << "true"
                                   << "rider@example.com"
                                   << "secret"
                                   << "6" << true << "secret";
    QTest::newRow("odd password loses its padding") << "true"
                                                    << "rider@example.com"
                                                    << "abcde"
                                                    << "5" << true << "abcde";
    QTest::newRow("len missing counts as 0") << "true"
                                             << "rider@example.com"
                                             << "abcde"
                                             << "-" << true << "abcde";
    QTest::newRow("len not a number") << "true"
                                      << "rider@example.com"
                                      << "abcde"
                                      << "five" << true << "abcde";
    QTest::newRow("quote and backslash") << "true"
                                         << "a\"b\\c@example.com"
                                         << "pa\"ss\\wo'rd}"
                                         << "12" << true << "pa\"ss\\wo'rd}";
    QTest::newRow("AutoLogin false") << "false"
                                     << "rider@example.com"
                                     << "secret"
                                     << "6" << false << "";
    QTest::newRow("AutoLogin missing") << ""
                                       << "rider@example.com"
                                       << "secret"
                                       << "6" << false << "";
    QTest::newRow("no user") << "true"
                             << ""
                             << "secret"
                             << "6" << false << "";
    QTest::newRow("no password") << "true"
                                 << "rider@example.com"
                                 << ""
                                 << "0" << false << "";
}

void TestMainWindow::autoLogin()
{
    QFETCH(QString, autoLogin);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, len);
    QFETCH(bool, signsIn);
    QFETCH(QString, sentPassword);

    if (!autoLogin.isEmpty())
        UiFixture::setValue("LOGIN", "AutoLogin", autoLogin);
    UiFixture::setValue("LOGIN", "user", user);
    UiFixture::setValue("LOGIN", "password", ZeqAgentCtrlMgr::scramblePassword(password));
    if (len != "-")
        UiFixture::setValue("LOGIN", "len", len);

    auto pWindow = makeWindow();
    if (signsIn) {
        QCOMPARE(m_pLoginSpy->count(), 1);
        bool bOk = false;
        const QVariantMap request = JsonHelper().parse(m_pLoginSpy->at(0).at(0).toString(), &bOk);
        QVERIFY(bOk);
        QCOMPARE(request.value("user").toString(), user);
        QCOMPARE(request.value("password").toString(), sentPassword);
        QCOMPARE(pageOf(*pWindow), QString("none"));
        QVERIFY(!pWindow->findChild<Login_fbWidget*>());
        QCOMPARE(ZeqAgentCtrlMgr::getInstance()->pendingPassword(), sentPassword);
    } else {
        QCOMPARE(m_pLoginSpy->count(), 0);
        QCOMPARE(pageOf(*pWindow), QString("signin"));
    }
    if (!password.isEmpty())
        QVERIFY(!m_pFixture->log().contains(password.toUtf8()));
}

// ---- run at start-up ----

void TestMainWindow::runAtStartup_data()
{
    QTest::addColumn<QString>("stored"); // "-": no value
    QTest::addColumn<bool>("on");

    QTest::newRow("no value") << "-" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("false") << "false" << false;
    QTest::newRow("False counts as on") << "False" << true;
    QTest::newRow("true") << "true" << true;
}

void TestMainWindow::runAtStartup()
{
    QFETCH(QString, stored);
    QFETCH(bool, on);

    QTemporaryDir configDir;
    LinuxAutostart xdgEntry(configDir.path());
    PlatformOverride platform;
    platform.setAutostart(&xdgEntry);
    const QString sEntry = xdgEntry.entryPath();
    // An entry left from before is removed at a start whose setting is off.
    QVERIFY(TestFolders::writeFile(sEntry, "[Desktop Entry]\nExec=/old/WendoAgent\n"));
    if (stored != "-")
        UiFixture::setValue("SETTING", "RunAtStartup", stored);

    auto pWindow = makeWindow();
    QAction* pRun = action(*pWindow, "actionRunAtStartup");
    QCOMPARE(QFile::exists(sEntry), on);
    QCOMPARE(UiFixture::value("SETTING", "RunAtStartup"), QString(on ? "true" : "false"));
    QCOMPARE(pRun->isChecked(), on);
    if (on) {
        const QByteArray text = TestFolders::readFile(sEntry);
        QVERIFY2(text.contains("\nExec=\"" + (m_pFixture->m_folders.programDir() + "/WendoAgent").toUtf8() +
                               "\"\n"),
                 text.constData());
    }

    // The item toggles from the stored value, whatever its own tick says.
    pRun->setChecked(!pRun->isChecked());
    pRun->trigger();
    QCOMPARE(QFile::exists(sEntry), !on);
    QCOMPARE(UiFixture::value("SETTING", "RunAtStartup"), QString(on ? "false" : "true"));
    QCOMPARE(pRun->isChecked(), !on);
}

// ---- results: balloons, menu, view ----

void TestMainWindow::trayReactions_data()
{
    QTest::addColumn<QString>("view"); // welcome, signin, signedin
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("balloons"); // "title|text"
    QTest::addColumn<QString>("message");      // "title|text", "" for none
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("signItem");
    QTest::addColumn<bool>("checkEnabled");
    QTest::addColumn<int>("trayState");
    QTest::addColumn<bool>("errorLine"); // the sign-in page tells the wrong password

    const QString sNet =
        "Internet connection|Failed to connect to the %BRAND% Server. Please check your internet "
        "connection.";
    const QString sSync = "|All data has been uploaded to %BRAND% successfully.\nClick here to check";
    using M = ZeqAgentMainDialog;
    QTest::newRow("start, success") << "welcome" << false << int(LOGIN_SUCCESS) << "S1" << QStringList() << ""
                                    << "signedin"
                                    << "Sign out" << true << int(M::TRAY_NONE) << false;
    QTest::newRow("start, wrong password")
        << "welcome" << false << int(LOGIN_ERROR) << "" << QStringList() << ""
        << "signin"
        << "Sign in" << false << int(M::TRAY_NONE) << true;
    QTest::newRow("start, not verified")
        << "welcome" << true << int(LOGIN_REJECTED) << "" << QStringList() << ""
        << "signin"
        << "Sign in" << true << int(M::TRAY_NONE) << false;
    QTest::newRow("start, no connection")
        << "welcome" << true << int(LOGIN_INTERNETERROR) << "" << QStringList() << sNet << "signin"
        << "Sign in" << false << int(M::TRAY_NONE) << false;
    QTest::newRow("page, wrong password") << "signin" << true << int(LOGIN_ERROR) << "" << QStringList() << ""
                                          << "signin"
                                          << "Sign in" << false << int(M::TRAY_NONE) << true;
    QTest::newRow("page, not verified")
        << "signin" << true << int(LOGIN_REJECTED) << "" << QStringList() << ""
        << "signin"
        << "Sign in" << true << int(M::TRAY_NONE) << false;
    QTest::newRow("page, no connection")
        << "signin" << false << int(LOGIN_INTERNETERROR) << "" << QStringList() << sNet << "signin"
        << "Sign in" << false << int(M::TRAY_NONE) << false;
    QTest::newRow("page, success") << "signin" << true << int(LOGIN_SUCCESS) << "S2" << QStringList() << ""
                                   << "signedin"
                                   << "Sign out" << true << int(M::TRAY_NONE) << false;
    QTest::newRow("signed in, sign-out")
        << "signedin" << true << int(LOGOUT_SUCCESS) << "" << QStringList() << ""
        << "signin"
        << "Sign in" << false << int(M::TRAY_NONE) << false;
    QTest::newRow("sync done, hidden")
        << "signedin" << false << int(SYNC_SUCCESS) << "" << QStringList{sSync} << ""
        << "signedin"
        << "Sign out" << true << int(M::TRAY_SYNC) << false;
    QTest::newRow("sync done, visible")
        << "signedin" << true << int(SYNC_SUCCESS) << "" << QStringList() << ""
        << "signedin"
        << "Sign out" << true << int(M::TRAY_NONE) << false;
    QTest::newRow("update, visible") << "signedin" << true << int(UPDATE_AVAILABLE) << "Wendo 500"
                                     << QStringList{"Wendo 500|Update available"} << ""
                                     << "signedin"
                                     << "Sign out" << true << int(M::TRAY_UPDATE) << false;
    QTest::newRow("update, hidden") << "signedin" << false << int(UPDATE_AVAILABLE) << "Wendo 100"
                                    << QStringList{"Wendo 100|Update available"} << ""
                                    << "signedin"
                                    << "Sign out" << true << int(M::TRAY_UPDATE) << false;
    QTest::newRow("other result ignored")
        << "signedin" << false << int(ENUMDEV_ERROR) << "" << QStringList() << ""
        << "signedin"
        << "Sign out" << true << int(M::TRAY_NONE) << false;
    QTest::newRow("welcome ignores others")
        << "welcome" << false << int(SYNC_CORRUPTION) << "" << QStringList() << ""
        << "none"
        << "Sign in" << true << int(M::TRAY_NONE) << false;
}

void TestMainWindow::trayReactions()
{
    QFETCH(QString, view);
    QFETCH(bool, visible);
    QFETCH(int, status);
    QFETCH(QString, result);
    QFETCH(QStringList, balloons);
    QFETCH(QString, message);
    QFETCH(QString, page);
    QFETCH(QString, signItem);
    QFETCH(bool, checkEnabled);
    QFETCH(int, trayState);
    QFETCH(bool, errorLine);

    UrlCatcher urls; // no browser from a test
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    if (view == "welcome")
        UiFixture::rememberAccount("rider@example.com", "secret");
    auto pWindow = makeWindow();
    if (view == "signedin")
        pCtrl->slotHandleResults(LOGIN_SUCCESS, "S0");
    QCOMPARE(pageOf(*pWindow), view == "welcome" ? QString("none") : view);
    visible ? pWindow->show() : pWindow->hide();
    m_pFixture->m_pTray->m_balloons.clear();
    m_pFixture->m_notifier.m_notices.clear();

    pCtrl->slotHandleResults(ACTION_STATUS(status), result);

    QStringList shown;
    for (const FakeTrayIcon::Balloon& balloon : qAsConst(m_pFixture->m_pTray->m_balloons))
        shown.append(balloon.sTitle + "|" + balloon.sText);
    for (QString& sBalloon : balloons)
        sBalloon = brand(sBalloon);
    QCOMPARE(shown, balloons);
    QString sShownMessage;
    for (const RecordingNotifier::Notice& notice : qAsConst(m_pFixture->m_notifier.m_notices)) {
        QVERIFY(!notice.bBalloon);
        QCOMPARE(notice.nButtons, int(Notifier::OK));
        sShownMessage += notice.sTitle + "|" + notice.sText;
    }
    QCOMPARE(sShownMessage, brand(message));
    QCOMPARE(pageOf(*pWindow), page);
    QCOMPARE(action(*pWindow, "actionSignIn")->text(), signItem);
    QCOMPARE(action(*pWindow, "actionCheck")->isEnabled(), checkEnabled);
    QCOMPARE(int(pWindow->trayState()), trayState);
    QCOMPARE(pWindow->isVisible(), visible);
    QCOMPARE(
        pWindow->findChild<BottomBar*>()->findChild<QPushButton*>("btn_logout")->isVisibleTo(pWindow.get()),
        page == "signedin");
    // Also when the page was made only for this result (a failed automatic sign-in at start).
    if (Login_fbWidget* pLogin = pWindow->findChild<Login_fbWidget*>())
        QCOMPARE(pLogin->findChild<QLabel*>("label_error")->isVisibleTo(pLogin), errorLine);
    else
        QVERIFY(!errorLine);
}

// The automatic sign-in at start sent the remembered account; the page made for its refusal opens that
// account's verification page, as it does for a typed one.
void TestMainWindow::refusedStartOpensVerification()
{
    UrlCatcher urls;
    UiFixture::rememberAccount("rider+1@example.com", "s&cret=");
    auto pWindow = makeWindow();
    ZeqAgentCtrlMgr::getInstance()->slotHandleResults(LOGIN_REJECTED, QString());

    QCOMPARE(pageOf(*pWindow), QString("signin"));
    QCOMPARE(urls.m_lstUrls.size(), 1);
    const QUrl url = urls.m_lstUrls.at(0);
    QVERIFY(url.path().endsWith("/login/verifyWendoAgent"));
    const QList<QPair<QString, QString>> items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    QCOMPARE(items.size(), 3);
    QCOMPARE(items.at(0), qMakePair(QString("email"), QString("rider+1@example.com")));
    QCOMPARE(items.at(1), qMakePair(QString("auth"), QString::fromLatin1(QByteArray("s&cret=").toBase64())));
    QCOMPARE(items.at(2), qMakePair(QString("autoLogin"), QString("true")));
}

void TestMainWindow::balloonClick_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("visibleAtClick");
    QTest::addColumn<bool>("opensSite");
    QTest::addColumn<bool>("visibleAfter");

    QTest::newRow("sync balloon, hidden") << int(SYNC_SUCCESS) << false << true << false;
    QTest::newRow("sync balloon, shown meanwhile") << int(SYNC_SUCCESS) << true << false << true;
    QTest::newRow("update balloon, hidden") << int(UPDATE_AVAILABLE) << false << false << true;
    QTest::newRow("update balloon, visible") << int(UPDATE_AVAILABLE) << true << false << true;
}

void TestMainWindow::balloonClick()
{
    QFETCH(int, status);
    QFETCH(bool, visibleAtClick);
    QFETCH(bool, opensSite);
    QFETCH(bool, visibleAfter);

    UrlCatcher urls;
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy tabSpy(pCtrl, &ZeqAgentCtrlMgr::tabMyDevice);
    auto pWindow = makeWindow();
    pCtrl->slotHandleResults(LOGIN_SUCCESS, "S0");
    pWindow->hide();
    pCtrl->slotHandleResults(ACTION_STATUS(status), "Wendo 500");
    QCOMPARE(m_pFixture->m_pTray->m_balloons.size(), 1);
    if (visibleAtClick)
        pWindow->show();
    m_pFixture->m_pTray->clickMessage();
    QCOMPARE(urls.m_lstUrls.size(), opensSite ? 1 : 0);
    if (opensSite) {
        const QString sSite = ShareWebLauncher::siteAddress(QUORVANE);
        QVERIFY2(urls.m_lstUrls.at(0).toString().startsWith(sSite + "/login/agentLauncher?"),
                 qPrintable(urls.m_lstUrls.at(0).toString()));
    }
    QCOMPARE(pWindow->isVisible(), visibleAfter);
    // An update balloon leads to the device's tab.
    QCOMPARE(tabSpy.count(), status == UPDATE_AVAILABLE ? 1 : 0);
}

// ---- device changes and update checks ----

void TestMainWindow::deviceChanges_data()
{
    QTest::addColumn<bool>("arrival");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QStringList>("balloons");
    QTest::addColumn<bool>("visibleAfter");
    QTest::addColumn<int>("trayState");

    using M = ZeqAgentMainDialog;
    QTest::newRow("arrival brings the window") << true << false << QStringList() << true << int(M::TRAY_NONE);
    QTest::newRow("arrival, visible") << true << true << QStringList() << true << int(M::TRAY_NONE);
    QTest::newRow("removal while hidden")
        << false << false << QStringList{"|Wendo 500 disconnected"} << false << int(M::TRAY_DISCONNECT);
    QTest::newRow("removal while visible") << false << true << QStringList() << true << int(M::TRAY_NONE);
}

void TestMainWindow::deviceChanges()
{
    QFETCH(bool, arrival);
    QFETCH(bool, visible);
    QFETCH(QStringList, balloons);
    QFETCH(bool, visibleAfter);
    QFETCH(int, trayState);

    auto pWindow = makeWindow();
    if (!arrival)
        UiFixture::plugDevice(true);
    visible ? pWindow->show() : pWindow->hide();
    m_pFixture->m_pTray->m_balloons.clear();
    UiFixture::plugDevice(arrival);
    QStringList shown;
    for (const FakeTrayIcon::Balloon& balloon : qAsConst(m_pFixture->m_pTray->m_balloons))
        shown.append(balloon.sTitle + "|" + balloon.sText);
    QCOMPARE(shown, balloons);
    QCOMPARE(pWindow->isVisible(), visibleAfter);
    QCOMPARE(int(pWindow->trayState()), trayState);
    // A click on the removal balloon does nothing.
    m_pFixture->m_pTray->clickMessage();
    QCOMPARE(pWindow->isVisible(), visibleAfter);
}

void TestMainWindow::updateCheckResult_data()
{
    QTest::addColumn<QString>("update"); // the device's "update" setting
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("balloon");

    QTest::newRow("update, hidden") << "true" << false << "AutoCheck" << true;
    QTest::newRow("update, hidden, asked") << "true" << false << "" << true;
    QTest::newRow("no update, hidden") << "false" << false << "AutoCheck" << false;
    QTest::newRow("update, visible") << "true" << true << "" << false;
}

void TestMainWindow::updateCheckResult()
{
    QFETCH(QString, update);
    QFETCH(bool, visible);
    QFETCH(QString, result);
    QFETCH(bool, balloon);

    auto pWindow = makeWindow();
    UiFixture::plugDevice(true);
    UiFixture::setValue("0123456789ABCDEF", "update", update);
    visible ? pWindow->show() : pWindow->hide();
    m_pFixture->m_pTray->m_balloons.clear();
    ZeqAgentCtrlMgr::getInstance()->slotHandleResults(MAP_CHECKSUCCESS, result);
    QCOMPARE(m_pFixture->m_pTray->m_balloons.size(), balloon ? 1 : 0);
    if (balloon) {
        QCOMPARE(m_pFixture->m_pTray->m_balloons.at(0).sText,
                 QString("New update available. Click here for more information."));
        QCOMPARE(int(pWindow->trayState()), int(ZeqAgentMainDialog::TRAY_UPDATE));
    }
}

// ---- the tray menu ----

void TestMainWindow::trayMenu()
{
    AgentTiming::set(AgentTiming::EXIT_ENABLE, 50);
    auto pWindow = makeWindow();
    QVERIFY(m_pFixture->m_pTray->isVisible());
    QCOMPARE(m_pFixture->m_pTray->contextMenu(), menuOf(*pWindow));
    QVERIFY(!m_pFixture->m_pTray->icon().isNull());

    QStringList items;
    for (QAction* pAction : menuOf(*pWindow)->actions())
        items.append(pAction->isSeparator() ? QString("-") : pAction->text());
    QCOMPARE(items, QStringList({"Open WendoAgent", "-", "About WendoAgent", "Check for Updates", "-",
                                 brand("Launch %BRAND% website"), "Sign in", "Run at Startup", "-",
                                 "Exit WendoAgent"}));
    for (QAction* pAction : menuOf(*pWindow)->actions()) {
        if (!pAction->isSeparator())
            QCOMPARE(pAction->isEnabled(), pAction->objectName() != "actionExit");
    }
    QVERIFY(action(*pWindow, "actionRunAtStartup")->isCheckable());
    // "Exit" comes free once the start is behind.
    QTRY_VERIFY(action(*pWindow, "actionExit")->isEnabled());

    pWindow->hide();
    action(*pWindow, "actionOpen")->trigger();
    QVERIFY(pWindow->isVisible());
    // Closing with the title strip's button only hides: the tray stays.
    pWindow->findChild<TitleBar*>()->findChild<QPushButton*>("btn_close")->click();
    QVERIFY(!pWindow->isVisible());
    QVERIFY(m_pFixture->m_pTray->isVisible());
    // "Check for Updates" starts nothing that does not exist yet.
    action(*pWindow, "actionCheck")->trigger();
    QVERIFY(m_pFixture->m_notifier.m_notices.isEmpty());
}

void TestMainWindow::withoutTrayHost_data()
{
    QTest::addColumn<bool>("bTrayHost");
    QTest::newRow("tray host") << true;
    QTest::newRow("no tray host") << false;
}

// A tray that can show nothing: the close minimises, the title strip's right-click opens the tray's
// menu, and balloons (the window's and those of the code below it) become the desktop's notices, whose
// click does what the balloon's would.
void TestMainWindow::withoutTrayHost()
{
    QFETCH(bool, bTrayHost);
    UrlCatcher urls; // no browser from a test
    QList<QPointer<FakeDesktopNotifications>> desktops;
    PlatformOverride platform;
    platform.setDesktopNotifications([&desktops] {
        auto pDesktop = std::make_unique<FakeDesktopNotifications>();
        desktops.append(pDesktop.get());
        return pDesktop;
    });
    auto pWindow = makeWindow();
    m_pFixture->m_pTray->setHostPresent(bTrayHost);
    WidgetNotifier notifier;
    notifier.setBalloons(pWindow->balloons());
    pWindow->show();

    TitleBar* pStrip = pWindow->findChild<TitleBar*>();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(300, 20),
                                 pStrip->mapToGlobal(QPoint(300, 20)));
    QApplication::sendEvent(pStrip, &rightClick);
    QCOMPARE(menuOf(*pWindow)->isVisible(), !bTrayHost);
    menuOf(*pWindow)->hide();

    m_pFixture->m_pTray->m_balloons.clear();
    ZeqAgentCtrlMgr::getInstance()->slotHandleResults(UPDATE_AVAILABLE, "Wendo 100");
    notifier.showBalloon("Title", "Text");
    QCOMPARE(m_pFixture->m_pTray->m_balloons.size(), bTrayHost ? 2 : 0);
    QCOMPARE(desktops.size(), bTrayHost ? 0 : 1);
    if (!bTrayHost) {
        QCOMPARE(desktops.first()->m_notices.size(), 2);
        QCOMPARE(desktops.first()->m_notices.first().sTitle, QString("Wendo 100"));
        QCOMPARE(desktops.first()->m_notices.first().sText, QString("Update available"));
        QCOMPARE(desktops.first()->m_notices.first().nTimeoutMs, 10000);
        QCOMPARE(desktops.first()->m_notices.last().sText, QString("Text"));
    }

    pStrip->findChild<QPushButton*>("btn_close")->click();
    QCOMPARE(pWindow->isVisible(), !bTrayHost);
    QCOMPARE(pWindow->isMinimized(), !bTrayHost);
    // Minimised counts as out of sight, as hidden in the tray does: the sync balloon comes.
    ZeqAgentCtrlMgr::getInstance()->slotHandleResults(SYNC_SUCCESS, QString());
    const int nShown =
        bTrayHost ? m_pFixture->m_pTray->m_balloons.size() : desktops.first()->m_notices.size();
    QCOMPARE(nShown, 3);
    ZeqAgentCtrlMgr::getInstance()->slotHandleResults(UPDATE_AVAILABLE, "Wendo 100");

    // The balloon's click (a notice's, without a tray) brings the window back, on the device tab.
    QSignalSpy tabAsked(ZeqAgentCtrlMgr::getInstance(), &ZeqAgentCtrlMgr::tabMyDevice);
    if (bTrayHost)
        m_pFixture->m_pTray->clickMessage();
    else
        desktops.first()->click();
    QVERIFY(pWindow->isVisible());
    QVERIFY(!pWindow->isMinimized());
    QCOMPARE(tabAsked.count(), 1);
}

void TestMainWindow::signInItem()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    auto pWindow = makeWindow();
    QAction* pSign = action(*pWindow, "actionSignIn");

    // "Sign in" only brings the window with its sign-in page.
    pSign->trigger();
    QVERIFY(pWindow->isVisible());
    QCOMPARE(pageOf(*pWindow), QString("signin"));
    QCOMPARE(pCtrl->currentSession(), QString());

    UiFixture::setValue("LOGIN", "password", "c2VjcmV0");
    pCtrl->slotHandleResults(LOGIN_SUCCESS, "S9");
    pWindow->hide();
    QCOMPARE(pSign->text(), QString("Sign out"));
    pSign->trigger();
    QVERIFY(pWindow->isVisible());
    QCOMPARE(pCtrl->currentSession(), QString());
    QCOMPARE(UiFixture::value("LOGIN", "password"), QString());
    QCOMPARE(pageOf(*pWindow), QString("signin"));
    QCOMPARE(pSign->text(), QString("Sign in"));
}

// The update offer that the automatic check opened is still up when the rider picks "Sign out" in the
// tray: the window comes, the account stays signed in under the dialog, and nothing is said. Once the
// dialog has closed the same item signs out.
void TestMainWindow::signOutWaitsForTheUpdateDialog()
{
    // The program's own opener, which knows an update dialog by the open windows.
    struct OpenerScope {
        OpenerScope() { DialogOpener::setInstance(&opener); }
        ~OpenerScope() { DialogOpener::setInstance(nullptr); }
        UpdateDialogOpener opener;
    } openerScope;
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    auto pWindow = makeWindow();
    QAction* pSign = action(*pWindow, "actionSignIn");
    pCtrl->slotHandleResults(LOGIN_SUCCESS, "S8");
    UiFixture::plugDevice(true);
    UiFixture::setValue("0123456789ABCDEF", "update", "true");
    pWindow->show();
    QCOMPARE(pageOf(*pWindow), QString("signedin"));
    QPointer<ZeqAgentInfoWidget> pPage = pWindow->findChild<ZeqAgentInfoWidget*>();

    bool bOfferSeen = false;
    QTimer::singleShot(0, [&] {
        QDialog* pOffer = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        bOfferSeen = pOffer && pOffer->accessibleName() == "NewUpdateAvailableDialog";
        pWindow->hide();
        pSign->trigger();
        if (pOffer)
            pOffer->reject();
    });
    m_pFixture->m_notifier.m_notices.clear();
    pCtrl->slotHandleResults(MAP_CHECKSUCCESS, "AutoCheck");
    QVERIFY(bOfferSeen);
    QVERIFY(pWindow->isVisible());
    QCOMPARE(pCtrl->currentSession(), QString("S8"));
    QCOMPARE(pageOf(*pWindow), QString("signedin"));
    QVERIFY(pPage);
    QCOMPARE(pSign->text(), QString("Sign out"));
    QVERIFY(m_pFixture->m_notifier.m_notices.isEmpty());

    pSign->trigger();
    QCOMPARE(pCtrl->currentSession(), QString());
    QCOMPARE(pageOf(*pWindow), QString("signin"));
}

void TestMainWindow::websiteItem()
{
    UrlCatcher urls;
    auto pWindow = makeWindow();
    action(*pWindow, "actionWebsite")->trigger();
    QCOMPARE(urls.m_lstUrls.size(), 1);
    QCOMPARE(urls.m_lstUrls.at(0).toString(), ShareWebLauncher::builtInSite(QUORVANE));

    ZeqAgentCtrlMgr::getInstance()->slotHandleResults(LOGIN_SUCCESS, "S3");
    action(*pWindow, "actionWebsite")->trigger();
    QCOMPARE(urls.m_lstUrls.size(), 2);
    QVERIFY(urls.m_lstUrls.at(1).toString().startsWith(ShareWebLauncher::builtInSite(QUORVANE) +
                                                       "/login/agentLauncher?"));
}

// ---- strips and about box ----

void TestMainWindow::titleAndBottomStrips()
{
    UiFixture::setValue("AGENT", "version", "2.4.1");
    auto pWindow = makeWindow();
    TitleBar* pTitle = pWindow->findChild<TitleBar*>();
    QCOMPARE(pTitle->size(), QSize(800, 46));
    QCOMPARE(pTitle->findChild<QLabel*>("lab_version")->text(), QString("(2.4.1)"));
    BottomBar* pBottom = pWindow->findChild<BottomBar*>();
    QCOMPARE(pBottom->size(), QSize(800, 61));
    QPushButton* pLogout = pBottom->findChild<QPushButton*>("btn_logout");
    QVERIFY(pLogout->isHidden());

    ZeqAgentCtrlMgr::getInstance()->slotHandleResults(LOGIN_SUCCESS, "S4");
    QVERIFY(!pLogout->isHidden());
    pLogout->click(); // signs out through the controller
    QVERIFY(pLogout->isHidden());
    QCOMPARE(pageOf(*pWindow), QString("signin"));
    QCOMPARE(ZeqAgentCtrlMgr::getInstance()->currentSession(), QString());

    UiFixture::setValue("AGENT", "version", "");
    TitleBar emptyVersion(nullptr);
    QCOMPARE(emptyVersion.findChild<QLabel*>("lab_version")->text(), QString("()"));
}

void TestMainWindow::aboutBox()
{
    UiFixture::setValue("AGENT", "version", "2.4.1");
    UiFixture::setValue("AGENT", "release", "2024/05/01");
    AboutDialog about;
    QCOMPARE(about.findChild<QLabel*>("label_version")->text(), QString("2.4.1"));
    QCOMPARE(about.findChild<QLabel*>("label_release")->text(), QString("2024/05/01"));
    QCOMPARE(about.windowTitle(), QString("About WendoAgent"));
    QVERIFY(!about.testAttribute(Qt::WA_QuitOnClose));
    QVERIFY(!(about.windowFlags() & Qt::WindowContextHelpButtonHint));

    // Opened from the tray while the window is hidden; "OK" ends it and the program goes on.
    auto pWindow = makeWindow();
    pWindow->hide();
    bool bSeen = false;
    QTimer::singleShot(0, [&bSeen]() {
        AboutDialog* pBox = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
        bSeen = pBox && pBox->isVisible();
        if (pBox)
            pBox->findChild<QPushButton*>("btn_ok")->click();
    });
    action(*pWindow, "actionAbout")->trigger();
    QVERIFY(bSeen);
    QVERIFY(m_pFixture->m_pTray->isVisible());
}

// ---- window drag ----

void TestMainWindow::drag_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("moves");
    QTest::newRow("left button drags") << int(Qt::LeftButton) << true;
    QTest::newRow("right button does not") << int(Qt::RightButton) << false;
}

void TestMainWindow::drag()
{
    QFETCH(int, button);
    QFETCH(bool, moves);

    UiFixture::rememberAccount("rider@example.com", "secret"); // the welcome view: nothing above the picture
    auto pWindow = makeWindow();
    pWindow->move(100, 100);
    pWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(pWindow.get()));
    const QPoint start = pWindow->pos();
    QWidget* pTarget = pWindow->childAt(400, 100);
    QVERIFY(pTarget);
    const QPoint local = pTarget->mapFrom(pWindow.get(), QPoint(400, 100));
    const QPoint global = pTarget->mapToGlobal(local);
    const Qt::MouseButton eButton = Qt::MouseButton(button);

    QMouseEvent press(QEvent::MouseButtonPress, local, global, eButton, eButton, Qt::NoModifier);
    QApplication::sendEvent(pTarget, &press);
    QMouseEvent move(QEvent::MouseMove, local + QPoint(30, 20), global + QPoint(30, 20), Qt::NoButton,
                     eButton, Qt::NoModifier);
    QApplication::sendEvent(pTarget, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, local + QPoint(30, 20), global + QPoint(30, 20), eButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(pTarget, &release);

    QCOMPARE(pWindow->pos(), moves ? start + QPoint(30, 20) : start);
    // After the release a move alone does nothing.
    QMouseEvent later(QEvent::MouseMove, local + QPoint(60, 60), global + QPoint(60, 60), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(pTarget, &later);
    QCOMPARE(pWindow->pos(), moves ? start + QPoint(30, 20) : start);
}

// ---- language ----

void TestMainWindow::languageChange()
{
    auto pWindow = makeWindow();
    QTranslator translator;
    QVERIFY(translator.load(QString(TEST_QM_DIR) + "/ui_test_de.qm"));
    QCoreApplication::installTranslator(&translator);
    QTRY_COMPARE(pWindow->windowTitle(), QString(" WendoAgent (de) "));
    QCOMPARE(action(*pWindow, "actionOpen")->text(), QString("WendoAgent \u00f6ffnen"));
    QCOMPARE(action(*pWindow, "actionSignIn")->text(), QString("Anmelden"));
    Login_fbWidget* pPage = pWindow->findChild<Login_fbWidget*>();
    QCOMPARE(pPage->findChild<QLineEdit*>("txt_email")->placeholderText(), QString("E-Mail-Adresse"));
    QCOMPARE(pPage->findChild<QCheckBox*>("check_remember")->text(), QString("Angemeldet bleiben"));
    // The placeholder's translation keeps the button off, the English text no longer does.
    pPage->findChild<QLineEdit*>("txt_pwd")->setText("pw");
    pPage->findChild<QLineEdit*>("txt_email")->setText("E-Mail-Adresse");
    QVERIFY(!pPage->findChild<QPushButton*>("btn_login")->isEnabled());
    pPage->findChild<QLineEdit*>("txt_email")->setText("E-Mail Address");
    QVERIFY(pPage->findChild<QPushButton*>("btn_login")->isEnabled());
    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(action(*pWindow, "actionSignIn")->text(), QString("Sign in"));
    QCOMPARE(pWindow->windowTitle(), QString(" WendoAgent "));
}

// ---- exit ----

void TestMainWindow::exitEndsTheLoop()
{
    AgentTiming::set(AgentTiming::EXIT_ENABLE, 0);
    auto pWindow = makeWindow();
    QPointer<FakeTrayIcon> pTray = m_pFixture->m_pTray;
    QPointer<QMenu> pMenu = menuOf(*pWindow);
    QTRY_VERIFY(action(*pWindow, "actionExit")->isEnabled());
    QTimer::singleShot(0, [&]() { action(*pWindow, "actionExit")->trigger(); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!pTray);
    QVERIFY(!pMenu);
    QVERIFY(!pWindow->findChild<TitleBar*>());
    QVERIFY(!pWindow->findChild<BottomBar*>());
    QVERIFY(!pWindow->findChild<Login_fbWidget*>());
    QVERIFY(!pWindow->layout());
    // Results after the exit find nothing to update.
    ZeqAgentCtrlMgr::getInstance()->slotHandleResults(LOGIN_SUCCESS, "late");
}

// A message box open above a page when "Exit" is chosen: the box is closed first and its nested loop
// returns while the page still exists.
void TestMainWindow::exitClosesModalDialogFirst()
{
    AgentTiming::set(AgentTiming::EXIT_ENABLE, 0);
    auto pWindow = makeWindow();
    QTRY_VERIFY(action(*pWindow, "actionExit")->isEnabled());
    QPointer<Login_fbWidget> pPage = pWindow->findChild<Login_fbWidget*>();
    QVERIFY(pPage);

    bool bReturned = false;
    bool bPageAliveOnReturn = false;
    bool bBoxClosed = false;
    QTimer::singleShot(0, pPage, [&]() {
        QMessageBox box(QMessageBox::NoIcon, "Busy", "Working", QMessageBox::Ok, pPage);
        QTimer::singleShot(0, [&]() { action(*pWindow, "actionExit")->trigger(); });
        box.exec();
        bReturned = true;
        bBoxClosed = !box.isVisible();
        bPageAliveOnReturn = !pPage.isNull();
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(bReturned);
    QVERIFY(bBoxClosed);
    QVERIFY(bPageAliveOnReturn);
    QVERIFY(!pPage); // and gone once every loop had ended
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
