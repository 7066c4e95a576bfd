#pragma once

#include "support/RealInput.h"
#include "ui/main/Login_fbWidget.h"

#include <QLineEdit>
#include <QPushButton>

// Signs in on pWindow's sign-in page as a person does: a click in each field, the text typed, a click on
// "Sign in". False when the page or one of its fields is missing, or an input step did not land.
inline bool signInByHand(RealInput& input, QWidget* pWindow, const QString& sEmail, const QString& sPassword)
{
    Login_fbWidget* pLogin = pWindow->findChild<Login_fbWidget*>();
    if (!pLogin)
        return false;
    auto* pEmail = pLogin->findChild<QLineEdit*>("txt_email");
    auto* pPassword = pLogin->findChild<QLineEdit*>("txt_pwd");
    auto* pSignIn = pLogin->findChild<QPushButton*>("btn_login");
    return pEmail && pPassword && pSignIn && input.click(pEmail) && input.type(sEmail) &&
           input.click(pPassword) && RealInput::waitForFocus(pPassword) && input.type(sPassword) &&
           input.click(pSignIn);
}
