#include "backup/BackupFiles.h"
#include "backup/ProcKeepFileXml.h"
#include "platform/DevicePath.h"
#include "support/BackupTestDevice.h"
#include "support/DriveTree.h"
#include "support/HangGuard.h"
#include "support/TestFolders.h"

#include <QDir>
#include <QtTest>

namespace
{
const char* const g_szFavorites[] = {"HDD",
                                     "HDD/APP",
                                     "HDD/APP/Favorites",
                                     "HDD/APP/Favorites/.order",
                                     "HDD/APP/Favorites/Blank",
                                     "HDD/APP/Favorites/Sub",
                                     "HDD/APP/Favorites/Sub/work.xml",
                                     "HDD/APP/Favorites/home.xml"};

QStringList favorites()
{
    QStringList list;
    for (const char* szPath : g_szFavorites)
        list.append(QString::fromLatin1(szPath));
    return list;
}

// Everything in the data folder but the staging folder, and the whole device.
QMap<QString, QByteArray> world(const TestFolders& folders, const BackupTestDevice& device)
{
    QMap<QString, QByteArray> entries = BackupTestDevice::snapshot(folders.dataDir());
    for (auto it = entries.begin(); it != entries.end();) {
        // The backup folder itself appears with the staging folder.
        if (it.key() == "backup" || it.key() == "backup/temp" || it.key().startsWith("backup/temp/") ||
            it.key().endsWith(".log"))
            it = entries.erase(it);
        else
            ++it;
    }
    const QMap<QString, QByteArray> drives = BackupTestDevice::snapshot(device.path());
    for (auto it = drives.cbegin(); it != drives.cend(); ++it)
        entries.insert("device/" + it.key(), it.value());
    return entries;
}
} // namespace

class TestKeepFileXml : public QObject
{
    Q_OBJECT

private slots:
    void openReadsListsInOrder();
    void openOtherTopElement();
    void openNotXml();
    void openRefusesHostileList_data();
    void openRefusesHostileList();
    void staging_data();
    void staging();
    void stagingEmptiesOldStaging();
    void missingKeepListTouchesNothing();
    void removeDirStopsAtStaging();
    void removeDirRefusesOutside();
    void copyFileReplacesOnlyWithSource();
};

void TestKeepFileXml::openReadsListsInOrder()
{
    TestFolders folders;
    const QString sPath = folders.dataPath("keep.xml");
    TestFolders::writeFile(sPath,
                           "<kept><file>Zeq_system\\b</file><folder>Zeq_system\\d1</folder><other>x</other>"
                           "<file>Zeq_data\\a</file><folder>Zeq_system\\d2</folder><File>no</File></kept>");
    ProcKeepFileXml keep;
    QVERIFY(keep.open(sPath));
    QCOMPARE(keep.m_fileList, QStringList({"Zeq_system\\b", "Zeq_data\\a"}));
    QCOMPARE(keep.m_folderList, QStringList({"Zeq_system\\d1", "Zeq_system\\d2"}));
}

void TestKeepFileXml::openOtherTopElement()
{
    TestFolders folders;
    const QString sPath = folders.dataPath("keep.xml");
    TestFolders::writeFile(sPath, "<keep><file>Zeq_system\\b</file></keep>");
    ProcKeepFileXml keep;
    QVERIFY(keep.open(sPath));
    QVERIFY(keep.m_fileList.isEmpty());
    QVERIFY(keep.m_folderList.isEmpty());
}

void TestKeepFileXml::openNotXml()
{
    TestFolders folders;
    const QString sPath = folders.dataPath("keep.xml");
    TestFolders::writeFile(sPath, "<kept><file>unclosed</kept>");
    ProcKeepFileXml keep;
    QVERIFY(!keep.open(sPath));
    QVERIFY(!keep.open(folders.dataPath("missing.xml")));
}

void TestKeepFileXml::openRefusesHostileList_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("fifo") << int(DriveTree::HOSTILE_FIFO);
    QTest::newRow("link to /dev/zero") << int(DriveTree::HOSTILE_ZERO_LINK);
    QTest::newRow("folder") << int(DriveTree::HOSTILE_FOLDER);
    QTest::newRow("200 MB") << int(DriveTree::HOSTILE_HUGE);
}

void TestKeepFileXml::openRefusesHostileList()
{
    QFETCH(int, kind);
    TestFolders folders;
    DriveTree drive;
    QVERIFY(drive.plantHostile("HDD/APP/keepfile.xml", DriveTree::Hostile(kind)));
    const QString sPath = drive.root() + "HDD/APP/keepfile.xml";
    auto pbOpened = std::make_shared<bool>(true);
    QVERIFY2(HangGuard::finishes([sPath, pbOpened]() {
                 ProcKeepFileXml keep;
                 *pbOpened = keep.open(sPath);
             }),
             "reading the keep list did not return");
    QVERIFY(!*pbOpened);
}

void TestKeepFileXml::staging_data()
{
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QStringList>("staged");
    const QStringList userDat{"HDD", "HDD/APP", "HDD/APP/user.dat"};
    QTest::newRow("file with \\") << "<file>Zeq_system\\HDD\\APP\\user.dat</file>" << userDat;
    QTest::newRow("file with /") << "<file>Zeq_system/HDD/APP/user.dat</file>" << userDat;
    QTest::newRow("doubled separators") << "<file>Zeq_system\\\\HDD//APP\\user.dat</file>" << userDat;
    QTest::newRow("folder with \\") << "<folder>Zeq_system\\HDD\\APP\\Favorites</folder>" << favorites();
    QTest::newRow("folder with /") << "<folder>Zeq_system/HDD/APP/Favorites</folder>" << favorites();
    QTest::newRow("duplicates") << "<folder>Zeq_system\\HDD\\APP\\Favorites</folder>"
                                   "<file>Zeq_system\\HDD\\APP\\Favorites\\home.xml</file>"
                                   "<folder>Zeq_system/HDD/APP/Favorites</folder>"
                                << favorites();
    QTest::newRow("other case on the device")
        << "<file>Zeq_system\\hdd\\app\\USER.DAT</file>" << QStringList{"hdd", "hdd/app", "hdd/app/USER.DAT"};
    QTest::newRow("data drive entries") << "<file>Zeq_data\\Korvo\\Settings\\user.cfg</file>"
                                           "<folder>Zeq_data\\Korvo\\Tracks</folder>"
                                        << QStringList();
    QTest::newRow("no pseudo-root") << "<file>HDD\\APP\\user.dat</file><folder>\\HDD\\APP</folder>"
                                    << QStringList();
    QTest::newRow("pseudo-root not first") << "<file>x\\Zeq_system\\HDD\\APP\\user.dat</file>"
                                              "<folder>/Zeq_system/HDD/APP/Favorites</folder>"
                                           << QStringList();
    QTest::newRow("spaces around") << "<file> Zeq_system\\HDD\\APP\\user.dat </file>" << QStringList();
    QTest::newRow("other elements") << "<note>Zeq_system\\HDD\\APP\\app.bin</note>"
                                       "<file>Zeq_system\\HDD\\APP\\user.dat</file>"
                                    << userDat;
    QTest::newRow("missing on the device") << "<file>Zeq_system\\HDD\\NEW\\none.txt</file>"
                                              "<folder>Zeq_system\\HDD\\Nothing</folder>"
                                           << QStringList();
    QTest::newRow("file traversal") << "<file>Zeq_system\\..\\outside.txt</file>"
                                       "<file>Zeq_system/HDD/../../../escape.txt</file>"
                                       "<file>Zeq_system\\..\\..\\settings.ini</file>"
                                       "<file>Zeq_system\\C:\\outside.txt</file>"
                                    << QStringList();
    QTest::newRow("folder traversal") << "<folder>Zeq_system\\..</folder><folder>Zeq_system/../..</folder>"
                                         "<folder>Zeq_system\\HDD\\..\\..\\..</folder>"
                                         "<folder>Zeq_system</folder><folder>Zeq_system\\</folder>"
                                         "<folder>Zeq_system\\.</folder>"
                                      << QStringList();
}

void TestKeepFileXml::staging()
{
    QFETCH(QString, entries);
    QFETCH(QStringList, staged);
    TestFolders folders;
    BackupTestDevice device;
    QVERIFY(device.addKeepList(entries));
    // What a traversal would reach: a file beside the drives and the agent's own settings.
    QVERIFY(TestFolders::writeFile(device.path() + "/outside.txt", "outside"));
    QVERIFY(TestFolders::writeFile(folders.dataPath("settings.ini"), "[SETTING]\n"));
    const QMap<QString, QByteArray> before = world(folders, device);

    ProcKeepFileXml keep;
    keep.setSystemRoot(device.systemRoot());
    QVERIFY(keep.open(device.systemRoot() + "HDD/APP/keepfile.xml"));
    QVERIFY(keep.backupKeepFile());

    const QMap<QString, QByteArray> result = BackupTestDevice::snapshot(BackupFiles::stagingDir());
    QCOMPARE(QStringList(result.keys()), staged);
    for (const QString& sPath : staged) {
        if (result.value(sPath) != "d")
            QCOMPARE(result.value(sPath),
                     "f" + TestFolders::readFile(DevicePath::resolve(device.systemRoot(), sPath)));
    }
    QCOMPARE(world(folders, device), before);
}

void TestKeepFileXml::stagingEmptiesOldStaging()
{
    TestFolders folders;
    BackupTestDevice device;
    QVERIFY(device.addKeepList("<file>Zeq_system\\HDD\\APP\\user.dat</file>"));
    QVERIFY(TestFolders::writeFile(BackupFiles::stagingDir() + "/stale/old.txt", "old"));
    ProcKeepFileXml keep;
    keep.setSystemRoot(device.systemRoot());
    QVERIFY(keep.open(device.systemRoot() + "HDD/APP/keepfile.xml"));
    QVERIFY(keep.backupKeepFile());
    QCOMPARE(QStringList(BackupTestDevice::snapshot(BackupFiles::stagingDir()).keys()),
             QStringList({"HDD", "HDD/APP", "HDD/APP/user.dat"}));
}

void TestKeepFileXml::missingKeepListTouchesNothing()
{
    TestFolders folders;
    BackupTestDevice device;
    QVERIFY(TestFolders::writeFile(BackupFiles::stagingDir() + "/kept.txt", "kept"));
    ProcKeepFileXml keep;
    QVERIFY(!keep.backupKeepFile()); // no system root
    keep.setSystemRoot(device.systemRoot());
    QVERIFY(!keep.backupKeepFile()); // no keep list on the device
    QCOMPARE(TestFolders::readFile(BackupFiles::stagingDir() + "/kept.txt"), QByteArray("kept"));
}

void TestKeepFileXml::removeDirStopsAtStaging()
{
    TestFolders folders;
    QVERIFY(TestFolders::writeFile(BackupFiles::stagingDir() + "/HDD/APP/.hidden", "h"));
    ProcKeepFileXml keep;
    QVERIFY(keep.removeDir(BackupFiles::stagingDir() + "/HDD/APP"));
    QVERIFY(QFileInfo(BackupFiles::stagingDir() + "/HDD").isDir());
    QVERIFY(keep.removeDir(BackupFiles::stagingDir()));
    QVERIFY(!QFileInfo::exists(BackupFiles::stagingDir()));
    // The backup folder, now empty, and the data folder stay.
    QVERIFY(QFileInfo(BackupFiles::backupDir()).isDir());
    QVERIFY(keep.removeDir(BackupFiles::stagingDir())); // nothing there
    QVERIFY(!keep.removeDir(QString()));
}

void TestKeepFileXml::removeDirRefusesOutside()
{
    TestFolders folders;
    QVERIFY(TestFolders::writeFile(BackupFiles::backupDir() + "/U1-sys.7z", "archive"));
    QVERIFY(TestFolders::writeFile(folders.dataPath("temp/work.xml"), "work"));
    QVERIFY(QDir().mkpath(BackupFiles::stagingDir()));
    ProcKeepFileXml keep;
    QVERIFY(!keep.removeDir(BackupFiles::backupDir()));
    QVERIFY(!keep.removeDir(BackupFiles::stagingDir() + "/../"));
    QVERIFY(!keep.removeDir(folders.dataPath("temp")));
    QVERIFY(!keep.removeDir(BackupFiles::stagingDir() + "/../../temp"));
    QCOMPARE(TestFolders::readFile(BackupFiles::backupDir() + "/U1-sys.7z"), QByteArray("archive"));
    QCOMPARE(TestFolders::readFile(folders.dataPath("temp/work.xml")), QByteArray("work"));
}

void TestKeepFileXml::copyFileReplacesOnlyWithSource()
{
    TestFolders folders;
    const QString sDst = BackupFiles::stagingDir() + "/a.txt";
    QVERIFY(TestFolders::writeFile(sDst, "old"));
    QVERIFY(TestFolders::writeFile(folders.dataPath("src.txt"), "new"));
    ProcKeepFileXml keep;
    QVERIFY(!keep.copyFile(sDst, folders.dataPath("missing.txt")));
    QCOMPARE(TestFolders::readFile(sDst), QByteArray("old"));
    QVERIFY(keep.copyFile(sDst, folders.dataPath("src.txt")));
    QCOMPARE(TestFolders::readFile(sDst), QByteArray("new"));
    QVERIFY(!keep.copyFile(folders.dataPath("escaped.txt"), folders.dataPath("src.txt")));
    QVERIFY(!QFileInfo::exists(folders.dataPath("escaped.txt")));
}

QTEST_GUILESS_MAIN(TestKeepFileXml)
#include "tst_keepfilexml.moc"
