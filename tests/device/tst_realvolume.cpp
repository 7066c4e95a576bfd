#include "core/AgentTiming.h"
#include "device/DevMonitorThread.h"
#include "device/UsbMonitor.h"
#include "platform/LinuxVolumeInfo.h"
#include "support/DriveTree.h"
#include "support/FakeSerialPorts.h"
#include "support/TestFolders.h"

#include <QRegularExpression>
#include <QtTest>

// End to end on real volumes: ext4 images labelled like the device's drives are loop-mounted while the
// production notices and volume reader watch. Needs root (CI and the development machines run as root);
// elsewhere it skips with the system's refusal. Every mount is undone by DriveTree, also on failure. The
// volume reader looks at the test's own mount points only: other tests and the machine may have drives
// with the same labels mounted meanwhile.
class TestRealVolume : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void mountedDeviceIsIdentifiedAndRemoved();

private:
    std::unique_ptr<TestFolders> m_pFolders;
};

void TestRealVolume::init()
{
    m_pFolders = std::make_unique<TestFolders>(true);
    AgentTiming::set(AgentTiming::DRIVE_PASSES, 3);
    AgentTiming::set(AgentTiming::DRIVE_PASS_PAUSE, 5);
}

void TestRealVolume::cleanup()
{
    AgentTiming::resetDefaults();
    m_pFolders.reset();
}

void TestRealVolume::mountedDeviceIsIdentifiedAndRemoved()
{
    DriveTree system;
    DriveTree data;
    system.setLabel("ZEQ_SYSTEM");
    data.setLabel("ZEQ_DATA");
    const QString sUuid = "E2E-" + QString::number(QCoreApplication::applicationPid());
    // The description file in another spelling: the device's FAT does not care, and neither may we.
    QVERIFY(
        system.writeFile("DEVICE.XML", DriveTree::deviceXml(sUuid, "SKU-E2E", "Wendo 500", "4.0", "Z500")));
    QVERIFY(system.writeVersion("app", "2.0.1;2019-09-09;77;\n"));
    QVERIFY(data.writeFile("Korvo/Tracks/.keep", ""));
    QString sWhy;
    if (!system.makeImage(&sWhy) || !data.makeImage(&sWhy))
        QSKIP(qPrintable("no ext4 image: " + sWhy));

    FakeSerialPorts ports;
    LinuxVolumeInfo volumes({system.mountPoint(), data.mountPoint()});
    UsbMonitor usbMonitor;
    DevMonitorThread monitor(&volumes, &ports, SerialLinkFactory());
    connect(&usbMonitor, &UsbMonitor::notifyDev, &monitor, &DevMonitorThread::notifyDev);
    QList<Worker::DEVINFOEX> lstRecords;
    connect(&monitor, &DevMonitorThread::notityWendoDev, this,
            [&lstRecords, &sUuid](Worker::DEVINFOEX devinfo) {
                if (devinfo.devInfo.sUUID == sUuid)
                    lstRecords.append(devinfo);
            });
    QVERIFY(usbMonitor.startMonitor());
    monitor.start();

    if (!data.mountImage(&sWhy))
        QSKIP(qPrintable("loop mount refused here: " + sWhy));
    QVERIFY(system.mountImage(&sWhy));
    QCOMPARE(volumes.volumeLabel(system.root()), QString("ZEQ_SYSTEM"));
    QTRY_COMPARE_WITH_TIMEOUT(lstRecords.size(), 1, 20000);
    const Worker::DEVINFOEX arrival = lstRecords.at(0);
    QVERIFY(arrival.bArrival);
    QCOMPARE(arrival.type, 2);
    QCOMPARE(arrival.lstDrive, QStringList({system.root(), data.root()}));
    QCOMPARE(arrival.devInfo.sSkuID, QString("SKU-E2E"));
    QCOMPARE(arrival.devInfo.sAppVer, QString("2.0.1"));

    const QString sDataRoot = data.root();
    QVERIFY(system.unmountImage());
    QVERIFY(data.unmountImage());
    QTRY_COMPARE_WITH_TIMEOUT(lstRecords.size(), 2, 20000);
    QVERIFY(!lstRecords.at(1).bArrival);
    // The data drive's removal must not add a second one. Once the monitor has handled it, a notice
    // given after it is handled too, and whatever the removal reported is posted here.
    const QString sLog = m_pFolders->dataPath("WendoAgent.log");
    const auto logged = [&sLog](const QString& sPattern) {
        return QString::fromUtf8(TestFolders::readFile(sLog)).contains(QRegularExpression(sPattern));
    };
    const QString sDrive = QRegularExpression::escape("[checkWendo500Dev] drive:");
    QVERIFY(QTest::qWaitFor(
        [&] { return logged(sDrive + QRegularExpression::escape(sDataRoot) + "[^\\n]*arrival:0"); }, 20000));
    const QString sMarker = m_pFolders->dataPath("no-such-volume/");
    monitor.notifyDev(UsbNotification::USBNOTIFYINFO{sMarker, false});
    QVERIFY(QTest::qWaitFor([&] { return logged(sDrive + QRegularExpression::escape(sMarker)); }, 20000));
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    QCOMPARE(lstRecords.size(), 2);
}

QTEST_GUILESS_MAIN(TestRealVolume)
#include "tst_realvolume.moc"
