#include "controller/MapShopValues.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/WorkFile.h"
#include "support/ControllerTestDevices.h"
#include "support/DriveTree.h"
#include "support/FakeMapService.h"
#include "support/LiveWorkers.h"
#include "support/RecordingNotifier.h"
#include "support/TestFolders.h"
#include "support/UrlCatcher.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

using Rows = QList<WorkFile::Row>;
Q_DECLARE_METATYPE(Rows)

namespace
{
const char MAP_REQUEST[] =
    R"({"model":"Rider","sku":"006-B2","uuid":"MAP-1","bm":"1.0","ta":"1.0","osm":"1.0","country":"1.0"})";
} // namespace

// The map operations driven through the controller against a fake map service: the three worker
// places, the result rows, the shop and credit values and the shop launchers.
class TestMapCtrl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void threeChainsAtOnce();
    void terminateStopsOnlyTheDialogs();
    void checkErrorShowsItsCodeOnce();
    void installSuccessClearsTheUpdateFlag();
    void installSuccessReadsTheDeviceAgain_data();
    void installSuccessReadsTheDeviceAgain();
    void mapUnzipErrorLeavesTheDeviceWorker();
    void buildersWithoutDevice_data();
    void buildersWithoutDevice();
    void buildersSendTheDevice();
    void creditValues_data();
    void creditValues();
    void shopAddresses_data();
    void shopAddresses();
    void languages();
    void launchers_data();
    void launchers();

private:
    QList<int> finalsOf(QSignalSpy& spy, int nCount);
    void attach(const QString& sUUID);
    void detach();
    static QString temp(const QString& sName) { return AgentFolders::tempPath(sName); }

    QScopedPointer<TestFolders> m_pFolders;
    QScopedPointer<TestHttpServer> m_pServer;
    QScopedPointer<FakeMapService> m_pService;
};

void TestMapCtrl::initTestCase()
{
    ControllerTestDevices::install();
    m_pFolders.reset(new TestFolders);
    QVERIFY(QDir().mkpath(m_pFolders->tempDir()));
    ZeqAgentCtrlMgr::getInstance();
    m_pServer.reset(new TestHttpServer);
    QVERIFY(m_pServer->start());
    m_pService.reset(new FakeMapService(*m_pServer));
    AgentSettings settings;
    settings.setValue("URL", "MapUpdate", m_pService->mapUpdateUrl());
    settings.setValue("URL", "Eshop", m_pService->eshopUrl());
    settings.setValue("URL", "MapLanguage", m_pService->languageUrl());
}

void TestMapCtrl::init()
{
    m_pService.reset(new FakeMapService(*m_pServer));
    m_pServer->clearRequests();
}

void TestMapCtrl::cleanup()
{
    detach();
    ZeqAgentCtrlMgr::getInstance()->terminateAllWorker();
}

void TestMapCtrl::attach(const QString& sUUID)
{
    Worker::DEVINFOEX info;
    info.bArrival = true;
    info.type = Worker::FAMILY_DRIVE;
    info.devInfo.sUUID = sUUID;
    info.devInfo.sHWName = "Rider & Co";
    info.devInfo.sSkuID = "006-B2";
    info.devInfo.sBmVer = "1.0";
    info.devInfo.sTaVer = "2.0";
    info.devInfo.sOsmVer = "3.0";
    info.devInfo.sCountryVer = "4.0";
    info.lstDrive = QStringList({"/media/sys/", "/media/data/"});
    ZeqAgentCtrlMgr::getInstance()->notityWendoDev(info);
}

void TestMapCtrl::detach()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    if (!pCtrl->isDevicePresent())
        return;
    Worker::DEVINFOEX info;
    info.type = pCtrl->deviceFamily();
    info.devInfo.sUUID = pCtrl->currentDevice().devInfo.sUUID;
    pCtrl->notityWendoDev(info);
}

// The final statuses (no progress) once nCount of them arrived.
QList<int> TestMapCtrl::finalsOf(QSignalSpy& spy, int nCount)
{
    auto finals = [&spy] {
        QList<int> seen;
        for (const QList<QVariant>& args : spy) {
            const int nStatus = int(args.at(0).value<ACTION_STATUS>());
            if (nStatus != MAP_DOWNLOADPROCESS && nStatus != MAP_INSTALLPROCESS)
                seen << nStatus;
        }
        return seen;
    };
    LiveWorkers workers;
    if (!QTest::qWaitFor([&] { return finals().size() >= nCount; }, 30000))
        return finals();
    // A further result would come from a worker before the controller deletes it.
    if (!workers.waitUntilNone())
        return finals() << -1;
    return finals();
}

void TestMapCtrl::threeChainsAtOnce()
{
    // The sign-in's language list, the page's shop query and a dialog's check run side by side.
    m_pService->answer("ZeqMoreDeviceMapData", FakeMapService::listDocument({{"BugFixMapUpdate", {}}}));
    m_pService->answer("ZeqMoreDeviceDownloadHistory", FakeMapService::listDocument({{"history", {}}}));
    m_pService->answer("ZeqMoreAvailableAdditionData",
                       FakeMapService::shopDocument({{"EU", "credits", "http://shop.example/c?a=1"}}));
    m_pService->answer("ZeqMoreAgentLanguage",
                       FakeMapService::languageDocument({{"Greece", "Griechenland"}}));
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    QSignalSpy mapStatus(pCtrl, &ZeqAgentCtrlMgr::emitMapStatus);
    pCtrl->GetCountryLangString(false);
    pCtrl->checkBuyMapAvailData(MAP_REQUEST, true);
    pCtrl->docheckFreeMapUpdate(MAP_REQUEST, false);
    QList<int> seen = finalsOf(finish, 3);
    std::sort(seen.begin(), seen.end());
    QCOMPARE(seen, (QList<int>{MAP_CHECKSUCCESS, ESHOP_SUCCESS, MAP_DOWNLOADCOUNTRYLANG}));
    QCOMPARE(mapStatus.count(), 3);
    QCOMPARE(pCtrl->mapValues().creditsUrl(), QString("http://shop.example/c?a=1"));
    QCOMPARE(pCtrl->uniqueList("Greece, Spain"), QString("Griechenland, Spain"));
}

void TestMapCtrl::terminateStopsOnlyTheDialogs()
{
    m_pService->answerKind("ZeqMoreDeviceMapData", FakeMapService::STALL);
    m_pService->answer("ZeqMoreAgentLanguage", FakeMapService::languageDocument({{"A", "B"}}));
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    pCtrl->docheckFreeMapUpdate(MAP_REQUEST, false);
    QVERIFY(m_pServer->waitForRequests(1));
    pCtrl->GetCountryLangString(false);
    pCtrl->terminateCheckUpdate();
    // The stopped check never reports; the language list still ends.
    // Every worker is gone by then, the stopped one at once: nothing is left that could still report.
    QCOMPARE(finalsOf(finish, 1), QList<int>{MAP_DOWNLOADCOUNTRYLANG});
    QCoreApplication::sendPostedEvents();
    QCOMPARE(finalsOf(finish, 1), QList<int>{MAP_DOWNLOADCOUNTRYLANG});
}

void TestMapCtrl::checkErrorShowsItsCodeOnce()
{
    RecordingNotifier notifier;
    m_pService->answer("ZeqMoreDeviceMapData", FakeMapService::codeDocument("E00077", "unknown device"));
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    pCtrl->docheckFreeMapUpdate(MAP_REQUEST, false);
    QCOMPARE(finalsOf(finish, 1), QList<int>{MAP_CHECKERROR});
    QCOMPARE(finish.first().at(1).toString(), QString("proc map error"));
    QCOMPARE(notifier.m_notices.size(), 1);
    QVERIFY2(notifier.m_notices.first().sText.endsWith("(E00077)"),
             qPrintable(notifier.m_notices.first().sText));
    QCOMPARE(pCtrl->takeErrorCode(), QString());
}

void TestMapCtrl::installSuccessClearsTheUpdateFlag()
{
    attach("MAP-INST");
    AgentSettings().setDeviceValue("MAP-INST", "update", "true");
    QFile::remove(temp("map.script"));
    QFile::remove(temp("DevDownload.script"));
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    // Nothing listed: the room check passes on the free space alone.
    ControllerTestDevices* pDevices = ControllerTestDevices::install();
    pDevices->m_volumes.addVolume("/media/sys/");
    pDevices->m_volumes.setFreeSpace(100000000);
    pCtrl->installMapUpdate(R"({"drive":"/media/sys/"})");
    const QList<int> seen = finalsOf(finish, 2);
    QCOMPARE(seen, (QList<int>{DEVICE_ITEMINSTALLED, MAP_INSTALLSUCCESS}));
    QCOMPARE(AgentSettings().getDeviceString("MAP-INST", "update"), QString("false"));
    pDevices->m_volumes.removeVolume("/media/sys/");
}

void TestMapCtrl::installSuccessReadsTheDeviceAgain_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<QString>("shown"); // the UUID the drive's "device.xml" names, "" for none
    QTest::addColumn<bool>("read");
    QTest::newRow("the drive shows the device") << int(Worker::FAMILY_DRIVE) << "READ-AGAIN" << true;
    // The device restarts after the install, or another one sits on the drive: what is there is not it.
    QTest::newRow("the drive shows no device") << int(Worker::FAMILY_DRIVE) << "" << false;
    QTest::newRow("the drive shows another device") << int(Worker::FAMILY_DRIVE) << "SOMEONE-ELSE" << false;
    // An install writes nothing onto a serial-family device.
    QTest::newRow("serial family") << int(Worker::FAMILY_SERIAL) << "READ-AGAIN" << false;
}

// The record is read again from the device after an install, as at plug-in, only where the drive still
// shows that device; otherwise the versions stay as they were, never "0" for a device that is restarting.
void TestMapCtrl::installSuccessReadsTheDeviceAgain()
{
    QFETCH(int, family);
    QFETCH(QString, shown);
    QFETCH(bool, read);
    DriveTree system;
    if (!shown.isEmpty())
        QVERIFY(system.writeDeviceXml(shown, "006-B2", "Wendo 500", "R7.2"));
    QVERIFY(system.writeVersion("app", "9.0.0;20261130;1234"));
    QVERIFY(system.writeVersion("nq", "5.5;2026-11-30;99;"));
    Worker::DEVINFOEX info;
    info.bArrival = true;
    info.type = family;
    info.devInfo.sUUID = "READ-AGAIN";
    info.devInfo.sSkuID = "006-B2";
    info.devInfo.sHWName = "Wendo 500";
    info.devInfo.sFirmware = "R1.0";
    info.devInfo.sAppVer = "1.2.3";
    info.devInfo.sTaVer = "2.0";
    if (family == Worker::FAMILY_DRIVE)
        info.lstDrive = QStringList{system.root()};
    else
        info.sComPort = system.root();
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->notityWendoDev(info);
    AgentSettings().setDeviceValue("READ-AGAIN", "swver", "1.2.3");

    pCtrl->slotHandleResults(MAP_INSTALLSUCCESS, QString());
    const Worker::DEVINFO& now = pCtrl->currentDevice().devInfo;
    QCOMPARE(now.sUUID, QString("READ-AGAIN"));
    QCOMPARE(now.sFirmware, read ? QString("R7.2") : QString("R1.0"));
    QCOMPARE(now.sAppVer, read ? QString("9.0.0") : QString("1.2.3"));
    QCOMPARE(now.sTaVer, read ? QString("5.5") : QString("2.0"));
    QCOMPARE(AgentSettings().getDeviceString("READ-AGAIN", "swver"),
             read ? QString("9.0.0") : QString("1.2.3"));
    QCOMPARE(pCtrl->currentDevice().lstDrive, info.lstDrive);
}

void TestMapCtrl::mapUnzipErrorLeavesTheDeviceWorker()
{
    // A device check that waits for its answer, and a map install whose device item fails.
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 1500);
    m_pService->answerKind("", FakeMapService::STALL);
    AgentSettings().setValue("URL", "DevUpdate", m_pServer->url("/device"));
    attach("MAP-76");
    ControllerTestDevices* pDevices = ControllerTestDevices::install();
    pDevices->m_volumes.addVolume("/media/sys/");
    pDevices->m_volumes.setFreeSpace(100000000);
    QFile::remove(temp("map.script"));
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    pCtrl->checkDeviceUpdate("{}", false);
    QVERIFY(m_pServer->waitForRequests(1));
    // Written after the device worker began, which starts with an empty list.
    QVERIFY(WorkFile::writeRows(temp("DevDownload.script"),
                                {{"FIRMWARE", "d", "1", "1", "http://x/Rom.zip", ""}}));
    pCtrl->installMapUpdate("{}");
    QCOMPARE(finalsOf(finish, 1), QList<int>{DEVICE_UNZIPERROR});
    // The device check was left running: its own end still arrives.
    QCOMPARE(finalsOf(finish, 2), (QList<int>{DEVICE_UNZIPERROR, DEVICE_REQUESTERROR}));
    pDevices->m_volumes.removeVolume("/media/sys/");
    AgentTiming::resetDefaults();
    QVERIFY(QFile::remove(temp("DevDownload.script")));
}

void TestMapCtrl::buildersWithoutDevice_data()
{
    QTest::addColumn<int>("builder");
    QTest::addColumn<int>("status");
    QTest::newRow("shop") << 0 << int(ESHOP_ERROR);
    QTest::newRow("credit") << 1 << int(MAP_CREDITERROR);
    QTest::newRow("add-on") << 2 << int(MAP_QUERYADDMAP);
}

void TestMapCtrl::buildersWithoutDevice()
{
    QFETCH(int, builder);
    QFETCH(int, status);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QVERIFY(!pCtrl->isDevicePresent());
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    QSignalSpy mapStatus(pCtrl, &ZeqAgentCtrlMgr::emitMapStatus);
    LiveWorkers workers;
    if (builder == 0)
        pCtrl->CheckBuyMapAddData();
    else if (builder == 1)
        pCtrl->checkMapCreditQuery();
    else
        pCtrl->QuerykAddMap();
    // At once, before any request.
    QCOMPARE(finish.count(), 1);
    QCOMPARE(finish.first().at(0).value<ACTION_STATUS>(), ACTION_STATUS(status));
    QCOMPARE(mapStatus.count(), 1);
    // A worker that had sent a request would have had its answer before the controller deleted it.
    QVERIFY(workers.waitUntilNone());
    QCOMPARE(m_pServer->requestCount(), 0);
}

void TestMapCtrl::buildersSendTheDevice()
{
    attach("MAP-B");
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    pCtrl->CheckBuyMapAddData();
    QCOMPARE(finalsOf(finish, 1), QList<int>{ESHOP_SUCCESS});
    QCOMPARE(m_pService->calls().value(0).params.value("model"), QString("Rider & Co"));
    QCOMPARE(m_pService->calls().value(0).params.value("UUID"), QString("MAP-B"));
}

void TestMapCtrl::creditValues_data()
{
    QTest::addColumn<QByteArray>("list"); // "-" for none
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("missing: zeros, not created")
        << QByteArray("-") << true << QStringList{"0", "0", "0", "0"};
    QTest::newRow("one row") << QByteArray("Credit;10;7;3;2026-01-02 00:00:00\n") << true
                             << QStringList{"10", "7", "3", "2026-01-02 00:00:00"};
    QTest::newRow("later row wins") << QByteArray("Credit;1;1;1;a\nCredit;2;2;2;b\n") << true
                                    << QStringList{"2", "2", "2", "b"};
    QTest::newRow("short row") << QByteArray("Credit;1;1;1;a\nCredit;2\n") << false
                               << QStringList{"1", "1", "1", "a"};
    QTest::newRow("encoded separator")
        << QByteArray("Credit;1%3B2;1;1;a\n") << true << QStringList{"1;2", "1", "1", "a"};
}

void TestMapCtrl::creditValues()
{
    QFETCH(QByteArray, list);
    QFETCH(bool, result);
    QFETCH(QStringList, values);
    const QString sList = temp("querymapcreditwork.script");
    QFile::remove(sList);
    if (list != "-")
        QVERIFY(TestFolders::writeFile(sList, list));
    MapShopValues shop;
    QCOMPARE(shop.GenerateCreditExpiredDay(), result);
    QCOMPARE((QStringList{shop.creditTotal(), shop.creditAvailable(), shop.creditExpired(),
                          shop.creditExpiredDay()}),
             values);
    QCOMPARE(QFile::exists(sList), list != "-");
}

void TestMapCtrl::shopAddresses_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("addresses"); // addition, addition+credits, credits
    QTest::newRow("missing: false, not created") << QByteArray("-") << false << QStringList{"", "", ""};
    QTest::newRow("three kinds, later wins")
        << QByteArray("availableaddmap;EU;addition;http://a\navailableaddmap;EU;addition+credits;http://ac\n"
                      "availableaddmap;EU;credits;http://c1\navailableaddmap;US;credits;http://c2\n"
                      "availableaddmap;EU;Credits;http://other\n")
        << true << QStringList{"http://a", "http://ac", "http://c2"};
    QTest::newRow("short row") << QByteArray("availableaddmap;EU;credits;http://c\navailableaddmap;EU\n")
                               << false << QStringList{"", "", "http://c"};
}

void TestMapCtrl::shopAddresses()
{
    QFETCH(QByteArray, list);
    QFETCH(bool, result);
    QFETCH(QStringList, addresses);
    const QString sList = temp("eshopurlwork.script");
    QFile::remove(sList);
    if (list != "-")
        QVERIFY(TestFolders::writeFile(sList, list));
    MapShopValues shop;
    QCOMPARE(shop.GenerateEShopURL(), result);
    QCOMPARE((QStringList{shop.additionUrl(), shop.additionCreditsUrl(), shop.creditsUrl()}), addresses);
    QCOMPARE(QFile::exists(sList), list != "-");
    // The add-on query's result keeps its own text; it never empties the credits address.
    shop.setQueryAddMapResult("");
    QCOMPARE(shop.creditsUrl(), addresses.at(2));
    QVERIFY(!shop.hasQueryAddMapResult());
}

void TestMapCtrl::languages()
{
    const QString sList = temp("maplanguagework.script");
    MapShopValues shop;
    QCOMPARE(shop.uniqueList("A, , B"), QString("A, , B"));
    QVERIFY(WorkFile::writeRows(
        sList, {{"Greece", QString::fromUtf8("Ελλάδα")}, {"Greece", "GR"}, {"Semi;colon", "S"}}));
    shop.readMapLanguageScript();
    QCOMPARE(shop.uniqueList("Greece, Semi;colon, Spain"), QString::fromUtf8("Ελλάδα, GR, S, Spain"));
    // A missing list keeps the old one and is not created.
    QVERIFY(QFile::remove(sList));
    shop.readMapLanguageScript();
    QCOMPARE(shop.mapLanguages().size(), 3);
    QVERIFY(!QFile::exists(sList));
}

void TestMapCtrl::launchers_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("opened");
    QTest::newRow("https") << "https://shop.example/buy?r=EU"
                           << "https://shop.example/buy?r=EU&UUID=U%20%26%3D%2B1";
    QTest::newRow("http") << "http://shop.example/b?x=1"
                          << "http://shop.example/b?x=1&UUID=U%20%26%3D%2B1";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("file") << "file:///etc/passwd?"
                          << "";
    QTest::newRow("javascript") << "javascript:alert(1)"
                                << "";
}

void TestMapCtrl::launchers()
{
    QFETCH(QString, address);
    QFETCH(QString, opened);
    attach("U &=+1");
    QVERIFY(TestFolders::writeFile(
        temp("eshopurlwork.script"),
        ("availableaddmap;EU;credits;" + address + "\navailableaddmap;EU;addition+credits;" + address + "\n")
            .toUtf8()));
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QVERIFY(pCtrl->GenerateEShopURL());
    UrlCatcher catcher; // every address the desktop is given, whatever its scheme
    pCtrl->exploerEShopMapCredits();
    pCtrl->exploerEShopAddition_Credits();
    QStringList urls;
    for (const QUrl& url : catcher.m_lstUrls)
        urls << url.toString(QUrl::FullyEncoded);
    QCOMPARE(urls, (opened.isEmpty() ? QStringList() : QStringList{opened, opened}));
}

QTEST_MAIN(TestMapCtrl)
#include "tst_mapctrl.moc"
