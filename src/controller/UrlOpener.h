#pragma once

#include <QString>

// Opens a web page in the user's browser. Tests capture the address with
// QDesktopServices::setUrlHandler for the scheme.
class UrlOpener
{
public:
    static bool open(const QString& sAddress);
};
