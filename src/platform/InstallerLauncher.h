#pragma once

#include <QString>

// Starts a downloaded installer package as a process of its own, which goes on after the agent ends
// (the installer replaces the agent).
class InstallerLauncher
{
public:
    virtual ~InstallerLauncher();

    // True when the installer was started; false with the reason in *pWhy (plain words for the log and
    // the user) when it could not be.
    virtual bool launch(const QString& sPackagePath, QString* pWhy) = 0;
};
