#pragma once

#include "InstallerLauncher.h"

// Runs the package itself (a self-extracting installer or an AppImage), detached, with no arguments and
// in its own folder. A download arrives without the execute permission, so the owner's is added first.
class LinuxInstallerLauncher : public InstallerLauncher
{
public:
    bool launch(const QString& sPackagePath, QString* pWhy) override;
};
