#include "core/AgentFolders.h"
#include "core/JsonHelper.h"
#include "core/WorkFile.h"
#include "support/FakeMapService.h"
#include "support/FakeUpdateService.h"
#include "support/LiveWorkers.h"
#include "support/UiFixture.h"
#include "support/WorkerSettle.h"
#include "ui/main/ZeqAgentMainDialog.h"
#include "update/KorvoUpdateWorker.h"
#include "update/MapFreeUpdateWorker.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace
{
const char DEVICE_PATH[] = "/Korvo/UboCheckUpdateServlet";
const char MAP_PATH[] = "/KorvoAgentMapUpdate/ZeqmoreMapUpdate.action";

// One answer of the stand-in services for one device: a document, a 500 or a stall.
struct Reply {
    enum Kind { DOCUMENT, HTTP_500, STALL } eKind = DOCUMENT;
    QByteArray document;
};
using Replies = QMap<QString, Reply>; // "dev:<uuid>" or "map:<uuid>"

Reply doc(const QByteArray& document)
{
    return {Reply::DOCUMENT, document};
}

QByteArray deviceUpdate(const QString& sPackage)
{
    return FakeUpdateService::updatesDocument(
        {{sPackage, "2026-01-02", "3.0", "100", "http://dl.example/p.zip", "http://notes.example", true}},
        {});
}

QByteArray deviceUpdates(const QStringList& lstPackages)
{
    QList<FakeUpdateService::Package> packages;
    for (const QString& sPackage : lstPackages)
        packages.append({sPackage, "2026-01-02", "3.0", "100", "http://dl.example/" + sPackage + ".zip",
                         "http://notes.example", true});
    return FakeUpdateService::updatesDocument(packages, {});
}

QByteArray noDeviceUpdate()
{
    return FakeUpdateService::errorDocument("E0001", "no update");
}

QByteArray mapOffer(const QString& sVersion, const QString& sNotes)
{
    return FakeMapService::listDocument(
        {{"BugFixMapUpdate",
          {FakeMapService::mapPackage(sVersion, sNotes, "http://dl.example/m.zip", QString(32, 'F'))}}});
}

QByteArray bareSuccess()
{
    return FakeMapService::codeDocument("S00000", "");
}
} // namespace

Q_DECLARE_METATYPE(Replies)

// The daily check of the account's devices against the update and map services on loopback, with no
// device connected: what each request carries, when a balloon comes, and what ends a pass.
class TestDailyCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void pass_data();
    void pass();
    void pluggedDeviceStopsThePass();
    void connectedDeviceChecksNothing();
    void startDuringAPassIsIgnored();
    void builtInMapAddress();
    void signOutStopsTheCheck();
    void signInFetchesGroupsAndStartsTheCheck();
    void offersFollowTheDevicesFamily_data();
    void offersFollowTheDevicesFamily();

private:
    // Starts the daily check through the controller as the main window does, and waits for the pass to
    // have sent nRequests requests and settled.
    void runPass(int nRequests);
    QStringList requestKeys() const;
    static void writeGroup(const QString& sUUID, const QString& sSku, const QString& sHwName,
                           const QString& sSwVer);

    std::unique_ptr<UiFixture> m_pUi;
    std::unique_ptr<TestHttpServer> m_pServer;
    std::unique_ptr<ZeqAgentMainDialog> m_pWindow;
    Replies m_replies;
    QList<FakeUpdateService::Call> m_deviceCalls;
    QList<FakeMapService::Call> m_mapCalls;
    QStringList m_keys;
    std::function<void()> m_onRequest;
};

void TestDailyCheck::initTestCase()
{
    m_pUi.reset(new UiFixture());
    m_pServer.reset(new TestHttpServer);
    QVERIFY(m_pServer->start());
    m_pServer->setHandler([this](const TestHttpServer::Request& request) {
        QString sKey;
        if (request.path() == DEVICE_PATH) {
            m_deviceCalls.append(FakeUpdateService::parseCall(request.body));
            sKey = "dev:" + m_deviceCalls.last().fields.value("uuid");
        } else if (request.path() == MAP_PATH) {
            m_mapCalls.append(FakeMapService::parseCall(request.body));
            sKey = "map:" + m_mapCalls.last().params.value("UUID");
        } else {
            return TestHttpServer::Answer::status(404);
        }
        m_keys.append(sKey);
        if (m_onRequest)
            m_onRequest();
        const Reply reply =
            m_replies.value(sKey, doc(sKey.startsWith("dev") ? noDeviceUpdate() : bareSuccess()));
        if (reply.eKind == Reply::HTTP_500)
            return TestHttpServer::Answer::status(500);
        if (reply.eKind == Reply::STALL)
            return TestHttpServer::Answer::stall();
        return TestHttpServer::Answer::ok(reply.document);
    });
}

void TestDailyCheck::init()
{
    m_pUi->reset();
    m_replies.clear();
    m_deviceCalls.clear();
    m_mapCalls.clear();
    m_keys.clear();
    m_onRequest = nullptr;
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 300);
    AgentTiming::set(AgentTiming::FIRST_DAILY_PASS, 10);
    UiFixture::setValue("URL", "DevUpdate", m_pServer->url(DEVICE_PATH));
    UiFixture::setValue("URL", "MapUpdate", m_pServer->url(MAP_PATH));
    UiFixture::setValue("AGENT", "version", "5.1.0");
    writeGroup("DEV-A", "SKU-A", "Alpha", "2.0");
    writeGroup("DEV-B", "SKU-B", "Beta & Co", "");
    writeGroup("DEV-C", "", "Gamma", "1.0"); // no "sku": never seen by this agent
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->login(JsonHelper::object({{"user", "rider@example.com"}, {"password", "secret"}}));
    pCtrl->slotHandleResults(LOGIN_SUCCESS, "SESSION-1");
    QVERIFY(pCtrl->procEnumRegDevText(R"([{"UUID":"DEV-A","SKUID":"SKU-A"},{"UUID":"DEV-C"},)"
                                      R"({"UUID":"DEV-B","SKUID":"SKU-B"},{"UUID":"DEV-NEW"}])"));
    m_pWindow.reset(new ZeqAgentMainDialog());
}

void TestDailyCheck::cleanup()
{
    ZeqAgentCtrlMgr::getInstance()->doStopKorvoWorker();
    m_pWindow.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestDailyCheck::writeGroup(const QString& sUUID, const QString& sSku, const QString& sHwName,
                                const QString& sSwVer)
{
    AgentSettings settings;
    const QMap<QString, QString> values = {{"sku", sSku},     {"hwname", sHwName},  {"fwver", "1.5"},
                                           {"swver", sSwVer}, {"bmver", "1.0"},     {"taver", "2.0"},
                                           {"osmver", "3.0"}, {"countryver", "4.0"}};
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setDeviceValue(sUUID, it.key(), it.value());
}

void TestDailyCheck::runPass(int nRequests)
{
    LiveWorkers workers("KorvoUpdateWorker");
    ZeqAgentCtrlMgr::getInstance()->checkKorvoUpdate();
    QTRY_VERIFY_WITH_TIMEOUT(m_keys.size() >= nRequests, 20000);
    // A further request or balloon would come before the pass ends (its last device, a failed request,
    // a plugged device, or the watchdog on a stalled answer) and its requests are done.
    QCOMPARE(workers.live().size(), 1);
    QPointer<KorvoUpdateWorker> pWorker = qobject_cast<KorvoUpdateWorker*>(workers.live().first());
    QVERIFY(pWorker);
    QTRY_VERIFY_WITH_TIMEOUT(!pWorker || !pWorker->isPassRunning(), 20000);
    if (pWorker)
        QVERIFY(WorkerSettle::wait(pWorker));
}

QStringList TestDailyCheck::requestKeys() const
{
    return m_keys;
}

void TestDailyCheck::pass_data()
{
    QTest::addColumn<Replies>("replies");
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<QStringList>("balloons");

    QTest::newRow("device update, then a newer map")
        << Replies{{"dev:DEV-A", doc(deviceUpdate("APPLICATION"))},
                   {"map:DEV-B", doc(mapOffer("1.5", "BM-EU"))}}
        << QStringList{"dev:DEV-A", "dev:DEV-B", "map:DEV-B"} << QStringList{"Alpha", "Beta & Co"};
    QTest::newRow("an agent package counts")
        << Replies{{"dev:DEV-A", doc(deviceUpdate("AGENT"))}}
        << QStringList{"dev:DEV-A", "dev:DEV-B", "map:DEV-B"} << QStringList{"Alpha"};
    QTest::newRow("bare S00000 is no update")
        << Replies{} << QStringList{"dev:DEV-A", "map:DEV-A", "dev:DEV-B", "map:DEV-B"} << QStringList{};
    QTest::newRow("nothing newer than the device")
        << Replies{{"map:DEV-A", doc(mapOffer("2.0", "TA-EU"))},
                   {"map:DEV-B", doc(mapOffer("4.0", "CountryID-EU"))}}
        << QStringList{"dev:DEV-A", "map:DEV-A", "dev:DEV-B", "map:DEV-B"} << QStringList{};
    QTest::newRow("NQ against the TA version")
        << Replies{{"map:DEV-A", doc(mapOffer("2.5", "NQ-EU"))}}
        << QStringList{"dev:DEV-A", "map:DEV-A", "dev:DEV-B", "map:DEV-B"} << QStringList{"Alpha"};
    QTest::newRow("service error on the map")
        << Replies{{"map:DEV-A", doc(FakeMapService::codeDocument("E1", "x"))}}
        << QStringList{"dev:DEV-A", "map:DEV-A", "dev:DEV-B", "map:DEV-B"} << QStringList{};
    QTest::newRow("500 ends the pass")
        << Replies{{"dev:DEV-A", {Reply::HTTP_500, {}}}} << QStringList{"dev:DEV-A"} << QStringList{};
    QTest::newRow("stall ends the pass") << Replies{{"map:DEV-A", {Reply::STALL, {}}}}
                                         << QStringList{"dev:DEV-A", "map:DEV-A"} << QStringList{};
}

void TestDailyCheck::pass()
{
    QFETCH(Replies, replies);
    QFETCH(QStringList, requests);
    QFETCH(QStringList, balloons);
    m_replies = replies;
    // The shop's values stay as the map page left them: the daily readers never touch them.
    QVERIFY(TestFolders::writeFile(AgentFolders::tempPath("eshopurlwork.script"),
                                   "availableaddmap;EU;credits;http://shop.example/credits\n"));
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QVERIFY(pCtrl->GenerateEShopURL());

    runPass(requests.size());

    QCOMPARE(requestKeys(), requests);
    QStringList titles;
    for (const FakeTrayIcon::Balloon& balloon : m_pUi->m_pTray->m_balloons) {
        QCOMPARE(balloon.sText, QString("Update available"));
        titles << balloon.sTitle;
    }
    QCOMPARE(titles, balloons);
    QCOMPARE(pCtrl->mapValues().creditsUrl(), QString("http://shop.example/credits"));
    // Each request carries its own device's values.
    for (const FakeUpdateService::Call& call : m_deviceCalls) {
        QVERIFY(call.bParsed);
        const bool bA = call.fields.value("uuid") == "DEV-A";
        QCOMPARE(call.fields.value("skuid"), QString(bA ? "SKU-A" : "SKU-B"));
        QCOMPARE(call.fields.value("model"), QString(bA ? "Alpha" : "Beta & Co"));
        QCOMPARE(call.fields.value("acc"), QString("rider@example.com"));
        QCOMPARE(call.versions.value("IMAGE"), QString("1.5"));
        QCOMPARE(call.versions.value("APPLICATION"), QString(bA ? "2.0" : "0"));
        QCOMPARE(call.versions.value("AGENT"), QString("5.1.0"));
    }
    for (const FakeMapService::Call& call : m_mapCalls) {
        QVERIFY(call.bParsed);
        const bool bA = call.params.value("UUID") == "DEV-A";
        QCOMPARE(call.type(), QString("ZeqMoreDeviceMapData"));
        QCOMPARE(call.params.value("sku"), QString(bA ? "SKU-A" : "SKU-B"));
        QCOMPARE(call.params.value("model"), QString(bA ? "Alpha" : "Beta & Co"));
    }
}

void TestDailyCheck::pluggedDeviceStopsThePass()
{
    m_onRequest = [] {
        if (!ZeqAgentCtrlMgr::getInstance()->isDevicePresent())
            UiFixture::plugDevice(true);
    };
    runPass(1);
    QCOMPARE(requestKeys(), QStringList{"dev:DEV-A"});
    UiFixture::plugDevice(false);
}

void TestDailyCheck::connectedDeviceChecksNothing()
{
    UiFixture::plugDevice(true);
    const QByteArray ended = "[KorvoUpdateWorker][endPass] a device is connected";
    const int nEnded = m_pUi->log().count(ended);
    ZeqAgentCtrlMgr::getInstance()->checkKorvoUpdate();
    // The first pass ran and ended at the connected device: a request would have been sent before.
    QTRY_VERIFY_WITH_TIMEOUT(m_pUi->log().count(ended) > nEnded, 20000);
    QCOMPARE(requestKeys(), QStringList());
    UiFixture::plugDevice(false);
}

void TestDailyCheck::startDuringAPassIsIgnored()
{
    m_replies["map:DEV-A"] = {Reply::STALL, {}};
    KorvoUpdateWorker worker;
    KorvoUpdateWorker::Host host;
    host.deviceConnected = [] { return false; };
    host.knownDevices = [] { return QStringList{"DEV-A", "DEV-B"}; };
    worker.setHost(host);
    worker.StartChkKorvoUpdate();
    QVERIFY(worker.isPassRunning());
    QCOMPARE(worker.deviceList(), QStringList({"DEV-A", "DEV-B"}));
    QTRY_COMPARE_WITH_TIMEOUT(m_keys.size(), 2, 20000);
    worker.StartChkKorvoUpdate(); // while the map request of the first device hangs
    QTRY_VERIFY_WITH_TIMEOUT(!worker.isPassRunning(), 20000);
    QCOMPARE(requestKeys(), QStringList({"dev:DEV-A", "map:DEV-A"}));
}

void TestDailyCheck::builtInMapAddress()
{
    UiFixture::setValue("URL", "MapUpdate", "");
    KorvoUpdateWorker worker;
    QCOMPARE(worker.mapCheckUrl(), QString::fromLatin1(MapFreeUpdateWorker::DEFAULT_MAP_UPDATE_URL));
    QVERIFY(worker.mapCheckUrl().endsWith("/KorvoAgentMapUpdate/ZeqmoreMapUpdate.action"));
    UiFixture::setValue("URL", "MapUpdate", m_pServer->url(MAP_PATH));
    QCOMPARE(KorvoUpdateWorker().mapCheckUrl(), m_pServer->url(MAP_PATH));
}

void TestDailyCheck::signOutStopsTheCheck()
{
    AgentTiming::set(AgentTiming::FIRST_DAILY_PASS, 300);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    const int nLogBefore = m_pUi->log().size();
    pCtrl->checkKorvoUpdate();
    pCtrl->logout();
    // A precise timer started after the sign-out, twice as long as the first pass's delay, fires after
    // that pass would have begun; a pass that begins says so in the log at once.
    QTimer after;
    after.setSingleShot(true);
    after.setTimerType(Qt::PreciseTimer);
    QSignalSpy fired(&after, &QTimer::timeout);
    after.start(2 * AgentTiming::ms(AgentTiming::FIRST_DAILY_PASS));
    QVERIFY(fired.wait(20000));
    QVERIFY(!m_pUi->log().mid(nLogBefore).contains("[KorvoUpdateWorker][StartChkKorvoUpdate]"));
    QCOMPARE(requestKeys(), QStringList());
}

// The road after a sign-in: the groups and the languages arrive, and the first daily pass follows.
void TestDailyCheck::signInFetchesGroupsAndStartsTheCheck()
{
    TestHttpServer downloads;
    QVERIFY(downloads.start());
    downloads.setHandler([](const TestHttpServer::Request&) {
        return TestHttpServer::Answer::ok(
            "<c><grouplist><g><n>AUSNZL</n><c>Australia</c></g></grouplist></c>");
    });
    UiFixture::setValue("URL", "CountryXml", downloads.url("/country.xml"));
    UiFixture::setValue("URL", "MapLanguage", m_pServer->url(MAP_PATH));
    QFile::remove(AgentFolders::tempPath("country.script"));
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy mapStatus(pCtrl, &ZeqAgentCtrlMgr::emitMapStatus);
    pCtrl->logout();
    pCtrl->login(JsonHelper::object({{"user", "rider@example.com"}, {"password", "secret"}}));
    pCtrl->slotHandleResults(LOGIN_SUCCESS, "SESSION-2");
    QVERIFY(pCtrl->procEnumRegDevText(R"([{"UUID":"DEV-A","SKUID":"SKU-A"}])"));
    QTRY_VERIFY_WITH_TIMEOUT(!mapStatus.isEmpty(), 20000);
    QCOMPARE(mapStatus.first().at(0).value<ACTION_STATUS>(), MAP_DOWNLOADCOUNTRYLANG);
    QCOMPARE(TestFolders::readFile(AgentFolders::tempPath("country.script")),
             QByteArray("AUSNZL:Australia\n"));
    QTRY_VERIFY_WITH_TIMEOUT(m_keys.contains("dev:DEV-A"), 20000);
    QVERIFY(m_keys.contains("map:")); // the language request, which names no device
    QStringList types;
    for (const FakeMapService::Call& call : m_mapCalls)
        types << call.type();
    QVERIFY(types.contains("ZeqMoreAgentLanguage"));
}

void TestDailyCheck::offersFollowTheDevicesFamily_data()
{
    QTest::addColumn<QStringList>("serialOffer"); // the packages the service offers "SER-1"
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<QStringList>("balloons");
    const QStringList both = {"IMAGE", "APPLICATION"};
    QTest::newRow("serial device: firmware and software are not for it")
        << both << QStringList{"dev:SER-1", "dev:DRIVE-1"} << QStringList{"Wendo 500"};
    QTest::newRow("serial device: the agent's own package is")
        << QStringList{"AGENT", "IMAGE"} << QStringList{"dev:SER-1", "dev:DRIVE-1"}
        << QStringList{"Wendo 100", "Wendo 500"};
    QTest::newRow("serial device: nothing offered, no map check")
        << QStringList() << QStringList{"dev:SER-1", "dev:DRIVE-1"} << QStringList{"Wendo 500"};
}

// The family is recorded when the controller sees each device; the pass, with neither attached, counts
// only what "Check for Updates" would offer each of them. The drive-family device is offered its
// firmware and software throughout.
void TestDailyCheck::offersFollowTheDevicesFamily()
{
    QFETCH(QStringList, serialOffer);
    QFETCH(QStringList, requests);
    QFETCH(QStringList, balloons);
    m_replies["dev:SER-1"] = doc(serialOffer.isEmpty() ? noDeviceUpdate() : deviceUpdates(serialOffer));
    m_replies["dev:DRIVE-1"] = doc(deviceUpdates({"IMAGE", "APPLICATION"}));
    writeGroup("SER-1", "SKU-1", "Wendo 100", "");
    writeGroup("DRIVE-1", "SKU-5", "Wendo 500", "2.0");
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    for (int nFamily : {int(Worker::FAMILY_SERIAL), int(Worker::FAMILY_DRIVE)}) {
        Worker::DEVINFOEX device;
        device.type = nFamily;
        device.devInfo.sUUID = nFamily == Worker::FAMILY_SERIAL ? "SER-1" : "DRIVE-1";
        device.bArrival = true;
        pCtrl->notityWendoDev(device);
        QVERIFY(pCtrl->isDevicePresent());
        device.bArrival = false;
        pCtrl->notityWendoDev(device);
        QVERIFY(!pCtrl->isDevicePresent());
    }
    QCOMPARE(AgentSettings().getDeviceString("SER-1", "family"), QString("1"));
    QCOMPARE(AgentSettings().getDeviceString("DRIVE-1", "family"), QString("2"));

    KorvoUpdateWorker worker;
    KorvoUpdateWorker::Host host;
    host.deviceConnected = [] { return false; };
    host.knownDevices = [] { return QStringList{"SER-1", "DRIVE-1"}; };
    worker.setHost(host);
    QSignalSpy found(&worker, &KorvoUpdateWorker::emitStatus);
    worker.StartChkKorvoUpdate();
    QVERIFY(worker.isPassRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!worker.isPassRunning(), 20000);

    // Only this pass's two devices: a request of the sign-in's own check (the devices of init) may still
    // come in on a loaded machine.
    const QStringList keys = requestKeys().filter(QRegularExpression("SER-1|DRIVE-1"));
    QCOMPARE(keys, requests);
    QStringList names;
    for (const QList<QVariant>& args : found) {
        QCOMPARE(args.at(0).value<ACTION_STATUS>(), UPDATE_AVAILABLE);
        names << args.at(1).toString();
    }
    QCOMPARE(names, balloons);
    // The serial device is asked about as "Check for Updates" asks: no firmware or software versions.
    QList<FakeUpdateService::Call> calls;
    for (const FakeUpdateService::Call& call : qAsConst(m_deviceCalls)) {
        if (QStringList({"SER-1", "DRIVE-1"}).contains(call.fields.value("uuid")))
            calls.append(call);
    }
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls.at(0).versions.value("IMAGE"), QString("0"));
    QCOMPARE(calls.at(0).versions.value("APPLICATION"), QString("0"));
    QCOMPARE(calls.at(1).versions.value("IMAGE"), QString("1.5"));
    QCOMPARE(calls.at(1).versions.value("APPLICATION"), QString("2.0"));
}

QTEST_MAIN(TestDailyCheck)
#include "tst_dailycheck.moc"
