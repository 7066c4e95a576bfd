#include "controller/UrlOpener.h"
#include "core/AgentTiming.h"
#include "support/DesktopHandlerStub.h"
#include "support/RecordingNotifier.h"
#include "support/TestFolders.h"

#include <QtTest>

namespace
{
// A page that carries the account in its query, as the verification page does.
const QString g_sPage =
    "https://www.zeqshare.example/login/verifyWendoAgent?email=rider%40example.org&auth=c2VjcmV0";
const QString g_sLogged = "https://www.zeqshare.example/login/verifyWendoAgent";
} // namespace

// A web page handed to the desktop's real handler (a stub first on PATH, ending as each case needs):
// where the desktop cannot open it (no browser), one box says so and shows the address to copy; where it
// could, or the handler goes on running (it took over), nothing is shown. The window never waits for the
// handler, and the log tells what the handler did without the address's query.
class TestUrlOpener : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void handlerEndings_data();
    void handlerEndings();
    void secondFailureWhileTheBoxIsOpen();

private:
    QString log() const
    {
        return QString::fromUtf8(TestFolders::readFile(m_pFolders->dataPath("WendoAgent.log")));
    }

    QScopedPointer<TestFolders> m_pFolders;
};

void TestUrlOpener::init()
{
    m_pFolders.reset(new TestFolders(true));
}

void TestUrlOpener::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_pFolders.reset();
    AgentTiming::resetDefaults();
}

void TestUrlOpener::handlerEndings_data()
{
    QTest::addColumn<int>("ending");
    QTest::addColumn<int>("handOverMs");
    QTest::addColumn<QString>("logged");
    QTest::addColumn<bool>("box");
    const QString sNotOpened =
        "[UrlOpener][open] %1 not opened: \"xdg-open\" ended with exit status 3 for \"%1\"";
    const QString sTaken = "[UrlOpener][open] the desktop took %1: \"xdg-open\" %2";
    QTest::newRow("no browser") << int(DesktopHandlerStub::FAILS) << 600000 << sNotOpened.arg(g_sLogged)
                                << true;
    QTest::newRow("browser opened it")
        << int(DesktopHandlerStub::ENDS_WELL) << 600000 << sTaken.arg(g_sLogged, "ended well") << false;
    QTest::newRow("browser keeps running")
        << int(DesktopHandlerStub::KEEPS_RUNNING) << 50 << sTaken.arg(g_sLogged, "still runs 50 ms") << false;
}

void TestUrlOpener::handlerEndings()
{
    QFETCH(int, ending);
    QFETCH(int, handOverMs);
    QFETCH(QString, logged);
    QFETCH(bool, box);
    DesktopHandlerStub handler({"xdg-open", "gio"}, DesktopHandlerStub::ONLY_STUBS,
                               DesktopHandlerStub::Ending(ending));
    QVERIFY(handler.isValid());
    AgentTiming::set(AgentTiming::HANDLER_HANDOVER, handOverMs);
    RecordingNotifier notifier;
    QVERIFY(UrlOpener::open(g_sPage));
    QCOMPARE(notifier.m_notices.size(), 0); // the caller never waits for the handler
    // The outcome's log line is the event that ends the wait, box or no box.
    QTRY_VERIFY_WITH_TIMEOUT(log().contains(logged), 60000);
    QVERIFY(handler.waitForCall("xdg-open", 60000)); // one that took over may not have got there yet
    QCOMPARE(handler.calls("xdg-open"), QStringList{g_sPage});
    QCOMPARE(handler.calls("gio"), QStringList());
    if (box) {
        QCOMPARE(notifier.m_notices.size(), 1);
        QCOMPARE(notifier.m_notices.at(0).sTitle, QString("WendoAgent"));
        QCOMPARE(
            notifier.m_notices.at(0).sText,
            QString("The web page could not be opened. Please check that a web browser is installed.\n\n") +
                g_sPage);
        QCOMPARE(notifier.m_notices.at(0).format, Notifier::PLAIN_TEXT);
        QCOMPARE(notifier.m_notices.at(0).nButtons, int(Notifier::OK));
    } else {
        QCOMPARE(notifier.m_notices.size(), 0);
    }
    if (ending == DesktopHandlerStub::KEEPS_RUNNING) {
        handler.stopRunning();
        QTRY_VERIFY_WITH_TIMEOUT(
            log().contains("[UrlOpener][open] the handler that took " + g_sLogged + " ended"), 60000);
        QCOMPARE(notifier.m_notices.size(), 0); // its later end is no failure to tell
    }
    // The account in the query stays out of the log, also where the handler's own message quotes it.
    QVERIFY2(!log().contains("c2VjcmV0") && !log().contains("rider"), qUtf8Printable(log()));
}

// Two pages that fail one after the other: the second failure, while the box about the first is still
// open, adds no second box.
void TestUrlOpener::secondFailureWhileTheBoxIsOpen()
{
    DesktopHandlerStub handler({"xdg-open"}, DesktopHandlerStub::ONLY_STUBS, DesktopHandlerStub::FAILS);
    QVERIFY(handler.isValid());
    AgentTiming::set(AgentTiming::HANDLER_HANDOVER, 600000);
    RecordingNotifier notifier;
    bool bSecondHeard = false;
    notifier.m_whileOpen = [this, &bSecondHeard] {
        // The box is open: the second page fails meanwhile.
        UrlOpener::open("https://www.zeqshare.example/login/forgotpassword");
        bSecondHeard =
            QTest::qWaitFor([this] { return log().contains("the box about a page is open already"); }, 60000);
    };
    QVERIFY(UrlOpener::open("https://www.zeqshare.example/tos?language=en"));
    QTRY_COMPARE_WITH_TIMEOUT(notifier.m_notices.size(), 1, 60000);
    QVERIFY(bSecondHeard);
    QCOMPARE(notifier.m_notices.size(), 1);
    QVERIFY(notifier.m_notices.at(0).sText.endsWith("\n\nhttps://www.zeqshare.example/tos?language=en"));
}

QTEST_GUILESS_MAIN(TestUrlOpener)
#include "tst_urlopener.moc"
