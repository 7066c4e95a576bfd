#include "core/AgentSettings.h"
#include "support/TestFolders.h"

#include <QFile>
#include <QtTest>

class TestAgentSettings : public QObject
{
    Q_OBJECT

private slots:
    void absentValues();
    void typedGetters_data();
    void typedGetters();
    void writesAreSharedAndPersisted();
    void fileIsPrivate();
    void deviceGroups_data();
    void deviceGroups();
};

void TestAgentSettings::absentValues()
{
    TestFolders folders;
    AgentSettings settings;
    QCOMPARE(settings.getString("LOGIN", "user"), QString());
    QCOMPARE(settings.getInt("Proxy", "port"), 0);
    QCOMPARE(settings.getBool("LOGIN", "AutoLogin"), false);
    QCOMPARE(settings.defString("AGENT", "version"), QString());
    QVERIFY(!QFile::exists(folders.dataPath("settings.ini")));
}

void TestAgentSettings::typedGetters_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("asBool");
    QTest::addColumn<int>("asInt");
    QTest::newRow("true") << "true" << true << 0;
    QTest::newRow("TRUE") << "TRUE" << true << 0;
    QTest::newRow("false") << "false" << false << 0;
    QTest::newRow("False") << "False" << false << 0;
    QTest::newRow("0") << "0" << false << 0;
    QTest::newRow("1") << "1" << true << 1;
    QTest::newRow("8080") << "8080" << true << 8080;
    QTest::newRow("-3") << "-3" << true << -3;
    QTest::newRow("yes") << "yes" << true << 0;
    QTest::newRow("12abc") << "12abc" << true << 0;
    QTest::newRow("empty") << "" << false << 0;
}

void TestAgentSettings::typedGetters()
{
    QFETCH(QString, stored);
    QFETCH(bool, asBool);
    QFETCH(int, asInt);
    TestFolders folders;
    {
        AgentSettings settings;
        settings.setValue("SYNC", "KeptHistory", stored);
    }
    TestFolders::writeFile(folders.programPath("defsettings.ini"),
                           "[SYNC]\nKeptHistory=" + stored.toUtf8() + "\n");
    AgentSettings settings;
    QCOMPARE(settings.getString("SYNC", "KeptHistory"), stored);
    QCOMPARE(settings.getBool("SYNC", "KeptHistory"), asBool);
    QCOMPARE(settings.getInt("SYNC", "KeptHistory"), asInt);
    QCOMPARE(settings.defBool("SYNC", "KeptHistory"), asBool);
    QCOMPARE(settings.defInt("SYNC", "KeptHistory"), asInt);
}

void TestAgentSettings::writesAreSharedAndPersisted()
{
    TestFolders folders;
    {
        AgentSettings writer;
        AgentSettings reader;
        writer.setValue("LOGIN", "user", QString::fromUtf8("rider@exämple.org"));
        QCOMPARE(reader.getString("LOGIN", "user"), QString::fromUtf8("rider@exämple.org"));
    }
    QVERIFY(TestFolders::readFile(folders.dataPath("settings.ini")).contains("[LOGIN]"));
    AgentSettings later;
    QCOMPARE(later.getString("LOGIN", "user"), QString::fromUtf8("rider@exämple.org"));
}

void TestAgentSettings::fileIsPrivate()
{
    TestFolders folders;
    {
        AgentSettings settings;
        settings.setValue("LOGIN", "password", "secret");
    }
    const QFile::Permissions perms = QFile::permissions(folders.dataPath("settings.ini"));
    QCOMPARE(perms & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
             QFile::Permissions());
    QVERIFY(perms & QFile::ReadOwner);
    QVERIFY(perms & QFile::WriteOwner);
}

void TestAgentSettings::deviceGroups_data()
{
    QTest::addColumn<QString>("uuid");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("plain") << "0123456789ABCDEF" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank") << "  " << false;
    QTest::newRow("slash") << "AB/CD" << false;
    QTest::newRow("backslash") << "AB\\CD" << false;
    QTest::newRow("dots") << "..AB" << false;
    QTest::newRow("the agent's own group") << "login" << false;
}

void TestAgentSettings::deviceGroups()
{
    QFETCH(QString, uuid);
    QFETCH(bool, accepted);
    TestFolders folders;
    {
        AgentSettings settings;
        QCOMPARE(settings.setDeviceValue(uuid, "connect", "2026/12/09"), accepted);
        settings.setValue("SETTING", "Lang", "de");
    }
    AgentSettings settings;
    const QStringList groups = settings.user()->childGroups();
    QCOMPARE(groups.contains(uuid), accepted);
    QCOMPARE(settings.getDeviceString(uuid, "connect"), accepted ? QString("2026/12/09") : QString());
    QVERIFY(settings.user()->childKeys().isEmpty()); // never a top-level key
    QCOMPARE(groups.size(), accepted ? 2 : 1);
}

QTEST_GUILESS_MAIN(TestAgentSettings)
#include "tst_agentsettings.moc"
