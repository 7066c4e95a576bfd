#include "backup/RestoreSwap.h"
#include "support/BackupTestDevice.h"
#include "support/TestFolders.h"

#include <QDir>
#include <QtTest>

class TestRestoreSwap : public QObject
{
    Q_OBJECT

private slots:
    void overlayMatchesExistingSpelling();
    void overlayRollsBackWhenBlocked();
    void replaceRollsBack();
    void preparePutsBackInterruptedReplace();
};

void TestRestoreSwap::overlayMatchesExistingSpelling()
{
    QTemporaryDir root;
    QVERIFY(TestFolders::writeFile(root.path() + "/hdd/app/user.dat", "old"));
    QVERIFY(TestFolders::writeFile(root.path() + "/hdd/app/other.dat", "stays"));
    RestoreSwap swap(root.path() + "/", RestoreSwap::OVERLAY);
    QVERIFY(swap.prepare());
    QVERIFY(TestFolders::writeFile(swap.extractDir() + "/HDD/APP/USER.DAT", "restored"));
    QVERIFY(TestFolders::writeFile(swap.extractDir() + "/HDD/APP/Favorites/home.xml", "home"));
    QVERIFY(swap.commit());
    swap.finish();
    QMap<QString, QByteArray> expected;
    expected.insert("hdd", "d");
    expected.insert("hdd/app", "d");
    expected.insert("hdd/app/user.dat", "frestored");
    expected.insert("hdd/app/other.dat", "fstays");
    expected.insert("hdd/app/Favorites", "d");
    expected.insert("hdd/app/Favorites/home.xml", "fhome");
    QCOMPARE(BackupTestDevice::snapshot(root.path()), expected);
}

void TestRestoreSwap::overlayRollsBackWhenBlocked()
{
    QTemporaryDir root;
    QVERIFY(TestFolders::writeFile(root.path() + "/b.txt", "old b"));
    QVERIFY(TestFolders::writeFile(root.path() + "/d/c.txt", "old c"));
    const QMap<QString, QByteArray> before = BackupTestDevice::snapshot(root.path());
    RestoreSwap swap(root.path() + "/", RestoreSwap::OVERLAY);
    QVERIFY(swap.prepare());
    QVERIFY(TestFolders::writeFile(swap.extractDir() + "/a.txt", "new a"));
    QVERIFY(TestFolders::writeFile(swap.extractDir() + "/b.txt", "new b"));
    QVERIFY(TestFolders::writeFile(swap.extractDir() + "/d/c.txt", "new c"));
    // Where replaced entries are moved aside is taken by a file: "a.txt" goes in, then "b.txt" cannot.
    QVERIFY(TestFolders::writeFile(root.path() + "/.wendo_restore_old", "in the way"));
    QVERIFY(!swap.commit());
    swap.discard();
    QFile::remove(root.path() + "/.wendo_restore_old");
    QCOMPARE(BackupTestDevice::snapshot(root.path()), before);
}

void TestRestoreSwap::replaceRollsBack()
{
    QTemporaryDir root;
    QVERIFY(TestFolders::writeFile(root.path() + "/Korvo/Tracks/a.gpx", "old"));
    const QMap<QString, QByteArray> before = BackupTestDevice::snapshot(root.path());
    RestoreSwap swap(root.path() + "/Korvo/Tracks", RestoreSwap::REPLACE);
    QVERIFY(swap.prepare());
    QVERIFY(TestFolders::writeFile(swap.extractDir() + "/b.gpx", "new"));
    QVERIFY(swap.commit());
    QCOMPARE(TestFolders::readFile(root.path() + "/Korvo/Tracks/b.gpx"), QByteArray("new"));
    swap.rollback(); // the other drive's half failed
    swap.discard();
    QCOMPARE(BackupTestDevice::snapshot(root.path()), before);
}

void TestRestoreSwap::preparePutsBackInterruptedReplace()
{
    QTemporaryDir root;
    // An earlier restore stopped between moving the folder aside and moving the new one in.
    QVERIFY(TestFolders::writeFile(root.path() + "/Korvo/.Tracks_restore_old/a.gpx", "rides"));
    QVERIFY(TestFolders::writeFile(root.path() + "/Korvo/.Tracks_restore_new/partial.gpx", "part"));
    RestoreSwap swap(root.path() + "/Korvo/Tracks", RestoreSwap::REPLACE);
    QVERIFY(swap.prepare());
    swap.discard();
    QMap<QString, QByteArray> expected;
    expected.insert("Korvo", "d");
    expected.insert("Korvo/Tracks", "d");
    expected.insert("Korvo/Tracks/a.gpx", "frides");
    QCOMPARE(BackupTestDevice::snapshot(root.path()), expected);
}

QTEST_GUILESS_MAIN(TestRestoreSwap)
#include "tst_restoreswap.moc"
