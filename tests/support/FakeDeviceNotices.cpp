#include "FakeDeviceNotices.h"

FakeDeviceNotices::FakeDeviceNotices(QObject* pParent) : DeviceNotices(pParent) {}

bool FakeDeviceNotices::startWatching()
{
    m_bWatching = true;
    return true;
}

void FakeDeviceNotices::stopWatching()
{
    m_bWatching = false;
}

void FakeDeviceNotices::send(const QString& sPath, bool bArrival)
{
    if (m_bWatching)
        emit noticeArrived(DeviceNotice{sPath, bArrival});
}
