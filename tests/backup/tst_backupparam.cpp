#include "backup/BackupFiles.h"
#include "backup/BackupRestoreParam.h"
#include "support/BackupTestDevice.h"
#include "support/ImmutableFile.h"
#include "support/TestFolders.h"

#include <QDir>
#include <QtTest>

class TestBackupParam : public QObject
{
    Q_OBJECT

private slots:
    void build_data();
    void build();
    void buildResolvesCase();
    void buildRefuses_data();
    void buildRefuses();
    void parse_data();
    void parse();
    void tmpArchive();
    void commitReplacesOnlyWhatIsNew();
    void commitIsAllOrNothing();
    void removeTemporaryFiles();
};

void TestBackupParam::build_data()
{
    QTest::addColumn<bool>("restore");
    QTest::addColumn<bool>("keepList");
    QTest::addColumn<QString>("expected"); // %1 backup folder, %2 system root, %3 data root, %4 staging
    QTest::newRow("backup") << false << false
                            << "syssrc,%1/U1-sys.7z;sysdst,%2Korvo/Settings/*;"
                               "datasrc,%1/U1-data.7z;datadst,%3Korvo/Tracks/*";
    QTest::newRow("backup, keep list") << false << true
                                       << "syssrc,%1/U1-sys.7z;sysdst,%4/*;"
                                          "datasrc,%1/U1-data.7z;datadst,%3Korvo/*";
    QTest::newRow("restore") << true << false
                             << "syssrc,%1/U1-sys.7z;sysdst,-o%2Korvo/Settings;"
                                "datasrc,%1/U1-data.7z;datadst,-o%3Korvo/Tracks";
    QTest::newRow("restore, keep list") << true << true
                                        << "syssrc,%1/U1-sys.7z;sysdst,-o%2;"
                                           "datasrc,%1/U1-data.7z;datadst,-o%3Korvo";
}

void TestBackupParam::build()
{
    QFETCH(bool, restore);
    QFETCH(bool, keepList);
    QFETCH(QString, expected);
    TestFolders folders;
    BackupTestDevice device;
    if (keepList)
        QVERIFY(device.addKeepList("<file>Zeq_system\\HDD\\APP\\user.dat</file>"));
    QString sParam;
    QVERIFY(restore ? BackupRestoreParam::buildRestore("U1", device.drives(), &sParam)
                    : BackupRestoreParam::buildBackup("U1", device.drives(), &sParam));
    expected.replace("%1", folders.dataDir() + "/backup")
        .replace("%2", device.systemRoot())
        .replace("%3", device.dataRoot())
        .replace("%4", folders.dataDir() + "/backup/temp");
    QCOMPARE(sParam, expected);
}

void TestBackupParam::buildResolvesCase()
{
    TestFolders folders;
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.path() + "/sys/KORVO/SETTINGS"));
    QVERIFY(QDir().mkpath(dir.path() + "/data/korvo/tracks"));
    const QStringList drives{dir.path() + "/sys/", dir.path() + "/data/"};
    QString sParam;
    QVERIFY(BackupRestoreParam::buildBackup("U1", drives, &sParam));
    BackupRestoreParam::Values values;
    QVERIFY(BackupRestoreParam::parse(sParam, &values));
    QCOMPARE(values.sSysDst, dir.path() + "/sys/KORVO/SETTINGS/*");
    QCOMPARE(values.sDataDst, dir.path() + "/data/korvo/tracks/*");
}

void TestBackupParam::buildRefuses_data()
{
    QTest::addColumn<QString>("uuid");
    QTest::addColumn<QString>("systemDrive");
    QTest::addColumn<QString>("dataDrive");
    QTest::newRow("comma in a root") << "U1"
                                     << "/media/a,b/"
                                     << "/media/d/";
    QTest::newRow("semicolon in a root") << "U1"
                                         << "/media/s/"
                                         << "/media/a;datadst,x/";
    QTest::newRow("no data drive") << "U1"
                                   << "/media/s/" << QString();
    QTest::newRow("empty UUID") << QString() << "/media/s/"
                                << "/media/d/";
    QTest::newRow("UUID with separator") << "../../x"
                                         << "/media/s/"
                                         << "/media/d/";
    QTest::newRow("UUID with backslash") << "a\\b"
                                         << "/media/s/"
                                         << "/media/d/";
    QTest::newRow("UUID with comma") << "a,b"
                                     << "/media/s/"
                                     << "/media/d/";
    // 7z would read these as patterns matching other devices' archives or other folders.
    QTest::newRow("UUID with *") << "*"
                                 << "/media/s/"
                                 << "/media/d/";
    QTest::newRow("UUID with ?") << "U?"
                                 << "/media/s/"
                                 << "/media/d/";
    QTest::newRow("pattern in a root") << "U1"
                                       << "/media/s/"
                                       << "/media/*/";
    QTest::newRow("? in a root") << "U1"
                                 << "/media/s?/"
                                 << "/media/d/";
    QTest::newRow("colon in a root") << "U1"
                                     << "/media/s/"
                                     << "/media/c:d/";
}

void TestBackupParam::buildRefuses()
{
    QFETCH(QString, uuid);
    QFETCH(QString, systemDrive);
    QFETCH(QString, dataDrive);
    TestFolders folders;
    QStringList drives{systemDrive};
    if (!dataDrive.isEmpty())
        drives.append(dataDrive);
    QString sParam = "unchanged";
    QVERIFY(!BackupRestoreParam::buildBackup(uuid, drives, &sParam));
    QVERIFY(!BackupRestoreParam::buildRestore(uuid, drives, &sParam));
    QCOMPARE(sParam, QString("unchanged"));
}

void TestBackupParam::parse_data()
{
    QTest::addColumn<QString>("param");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("sysDst");
    QTest::newRow("built form") << "syssrc,/b/U-sys.7z;sysdst,/s/Korvo/Settings/*;datasrc,/b/U-data.7z;"
                                   "datadst,/d/Korvo/Tracks/*"
                                << true << "/s/Korvo/Settings/*";
    QTest::newRow("other order, empty parts")
        << ";datadst,/d/T/*;datasrc,/b/d.7z;;sysdst,-o/s/;syssrc,/b/s.7z;" << true << "-o/s/";
    QTest::newRow("key missing") << "syssrc,/b/s.7z;sysdst,/s/*;datasrc,/b/d.7z" << false << QString();
    QTest::newRow("value cut at ;") << "syssrc,/b/s.7z;sysdst,/s/a;b/*;datasrc,/b/d.7z;datadst,/d/*" << false
                                    << QString();
    QTest::newRow("value cut at ,") << "syssrc,/b/s.7z;sysdst,/s/a,b/*;datasrc,/b/d.7z;datadst,/d/*" << false
                                    << QString();
    QTest::newRow("key twice") << "syssrc,/b/s.7z;sysdst,/s/*;sysdst,/t/*;datasrc,/b/d.7z;datadst,/d/*"
                               << false << QString();
    QTest::newRow("no value") << "syssrc,/b/s.7z;sysdst;datasrc,/b/d.7z;datadst,/d/*" << false << QString();
    QTest::newRow("key inside a word")
        << "xsyssrc,/b/s.7z;sysdst,/s/*;datasrc,/b/d.7z;datadst,/d/*" << false << QString();
}

void TestBackupParam::parse()
{
    QFETCH(QString, param);
    QFETCH(bool, ok);
    QFETCH(QString, sysDst);
    BackupRestoreParam::Values values;
    QCOMPARE(BackupRestoreParam::parse(param, &values), ok);
    if (ok) {
        QCOMPARE(values.sSysDst, sysDst);
        QString sBack;
        QVERIFY(BackupRestoreParam::compose(values, &sBack));
        BackupRestoreParam::Values again;
        QVERIFY(BackupRestoreParam::parse(sBack, &again));
        QCOMPARE(again.sDataDst, values.sDataDst);
    }
}

void TestBackupParam::tmpArchive()
{
    TestFolders folders;
    QCOMPARE(BackupFiles::tmpArchive(BackupFiles::systemArchive("U1")),
             folders.dataDir() + "/backup/U1-sys_tmp.7z");
    QCOMPARE(BackupFiles::tmpArchive(BackupFiles::dataArchive("U1")),
             folders.dataDir() + "/backup/U1-data_tmp.7z");
    QCOMPARE(BackupFiles::tmpArchive("/b/archive.zip"), QString());
}

void TestBackupParam::commitReplacesOnlyWhatIsNew()
{
    TestFolders folders;
    const QString sSys = BackupFiles::systemArchive("U1");
    const QString sData = BackupFiles::dataArchive("U1");
    QVERIFY(TestFolders::writeFile(sSys, "old sys"));
    QVERIFY(TestFolders::writeFile(sData, "old data"));
    QVERIFY(TestFolders::writeFile(BackupFiles::tmpArchive(sSys), "new sys"));
    QVERIFY(BackupFiles::commitArchives("U1"));
    QCOMPARE(TestFolders::readFile(sSys), QByteArray("new sys"));
    QCOMPARE(TestFolders::readFile(sData), QByteArray("old data"));
    QCOMPARE(QDir(BackupFiles::backupDir()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"U1-data.7z", "U1-sys.7z"}));
}

// A commit that cannot put the data archive in place takes the new system archive back too: the pair
// stays the old backup, and the new one waits under its temporary names for the clean-up.
void TestBackupParam::commitIsAllOrNothing()
{
    TestFolders folders;
    const QString sSys = BackupFiles::systemArchive("U1");
    const QString sData = BackupFiles::dataArchive("U1");
    QVERIFY(TestFolders::writeFile(sSys, "old sys"));
    QVERIFY(TestFolders::writeFile(sData, "old data"));
    QVERIFY(TestFolders::writeFile(BackupFiles::tmpArchive(sSys), "new sys"));
    QVERIFY(TestFolders::writeFile(BackupFiles::tmpArchive(sData), "new data"));
    ImmutableFile locked(sData);
    if (!locked.isLocked())
        QSKIP(qPrintable("cannot make a file immutable here: " + locked.why()));

    QVERIFY(!BackupFiles::commitArchives("U1"));
    QVERIFY(locked.unlock());
    QCOMPARE(TestFolders::readFile(sSys), QByteArray("old sys"));
    QCOMPARE(TestFolders::readFile(sData), QByteArray("old data"));
    QCOMPARE(TestFolders::readFile(BackupFiles::tmpArchive(sSys)), QByteArray("new sys"));
    QCOMPARE(QDir(BackupFiles::backupDir()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"U1-data.7z", "U1-data_tmp.7z", "U1-sys.7z", "U1-sys_tmp.7z"}));
}

void TestBackupParam::removeTemporaryFiles()
{
    TestFolders folders;
    const QString sSys = BackupFiles::systemArchive("U1");
    QVERIFY(TestFolders::writeFile(sSys, "old sys"));
    QVERIFY(TestFolders::writeFile(BackupFiles::tmpArchive(sSys), "part"));
    QVERIFY(TestFolders::writeFile(BackupFiles::tmpArchive(BackupFiles::dataArchive("U1")), "part"));
    QVERIFY(TestFolders::writeFile(BackupFiles::stagingDir() + "/HDD/APP/.hidden", "h"));
    BackupFiles::removeTemporaryFiles("U1");
    QCOMPARE(QDir(BackupFiles::backupDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"U1-sys.7z"}));
    QCOMPARE(TestFolders::readFile(sSys), QByteArray("old sys"));
}

QTEST_GUILESS_MAIN(TestBackupParam)
#include "tst_backupparam.moc"
