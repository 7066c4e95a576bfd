#pragma once

#include "InstallerLauncher.h"

// The Debian package that the agent's build makes (".deb"), opened with the desktop's handler for it
// (DesktopHandoff: "xdg-open", or "gio open" where xdg-open is not installed), in the installer's
// folder. A handler that ends with a failure (no program for Debian packages on this desktop) did not
// take it. The installer must be a regular file (never a link); it is opened, not executed, and its
// permissions stay as they are.
class LinuxInstallerLauncher : public InstallerLauncher
{
public:
    QString installerSuffix() const override;
    void launch(const QString& sInstallerPath, const HandoffWatch& watch) override;
};
