#include "StuckVolumeInfo.h"

StuckVolumeInfo::~StuckVolumeInfo()
{
    release();
}

void StuckVolumeInfo::stickOn(const QString& sRoot)
{
    QMutexLocker lock(&m_mutex);
    m_sStuckRoot = sRoot;
    m_bReleased = false;
}

void StuckVolumeInfo::release()
{
    QMutexLocker lock(&m_mutex);
    m_bReleased = true;
    m_released.wakeAll();
}

bool StuckVolumeInfo::hasCaller() const
{
    QMutexLocker lock(&m_mutex);
    return m_bCaller;
}

QString StuckVolumeInfo::volumeLabel(const QString& sRoot) const
{
    {
        QMutexLocker lock(&m_mutex);
        if (!m_sStuckRoot.isEmpty() && sRoot == m_sStuckRoot) {
            m_bCaller = true;
            while (!m_bReleased)
                m_released.wait(&m_mutex);
        }
    }
    return FakeVolumeInfo::volumeLabel(sRoot);
}
