#include "FakeSerialPorts.h"

void FakeSerialPorts::addPort(const QString& sName, quint16 nVendorId, quint16 nProductId)
{
    QMutexLocker lock(&m_mutex);
    SerialPortEntry entry;
    entry.sName = sName;
    entry.bHasIds = true;
    entry.nVendorId = nVendorId;
    entry.nProductId = nProductId;
    m_lstPorts.append(entry);
}

void FakeSerialPorts::addPortWithoutIds(const QString& sName)
{
    QMutexLocker lock(&m_mutex);
    SerialPortEntry entry;
    entry.sName = sName;
    m_lstPorts.append(entry);
}

void FakeSerialPorts::removePort(const QString& sName)
{
    QMutexLocker lock(&m_mutex);
    for (int i = m_lstPorts.size() - 1; i >= 0; --i) {
        if (m_lstPorts.at(i).sName == sName)
            m_lstPorts.removeAt(i);
    }
}

void FakeSerialPorts::clear()
{
    QMutexLocker lock(&m_mutex);
    m_lstPorts.clear();
}

QList<SerialPortEntry> FakeSerialPorts::ports() const
{
    QMutexLocker lock(&m_mutex);
    return m_lstPorts;
}
