#include "support/ControllerTestDevices.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentSettings.h"
#include "platform/FakeVolumeInfo.h"
#include "support/FakeShareService.h"
#include "support/TestFolders.h"
#include "sync/SyncPlatform.h"

#include <QSignalSpy>
#include <QtTest>

// A drive-family sync driven through the controller, as the sync page drives it: the check, then the
// queue, each ending in one final result that reaches the windows and the map page.
class TestSyncCtrl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void checkThenQueue();
    void stoppedQueueReportsNothing();

private:
    QList<int> statusesUntilFinal(QSignalSpy& spy);
    QScopedPointer<TestFolders> m_pFolders;
    QScopedPointer<TestHttpServer> m_pServer;
    QScopedPointer<FakeShareService> m_pService;
    FakeVolumeInfo m_volumes;
    QString m_sDrive;
};

void TestSyncCtrl::initTestCase()
{
    ControllerTestDevices::install();
    m_pFolders.reset(new TestFolders);
    m_pServer.reset(new TestHttpServer);
    QVERIFY(m_pServer->start());
    m_pService.reset(new FakeShareService(*m_pServer));
    AgentSettings().setValue("URL", "WebApi", m_pService->serviceUrl());
    m_sDrive = m_pFolders->dataPath("drive/");
    m_volumes.addVolume(m_sDrive);
    m_volumes.setFreeSpace(100LL * 1024 * 1024);
    SyncPlatform::setVolumes(&m_volumes);
    QVERIFY(TestFolders::writeFile(
        m_sDrive + "Korvo/Tracks/Profile1/ride.gpx",
        "<?xml version=\"1.0\"?>\r\n<gpx version=\"1.1\">\r\n  <trk>\r\n    <type>1</type>"
        "\r\n    <extensions>\r\n    <time>2012-03-15T07:30:05Z</time>\r\n"
        "    <avgspeed>12.5</avgspeed>\r\n    </extensions>\r\n  </trk>\r\n</gpx>\r\n"));
}

void TestSyncCtrl::cleanupTestCase()
{
    SyncPlatform::setVolumes(nullptr);
}

QList<int> TestSyncCtrl::statusesUntilFinal(QSignalSpy& spy)
{
    auto codes = [&spy] {
        QList<int> seen;
        for (const QList<QVariant>& args : spy)
            seen << int(args.at(0).value<ACTION_STATUS>());
        return seen;
    };
    const bool bFinal =
        QTest::qWaitFor([&] { return !spy.isEmpty() && codes().last() != SYNC_PROCESS; }, 30000);
    if (bFinal)
        QTest::qWait(100); // a second final result would show up here
    return codes();
}

void TestSyncCtrl::checkThenQueue()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    m_pService->setAnswer("getRouteSyncList", FakeShareService::RETURN, "[]");
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    QSignalSpy mapStatus(pCtrl, &ZeqAgentCtrlMgr::emitMapStatus);
    pCtrl->checkSync(QString(R"({"type":"500","mount":"%1","session":"S","user":"u"})").arg(m_sDrive));
    QCOMPARE(statusesUntilFinal(finish), QList<int>({SYNC_CHECKSUCCESS}));
    QCOMPARE(finish.first().at(1).toString(), QString(R"({"records":"0","tracks":"0","delete":"0"})"));
    QCOMPARE(mapStatus.count(), 1);
    const QByteArray rcf = TestFolders::readFile(m_pFolders->tempDir() + "/RCF.txt");
    QVERIFY2(rcf.contains("ride.gpx"), rcf.constData());

    finish.clear();
    pCtrl->synclist(
        QString(R"({"type":"500","drive":"%1","session":"S","user":"u","kept":"true"})").arg(m_sDrive));
    const QList<int> statuses = statusesUntilFinal(finish);
    QCOMPARE(statuses.last(), int(SYNC_SUCCESS));
    QCOMPARE(statuses.count(SYNC_SUCCESS), 1);
}

void TestSyncCtrl::stoppedQueueReportsNothing()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    m_pService->setAnswer("getRouteSyncList", FakeShareService::STALL);
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    pCtrl->checkSync(QString(R"({"type":"500","mount":"%1","session":"S","user":"u"})").arg(m_sDrive));
    QVERIFY(m_pServer->waitForRequests(m_pServer->requestCount() + 1, 10000));
    pCtrl->terminateSync();
    QTest::qWait(300);
    QCOMPARE(finish.count(), 0);
}

QTEST_GUILESS_MAIN(TestSyncCtrl)
#include "tst_syncctrl.moc"
