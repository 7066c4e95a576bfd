#pragma once

#include <QString>

// The account the sign-in page remembers for the automatic sign-in at start, kept in the settings
// group "LOGIN": "user", the scrambled "password", its clear length "len" and "AutoLogin". The page
// writes and clears it; the main window reads it at start; signing out forgets the password.
class RememberedSignIn
{
public:
    static RememberedSignIn read();
    // Remembers the account and asks for the automatic sign-in.
    static void write(const QString& sUser, const QString& sPassword);
    // Forgets the account: nothing signs in by itself and the page starts with empty fields.
    static void clear();
    // Keeps the user and the wish, drops the password: the next start asks for it.
    static void forgetPassword();

    QString user() const { return m_sUser; }
    // The clear password; "" when none is stored or the stored one is not a scrambled text.
    QString password() const { return m_sPassword; }
    bool autoLogin() const { return m_bAutoLogin; }
    // True when the start can sign in without the page.
    bool canSignInByItself() const { return m_bAutoLogin && !m_sUser.isEmpty() && !m_sPassword.isEmpty(); }

private:
    QString m_sUser;
    QString m_sPassword;
    bool m_bAutoLogin = false;
};
