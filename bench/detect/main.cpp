// Latency from a device appearing to the monitor's report, for both families, and the CPU the watch
// uses while nothing changes. See bench/README.md.
#include "core/AgentTiming.h"
#include "device/DevMonitorThread.h"
#include "device/UsbMonitor.h"
#include "platform/LinuxVolumeInfo.h"
#include "support/DriveTree.h"
#include "support/FakeDeviceNotices.h"
#include "support/FakeSerialPorts.h"
#include "support/FakeVolumeInfo.h"
#include "support/SerialDeviceSim.h"
#include "support/TestFolders.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace
{
// Waits until the monitor reports a change with the given arrival flag; the latency in ms or -1.
class Waiter : public QObject
{
public:
    explicit Waiter(DevMonitorThread* pMonitor)
    {
        connect(pMonitor, &DevMonitorThread::notityWendoDev, this, [this](Worker::DEVINFOEX devinfo) {
            m_nLastMs = m_timer.elapsed();
            m_bLastArrival = devinfo.bArrival;
            m_loop.quit();
        });
    }
    void arm()
    {
        m_timer.start();
        m_nLastMs = -1;
    }
    qint64 wait(bool bArrival, int nTimeoutMs)
    {
        QTimer::singleShot(nTimeoutMs, &m_loop, &QEventLoop::quit);
        while (m_nLastMs < 0 || m_bLastArrival != bArrival) {
            if (m_timer.elapsed() > nTimeoutMs)
                return -1;
            m_loop.exec();
        }
        return m_nLastMs;
    }

private:
    QElapsedTimer m_timer;
    QEventLoop m_loop;
    qint64 m_nLastMs = -1;
    bool m_bLastArrival = false;
};

bool run(const QString& sProgram, const QStringList& args)
{
    QProcess process;
    process.start(sProgram, args);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

void report(const char* szWhat, QList<qint64> lstMs)
{
    if (lstMs.isEmpty()) {
        std::printf("%-34s no successful round\n", szWhat);
        return;
    }
    std::sort(lstMs.begin(), lstMs.end());
    std::printf("%-34s min %4lld ms  median %4lld ms  max %4lld ms  (%d rounds)  goal < 1000 ms: %s\n",
                szWhat, lstMs.first(), lstMs.at(lstMs.size() / 2), lstMs.last(), int(lstMs.size()),
                lstMs.last() < 1000 ? "met" : "MISSED");
}

// Real mounts: a data folder and a system folder bind-mounted while the production watch runs.
bool benchBindMounts(int nRounds, QList<qint64>* pLatencies)
{
    QTemporaryDir sysDir, dataDir, sysMount, dataMount;
    TestFolders::writeFile(sysDir.path() + "/device.xml",
                           DriveTree::deviceXml("BENCH-UUID", "SKU-B", "Wendo 500", "1.0", "Z500"));
    QFile user(dataDir.path() + "/user.xml");
    if (!user.open(QIODevice::WriteOnly))
        return false;
    user.close();
    FakeSerialPorts ports;
    LinuxVolumeInfo volumes;
    UsbMonitor usbMonitor;
    DevMonitorThread monitor(&volumes, &ports, SerialLinkFactory());
    QObject::connect(&usbMonitor, &UsbMonitor::notifyDev, &monitor, &DevMonitorThread::notifyDev);
    Waiter waiter(&monitor);
    usbMonitor.startMonitor();
    monitor.start();
    bool bMounted = true;
    for (int i = 0; i < nRounds && bMounted; ++i) {
        bMounted = run("mount", {"--bind", dataDir.path(), dataMount.path()});
        waiter.arm();
        bMounted = bMounted && run("mount", {"--bind", sysDir.path(), sysMount.path()});
        const qint64 nMs = bMounted ? waiter.wait(true, 20000) : -1;
        if (nMs >= 0)
            pLatencies->append(nMs);
        run("umount", {sysMount.path()});
        run("umount", {dataMount.path()});
        waiter.arm();
        waiter.wait(false, 5000);
    }
    return bMounted;
}

// Without mount rights: the fake source and volumes, with the real threads and timing.
void benchFakeVolumes(int nRounds, QList<qint64>* pLatencies)
{
    QTemporaryDir sysDir, dataDir;
    TestFolders::writeFile(sysDir.path() + "/device.xml",
                           DriveTree::deviceXml("BENCH-UUID", "SKU-B", "Wendo 500", "1.0", "Z500"));
    FakeVolumeInfo volumes;
    FakeSerialPorts ports;
    auto pSource = std::make_unique<FakeDeviceNotices>();
    FakeDeviceNotices* pFake = pSource.get();
    UsbMonitor usbMonitor(std::move(pSource));
    DevMonitorThread monitor(&volumes, &ports, SerialLinkFactory());
    QObject::connect(&usbMonitor, &UsbMonitor::notifyDev, &monitor, &DevMonitorThread::notifyDev);
    Waiter waiter(&monitor);
    usbMonitor.startMonitor();
    monitor.start();
    for (int i = 0; i < nRounds; ++i) {
        volumes.addVolume(dataDir.path(), "ZEQ_DATA");
        waiter.arm();
        volumes.addVolume(sysDir.path(), "ZEQ_SYSTEM");
        pFake->send(sysDir.path() + "/", true);
        const qint64 nMs = waiter.wait(true, 20000);
        if (nMs >= 0)
            pLatencies->append(nMs);
        volumes.clear();
        waiter.arm();
        pFake->send(sysDir.path() + "/", false);
        waiter.wait(false, 5000);
    }
}

void benchSerial(int nRounds, QList<qint64>* pLatencies)
{
    SerialDeviceSim sim;
    if (!sim.start()) {
        std::printf("serial: no pseudo-terminal available\n");
        return;
    }
    sim.setIdentity("BENCH-SERIAL", "SKU-S", "Wendo 100", "1.0.0");
    FakeVolumeInfo volumes;
    FakeSerialPorts ports;
    auto pSource = std::make_unique<FakeDeviceNotices>();
    FakeDeviceNotices* pFake = pSource.get();
    UsbMonitor usbMonitor(std::move(pSource));
    DevMonitorThread monitor(&volumes, &ports, SerialLinkFactory());
    QObject::connect(&usbMonitor, &UsbMonitor::notifyDev, &monitor, &DevMonitorThread::notifyDev);
    Waiter waiter(&monitor);
    usbMonitor.startMonitor();
    monitor.start();
    for (int i = 0; i < nRounds; ++i) {
        waiter.arm();
        ports.addPort(sim.portName(), 0x0483, 0x5740);
        pFake->sendSerial(true);
        const qint64 nMs = waiter.wait(true, 20000);
        if (nMs >= 0)
            pLatencies->append(nMs);
        ports.clear();
        waiter.arm();
        pFake->sendSerial(false);
        waiter.wait(false, 5000);
    }
}

void benchIdle(int nSeconds)
{
    FakeSerialPorts ports;
    LinuxVolumeInfo volumes;
    UsbMonitor usbMonitor;
    DevMonitorThread monitor(&volumes, &ports, SerialLinkFactory());
    QObject::connect(&usbMonitor, &UsbMonitor::notifyDev, &monitor, &DevMonitorThread::notifyDev);
    usbMonitor.startMonitor();
    monitor.start();
    QEventLoop settle;
    QTimer::singleShot(300, &settle, &QEventLoop::quit);
    settle.exec();
    const std::clock_t nStart = std::clock();
    QEventLoop idle;
    QTimer::singleShot(nSeconds * 1000, &idle, &QEventLoop::quit);
    idle.exec();
    const double dCpuMs = double(std::clock() - nStart) * 1000.0 / CLOCKS_PER_SEC;
    std::printf("%-34s %.1f ms of CPU in %d s idle (whole process)\n", "idle watch", dCpuMs, nSeconds);
}
} // namespace

// A simulated serial-family device for trying the agent by hand; runs until interrupted.
int serveSerial(const QString& sUuid)
{
    SerialDeviceSim sim;
    if (!sim.start()) {
        std::fprintf(stderr, "no pseudo-terminal available\n");
        return 1;
    }
    sim.setIdentity(sUuid, "SKU-100", "Wendo 100", "1.0.7");
    std::printf("%s\n", qPrintable(sim.portName()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && QString(argv[1]) == "--serve-serial")
        return serveSerial(argc > 2 ? QString(argv[2]) : QString("SIM-UUID-0001"));
    const int nRounds = argc > 1 ? QString(argv[1]).toInt() : 10;
    const int nIdleSeconds = argc > 2 ? QString(argv[2]).toInt() : 5;
    // No data drive search is needed: the data drive is always there first.
    AgentTiming::set(AgentTiming::DRIVE_PASSES, 50);

    QList<qint64> lstVolume;
    if (benchBindMounts(nRounds, &lstVolume)) {
        report("volume (bind mount, real watch)", lstVolume);
    } else {
        lstVolume.clear();
        benchFakeVolumes(nRounds, &lstVolume);
        report("volume (fake source, no mount)", lstVolume);
    }
    QList<qint64> lstSerial;
    benchSerial(nRounds, &lstSerial);
    report("serial (pty, identity read)", lstSerial);
    benchIdle(nIdleSeconds);
    return 0;
}
