#include "Platform.h"

#include "ArchiveTool.h"
#include "FreedesktopNotifications.h"
#include "LinuxAutostart.h"
#include "LinuxDeviceNotices.h"
#include "LinuxInstallerLauncher.h"
#include "LinuxSingleInstance.h"
#include "LinuxUrlLauncher.h"
#include "LinuxVolumeInfo.h"
#include "QtSerialPorts.h"
#include "SystemClock.h"
#include "TermiosSerialLink.h"

#include <QMutex>

#include <algorithm>

// What is installed in place of the Linux implementations; null or empty where nothing is.
struct PlatformSeams {
    VolumeInfo* pVolumes = nullptr;
    SerialPorts* pPorts = nullptr;
    SerialLinkFactory serialLinks;
    Platform::DeviceNoticesFactory deviceNotices;
    Autostart* pAutostart = nullptr;
    Platform::SingleInstanceFactory singleInstance;
    QString sArchiveProgram;
    InstallerLauncher* pInstallerLauncher = nullptr;
    UrlLauncher* pUrlLauncher = nullptr;
    Clock* pClock = nullptr;
    Platform::DesktopNotificationsFactory desktopNotifications;
};

namespace
{
QMutex g_mutex;

PlatformSeams& installed()
{
    static PlatformSeams seams;
    return seams;
}

// The installed value, read under the lock.
template <typename T> T current(T PlatformSeams::*pMember)
{
    QMutexLocker lock(&g_mutex);
    return installed().*pMember;
}

} // namespace

VolumeInfo& Platform::volumes()
{
    static LinuxVolumeInfo s_linux;
    VolumeInfo* pInstalled = current(&PlatformSeams::pVolumes);
    return pInstalled ? *pInstalled : s_linux;
}

SerialPorts& Platform::serialPorts()
{
    static QtSerialPorts s_linux;
    SerialPorts* pInstalled = current(&PlatformSeams::pPorts);
    return pInstalled ? *pInstalled : s_linux;
}

SerialLinkFactory Platform::serialLinks()
{
    SerialLinkFactory installedLinks = current(&PlatformSeams::serialLinks);
    return installedLinks ? installedLinks : TermiosSerialLink::factory();
}

std::unique_ptr<DeviceNotices> Platform::makeDeviceNotices()
{
    const DeviceNoticesFactory factory = current(&PlatformSeams::deviceNotices);
    return factory ? factory() : std::make_unique<LinuxDeviceNotices>();
}

Autostart& Platform::autostart()
{
    static LinuxAutostart s_xdgEntry;
    Autostart* pInstalled = current(&PlatformSeams::pAutostart);
    return pInstalled ? *pInstalled : s_xdgEntry;
}

std::unique_ptr<SingleInstance> Platform::makeSingleInstance(const QString& sLockDir)
{
    const SingleInstanceFactory factory = current(&PlatformSeams::singleInstance);
    return factory ? factory(sLockDir) : std::make_unique<LinuxSingleInstance>(sLockDir);
}

QString Platform::archiveProgram(const QString& sProgramDir)
{
    const QString sInstalled = current(&PlatformSeams::sArchiveProgram);
    return sInstalled.isEmpty() ? ArchiveTool::findProgram(sProgramDir) : sInstalled;
}

InstallerLauncher& Platform::installerLauncher()
{
    static LinuxInstallerLauncher s_linux;
    InstallerLauncher* pInstalled = current(&PlatformSeams::pInstallerLauncher);
    return pInstalled ? *pInstalled : s_linux;
}

UrlLauncher& Platform::urlLauncher()
{
    static LinuxUrlLauncher s_linux;
    UrlLauncher* pInstalled = current(&PlatformSeams::pUrlLauncher);
    return pInstalled ? *pInstalled : s_linux;
}

Clock& Platform::clock()
{
    static SystemClock s_system;
    Clock* pInstalled = current(&PlatformSeams::pClock);
    return pInstalled ? *pInstalled : s_system;
}

std::unique_ptr<DesktopNotifications> Platform::makeDesktopNotifications()
{
    const DesktopNotificationsFactory factory = current(&PlatformSeams::desktopNotifications);
    return factory ? factory() : std::make_unique<FreedesktopNotifications>();
}

PlatformOverride::~PlatformOverride()
{
    QMutexLocker lock(&g_mutex);
    for (auto it = m_lstRestores.rbegin(); it != m_lstRestores.rend(); ++it)
        it->putBack();
}

template <typename T> void PlatformOverride::replace(T PlatformSeams::*pMember, T value)
{
    QMutexLocker lock(&g_mutex);
    T& seam = installed().*pMember;
    const bool bReplacedBefore =
        std::any_of(m_lstRestores.begin(), m_lstRestores.end(),
                    [&seam](const Restore& restore) { return restore.pSeam == &seam; });
    if (!bReplacedBefore)
        m_lstRestores.push_back({&seam, [pMember, previous = seam] { installed().*pMember = previous; }});
    seam = std::move(value);
}

void PlatformOverride::setVolumes(VolumeInfo* pVolumes)
{
    replace(&PlatformSeams::pVolumes, pVolumes);
}

void PlatformOverride::setSerialPorts(SerialPorts* pPorts)
{
    replace(&PlatformSeams::pPorts, pPorts);
}

void PlatformOverride::setSerialLinks(SerialLinkFactory factory)
{
    replace(&PlatformSeams::serialLinks, std::move(factory));
}

void PlatformOverride::setDeviceNotices(Platform::DeviceNoticesFactory factory)
{
    replace(&PlatformSeams::deviceNotices, std::move(factory));
}

void PlatformOverride::setAutostart(Autostart* pAutostart)
{
    replace(&PlatformSeams::pAutostart, pAutostart);
}

void PlatformOverride::setSingleInstance(Platform::SingleInstanceFactory factory)
{
    replace(&PlatformSeams::singleInstance, std::move(factory));
}

void PlatformOverride::setArchiveProgram(const QString& sPath)
{
    replace(&PlatformSeams::sArchiveProgram, sPath);
}

void PlatformOverride::setInstallerLauncher(InstallerLauncher* pLauncher)
{
    replace(&PlatformSeams::pInstallerLauncher, pLauncher);
}

void PlatformOverride::setUrlLauncher(UrlLauncher* pLauncher)
{
    replace(&PlatformSeams::pUrlLauncher, pLauncher);
}

void PlatformOverride::setClock(Clock* pClock)
{
    replace(&PlatformSeams::pClock, pClock);
}

void PlatformOverride::setDesktopNotifications(Platform::DesktopNotificationsFactory factory)
{
    replace(&PlatformSeams::desktopNotifications, std::move(factory));
}
