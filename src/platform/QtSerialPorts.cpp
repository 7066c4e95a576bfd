#include "QtSerialPorts.h"

#include "DeviceNoticeRules.h"

#include <QFileInfo>
#include <QSerialPortInfo>

QStringList QtSerialPorts::extraPorts(const QString& sValue)
{
    return sValue.split(':', Qt::SkipEmptyParts);
}

QList<SerialPortEntry> QtSerialPorts::ports() const
{
    QList<SerialPortEntry> entries;
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : infos) {
        SerialPortEntry entry;
        entry.sName = info.systemLocation();
        entry.bHasIds = info.hasVendorIdentifier() && info.hasProductIdentifier();
        entry.nVendorId = info.vendorIdentifier();
        entry.nProductId = info.productIdentifier();
        entries.append(entry);
    }
    const QStringList lstExtra = extraPorts(qEnvironmentVariable("WENDO_SERIAL_PORTS"));
    for (const QString& sPort : lstExtra) {
        if (!QFileInfo::exists(sPort))
            continue;
        SerialPortEntry entry;
        entry.sName = sPort;
        entry.bHasIds = true;
        entry.nVendorId = DeviceNoticeRules::SERIAL_VENDOR_ID;
        entry.nProductId = DeviceNoticeRules::SERIAL_PRODUCT_ID;
        entries.append(entry);
    }
    return entries;
}
