#pragma once

#include "SerialLink.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class Autostart;
class Clock;
class DesktopNotifications;
class DeviceNotices;
class InstallerLauncher;
class SerialPorts;
class SingleInstance;
class UrlLauncher;
class VolumeInfo;
struct PlatformSeams;

// The one place production code asks for what the operating system gives: volumes, serial ports and
// links, device notices, the start-up entry, the one-instance lock, the archive program, the installer
// launcher, the web-page launcher and the clock. Each answer is the Linux implementation unless a
// PlatformOverride put another in its place. Safe to ask from any thread; what it hands out is safe to use
// from any thread unless its own class says otherwise.
class Platform
{
public:
    using DeviceNoticesFactory = std::function<std::unique_ptr<DeviceNotices>()>;
    using SingleInstanceFactory = std::function<std::unique_ptr<SingleInstance>(const QString& sLockDir)>;
    using DesktopNotificationsFactory = std::function<std::unique_ptr<DesktopNotifications>()>;

    static VolumeInfo& volumes();
    static SerialPorts& serialPorts();
    // Opens links to the ports serialPorts() lists; never empty.
    static SerialLinkFactory serialLinks();
    // A new source of device notices, not yet watching.
    static std::unique_ptr<DeviceNotices> makeDeviceNotices();
    static Autostart& autostart();
    // The lock of one agent per user, kept in sLockDir.
    static std::unique_ptr<SingleInstance> makeSingleInstance(const QString& sLockDir);
    // Full path of the archive program (ArchiveTool's lookup from sProgramDir), or "" when none is
    // installed.
    static QString archiveProgram(const QString& sProgramDir);
    static InstallerLauncher& installerLauncher();
    static UrlLauncher& urlLauncher();
    static Clock& clock();
    // The desktop's notices, for the thread that calls (the GUI thread).
    static std::unique_ptr<DesktopNotifications> makeDesktopNotifications();
};

// Puts other implementations behind Platform for as long as it lives (tests, benchmarks); its end brings
// back what it replaced and leaves every other seam alone, so overrides nest. Objects given by pointer
// are not owned and must outlive the override and every user that got them meanwhile; a null pointer or
// empty value means the Linux implementation.
class PlatformOverride
{
public:
    PlatformOverride() = default;
    ~PlatformOverride();
    PlatformOverride(const PlatformOverride&) = delete;
    PlatformOverride& operator=(const PlatformOverride&) = delete;

    void setVolumes(VolumeInfo* pVolumes);
    void setSerialPorts(SerialPorts* pPorts);
    void setSerialLinks(SerialLinkFactory factory);
    void setDeviceNotices(Platform::DeviceNoticesFactory factory);
    void setAutostart(Autostart* pAutostart);
    void setSingleInstance(Platform::SingleInstanceFactory factory);
    // A program to run in place of the archive program.
    void setArchiveProgram(const QString& sPath);
    void setInstallerLauncher(InstallerLauncher* pLauncher);
    void setUrlLauncher(UrlLauncher* pLauncher);
    void setClock(Clock* pClock);
    void setDesktopNotifications(Platform::DesktopNotificationsFactory factory);

private:
    template <typename T> void replace(T PlatformSeams::*pMember, T value);

    // One per seam this override replaced, in the order replaced: where it was and how to put back
    // what it held before.
    struct Restore {
        const void* pSeam;
        std::function<void()> putBack;
    };
    std::vector<Restore> m_lstRestores;
};
