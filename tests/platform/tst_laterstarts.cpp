#include "platform/LinuxSingleInstance.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <memory>
#include <poll.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{
// What may sit at the socket's place instead of the agent: it answers every start as the agent does, or
// drips an answer one byte at a time that never ends. It keeps what it heard.
class StandIn : public QObject
{
public:
    static const int DRIP_MS = 1000;

    explicit StandIn(bool bDrip) : m_bDrip(bDrip)
    {
        connect(&m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* pSocket = m_server.nextPendingConnection())
                connect(pSocket, &QLocalSocket::readyRead, this, [this, pSocket] { talk(pSocket); });
        });
    }
    bool listen(const QString& sPath) { return m_server.listen(sPath); }
    QByteArray heard() const { return m_heard; }

private:
    void talk(QLocalSocket* pSocket)
    {
        m_heard += pSocket->readAll();
        if (!m_heard.contains('\n') || pSocket->property("answering").toBool())
            return;
        pSocket->setProperty("answering", true);
        if (!m_bDrip) {
            pSocket->write("shown\n");
            return;
        }
        auto* pDrip = new QTimer(pSocket);
        connect(pDrip, &QTimer::timeout, pSocket, [pSocket] { pSocket->write("s"); });
        pDrip->start(DRIP_MS);
    }

    QLocalServer m_server;
    QByteArray m_heard;
    bool m_bDrip;
};

// A listener at sPath run by another user: a child that binds the socket as root (so the file is this
// user's), then drops to uid and gid before it listens (so the kernel names that user as the peer). It
// answers every start as the agent does and writes what it heard to a pipe.
class ForeignListener
{
public:
    ~ForeignListener()
    {
        if (m_nPid > 0) {
            ::kill(m_nPid, SIGKILL);
            ::waitpid(m_nPid, nullptr, 0);
        }
        if (m_nHeard >= 0)
            ::close(m_nHeard);
    }

    bool start(const QString& sPath, uid_t nUid, gid_t nGid)
    {
        struct sockaddr_un address;
        std::memset(&address, 0, sizeof(address));
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(sPath);
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        int pipeFds[2];
        if (::pipe(pipeFds) != 0)
            return false;
        m_nPid = ::fork();
        if (m_nPid == 0) {
            ::close(pipeFds[0]);
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            const int nFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            if (::bind(nFd, reinterpret_cast<const struct sockaddr*>(&address), sizeof(address)) != 0 ||
                ::setresgid(nGid, nGid, nGid) != 0 || ::setresuid(nUid, nUid, nUid) != 0 ||
                ::listen(nFd, 8) != 0)
                ::_exit(1);
            (void)!::write(pipeFds[1], "r", 1);
            for (;;) {
                const int nStart = ::accept(nFd, nullptr, nullptr);
                char buffer[64];
                const ssize_t nRead = ::read(nStart, buffer, sizeof(buffer));
                if (nRead > 0)
                    (void)!::write(pipeFds[1], buffer, size_t(nRead));
                ::send(nStart, "shown\n", 6, MSG_NOSIGNAL);
                ::close(nStart);
            }
        }
        ::close(pipeFds[1]);
        m_nHeard = pipeFds[0];
        char ready = 0;
        return m_nPid > 0 && ::read(m_nHeard, &ready, 1) == 1 && ready == 'r';
    }

    // What it heard so far, without waiting.
    QByteArray heard() const
    {
        QByteArray heard;
        char buffer[64];
        struct pollfd watched = {m_nHeard, POLLIN, 0};
        while (::poll(&watched, 1, 0) == 1 && (watched.revents & POLLIN)) {
            const ssize_t nRead = ::read(m_nHeard, buffer, sizeof(buffer));
            if (nRead <= 0)
                break;
            heard.append(buffer, int(nRead));
        }
        return heard;
    }

private:
    pid_t m_nPid = -1;
    int m_nHeard = -1;
};

// The process's file table full, with a few starts waiting at the socket for the holder: the soft limit
// of open files lowered and every free place below it taken. All is given back at its end.
class FullFileTable
{
public:
    static const int FILE_LIMIT = 256;

    ~FullFileTable()
    {
        for (const int nFd : m_fillers)
            ::close(nFd);
        for (const int nFd : m_starts)
            ::close(nFd);
        if (m_bLowered)
            ::setrlimit(RLIMIT_NOFILE, &m_saved);
    }

    bool fill(const QString& sSocketPath, int nStarts)
    {
        struct sockaddr_un address;
        std::memset(&address, 0, sizeof(address));
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(sSocketPath);
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        for (int n = 0; n < nStarts; ++n) {
            const int nFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            if (nFd < 0)
                return false;
            m_starts.push_back(nFd);
            if (::connect(nFd, reinterpret_cast<const struct sockaddr*>(&address), sizeof(address)) != 0)
                return false;
        }
        if (::getrlimit(RLIMIT_NOFILE, &m_saved) != 0)
            return false;
        struct rlimit lowered = m_saved;
        lowered.rlim_cur = qMin<rlim_t>(FILE_LIMIT, m_saved.rlim_cur);
        if (::setrlimit(RLIMIT_NOFILE, &lowered) != 0)
            return false;
        m_bLowered = true;
        for (int nFd = ::dup(0); nFd >= 0; nFd = ::dup(0))
            m_fillers.push_back(nFd);
        return errno == EMFILE;
    }

private:
    struct rlimit m_saved;
    bool m_bLowered = false;
    std::vector<int> m_starts;
    std::vector<int> m_fillers;
};
} // namespace

// A later start reaching the running agent through the socket beside its lock: what it takes to show
// the window, who can reach the socket, and what the holder does with anything else.
class TestLaterStarts : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void askShowsTheHolder();
    void socketIsPrivate_data();
    void socketIsPrivate();
    void dataFoldersDoNotMeet();
    void leftSocketTakenOver();
    void otherTalkDropped_data();
    void otherTalkDropped();
    void nobodyListening();
    void onlyTheHolderListens();
    void strangersNotAsked_data();
    void strangersNotAsked();
    void listenerOutlastsFullFileTable();
    void lostSocketMadeAgain_data();
    void lostSocketMadeAgain();

private:
    // Asks from a thread of its own, as a second process would, while this one answers: whether the
    // running agent said it shows its window, and otherwise why not.
    static bool askFromAnotherThread(const QString& sLockDir, QString* pWhy);
    // And whether it was this holder that showed.
    static bool askFromAnotherThread(const QString& sLockDir, int* pShown);
    static mode_t modeOf(const QString& sPath);
    static void restoreEnv(const char* pName, const QByteArray& value);

    std::unique_ptr<QTemporaryDir> m_pRuntime;
    // The temporary folder (TMPDIR) of each test, so the shared one is never touched.
    std::unique_ptr<QTemporaryDir> m_pTemp;
    QByteArray m_savedRuntime;
    QByteArray m_savedTemp;
};

void TestLaterStarts::init()
{
    m_savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    m_savedTemp = qgetenv("TMPDIR");
    m_pRuntime.reset(new QTemporaryDir);
    m_pTemp.reset(new QTemporaryDir);
    QVERIFY(m_pRuntime->isValid() && m_pTemp->isValid());
    QVERIFY(QFile::setPermissions(m_pRuntime->path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_pRuntime->path()));
    qputenv("TMPDIR", QFile::encodeName(m_pTemp->path()));
}

void TestLaterStarts::cleanup()
{
    restoreEnv("XDG_RUNTIME_DIR", m_savedRuntime);
    restoreEnv("TMPDIR", m_savedTemp);
    m_pRuntime.reset();
    m_pTemp.reset();
}

void TestLaterStarts::restoreEnv(const char* pName, const QByteArray& value)
{
    if (value.isNull())
        qunsetenv(pName);
    else
        qputenv(pName, value);
}

mode_t TestLaterStarts::modeOf(const QString& sPath)
{
    struct stat info;
    return ::lstat(QFile::encodeName(sPath).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

bool TestLaterStarts::askFromAnotherThread(const QString& sLockDir, QString* pWhy)
{
    bool bAnswered = false;
    std::unique_ptr<QThread> pThread(QThread::create([&bAnswered, pWhy, sLockDir] {
        LinuxSingleInstance later(sLockDir);
        if (later.tryAcquire() != SingleInstance::OTHER_RUNNING)
            *pWhy = "the lock is not held by another";
        else if (!(bAnswered = later.askRunningToShow()))
            *pWhy = later.failureReason();
    }));
    pThread->start();
    // This thread answers meanwhile; the asker's deadline ends it in any case.
    if (!QTest::qWaitFor([&pThread] { return pThread->isFinished(); }, 60000)) {
        pThread->wait();
        *pWhy = "the asker did not end";
        return false;
    }
    return bAnswered;
}

bool TestLaterStarts::askFromAnotherThread(const QString& sLockDir, int* pShown)
{
    const int nBefore = *pShown;
    QString sWhy;
    if (!askFromAnotherThread(sLockDir, &sWhy)) {
        qWarning("not shown: %s", qPrintable(sWhy));
        return false;
    }
    return *pShown == nBefore + 1;
}

void TestLaterStarts::askShowsTheHolder()
{
    QTemporaryDir dataDir;
    LinuxSingleInstance holder(dataDir.path());
    QCOMPARE(holder.tryAcquire(), SingleInstance::HELD);
    int nShown = 0;
    QVERIFY(holder.listenForStarts([&nShown] { ++nShown; }));
    QVERIFY(holder.socketPath().startsWith(m_pRuntime->path() + "/WendoAgent-"));
    QVERIFY(askFromAnotherThread(dataDir.path(), &nShown));
    // Every later start, not only the first.
    QVERIFY(askFromAnotherThread(dataDir.path(), &nShown));
    QCOMPARE(nShown, 2);
    holder.release();
    QVERIFY(!QFileInfo::exists(holder.socketPath()));
}

void TestLaterStarts::socketIsPrivate_data()
{
    QTest::addColumn<QString>("sRuntime"); // "private", "open" (0755), "long" or "unset"
    QTest::newRow("runtime folder") << "private";
    QTest::newRow("runtime folder open to others") << "open";
    QTest::newRow("runtime folder too long for a socket") << "long";
    QTest::newRow("no runtime folder") << "unset";
}

// In the desktop's runtime folder where it is private and leaves room for the socket's name; otherwise
// in a folder of the user's own in the temporary folder, made private. A later start finds it there.
void TestLaterStarts::socketIsPrivate()
{
    QFETCH(QString, sRuntime);
    if (sRuntime == "open")
        QVERIFY(QFile::setPermissions(m_pRuntime->path(), QFile::permissions(m_pRuntime->path()) |
                                                              QFileDevice::ReadOther |
                                                              QFileDevice::ExeOther));
    if (sRuntime == "long") {
        // Private, but with the socket's name beyond what a local socket takes.
        const QString sLong = m_pRuntime->path() + "/" + QString(100 - m_pRuntime->path().size(), 'r');
        QVERIFY(QDir().mkdir(sLong));
        QVERIFY(QFile::setPermissions(sLong, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(sLong));
    }
    if (sRuntime == "unset")
        qunsetenv("XDG_RUNTIME_DIR");
    QTemporaryDir dataDir;
    LinuxSingleInstance holder(dataDir.path());
    QCOMPARE(holder.tryAcquire(), SingleInstance::HELD);
    int nShown = 0;
    QVERIFY2(holder.listenForStarts([&nShown] { ++nShown; }), qPrintable(holder.failureReason()));
    const QString sFolder = QFileInfo(holder.socketPath()).path();
    if (sRuntime == "private")
        QCOMPARE(sFolder, m_pRuntime->path());
    else
        QCOMPARE(sFolder, m_pTemp->path() + "/WendoAgent-" + QString::number(::getuid()));
    QCOMPARE(modeOf(sFolder) & 077, mode_t(0));
    QCOMPARE(modeOf(holder.socketPath()) & 0777, mode_t(0600));
    QVERIFY(askFromAnotherThread(dataDir.path(), &nShown));
}

void TestLaterStarts::dataFoldersDoNotMeet()
{
    QTemporaryDir first;
    QTemporaryDir second;
    LinuxSingleInstance firstHolder(first.path());
    LinuxSingleInstance secondHolder(second.path());
    QVERIFY(firstHolder.socketPath() != secondHolder.socketPath());
    QCOMPARE(firstHolder.tryAcquire(), SingleInstance::HELD);
    QCOMPARE(secondHolder.tryAcquire(), SingleInstance::HELD);
    int nFirstShown = 0;
    int nSecondShown = 0;
    QVERIFY(firstHolder.listenForStarts([&nFirstShown] { ++nFirstShown; }));
    QVERIFY(secondHolder.listenForStarts([&nSecondShown] { ++nSecondShown; }));
    QVERIFY(askFromAnotherThread(second.path(), &nSecondShown));
    QCOMPARE(nFirstShown, 0);
}

// A holder that crashed left its socket file: the next holder makes its own in its place.
void TestLaterStarts::leftSocketTakenOver()
{
    QTemporaryDir dataDir;
    LinuxSingleInstance holder(dataDir.path());
    QFile left(holder.socketPath());
    QVERIFY(left.open(QIODevice::WriteOnly));
    left.close();
    QCOMPARE(holder.tryAcquire(), SingleInstance::HELD);
    int nShown = 0;
    QVERIFY2(holder.listenForStarts([&nShown] { ++nShown; }), qPrintable(holder.failureReason()));
    QVERIFY(askFromAnotherThread(dataDir.path(), &nShown));
}

void TestLaterStarts::otherTalkDropped_data()
{
    QTest::addColumn<QByteArray>("talk");
    QTest::newRow("another word") << QByteArray("exit\n");
    QTest::newRow("show with more") << QByteArray("show me\n");
    QTest::newRow("endless line") << QByteArray(4096, 's');
}

void TestLaterStarts::otherTalkDropped()
{
    QFETCH(QByteArray, talk);
    QTemporaryDir dataDir;
    LinuxSingleInstance holder(dataDir.path());
    QCOMPARE(holder.tryAcquire(), SingleInstance::HELD);
    int nShown = 0;
    QVERIFY(holder.listenForStarts([&nShown] { ++nShown; }));
    QLocalSocket socket;
    socket.connectToServer(holder.socketPath());
    QVERIFY(socket.waitForConnected(10000));
    socket.write(talk);
    QTRY_COMPARE_WITH_TIMEOUT(socket.state(), QLocalSocket::UnconnectedState, 30000);
    QCOMPARE(nShown, 0);
    QVERIFY(!socket.readAll().contains("shown"));
}

void TestLaterStarts::nobodyListening()
{
    QTemporaryDir dataDir;
    LinuxSingleInstance holder(dataDir.path());
    QCOMPARE(holder.tryAcquire(), SingleInstance::HELD);
    LinuxSingleInstance later(dataDir.path());
    QCOMPARE(later.tryAcquire(), SingleInstance::OTHER_RUNNING);
    QVERIFY(!later.askRunningToShow());
    QVERIFY(later.failureReason().contains("cannot be reached"));
}

void TestLaterStarts::onlyTheHolderListens()
{
    QTemporaryDir dataDir;
    LinuxSingleInstance holder(dataDir.path());
    QCOMPARE(holder.tryAcquire(), SingleInstance::HELD);
    QVERIFY(holder.listenForStarts([] {}));
    LinuxSingleInstance later(dataDir.path());
    QCOMPARE(later.tryAcquire(), SingleInstance::OTHER_RUNNING);
    // A later start never takes the holder's socket away.
    QVERIFY(!later.listenForStarts([] {}));
    QVERIFY(QFileInfo::exists(holder.socketPath()));
}

void TestLaterStarts::strangersNotAsked_data()
{
    QTest::addColumn<QString>("sSetup");
    QTest::addColumn<bool>("bRootOnly"); // another user's files need root to make
    QTest::addColumn<QString>("sWhy");   // what the failure says
    QTest::newRow("folder of another user")
        << "foreign folder" << true << "is not a private folder of this user (it belongs to the user with id";
    QTest::newRow("folder open to others")
        << "open folder" << false << "is not a private folder of this user (it is open to others: mode 0777)";
    QTest::newRow("folder is a link")
        << "linked folder" << false << "is not a private folder of this user (it is a link)";
    QTest::newRow("socket of another user") << "foreign socket" << true << "belongs to the user with id";
    QTest::newRow("socket served by another user")
        << "foreign listener" << true << "is served by a process of the user with id";
    QTest::newRow("socket is a link") << "linked socket" << false << "cannot be reached: the socket";
    QTest::newRow("answer dripping in") << "drip" << false << "did not answer within";
}

// With no runtime folder, the socket's folder in the temporary folder may have been made by someone else
// before the agent's first start, or the socket's place taken: a later start talks to none of that, ends
// by its deadline and says why. What answers slowly is left at the deadline.
void TestLaterStarts::strangersNotAsked()
{
    QFETCH(QString, sSetup);
    QFETCH(bool, bRootOnly);
    QFETCH(QString, sWhy);
    const struct passwd* pNobody = ::getpwnam("nobody");
    if (bRootOnly && (::getuid() != 0 || !pNobody))
        QSKIP("needs root and the user nobody");
    qunsetenv("XDG_RUNTIME_DIR");
    QTemporaryDir dataDir;
    LinuxSingleInstance holder(dataDir.path());
    QCOMPARE(holder.tryAcquire(), SingleInstance::HELD);
    const QString sFolder = QFileInfo(holder.socketPath()).path();
    const QString sName = QFileInfo(holder.socketPath()).fileName();
    const QByteArray folder = QFile::encodeName(sFolder);
    QTemporaryDir elsewhere(m_pTemp->path() + "/e-XXXXXX"); // the target of a link, short enough for a socket
    QVERIFY(QFile::setPermissions(elsewhere.path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    StandIn standIn(sSetup == "drip");
    ForeignListener foreign;

    if (sSetup == "linked folder") {
        QVERIFY(standIn.listen(elsewhere.path() + "/" + sName));
        QVERIFY(QFile::link(elsewhere.path(), sFolder));
    } else {
        QCOMPARE(::mkdir(folder.constData(), 0700), 0);
    }
    if (sSetup == "foreign folder" || sSetup == "open folder" || sSetup == "foreign socket" ||
        sSetup == "drip")
        QVERIFY(standIn.listen(holder.socketPath()));
    if (sSetup == "foreign folder")
        QCOMPARE(::chown(folder.constData(), pNobody->pw_uid, pNobody->pw_gid), 0);
    if (sSetup == "open folder")
        QCOMPARE(::chmod(folder.constData(), 0777), 0);
    if (sSetup == "foreign socket")
        QCOMPARE(
            ::chown(QFile::encodeName(holder.socketPath()).constData(), pNobody->pw_uid, pNobody->pw_gid), 0);
    if (sSetup == "foreign listener")
        QVERIFY(foreign.start(holder.socketPath(), pNobody->pw_uid, pNobody->pw_gid));
    if (sSetup == "linked socket") {
        QVERIFY(standIn.listen(elsewhere.path() + "/" + sName));
        QVERIFY(QFile::link(elsewhere.path() + "/" + sName, holder.socketPath()));
    }
    // The agent refuses such a folder for its own socket as well.
    if (sSetup.endsWith("folder")) {
        QVERIFY(!holder.listenForStarts([] {}));
        QVERIFY2(holder.failureReason().contains("is not a private folder of this user"),
                 qPrintable(holder.failureReason()));
    }

    QString sFailure;
    QVERIFY(!askFromAnotherThread(dataDir.path(), &sFailure));
    QVERIFY2(sFailure.contains(sWhy), qPrintable(sFailure));
    if (sSetup == "drip")
        QCOMPARE(standIn.heard(), QByteArray("show\n")); // ours, only slow
    else
        QCOMPARE(standIn.heard(), QByteArray());
    QCOMPARE(foreign.heard(), QByteArray());
}

// The agent meets starts while it can open no file for them: it takes them once it can again, and keeps
// its socket for the starts after.
void TestLaterStarts::listenerOutlastsFullFileTable()
{
    QTemporaryDir dataDir;
    LinuxSingleInstance holder(dataDir.path());
    QCOMPARE(holder.tryAcquire(), SingleInstance::HELD);
    int nShown = 0;
    QStringList troubles;
    QVERIFY(holder.listenForStarts([&nShown] { ++nShown; },
                                   [&troubles](const QString& sWhat) { troubles << sWhat; }));
    {
        FullFileTable full;
        QVERIFY(full.fill(holder.socketPath(), 4));
        // Either it says it cannot take them, or it has given up its socket.
        QTRY_VERIFY_WITH_TIMEOUT(!troubles.isEmpty() || !QFileInfo::exists(holder.socketPath()), 30000);
    }
    QVERIFY(askFromAnotherThread(dataDir.path(), &nShown));
    QVERIFY2(troubles.first().contains(qt_error_string(EMFILE)), qPrintable(troubles.join("; ")));
    // Told again once over, for a log that could not be written while no file could be opened.
    QVERIFY2(troubles.last().contains("later starts reach this agent again"),
             qPrintable(troubles.join("; ")));
    QVERIFY(troubles.last().contains(qt_error_string(EMFILE)));
}

void TestLaterStarts::lostSocketMadeAgain_data()
{
    QTest::addColumn<QString>("sLoss"); // "removed", "replaced" (by a file) or "folder removed"
    QTest::newRow("socket removed") << "removed";
    QTest::newRow("socket replaced by a file") << "replaced";
    QTest::newRow("folder removed") << "folder removed";
}

// A cleaner of the temporary folder, or a person, takes the socket away: the agent listens there again.
void TestLaterStarts::lostSocketMadeAgain()
{
    QFETCH(QString, sLoss);
    qunsetenv("XDG_RUNTIME_DIR");
    QTemporaryDir dataDir;
    LinuxSingleInstance holder(dataDir.path());
    QCOMPARE(holder.tryAcquire(), SingleInstance::HELD);
    int nShown = 0;
    QStringList troubles;
    QVERIFY(holder.listenForStarts([&nShown] { ++nShown; },
                                   [&troubles](const QString& sWhat) { troubles << sWhat; }));
    const QString sSocket = holder.socketPath();
    if (sLoss == "folder removed")
        QVERIFY(QDir(QFileInfo(sSocket).path()).removeRecursively());
    else
        QVERIFY(QFile::remove(sSocket));
    if (sLoss == "replaced") {
        QFile file(sSocket);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QTRY_VERIFY_WITH_TIMEOUT(troubles.size() >= 2, 30000);
    QVERIFY2(troubles.first().contains("was removed or replaced; listening there again"),
             qPrintable(troubles.join("; ")));
    QVERIFY(troubles.last().contains("later starts reach this agent again"));
    QCOMPARE(modeOf(sSocket) & 0777, mode_t(0600));
    QVERIFY(askFromAnotherThread(dataDir.path(), &nShown));
    holder.release();
    QVERIFY(!QFileInfo::exists(sSocket));
}

QTEST_GUILESS_MAIN(TestLaterStarts)
#include "tst_laterstarts.moc"
