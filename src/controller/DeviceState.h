#pragma once

#include "core/Worker.h"

#include <QString>

class DevMonitorThread;

// The attached device as the controller knows it: present or not, its family (a Worker::DeviceFamily)
// and its record, with the versions and update state kept in the device's settings group.
class DeviceState
{
public:
    // Until a device arrives the record is of the drive family and names the brand's default SKU.
    explicit DeviceState(bool bQuorvane);

    // The monitor that answers free-space queries; none: every query answers 0.
    void setMonitor(const DevMonitorThread* pMonitor) { m_pMonitor = pMonitor; }

    // Takes one change from the monitor; true when the windows must hear of it. One device at a time: a
    // second arrival, a removal with nothing attached, or the removal of another device changes nothing.
    bool notice(const Worker::DEVINFOEX& devinfoex);

    bool isPresent() const { return m_bPresent; }
    int family() const { return m_nFamily; }
    const Worker::DEVINFOEX& current() const { return m_current; }
    QString uuid() const { return m_current.devInfo.sUUID; }
    // First drive root of the drive family (or the serial port name).
    QString currentDrive() const;

    void saveVersions(const QString& sUUID) const;
    // Reads the attached drive-family device's record again from its system drive, as at plug-in, and
    // keeps its versions in the device's settings group: an install has written new software, firmware
    // or maps onto the device, and the pages and the next check must see what it now holds. False, and
    // the record unchanged, for a serial-family device (an install writes nothing onto it), without a
    // device, or when the drive no longer shows this device (it went away or is restarting).
    bool readVersionsAgain();
    // The device's "update" and "releaseurl" from the update and map work lists.
    void doUpdateSetting() const;
    bool checkSmartRecover() const;
    // Free bytes on the first drive; 0 when the query fails (counted as no room).
    quint64 diskFreeSpace() const;
    // The same, telling a failed query (false) from a full drive (true with 0).
    bool queryDiskFreeSpace(quint64* pnBytes) const;
    // The system drive root of an attached drive-family device; "" for a serial device, a device that
    // left, or a record without drive roots.
    QString systemDriveRoot() const;
    // The volume label of the current record's system drive, trimmed; "" without one.
    QString systemDriveLabel() const;
    // True when the file's MD5 matches (32 "F" accept any file); a mismatched file is removed.
    static bool checkFileChecksum(const QString& sFile, const QString& sServerChecksum);

private:
    bool m_bPresent = false;
    int m_nFamily = Worker::FAMILY_DRIVE;
    Worker::DEVINFOEX m_current;
    const DevMonitorThread* m_pMonitor = nullptr;
};
