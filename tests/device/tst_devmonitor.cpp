#include "core/AgentTiming.h"
#include "device/DevMonitorThread.h"
#include "support/DriveTree.h"
#include "support/FakeSerialPorts.h"
#include "support/FakeVolumeInfo.h"
#include "support/HangGuard.h"
#include "support/SerialDeviceSim.h"
#include "support/StuckVolumeInfo.h"
#include "support/TestFolders.h"

#include <QSignalSpy>
#include <QtTest>

// Receives the monitor's signal the way the controller does: queued into this thread.
class Recorder : public QObject
{
    Q_OBJECT

public:
    QList<Worker::DEVINFOEX> lstRecords;
    QList<QThread*> lstThreads;

public slots:
    void notityWendoDev(Worker::DEVINFOEX devinfo)
    {
        lstRecords.append(devinfo);
        lstThreads.append(QThread::currentThread());
    }
};

class TestDevMonitor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void systemDriveByDeviceXmlOnly();
    void dataDriveRecognised_data();
    void dataDriveRecognised();
    void missingIdentityIsNoDevice_data();
    void missingIdentityIsNoDevice();
    void recordCarriesVersions();
    void noDataDrive();
    void removalOfSystemRootGivesOneRemoval();
    void dataDriveMountedFirst();
    void unrelatedDrivesChangeNothing();

    void serialIdentity();
    void serialRemovalAndReturn();
    void emptyUuidIsNotReported();
    void secondSerialPortIsNoRemoval();
    void failedFieldKeepsSameDevicesValue();
    void familiesDoNotRemoveEachOther();

    void startupScanPrefersSerial();
    void startupScanFindsDriveInMonitorThread();
    void removalTellsOfTheOtherFamilysDevice();
    void noticesBeforeStartAreChecked();
    void searchRunsOffTheCallersThread();
    void stopEndsASearch();
    void systemDriveGoneDuringSearch();
    void freeSpace();

    void hostileDriveFile_data();
    void hostileDriveFile();
    void stopIsBoundedWhenACheckHangs();

private:
    DriveTree* addSystemDrive(const QString& sLabel = "ZEQ_SYSTEM", const QString& sUuid = "UUID-500");
    DriveTree* addDataDrive(const QString& sLabel = "ZEQ_DATA");
    std::unique_ptr<DevMonitorThread> makeMonitor();
    // A started monitor whose notices the recorder receives.
    std::unique_ptr<DevMonitorThread> startRecordedMonitor(Recorder& recorder);
    bool startSim(const QString& sUuid = "UUID-100");
    // Waits until the monitor has listed the volumes nPasses more times: a search is passing.
    bool waitForSearchPasses(int nBefore, int nPasses);

    std::unique_ptr<TestFolders> m_pFolders;
    FakeVolumeInfo m_volumes;
    FakeSerialPorts m_ports;
    std::vector<std::unique_ptr<DriveTree>> m_trees;
    std::unique_ptr<SerialDeviceSim> m_pSim;
};

namespace
{
UsbNotification::USBNOTIFYINFO notice(const QString& sPath, bool bArrival)
{
    return UsbNotification::USBNOTIFYINFO{sPath, bArrival};
}

Worker::DEVINFOEX recordAt(const QSignalSpy& spy, int nIndex)
{
    return spy.at(nIndex).at(0).value<Worker::DEVINFOEX>();
}
} // namespace

void TestDevMonitor::init()
{
    m_pFolders = std::make_unique<TestFolders>(true);
    m_volumes.clear();
    m_ports.clear();
    AgentTiming::set(AgentTiming::DRIVE_PASSES, 3);
    AgentTiming::set(AgentTiming::DRIVE_PASS_PAUSE, 1);
}

void TestDevMonitor::cleanup()
{
    m_pSim.reset();
    for (const auto& pTree : m_trees)
        m_volumes.removeVolume(pTree->root());
    m_trees.clear();
    AgentTiming::resetDefaults();
    m_pFolders.reset();
}

bool TestDevMonitor::waitForSearchPasses(int nBefore, int nPasses)
{
    return QTest::qWaitFor([this, nBefore, nPasses] { return m_volumes.rootListings() >= nBefore + nPasses; },
                           20000);
}

DriveTree* TestDevMonitor::addSystemDrive(const QString& sLabel, const QString& sUuid)
{
    m_trees.push_back(std::make_unique<DriveTree>());
    DriveTree* pTree = m_trees.back().get();
    pTree->setLabel(sLabel);
    pTree->writeDeviceXml(sUuid, "SKU-500", "Wendo 500", "2.1.0", "Z500");
    m_volumes.addVolume(pTree->root(), sLabel);
    return pTree;
}

DriveTree* TestDevMonitor::addDataDrive(const QString& sLabel)
{
    m_trees.push_back(std::make_unique<DriveTree>());
    DriveTree* pTree = m_trees.back().get();
    pTree->setLabel(sLabel);
    pTree->writeFile("Korvo/Tracks/.keep", "");
    m_volumes.addVolume(pTree->root(), sLabel);
    return pTree;
}

std::unique_ptr<DevMonitorThread> TestDevMonitor::makeMonitor()
{
    return std::make_unique<DevMonitorThread>(&m_volumes, &m_ports, SerialLinkFactory());
}

std::unique_ptr<DevMonitorThread> TestDevMonitor::startRecordedMonitor(Recorder& recorder)
{
    auto pMonitor = makeMonitor();
    connect(pMonitor.get(), &DevMonitorThread::notityWendoDev, &recorder, &Recorder::notityWendoDev);
    pMonitor->start();
    return pMonitor;
}

bool TestDevMonitor::startSim(const QString& sUuid)
{
    m_pSim = std::make_unique<SerialDeviceSim>();
    if (!m_pSim->start())
        return false;
    m_pSim->setIdentity(sUuid, "SKU-100", "Wendo 100", "1.0.7");
    m_ports.addPortWithoutIds("/dev/ttyS0"); // a port of the machine itself, listed first
    m_ports.addPort(m_pSim->portName(), 0x0483, 0x5740);
    return true;
}

// ---- drive family ----

void TestDevMonitor::systemDriveByDeviceXmlOnly()
{
    DriveTree* pSystem = addSystemDrive("");
    DriveTree* pData = addDataDrive();
    auto pMonitor = makeMonitor();
    QSignalSpy spy(pMonitor.get(), &DevMonitorThread::notityWendoDev);
    QVERIFY(pMonitor->checkWendo500Dev(notice(pSystem->root(), true)));
    QCOMPARE(spy.count(), 1);
    const Worker::DEVINFOEX record = recordAt(spy, 0);
    QVERIFY(record.bArrival);
    QCOMPARE(record.type, 2);
    QCOMPARE(record.lstDrive, QStringList({pSystem->root(), pData->root()}));
    QCOMPARE(record.devInfo.sUUID, QString("UUID-500"));
}

void TestDevMonitor::dataDriveRecognised_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("userXml");
    QTest::addColumn<bool>("found");
    QTest::newRow("ZEQ_DATA") << "ZEQ_DATA" << false << true;
    QTest::newRow("lower case") << "zeq_data" << false << true;
    QTest::newRow("second brand") << "QRV_DATA" << false << true;
    QTest::newRow("second brand mixed case") << "Qrv_Data" << false << true;
    QTest::newRow("padded label") << "ZEQ_DATA   " << false << true;
    QTest::newRow("no label, user.xml") << "" << true << true;
    QTest::newRow("other label, user.xml") << "STICK" << true << true;
    QTest::newRow("near miss") << "ZEQ_DATA2" << false << false;
    QTest::newRow("no label") << "" << false << false;
}

void TestDevMonitor::dataDriveRecognised()
{
    QFETCH(QString, label);
    QFETCH(bool, userXml);
    QFETCH(bool, found);
    DriveTree* pSystem = addSystemDrive("zeq_system");
    DriveTree* pData = addDataDrive(label);
    if (userXml)
        QVERIFY(pData->writeFile("USER.XML", "<user/>"));
    auto pMonitor = makeMonitor();
    QSignalSpy spy(pMonitor.get(), &DevMonitorThread::notityWendoDev);
    QVERIFY(pMonitor->checkWendo500Dev(notice(pSystem->root(), true)));
    QCOMPARE(spy.count(), 1);
    const QStringList expected =
        found ? QStringList{pSystem->root(), pData->root()} : QStringList{pSystem->root()};
    QCOMPARE(recordAt(spy, 0).lstDrive, expected);
}

void TestDevMonitor::missingIdentityIsNoDevice_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::newRow("no skuid") << DriveTree::deviceXml("U1", QString(), "Wendo", "1", "Z");
    QTest::newRow("empty skuid") << DriveTree::deviceXml("U1", "", "Wendo", "1", "Z");
    QTest::newRow("empty id") << DriveTree::deviceXml("", "S1", "Wendo", "1", "Z");
    QTest::newRow("empty displayname") << DriveTree::deviceXml("U1", "S1", "", "1", "Z");
    QTest::newRow("not xml") << QByteArray("<device>");
}

void TestDevMonitor::missingIdentityIsNoDevice()
{
    QFETCH(QByteArray, xml);
    DriveTree* pSystem = addSystemDrive();
    QVERIFY(pSystem->writeFile("device.xml", xml));
    auto pMonitor = makeMonitor();
    QSignalSpy spy(pMonitor.get(), &DevMonitorThread::notityWendoDev);
    QVERIFY(!pMonitor->checkWendo500Dev(notice(pSystem->root(), true)));
    QVERIFY(!pMonitor->checkWendo500Dev(notice(pSystem->root(), false)));
    QCOMPARE(spy.count(), 0);
}

void TestDevMonitor::recordCarriesVersions()
{
    DriveTree* pSystem = addSystemDrive();
    QVERIFY(pSystem->writeFile("Device.XML", DriveTree::deviceXml("U7", "S7", "Wendo 510", "3.0", "Z510")));
    QVERIFY(QFile::remove(pSystem->root() + "device.xml"));
    QVERIFY(pSystem->writeVersion("app", "1.2.3;2012-05-01;1234;\r\n"));
    QVERIFY(pSystem->writeVersion("osm", "5.0;2016-06-06;\n"));
    QVERIFY(pSystem->writeVersion("map", "3.1;2011-01-01;\n"));
    QVERIFY(pSystem->writeVersion("nq", "9.0;2014-02-02;\n"));
    QVERIFY(pSystem->writeVersion("bm", "7"));
    auto pMonitor = makeMonitor();
    QSignalSpy spy(pMonitor.get(), &DevMonitorThread::notityWendoDev);
    QVERIFY(pMonitor->checkWendo500Dev(notice(pSystem->root(), true)));
    const Worker::DEVINFO info = recordAt(spy, 0).devInfo;
    QCOMPARE(QStringList({info.sUUID, info.sSkuID, info.sModel, info.sHWName, info.sFirmware}),
             QStringList({"U7", "S7", "Z510", "Wendo 510", "3.0"}));
    QCOMPARE(QStringList({info.sAppVer, info.sBmVer, info.sOsmVer, info.sTaVer, info.sCountryVer}),
             QStringList({"1.2.3", "7", "5.0", "9.0", "0"}));
    QCOMPARE(QStringList({info.sTaDate, info.sOsmDate, info.sReserved}),
             QStringList({"2014-02-02", "2016-06-06", ""}));
    QVERIFY(!info.bTaMap);
}

void TestDevMonitor::noDataDrive()
{
    DriveTree* pSystem = addSystemDrive();
    auto pMonitor = makeMonitor();
    QSignalSpy spy(pMonitor.get(), &DevMonitorThread::notityWendoDev);
    QVERIFY(pMonitor->checkWendo500Dev(notice(pSystem->root(), true)));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(recordAt(spy, 0).lstDrive, QStringList({pSystem->root()}));
}

void TestDevMonitor::removalOfSystemRootGivesOneRemoval()
{
    DriveTree* pSystem = addSystemDrive();
    DriveTree* pData = addDataDrive();
    auto pMonitor = makeMonitor();
    QSignalSpy spy(pMonitor.get(), &DevMonitorThread::notityWendoDev);
    QVERIFY(pMonitor->checkWendo500Dev(notice(pSystem->root(), true)));
    // Both drives go; their notices come one after the other.
    m_volumes.removeVolume(pSystem->root());
    m_volumes.removeVolume(pData->root());
    QVERIFY(pMonitor->checkWendo500Dev(notice(pSystem->root(), false)));
    QVERIFY(!pMonitor->checkWendo500Dev(notice(pData->root(), false)));
    QCOMPARE(spy.count(), 2);
    const Worker::DEVINFOEX removal = recordAt(spy, 1);
    QVERIFY(!removal.bArrival);
    QCOMPARE(removal.type, 2);
    QCOMPARE(removal.devInfo.sUUID, QString("UUID-500"));
    QCOMPARE(removal.lstDrive, QStringList({pSystem->root(), pData->root()}));
    // Plugged in again: a new arrival.
    m_volumes.addVolume(pSystem->root(), "ZEQ_SYSTEM");
    QVERIFY(pMonitor->checkWendo500Dev(notice(pSystem->root(), true)));
    QCOMPARE(spy.count(), 3);
    QVERIFY(recordAt(spy, 2).bArrival);
}

void TestDevMonitor::dataDriveMountedFirst()
{
    DriveTree* pData = addDataDrive();
    DriveTree* pSystem = addSystemDrive();
    auto pMonitor = makeMonitor();
    QSignalSpy spy(pMonitor.get(), &DevMonitorThread::notityWendoDev);
    QVERIFY(pMonitor->checkWendo500Dev(notice(pData->root(), true)));
    QVERIFY(!pMonitor->checkWendo500Dev(notice(pSystem->root(), true)));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(recordAt(spy, 0).lstDrive, QStringList({pSystem->root(), pData->root()}));
}

void TestDevMonitor::unrelatedDrivesChangeNothing()
{
    DriveTree* pSystem = addSystemDrive();
    DriveTree* pStick = addDataDrive("STICK");
    auto pMonitor = makeMonitor();
    QSignalSpy spy(pMonitor.get(), &DevMonitorThread::notityWendoDev);
    QVERIFY(!pMonitor->checkWendo500Dev(notice(pStick->root(), true)));
    QVERIFY(pMonitor->checkWendo500Dev(notice(pSystem->root(), true)));
    QVERIFY(!pMonitor->checkWendo500Dev(notice(pStick->root(), false)));
    QVERIFY(!pMonitor->checkWendo500Dev(notice(pSystem->root(), true))); // already present
    QCOMPARE(spy.count(), 1);
}

// ---- serial family ----

void TestDevMonitor::serialIdentity()
{
    if (!startSim())
        QSKIP("no pseudo-terminal available");
    auto pMonitor = makeMonitor();
    QSignalSpy spy(pMonitor.get(), &DevMonitorThread::notityWendoDev);
    QVERIFY(pMonitor->checkWendo100Dev());
    QCOMPARE(spy.count(), 1);
    const Worker::DEVINFOEX record = recordAt(spy, 0);
    QVERIFY(record.bArrival);
    QCOMPARE(record.type, 1);
    QCOMPARE(record.sComPort, m_pSim->portName());
    QCOMPARE(QStringList({record.devInfo.sUUID, record.devInfo.sSkuID, record.devInfo.sHWName,
                          record.devInfo.sFirmware}),
             QStringList({"UUID-100", "SKU-100", "Wendo 100", "1.0.7"}));
    QCOMPARE(record.devInfo.sModel, QString());
    QVERIFY(record.lstDrive.isEmpty());
}

void TestDevMonitor::serialRemovalAndReturn()
{
    if (!startSim())
        QSKIP("no pseudo-terminal available");
    auto pMonitor = makeMonitor();
    QSignalSpy spy(pMonitor.get(), &DevMonitorThread::notityWendoDev);
    QVERIFY(pMonitor->checkWendo100Dev());
    QVERIFY(!pMonitor->checkWendo100Dev()); // still there: nothing new
    m_ports.removePort(m_pSim->portName());
    QVERIFY(pMonitor->checkWendo100Dev());
    QVERIFY(!pMonitor->checkWendo100Dev()); // gone stays gone
    QCOMPARE(spy.count(), 2);
    const Worker::DEVINFOEX removal = recordAt(spy, 1);
    QVERIFY(!removal.bArrival);
    QCOMPARE(removal.type, 1);
    QCOMPARE(removal.sComPort, m_pSim->portName());
    QCOMPARE(removal.devInfo.sUUID, QString("UUID-100"));
    m_ports.addPort(m_pSim->portName(), 0x0483, 0x5740);
    QVERIFY(pMonitor->checkWendo100Dev());
    QCOMPARE(spy.count(), 3);
    QVERIFY(recordAt(spy, 2).bArrival);
}

void TestDevMonitor::emptyUuidIsNotReported()
{
    if (!startSim(""))
        QSKIP("no pseudo-terminal available");
    auto pMonitor = makeMonitor();
    QSignalSpy spy(pMonitor.get(), &DevMonitorThread::notityWendoDev);
    QVERIFY(!pMonitor->checkWendo100Dev());
    m_pSim->setSilent(0xA2); // no UUID at all
    QVERIFY(!pMonitor->checkWendo100Dev());
    QCOMPARE(spy.count(), 0);
    QCOMPARE(m_pSim->frameCount(0xA2), 3); // the second check retried the silent read once
}

void TestDevMonitor::secondSerialPortIsNoRemoval()
{
    if (!startSim())
        QSKIP("no pseudo-terminal available");
    auto pMonitor = makeMonitor();
    QSignalSpy spy(pMonitor.get(), &DevMonitorThread::notityWendoDev);
    QVERIFY(pMonitor->checkWendo100Dev());
    SerialDeviceSim second;
    QVERIFY(second.start());
    m_ports.clear();
    m_ports.addPort(second.portName(), 0x0483, 0x5740); // listed before the device's own port
    m_ports.addPort(m_pSim->portName(), 0x0483, 0x5740);
    QVERIFY(!pMonitor->checkWendo100Dev());
    m_ports.addPortWithoutIds("/dev/ttyS1");
    QVERIFY(!pMonitor->checkWendo100Dev());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(second.frames().size(), 0); // one device at a time: the other is not even asked
}

void TestDevMonitor::failedFieldKeepsSameDevicesValue()
{
    if (!startSim())
        QSKIP("no pseudo-terminal available");
    auto pMonitor = makeMonitor();
    QSignalSpy spy(pMonitor.get(), &DevMonitorThread::notityWendoDev);
    QVERIFY(pMonitor->checkWendo100Dev());
    m_ports.removePort(m_pSim->portName());
    QVERIFY(pMonitor->checkWendo100Dev());
    m_pSim->setSilent(0x85);
    m_ports.addPort(m_pSim->portName(), 0x0483, 0x5740);
    QVERIFY(pMonitor->checkWendo100Dev());
    QCOMPARE(recordAt(spy, 2).devInfo.sFirmware, QString("1.0.7"));
    // Another device on the port does not inherit the firmware of the one before.
    m_ports.removePort(m_pSim->portName());
    QVERIFY(pMonitor->checkWendo100Dev());
    m_pSim->setIdentity("UUID-OTHER", "SKU-100", "Wendo 100", "9.9.9");
    m_pSim->setSilent(0x85);
    m_ports.addPort(m_pSim->portName(), 0x0483, 0x5740);
    QVERIFY(pMonitor->checkWendo100Dev());
    QCOMPARE(recordAt(spy, 4).devInfo.sUUID, QString("UUID-OTHER"));
    QCOMPARE(recordAt(spy, 4).devInfo.sFirmware, QString());
}

void TestDevMonitor::familiesDoNotRemoveEachOther()
{
    if (!startSim())
        QSKIP("no pseudo-terminal available");
    DriveTree* pSystem = addSystemDrive();
    auto pMonitor = makeMonitor();
    QSignalSpy spy(pMonitor.get(), &DevMonitorThread::notityWendoDev);
    QVERIFY(pMonitor->checkWendo100Dev());
    QVERIFY(pMonitor->checkWendo500Dev(notice(pSystem->root(), true)));
    // An unrelated drive going away, and the serial port still listed: nothing.
    QVERIFY(!pMonitor->checkWendo500Dev(notice("/media/elsewhere/", false)));
    QVERIFY(!pMonitor->checkWendo100Dev());
    // The drive device goes: one removal of family 2, the serial device stays.
    m_volumes.removeVolume(pSystem->root());
    QVERIFY(pMonitor->checkWendo500Dev(notice(pSystem->root(), false)));
    QVERIFY(!pMonitor->checkWendo100Dev());
    // The serial device goes: one removal of family 1, whatever the drives did before.
    m_ports.removePort(m_pSim->portName());
    QVERIFY(pMonitor->checkWendo100Dev());
    QCOMPARE(spy.count(), 4);
    QCOMPARE(QList<int>({recordAt(spy, 2).type, int(recordAt(spy, 2).bArrival)}), QList<int>({2, 0}));
    QCOMPARE(QList<int>({recordAt(spy, 3).type, int(recordAt(spy, 3).bArrival)}), QList<int>({1, 0}));
}

// ---- the thread ----

void TestDevMonitor::startupScanPrefersSerial()
{
    if (!startSim())
        QSKIP("no pseudo-terminal available");
    DriveTree* pSystem = addSystemDrive();
    Recorder recorder;
    auto pMonitor = startRecordedMonitor(recorder);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.lstRecords.size(), 1, 20000);
    QCOMPARE(recorder.lstRecords.at(0).type, 1);
    // The drives were not scanned at start, so their notice now finds the drive device new.
    pMonitor->notifyDev(notice(pSystem->root(), true));
    QTRY_COMPARE_WITH_TIMEOUT(recorder.lstRecords.size(), 2, 20000);
    QCOMPARE(recorder.lstRecords.at(1).type, 2);
    QVERIFY(recorder.lstRecords.at(1).bArrival);
}

void TestDevMonitor::startupScanFindsDriveInMonitorThread()
{
    addDataDrive("OTHER");
    DriveTree* pSystem = addSystemDrive();
    auto pMonitor = makeMonitor();
    Recorder recorder;
    QThread* pEmitter = nullptr;
    connect(
        pMonitor.get(), &DevMonitorThread::notityWendoDev, pMonitor.get(),
        [&pEmitter](Worker::DEVINFOEX) { pEmitter = QThread::currentThread(); }, Qt::DirectConnection);
    connect(pMonitor.get(), &DevMonitorThread::notityWendoDev, &recorder, &Recorder::notityWendoDev);
    pMonitor->start();
    QTRY_COMPARE_WITH_TIMEOUT(recorder.lstRecords.size(), 1, 20000);
    QCOMPARE(recorder.lstRecords.at(0).lstDrive, QStringList({pSystem->root()}));
    QCOMPARE(pEmitter, static_cast<QThread*>(pMonitor.get()));
    QCOMPARE(recorder.lstThreads.at(0),
             QThread::currentThread()); // delivered queued into the receiver's thread
}

// Both families attached: when the serial device leaves, the drive device that stays is told of again,
// so a receiver that held the serial one learns what is still there.
void TestDevMonitor::removalTellsOfTheOtherFamilysDevice()
{
    if (!startSim())
        QSKIP("no pseudo-terminal available");
    DriveTree* pSystem = addSystemDrive();
    Recorder recorder;
    auto pMonitor = startRecordedMonitor(recorder);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.lstRecords.size(), 1, 20000);
    pMonitor->notifyDev(notice(pSystem->root(), true));
    QTRY_COMPARE_WITH_TIMEOUT(recorder.lstRecords.size(), 2, 20000);
    m_ports.removePort(m_pSim->portName());
    pMonitor->notifyDev(notice(QString::fromLatin1(SERIAL_PORT_PATH), true));
    QTRY_COMPARE_WITH_TIMEOUT(recorder.lstRecords.size(), 4, 20000);
    QList<QList<int>> seen;
    for (const Worker::DEVINFOEX& record : recorder.lstRecords)
        seen << QList<int>{record.type, int(record.bArrival)};
    QCOMPARE(seen, QList<QList<int>>({{1, 1}, {2, 1}, {1, 0}, {2, 1}}));
    QCOMPARE(recorder.lstRecords.at(3).devInfo.sUUID, QString("UUID-500"));
    QCOMPARE(recorder.lstRecords.at(3).lstDrive, QStringList({pSystem->root()}));
}

void TestDevMonitor::noticesBeforeStartAreChecked()
{
    auto pMonitor = makeMonitor();
    Recorder recorder;
    connect(pMonitor.get(), &DevMonitorThread::notityWendoDev, &recorder, &Recorder::notityWendoDev);
    pMonitor->notifyDev(notice("/media/nothing/", true)); // kept, then checked: not a device
    DriveTree* pSystem = addSystemDrive();
    pMonitor->notifyDev(notice(pSystem->root(), false));
    pMonitor->start();
    // The start-up scan reports the drive; the removal notice kept from before start then removes it.
    QTRY_COMPARE_WITH_TIMEOUT(recorder.lstRecords.size(), 2, 20000);
    QVERIFY(recorder.lstRecords.at(0).bArrival);
    QVERIFY(!recorder.lstRecords.at(1).bArrival);
}

void TestDevMonitor::searchRunsOffTheCallersThread()
{
    AgentTiming::set(AgentTiming::DRIVE_PASSES, 1000000);
    Recorder recorder;
    auto pMonitor = startRecordedMonitor(recorder);
    DriveTree* pSystem = addSystemDrive();
    const int nListed = m_volumes.rootListings();
    pMonitor->notifyDev(notice(pSystem->root(), true)); // returns at once; the search waits for a data drive
    QVERIFY(waitForSearchPasses(nListed, 3));
    QCoreApplication::sendPostedEvents(&recorder, QEvent::MetaCall);
    QCOMPARE(recorder.lstRecords.size(), 0);
    DriveTree* pData = addDataDrive();
    QTRY_COMPARE_WITH_TIMEOUT(recorder.lstRecords.size(), 1, 20000);
    QCOMPARE(recorder.lstRecords.at(0).lstDrive, QStringList({pSystem->root(), pData->root()}));
}

void TestDevMonitor::stopEndsASearch()
{
    AgentTiming::set(AgentTiming::DRIVE_PASSES, 1000000);
    AgentTiming::set(AgentTiming::DRIVE_PASS_PAUSE, 1000);
    auto pMonitor = makeMonitor();
    QSignalSpy spy(pMonitor.get(), &DevMonitorThread::notityWendoDev);
    pMonitor->start();
    DriveTree* pSystem = addSystemDrive();
    const int nListed = m_volumes.rootListings();
    pMonitor->notifyDev(notice(pSystem->root(), true));
    QVERIFY(waitForSearchPasses(nListed, 1));
    pMonitor.reset(); // would wait for months if the stop did not end the pause
    QCOMPARE(spy.count(), 0);
}

void TestDevMonitor::systemDriveGoneDuringSearch()
{
    AgentTiming::set(AgentTiming::DRIVE_PASSES, 1000000);
    Recorder recorder;
    auto pMonitor = startRecordedMonitor(recorder);
    DriveTree* pSystem = addSystemDrive();
    const int nListed = m_volumes.rootListings();
    pMonitor->notifyDev(notice(pSystem->root(), true));
    QVERIFY(waitForSearchPasses(nListed, 2));
    m_volumes.removeVolume(pSystem->root());
    pMonitor->notifyDev(notice(pSystem->root(), false));
    // A later device is found normally: the search ended without reporting the drive that went away.
    DriveTree* pOther = addSystemDrive("ZEQ_SYSTEM", "UUID-OTHER");
    addDataDrive();
    pMonitor->notifyDev(notice(pOther->root(), true));
    QTRY_COMPARE_WITH_TIMEOUT(recorder.lstRecords.size(), 1, 20000);
    QCOMPARE(recorder.lstRecords.at(0).devInfo.sUUID, QString("UUID-OTHER"));
    QVERIFY(recorder.lstRecords.at(0).bArrival);
}

void TestDevMonitor::freeSpace()
{
    DriveTree* pSystem = addSystemDrive();
    auto pMonitor = makeMonitor();
    m_volumes.setFreeSpace(5000000000LL);
    quint64 nFree = 0;
    QVERIFY(pMonitor->getDiskFreeSpace(pSystem->root(), &nFree));
    QCOMPARE(nFree, quint64(5000000000LL));
    m_volumes.setFreeSpace(-1);
    QVERIFY(!pMonitor->getDiskFreeSpace(pSystem->root(), &nFree));
    QVERIFY(!pMonitor->getDiskFreeSpace("/media/not-mounted/", &nFree));
}

// ---- hostile drives ----

void TestDevMonitor::hostileDriveFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("device"); // the drive is still a device, with the version "0"
    const QList<QPair<const char*, DriveTree::Hostile>> kinds = {
        {"fifo", DriveTree::HOSTILE_FIFO},
        {"link to /dev/zero", DriveTree::HOSTILE_ZERO_LINK},
        {"folder", DriveTree::HOSTILE_FOLDER},
        {"200 MB", DriveTree::HOSTILE_HUGE}};
    for (const auto& kind : kinds) {
        QTest::newRow(qPrintable(QString("device.xml: %1").arg(kind.first)))
            << "device.xml" << int(kind.second) << false;
        QTest::newRow(qPrintable(QString("version.app: %1").arg(kind.first)))
            << "KORVO/version.app" << int(kind.second) << true;
        QTest::newRow(qPrintable(QString("version.nq: %1").arg(kind.first)))
            << "KORVO/version.nq" << int(kind.second) << true;
    }
}

void TestDevMonitor::hostileDriveFile()
{
    QFETCH(QString, file);
    QFETCH(int, kind);
    QFETCH(bool, device);
    Recorder recorder;
    auto pMonitor = startRecordedMonitor(recorder);
    DriveTree* pHostile = addSystemDrive("ZEQ_SYSTEM", "UUID-HOSTILE");
    QVERIFY(pHostile->writeVersion("map", "3.1;2011-01-01;\n"));
    QVERIFY(pHostile->plantHostile(file, DriveTree::Hostile(kind)));
    pMonitor->notifyDev(notice(pHostile->root(), true));
    if (device) {
        QTRY_COMPARE_WITH_TIMEOUT(recorder.lstRecords.size(), 1, 20000);
        const Worker::DEVINFO info = recorder.lstRecords.at(0).devInfo;
        QCOMPARE(info.sUUID, QString("UUID-HOSTILE"));
        QCOMPARE(file.endsWith("app") ? info.sAppVer : info.sTaVer,
                 QString(file.endsWith("app") ? "0" : "3.1"));
    }
    // The drive goes, and the next device is noticed.
    m_volumes.removeVolume(pHostile->root());
    pMonitor->notifyDev(notice(pHostile->root(), false));
    DriveTree* pNext = addSystemDrive("ZEQ_SYSTEM", "UUID-NEXT");
    pMonitor->notifyDev(notice(pNext->root(), true));
    const int nExpected = device ? 3 : 1;
    QTRY_COMPARE_WITH_TIMEOUT(recorder.lstRecords.size(), nExpected, 20000);
    QCOMPARE(recorder.lstRecords.last().devInfo.sUUID, QString("UUID-NEXT"));
    QVERIFY(recorder.lstRecords.last().bArrival);
    // And quitting ends the monitor.
    DevMonitorThread* pRaw = pMonitor.get();
    auto pbStopped = std::make_shared<bool>(false);
    QVERIFY2(HangGuard::finishes([pRaw, pbStopped]() { *pbStopped = pRaw->stopMonitor(); }),
             "stopping the monitor did not return");
    QVERIFY(*pbStopped);
    QVERIFY(pMonitor->isFinished());
}

void TestDevMonitor::stopIsBoundedWhenACheckHangs()
{
    StuckVolumeInfo volumes;
    auto pMonitor = std::make_unique<DevMonitorThread>(&volumes, &m_ports, SerialLinkFactory());
    pMonitor->start();
    DriveTree tree;
    volumes.addVolume(tree.root(), "ZEQ_SYSTEM");
    volumes.stickOn(tree.root());
    pMonitor->notifyDev(notice(tree.root(), true));
    QTRY_VERIFY_WITH_TIMEOUT(volumes.hasCaller(), 20000);
    // The check cannot end, yet the stop returns and says so.
    DevMonitorThread* pRaw = pMonitor.get();
    auto pbStopped = std::make_shared<bool>(true);
    QVERIFY2(HangGuard::finishes([pRaw, pbStopped]() { *pbStopped = pRaw->stopMonitor(100); }),
             "stopping the monitor did not return");
    QVERIFY(!*pbStopped);
    QVERIFY(pMonitor->isRunning());
    // Once the volume answers, the monitor ends.
    volumes.release();
    QVERIFY(pMonitor->stopMonitor());
    QVERIFY(pMonitor->isFinished());
}

QTEST_GUILESS_MAIN(TestDevMonitor)
#include "tst_devmonitor.moc"
