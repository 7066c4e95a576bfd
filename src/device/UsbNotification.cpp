#include "UsbNotification.h"

#include "core/DebugLog.h"
#include "platform/DeviceNotices.h"

UsbNotification::UsbNotification(DeviceNotices* pSource, QObject* pOwner)
    : QThread(pOwner), m_pSource(pSource), m_pHomeThread(QThread::currentThread())
{
}

UsbNotification::~UsbNotification()
{
    unregisterNotification();
}

bool UsbNotification::startMonitor()
{
    writeLog(1, "[UsbNotification][startMonitor][Entry]");
    if (!m_pSource || isRunning())
        return m_pSource != nullptr;
    m_pSource->moveToThread(this);
    start();
    writeLog(1, "[UsbNotification][startMonitor][End]");
    return true;
}

void UsbNotification::unregisterNotification()
{
    if (!isRunning())
        return;
    quit();
    wait();
}

void UsbNotification::run()
{
    writeLog(1, "[UsbNotification][run][Entry]");
    if (!m_pSource->startWatching())
        writeLog(1, "[UsbNotification][run] the device notices could not be watched");
    exec();
    m_pSource->stopWatching();
    m_pSource->moveToThread(m_pHomeThread);
    writeLog(1, "[UsbNotification][run][End]");
}
