#include "LinuxSingleInstance.h"

#include <QDir>
#include <QFileInfo>

LinuxSingleInstance::LinuxSingleInstance(const QString& sLockDir)
    : m_sLockPath(sLockDir + "/WendoAgent.lock"), m_lock(m_sLockPath)
{
    // The lock lives as long as the agent, so its age says nothing: only a holder that is gone makes
    // it stale.
    m_lock.setStaleLockTime(0);
}

bool LinuxSingleInstance::tryAcquire()
{
    if (m_lock.isLocked())
        return true;
    QDir().mkpath(QFileInfo(m_sLockPath).absolutePath());
    return m_lock.tryLock(0);
}

void LinuxSingleInstance::release()
{
    m_lock.unlock();
}
