#pragma once

#include "HandoffWatch.h"

#include <QString>

// Hands the agent's own installer, unpacked from its downloaded package, to the desktop. The package
// holds the installer under the package's name with this platform's suffix; the desktop's handler for
// that kind of file (a software installer that asks the user and elevates by its own rules) takes over.
// The agent never runs downloaded bytes as a program and never elevates.
class InstallerLauncher
{
public:
    virtual ~InstallerLauncher();

    // The suffix of the installer inside an agent package, with its dot (".deb").
    virtual QString installerSuffix() const = 0;

    // Hands the installer to the desktop. Whether the desktop took it comes later through watch, never
    // from within this call; a refusal says why in plain words for the log.
    virtual void launch(const QString& sInstallerPath, const HandoffWatch& watch) = 0;
};
