#include "core/AgentFolders.h"
#include "support/DriveTree.h"
#include "support/TestFolders.h"
#include "update/MapInfo.h"
#include "update/ProcCountryXml.h"
#include "update/SubstringSet.h"

#include <QDir>
#include <QtTest>

// Which country group's maps a device holds, from its map register against the country groups.
class TestMapInfo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void coverage_data();
    void coverage();
    void namesOfLine_data();
    void namesOfLine();
    void displayName_data();
    void displayName();
    void hostileRegister_data();
    void hostileRegister();
    void substrings_data();
    void substrings();
    void groupsFromTheScript();
    void noDevice();

private:
    QScopedPointer<TestFolders> m_pFolders;
};

void TestMapInfo::initTestCase()
{
    m_pFolders.reset(new TestFolders);
    QVERIFY(QDir().mkpath(m_pFolders->tempDir()));
}

void TestMapInfo::coverage_data()
{
    QTest::addColumn<QString>("registerPath"); // "" for no register
    QTest::addColumn<QByteArray>("registerText");
    QTest::addColumn<QString>("groups");
    QTest::addColumn<QString>("countries");
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("complete");

    const QString reg = "HDD/Map/sigreg.dat";
    const QString builtIn = QString::fromUtf8(ProcCountryXml::builtInScript()).trimmed().replace('\n', '|');
    QTest::newRow("name after a region prefix")
        << reg << QByteArray("EU_United_Kingdom.dat\n") << builtIn << "United Kingdom"
        << "Western Europe" << 22 << false;
    QTest::newRow("USA inside Utah_USA") << reg << QByteArray("Map_Utah_USA.dat\n") << "States:USA,Utah_USA"
                                         << "USA, Utah"
                                         << "States" << 2 << true;
    QTest::newRow("leading blank needs the blank")
        << reg << QByteArray("Italy.dat\nSpain.dat\n") << "Central: Italy,Spain"
        << "Spain"
        << "Central" << 2 << false;
    QTest::newRow("leading blank found with it")
        << reg << QByteArray("x Italy.dat\nSpain.dat\n") << "Central: Italy,Spain"
        << " Italy, Spain"
        << "Central" << 2 << true;
    QTest::newRow("same display name twice never complete")
        << reg << QByteArray("New_York_USA.dat\nNew_York_Canada.dat\n") << "NY:New_York_USA,New_York_Canada"
        << "New York"
        << "NY" << 2 << false;
    QTest::newRow("equal complete groups: the earlier")
        << reg << QByteArray("A.dat\nB.dat\n") << "First:A|Second:B"
        << "A"
        << "First" << 1 << true;
    QTest::newRow("larger complete group wins") << reg << QByteArray("A.dat\nB.dat\n") << "Small:A|Big:A,B"
                                                << "A, B"
                                                << "Big" << 2 << true;
    QTest::newRow("complete wins over partial") << reg << QByteArray("A.dat\nC.dat\n") << "Part:A,B|Full:C"
                                                << "C"
                                                << "Full" << 1 << true;
    QTest::newRow("partial: first hit names, most hits list")
        << reg << QByteArray("A.dat\nC.dat\nD.dat\n") << "One:A,B|Two:C,D,E"
        << "C, D"
        << "One" << 2 << false;
    // An empty entry would be found in every name: a group without countries always "complete".
    QTest::newRow("group without countries is no hit") << reg << QByteArray("X.dat\n") << "Solo:|Other:X"
                                                       << "X"
                                                       << "Other" << 1 << true;
    QTest::newRow("empty entries ignored") << reg << QByteArray("A.dat\nB.dat\n") << "G:A,,B,"
                                           << "A, B"
                                           << "G" << 2 << true;
    QTest::newRow("CRLF") << reg << QByteArray("A.dat\r\nB.dat\r\n") << "G:A,B"
                          << "A, B"
                          << "G" << 2 << true;
    QTest::newRow("non-ASCII") << reg << QByteArray("\xc3\x96sterreich.dat\nS\xc3\xa3o_Tom\xc3\xa9.dat\n")
                               << QString::fromUtf8("Mitte:Österreich,São_Tomé")
                               << QString::fromUtf8("Österreich, São Tomé") << "Mitte" << 2 << true;
    QTest::newRow("path in another case") << "hdd/map/SIGREG.DAT" << QByteArray("A.dat\n") << "G:A"
                                          << "A"
                                          << "G" << 1 << true;
    QTest::newRow("no hit") << reg << QByteArray("Z.dat\n") << "G:A"
                            << ""
                            << "" << 0 << false;
    QTest::newRow("missing register") << "" << QByteArray() << "G:A"
                                      << ""
                                      << "" << 0 << false;
    QTest::newRow("empty register") << reg << QByteArray() << "G:A"
                                    << ""
                                    << "" << 0 << false;
}

void TestMapInfo::coverage()
{
    QFETCH(QString, registerPath);
    QFETCH(QByteArray, registerText);
    QFETCH(QString, groups);
    DriveTree drive;
    QVERIFY(drive.isValid());
    if (registerPath.isEmpty())
        QVERIFY(QDir().mkpath(drive.root() + "HDD/Map"));
    else
        QVERIFY(drive.writeFile(registerPath, registerText));

    const MapInfo info(drive.root(), groups);

    QTEST(info.m_strCountryList, "countries");
    QTEST(info.m_strCurGroupName, "group");
    QTEST(info.m_nGroupCountryCount, "count");
    QTEST(info.m_bGroupComplete, "complete");
}

void TestMapInfo::namesOfLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("one") << "Germany.dat" << QStringList{"Germany"};
    QTest::newRow(".dat at 10 and 25")
        << "ABCDEFGHIJ.datKLMNOPQRSTU.dat" << QStringList{"ABCDEFGHIJ", "ABCDEFGHIJ.datKLMNOPQRSTU"};
    QTest::newRow("50 characters keep the last 40")
        << QString(10, 'x') + QString(40, 'y') + ".dat" << QStringList{QString(40, 'y')};
    QTest::newRow("upper case is no end") << "Germany.DAT" << QStringList();
    QTest::newRow("nothing") << "" << QStringList();
}

void TestMapInfo::namesOfLine()
{
    QFETCH(QString, line);
    QTEST(MapInfo::namesOfLine(line), "names");
}

void TestMapInfo::displayName_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("shown");
    QTest::newRow("state") << "New_York_USA"
                           << "New York";
    QTest::newRow("province") << "Nova_Scotia_Canada"
                              << "Nova Scotia";
    QTest::newRow("country") << "Czech_Republic"
                             << "Czech Republic";
    QTest::newRow("USA alone") << "USA"
                               << "USA";
}

void TestMapInfo::displayName()
{
    QFETCH(QString, entry);
    QTEST(MapInfo::displayName(entry), "shown");
}

void TestMapInfo::hostileRegister_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("FIFO") << int(DriveTree::HOSTILE_FIFO);
    QTest::newRow("link to /dev/zero") << int(DriveTree::HOSTILE_ZERO_LINK);
    QTest::newRow("folder") << int(DriveTree::HOSTILE_FOLDER);
    QTest::newRow("huge") << int(DriveTree::HOSTILE_HUGE);
}

// The register is the device's: read only as a bounded regular file, never blocking.
void TestMapInfo::hostileRegister()
{
    QFETCH(int, kind);
    DriveTree drive;
    QVERIFY(drive.plantHostile("HDD/Map/sigreg.dat", DriveTree::Hostile(kind)));
    const MapInfo info(drive.root(), "G:A");
    QCOMPARE(info.m_strCountryList, QString());
    QCOMPARE(info.m_strCurGroupName, QString());
    QVERIFY(!info.m_bGroupComplete);
}

void TestMapInfo::substrings_data()
{
    QTest::addColumn<QStringList>("patterns");
    QTest::addColumn<QString>("text");
    QTest::newRow("overlapping") << QStringList{"he", "she", "his", "hers", "", "x"} << "ushers";
    QTest::newRow("suffix of another") << QStringList{"USA", "Utah_USA", "New_York_USA"} << "Map_Utah_USA";
    QTest::newRow("non-Latin") << QStringList{QString::fromUtf8("Österreich"), QString::fromUtf8("地图"),
                                              "reich"}
                               << QString::fromUtf8("AT_Österreich_地");
    QTest::newRow("repeated pattern") << QStringList{"ab", "ab", "b"} << "cab";
    QTest::newRow("empty text") << QStringList{"a"} << "";
}

// Found exactly where QString::contains finds it.
void TestMapInfo::substrings()
{
    QFETCH(QStringList, patterns);
    QFETCH(QString, text);
    const SubstringSet set(patterns);
    QVector<bool> found(patterns.size(), false);
    set.scan(text, &found);
    for (int i = 0; i < patterns.size(); ++i)
        QCOMPARE(found.at(i), !patterns.at(i).isEmpty() && text.contains(patterns.at(i)));
}

void TestMapInfo::groupsFromTheScript()
{
    QVERIFY(TestFolders::writeFile(AgentFolders::tempPath("country.script"),
                                   "China:China\nAUSNZL:Australia,New_Zealand\n"));
    DriveTree drive;
    QVERIFY(drive.writeFile("HDD/Map/sigreg.dat", "AU_Australia.dat NZ_New_Zealand.dat\n"));
    const MapInfo info(drive.root());
    QCOMPARE(info.m_strCurGroupName, QString("AUSNZL"));
    QCOMPARE(info.m_strCountryList, QString("Australia, New Zealand"));
    QCOMPARE(info.m_nGroupCountryCount, 2);
    QVERIFY(info.m_bGroupComplete);
}

// No device (and the serial family, which has no drive): no register is looked for, nothing is shown.
void TestMapInfo::noDevice()
{
    QVERIFY(TestFolders::writeFile(AgentFolders::tempPath("country.script"), "China:China\n"));
    const MapInfo info{QString()};
    QCOMPARE(info.m_strCountryList, QString());
    QCOMPARE(info.m_strCurGroupName, QString());
    QCOMPARE(info.m_nGroupCountryCount, 0);
    QVERIFY(!info.m_bGroupComplete);
}

QTEST_GUILESS_MAIN(TestMapInfo)
#include "tst_mapinfo.moc"
