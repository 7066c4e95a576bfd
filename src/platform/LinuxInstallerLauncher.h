#pragma once

#include "InstallerLauncher.h"

// The Debian package that the agent's build makes (".deb"), opened with the desktop's handler for it:
// "xdg-open", or "gio open" where xdg-open is not installed. The handler runs detached, in the
// installer's folder, with no input. The installer must be a regular file (never a link); it is opened,
// not executed, and its permissions stay as they are.
class LinuxInstallerLauncher : public InstallerLauncher
{
public:
    QString installerSuffix() const override;
    bool launch(const QString& sInstallerPath, QString* pWhy) override;
};
