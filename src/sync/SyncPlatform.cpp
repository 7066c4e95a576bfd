#include "SyncPlatform.h"

#include "platform/LinuxVolumeInfo.h"

#include <QMutex>

namespace
{
QMutex g_mutex;
const VolumeInfo* g_pVolumes = nullptr;
SerialLinkFactory g_serialLinks;
} // namespace

const VolumeInfo& SyncPlatform::volumes()
{
    static const LinuxVolumeInfo linuxVolumes;
    QMutexLocker lock(&g_mutex);
    return g_pVolumes ? *g_pVolumes : linuxVolumes;
}

void SyncPlatform::setVolumes(const VolumeInfo* pVolumes)
{
    QMutexLocker lock(&g_mutex);
    g_pVolumes = pVolumes;
}

SerialLinkFactory SyncPlatform::serialLinks()
{
    QMutexLocker lock(&g_mutex);
    return g_serialLinks;
}

void SyncPlatform::setSerialLinks(SerialLinkFactory factory)
{
    QMutexLocker lock(&g_mutex);
    g_serialLinks = std::move(factory);
}
