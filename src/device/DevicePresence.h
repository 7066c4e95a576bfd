#pragma once

#include <QString>
#include <QStringList>

// What the monitor knows of attached devices, kept per family with the port or the drives each was found
// on, and what a notice means for it. A notice of one family never touches the other family's state.
class DevicePresence
{
public:
    enum Action {
        ACTION_NOTHING,             // nothing to report
        ACTION_IDENTIFY,            // look for a device and report it when identified
        ACTION_REMOVE,              // report the removal of the recorded device
        ACTION_REMOVE_AND_IDENTIFY, // the recorded port went away while another port of the family is listed
    };

    // The serial family, given the ports now listed with the family's ids. A device stays present while
    // its port is listed, whatever other ports come and go.
    Action serialAction(const QStringList& lstDevicePorts) const;
    // The drive family, for a volume root that arrived or went away. Only the removal of a recorded drive
    // removes the device; any arrival while it is present is ignored (one device at a time).
    Action driveAction(const QString& sRoot, bool bArrival) const;

    void setSerialPresent(const QString& sPort);
    void setSerialAbsent();
    void setDrivePresent(const QStringList& lstDrive);
    void setDriveAbsent();

    bool serialPresent() const { return !m_sSerialPort.isEmpty(); }
    bool drivePresent() const { return !m_lstDrive.isEmpty(); }
    QString serialPort() const { return m_sSerialPort; }
    QStringList drives() const { return m_lstDrive; }

private:
    QString m_sSerialPort;
    QStringList m_lstDrive;
};
