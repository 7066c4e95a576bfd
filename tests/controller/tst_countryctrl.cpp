#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "support/ControllerTestDevices.h"
#include "support/FakeMapService.h"
#include "support/LiveWorkers.h"
#include "support/TestFolders.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

namespace
{
const char MAP_REQUEST[] =
    R"({"model":"Rider","sku":"006-B2","uuid":"MAP-1","bm":"1.0","ta":"1.0","osm":"1.0","country":"1.0"})";
} // namespace

// The country groups through the controller: their chain runs beside the page's shop query and a
// dialog's map check without stopping either, and asks for the languages in the language set last.
class TestCountryCtrl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void groupsBesideTheOtherChains();
    void languageOfTheMomentTheFileArrived();

private:
    QList<int> finals(QSignalSpy& spy, int nCount);

    QScopedPointer<TestFolders> m_pFolders;
    QScopedPointer<TestHttpServer> m_pServer;
    QScopedPointer<FakeMapService> m_pService;
    QScopedPointer<TestHttpServer> m_pDownloads;
};

void TestCountryCtrl::initTestCase()
{
    ControllerTestDevices::install();
    m_pFolders.reset(new TestFolders);
    QVERIFY(QDir().mkpath(m_pFolders->tempDir()));
    ZeqAgentCtrlMgr::getInstance();
    m_pServer.reset(new TestHttpServer);
    m_pDownloads.reset(new TestHttpServer);
    QVERIFY(m_pServer->start());
    QVERIFY(m_pDownloads->start());
    m_pService.reset(new FakeMapService(*m_pServer));
    AgentSettings settings;
    settings.setValue("URL", "MapUpdate", m_pService->mapUpdateUrl());
    settings.setValue("URL", "Eshop", m_pService->eshopUrl());
    settings.setValue("URL", "MapLanguage", m_pService->languageUrl());
    settings.setValue("URL", "CountryXml", m_pDownloads->url("/country.xml"));
}

QList<int> TestCountryCtrl::finals(QSignalSpy& spy, int nCount)
{
    auto seen = [&spy] {
        QList<int> lst;
        for (const QList<QVariant>& args : spy)
            lst << int(args.at(0).value<ACTION_STATUS>());
        return lst;
    };
    LiveWorkers workers;
    // A further result would come from a worker before the controller deletes it.
    if (QTest::qWaitFor([&] { return seen().size() >= nCount; }, 30000) && !workers.waitUntilNone())
        return seen() << -1;
    QList<int> lst = seen();
    std::sort(lst.begin(), lst.end());
    return lst;
}

void TestCountryCtrl::groupsBesideTheOtherChains()
{
    m_pDownloads->setHandler([](const TestHttpServer::Request&) {
        return TestHttpServer::Answer::ok(
                   "<c><grouplist><g><n>AUSNZL</n><c>Australia</c></g></grouplist></c>")
            .trickled(8, 20);
    });
    m_pService->answer("ZeqMoreDeviceMapData", FakeMapService::listDocument({{"BugFixMapUpdate", {}}}));
    m_pService->answer("ZeqMoreDeviceDownloadHistory", FakeMapService::listDocument({{"history", {}}}));
    m_pService->answer("ZeqMoreAvailableAdditionData",
                       FakeMapService::shopDocument({{"EU", "credits", "http://shop.example/c"}}));
    m_pService->answer("ZeqMoreAgentLanguage", FakeMapService::languageDocument({{"AUSNZL", "Ozeanien"}}));
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    pCtrl->GetCountryGroup(false);
    pCtrl->checkBuyMapAvailData(MAP_REQUEST, true);
    pCtrl->docheckFreeMapUpdate(MAP_REQUEST, false);
    QCOMPARE(finals(finish, 3), (QList<int>{MAP_CHECKSUCCESS, ESHOP_SUCCESS, MAP_DOWNLOADCOUNTRYLANG}));
    QCOMPARE(TestFolders::readFile(AgentFolders::tempPath("country.script")),
             QByteArray("AUSNZL:Australia\n"));
    QCOMPARE(pCtrl->uniqueList("AUSNZL"), QString("Ozeanien"));
}

void TestCountryCtrl::languageOfTheMomentTheFileArrived()
{
    m_pDownloads->setHandler([](const TestHttpServer::Request&) {
        return TestHttpServer::Answer::ok("<c><grouplist/></c>").trickled(4, 30);
    });
    m_pService.reset(new FakeMapService(*m_pServer));
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->setLang("en");
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    pCtrl->GetCountryGroup(false);
    QVERIFY(m_pDownloads->waitForRequests(1));
    pCtrl->setLang("de");
    QCOMPARE(finals(finish, 1), QList<int>{MAP_DOWNLOADCOUNTRYLANG});
    QCOMPARE(m_pService->calls().size(), 1);
    QCOMPARE(m_pService->calls().first().params.value("langCode"), QString("de"));
}

QTEST_GUILESS_MAIN(TestCountryCtrl)
#include "tst_countryctrl.moc"
