#include "controller/SerialAccessMessage.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentTiming.h"
#include "platform/DeviceNoticeRules.h"
#include "platform/Platform.h"
#include "platform/TermiosSerialLink.h"
#include "support/BusyCountingLinks.h"
#include "support/ControllerTestDevices.h"
#include "support/RecordingNotifier.h"
#include "support/SerialDeviceSim.h"
#include "support/TestFolders.h"

#include <QFile>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

// The serial family's port as a user without privileges meets it (ctest runs this as "nobody" when it
// starts as root): a port the user may not open is told once, in a box that names it, and the agent goes
// on; a port another program holds for a moment is tried again until it is free.
class TestSerialAccess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void refusedPortIsToldOnce();
    void busyPortIsTriedAgain();

private:
    void listPort(const QString& sPort);
    QStringList messages() const;

    QScopedPointer<TestFolders> m_pFolders;
    ControllerTestDevices* m_pDevices = nullptr;
    std::unique_ptr<RecordingNotifier> m_pNotifier;
    std::unique_ptr<SerialDeviceSim> m_pSim;
    // The real links, counted: the monitor takes its factory when the controller is made.
    BusyCountingLinks m_links{TermiosSerialLink::factory()};
    PlatformOverride m_platform;
};

void TestSerialAccess::initTestCase()
{
    // Root opens any port whatever its mode: the refusal can only be seen without privileges.
    if (::geteuid() == 0)
        QSKIP("runs as a user without privileges (tests/support/run-unprivileged)");
    m_pDevices = ControllerTestDevices::install();
    m_platform.setSerialLinks(m_links.factory());
    AgentTiming::set(AgentTiming::DRIVE_PASSES, 2);
    AgentTiming::set(AgentTiming::DRIVE_PASS_PAUSE, 5);
    m_pFolders.reset(new TestFolders);
    ZeqAgentCtrlMgr::getInstance();
    QTRY_VERIFY(m_pDevices->m_pNotices);
}

void TestSerialAccess::init()
{
    m_pNotifier = std::make_unique<RecordingNotifier>();
    m_pSim = std::make_unique<SerialDeviceSim>();
    if (!m_pSim->start())
        QSKIP("no pseudo-terminal available");
    m_pSim->setIdentity("ACCESS-UUID-1", "SKU-100", "Wendo 100", "1.0.7");
}

void TestSerialAccess::cleanup()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    m_pDevices->m_ports.clear();
    m_pDevices->m_pNotices->sendSerial(false);
    QTRY_VERIFY(!pCtrl->isDevicePresent());
    m_pSim.reset();
    m_pNotifier.reset();
}

void TestSerialAccess::listPort(const QString& sPort)
{
    m_pDevices->m_ports.addPort(sPort, DeviceNoticeRules::SERIAL_VENDOR_ID,
                                DeviceNoticeRules::SERIAL_PRODUCT_ID);
}

QStringList TestSerialAccess::messages() const
{
    QStringList lst;
    for (const RecordingNotifier::Notice& notice : m_pNotifier->m_notices)
        lst << notice.sTitle + "|" + notice.sText;
    return lst;
}

void TestSerialAccess::refusedPortIsToldOnce()
{
    const QString sPort = m_pSim->portName();
    // The pseudo-terminal belongs to this user; without any mode bit its owner may not open it either.
    QCOMPARE(::chmod(QFile::encodeName(sPort).constData(), 0), 0);
    TermiosSerialLink probe(sPort);
    QVERIFY(!probe.open());
    QCOMPARE(probe.openFailure(), SerialLink::OPEN_DENIED);

    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy refreshes(pCtrl, &ZeqAgentCtrlMgr::devRefresh);
    listPort(sPort);
    m_pDevices->m_pNotices->sendSerial(true);
    const QString sExpected = SerialAccessMessage::title() + "|" + SerialAccessMessage::text(sPort);
    QTRY_COMPARE(messages(), QStringList({sExpected}));
    QVERIFY(sExpected.contains(sPort));
    QVERIFY(sExpected.contains("dialout"));

    // The device is plugged in again, and once more: nothing new is told, nothing appears.
    m_pDevices->m_pNotices->sendSerial(true);
    m_pDevices->m_pNotices->sendSerial(true);
    // The monitor handles notices in order: a readable port listed after them shows they were all seen.
    SerialDeviceSim other;
    QVERIFY(other.start());
    other.setIdentity("ACCESS-UUID-2", "SKU-100", "Wendo 100", "1.0.7");
    listPort(other.portName());
    m_pDevices->m_pNotices->sendSerial(true);
    QTRY_VERIFY_WITH_TIMEOUT(pCtrl->isDevicePresent(), 20000);
    QCOMPARE(pCtrl->currentDevice().devInfo.sUUID, QString("ACCESS-UUID-2"));
    QCOMPARE(messages(), QStringList({sExpected}));
    QCOMPARE(m_pSim->frames().size(), 0);
}

void TestSerialAccess::busyPortIsTriedAgain()
{
    const QString sPort = m_pSim->portName();
    // Another program (the modem manager, say) holds the port while the device is noticed.
    auto pHolder = std::make_unique<TermiosSerialLink>(sPort);
    QVERIFY(pHolder->open());
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy refreshes(pCtrl, &ZeqAgentCtrlMgr::devRefresh);
    listPort(sPort);
    m_pDevices->m_pNotices->sendSerial(true);
    // The monitor found it busy at least once before it is let go.
    const int nBusyBefore = m_links.busyOpens();
    QTRY_VERIFY_WITH_TIMEOUT(m_links.busyOpens() > nBusyBefore, 20000);
    QVERIFY(!pCtrl->isDevicePresent());
    pHolder.reset();
    QTRY_VERIFY_WITH_TIMEOUT(pCtrl->isDevicePresent(), 20000);
    QCOMPARE(pCtrl->currentDevice().devInfo.sUUID, QString("ACCESS-UUID-1"));
    QCOMPARE(messages(), QStringList());
}

QTEST_MAIN(TestSerialAccess)
#include "tst_serialaccess.moc"
