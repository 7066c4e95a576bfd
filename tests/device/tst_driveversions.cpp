#include "device/DriveVersions.h"
#include "support/DriveTree.h"
#include "support/HangGuard.h"
#include "support/TestFolders.h"

#include <QtTest>

class TestDriveVersions : public QObject
{
    Q_OBJECT

private slots:
    void line_data();
    void line();
    void mapTable_data();
    void mapTable();
    void missingFilesGiveZero();
    void foldersMatchWithoutCase();
    void hostileVersionFile_data();
    void hostileVersionFile();
    void overlongLineIsNoVersion();
};

void TestDriveVersions::line_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("date");
    QTest::newRow("full line") << QByteArray("1.2.3;2012-05-01;1234;\n") << "1.2.3"
                               << "2012-05-01";
    QTest::newRow("no semicolon") << QByteArray("1.2.3\n") << "1.2.3"
                                  << "";
    QTest::newRow("windows line end") << QByteArray("1.2.3\r\nsecond\r\n") << "1.2.3"
                                      << "";
    QTest::newRow("date without end") << QByteArray("4.5;2013-01-02\r\n") << "4.5"
                                      << "2013-01-02";
    QTest::newRow("no line end at all") << QByteArray("7") << "7"
                                        << "";
    QTest::newRow("only the first line") << QByteArray("1;a\n2;b\n") << "1"
                                         << "a";
    QTest::newRow("empty version") << QByteArray(";2012-05-01;\n") << ""
                                   << "2012-05-01";
}

void TestDriveVersions::line()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, version);
    QFETCH(QString, date);
    TestFolders folders;
    const QString sPath = folders.dataPath("version.app");
    QVERIFY(TestFolders::writeFile(sPath, content));
    QString sVersion;
    QString sDate;
    QVERIFY(DriveVersions::readLine(sPath, &sVersion, &sDate));
    QCOMPARE(sVersion, version);
    QCOMPARE(sDate, date);
}

void TestDriveVersions::mapTable_data()
{
    QTest::addColumn<QByteArray>("map"); // null: no file
    QTest::addColumn<QByteArray>("nq");
    QTest::addColumn<QString>("taVer");
    QTest::addColumn<QString>("taDate");
    QTest::addColumn<bool>("taMap");
    QTest::newRow("map only") << QByteArray("3.1;2011-01-01;\n") << QByteArray() << "3.1"
                              << "2011-01-01" << true;
    QTest::newRow("nq only") << QByteArray() << QByteArray("9.0;2014-02-02;\n") << "9.0"
                             << "2014-02-02" << false;
    QTest::newRow("map and nq") << QByteArray("3.1;2011-01-01;\n") << QByteArray("9.0;2014-02-02;\n") << "9.0"
                                << "2014-02-02" << false;
    QTest::newRow("neither") << QByteArray() << QByteArray() << "0"
                             << "" << true;
    QTest::newRow("empty map file") << QByteArray("") << QByteArray() << "0"
                                    << "" << true;
}

void TestDriveVersions::mapTable()
{
    QFETCH(QByteArray, map);
    QFETCH(QByteArray, nq);
    QFETCH(QString, taVer);
    QFETCH(QString, taDate);
    QFETCH(bool, taMap);
    DriveTree tree;
    if (!map.isNull())
        QVERIFY(tree.writeVersion("map", map));
    if (!nq.isNull())
        QVERIFY(tree.writeVersion("nq", nq));
    Worker::DEVINFO info;
    DriveVersions::read(tree.root(), &info);
    QCOMPARE(info.sTaVer, taVer);
    QCOMPARE(info.sTaDate, taDate);
    QCOMPARE(info.bTaMap, taMap);
}

void TestDriveVersions::missingFilesGiveZero()
{
    DriveTree tree;
    QVERIFY(tree.writeVersion("osm", "2.0;2015-03-03;x\n"));
    QVERIFY(tree.writeVersion("app", "\n"));
    Worker::DEVINFO info;
    DriveVersions::read(tree.root(), &info);
    QCOMPARE(info.sAppVer, QString("0"));
    QCOMPARE(info.sBmVer, QString("0"));
    QCOMPARE(info.sCountryVer, QString("0"));
    QCOMPARE(info.sOsmVer, QString("2.0"));
    QCOMPARE(info.sOsmDate, QString("2015-03-03"));
    QCOMPARE(info.sReserved, QString());
}

void TestDriveVersions::foldersMatchWithoutCase()
{
    DriveTree tree;
    QVERIFY(tree.writeFile("Korvo/Version.App", "5.5;2020-01-01;\n"));
    QVERIFY(tree.writeFile("Korvo/VERSION.CNT", "6.6\n"));
    Worker::DEVINFO info;
    DriveVersions::read(tree.root(), &info);
    QCOMPARE(info.sAppVer, QString("5.5"));
    QCOMPARE(info.sCountryVer, QString("6.6"));
}

void TestDriveVersions::hostileVersionFile_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("fifo") << int(DriveTree::HOSTILE_FIFO);
    QTest::newRow("link to /dev/zero") << int(DriveTree::HOSTILE_ZERO_LINK);
    QTest::newRow("folder") << int(DriveTree::HOSTILE_FOLDER);
    QTest::newRow("200 MB of zeros") << int(DriveTree::HOSTILE_HUGE);
}

void TestDriveVersions::hostileVersionFile()
{
    QFETCH(int, kind);
    TestFolders folders(true);
    DriveTree tree;
    QVERIFY(tree.writeVersion("cnt", "6.6\n"));
    for (const char* szExt : {"app", "osm", "bm", "map"})
        QVERIFY(tree.plantHostile(QString("KORVO/version.") + szExt, DriveTree::Hostile(kind)));
    Worker::DEVINFO info;
    info.sTaDate = "kept";
    QVERIFY2(HangGuard::finishes([&tree, &info]() { DriveVersions::read(tree.root(), &info); }),
             "reading the versions did not return");
    QCOMPARE(QStringList({info.sAppVer, info.sOsmVer, info.sBmVer, info.sTaVer, info.sCountryVer}),
             QStringList({"0", "0", "0", "0", "6.6"}));
    QCOMPARE(info.sTaDate, QString("kept"));
    QVERIFY(info.bTaMap);
    QString sVersion = "untouched";
    QString sDate;
    QVERIFY(!DriveVersions::readLine(tree.root() + "KORVO/version.app", &sVersion, &sDate));
    QCOMPARE(sVersion, QString("untouched"));
}

void TestDriveVersions::overlongLineIsNoVersion()
{
    DriveTree tree;
    QString sVersion = "untouched";
    QString sDate;
    QVERIFY(tree.writeVersion("app", QByteArray(8000, '1') + ";2012-05-01;\n"));
    QVERIFY(!DriveVersions::readLine(tree.root() + "KORVO/version.app", &sVersion, &sDate));
    QCOMPARE(sVersion, QString("untouched"));
    // A line that ends within the head is read, whatever follows it.
    QVERIFY(tree.writeVersion("app", "2.0;2012-05-01;\n" + QByteArray(8000, 'x')));
    QVERIFY(DriveVersions::readLine(tree.root() + "KORVO/version.app", &sVersion, &sDate));
    QCOMPARE(sVersion, QString("2.0"));
}

QTEST_GUILESS_MAIN(TestDriveVersions)
#include "tst_driveversions.moc"
