#pragma once

#include "HandoffWatch.h"

#include <QString>

// Hands a web address to the desktop, which opens it in the user's browser.
class UrlLauncher
{
public:
    virtual ~UrlLauncher();

    // Opens sAddress (fully encoded, with its scheme). Whether the desktop could comes later through
    // watch, never from within this call; a failure says why in plain words for the log.
    virtual void open(const QString& sAddress, const HandoffWatch& watch) = 0;
};
