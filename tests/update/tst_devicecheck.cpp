#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/JsonHelper.h"
#include "core/WorkFile.h"
#include "net/NetInterface.h"
#include "support/FakeUpdateService.h"
#include "support/TestFolders.h"
#include "support/WorkerSettle.h"
#include "update/DeviceUpdateWorker.h"
#include "update/MapFreeUpdateWorker.h"
#include "update/ProcDevUpdateXml.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

namespace
{
FakeUpdateService::Package imagePackage()
{
    return {"IMAGE", "2026/01/02", "3.1", "1234", "http://dl.example/IMAGE.zip", "http://notes.example/i",
            true};
}

const char PLAIN_REQUEST[] =
    R"({"sku":"006-B2","uuid":"U-1","model":"Rider 10","acc":"me@example.org","image":"1.0","application":"2.0","agent":"3.0"})";
} // namespace

// The device check against the fake update service: what goes out, and what each kind of answer gives.
class TestDeviceCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void bodyKeepsTheTemplate();
    void hostileValuesReachTheService();
    void answers_data();
    void answers();
    void autoCheckText();
    void packageNames_data();
    void packageNames();

private:
    // Runs one check; the statuses it emitted, with the texts.
    QList<QPair<int, QString>> runCheck(const QString& sRequest, bool bAuto = false);
    QScopedPointer<TestFolders> m_pFolders;
    QScopedPointer<TestHttpServer> m_pServer;
    QScopedPointer<FakeUpdateService> m_pService;
    QStringList m_lstErrors;
};

void TestDeviceCheck::initTestCase()
{
    qRegisterMetaType<ACTION_STATUS>("ACTION_STATUS");
}

void TestDeviceCheck::init()
{
    m_pFolders.reset(new TestFolders);
    QVERIFY(QDir().mkpath(m_pFolders->tempDir()));
    m_pServer.reset(new TestHttpServer);
    QVERIFY(m_pServer->start());
    m_pService.reset(new FakeUpdateService(*m_pServer));
    AgentSettings().setValue("URL", "DevUpdate", m_pService->checkUrl());
    m_lstErrors.clear();
}

void TestDeviceCheck::cleanup()
{
    AgentTiming::resetDefaults();
    m_pService.reset();
    m_pServer.reset();
    m_pFolders.reset();
}

QList<QPair<int, QString>> TestDeviceCheck::runCheck(const QString& sRequest, bool bAuto)
{
    DeviceUpdateWorker worker(bAuto);
    worker.setErrorSink(
        [this](const QString& sCode, const QString& sText) { m_lstErrors << sCode << sText; });
    QSignalSpy spy(&worker, &DeviceUpdateWorker::emitStatus);
    worker.checkDeviceUpdate(sRequest);
    QList<QPair<int, QString>> seen;
    if (!spy.wait(30000))
        return seen;
    // A second result would have come from the worker's jobs: once they ended, it has arrived.
    if (!WorkerSettle::wait(&worker))
        return seen;
    for (const QList<QVariant>& args : spy)
        seen.append({int(args.at(0).value<ACTION_STATUS>()), args.at(1).toString()});
    return seen;
}

void TestDeviceCheck::bodyKeepsTheTemplate()
{
    m_pService->answerUpdates({imagePackage()});
    QCOMPARE(runCheck(PLAIN_REQUEST).size(), 1);
    QCOMPARE(m_pServer->requestCount(), 1);
    const TestHttpServer::Request request = m_pServer->lastRequest();
    QCOMPARE(request.path(), QByteArray("/Korvo/UboCheckUpdateServlet"));
    const QByteArray expected =
        "<device><skuid>006-B2</skuid><checkType>Beta</checkType><os>WIN32</os><uuid>U-1</uuid>"
        "<model>Rider 10</model><acc>me@example.org</acc><type name=\"IMAGE\" version=\"1.0\"/>"
        "<type name=\"APPLICATION\" version=\"2.0\"/><type name=\"AGENT\" version=\"3.0\"/></device>";
    QCOMPARE(request.body, expected);
    QCOMPARE(request.header("Content-Type"), QByteArray("text/xml; charset=utf-8"));
    // Without an address of its own the check says "Prod" and goes to our default host.
    QByteArray prod = expected;
    prod.replace("Beta", "Prod");
    QCOMPARE(DeviceUpdateWorker::checkBody(JsonHelper().parse(PLAIN_REQUEST), false).toUtf8(), prod);
    QVERIFY(QString(DeviceUpdateWorker::DEFAULT_UPDATE_URL).endsWith("/Korvo/UboCheckUpdateServlet"));
}

void TestDeviceCheck::hostileValuesReachTheService()
{
    m_pService->answerUpdates({imagePackage()});
    const QString sAcc = QString::fromUtf8("a&b<c>\"d\"'e'@exämple.org");
    const QString sVersion = "1\" onload=\"x & <y>";
    const QString sRequest = JsonHelper::object({{"sku", "s&k"},
                                                 {"uuid", "</uuid>"},
                                                 {"model", "M ✓"},
                                                 {"acc", sAcc},
                                                 {"image", sVersion},
                                                 {"application", "'2'"},
                                                 {"agent", "%1"}});
    QCOMPARE(runCheck(sRequest).value(0).first, int(DEVICE_CHECKSUCCESS));
    const FakeUpdateService::Call call = m_pService->lastCall();
    QVERIFY2(call.bParsed, call.rawBody.constData());
    QCOMPARE(call.fields.value("skuid"), QString("s&k"));
    QCOMPARE(call.fields.value("uuid"), QString("</uuid>"));
    QCOMPARE(call.fields.value("model"), QString::fromUtf8("M ✓"));
    QCOMPARE(call.fields.value("acc"), sAcc);
    QCOMPARE(call.fields.value("os"), QString("WIN32"));
    QCOMPARE(call.versions.value("IMAGE"), sVersion);
    QCOMPARE(call.versions.value("APPLICATION"), QString("'2'"));
    QCOMPARE(call.versions.value("AGENT"), QString("%1"));
}

void TestDeviceCheck::answers_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("listed");   // "Update.script" holds the image row afterwards
    QTest::addColumn<bool>("oldStays"); // the list of an earlier check is still there
    QTest::addColumn<int>("padding");   // bytes of comment after the packages

    QTest::newRow("updates") << int(FakeUpdateService::UPDATES) << "" << int(DEVICE_CHECKSUCCESS) << true
                             << false << 0;
    QTest::newRow("error code") << int(FakeUpdateService::ERROR_CODE) << "E77" << int(DEVICE_CHECKERROR)
                                << false << true << 0;
    QTest::newRow("nothing offered removes the old list")
        << int(FakeUpdateService::ERROR_CODE) << "" << int(DEVICE_CHECKSUCCESS) << false << false << 0;
    QTest::newRow("garbage") << int(FakeUpdateService::GARBAGE) << "" << int(DEVICE_CHECKERROR) << false
                             << true << 0;
    QTest::newRow("HTTP 500") << int(FakeUpdateService::HTTP_500) << "" << int(DEVICE_REQUESTERROR) << false
                              << true << 0;
    QTest::newRow("stall") << int(FakeUpdateService::STALL) << "" << int(DEVICE_REQUESTERROR) << false << true
                           << 0;
    QTest::newRow("cut answer") << int(FakeUpdateService::CUT) << "" << int(DEVICE_REQUESTERROR) << false
                                << true << 0;
    QTest::newRow("302 with the list in its body")
        << int(FakeUpdateService::REDIRECT_WITH_BODY) << "" << int(DEVICE_CHECKSUCCESS) << true << false << 0;
    // A list, but longer than any answer is let be: the request fails before anything is read.
    QTest::newRow("answer past the cap") << int(FakeUpdateService::UPDATES) << "" << int(DEVICE_REQUESTERROR)
                                         << false << true << int(NetInterface::MAX_ANSWER_BYTES);
}

void TestDeviceCheck::answers()
{
    QFETCH(int, kind);
    QFETCH(QString, code);
    QFETCH(int, status);
    QFETCH(bool, listed);
    QFETCH(bool, oldStays);
    QFETCH(int, padding);
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 300);
    m_pService->answerUpdates({imagePackage()},
                              padding ? "<!--" + QByteArray(padding, 'x') + "-->" : QByteArray());
    if (kind == FakeUpdateService::ERROR_CODE)
        m_pService->answerError(code, "no such device");
    else
        m_pService->answerKind(FakeUpdateService::Kind(kind));
    QVERIFY(WorkFile::writeRows(ProcDevUpdateXml::updateListPath(), {{"OLD"}}));

    const QList<QPair<int, QString>> seen = runCheck(PLAIN_REQUEST);
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().first, status);
    QCOMPARE(seen.first().second, QString(status == DEVICE_CHECKSUCCESS ? "" : "true"));
    QList<WorkFile::Row> rows;
    const bool bRead = WorkFile::readRows(ProcDevUpdateXml::updateListPath(), &rows);
    if (listed)
        QCOMPARE(rows.value(0).value(0), QString("IMAGE"));
    else if (oldStays)
        QCOMPARE(rows, QList<WorkFile::Row>({{"OLD"}}));
    else
        QVERIFY(!bRead);
    QCOMPARE(m_lstErrors, code.isEmpty() ? QStringList() : QStringList({code, "no such device"}));
}

void TestDeviceCheck::autoCheckText()
{
    m_pService->answerUpdates({imagePackage()});
    const QList<QPair<int, QString>> seen = runCheck(PLAIN_REQUEST, true);
    QCOMPARE(seen.value(0), qMakePair(int(DEVICE_CHECKSUCCESS), QString("AutoCheck")));
}

void TestDeviceCheck::packageNames_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("installer");
    QTest::newRow("plain") << "http://h/p/WendoAgent_1.1.0.zip"
                           << "http://h/p/WendoAgent_1.1.0.zip"
                           << "WendoAgent_1.1.0.zip"
                           << "WendoAgent_1.1.0.deb";
    QTest::newRow("only the last .zip") << "http://h/zipper.zip"
                                        << "http://h/zipper.zip"
                                        << "zipper.zip"
                                        << "zipper.deb";
    QTest::newRow("query kept in the name") << "http://h/a.zip?sig=1"
                                            << "http://h/a.zip"
                                            << "a.zip?sig=1"
                                            << "a.deb";
    QTest::newRow("no .zip: no name") << "http://h/download?id=7"
                                      << "http://h/download?id=7"
                                      << ""
                                      << "";
    QTest::newRow("the name of a work list") << "http://h/Update.script"
                                             << "http://h/Update.script"
                                             << ""
                                             << "";
    QTest::newRow("no name") << "http://h/dir/"
                             << "http://h/dir/"
                             << ""
                             << "";
    QTest::newRow("dot") << "http://h/."
                         << "http://h/."
                         << ""
                         << "";
    QTest::newRow("dot dot") << "http://h/a/.."
                             << "http://h/a/.."
                             << ""
                             << "";
    QTest::newRow("backslash") << "http://h/a\\..\\b.zip"
                               << "http://h/a\\..\\b.zip"
                               << ""
                               << "";
}

// The device worker and the map worker name a download one way, query included.
void TestDeviceCheck::packageNames()
{
    QFETCH(QString, url);
    QFETCH(QString, address);
    QFETCH(QString, file);
    QFETCH(QString, installer);
    QCOMPARE(DeviceUpdateWorker::downloadAddress(url), address);
    QCOMPARE(DeviceUpdateWorker::packageFileName(url), file);
    QCOMPARE(MapFreeUpdateWorker::itemName(url), file);
    QCOMPARE(DeviceUpdateWorker::installerName(file, ".deb"), installer);
}

QTEST_GUILESS_MAIN(TestDeviceCheck)
#include "tst_devicecheck.moc"
