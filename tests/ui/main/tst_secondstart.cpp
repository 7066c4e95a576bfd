#include "XTopWindows.h"
#include "support/AgentRuntimeDir.h"
#include "support/TestFolders.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <X11/keysym.h>

// The real program started twice on a desktop of the test's own (Xvfb, openbox, and trayer as the tray
// host where a row asks for one), watched from outside as a person sees the screen: the title strip's
// close by a real click, or a click into the window and Escape, then a second start, which brings the
// first one's window back and ends with 0. The window's class is the one its desktop entry names, so the
// desktop ties the window to the entry's icon.
class TestSecondStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void secondStartShowsTheWindow_data();
    void secondStartShowsTheWindow();

private:
    struct Home {
        QTemporaryDir dataHome;
        QTemporaryDir configHome;
        AgentRuntimeDir runtimeDir;
        QString dataDir() const { return dataHome.path() + "/WendoAgent"; }
        QByteArray log() const { return TestFolders::readFile(dataDir() + "/WendoAgent.log"); }
    };
    std::unique_ptr<QProcess> start(const Home& home);
    bool setTrayHost(bool bPresent);
    void screenshot(const QString& sName);
    static void stop(QProcess& process);
    // The value of a key of the installed desktop entry's main group.
    static QString desktopEntryValue(const QString& sKey);

    QProcess m_xvfb;
    QProcess m_windowManager;
    QProcess m_trayHost;
    QString m_sDisplay;
    std::unique_ptr<XTopWindows> m_pScreen;
};

void TestSecondStart::initTestCase()
{
    m_xvfb.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"});
    if (!m_xvfb.waitForStarted(20000))
        QSKIP("no Xvfb here");
    QTRY_VERIFY_WITH_TIMEOUT(m_xvfb.canReadLine(), 30000);
    m_sDisplay = ":" + QString::fromLatin1(m_xvfb.readLine().trimmed());
    m_pScreen.reset(new XTopWindows(m_sDisplay));
    QVERIFY(m_pScreen->isOpen());
    const QString sOpenbox = QStandardPaths::findExecutable("openbox");
    if (sOpenbox.isEmpty())
        QSKIP("no openbox here");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", m_sDisplay);
    m_windowManager.setProcessEnvironment(env);
    m_trayHost.setProcessEnvironment(env);
    m_windowManager.start(sOpenbox, {"--sm-disable"});
    QVERIFY(m_windowManager.waitForStarted(30000));
    QTRY_VERIFY_WITH_TIMEOUT(m_pScreen->hasWindowManager(), 30000);
}

void TestSecondStart::cleanupTestCase()
{
    stop(m_trayHost);
    stop(m_windowManager);
    m_pScreen.reset(); // before its server goes, or Xlib ends this process
    stop(m_xvfb);
}

void TestSecondStart::stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished(30000);
    }
}

bool TestSecondStart::setTrayHost(bool bPresent)
{
    if (bPresent && m_trayHost.state() == QProcess::NotRunning) {
        const QString sTrayer = QStandardPaths::findExecutable("trayer");
        if (sTrayer.isEmpty())
            return false;
        m_trayHost.start(sTrayer, {"--edge", "top", "--align", "right", "--widthtype", "pixel", "--width",
                                   "120", "--height", "32"});
        if (!m_trayHost.waitForStarted(30000))
            return false;
    } else if (!bPresent) {
        stop(m_trayHost);
    }
    return QTest::qWaitFor([this, bPresent] { return m_pScreen->hasTrayHost() == bPresent; }, 30000);
}

std::unique_ptr<QProcess> TestSecondStart::start(const Home& home)
{
    std::unique_ptr<QProcess> pProcess(new QProcess());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", home.dataHome.path());
    env.insert("XDG_CONFIG_HOME", home.configHome.path());
    env.insert("XDG_RUNTIME_DIR", home.runtimeDir.path());
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("DISPLAY", m_sDisplay);
    env.remove("WAYLAND_DISPLAY");
    env.remove("DBUS_SESSION_BUS_ADDRESS");
    pProcess->setProcessEnvironment(env);
    pProcess->setStandardOutputFile(home.dataHome.path() + "/stdout.txt", QIODevice::Append);
    pProcess->setStandardErrorFile(home.dataHome.path() + "/stderr.txt", QIODevice::Append);
    pProcess->start(QString::fromLocal8Bit(qgetenv("WENDO_TEST_BIN")) + "/WendoAgent", QStringList());
    return pProcess;
}

void TestSecondStart::screenshot(const QString& sName)
{
    const QString sDir = QString::fromLocal8Bit(qgetenv("WENDO_SCREENSHOT_DIR"));
    if (sDir.isEmpty())
        return;
    QDir().mkpath(sDir);
    m_pScreen->saveScreen(sDir + "/" + sName + ".png");
}

QString TestSecondStart::desktopEntryValue(const QString& sKey)
{
    const QString sPath =
        QString::fromLocal8Bit(qgetenv("WENDO_SOURCE_DIR")) + "/packaging/com.zeqwendo.WendoAgent.desktop.in";
    for (const QByteArray& line : TestFolders::readFile(sPath).split('\n')) {
        if (line.startsWith(sKey.toUtf8() + "="))
            return QString::fromUtf8(line.mid(sKey.size() + 1));
    }
    return QString();
}

void TestSecondStart::secondStartShowsTheWindow_data()
{
    QTest::addColumn<bool>("bTrayHost");
    QTest::addColumn<bool>("bEscape"); // a click into the window and Escape instead of the close button
    QTest::newRow("no tray host") << false << false;
    QTest::newRow("no tray host, Escape") << false << true;
    QTest::newRow("tray host") << true << false;
    QTest::newRow("tray host, Escape") << true << true;
}

void TestSecondStart::secondStartShowsTheWindow()
{
    QFETCH(bool, bTrayHost);
    QFETCH(bool, bEscape);
    QVERIFY(setTrayHost(bTrayHost));
    const QString sRow = QString(bTrayHost ? "tray" : "notray") + (bEscape ? "-escape" : "");
    Home home;
    QVERIFY(home.dataHome.isValid() && home.configHome.isValid() && home.runtimeDir.isValid());
    QVERIFY(TestFolders::writeFile(home.dataDir() + "/msg.ini", "[DEBUG]\nLOG_LEVEL=2\n"));

    auto pFirst = start(home);
    QVERIFY(pFirst->waitForStarted(30000));
    unsigned long nWindow = 0;
    QTRY_VERIFY_WITH_TIMEOUT((nWindow = m_pScreen->findShown(" WendoAgent ")) != 0, 60000);
    QTRY_COMPARE_WITH_TIMEOUT(m_pScreen->wmState(nWindow), 1L, 30000);
    QVERIFY(!desktopEntryValue("StartupWMClass").isEmpty());
    QCOMPARE(m_pScreen->windowClass(nWindow), desktopEntryValue("StartupWMClass"));
    QVERIFY(home.log().contains(bTrayHost ? "[ZeqAgentMainDialog][createTray] tray icon shown"
                                          : "[ZeqAgentMainDialog][createTray] no tray host"));
    QTRY_VERIFY_WITH_TIMEOUT(home.log().contains("[ZeqAgentMainDialog][ZeqAgentMainDialog][End]"), 30000);
    screenshot("secondstart-1-shown-" + sRow);
    if (bEscape) {
        // A click on the title strip's empty middle gives the window the focus, then Escape.
        QVERIFY(m_pScreen->clickAt(m_pScreen->screenPosition(nWindow) + QPoint(400, 23)));
        QTRY_VERIFY_WITH_TIMEOUT(m_pScreen->hasFocus(nWindow), 30000);
        QVERIFY(m_pScreen->pressKey(XK_Escape));
    } else {
        // The strip's close button, 12 x 12 at 778, 10 of the window, clicked as a person does.
        QVERIFY(m_pScreen->clickAt(m_pScreen->screenPosition(nWindow) + QPoint(784, 16)));
    }
    if (bTrayHost)
        QTRY_COMPARE_WITH_TIMEOUT(m_pScreen->wmState(nWindow), 0L, 30000); // withdrawn into the tray
    else
        QTRY_COMPARE_WITH_TIMEOUT(m_pScreen->wmState(nWindow), 3L, 30000); // iconic
    QCOMPARE(m_pScreen->findShown(" WendoAgent "), 0UL);
    screenshot("secondstart-2-closed-" + sRow);

    auto pSecond = start(home);
    QVERIFY(pSecond->waitForFinished(60000));
    QCOMPARE(pSecond->exitStatus(), QProcess::NormalExit);
    QCOMPARE(pSecond->exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(m_pScreen->wmState(nWindow), 1L, 30000);
    QTRY_COMPARE_WITH_TIMEOUT(m_pScreen->findShown(" WendoAgent "), nWindow, 30000);
    screenshot("secondstart-3-back-" + sRow);
    const QByteArray log = home.log();
    QVERIFY(log.contains("[main][main] another instance is running"));
    QVERIFY(log.contains("[main][showRunningInstance] the running agent shows its window"));
    QVERIFY(log.contains("[main][main] a second start asks for the window"));
    QCOMPARE(pFirst->state(), QProcess::Running);
    pFirst->terminate();
    QVERIFY(pFirst->waitForFinished(30000) || (pFirst->kill(), pFirst->waitForFinished(30000)));
}

QTEST_GUILESS_MAIN(TestSecondStart)
#include "tst_secondstart.moc"
