#include "RememberedSignIn.h"

#include "PasswordScrambler.h"
#include "core/AgentSettings.h"

namespace
{
const QString GROUP = QStringLiteral("LOGIN");
}

RememberedSignIn RememberedSignIn::read()
{
    AgentSettings settings;
    RememberedSignIn remembered;
    remembered.m_bAutoLogin = settings.getBool(GROUP, "AutoLogin");
    remembered.m_sUser = settings.getString(GROUP, "user");
    remembered.m_sPassword = PasswordScrambler::unscramble(settings.getString(GROUP, "password"));
    // The scrambling pads an odd-length password with one character.
    if (settings.getInt(GROUP, "len") != remembered.m_sPassword.length())
        remembered.m_sPassword.chop(1);
    return remembered;
}

void RememberedSignIn::write(const QString& sUser, const QString& sPassword)
{
    AgentSettings settings;
    settings.setValue(GROUP, "user", sUser);
    settings.setValue(GROUP, "password", PasswordScrambler::scramble(sPassword));
    settings.setValue(GROUP, "AutoLogin", "true");
    settings.setValue(GROUP, "len", QString::number(sPassword.length()));
}

void RememberedSignIn::clear()
{
    AgentSettings settings;
    settings.setValue(GROUP, "user", QString());
    settings.setValue(GROUP, "password", QString());
    settings.setValue(GROUP, "AutoLogin", "false");
}

void RememberedSignIn::forgetPassword()
{
    AgentSettings settings;
    settings.setValue(GROUP, "password", QString());
}
