#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "support/RecordingNotifier.h"
#include "support/SmallVolume.h"
#include "support/TestFolders.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

#include <unistd.h>

namespace
{
const QFile::Permissions GROUP_OR_OTHERS = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                           QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

// What a user of some months has: the remembered account, the service and many devices (about 10 KB).
void writeLivedInSettings()
{
    AgentSettings settings;
    settings.setValue("LOGIN", "user", "rider@example.org");
    settings.setValue("LOGIN", "AutoLogin", "true");
    settings.setValue("URL", "WebApi", "http://127.0.0.1:8080/zazoziva/agent_v1/SyncService.php");
    for (int i = 0; i < 80; ++i) {
        const QString sUuid = QString("UUID-%1-0123456789ABCDEF").arg(i, 4, 10, QChar('0'));
        for (const char* szKey : {"connect", "backuptime", "autocheck"})
            settings.setDeviceValue(sUuid, szKey, "2026/12/09");
        settings.setDeviceValue(sUuid, "hwname", "Wendo 500");
        settings.setDeviceValue(sUuid, "fwver", "2.10.0");
    }
    QVERIFY(settings.sync());
}
} // namespace

class TestAgentSettings : public QObject
{
    Q_OBJECT

private slots:
    void absentValues();
    void typedGetters_data();
    void typedGetters();
    void writesAreSharedAndPersisted();
    void fileIsPrivate();
    void existingWiderFileBecomesPrivate();
    void dataFolderIsPrivate_data();
    void dataFolderIsPrivate();
    void writtenAsTheSettingsLibraryWrites_data();
    void writtenAsTheSettingsLibraryWrites();
    void sameSizeRewriteIsSeen();
    void unreadableFileIsKept();
    void charactersBeyondTheBasicPlane();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
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

void TestAgentSettings::existingWiderFileBecomesPrivate()
{
    TestFolders folders;
    const QString sPath = folders.dataPath("settings.ini");
    QVERIFY(TestFolders::writeFile(sPath, "[LOGIN]\nuser=rider@example.org\n"));
    QVERIFY(QFile::setPermissions(sPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                             QFile::ReadOther));
    {
        AgentSettings settings;
        settings.setValue("LOGIN", "password", "secret");
    }
    QCOMPARE(QFile::permissions(sPath) & (GROUP_OR_OTHERS | QFile::ExeOwner), QFile::Permissions());
    AgentSettings later;
    QCOMPARE(later.getString("LOGIN", "user"), QString("rider@example.org"));
    QCOMPARE(later.getString("LOGIN", "password"), QString("secret"));
}

void TestAgentSettings::dataFolderIsPrivate_data()
{
    QTest::addColumn<bool>("existing");
    QTest::newRow("new folder") << false;
    QTest::newRow("existing 0755 folder") << true;
}

void TestAgentSettings::dataFolderIsPrivate()
{
    QFETCH(bool, existing);
    TestFolders folders;
    const QString sDir = folders.dataPath("share/WendoAgent");
    if (existing) {
        QVERIFY(QDir().mkpath(sDir));
        QVERIFY(QFile::setPermissions(sDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                                QFile::ExeOther));
    }
    AgentFolders::setDataDir(sDir);
    QVERIFY(AgentFolders::ensureFilled());
    const QFile::Permissions perms = QFile::permissions(sDir);
    QCOMPARE(perms & GROUP_OR_OTHERS, QFile::Permissions());
    QVERIFY(perms & QFile::ReadOwner && perms & QFile::WriteOwner && perms & QFile::ExeOwner);
}

void TestAgentSettings::writtenAsTheSettingsLibraryWrites_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "LOGIN"
                           << "user"
                           << "rider@example.org";
    QTest::newRow("empty") << "LOGIN"
                           << "password"
                           << "";
    QTest::newRow("address with query") << "URL"
                                        << "WebApi"
                                        << "http://h:8/a.php?x=1&y=2";
    QTest::newRow("comma and semicolon") << "SYNC"
                                         << "KeptHistory"
                                         << "a, b; c";
    QTest::newRow("outer spaces") << "SYNC"
                                  << "AutoSync"
                                  << "  padded  ";
    QTest::newRow("quotes and backslash") << "DEBUG"
                                          << "Login"
                                          << "say \"hi\" C:\\dir";
    QTest::newRow("line breaks and tab") << "DEBUG"
                                         << "Sync"
                                         << "one\ntwo\r\tthree";
    QTest::newRow("control then hex digit") << "DEBUG"
                                            << "Sync" << QString("\x01") + "a";
    QTest::newRow("at sign") << "AGENT"
                             << "version"
                             << "@Invalid()";
    QTest::newRow("non-ASCII") << "LOGIN"
                               << "user" << QString::fromUtf8("jürgen@exämple.org 日本");
    QTest::newRow("scrambled password") << "LOGIN"
                                        << "password" << QString::fromUtf8("\x7f\xc2\x80\xc3\xbf~");
    QTest::newRow("device group") << "0123-ABCD.ef_g"
                                  << "connect"
                                  << "2026/12/09";
    QTest::newRow("odd group and key") << QString::fromUtf8("Grüße group") << "key=1"
                                       << "v";
    QTest::newRow("group named General") << "General"
                                         << "x"
                                         << "1";
}

// Same bytes as the settings library writes for the same value, so older files and ours read alike.
void TestAgentSettings::writtenAsTheSettingsLibraryWrites()
{
    QFETCH(QString, group);
    QFETCH(QString, key);
    QFETCH(QString, value);
    TestFolders folders;
    {
        QSettings library(folders.dataPath("library.ini"), QSettings::IniFormat);
        library.setIniCodec("UTF-8");
        library.beginGroup(group);
        library.setValue(key, value);
        library.endGroup();
    }
    {
        AgentSettings settings;
        settings.setValue(group, key, value);
    }
    QCOMPARE(TestFolders::readFile(folders.dataPath("settings.ini")),
             TestFolders::readFile(folders.dataPath("library.ini")));
    AgentSettings later;
    QCOMPARE(later.getString(group, key), value);
}

void TestAgentSettings::sameSizeRewriteIsSeen()
{
    TestFolders folders;
    AgentSettings reader;
    // Many quick rewrites: the file system's clock moves in steps of milliseconds, so several of them
    // land within one step.
    for (int n = 0; n < 300; ++n) {
        const QString sDay = n % 2 ? "2026/12/09" : "2026/12/10";
        {
            AgentSettings writer;
            writer.setValue("SYNC", "day", sDay);
        }
        QCOMPARE(reader.getString("SYNC", "day"), sDay);
        QCOMPARE(reader.user()->value("SYNC/day").toString(), sDay);
        QCOMPARE(AgentSettings().getString("SYNC", "day"), sDay);
    }
}

// A settings file the agent cannot read (left by a run as another user) reads as empty: a save must not
// write it anew from nothing and drop the user's keys.
void TestAgentSettings::unreadableFileIsKept()
{
    if (geteuid() != 0)
        QSKIP("needs root to act as another user");
    TestFolders folders;
    const QString sPath = folders.dataPath("settings.ini");
    const QByteArray original = "[LOGIN]\nuser=rider@example.org\n\n[DEV-1]\nbackuptime=2020/01/02\n";
    QVERIFY(TestFolders::writeFile(sPath, original));
    QVERIFY(QFile::setPermissions(sPath, QFile::ReadOwner | QFile::WriteOwner));
    // The folder stays writable for the other user, so only the file's own mode protects it.
    QVERIFY(QFile::setPermissions(folders.dataDir(), QFile::Permissions(0x7777)));
    const uid_t nNobody = 65534;
    QVERIFY(seteuid(nNobody) == 0);
    bool bSaved = true;
    {
        AgentSettings settings;
        settings.setValue("SETTING", "Lang", "de");
        bSaved = settings.sync();
    }
    QVERIFY(seteuid(0) == 0);
    QVERIFY(!bSaved);
    QCOMPARE(TestFolders::readFile(sPath), original);
}

void TestAgentSettings::charactersBeyondTheBasicPlane()
{
    TestFolders folders;
    const QString sValue = QString::fromUtf8("a\xF0\x9F\x9A\xB4z \xF0\x9F\x98\x80");
    {
        AgentSettings settings;
        settings.setValue("DEV-1", "hwname", sValue);
        QVERIFY(settings.sync());
    }
    QVERIFY(TestFolders::readFile(folders.dataPath("settings.ini")).contains(sValue.toUtf8()));
    AgentSettings later;
    QCOMPARE(later.getString("DEV-1", "hwname"), sValue);
}

void TestAgentSettings::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("nearly full ext4") << int(SmallVolume::EXT4);
    QTest::newRow("64 KB tmpfs") << int(SmallVolume::TMPFS);
}

void TestAgentSettings::fullDiskKeepsTheOldFile()
{
    QFETCH(int, kind);
    TestFolders folders;
    RecordingNotifier notifier;
    SmallVolume volume{SmallVolume::Kind(kind)};
    QString sWhy;
    if (!volume.mount(&sWhy))
        QSKIP(qPrintable("no volume can be mounted here: " + sWhy));
    const QString sPath = volume.path() + "/data/settings.ini";
    AgentFolders::setDataDir(volume.path() + "/data");
    writeLivedInSettings();
    const QByteArray old = TestFolders::readFile(sPath);
    QVERIFY(old.size() > 2 * 4096); // more than the two blocks left free below

    QVERIFY2(volume.fillLeaving(2, &sWhy), qPrintable(sWhy));
    {
        AgentSettings settings;
        settings.setValue("LOGIN", "user", "second@example.org");
        QVERIFY(!settings.sync());
        QCOMPARE(TestFolders::readFile(sPath), old);
        QCOMPARE(settings.getString("LOGIN", "user"), QString("second@example.org"));
        settings.setValue("SETTING", "Lang", "de");
    } // its own save at the end fails too
    QCOMPARE(TestFolders::readFile(sPath), old);
    QCOMPARE(notifier.m_notices.size(), 1);
    QVERIFY(notifier.m_notices.first().bBalloon);
    QVERIFY(!notifier.m_notices.first().sText.isEmpty());

    QVERIFY(volume.makeRoom());
    {
        AgentSettings settings;
        settings.setValue("SYNC", "AutoSync", "true");
        QVERIFY(settings.sync());
    }
    QCOMPARE(notifier.m_notices.size(), 1);
    QCOMPARE(QFile::permissions(sPath) & GROUP_OR_OTHERS, QFile::Permissions());
    {
        AgentSettings later;
        QCOMPARE(later.getString("LOGIN", "user"), QString("second@example.org"));
        QCOMPARE(later.getString("SETTING", "Lang"), QString("de"));
        QCOMPARE(later.getBool("SYNC", "AutoSync"), true);
        QCOMPARE(later.getString("URL", "WebApi"),
                 QString("http://127.0.0.1:8080/zazoziva/agent_v1/SyncService.php"));
        QCOMPARE(later.getDeviceString("UUID-0079-0123456789ABCDEF", "fwver"), QString("2.10.0"));
        QCOMPARE(later.user()->childGroups().size(), 80 + 4);
    }

    // A new stretch of failures is told again; the last good file stays.
    const QByteArray good = TestFolders::readFile(sPath);
    QVERIFY2(volume.fillLeaving(2, &sWhy), qPrintable(sWhy));
    {
        AgentSettings settings;
        settings.setValue("LOGIN", "AutoLogin", "false");
        QVERIFY(!settings.sync());
    }
    QCOMPARE(TestFolders::readFile(sPath), good);
    QCOMPARE(notifier.m_notices.size(), 2);
    QVERIFY(volume.makeRoom());
    QVERIFY(AgentSettings().sync()); // closes the stretch for the tests after this one
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
