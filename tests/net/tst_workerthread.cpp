#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "net/WorkerThread.h"
#include "platform/ArchiveTool.h"
#include "platform/Platform.h"
#include "support/FakeArchivePrograms.h"
#include "support/TestFolders.h"
#include "support/TestHttpServer.h"

#include <QProcess>
#include <QtTest>

#include <memory>

// Stands for the sync and update workers: the slots a WorkerThread reports to, recorded.
class JobOwner : public QObject
{
    Q_OBJECT

public:
    QList<bool> lstNetFinish;
    QList<QPair<qint64, qint64>> lstProgress;
    QList<QPair<int, QProcess::ExitStatus>> lstProcFinish;
    QList<Qt::HANDLE> lstThreads;

public slots:
    void netFinish(bool bSuccess)
    {
        lstNetFinish.append(bSuccess);
        lstThreads.append(QThread::currentThreadId());
    }
    void slotDownloadProcess(qint64 nRead, qint64 nTotal) { lstProgress.append({nRead, nTotal}); }
    void slotProcFinish(int nExitCode, QProcess::ExitStatus eStatus)
    {
        lstProcFinish.append({nExitCode, eStatus});
        lstThreads.append(QThread::currentThreadId());
    }
    void slotUnzipProcess(int) {}
};

class TestWorkerThread : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void requestJob_data();
    void requestJob();
    void downloadJob_data();
    void downloadJob();
    void deletingDuringDownloadKeepsPart();
    void unzipWithTheRealProgram();
    void unzipArguments();
    void unzipFailures_data();
    void unzipFailures();
    void unzipReadsEveryLine();
    void deletingKillsHangingProgram();

private:
    QString logText() const { return QString::fromUtf8(TestFolders::readFile(DebugLog::logPath())); }

    std::unique_ptr<TestFolders> m_pFolders;
    std::unique_ptr<JobOwner> m_pOwner;
    TestHttpServer m_server;
    QByteArray m_savedPath;
};

void TestWorkerThread::init()
{
    m_pFolders.reset(new TestFolders(true));
    m_pOwner.reset(new JobOwner);
    AgentTiming::set(AgentTiming::DOWNLOAD_PROGRESS, 0);
    m_savedPath = qgetenv("PATH");
    QVERIFY(m_server.start());
}

void TestWorkerThread::cleanup()
{
    m_pOwner.reset(); // deletes any job thread it still owns
    m_server.stop();
    m_server.reset();
    qputenv("PATH", m_savedPath);
    AgentTiming::resetDefaults();
    m_pFolders.reset();
}

void TestWorkerThread::requestJob_data()
{
    QTest::addColumn<bool>("gzip");
    QTest::newRow("gzip envelope") << true;
    QTest::newRow("plain body") << false;
}

void TestWorkerThread::requestJob()
{
    QFETCH(bool, gzip);
    m_server.enqueue(TestHttpServer::Answer::ok("<syncList/>"));
    const QString sAnswer = m_pFolders->tempDir() + "/syncwork.xml";
    WorkerThread* pJob = new WorkerThread(m_pOwner.get(), 60000);
    pJob->setRequest(m_server.url("/svc"), "<getRouteSyncList/>", sAnswer, gzip);
    pJob->start();
    QTRY_COMPARE_WITH_TIMEOUT(m_pOwner->lstNetFinish.size(), 1, 20000);
    QCOMPARE(m_pOwner->lstNetFinish.first(), true);
    QCOMPARE(m_pOwner->lstThreads.first(), QThread::currentThreadId());
    QCOMPARE(TestFolders::readFile(sAnswer), QByteArray("<syncList/>"));
    const TestHttpServer::Request request = m_server.lastRequest();
    QCOMPARE(request.body, QByteArray("<getRouteSyncList/>"));
    QCOMPARE(request.hasHeader("Content-Encoding"), gzip);
    delete pJob;
}

void TestWorkerThread::downloadJob_data()
{
    QTest::addColumn<QString>("sizeText");
    QTest::addColumn<QByteArray>("range");
    QTest::newRow("size given, resumes") << "1000" << QByteArray("bytes=200-");
    QTest::newRow("no size, fetched anew") << "" << QByteArray();
    QTest::newRow("size not a number") << "12ab" << QByteArray();
}

void TestWorkerThread::downloadJob()
{
    QFETCH(QString, sizeText);
    QFETCH(QByteArray, range);
    const QByteArray content = QByteArray("0123456789").repeated(100);
    m_server.setHandler([&](const TestHttpServer::Request& request) {
        return TestHttpServer::fileAnswer(request, content).trickled(100, 1, false);
    });
    const QString sDest = m_pFolders->dataDir() + "/Korvo/Tracks/route.gpx";
    QVERIFY(TestFolders::writeFile(sDest, content.left(200)));
    WorkerThread* pJob = new WorkerThread(m_pOwner.get(), 60000);
    pJob->setDownload(m_server.url("/route.gpx"), sDest, sizeText);
    pJob->start();
    QTRY_COMPARE_WITH_TIMEOUT(m_pOwner->lstNetFinish.size(), 1, 20000);
    QCOMPARE(m_pOwner->lstNetFinish.first(), true);
    QCOMPARE(TestFolders::readFile(sDest), content);
    QCOMPARE(m_server.lastRequest().header("Range"), range);
    QVERIFY(!m_pOwner->lstProgress.isEmpty());
    QCOMPARE(m_pOwner->lstProgress.last().first, qint64(content.size()));
    QCOMPARE(m_pOwner->lstProgress.last().second, sizeText.toLongLong());
    delete pJob;
    QCOMPARE(m_pOwner->lstNetFinish.size(), 1);
}

void TestWorkerThread::deletingDuringDownloadKeepsPart()
{
    // Default watchdog (30 s): only the deletion can end this download in time.
    const QByteArray content(5000, 'm');
    m_server.setHandler([&](const TestHttpServer::Request& request) {
        return TestHttpServer::fileAnswer(request, content).stalledAfter(request.method == "GET" ? 1200 : 0);
    });
    const QString sDest = m_pFolders->tempDir() + "/map.7z";
    WorkerThread* pJob = new WorkerThread(m_pOwner.get(), 60000);
    pJob->setDownload(m_server.url("/map.7z"), sDest, "5000");
    pJob->start();
    QTRY_VERIFY_WITH_TIMEOUT(!m_pOwner->lstProgress.isEmpty() && m_pOwner->lstProgress.last().first == 1200,
                             20000);
    delete pJob;
    QCOMPARE(TestFolders::readFile(sDest), content.left(1200));
    QVERIFY(m_pOwner->lstNetFinish.size() <= 1);
    QVERIFY(!m_pOwner->lstNetFinish.contains(true));
}

void TestWorkerThread::unzipWithTheRealProgram()
{
    const QString sProgram = ArchiveTool::findProgram(m_pFolders->programDir());
    if (sProgram.isEmpty())
        QSKIP("no 7z, 7zz or 7za installed (the 7zip package in scripts/packages.txt provides 7zz)");
    const QString sSource = m_pFolders->dataDir() + "/src";
    QVERIFY(TestFolders::writeFile(sSource + "/KORVO/version.map", "2024.1;2024/01/01\n"));
    QVERIFY(TestFolders::writeFile(sSource + "/KORVO/Map/europe.img", QByteArray(70000, 'e')));
    const QString sArchive = m_pFolders->dataDir() + "/map.7z";
    QProcess pack;
    pack.setWorkingDirectory(sSource);
    pack.start(sProgram, ArchiveTool::addArgs(sArchive, "KORVO"));
    QVERIFY(pack.waitForFinished(60000) && pack.exitCode() == 0);

    const QString sOut = m_pFolders->dataDir() + "/drive/not/yet/there";
    WorkerThread* pJob = new WorkerThread(m_pOwner.get(), 0);
    pJob->setUnzip(sArchive, sOut);
    pJob->start();
    QTRY_COMPARE_WITH_TIMEOUT(m_pOwner->lstProcFinish.size(), 1, 60000);
    QCOMPARE(m_pOwner->lstProcFinish.first().first, 0);
    QCOMPARE(m_pOwner->lstProcFinish.first().second, QProcess::NormalExit);
    QCOMPARE(m_pOwner->lstThreads.first(), QThread::currentThreadId());
    QCOMPARE(TestFolders::readFile(sOut + "/KORVO/version.map"), QByteArray("2024.1;2024/01/01\n"));
    QCOMPARE(TestFolders::readFile(sOut + "/KORVO/Map/europe.img"), QByteArray(70000, 'e'));
    delete pJob;
}

void TestWorkerThread::unzipArguments()
{
    FakeArchivePrograms fakes;
    PlatformOverride platform;
    platform.setArchiveProgram(fakes.recordingArgs());
    const QString sArchive = m_pFolders->dataDir() + "/pkg/a b.7z";
    const QString sOut = m_pFolders->dataDir() + "/out dir";
    WorkerThread* pJob = new WorkerThread(m_pOwner.get(), 0);
    pJob->setUnzip(sArchive, sOut);
    pJob->start();
    QTRY_COMPARE_WITH_TIMEOUT(m_pOwner->lstProcFinish.size(), 1, 20000);
    QCOMPARE(m_pOwner->lstProcFinish.first().first, 0);
    QCOMPARE(TestFolders::readFile(fakes.argsFile()), ("x\n-y\n" + sArchive + "\n-o" + sOut + "\n").toUtf8());
    QVERIFY(QFileInfo(sOut).isDir());
    delete pJob;
}

void TestWorkerThread::unzipFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("exitCode"); // -2: any
    QTest::addColumn<QProcess::ExitStatus>("exitStatus");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("exits 1") << "failing" << 1 << QProcess::NormalExit << "ERROR: cannot open the archive";
    QTest::newRow("crashes") << "crashing" << -2 << QProcess::CrashExit << "crashed";
    QTest::newRow("not executable") << "notExecutable" << -1 << QProcess::CrashExit << "failed to start";
    QTest::newRow("missing file") << "missing" << -1 << QProcess::CrashExit << "failed to start";
    QTest::newRow("none installed") << "none" << -1 << QProcess::CrashExit << "no archive program";
}

void TestWorkerThread::unzipFailures()
{
    QFETCH(QString, kind);
    QFETCH(int, exitCode);
    QFETCH(QProcess::ExitStatus, exitStatus);
    QFETCH(QString, logLine);
    FakeArchivePrograms fakes;
    PlatformOverride platform;
    if (kind == "none")
        qputenv("PATH", fakes.dir().toUtf8()); // nothing there, and nothing beside the program
    else
        platform.setArchiveProgram(kind == "failing"         ? fakes.failing(1)
                                   : kind == "crashing"      ? fakes.crashing()
                                   : kind == "notExecutable" ? fakes.notExecutable()
                                                             : fakes.missing());
    WorkerThread* pJob = new WorkerThread(m_pOwner.get(), 0);
    pJob->setUnzip(m_pFolders->dataDir() + "/a.7z", m_pFolders->dataDir() + "/out");
    pJob->start();
    QTRY_COMPARE_WITH_TIMEOUT(m_pOwner->lstProcFinish.size(), 1, 20000);
    if (exitCode != -2)
        QCOMPARE(m_pOwner->lstProcFinish.first().first, exitCode);
    QCOMPARE(m_pOwner->lstProcFinish.first().second, exitStatus);
    QVERIFY2(logText().contains(logLine), qPrintable(logText()));
    delete pJob;
    QCOMPARE(m_pOwner->lstProcFinish.size(), 1);
}

void TestWorkerThread::unzipReadsEveryLine()
{
    FakeArchivePrograms fakes;
    PlatformOverride platform;
    platform.setArchiveProgram(fakes.chatty(60));
    WorkerThread* pJob = new WorkerThread(m_pOwner.get(), 0);
    pJob->setUnzip(m_pFolders->dataDir() + "/a.7z", m_pFolders->dataDir() + "/out");
    pJob->start();
    QTRY_COMPARE_WITH_TIMEOUT(m_pOwner->lstProcFinish.size(), 1, 20000);
    delete pJob;
    const QString sLog = logText();
    for (int i = 1; i <= 60; ++i)
        QVERIFY2(sLog.contains(QString("[WorkerThread][slotDisplay] line %1\r\n").arg(i)),
                 qPrintable(QString::number(i)));
}

void TestWorkerThread::deletingKillsHangingProgram()
{
    FakeArchivePrograms fakes;
    PlatformOverride platform;
    platform.setArchiveProgram(fakes.hanging());
    WorkerThread* pJob = new WorkerThread(m_pOwner.get(), 0);
    pJob->setUnzip(m_pFolders->dataDir() + "/a.7z", m_pFolders->dataDir() + "/out");
    pJob->start();
    QTRY_VERIFY_WITH_TIMEOUT(fakes.hangingPid() > 0, 20000);
    const qint64 nPid = fakes.hangingPid();
    QVERIFY(FakeArchivePrograms::isProcessAlive(nPid));
    delete pJob;
    QVERIFY(!FakeArchivePrograms::isProcessAlive(nPid));
    // The thread has ended: a result it gave on its way out is already posted to the owner.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    QVERIFY(m_pOwner->lstProcFinish.isEmpty());
}

QTEST_GUILESS_MAIN(TestWorkerThread)
#include "tst_workerthread.moc"
