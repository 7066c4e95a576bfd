#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentSettings.h"
#include "support/ControllerTestDevices.h"
#include "support/RecordingNotifier.h"
#include "support/TestFolders.h"

#include <QMetaEnum>
#include <QSignalSpy>
#include <QtTest>

// Every result reaches the windows exactly once; the account results move the pending account into the
// current one or clear it; the rest pass on unchanged.
class TestResults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void passedOnOnce_data();
    void passedOnOnce();
    void accountResults();
    void loginKeepsPendingUntilResult();
    void twoSignInsInFlight();
    void logout();
    void buttonsAnnounceTwice();
    void connectionMessage();
    void regDevList_data();
    void regDevList();

private:
    QScopedPointer<TestFolders> m_pFolders;
};

void TestResults::initTestCase()
{
    ControllerTestDevices::install();
    m_pFolders.reset(new TestFolders);
    ZeqAgentCtrlMgr::getInstance();
}

void TestResults::passedOnOnce_data()
{
    QTest::addColumn<int>("status");
    const int values[] = {0,  1,  2,  3,  4,  6,  11, 12, 13, 14, 21, 22, 26, 27, 36, 37, 40,  41, 51, 52,
                          53, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 70, 71, 72,  73, 74, 75,
                          76, 77, 78, 81, 83, 84, 86, 87, 88, 89, 90, 91, 92, 93, 94, 99, 113, 120};
    for (int nValue : values)
        QTest::addRow("%d", nValue) << nValue;
}

void TestResults::passedOnOnce()
{
    QFETCH(int, status);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    QSignalSpy mapStatus(pCtrl, &ZeqAgentCtrlMgr::emitMapStatus);
    pCtrl->slotHandleResults(ACTION_STATUS(status), "text");
    QCOMPARE(finish.count(), 1);
    // The map page hears the end of a sync check or run too.
    const bool bSyncEnd =
        (status >= SYNC_CHECKSUCCESS && status <= SYNC_SIZENOTENOUGH) || status == SYNC_DISKFULL;
    // And the ends of the map check and of its own shop, credit, language and add-on queries.
    const bool bMapEnd = status == MAP_CHECKSUCCESS || (status >= ESHOP_SUCCESS && status <= MAP_QUERYADDMAP);
    QCOMPARE(mapStatus.count(), bSyncEnd || bMapEnd ? 1 : 0);
    QCOMPARE(finish.at(0).at(0).value<ACTION_STATUS>(), ACTION_STATUS(status));
    QCOMPARE(finish.at(0).at(1).toString(), QString("text"));
}

void TestResults::accountResults()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->login(R"({"user":"a@b.c","password":"pw"})");
    pCtrl->slotHandleResults(LOGIN_SUCCESS, "abc");
    QCOMPARE(pCtrl->currentUser(), QString("a@b.c"));
    QCOMPARE(pCtrl->currentPassword(), QString("pw"));
    QCOMPARE(pCtrl->currentSession(), QString("abc"));
    QVERIFY(pCtrl->isSignedIn());
    for (ACTION_STATUS failure : {LOGIN_ERROR, LOGIN_REJECTED, LOGIN_INTERNETERROR}) {
        pCtrl->slotHandleResults(LOGIN_SUCCESS, "abc");
        pCtrl->slotHandleResults(failure, QString());
        QCOMPARE(pCtrl->currentUser(), QString());
        QCOMPARE(pCtrl->currentPassword(), QString());
        QCOMPARE(pCtrl->currentSession(), QString());
    }
}

void TestResults::loginKeepsPendingUntilResult()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->login(R"({"user":"first@x.org","password":"one"})");
    pCtrl->slotHandleResults(LOGIN_SUCCESS, "S");
    QSignalSpy forwarded(pCtrl, &ZeqAgentCtrlMgr::emitLogin);
    const QString sOnlyUser = R"({"user":"second@x.org"})";
    pCtrl->login(sOnlyUser);
    QCOMPARE(forwarded.count(), 1);
    QCOMPARE(forwarded.at(0).at(0).toString(), sOnlyUser);
    QCOMPARE(pCtrl->pendingUser(), QString("second@x.org"));
    QCOMPARE(pCtrl->pendingPassword(), QString("one"));
    QCOMPARE(pCtrl->currentUser(), QString("first@x.org"));
    pCtrl->slotHandleResults(LOGIN_ERROR, QString()); // the answer to the second sign-in
}

void TestResults::twoSignInsInFlight()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->login(R"({"user":"anna@x.org","password":"a"})");
    pCtrl->login(R"({"user":"bob@x.org","password":"b"})");
    pCtrl->slotHandleResults(LOGIN_SUCCESS, "S-ANNA");
    QCOMPARE(pCtrl->currentUser(), QString("anna@x.org"));
    QCOMPARE(pCtrl->currentPassword(), QString("a"));
    pCtrl->slotHandleResults(LOGIN_SUCCESS, "S-BOB");
    QCOMPARE(pCtrl->currentUser(), QString("bob@x.org"));
    QCOMPARE(pCtrl->currentSession(), QString("S-BOB"));
}

void TestResults::logout()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->login(R"({"user":"a@b.c","password":"pw"})");
    pCtrl->slotHandleResults(LOGIN_SUCCESS, "S");
    {
        AgentSettings settings;
        settings.setValue("LOGIN", "user", "a@b.c");
        settings.setValue("LOGIN", "password", "c2NyYW1ibGVk");
        settings.setValue("LOGIN", "AutoLogin", "true");
    }
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    pCtrl->logout();
    QCOMPARE(finish.count(), 1);
    QCOMPARE(finish.at(0).at(0).value<ACTION_STATUS>(), LOGOUT_SUCCESS);
    QCOMPARE(finish.at(0).at(1).toString(), QString());
    QCOMPARE(pCtrl->currentUser(), QString("a@b.c"));
    QCOMPARE(pCtrl->currentSession(), QString());
    AgentSettings settings;
    QCOMPARE(settings.getString("LOGIN", "password"), QString());
    QCOMPARE(settings.getString("LOGIN", "user"), QString("a@b.c"));
    QCOMPARE(settings.getString("LOGIN", "AutoLogin"), QString("true"));
}

void TestResults::buttonsAnnounceTwice()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QList<int> order;
    auto onFinish = connect(pCtrl, &ZeqAgentCtrlMgr::actionFinish,
                            [&order](ACTION_STATUS status, QString) { order << 1000 + status; });
    auto onMap = connect(pCtrl, &ZeqAgentCtrlMgr::emitMapStatus,
                         [&order](ACTION_STATUS status, QString) { order << 2000 + status; });
    pCtrl->setMyDeviceRegWidgetButton(false);
    pCtrl->setMyDeviceRegWidgetButton(true);
    pCtrl->emitSyncSuccess();
    disconnect(onFinish);
    disconnect(onMap);
    QCOMPARE(order, QList<int>({1060, 2060, 1059, 2059, 1063}));
}

void TestResults::connectionMessage()
{
    RecordingNotifier notifier;
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->setErrorInfo("E1", "bad");
    pCtrl->slotHandleResults(MAP_CHECKERROR, "reason");
    pCtrl->slotHandleResults(MAP_CHECKERROR, "reason");
    QCOMPARE(notifier.m_notices.size(), 2);
    const QString sMessage =
        "Failed to connect to the ZeqShare Server. Please check your internet connection.";
    QCOMPARE(notifier.m_notices.at(0).sTitle, QString("Internet connection"));
    QCOMPARE(notifier.m_notices.at(0).sText, sMessage + "(E1)");
    QCOMPARE(notifier.m_notices.at(1).sText, sMessage);
    QCOMPARE(pCtrl->takeErrorString(), QString());
}

void TestResults::regDevList_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("uuids");
    const QString sFull =
        R"({"UUID":"U1","SKUID":"S1","Model":"M1","HardwareName":"Wendo 500","AddDate":"2026-01-02"})";
    QTest::newRow("two objects") << "[" + sFull + R"(,{"UUID":"U2"}])" << true << QStringList({"U1", "U2"});
    QTest::newRow("pretty and trailing space")
        << "[\n  " + sFull + ",\n  {\"UUID\": \"U2\"}\n]\n  " << true << QStringList({"U1", "U2"});
    QTest::newRow("brace inside a value")
        << R"([{"UUID":"U1","HardwareName":"a{b"}])" << true << QStringList({"U1"});
    QTest::newRow("entry without uuid skipped")
        << R"([{"SKUID":"S"},{"UUID":"U3"}])" << true << QStringList({"U3"});
    QTest::newRow("empty array") << "[]" << true << QStringList();
    QTest::newRow("single object") << sFull << true << QStringList({"U1"});
    QTest::newRow("error") << "ERROR:E0007" << false << QStringList();
    QTest::newRow("ERROR inside a name is a device")
        << R"([{"UUID":"U1","HardwareName":"NOERROR"}])" << true << QStringList({"U1"});
    QTest::newRow("empty") << "" << true << QStringList();
    // An account listing 30,000 devices: the first 256, never a page of 30,000 rows.
    QStringList devices;
    QStringList first;
    for (int i = 0; i < 30000; ++i) {
        devices << QString(R"({"UUID":"D%1","HardwareName":"Wendo 500"})").arg(i);
        if (i < 256)
            first << QString("D%1").arg(i);
    }
    QTest::newRow("30,000 devices") << "[" + devices.join(',') + "]" << true << first;
}

void TestResults::regDevList()
{
    QFETCH(QString, answer);
    QFETCH(bool, ok);
    QFETCH(QStringList, uuids);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    for (int nRound = 0; nRound < 2; ++nRound) { // the same answer twice gives the same list
        QCOMPARE(pCtrl->procEnumRegDevText(answer), ok);
        QStringList seen;
        for (const Worker::DEVINFO& info : pCtrl->regDevList())
            seen << info.sUUID;
        QCOMPARE(seen, uuids);
    }
    if (QTest::currentDataTag() == QLatin1String("two objects")) {
        const Worker::DEVINFO& first = pCtrl->regDevList().at(0);
        QCOMPARE(first.sSkuID, QString("S1"));
        QCOMPARE(first.sModel, QString("M1"));
        QCOMPARE(first.sHWName, QString("Wendo 500"));
        QCOMPARE(first.sReserved, QString("2026-01-02"));
        QCOMPARE(pCtrl->regDevList().at(1).sHWName, QString());
    }
}

QTEST_GUILESS_MAIN(TestResults)
#include "tst_results.moc"
