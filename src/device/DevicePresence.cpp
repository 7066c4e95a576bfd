#include "DevicePresence.h"

DevicePresence::Action DevicePresence::serialAction(const QStringList& lstDevicePorts) const
{
    if (!serialPresent())
        return lstDevicePorts.isEmpty() ? ACTION_NOTHING : ACTION_IDENTIFY;
    if (lstDevicePorts.contains(m_sSerialPort))
        return ACTION_NOTHING;
    return lstDevicePorts.isEmpty() ? ACTION_REMOVE : ACTION_REMOVE_AND_IDENTIFY;
}

DevicePresence::Action DevicePresence::driveAction(const QString& sRoot, bool bArrival) const
{
    if (bArrival)
        return drivePresent() ? ACTION_NOTHING : ACTION_IDENTIFY;
    return m_lstDrive.contains(sRoot) ? ACTION_REMOVE : ACTION_NOTHING;
}

void DevicePresence::setSerialPresent(const QString& sPort)
{
    m_sSerialPort = sPort;
}

void DevicePresence::setSerialAbsent()
{
    m_sSerialPort.clear();
}

void DevicePresence::setDrivePresent(const QStringList& lstDrive)
{
    m_lstDrive = lstDrive;
}

void DevicePresence::setDriveAbsent()
{
    m_lstDrive.clear();
}
