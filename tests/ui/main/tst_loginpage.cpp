#include "controller/ShareWebLauncher.h"
#include "core/JsonHelper.h"
#include "support/DesktopHandlerStub.h"
#include "support/UiFixture.h"
#include "ui/main/Login_fbWidget.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrlQuery>
#include <QtTest>

#include <memory>

#ifdef WENDO_TEST_QUORVANE
const bool QUORVANE = true;
#else
const bool QUORVANE = false;
#endif

class TestLoginPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void initialState_data();
    void initialState();
    void buttonEnabling_data();
    void buttonEnabling();
    void invalidAddressLine();
    void signInRequest();
    void rememberMe_data();
    void rememberMe();
    void rememberStoresWhatWasSent();
    void errorLine();
    void anyResultEnablesButton_data();
    void anyResultEnablesButton();
    void verificationPage();
    void forgotPassword_data();
    void forgotPassword();
    void termsAndPrivacy_data();
    void termsAndPrivacy();
    void pageTheDesktopCannotOpen_data();
    void pageTheDesktopCannotOpen();
    void selectionEmptiesOnlyPlaceholder_data();
    void selectionEmptiesOnlyPlaceholder();
    void returnInPassword_data();
    void returnInPassword();
    void clearInputs_data();
    void clearInputs();

private:
    struct Page {
        std::unique_ptr<Login_fbWidget> pWidget;
        QLineEdit* pEmail;
        QLineEdit* pPassword;
        QPushButton* pButton;
        QCheckBox* pRemember;
        QLabel* pError;
        QLabel* pInvalid;
    };
    static Page makePage();
    static QString site();

    std::unique_ptr<UiFixture> m_pFixture;
    std::unique_ptr<QSignalSpy> m_pLoginSpy;
};

void TestLoginPage::initTestCase()
{
    m_pFixture.reset(new UiFixture(QUORVANE));
    QCOMPARE(ZeqAgentCtrlMgr::getInstance()->isQuorvane(), QUORVANE);
    QCOMPARE(ZeqAgentCtrlMgr::getInstance()->langCode(), QString("en"));
    m_pLoginSpy.reset(new QSignalSpy(ZeqAgentCtrlMgr::getInstance(), &ZeqAgentCtrlMgr::emitLogin));
}

void TestLoginPage::init()
{
    m_pFixture->reset();
    m_pLoginSpy->clear();
}

TestLoginPage::Page TestLoginPage::makePage()
{
    Page page;
    page.pWidget.reset(new Login_fbWidget());
    page.pEmail = page.pWidget->findChild<QLineEdit*>("txt_email");
    page.pPassword = page.pWidget->findChild<QLineEdit*>("txt_pwd");
    page.pButton = page.pWidget->findChild<QPushButton*>("btn_login");
    page.pRemember = page.pWidget->findChild<QCheckBox*>("check_remember");
    page.pError = page.pWidget->findChild<QLabel*>("label_error");
    page.pInvalid = page.pWidget->findChild<QLabel*>("label_invaild");
    return page;
}

QString TestLoginPage::site()
{
    return ShareWebLauncher::builtInSite(QUORVANE);
}

void TestLoginPage::initialState_data()
{
    QTest::addColumn<QString>("autoLogin");
    QTest::addColumn<QString>("user");
    QTest::newRow("nothing stored") << ""
                                    << "";
    QTest::newRow("remembered") << "true"
                                << "rider@example.com";
    QTest::newRow("not remembered") << "false"
                                    << "";
}

void TestLoginPage::initialState()
{
    QFETCH(QString, autoLogin);
    QFETCH(QString, user);
    UiFixture::setValue("LOGIN", "AutoLogin", autoLogin);
    UiFixture::setValue("LOGIN", "user", user);

    Page page = makePage();
    QCOMPARE(page.pWidget->minimumSize(), QSize(800, 510));
    QCOMPARE(page.pWidget->maximumSize(), QSize(800, 510));
    QCOMPARE(page.pEmail->text(), user);
    QCOMPARE(page.pEmail->placeholderText(), QString("E-Mail Address"));
    QCOMPARE(page.pPassword->placeholderText(), QString("Password"));
    QCOMPARE(page.pPassword->echoMode(), QLineEdit::Password);
    QCOMPARE(page.pRemember->isChecked(), autoLogin == "true");
    QVERIFY(!page.pButton->isEnabled());
    QVERIFY(page.pError->isHidden());
    QVERIFY(page.pInvalid->isHidden());
}

void TestLoginPage::buttonEnabling_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("both filled") << "rider@example.com"
                                 << "pw" << true;
    QTest::newRow("address without @ still signs in") << "rider"
                                                      << "pw" << true;
    QTest::newRow("no address") << ""
                                << "pw" << false;
    QTest::newRow("no password") << "rider@example.com"
                                 << "" << false;
    QTest::newRow("address is the placeholder text") << "E-Mail Address"
                                                     << "pw" << false;
    QTest::newRow("password is the placeholder text") << "rider@example.com"
                                                      << "Password" << false;
    QTest::newRow("placeholder in other case") << "e-mail address"
                                               << "password" << true;
}

void TestLoginPage::buttonEnabling()
{
    QFETCH(QString, email);
    QFETCH(QString, password);
    QFETCH(bool, enabled);
    Page page = makePage();
    page.pEmail->setText(email);
    page.pPassword->setText(password);
    QCOMPARE(page.pButton->isEnabled(), enabled);
}

void TestLoginPage::invalidAddressLine()
{
    Page page = makePage();
    page.pWidget->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.pWidget.get()));
    page.pEmail->setFocus();
    QTest::keyClicks(page.pEmail, "rider.example.com");
    QTest::keyClick(page.pEmail, Qt::Key_Return);
    QVERIFY(page.pInvalid->isVisible());
    page.pPassword->setText("pw");
    QVERIFY(page.pButton->isEnabled());
    QTest::keyClick(page.pEmail, Qt::Key_End);
    QTest::keyClicks(page.pEmail, "@x");
    QTest::keyClick(page.pEmail, Qt::Key_Return);
    QVERIFY(!page.pInvalid->isVisible());
}

// User and password go into the request as they are typed; quotes and backslashes stay intact.
void TestLoginPage::signInRequest()
{
    Page page = makePage();
    const QString sUser = "a\"b\\c@example.com";
    const QString sPassword = "p\"w\\}{,:";
    page.pEmail->setText(sUser);
    page.pPassword->setText(sPassword);
    page.pError->show();
    page.pButton->click();
    QCOMPARE(m_pLoginSpy->count(), 1);
    bool bOk = false;
    const QVariantMap request = JsonHelper().parse(m_pLoginSpy->at(0).at(0).toString(), &bOk);
    QVERIFY(bOk);
    QCOMPARE(request.value("user").toString(), sUser);
    QCOMPARE(request.value("password").toString(), sPassword);
    QCOMPARE(request.size(), 2);
    QVERIFY(!page.pButton->isEnabled());
    QVERIFY(page.pError->isHidden());
    QVERIFY(!m_pFixture->log().contains(sPassword.toUtf8()));
}

void TestLoginPage::rememberMe_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("user");     // expected stored values, "-" for untouched
    QTest::addColumn<QString>("password"); // clear; stored scrambled
    QTest::addColumn<QString>("autoLogin");
    QTest::addColumn<QString>("len");

    QTest::newRow("remember") << true << int(LOGIN_SUCCESS) << "rider@example.com"
                              << "abcde"
                              << "true"
                              << "5";
    QTest::newRow("forget keeps old len") << false << int(LOGIN_SUCCESS) << ""
                                          << ""
                                          << "false"
                                          << "9";
    QTest::newRow("failure stores nothing") << true << int(LOGIN_ERROR) << "-"
                                            << "-"
                                            << "-"
                                            << "-";
    QTest::newRow("refusal stores nothing") << true << int(LOGIN_REJECTED) << "-"
                                            << "-"
                                            << "-"
                                            << "-";
    QTest::newRow("no connection stores nothing") << false << int(LOGIN_INTERNETERROR) << "-"
                                                  << "-"
                                                  << "-"
                                                  << "-";
}

void TestLoginPage::rememberMe()
{
    QFETCH(bool, checked);
    QFETCH(int, status);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, autoLogin);
    QFETCH(QString, len);
    UrlCatcher urls; // a refusal opens a page
    UiFixture::setValue("LOGIN", "user", "old@example.com");
    UiFixture::setValue("LOGIN", "password", "b2xk");
    UiFixture::setValue("LOGIN", "AutoLogin", "old");
    UiFixture::setValue("LOGIN", "len", "9");

    Page page = makePage();
    page.pRemember->setChecked(checked);
    page.pEmail->setText("rider@example.com");
    page.pPassword->setText("abcde");
    page.pButton->click();
    ZeqAgentCtrlMgr::getInstance()->slotHandleResults(ACTION_STATUS(status), "S1");

    QCOMPARE(UiFixture::value("LOGIN", "user"), user == "-" ? QString("old@example.com") : user);
    QCOMPARE(UiFixture::value("LOGIN", "password"),
             password == "-" ? QString("b2xk") : ZeqAgentCtrlMgr::scramblePassword(password));
    QCOMPARE(UiFixture::value("LOGIN", "AutoLogin"), autoLogin == "-" ? QString("old") : autoLogin);
    QCOMPARE(UiFixture::value("LOGIN", "len"), len == "-" ? QString("9") : len);
    if (status == LOGIN_SUCCESS && checked)
        QCOMPARE(ZeqAgentCtrlMgr::unscramblePassword(UiFixture::value("LOGIN", "password")).left(5),
                 QString("abcde"));
}

// The fields changed while the answer was on its way: the account that signed in is remembered.
void TestLoginPage::rememberStoresWhatWasSent()
{
    Page page = makePage();
    page.pRemember->setChecked(true);
    page.pEmail->setText("rider@example.com");
    page.pPassword->setText("right-one");
    page.pButton->click();
    page.pEmail->setText("typo@example.com");
    page.pPassword->setText("wrong");
    ZeqAgentCtrlMgr::getInstance()->slotHandleResults(LOGIN_SUCCESS, "S1");
    QCOMPARE(UiFixture::value("LOGIN", "user"), QString("rider@example.com"));
    QCOMPARE(UiFixture::value("LOGIN", "password"), ZeqAgentCtrlMgr::scramblePassword("right-one"));
    QCOMPARE(UiFixture::value("LOGIN", "len"), QString("9"));
}

void TestLoginPage::errorLine()
{
    Page page = makePage();
    page.pEmail->setText("rider@example.com");
    page.pPassword->setText("wrong");
    page.pButton->click();
    ZeqAgentCtrlMgr::getInstance()->slotHandleResults(LOGIN_ERROR, QString());
    QVERIFY(!page.pError->isHidden());
    QCOMPARE(page.pError->text(),
             QString("The e-mail address and the password are incorrect. Please try again."));
    QCOMPARE(page.pEmail->text(), QString("rider@example.com"));
    QCOMPARE(page.pPassword->text(), QString("wrong"));
    QVERIFY(page.pButton->isEnabled());
    // The next attempt hides it again.
    page.pButton->click();
    QVERIFY(page.pError->isHidden());
}

void TestLoginPage::anyResultEnablesButton_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("filled, another action's result") << "rider@example.com"
                                                     << "pw" << int(ENUMDEV_ERROR) << true;
    QTest::newRow("filled, sign-in error") << "rider@example.com"
                                           << "pw" << int(LOGIN_ERROR) << true;
    // After a sign-out the fields are empty: the result must not open the way to an empty sign-in.
    QTest::newRow("empty, signed out") << ""
                                       << "" << int(LOGOUT_SUCCESS) << false;
    QTest::newRow("no password, another action's result") << "rider@example.com"
                                                          << "" << int(ENUMDEV_ERROR) << false;
}

// A result ends an attempt; the button then follows the fields' rule.
void TestLoginPage::anyResultEnablesButton()
{
    QFETCH(QString, email);
    QFETCH(QString, password);
    QFETCH(int, status);
    QFETCH(bool, enabled);
    Page page = makePage();
    page.pEmail->setText(email);
    page.pPassword->setText(password);
    page.pButton->setEnabled(false); // as the attempt left it
    ZeqAgentCtrlMgr::getInstance()->slotHandleResults(ACTION_STATUS(status), QString());
    QCOMPARE(page.pButton->isEnabled(), enabled);
}

void TestLoginPage::verificationPage()
{
    UrlCatcher urls;
    Page page = makePage();
    const QString sUser = "a+b&c=d@example.com";
    const QString sPassword = "\?\?>\u00e9"; // Base64 "Pz8+6Q==": "+" and "=" must survive the query
    page.pEmail->setText(sUser);
    page.pPassword->setText(sPassword);
    page.pButton->click();
    ZeqAgentCtrlMgr::getInstance()->slotHandleResults(LOGIN_REJECTED, QString());

    QCOMPARE(urls.m_lstUrls.size(), 1);
    const QUrl url = urls.m_lstUrls.at(0);
    QCOMPARE(url.toString(QUrl::RemoveQuery), site() + "/login/verifyWendoAgent");
    const QList<QPair<QString, QString>> items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    QCOMPARE(items.size(), 3);
    QCOMPARE(items.at(0), qMakePair(QString("email"), sUser));
    QCOMPARE(items.at(1), qMakePair(QString("auth"), QString("Pz8+6Q==")));
    QCOMPARE(items.at(2), qMakePair(QString("autoLogin"), QString("true")));
    QVERIFY(page.pError->isHidden());
}

void TestLoginPage::forgotPassword_data()
{
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QString>("expected");
    QTest::newRow("built-in site") << "" << site() + "/login/forgotpassword";
    QTest::newRow("configured site") << "https://share.example.org"
                                     << "https://share.example.org/login/forgotpassword";
}

void TestLoginPage::forgotPassword()
{
    QFETCH(QString, configured);
    QFETCH(QString, expected);
    UiFixture::setValue("URL", QUORVANE ? "QuorvaneWendo" : "ZeqShare", configured);
    // The other brand's address is never used.
    UiFixture::setValue("URL", QUORVANE ? "ZeqShare" : "QuorvaneWendo", "https://other-brand.example");
    UrlCatcher urls;
    Page page = makePage();
    page.pWidget->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.pWidget.get()));
    QLabel* pForgot = page.pWidget->findChild<QLabel*>("label_forgot");
    // A real click on the link text at the label's left.
    const QPoint link(QFontMetrics(pForgot->font()).horizontalAdvance("Forgot") / 2, pForgot->height() / 2);
    QTest::mouseClick(pForgot, Qt::LeftButton, Qt::NoModifier, link);
    QCOMPARE(urls.m_lstUrls.size(), 1);
    QCOMPARE(urls.m_lstUrls.at(0).toString(), expected);
}

void TestLoginPage::termsAndPrivacy_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("expected");
    QTest::newRow("terms") << Login_fbWidget::termsAddress() << site() + "/tos?language=en";
    QTest::newRow("privacy") << "https://www.zeqshare.example/policies" << site() + "/policies?language=en";
}

void TestLoginPage::termsAndPrivacy()
{
    QFETCH(QString, link);
    QFETCH(QString, expected);
    UrlCatcher urls;
    Page page = makePage();
    QLabel* pConfirm = page.pWidget->findChild<QLabel*>("label_confirm");
    // The agreement line holds exactly these two links.
    QVERIFY(pConfirm->text().contains("href=\"" + link + "\""));
    emit pConfirm->linkActivated(link);
    QCOMPARE(urls.m_lstUrls.size(), 1);
    QCOMPARE(urls.m_lstUrls.at(0).toString(), expected);
    QVERIFY(expected.contains(QUORVANE ? "quorvane" : "zeqshare"));
}

void TestLoginPage::pageTheDesktopCannotOpen_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("ending");
    QTest::addColumn<bool>("box");
    QTest::newRow("forgotten password, no browser") << "forgot" << int(DesktopHandlerStub::FAILS) << true;
    QTest::newRow("forgotten password, opened") << "forgot" << int(DesktopHandlerStub::ENDS_WELL) << false;
    QTest::newRow("verification page, no browser") << "verify" << int(DesktopHandlerStub::FAILS) << true;
}

// The page's links through the desktop's real handler (a stub first on PATH): where no browser can be
// started, one box says so and shows the address; where the desktop opened the page, nothing is shown.
// The page itself stays as it was.
void TestLoginPage::pageTheDesktopCannotOpen()
{
    QFETCH(QString, page);
    QFETCH(int, ending);
    QFETCH(bool, box);
    DesktopHandlerStub handler({"xdg-open"}, DesktopHandlerStub::STUBS_FIRST,
                               DesktopHandlerStub::Ending(ending));
    QVERIFY(handler.isValid());
    PlatformOverride desktop;
    desktop.setUrlLauncher(nullptr); // the desktop's own, not the fixture's recorder
    // Long enough that the handler's end decides on any machine; the old value comes back at the end.
    struct HandOver {
        const int nBefore = AgentTiming::ms(AgentTiming::HANDLER_HANDOVER);
        HandOver() { AgentTiming::set(AgentTiming::HANDLER_HANDOVER, 600000); }
        ~HandOver() { AgentTiming::set(AgentTiming::HANDLER_HANDOVER, nBefore); }
    } handOver;
    const int nLogBefore = m_pFixture->log().size();
    Page login = makePage();
    login.pWidget->show();
    QVERIFY(QTest::qWaitForWindowExposed(login.pWidget.get()));
    if (page == "forgot") {
        QLabel* pForgot = login.pWidget->findChild<QLabel*>("label_forgot");
        const QPoint link(QFontMetrics(pForgot->font()).horizontalAdvance("Forgot") / 2,
                          pForgot->height() / 2);
        QTest::mouseClick(pForgot, Qt::LeftButton, Qt::NoModifier, link);
    } else {
        login.pEmail->setText("rider@example.com");
        login.pPassword->setText("secret");
        login.pButton->click();
        ZeqAgentCtrlMgr::getInstance()->slotHandleResults(LOGIN_REJECTED, QString());
    }
    QVERIFY(handler.waitForCall("xdg-open", 60000));
    const QString sOpened = handler.calls("xdg-open").value(0);
    QVERIFY2(sOpened.startsWith(site() +
                                (page == "forgot" ? "/login/forgotpassword" : "/login/verifyWendoAgent?")),
             qUtf8Printable(sOpened));
    // What the handler made of it is in the log, box or no box.
    QTRY_VERIFY_WITH_TIMEOUT(m_pFixture->log().mid(nLogBefore).contains("\"xdg-open\" ended"), 60000);
    QStringList lstBoxes;
    for (const RecordingNotifier::Notice& notice : m_pFixture->m_notifier.m_notices)
        lstBoxes << notice.sTitle + "|" + notice.sText;
    QCOMPARE(lstBoxes,
             box ? QStringList{"WendoAgent|The web page could not be opened. Please check that a web "
                               "browser is installed.\n\n" +
                               sOpened}
                 : QStringList());
    QVERIFY(login.pWidget->isVisible());
    QVERIFY(login.pError->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestLoginPage::selectionEmptiesOnlyPlaceholder_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("emptied");
    QTest::newRow("typed text stays") << "rider@example.com"
                                      << "secret" << false;
    QTest::newRow("placeholder text goes") << "E-Mail Address"
                                           << "Password" << true;
}

// A selection (a drag, a double-click, the focus arriving by Tab) empties a field only while it holds
// its placeholder as text; what the user typed or "Remember me" kept stays.
void TestLoginPage::selectionEmptiesOnlyPlaceholder()
{
    QFETCH(QString, email);
    QFETCH(QString, password);
    QFETCH(bool, emptied);
    Page page = makePage();
    page.pWidget->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.pWidget.get()));
    page.pEmail->setText(email);
    page.pEmail->setSelection(0, 5);
    QCOMPARE(page.pEmail->text(), emptied ? QString() : email);
    QCOMPARE(page.pEmail->echoMode(), QLineEdit::Normal);

    // Moving into a filled field with Tab selects its text.
    page.pPassword->setText(password);
    page.pEmail->setFocus();
    QTest::keyClick(page.pEmail, Qt::Key_Tab);
    QTRY_VERIFY(page.pPassword->hasFocus());
    QCOMPARE(page.pPassword->text(), emptied ? QString() : password);
    QCOMPARE(page.pPassword->echoMode(), QLineEdit::Password);
}

void TestLoginPage::returnInPassword_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<bool>("signsIn");
    QTest::newRow("button enabled") << "rider@example.com" << true;
    QTest::newRow("button disabled") << "" << false;
}

// Return in the password field signs in exactly when the button would.
void TestLoginPage::returnInPassword()
{
    QFETCH(QString, email);
    QFETCH(bool, signsIn);
    Page page = makePage();
    page.pWidget->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.pWidget.get()));
    page.pEmail->setText(email);
    page.pPassword->setFocus();
    QTest::keyClicks(page.pPassword, "pw 1");
    QCOMPARE(page.pButton->isEnabled(), signsIn);
    QTest::keyClick(page.pPassword, Qt::Key_Return);
    QCOMPARE(m_pLoginSpy->count(), signsIn ? 1 : 0);
    if (signsIn) {
        bool bOk = false;
        const QVariantMap request = JsonHelper().parse(m_pLoginSpy->at(0).at(0).toString(), &bOk);
        QVERIFY(bOk);
        QCOMPARE(request.value("user").toString(), email);
        QCOMPARE(request.value("password").toString(), QString("pw 1"));
        QVERIFY(!page.pButton->isEnabled());
    }
}

void TestLoginPage::clearInputs_data()
{
    QTest::addColumn<bool>("remember");
    QTest::newRow("remember me keeps the address") << true;
    QTest::newRow("otherwise both go") << false;
}

void TestLoginPage::clearInputs()
{
    QFETCH(bool, remember);
    Page page = makePage();
    page.pRemember->setChecked(remember);
    page.pEmail->setText("rider@example.com");
    page.pPassword->setText("secret");
    page.pWidget->clearInputs();
    QCOMPARE(page.pEmail->text(), remember ? QString("rider@example.com") : QString());
    QCOMPARE(page.pPassword->text(), QString());
    QCOMPARE(page.pEmail->placeholderText(), QString("E-Mail Address"));
    QCOMPARE(page.pPassword->placeholderText(), QString("Password"));
}

QTEST_MAIN(TestLoginPage)
#include "tst_loginpage.moc"
