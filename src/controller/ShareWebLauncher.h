#pragma once

#include <QString>

// Addresses of the sharing web site: the brand's site, the signed-in launcher page and the sign-in
// page's links. Each value put into an address is percent-encoded.
class ShareWebLauncher
{
public:
    enum Page { DASHBOARD, RECORDING_CORRUPT, RECORDING };

    // Settings URL "QuorvaneWendo" or "ZeqShare" by brand; the built-in site when that is empty.
    static QString siteAddress(bool bQuorvane);
    static QString builtInSite(bool bQuorvane);
    // The page the two flags ask for: dashboard wins, then the corrupt-recording page, else recordings.
    static Page pageFor(bool bDashboard, bool bCorrupt);
    // The site itself when there is no session, else the launcher with the scrambled query.
    static QString launcherAddress(bool bQuorvane, const QString& sSession, const QString& sUser,
                                   const QString& sPassword, Page page);
    // The shop address kept for the device plus "&UUID=" and the device's UUID.
    static QString shopAddress(const QString& sShopAddress, const QString& sUUID);
    // Percent-encoding that keeps the letters of a plain e-mail address as they are.
    static QString encodeValue(const QString& sValue);
};
