#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "core/Worker.h"
#include "net/EnumDevWorker.h"
#include "net/GeneralWorker.h"
#include "net/NetInterface.h"
#include "support/FakeShareService.h"
#include "support/RecordingNotifier.h"
#include "support/TestFolders.h"

#include <QSignalSpy>
#include <QtTest>

using Kind = FakeShareService::Kind;
Q_DECLARE_METATYPE(FakeShareService::Kind)

// The account worker against a fake sharing service on loopback: one table per operation from the
// service's answer to the status and text, the values on the wire, and the order of answers.
class TestGeneralWorker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void login_data();
    void login();
    void checkDeviceReg_data();
    void checkDeviceReg();
    void registerDevice_data();
    void registerDevice();
    void deregisterDevice_data();
    void deregisterDevice();
    void getCustomerSetting_data();
    void getCustomerSetting();
    void setCustomerSetting_data();
    void setCustomerSetting();
    void valuesSurviveTheWire();
    void backToBackRequestsAnsweredInOrder();
    void noServerIsANetworkFailure();
    void enumDevWorker_data();
    void enumDevWorker();
    void answerSize_data();
    void answerSize();
    void hugeSignInAnswerIsCutInTheLog();
    void dripEndsTheSignInAsNetworkFailure();

private:
    // Answers every request with sOperation's SOAP answer grown to exactly nSize bytes: by its return
    // text when sReturn is empty (the text is handed back), else by a comment beside sReturn.
    QString answerWithSize(const QString& sOperation, qint64 nSize, bool bChunked,
                           const QString& sReturn = QString());
    // Runs one operation and waits for its statuses; the request names the operation by its slot.
    QList<QVariantList> runAndCollect(const QString& sOperation);
    void runOperation(const char* szSlot, const QString& sRequest, Kind eKind, const QString& sReturn,
                      const QString& sOperation);
    // Sends one more sign-in, answered with a marker session, and waits for its status: whatever the
    // requests before it still had to report comes before the marker. Returns the statuses before it.
    QList<QVariantList> statusesBeforeMarker();
    QScopedPointer<TestFolders> m_pFolders;
    QScopedPointer<TestHttpServer> m_pServer;
    QScopedPointer<FakeShareService> m_pService;
    QScopedPointer<GeneralWorker> m_pWorker;
    QScopedPointer<QSignalSpy> m_pStatus;
    int m_nMarkerRequests = 0;
};

void TestGeneralWorker::initTestCase()
{
    Worker::registerMetaTypes();
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 300);
}

void TestGeneralWorker::init()
{
    m_pFolders.reset(new TestFolders);
    m_pServer.reset(new TestHttpServer);
    QVERIFY(m_pServer->start());
    m_pService.reset(new FakeShareService(*m_pServer));
    {
        AgentSettings settings;
        settings.setValue("URL", "WebApi", m_pService->serviceUrl());
    }
    m_pWorker.reset(new GeneralWorker);
    m_pStatus.reset(new QSignalSpy(m_pWorker.data(), &GeneralWorker::emitStatus));
    m_nMarkerRequests = 0;
}

void TestGeneralWorker::cleanup()
{
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 300);
    m_pStatus.reset();
    m_pWorker.reset();
    m_pService.reset();
    m_pServer.reset();
    m_pFolders.reset();
}

void TestGeneralWorker::runOperation(const char* szSlot, const QString& sRequest, Kind eKind,
                                     const QString& sReturn, const QString& sOperation)
{
    m_pService->setAnswer(sOperation, eKind, sReturn);
    // A short watchdog only where the answer stalls: a loaded machine may take longer than that to answer.
    if (eKind != Kind::STALL)
        AgentTiming::set(AgentTiming::NET_WATCHDOG, 30000);
    QMetaObject::invokeMethod(m_pWorker.data(), szSlot, Q_ARG(QString, sRequest));
    QVERIFY(m_pStatus->wait(10000));
    QCOMPARE(m_pService->lastCall().sOperation, sOperation);
    QCOMPARE(statusesBeforeMarker().size(), 1);
}

QList<QVariantList> TestGeneralWorker::statusesBeforeMarker()
{
    const int nBefore = m_pStatus->count();
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 30000);
    m_pServer->enqueue(TestHttpServer::Answer::ok(FakeShareService::soapAnswer("login", "MARKER")));
    ++m_nMarkerRequests;
    QMetaObject::invokeMethod(m_pWorker.data(), "slotLogin",
                              Q_ARG(QString, R"({"user":"m@b.c","password":"pw"})"));
    const auto isMarker = [this] {
        return !m_pStatus->isEmpty() && m_pStatus->last().at(1).toString() == "MARKER";
    };
    if (!QTest::qWaitFor(isMarker, 20000)) {
        qWarning("the marker sign-in never ended");
        return *m_pStatus;
    }
    QList<QVariantList> lstBefore = *m_pStatus;
    lstBefore.removeLast();
    if (lstBefore.size() < nBefore)
        qWarning("statuses were lost");
    return lstBefore;
}

#define STATUS_ROWS                                                                                          \
    QTest::addColumn<Kind>("kind");                                                                          \
    QTest::addColumn<QString>("returnText");                                                                 \
    QTest::addColumn<int>("status");                                                                         \
    QTest::addColumn<QString>("text")

void TestGeneralWorker::login_data()
{
    STATUS_ROWS;
    QTest::newRow("session") << Kind::RETURN << "SESSION-1" << int(LOGIN_SUCCESS) << "SESSION-1";
    QTest::newRow("E0013") << Kind::RETURN << "ERROR:E0013" << int(LOGIN_REJECTED) << "";
    QTest::newRow("E0007") << Kind::RETURN << "ERROR:E0007" << int(LOGIN_ERROR) << "";
    QTest::newRow("empty return") << Kind::RETURN << "" << int(LOGIN_ERROR) << "";
    QTest::newRow("no return element") << Kind::NO_RETURN << "" << int(LOGIN_ERROR) << "";
    QTest::newRow("unlisted error is no session") << Kind::RETURN << "ERROR:E0099" << int(LOGIN_ERROR) << "";
    QTest::newRow("soap fault") << Kind::FAULT << "x" << int(LOGIN_ERROR) << "";
    QTest::newRow("garbage") << Kind::GARBAGE << "" << int(LOGIN_ERROR) << "";
    QTest::newRow("http 500 is the network") << Kind::HTTP_500 << "" << int(LOGIN_INTERNETERROR) << "";
    QTest::newRow("stall is the network") << Kind::STALL << "" << int(LOGIN_INTERNETERROR) << "";
}

void TestGeneralWorker::login()
{
    QFETCH(Kind, kind);
    QFETCH(QString, returnText);
    QFETCH(int, status);
    QFETCH(QString, text);
    runOperation("slotLogin", R"({"user":"a@b.c","password":"pw"})", kind, returnText, "login");
    QCOMPARE(m_pStatus->at(0).at(0).value<ACTION_STATUS>(), ACTION_STATUS(status));
    QCOMPARE(m_pStatus->at(0).at(1).toString(), text);
    QCOMPARE(m_pService->lastCall().order, QStringList({"CustomerEMail", "Password"}));
}

void TestGeneralWorker::checkDeviceReg_data()
{
    STATUS_ROWS;
    QTest::newRow("not registered") << Kind::RETURN << "SUCCESS:S0004" << int(DEVICE_NOTREGISTERED) << "true";
    QTest::newRow("another account") << Kind::RETURN << "ERROR:E0008" << int(DEVICE_REGREFUSED) << "true";
    QTest::newRow("this account") << Kind::RETURN << "SUCCESS:S0001" << int(DEVICE_REGISTERED)
                                  << "SUCCESS:S0001";
    QTest::newRow("empty return") << Kind::RETURN << "" << int(DEVICE_REGISTERED) << "";
    QTest::newRow("unlisted error") << Kind::RETURN << "ERROR:E0099" << int(DEVICE_CHECKREGERROR) << "";
    QTest::newRow("fault") << Kind::FAULT << "x" << int(DEVICE_CHECKREGERROR) << "";
    QTest::newRow("http 500") << Kind::HTTP_500 << "" << int(DEVICE_CHECKREGERROR) << "";
}

void TestGeneralWorker::checkDeviceReg()
{
    QFETCH(Kind, kind);
    QFETCH(QString, returnText);
    QFETCH(int, status);
    QFETCH(QString, text);
    runOperation("slotCheckRegDev", R"({"session":"S","user":"u","uuid":"U1"})", kind, returnText,
                 "checkDeviceReg");
    QCOMPARE(m_pStatus->at(0).at(0).value<ACTION_STATUS>(), ACTION_STATUS(status));
    QCOMPARE(m_pStatus->at(0).at(1).toString(), text);
    QCOMPARE(m_pService->lastCall().order, QStringList({"SessionID", "CustomerEMail", "UUID"}));
}

void TestGeneralWorker::registerDevice_data()
{
    STATUS_ROWS;
    QTest::newRow("registered") << Kind::RETURN << "SUCCESS:S0003" << int(DEVICE_REGSUCCESS)
                                << "SUCCESS:S0003";
    QTest::newRow("another account") << Kind::RETURN << "ERROR:E0008" << int(DEVICE_REGREFUSED) << "true";
    QTest::newRow("unlisted error") << Kind::RETURN << "ERROR:E0099" << int(DEVICE_REGERROR) << "";
    QTest::newRow("garbage") << Kind::GARBAGE << "" << int(DEVICE_REGERROR) << "";
}

void TestGeneralWorker::registerDevice()
{
    QFETCH(Kind, kind);
    QFETCH(QString, returnText);
    QFETCH(int, status);
    QFETCH(QString, text);
    runOperation("slotRegDev", R"({"session":"S","user":"u","uuid":"U1","hwname":"Wendo 500"})", kind,
                 returnText, "registerDevice");
    QCOMPARE(m_pStatus->at(0).at(0).value<ACTION_STATUS>(), ACTION_STATUS(status));
    QCOMPARE(m_pStatus->at(0).at(1).toString(), text);
    const FakeShareService::Call call = m_pService->lastCall();
    QCOMPARE(call.order, QStringList({"SessionID", "CustomerEMail", "UUID", "HardwareName", "SkuID"}));
    QCOMPARE(call.params.value("SkuID"), QString()); // no "sku": an empty element
    QCOMPARE(call.params.value("HardwareName"), QString("Wendo 500"));
}

void TestGeneralWorker::deregisterDevice_data()
{
    STATUS_ROWS;
    QTest::newRow("done") << Kind::RETURN << "SUCCESS:S0005" << int(DEVICE_DEREGSUCCESS) << "";
    QTest::newRow("other text") << Kind::RETURN << "SUCCESS:S0001" << int(DEVICE_DEREGERROR) << "true";
    QTest::newRow("stall") << Kind::STALL << "" << int(DEVICE_DEREGERROR) << "true";
}

void TestGeneralWorker::deregisterDevice()
{
    QFETCH(Kind, kind);
    QFETCH(QString, returnText);
    QFETCH(int, status);
    QFETCH(QString, text);
    runOperation("slotDeRegDev", R"({"session":"S","user":"u","uuid":"U1"})", kind, returnText,
                 "deregisterDevice");
    QCOMPARE(m_pStatus->at(0).at(0).value<ACTION_STATUS>(), ACTION_STATUS(status));
    QCOMPARE(m_pStatus->at(0).at(1).toString(), text);
}

void TestGeneralWorker::getCustomerSetting_data()
{
    STATUS_ROWS;
    QTest::newRow("delete auto") << Kind::RETURN
                                 << R"({"afterUpload":"delete_after_upload","syncType":"auto_sync"})"
                                 << int(GETSETTING_SUCCESS) << R"({"kept":"false","sync":"true"})";
    QTest::newRow("empty object") << Kind::RETURN << "{}" << int(GETSETTING_SUCCESS)
                                  << R"({"kept":"true","sync":"false"})";
    QTest::newRow("error text is no choice") << Kind::RETURN << "ERROR:E0007" << int(GETSETTING_ERROR) << "";
    QTest::newRow("fault") << Kind::FAULT << "x" << int(GETSETTING_ERROR) << "";
}

void TestGeneralWorker::getCustomerSetting()
{
    QFETCH(Kind, kind);
    QFETCH(QString, returnText);
    QFETCH(int, status);
    QFETCH(QString, text);
    runOperation("slotGetCustomSetting", R"({"session":"S","user":"u"})", kind, returnText,
                 "getCustomerSetting");
    QCOMPARE(m_pStatus->at(0).at(0).value<ACTION_STATUS>(), ACTION_STATUS(status));
    QCOMPARE(m_pStatus->at(0).at(1).toString(), text);
}

void TestGeneralWorker::setCustomerSetting_data()
{
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("sync");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("title");
    QTest::newRow("delete auto") << "false"
                                 << "true" << Kind::RETURN
                                 << R"({"afterUpload":"delete_after_upload","syncType":"auto_sync"})"
                                 << "Settings";
    QTest::newRow("keep manual") << "true"
                                 << "false" << Kind::RETURN
                                 << R"({"afterUpload":"dont_delete_after_upload","syncType":"manual_sync"})"
                                 << "Settings";
    QTest::newRow("failed save is not saved")
        << "true"
        << "true" << Kind::HTTP_500 << R"({"afterUpload":"dont_delete_after_upload","syncType":"auto_sync"})"
        << "Internet connection";
    QTest::newRow("fault is not saved")
        << "true"
        << "true" << Kind::FAULT << R"({"afterUpload":"dont_delete_after_upload","syncType":"auto_sync"})"
        << "Internet connection";
}

void TestGeneralWorker::setCustomerSetting()
{
    QFETCH(QString, kept);
    QFETCH(QString, sync);
    QFETCH(Kind, kind);
    QFETCH(QString, setting);
    QFETCH(QString, title);
    RecordingNotifier notifier;
    m_pService->setAnswer("setCustomerSetting", kind, "SUCCESS");
    m_pWorker->slotSetCustomSetting(
        QString(R"({"session":"S","user":"u","kept":"%1","sync":"%2"})").arg(kept, sync));
    QTRY_COMPARE_WITH_TIMEOUT(notifier.m_notices.size(), 1, 10000);
    QCOMPARE(m_pStatus->count(), 0);
    QCOMPARE(m_pService->lastCall().params.value("SettingJSONString"), setting);
    QCOMPARE(notifier.m_notices.at(0).sTitle, title);
    QCOMPARE(notifier.m_notices.at(0).sText, title == "Settings"
                                                 ? QString("Saved successfully")
                                                 : QString("Failed to connect to the ZeqShare Server. Please "
                                                           "check your internet connection."));
}

void TestGeneralWorker::valuesSurviveTheWire()
{
    const QString sOdd = QString::fromUtf8("a&b<c\"d'%1\\é");
    m_pWorker->slotLogin(QString::fromUtf8(R"({"user":"%1","password":"%2"})")
                             .arg(QString(sOdd).replace("\\", "\\\\").replace("\"", "\\\""), "%2 x"));
    QVERIFY(m_pStatus->wait(10000));
    const FakeShareService::Call call = m_pService->lastCall();
    QCOMPARE(call.params.value("CustomerEMail"), sOdd);
    QCOMPARE(call.params.value("Password"), QString("%2 x"));
}

void TestGeneralWorker::backToBackRequestsAnsweredInOrder()
{
    m_pService->setAnswer("login", Kind::RETURN, "SESSION-9");
    m_pService->setAnswer("checkDeviceReg", Kind::RETURN, "SUCCESS:S0004");
    m_pWorker->slotLogin(R"({"user":"a","password":"b"})");
    m_pWorker->slotCheckRegDev(R"({"session":"S","user":"a","uuid":"U"})");
    QTRY_COMPARE_WITH_TIMEOUT(m_pStatus->count(), 2, 10000);
    QCOMPARE(m_pStatus->at(0).at(0).value<ACTION_STATUS>(), LOGIN_SUCCESS);
    QCOMPARE(m_pStatus->at(0).at(1).toString(), QString("SESSION-9"));
    QCOMPARE(m_pStatus->at(1).at(0).value<ACTION_STATUS>(), DEVICE_NOTREGISTERED);
}

void TestGeneralWorker::noServerIsANetworkFailure()
{
    const QString sUrl = m_pService->serviceUrl();
    m_pServer->stop();
    {
        AgentSettings settings;
        settings.setValue("URL", "WebApi", sUrl);
    }
    GeneralWorker worker;
    QSignalSpy status(&worker, &GeneralWorker::emitStatus);
    worker.slotLogin(R"({"user":"a","password":"b"})");
    QVERIFY(status.wait(10000));
    QCOMPARE(status.at(0).at(0).value<ACTION_STATUS>(), LOGIN_INTERNETERROR);
}

void TestGeneralWorker::enumDevWorker_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("returnText");
    QTest::addColumn<int>("status");
    QTest::newRow("list") << Kind::RETURN << R"([{"UUID":"U1"}])" << int(ENUMDEV_SUCCESS);
    QTest::newRow("error answer") << Kind::RETURN << "ERROR:E0007" << int(ENUMDEV_ERROR);
    QTest::newRow("unreadable") << Kind::GARBAGE << "" << int(ENUMDEV_ERROR);
    QTest::newRow("http 500") << Kind::HTTP_500 << "" << int(ENUMDEV_ERROR);
}

void TestGeneralWorker::enumDevWorker()
{
    QFETCH(Kind, kind);
    QFETCH(QString, returnText);
    QFETCH(int, status);
    m_pService->setAnswer("getDeviceList", kind, returnText);
    EnumDevWorker worker;
    QSignalSpy spy(&worker, &EnumDevWorker::emitStatus);
    worker.setRequest(R"({"user":"u"})");
    worker.start();
    QVERIFY(spy.wait(10000));
    QCOMPARE(spy.at(0).at(0).value<ACTION_STATUS>(), ACTION_STATUS(status));
    const FakeShareService::Call call = m_pService->lastCall();
    QCOMPARE(call.sOperation, QString("getDeviceList"));
    QCOMPARE(call.params.value("SessionID"), QString());
    QCOMPARE(call.params.value("CustomerEMail"), QString("u"));
}

QString TestGeneralWorker::answerWithSize(const QString& sOperation, qint64 nSize, bool bChunked,
                                          const QString& sReturn)
{
    QByteArray body;
    QString sReturned = sReturn;
    if (sReturn.isEmpty()) {
        const int nPadding = int(nSize - FakeShareService::soapAnswer(sOperation, QString()).size());
        sReturned = QString(nPadding, QLatin1Char('S'));
        body = FakeShareService::soapAnswer(sOperation, sReturned);
    } else {
        // A comment inside the envelope: readers skip it, so only the size can fail the answer.
        body = FakeShareService::soapAnswer(sOperation, sReturn);
        const QByteArray end = "</SOAP-ENV:Envelope>";
        const int nPadding = int(nSize - body.size()) - 7;
        body.insert(body.lastIndexOf(end), "<!--" + QByteArray(nPadding, ' ') + "-->");
    }
    Q_ASSERT(body.size() == nSize);
    m_pServer->setHandler([body, bChunked](const TestHttpServer::Request&) {
        TestHttpServer::Answer answer = TestHttpServer::Answer::ok(body);
        return bChunked ? answer.trickled(256 * 1024, 0) : answer;
    });
    return sReturned;
}

QList<QVariantList> TestGeneralWorker::runAndCollect(const QString& sOperation)
{
    if (sOperation == "getDeviceList") {
        EnumDevWorker worker;
        QSignalSpy spy(&worker, &EnumDevWorker::emitStatus);
        worker.setRequest(R"({"session":"S","user":"u"})");
        worker.start();
        spy.wait(20000);
        // Once its thread has ended, whatever the worker's transfer still reported is posted to it.
        worker.quit();
        worker.wait();
        QCoreApplication::sendPostedEvents(&worker, QEvent::MetaCall);
        return spy;
    }
    const QMap<QString, QPair<const char*, QString>> operationSlots = {
        {"login", {"slotLogin", R"({"user":"a@b.c","password":"pw"})"}},
        {"checkDeviceReg", {"slotCheckRegDev", R"({"session":"S","user":"u","uuid":"U1"})"}},
        {"registerDevice", {"slotRegDev", R"({"session":"S","user":"u","uuid":"U1"})"}},
        {"deregisterDevice", {"slotDeRegDev", R"({"session":"S","user":"u","uuid":"U1"})"}},
        {"getCustomerSetting", {"slotGetCustomSetting", R"({"session":"S","user":"u"})"}},
    };
    const QPair<const char*, QString> call = operationSlots.value(sOperation);
    QMetaObject::invokeMethod(m_pWorker.data(), call.first, Q_ARG(QString, call.second));
    m_pStatus->wait(20000);
    return statusesBeforeMarker();
}

void TestGeneralWorker::answerSize_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("returnText"); // empty: the return text itself fills the answer
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("chunked");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text"); // "RETURN": the answer's own return text
    const qint64 nCap = NetInterface::MAX_ANSWER_BYTES;
    QTest::newRow("long session at the bound") << "login"
                                               << "" << nCap << false << int(LOGIN_SUCCESS) << "RETURN";
    QTest::newRow("long session at the bound, chunked")
        << "login"
        << "" << nCap << true << int(LOGIN_SUCCESS) << "RETURN";
    QTest::newRow("long session one byte over") << "login"
                                                << "" << nCap + 1 << false << int(LOGIN_INTERNETERROR) << "";
    QTest::newRow("long session one byte over, chunked")
        << "login"
        << "" << nCap + 1 << true << int(LOGIN_INTERNETERROR) << "";
    QTest::newRow("long session far over, chunked")
        << "login"
        << "" << 3 * nCap << true << int(LOGIN_INTERNETERROR) << "";
    QTest::newRow("padded session at the bound")
        << "login"
        << "SESSION-1" << nCap << true << int(LOGIN_SUCCESS) << "SESSION-1";
    QTest::newRow("padded session one byte over")
        << "login"
        << "SESSION-1" << nCap + 1 << false << int(LOGIN_INTERNETERROR) << "";
    QTest::newRow("check over, chunked")
        << "checkDeviceReg"
        << "SUCCESS:S0004" << nCap + 1 << true << int(DEVICE_CHECKREGERROR) << "";
    QTest::newRow("register over") << "registerDevice"
                                   << "SUCCESS:S0003" << nCap + 1 << false << int(DEVICE_REGERROR) << "";
    QTest::newRow("deregister at the bound")
        << "deregisterDevice"
        << "SUCCESS:S0005" << nCap << false << int(DEVICE_DEREGSUCCESS) << "";
    QTest::newRow("deregister over, chunked")
        << "deregisterDevice"
        << "SUCCESS:S0005" << nCap + 1 << true << int(DEVICE_DEREGERROR) << "true";
    QTest::newRow("settings over") << "getCustomerSetting"
                                   << "{}" << nCap + 1 << false << int(GETSETTING_ERROR) << "";
    QTest::newRow("device list over, chunked")
        << "getDeviceList"
        << R"([{"UUID":"U1"}])" << nCap + 1 << true << int(ENUMDEV_ERROR) << "";
}

void TestGeneralWorker::answerSize()
{
    QFETCH(QString, operation);
    QFETCH(QString, returnText);
    QFETCH(qint64, size);
    QFETCH(bool, chunked);
    QFETCH(int, status);
    QFETCH(QString, text);
    // Megabytes on loopback: a watchdog that no loaded machine trips.
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 3000);
    const QString sReturn = answerWithSize(operation, size, chunked, returnText);
    const QList<QVariantList> lstStatus = runAndCollect(operation);
    QCOMPARE(lstStatus.size(), 1);
    QCOMPARE(lstStatus.at(0).at(0).value<ACTION_STATUS>(), ACTION_STATUS(status));
    QVERIFY(lstStatus.at(0).at(1).toString() == (text == "RETURN" ? sReturn : text));
    QCOMPARE(m_pServer->requestCount() - m_nMarkerRequests, 1);
}

void TestGeneralWorker::hugeSignInAnswerIsCutInTheLog()
{
    TestFolders::writeFile(m_pFolders->dataPath("msg.ini"), "[DEBUG]\nLOG_LEVEL=2\n");
    DebugLog::init(m_pFolders->dataDir());
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 3000);
    const QString sSession = answerWithSize("login", NetInterface::MAX_ANSWER_BYTES, false);
    const QList<QVariantList> lstStatus = runAndCollect("login");
    QCOMPARE(lstStatus.size(), 1);
    QCOMPARE(lstStatus.at(0).at(0).value<ACTION_STATUS>(), LOGIN_SUCCESS);

    const QByteArray log = TestFolders::readFile(m_pFolders->dataPath("WendoAgent.log"));
    QVERIFY(log.contains("[ZeqAgentCtrlMgr][exportToDebugLog] <SOAP-ENV:Envelope"));
    QVERIFY(log.contains(" bytes more)\r\n"));
    QVERIFY(!log.contains(sSession.toLatin1()));
    QVERIFY(log.size() < NetInterface::MAX_ANSWER_BYTES / 8);
}

void TestGeneralWorker::dripEndsTheSignInAsNetworkFailure()
{
    // A byte every half watchdog period keeps the watchdog content; the request's overall limit ends it.
    const int nWatchdog = AgentTiming::ms(AgentTiming::NET_WATCHDOG);
    const QByteArray body = FakeShareService::soapAnswer("login", "SESSION-1");
    m_pServer->setHandler([body, nWatchdog](const TestHttpServer::Request&) {
        return TestHttpServer::Answer::ok(body).trickled(1, nWatchdog / 2);
    });
    m_pWorker->slotLogin(R"({"user":"a@b.c","password":"pw"})");
    QTRY_COMPARE_WITH_TIMEOUT(m_pStatus->count(), 1, 20000);
    QCOMPARE(m_pStatus->at(0).at(0).value<ACTION_STATUS>(), LOGIN_INTERNETERROR);
    QCOMPARE(statusesBeforeMarker().size(), 1);
}

QTEST_GUILESS_MAIN(TestGeneralWorker)
#include "tst_generalworker.moc"
