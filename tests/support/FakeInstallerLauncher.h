#pragma once

#include "platform/InstallerLauncher.h"

#include <QMutex>
#include <QStringList>

// Records the installers it is asked to start instead of starting them; refuses with the given reason
// when told to.
class FakeInstallerLauncher : public InstallerLauncher
{
public:
    bool launch(const QString& sPackagePath, QString* pWhy) override;

    // A non-empty reason makes every later launch fail with it.
    void setFailure(const QString& sWhy);
    QStringList launched() const;

private:
    mutable QMutex m_mutex;
    QStringList m_lstLaunched;
    QString m_sFailure;
};
