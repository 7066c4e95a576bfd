#include "core/AgentTiming.h"
#include "net/NetInterface.h"
#include "support/SmallVolume.h"
#include "support/TestFolders.h"
#include "support/TestHttpServer.h"

#include <QCryptographicHash>
#include <QtTest>

#include <memory>

// The download side of the HTTP client against the in-process server, whose answers can misbehave in
// ways nginx never does.
class TestNetDownload : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void resumeRule_data();
    void resumeRule();
    void trickleOutlastsWatchdog();
    void progressBeyond2GiB();
    void downloadsPassTheAnswerBound_data();
    void downloadsPassTheAnswerBound();
    void refusedDownloadIsReportedQueued_data();
    void refusedDownloadIsReportedQueued();
    void boundedByTheAnnouncedSize_data();
    void boundedByTheAnnouncedSize();
    void floorRate_data();
    void floorRate();
    void fileFailuresAreTold_data();
    void fileFailuresAreTold();

private:
    struct Outcome {
        bool bReturned = false;
        QList<QVariantList> lstFinish;
        QList<QVariantList> lstProgress;
        QByteArray digest;
        bool bFileFailed = false;
    };
    // Into destPath() unless sDest is given.
    Outcome download(const QString& sUrl, qint64 nExpected,
                     qint64 nCeiling = NetInterface::MAX_UNSIZED_DOWNLOAD_BYTES,
                     const QString& sDest = QString());
    QList<TestHttpServer::Request> requestsOf(const QByteArray& method) const;
    QString destPath() const { return m_pFolders->dataDir() + "/downloads/map.7z"; }

    std::unique_ptr<TestFolders> m_pFolders;
    TestHttpServer m_server;
    // Serves the marker download that follows each download under test, apart from its requests.
    TestHttpServer m_markerServer;
};

namespace
{

QByteArray fileContent()
{
    QByteArray content;
    for (int i = 0; i < 1000; ++i)
        content.append(char('A' + (i * 7) % 26));
    return content;
}

} // namespace

void TestNetDownload::init()
{
    m_pFolders.reset(new TestFolders(true));
    // Long enough for answers that should pass on a loaded machine, short enough for the stalled rows.
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 1000);
    AgentTiming::set(AgentTiming::DOWNLOAD_PROGRESS, 0);
    QVERIFY(m_server.start());
    QVERIFY(m_markerServer.start());
}

void TestNetDownload::cleanup()
{
    m_server.stop();
    m_server.reset();
    m_markerServer.stop();
    AgentTiming::resetDefaults();
    m_pFolders.reset();
}

TestNetDownload::Outcome TestNetDownload::download(const QString& sUrl, qint64 nExpected, qint64 nCeiling,
                                                   const QString& sDest)
{
    NetInterface client(nullptr, QString(), 60000);
    QSignalSpy finishSpy(&client, &NetInterface::emitRequestFinish);
    QSignalSpy progressSpy(&client, &NetInterface::emitDownloadProcess);
    Outcome outcome;
    outcome.bReturned = client.getFile(sUrl, sDest.isEmpty() ? destPath() : sDest, nExpected, nCeiling);
    // The report is queued: it comes once the caller's loop runs, and only once.
    if (finishSpy.isEmpty())
        finishSpy.wait(5000);
    outcome.lstProgress = progressSpy;
    outcome.digest = client.downloadDigest();
    outcome.bFileFailed = client.downloadFileFailed();
    // A second report would come before the end of one more download through the same client.
    const int nBefore = finishSpy.size();
    const QByteArray marker = "marker";
    m_markerServer.setHandler([marker](const TestHttpServer::Request& request) {
        return TestHttpServer::fileAnswer(request, marker);
    });
    client.getFile(m_markerServer.url("/marker"), destPath() + ".marker", marker.size());
    if (!QTest::qWaitFor([&finishSpy, nBefore] { return finishSpy.size() > nBefore; }, 20000))
        qWarning("the marker download never reported");
    outcome.lstFinish = finishSpy.mid(0, finishSpy.size() - 1);
    return outcome;
}

QList<TestHttpServer::Request> TestNetDownload::requestsOf(const QByteArray& method) const
{
    QList<TestHttpServer::Request> lstFound;
    for (const TestHttpServer::Request& request : m_server.requests()) {
        if (request.method == method)
            lstFound.append(request);
    }
    return lstFound;
}

void TestNetDownload::resumeRule_data()
{
    QTest::addColumn<qint64>("expected");   // the caller's expected size
    QTest::addColumn<int>("local");         // bytes already at the destination, -1 for no file
    QTest::addColumn<QString>("behaviour"); // how the server answers the GET
    QTest::addColumn<QByteArray>("range");  // Range of the first GET ("" for none)
    QTest::addColumn<int>("gets");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("final");    // "content", "absent", "untouched", "prefix300"
    QTest::addColumn<qint64>("firstRead"); // lowest first progress count; -1 when none may come

    // Local bytes are the file's own beginning, except for a longer file, which is junk.
    QTest::newRow("fresh") << qint64(1000) << -1 << "file" << QByteArray() << 1 << true << "content"
                           << qint64(1);
    QTest::newRow("resume") << qint64(1000) << 400 << "file" << QByteArray("bytes=400-") << 1 << true
                            << "content" << qint64(401);
    QTest::newRow("complete, no GET")
        << qint64(1000) << 1000 << "file" << QByteArray() << 0 << true << "untouched" << qint64(-1);
    QTest::newRow("longer, fetched anew")
        << qint64(1000) << 1200 << "file" << QByteArray() << 1 << true << "content" << qint64(1);
    QTest::newRow("size unknown replaces")
        << qint64(0) << 300 << "file" << QByteArray() << 1 << true << "content" << qint64(1);
    QTest::newRow("empty local, fresh")
        << qint64(1000) << 0 << "file" << QByteArray() << 1 << true << "content" << qint64(1);
    QTest::newRow("range ignored restarts")
        << qint64(1000) << 400 << "ignoreRange" << QByteArray("bytes=400-") << 1 << true << "content"
        << qint64(1);
    QTest::newRow("206 from the wrong place")
        << qint64(1000) << 400 << "wrongRange" << QByteArray("bytes=400-") << 1 << false << "absent"
        << qint64(-1);
    QTest::newRow("416 not kept") << qint64(1200) << 1000 << "file" << QByteArray("bytes=1000-") << 1 << false
                                  << "absent" << qint64(-1);
    QTest::newRow("404 not kept") << qint64(1000) << -1 << "404" << QByteArray() << 1 << false << "absent"
                                  << qint64(-1);
    QTest::newRow("500 on resume removes")
        << qint64(1000) << 400 << "500" << QByteArray("bytes=400-") << 1 << false << "absent" << qint64(-1);
    QTest::newRow("relative redirect")
        << qint64(1000) << -1 << "redirect" << QByteArray() << 2 << true << "content" << qint64(1);
    QTest::newRow("redirect while resuming") << qint64(1000) << 400 << "redirect" << QByteArray("bytes=400-")
                                             << 2 << true << "content" << qint64(401);
    QTest::newRow("redirect loop") << qint64(1000) << -1 << "redirectLoop" << QByteArray() << 11 << false
                                   << "absent" << qint64(-1);
    QTest::newRow("closed mid-body keeps part")
        << qint64(1000) << -1 << "close" << QByteArray() << 1 << false << "prefix300" << qint64(1);
    QTest::newRow("stalled mid-body keeps part")
        << qint64(1000) << -1 << "stall" << QByteArray() << 1 << false << "prefix300" << qint64(1);
    QTest::newRow("stalled HEAD") << qint64(1000) << 400 << "headStall" << QByteArray() << 0 << false
                                  << "untouched" << qint64(-1);
}

void TestNetDownload::resumeRule()
{
    QFETCH(qint64, expected);
    QFETCH(int, local);
    QFETCH(QString, behaviour);
    QFETCH(QByteArray, range);
    QFETCH(int, gets);
    QFETCH(bool, result);
    QFETCH(QString, final);
    QFETCH(qint64, firstRead);

    const QByteArray content = fileContent();
    QByteArray localBytes;
    if (local > 0)
        localBytes = local <= content.size() ? content.left(local) : QByteArray(local, 'j');
    if (local >= 0)
        QVERIFY(TestFolders::writeFile(destPath(), localBytes));

    m_server.setHandler([&](const TestHttpServer::Request& request) {
        if (request.method == "HEAD" && behaviour == "headStall")
            return TestHttpServer::Answer::stall();
        if (request.path() == "/moved/map.7z" || request.method == "HEAD")
            return TestHttpServer::fileAnswer(request, content).trickled(100, 1, false);
        if (behaviour == "redirect")
            return TestHttpServer::Answer::redirect(302, "../moved/map.7z");
        if (behaviour == "redirectLoop")
            return TestHttpServer::Answer::redirect(307, request.target);
        if (behaviour == "404" || behaviour == "500")
            return TestHttpServer::Answer::status(behaviour.toInt(), "<html>error page</html>");
        if (behaviour == "wrongRange")
            return TestHttpServer::Answer::status(206, content)
                .withHeader("Content-Range", "bytes 0-999/1000");
        TestHttpServer::Answer answer =
            TestHttpServer::fileAnswer(request, content, behaviour != "ignoreRange");
        if (behaviour == "close")
            return answer.closedAfter(300, 20);
        if (behaviour == "stall")
            return answer.stalledAfter(300);
        return answer.trickled(100, 1, false);
    });

    const Outcome outcome = download(m_server.url("/files/map.7z"), expected);

    QCOMPARE(outcome.lstFinish.size(), 1);
    QCOMPARE(outcome.lstFinish.at(0).at(0).toBool(), result);
    QCOMPARE(outcome.bReturned, result);
    const QList<TestHttpServer::Request> lstGets = requestsOf("GET");
    // Qt itself sends a GET again when its connection closes before the status line arrived (under
    // load the cut can land there); that retry restarts the answer, so only the count may differ.
    if (behaviour == "close")
        QVERIFY(lstGets.size() >= gets);
    else
        QCOMPARE(lstGets.size(), gets);
    QCOMPARE(requestsOf("HEAD").size(), 1);
    if (gets > 0) {
        QCOMPARE(lstGets.first().header("Range"), range);
        QCOMPARE(lstGets.first().header("User-Agent"), QByteArray("WendoAgent"));
        QCOMPARE(lstGets.first().path(), QByteArray("/files/map.7z"));
    }
    if (behaviour == "redirect")
        QCOMPARE(lstGets.last().path(), QByteArray("/moved/map.7z"));

    const QByteArray finalBytes = TestFolders::readFile(destPath());
    if (final == "content")
        QCOMPARE(finalBytes, content);
    else if (final == "untouched")
        QCOMPARE(finalBytes, localBytes);
    else if (final == "prefix300")
        QCOMPARE(finalBytes, content.left(300));
    else
        QVERIFY(!QFile::exists(destPath()));
    // The MD5 worked out on the way covers the whole file, a resumed part included; none after a failure.
    if (result)
        QCOMPARE(outcome.digest, QCryptographicHash::hash(finalBytes, QCryptographicHash::Md5).toHex());
    else
        QCOMPARE(outcome.digest, QByteArray());

    if (firstRead < 0)
        return;
    QVERIFY(!outcome.lstProgress.isEmpty());
    QVERIFY(outcome.lstProgress.first().at(0).toLongLong() >= firstRead);
    qint64 nLast = 0;
    for (const QVariantList& progress : outcome.lstProgress) {
        QCOMPARE(progress.at(1).toLongLong(), expected);
        QVERIFY(progress.at(0).toLongLong() <= content.size());
        QVERIFY(progress.at(0).toLongLong() >= nLast);
        nLast = progress.at(0).toLongLong();
    }
}

void TestNetDownload::trickleOutlastsWatchdog()
{
    // Fifty pieces 40 ms apart take four watchdog periods; bytes arrive in each of them. Progress is
    // reported less often than the watchdog ticks: received bytes must count, not progress reports.
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 500);
    AgentTiming::set(AgentTiming::DOWNLOAD_PROGRESS, 60000);
    const QByteArray content = fileContent();
    m_server.setHandler([&](const TestHttpServer::Request& request) {
        return TestHttpServer::fileAnswer(request, content).trickled(20, 40);
    });
    const Outcome outcome = download(m_server.url("/slow.bin"), content.size());
    QCOMPARE(outcome.lstFinish.size(), 1);
    QCOMPARE(outcome.lstFinish.at(0).at(0).toBool(), true);
    QCOMPARE(TestFolders::readFile(destPath()), content);
}

void TestNetDownload::progressBeyond2GiB()
{
    // A sparse local file of 3 GiB: the last 100 bytes of a map archive are still missing.
    const qint64 nLocal = qint64(3) << 30;
    const qint64 nTotal = nLocal + 100;
    QFile partial(destPath());
    QDir().mkpath(QFileInfo(destPath()).absolutePath());
    QVERIFY(partial.open(QIODevice::WriteOnly));
    if (!partial.resize(nLocal))
        QSKIP("the temporary folder cannot hold a sparse 3 GiB file");
    partial.close();

    const QByteArray tail(100, 't');
    m_server.setHandler([&](const TestHttpServer::Request& request) {
        if (request.header("Range") != "bytes=" + QByteArray::number(nLocal) + "-")
            return TestHttpServer::Answer::status(400);
        TestHttpServer::Answer answer = TestHttpServer::Answer::status(206, tail);
        return answer.withHeader("Content-Range", QByteArray("bytes ") + QByteArray::number(nLocal) + "-" +
                                                      QByteArray::number(nTotal - 1) + "/" +
                                                      QByteArray::number(nTotal));
    });
    m_server.enqueue(
        TestHttpServer::Answer::status(200).withHeader("Content-Length", QByteArray::number(nTotal)));

    const Outcome outcome = download(m_server.url("/big.7z"), nTotal);
    QCOMPARE(outcome.lstFinish.size(), 1);
    QCOMPARE(outcome.lstFinish.at(0).at(0).toBool(), true);
    QCOMPARE(QFileInfo(destPath()).size(), nTotal);
    QVERIFY(!outcome.lstProgress.isEmpty());
    QCOMPARE(outcome.lstProgress.last().at(0).toLongLong(), nTotal);
    QCOMPARE(outcome.lstProgress.last().at(1).toLongLong(), nTotal);
    QFile result(destPath());
    QVERIFY(result.open(QIODevice::ReadOnly) && result.seek(nLocal));
    QCOMPARE(result.readAll(), tail);
}

void TestNetDownload::downloadsPassTheAnswerBound_data()
{
    QTest::addColumn<bool>("chunked");
    QTest::newRow("with a length") << false;
    QTest::newRow("chunked") << true;
}

void TestNetDownload::downloadsPassTheAnswerBound()
{
    // Request answers are bounded; files are not.
    QFETCH(bool, chunked);
    QByteArray content(int(2 * NetInterface::MAX_ANSWER_BYTES + 1), 'm');
    content[1000] = 'x';
    m_server.setHandler([&](const TestHttpServer::Request& request) {
        TestHttpServer::Answer answer = TestHttpServer::fileAnswer(request, content);
        if (chunked && request.method == "GET")
            answer.trickled(256 * 1024, 0);
        return answer;
    });
    const Outcome outcome = download(m_server.url("/map.7z"), 0);
    QVERIFY(outcome.bReturned);
    QCOMPARE(outcome.lstFinish.size(), 1);
    QCOMPARE(outcome.lstFinish.at(0).at(0).toBool(), true);
    QVERIFY(TestFolders::readFile(destPath()) == content);
}

void TestNetDownload::refusedDownloadIsReportedQueued_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("blockedFolder");
    QTest::newRow("not http") << "ftp://127.0.0.1/x" << false;
    QTest::newRow("folder cannot be made") << "" << true;
}

void TestNetDownload::refusedDownloadIsReportedQueued()
{
    QFETCH(QString, url);
    QFETCH(bool, blockedFolder);
    if (blockedFolder)
        QVERIFY(TestFolders::writeFile(m_pFolders->dataDir() + "/downloads", "a file, not a folder"));
    NetInterface client(nullptr, QString(), 60000);
    QSignalSpy spy(&client, &NetInterface::emitRequestFinish);
    QVERIFY(!client.getFile(url.isEmpty() ? m_server.url("/x") : url, destPath(), 10));
    QCOMPARE(spy.count(), 0);
    QVERIFY(spy.wait(5000));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    QCOMPARE(m_server.requestCount(), 0);
}

void TestNetDownload::boundedByTheAnnouncedSize_data()
{
    QTest::addColumn<qint64>("expected"); // the caller's expected size, 0 for unknown
    QTest::addColumn<qint64>("ceiling");  // the bound of a download of unknown size
    QTest::addColumn<int>("local");       // bytes of the file already at the destination, -1 for none
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("result");

    const qint64 nUnsized = NetInterface::MAX_UNSIZED_DOWNLOAD_BYTES;
    QTest::newRow("endless chunked body") << qint64(480) << nUnsized << -1 << "endlessChunked" << false;
    QTest::newRow("endless body without a length")
        << qint64(480) << nUnsized << -1 << "endlessUnframed" << false;
    QTest::newRow("endless body announcing 3 GB") << qint64(480) << nUnsized << -1 << "endlessHuge" << false;
    QTest::newRow("one byte longer, announced") << qint64(480) << nUnsized << -1 << "longer" << false;
    QTest::newRow("one byte longer, chunked") << qint64(480) << nUnsized << -1 << "longerChunked" << false;
    QTest::newRow("resumed part, rest too long") << qint64(480) << nUnsized << 200 << "longer" << false;
    // The range's own length fits the bound; with the part before it, it does not.
    QTest::newRow("resumed part, rest announced too long, then stalls")
        << qint64(480) << nUnsized << 200 << "longerStalled" << false;
    QTest::newRow("exactly as announced") << qint64(480) << nUnsized << -1 << "exact" << true;
    QTest::newRow("unknown size, endless body past the ceiling")
        << qint64(0) << qint64(65536) << -1 << "endlessChunked" << false;
    QTest::newRow("unknown size, announced past the ceiling")
        << qint64(0) << qint64(480) << -1 << "longer" << false;
    QTest::newRow("unknown size, at the ceiling") << qint64(0) << qint64(480) << -1 << "exact" << true;
}

// A body longer than announced can never be the file expected: the download stops before the first byte
// past the bound is written, fails, and leaves no file. An endless body ends the same way.
void TestNetDownload::boundedByTheAnnouncedSize()
{
    QFETCH(qint64, expected);
    QFETCH(qint64, ceiling);
    QFETCH(int, local);
    QFETCH(QString, answer);
    QFETCH(bool, result);
    const QByteArray content = fileContent().left(480);
    // Where the endless bodies stall if the client never stops them (the watchdog then ends the test).
    const qint64 nGuard = 256 * 1024 * 1024;
    if (local >= 0)
        QVERIFY(TestFolders::writeFile(destPath(), content.left(local)));
    m_server.setHandler([&](const TestHttpServer::Request& request) {
        const QByteArray longer = content + "x";
        if (answer == "endlessChunked")
            return TestHttpServer::Answer::ok(content, "application/zip").endless(64 * 1024, 0, true, nGuard);
        if (answer == "endlessUnframed")
            return TestHttpServer::Answer::ok(content, "application/zip")
                .endless(64 * 1024, 0, false, nGuard);
        if (answer == "endlessHuge")
            return TestHttpServer::Answer::ok(content, "application/zip")
                .withHeader("Content-Length", "3000000000")
                .endless(64 * 1024, 0, false, nGuard);
        if (answer == "longerChunked")
            return TestHttpServer::fileAnswer(request, longer).trickled(100, 1);
        if (answer == "longerStalled")
            return TestHttpServer::fileAnswer(request, longer).stalledAfter(0);
        return TestHttpServer::fileAnswer(request, answer == "longer" ? longer : content);
    });

    const Outcome outcome = download(m_server.url("/App_2.zip"), expected, ceiling);

    QCOMPARE(outcome.lstFinish.size(), 1);
    QCOMPARE(outcome.lstFinish.at(0).at(0).toBool(), result);
    QCOMPARE(outcome.bReturned, result);
    if (result)
        QCOMPARE(TestFolders::readFile(destPath()), content);
    else
        QVERIFY(!QFile::exists(destPath()));
    const qint64 nBound = expected > 0 ? expected : ceiling;
    for (const QVariantList& progress : outcome.lstProgress)
        QVERIFY2(progress.at(0).toLongLong() <= nBound, qPrintable(progress.at(0).toString()));
}

void TestNetDownload::floorRate_data()
{
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<int>("pieceSize");
    QTest::addColumn<int>("pieceDelayMs");
    QTest::addColumn<int>("burst"); // bytes sent at once before the pieces
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("final"); // "content", "prefix" or "absent"

    // The floor is 256 bytes a second over 300 ms windows: 76 bytes in each.
    QTest::newRow("drip, size known: part kept") << qint64(1000) << 4 << 100 << 0 << false << "prefix";
    QTest::newRow("drip, size unknown: removed") << qint64(0) << 4 << 100 << 0 << false << "absent";
    QTest::newRow("slow but above the floor") << qint64(4000) << 200 << 20 << 0 << true << "content";
    // Each window counts its own bytes: a fast start does not carry the drip after it.
    QTest::newRow("fast start, then a drip: part kept")
        << qint64(1000) << 4 << 100 << 600 << false << "prefix";
}

// Bytes that keep moving do not keep a download alive: below the floor rate over a window it fails, long
// before the watchdog, which only asks whether anything moved, would end it.
void TestNetDownload::floorRate()
{
    QFETCH(qint64, expected);
    QFETCH(int, pieceSize);
    QFETCH(int, pieceDelayMs);
    QFETCH(int, burst);
    QFETCH(bool, result);
    QFETCH(QString, final);
    AgentTiming::set(AgentTiming::NET_WATCHDOG, 20000);
    AgentTiming::set(AgentTiming::DOWNLOAD_FLOOR_WINDOW, 300);
    AgentTiming::set(AgentTiming::DOWNLOAD_FLOOR_RATE, 256);
    QByteArray content;
    while (content.size() < 4000)
        content += fileContent();
    content = content.left(int(expected > 0 ? expected : 1000));
    m_server.setHandler([&](const TestHttpServer::Request& request) {
        return TestHttpServer::fileAnswer(request, content)
            .trickled(pieceSize, pieceDelayMs)
            .afterBurst(burst);
    });

    const Outcome outcome = download(m_server.url("/drip.bin"), expected);

    QCOMPARE(outcome.lstFinish.size(), 1);
    QCOMPARE(outcome.lstFinish.at(0).at(0).toBool(), result);
    const QByteArray finalBytes = TestFolders::readFile(destPath());
    if (final == "content") {
        QCOMPARE(finalBytes, content);
    } else if (final == "prefix") {
        QVERIFY(QFile::exists(destPath()));
        QVERIFY(finalBytes.size() >= burst);
        QVERIFY(finalBytes.size() < content.size());
        QCOMPARE(finalBytes, content.left(finalBytes.size()));
    } else {
        QVERIFY(!QFile::exists(destPath()));
    }
}

void TestNetDownload::fileFailuresAreTold_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("dest"); // "folder": a folder stands there; "full": on a full volume
    QTest::addColumn<bool>("fileFailed");
    QTest::newRow("whole") << "whole"
                           << "" << false;
    QTest::newRow("refused by the server") << "404"
                                           << "" << false;
    QTest::newRow("transfer broken off") << "cut"
                                         << "" << false;
    QTest::newRow("not http") << "ftp"
                              << "" << false;
    QTest::newRow("destination folder cannot be made") << "whole"
                                                       << "blocked" << true;
    QTest::newRow("a folder stands at the destination") << "whole"
                                                        << "folder" << true;
    QTest::newRow("the volume is full") << "whole"
                                        << "full" << true;
}

// A failed download tells whether the fault lay with its file, so an owner does not blame the network for
// a disk that would not take the bytes.
void TestNetDownload::fileFailuresAreTold()
{
    QFETCH(QString, answer);
    QFETCH(QString, dest);
    QFETCH(bool, fileFailed);
    const QByteArray content(200 * 1024, 'c');
    m_server.setHandler([&](const TestHttpServer::Request& request) {
        if (answer == "404")
            return TestHttpServer::Answer::status(404);
        if (answer == "cut")
            return TestHttpServer::fileAnswer(request, content).closedAfter(1000);
        return TestHttpServer::fileAnswer(request, content);
    });
    SmallVolume volume(SmallVolume::TMPFS);
    QString sDest = destPath();
    if (dest == "blocked")
        QVERIFY(TestFolders::writeFile(m_pFolders->dataDir() + "/downloads", "a file, not a folder"));
    if (dest == "folder")
        QVERIFY(QDir().mkpath(sDest));
    if (dest == "full") {
        QString sWhy;
        if (!volume.mount(&sWhy))
            QSKIP(qPrintable("no small volume: " + sWhy));
        sDest = volume.path() + "/map.7z";
    }
    const QString sUrl = answer == "ftp" ? QString("ftp://127.0.0.1/x") : m_server.url("/map.7z");
    const Outcome outcome = download(sUrl, 0, NetInterface::MAX_UNSIZED_DOWNLOAD_BYTES, sDest);
    QCOMPARE(outcome.bReturned, !fileFailed && answer == "whole");
    QCOMPARE(outcome.bFileFailed, fileFailed);
}

QTEST_GUILESS_MAIN(TestNetDownload)
#include "tst_netdownload.moc"
