#include "Login_fbWidget.h"

#include "AgentResources.h"
#include "controller/RememberedSignIn.h"
#include "controller/ShareWebLauncher.h"
#include "controller/UrlOpener.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/DebugLog.h"
#include "core/Escaping.h"
#include "core/JsonHelper.h"
#include "ui_Login_fbWidget.h"

#include <QEvent>
#include <QKeyEvent>

Login_fbWidget::Login_fbWidget(QWidget* pParent)
    : QWidget(pParent), m_pUi(new Ui_Login_fbWidget), m_pCtrl(ZeqAgentCtrlMgr::getInstance())
{
    writeLog(1, "[Login_fbWidget][Login_fbWidget][Entry]");
    AgentResources::init();
    m_pUi->setupUi(this);
    m_sVerifyUrl = siteAddress() + "/login/verifyWendoAgent?";

    connect(m_pUi->btn_login, &QPushButton::clicked, this, &Login_fbWidget::login);
    connect(m_pUi->txt_email, &QLineEdit::textChanged, this, &Login_fbWidget::txtChanged);
    connect(m_pUi->txt_pwd, &QLineEdit::textChanged, this, &Login_fbWidget::txtChanged);
    connect(m_pUi->label_forgot, &QLabel::linkActivated, this, &Login_fbWidget::forgot);
    connect(m_pUi->label_confirm, &QLabel::linkActivated, this, &Login_fbWidget::confirm);
    connect(m_pUi->txt_email, &QLineEdit::selectionChanged, this, &Login_fbWidget::emailSelChange);
    connect(m_pUi->txt_email, &QLineEdit::editingFinished, this, &Login_fbWidget::emaileditingFinished);
    connect(m_pUi->txt_pwd, &QLineEdit::selectionChanged, this, &Login_fbWidget::pwdSelChange);
    connect(m_pUi->txt_pwd, &QLineEdit::returnPressed, this, &Login_fbWidget::pwdReturnPressed);
    connect(m_pCtrl, &ZeqAgentCtrlMgr::actionFinish, this, &Login_fbWidget::slotActionFinish);

    setOwnTexts();
    m_pUi->txt_pwd->setEchoMode(QLineEdit::Password);
    m_pUi->txt_pwd->setInputMethodHints(Qt::ImhHiddenText | Qt::ImhNoAutoUppercase | Qt::ImhNoPredictiveText);
    m_pUi->label_error->hide();
    m_pUi->label_error->setEnabled(false);
    m_pUi->label_invaild->hide();
    m_pUi->btn_login->setEnabled(false);
    const RememberedSignIn remembered = RememberedSignIn::read();
    m_pUi->check_remember->setChecked(remembered.autoLogin());
    if (!remembered.user().isEmpty())
        m_pUi->txt_email->setText(remembered.user());
    writeLog(1, "[Login_fbWidget][Login_fbWidget][End]");
}

Login_fbWidget::~Login_fbWidget()
{
    // The fields are destroyed after this page: one losing the focus then would still call its slots
    // here (editingFinished on a focus-out).
    const QList<QWidget*> children = findChildren<QWidget*>();
    for (QWidget* pChild : children)
        disconnect(pChild, nullptr, this, nullptr);
    delete m_pUi;
}

QString Login_fbWidget::termsAddress()
{
    return "https://www.zeqshare.example/tos";
}

QString Login_fbWidget::siteAddress() const
{
    return ShareWebLauncher::siteAddress(m_pCtrl->isQuorvane());
}

QString Login_fbWidget::emailPlaceholder()
{
    return QObject::tr("E-Mail Address");
}

QString Login_fbWidget::passwordPlaceholder()
{
    return QObject::tr("Password");
}

void Login_fbWidget::setOwnTexts()
{
    m_pUi->txt_email->setPlaceholderText(emailPlaceholder());
    m_pUi->txt_pwd->setPlaceholderText(passwordPlaceholder());
    m_pUi->label_login->setText(QObject::tr("Sign in"));
    m_pUi->label_error->setText(
        QObject::tr("The e-mail address and the password are incorrect. Please try again."));
    m_pUi->check_remember->setText(QObject::tr("Remember me"));
}

void Login_fbWidget::clearInputs()
{
    m_pUi->txt_email->setPlaceholderText(emailPlaceholder());
    m_pUi->txt_pwd->setPlaceholderText(passwordPlaceholder());
    m_pUi->txt_pwd->clear();
    if (!m_pUi->check_remember->isChecked())
        m_pUi->txt_email->clear();
}

void Login_fbWidget::login()
{
    writeLog(1, "[Login_fbWidget][login][Entry]");
    // Read before anything else: disabling the focused button moves the focus on to the next field,
    // and nothing that happens there may change what the user typed into this request.
    m_sSentUser = m_pUi->txt_email->text();
    m_sSentPassword = m_pUi->txt_pwd->text();
    m_bSent = true;
    m_pUi->btn_login->setEnabled(false);
    m_pUi->label_error->hide();
    m_pCtrl->login(JsonHelper::object({{"user", m_sSentUser}, {"password", m_sSentPassword}}));
    writeLog(1, "[Login_fbWidget][login][End]");
}

void Login_fbWidget::txtChanged()
{
    const QString sEmail = m_pUi->txt_email->text();
    const QString sPassword = m_pUi->txt_pwd->text();
    m_pUi->btn_login->setEnabled(!sEmail.isEmpty() && !sPassword.isEmpty() && sEmail != emailPlaceholder() &&
                                 sPassword != passwordPlaceholder());
}

void Login_fbWidget::pwdReturnPressed()
{
    if (m_pUi->btn_login->isEnabled())
        login();
}

void Login_fbWidget::keyPressEvent(QKeyEvent* pEvent)
{
    // Return in a field is this page's own: it must not reach the window, whose default button would
    // take it (the title strip's close button hides the window).
    if (pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter) {
        pEvent->accept();
        return;
    }
    QWidget::keyPressEvent(pEvent);
}

void Login_fbWidget::emaileditingFinished()
{
    m_pUi->label_invaild->setVisible(!m_pUi->txt_email->text().contains('@'));
}

// A selection empties a field only while the field still holds its placeholder as text: the focus moving
// in (which selects everything) or a double-click must never wipe what was typed or remembered.
void Login_fbWidget::emailSelChange()
{
    if (m_pUi->txt_email->text() == emailPlaceholder())
        m_pUi->txt_email->clear();
    m_pUi->txt_email->setEchoMode(QLineEdit::Normal);
    m_pUi->txt_email->setReadOnly(false);
}

void Login_fbWidget::pwdSelChange()
{
    if (m_pUi->txt_pwd->text() == passwordPlaceholder())
        m_pUi->txt_pwd->clear();
    m_pUi->txt_pwd->setEchoMode(QLineEdit::Password);
    m_pUi->txt_pwd->setReadOnly(false);
}

void Login_fbWidget::slotActionFinish(ACTION_STATUS status, QString)
{
    // A result ends the attempt; the button then follows the fields (after a sign-out they are empty).
    txtChanged();
    switch (status) {
    case LOGIN_SUCCESS:
        procLoginSuccess();
        break;
    case LOGIN_ERROR:
        m_pUi->label_error->show();
        break;
    case LOGIN_REJECTED:
        openVerifyPage();
        break;
    default:
        break;
    }
    if (status == LOGIN_SUCCESS || status == LOGIN_ERROR || status == LOGIN_REJECTED ||
        status == LOGIN_INTERNETERROR)
        m_bSent = false;
}

void Login_fbWidget::showMissedResult(ACTION_STATUS status)
{
    writeLog(1, "[Login_fbWidget][showMissedResult] status %d", int(status));
    // The automatic sign-in sent the remembered account: a wrong password shows the error line, a
    // refused (unverified) account opens its verification page as a typed one would. The missing
    // connection is told by the window itself.
    if (status == LOGIN_ERROR) {
        m_pUi->label_error->show();
    } else if (status == LOGIN_REJECTED) {
        const RememberedSignIn remembered = RememberedSignIn::read();
        if (!remembered.user().isEmpty())
            openVerifyPageFor(remembered.user(), remembered.password());
    }
}

void Login_fbWidget::procLoginSuccess()
{
    // The account the service accepted: what this page sent, else (a sign-in started elsewhere) the
    // controller's account, never what the fields were changed to meanwhile.
    const QString sUser = m_bSent ? m_sSentUser : m_pCtrl->currentUser();
    const QString sPassword = m_bSent ? m_sSentPassword : m_pCtrl->currentPassword();
    if (m_pUi->check_remember->isChecked())
        RememberedSignIn::write(sUser, sPassword);
    else
        RememberedSignIn::clear();
}

void Login_fbWidget::openVerifyPage()
{
    openVerifyPageFor(m_bSent ? m_sSentUser : m_pUi->txt_email->text(),
                      m_bSent ? m_sSentPassword : m_pUi->txt_pwd->text());
}

void Login_fbWidget::openVerifyPageFor(const QString& sUser, const QString& sPassword)
{
    const QString sAuth = QString::fromLatin1(sPassword.toLatin1().toBase64());
    UrlOpener::open(QString("%1email=%2&auth=%3&autoLogin=true")
                        .arg(m_sVerifyUrl, Escaping::url(sUser), Escaping::url(sAuth)));
}

void Login_fbWidget::forgot(QString)
{
    UrlOpener::open(siteAddress() + "/login/forgotpassword");
}

void Login_fbWidget::confirm(QString sUrl)
{
    const QString sPage = sUrl == termsAddress() ? "/tos?language=%1" : "/policies?language=%1";
    UrlOpener::open(siteAddress() + sPage.arg(Escaping::url(m_pCtrl->langCode())));
}

void Login_fbWidget::changeEvent(QEvent* pEvent)
{
    QWidget::changeEvent(pEvent);
    if (pEvent->type() == QEvent::LanguageChange) {
        m_pUi->retranslateUi(this);
        setOwnTexts();
    }
}
