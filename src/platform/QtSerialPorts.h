#pragma once

#include "SerialPorts.h"

// The ports QSerialPortInfo finds (udev or sysfs below it). For trying the agent by hand with a simulated
// device, the environment variable WENDO_SERIAL_PORTS may name further ports (device paths separated by
// ":"); each that exists is listed with the serial family's USB ids.
class QtSerialPorts : public SerialPorts
{
public:
    QList<SerialPortEntry> ports() const override;

    // The extra ports a WENDO_SERIAL_PORTS value names, whether or not they exist.
    static QStringList extraPorts(const QString& sValue);
};
