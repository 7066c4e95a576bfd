#include "core/AgentTiming.h"
#include "net/GzipMember.h"
#include "net/NetInterface.h"
#include "support/TestFolders.h"
#include "support/TestHttpServer.h"

#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(TestHttpServer::Answer)

// The request side of the HTTP client: SOAP and plain posts against the in-process server.
class TestNetRequest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void gzipMember_data();
    void gzipMember();
    void soapHeadersOnTheWire();
    void plainHeadersOnTheWire();
    void urlForms_data();
    void urlForms();
    void untrustedCertificateFails();
    void statusCodes_data();
    void statusCodes();
    void stallGivesExactlyOneFailure_data();
    void stallGivesExactlyOneFailure();
    void slowTrickleOutlastsWatchdog();
    void answerSize_data();
    void answerSize();
    void announcedOversizeFailsBeforeTheBody();
    void dripHitsTheOverallLimit_data();
    void dripHitsTheOverallLimit();
    void largeUploadStillMovingIsNotCut();
    void answerFileIsPrivate();
    void refusedRequestIsReportedQueued_data();
    void refusedRequestIsReportedQueued();
    void secondRequestWhileBusyIsRefused();

private:
    QString answerPath() const { return m_pFolders->tempDir() + "/genwork.xml"; }
    // Sends one more request through the client, answered at once, and waits for its end: whatever the
    // requests before it still had to report comes before the marker's finish. Returns the finishes
    // before it, or -1 when the marker never ended.
    int finishesBeforeMarker(NetInterface& client, QSignalSpy& spy);
    // Sends one request and waits for its one report; returns the reported value.
    bool post(NetInterface* pClient, const QString& sUrl, const QString& sBody, bool bGzip = true);

    std::unique_ptr<TestFolders> m_pFolders;
    TestHttpServer m_server;
};

void TestNetRequest::init()
{
    m_pFolders.reset(new TestFolders(true));
    // Generous for answers that should pass even on a loaded machine; the stall tests shorten it.
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 3000);
    QVERIFY(m_server.start());
}

void TestNetRequest::cleanup()
{
    m_server.stop();
    m_server.reset();
    TestHttpServer::untrustCertificate();
    AgentTiming::resetDefaults();
    m_pFolders.reset();
}

bool TestNetRequest::post(NetInterface* pClient, const QString& sUrl, const QString& sBody, bool bGzip)
{
    QSignalSpy spy(pClient, &NetInterface::emitRequestFinish);
    if (bGzip)
        pClient->sendRequest(sUrl, sBody);
    else
        pClient->sendRequestEx(sUrl, sBody);
    if (!spy.wait(20000) || spy.count() != 1)
        return false;
    return spy.at(0).at(0).toBool();
}

void TestNetRequest::gzipMember_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("abc") << QByteArray("abc");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("envelope") << QByteArray("<SOAP-ENV:Envelope>").repeated(500);
}

void TestNetRequest::gzipMember()
{
    QFETCH(QByteArray, input);
    const QByteArray member = GzipMember::compress(input);
    QCOMPARE(member.left(10), QByteArray::fromHex("1f8b08000000000002ff"));
    bool bOk = false;
    QCOMPARE(TestHttpServer::gunzip(member, &bOk), input);
    QVERIFY(bOk);
    if (input == "abc")
        QCOMPARE(member.toHex(), QByteArray("1f8b08000000000002ff4b4c4a0600c241243503000000"));
}

void TestNetRequest::soapHeadersOnTheWire()
{
    // A proxy in the settings must not divert anything.
    TestFolders::writeFile(m_pFolders->dataPath("settings.ini"), "[Proxy]\naddress=127.0.0.1\nport=1\n");
    m_server.enqueue(TestHttpServer::Answer::ok("<answer/>"));
    NetInterface client(nullptr, answerPath(), 60000);
    const QString sEnvelope = QString::fromUtf8("<login><CustomerEMail>é@x</CustomerEMail></login>");
    QVERIFY(post(&client, m_server.url("/zazoziva/agent_v1/SyncService.php"), sEnvelope));

    const TestHttpServer::Request request = m_server.lastRequest();
    QCOMPARE(request.requestLine(), QByteArray("POST /zazoziva/agent_v1/SyncService.php HTTP/1.1"));
    QCOMPARE(request.header("Host"), QByteArray("127.0.0.1"));
    QCOMPARE(request.header("Content-Type"), QByteArray("text/xml; charset=utf-8"));
    QCOMPARE(
        request.header("User-Agent"),
        QByteArray("Mozilla/4.0 (compatible; MSIE 6.0; MS Web Services Client Protocol 2.0.50727.3082)"));
    QCOMPARE(request.header("Connection").toLower(), QByteArray("keep-alive"));
    QVERIFY(request.hasHeader("SOAPAction"));
    QCOMPARE(request.header("SOAPAction"), QByteArray());
    QCOMPARE(request.header("Content-Encoding"), QByteArray("gzip"));
    QCOMPARE(request.header("Content-Length").toInt(), request.rawBody.size());
    QCOMPARE(request.rawBody, GzipMember::compress(sEnvelope.toUtf8()));
    QVERIFY(request.bBodyOk);
    QCOMPARE(request.body, sEnvelope.toUtf8());
    QCOMPARE(TestFolders::readFile(answerPath()), QByteArray("<answer/>"));
}

void TestNetRequest::plainHeadersOnTheWire()
{
    m_server.enqueue(TestHttpServer::Answer::ok("<updatelist/>"));
    NetInterface client(nullptr, answerPath(), 60000);
    const QString sBody = "<device><skuid>1</skuid></device>";
    QVERIFY(post(&client, m_server.url("/Korvo/UboCheckUpdateServlet"), sBody, false));

    const TestHttpServer::Request request = m_server.lastRequest();
    QCOMPARE(request.requestLine(), QByteArray("POST /Korvo/UboCheckUpdateServlet HTTP/1.1"));
    QCOMPARE(request.header("Host"), QByteArray("127.0.0.1"));
    QCOMPARE(request.header("Content-Type"), QByteArray("text/xml; charset=utf-8"));
    QVERIFY(request.hasHeader("SOAPAction"));
    QVERIFY(!request.hasHeader("Content-Encoding"));
    QCOMPARE(request.rawBody, sBody.toUtf8());
    QCOMPARE(TestFolders::readFile(answerPath()), QByteArray("<updatelist/>"));
}

void TestNetRequest::urlForms_data()
{
    QTest::addColumn<bool>("tls");
    QTest::addColumn<QString>("urlTemplate"); // %1 is the server's port
    QTest::newRow("http, port, query dropped") << false << "http://127.0.0.1:%1/path?x=1";
    QTest::newRow("https, port, query dropped") << true << "https://127.0.0.1:%1/path?x=1";
    QTest::newRow("capital scheme still TLS") << true << "HTTPS://127.0.0.1:%1/path?x=1";
    QTest::newRow("mixed-case http") << false << "Http://127.0.0.1:%1/path";
}

void TestNetRequest::urlForms()
{
    QFETCH(bool, tls);
    QFETCH(QString, urlTemplate);
    if (tls && !QSslSocket::supportsSsl())
        QSKIP("Qt has no TLS backend here");
    QVERIFY(m_server.start(tls));
    TestHttpServer::trustCertificate();
    m_server.enqueue(TestHttpServer::Answer::ok("<ok/>"));
    NetInterface client(nullptr, answerPath(), 60000);
    QVERIFY(post(&client, urlTemplate.arg(m_server.port()), "<x/>"));
    QCOMPARE(m_server.requestCount(), 1);
    QCOMPARE(m_server.lastRequest().bTls, tls);
    QCOMPARE(m_server.lastRequest().requestLine(), QByteArray("POST /path HTTP/1.1"));
    QCOMPARE(m_server.lastRequest().header("Host"), QByteArray("127.0.0.1"));
}

void TestNetRequest::untrustedCertificateFails()
{
    if (!QSslSocket::supportsSsl())
        QSKIP("Qt has no TLS backend here");
    QVERIFY(m_server.start(true));
    m_server.enqueue(TestHttpServer::Answer::ok("<ok/>"));
    TestFolders::writeFile(answerPath(), "<stale/>");
    NetInterface client(nullptr, answerPath(), 60000);
    QVERIFY(!post(&client, m_server.url("/path"), "<x/>"));
    QCOMPARE(m_server.requestCount(), 0);
    QVERIFY(!QFile::exists(answerPath()));
}

void TestNetRequest::statusCodes_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("success");
    QTest::newRow("200") << 200 << true;
    QTest::newRow("301") << 301 << true;
    QTest::newRow("302 stored as the answer") << 302 << true;
    QTest::newRow("303") << 303 << true;
    QTest::newRow("307") << 307 << true;
    QTest::newRow("201") << 201 << false;
    QTest::newRow("404") << 404 << false;
    QTest::newRow("500") << 500 << false;
}

void TestNetRequest::statusCodes()
{
    QFETCH(int, status);
    QFETCH(bool, success);
    NetInterface client(nullptr, answerPath(), 60000);
    m_server.enqueue(TestHttpServer::Answer::ok("<previous/>"));
    QVERIFY(post(&client, m_server.url("/svc"), "<a/>"));
    QCOMPARE(TestFolders::readFile(answerPath()), QByteArray("<previous/>"));

    TestHttpServer::Answer answer = TestHttpServer::Answer::status(status, "<body of the answer/>");
    if (status >= 300 && status < 400)
        answer.withHeader("Location", m_server.url("/elsewhere").toLatin1());
    m_server.enqueue(answer);
    QCOMPARE(post(&client, m_server.url("/svc"), "<b/>"), success);
    // Redirects are not followed: the redirect's own body is the answer.
    QCOMPARE(m_server.requestCount(), 2);
    if (success)
        QCOMPARE(TestFolders::readFile(answerPath()), QByteArray("<body of the answer/>"));
    else
        QVERIFY(!QFile::exists(answerPath()));
}

void TestNetRequest::stallGivesExactlyOneFailure_data()
{
    QTest::addColumn<TestHttpServer::Answer>("answer");
    QTest::newRow("no answer at all") << TestHttpServer::Answer::stall();
    QTest::newRow("half a body") << TestHttpServer::Answer::ok(QByteArray(2000, 'x')).stalledAfter(700);
    QTest::newRow("closed mid-body") << TestHttpServer::Answer::ok(QByteArray(2000, 'x')).closedAfter(700);
}

void TestNetRequest::stallGivesExactlyOneFailure()
{
    QFETCH(TestHttpServer::Answer, answer);
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 300);
    m_server.enqueue(answer);
    NetInterface client(nullptr, answerPath(), 60000);
    QSignalSpy spy(&client, &NetInterface::emitRequestFinish);
    QVERIFY(client.sendRequest(m_server.url("/svc"), "<a/>"));
    QVERIFY(spy.wait(20000));
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    QVERIFY(!QFile::exists(answerPath()));
    QCOMPARE(finishesBeforeMarker(client, spy), 1);
}

void TestNetRequest::slowTrickleOutlastsWatchdog()
{
    // Thirty pieces 50 ms apart: longer than one watchdog period in all, but bytes move in every period
    // and the answer ends well within the overall limit of a request.
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 1000);
    const QByteArray body = QByteArray("<piece/>").repeated(30);
    m_server.enqueue(TestHttpServer::Answer::ok(body).trickled(8, 50));
    NetInterface client(nullptr, answerPath(), 60000);
    QVERIFY(post(&client, m_server.url("/svc"), "<a/>"));
    QCOMPARE(TestFolders::readFile(answerPath()), body);
}

void TestNetRequest::answerSize_data()
{
    QTest::addColumn<bool>("gzip");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("chunked");
    QTest::addColumn<bool>("success");
    const qint64 nCap = NetInterface::MAX_ANSWER_BYTES;
    QTest::newRow("soap, at the bound, length") << true << nCap << false << true;
    QTest::newRow("soap, at the bound, chunked") << true << nCap << true << true;
    QTest::newRow("soap, one byte over, length") << true << nCap + 1 << false << false;
    QTest::newRow("soap, one byte over, chunked") << true << nCap + 1 << true << false;
    QTest::newRow("plain, at the bound, chunked") << false << nCap << true << true;
    QTest::newRow("plain, one byte over, length") << false << nCap + 1 << false << false;
    QTest::newRow("plain, one byte over, chunked") << false << nCap + 1 << true << false;
}

void TestNetRequest::answerSize()
{
    QFETCH(bool, gzip);
    QFETCH(qint64, size);
    QFETCH(bool, chunked);
    QFETCH(bool, success);
    const QByteArray body(int(size), 'a');
    TestHttpServer::Answer answer = TestHttpServer::Answer::ok(body);
    if (chunked)
        answer.trickled(256 * 1024, 0);
    m_server.enqueue(answer);
    TestFolders::writeFile(answerPath(), "<stale/>");
    NetInterface client(nullptr, answerPath(), 60000);
    QSignalSpy spy(&client, &NetInterface::emitRequestFinish);
    if (gzip)
        client.sendRequest(m_server.url("/svc"), "<a/>");
    else
        client.sendRequestEx(m_server.url("/svc"), "<a/>");
    QVERIFY(spy.wait(20000));
    QCOMPARE(spy.at(0).at(0).toBool(), success);
    if (success)
        QCOMPARE(TestFolders::readFile(answerPath()), body);
    else
        QVERIFY(!QFile::exists(answerPath()));
    QCOMPARE(finishesBeforeMarker(client, spy), 1);
}

void TestNetRequest::announcedOversizeFailsBeforeTheBody()
{
    // The length alone decides: the body never comes, and the watchdog is far too slow to be what ends
    // the request.
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 600000);
    const QByteArray length = QByteArray::number(50 * 1024 * 1024);
    m_server.enqueue(
        TestHttpServer::Answer::ok("<start>").withHeader("Content-Length", length).stalledAfter(7));
    NetInterface client(nullptr, answerPath(), 60000);
    QSignalSpy spy(&client, &NetInterface::emitRequestFinish);
    QVERIFY(client.sendRequest(m_server.url("/svc"), "<a/>"));
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 20000);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    QVERIFY(!QFile::exists(answerPath()));
}

void TestNetRequest::dripHitsTheOverallLimit_data()
{
    QTest::addColumn<bool>("gzip");
    QTest::addColumn<bool>("chunked");
    QTest::newRow("soap, chunked drip") << true << true;
    QTest::newRow("soap, drip with a length") << true << false;
    QTest::newRow("plain, chunked drip") << false << true;
}

void TestNetRequest::dripHitsTheOverallLimit()
{
    // One byte every half watchdog period: the watchdog always sees progress, the answer never ends.
    QFETCH(bool, gzip);
    QFETCH(bool, chunked);
    const int nWatchdog = 200;
    AgentTiming::set(AgentTiming::NET_WATCHDOG, nWatchdog);
    m_server.enqueue(TestHttpServer::Answer::ok(QByteArray(100000, 'd')).trickled(1, nWatchdog / 2, chunked));
    NetInterface client(nullptr, answerPath(), 60000);
    QSignalSpy spy(&client, &NetInterface::emitRequestFinish);
    if (gzip)
        QVERIFY(client.sendRequest(m_server.url("/svc"), "<a/>"));
    else
        QVERIFY(client.sendRequestEx(m_server.url("/svc"), "<a/>"));
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 20000);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    QVERIFY(!QFile::exists(answerPath()));
    QCOMPARE(finishesBeforeMarker(client, spy), 1);
}

// A ride of many MB over a slow uplink takes longer than the overall limit of a small request; as long as
// it keeps moving it must not be cut, or that ride could never be uploaded.
void TestNetRequest::largeUploadStillMovingIsNotCut()
{
    // Qt reports a sent body in steps of about 1.5 MB: the watchdog must outlast one step at this rate
    // (about 0.5 s, with room for a loaded machine), while the whole body takes several times the overall
    // limit of a small request.
    const int nWatchdog = 2000;
    AgentTiming::set(AgentTiming::NET_WATCHDOG, nWatchdog);
    const int nBody = 48 * 1024 * 1024;
    QTcpServer slowReader;
    QVERIFY(slowReader.listen(QHostAddress::LocalHost));
    QTcpSocket* pPeer = nullptr;
    QByteArray received;
    QTimer reader; // reads a little at a time, as a slow uplink delivers it
    reader.setInterval(10);
    connect(&reader, &QTimer::timeout, [&] {
        if (!pPeer && slowReader.hasPendingConnections()) {
            pPeer = slowReader.nextPendingConnection();
            pPeer->setReadBufferSize(64 * 1024);
        }
        if (!pPeer)
            return;
        received += pPeer->read(32 * 1024);
        const int nHeaderEnd = received.indexOf("\r\n\r\n");
        if (nHeaderEnd >= 0 && received.size() - nHeaderEnd - 4 >= nBody) {
            pPeer->write("HTTP/1.1 200 OK\r\nContent-Length: 5\r\nConnection: close\r\n\r\nSTORE");
            pPeer->flush();
            reader.stop();
        }
    });
    reader.start();

    NetInterface client(nullptr, answerPath(), 60000);
    QSignalSpy spy(&client, &NetInterface::emitRequestFinish);
    QVERIFY(client.sendRequestEx(QString("http://127.0.0.1:%1/upload").arg(slowReader.serverPort()),
                                 QString(nBody, QChar('r'))));
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 120000);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QCOMPARE(TestFolders::readFile(answerPath()), QByteArray("STORE"));
}

void TestNetRequest::answerFileIsPrivate()
{
    // A readable answer from an older run is replaced by a private one: answers carry the session.
    TestFolders::writeFile(answerPath(), "<stale/>");
    QVERIFY(QFile::setPermissions(answerPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                    QFile::ReadOther));
    m_server.enqueue(TestHttpServer::Answer::ok("<return>SESSION</return>"));
    NetInterface client(nullptr, answerPath(), 60000);
    QVERIFY(post(&client, m_server.url("/svc"), "<a/>"));
    QCOMPARE(TestFolders::readFile(answerPath()), QByteArray("<return>SESSION</return>"));
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(QFile::permissions(answerPath()) & others, QFile::Permissions());
}

void TestNetRequest::refusedRequestIsReportedQueued_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("writableAnswer");
    QTest::newRow("not http") << "ftp://127.0.0.1/x" << true;
    QTest::newRow("no host") << "http:///x" << true;
    QTest::newRow("answer file not writable") << "" << false;
}

void TestNetRequest::refusedRequestIsReportedQueued()
{
    QFETCH(QString, url);
    QFETCH(bool, writableAnswer);
    // A file standing where the answer's folder should be makes the answer file impossible.
    TestFolders::writeFile(m_pFolders->tempDir() + "/blocker", "x");
    const QString sAnswer = writableAnswer ? answerPath() : m_pFolders->tempDir() + "/blocker/genwork.xml";
    if (writableAnswer)
        TestFolders::writeFile(sAnswer, "<stale/>");
    NetInterface client(nullptr, sAnswer, 60000);
    QSignalSpy spy(&client, &NetInterface::emitRequestFinish);
    QVERIFY(!client.sendRequest(url.isEmpty() ? m_server.url("/svc") : url, "<a/>"));
    QCOMPARE(spy.count(), 0); // never inside the caller's own call
    QVERIFY(spy.wait(5000));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    QCOMPARE(m_server.requestCount(), 0);
    // Neither the stale answer nor an empty one may be read as this request's answer.
    QVERIFY(!QFile::exists(sAnswer));
}

void TestNetRequest::secondRequestWhileBusyIsRefused()
{
    const QByteArray body = QByteArray("<slow/>").repeated(10);
    m_server.enqueue(TestHttpServer::Answer::ok(body).trickled(7, 20));
    NetInterface client(nullptr, answerPath(), 60000);
    QSignalSpy spy(&client, &NetInterface::emitRequestFinish);
    QVERIFY(client.sendRequest(m_server.url("/first"), "<a/>"));
    QVERIFY(!client.sendRequest(m_server.url("/second"), "<b/>"));
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, 20000);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    QCOMPARE(spy.at(1).at(0).toBool(), true);
    QCOMPARE(TestFolders::readFile(answerPath()), body);
    QCOMPARE(m_server.requestCount(), 1);
}

int TestNetRequest::finishesBeforeMarker(NetInterface& client, QSignalSpy& spy)
{
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 30000);
    m_server.enqueue(TestHttpServer::Answer::ok("<marker/>"));
    const int nBefore = spy.size();
    if (!client.sendRequestEx(m_server.url("/marker"), "<m/>"))
        return -1;
    // The answer lands before its queued report: the marker has ended once both are in.
    const bool bEnded = QTest::qWaitFor(
        [&] {
            return spy.size() > nBefore && spy.last().at(0).toBool() &&
                   TestFolders::readFile(answerPath()) == "<marker/>";
        },
        20000);
    return bEnded ? spy.count() - 1 : -1;
}

QTEST_GUILESS_MAIN(TestNetRequest)
#include "tst_netrequest.moc"
