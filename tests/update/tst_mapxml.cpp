#include "core/WorkFile.h"
#include "support/FakeMapService.h"
#include "support/TestFolders.h"
#include "update/MapAnswer.h"
#include "update/ProcAvailableAddMapXml.h"
#include "update/ProcMapHistoryXml.h"
#include "update/ProcMapLanguageXml.h"
#include "update/ProcMapXml.h"
#include "update/ProcQueryAddMapXml.h"
#include "update/ProcQueryMapCreditXml.h"

#include <QDir>
#include <QtTest>

using Rows = QList<WorkFile::Row>;
using Lists = QList<FakeMapService::List>;
Q_DECLARE_METATYPE(Rows)
Q_DECLARE_METATYPE(Lists)

namespace
{
using Package = FakeMapService::Package;

Package package(const QString& sVersion, const QString& sNotes = "BM-EU")
{
    return FakeMapService::mapPackage(sVersion, sNotes, "http://dl.example/" + sVersion + ".zip",
                                      "0123456789abcdef0123456789abcdef");
}

QString field(const Package& p, const QString& sName)
{
    for (const auto& f : p) {
        if (f.first == sName)
            return f.second;
    }
    return QString();
}

WorkFile::Row listRow(const QString& sGroup, const Package& p)
{
    WorkFile::Row row{sGroup};
    for (const char* sz : {"version", "size", "release_date", "notes", "regionid", "file_url", "checksum",
                           "releasenote_url", "payFlag", "expire"})
        row.append(field(p, sz));
    return row;
}

WorkFile::Row creditRow(const QString& sKind, const Package& p)
{
    WorkFile::Row row{sKind};
    for (const char* sz : {"version", "size", "release_date", "notes", "regionid", "credit", "file_url",
                           "checksum", "releasenote_url", "eshop_url", "payFlag", "expire"})
        row.append(field(p, sz));
    return row;
}

WorkFile::Row historyRow(const Package& p)
{
    return {"history",
            field(p, "version"),
            field(p, "size"),
            field(p, "release_date"),
            field(p, "notes"),
            field(p, "regionid"),
            field(p, "downloadurl"),
            field(p, "checksum"),
            field(p, "releasenote_url")};
}

Package without(Package p, const QString& sName)
{
    for (int i = 0; i < p.size(); ++i) {
        if (p.at(i).first == sName)
            p.removeAt(i--);
    }
    return p;
}

// nCount packages, versions counted from nFirst.
QList<Package> packages(int nFirst, int nCount)
{
    QList<Package> lst;
    for (int i = nFirst; i < nFirst + nCount; ++i)
        lst.append(package(QString::number(i)));
    return lst;
}

// Every character a service value may carry that a careless list or body would break on.
const QString HOSTILE = QString::fromUtf8("a & b < c > \"d\" 'e' 100% ; f, {g} Ünïcödé 地图\nnext");
} // namespace

// The map service's answers as the readers turn them into the map work lists.
class TestMapXml : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void mapList_data();
    void mapList();
    void mapListOutcomes_data();
    void mapListOutcomes();
    void bareSuccessEmptiesOldLists();
    void addMapList_data();
    void addMapList();
    void korvoList();
    void history_data();
    void history();
    void credit_data();
    void credit();
    void shop_data();
    void shop();
    void languages();
    void queryAddMap();
    void unwritableLists();

private:
    QString writeAnswer(const QByteArray& document);
    static Rows rowsOf(const QString& sPath);
    QScopedPointer<TestFolders> m_pFolders;
};

void TestMapXml::init()
{
    m_pFolders.reset(new TestFolders);
    QVERIFY(QDir().mkpath(m_pFolders->tempDir()));
}

QString TestMapXml::writeAnswer(const QByteArray& document)
{
    const QString sPath = m_pFolders->tempDir() + "/mapfreework.xml";
    return TestFolders::writeFile(sPath, document) ? sPath : QString();
}

Rows TestMapXml::rowsOf(const QString& sPath)
{
    Rows rows;
    WorkFile::readRows(sPath, &rows);
    return rows;
}

void TestMapXml::mapList_data()
{
    QTest::addColumn<Lists>("lists");
    QTest::addColumn<QByteArray>("extra");
    QTest::addColumn<Rows>("rows");

    const Package a = package("2.0"), b = package("3.0", "TA-EU");
    Package hostile = package("4.0", HOSTILE);
    hostile[5].second = HOSTILE; // file_url
    QTest::newRow("two bug-fix packages in answer order")
        << Lists{{"BugFixMapUpdate", {a, b}}} << QByteArray()
        << Rows{listRow("BugFixMapUpdate", a), listRow("BugFixMapUpdate", b)};
    QTest::newRow("no checksum gives an empty field")
        << Lists{{"BugFixMapUpdate", {without(a, "checksum")}}} << QByteArray()
        << Rows{listRow("BugFixMapUpdate", without(a, "checksum"))};
    QTest::newRow("shop packages carry the credit")
        << Lists{{"SellMapCredits", {a}}} << QByteArray() << Rows{creditRow("SellMapCredits", a)};
    QTest::newRow("all lists in order, unknown groups give nothing")
        << Lists{{"AdditionalMaps", {a}}, {"Other", {b}}, {"BugFixMapUpdate", {b}}} << QByteArray()
        << Rows{listRow("AdditionalMaps", a), listRow("BugFixMapUpdate", b)};
    QTest::newRow("unknown group only: an empty list") << Lists{{"Other", {a}}} << QByteArray() << Rows{};
    QTest::newRow("hostile values come back whole")
        << Lists{{"BugFixMapUpdate", {hostile}}} << QByteArray() << Rows{listRow("BugFixMapUpdate", hostile)};
    QTest::newRow("a code beside a list is not read")
        << Lists{{"BugFixMapUpdate", {a}}} << QByteArray("<code>E1</code>")
        << Rows{listRow("BugFixMapUpdate", a)};
    // More packages than a device ever takes: the first ones over all lists, in the answer's order.
    const QList<Package> fixes = packages(0, 200), addOns = packages(200, 100);
    Rows kept;
    for (const Package& p : fixes)
        kept.append(listRow("BugFixMapUpdate", p));
    for (int i = 0; kept.size() < MapAnswer::MAX_ROWS; ++i)
        kept.append(listRow("AdditionalMaps", addOns.at(i)));
    QTest::newRow("rows past the bound dropped")
        << Lists{{"BugFixMapUpdate", fixes}, {"AdditionalMaps", addOns}} << QByteArray() << kept;
}

void TestMapXml::mapList()
{
    QFETCH(Lists, lists);
    QFETCH(QByteArray, extra);
    QFETCH(Rows, rows);
    // Comments and text inside a list are no packages.
    QByteArray document = FakeMapService::listDocument(lists, extra);
    document.replace("<update>", "<!-- a comment --><update>");
    ProcMapXml reader;
    QVERIFY(reader.open(writeAnswer(document)));
    QCOMPARE(reader.m_eOutcome, ProcMapXml::LISTED);
    QVERIFY(QFile::exists(ProcMapXml::mapListPath()));
    QCOMPARE(rowsOf(ProcMapXml::mapListPath()), rows);
}

void TestMapXml::mapListOutcomes_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("error");

    QTest::newRow("bare success") << FakeMapService::codeDocument("S00000", "ok") << true
                                  << int(ProcMapXml::BARE_SUCCESS) << "S00000"
                                  << "ok";
    QTest::newRow("service error") << FakeMapService::codeDocument("E00012", HOSTILE) << false
                                   << int(ProcMapXml::SERVICE_ERROR) << "E00012" << HOSTILE;
    QTest::newRow("success code in another case")
        << FakeMapService::codeDocument("s00000", "") << false << int(ProcMapXml::SERVICE_ERROR) << "s00000"
        << "";
    QTest::newRow("no group") << FakeMapService::listDocument({{QString(), {package("1")}}}) << false
                              << int(ProcMapXml::NO_GROUP) << ""
                              << "";
    QTest::newRow("empty group") << FakeMapService::listDocument({{"", {package("1")}}}) << false
                                 << int(ProcMapXml::NO_GROUP) << ""
                                 << "";
    QTest::newRow("malformed") << QByteArray("<response><updatelist group=\"x\">") << false
                               << int(ProcMapXml::UNREADABLE) << ""
                               << "";
    QTest::newRow("empty file") << QByteArray() << false << int(ProcMapXml::UNREADABLE) << ""
                                << "";
}

void TestMapXml::mapListOutcomes()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, result);
    QFETCH(int, outcome);
    QFETCH(QString, code);
    QFETCH(QString, error);
    ProcMapXml reader;
    QCOMPARE(reader.open(writeAnswer(answer)), result);
    QCOMPARE(int(reader.m_eOutcome), outcome);
    QCOMPARE(reader.m_sCode, code);
    QCOMPARE(reader.m_sError, error);
}

void TestMapXml::bareSuccessEmptiesOldLists()
{
    // An earlier device's rows must not stay on offer when the service now lists nothing.
    const WorkFile::Row old = listRow("AdditionalMaps", package("9.0"));
    QVERIFY(WorkFile::writeRows(ProcMapXml::addMapListPath(), {old}));
    QVERIFY(WorkFile::writeRows(ProcMapXml::mapListPath(), {old}));
    const QString sAnswer = writeAnswer(FakeMapService::codeDocument("S00000", ""));
    QVERIFY(ProcMapXml().openQueryAddMap(sAnswer));
    QVERIFY(ProcMapXml().open(sAnswer));
    QCOMPARE(rowsOf(ProcMapXml::addMapListPath()), Rows{});
    QCOMPARE(rowsOf(ProcMapXml::mapListPath()), Rows{});
    // A failed answer leaves the list alone.
    QVERIFY(WorkFile::writeRows(ProcMapXml::addMapListPath(), {old}));
    QVERIFY(!ProcMapXml().openQueryAddMap(writeAnswer(FakeMapService::codeDocument("E1", ""))));
    QCOMPARE(rowsOf(ProcMapXml::addMapListPath()), Rows{old});
}

void TestMapXml::addMapList_data()
{
    QTest::addColumn<Lists>("lists");
    QTest::addColumn<bool>("result");
    QTest::addColumn<Rows>("rows");
    const Package a = package("2.0"), b = package("3.0");
    QTest::newRow("add-on rows only") << Lists{{"BugFixMapUpdate", {a}}, {"AdditionalMaps", {b}}} << true
                                      << Rows{listRow("AdditionalMaps", b)};
    QTest::newRow("bug-fix only: empty list, false") << Lists{{"BugFixMapUpdate", {a}}} << false << Rows{};
    const QList<Package> many = packages(0, MapAnswer::MAX_ROWS + 5);
    Rows kept;
    for (int i = 0; i < MapAnswer::MAX_ROWS; ++i)
        kept.append(listRow("AdditionalMaps", many.at(i)));
    QTest::newRow("rows past the bound dropped") << Lists{{"AdditionalMaps", many}} << true << kept;
}

void TestMapXml::addMapList()
{
    QFETCH(Lists, lists);
    QFETCH(bool, result);
    QFETCH(Rows, rows);
    QVERIFY(WorkFile::writeRows(ProcMapXml::addMapListPath(), {{"stale"}}));
    QCOMPARE(ProcMapXml().openQueryAddMap(writeAnswer(FakeMapService::listDocument(lists))), result);
    QVERIFY(QFile::exists(ProcMapXml::addMapListPath()));
    QCOMPARE(rowsOf(ProcMapXml::addMapListPath()), rows);
}

void TestMapXml::korvoList()
{
    const Package a = package("2.0"), b = package("3.0");
    QByteArray document = FakeMapService::listDocument({{QString(), {a}}, {"Later", {b}}});
    document.replace("<update>", "<!-- c --><update>");
    QVERIFY(ProcMapXml().openKorvoUpdate(writeAnswer(document)));
    WorkFile::Row row = creditRow("freeupdate", a);
    row.append("");
    QCOMPARE(rowsOf(ProcMapXml::korvoListPath()), Rows{row});
    QString sText;
    QVERIFY(WorkFile::readText(ProcMapXml::korvoListPath(), &sText));
    QVERIFY(sText.endsWith(";\n"));
}

void TestMapXml::history_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("result");
    QTest::addColumn<Rows>("appended");
    const Package a = package("2.0"), b = package("3.0", HOSTILE);
    QByteArray withComment = FakeMapService::listDocument({{"history", {a, b}}});
    withComment.replace("<update>", "<!-- c -->text<update>");
    QTest::newRow("rows after the existing ones")
        << withComment << true << Rows{historyRow(a), historyRow(b)};
    QTest::newRow("any element is a package, whatever its tag")
        << FakeMapService::listDocument({{"h", {a}}}).replace("update>", "item>") << true
        << Rows{historyRow(a)};
    QTest::newRow("no list") << FakeMapService::codeDocument("S00000", "") << false << Rows{};
    QTest::newRow("malformed") << QByteArray("<a><updatelist>") << false << Rows{};
    const QList<Package> many = packages(0, MapAnswer::MAX_ROWS + 5);
    Rows kept;
    for (int i = 0; i < MapAnswer::MAX_ROWS; ++i)
        kept.append(historyRow(many.at(i)));
    QTest::newRow("rows past the bound dropped")
        << FakeMapService::listDocument({{"history", many}}) << true << kept;
}

void TestMapXml::history()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, result);
    QFETCH(Rows, appended);
    const Rows existing = {listRow("BugFixMapUpdate", package("1.0"))};
    QVERIFY(WorkFile::writeRows(ProcMapXml::mapListPath(), existing));
    QVERIFY(WorkFile::writeRows(ProcMapXml::addMapListPath(), existing));
    const QString sAnswer = writeAnswer(answer);
    QCOMPARE(ProcMapHistoryXml().open(sAnswer), result);
    QCOMPARE(ProcMapHistoryXml().openQueryAddMap(sAnswer), result);
    QCOMPARE(rowsOf(ProcMapXml::mapListPath()), existing + appended);
    QCOMPARE(rowsOf(ProcMapXml::addMapListPath()), existing + appended);
}

void TestMapXml::credit_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("result");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("code");
    QTest::newRow("four values") << FakeMapService::creditDocument({"10", "7", "3", "2026-01-02 03:04:05"})
                                 << true << Rows{{"Credit", "10", "7", "3", "2026-01-02 03:04:05"}} << "";
    QTest::newRow("no first date: empty last field") << FakeMapService::creditDocument({"10", "7", "3"})
                                                     << true << Rows{{"Credit", "10", "7", "3", ""}} << "";
    QTest::newRow("hostile values") << FakeMapService::creditDocument({HOSTILE, "1", "2", HOSTILE}) << true
                                    << Rows{{"Credit", HOSTILE, "1", "2", HOSTILE}} << "";
    QTest::newRow("no credit: emptied, code kept")
        << FakeMapService::codeDocument("E00003", "no device") << false << Rows{} << "E00003";
    QTest::newRow("malformed: left alone")
        << QByteArray("<x><credit>") << false << Rows{{"Credit", "old"}} << "";
}

void TestMapXml::credit()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, result);
    QFETCH(Rows, rows);
    QFETCH(QString, code);
    QVERIFY(WorkFile::writeRows(ProcQueryMapCreditXml::listPath(), {{"Credit", "old"}}));
    ProcQueryMapCreditXml reader;
    QCOMPARE(reader.open(writeAnswer(answer)), result);
    QCOMPARE(reader.m_sCode, code);
    QCOMPARE(rowsOf(ProcQueryMapCreditXml::listPath()), rows);
}

void TestMapXml::shop_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("listExists");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("code");
    QByteArray withComment = FakeMapService::shopDocument({{"EU", "credits", "http://shop/c?a=1&b=2"}});
    withComment.replace("<offer>", "<!-- c --><offer>");
    QTest::newRow("offers, comments skipped")
        << withComment << true << true << Rows{{"availableaddmap", "EU", "credits", "http://shop/c?a=1&b=2"}}
        << "";
    QTest::newRow("hostile region") << FakeMapService::shopDocument({{HOSTILE, "addition", "u"}}) << true
                                    << true << Rows{{"availableaddmap", HOSTILE, "addition", "u"}} << "";
    QTest::newRow("empty list: empty file")
        << FakeMapService::shopDocument({}) << true << true << Rows{} << "";
    QTest::newRow("bare success: no file")
        << FakeMapService::codeDocument("S00000", "") << true << false << Rows{} << "";
    QTest::newRow("service error") << FakeMapService::codeDocument("E9", "x") << false << false << Rows{}
                                   << "E9";
    QTest::newRow("malformed: left alone")
        << QByteArray("garbage") << false << true << Rows{{"availableaddmap", "old"}} << "";
}

void TestMapXml::shop()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, result);
    QFETCH(bool, listExists);
    QFETCH(Rows, rows);
    QFETCH(QString, code);
    QVERIFY(WorkFile::writeRows(ProcAvailableAddMapXml::listPath(), {{"availableaddmap", "old"}}));
    ProcAvailableAddMapXml reader;
    QCOMPARE(reader.open(writeAnswer(answer)), result);
    QCOMPARE(reader.m_sCode, code);
    QCOMPARE(QFile::exists(ProcAvailableAddMapXml::listPath()), listExists);
    QCOMPARE(rowsOf(ProcAvailableAddMapXml::listPath()), rows);
}

void TestMapXml::languages()
{
    const QString sGreek = QString::fromUtf8("Ελλάδα");
    QByteArray document = FakeMapService::languageDocument({{"Greece", sGreek}, {"Semi;colon", HOSTILE}});
    // A nested entry counts, one outside the list does not.
    document.replace("</updatelist>", "<group><langList enName=\"Deep\">Tief</langList></group></updatelist>"
                                      "<langList enName=\"Outside\">x</langList>");
    QVERIFY(ProcMapLanguageXml().open(writeAnswer(document)));
    QCOMPARE(rowsOf(ProcMapLanguageXml::listPath()),
             (Rows{{"Greece", sGreek}, {"Semi;colon", HOSTILE}, {"Deep", "Tief"}}));
    QVERIFY(TestFolders::readFile(ProcMapLanguageXml::listPath()).contains(sGreek.toUtf8()));
    // No list: the old one stays.
    QVERIFY(!ProcMapLanguageXml().open(writeAnswer(FakeMapService::codeDocument("S00000", ""))));
    QCOMPARE(rowsOf(ProcMapLanguageXml::listPath()).size(), 3);
}

void TestMapXml::queryAddMap()
{
    const Package a = package("2.0"), b = package("3.0");
    ProcQueryAddMapXml reader;
    QVERIFY(reader.open(writeAnswer(FakeMapService::listDocument({{"AdditionalMaps", {a, b}}}))));
    QCOMPARE(rowsOf(ProcQueryAddMapXml::listPath()), Rows{listRow("AddMap", a)});
    QCOMPARE(reader.m_sRegionId, QString("7"));
    QVERIFY(!ProcQueryAddMapXml().open(writeAnswer(FakeMapService::codeDocument("S00000", ""))));
}

void TestMapXml::unwritableLists()
{
    // A list that cannot be written is no list read: every reader says so.
    for (const QString& sList :
         {ProcMapXml::mapListPath(), ProcMapXml::addMapListPath(), ProcQueryMapCreditXml::listPath(),
          ProcAvailableAddMapXml::listPath(), ProcMapLanguageXml::listPath()})
        QVERIFY(QDir().mkpath(sList + "/blocker"));
    const Package a = package("2.0");
    QVERIFY(!ProcMapXml().open(writeAnswer(FakeMapService::listDocument({{"BugFixMapUpdate", {a}}}))));
    QVERIFY(
        !ProcMapXml().openQueryAddMap(writeAnswer(FakeMapService::listDocument({{"AdditionalMaps", {a}}}))));
    QVERIFY(!ProcMapHistoryXml().open(writeAnswer(FakeMapService::listDocument({{"h", {a}}}))));
    QVERIFY(!ProcQueryMapCreditXml().open(writeAnswer(FakeMapService::creditDocument({"1", "1", "0", "d"}))));
    QVERIFY(
        !ProcAvailableAddMapXml().open(writeAnswer(FakeMapService::shopDocument({{"r", "credits", "u"}}))));
    QVERIFY(!ProcMapLanguageXml().open(writeAnswer(FakeMapService::languageDocument({{"a", "b"}}))));
}

QTEST_GUILESS_MAIN(TestMapXml)
#include "tst_mapxml.moc"
