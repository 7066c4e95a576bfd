#include "FakeInstallerLauncher.h"

bool FakeInstallerLauncher::launch(const QString& sInstallerPath, QString* pWhy)
{
    QMutexLocker lock(&m_mutex);
    if (!m_sFailure.isEmpty()) {
        if (pWhy)
            *pWhy = m_sFailure;
        return false;
    }
    m_lstLaunched.append(sInstallerPath);
    return true;
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
