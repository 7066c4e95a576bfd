#pragma once

#include "UsbNotification.h"

#include <QObject>

#include <functional>
#include <memory>

class DeviceNotices;

// Tells of device arrivals and removals: volumes as they are mounted or go away, and the serial family's
// port. The notices are watched in a thread of their own and emitted in the thread this object lives in.
class UsbMonitor : public QObject
{
    Q_OBJECT

public:
    using SourceFactory = std::function<std::unique_ptr<DeviceNotices>()>;

    // The system's notices (udev and the mount table), unless installSourceFactory() said otherwise.
    explicit UsbMonitor(QObject* pOwner = nullptr);
    // Notices from the given source (tests pass a FakeDeviceNotices and keep a plain pointer to it).
    explicit UsbMonitor(std::unique_ptr<DeviceNotices> pSource, QObject* pOwner = nullptr);
    ~UsbMonitor() override;

    bool startMonitor();

    // For tests of code that builds its monitor itself (the controller): makes the source of every later
    // parameterless construction. An empty factory brings the system's notices back.
    static void installSourceFactory(SourceFactory factory);

signals:
    void notifyDev(UsbNotification::USBNOTIFYINFO usbInfo);

private:
    void deviceChange(const DeviceNotice& notice);

    std::unique_ptr<DeviceNotices> m_pSource;
    UsbNotification* m_pNotification = nullptr;
};
