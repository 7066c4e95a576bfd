#pragma once

#include "SerialPortEntry.h"

#include <QList>

// The serial ports of the machine with their USB vendor and product ids. Safe to call from any thread.
class SerialPorts
{
public:
    virtual ~SerialPorts();
    // In the system's order.
    virtual QList<SerialPortEntry> ports() const = 0;
};
