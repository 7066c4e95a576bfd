#pragma once

#include <QMetaType>
#include <QString>

// One raw device notice: a volume root that was mounted or went away, or the serial family's port.
// The device layer knows it as UsbNotification::USBNOTIFYINFO.
struct DeviceNotice {
    // A volume's mount path ending in "/", or SERIAL_PORT_PATH for the serial family.
    QString sPath;
    // True for an arrival, false for a removal.
    bool bArrival = false;
};

// The literal path of every notice about the serial family's port.
inline const char* const SERIAL_PORT_PATH = "virtual com port";

Q_DECLARE_METATYPE(DeviceNotice)
