#include "backup/ProcKeepFileXml.h"
#include "device/GetDevInfoXml.h"
#include "net/ProcCheckDevRegXml.h"
#include "net/ProcDeRegDevXml.h"
#include "net/ProcEnumRegDevXml.h"
#include "net/ProcGetCustomSettingXml.h"
#include "net/ProcLoginXml.h"
#include "net/ProcRegDevXml.h"
#include "platform/DeviceFileReader.h"
#include "support/TestFolders.h"
#include "sync/ProcGpxXml.h"
#include "sync/ProcSyncListXml.h"
#include "sync/ProcSyncResponseXml.h"
#include "update/MapAnswer.h"
#include "update/ProcAvailableAddMapXml.h"
#include "update/ProcCountryXml.h"
#include "update/ProcDevUpdateXml.h"
#include "update/ProcMapHistoryXml.h"
#include "update/ProcMapLanguageXml.h"
#include "update/ProcMapXml.h"
#include "update/ProcQueryAddMapXml.h"
#include "update/ProcQueryMapCreditXml.h"

#include <QDir>
#include <QtTest>

#include <functional>

namespace
{
// Nesting deep enough to overflow the stack of a tree built by recursion.
const int HOSTILE_DEPTH = 100000;
// Nesting a real answer could have, with the levels around it.
const int PLAIN_DEPTH = 8;

QByteArray soapAnswer(const QByteArray& sOperation, const QByteArray& returnText)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SOAP-ENV:Envelope "
           "xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" xmlns:ns1=\"urn:x\">"
           "<SOAP-ENV:Body><ns1:" +
           sOperation + "Response><return>" + returnText + "%DEEP%</return></ns1:" + sOperation +
           "Response></SOAP-ENV:Body></SOAP-ENV:Envelope>";
}

QByteArray mapList(const QByteArray& sGroup)
{
    return "<answer><updatelist group=\"" + sGroup +
           "\"><update><version>2</version>%DEEP%<size>10</size></update></updatelist></answer>";
}

// A reader run over the file at the path: its result.
using Reader = std::function<bool(const QString&)>;

template <typename T> Reader opening()
{
    return [](const QString& sPath) { return T().open(sPath); };
}

struct Case {
    QByteArray document; // "%DEEP%" stands for the nesting
    Reader read;
    qint64 nSizeBound; // the reader's bound on the file's size
};

QMap<QString, Case> cases()
{
    const qint64 nAnswer = MapAnswer::ANSWER_LIMIT;
    const qint64 nDevice = DeviceFileReader::XML_LIMIT;
    return {
        {"sign-in", {soapAnswer("login", "S1"), opening<ProcLoginXml>(), nAnswer}},
        {"registration check", {soapAnswer("checkDeviceReg", "x"), opening<ProcCheckDevRegXml>(), nAnswer}},
        {"registration", {soapAnswer("registerDevice", "x"), opening<ProcRegDevXml>(), nAnswer}},
        {"deregistration", {soapAnswer("deregisterDevice", "x"), opening<ProcDeRegDevXml>(), nAnswer}},
        {"device list", {soapAnswer("getDeviceList", "[]"), opening<ProcEnumRegDevXml>(), nAnswer}},
        {"sync choices",
         {soapAnswer("getCustomerSetting", "{}"), opening<ProcGetCustomSettingXml>(), nAnswer}},
        {"sync list", {soapAnswer("getRouteSyncList", "[]"), opening<ProcSyncListXml>(), nAnswer}},
        {"upload answer", {soapAnswer("uploadRec", "SUCCESS:S1"), opening<ProcSyncResponseXml>(), nAnswer}},
        {"update",
         {"<r><update><package>IMAGE</package>%DEEP%</update></r>", opening<ProcDevUpdateXml>(), nAnswer}},
        {"daily update",
         {"<r><update><package>IMAGE</package>%DEEP%</update></r>",
          [](const QString& sPath) { return ProcDevUpdateXml().openKorvoUpdate(sPath); }, nAnswer}},
        {"map list", {mapList("BugFixMapUpdate"), opening<ProcMapXml>(), nAnswer}},
        {"add-on maps",
         {mapList("AdditionalMaps"), [](const QString& sPath) { return ProcMapXml().openQueryAddMap(sPath); },
          nAnswer}},
        {"daily maps",
         {mapList("BugFixMapUpdate"),
          [](const QString& sPath) { return ProcMapXml().openKorvoUpdate(sPath); }, nAnswer}},
        {"map history", {mapList("history"), opening<ProcMapHistoryXml>(), nAnswer}},
        {"add-on history",
         {mapList("history"), [](const QString& sPath) { return ProcMapHistoryXml().openQueryAddMap(sPath); },
          nAnswer}},
        {"map credit",
         {"<r><credit><total>3</total>%DEEP%</credit></r>", opening<ProcQueryMapCreditXml>(), nAnswer}},
        {"map shop",
         {"<r><updatelist><i><region>R</region>%DEEP%</i></updatelist></r>",
          opening<ProcAvailableAddMapXml>(), nAnswer}},
        {"map languages",
         {"<r><updatelist><langList enName=\"A\">B%DEEP%</langList></updatelist></r>",
          opening<ProcMapLanguageXml>(), nAnswer}},
        {"one add-on map",
         {"<r><updatelist><update>%DEEP%</update></updatelist></r>", opening<ProcQueryAddMapXml>(), nAnswer}},
        {"country groups",
         {"<r><grouplist><g><n>A</n>%DEEP%<n>B</n></g></grouplist></r>", opening<ProcCountryXml>(),
          ProcCountryXml::FILE_LIMIT}},
        {"device.xml",
         {"<device><kernel><version>1</version></kernel><hardware><type>T</type>%DEEP%</hardware>"
          "<sku><skuid>S</skuid></sku></device>",
          opening<GetDevInfoXml>(), nDevice}},
        {"keep file", {"<kept><file>Zeq_system/a%DEEP%</file></kept>", opening<ProcKeepFileXml>(), nDevice}},
    };
}

// The document with nDepth nested elements in place of "%DEEP%", the nesting cut so the file stays
// within the reader's size bound (it is then still far deeper than any answer).
QByteArray withNesting(const Case& c, int nDepth)
{
    const QByteArray open = "<a>";
    const QByteArray close = "</a>";
    const qint64 nRoom = (c.nSizeBound - c.document.size()) / (open.size() + close.size());
    const int nLevels = int(qMin<qint64>(nDepth, nRoom));
    QByteArray document = c.document;
    return document.replace("%DEEP%", open.repeated(nLevels) + close.repeated(nLevels));
}
} // namespace

// Every reader of an answer or a device file, given a document nested far deeper than any real one:
// the reader refuses it as unreadable and the process goes on.
class TestDeepAnswers : public QObject
{
    Q_OBJECT

private slots:
    void readers_data();
    void readers();
    void deepJsonReturns_data();
    void deepJsonReturns();
    void gpxStreamsAnyDepth();
};

void TestDeepAnswers::readers_data()
{
    QTest::addColumn<QString>("reader");
    for (const QString& sReader : cases().keys())
        QTest::newRow(qUtf8Printable(sReader)) << sReader;
}

void TestDeepAnswers::readers()
{
    QFETCH(QString, reader);
    const TestFolders folders;
    QVERIFY(QDir().mkpath(folders.tempDir()));
    const Case c = cases().value(reader);
    const QString sPath = folders.dataPath("answer.xml");

    // The same document with a plain nesting reads: the deep one is refused for its depth alone.
    QVERIFY(TestFolders::writeFile(sPath, withNesting(c, PLAIN_DEPTH)));
    QVERIFY(c.read(sPath));
    QVERIFY(QDir(folders.tempDir()).removeRecursively());
    QVERIFY(QDir().mkpath(folders.tempDir()));

    const QByteArray deep = withNesting(c, HOSTILE_DEPTH);
    QVERIFY(deep.size() <= c.nSizeBound);
    QVERIFY(deep.count("<a>") > 60000);
    QVERIFY(TestFolders::writeFile(sPath, deep));
    QVERIFY(!c.read(sPath));
    // Nothing was taken from it.
    QCOMPARE(QDir(folders.tempDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

// The return texts that are JSON, nested far deeper than any real one: refused like any text that is no
// JSON. A bracket inside a string does not count.
void TestDeepAnswers::deepJsonReturns_data()
{
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QByteArray>("returnText");
    QTest::addColumn<bool>("read");
    const QByteArray deepArray =
        QByteArray("[").repeated(HOSTILE_DEPTH) + QByteArray("]").repeated(HOSTILE_DEPTH);
    const QByteArray deepObject =
        QByteArray("{\"a\":").repeated(HOSTILE_DEPTH) + "1" + QByteArray("}").repeated(HOSTILE_DEPTH);
    QTest::newRow("sync list, arrays") << "sync list" << deepArray << false;
    QTest::newRow("sync list, objects") << "sync list"
                                        << "[" + deepObject + "]" << false;
    QTest::newRow("sync choices, objects") << "sync choices" << deepObject << false;
    QTest::newRow("brackets inside a string")
        << "sync list"
        << "[{\"o_title\":\"" + QByteArray("[{").repeated(HOSTILE_DEPTH) + "\\\"\"}]" << true;
}

void TestDeepAnswers::deepJsonReturns()
{
    QFETCH(QString, reader);
    QFETCH(QByteArray, returnText);
    QFETCH(bool, read);
    const TestFolders folders;
    QVERIFY(QDir().mkpath(folders.tempDir()));
    const QString sPath = folders.dataPath("answer.xml");
    const QByteArray sOperation = reader == "sync list" ? "getRouteSyncList" : "getCustomerSetting";
    QVERIFY(TestFolders::writeFile(sPath, soapAnswer(sOperation, returnText).replace("%DEEP%", "")));
    QCOMPARE(cases().value(reader).read(sPath), read);
}

// The ride reader reads as a stream and builds no tree: a deep ride file reads like any other.
void TestDeepAnswers::gpxStreamsAnyDepth()
{
    const TestFolders folders;
    const QString sPath = folders.dataPath("ride.gpx");
    const QByteArray nesting =
        QByteArray("<a>").repeated(HOSTILE_DEPTH) + QByteArray("</a>").repeated(HOSTILE_DEPTH);
    QVERIFY(
        TestFolders::writeFile(sPath, "<gpx><trk><type>Ride</type>" + nesting +
                                          "<extensions><distance>12</distance></extensions></trk></gpx>"));
    ProcGpxXml gpx;
    QVERIFY(gpx.open(sPath));
    QCOMPARE(gpx.m_record.type, QString("Ride"));
}

QTEST_GUILESS_MAIN(TestDeepAnswers)
#include "tst_deepanswers.moc"
