#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/JsonHelper.h"
#include "core/WorkFile.h"
#include "support/FakeMapService.h"
#include "support/TestFolders.h"
#include "support/WorkerSettle.h"
#include "update/MapFreeUpdateWorker.h"
#include "update/MapSelection.h"
#include "update/ProcAvailableAddMapXml.h"
#include "update/ProcMapXml.h"
#include "update/ProcQueryMapCreditXml.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

using Rows = QList<WorkFile::Row>;
using Seen = QList<QPair<int, QString>>;
Q_DECLARE_METATYPE(Rows)

namespace
{
using Package = FakeMapService::Package;

const char REQUEST[] =
    R"({"model":"Rider 10","sku":"006-B2","uuid":"U-1","bm":"1.0","ta":"3.0","osm":"0","country":"2.0"})";

Package package(const QString& sVersion, const QString& sNotes)
{
    return FakeMapService::mapPackage(sVersion, sNotes, "http://dl.example/" + sNotes + sVersion + ".zip",
                                      QString(32, 'F'));
}

WorkFile::Row row(const QString& sVersion, const QString& sNotes, const QString& sKind = "BugFixMapUpdate")
{
    WorkFile::Row r = {
        sKind, sVersion, "1000", "2026-01-02", sNotes, "7", "http://dl/" + sNotes + ".zip", QString(32, 'F'),
        "",    "",       ""};
    if (sKind == "SellMapCredits")
        r.insert(6, "1");
    return r;
}

QMap<QString, QString> versions(const QString& sBm, const QString& sTa, const QString& sOsm,
                                const QString& sCountry)
{
    return {{"bm", sBm}, {"ta", sTa}, {"osm", sOsm}, {"country", sCountry}};
}

bool isFinal(int nStatus)
{
    return nStatus != MAP_DOWNLOADPROCESS && nStatus != MAP_INSTALLPROCESS &&
           nStatus != DEVICE_INSTALLPROCESS && nStatus != DEVICE_ITEMINSTALLED;
}

const QString HOSTILE = QString::fromUtf8("a & b < c > \"d\" 'e' 100% ; f, {g} Ünï 地图 %1");
} // namespace

// The map worker's requests and answers against a fake map service: what goes out, what each answer
// gives, and the selection a map check leaves in "map.script".
class TestMapCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void bodiesKeepTheTemplates();
    void hostileValuesReachTheService();
    void checkChain();
    void chains_data();
    void chains();
    void creditKeepsThePendingSelection();
    void creditNotes();
    void creditHistoryWithoutList();
    void addMapHistoryFollows();
    void selection_data();
    void selection();
    void pendingImageEmptiesTheSelection();

private:
    enum Chain { CHECK, SHOP, CREDIT, ADDON, LANGUAGE };
    Seen run(Chain eChain, const QString& sRequest = REQUEST, bool bAuto = false);
    QScopedPointer<TestFolders> m_pFolders;
    QScopedPointer<TestHttpServer> m_pServer;
    QScopedPointer<FakeMapService> m_pService;
    QStringList m_lstErrors;
    QStringList m_lstHost;
};

void TestMapCheck::initTestCase()
{
    qRegisterMetaType<ACTION_STATUS>("ACTION_STATUS");
}

void TestMapCheck::init()
{
    m_pFolders.reset(new TestFolders);
    QVERIFY(QDir().mkpath(m_pFolders->tempDir()));
    m_pServer.reset(new TestHttpServer);
    QVERIFY(m_pServer->start());
    m_pService.reset(new FakeMapService(*m_pServer));
    AgentSettings settings;
    settings.setValue("URL", "MapUpdate", m_pService->mapUpdateUrl());
    settings.setValue("URL", "Eshop", m_pService->eshopUrl());
    settings.setValue("URL", "MapLanguage", m_pService->languageUrl());
    m_lstErrors.clear();
    m_lstHost.clear();
}

void TestMapCheck::cleanup()
{
    AgentTiming::resetDefaults();
    m_pService.reset();
    m_pServer.reset();
    m_pFolders.reset();
}

Seen TestMapCheck::run(Chain eChain, const QString& sRequest, bool bAuto)
{
    MapFreeUpdateWorker worker(bAuto);
    MapFreeUpdateWorker::Host host;
    host.error = [this](const QString& sCode, const QString& sText) { m_lstErrors << sCode << sText; };
    host.queryAddMapResult = [this](const QString& sText) { m_lstHost << "addmap:" + sText; };
    host.creditRead = [this] { m_lstHost << "credit"; };
    host.shopRead = [this] { m_lstHost << "shop"; };
    host.languagesRead = [this] { m_lstHost << "languages"; };
    worker.setHost(host);
    QSignalSpy spy(&worker, &MapFreeUpdateWorker::emitStatus);
    switch (eChain) {
    case CHECK:
        worker.checkMapFreeUpdate(sRequest);
        break;
    case SHOP:
        worker.chkBuyMapAvailData(sRequest);
        break;
    case CREDIT:
        worker.checkQueryMapCredit(sRequest);
        break;
    case ADDON:
        worker.queryAddMapUpdate(sRequest);
        break;
    case LANGUAGE:
        worker.GetCountryString(sRequest);
        break;
    }
    Seen seen;
    auto finalSeen = [&spy] {
        for (const QList<QVariant>& args : spy) {
            if (isFinal(int(args.at(0).value<ACTION_STATUS>())))
                return true;
        }
        return false;
    };
    // A hang guard only: a chain without an end shows as no final status.
    if (!QTest::qWaitFor(finalSeen, 30000))
        qWarning("the chain gave no final status");
    // A second result would have come from the worker's jobs: once they ended, it has arrived.
    if (!WorkerSettle::wait(&worker))
        return seen;
    for (const QList<QVariant>& args : spy)
        seen.append({int(args.at(0).value<ACTION_STATUS>()), args.at(1).toString()});
    return seen;
}

void TestMapCheck::bodiesKeepTheTemplates()
{
    const QByteArray head = "<?xml version=\"1.0\" encoding=\"utf-8\"?><ZeqMoreUpdate><request><param "
                            "name=\"type\" value=\"";
    QCOMPARE(MapFreeUpdateWorker::requestBody("ZeqMoreDeviceMapData", {"M", "S", "U"}).toUtf8(),
             head + "ZeqMoreDeviceMapData\"/><param name=\"model\" value=\"M\"/><param name=\"sku\" "
                    "value=\"S\"/><param name=\"UUID\" value=\"U\"/></request></ZeqMoreUpdate>");
    QCOMPARE(MapFreeUpdateWorker::requestBody("ZeqMoreMapCreditQuery", {"TA-EU", "U"}).toUtf8(),
             head + "ZeqMoreMapCreditQuery\"/><param name=\"Notes\" value=\"TA-EU\"/><param name=\"UUID\" "
                    "value=\"U\"/></request></ZeqMoreUpdate>");
    QCOMPARE(MapFreeUpdateWorker::requestBody("ZeqMoreAgentLanguage", {"zh-tw"}).toUtf8(),
             head + "ZeqMoreAgentLanguage\"/><param name=\"langCode\" value=\"zh-tw\"/></request>"
                    "</ZeqMoreUpdate>");
    // The check goes out as posted text, to the map-update action.
    m_pService->answer("ZeqMoreDeviceMapData", FakeMapService::listDocument({{"BugFixMapUpdate", {}}}));
    run(CHECK);
    QCOMPARE(
        m_pServer->requests().value(0).body,
        MapFreeUpdateWorker::requestBody("ZeqMoreDeviceMapData", {"Rider 10", "006-B2", "U-1"}).toUtf8());
    QCOMPARE(m_pServer->requests().value(0).header("Content-Type"), QByteArray("text/xml; charset=utf-8"));
    QVERIFY(QString(MapFreeUpdateWorker::DEFAULT_MAP_UPDATE_URL)
                .endsWith("/KorvoAgentMapUpdate/ZeqmoreMapUpdate.action"));
    QVERIFY(QString(MapFreeUpdateWorker::DEFAULT_ESHOP_URL).endsWith("/KorvoAgentMapUpdate/Eshop.action"));
    QVERIFY(QString(MapFreeUpdateWorker::DEFAULT_LANGUAGE_URL)
                .endsWith("/KorvoAgentMapUpdate/ZeqmoreUtility.action"));
}

void TestMapCheck::hostileValuesReachTheService()
{
    const QString sRequest = JsonHelper::object({{"model", HOSTILE}, {"sku", "</param>"}, {"uuid", "'\"&"}});
    run(SHOP, sRequest);
    run(LANGUAGE, HOSTILE);
    QCOMPARE(m_pService->calls().size(), 2);
    for (const FakeMapService::Call& call : m_pService->calls())
        QVERIFY2(call.bParsed, call.rawBody.constData());
    QCOMPARE(m_pService->calls().at(0).params.value("model"), HOSTILE);
    QCOMPARE(m_pService->calls().at(0).params.value("sku"), QString("</param>"));
    QCOMPARE(m_pService->calls().at(0).params.value("UUID"), QString("'\"&"));
    QCOMPARE(m_pService->calls().at(0).path, QByteArray("/KorvoAgentMapUpdate/ZeqmoreMapUpdate.action"));
    QCOMPARE(m_pService->calls().at(1).params.value("langCode"), HOSTILE);
    QCOMPARE(m_pService->calls().at(1).path, QByteArray("/KorvoAgentMapUpdate/ZeqmoreUtility.action"));
}

void TestMapCheck::checkChain()
{
    // One offer of each kind plus older ones; the history adds one more base map.
    m_pService->answer(
        "ZeqMoreDeviceMapData",
        FakeMapService::listDocument({{"BugFixMapUpdate",
                                       {package("4.0", "TA-EU"), package("0.5", "BM-EU"),
                                        package("1.0", "OSM-EU"), package("3.0", "CountryID-ITALY")}}}));
    m_pService->answer("ZeqMoreDeviceDownloadHistory",
                       FakeMapService::listDocument({{"history", {package("2.0", "BM-EU")}}}));
    const Seen seen = run(CHECK, REQUEST, true);
    QCOMPARE(seen, (Seen{{int(MAP_CHECKSUCCESS), "AutoCheck"}}));
    QCOMPARE(m_pService->types(), (QStringList{"ZeqMoreDeviceMapData", "ZeqMoreDeviceDownloadHistory"}));
    Rows rows;
    QVERIFY(WorkFile::readRows(ProcMapXml::mapListPath(), &rows));
    QStringList notes;
    for (const WorkFile::Row& r : rows)
        notes << r.value(0) + ":" + r.value(4) + ":" + r.value(1);
    QCOMPARE(notes, (QStringList{"history:BM-EU:2.0", "BugFixMapUpdate:CountryID-ITALY:3.0",
                                 "BugFixMapUpdate:OSM-EU:1.0", "BugFixMapUpdate:TA-EU:4.0"}));
    Rows all;
    QVERIFY(WorkFile::readRows(m_pFolders->tempDir() + "/map_temp.script", &all));
    QCOMPARE(all.size(), 5);
}

void TestMapCheck::chains_data()
{
    QTest::addColumn<int>("chain");
    QTest::addColumn<QString>("type"); // the request the answer is for
    QTest::addColumn<int>("kind");     // -1: a document of code E00042
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("code");

    const QByteArray error = FakeMapService::codeDocument("E00042", "no device");
    const QByteArray bare = FakeMapService::codeDocument("S00000", "");
    const int DOC = FakeMapService::DOCUMENT;
    struct ChainRow {
        const char* szName;
        Chain eChain;
        const char* szType;
        int nFail;
        const char* szFailText;
        int nBare;
        const char* szBareText;
    };
    const QList<ChainRow> chains = {
        {"check", CHECK, "ZeqMoreDeviceMapData", MAP_CHECKERROR, "proc map error", MAP_CHECKSUCCESS,
         "success"},
        {"check history", CHECK, "ZeqMoreDeviceDownloadHistory", MAP_CHECKERROR, "proc history map error",
         MAP_CHECKERROR, "proc history map error"},
        {"shop", SHOP, "ZeqMoreAvailableAdditionData", ESHOP_ERROR, "", ESHOP_SUCCESS, ""},
        {"credit", CREDIT, "ZeqMoreMapCreditQuery", MAP_CREDITERROR, "", MAP_CREDITERROR, ""},
        {"credit history", CREDIT, "ZeqMoreDeviceDownloadHistory", MAP_CREDITERROR, "", MAP_CREDITERROR, ""},
        {"add-on", ADDON, "ZeqMoreDeviceMapData", MAP_QUERYADDMAP, "", MAP_QUERYADDMAP, ""},
        {"language", LANGUAGE, "ZeqMoreAgentLanguage", MAP_DOWNLOADCOUNTRYLANG, "", MAP_DOWNLOADCOUNTRYLANG,
         ""},
    };
    for (const ChainRow& c : chains) {
        // A history without a list is no failure of the credit: it is asked for with empty notes.
        const bool bCreditHistory = QByteArray(c.szName) == "credit history";
        const int nCodeStatus = bCreditHistory ? int(MAP_CREDITSUCCESS) : c.nFail;
        const int nBareStatus = bCreditHistory ? int(MAP_CREDITSUCCESS) : c.nBare;
        const char* szBareCode = c.eChain == CREDIT && !bCreditHistory ? "S00000" : "";
        const bool bHistoryCode =
            QByteArray(c.szName).contains("history") || c.eChain == ADDON || c.eChain == LANGUAGE;
        for (const auto& kind : QList<QPair<const char*, int>>{{"500", FakeMapService::HTTP_500},
                                                               {"stall", FakeMapService::STALL},
                                                               {"cut", FakeMapService::CUT}})
            QTest::newRow(qPrintable(QString("%1 %2").arg(c.szName, kind.first)))
                << int(c.eChain) << c.szType << kind.second << QByteArray() << int(MAP_REQUESTERROR) << "true"
                << "";
        QTest::newRow(qPrintable(QString("%1 malformed").arg(c.szName)))
            << int(c.eChain) << c.szType << int(FakeMapService::GARBAGE) << QByteArray() << c.nFail
            << c.szFailText << "";
        QTest::newRow(qPrintable(QString("%1 another code").arg(c.szName)))
            << int(c.eChain) << c.szType << DOC << error << nCodeStatus << c.szFailText
            << (bHistoryCode ? "" : "E00042");
        QTest::newRow(qPrintable(QString("%1 bare success").arg(c.szName)))
            << int(c.eChain) << c.szType << DOC << bare << nBareStatus << c.szBareText << szBareCode;
    }
}

void TestMapCheck::chains()
{
    QFETCH(int, chain);
    QFETCH(QString, type);
    QFETCH(int, kind);
    QFETCH(QByteArray, document);
    QFETCH(int, status);
    QFETCH(QString, text);
    QFETCH(QString, code);
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 300);
    // Good answers everywhere else: the credit's history has a TA row, the check finds a map.
    m_pService->answer("ZeqMoreDeviceMapData",
                       FakeMapService::listDocument({{"BugFixMapUpdate", {package("2.0", "BM-")}}}));
    m_pService->answer("ZeqMoreDeviceDownloadHistory",
                       FakeMapService::listDocument({{"history", {package("1.0", "TA-")}}}));
    m_pService->answer("ZeqMoreMapCreditQuery", FakeMapService::creditDocument({"1", "2", "3", "d"}));
    if (document.isEmpty())
        m_pService->answerKind(type, FakeMapService::Kind(kind));
    else
        m_pService->answer(type, document);
    const Seen seen = run(Chain(chain), chain == LANGUAGE ? QString("de") : QString(REQUEST));
    QCOMPARE(seen, (Seen{{status, text}}));
    QCOMPARE(m_lstErrors.value(0), code);
}

void TestMapCheck::creditKeepsThePendingSelection()
{
    // A pending selection must not gain history rows, and the credit needs no map answer file.
    const Rows pending = {row("5.0", "BM-EU")};
    QVERIFY(WorkFile::writeRows(ProcMapXml::mapListPath(), pending));
    QVERIFY(TestFolders::writeFile(m_pFolders->tempDir() + "/mapfreework.xml", "<keep/>"));
    m_pService->answer(
        "ZeqMoreDeviceDownloadHistory",
        FakeMapService::listDocument({{"history", {package("1.0", "TA-EU"), package("0.1", "BM-")}}}));
    m_pService->answer("ZeqMoreMapCreditQuery",
                       FakeMapService::creditDocument({"10", "7", "3", "2026-01-02 00:00:00"}));
    QCOMPARE(run(CREDIT), (Seen{{int(MAP_CREDITSUCCESS), ""}}));
    Rows rows;
    QVERIFY(WorkFile::readRows(ProcMapXml::mapListPath(), &rows));
    QCOMPARE(rows, pending);
    QCOMPARE(TestFolders::readFile(m_pFolders->tempDir() + "/mapfreework.xml"), QByteArray("<keep/>"));
    QCOMPARE(m_lstHost, QStringList{"credit"});
    QVERIFY(WorkFile::readRows(ProcQueryMapCreditXml::listPath(), &rows));
    QCOMPARE(rows, (Rows{{"Credit", "10", "7", "3", "2026-01-02 00:00:00"}}));
}

void TestMapCheck::creditNotes()
{
    m_pService->answer("ZeqMoreDeviceDownloadHistory",
                       FakeMapService::listDocument({{"history",
                                                      {package("1.0", "TA-EU; x"), package("2.0", "BM-"),
                                                       package("3.0", "TA-US"), package("4.0", "OSM")}}}));
    m_pService->answer("ZeqMoreMapCreditQuery", FakeMapService::creditDocument({"1", "1", "0", "d"}));
    QCOMPARE(run(CREDIT), (Seen{{int(MAP_CREDITSUCCESS), ""}}));
    QCOMPARE(m_pService->calls().value(1).params.value("Notes"), QString("TA-US"));
    QCOMPARE(m_pService->calls().value(1).params.value("UUID"), QString("U-1"));
    QCOMPARE(m_pService->calls().value(1).path, QByteArray("/KorvoAgentMapUpdate/Eshop.action"));
}

void TestMapCheck::creditHistoryWithoutList()
{
    // A well-formed history without a list still asks for the credit, with empty notes.
    m_pService->answer("ZeqMoreDeviceDownloadHistory", FakeMapService::codeDocument("S00000", ""));
    m_pService->answer("ZeqMoreMapCreditQuery", FakeMapService::creditDocument({"1", "1", "0", "d"}));
    QCOMPARE(run(CREDIT), (Seen{{int(MAP_CREDITSUCCESS), ""}}));
    QCOMPARE(m_pService->types(), (QStringList{"ZeqMoreDeviceDownloadHistory", "ZeqMoreMapCreditQuery"}));
    QVERIFY(m_pService->calls().value(1).rawBody.contains("name=\"Notes\" value=\"\""));
}

void TestMapCheck::addMapHistoryFollows()
{
    // No add-on offer: the history follows into the same list.
    m_pService->answer("ZeqMoreDeviceMapData",
                       FakeMapService::listDocument({{"BugFixMapUpdate", {package("2.0", "BM-")}}}));
    m_pService->answer("ZeqMoreDeviceDownloadHistory",
                       FakeMapService::listDocument({{"history", {package("1.0", "TA-")}}}));
    QCOMPARE(run(ADDON), (Seen{{int(MAP_QUERYADDMAP), ""}}));
    QCOMPARE(m_pService->types(), (QStringList{"ZeqMoreDeviceMapData", "ZeqMoreDeviceDownloadHistory"}));
    Rows rows;
    QVERIFY(WorkFile::readRows(ProcMapXml::addMapListPath(), &rows));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().value(0), QString("history"));
    // An offer ends the query at once.
    m_pServer->clearRequests();
    m_pService.reset(new FakeMapService(*m_pServer));
    m_pService->answer("ZeqMoreDeviceMapData",
                       FakeMapService::listDocument({{"AdditionalMaps", {package("2.0", "BM-")}}}));
    QCOMPARE(run(ADDON), (Seen{{int(MAP_QUERYADDMAP), ""}}));
    QCOMPARE(m_pService->types(), QStringList{"ZeqMoreDeviceMapData"});
}

void TestMapCheck::selection_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("device"); // bm,ta,osm,country
    QTest::addColumn<Rows>("selected");

    const WorkFile::Row bm2 = row("2.0", "BM-EU"), bm3 = row("3.0", "BM-EU"), bm25 = row("2.5", "BM-EU");
    QTest::newRow("empty") << Rows{} << "1,1,1,1" << Rows{};
    QTest::newRow("newest base map only") << Rows{bm2, bm3, bm25} << "1.0,0,0,0" << Rows{bm3};
    QTest::newRow("equal to the device: none") << Rows{bm2} << "2.0,0,0,0" << Rows{};
    QTest::newRow("device without the version file") << Rows{bm2, bm25} << "0,0,0,0" << Rows{bm25};
    QTest::newRow("same highest version twice: one row")
        << Rows{bm3, row("3.0", "BM-XX")} << "0,0,0,0" << Rows{bm3};
    QTest::newRow("no number counts as 0") << Rows{row("1.2.3", "BM-")} << "0,0,0,0" << Rows{};
    WorkFile::Row noCredit = row("5", "BM-", "SellMapCredits");
    noCredit[6] = "0";
    QTest::newRow("shop credit 0 never") << Rows{noCredit} << "0,0,0,0" << Rows{};
    QTest::newRow("shop credit 1 like any other")
        << Rows{row("5", "BM-", "SellMapCredits")} << "0,0,0,0" << Rows{row("5", "BM-", "SellMapCredits")};
    QTest::newRow("TA then higher NQ: both, NQ first")
        << Rows{row("4.0", "TA-EU"), row("5.0", "NQ-EU")} << "0,3.0,0,0"
        << Rows{row("5.0", "NQ-EU"), row("4.0", "TA-EU")};
    QTest::newRow("NQ below a TA offer: not selected")
        << Rows{row("5.0", "TA-EU"), row("4.0", "NQ-EU")} << "0,3.0,0,0" << Rows{row("5.0", "TA-EU")};
    // "NQ" without the hyphen is compared like an NQ map but written in no pass.
    QTest::newRow("bare NQ: never written") << Rows{row("4.0", "NQ")} << "0,0,0,0" << Rows{};
    QTest::newRow("bare NQ raises the shared version")
        << Rows{row("5.0", "NQ"), row("4.0", "NQ-EU"), row("4.5", "TA-EU")} << "0,3.0,0,0" << Rows{};
    QTest::newRow("bare NQ beside a TA marker: a TA map")
        << Rows{row("4.0", "TA-EU NQ")} << "0,3.0,0,0" << Rows{row("4.0", "TA-EU NQ")};
    QTest::newRow("install order") << Rows{row("1", "TA-"), row("1", "NQ-"), row("1", "OSM-"),
                                           row("1", "CountryID-X"), row("1", "BM-")}
                                   << "0,0,0,0"
                                   << Rows{row("1", "BM-"), row("1", "CountryID-X"), row("1", "OSM-"),
                                           row("1", "TA-")};
    QTest::newRow("country data named ITALY is country data")
        << Rows{row("3.0", "CountryID-ITALY")} << "0,9,0,0" << Rows{row("3.0", "CountryID-ITALY")};
    QTest::newRow("two markers: written once, the last kind")
        << Rows{row("2.0", "BM-EU OSM-EU")} << "0,0,0,0" << Rows{row("2.0", "BM-EU OSM-EU")};
    QTest::newRow("no marker: never") << Rows{row("9", "Europe")} << "0,0,0,0" << Rows{};
    QTest::newRow("short rows skipped") << Rows{{"BugFixMapUpdate", "9", "1"}} << "0,0,0,0" << Rows{};
}

void TestMapCheck::selection()
{
    QFETCH(Rows, rows);
    QFETCH(QString, device);
    QFETCH(Rows, selected);
    const QStringList v = device.split(',');
    QCOMPARE(MapSelection::select(rows, versions(v.at(0), v.at(1), v.at(2), v.at(3))), selected);
}

void TestMapCheck::pendingImageEmptiesTheSelection()
{
    QVERIFY(
        WorkFile::writeRows(m_pFolders->tempDir() + "/Update.script",
                            {{"IMAGE", "d", "2", "1", "u", ""}, {"APPLICATION", "d", "2", "1", "u", ""}}));
    QVERIFY(WorkFile::writeRows(ProcMapXml::mapListPath(), {row("9", "BM-")}));
    QVERIFY(MapSelection::generateMapScript(versions("0", "0", "0", "0")));
    Rows rows;
    QVERIFY(WorkFile::readRows(ProcMapXml::mapListPath(), &rows));
    QCOMPARE(rows, Rows{});
    QVERIFY(WorkFile::readRows(m_pFolders->tempDir() + "/Update.script", &rows));
    QCOMPARE(rows.size(), 1);
}

QTEST_GUILESS_MAIN(TestMapCheck)
#include "tst_mapcheck.moc"
