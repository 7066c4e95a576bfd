#include "controller/ZeqAgentCtrlMgr.h"
#include "core/Escaping.h"
#include "support/AgentRuntimeDir.h"
#include "support/TestFolders.h"
#include "support/TestHttpServer.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The real program as a process, with its own data, configuration and runtime folders (XDG_DATA_HOME,
// XDG_CONFIG_HOME, XDG_RUNTIME_DIR), watched through its log.
class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    void secondStartEndsAtOnce();
    void lockOfCrashedInstanceTakenOver();
    void signsInAutomatically();

private:
    struct Home {
        QTemporaryDir dataHome;
        QTemporaryDir configHome;
        AgentRuntimeDir runtimeDir;
        QString dataDir() const { return dataHome.path() + "/WendoAgent"; }
        QByteArray log() const { return TestFolders::readFile(dataDir() + "/WendoAgent.log"); }
    };
    static void prepare(Home& home);
    static std::unique_ptr<QProcess> start(const Home& home);
    static void stop(QProcess& process);
    static QByteArray loginAnswer(const QByteArray& session);
};

// The sign-in answer as the service's PHP SOAP server writes it.
QByteArray TestProgram::loginAnswer(const QByteArray& session)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" "
           "xmlns:ns1=\"urn:SyncService\" xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "SOAP-ENV:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\"><SOAP-ENV:Body>"
           "<ns1:loginResponse><return xsi:type=\"xsd:string\">" +
           session + "</return></ns1:loginResponse></SOAP-ENV:Body></SOAP-ENV:Envelope>\n";
}

void TestProgram::prepare(Home& home)
{
    QVERIFY(home.dataHome.isValid() && home.configHome.isValid() && home.runtimeDir.isValid());
    QVERIFY(TestFolders::writeFile(home.dataDir() + "/msg.ini", "[DEBUG]\nLOG_LEVEL=2\n"));
}

std::unique_ptr<QProcess> TestProgram::start(const Home& home)
{
    std::unique_ptr<QProcess> pProcess(new QProcess());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", home.dataHome.path());
    env.insert("XDG_CONFIG_HOME", home.configHome.path());
    env.insert("XDG_RUNTIME_DIR", home.runtimeDir.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    pProcess->setProcessEnvironment(env);
    // The program's own output is kept beside its data for a look after a failure.
    pProcess->setStandardOutputFile(home.dataHome.path() + "/stdout.txt", QIODevice::Append);
    pProcess->setStandardErrorFile(home.dataHome.path() + "/stderr.txt", QIODevice::Append);
    pProcess->start(QString::fromLocal8Bit(qgetenv("WENDO_TEST_BIN")) + "/WendoAgent", QStringList());
    return pProcess;
}

void TestProgram::stop(QProcess& process)
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(30000);
    }
}

void TestProgram::secondStartEndsAtOnce()
{
    Home home;
    prepare(home);
    auto pFirst = start(home);
    QVERIFY(pFirst->waitForStarted(30000));
    // The tray icon comes before the welcome pause: the second start lands inside it.
    QTRY_VERIFY_WITH_TIMEOUT(home.log().contains("[ZeqAgentMainDialog][createTray]"), 60000);
    auto pSecond = start(home);
    QVERIFY(pSecond->waitForFinished(60000));
    QCOMPARE(pSecond->exitStatus(), QProcess::NormalExit);
    QCOMPARE(pSecond->exitCode(), 0);
    QCOMPARE(pFirst->state(), QProcess::Running);

    // And once the first shows its window.
    QTRY_VERIFY_WITH_TIMEOUT(home.log().contains("[main][main] window shown"), 60000);
    auto pThird = start(home);
    QVERIFY(pThird->waitForFinished(60000));
    QCOMPARE(pThird->exitCode(), 0);
    QCOMPARE(pFirst->state(), QProcess::Running);
    QCOMPARE(home.log().count("another instance is running"), 2);
    QCOMPARE(home.log().count("[main][showRunningInstance] the running agent shows its window"), 2);
    // Its socket for later starts is in its own runtime folder, and goes with it.
    QCOMPARE(home.runtimeDir.sockets().size(), 1);
    // The first start brought the start-up entry in line with the (empty) setting.
    QSettings settings(home.dataDir() + "/settings.ini", QSettings::IniFormat);
    QCOMPARE(settings.value("SETTING/RunAtStartup").toString(), QString("false"));
    QVERIFY(!QFile::exists(home.configHome.path() + "/autostart/WendoAgent.desktop"));
    stop(*pFirst);
}

void TestProgram::lockOfCrashedInstanceTakenOver()
{
    Home home;
    prepare(home);
    auto pFirst = start(home);
    QTRY_VERIFY_WITH_TIMEOUT(home.log().contains("[ZeqAgentMainDialog][createTray]"), 60000);
    pFirst->kill(); // as a crash: the lock file stays behind
    QVERIFY(pFirst->waitForFinished(30000));
    QVERIFY(QFile::exists(home.dataDir() + "/WendoAgent.lock"));

    auto pSecond = start(home);
    QTRY_VERIFY_WITH_TIMEOUT(home.log().count("[ZeqAgentMainDialog][createTray]") == 2, 60000);
    QCOMPARE(pSecond->state(), QProcess::Running);
    QVERIFY(!home.log().contains("another instance is running"));
    stop(*pSecond);
}

// Auto sign-in against a service given by settings URL "WebApi": the signed-in view follows the answer.
void TestProgram::signsInAutomatically()
{
    TestHttpServer server;
    QVERIFY(server.start());
    server.setHandler([](const TestHttpServer::Request& request) {
        if (!request.body.contains("login"))
            return TestHttpServer::Answer::status(500);
        return TestHttpServer::Answer::ok(loginAnswer("SESSION-42"));
    });

    Home home;
    prepare(home);
    const QString sUser = "rider+1@example.com";
    const QString sPassword = "Pa\"ss\\w<0>&rd";
    {
        QSettings settings(home.dataDir() + "/settings.ini", QSettings::IniFormat);
        settings.setValue("URL/WebApi", server.url("/zazoziva/agent_v1/SyncService.php"));
        settings.setValue("LOGIN/AutoLogin", "true");
        settings.setValue("LOGIN/user", sUser);
        settings.setValue("LOGIN/password", ZeqAgentCtrlMgr::scramblePassword(sPassword));
        settings.setValue("LOGIN/len", QString::number(sPassword.length()));
    }

    auto pAgent = start(home);
    QTRY_VERIFY_WITH_TIMEOUT(home.log().contains("[ZeqAgentMainDialog][skinLogin] status 1"), 90000);
    // One sign-in; the signed-in page then asks for the account's devices and choices on its own.
    QList<TestHttpServer::Request> logins;
    for (const TestHttpServer::Request& sent : server.requests()) {
        if (sent.body.contains("login"))
            logins << sent;
    }
    QCOMPARE(logins.size(), 1);
    const TestHttpServer::Request request = logins.first();
    QCOMPARE(request.path(), QByteArray("/zazoziva/agent_v1/SyncService.php"));
    QVERIFY(request.bBodyOk);
    QVERIFY2(request.body.contains(Escaping::xml(sPassword).toUtf8()), request.body.constData());
    QVERIFY(request.body.contains(Escaping::xml(sUser).toUtf8()));
    QCOMPARE(pAgent->state(), QProcess::Running);
    stop(*pAgent);
    const QByteArray log = home.log();
    QVERIFY(!log.contains(sPassword.toUtf8()));
    QVERIFY(!log.contains(Escaping::xml(sPassword).toUtf8()));
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
