#include "platform/LinuxSingleInstance.h"
#include "support/SystemTools.h"
#include "support/TestFolders.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

// The per-user lock file: who counts as its owner, what is taken over, and why a lock cannot be made.
// The real program started against such files is in tests/ui/main.
class TestLinuxSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondHolderRefused();
    void staleLockTakenOver();
    void leftLockTakenOver_data();
    void leftLockTakenOver();
    void liveOwnerRespected_data();
    void liveOwnerRespected();
    void cannotLock_data();
    void cannotLock();
    void missingFolderCreated();
    void releaseRemovesFile();
    void releaseLeavesAnotherHoldersFile();

private:
    static QByteArray ownLine();
    static mode_t modeOf(const QString& sPath);
};

QByteArray TestLinuxSingleInstance::ownLine()
{
    return QByteArray::number(QCoreApplication::applicationPid()) + "\nWendoAgent\n" +
           QSysInfo::machineHostName().toUtf8() + "\n";
}

mode_t TestLinuxSingleInstance::modeOf(const QString& sPath)
{
    struct stat info;
    return ::lstat(QFile::encodeName(sPath).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

void TestLinuxSingleInstance::secondHolderRefused()
{
    QTemporaryDir dir;
    LinuxSingleInstance first(dir.path());
    LinuxSingleInstance second(dir.path());
    QCOMPARE(first.lockPath(), dir.path() + "/WendoAgent.lock");
    QCOMPARE(first.tryAcquire(), SingleInstance::HELD);
    QCOMPARE(first.tryAcquire(), SingleInstance::HELD); // held already
    QCOMPARE(second.tryAcquire(), SingleInstance::OTHER_RUNNING);
    QVERIFY(second.failureReason().isEmpty());
    first.release();
    QCOMPARE(second.tryAcquire(), SingleInstance::HELD);
}

// A lock file whose process has ended, as a crashed agent leaves it.
void TestLinuxSingleInstance::staleLockTakenOver()
{
    QTemporaryDir dir;
    const qint64 nDeadPid = SystemTools::endedPid();
    QVERIFY(nDeadPid > 0);
    QVERIFY(TestFolders::writeFile(dir.path() + "/WendoAgent.lock",
                                   QByteArray::number(nDeadPid) + "\nWendoAgent\n" +
                                       QSysInfo::machineHostName().toUtf8() + "\n"));
    LinuxSingleInstance lock(dir.path());
    QCOMPARE(lock.tryAcquire(), SingleInstance::HELD);
    QVERIFY(TestFolders::readFile(lock.lockPath())
                .startsWith(QByteArray::number(QCoreApplication::applicationPid()) + "\n"));
}

// Whatever a file nobody holds contains, it is taken over, rewritten whole with our owner line and made
// private.
void TestLinuxSingleInstance::leftLockTakenOver_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    // A power cut right after the file was made.
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\xff\xfe\x00\x01zz\n\n\x7f", 9);
    QTest::newRow("no number") << QByteArray("WendoAgent\n" + host + "\n");
    QTest::newRow("negative pid") << QByteArray("-5\nWendoAgent\n" + host + "\n");
    QTest::newRow("dead pid") << QByteArray::number(SystemTools::endedPid()) + "\nWendoAgent\n" + host + "\n";
    // A number now used by another process (after a reboot): alive, but it holds no lock.
    QTest::newRow("reused pid") << QByteArray("1\nWendoAgent\n" + host + "\n");
    QTest::newRow("longer than ours") << QByteArray(100000, '7');
}

void TestLinuxSingleInstance::leftLockTakenOver()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString sPath = dir.path() + "/WendoAgent.lock";
    QVERIFY(TestFolders::writeFile(sPath, content));
    QVERIFY(QFile::setPermissions(sPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ReadGroup | QFileDevice::ReadOther));

    LinuxSingleInstance lock(dir.path());
    QCOMPARE(lock.tryAcquire(), SingleInstance::HELD);
    QVERIFY(lock.failureReason().isEmpty());
    QCOMPARE(TestFolders::readFile(sPath), ownLine());
    QCOMPARE(modeOf(sPath), mode_t(0600));
    // And it is a real lock again.
    LinuxSingleInstance second(dir.path());
    QCOMPARE(second.tryAcquire(), SingleInstance::OTHER_RUNNING);
}

// A running owner keeps its lock whatever its file says; the file is left as it is.
void TestLinuxSingleInstance::liveOwnerRespected_data()
{
    QTest::addColumn<bool>("bOtherProcess");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("this process") << false << QByteArray();
    QTest::newRow("another process") << true << QByteArray("12\nWendoAgent\nsomewhere\n");
    QTest::newRow("another process, empty file") << true << QByteArray();
}

void TestLinuxSingleInstance::liveOwnerRespected()
{
    QFETCH(bool, bOtherProcess);
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString sPath = dir.path() + "/WendoAgent.lock";
    LinuxSingleInstance own(dir.path());
    QProcess owner;
    if (bOtherProcess) {
        QVERIFY(TestFolders::writeFile(sPath, content));
        // One process holding the same kind of lock the agent holds (flock(1) on its own descriptor).
        owner.start("sh",
                    {"-c", "exec 9>>\"$0\" && flock --exclusive 9 && echo locked && exec sleep 600", sPath});
        QVERIFY(owner.waitForStarted(20000));
        QVERIFY2(owner.waitForReadyRead(20000), owner.readAllStandardError().constData());
        QCOMPARE(owner.readAllStandardOutput(), QByteArray("locked\n"));
    } else {
        QCOMPARE(own.tryAcquire(), SingleInstance::HELD);
        content = TestFolders::readFile(sPath);
    }

    LinuxSingleInstance later(dir.path());
    QCOMPARE(later.tryAcquire(), SingleInstance::OTHER_RUNNING);
    QVERIFY(later.failureReason().isEmpty());
    QCOMPARE(TestFolders::readFile(sPath), content);

    // Once the owner is gone its lock is free.
    if (bOtherProcess) {
        owner.kill();
        QVERIFY(owner.waitForFinished(20000));
    } else {
        own.release();
    }
    QCOMPARE(later.tryAcquire(), SingleInstance::HELD);
}

// No lock can be made here at all: the reason names the path and what is wrong, and nothing hangs.
void TestLinuxSingleInstance::cannotLock_data()
{
    QTest::addColumn<QString>("sSetup");
    QTest::addColumn<QString>("sReason"); // %1 = the temporary folder
    QTest::newRow("folder under a file")
        << "file"
        << "the data folder \"%1/file/WendoAgent\" cannot be created (Not a directory)";
    QTest::newRow("lock is a folder") << "folder"
                                      << "the lock file \"%1/WendoAgent/WendoAgent.lock\" cannot be created "
                                         "(Is a directory)";
    QTest::newRow("lock is a FIFO")
        << "fifo"
        << "the lock file \"%1/WendoAgent/WendoAgent.lock\" is not a regular file";
    QTest::newRow("lock is a link")
        << "link"
        << "the lock file \"%1/WendoAgent/WendoAgent.lock\" is a link, not a file";
}

void TestLinuxSingleInstance::cannotLock()
{
    QFETCH(QString, sSetup);
    QFETCH(QString, sReason);
    QTemporaryDir dir;
    QString sLockDir = dir.path() + "/WendoAgent";
    const QByteArray lockPath = QFile::encodeName(sLockDir + "/WendoAgent.lock");
    if (sSetup == "file") {
        QVERIFY(TestFolders::writeFile(dir.path() + "/file", "x"));
        sLockDir = dir.path() + "/file/WendoAgent";
    } else if (sSetup == "folder") {
        QVERIFY(QDir().mkpath(QString::fromLocal8Bit(lockPath)));
    } else if (sSetup == "fifo") {
        QVERIFY(QDir().mkpath(sLockDir));
        QCOMPARE(::mkfifo(lockPath.constData(), 0600), 0);
    } else if (sSetup == "link") {
        QVERIFY(TestFolders::writeFile(dir.path() + "/target", "1\nWendoAgent\nhost\n"));
        QVERIFY(QDir().mkpath(sLockDir));
        QCOMPARE(::symlink(QFile::encodeName(dir.path() + "/target").constData(), lockPath.constData()), 0);
    }

    LinuxSingleInstance lock(sLockDir);
    QCOMPARE(lock.tryAcquire(), SingleInstance::CANNOT_LOCK);
    QCOMPARE(lock.failureReason(), sReason.arg(dir.path()));
    if (sSetup == "link")
        QCOMPARE(TestFolders::readFile(dir.path() + "/target"), QByteArray("1\nWendoAgent\nhost\n"));
}

// Missing folders are made on the way, private.
void TestLinuxSingleInstance::missingFolderCreated()
{
    QTemporaryDir dir;
    LinuxSingleInstance lock(dir.path() + "/new/WendoAgent");
    QCOMPARE(lock.tryAcquire(), SingleInstance::HELD);
    QCOMPARE(modeOf(dir.path() + "/new"), mode_t(0700));
    QCOMPARE(modeOf(dir.path() + "/new/WendoAgent"), mode_t(0700));
    QCOMPARE(modeOf(lock.lockPath()), mode_t(0600));
}

void TestLinuxSingleInstance::releaseRemovesFile()
{
    QTemporaryDir dir;
    {
        LinuxSingleInstance lock(dir.path());
        QCOMPARE(lock.tryAcquire(), SingleInstance::HELD);
        QVERIFY(QFile::exists(lock.lockPath()));
        lock.release();
        QVERIFY(!QFile::exists(lock.lockPath()));
        QCOMPARE(lock.tryAcquire(), SingleInstance::HELD);
    }
    // Ending the holder releases it too.
    QVERIFY(!QFile::exists(dir.path() + "/WendoAgent.lock"));
}

// The lock file was removed while the agent ran (a cleaner, a person) and a second agent has started with
// a new one: when the first ends, the second's file and lock stay, so a third start is still refused.
void TestLinuxSingleInstance::releaseLeavesAnotherHoldersFile()
{
    QTemporaryDir dir;
    LinuxSingleInstance first(dir.path());
    QCOMPARE(first.tryAcquire(), SingleInstance::HELD);
    QVERIFY(QFile::remove(first.lockPath()));
    LinuxSingleInstance second(dir.path());
    QCOMPARE(second.tryAcquire(), SingleInstance::HELD);
    first.release();
    QCOMPARE(TestFolders::readFile(second.lockPath()), ownLine());
    LinuxSingleInstance third(dir.path());
    QCOMPARE(third.tryAcquire(), SingleInstance::OTHER_RUNNING);
}

QTEST_GUILESS_MAIN(TestLinuxSingleInstance)
#include "tst_linuxsingleinstance.moc"
