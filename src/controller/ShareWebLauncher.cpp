#include "ShareWebLauncher.h"

#include "PasswordScrambler.h"
#include "core/AgentSettings.h"

#include <QUrl>

QString ShareWebLauncher::builtInSite(bool bQuorvane)
{
    return bQuorvane ? "https://www.quorvaneshare.example" : "https://www.zeqshare.example";
}

QString ShareWebLauncher::siteAddress(bool bQuorvane)
{
    AgentSettings settings;
    const QString sSite = settings.getString("URL", bQuorvane ? "QuorvaneWendo" : "ZeqShare");
    return sSite.isEmpty() ? builtInSite(bQuorvane) : sSite;
}

ShareWebLauncher::Page ShareWebLauncher::pageFor(bool bDashboard, bool bCorrupt)
{
    if (bDashboard)
        return DASHBOARD;
    return bCorrupt ? RECORDING_CORRUPT : RECORDING;
}

QString ShareWebLauncher::encodeValue(const QString& sValue)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(sValue, "@"));
}

QString ShareWebLauncher::launcherAddress(bool bQuorvane, const QString& sSession, const QString& sUser,
                                          const QString& sPassword, Page page)
{
    const QString sSite = siteAddress(bQuorvane);
    if (sSession.isEmpty())
        return sSite;
    static const char* const REDIRECTS[] = {"dashboard", "recording/corrupt", "recording"};
    const QString sQuery = QString("username=%1&password=%2&autologin=true&redirectPage=%3")
                               .arg(encodeValue(sUser), encodeValue(sPassword), REDIRECTS[page]);
    // The scrambled query is Base64, whose "+", "/" and "=" must not be read as query syntax.
    return QString("%1%2").arg(sSite + "/login/agentLauncher?",
                               encodeValue(PasswordScrambler::scramble(sQuery)));
}

QString ShareWebLauncher::shopAddress(const QString& sShopAddress, const QString& sUUID)
{
    return QString("%1&UUID=%2").arg(sShopAddress, encodeValue(sUUID));
}
