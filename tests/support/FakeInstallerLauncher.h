#pragma once

#include "platform/InstallerLauncher.h"

#include <QMutex>
#include <QStringList>

// Records the installers it is asked to open instead of opening them; refuses with the given reason
// when told to. Answers from the event loop, as the desktop does. Its installers are Debian packages,
// as on the desktop.
class FakeInstallerLauncher : public InstallerLauncher
{
public:
    QString installerSuffix() const override { return ".deb"; }
    void launch(const QString& sInstallerPath, const HandoffWatch& watch) override;

    // A non-empty reason makes every later launch fail with it.
    void setFailure(const QString& sWhy);
    QStringList launched() const;

private:
    mutable QMutex m_mutex;
    QStringList m_lstLaunched;
    QString m_sFailure;
};
