#pragma once

#include "UrlLauncher.h"

// Opens an address with the desktop's handler for its scheme (DesktopHandoff: "xdg-open", or "gio open"
// where xdg-open is not installed), which starts the user's browser. A handler that ends with a failure
// (no browser to be found) did not open it.
class LinuxUrlLauncher : public UrlLauncher
{
public:
    void open(const QString& sAddress, const HandoffWatch& watch) override;
};
