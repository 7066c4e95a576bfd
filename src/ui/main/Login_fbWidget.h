#pragma once

#include "core/ActionStatus.h"

#include <QWidget>

class Ui_Login_fbWidget;
class ZeqAgentCtrlMgr;

// The sign-in page: e-mail address, password and "Remember me". It starts the sign-in through the
// controller and keeps or forgets the credentials when the answer comes.
class Login_fbWidget : public QWidget
{
    Q_OBJECT

public:
    explicit Login_fbWidget(QWidget* pParent = nullptr);
    ~Login_fbWidget() override;

    // On sign-out: the placeholders back, the password gone, the address kept only for "Remember me".
    void clearInputs();

    // The built-in address of the terms link; any other link of the agreement line is the privacy one.
    static QString termsAddress();

    // A sign-in result that came before this page existed (the automatic sign-in at start): the page
    // shows what it would have shown had it been there.
    void showMissedResult(ACTION_STATUS status);

protected:
    void changeEvent(QEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;

private slots:
    void login();
    void txtChanged();
    void emailSelChange();
    void pwdSelChange();
    void emaileditingFinished();
    void pwdReturnPressed();
    void slotActionFinish(ACTION_STATUS status, QString sResult);
    void forgot(QString sUrl);
    void confirm(QString sUrl);

private:
    void setOwnTexts();
    static QString emailPlaceholder();
    static QString passwordPlaceholder();
    QString siteAddress() const;
    void procLoginSuccess();
    void openVerifyPage();
    void openVerifyPageFor(const QString& sUser, const QString& sPassword);

    Ui_Login_fbWidget* m_pUi;
    ZeqAgentCtrlMgr* m_pCtrl;
    QString m_sVerifyUrl;
    // What the last sign-in from this page sent; remembered as sent, whatever the fields hold later.
    QString m_sSentUser;
    QString m_sSentPassword;
    bool m_bSent = false;
};
