#include "DeviceNotices.h"

DeviceNotices::DeviceNotices(QObject* pParent) : QObject(pParent)
{
    // Notices cross from the watching thread to the monitor by queued signals.
    qRegisterMetaType<DeviceNotice>("DeviceNotice");
}

DeviceNotices::~DeviceNotices() = default;
