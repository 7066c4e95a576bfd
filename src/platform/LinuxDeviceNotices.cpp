#include "LinuxDeviceNotices.h"

#include "DeviceNoticeRules.h"
#include "MountTable.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <libudev.h>
#include <unistd.h>

namespace
{
QString udevProperty(struct udev_device* pDevice, const char* szName)
{
    return QString::fromUtf8(udev_device_get_property_value(pDevice, szName));
}

// Without udev's rules database the ids are not in the event's properties; the USB device above the
// tty still has them in sysfs while it is attached.
void idsFromSysfs(struct udev_device* pDevice, QString* pVendor, QString* pModel)
{
    struct udev_device* pUsb = udev_device_get_parent_with_subsystem_devtype(pDevice, "usb", "usb_device");
    if (!pUsb)
        return;
    *pVendor = QString::fromUtf8(udev_device_get_sysattr_value(pUsb, "idVendor"));
    *pModel = QString::fromUtf8(udev_device_get_sysattr_value(pUsb, "idProduct"));
}
} // namespace

LinuxDeviceNotices::LinuxDeviceNotices(QObject* pParent) : DeviceNotices(pParent) {}

LinuxDeviceNotices::~LinuxDeviceNotices()
{
    stopWatching();
}

bool LinuxDeviceNotices::startWatching()
{
    stopWatching();
    startUdevWatch();
    return startMountWatch();
}

void LinuxDeviceNotices::stopWatching()
{
    stopMountWatch();
    stopUdevWatch();
}

void LinuxDeviceNotices::stopMountWatch()
{
    delete m_pMountNotifier;
    m_pMountNotifier = nullptr;
    if (m_nMountFd >= 0)
        ::close(m_nMountFd);
    m_nMountFd = -1;
}

void LinuxDeviceNotices::stopUdevWatch()
{
    delete m_pUdevNotifier;
    m_pUdevNotifier = nullptr;
    if (m_pUdevMonitor)
        udev_monitor_unref(m_pUdevMonitor);
    m_pUdevMonitor = nullptr;
    if (m_pUdev)
        udev_unref(m_pUdev);
    m_pUdev = nullptr;
}

bool LinuxDeviceNotices::startMountWatch()
{
    // Volumes are judged by the kernel's table alone, so this works without udev (containers, CI).
    m_nMountFd = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (m_nMountFd < 0)
        return false;
    m_lstRoots = readVolumeRoots();
    m_pMountNotifier = new QSocketNotifier(m_nMountFd, QSocketNotifier::Exception, this);
    connect(m_pMountNotifier, &QSocketNotifier::activated, this, &LinuxDeviceNotices::slotMountsChanged);
    return true;
}

bool LinuxDeviceNotices::startUdevWatch()
{
    m_pUdev = udev_new();
    if (m_pUdev)
        m_pUdevMonitor = udev_monitor_new_from_netlink(m_pUdev, "udev");
    if (!m_pUdevMonitor ||
        udev_monitor_filter_add_match_subsystem_devtype(m_pUdevMonitor, "tty", nullptr) < 0 ||
        udev_monitor_enable_receiving(m_pUdevMonitor) < 0) {
        stopUdevWatch();
        return false;
    }
    m_pUdevNotifier = new QSocketNotifier(udev_monitor_get_fd(m_pUdevMonitor), QSocketNotifier::Read, this);
    connect(m_pUdevNotifier, &QSocketNotifier::activated, this, &LinuxDeviceNotices::slotUdevEvent);
    return true;
}

QStringList LinuxDeviceNotices::readVolumeRoots()
{
    // Reading the file from its start again also re-arms the change mark.
    QByteArray text;
    if (::lseek(m_nMountFd, 0, SEEK_SET) < 0)
        return m_lstRoots;
    char buffer[8192];
    for (;;) {
        const ssize_t nRead = ::read(m_nMountFd, buffer, sizeof(buffer));
        if (nRead <= 0)
            break;
        text.append(buffer, int(nRead));
    }
    return MountTable::volumeRoots(MountTable::parse(text));
}

void LinuxDeviceNotices::slotMountsChanged()
{
    const QStringList lstRoots = readVolumeRoots();
    const QList<DeviceNotice> notices = DeviceNoticeRules::diffRoots(m_lstRoots, lstRoots);
    m_lstRoots = lstRoots;
    for (const DeviceNotice& notice : notices)
        emit noticeArrived(notice);
}

void LinuxDeviceNotices::slotUdevEvent()
{
    struct udev_device* pDevice = udev_monitor_receive_device(m_pUdevMonitor);
    if (!pDevice)
        return;
    const QString sAction = QString::fromUtf8(udev_device_get_action(pDevice));
    const QString sSubsystem = QString::fromUtf8(udev_device_get_subsystem(pDevice));
    QString sVendor = udevProperty(pDevice, "ID_VENDOR_ID");
    QString sModel = udevProperty(pDevice, "ID_MODEL_ID");
    if (sVendor.isEmpty() && sAction == "add")
        idsFromSysfs(pDevice, &sVendor, &sModel);
    udev_device_unref(pDevice);
    DeviceNotice notice;
    if (DeviceNoticeRules::fromUdevEvent(sAction, sSubsystem, sVendor, sModel, &notice))
        emit noticeArrived(notice);
}
