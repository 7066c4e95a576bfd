#pragma once

#include "UsbNotification.h"

#include <QObject>

#include <memory>

class DeviceNotices;

// Tells of device arrivals and removals: volumes as they are mounted or go away, and the serial family's
// port. The notices are watched in a thread of their own and emitted in the thread this object lives in.
class UsbMonitor : public QObject
{
    Q_OBJECT

public:
    // The notices Platform gives (udev and the mount table, unless overridden).
    explicit UsbMonitor(QObject* pOwner = nullptr);
    // Notices from the given source (tests pass a fake one and keep a plain pointer to it).
    explicit UsbMonitor(std::unique_ptr<DeviceNotices> pSource, QObject* pOwner = nullptr);
    ~UsbMonitor() override;

    bool startMonitor();

signals:
    void notifyDev(UsbNotification::USBNOTIFYINFO usbInfo);

private:
    void deviceChange(const DeviceNotice& notice);

    std::unique_ptr<DeviceNotices> m_pSource;
    UsbNotification* m_pNotification = nullptr;
};
