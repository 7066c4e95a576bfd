#include "FakeInstallerLauncher.h"

void FakeInstallerLauncher::launch(const QString& sInstallerPath, const HandoffWatch& watch)
{
    QMutexLocker lock(&m_mutex);
    if (!m_sFailure.isEmpty()) {
        watch.reportOutcome(false, m_sFailure);
        return;
    }
    m_lstLaunched.append(sInstallerPath);
    watch.reportOutcome(true, "taken by the fake launcher");
}

void FakeInstallerLauncher::setFailure(const QString& sWhy)
{
    QMutexLocker lock(&m_mutex);
    m_sFailure = sWhy;
}

QStringList FakeInstallerLauncher::launched() const
{
    QMutexLocker lock(&m_mutex);
    return m_lstLaunched;
}
