#include "DevMonitorThread.h"

#include "ComDevice.h"
#include "DriveIdentity.h"
#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "platform/DeviceNoticeRules.h"
#include "platform/DevicePath.h"
#include "platform/Platform.h"
#include "platform/SerialPorts.h"
#include "platform/VolumeInfo.h"

#include <QElapsedTimer>
#include <QFile>

namespace
{
const int SERIAL_READ_PAUSE_MS = 50;
const int SERIAL_BUSY_PAUSE_MS = 250;
// A pass over the volumes pauses as long as a pass over the nineteen candidate drive letters used to.
const int PAUSES_PER_PASS = 20;
} // namespace

DevMonitorThread::DevMonitorThread(QObject* pParent)
    : DevMonitorThread(nullptr, nullptr, SerialLinkFactory(), pParent)
{
}

DevMonitorThread::DevMonitorThread(VolumeInfo* pVolumes, SerialPorts* pPorts, SerialLinkFactory linkFactory,
                                   QObject* pParent)
    : QThread(pParent), m_pVolumes(pVolumes ? pVolumes : &Platform::volumes()),
      m_pPorts(pPorts ? pPorts : &Platform::serialPorts()),
      m_linkFactory(linkFactory ? std::move(linkFactory) : Platform::serialLinks())
{
    Worker::registerMetaTypes();
    qRegisterMetaType<DeviceNotice>("UsbNotification::USBNOTIFYINFO");
    qRegisterMetaType<DeviceNotice>("DeviceNotice");
}

DevMonitorThread::~DevMonitorThread()
{
    if (!stopMonitor()) {
        // A thread may not be destroyed while it runs. Only a check wedged in the system itself (a volume
        // that no longer answers) gets here; the agent's own quit stops the monitor without deleting it.
        writeLog(1, "[DevMonitorThread][~DevMonitorThread] waiting for the monitor thread");
        wait();
    }
}

bool DevMonitorThread::stopMonitor(int nWaitMs)
{
    {
        QMutexLocker lock(&m_pauseMutex);
        m_bStopping = true;
        m_pauseWake.wakeAll();
    }
    quit();
    if (wait(ulong(qMax(nWaitMs, 0))))
        return true;
    writeLog(1, "[DevMonitorThread][stopMonitor] the monitor thread did not end within %d ms", nWaitMs);
    return false;
}

bool DevMonitorThread::pause(int nMs)
{
    QMutexLocker lock(&m_pauseMutex);
    if (!m_bStopping && nMs > 0)
        m_pauseWake.wait(&m_pauseMutex, ulong(nMs));
    return !m_bStopping;
}

void DevMonitorThread::run()
{
    writeLog(1, "[DevMonitorThread][RUN]Current Thread %lld",
             static_cast<long long>(quintptr(currentThreadId())));
    QObject context;
    {
        QMutexLocker lock(&m_queueMutex);
        m_pContext = &context;
    }
    scanAtStart();
    QList<UsbNotification::USBNOTIFYINFO> lstPending;
    {
        QMutexLocker lock(&m_queueMutex);
        lstPending.swap(m_lstPending);
    }
    for (const UsbNotification::USBNOTIFYINFO& notice : lstPending)
        procNotice(notice);
    exec();
    {
        QMutexLocker lock(&m_queueMutex);
        m_pContext = nullptr;
    }
    writeLog(1, "[DevMonitorThread][RUN][End]");
}

void DevMonitorThread::scanAtStart(const QStringList& lstSkipped)
{
    if (checkWendo100Dev())
        return;
    const QStringList lstRoots = m_pVolumes->volumeRoots();
    for (const QString& sRoot : lstRoots) {
        if (lstSkipped.contains(sRoot))
            continue;
        if (m_bStopping || checkWendo500Dev(UsbNotification::USBNOTIFYINFO{sRoot, true}))
            return;
    }
}

void DevMonitorThread::notifyDev(UsbNotification::USBNOTIFYINFO usbnotifyinfo)
{
    writeLog(1, "[DevMonitorThread][notifyDev][Entry]");
    QMutexLocker lock(&m_queueMutex);
    if (m_pContext)
        QMetaObject::invokeMethod(
            m_pContext, [this, usbnotifyinfo]() { procNotice(usbnotifyinfo); }, Qt::QueuedConnection);
    else
        m_lstPending.append(usbnotifyinfo);
    writeLog(1, "[DevMonitorThread][notifyDev][End]");
}

void DevMonitorThread::procNotice(const UsbNotification::USBNOTIFYINFO& notice)
{
    if (m_bStopping)
        return;
    const int nNoticesBefore = m_nNoticesSent;
    if (notice.sPath == QLatin1String(SERIAL_PORT_PATH))
        checkWendo100Dev();
    else
        checkWendo500Dev(notice);
    if (m_nNoticesSent != nNoticesBefore && !m_bLastArrival && !m_bStopping)
        lookAgainAfterRemoval();
    m_lstGoneRoots.clear();
}

// The device reported is one of those attached: with two on the machine, the one reported may leave while
// the other stays. After a removal the monitor tells again of a device of the other family it holds, or
// looks for one as at start, so that the windows show what is still attached. The drives of the device
// that left are not looked at: their own notices may still be on their way.
void DevMonitorThread::lookAgainAfterRemoval()
{
    writeLog(1, "[DevMonitorThread][lookAgainAfterRemoval][Entry]");
    if (!tellOtherFamily())
        scanAtStart(m_lstGoneRoots);
    writeLog(1, "[DevMonitorThread][lookAgainAfterRemoval][End]");
}

bool DevMonitorThread::tellOtherFamily()
{
    QMutexLocker lock(&m_mutex);
    if (m_presence.serialPresent())
        emitNotice(true, Worker::FAMILY_SERIAL);
    else if (m_presence.drivePresent())
        emitNotice(true, Worker::FAMILY_DRIVE);
    else
        return false;
    return true;
}

void DevMonitorThread::emitNotice(bool bArrival, Worker::DeviceFamily family)
{
    Worker::DEVINFOEX devinfo;
    devinfo.bArrival = bArrival;
    devinfo.type = family;
    if (family == Worker::FAMILY_SERIAL) {
        devinfo.devInfo = m_comDevInfo;
        devinfo.sComPort = m_comDevInfo.sComPort;
    } else {
        devinfo.devInfo = m_driveDevInfo;
        devinfo.lstDrive = m_driveDevInfo.lstDrive;
    }
    ++m_nNoticesSent;
    m_bLastArrival = bArrival;
    emit notityWendoDev(devinfo);
}

bool DevMonitorThread::getDiskFreeSpace(const QString& sRoot, quint64* pnBytes) const
{
    return m_pVolumes->freeSpace(sRoot, pnBytes);
}

// ---- serial family ----

QStringList DevMonitorThread::getComPortList()
{
    QStringList lstPorts;
    const QList<SerialPortEntry> entries = m_pPorts->ports();
    for (const SerialPortEntry& entry : entries)
        lstPorts.append(entry.sName);
    return lstPorts;
}

bool DevMonitorThread::detectWendo100Dev(const QString& sPort)
{
    const QList<SerialPortEntry> entries = m_pPorts->ports();
    for (const SerialPortEntry& entry : entries) {
        if (entry.sName == sPort && entry.bHasIds && entry.nVendorId == DeviceNoticeRules::SERIAL_VENDOR_ID &&
            entry.nProductId == DeviceNoticeRules::SERIAL_PRODUCT_ID) {
            writeLog(1, "[DevMonitorThread][detectWendo100Dev] comPort:%s", qUtf8Printable(sPort));
            return true;
        }
    }
    return false;
}

QStringList DevMonitorThread::devicePorts()
{
    QStringList lstDevicePorts;
    const QStringList lstPorts = getComPortList();
    for (const QString& sPort : lstPorts) {
        writeLog(1, "[DevMonitorThread][checkWendo100Dev] detect com:%s", qUtf8Printable(sPort));
        if (!sPort.isEmpty() && detectWendo100Dev(sPort))
            lstDevicePorts.append(sPort);
    }
    return lstDevicePorts;
}

bool DevMonitorThread::checkWendo100Dev()
{
    QMutexLocker lock(&m_mutex);
    writeLog(1, "[DevMonitorThread][checkWendo100Dev][Entry]");
    const QStringList lstDevicePorts = devicePorts();
    const DevicePresence::Action action = m_presence.serialAction(lstDevicePorts);
    bool bReported = false;
    if (action == DevicePresence::ACTION_REMOVE || action == DevicePresence::ACTION_REMOVE_AND_IDENTIFY) {
        reportSerialRemoval();
        bReported = true;
    }
    if (action == DevicePresence::ACTION_IDENTIFY || action == DevicePresence::ACTION_REMOVE_AND_IDENTIFY) {
        for (const QString& sPort : lstDevicePorts) {
            if (m_bStopping)
                break;
            if (identifySerial(sPort)) {
                bReported = true;
                break;
            }
        }
    }
    writeLog(1, "[DevMonitorThread][checkWendo100Dev][End]");
    return bReported;
}

bool DevMonitorThread::readSerialField(ComDevice& device, bool (ComDevice::*pGetter)(QString&),
                                       bool bPauseBeforeRetry, QString* pValue)
{
    QString sValue;
    if ((device.*pGetter)(sValue) ||
        ((!bPauseBeforeRetry || pause(SERIAL_READ_PAUSE_MS)) && (device.*pGetter)(sValue))) {
        *pValue = sValue;
        return true;
    }
    return false;
}

bool DevMonitorThread::waitForPort(const QString& sPort)
{
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        const std::unique_ptr<SerialLink> pLink = m_linkFactory(sPort);
        if (!pLink)
            return false;
        if (pLink->open()) {
            pLink->close();
            return true;
        }
        const SerialLink::OpenFailure failure = pLink->openFailure();
        if (failure == SerialLink::OPEN_DENIED) {
            writeLog(1, "[DevMonitorThread][waitForPort] no permission to open %s", qUtf8Printable(sPort));
            if (!m_lstRefusedPorts.contains(sPort)) {
                m_lstRefusedPorts.append(sPort);
                emit serialPortRefused(sPort);
            }
            return false;
        }
        if (failure != SerialLink::OPEN_BUSY || timer.elapsed() >= AgentTiming::ms(AgentTiming::SERIAL_BUSY))
            return true; // the reads below try again and log what they find
        writeLog(1, "[DevMonitorThread][waitForPort] %s is busy, trying again", qUtf8Printable(sPort));
        if (!pause(SERIAL_BUSY_PAUSE_MS))
            return false;
    }
}

bool DevMonitorThread::identifySerial(const QString& sPort)
{
    if (!waitForPort(sPort))
        return false;
    ComDevice device(sPort, m_linkFactory);
    COMDEVINFO info;
    const bool bFirmware = readSerialField(device, &ComDevice::getFirmware, true, &info.sFirmware);
    pause(SERIAL_READ_PAUSE_MS);
    readSerialField(device, &ComDevice::getUuid, true, &info.sUUID);
    pause(SERIAL_READ_PAUSE_MS);
    const bool bSku = readSerialField(device, &ComDevice::getSkuId, true, &info.sSkuID);
    pause(SERIAL_READ_PAUSE_MS);
    const bool bHwName = readSerialField(device, &ComDevice::getHwName, false, &info.sHWName);
    if (info.sUUID.isEmpty()) {
        // No settings group may be named "": a device that does not tell its UUID is not reported.
        writeLog(1, "[DevMonitorThread][checkWendo100Dev] no UUID on %s", qUtf8Printable(sPort));
        return false;
    }
    // A field that could not be read keeps what the same device told last time.
    if (info.sUUID == m_comDevInfo.sUUID) {
        info.sFirmware = bFirmware ? info.sFirmware : m_comDevInfo.sFirmware;
        info.sSkuID = bSku ? info.sSkuID : m_comDevInfo.sSkuID;
        info.sHWName = bHwName ? info.sHWName : m_comDevInfo.sHWName;
    }
    info.sComPort = sPort;
    m_comDevInfo = info;
    m_presence.setSerialPresent(sPort);
    writeLog(
        1,
        "[DevMonitorThread][checkWendo100Dev] UUID:%s  Firmware:%s  SkuID:%s  HWName:%s, Port:%s Arrival:%d",
        qUtf8Printable(info.sUUID), qUtf8Printable(info.sFirmware), qUtf8Printable(info.sSkuID),
        qUtf8Printable(info.sHWName), qUtf8Printable(sPort), 1);
    emitNotice(true, Worker::FAMILY_SERIAL);
    return true;
}

void DevMonitorThread::reportSerialRemoval()
{
    m_presence.setSerialAbsent();
    emitNotice(false, Worker::FAMILY_SERIAL);
    writeLog(1, "[DevMonitorThread][checkWendo100Dev][plug-off] %s", qUtf8Printable(m_comDevInfo.sComPort));
}

// ---- drive family ----

QString DevMonitorThread::getVolumeLabel(const QString& sRoot) const
{
    return m_pVolumes->volumeLabel(sRoot).trimmed();
}

bool DevMonitorThread::isSystemDrive(const QString& sRoot)
{
    const QString sLabel = getVolumeLabel(sRoot).toUpper();
    return sLabel == "ZEQ_SYSTEM" || sLabel == "QRV_SYSTEM" ||
           QFile::exists(DevicePath::resolve(sRoot, "device.xml"));
}

bool DevMonitorThread::isDataDrive(const QString& sRoot)
{
    const QString sLabel = getVolumeLabel(sRoot).toUpper();
    return sLabel == "ZEQ_DATA" || sLabel == "QRV_DATA" ||
           QFile::exists(DevicePath::resolve(sRoot, "user.xml"));
}

QString DevMonitorThread::findSystemDrive()
{
    const QStringList lstRoots = m_pVolumes->volumeRoots();
    for (const QString& sRoot : lstRoots) {
        if (isSystemDrive(sRoot))
            return sRoot;
    }
    return QString();
}

bool DevMonitorThread::checkWendo500Dev(UsbNotification::USBNOTIFYINFO usbnotifyinfo)
{
    QMutexLocker lock(&m_mutex);
    const QString sRoot = DevicePath::normalizeRoot(usbnotifyinfo.sPath);
    writeLog(1, "[DevMonitorThread][checkWendo500Dev][Entry]");
    writeLog(1, "[DevMonitorThread][checkWendo500Dev] drive:%s %s arrival:%d", qUtf8Printable(sRoot),
             qUtf8Printable(getVolumeLabel(sRoot).toUpper()), int(usbnotifyinfo.bArrival));
    switch (m_presence.driveAction(sRoot, usbnotifyinfo.bArrival)) {
    case DevicePresence::ACTION_REMOVE:
    case DevicePresence::ACTION_REMOVE_AND_IDENTIFY:
        reportDriveRemoval();
        return true;
    case DevicePresence::ACTION_IDENTIFY: {
        // The data drive may be mounted before the system drive: then the system drive is looked for.
        QString sSystemRoot = isSystemDrive(sRoot) ? sRoot : QString();
        if (sSystemRoot.isEmpty() && isDataDrive(sRoot))
            sSystemRoot = findSystemDrive();
        if (!sSystemRoot.isEmpty() && identifyDrive(sSystemRoot))
            return true;
        break;
    }
    case DevicePresence::ACTION_NOTHING:
        break;
    }
    writeLog(1, "[DevMonitorThread][checkWendo500Dev][End]");
    return false;
}

bool DevMonitorThread::identifyDrive(const QString& sRoot)
{
    DRIVEDEVINFO info;
    if (!DriveIdentity::read(sRoot, &info)) {
        writeLog(1, "[DevMonitorThread][checkWendo500Dev] no identity in %s", qUtf8Printable(sRoot));
        return false;
    }
    info.lstDrive.append(sRoot);
    QString sDataRoot;
    if (!findDataDrive(sRoot, &sDataRoot))
        return false;
    if (!sDataRoot.isEmpty())
        info.lstDrive.append(sDataRoot);
    m_driveDevInfo = info;
    m_presence.setDrivePresent(info.lstDrive);
    writeLog(1,
             "[DevMonitorThread][checkWendo500Dev] UUID:%s  Firmware:%s  SkuID:%s  HWName:%s, Zeq_sys:%s "
             "Zeq_data:%s",
             qUtf8Printable(info.sUUID), qUtf8Printable(info.sFirmware), qUtf8Printable(info.sSkuID),
             qUtf8Printable(info.sHWName), qUtf8Printable(sRoot), qUtf8Printable(sDataRoot));
    emitNotice(true, Worker::FAMILY_DRIVE);
    writeLog(1, "[DevMonitorThread][checkWendo500Dev][Plug-in]");
    return true;
}

bool DevMonitorThread::findDataDrive(const QString& sSystemRoot, QString* pDataRoot)
{
    const int nPasses = AgentTiming::ms(AgentTiming::DRIVE_PASSES);
    const int nPause = AgentTiming::ms(AgentTiming::DRIVE_PASS_PAUSE) * PAUSES_PER_PASS;
    for (int nPass = 0; nPass < nPasses; ++nPass) {
        const QStringList lstRoots = m_pVolumes->volumeRoots();
        if (!lstRoots.contains(sSystemRoot)) {
            writeLog(1, "[DevMonitorThread][checkWendo500Dev] %s went away", qUtf8Printable(sSystemRoot));
            return false;
        }
        for (const QString& sCandidate : lstRoots) {
            if (sCandidate != sSystemRoot && isDataDrive(sCandidate)) {
                *pDataRoot = sCandidate;
                return true;
            }
        }
        if (nPass + 1 < nPasses && !pause(nPause))
            return false;
    }
    pDataRoot->clear();
    return true;
}

void DevMonitorThread::reportDriveRemoval()
{
    m_lstGoneRoots = m_presence.drives();
    m_presence.setDriveAbsent();
    emitNotice(false, Worker::FAMILY_DRIVE);
    writeLog(1, "[DevMonitorThread][checkWendo500Dev][Device Plug-off]");
}
