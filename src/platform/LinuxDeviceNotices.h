#pragma once

#include "DeviceNotices.h"

#include <QStringList>

class QSocketNotifier;
struct udev;
struct udev_monitor;

// Device notices on Linux, without polling: the serial family's tty ports from the udev monitor, volumes
// from the kernel's mount table, which marks a change on /proc/self/mountinfo with POLLPRI. A volume counts
// once it is mounted, since only then can its label and files be read.
class LinuxDeviceNotices : public DeviceNotices
{
    Q_OBJECT

public:
    explicit LinuxDeviceNotices(QObject* pParent = nullptr);
    ~LinuxDeviceNotices() override;

    // True when at least the mount watch runs (udev may be missing, e.g. in a container).
    bool startWatching() override;
    void stopWatching() override;
    bool hasUdev() const { return m_pUdevMonitor != nullptr; }

private:
    bool startMountWatch();
    bool startUdevWatch();
    void stopMountWatch();
    void stopUdevWatch();
    QStringList readVolumeRoots();
    void slotMountsChanged();
    void slotUdevEvent();

    int m_nMountFd = -1;
    QSocketNotifier* m_pMountNotifier = nullptr;
    QStringList m_lstRoots;
    struct udev* m_pUdev = nullptr;
    struct udev_monitor* m_pUdevMonitor = nullptr;
    QSocketNotifier* m_pUdevNotifier = nullptr;
};
