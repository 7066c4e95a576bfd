#include "support/ControllerTestDevices.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "support/TestFolders.h"

#include <QDir>
#include <QFile>
#include <QThread>
#include <QtTest>

// The controller is a process-wide singleton, so each start-up case runs the real program logic in a
// child process of this test (started with the case name) against its own folders.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void pairing_data();
    void pairing();
    void exportToDebugLog();
    void singleInstanceAcrossThreads();
};

void TestStartup::pairing_data()
{
    QTest::addColumn<QByteArray>("defaults"); // empty: no defsettings.ini
    QTest::addColumn<QByteArray>("user");     // empty: no settings.ini
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("lang");
    QTest::newRow("first start copies defaults")
        << QByteArray("[AGENT]\nversion=2.1\nrelease=7\n[SETTING]\nLang=fr\n") << QByteArray() << "2.1"
        << "fr";
    QTest::newRow("old version replaced, choices kept")
        << QByteArray("[AGENT]\nversion=2.1\nrelease=7\n[SETTING]\nLang=fr\n")
        << QByteArray("[AGENT]\nversion=1.0\nrelease=1\n[SETTING]\nLang=de\n") << "2.1"
        << "de";
    QTest::newRow("no defaults") << QByteArray() << QByteArray("[SETTING]\nLang=it\n") << ""
                                 << "it";
}

void TestStartup::pairing()
{
    QFETCH(QByteArray, defaults);
    QFETCH(QByteArray, user);
    QFETCH(QString, version);
    QFETCH(QString, lang);

    QTemporaryDir programDir, dataDir;
    if (!defaults.isEmpty()) {
        TestFolders::writeFile(programDir.filePath("defsettings.ini"), defaults);
        QFile::setPermissions(programDir.filePath("defsettings.ini"), QFile::ReadOwner | QFile::ReadGroup);
    }
    if (!user.isEmpty())
        TestFolders::writeFile(dataDir.filePath("settings.ini"), user);

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("WENDO_CHILD_PROGRAM_DIR", programDir.path());
    env.insert("WENDO_CHILD_DATA_DIR", dataDir.path());
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"childStart"});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0);

    QSettings result(dataDir.filePath("settings.ini"), QSettings::IniFormat);
    QCOMPARE(result.value("AGENT/version").toString(), version);
    QCOMPARE(result.value("SETTING/Lang").toString(), lang);
    QVERIFY(QDir(dataDir.filePath("temp")).exists());
    const QFile::Permissions perms = QFile::permissions(dataDir.filePath("settings.ini"));
    QCOMPARE(perms & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther), QFile::Permissions());
}

void TestStartup::exportToDebugLog()
{
    TestFolders folders(true);
    TestFolders::writeFile(folders.tempDir() + "/genwork.xml", "<a>\n<b>x</b>\n");
    ZeqAgentCtrlMgr::getInstance()->exportToDebugLog(folders.tempDir() + "/genwork.xml");
    ZeqAgentCtrlMgr::getInstance()->exportToDebugLog(folders.tempDir() + "/missing.xml");
    const QByteArray log = TestFolders::readFile(folders.dataPath("WendoAgent.log"));
    QVERIFY(log.contains("[ZeqAgentCtrlMgr][exportToDebugLog] <a>\r\n"));
    QVERIFY(log.contains("[ZeqAgentCtrlMgr][exportToDebugLog] <b>x</b>\r\n"));
    QVERIFY(log.contains("[ZeqAgentCtrlMgr][exportToDebugLog]file Name " +
                         (folders.tempDir() + "/missing.xml").toUtf8()));
    QCOMPARE(TestFolders::readFile(folders.tempDir() + "/genwork.xml"), QByteArray("<a>\n<b>x</b>\n"));
}

void TestStartup::singleInstanceAcrossThreads()
{
    TestFolders folders;
    ZeqAgentCtrlMgr* pSeen[4] = {};
    QList<QThread*> threads;
    for (int i = 0; i < 4; ++i) {
        threads.append(QThread::create([&pSeen, i] { pSeen[i] = ZeqAgentCtrlMgr::getInstance(); }));
        threads.last()->start();
    }
    for (QThread* pThread : threads) {
        pThread->wait();
        delete pThread;
    }
    for (ZeqAgentCtrlMgr* pCtrl : pSeen)
        QCOMPARE(pCtrl, ZeqAgentCtrlMgr::getInstance());
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    ControllerTestDevices::install();
    if (argc > 1 && QByteArray(argv[1]) == "childStart") {
        AgentFolders::setProgramDir(qEnvironmentVariable("WENDO_CHILD_PROGRAM_DIR"));
        AgentFolders::setDataDir(qEnvironmentVariable("WENDO_CHILD_DATA_DIR"));
        ZeqAgentCtrlMgr::getInstance();
        return 0;
    }
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
