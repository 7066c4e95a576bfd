#include "core/AgentFolders.h"
#include "core/WorkFile.h"
#include "support/DriveTree.h"
#include "support/FakeClock.h"
#include "support/FakeMapService.h"
#include "support/LiveWorkers.h"
#include "support/RecordingDialogOpener.h"
#include "support/UiFixture.h"
#include "ui/main/AgentResources.h"
#include "ui/pages/PageLoops.h"
#include "ui/update/MapManagementWidget.h"
#include "ui/update/MapUpgragePremiumWidget.h"
#include "ui/update/UpdateDialogOpener.h"

#include <QHoverEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace
{
const char UUID[] = "MAP-0123";
const QString GROUPS = "Western Europe:Germany,Austria,Switzerland\nAUSNZL:Australia,New_Zealand\n";

// A download history: no add-on maps among it.
QByteArray noAddOns()
{
    return FakeMapService::listDocument(
        {{"History",
          {FakeMapService::mapPackage("1.0", "BM-EU", "http://dl.example/m.zip", QString(32, 'F'))}}});
}

// An add-on answer that offers no add-on maps.
QByteArray bugFixOnly()
{
    return FakeMapService::listDocument(
        {{"BugFixMapUpdate",
          {FakeMapService::mapPackage("2.0", "BM-EU", "http://dl.example/m.zip", QString(32, 'F'))}}});
}

// What the shop answers for the page's device.
struct Shop {
    QByteArray shop;                 // ZeqMoreAvailableAdditionData
    QByteArray credit;               // ZeqMoreMapCreditQuery
    QByteArray addOn;                // ZeqMoreDeviceMapData of the add-on query
    QByteArray history = noAddOns(); // ZeqMoreDeviceDownloadHistory after it
};

QByteArray offers(const QString& sAdditionCredits, const QString& sCredits = "http://shop.example/credits")
{
    return FakeMapService::shopDocument(
        {{"EU", "addition+credits", sAdditionCredits}, {"EU", "credits", sCredits}});
}
} // namespace

// The Map Management page on a device's drive tree, with the shop, credit and add-on answers of the map
// service on loopback reaching it through the real map workers.
class TestMapPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void dateLines_data();
    void dateLines();
    void serialFamilyHasNoDateLines();
    void shopModes_data();
    void shopModes();
    void expiry_data();
    void expiry();
    void bubbleSizes_data();
    void bubbleSizes();
    void updateButtonFollowsStates_data();
    void updateButtonFollowsStates();
    void checkResult_data();
    void checkResult();
    void connectionBoxes_data();
    void connectionBoxes();
    void hoverBubbles();
    void purchaseAndRefresh();
    void purchaseWithoutAddressOpensNothing();
    void groupsArrivingLater();
    void namesArePlainText();
    void languageChange();
    void unplugWhileTheCheckDialogIsOpen();
    void openerMakesThePage();

private:
    void plugDrive(bool bTaMap = true);
    void plugSerial();
    void unplug();
    // Builds the page and waits until the shop's answers reached it (nFinals map statuses).
    std::unique_ptr<MapManagementWidget> buildPage(const Shop& shop, int nFinals);
    template <typename T> T* child(QWidget* pPage, const char* szName)
    {
        T* pChild = pPage->findChild<T*>(szName);
        if (!pChild)
            qFatal("no %s", szName);
        return pChild;
    }
    QString text(QWidget* pPage, const char* szName) { return child<QLabel>(pPage, szName)->text(); }
    bool shown(QWidget* pPage, const char* szName)
    {
        return child<QWidget>(pPage, szName)->isVisibleTo(pPage);
    }

    std::unique_ptr<UiFixture> m_pUi;
    std::unique_ptr<TestHttpServer> m_pServer;
    std::unique_ptr<FakeMapService> m_pMaps;
    std::unique_ptr<DriveTree> m_pDrive;
    std::unique_ptr<QSignalSpy> m_pMapStatus;
    FakeClock m_clock;
    PlatformOverride m_platform;
    RecordingDialogOpener m_opener;
    UrlCatcher m_urls;
};

void TestMapPage::initTestCase()
{
    m_pUi.reset(new UiFixture());
    AgentResources::init();
    m_platform.setClock(&m_clock);
    m_pServer.reset(new TestHttpServer);
    QVERIFY(m_pServer->start());
    m_pMapStatus.reset(new QSignalSpy(ZeqAgentCtrlMgr::getInstance(), &ZeqAgentCtrlMgr::emitMapStatus));
}

void TestMapPage::init()
{
    m_pUi->reset();
    m_pMaps.reset(new FakeMapService(*m_pServer));
    UiFixture::setValue("URL", "MapUpdate", m_pMaps->mapUpdateUrl());
    UiFixture::setValue("URL", "Eshop", m_pMaps->eshopUrl());
    m_pDrive.reset(new DriveTree);
    QVERIFY(m_pDrive->writeFile("Korvo/version.app", "1"));
    QVERIFY(TestFolders::writeFile(AgentFolders::tempPath("country.script"), GROUPS.toUtf8()));
    QVERIFY(m_pDrive->writeFile("HDD/Map/sigreg.dat", "DE_Germany.dat AT_Austria.dat CH_Switzerland.dat\n"));
    for (const char* szName : {"map.script", "eshopurlwork.script", "querymapcreditwork.script",
                               "queryaddmapwork.script", "maplanguagework.script"})
        QFile::remove(AgentFolders::tempPath(szName));
    ZeqAgentCtrlMgr::getInstance()->GenerateEShopURL();
    ZeqAgentCtrlMgr::getInstance()->GenerateCreditExpiredDay();
    m_opener.m_calls.clear();
    m_opener.m_whileOpen = nullptr;
    m_opener.m_bShown = false;
    m_urls.m_lstUrls.clear();
    m_pMapStatus->clear();
    m_clock.setNow(QDateTime(QDate(2016, 1, 1), QTime(12, 0)));
    AgentTiming::set(AgentTiming::ADDON_REFRESH, 20);
}

void TestMapPage::cleanup()
{
    unplug();
    ZeqAgentCtrlMgr::getInstance()->terminateAllWorker();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestMapPage::plugDrive(bool bTaMap)
{
    Worker::DEVINFOEX info;
    info.bArrival = true;
    info.type = Worker::FAMILY_DRIVE;
    info.devInfo.sUUID = UUID;
    info.devInfo.sSkuID = "SKU-9";
    info.devInfo.sHWName = "Wendo 500";
    info.devInfo.sTaDate = "2015-05-06 11:12:13";
    info.devInfo.sOsmDate = "2016-01-02 03:04:05";
    info.devInfo.bTaMap = bTaMap;
    info.lstDrive = QStringList{m_pDrive->root(), m_pDrive->root() + "data/"};
    ZeqAgentCtrlMgr::getInstance()->notityWendoDev(info);
}

void TestMapPage::plugSerial()
{
    Worker::DEVINFOEX info;
    info.bArrival = true;
    info.type = Worker::FAMILY_SERIAL;
    info.devInfo.sUUID = UUID;
    info.devInfo.sSkuID = "SKU-9";
    info.devInfo.sHWName = "Wendo 100";
    info.sComPort = "/dev/ttyACM0";
    ZeqAgentCtrlMgr::getInstance()->notityWendoDev(info);
}

void TestMapPage::unplug()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    if (!pCtrl->isDevicePresent())
        return;
    Worker::DEVINFOEX info;
    info.type = pCtrl->deviceFamily();
    info.devInfo.sUUID = pCtrl->currentDevice().devInfo.sUUID;
    pCtrl->notityWendoDev(info);
}

std::unique_ptr<MapManagementWidget> TestMapPage::buildPage(const Shop& shop, int nFinals)
{
    if (!shop.shop.isNull())
        m_pMaps->answer("ZeqMoreAvailableAdditionData", shop.shop);
    if (!shop.credit.isNull())
        m_pMaps->answer("ZeqMoreMapCreditQuery", shop.credit);
    if (!shop.addOn.isNull())
        m_pMaps->answer("ZeqMoreDeviceMapData", shop.addOn);
    m_pMaps->answer("ZeqMoreDeviceDownloadHistory", shop.history);
    m_pMapStatus->clear();
    LiveWorkers workers;
    std::unique_ptr<MapManagementWidget> pPage(new MapManagementWidget());
    pPage->resize(800, 493);
    QSignalSpy& spy = *m_pMapStatus;
    if (!QTest::qWaitFor([&spy, nFinals] { return spy.size() >= nFinals; }, 20000))
        qWarning("the page's shop answers did not arrive");
    // A further answer would come from a worker before the controller deletes it.
    if (!workers.waitUntilNone())
        qWarning("a shop worker did not end");
    QCoreApplication::sendPostedEvents();
    return pPage;
}

void TestMapPage::dateLines_data()
{
    QTest::addColumn<bool>("keepFile");
    QTest::addColumn<bool>("versionMap");
    QTest::addColumn<bool>("osmShown");
    QTest::addColumn<QString>("taLine");
    QTest::newRow("plain device") << false << false << true << "Tele Atlas: 2015-05-06";
    QTest::newRow("keep file, no version.map") << true << false << false << "Tele Atlas: 2014-08-07";
    QTest::newRow("keep file and version.map") << true << true << false << "Tele Atlas: 2015-05-06";
}

void TestMapPage::dateLines()
{
    QFETCH(bool, keepFile);
    QFETCH(bool, versionMap);
    if (keepFile)
        QVERIFY(m_pDrive->writeFile("HDD/app/KEEPFILE.XML", "<keep/>"));
    if (versionMap)
        QVERIFY(m_pDrive->writeFile("Korvo/VERSION.MAP", "1;2;3"));
    plugDrive();
    auto pPage = buildPage({}, 1);
    QTEST(shown(pPage.get(), "Label_Datecode_OSM"), "osmShown");
    QTEST(shown(pPage.get(), "btn_OSM"), "osmShown");
    QCOMPARE(text(pPage.get(), "Label_Datecode_OSM"), QString("OSM: 2016-01-02"));
    QTEST(text(pPage.get(), "Label_DateCode_TA"), "taLine");
    QVERIFY(!shown(pPage.get(), "Label_UpdateStatus"));
    QVERIFY(!child<QPushButton>(pPage.get(), "btn_Update")->isEnabled());
}

void TestMapPage::serialFamilyHasNoDateLines()
{
    plugSerial();
    auto pPage = buildPage({}, 1);
    QCOMPARE(text(pPage.get(), "Label_Datecode_OSM"), QString("OSM Date code"));
    QCOMPARE(text(pPage.get(), "Label_DateCode_TA"), QString("TA Date code"));
    QCOMPARE(text(pPage.get(), "label_MapList"), QString());
    QVERIFY(!shown(pPage.get(), "Label_UpdateStatus"));
}

void TestMapPage::shopModes_data()
{
    QTest::addColumn<QByteArray>("registerText");
    QTest::addColumn<QString>("mapList");
    QTest::addColumn<QString>("lastQuery");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<bool>("purchase");
    QTest::newRow("complete group: premium")
        << QByteArray("DE_Germany.dat AT_Austria.dat CH_Switzerland.dat\n") << "Western Europe"
        << "ZeqMoreMapCreditQuery"
        << "Click Premium to download new map data for a year." << true;
    QTest::newRow("partial group: add-on maps")
        << QByteArray("DE_Germany.dat\n") << "Germany"
        << "ZeqMoreDeviceDownloadHistory"
        << "Upgrade the current map or purchase the premium service with special offers." << true;
}

void TestMapPage::shopModes()
{
    QFETCH(QByteArray, registerText);
    QVERIFY(m_pDrive->writeFile("HDD/Map/sigreg.dat", registerText));
    plugDrive();
    auto pPage = buildPage({offers("http://shop.example/add"),
                            FakeMapService::creditDocument({"3", "2", "1", "0"}), bugFixOnly()},
                           2);
    QTEST(text(pPage.get(), "label_MapList"), "mapList");
    QTEST(m_pMaps->types().last(), "lastQuery");
    QTRY_VERIFY(shown(pPage.get(), "Label_PremiumNotice"));
    QTEST(text(pPage.get(), "Label_PremiumNotice"), "notice");
    QTEST(shown(pPage.get(), "btn_purchase"), "purchase");
    QCOMPARE(m_pMaps->calls().first().params.value("UUID"), QString(UUID));
}

void TestMapPage::expiry_data()
{
    QTest::addColumn<QString>("firstDate");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<bool>("star");
    const QString expired = "Click Premium to download new map data for a year.";
    QTest::newRow("just before one year")
        << "2015-08-07 10:00:00" << QDateTime(QDate(2016, 8, 7), QTime(9, 59, 59))
        << "Premium service will be expired by 2016/08/07" << true;
    QTest::newRow("just after one year")
        << "2015-08-07 10:00:00" << QDateTime(QDate(2016, 8, 7), QTime(10, 0, 1)) << expired << false;
    QTest::newRow("zero") << "0" << QDateTime(QDate(2016, 1, 1), QTime(0, 0)) << expired << false;
    QTest::newRow("empty") << "" << QDateTime(QDate(2016, 1, 1), QTime(0, 0)) << expired << false;
    QTest::newRow("29 February") << "2016-02-29 10:00:00" << QDateTime(QDate(2016, 3, 1), QTime(0, 0))
                                 << "Premium service will be expired by 2017/02/28" << true;
}

void TestMapPage::expiry()
{
    QFETCH(QString, firstDate);
    QFETCH(QDateTime, now);
    m_clock.setNow(now);
    plugDrive();
    auto pPage = buildPage({offers("http://shop.example/add"),
                            FakeMapService::creditDocument({"3", "2", "1", firstDate}), QByteArray()},
                           2);
    QCOMPARE(m_pMapStatus->last().at(0).value<ACTION_STATUS>(), MAP_CREDITSUCCESS);
    QTEST(text(pPage.get(), "Label_PremiumNotice"), "notice");
    QTEST(shown(pPage.get(), "Label_markstar"), "star");
    QCOMPARE(shown(pPage.get(), "btn_purchase"), !shown(pPage.get(), "Label_markstar"));
}

void TestMapPage::bubbleSizes_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("points");
    QTest::newRow("8") << 8 << QSize(200, 150) << 12;
    QTest::newRow("9") << 9 << QSize(200, 320) << 12;
    QTest::newRow("36") << 36 << QSize(250, 380) << 11;
}

void TestMapPage::bubbleSizes()
{
    QFETCH(int, count);
    QStringList countries;
    QByteArray reg;
    for (int i = 0; i < count; ++i) {
        const QString sName = QString("Land%1%2").arg(QChar('a' + i / 26)).arg(QChar('a' + i % 26));
        countries << sName;
        reg += sName.toUtf8() + ".dat\n";
    }
    QVERIFY(TestFolders::writeFile(AgentFolders::tempPath("country.script"),
                                   ("Big:" + countries.join(",") + "\n").toUtf8()));
    QVERIFY(m_pDrive->writeFile("HDD/Map/sigreg.dat", reg));
    plugDrive();
    auto pPage = buildPage({}, 1);
    QLabel* pBubble = child<QLabel>(pPage.get(), "Label_MapListInfo");
    QTEST(pBubble->size(), "size");
    QTEST(pBubble->font().pointSize(), "points");
    QCOMPARE(pBubble->pos(), QPoint(360, 10));
    QVERIFY(shown(pPage.get(), "btn_mapList"));
    QCOMPARE(text(pPage.get(), "label_MapList"), QString("Big"));
}

void TestMapPage::updateButtonFollowsStates_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("59") << int(BACKUP_BUTTONSENABLE) << true;
    QTest::newRow("60") << int(BACKUP_BUTTONSDISABLE) << false;
    for (int nStatus : {62, 63, 64, 65, 66, 67})
        QTest::newRow(qPrintable(QString::number(nStatus))) << nStatus << true;
}

void TestMapPage::updateButtonFollowsStates()
{
    QFETCH(int, status);
    plugDrive();
    auto pPage = buildPage({}, 1);
    QPushButton* pButton = child<QPushButton>(pPage.get(), "btn_Update");
    pButton->setEnabled(status == BACKUP_BUTTONSDISABLE);
    emit ZeqAgentCtrlMgr::getInstance()->emitMapStatus(ACTION_STATUS(status), QString());
    QTEST(pButton->isEnabled(), "enabled");
}

void TestMapPage::checkResult_data()
{
    QTest::addColumn<QList<WorkFile::Row>>("rows");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("button");
    const WorkFile::Row sell0 = {
        "SellMapCredits", "2.0", "1", "d", "TA-EU", "7", "0", "u", "c", "r", "e", "", ""};
    WorkFile::Row sell3 = sell0;
    sell3[6] = "3";
    const WorkFile::Row bugFix = {"BugFixMapUpdate", "2.0", "1", "d", "BM-EU", "7", "u", "c", "r", "", ""};
    QTest::newRow("credit 0") << QList<WorkFile::Row>{sell0} << "[The device's software is up-to-date.]"
                              << "Check for Updates";
    QTest::newRow("credit 3") << QList<WorkFile::Row>{sell3} << "[Update available]"
                              << "Updates";
    QTest::newRow("BugFixMapUpdate") << QList<WorkFile::Row>{bugFix} << "[Update available]"
                                     << "Updates";
    QTest::newRow("no list") << QList<WorkFile::Row>() << "[The device's software is up-to-date.]"
                             << "Check for Updates";
}

void TestMapPage::checkResult()
{
    QFETCH(QList<WorkFile::Row>, rows);
    if (!rows.isEmpty())
        QVERIFY(WorkFile::writeRows(AgentFolders::tempPath("map.script"), rows));
    plugDrive();
    auto pPage = buildPage({}, 1);
    emit ZeqAgentCtrlMgr::getInstance()->emitMapStatus(MAP_CHECKSUCCESS, "success");
    QVERIFY(shown(pPage.get(), "Label_UpdateStatus"));
    QTEST(text(pPage.get(), "Label_UpdateStatus"), "line");
    QTEST(child<QPushButton>(pPage.get(), "btn_Update")->text(), "button");
}

void TestMapPage::connectionBoxes_data()
{
    QTest::addColumn<QByteArray>("shop");
    QTest::addColumn<QByteArray>("credit");
    QTest::addColumn<QString>("text");
    const QString sentence =
        "Failed to connect to the ZeqShare Server. Please check your internet connection.";
    QTest::newRow("90 with a code") << FakeMapService::codeDocument("E90", "shop down") << QByteArray()
                                    << sentence + "(E90)";
    QTest::newRow("90 without a code") << QByteArray("garbage") << QByteArray() << sentence;
    QTest::newRow("92 with a code") << offers("http://shop.example/add")
                                    << FakeMapService::codeDocument("E92", "credit down")
                                    << sentence + "(E92)";
}

void TestMapPage::connectionBoxes()
{
    QFETCH(QByteArray, shop);
    QFETCH(QByteArray, credit);
    plugDrive();
    auto pPage = buildPage({shop, credit, QByteArray()}, credit.isNull() ? 1 : 2);
    QTRY_COMPARE(m_pUi->m_notifier.m_notices.size(), 1);
    QCOMPARE(m_pUi->m_notifier.m_notices.first().sTitle, QString("Internet connection"));
    QTEST(m_pUi->m_notifier.m_notices.first().sText, "text");
    QCOMPARE(ZeqAgentCtrlMgr::getInstance()->takeErrorCode(), QString());
}

void TestMapPage::hoverBubbles()
{
    plugDrive();
    auto pPage = buildPage({}, 1);
    pPage->show();
    for (const auto& pair : QList<QPair<const char*, const char*>>{{"btn_OSM", "Label_OSMInfo"},
                                                                   {"btn_TA", "Label_TAInfo"},
                                                                   {"btn_mapList", "Label_MapListInfo"}}) {
        QPushButton* pButton = child<QPushButton>(pPage.get(), pair.first);
        QHoverEvent move(QEvent::HoverMove, QPointF(5, 5), QPointF(1, 1));
        QCoreApplication::sendEvent(pButton, &move);
        QVERIFY2(shown(pPage.get(), pair.second), pair.second);
        QHoverEvent leave(QEvent::HoverLeave, QPointF(-1, -1), QPointF(5, 5));
        QCoreApplication::sendEvent(pButton, &leave);
        QVERIFY2(!shown(pPage.get(), pair.second), pair.second);
    }
    QCOMPARE(text(pPage.get(), "Label_OSMInfo"), QString("OSM map provides paved or unpaved road data."));
}

void TestMapPage::purchaseAndRefresh()
{
    QVERIFY(m_pDrive->writeFile("HDD/Map/sigreg.dat", "DE_Germany.dat\n"));
    plugDrive();
    auto pPage = buildPage({offers("http://shop.example/add?x=1"), QByteArray(), bugFixOnly()}, 2);
    QPushButton* pPurchase = child<QPushButton>(pPage.get(), "btn_purchase");
    QVERIFY(shown(pPage.get(), "btn_purchase"));
    QTest::mouseClick(pPurchase, Qt::LeftButton);
    QCOMPARE(m_urls.m_lstUrls.size(), 1);
    QCOMPARE(m_urls.m_lstUrls.first().toString(), QString("http://shop.example/add?x=1&UUID=MAP-0123"));
    QPushButton* pRefresh = child<QPushButton>(pPage.get(), "btn_AddMapSync");
    QVERIFY(shown(pPage.get(), "btn_AddMapSync"));
    QVERIFY(!shown(pPage.get(), "btn_purchase"));
    QVERIFY(!shown(pPage.get(), "Label_PremiumNotice"));
    const int nBefore = m_pMaps->calls().size();
    m_pMapStatus->clear();
    QTest::mouseClick(pRefresh, Qt::LeftButton);
    QVERIFY(!pRefresh->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!m_pMapStatus->isEmpty(), 20000);
    QCOMPARE(m_pMapStatus->last().at(0).value<ACTION_STATUS>(), MAP_QUERYADDMAP);
    QCOMPARE(m_pMaps->calls().at(nBefore).type(), QString("ZeqMoreDeviceMapData"));
}

void TestMapPage::purchaseWithoutAddressOpensNothing()
{
    plugDrive();
    // Premium mode, but the shop named no "credits" page.
    auto pPage = buildPage({offers("http://shop.example/add", ""),
                            FakeMapService::creditDocument({"1", "1", "0", "0"}), QByteArray()},
                           2);
    QVERIFY(shown(pPage.get(), "btn_purchase"));
    QTest::mouseClick(child<QPushButton>(pPage.get(), "btn_purchase"), Qt::LeftButton);
    QCOMPARE(m_urls.m_lstUrls.size(), 0);
}

// A page built before the groups arrived keeps no empty list: 93 reads them again.
void TestMapPage::groupsArrivingLater()
{
    QFile::remove(AgentFolders::tempPath("country.script"));
    plugDrive();
    auto pPage =
        buildPage({offers("http://shop.example/add"), FakeMapService::creditDocument({"1", "1", "0", "0"}),
                   FakeMapService::codeDocument("S00000", "")},
                  2);
    QCOMPARE(text(pPage.get(), "label_MapList"), QString());
    QCOMPARE(m_pMaps->types().last(), QString("ZeqMoreDeviceDownloadHistory")); // add-on mode
    QVERIFY(TestFolders::writeFile(AgentFolders::tempPath("country.script"), GROUPS.toUtf8()));
    emit ZeqAgentCtrlMgr::getInstance()->emitMapStatus(MAP_DOWNLOADCOUNTRYLANG, QString());
    QCOMPARE(text(pPage.get(), "label_MapList"), QString("Western Europe"));
    QVERIFY(shown(pPage.get(), "btn_mapList"));
    QCOMPARE(text(pPage.get(), "Label_PremiumNotice"),
             QString("Click Premium to download new map data for a year."));
}

void TestMapPage::namesArePlainText()
{
    QVERIFY(TestFolders::writeFile(AgentFolders::tempPath("country.script"), "<b>Bold</b>:Germany\n"));
    QVERIFY(TestFolders::writeFile(AgentFolders::tempPath("maplanguagework.script"),
                                   "Germany;<i>Deutschland</i>\n<b>Bold</b>;<a href='x'>Fett</a>\n"));
    ZeqAgentCtrlMgr::getInstance()->readMapLanguageScript();
    plugDrive();
    auto pPage = buildPage({}, 1);
    QLabel* pList = child<QLabel>(pPage.get(), "label_MapList");
    QCOMPARE(pList->text(), QString("<a href='x'>Fett</a>"));
    QCOMPARE(pList->textFormat(), Qt::PlainText);
    QCOMPARE(text(pPage.get(), "Label_MapListInfo"), QString("<i>Deutschland</i>"));
    QCOMPARE(child<QLabel>(pPage.get(), "Label_MapListInfo")->textFormat(), Qt::PlainText);
    QFile::remove(AgentFolders::tempPath("maplanguagework.script"));
    QVERIFY(TestFolders::writeFile(AgentFolders::tempPath("maplanguagework.script"), ""));
    ZeqAgentCtrlMgr::getInstance()->readMapLanguageScript();
}

void TestMapPage::languageChange()
{
    plugDrive();
    auto pPage = buildPage({}, 1);
    QCOMPARE(text(pPage.get(), "label_MapList"), QString("Western Europe"));
    const QString sStatus = text(pPage.get(), "Label_UpdateStatus");
    const QString sButton = child<QPushButton>(pPage.get(), "btn_Update")->text();
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(pPage->view(), &change);
    // The page says again what it said, in the new language; the form's sample texts never show.
    QCOMPARE(text(pPage.get(), "label_MapList"), QString("Western Europe"));
    QCOMPARE(text(pPage.get(), "Label_UpdateStatus"), sStatus);
    QCOMPARE(child<QPushButton>(pPage.get(), "btn_Update")->text(), sButton);
}

// The device leaves while the page's check dialog is open: the dialog closes and the signed-in page
// takes the map page down while slotCheck is still on the stack.
void TestMapPage::unplugWhileTheCheckDialogIsOpen()
{
    plugDrive();
    auto pPage = buildPage({}, 1);
    QPointer<MapManagementWidget> pWatch(pPage.get());
    MapManagementWidget* pRaw = pPage.release();
    m_opener.m_whileOpen = [this, pRaw] {
        unplug();
        PageLoops::retire(pRaw);
    };
    QPushButton* pUpdate = child<QPushButton>(pRaw, "btn_Update");
    pUpdate->setEnabled(true);
    QTest::mouseClick(pUpdate, Qt::LeftButton);
    QCOMPARE(m_opener.count("CheckUpdateDialog"), 1);
    QVERIFY(!m_opener.m_calls.first().bFirst);
    QVERIFY(m_opener.m_calls.first().bSecond);
    QVERIFY(ZeqAgentCtrlMgr::getInstance()->isCheckStarted());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTRY_VERIFY(pWatch.isNull());
}

void TestMapPage::openerMakesThePage()
{
    plugDrive();
    UpdateDialogOpener opener;
    QWidget parent;
    QWidget* pPage = opener.createMapPage(&parent);
    QVERIFY(qobject_cast<MapManagementWidget*>(pPage));
    QCOMPARE(pPage->parentWidget(), &parent);
    QVERIFY(pPage->findChild<MapUpgragePremiumWidget*>());
    QTRY_VERIFY_WITH_TIMEOUT(!m_pMapStatus->isEmpty(), 20000);
}

QTEST_MAIN(TestMapPage)
#include "tst_mappage.moc"
