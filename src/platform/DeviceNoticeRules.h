#pragma once

#include "DeviceNotice.h"

#include <QList>
#include <QStringList>

// The translation of system events into device notices, as plain functions.
class DeviceNoticeRules
{
public:
    // The serial family's USB ids, as udev writes them (ID_VENDOR_ID, ID_MODEL_ID).
    static constexpr quint16 SERIAL_VENDOR_ID = 0x0483;
    static constexpr quint16 SERIAL_PRODUCT_ID = 0x5740;

    // A udev event about a tty: "add" and "remove" of a port with the serial family's ids give a notice
    // for SERIAL_PORT_PATH; every other event gives none (false).
    static bool fromUdevEvent(const QString& sAction, const QString& sSubsystem, const QString& sVendorId,
                              const QString& sModelId, DeviceNotice* pNotice);
    // True when the hexadecimal ids name the serial family (case and surrounding blanks do not matter).
    static bool isSerialFamily(const QString& sVendorId, const QString& sModelId);
    // The notices that turn the volume roots of one look at the mount table into the next: removals
    // first, then arrivals, each in the order of its list.
    static QList<DeviceNotice> diffRoots(const QStringList& lstBefore, const QStringList& lstAfter);
};
