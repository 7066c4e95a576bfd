#include "UsbMonitor.h"

#include "core/DebugLog.h"
#include "platform/DeviceNotices.h"
#include "platform/Platform.h"

UsbMonitor::UsbMonitor(QObject* pOwner) : UsbMonitor(Platform::makeDeviceNotices(), pOwner) {}

UsbMonitor::UsbMonitor(std::unique_ptr<DeviceNotices> pSource, QObject* pOwner)
    : QObject(pOwner), m_pSource(std::move(pSource))
{
    qRegisterMetaType<DeviceNotice>("UsbNotification::USBNOTIFYINFO");
    qRegisterMetaType<DeviceNotice>("DeviceNotice");
    if (!m_pSource)
        return;
    connect(m_pSource.get(), &DeviceNotices::noticeArrived, this, &UsbMonitor::deviceChange);
    m_pNotification = new UsbNotification(m_pSource.get(), this);
}

UsbMonitor::~UsbMonitor()
{
    // The source must be back in this thread, its watch ended, before it is deleted.
    delete m_pNotification;
    m_pNotification = nullptr;
}

bool UsbMonitor::startMonitor()
{
    return m_pNotification && m_pNotification->startMonitor();
}

void UsbMonitor::deviceChange(const DeviceNotice& notice)
{
    writeLog(1, "[UsbMonitor][deviceChange] %s %d", qUtf8Printable(notice.sPath), int(notice.bArrival));
    emit notifyDev(notice);
}
