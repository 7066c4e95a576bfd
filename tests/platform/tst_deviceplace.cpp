#include "platform/DevicePath.h"
#include "platform/DevicePlace.h"
#include "support/DriveTree.h"
#include "support/TestFolders.h"

#include <QtTest>

#include <sys/mount.h>
#include <unistd.h>

// Places on a drive whose folders and files may link to the computer's own files.
class TestDevicePlace : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void places_data();
    void places();
    void makeFolderNeverThroughALink_data();
    void makeFolderNeverThroughALink();
    void members_data();
    void members();
    void otherFileSystemInside();

private:
    QScopedPointer<DriveTree> m_pDrive;
    QScopedPointer<QTemporaryDir> m_pComputer;
    QString m_sSibling; // "<root>2": beside the drive, sharing the start of its name
};

void TestDevicePlace::init()
{
    m_pDrive.reset(new DriveTree);
    m_pComputer.reset(new QTemporaryDir);
    QVERIFY(m_pDrive->writeFile("KORVO/version.app", "1;2;3"));
    QVERIFY(m_pDrive->writeFile("KORVO/Map/base.img", "map"));
    QVERIFY(TestFolders::writeFile(m_pComputer->path() + "/secret", "secret"));
    const QString sRoot = m_pDrive->root();
    m_sSibling = sRoot.left(sRoot.size() - 1) + "2";
    QVERIFY(TestFolders::writeFile(m_sSibling + "/secret", "secret"));
    QVERIFY(QFile::link(m_pComputer->path(), sRoot + "KORVO/Linked"));
    QVERIFY(QFile::link(m_pComputer->path() + "/secret", sRoot + "KORVO/version.bm"));
    QVERIFY(QFile::link(m_sSibling, sRoot + "KORVO/Sibling"));
    QVERIFY(QFile::link(sRoot + "KORVO/Map", sRoot + "KORVO/Inner"));
    QVERIFY(QFile::link(sRoot + "KORVO/nowhere", sRoot + "KORVO/version.map"));
}

void TestDevicePlace::cleanup()
{
    QDir(m_sSibling).removeRecursively();
    m_pDrive.reset();
    m_pComputer.reset();
}

void TestDevicePlace::places_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("safe");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<bool>("fileSlot");
    QTest::newRow("the root") << "" << true << true << false;
    QTest::newRow("device folder") << "KORVO/Map" << true << true << false;
    QTest::newRow("device file") << "KORVO/version.app" << true << false << true;
    QTest::newRow("new name") << "KORVO/version.osm" << true << false << true;
    QTest::newRow("new folder below new folder") << "KORVO/New/Deeper" << true << false << true;
    QTest::newRow("folder link to the computer") << "KORVO/Linked" << false << false << false;
    QTest::newRow("below a folder link") << "KORVO/Linked/secret" << false << false << false;
    QTest::newRow("new name below a folder link") << "KORVO/Linked/new.bin" << false << false << false;
    QTest::newRow("file link to the computer") << "KORVO/version.bm" << false << false << false;
    QTest::newRow("link beside the root") << "KORVO/Sibling/secret" << false << false << false;
    // Even a link that stays on the drive: what it names may change between the look and the write.
    QTest::newRow("link within the drive") << "KORVO/Inner/base.img" << false << false << false;
    QTest::newRow("dangling link") << "KORVO/version.map" << false << false << false;
    QTest::newRow("below a file") << "KORVO/version.app/x" << false << false << false;
    QTest::newRow("parent step") << "KORVO/../../secret" << false << false << false;
}

void TestDevicePlace::places()
{
    QFETCH(QString, relative);
    QFETCH(bool, safe);
    QFETCH(bool, folder);
    QFETCH(bool, fileSlot);
    const QString sPath = m_pDrive->root() + relative;
    QString sWhy;
    QCOMPARE(DevicePlace::isSafe(m_pDrive->root(), sPath, &sWhy), safe);
    QCOMPARE(sWhy.isEmpty(), safe);
    QCOMPARE(DevicePlace::isFolder(m_pDrive->root(), sPath), folder);
    QCOMPARE(DevicePlace::isFileSlot(m_pDrive->root(), sPath), fileSlot);
    // Outside the root nothing is safe, however harmless.
    QVERIFY(!DevicePlace::isSafe(m_pDrive->root(), m_pComputer->path() + "/secret"));
    QVERIFY(!DevicePlace::isSafe(m_pDrive->root(), m_sSibling + "/secret"));
}

void TestDevicePlace::makeFolderNeverThroughALink_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("made");
    QTest::newRow("new folders") << "Korvo/Tracks/2026" << true;
    QTest::newRow("existing folder, other case") << "korvo/map" << true;
    QTest::newRow("through a folder link") << "KORVO/Linked/Tracks" << false;
    QTest::newRow("through a link beside the root") << "KORVO/Sibling/Tracks" << false;
    QTest::newRow("through a dangling link") << "KORVO/version.map/Tracks" << false;
}

void TestDevicePlace::makeFolderNeverThroughALink()
{
    QFETCH(QString, relative);
    QFETCH(bool, made);
    bool bOk = !made;
    const QString sFolder = DevicePath::resolveDir(m_pDrive->root(), relative, &bOk);
    QCOMPARE(bOk, made);
    QCOMPARE(QFileInfo(sFolder).isDir() && !QFileInfo(sFolder).isSymLink(), made);
    // Nothing appeared on the computer's side.
    QCOMPARE(QDir(m_pComputer->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"secret"});
    QCOMPARE(QDir(m_sSibling).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"secret"});
    QVERIFY(!QFileInfo::exists(m_pDrive->root() + "KORVO/nowhere"));
}

void TestDevicePlace::members_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("members");
    QTest::addColumn<bool>("safe");
    QTest::newRow("plain members") << "" << QStringList{"KORVO/App/app.bin", "KORVO/Map/base.img", "top.bin"}
                                   << true;
    QTest::newRow("member through a folder link")
        << "" << QStringList{"KORVO/App/app.bin", "KORVO/Linked/x"} << false;
    QTest::newRow("member onto a file link") << "" << QStringList{"KORVO/version.bm"} << false;
    QTest::newRow("target is a folder link") << "KORVO/Linked" << QStringList{"base.img"} << false;
    QTest::newRow("member with a parent step") << "KORVO/Map" << QStringList{"../../x"} << false;
    QTest::newRow("absolute member") << "KORVO/Map" << QStringList{"/etc/x"} << false;
}

void TestDevicePlace::members()
{
    QFETCH(QString, target);
    QFETCH(QStringList, members);
    QFETCH(bool, safe);
    QCOMPARE(DevicePlace::membersAreSafe(m_pDrive->root(), m_pDrive->root() + target, members), safe);
}

// A file system mounted inside the drive is not the device's, even without a link.
void TestDevicePlace::otherFileSystemInside()
{
    if (::geteuid() != 0)
        QSKIP("mounting needs root");
    const QString sMount = m_pDrive->root() + "KORVO/Mounted";
    QVERIFY(QDir().mkpath(sMount));
    if (::mount("tmpfs", QFile::encodeName(sMount).constData(), "tmpfs", 0, "size=1m") != 0)
        QSKIP("no tmpfs mount here");
    const bool bSafe = DevicePlace::isSafe(m_pDrive->root(), sMount + "/new.bin");
    bool bMade = true;
    DevicePath::resolveDir(m_pDrive->root(), "KORVO/Mounted/Deeper", &bMade);
    const bool bEmpty = QDir(sMount).isEmpty();
    QCOMPARE(::umount(QFile::encodeName(sMount).constData()), 0);
    QVERIFY(!bSafe);
    QVERIFY(!bMade);
    QVERIFY(bEmpty);
    QVERIFY(DevicePlace::isFolder(m_pDrive->root(), sMount));
}

QTEST_GUILESS_MAIN(TestDevicePlace)
#include "tst_deviceplace.moc"
