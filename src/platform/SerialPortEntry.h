#pragma once

#include <QString>

// One serial port as the system lists it.
struct SerialPortEntry {
    QString sName;        // the name the link opens: the device path, e.g. /dev/ttyACM0
    bool bHasIds = false; // the port sits on USB and told its ids
    quint16 nVendorId = 0;
    quint16 nProductId = 0;
};
