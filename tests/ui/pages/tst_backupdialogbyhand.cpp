#include "WindowManagerClose.h"
#include "backup/BackupFiles.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentTiming.h"
#include "platform/Platform.h"
#include "support/BackupDialogFixture.h"
#include "support/FakeArchivePrograms.h"
#include "support/LiveWorkers.h"
#include "support/RealInput.h"
#include "support/TestFolders.h"
#include "support/UiFixture.h"
#include "ui/pages/BackupRestoreDailog.h"

#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

// The backup dialog on a display of its own while its 7z hangs: Escape and the window manager's close
// reach it through the X server as a person's do and are refused while the backup runs; a real click on
// Cancel stops the hanging 7z and ends the dialog with one result and no box.
class TestBackupDialogByHand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cancelByHandEndsAHangingBackup();

private:
    UiFixture m_ui;
};

void TestBackupDialogByHand::initTestCase()
{
    if (!RealInput::isAvailable())
        QSKIP(qPrintable("no display for real input: " + RealInput::unavailableReason()));
    AgentTiming::set(AgentTiming::BACKUP_PART_PAUSE, 0);
}

void TestBackupDialogByHand::cancelByHandEndsAHangingBackup()
{
    BackupDialogFixture fixture;
    fixture.plug();
    FakeArchivePrograms programs;
    m_ui.m_platform.setArchiveProgram(programs.hanging());
    QSignalSpy finish(ZeqAgentCtrlMgr::getInstance(), &ZeqAgentCtrlMgr::actionFinish);
    RealInput input;
    QVERIFY(input.isOpen());

    QStringList steps;
    auto byHand = [&](BackupRestoreDailog* pDialog) {
        QPushButton* pCancel = BackupDialogFixture::cancelButton(pDialog);
        if (!input.showWindow(pDialog) ||
            !QTest::qWaitFor([&] { return programs.hangingPid() > 0; }, 60000)) {
            steps << "not running";
            pDialog->done(-1);
            return;
        }
        steps << QString("Escape %1, visible %2").arg(input.key(Qt::Key_Escape)).arg(pDialog->isVisible());
        const bool bSent = sendWindowManagerClose(pDialog);
        input.sync();
        steps << QString("close %1, visible %2").arg(bSent).arg(pDialog->isVisible());
        steps << QString("click %1").arg(input.click(pCancel));
    };

    LiveWorkers workers;
    const int nResult = BackupDialogFixture::run(BackupRestoreDailog::MODE_BACKUP, false, false, byHand);

    QCOMPARE(steps, QStringList({"Escape 1, visible 1", "close 1, visible 1", "click 1"}));
    QCOMPARE(nResult, int(QDialog::Accepted));
    QVERIFY(!FakeArchivePrograms::isProcessAlive(programs.hangingPid()));
    // A late result of the stopped job would have reached the windows before its worker was deleted.
    QVERIFY(workers.waitUntilNone());
    QCoreApplication::sendPostedEvents();
    QCOMPARE(finish.count(), 0);
    QCOMPARE(m_ui.m_notifier.m_notices.size(), 0);
    QCOMPARE(BackupDialogFixture::backupFolder(), QStringList());
    m_ui.m_platform.setArchiveProgram(QString());
    BackupDialogFixture::unplug();
}

WENDO_REAL_INPUT_MAIN(TestBackupDialogByHand)
#include "tst_backupdialogbyhand.moc"
