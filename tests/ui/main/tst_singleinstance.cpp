#include "platform/FakeSingleInstance.h"
#include "platform/LinuxSingleInstance.h"
#include "support/TestFolders.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The per-user lock in one process; the program started twice is in tst_program.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondHolderRefused();
    void staleLockTakenOver();
    void missingFolderCreated();
    void fake();
};

void TestSingleInstance::secondHolderRefused()
{
    QTemporaryDir dir;
    LinuxSingleInstance first(dir.path());
    LinuxSingleInstance second(dir.path());
    QCOMPARE(first.lockPath(), dir.path() + "/WendoAgent.lock");
    QVERIFY(first.tryAcquire());
    QVERIFY(first.tryAcquire()); // held already
    QVERIFY(!second.tryAcquire());
    first.release();
    QVERIFY(second.tryAcquire());
}

// A lock file whose process has ended, as a crashed agent leaves it.
void TestSingleInstance::staleLockTakenOver()
{
    QTemporaryDir dir;
    QProcess gone;
    gone.start("true", QStringList());
    QVERIFY(gone.waitForStarted(20000));
    const qint64 nDeadPid = gone.processId();
    QVERIFY(gone.waitForFinished(20000));
    QVERIFY(TestFolders::writeFile(dir.path() + "/WendoAgent.lock",
                                   QByteArray::number(nDeadPid) + "\nWendoAgent\n" +
                                       QSysInfo::machineHostName().toUtf8() + "\n"));
    LinuxSingleInstance lock(dir.path());
    QVERIFY(lock.tryAcquire());
    QVERIFY(TestFolders::readFile(lock.lockPath())
                .startsWith(QByteArray::number(QCoreApplication::applicationPid()) + "\n"));
}

void TestSingleInstance::missingFolderCreated()
{
    QTemporaryDir dir;
    LinuxSingleInstance lock(dir.path() + "/new/WendoAgent");
    QVERIFY(lock.tryAcquire());
}

void TestSingleInstance::fake()
{
    FakeSingleInstance lock;
    lock.m_bOtherRunning = true;
    QVERIFY(!lock.tryAcquire());
    lock.m_bOtherRunning = false;
    QVERIFY(lock.tryAcquire());
    QVERIFY(lock.isHeld());
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
