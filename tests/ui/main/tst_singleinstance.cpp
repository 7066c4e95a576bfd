#include "platform/LinuxSingleInstance.h"
#include "support/AgentRuntimeDir.h"
#include "support/SystemTools.h"
#include "support/TestFolders.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#ifdef WENDO_TEST_X11
#include "XTopWindows.h"
#endif

// The real program started against every kind of lock and data folder it can meet: whether it runs,
// leaves quietly for a running agent, or refuses to start and says why (its exit code, its line on
// standard error, and the box on a desktop). The lock class alone is tested in tests/platform.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void startOutcome_data();
    void startOutcome();
    void refusalShownInBox();

private:
    // A tmpfs over the data home for one test row (root only: the row is skipped where mounting is refused).
    class Tmpfs
    {
    public:
        explicit Tmpfs(const QString& sDir) : m_sDir(sDir) {}
        ~Tmpfs();
        bool mount(const QString& sOptions);
        bool remountReadOnly();
        bool fill();

    private:
        QString m_sDir;
        bool m_bMounted = false;
    };

    struct Home {
        QTemporaryDir dataHome;
        QTemporaryDir configHome;
        AgentRuntimeDir runtimeDir;
        QString sDataHome; // XDG_DATA_HOME as the program gets it
        QString dataDir() const { return sDataHome + "/WendoAgent"; }
        QString lockPath() const { return dataDir() + "/WendoAgent.lock"; }
        QByteArray log() const { return TestFolders::readFile(dataDir() + "/WendoAgent.log"); }
    };

    static std::unique_ptr<QProcess> start(const Home& home, const QString& sPlatform = "offscreen",
                                           const QString& sDisplay = QString());
};

TestSingleInstance::Tmpfs::~Tmpfs()
{
    if (m_bMounted)
        QProcess::execute("umount", {m_sDir});
}

bool TestSingleInstance::Tmpfs::mount(const QString& sOptions)
{
    m_bMounted = QProcess::execute("mount", {"-t", "tmpfs", "-o", sOptions, "tmpfs", m_sDir}) == 0;
    return m_bMounted;
}

bool TestSingleInstance::Tmpfs::remountReadOnly()
{
    return QProcess::execute("mount", {"-o", "remount,ro", m_sDir}) == 0;
}

// Fills the file system to its last block.
bool TestSingleInstance::Tmpfs::fill()
{
    QFile filler(m_sDir + "/filler");
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'x');
    for (int n = 0; n < 100000; ++n) {
        if (filler.write(block) != block.size())
            return filler.write("x", 1) != 1;
    }
    return false;
}

std::unique_ptr<QProcess> TestSingleInstance::start(const Home& home, const QString& sPlatform,
                                                    const QString& sDisplay)
{
    std::unique_ptr<QProcess> pProcess(new QProcess());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", home.sDataHome);
    env.insert("XDG_CONFIG_HOME", home.configHome.path());
    env.insert("XDG_RUNTIME_DIR", home.runtimeDir.path());
    env.insert("QT_QPA_PLATFORM", sPlatform);
    env.remove("WAYLAND_DISPLAY");
    if (sDisplay.isEmpty())
        env.remove("DISPLAY");
    else
        env.insert("DISPLAY", sDisplay);
    pProcess->setProcessEnvironment(env);
    pProcess->start(QString::fromLocal8Bit(qgetenv("WENDO_TEST_BIN")) + "/WendoAgent", QStringList());
    return pProcess;
}

void TestSingleInstance::startOutcome_data()
{
    QTest::addColumn<QString>("sSetup");
    QTest::addColumn<int>("nExitCode");   // -1: the agent runs
    QTest::addColumn<QString>("sStderr"); // the refusal line; %1 = the data home
    const QString sNoLine;

    // A lock nobody holds, as a power cut or a crash leaves it: taken over.
    QTest::newRow("lock empty") << "empty" << -1 << sNoLine;
    QTest::newRow("lock garbage") << "garbage" << -1 << sNoLine;
    QTest::newRow("lock of a dead pid") << "dead pid" << -1 << sNoLine;
    // A running agent (this test process holding the lock): the start leaves quietly.
    QTest::newRow("live owner") << "live owner" << 0 << sNoLine;

    QTest::newRow("data home is a file")
        << "file" << 1
        << "WendoAgent cannot start: the data folder \"%1/WendoAgent\" cannot be created (Not a directory).";
    QTest::newRow("data folder read-only")
        << "read-only" << 1
        << "WendoAgent cannot start: the lock file \"%1/WendoAgent/WendoAgent.lock\" cannot be created "
           "(Read-only file system).";
    QTest::newRow("data folder missing, read-only home")
        << "read-only home" << 1
        << "WendoAgent cannot start: the data folder \"%1/WendoAgent\" cannot be created (Read-only file "
           "system).";
    QTest::newRow("full disk")
        << "full" << 1
        << "WendoAgent cannot start: the lock file \"%1/WendoAgent/WendoAgent.lock\" cannot be written "
           "(No space left on device).";
    QTest::newRow("full disk, data folder missing")
        << "full home" << 1
        << "WendoAgent cannot start: the lock file \"%1/WendoAgent/WendoAgent.lock\" cannot be written "
           "(No space left on device).";
}

// Offscreen nobody could click a box away, so the refusal is the line on standard error and the program
// ends by itself.
void TestSingleInstance::startOutcome()
{
    QFETCH(QString, sSetup);
    QFETCH(int, nExitCode);
    QFETCH(QString, sStderr);
    Home home;
    QVERIFY(home.dataHome.isValid() && home.configHome.isValid() && home.runtimeDir.isValid());
    home.sDataHome = home.dataHome.path();
    Tmpfs tmpfs(home.sDataHome);
    LinuxSingleInstance owner(home.dataDir());
    const QByteArray host = QSysInfo::machineHostName().toUtf8();

    if (sSetup == "empty" || sSetup == "garbage" || sSetup == "dead pid") {
        QVERIFY(TestFolders::writeFile(home.dataDir() + "/msg.ini", "[DEBUG]\nLOG_LEVEL=2\n"));
        const QByteArray content = sSetup == "empty"     ? QByteArray()
                                   : sSetup == "garbage" ? QByteArray("\x01\xff garbage\n\n", 12)
                                                         : QByteArray::number(SystemTools::endedPid()) +
                                                               "\nWendoAgent\n" + host + "\n";
        QVERIFY(TestFolders::writeFile(home.lockPath(), content));
    } else if (sSetup == "live owner") {
        QVERIFY(TestFolders::writeFile(home.dataDir() + "/msg.ini", "[DEBUG]\nLOG_LEVEL=2\n"));
        QCOMPARE(owner.tryAcquire(), SingleInstance::HELD);
    } else if (sSetup == "file") {
        home.sDataHome = home.dataHome.path() + "/file";
        QVERIFY(TestFolders::writeFile(home.sDataHome, "x"));
    } else if (sSetup.startsWith("read-only")) {
        if (!tmpfs.mount("size=256k,mode=0755"))
            QSKIP("mounting a tmpfs is refused here");
        if (sSetup == "read-only")
            QVERIFY(QDir().mkpath(home.dataDir()));
        QVERIFY(tmpfs.remountReadOnly());
    } else if (sSetup.startsWith("full")) {
        if (!tmpfs.mount("size=64k,mode=0755"))
            QSKIP("mounting a tmpfs is refused here");
        if (sSetup == "full")
            QVERIFY(QDir().mkpath(home.dataDir()));
        QVERIFY(tmpfs.fill());
    }

    auto pAgent = start(home);
    QVERIFY(pAgent->waitForStarted(30000));
    if (nExitCode < 0) {
        QTRY_VERIFY_WITH_TIMEOUT(home.log().contains("[ZeqAgentMainDialog][createTray]"), 60000);
        QCOMPARE(pAgent->state(), QProcess::Running);
        // Its socket for later starts is in its own runtime folder, which takes the socket left by the kill.
        QCOMPARE(home.runtimeDir.sockets().size(), 1);
        // The file is the new agent's now: its pid, private.
        QVERIFY(TestFolders::readFile(home.lockPath())
                    .startsWith(QByteArray::number(pAgent->processId()) + "\n"));
        QCOMPARE(QFile::permissions(home.lockPath()), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                          QFileDevice::ReadUser | QFileDevice::WriteUser);
        pAgent->kill();
        QVERIFY(pAgent->waitForFinished(30000));
        QVERIFY(!pAgent->readAllStandardError().contains("cannot start"));
        return;
    }
    QVERIFY(pAgent->waitForFinished(60000));
    QCOMPARE(pAgent->exitStatus(), QProcess::NormalExit);
    QCOMPARE(pAgent->exitCode(), nExitCode);
    const QByteArray err = pAgent->readAllStandardError();
    if (sStderr.isEmpty()) {
        QVERIFY2(!err.contains("cannot start"), err.constData());
        QVERIFY(home.log().contains("[main][main] another instance is running"));
        // This test holds the lock but does not listen: the start says so and ends.
        QVERIFY(home.log().contains("[main][showRunningInstance] the running agent cannot be reached"));
    } else {
        QCOMPARE(QString::fromLocal8Bit(err), sStderr.arg(home.sDataHome) + "\n");
    }
}

// On a desktop the refusal is also a box; the program waits for it to be closed, then ends the same way.
void TestSingleInstance::refusalShownInBox()
{
#ifndef WENDO_TEST_X11
    QSKIP("built without the X11 client library");
#else
    QProcess xvfb;
    xvfb.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "800x600x24"});
    if (!xvfb.waitForStarted(20000))
        QSKIP("no Xvfb here");
    QTRY_VERIFY_WITH_TIMEOUT(xvfb.canReadLine(), 30000);
    const QString sDisplay = ":" + QString::fromLatin1(xvfb.readLine().trimmed());
    std::unique_ptr<XTopWindows> pWindows(new XTopWindows(sDisplay));
    QVERIFY(pWindows->isOpen());

    Home home;
    home.sDataHome = home.dataHome.path() + "/file";
    QVERIFY(TestFolders::writeFile(home.sDataHome, "x"));
    auto pAgent = start(home, "xcb", sDisplay);
    QVERIFY(pAgent->waitForStarted(30000));
    unsigned long nBox = 0;
    QTRY_VERIFY_WITH_TIMEOUT((nBox = pWindows->findShown("WendoAgent")) != 0, 60000);
    const QString sLine =
        QString("WendoAgent cannot start: the data folder \"%1/WendoAgent\" cannot be created "
                "(Not a directory).")
            .arg(home.sDataHome);
    // The terminal has the line before the box waits for its click.
    QByteArray err;
    QTRY_VERIFY_WITH_TIMEOUT((err += pAgent->readAllStandardError()).contains(sLine.toLocal8Bit()), 30000);
    QCOMPARE(pAgent->state(), QProcess::Running);

    QVERIFY(pWindows->close(nBox));
    QVERIFY(pAgent->waitForFinished(30000));
    QCOMPARE(pAgent->exitStatus(), QProcess::NormalExit);
    QCOMPARE(pAgent->exitCode(), 1);
    pWindows.reset(); // before its server goes, or Xlib ends this process
    xvfb.terminate();
    xvfb.waitForFinished(30000);
#endif
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
