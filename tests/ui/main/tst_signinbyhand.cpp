#include "support/FakeShareService.h"
#include "support/RealInput.h"
#include "support/TestHttpServer.h"
#include "support/UiFixture.h"
#include "ui/main/Login_fbWidget.h"
#include "ui/main/TitleBar.h"
#include "ui/main/ZeqAgentMainDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

// The sign-in road as a person takes it: the main window on a display of its own with a window manager
// (openbox, where installed), the fields typed into and the button pressed with real mouse and keyboard
// events, the request going to the fake sharing service on loopback. Focus moves, selections, the
// button's enabled state and the window's place all happen as they do on a desktop.
class TestSignInByHand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void signInByHand_data();
    void signInByHand();
    void rememberedAddressSurvivesClicks();
    void signOutLeavesEmptyFormClosed();
    void dragFollowsTheMouse();

private:
    struct Page {
        QLineEdit* pEmail = nullptr;
        QLineEdit* pPassword = nullptr;
        QCheckBox* pRemember = nullptr;
        QPushButton* pButton = nullptr;
    };
    static Page pageOf(ZeqAgentMainDialog& window);
    static bool tick(RealInput& input, QCheckBox* pBox);
    // The sign-in calls of this case.
    QList<FakeShareService::Call> loginCalls() const;

    std::unique_ptr<UiFixture> m_pFixture;
    std::unique_ptr<TestHttpServer> m_pServer;
    std::unique_ptr<FakeShareService> m_pService;
    int m_nCallsBefore = 0; // the service's calls made by earlier cases
};

// Characters that need Shift, markup and quoting characters, spaces and an entity written out.
static const QString EMAIL = "Rider.O'Neil+Test@Example.com";
static const QString PASSWORD = "<Pa ss&\"wo'rd> &amp; %1\\";

void TestSignInByHand::initTestCase()
{
    if (!RealInput::isAvailable())
        QSKIP(qPrintable("no display for real input: " + RealInput::unavailableReason()));
    m_pServer.reset(new TestHttpServer);
    QVERIFY(m_pServer->start());
    m_pService.reset(new FakeShareService(*m_pServer));
    m_pFixture.reset(new UiFixture(false, m_pService->serviceUrl()));
}

void TestSignInByHand::init()
{
    m_pFixture->reset();
    m_nCallsBefore = m_pService->calls().size();
    m_pService->setAnswer("login", FakeShareService::RETURN, "SESSION-42");
}

void TestSignInByHand::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestSignInByHand::cleanupTestCase()
{
    m_pService.reset();
    m_pServer.reset();
}

TestSignInByHand::Page TestSignInByHand::pageOf(ZeqAgentMainDialog& window)
{
    Page page;
    Login_fbWidget* pLogin = window.findChild<Login_fbWidget*>();
    if (!pLogin)
        return page;
    page.pEmail = pLogin->findChild<QLineEdit*>("txt_email");
    page.pPassword = pLogin->findChild<QLineEdit*>("txt_pwd");
    page.pRemember = pLogin->findChild<QCheckBox*>("check_remember");
    page.pButton = pLogin->findChild<QPushButton*>("btn_login");
    return page;
}

// A click on the box's indicator at its left end.
bool TestSignInByHand::tick(RealInput& input, QCheckBox* pBox)
{
    return input.click(pBox, QPoint(10, pBox->height() / 2));
}

QList<FakeShareService::Call> TestSignInByHand::loginCalls() const
{
    QList<FakeShareService::Call> calls;
    const QList<FakeShareService::Call> all = m_pService->calls();
    for (const FakeShareService::Call& call : all.mid(m_nCallsBefore)) {
        if (call.sOperation == "login")
            calls.append(call);
    }
    return calls;
}

void TestSignInByHand::signInByHand_data()
{
    QTest::addColumn<bool>("emailFirst");
    QTest::addColumn<QString>("move");   // into the second field: "click" or "tab" (Tab, Shift+Tab back)
    QTest::addColumn<QString>("submit"); // "click", "tab+space" (from the address field), "return"
    QTest::addColumn<bool>("remember");
    QTest::newRow("e-mail first, click") << true << "click"
                                         << "click" << true;
    QTest::newRow("e-mail first, Tab+Space") << true << "tab"
                                             << "tab+space" << true;
    QTest::newRow("e-mail first, Return") << true << "tab"
                                          << "return" << false;
    QTest::newRow("password first, click") << false << "tab"
                                           << "click" << false;
    QTest::newRow("password first, Tab+Space") << false << "click"
                                               << "tab+space" << false;
    QTest::newRow("password first, Return") << false << "click"
                                            << "return" << true;
}

void TestSignInByHand::signInByHand()
{
    QFETCH(bool, emailFirst);
    QFETCH(QString, move);
    QFETCH(QString, submit);
    QFETCH(bool, remember);

    std::unique_ptr<ZeqAgentMainDialog> pWindow(new ZeqAgentMainDialog());
    RealInput input;
    QVERIFY(input.showWindow(pWindow.get()));
    const Page page = pageOf(*pWindow);
    QVERIFY(page.pEmail && page.pPassword && page.pRemember && page.pButton);

    QLineEdit* pFirst = emailFirst ? page.pEmail : page.pPassword;
    QLineEdit* pSecond = emailFirst ? page.pPassword : page.pEmail;
    QVERIFY(input.click(pFirst));
    QVERIFY(input.type(emailFirst ? EMAIL : PASSWORD));
    if (move == "click")
        QVERIFY(input.click(pSecond));
    else
        QVERIFY(input.key(emailFirst ? Qt::Key_Tab : Qt::Key_Backtab));
    QVERIFY(RealInput::waitForFocus(pSecond));
    QVERIFY(input.type(emailFirst ? PASSWORD : EMAIL));
    QCOMPARE(page.pEmail->text(), EMAIL);
    QCOMPARE(page.pPassword->text(), PASSWORD);
    QVERIFY(page.pButton->isEnabled());
    if (remember) {
        QVERIFY(tick(input, page.pRemember));
        QVERIFY(page.pRemember->isChecked());
    }

    if (submit == "click") {
        QVERIFY(input.click(page.pButton));
    } else if (submit == "tab+space") {
        // Tab passes through the filled password field (selecting it) and "Remember me".
        QVERIFY(input.click(page.pEmail));
        for (int i = 0; i < 3; ++i)
            QVERIFY(input.key(Qt::Key_Tab));
        QVERIFY(RealInput::waitForFocus(page.pButton));
        QVERIFY(input.key(Qt::Key_Space));
    } else {
        QVERIFY(input.click(page.pPassword));
        QVERIFY(input.key(Qt::Key_Return));
    }

    QTRY_COMPARE_WITH_TIMEOUT(loginCalls().size(), 1, 30000);
    const FakeShareService::Call call = loginCalls().first();
    QCOMPARE(call.params.value("CustomerEMail"), EMAIL);
    QCOMPARE(call.params.value("Password"), PASSWORD);

    // Signed in: the page went, and "Remember me" kept exactly what was typed.
    QTRY_VERIFY_WITH_TIMEOUT(!page.pEmail->isVisible(), 30000);
    QCOMPARE(UiFixture::value("LOGIN", "AutoLogin"), QString(remember ? "true" : "false"));
    QCOMPARE(UiFixture::value("LOGIN", "user"), remember ? EMAIL : QString());
    QCOMPARE(UiFixture::value("LOGIN", "password"),
             remember ? ZeqAgentCtrlMgr::scramblePassword(PASSWORD) : QString());
    if (remember)
        QCOMPARE(UiFixture::value("LOGIN", "len"), QString::number(PASSWORD.length()));
    QCOMPARE(loginCalls().size(), 1);
}

// The address kept by "Remember me" is in the field at start; moving into it by mouse or Tab, and
// double-clicking a word of it, select text but never wipe it.
void TestSignInByHand::rememberedAddressSurvivesClicks()
{
    const QString sRemembered = "rider@example.com";
    UiFixture::setValue("LOGIN", "AutoLogin", "true");
    UiFixture::setValue("LOGIN", "user", sRemembered); // no password: no automatic sign-in

    std::unique_ptr<ZeqAgentMainDialog> pWindow(new ZeqAgentMainDialog());
    RealInput input;
    QVERIFY(input.showWindow(pWindow.get()));
    const Page page = pageOf(*pWindow);
    QVERIFY(page.pEmail);
    QVERIFY(page.pRemember->isChecked());
    QCOMPARE(page.pEmail->text(), sRemembered);

    QVERIFY(input.click(page.pEmail));
    QCOMPARE(page.pEmail->text(), sRemembered);
    QVERIFY(input.doubleClick(page.pEmail, QPoint(12, page.pEmail->height() / 2)));
    QVERIFY(page.pEmail->hasSelectedText());
    QCOMPARE(page.pEmail->text(), sRemembered);
    QVERIFY(input.click(page.pPassword));
    QVERIFY(input.key(Qt::Key_Backtab));
    QVERIFY(RealInput::waitForFocus(page.pEmail));
    QCOMPARE(page.pEmail->text(), sRemembered);

    QVERIFY(input.key(Qt::Key_Tab));
    QVERIFY(input.type("pass word"));
    QVERIFY(input.key(Qt::Key_Return));
    QTRY_COMPARE_WITH_TIMEOUT(loginCalls().size(), 1, 30000);
    QCOMPARE(loginCalls().first().params.value("CustomerEMail"), sRemembered);
    QCOMPARE(loginCalls().first().params.value("Password"), QString("pass word"));
    QTRY_COMPARE_WITH_TIMEOUT(UiFixture::value("LOGIN", "password"),
                              ZeqAgentCtrlMgr::scramblePassword("pass word"), 30000);
    QCOMPARE(UiFixture::value("LOGIN", "user"), sRemembered);
    QCOMPARE(UiFixture::value("LOGIN", "AutoLogin"), QString("true"));
}

// Signing out empties the password: the button stays off until both fields hold text, and Return in
// the empty form sends nothing. The next sign-in typed by hand is the only one the service hears.
void TestSignInByHand::signOutLeavesEmptyFormClosed()
{
    std::unique_ptr<ZeqAgentMainDialog> pWindow(new ZeqAgentMainDialog());
    RealInput input;
    QVERIFY(input.showWindow(pWindow.get()));
    const Page page = pageOf(*pWindow);
    QVERIFY(page.pEmail && page.pButton);
    if (page.pRemember->isChecked())
        QVERIFY(tick(input, page.pRemember));
    QVERIFY(input.click(page.pEmail));
    QVERIFY(input.type(EMAIL));
    QVERIFY(input.click(page.pPassword));
    QVERIFY(input.type(PASSWORD));
    QVERIFY(input.key(Qt::Key_Return));
    QTRY_VERIFY_WITH_TIMEOUT(!page.pEmail->isVisible(), 30000);

    QPushButton* pSignOut = pWindow->findChild<QPushButton*>("btn_logout");
    QVERIFY(pSignOut);
    QTRY_VERIFY_WITH_TIMEOUT(pSignOut->isVisible(), 30000);
    QVERIFY(input.click(pSignOut));
    QTRY_VERIFY_WITH_TIMEOUT(page.pEmail->isVisible(), 30000);
    QCOMPARE(page.pEmail->text(), QString());
    QCOMPARE(page.pPassword->text(), QString());
    QVERIFY(!page.pButton->isEnabled());

    QVERIFY(input.click(page.pPassword));
    QVERIFY(input.key(Qt::Key_Return));
    QVERIFY(!page.pButton->isEnabled());
    // A sign-in sent by that Return would reach the service before the one typed now.
    QVERIFY(input.click(page.pEmail));
    QVERIFY(input.type("second@example.com"));
    QVERIFY(!page.pButton->isEnabled());
    QVERIFY(input.click(page.pPassword));
    QVERIFY(input.type("again"));
    QVERIFY(page.pButton->isEnabled());
    QVERIFY(input.key(Qt::Key_Return));
    QTRY_COMPARE_WITH_TIMEOUT(loginCalls().size(), 2, 30000);
    QCOMPARE(loginCalls().at(1).params.value("CustomerEMail"), QString("second@example.com"));
    QCOMPARE(loginCalls().at(1).params.value("Password"), QString("again"));
    QTRY_VERIFY_WITH_TIMEOUT(!page.pEmail->isVisible(), 30000);
    QCOMPARE(loginCalls().size(), 2);
}

// The title strip drags the window from the first drag on, wherever the window manager placed it.
// The window is shown as the program shows it (no raise, no activation by code; the press gives it the
// focus). openbox frames such a window after Qt has asked where it is, so Qt's idea of its place is
// often still the frame's first corner (0,0) when the rider grabs the strip; how often depends on
// timing, so a few fresh windows are tried, and every first drag must follow the mouse.
void TestSignInByHand::dragFollowsTheMouse()
{
    const QPoint grip(300, 20); // on the strip, away from its logo, version and close button
    const QPoint first(10, 10);
    const QPoint second(-150, -80);
    for (int nWindow = 0; nWindow < 12; ++nWindow) {
        std::unique_ptr<ZeqAgentMainDialog> pWindow(new ZeqAgentMainDialog());
        RealInput input;
        QVERIFY(input.showPlainly(pWindow.get()));
        TitleBar* pTitle = pWindow->findChild<TitleBar*>();
        QVERIFY(pTitle);
        const QPoint start = RealInput::screenPosition(pWindow.get());
        QVERIFY(input.drag(RealInput::globalPoint(pTitle, grip), first));
        QTRY_COMPARE_WITH_TIMEOUT(RealInput::screenPosition(pWindow.get()), start + first, 10000);
        QVERIFY(input.drag(RealInput::globalPoint(pTitle, grip), second));
        QTRY_COMPARE_WITH_TIMEOUT(RealInput::screenPosition(pWindow.get()), start + first + second, 10000);
        pWindow->hide();
        pWindow.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

WENDO_REAL_INPUT_MAIN_WITH_WINDOW_MANAGER(TestSignInByHand)
#include "tst_signinbyhand.moc"
