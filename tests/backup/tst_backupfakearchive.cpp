#include "BackupTestJob.h"
#include "backup/BackupFiles.h"
#include "backup/BackupRestoreParam.h"
#include "backup/BackupRestoreWorker.h"
#include "core/Worker.h"
#include "platform/ArchiveTool.h"
#include "platform/Platform.h"
#include "support/BackupTestDevice.h"
#include "support/TestFolders.h"

#include <QDir>
#include <QtTest>

namespace
{
// Scripts standing in for 7z. "t" is the archive test a restore runs first; "-o..." the output switch.
const char* const g_szExit1 = "exit 1";
const char* const g_szCrash = "kill -SEGV $$";
const char* const g_szHang = "echo $$ > '@MARK@.part' && mv '@MARK@.part' '@MARK@'\nexec sleep 600";
const char* const g_szTestThen = "if [ \"$1\" = t ]; then exec '@REAL@' \"$@\"; fi\n";
const char* const g_szDataBackupFails = "case \"$*\" in *-data_tmp.7z*) exit 1;; esac\nexec '@REAL@' \"$@\"";
// Extracts for real, then fails: a partly written output.
const char* const g_szExtractThenFail = "'@REAL@' \"$@\"\nexit 2";
const char* const g_szDataExtractCrashes =
    "case \"$*\" in x*-data.7z*) '@REAL@' \"$@\"; kill -SEGV $$;; esac\n"
    "exec '@REAL@' \"$@\"";
// Extracts the data archive for real and then puts a file where the data folder's old copy goes, so that
// moving the restored folders in fails after the system part was moved.
const char* const g_szDataSwapBlocked = "'@REAL@' \"$@\" || exit $?\n"
                                        "case \"$*\" in x*-data.7z*)\n"
                                        "  for a in \"$@\"; do case $a in -o*) out=${a#-o};; esac; done\n"
                                        "  echo x > \"${out%_restore_new}_restore_old\";;\n"
                                        "esac";

struct Fixture {
    PlatformOverride platform;
    TestFolders folders;
    BackupTestDevice device;
    QTemporaryDir programs;
    QMap<QString, QByteArray> deviceBefore;
    QByteArray sysArchive;
    QByteArray dataArchive;

    // A device with a good backup already committed, then changed: what a restore starts from.
    bool init(bool bDamage)
    {
        platform.setArchiveProgram(QString());
        QString sParam;
        if (!BackupRestoreParam::buildBackup("U1", device.drives(), &sParam) ||
            BackupTestJob::run(BackupRestoreWorker::MODE_BACKUP, sParam, device.drives()) !=
                QStringList({"53:50", "51:"}) ||
            !BackupFiles::commitArchives("U1"))
            return false;
        if (bDamage && !device.damage())
            return false;
        deviceBefore = device.snapshot();
        sysArchive = TestFolders::readFile(BackupFiles::systemArchive("U1"));
        dataArchive = TestFolders::readFile(BackupFiles::dataArchive("U1"));
        return !sysArchive.isEmpty() && !dataArchive.isEmpty();
    }

    void useProgram(const QString& sBody)
    {
        platform.setArchiveProgram(sBody.isEmpty()
                                       ? BackupTestJob::writeUnstartable(programs.path())
                                       : BackupTestJob::writeScript(programs.path(), "7z", sBody));
    }

    QString param(int nMode) const
    {
        QString sParam;
        if (nMode == BackupRestoreWorker::MODE_BACKUP)
            BackupRestoreParam::buildBackup("U1", device.drives(), &sParam);
        else
            BackupRestoreParam::buildRestore("U1", device.drives(), &sParam);
        return sParam;
    }

    // The device as it was, the committed archives untouched.
    bool unchanged() const
    {
        return device.snapshot() == deviceBefore &&
               TestFolders::readFile(BackupFiles::systemArchive("U1")) == sysArchive &&
               TestFolders::readFile(BackupFiles::dataArchive("U1")) == dataArchive;
    }
};
} // namespace

class TestBackupFakeArchive : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void backupFails_data();
    void backupFails();
    void restoreFails_data();
    void restoreFails();
    void stopKillsHangingRun_data();
    void stopKillsHangingRun();
};

void TestBackupFakeArchive::initTestCase()
{
    Worker::registerMetaTypes();
    if (BackupTestJob::realProgram().isEmpty())
        QSKIP("no 7z installed (package 7zip)");
}

void TestBackupFakeArchive::backupFails_data()
{
    QTest::addColumn<QString>("program"); // "" for one that cannot start
    QTest::addColumn<QStringList>("statuses");
    QTest::newRow("exits 1") << g_szExit1 << QStringList({"52:"});
    QTest::newRow("crashes") << g_szCrash << QStringList({"52:"});
    QTest::newRow("never starts") << QString() << QStringList({"52:"});
    QTest::newRow("data part exits 1") << g_szDataBackupFails << QStringList({"53:50", "52:"});
}

void TestBackupFakeArchive::backupFails()
{
    QFETCH(QString, program);
    QFETCH(QStringList, statuses);
    Fixture fixture;
    QVERIFY(fixture.init(false));
    fixture.useProgram(program);
    QCOMPARE(BackupTestJob::run(BackupRestoreWorker::MODE_BACKUP,
                                fixture.param(BackupRestoreWorker::MODE_BACKUP), fixture.device.drives()),
             statuses);
    QVERIFY(fixture.unchanged());
}

void TestBackupFakeArchive::restoreFails_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("statuses");
    QTest::newRow("exits 1") << g_szExit1 << QStringList({"57:"});
    QTest::newRow("crashes") << g_szCrash << QStringList({"57:"});
    QTest::newRow("never starts") << QString() << QStringList({"57:"});
    QTest::newRow("system extraction fails after writing")
        << QString(g_szTestThen) + g_szExtractThenFail << QStringList({"57:"});
    QTest::newRow("data extraction crashes after writing")
        << g_szDataExtractCrashes << QStringList({"58:50", "57:"});
    QTest::newRow("moving the data in fails") << g_szDataSwapBlocked << QStringList({"58:50", "57:"});
}

void TestBackupFakeArchive::restoreFails()
{
    QFETCH(QString, program);
    QFETCH(QStringList, statuses);
    Fixture fixture;
    QVERIFY(fixture.init(true));
    fixture.useProgram(program);
    QCOMPARE(BackupTestJob::run(BackupRestoreWorker::MODE_RESTORE,
                                fixture.param(BackupRestoreWorker::MODE_RESTORE), fixture.device.drives()),
             statuses);
    // The blocking file is the only trace the fake itself leaves.
    QFile::remove(fixture.device.dataRoot() + "Korvo/.Tracks_restore_old");
    QVERIFY(fixture.unchanged());
}

void TestBackupFakeArchive::stopKillsHangingRun_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("deleteWorker"); // else requestStop() and wait
    QTest::newRow("backup, worker deleted") << int(BackupRestoreWorker::MODE_BACKUP) << g_szHang << true;
    QTest::newRow("backup, stop requested") << int(BackupRestoreWorker::MODE_BACKUP) << g_szHang << false;
    QTest::newRow("restore extraction, worker deleted")
        << int(BackupRestoreWorker::MODE_RESTORE) << QString(g_szTestThen) + g_szHang << true;
}

void TestBackupFakeArchive::stopKillsHangingRun()
{
    QFETCH(int, mode);
    QFETCH(QString, program);
    QFETCH(bool, deleteWorker);
    Fixture fixture;
    QVERIFY(fixture.init(mode == BackupRestoreWorker::MODE_RESTORE));
    fixture.useProgram(program);
    const QString sMark = BackupTestJob::markPath(fixture.programs.path());

    QStringList statuses;
    QObject receiver;
    auto* pWorker = new BackupRestoreWorker;
    connect(pWorker, &BackupRestoreWorker::emitStatus, &receiver,
            [&statuses](ACTION_STATUS status, const QString& sText) {
                statuses.append(QString("%1:%2").arg(static_cast<int>(status)).arg(sText));
            });
    pWorker->setMode(mode);
    pWorker->setParam(fixture.param(mode));
    pWorker->setDriveRoots(fixture.device.drives());
    pWorker->start();
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(sMark), 60000);
    const QString sPid = QString::fromLatin1(TestFolders::readFile(sMark).trimmed());
    QVERIFY(QFileInfo::exists("/proc/" + sPid));

    if (deleteWorker) {
        delete pWorker; // returns once the hanging 7z is killed, not after its 600 s
    } else {
        pWorker->requestStop();
        QVERIFY(pWorker->wait(60000));
        delete pWorker;
    }
    QCoreApplication::sendPostedEvents();
    QCOMPARE(statuses, QStringList({mode == BackupRestoreWorker::MODE_BACKUP ? "52:" : "57:"}));
    QVERIFY(!QFileInfo::exists("/proc/" + sPid));
    QVERIFY(fixture.unchanged());
}

QTEST_GUILESS_MAIN(TestBackupFakeArchive)
#include "tst_backupfakearchive.moc"
