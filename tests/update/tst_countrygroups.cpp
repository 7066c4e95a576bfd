#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "support/FakeMapService.h"
#include "support/TestFolders.h"
#include "support/TestHttpServer.h"
#include "support/WorkerSettle.h"
#include "update/KorvoUpdateWorker.h"
#include "update/MapFreeUpdateWorker.h"
#include "update/ProcCountryXml.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace
{
// How the download host answers "country.xml".
enum Delivery { WHOLE, HTTP_500, STALL, CUT };

const QByteArray BUILT_IN_MARK = "<built-in>";

QByteArray goldenBuiltIn()
{
    return TestFolders::readFile(qEnvironmentVariable("WENDO_SOURCE_DIR") +
                                 "/tests/update/data/country_builtin.script");
}

QByteArray doc(const QByteArray& groups)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?><countries><grouplist>" + groups +
           "</grouplist></countries>";
}
} // namespace

// The country groups as the agent fetches them after sign-in: "country.xml" from the download host
// through the real map worker, turned into "country.script" (or the built-in table), always followed by
// the map-language request and 93.
class TestCountryGroups : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void groups_data();
    void groups();
    void sameSizeChangedFileIsFetchedAnew();
    void failedDownloadKeepsTheOldCopy();
    void builtInTableIsTheGoldenOne();
    void readBack_data();
    void readBack();
    void lookupOverTheBuiltInTable();
    void openSearchesAGroupFile();

private:
    // Runs the country step against the download host's answer; the statuses the worker sent.
    QList<int> runCountryStep(const TestHttpServer::Answer& answer);
    static QString temp(const QString& sName) { return AgentFolders::tempPath(sName); }

    QScopedPointer<TestFolders> m_pFolders;
    QScopedPointer<TestHttpServer> m_pMapServer;
    QScopedPointer<FakeMapService> m_pMaps;
    QScopedPointer<TestHttpServer> m_pDownloads;
};

void TestCountryGroups::initTestCase()
{
    m_pFolders.reset(new TestFolders);
    QVERIFY(QDir().mkpath(m_pFolders->tempDir()));
    m_pMapServer.reset(new TestHttpServer);
    m_pDownloads.reset(new TestHttpServer);
    QVERIFY(m_pMapServer->start());
    QVERIFY(m_pDownloads->start());
    // Short for the stalled answers, yet long enough for a sound one on a loaded machine.
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 1500);
}

void TestCountryGroups::init()
{
    m_pMaps.reset(new FakeMapService(*m_pMapServer));
    m_pMapServer->clearRequests();
    m_pDownloads->reset();
    AgentSettings settings;
    settings.setValue("URL", "MapLanguage", m_pMaps->languageUrl());
    settings.setValue("URL", "CountryXml",
                      m_pDownloads->url("/ZeqWendo/AP/Docs/CountriesSource/country.xml"));
    for (const char* szName : {"country.xml", "country.script", "country.xml.download"})
        QFile::remove(temp(szName));
}

void TestCountryGroups::cleanup()
{
    m_pDownloads->reset();
}

QList<int> TestCountryGroups::runCountryStep(const TestHttpServer::Answer& answer)
{
    m_pDownloads->setHandler([answer](const TestHttpServer::Request&) { return answer; });
    m_pMaps.reset(new FakeMapService(*m_pMapServer));
    MapFreeUpdateWorker worker(false);
    MapFreeUpdateWorker::Host host;
    host.langCode = [] { return QString("de"); };
    worker.setHost(host);
    QSignalSpy spy(&worker, &MapFreeUpdateWorker::emitStatus);
    worker.GetCountryGroup();
    if (!QTest::qWaitFor([&spy] { return !spy.isEmpty(); }, 20000))
        return {};
    // A second status would have come from the worker's jobs: once they ended, it has arrived.
    if (!WorkerSettle::wait(&worker))
        return {};
    QList<int> seen;
    for (const QList<QVariant>& args : spy)
        seen << int(args.at(0).value<ACTION_STATUS>());
    return seen;
}

void TestCountryGroups::groups_data()
{
    QTest::addColumn<int>("delivery");
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QByteArray>("script");

    QTest::newRow("two groups") << int(WHOLE)
                                << doc("<group><name>China</name><country>China</country></group>"
                                       "<group><name>AUSNZL</name><country>Australia</country>"
                                       "<country>New_Zealand</country></group>")
                                << QByteArray("China:China\nAUSNZL:Australia,New_Zealand\n");
    QTest::newRow("empty grouplist") << int(WHOLE) << doc("") << QByteArray("");
    QTest::newRow("name only") << int(WHOLE) << doc("<g><n>Solo</n></g>") << QByteArray("Solo:\n");
    QTest::newRow("any element names, by position")
        << int(WHOLE) << doc("<a><b>AUSNZL</b><c>Australia</c><d>New_Zealand</d></a>")
        << QByteArray("AUSNZL:Australia,New_Zealand\n");
    QTest::newRow("blanks kept") << int(WHOLE)
                                 << doc("<g><n>Central Europe</n><c> Italy</c><c>San Marino</c></g>")
                                 << QByteArray("Central Europe: Italy,San Marino\n");
    QTest::newRow("grouplist as document element")
        << int(WHOLE) << QByteArray("<grouplist><g><n>China</n><c>China</c></g></grouplist>")
        << BUILT_IN_MARK;
    QTest::newRow("no grouplist") << int(WHOLE) << QByteArray("<countries><groups/></countries>")
                                  << BUILT_IN_MARK;
    QTest::newRow("comment and processing instruction")
        << int(WHOLE)
        << doc("<!-- the groups --><?note x?><g><n>China</n><!-- one --><c>China</c><?pi y?></g>")
        << QByteArray("China:China\n");
    QTest::newRow("names with separators")
        << int(WHOLE)
        << doc("<g><n>Bad:Group</n><c>X</c></g><g><n>Good</n><c>A,B</c><c>C|D</c><c>E</c>"
               "<c>F\nG</c></g><g><n>A|B</n></g>")
        << QByteArray("Good:E\n");
    QTest::newRow("entities") << int(WHOLE) << doc("<g><n>USA &amp; Canada</n><c>Qu&#233;bec_Canada</c></g>")
                              << QByteArray("USA & Canada:Qu\xc3\xa9"
                                            "bec_Canada\n");
    QTest::newRow("non-ASCII names")
        << int(WHOLE) << doc("<g><n>Mitte</n><c>\xc3\x96sterreich</c><c>S\xc3\xa3o_Tom\xc3\xa9</c></g>")
        << QByteArray("Mitte:\xc3\x96sterreich,S\xc3\xa3o_Tom\xc3\xa9\n");
    QTest::newRow("malformed") << int(WHOLE) << QByteArray("<countries><grouplist><g>") << BUILT_IN_MARK;
    QTest::newRow("truncated") << int(CUT) << doc("<g><n>China</n><c>China</c></g>") << BUILT_IN_MARK;
    QTest::newRow("500") << int(HTTP_500) << QByteArray() << BUILT_IN_MARK;
    QTest::newRow("stall") << int(STALL) << QByteArray() << BUILT_IN_MARK;
}

void TestCountryGroups::groups()
{
    QFETCH(int, delivery);
    QFETCH(QByteArray, document);
    QFETCH(QByteArray, script);
    TestHttpServer::Answer answer = TestHttpServer::Answer::ok(document, "application/xml");
    if (delivery == HTTP_500)
        answer = TestHttpServer::Answer::status(500, "no");
    else if (delivery == STALL)
        answer = TestHttpServer::Answer::ok(document).stalledAfter(0);
    else if (delivery == CUT)
        answer.closedAfter(document.size() / 2);

    const QList<int> seen = runCountryStep(answer);

    QCOMPARE(seen, QList<int>({MAP_DOWNLOADCOUNTRYLANG}));
    QVERIFY(QFile::exists(temp("country.script")));
    QCOMPARE(TestFolders::readFile(temp("country.script")),
             script == BUILT_IN_MARK ? goldenBuiltIn() : script);
    QCOMPARE(m_pMaps->types(), QStringList({"ZeqMoreAgentLanguage"}));
    QCOMPARE(m_pMaps->calls().value(0).params.value("langCode"), QString("de"));
    QVERIFY(!QFile::exists(temp("country.xml.download")));
}

// A resumed download would keep the first file (same size counts as complete) or append to it.
void TestCountryGroups::sameSizeChangedFileIsFetchedAnew()
{
    const QByteArray first = doc("<g><n>AAAAAA</n><c>Aland</c></g>");
    const QByteArray second = doc("<g><n>BBBBBB</n><c>Bali_</c></g>");
    QCOMPARE(first.size(), second.size());
    auto serve = [](const QByteArray& content) {
        return [content](const TestHttpServer::Request& request) {
            return TestHttpServer::fileAnswer(request, content);
        };
    };
    m_pDownloads->setHandler(serve(first));
    MapFreeUpdateWorker worker1(false);
    QSignalSpy spy1(&worker1, &MapFreeUpdateWorker::emitStatus);
    worker1.GetCountryGroup();
    QTRY_VERIFY_WITH_TIMEOUT(!spy1.isEmpty(), 20000);
    QCOMPARE(TestFolders::readFile(temp("country.script")), QByteArray("AAAAAA:Aland\n"));

    m_pDownloads->setHandler(serve(second));
    MapFreeUpdateWorker worker2(false);
    QSignalSpy spy2(&worker2, &MapFreeUpdateWorker::emitStatus);
    worker2.GetCountryGroup();
    QTRY_VERIFY_WITH_TIMEOUT(!spy2.isEmpty(), 20000);
    QCOMPARE(TestFolders::readFile(temp("country.script")), QByteArray("BBBBBB:Bali_\n"));
    QCOMPARE(TestFolders::readFile(temp("country.xml")), second);
}

void TestCountryGroups::failedDownloadKeepsTheOldCopy()
{
    const QByteArray good = doc("<g><n>AUSNZL</n><c>Australia</c></g>");
    QCOMPARE(runCountryStep(TestHttpServer::Answer::ok(good)), QList<int>({MAP_DOWNLOADCOUNTRYLANG}));
    QFile::remove(temp("country.script"));
    QCOMPARE(runCountryStep(TestHttpServer::Answer::status(500)), QList<int>({MAP_DOWNLOADCOUNTRYLANG}));
    QCOMPARE(TestFolders::readFile(temp("country.xml")), good);
    QCOMPARE(TestFolders::readFile(temp("country.script")), QByteArray("AUSNZL:Australia\n"));
}

// Both writers of the table give the same bytes.
void TestCountryGroups::builtInTableIsTheGoldenOne()
{
    QVERIFY(!goldenBuiltIn().isEmpty());
    QCOMPARE(ProcCountryXml::builtInScript(), goldenBuiltIn());
    KorvoUpdateWorker daily;
    daily.writeDefaultCountryScript();
    QCOMPARE(TestFolders::readFile(temp("country.script")), goldenBuiltIn());
    QVERIFY(goldenBuiltIn().contains("USA &amp; Canada:"));
    QVERIFY(goldenBuiltIn().contains("Delaware_USA, Florida_USA"));
    QVERIFY(goldenBuiltIn().contains("Hungary, Italy"));
    QVERIFY(goldenBuiltIn().contains("Louisiana_USAa,"));
}

void TestCountryGroups::readBack_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("two lines") << QByteArray("China:China\nAUSNZL:Australia,New_Zealand\n")
                               << "China:China|AUSNZL:Australia,New_Zealand";
    QTest::newRow("CRLF") << QByteArray("China:China\r\nAUSNZL:Australia\r\n")
                          << "China:China|AUSNZL:Australia";
    QTest::newRow("UTF-8") << QByteArray("Mitte:\xc3\x96sterreich\n")
                           << QString::fromUtf8("Mitte:Österreich");
    QTest::newRow("empty line kept") << QByteArray("A:a\n\nB:b\n") << "A:a||B:b";
    QTest::newRow("up to a NUL") << QByteArray("A:a\0junk\nB:b\n", 13) << "A:a|B:b";
    QTest::newRow("empty") << QByteArray("") << "";
}

void TestCountryGroups::readBack()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, text);
    QVERIFY(TestFolders::writeFile(temp("country.script"), file));
    QCOMPARE(ProcCountryXml::readCountryScript(), text);
    QFile::remove(temp("country.script"));
    QCOMPARE(ProcCountryXml::readCountryScript(), QString());
}

void TestCountryGroups::lookupOverTheBuiltInTable()
{
    QVERIFY(ProcCountryXml::writeBuiltInScript());
    ProcCountryXml reader;
    reader.findCountryGroup("Italy, San Marino");
    QCOMPARE(reader.m_sGroupName, QString("Western Europe"));
    QCOMPARE(reader.m_nCountryCount, 22);
    QVERIFY(reader.m_sGroupCountries.contains("San Marino,Vatican City"));
    QCOMPARE(reader.m_nMatchedCount, 2);
}

void TestCountryGroups::openSearchesAGroupFile()
{
    const QString sPath = temp("groups.xml");
    QVERIFY(TestFolders::writeFile(sPath, doc("<g><n>Solo</n></g><g><n>AUSNZL</n><c>Australia</c>"
                                              "<c>New_Zealand</c></g>")));
    ProcCountryXml reader;
    reader.m_sLookup = "New Zealand";
    QVERIFY(reader.open(sPath));
    QCOMPARE(reader.m_sGroupName, QString("AUSNZL"));
    QCOMPARE(reader.m_nCountryCount, 2);
    QCOMPARE(reader.m_sGroupCountries, QString("Australia,New Zealand"));
    QVERIFY(!ProcCountryXml().open(temp("missing.xml")));
}

QTEST_GUILESS_MAIN(TestCountryGroups)
#include "tst_countrygroups.moc"
