#include "BackupTestJob.h"
#include "backup/BackupFiles.h"
#include "backup/BackupRestoreParam.h"
#include "backup/BackupRestoreWorker.h"
#include "backup/ProcKeepFileXml.h"
#include "core/Worker.h"
#include "platform/ArchiveTool.h"
#include "support/BackupTestDevice.h"
#include "support/TestFolders.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QtTest>

namespace
{
const QString g_sKeepEntries = "<file>Zeq_system\\HDD\\APP\\user.dat</file>"
                               "<folder>Zeq_system/HDD/APP/Favorites</folder>"
                               "<file>Zeq_data\\Korvo\\Settings\\user.cfg</file>";

QStringList backupFolder()
{
    return QDir(BackupFiles::backupDir())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// What the backup dialog does around the controller's backupDev: stage the keep list, build the text.
QString prepareBackup(const BackupTestDevice& device)
{
    if (BackupRestoreParam::hasKeepList(device.systemRoot())) {
        ProcKeepFileXml keep;
        keep.setSystemRoot(device.systemRoot());
        keep.open(BackupRestoreParam::keepListPath(device.systemRoot()));
        keep.backupKeepFile();
    }
    QString sParam;
    BackupRestoreParam::buildBackup("U1", device.drives(), &sParam);
    return sParam;
}

QString restoreParam(const BackupTestDevice& device)
{
    QString sParam;
    BackupRestoreParam::buildRestore("U1", device.drives(), &sParam);
    return sParam;
}

// A successful backup, committed and cleaned up the way the dialog does.
bool backUp(const BackupTestDevice& device)
{
    const QStringList statuses =
        BackupTestJob::run(BackupRestoreWorker::MODE_BACKUP, prepareBackup(device), device.drives());
    BackupFiles::commitArchives("U1");
    BackupFiles::removeTemporaryFiles("U1");
    return statuses == QStringList({"53:50", "51:"});
}

// Every link below sRoot with what it names; linked folders are not entered.
QMap<QString, QString> linksBelow(const QString& sRoot)
{
    QMap<QString, QString> links;
    QDirIterator it(sRoot, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (it.fileInfo().isSymLink())
            links.insert(QDir(sRoot).relativeFilePath(it.filePath()), it.fileInfo().symLinkTarget());
    }
    return links;
}

// What an archive holds, unpacked by the real 7z into sFolder.
bool unpack(const QString& sArchive, const QString& sFolder)
{
    QProcess unzip;
    unzip.start(BackupTestJob::realProgram(), ArchiveTool::extractArgs(sArchive, sFolder));
    return unzip.waitForFinished(60000) && unzip.exitStatus() == QProcess::NormalExit &&
           unzip.exitCode() == 0;
}

bool makeArchive(const QString& sArchive, const QString& sFolder)
{
    QProcess zip;
    zip.start(BackupTestJob::realProgram(), ArchiveTool::addArgs(sArchive, sFolder + "/*"));
    return zip.waitForFinished(60000) && zip.exitCode() == 0;
}
} // namespace

class TestBackupRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void roundTrip_data();
    void roundTrip();
    void deviceWithoutSettingsFolder();
    void staleTemporaryArchivesAreReplaced();
    void badArchiveLeavesDevice_data();
    void badArchiveLeavesDevice();
    void missingDriveRoot_data();
    void missingDriveRoot();
    void cutParameterFailsBackup();
    void patternInJobFails_data();
    void patternInJobFails();
    void otherModeDoesNothing();
    void linksStayOnTheDevice_data();
    void linksStayOnTheDevice();
    void restoreMakesNoLink();
    void restoreThroughLinkIsRefused_data();
    void restoreThroughLinkIsRefused();
};

void TestBackupRoundTrip::initTestCase()
{
    Worker::registerMetaTypes();
    if (BackupTestJob::realProgram().isEmpty())
        QSKIP("no 7z installed (package 7zip)");
}

void TestBackupRoundTrip::roundTrip_data()
{
    QTest::addColumn<bool>("keepList");
    QTest::newRow("without keep list") << false;
    QTest::newRow("with keep list") << true;
}

void TestBackupRoundTrip::roundTrip()
{
    QFETCH(bool, keepList);
    TestFolders folders(true);
    BackupTestDevice device;
    if (keepList)
        QVERIFY(device.addKeepList(g_sKeepEntries));
    const QMap<QString, QByteArray> original = device.snapshot();

    QStringList statuses =
        BackupTestJob::run(BackupRestoreWorker::MODE_BACKUP, prepareBackup(device), device.drives());
    QCOMPARE(statuses, QStringList({"53:50", "51:"}));
    QStringList written{"U1-data_tmp.7z", "U1-sys_tmp.7z"};
    if (keepList)
        written.append("temp"); // the staging folder, until the dialog closes
    QCOMPARE(backupFolder(), written);
    QCOMPARE(device.snapshot(), original); // a backup only reads the device

    QVERIFY(BackupFiles::commitArchives("U1"));
    BackupFiles::removeTemporaryFiles("U1");
    QCOMPARE(backupFolder(), QStringList({"U1-data.7z", "U1-sys.7z"}));

    QVERIFY(device.damage(!keepList));
    QVERIFY(device.snapshot() != original);
    statuses = BackupTestJob::run(BackupRestoreWorker::MODE_RESTORE, restoreParam(device), device.drives());
    QCOMPARE(statuses, QStringList({"58:50", "56:"}));
    QCOMPARE(device.snapshot(), original);
    QCOMPARE(backupFolder(), QStringList({"U1-data.7z", "U1-sys.7z"}));
}

// A device that never wrote its settings has no "Korvo/Settings": its backup holds what it has (the
// rides), the settings part is empty, and a restore brings the rides back beside an empty settings folder.
void TestBackupRoundTrip::deviceWithoutSettingsFolder()
{
    TestFolders folders(true);
    BackupTestDevice device;
    QVERIFY(QDir(device.systemRoot() + "Korvo/Settings").removeRecursively());
    QMap<QString, QByteArray> original = device.snapshot();

    QVERIFY(backUp(device));
    QCOMPARE(device.snapshot(), original);

    QVERIFY(QFile::remove(device.dataRoot() + "Korvo/Tracks/route 2.gpx"));
    const QStringList statuses =
        BackupTestJob::run(BackupRestoreWorker::MODE_RESTORE, restoreParam(device), device.drives());
    QCOMPARE(statuses, QStringList({"58:50", "56:"}));
    original.insert("sys/Korvo/Settings", "d");
    QCOMPARE(device.snapshot(), original);
}

void TestBackupRoundTrip::staleTemporaryArchivesAreReplaced()
{
    TestFolders folders;
    BackupTestDevice device;
    QTemporaryDir stale;
    QVERIFY(TestFolders::writeFile(stale.path() + "/stale.txt", "from an earlier job"));
    const QString sSysTmp = BackupFiles::tmpArchive(BackupFiles::systemArchive("U1"));
    const QString sDataTmp = BackupFiles::tmpArchive(BackupFiles::dataArchive("U1"));
    QVERIFY(makeArchive(sSysTmp, stale.path()));
    QVERIFY(makeArchive(sDataTmp, stale.path()));

    QCOMPARE(BackupTestJob::run(BackupRestoreWorker::MODE_BACKUP, prepareBackup(device), device.drives()),
             QStringList({"53:50", "51:"}));
    QTemporaryDir out;
    QProcess unzip;
    unzip.start(BackupTestJob::realProgram(), ArchiveTool::extractArgs(sSysTmp, out.path() + "/sys"));
    QVERIFY(unzip.waitForFinished(60000) && unzip.exitCode() == 0);
    unzip.start(BackupTestJob::realProgram(), ArchiveTool::extractArgs(sDataTmp, out.path() + "/data"));
    QVERIFY(unzip.waitForFinished(60000) && unzip.exitCode() == 0);
    QCOMPARE(BackupTestDevice::snapshot(out.path() + "/sys"),
             BackupTestDevice::snapshot(device.systemRoot() + "Korvo/Settings"));
    QCOMPARE(BackupTestDevice::snapshot(out.path() + "/data"),
             BackupTestDevice::snapshot(device.dataRoot() + "Korvo/Tracks"));
}

void TestBackupRoundTrip::badArchiveLeavesDevice_data()
{
    QTest::addColumn<bool>("keepList");
    QTest::addColumn<bool>("dataArchive");
    QTest::addColumn<bool>("missing");
    QTest::newRow("damaged data archive") << false << true << false;
    QTest::newRow("missing data archive") << false << true << true;
    QTest::newRow("damaged system archive") << false << false << false;
    QTest::newRow("missing system archive, keep list") << true << false << true;
    QTest::newRow("damaged data archive, keep list") << true << true << false;
}

void TestBackupRoundTrip::badArchiveLeavesDevice()
{
    QFETCH(bool, keepList);
    QFETCH(bool, dataArchive);
    QFETCH(bool, missing);
    TestFolders folders;
    BackupTestDevice device;
    if (keepList)
        QVERIFY(device.addKeepList(g_sKeepEntries));
    QVERIFY(backUp(device));
    const QString sArchive = dataArchive ? BackupFiles::dataArchive("U1") : BackupFiles::systemArchive("U1");
    if (missing) {
        QVERIFY(QFile::remove(sArchive));
    } else {
        // Keep the archive's size and headers; spoil its stored data.
        QFile file(sArchive);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(64));
        QVERIFY(file.write(QByteArray(256, 'X')) == 256);
    }
    QVERIFY(device.damage(!keepList));
    const QMap<QString, QByteArray> damaged = device.snapshot();
    QCOMPARE(BackupTestJob::run(BackupRestoreWorker::MODE_RESTORE, restoreParam(device), device.drives()),
             QStringList({"57:"}));
    QCOMPARE(device.snapshot(), damaged);
}

void TestBackupRoundTrip::missingDriveRoot_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("missingDrive");
    QTest::newRow("backup, no data drive") << int(BackupRestoreWorker::MODE_BACKUP) << 1;
    QTest::newRow("backup, no system drive") << int(BackupRestoreWorker::MODE_BACKUP) << 0;
    QTest::newRow("restore, no data drive") << int(BackupRestoreWorker::MODE_RESTORE) << 1;
    QTest::newRow("restore, no system drive") << int(BackupRestoreWorker::MODE_RESTORE) << 0;
}

void TestBackupRoundTrip::missingDriveRoot()
{
    QFETCH(int, mode);
    QFETCH(int, missingDrive);
    TestFolders folders;
    BackupTestDevice device;
    QVERIFY(backUp(device));
    const QString sParam =
        mode == BackupRestoreWorker::MODE_BACKUP ? prepareBackup(device) : restoreParam(device);
    // The drive went away after the dialog built its text: its mount folder is gone.
    const QString sGone = missingDrive == 0 ? device.systemRoot() : device.dataRoot();
    QVERIFY(QDir(sGone).removeRecursively());
    const QMap<QString, QByteArray> before = device.snapshot();
    const QStringList statuses = BackupTestJob::run(mode, sParam, device.drives());
    QCOMPARE(statuses, QStringList({mode == BackupRestoreWorker::MODE_BACKUP ? "52:" : "57:"}));
    QCOMPARE(device.snapshot(), before);
    QCOMPARE(backupFolder(), QStringList({"U1-data.7z", "U1-sys.7z"}));
    // No drive roots given at all.
    QCOMPARE(BackupTestJob::run(mode, sParam, QStringList()),
             QStringList({mode == BackupRestoreWorker::MODE_BACKUP ? "52:" : "57:"}));
}

void TestBackupRoundTrip::cutParameterFailsBackup()
{
    TestFolders folders;
    BackupTestDevice device;
    BackupRestoreParam::Values values;
    QVERIFY(BackupRestoreParam::parse(prepareBackup(device), &values));
    QVERIFY(QDir().mkpath(device.systemRoot() + "Korvo/a;b"));
    values.sSysDst = device.systemRoot() + "Korvo/a;b/*";
    QString sParam;
    QVERIFY(!BackupRestoreParam::compose(values, &sParam));
    // Put together by hand, the value is cut at ";": the job fails instead of archiving the wrong folder.
    sParam = QString("syssrc,%1;sysdst,%2;datasrc,%3;datadst,%4")
                 .arg(values.sSysSrc, values.sSysDst, values.sDataSrc, values.sDataDst);
    QCOMPARE(BackupTestJob::run(BackupRestoreWorker::MODE_BACKUP, sParam, device.drives()),
             QStringList({"52:"}));
    QVERIFY(backupFolder().isEmpty());
}

void TestBackupRoundTrip::patternInJobFails_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value"); // %1 backup folder, %2 system root
    QTest::newRow("restore, archive pattern") << int(BackupRestoreWorker::MODE_RESTORE) << "syssrc"
                                              << "%1/U?-sys.7z";
    QTest::newRow("restore, output pattern") << int(BackupRestoreWorker::MODE_RESTORE) << "sysdst"
                                             << "-o%2Korv?/Settings";
    QTest::newRow("backup, source folder pattern") << int(BackupRestoreWorker::MODE_BACKUP) << "sysdst"
                                                   << "%2Korv?/Settings/*";
}

// A "*" or "?" in an archive name or folder is a pattern to 7z: "x" of "U?-sys.7z" restores whatever
// device's archive it matches. The job fails before 7z sees it.
void TestBackupRoundTrip::patternInJobFails()
{
    QFETCH(int, mode);
    QFETCH(QString, key);
    QFETCH(QString, value);
    TestFolders folders;
    BackupTestDevice device;
    QVERIFY(backUp(device));
    QVERIFY(device.damage());
    const QMap<QString, QByteArray> before = device.snapshot();
    BackupRestoreParam::Values values;
    QVERIFY(BackupRestoreParam::parse(
        mode == BackupRestoreWorker::MODE_BACKUP ? prepareBackup(device) : restoreParam(device), &values));
    value.replace("%1", BackupFiles::backupDir()).replace("%2", device.systemRoot());
    QStringList archives{"U1-data.7z", "U1-sys.7z"};
    if (key == "syssrc") {
        // A device whose UUID reads "U?" has its archive under that very name.
        QVERIFY(QFile::copy(BackupFiles::systemArchive("U1"), value));
        archives.append("U?-sys.7z");
    }
    (key == "syssrc" ? values.sSysSrc : values.sSysDst) = value;
    QString sParam;
    QVERIFY(BackupRestoreParam::compose(values, &sParam));
    QCOMPARE(BackupTestJob::run(mode, sParam, device.drives()),
             QStringList({mode == BackupRestoreWorker::MODE_BACKUP ? "52:" : "57:"}));
    QCOMPARE(device.snapshot(), before);
    QCOMPARE(backupFolder(), archives);
}

void TestBackupRoundTrip::otherModeDoesNothing()
{
    TestFolders folders;
    BackupTestDevice device;
    QStringList statuses;
    QObject receiver;
    {
        BackupRestoreWorker worker;
        connect(
            &worker, &BackupRestoreWorker::emitStatus, &receiver,
            [&statuses](ACTION_STATUS status, const QString&) { statuses.append(QString::number(status)); });
        worker.setMode(2);
        worker.setParam(prepareBackup(device));
        worker.setDriveRoots(device.drives());
        worker.start();
        QVERIFY(!worker.wait(200)); // waits in its event loop until deleted
    }
    QCoreApplication::sendPostedEvents();
    QVERIFY(statuses.isEmpty());
    QVERIFY(backupFolder().isEmpty());
}

void TestBackupRoundTrip::linksStayOnTheDevice_data()
{
    QTest::addColumn<bool>("keepList");
    QTest::addColumn<QString>("entry");  // on the device, below the drives' folder
    QTest::addColumn<QString>("target"); // below the computer's folder; "" for the folder itself
    QTest::addColumn<bool>("backedUp");  // the backup still succeeds
    QTest::newRow("settings file links to a computer file") << false << "sys/Korvo/Settings/leak.txt"
                                                            << "secret.txt" << true;
    QTest::newRow("settings folder links to a computer folder")
        << false << "sys/Korvo/Settings/Profiles/linked"
        << "" << true;
    QTest::newRow("track links to a computer file") << false << "data/Korvo/Tracks/leak.gpx"
                                                    << "secret.txt" << true;
    QTest::newRow("data file links to a computer file, keep list") << true << "data/Korvo/Settings/leak.txt"
                                                                   << "secret.txt" << true;
    QTest::newRow("kept file links to a computer file") << true << "sys/HDD/APP/user.dat"
                                                        << "secret.txt" << true;
    QTest::newRow("kept folder links to a computer folder") << true << "sys/HDD/APP/Favorites"
                                                            << "" << true;
    QTest::newRow("file in a kept folder links to a computer file") << true << "sys/HDD/APP/Favorites/leak"
                                                                    << "secret.txt" << true;
    // The folder the backup reads is itself the computer's: nothing of it is archived.
    QTest::newRow("tracks folder links to a computer folder") << false << "data/Korvo/Tracks"
                                                              << "" << false;
}

// The device's links may name any file of the computer: the archives hold none of the computer's content,
// and the restore afterwards makes no link.
void TestBackupRoundTrip::linksStayOnTheDevice()
{
    QFETCH(bool, keepList);
    QFETCH(QString, entry);
    QFETCH(QString, target);
    QFETCH(bool, backedUp);
    TestFolders folders;
    BackupTestDevice device;
    if (keepList)
        QVERIFY(device.addKeepList(g_sKeepEntries));
    QTemporaryDir computer;
    const QByteArray secret = "the computer's own secret";
    QVERIFY(TestFolders::writeFile(computer.path() + "/secret.txt", secret));
    QVERIFY(TestFolders::writeFile(computer.path() + "/inner/secret.txt", secret));
    const QString sEntry = device.path() + "/" + entry;
    if (QFileInfo(sEntry).isDir())
        QVERIFY(QDir(sEntry).removeRecursively());
    else
        QFile::remove(sEntry);
    QVERIFY(QFile::link(computer.path() + (target.isEmpty() ? "" : "/" + target), sEntry));
    const QMap<QString, QByteArray> computerBefore = BackupTestDevice::snapshot(computer.path());
    const QMap<QString, QString> linksBefore = linksBelow(device.path());

    const QStringList statuses =
        BackupTestJob::run(BackupRestoreWorker::MODE_BACKUP, prepareBackup(device), device.drives());
    // One result: a source reached through a link fails the backup instead of archiving the computer's.
    QCOMPARE(statuses, QStringList({"53:50", backedUp ? "51:" : "52:"}));
    QTemporaryDir unpacked;
    for (const QString& sArchive : {BackupFiles::tmpArchive(BackupFiles::systemArchive("U1")),
                                    BackupFiles::tmpArchive(BackupFiles::dataArchive("U1"))}) {
        if (!QFileInfo::exists(sArchive))
            continue;
        const QString sOut = unpacked.path() + "/" + QFileInfo(sArchive).fileName();
        QVERIFY(unpack(sArchive, sOut));
        QCOMPARE(linksBelow(sOut), (QMap<QString, QString>()));
        const QMap<QString, QByteArray> held = BackupTestDevice::snapshot(sOut);
        for (auto it = held.cbegin(); it != held.cend(); ++it)
            QVERIFY2(!it.value().contains(secret) && !it.key().contains("secret"), qPrintable(it.key()));
    }
    QCOMPARE(BackupTestDevice::snapshot(computer.path()), computerBefore);
    if (!backedUp)
        return;

    QVERIFY(BackupFiles::commitArchives("U1"));
    BackupFiles::removeTemporaryFiles("U1");
    QCOMPARE(BackupTestJob::run(BackupRestoreWorker::MODE_RESTORE, restoreParam(device), device.drives()),
             QStringList({"58:50", "56:"}));
    // Links the device had may be gone with what the archive replaced; none is new.
    const QMap<QString, QString> linksAfter = linksBelow(device.path());
    for (auto it = linksAfter.cbegin(); it != linksAfter.cend(); ++it)
        QCOMPARE(linksBefore.value(it.key()), it.value());
    QCOMPARE(BackupTestDevice::snapshot(computer.path()), computerBefore);
}

// An archive that holds links (made by hand, or by an older agent): the restore makes none of them.
void TestBackupRoundTrip::restoreMakesNoLink()
{
    TestFolders folders;
    BackupTestDevice device;
    QVERIFY(backUp(device));
    QTemporaryDir computer;
    QVERIFY(TestFolders::writeFile(computer.path() + "/secret.txt", "secret"));
    QTemporaryDir settings;
    QVERIFY(TestFolders::writeFile(settings.path() + "/settings.xml", "<settings/>"));
    QVERIFY(QFile::link(computer.path(), settings.path() + "/linked"));
    QVERIFY(QFile::link(computer.path() + "/secret.txt", settings.path() + "/leak.txt"));
    QVERIFY(QFile::remove(BackupFiles::systemArchive("U1")));
    QProcess zip;
    zip.start(BackupTestJob::realProgram(),
              {"a", "-snl", BackupFiles::systemArchive("U1"), settings.path() + "/*"});
    QVERIFY(zip.waitForFinished(60000) && zip.exitCode() == 0);
    const QMap<QString, QByteArray> computerBefore = BackupTestDevice::snapshot(computer.path());

    const QStringList statuses =
        BackupTestJob::run(BackupRestoreWorker::MODE_RESTORE, restoreParam(device), device.drives());
    QCOMPARE(statuses, QStringList({"58:50", "56:"}));
    QCOMPARE(linksBelow(device.path()), (QMap<QString, QString>()));
    QCOMPARE(TestFolders::readFile(device.systemRoot() + "Korvo/Settings/settings.xml"),
             QByteArray("<settings/>"));
    QCOMPARE(BackupTestDevice::snapshot(computer.path()), computerBefore);
}

void TestBackupRoundTrip::restoreThroughLinkIsRefused_data()
{
    QTest::addColumn<bool>("keepList");
    QTest::addColumn<QString>(
        "entry"); // on the device, below the drives' folder: made a link to the computer
    QTest::newRow("tracks folder links to a computer folder") << false << "data/Korvo/Tracks";
    QTest::newRow("settings folder links to a computer folder") << false << "sys/Korvo/Settings";
    QTest::newRow("folder holding the tracks links to a computer folder") << false << "data/Korvo";
    QTest::newRow("data folder links to a computer folder, keep list") << true << "data/Korvo";
}

// A folder a restore would replace, or the folder beside it where the archive is unpacked first, reached
// through a link to the computer: the restore is refused before anything is made or removed, there or on
// the device.
void TestBackupRoundTrip::restoreThroughLinkIsRefused()
{
    QFETCH(bool, keepList);
    QFETCH(QString, entry);
    TestFolders folders;
    BackupTestDevice device;
    if (keepList)
        QVERIFY(device.addKeepList(g_sKeepEntries));
    QVERIFY(backUp(device));
    // The computer's folder holds what an interrupted restore would have left beside its destination.
    QTemporaryDir computer;
    const QStringList lstFiles{"own.txt", "Tracks/ride.gpx", ".Tracks_restore_new/stale.gpx",
                               ".Tracks_restore_old/old.gpx", ".wendo_restore_new/stale.txt"};
    for (const QString& sFile : lstFiles)
        QVERIFY(
            TestFolders::writeFile(computer.path() + "/" + sFile, "the computer's own " + sFile.toUtf8()));
    const QString sEntry = device.path() + "/" + entry;
    QVERIFY(QDir(sEntry).removeRecursively());
    QVERIFY(QFile::link(computer.path(), sEntry));
    const QMap<QString, QByteArray> computerBefore = BackupTestDevice::snapshot(computer.path());
    const QMap<QString, QByteArray> deviceBefore = device.snapshot();
    const QMap<QString, QString> linksBefore = linksBelow(device.path());

    const QStringList statuses =
        BackupTestJob::run(BackupRestoreWorker::MODE_RESTORE, restoreParam(device), device.drives());
    QCOMPARE(statuses.last(), QString("57:"));
    QVERIFY(!statuses.contains("56:"));
    QCOMPARE(BackupTestDevice::snapshot(computer.path()), computerBefore);
    QCOMPARE(device.snapshot(), deviceBefore);
    QCOMPARE(linksBelow(device.path()), linksBefore);
    QCOMPARE(backupFolder(), QStringList({"U1-data.7z", "U1-sys.7z"}));
}

QTEST_GUILESS_MAIN(TestBackupRoundTrip)
#include "tst_backuproundtrip.moc"
