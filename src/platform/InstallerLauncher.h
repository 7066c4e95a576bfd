#pragma once

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

    // True when the installer was handed to the desktop; false with the reason in *pWhy (plain words for
    // the log) when it could not be.
    virtual bool launch(const QString& sInstallerPath, QString* pWhy) = 0;
};
