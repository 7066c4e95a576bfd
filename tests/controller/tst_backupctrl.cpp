#include "backup/BackupFiles.h"
#include "backup/BackupRestoreParam.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "platform/ArchiveTool.h"
#include "platform/Platform.h"
#include "support/BackupTestDevice.h"
#include "support/ControllerTestDevices.h"
#include "support/FakeArchivePrograms.h"
#include "support/FakeClock.h"
#include "support/ImmutableFile.h"
#include "support/LiveWorkers.h"
#include "support/TestFolders.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QtTest>

#include <signal.h>

// Backup and restore driven through the controller with the real archive program, as the backup dialog
// drives them: the device arrives, the parameter string is built, the result reaches the windows once.
class TestBackupCtrl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void backupThenRestore();
    void stoppedBackupReportsNothing();
    void failedCommitIsAFailedBackup();

private:
    QList<int> waitForFinal(QSignalSpy& spy);
    QScopedPointer<TestFolders> m_pFolders;
    BackupTestDevice m_device;
    const QString m_sUUID = "0123456789ABCDEF";
};

void TestBackupCtrl::initTestCase()
{
    ControllerTestDevices::install();
    AgentTiming::set(AgentTiming::BACKUP_PART_PAUSE, 0);
    if (ArchiveTool::findProgram(QString()).isEmpty())
        QSKIP("No 7-Zip program (7z, 7zz or 7za) is installed; the set-up scripts install Debian's 7zip.");
    m_pFolders.reset(new TestFolders);
    QVERIFY(m_device.isValid());
    Worker::DEVINFOEX arrival;
    arrival.bArrival = true;
    arrival.type = 2;
    arrival.devInfo.sUUID = m_sUUID;
    arrival.lstDrive = m_device.drives();
    ZeqAgentCtrlMgr::getInstance()->notityWendoDev(arrival);
    QVERIFY(ZeqAgentCtrlMgr::getInstance()->isDevicePresent());
}

QList<int> TestBackupCtrl::waitForFinal(QSignalSpy& spy)
{
    QList<int> statuses;
    LiveWorkers workers;
    const bool bFinal = QTest::qWaitFor(
        [&] {
            for (; statuses.size() < spy.size();)
                statuses << int(spy.at(statuses.size()).at(0).value<ACTION_STATUS>());
            return !statuses.isEmpty() && statuses.last() != BACKUP_PROCESS &&
                   statuses.last() != RESTORE_PROCESS;
        },
        60000);
    if (!bFinal)
        return statuses;
    // A second final result would come from the worker before the controller deletes it.
    if (!workers.waitUntilNone())
        return statuses << -1;
    for (; statuses.size() < spy.size();)
        statuses << int(spy.at(statuses.size()).at(0).value<ACTION_STATUS>());
    return statuses;
}

void TestBackupCtrl::backupThenRestore()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    const QMap<QString, QByteArray> original = m_device.snapshot();
    FakeClock clock; // the date of the good backup is the clock's, not the day the test runs
    clock.setToday(QDate(2033, 7, 4));
    PlatformOverride platform;
    platform.setClock(&clock);
    QString sParam;
    QVERIFY(BackupRestoreParam::buildBackup(m_sUUID, pCtrl->currentDevice().lstDrive, &sParam));

    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    QVERIFY(pCtrl->backupDev(sParam));
    QCOMPARE(waitForFinal(finish), QList<int>({BACKUP_PROCESS, BACKUP_SUCCESS}));
    QCOMPARE(AgentSettings().getDeviceString(m_sUUID, "backuptime"), QString("2033/07/04"));
    // The windows hear of the good backup only once its archives carry their final names.
    for (const QString& sArchive : {BackupFiles::systemArchive(m_sUUID), BackupFiles::dataArchive(m_sUUID)}) {
        QVERIFY(QFileInfo(sArchive).size() > 0);
        QVERIFY(!QFile::exists(BackupFiles::tmpArchive(sArchive)));
    }

    QVERIFY(m_device.damage());
    QVERIFY(m_device.snapshot() != original);
    QVERIFY(BackupRestoreParam::buildRestore(m_sUUID, pCtrl->currentDevice().lstDrive, &sParam));
    finish.clear();
    QVERIFY(pCtrl->restoreDev(sParam));
    QCOMPARE(waitForFinal(finish), QList<int>({RESTORE_PROCESS, RESTORE_SUCCESS}));
    QCOMPARE(m_device.snapshot(), original);
}

void TestBackupCtrl::stoppedBackupReportsNothing()
{
    FakeArchivePrograms programs;
    PlatformOverride platform;
    platform.setArchiveProgram(programs.hanging());
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QString sParam;
    QVERIFY(BackupRestoreParam::buildBackup(m_sUUID, pCtrl->currentDevice().lstDrive, &sParam));
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    LiveWorkers workers;
    QVERIFY(pCtrl->backupDev(sParam));
    QTRY_VERIFY_WITH_TIMEOUT(programs.hangingPid() > 0, 20000);
    const qint64 nPid = programs.hangingPid();
    finish.clear();

    pCtrl->terminateBackup();
    // The stop is done when terminateBackup returns: the archive program is killed and reaped.
    const bool bKilled = !FakeArchivePrograms::isProcessAlive(nPid);
    if (!bKilled)
        ::kill(pid_t(nPid), SIGKILL); // a worker still running would now report its failed program
    // The stopped worker's late result must not reach the windows: none can come once it is gone.
    QVERIFY2(workers.waitUntilNone(), "the stopped worker is still alive");
    QVERIFY2(bKilled, "the archive program still runs after the stop");
    QCOMPARE(finish.count(), 0);
}

// The new archives cannot take the old ones' names (the old data archive may not be replaced): the
// windows hear a failed backup, no date is written and the previous backup is kept whole.
void TestBackupCtrl::failedCommitIsAFailedBackup()
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    AgentSettings().setDeviceValue(m_sUUID, "backuptime", QString());
    const QString sSys = BackupFiles::systemArchive(m_sUUID);
    const QString sData = BackupFiles::dataArchive(m_sUUID);
    QVERIFY(TestFolders::writeFile(sSys, "old sys"));
    QVERIFY(TestFolders::writeFile(sData, "old data"));
    ImmutableFile locked(sData);
    if (!locked.isLocked())
        QSKIP(qPrintable("cannot make a file immutable here: " + locked.why()));
    QString sParam;
    QVERIFY(BackupRestoreParam::buildBackup(m_sUUID, pCtrl->currentDevice().lstDrive, &sParam));
    QSignalSpy finish(pCtrl, &ZeqAgentCtrlMgr::actionFinish);

    QVERIFY(pCtrl->backupDev(sParam));

    QCOMPARE(waitForFinal(finish), QList<int>({BACKUP_PROCESS, BACKUP_FAIL}));
    QCOMPARE(AgentSettings().getDeviceString(m_sUUID, "backuptime"), QString());
    QVERIFY(locked.unlock());
    QCOMPARE(TestFolders::readFile(sSys), QByteArray("old sys"));
    QCOMPARE(TestFolders::readFile(sData), QByteArray("old data"));
}

QTEST_GUILESS_MAIN(TestBackupCtrl)
#include "tst_backupctrl.moc"
