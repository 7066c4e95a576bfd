#include "backup/BackupFiles.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "platform/ArchiveTool.h"
#include "platform/Platform.h"
#include "support/BackupDialogFixture.h"
#include "support/FakeArchivePrograms.h"
#include "support/FakeClock.h"
#include "support/ImmutableFile.h"
#include "support/LiveWorkers.h"
#include "support/TestFolders.h"
#include "support/UiFixture.h"
#include "ui/pages/BackupRestoreDailog.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace
{
const QString g_sKeepEntries = "<file>Zeq_system\\HDD\\APP\\user.dat</file>"
                               "<folder>Zeq_system/HDD/APP/Favorites</folder>"
                               "<file>Zeq_data\\Korvo\\Settings\\user.cfg</file>";
const QString g_sBackupDone = "Device backup|Backup completed successfully";
const QString g_sBackupFailed =
    "Device backup|Backup failed. Please ensure that your Wendo 500 is still connected "
    "to your computer. If this problem persists, contact Zeq support.";
const QString g_sRestoreDone = "Device restore|Restored successfully";
const QString g_sRestoreFailed = "Device restore|Restore failed. Please ensure that your Wendo 500 is still "
                                 "connected to your computer. If this problem persists, contact Zeq support.";

// How a job goes wrong: the archive program in use, and what happens to the device meanwhile.
enum class Trouble { Missing, Failing, DiskFull, DataPartFails, CommitFails, DriveLeaves, DeviceLeaves };
} // namespace

Q_DECLARE_METATYPE(Trouble)

// The backup and restore dialog on a device in temporary folders, with the real controller, the real
// 7z and fake archive programs that fail, hang or lose the device half way. Every job ends with one
// result; a failed or cancelled backup keeps the previous archives byte for byte and leaves no
// temporary archive, no staging folder and no new backup date.
class TestBackupDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void form();
    void backupThenRestore_data();
    void backupThenRestore();
    void backupFails_data();
    void backupFails();
    void restoreFails_data();
    void restoreFails();
    void cancelStopsAHangingBackup();
    void refusedBeforeAnythingStarts_data();
    void refusedBeforeAnythingStarts();
    void backupBeforeUpdateOpensTheInstall_data();
    void backupBeforeUpdateOpensTheInstall();
    void failedBackupBeforeUpdateOpensNothing();

private:
    QStringList notices() const;
    QList<int> finals() const;
    // A committed backup of the device made through the dialog, the date then set back.
    bool makeGoodBackup();
    QString programFor(Trouble trouble);
    void oldArchives(QByteArray* pSys, QByteArray* pData) const;

    UiFixture m_ui;
    std::unique_ptr<BackupDialogFixture> m_pFixture;
    std::unique_ptr<FakeArchivePrograms> m_pPrograms;
    std::unique_ptr<QSignalSpy> m_pFinish;
    QString m_sRealProgram;
};

void TestBackupDialog::initTestCase()
{
    m_sRealProgram = ArchiveTool::findProgram(QString());
    if (m_sRealProgram.isEmpty())
        QSKIP("No 7-Zip program (7z, 7zz or 7za) is installed; the set-up scripts install Debian's 7zip.");
    AgentTiming::set(AgentTiming::BACKUP_PART_PAUSE, 0);
    AgentTiming::set(AgentTiming::BACKUP_DONE_PAUSE, 50);
}

void TestBackupDialog::init()
{
    QDir(BackupFiles::backupDir()).removeRecursively();
    m_pFixture.reset(new BackupDialogFixture);
    m_pPrograms.reset(new FakeArchivePrograms);
    m_pFixture->plug();
    AgentSettings().setDeviceValue(BackupDialogFixture::uuid(), "backuptime", QString());
    m_ui.m_notifier.m_notices.clear();
    m_ui.m_notifier.m_whileOpen = nullptr;
    m_pFinish.reset(new QSignalSpy(ZeqAgentCtrlMgr::getInstance(), &ZeqAgentCtrlMgr::actionFinish));
}

void TestBackupDialog::cleanup()
{
    m_ui.m_platform.setArchiveProgram(QString());
    m_ui.m_notifier.m_whileOpen = nullptr;
    m_pFinish.reset();
    BackupDialogFixture::unplug();
    m_pFixture.reset();
}

QStringList TestBackupDialog::notices() const
{
    QStringList lst;
    for (const RecordingNotifier::Notice& notice : m_ui.m_notifier.m_notices) {
        lst << notice.sTitle + "|" + notice.sText;
        if (notice.format != Notifier::PLAIN_TEXT)
            lst << "not plain text";
    }
    return lst;
}

QList<int> TestBackupDialog::finals() const
{
    QList<int> lst;
    for (const QList<QVariant>& args : *m_pFinish) {
        const int nStatus = int(args.at(0).value<ACTION_STATUS>());
        if (nStatus == BACKUP_SUCCESS || nStatus == BACKUP_FAIL || nStatus == RESTORE_SUCCESS ||
            nStatus == RESTORE_FAIL)
            lst << nStatus;
    }
    return lst;
}

bool TestBackupDialog::makeGoodBackup()
{
    const bool bOk = BackupDialogFixture::run(BackupRestoreDailog::MODE_BACKUP) == QDialog::Accepted &&
                     notices() == QStringList({g_sBackupDone}) &&
                     BackupDialogFixture::backupFolder() == BackupDialogFixture::committedArchives();
    m_ui.m_notifier.m_notices.clear();
    m_pFinish->clear();
    AgentSettings().setDeviceValue(BackupDialogFixture::uuid(), "backuptime", "2001/01/01");
    return bOk;
}

void TestBackupDialog::oldArchives(QByteArray* pSys, QByteArray* pData) const
{
    *pSys = TestFolders::readFile(BackupFiles::systemArchive(BackupDialogFixture::uuid()));
    *pData = TestFolders::readFile(BackupFiles::dataArchive(BackupDialogFixture::uuid()));
}

QString TestBackupDialog::programFor(Trouble trouble)
{
    const QString sReal = "'" + m_sRealProgram + "'";
    const QString sDataRoot = QDir::cleanPath(m_pFixture->device().dataRoot());
    switch (trouble) {
    case Trouble::Missing:
        return m_pPrograms->missing();
    case Trouble::Failing:
        return m_pPrograms->failing(2);
    case Trouble::DiskFull:
        // The file size limit stops every write past the first 512 bytes, as a full disk would.
        return m_pPrograms->script("7z-full", "ulimit -f 1\nexec " + sReal + " \"$@\"\n");
    case Trouble::DataPartFails:
        return m_pPrograms->script("7z-datafails",
                                   "case \"$*\" in *-data_tmp.7z*|x*-data.7z*) exit 2;; esac\nexec " + sReal +
                                       " \"$@\"\n");
    case Trouble::DriveLeaves:
        // A backup loses the data drive when its data part starts and meets a missing folder; a restore
        // loses it as soon as the system part is written back.
        return m_pPrograms->script(
            "7z-unplug", QString("case \"$*\" in\n"
                                 "  *-data_tmp.7z*) mv '%1' '%1.gone'; exec %2 \"$@\";;\n"
                                 "  x*-sys.7z*) %2 \"$@\"; code=$?; mv '%1' '%1.gone'; exit $code;;\n"
                                 "esac\nexec %2 \"$@\"\n")
                             .arg(sDataRoot, sReal));
    case Trouble::CommitFails:
    case Trouble::DeviceLeaves:
        break;
    }
    return m_sRealProgram;
}

void TestBackupDialog::form()
{
    BackupDialogFixture::unplug(); // the dialog refuses at once and shows its box only inside exec
    BackupRestoreDailog dialog(BackupRestoreDailog::MODE_BACKUP, false, false, nullptr);
    QCOMPARE(dialog.objectName(), QString("BacukupRestoreDailog"));
    QCOMPARE(dialog.size(), QSize(593, 115));
    QCOMPARE(dialog.windowTitle(), QString("Backup"));
    QVERIFY(!dialog.testAttribute(Qt::WA_QuitOnClose));
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    auto* pInfo = dialog.findChild<QLabel*>("label_info");
    auto* pBackground = dialog.findChild<QLabel*>("label");
    auto* pBar = dialog.findChild<QProgressBar*>("progressBar");
    auto* pCancel = dialog.findChild<QPushButton*>("btn_cancel");
    QVERIFY(pInfo && pBackground && pBar && pCancel && dialog.findChild<QWidget*>("horizontalLayoutWidget"));
    QCOMPARE(pInfo->geometry(), QRect(20, 10, 561, 50));
    QCOMPARE(pInfo->font().family(), QString("Arial"));
    QCOMPARE(pInfo->font().pointSize(), 12);
    QVERIFY(pInfo->wordWrap());
    QCOMPARE(pInfo->text(), QString("Back up in progress... Please do not disconnect your device."));
    QCOMPARE(pBackground->geometry(), QRect(0, 0, 591, 121));
    QVERIFY(pBackground->hasScaledContents());
    QCOMPARE(dialog.findChild<QWidget*>("horizontalLayoutWidget")->geometry(), QRect(20, 49, 561, 61));
    QCOMPARE(pBar->minimumSize(), QSize(300, 30));
    QCOMPARE(pBar->value(), 0);
    QCOMPARE(pBar->format(), QString());
    QCOMPARE(pCancel->minimumSize(), QSize(130, 45));
    QCOMPARE(pCancel->text(), QString("Cancel"));
    QVERIFY(pCancel->styleSheet().contains("border-image: url(:/res/button_n_w.png); color: #373737"));
    // The background lies under the texts it carries.
    QVERIFY(dialog.children().indexOf(pBackground) < dialog.children().indexOf(pInfo));
}

void TestBackupDialog::backupThenRestore_data()
{
    QTest::addColumn<bool>("keepList");
    QTest::newRow("without keep list") << false;
    QTest::newRow("with keep list") << true;
}

void TestBackupDialog::backupThenRestore()
{
    QFETCH(bool, keepList);
    BackupTestDevice& device = m_pFixture->device();
    if (keepList)
        QVERIFY(device.addKeepList(g_sKeepEntries));
    const QMap<QString, QByteArray> original = device.snapshot();
    FakeClock clock;
    clock.setToday(QDate(2033, 7, 4));
    PlatformOverride platform;
    platform.setClock(&clock);

    QStringList seen;
    auto look = [&seen](BackupRestoreDailog* pDialog) {
        seen << pDialog->windowTitle() << pDialog->findChild<QLabel*>("label_info")->text()
             << QString("cancel shown %1")
                    .arg(BackupDialogFixture::cancelButton(pDialog)->isVisibleTo(pDialog));
    };
    QCOMPARE(BackupDialogFixture::run(BackupRestoreDailog::MODE_BACKUP, false, false, look),
             int(QDialog::Accepted));
    QCOMPARE(notices(), QStringList({g_sBackupDone}));
    QCOMPARE(finals(), QList<int>({BACKUP_SUCCESS}));
    QCOMPARE(BackupDialogFixture::backupTime(), QString("2033/07/04"));
    QCOMPARE(BackupDialogFixture::backupFolder(), BackupDialogFixture::committedArchives());
    QCOMPARE(device.snapshot(), original);

    QVERIFY(device.damage(!keepList));
    m_ui.m_notifier.m_notices.clear();
    m_pFinish->clear();
    QCOMPARE(BackupDialogFixture::run(BackupRestoreDailog::MODE_RESTORE, false, false, look),
             int(QDialog::Accepted));
    QCOMPARE(notices(), QStringList({g_sRestoreDone}));
    QCOMPARE(finals(), QList<int>({RESTORE_SUCCESS}));
    QCOMPARE(device.snapshot(), original);
    QCOMPARE(BackupDialogFixture::backupFolder(), BackupDialogFixture::committedArchives());
    QCOMPARE(seen, QStringList({"Backup", "Back up in progress... Please do not disconnect your device.",
                                "cancel shown 1", "Restore",
                                "Restoring... Please do not disconnect your device.", "cancel shown 0"}));
}

void TestBackupDialog::backupFails_data()
{
    QTest::addColumn<Trouble>("trouble");
    QTest::newRow("7z missing") << Trouble::Missing;
    QTest::newRow("7z fails") << Trouble::Failing;
    QTest::newRow("disk full") << Trouble::DiskFull;
    QTest::newRow("data part fails") << Trouble::DataPartFails;
    QTest::newRow("commit fails") << Trouble::CommitFails;
    QTest::newRow("unplugged mid-backup") << Trouble::DriveLeaves;
}

void TestBackupDialog::backupFails()
{
    QFETCH(Trouble, trouble);
    QVERIFY(m_pFixture->device().addKeepList(g_sKeepEntries)); // a staging folder to clean up
    QVERIFY(makeGoodBackup());
    QByteArray sys, data;
    oldArchives(&sys, &data);
    std::unique_ptr<ImmutableFile> pLocked;
    if (trouble == Trouble::CommitFails) {
        pLocked.reset(new ImmutableFile(BackupFiles::dataArchive(BackupDialogFixture::uuid())));
        if (!pLocked->isLocked())
            QSKIP(qPrintable("cannot make a file immutable here: " + pLocked->why()));
    }
    m_ui.m_platform.setArchiveProgram(programFor(trouble));
    // The device leaves once its system part is archived.
    QMetaObject::Connection leave;
    if (trouble == Trouble::DriveLeaves)
        leave = connect(ZeqAgentCtrlMgr::getInstance(), &ZeqAgentCtrlMgr::actionFinish, this,
                        [](ACTION_STATUS status) {
                            if (status == BACKUP_PROCESS)
                                BackupDialogFixture::unplug();
                        });
    // Results that come while the box is open are not a second result.
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    m_ui.m_notifier.m_whileOpen = [pCtrl] {
        pCtrl->slotHandleResults(BACKUP_SUCCESS, QString());
        pCtrl->slotHandleResults(BACKUP_FAIL, QString());
    };

    const int nResult = BackupDialogFixture::run(BackupRestoreDailog::MODE_BACKUP);
    disconnect(leave);
    if (pLocked)
        QVERIFY(pLocked->unlock());

    QCOMPARE(nResult, int(QDialog::Accepted));
    QCOMPARE(notices(), QStringList({g_sBackupFailed}));
    QCOMPARE(finals(), QList<int>({BACKUP_FAIL, BACKUP_SUCCESS, BACKUP_FAIL}));
    QCOMPARE(BackupDialogFixture::backupTime(), QString("2001/01/01"));
    QCOMPARE(BackupDialogFixture::backupFolder(), BackupDialogFixture::committedArchives());
    QByteArray sysAfter, dataAfter;
    oldArchives(&sysAfter, &dataAfter);
    QVERIFY(sysAfter == sys);
    QVERIFY(dataAfter == data);
}

void TestBackupDialog::restoreFails_data()
{
    QTest::addColumn<Trouble>("trouble");
    QTest::addColumn<int>("final");
    QTest::newRow("7z missing") << Trouble::Missing << int(RESTORE_FAIL);
    QTest::newRow("7z fails") << Trouble::Failing << int(RESTORE_FAIL);
    QTest::newRow("disk full") << Trouble::DiskFull << int(RESTORE_FAIL);
    QTest::newRow("data part fails") << Trouble::DataPartFails << int(RESTORE_FAIL);
    QTest::newRow("unplugged mid-restore") << Trouble::DriveLeaves << int(RESTORE_FAIL);
    // The drives stay readable but the device is gone (a hub's reset): the late success is no success.
    QTest::newRow("device leaves mid-restore") << Trouble::DeviceLeaves << int(RESTORE_SUCCESS);
}

void TestBackupDialog::restoreFails()
{
    QFETCH(Trouble, trouble);
    QFETCH(int, final);
    BackupTestDevice& device = m_pFixture->device();
    QVERIFY(makeGoodBackup());
    QVERIFY(device.damage());
    const QMap<QString, QByteArray> systemBefore = BackupTestDevice::snapshot(device.systemRoot());
    const QMap<QString, QByteArray> dataBefore = BackupTestDevice::snapshot(device.dataRoot());
    QByteArray sys, data;
    oldArchives(&sys, &data);
    m_ui.m_platform.setArchiveProgram(programFor(trouble));
    QMetaObject::Connection leave;
    if (trouble == Trouble::DriveLeaves || trouble == Trouble::DeviceLeaves)
        leave = connect(ZeqAgentCtrlMgr::getInstance(), &ZeqAgentCtrlMgr::actionFinish, this,
                        [](ACTION_STATUS status) {
                            if (status == RESTORE_PROCESS)
                                BackupDialogFixture::unplug();
                        });

    const int nResult = BackupDialogFixture::run(BackupRestoreDailog::MODE_RESTORE);
    disconnect(leave);

    QCOMPARE(nResult, int(QDialog::Accepted));
    QCOMPARE(notices(), QStringList({g_sRestoreFailed}));
    QCOMPARE(finals(), QList<int>({final}));
    QByteArray sysAfter, dataAfter;
    oldArchives(&sysAfter, &dataAfter);
    QVERIFY(sysAfter == sys);
    QVERIFY(dataAfter == data);
    if (trouble == Trouble::DeviceLeaves)
        return; // the files were written before the device was missed
    QVERIFY(BackupTestDevice::snapshot(device.systemRoot()) == systemBefore);
    if (trouble == Trouble::DriveLeaves) {
        // The drive that left is not made again where it was mounted.
        QVERIFY(!QFileInfo::exists(device.dataRoot()));
        return;
    }
    QVERIFY(BackupTestDevice::snapshot(device.dataRoot()) == dataBefore);
}

void TestBackupDialog::cancelStopsAHangingBackup()
{
    QVERIFY(m_pFixture->device().addKeepList(g_sKeepEntries));
    QVERIFY(makeGoodBackup());
    QByteArray sys, data;
    oldArchives(&sys, &data);
    m_ui.m_platform.setArchiveProgram(m_pPrograms->hanging());
    FakeArchivePrograms* pPrograms = m_pPrograms.get();
    QStringList steps;
    auto cancel = [pPrograms, &steps](BackupRestoreDailog* pDialog) {
        if (!QTest::qWaitFor([pPrograms] { return pPrograms->hangingPid() > 0; }, 60000)) {
            steps << "7z never started";
            return;
        }
        QVERIFY(QFileInfo::exists(BackupFiles::stagingDir()));
        QTest::keyClick(pDialog, Qt::Key_Escape);
        steps << QString("after Escape visible %1").arg(pDialog->isVisible());
        QTest::mouseClick(BackupDialogFixture::cancelButton(pDialog), Qt::LeftButton);
        steps << QString("after Cancel visible %1").arg(pDialog->isVisible());
    };

    LiveWorkers workers;
    const int nResult = BackupDialogFixture::run(BackupRestoreDailog::MODE_BACKUP, false, false, cancel);

    QCOMPARE(steps, QStringList({"after Escape visible 1", "after Cancel visible 0"}));
    QCOMPARE(nResult, int(QDialog::Accepted));
    QVERIFY(!FakeArchivePrograms::isProcessAlive(m_pPrograms->hangingPid()));
    // A late result of the stopped job would have reached the windows before its worker was deleted.
    QVERIFY(workers.waitUntilNone());
    QCoreApplication::sendPostedEvents();
    QCOMPARE(notices(), QStringList());
    QCOMPARE(finals(), QList<int>());
    QCOMPARE(BackupDialogFixture::backupTime(), QString("2001/01/01"));
    QCOMPARE(BackupDialogFixture::backupFolder(), BackupDialogFixture::committedArchives());
    QByteArray sysAfter, dataAfter;
    oldArchives(&sysAfter, &dataAfter);
    QVERIFY(sysAfter == sys);
    QVERIFY(dataAfter == data);
}

void TestBackupDialog::refusedBeforeAnythingStarts_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("uuid");
    QTest::addColumn<QString>("dataDrive"); // "-" for none; "%1" is the device's folder
    QTest::addColumn<bool>("present");
    const int nBackup = BackupRestoreDailog::MODE_BACKUP;
    const int nRestore = BackupRestoreDailog::MODE_RESTORE;
    const QString sUUID = BackupDialogFixture::uuid();
    QTest::newRow("no device") << nBackup << sUUID << "%1/data/" << false;
    QTest::newRow("no data drive") << nBackup << sUUID << "-" << true;
    QTest::newRow("no data drive, restore") << nRestore << sUUID << "-" << true;
    QTest::newRow("UUID leading out") << nBackup << "../x"
                                      << "%1/data/" << true;
    QTest::newRow("UUID with *") << nRestore << "U*"
                                 << "%1/data/" << true;
    QTest::newRow("root with ,") << nBackup << sUUID << "%1/da,ta/" << true;
    QTest::newRow("root with ;") << nBackup << sUUID << "%1/da;datadst,x/" << true;
    QTest::newRow("root with *") << nRestore << sUUID << "%1/da*/" << true;
    QTest::newRow("root with ?") << nBackup << sUUID << "%1/dat?/" << true;
    QTest::newRow("root with :") << nBackup << sUUID << "%1/da:ta/" << true;
}

void TestBackupDialog::refusedBeforeAnythingStarts()
{
    QFETCH(int, mode);
    QFETCH(QString, uuid);
    QFETCH(QString, dataDrive);
    QFETCH(bool, present);
    BackupTestDevice& device = m_pFixture->device();
    QVERIFY(device.addKeepList(g_sKeepEntries)); // staging would touch the data folder
    QStringList drives{device.systemRoot()};
    if (dataDrive != "-") {
        drives << dataDrive.arg(device.path());
        QVERIFY(QDir().mkpath(drives.last()));
    }
    BackupDialogFixture::unplug();
    if (present)
        BackupDialogFixture::plug(uuid, drives);
    const QMap<QString, QByteArray> before = device.snapshot();

    QCOMPARE(BackupDialogFixture::run(mode), int(QDialog::Accepted));

    QCOMPARE(notices(),
             QStringList({mode == BackupRestoreDailog::MODE_BACKUP ? g_sBackupFailed : g_sRestoreFailed}));
    QCOMPARE(m_pFinish->count(), 0); // nothing was started
    QVERIFY(!QFileInfo::exists(BackupFiles::backupDir()));
    QVERIFY(device.snapshot() == before);
    QCOMPARE(BackupDialogFixture::backupTime(), QString());
}

void TestBackupDialog::backupBeforeUpdateOpensTheInstall_data()
{
    QTest::addColumn<bool>("recover");
    QTest::newRow("normal") << false;
    QTest::newRow("recover") << true;
}

void TestBackupDialog::backupBeforeUpdateOpensTheInstall()
{
    QFETCH(bool, recover);
    RecordingDialogOpener opener;
    bool bBackupDialogInSight = false;
    opener.m_whileOpen = [&bBackupDialogInSight] {
        for (QWidget* pWidget : QApplication::topLevelWidgets()) {
            if (qobject_cast<BackupRestoreDailog*>(pWidget) && pWidget->isVisible())
                bBackupDialogInSight = true;
        }
    };

    QCOMPARE(BackupDialogFixture::run(BackupRestoreDailog::MODE_BACKUP, true, recover),
             int(QDialog::Accepted));

    QCOMPARE(opener.m_calls.size(), 1);
    QCOMPARE(opener.m_calls.at(0).sDialog, QString("InstallUpdateDialog"));
    QCOMPARE(opener.m_calls.at(0).bFirst, recover);
    QVERIFY(!opener.m_calls.at(0).bSecond); // the whole install, not the agent's alone
    QVERIFY(!bBackupDialogInSight);
    QCOMPARE(notices(), QStringList());
    QCOMPARE(finals(), QList<int>({BACKUP_SUCCESS}));
    QVERIFY(!BackupDialogFixture::backupTime().isEmpty());
    QCOMPARE(BackupDialogFixture::backupFolder(), BackupDialogFixture::committedArchives());
}

void TestBackupDialog::failedBackupBeforeUpdateOpensNothing()
{
    RecordingDialogOpener opener;
    m_ui.m_platform.setArchiveProgram(m_pPrograms->failing());

    QCOMPARE(BackupDialogFixture::run(BackupRestoreDailog::MODE_BACKUP, true, true), int(QDialog::Accepted));

    QVERIFY(opener.m_calls.isEmpty());
    QCOMPARE(notices(), QStringList({g_sBackupFailed}));
    QCOMPARE(BackupDialogFixture::backupFolder(), QStringList());
}

QTEST_MAIN(TestBackupDialog)
#include "tst_backupdialog.moc"
