#include "DriveIdentity.h"

#include "DriveVersions.h"
#include "GetDevInfoXml.h"
#include "platform/DeviceFileReader.h"

bool DriveIdentity::read(const QString& sRoot, Worker::DEVINFO* pInfo)
{
    GetDevInfoXml reader;
    reader.open(DeviceFileReader::drivePath(sRoot, "device.xml"));
    *pInfo = reader.m_devInfo;
    if (pInfo->sUUID.isEmpty() || pInfo->sSkuID.isEmpty() || pInfo->sHWName.isEmpty())
        return false;
    DriveVersions::read(sRoot, pInfo);
    return true;
}
