#pragma once

#include <QString>

// The "Release notes" link of the update offers. The address comes from the update and map services, so
// only a web address (http or https with a host) becomes a link or is opened, and it goes into the link
// markup escaped: an address holding a quote or markup can neither break out of the link nor reach any
// other handler of the desktop (file:, javascript:, ...).
class ReleaseNoteLink
{
public:
    static bool isWebAddress(const QString& sAddress);
    // The label's rich text for the address with that caption; empty when the address is no web address.
    static QString markup(const QString& sAddress, const QString& sCaption);
    // Opens a web address in the browser; anything else is refused (false) and only logged.
    static bool open(const QString& sAddress, const char* szCaller);
};
