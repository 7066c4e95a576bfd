#pragma once

#include "support/DriveTree.h"
#include "support/SerialDeviceSim.h"
#include "support/SerialRideScript.h"

#include <QString>

#include <memory>

// The devices of the demo: a serial-family device with a few rides on a pseudo-terminal, or (root only)
// a drive-family device as a system and a data drive on loop-mounted ext4 images, plugged in and out on
// request. Everything is undone by the destructor.
class DemoDevices
{
public:
    static const char* const SERIAL_UUID;
    static const char* const DRIVE_UUID;
    enum { SERIAL_RIDES = 3, DRIVE_RIDES = 1 };

    DemoDevices();
    ~DemoDevices();

    bool startSerial(QString* pWhy);
    QString serialPort() const { return m_sim.portName(); }

    // Builds the drive images, in sFolder (made if missing) or else the temporary folder; false (with
    // pWhy) when the system does not allow it, e.g. not root.
    bool prepareDrive(QString* pWhy, const QString& sFolder = QString());
    bool isDrivePrepared() const { return m_pSystem && m_pData; }
    bool isDrivePlugged() const { return m_pSystem && m_pSystem->isMounted(); }
    // Mounts both drives (system first) or unmounts them (data first); false with pWhy.
    bool plugDrive(bool bIn, QString* pWhy);
    // The roots of the plugged-in drives ("/" at the end) and their labels, as the volume list shows them.
    QString systemRoot() const { return m_pSystem ? m_pSystem->root() : QString(); }
    QString dataRoot() const { return m_pData ? m_pData->root() : QString(); }
    QString systemLabel() const { return m_pSystem ? m_pSystem->label() : QString(); }
    QString dataLabel() const { return m_pData ? m_pData->label() : QString(); }
    // The route tracks on the plugged-in data drive (GPX files directly in "Korvo/Tracks").
    int driveRoutes() const;

private:
    static SerialRideScript::Ride ride(int nIndex);
    static bool writeSystemDrive(DriveTree* pSystem);
    static bool writeDataDrive(DriveTree* pData);

    SerialDeviceSim m_sim;
    SerialRideScript m_rides;
    std::unique_ptr<DriveTree> m_pSystem;
    std::unique_ptr<DriveTree> m_pData;
};
