#pragma once

#include "platform/SerialPorts.h"

#include <QMutex>

// Ports for tests, typically a pseudo-terminal listed with the device's ids.
class FakeSerialPorts : public SerialPorts
{
public:
    void addPort(const QString& sName, quint16 nVendorId, quint16 nProductId);
    void addPortWithoutIds(const QString& sName);
    void removePort(const QString& sName);
    void clear();

    QList<SerialPortEntry> ports() const override;

private:
    mutable QMutex m_mutex;
    QList<SerialPortEntry> m_lstPorts;
};
