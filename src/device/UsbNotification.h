#pragma once

#include "platform/DeviceNotice.h"

#include <QThread>

class DeviceNotices;

// The thread in which the device notices are watched, so that they keep coming while the GUI thread is
// busy. The source is moved into this thread while it runs and handed back when it stops.
class UsbNotification : public QThread
{
    Q_OBJECT

public:
    // One raw notice: a volume root (mount path ending in "/") or "virtual com port", and the arrival flag.
    using USBNOTIFYINFO = DeviceNotice;

    // pSource is not owned; it must have no parent and live in the caller's thread.
    UsbNotification(DeviceNotices* pSource, QObject* pOwner);
    ~UsbNotification() override;

    bool startMonitor();
    // Ends the watch and the thread; the source is back in the owner's thread afterwards.
    void unregisterNotification();

protected:
    void run() override;

private:
    DeviceNotices* m_pSource;
    QThread* m_pHomeThread;
};
