#include "platform/LinuxSingleInstance.h"

#include <QFileInfo>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

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

private:
    // Asks from a thread of its own, as a second process would, while this one answers.
    static bool askFromAnotherThread(const QString& sLockDir, int* pShown);
    static mode_t modeOf(const QString& sPath);

    std::unique_ptr<QTemporaryDir> m_pRuntime;
    QByteArray m_savedRuntime;
};

void TestLaterStarts::init()
{
    m_savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    m_pRuntime.reset(new QTemporaryDir);
    QVERIFY(m_pRuntime->isValid());
    QVERIFY(QFile::setPermissions(m_pRuntime->path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_pRuntime->path()));
}

void TestLaterStarts::cleanup()
{
    if (m_savedRuntime.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", m_savedRuntime);
    m_pRuntime.reset();
}

mode_t TestLaterStarts::modeOf(const QString& sPath)
{
    struct stat info;
    return ::lstat(QFile::encodeName(sPath).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

bool TestLaterStarts::askFromAnotherThread(const QString& sLockDir, int* pShown)
{
    bool bAnswered = false;
    std::unique_ptr<QThread> pThread(QThread::create([&bAnswered, sLockDir] {
        LinuxSingleInstance later(sLockDir);
        bAnswered = later.tryAcquire() == SingleInstance::OTHER_RUNNING && later.askRunningToShow();
    }));
    const int nBefore = *pShown;
    pThread->start();
    // This thread answers meanwhile; the asker's guards end it in any case.
    if (!QTest::qWaitFor([&pThread] { return pThread->isFinished(); }, 30000))
        return false;
    return bAnswered && *pShown == nBefore + 1;
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
    QTest::addColumn<QString>("sRuntime"); // "private", "open" (0755) or "unset"
    QTest::newRow("runtime folder") << "private";
    QTest::newRow("runtime folder open to others") << "open";
    QTest::newRow("no runtime folder") << "unset";
}

// In the desktop's runtime folder where it is private; otherwise in a folder of the user's own in the
// temporary folder, made private.
void TestLaterStarts::socketIsPrivate()
{
    QFETCH(QString, sRuntime);
    if (sRuntime == "open")
        QVERIFY(QFile::setPermissions(m_pRuntime->path(), QFile::permissions(m_pRuntime->path()) |
                                                              QFileDevice::ReadOther |
                                                              QFileDevice::ExeOther));
    if (sRuntime == "unset")
        qunsetenv("XDG_RUNTIME_DIR");
    QTemporaryDir dataDir;
    LinuxSingleInstance holder(dataDir.path());
    QCOMPARE(holder.tryAcquire(), SingleInstance::HELD);
    QVERIFY2(holder.listenForStarts([] {}), qPrintable(holder.failureReason()));
    const QString sFolder = QFileInfo(holder.socketPath()).path();
    if (sRuntime == "private")
        QCOMPARE(sFolder, m_pRuntime->path());
    else
        QCOMPARE(sFolder, QDir::tempPath() + "/WendoAgent-" + QString::number(::getuid()));
    QCOMPARE(modeOf(sFolder) & 077, mode_t(0));
    QCOMPARE(modeOf(holder.socketPath()) & 0777, mode_t(0600));
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

QTEST_GUILESS_MAIN(TestLaterStarts)
#include "tst_laterstarts.moc"
