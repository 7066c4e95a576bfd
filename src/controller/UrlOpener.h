#pragma once

#include <QString>

// Opens a web page in the user's browser through the desktop (Platform::urlLauncher(), which tests
// replace). The caller never waits: where the desktop cannot open the page (no browser to be found),
// a box says so later and shows the address for the user to copy. The log tells what the desktop did,
// with no query of the address (the signed-in launcher page carries the account in it).
class UrlOpener
{
public:
    // False, with nothing opened or shown, for an address that is not valid; true once it is handed on.
    static bool open(const QString& sAddress);

    static QString notOpenedTitle();
    static QString notOpenedText(const QString& sAddress);

private:
    static void tellNotOpened(const QString& sAddress);
};
