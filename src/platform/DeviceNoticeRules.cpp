#include "DeviceNoticeRules.h"

bool DeviceNoticeRules::isSerialFamily(const QString& sVendorId, const QString& sModelId)
{
    bool bVendorOk = false;
    bool bModelOk = false;
    const uint nVendor = sVendorId.trimmed().toUInt(&bVendorOk, 16);
    const uint nModel = sModelId.trimmed().toUInt(&bModelOk, 16);
    return bVendorOk && bModelOk && nVendor == SERIAL_VENDOR_ID && nModel == SERIAL_PRODUCT_ID;
}

bool DeviceNoticeRules::fromUdevEvent(const QString& sAction, const QString& sSubsystem,
                                      const QString& sVendorId, const QString& sModelId,
                                      DeviceNotice* pNotice)
{
    if (sSubsystem != "tty" || (sAction != "add" && sAction != "remove"))
        return false;
    if (!isSerialFamily(sVendorId, sModelId))
        return false;
    pNotice->sPath = QString::fromLatin1(SERIAL_PORT_PATH);
    pNotice->bArrival = (sAction == "add");
    return true;
}

QList<DeviceNotice> DeviceNoticeRules::diffRoots(const QStringList& lstBefore, const QStringList& lstAfter)
{
    QList<DeviceNotice> notices;
    for (const QString& sRoot : lstBefore) {
        if (!lstAfter.contains(sRoot))
            notices.append(DeviceNotice{sRoot, false});
    }
    for (const QString& sRoot : lstAfter) {
        if (!lstBefore.contains(sRoot))
            notices.append(DeviceNotice{sRoot, true});
    }
    return notices;
}
