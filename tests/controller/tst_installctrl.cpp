#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/WorkFile.h"
#include "support/ControllerTestDevices.h"
#include "support/TestFolders.h"
#include "support/TestHttpServer.h"

#include <QSignalSpy>
#include <QtTest>

// What the install dialog asks of the controller about the device: the drive an install unpacks to,
// the free space with a failed query told from a full drive, the system drive's label; and that the
// device part of an install can be stopped half way.
class TestInstallCtrl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void systemDriveRoot_data();
    void systemDriveRoot();
    void freeSpace_data();
    void freeSpace();
    void systemDriveLabel();
    void stoppedDeviceInstallSaysNothing();

private:
    static Worker::DEVINFOEX notice(bool bArrival, int nFamily, const QStringList& lstDrive);
    static void detach();

    QScopedPointer<TestFolders> m_pFolders;
    ControllerTestDevices* m_pDevices = nullptr;
};

void TestInstallCtrl::initTestCase()
{
    qRegisterMetaType<ACTION_STATUS>("ACTION_STATUS");
    m_pDevices = ControllerTestDevices::install();
    m_pFolders.reset(new TestFolders);
    ZeqAgentCtrlMgr::getInstance();
    QTRY_VERIFY(m_pDevices->m_pNotices);
}

void TestInstallCtrl::cleanup()
{
    detach();
    m_pDevices->m_volumes.clear();
    ZeqAgentCtrlMgr::getInstance()->doStopDeviceWorker();
    AgentTiming::resetDefaults();
}

Worker::DEVINFOEX TestInstallCtrl::notice(bool bArrival, int nFamily, const QStringList& lstDrive)
{
    Worker::DEVINFOEX info;
    info.bArrival = bArrival;
    info.type = nFamily;
    info.devInfo.sUUID = "U-1";
    info.devInfo.sHWName = "Wendo 500";
    if (nFamily == Worker::FAMILY_SERIAL)
        info.sComPort = "/dev/ttyACM0";
    else
        info.lstDrive = lstDrive;
    return info;
}

void TestInstallCtrl::detach()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    if (pCtrl->isDevicePresent()) {
        Worker::DEVINFOEX info = pCtrl->currentDevice();
        info.bArrival = false;
        pCtrl->notityWendoDev(info);
    }
}

void TestInstallCtrl::systemDriveRoot_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<QStringList>("drives");
    QTest::addColumn<bool>("leaves");
    QTest::addColumn<QString>("root");
    const QStringList lstDrives = {"/media/sys/", "/media/data/"};
    QTest::newRow("drive family") << int(Worker::FAMILY_DRIVE) << lstDrives << false << "/media/sys/";
    QTest::newRow("drive family gone") << int(Worker::FAMILY_DRIVE) << lstDrives << true << "";
    QTest::newRow("serial family") << int(Worker::FAMILY_SERIAL) << QStringList() << false << "";
    QTest::newRow("serial family gone") << int(Worker::FAMILY_SERIAL) << QStringList() << true << "";
    QTest::newRow("no drive roots") << int(Worker::FAMILY_DRIVE) << QStringList() << false << "";
}

void TestInstallCtrl::systemDriveRoot()
{
    QFETCH(int, family);
    QFETCH(QStringList, drives);
    QFETCH(bool, leaves);
    QFETCH(QString, root);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->notityWendoDev(notice(true, family, drives));
    if (leaves)
        pCtrl->notityWendoDev(notice(false, family, drives));
    QCOMPARE(pCtrl->systemDriveRoot(), root);
}

void TestInstallCtrl::freeSpace_data()
{
    QTest::addColumn<bool>("volume");
    QTest::addColumn<qint64>("free");
    QTest::addColumn<bool>("answered");
    QTest::addColumn<quint64>("bytes");
    QTest::newRow("room") << true << qint64(5368709120LL) << true << quint64(5368709120ULL);
    QTest::newRow("full drive") << true << qint64(0) << true << quint64(0);
    QTest::newRow("query fails") << true << qint64(-1) << false << quint64(0);
    QTest::newRow("no volume there") << false << qint64(4096) << false << quint64(0);
}

void TestInstallCtrl::freeSpace()
{
    QFETCH(bool, volume);
    QFETCH(qint64, free);
    QFETCH(bool, answered);
    QFETCH(quint64, bytes);
    if (volume)
        m_pDevices->m_volumes.addVolume("/media/sys/", "ZEQ_SYSTEM");
    m_pDevices->m_volumes.setFreeSpace(free);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->notityWendoDev(notice(true, Worker::FAMILY_DRIVE, {"/media/sys/", "/media/data/"}));
    quint64 nBytes = 77;
    QCOMPARE(pCtrl->queryDiskFreeSpace(&nBytes), answered);
    QCOMPARE(nBytes, bytes);
    QCOMPARE(pCtrl->getDiskFreeSpace(), bytes);
}

void TestInstallCtrl::systemDriveLabel()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    m_pDevices->m_volumes.addVolume("/media/sys/", "  ZEQ_SYSTEM ");
    pCtrl->notityWendoDev(notice(true, Worker::FAMILY_DRIVE, {"/media/sys/", "/media/data/"}));
    QCOMPARE(pCtrl->systemDriveLabel(), QString("ZEQ_SYSTEM"));
    m_pDevices->m_volumes.setLabel("/media/sys/", QString());
    QCOMPARE(pCtrl->systemDriveLabel(), QString());
    detach();
    pCtrl->notityWendoDev(notice(true, Worker::FAMILY_SERIAL, {}));
    QCOMPARE(pCtrl->systemDriveLabel(), QString());
}

// A device that leaves while a package downloads: the stop ends the download and nothing more is heard
// of it, neither a failure when the connection drops nor a success later.
void TestInstallCtrl::stoppedDeviceInstallSaysNothing()
{
    TestHttpServer server;
    QVERIFY(server.start());
    AgentTiming::set(AgentTiming::DOWNLOAD_PROGRESS, 0);
    const QByteArray package(300000, 'p');
    server.setHandler([&package](const TestHttpServer::Request& request) {
        if (request.method == "HEAD")
            return TestHttpServer::fileAnswer(request, package);
        return TestHttpServer::Answer::ok(package, "application/zip").stalledAfter(1000);
    });
    QVERIFY(WorkFile::writeRows(m_pFolders->tempDir() + "/Update.script",
                                {{"APPLICATION", "2026/01/02", "2.0", QString::number(package.size()),
                                  server.url("/App_2.zip"), "notes"}}));
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    pCtrl->installDeviceUpdate(R"({"drive":"/media/sys/"})", false);
    QVERIFY(server.waitForRequests(2));
    // The stop ends the worker and its download at once: the client closes its connections, and once
    // every event already posted is delivered, anything the stopped worker had to say has been heard.
    pCtrl->doStopDeviceWorker();
    QVERIFY(QTest::qWaitFor([&server] { return server.openConnections() == 0; }, 10000));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    server.stop();
    for (const QList<QVariant>& args : finish)
        QCOMPARE(int(args.at(0).value<ACTION_STATUS>()), int(DEVICE_DOWNLOADPROCESS));
}

QTEST_GUILESS_MAIN(TestInstallCtrl)
#include "tst_installctrl.moc"
