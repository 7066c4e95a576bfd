#pragma once

#include "DevicePresence.h"
#include "UsbNotification.h"
#include "core/Worker.h"
#include "platform/SerialLink.h"

#include <QList>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <memory>

class ComDevice;
class SerialPorts;
class VolumeInfo;

// Decides whether a device of either family is attached, reads its identity and versions, and reports
// each plug-in and plug-off by notityWendoDev. At start it scans once (the serial family first, then the
// volumes); afterwards every notice given to notifyDev is checked in this thread, never in the caller's.
//
// Presence is kept per family with the port or the drives the device was found on: only the going away
// of that port or of a recorded drive reports a removal, and a notice of one family never removes a device
// of the other. After a removal it looks again for a device still attached (the other family's, or one
// more on the volumes), so one of two devices leaving does not leave the agent with none. The record
// travels by value in the signal; connect it queued (the default across threads).
class DevMonitorThread : public QThread
{
    Q_OBJECT

public:
    // The serial family's record: the identity and the port it answers on.
    struct COMDEVINFO : Worker::DEVINFO {
        QString sComPort;
    };
    // The drive family's record: the identity and its drive roots, system drive first, data drive second
    // when one was found.
    struct DRIVEDEVINFO : Worker::DEVINFO {
        QStringList lstDrive;
    };

    // The volumes, serial ports and serial links Platform gives at construction.
    explicit DevMonitorThread(QObject* pParent = nullptr);
    // Tests: the given sources (not owned; they must outlive the monitor). A null pointer or an empty link
    // factory takes Platform's, which for the links opens the real ports, as a pseudo-terminal test wants.
    DevMonitorThread(VolumeInfo* pVolumes, SerialPorts* pPorts, SerialLinkFactory linkFactory,
                     QObject* pParent = nullptr);
    ~DevMonitorThread() override;

    // How long a stop waits for the thread by default: a check ends at its next pause or file, all of
    // which are bounded, so this is only reached when the system itself does not answer.
    enum { STOP_WAIT_MS = 5000 };

    // Ends a running search, quits the event loop and waits for the thread at most nWaitMs. True when the
    // thread has ended; false (logged) when it still runs, so that quitting never hangs on the monitor.
    // The destructor stops too, and then waits for as long as it takes.
    bool stopMonitor(int nWaitMs = STOP_WAIT_MS);

    // The serial family's check: true when it reported a plug-in or plug-off.
    bool checkWendo100Dev();
    // The drive family's check of one volume root: true when it reported a plug-in or plug-off.
    bool checkWendo500Dev(UsbNotification::USBNOTIFYINFO usbnotifyinfo);
    // Every serial port's name, in the system's order.
    QStringList getComPortList();
    // True when the port carries the serial family's USB ids (vendor 0483, product 5740).
    bool detectWendo100Dev(const QString& sPort);
    // The volume's label, trimmed; "" without one. Safe from any thread.
    QString getVolumeLabel(const QString& sRoot) const;
    // Free bytes on a volume (e.g. the device's first drive root); false when the query failed, which
    // callers count as not enough room. Safe from any thread.
    bool getDiskFreeSpace(const QString& sRoot, quint64* pnBytes) const;

public slots:
    // One notice; safe from any thread. The check runs later in the monitor thread (notices that come
    // before the thread runs are kept and checked after its start-up scan).
    void notifyDev(UsbNotification::USBNOTIFYINFO usbnotifyinfo);

signals:
    // Emitted in the monitor thread, once per reported plug-in or plug-off.
    void notityWendoDev(Worker::DEVINFOEX devinfo);
    // Emitted in the monitor thread the first time the device's port sPort cannot be opened because the
    // user may not use it; later refusals of the same port are only logged.
    void serialPortRefused(QString sPort);

protected:
    void run() override;

private:
    void procNotice(const UsbNotification::USBNOTIFYINFO& notice);
    // The serial family first, then each volume but the skipped roots, up to the first device found.
    void scanAtStart(const QStringList& lstSkipped = QStringList());
    void lookAgainAfterRemoval();
    // Tells again of the device of a family still present; false when neither family holds one.
    bool tellOtherFamily();
    QStringList devicePorts();
    bool identifySerial(const QString& sPort);
    // Opens the port once to see that it can be had: a busy port (the modem manager probing a new port)
    // is tried again for a few seconds; a refused one is told once.
    bool waitForPort(const QString& sPort);
    bool readSerialField(ComDevice& device, bool (ComDevice::*pGetter)(QString&), bool bPauseBeforeRetry,
                         QString* pValue);
    void reportSerialRemoval();
    bool isSystemDrive(const QString& sRoot);
    bool isDataDrive(const QString& sRoot);
    QString findSystemDrive();
    bool identifyDrive(const QString& sRoot);
    bool findDataDrive(const QString& sSystemRoot, QString* pDataRoot);
    void reportDriveRemoval();
    void emitNotice(bool bArrival, Worker::DeviceFamily family);
    // A pause that a stop ends early; false when the monitor is stopping.
    bool pause(int nMs);

    VolumeInfo* m_pVolumes;
    SerialPorts* m_pPorts;
    SerialLinkFactory m_linkFactory;

    COMDEVINFO m_comDevInfo;
    DRIVEDEVINFO m_driveDevInfo;
    DevicePresence m_presence;
    QStringList m_lstRefusedPorts; // told already
    int m_nNoticesSent = 0;        // written under m_mutex, read in the monitor thread
    bool m_bLastArrival = false;   // the flag of the last notice sent
    QStringList m_lstGoneRoots;    // the drives of a drive device whose removal the notice in hand reported
    QMutex m_mutex;                // held for each check

    QMutex m_queueMutex;
    QObject* m_pContext = nullptr; // lives in the monitor thread while it runs
    QList<UsbNotification::USBNOTIFYINFO> m_lstPending;

    QMutex m_pauseMutex;
    QWaitCondition m_pauseWake;
    std::atomic<bool> m_bStopping{false};
};
