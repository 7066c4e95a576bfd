#include "platform/DevicePath.h"
#include "support/TestFolders.h"

#include <QDir>
#include <QtTest>

class TestDevicePath : public QObject
{
    Q_OBJECT

private slots:
    void resolve_data();
    void resolve();
    void createsMissingInGivenSpelling();
    void safeRelative_data();
    void safeRelative();
};

void TestDevicePath::resolve_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("expected");
    QTest::newRow("exact") << "Korvo/Tracks/a.gpx"
                           << "Korvo/Tracks/a.gpx";
    QTest::newRow("other case") << "KORVO/tracks/A.GPX"
                                << "Korvo/Tracks/a.gpx";
    QTest::newRow("backslashes") << "korvo\\TRACKS"
                                 << "Korvo/Tracks";
    QTest::newRow("missing tail keeps spelling") << "KORVO/Settings/x.xml"
                                                 << "Korvo/Settings/x.xml";
    QTest::newRow("missing file") << "korvo/tracks/New.gpx"
                                  << "Korvo/Tracks/New.gpx";
}

void TestDevicePath::resolve()
{
    QFETCH(QString, relative);
    QFETCH(QString, expected);
    QTemporaryDir root;
    QVERIFY(TestFolders::writeFile(root.path() + "/Korvo/Tracks/a.gpx", "x"));
    QCOMPARE(DevicePath::resolve(root.path() + "/", relative), root.path() + "/" + expected);
    QCOMPARE(DevicePath::resolve(root.path(), relative), root.path() + "/" + expected);
}

void TestDevicePath::createsMissingInGivenSpelling()
{
    QTemporaryDir root;
    QDir().mkpath(root.path() + "/korvo");
    bool bOk = false;
    const QString sDir = DevicePath::resolveDir(root.path() + "/", "KORVO/Map/Europe", &bOk);
    QVERIFY(bOk);
    QCOMPARE(sDir, root.path() + "/korvo/Map/Europe");
    QVERIFY(QDir(sDir).exists());
}

void TestDevicePath::safeRelative_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("safe");
    QTest::newRow("plain") << "HDD/APP/keepfile.xml" << true;
    QTest::newRow("backslash") << "HDD\\APP" << true;
    QTest::newRow("dotdot") << "HDD/../../etc" << false;
    QTest::newRow("dotdot backslash") << "HDD\\..\\x" << false;
    QTest::newRow("absolute") << "/etc/passwd" << false;
    QTest::newRow("drive letter") << "C:/Windows" << false;
    QTest::newRow("dots in name") << "a..b/c" << true;
}

void TestDevicePath::safeRelative()
{
    QFETCH(QString, relative);
    QFETCH(bool, safe);
    QCOMPARE(DevicePath::isSafeRelative(relative), safe);
}

QTEST_GUILESS_MAIN(TestDevicePath)
#include "tst_devicepath.moc"
