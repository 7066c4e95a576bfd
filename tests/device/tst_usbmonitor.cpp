#include "core/AgentTiming.h"
#include "device/DevMonitorThread.h"
#include "device/UsbMonitor.h"
#include "platform/Platform.h"
#include "support/DriveTree.h"
#include "support/FakeDeviceNotices.h"
#include "support/FakeSerialPorts.h"
#include "support/FakeVolumeInfo.h"
#include "support/SerialDeviceSim.h"
#include "support/TestFolders.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <thread>

class TestUsbMonitor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void noticesArriveInTheMonitorsThread();
    void watchStartsAndEnds();
    void serialArrivalEndToEnd();
    void installedSourcesReachDefaultConstruction();

private:
    std::unique_ptr<TestFolders> m_pFolders;
};

void TestUsbMonitor::init()
{
    m_pFolders = std::make_unique<TestFolders>(true);
    AgentTiming::set(AgentTiming::DRIVE_PASSES, 2);
    AgentTiming::set(AgentTiming::DRIVE_PASS_PAUSE, 1);
}

void TestUsbMonitor::cleanup()
{
    AgentTiming::resetDefaults();
    m_pFolders.reset();
}

void TestUsbMonitor::noticesArriveInTheMonitorsThread()
{
    auto pSource = std::make_unique<FakeDeviceNotices>();
    FakeDeviceNotices* pFake = pSource.get();
    UsbMonitor monitor(std::move(pSource));
    QList<UsbNotification::USBNOTIFYINFO> lstSeen;
    QList<QThread*> lstThreads;
    connect(&monitor, &UsbMonitor::notifyDev, this, [&](UsbNotification::USBNOTIFYINFO info) {
        lstSeen.append(info);
        lstThreads.append(QThread::currentThread());
    });
    QVERIFY(monitor.startMonitor());
    QTRY_VERIFY(pFake->isWatching());
    // Sent from another thread, as the real source does from its own.
    std::thread sender([pFake]() {
        pFake->send("/media/u/ZEQ_SYSTEM/", true);
        pFake->sendSerial(false);
    });
    sender.join();
    QTRY_COMPARE(lstSeen.size(), 2);
    QCOMPARE(lstSeen.at(0).sPath, QString("/media/u/ZEQ_SYSTEM/"));
    QVERIFY(lstSeen.at(0).bArrival);
    QCOMPARE(lstSeen.at(1).sPath, QString("virtual com port"));
    QVERIFY(!lstSeen.at(1).bArrival);
    QCOMPARE(lstThreads, QList<QThread*>({QThread::currentThread(), QThread::currentThread()}));
}

namespace
{
// Tells how the watch ended, from inside the source's own destructor (the monitor owns the source).
class WatchProbe : public FakeDeviceNotices
{
public:
    struct End {
        bool bDestroyed = false;
        bool bWatchingAtEnd = true;
        QThread* pHomeAtEnd = nullptr;
    };
    explicit WatchProbe(End* pEnd) : m_pEnd(pEnd) {}
    ~WatchProbe() override
    {
        m_pEnd->bDestroyed = true;
        m_pEnd->bWatchingAtEnd = isWatching();
        m_pEnd->pHomeAtEnd = thread();
    }

private:
    End* m_pEnd;
};
} // namespace

void TestUsbMonitor::watchStartsAndEnds()
{
    WatchProbe::End end;
    auto pSource = std::make_unique<WatchProbe>(&end);
    WatchProbe* pFake = pSource.get();
    QPointer<QThread> pWatchThread;
    {
        UsbMonitor monitor(std::move(pSource));
        QVERIFY(!pFake->isWatching());
        QVERIFY(monitor.startMonitor());
        QTRY_VERIFY(pFake->isWatching());
        QCOMPARE(pFake->thread() == QThread::currentThread(), false);
        pWatchThread = pFake->thread();
        QVERIFY(pWatchThread->isRunning());
    }
    // The watch was stopped and its thread ended before the source went with its monitor: the source was
    // handed back to this thread, no longer watching, and the watch thread is gone.
    QVERIFY(end.bDestroyed);
    QVERIFY(!end.bWatchingAtEnd);
    QCOMPARE(end.pHomeAtEnd, QThread::currentThread());
    QVERIFY(pWatchThread.isNull());
}

void TestUsbMonitor::serialArrivalEndToEnd()
{
    SerialDeviceSim sim;
    if (!sim.start())
        QSKIP("no pseudo-terminal available");
    sim.setIdentity("UUID-CHAIN", "SKU-1", "Wendo 100", "1.1");
    FakeVolumeInfo volumes;
    FakeSerialPorts ports;
    auto pSource = std::make_unique<FakeDeviceNotices>();
    FakeDeviceNotices* pFake = pSource.get();
    UsbMonitor usbMonitor(std::move(pSource));
    DevMonitorThread monitor(&volumes, &ports, SerialLinkFactory());
    connect(&usbMonitor, &UsbMonitor::notifyDev, &monitor, &DevMonitorThread::notifyDev);
    QList<Worker::DEVINFOEX> lstRecords;
    connect(&monitor, &DevMonitorThread::notityWendoDev, this,
            [&lstRecords](Worker::DEVINFOEX devinfo) { lstRecords.append(devinfo); });
    QVERIFY(usbMonitor.startMonitor());
    monitor.start();
    QTRY_VERIFY(pFake->isWatching());

    ports.addPort(sim.portName(), 0x0483, 0x5740);
    pFake->sendSerial(true);
    QTRY_COMPARE_WITH_TIMEOUT(lstRecords.size(), 1, 20000);
    QCOMPARE(lstRecords.at(0).devInfo.sUUID, QString("UUID-CHAIN"));
    QCOMPARE(lstRecords.at(0).sComPort, sim.portName());

    ports.clear();
    pFake->sendSerial(false);
    QTRY_COMPARE_WITH_TIMEOUT(lstRecords.size(), 2, 20000);
    QVERIFY(!lstRecords.at(1).bArrival);
    QCOMPARE(lstRecords.at(1).type, 1);
}

void TestUsbMonitor::installedSourcesReachDefaultConstruction()
{
    // What a controller test does: the controller builds both monitors with their plain constructors.
    DriveTree system;
    QVERIFY(system.writeDeviceXml("UUID-SEAM", "SKU-1", "Wendo 500"));
    FakeVolumeInfo volumes;
    FakeSerialPorts ports;
    FakeDeviceNotices* pFake = nullptr;
    PlatformOverride platform;
    platform.setDeviceNotices([&pFake]() {
        auto pSource = std::make_unique<FakeDeviceNotices>();
        pFake = pSource.get();
        return std::unique_ptr<DeviceNotices>(std::move(pSource));
    });
    platform.setVolumes(&volumes);
    platform.setSerialPorts(&ports);
    {
        UsbMonitor usbMonitor;
        DevMonitorThread monitor;
        connect(&usbMonitor, &UsbMonitor::notifyDev, &monitor, &DevMonitorThread::notifyDev);
        QList<Worker::DEVINFOEX> lstRecords;
        connect(&monitor, &DevMonitorThread::notityWendoDev, this,
                [&lstRecords](Worker::DEVINFOEX devinfo) { lstRecords.append(devinfo); });
        QVERIFY(usbMonitor.startMonitor());
        monitor.start();
        QVERIFY(pFake);
        QTRY_VERIFY(pFake->isWatching());
        volumes.addVolume(system.root(), "ZEQ_SYSTEM");
        pFake->send(system.root(), true);
        QTRY_COMPARE_WITH_TIMEOUT(lstRecords.size(), 1, 20000);
        QCOMPARE(lstRecords.at(0).devInfo.sUUID, QString("UUID-SEAM"));
        quint64 nFree = 0;
        QVERIFY(monitor.getDiskFreeSpace(system.root(), &nFree));
    }
}

QTEST_GUILESS_MAIN(TestUsbMonitor)
#include "tst_usbmonitor.moc"
