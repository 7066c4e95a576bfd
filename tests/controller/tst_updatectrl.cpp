#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/WorkFile.h"
#include "platform/ArchiveTool.h"
#include "support/ControllerTestDevices.h"
#include "support/FakeClock.h"
#include "support/FakeUpdateService.h"
#include "support/LiveWorkers.h"
#include "support/SystemTools.h"
#include "support/TestFolders.h"

#include <QDir>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

namespace
{
const char CHECK_REQUEST[] =
    R"({"sku":"006-B2","uuid":"U-1","model":"Rider","acc":"me@example.org","image":"1","application":"2","agent":"3"})";

// Notes every device update worker that gets an event (its queued results arrive as events), so a test
// can see when each is gone.
class WorkerWatch : public QObject
{
public:
    WorkerWatch() { QCoreApplication::instance()->installEventFilter(this); }
    ~WorkerWatch() override { QCoreApplication::instance()->removeEventFilter(this); }

    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        if (pObject->objectName() == "DeviceUpdateWorker" && !m_lstSeen.contains(pObject))
            m_lstSeen.append(pObject);
        return QObject::eventFilter(pObject, pEvent);
    }
    int alive() const
    {
        int nAlive = 0;
        for (const QPointer<QObject>& pWorker : m_lstSeen)
            nAlive += pWorker ? 1 : 0;
        return nAlive;
    }
    int seen() const { return m_lstSeen.size(); }

private:
    QList<QPointer<QObject>> m_lstSeen;
};
} // namespace

// The device update worker driven through the controller: the check's bookkeeping (row 71), the worker's
// place, and the stops.
class TestUpdateCtrl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void checkSuccess_data();
    void checkSuccess();
    void serialDeviceGetsNoDevicePackages_data();
    void serialDeviceGetsNoDevicePackages();
    void nothingOffered();
    void checkWithoutDeviceLeavesTheRemovedDevice();
    void serviceErrorKeepsTheCode();
    void newStartStopsTheHeldWorker();
    void exitStopsTheDeviceWorker();
    void installThroughTheController();
    void archiveSize();
    void archiveSpaceOnTheDrive_data();
    void archiveSpaceOnTheDrive();

private:
    QList<int> statusesUntilFinal(QSignalSpy& spy);
    Worker::DEVINFOEX notice(bool bArrival, int nFamily, const QString& sUUID);
    void detach();

    QScopedPointer<TestFolders> m_pFolders;
    QScopedPointer<TestHttpServer> m_pServer;
    QScopedPointer<FakeUpdateService> m_pService;
    ControllerTestDevices* m_pDevices = nullptr;
};

void TestUpdateCtrl::initTestCase()
{
    m_pDevices = ControllerTestDevices::install();
    AgentTiming::set(AgentTiming::DRIVE_PASSES, 2);
    AgentTiming::set(AgentTiming::DRIVE_PASS_PAUSE, 5);
    m_pFolders.reset(new TestFolders);
    ZeqAgentCtrlMgr::getInstance();
    QTRY_VERIFY(m_pDevices->m_pNotices);
    m_pServer.reset(new TestHttpServer);
    QVERIFY(m_pServer->start());
    m_pService.reset(new FakeUpdateService(*m_pServer));
    AgentSettings().setValue("URL", "DevUpdate", m_pService->checkUrl());
}

void TestUpdateCtrl::init()
{
    m_pService->answerUpdates(
        {{"IMAGE", "2026/01/02", "3.1", "1234", "http://dl.example/i.zip", "http://notes.example/i", true}});
    m_pServer->clearRequests();
    QFile::remove(m_pFolders->tempDir() + "/Update.script");
    QFile::remove(m_pFolders->tempDir() + "/map.script");
}

void TestUpdateCtrl::cleanup()
{
    detach();
    ZeqAgentCtrlMgr::getInstance()->doStopDeviceWorker();
}

Worker::DEVINFOEX TestUpdateCtrl::notice(bool bArrival, int nFamily, const QString& sUUID)
{
    Worker::DEVINFOEX info;
    info.bArrival = bArrival;
    info.type = nFamily;
    info.devInfo.sUUID = sUUID;
    if (nFamily == Worker::FAMILY_SERIAL)
        info.sComPort = "/dev/ttyACM0";
    else
        info.lstDrive = QStringList({"/media/sys/", "/media/data/"});
    return info;
}

void TestUpdateCtrl::detach()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    if (pCtrl->isDevicePresent())
        pCtrl->notityWendoDev(notice(false, pCtrl->deviceFamily(), pCtrl->currentDevice().devInfo.sUUID));
}

QList<int> TestUpdateCtrl::statusesUntilFinal(QSignalSpy& spy)
{
    auto codes = [&spy] {
        QList<int> seen;
        for (const QList<QVariant>& args : spy)
            seen << int(args.at(0).value<ACTION_STATUS>());
        return seen;
    };
    const QList<int> progress = {DEVICE_DOWNLOADPROCESS, DEVICE_INSTALLPROCESS};
    LiveWorkers workers;
    if (!QTest::qWaitFor([&] { return !spy.isEmpty() && !progress.contains(codes().last()); }, 30000))
        return codes();
    // A second final result would come from the worker before the controller deletes it.
    if (!workers.waitUntilNone())
        return codes() << -1;
    return codes();
}

void TestUpdateCtrl::checkSuccess_data()
{
    QTest::addColumn<int>("family"); // 0: no device
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("update"); // the device's update state after the check
    QTest::newRow("no device") << 0 << int(DEVICE_CHECKSUCCESS) << "";
    QTest::newRow("drive family") << int(Worker::FAMILY_DRIVE) << int(DEVICE_CHECKSUCCESS) << "true";
    // The offered firmware cannot reach a serial device: nothing is left to offer.
    QTest::newRow("serial family: the whole check")
        << int(Worker::FAMILY_SERIAL) << int(MAP_CHECKSUCCESS) << "false";
}

void TestUpdateCtrl::checkSuccess()
{
    QFETCH(int, family);
    QFETCH(int, status);
    QFETCH(QString, update);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    const QString sUUID = QString("UPD-%1").arg(family);
    FakeClock clock;
    clock.setToday(QDate(2031, 2, 3));
    PlatformOverride platform;
    platform.setClock(&clock);
    if (family != 0) {
        pCtrl->notityWendoDev(notice(true, family, sUUID));
        QVERIFY(pCtrl->isDevicePresent());
    }
    const QString sGroup = pCtrl->currentDevice().devInfo.sUUID;
    WorkerWatch watch;
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    QSignalSpy mapStatus(pCtrl, &ZeqAgentCtrlMgr::emitMapStatus);
    pCtrl->checkDeviceUpdate(CHECK_REQUEST, false);
    QCOMPARE(statusesUntilFinal(finish), QList<int>({status}));
    QCOMPARE(finish.first().at(1).toString(), QString());
    QCOMPARE(mapStatus.count(), 0);
    // Without a device the record has no group to write to.
    AgentSettings settings;
    if (update == "true") {
        QCOMPARE(settings.getDeviceString(sGroup, "update"), QString("true"));
        QCOMPARE(settings.getDeviceString(sGroup, "releaseurl"), QString("http://notes.example/i"));
    } else if (update == "false") {
        QCOMPARE(settings.getDeviceString(sGroup, "update"), QString("false"));
    }
    QCOMPARE(settings.getDeviceString(sGroup, "autocheck"), family != 0 ? QString("2031/02/03") : QString());
    // The final result released the worker.
    QVERIFY(watch.seen() > 0);
    QTRY_COMPARE(watch.alive(), 0);
}

// A serial-family device has no drive for the install to put device software or firmware on: the check
// offers it none of them, and the agent's own package stays on offer. A drive-family device keeps all.
void TestUpdateCtrl::serialDeviceGetsNoDevicePackages_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("update");
    QTest::addColumn<QString>("releaseUrl");
    const QStringList lstAll = {"AGENT", "IMAGE", "APPLICATION"};
    QTest::newRow("serial: device packages only")
        << int(Worker::FAMILY_SERIAL) << QStringList{"IMAGE", "APPLICATION"} << QStringList() << "false"
        << "";
    QTest::newRow("serial: the agent package stays")
        << int(Worker::FAMILY_SERIAL) << lstAll << QStringList{"AGENT"} << "true"
        << "http://notes.example/AGENT";
    QTest::newRow("drive: everything offered") << int(Worker::FAMILY_DRIVE) << lstAll << lstAll << "true"
                                               << "http://notes.example/AGENT";
}

void TestUpdateCtrl::serialDeviceGetsNoDevicePackages()
{
    QFETCH(int, family);
    QFETCH(QStringList, offered);
    QFETCH(QStringList, listed);
    QFETCH(QString, update);
    QFETCH(QString, releaseUrl);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    const QString sUUID = QString("UPD-OFFER-%1").arg(family);
    pCtrl->notityWendoDev(notice(true, family, sUUID));
    QVERIFY(pCtrl->isDevicePresent());
    AgentSettings().setDeviceValue(sUUID, "releaseurl", "");
    QList<FakeUpdateService::Package> packages;
    for (const QString& sKind : offered)
        packages.append({sKind, "2026/01/02", "9", "1234", "http://dl.example/" + sKind + ".zip",
                         "http://notes.example/" + sKind, true});
    m_pService->answerUpdates(packages);
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    pCtrl->checkDeviceUpdate(CHECK_REQUEST, false);
    QCOMPARE(statusesUntilFinal(finish),
             QList<int>({family == Worker::FAMILY_SERIAL ? MAP_CHECKSUCCESS : DEVICE_CHECKSUCCESS}));
    QList<WorkFile::Row> rows;
    WorkFile::readRows(m_pFolders->tempDir() + "/Update.script", &rows);
    QStringList lstKinds;
    for (const WorkFile::Row& row : rows)
        lstKinds << row.value(0);
    QCOMPARE(lstKinds, listed);
    AgentSettings settings;
    QCOMPARE(settings.getDeviceString(sUUID, "update"), update);
    QCOMPARE(settings.getDeviceString(sUUID, "releaseurl"), releaseUrl);
    // What the agent's offer asks stays true for the serial device.
    QCOMPARE(pCtrl->checkWendoAgentUpdateAvailable(), listed.value(0) == "AGENT");
}

void TestUpdateCtrl::nothingOffered()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->notityWendoDev(notice(true, Worker::FAMILY_DRIVE, "UPD-NONE"));
    AgentSettings().setDeviceValue("UPD-NONE", "update", "true");
    QVERIFY(
        WorkFile::writeRows(m_pFolders->tempDir() + "/Update.script", {{"IMAGE", "", "", "", "", "old"}}));
    m_pService->answerError("", "");
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    pCtrl->checkDeviceUpdate(CHECK_REQUEST, false);
    QCOMPARE(statusesUntilFinal(finish), QList<int>({DEVICE_CHECKSUCCESS}));
    QVERIFY(!QFile::exists(m_pFolders->tempDir() + "/Update.script"));
    QCOMPARE(AgentSettings().getDeviceString("UPD-NONE", "update"), QString("false"));
}

// The agent's own check runs without a device; the controller's record still names the device last
// removed, whose update state an agent row says nothing about.
void TestUpdateCtrl::checkWithoutDeviceLeavesTheRemovedDevice()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->notityWendoDev(notice(true, Worker::FAMILY_DRIVE, "UPD-GONE"));
    AgentSettings().setDeviceValue("UPD-GONE", "update", "false");
    AgentSettings().setDeviceValue("UPD-GONE", "releaseurl", "http://notes.example/device");
    detach();
    QCOMPARE(pCtrl->currentDevice().devInfo.sUUID, QString("UPD-GONE"));
    m_pService->answerUpdates({{"AGENT", "2026/01/02", "9.9", "1234", "http://dl.example/a.zip",
                                "http://notes.example/agent", true}});
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    pCtrl->checkDeviceUpdate(CHECK_REQUEST, false);
    QCOMPARE(statusesUntilFinal(finish), QList<int>({DEVICE_CHECKSUCCESS}));
    AgentSettings settings;
    QCOMPARE(settings.getDeviceString("UPD-GONE", "update"), QString("false"));
    QCOMPARE(settings.getDeviceString("UPD-GONE", "releaseurl"), QString("http://notes.example/device"));
}

// The service's error code reaches the window, and the worker that carried it is let go.
void TestUpdateCtrl::serviceErrorKeepsTheCode()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    WorkerWatch watch;
    m_pService->answerError("E77", "unknown device");
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    pCtrl->checkDeviceUpdate(CHECK_REQUEST, false);
    QCOMPARE(statusesUntilFinal(finish), QList<int>({DEVICE_CHECKERROR}));
    QCOMPARE(pCtrl->takeErrorCode(), QString("E77"));
    QCOMPARE(pCtrl->takeErrorString(), QString("unknown device"));
    QVERIFY(watch.seen() > 0);
    QTRY_COMPARE(watch.alive(), 0);
}

// A second check while the first still waits for its answer stops the first: only one result comes.
void TestUpdateCtrl::newStartStopsTheHeldWorker()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    WorkerWatch watch;
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    m_pService->answerKind(FakeUpdateService::STALL);
    pCtrl->checkDeviceUpdate(CHECK_REQUEST, false);
    QVERIFY(m_pServer->waitForRequests(1));
    m_pService->answerKind(FakeUpdateService::UPDATES);
    pCtrl->checkDeviceUpdate(CHECK_REQUEST, false);
    // Every worker is gone once the result is in: the stopped one can no longer report.
    QCOMPARE(statusesUntilFinal(finish), QList<int>({DEVICE_CHECKSUCCESS}));
    QTRY_COMPARE(watch.alive(), 0);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(finish.count(), 1);
}

void TestUpdateCtrl::exitStopsTheDeviceWorker()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    WorkerWatch watch;
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    m_pService->answerKind(FakeUpdateService::STALL);
    pCtrl->checkDeviceUpdate(CHECK_REQUEST, false);
    QVERIFY(m_pServer->waitForRequests(1));
    QVERIFY(watch.seen() > 0);
    pCtrl->terminateAllWorker();
    // The worker is gone at once, so a request of its that still ran cannot fail and report 74 when the
    // server stops.
    QCOMPARE(watch.alive(), 0);
    m_pServer->stop();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(finish.count(), 0);
    QVERIFY(m_pServer->start());
    AgentSettings().setValue("URL", "DevUpdate", m_pService->checkUrl());
}

void TestUpdateCtrl::installThroughTheController()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    WorkerWatch watch;
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    QVERIFY(WorkFile::writeRows(m_pFolders->tempDir() + "/Update.script", {}));
    pCtrl->installDeviceUpdate(R"({"drive":"/media/sys/"})", false);
    QCOMPARE(statusesUntilFinal(finish), QList<int>({INSTALLUPDATE_SUCCESS}));
    QCOMPARE(finish.first().at(1).toString(), QString("true"));
    QTRY_COMPARE(watch.alive(), 0);
}

void TestUpdateCtrl::archiveSize()
{
    QCOMPARE(ZeqAgentCtrlMgr::getInstance()->getUnzipTotalSize(m_pFolders->dataPath("no-such.zip")),
             qint64(-1));
}

void TestUpdateCtrl::archiveSpaceOnTheDrive_data()
{
    QTest::addColumn<qint64>("unit");
    QTest::addColumn<bool>("volumeKnown");
    QTest::addColumn<qint64>("size");
    // Two files of one and 5000 bytes in one folder.
    QTest::newRow("4 KB units") << 4096LL << true << 4096LL * (1 + 2 + 1);
    QTest::newRow("32 KB clusters") << 32768LL << true << 32768LL * (1 + 1 + 1);
    QTest::newRow("volume unknown: bytes") << 4096LL << false << 1LL + 5000 + 1;
}

// What the install dialog's progress measures against: the room the package takes on the device's drive.
void TestUpdateCtrl::archiveSpaceOnTheDrive()
{
    QFETCH(qint64, unit);
    QFETCH(bool, volumeKnown);
    QFETCH(qint64, size);
    const QString sProgram = ArchiveTool::findProgram(QString());
    if (sProgram.isEmpty())
        QSKIP("no 7-Zip installed");
    const QString sSource = m_pFolders->dataPath("src");
    QVERIFY(TestFolders::writeFile(sSource + "/App/one.bin", "1"));
    QVERIFY(TestFolders::writeFile(sSource + "/App/more.bin", QByteArray(5000, 'm')));
    const QString sArchive = m_pFolders->dataPath("space.zip");
    QFile::remove(sArchive);
    QString sWhy;
    QVERIFY2(SystemTools::run(sProgram, {"a", "-tzip", sArchive, sSource + "/."}, &sWhy), qPrintable(sWhy));
    FakeVolumeInfo& volumes = m_pDevices->m_volumes;
    if (volumeKnown)
        volumes.addVolume("/media/sys/", "ZEQ_SYSTEM");
    volumes.setUnit(quint64(unit));
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->notityWendoDev(notice(true, Worker::FAMILY_DRIVE, "UPD-SPACE"));
    const qint64 nSize = pCtrl->getUnzipTotalSize(sArchive);
    volumes.clear();
    QCOMPARE(nSize, size);
}

QTEST_GUILESS_MAIN(TestUpdateCtrl)
#include "tst_updatectrl.moc"
