#include "platform/FreedesktopNotifications.h"
#include "support/FakeNotificationService.h"
#include "support/PrivateSessionBus.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The desktop's notices through a notification service on a session bus of the test's own: what counts
// as a click on one of the agent's notices. Each case ends with a click on a notice of a second object as
// the marker: the service's signals arrive in the order it sent them, so once the marker's click is
// heard, everything sent before it has been heard (or not listened to) too.
class TestFreedesktopNotifications : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void aNoticeActsOnce();
    void otherProgramsNoticesAreIgnored();
    void aClosedNoticeActsNoMore();
    void idsOfAReplacedServiceAreForgotten();

private:
    // Shows a notice and waits until the service has it; its id there (0 when it never came).
    static uint show(FreedesktopNotifications& notices, FakeNotificationService& service,
                     const QString& sText);
    // Clicks the marker's notice and waits until the marker heard it.
    static bool clickMarker(FakeNotificationService& service, uint nMarker, QSignalSpy& markerClicked);

    std::unique_ptr<FakeNotificationService> m_pService;
};

namespace
{
PrivateSessionBus& sessionBus()
{
    static PrivateSessionBus s_bus;
    return s_bus;
}
const int WAIT_MS = 30000; // a hang guard only
} // namespace

void TestFreedesktopNotifications::initTestCase()
{
    if (sessionBus().address().isEmpty())
        QSKIP(qPrintable("no session bus of our own: " + sessionBus().failure()));
}

void TestFreedesktopNotifications::init()
{
    m_pService.reset(new FakeNotificationService);
    QVERIFY(m_pService->start(sessionBus().address()));
}

void TestFreedesktopNotifications::cleanup()
{
    m_pService.reset();
}

uint TestFreedesktopNotifications::show(FreedesktopNotifications& notices, FakeNotificationService& service,
                                        const QString& sText)
{
    const int nBefore = service.m_notices.size();
    notices.notify("Wendo 500", sText, 10000);
    if (!QTest::qWaitFor([&] { return service.m_notices.size() > nBefore; }, WAIT_MS))
        return 0;
    return service.m_notices.last().nId;
}

bool TestFreedesktopNotifications::clickMarker(FakeNotificationService& service, uint nMarker,
                                               QSignalSpy& markerClicked)
{
    const int nBefore = markerClicked.count();
    service.invoke(nMarker, "default");
    return QTest::qWaitFor([&] { return markerClicked.count() > nBefore; }, WAIT_MS);
}

// A service that tells of one click twenty thousand times: the click counts once.
void TestFreedesktopNotifications::aNoticeActsOnce()
{
    FreedesktopNotifications notices;
    QSignalSpy clicked(&notices, &DesktopNotifications::clicked);
    FreedesktopNotifications marker;
    QSignalSpy markerClicked(&marker, &DesktopNotifications::clicked);
    const uint nNotice = show(notices, *m_pService, "Update available");
    const uint nMarker = show(marker, *m_pService, "marker");
    QVERIFY(nNotice && nMarker);
    QCOMPARE(m_pService->m_notices.first().lstActions, QStringList({"default", "WendoAgent"}));

    m_pService->repeatAction(nNotice, "default", 20000);
    QVERIFY(clickMarker(*m_pService, nMarker, markerClicked));
    QCOMPARE(clicked.count(), 1);
}

// Every program's notices are told on the same bus: a click on, or the close of, a notice whose id the
// agent's own Notify did not get is nothing to the agent, whose own notice still answers its click.
void TestFreedesktopNotifications::otherProgramsNoticesAreIgnored()
{
    FreedesktopNotifications notices;
    QSignalSpy clicked(&notices, &DesktopNotifications::clicked);
    FreedesktopNotifications marker;
    QSignalSpy markerClicked(&marker, &DesktopNotifications::clicked);
    const uint nOurs = show(notices, *m_pService, "Update available");
    const uint nMarker = show(marker, *m_pService, "marker");
    QVERIFY(nOurs && nMarker);
    const uint nForeign = nMarker + 7;

    m_pService->invoke(nForeign, "default");
    m_pService->repeatAction(nForeign, "default", 100);
    m_pService->close(nForeign, 1);
    QVERIFY(clickMarker(*m_pService, nMarker, markerClicked));
    QCOMPARE(clicked.count(), 0);

    m_pService->invoke(nOurs, "default");
    QTRY_COMPARE_WITH_TIMEOUT(clicked.count(), 1, WAIT_MS);
}

// A notice that expired or was closed: a click told afterwards (a late or faulty service) is not one.
void TestFreedesktopNotifications::aClosedNoticeActsNoMore()
{
    FreedesktopNotifications notices;
    QSignalSpy clicked(&notices, &DesktopNotifications::clicked);
    FreedesktopNotifications marker;
    QSignalSpy markerClicked(&marker, &DesktopNotifications::clicked);
    const uint nExpired = show(notices, *m_pService, "Update available");
    const uint nMarker = show(marker, *m_pService, "marker");
    QVERIFY(nExpired && nMarker);

    m_pService->close(nExpired, 1);
    m_pService->invoke(nExpired, "default");
    QVERIFY(clickMarker(*m_pService, nMarker, markerClicked));
    QCOMPARE(clicked.count(), 0);
}

// The service ends with one of the agent's notices open and another takes its place, counting its ids
// anew: the id it gives another program's notice is not the agent's old one.
void TestFreedesktopNotifications::idsOfAReplacedServiceAreForgotten()
{
    FreedesktopNotifications notices;
    QSignalSpy clicked(&notices, &DesktopNotifications::clicked);
    FreedesktopNotifications marker;
    QSignalSpy markerClicked(&marker, &DesktopNotifications::clicked);
    const uint nOld = show(notices, *m_pService, "before the restart");
    QVERIFY(nOld);
    m_pService->stop();

    FakeNotificationService replacement;
    QVERIFY(replacement.start(sessionBus().address()));
    const uint nForeign = replacement.Notify("Mail", 0, QString(), "Mail", "One new message",
                                             {"default", "Open"}, QVariantMap(), 5000);
    QCOMPARE(nForeign, nOld);
    const uint nMarker = show(marker, replacement, "marker");
    QVERIFY(nMarker);

    replacement.invoke(nForeign, "default");
    QVERIFY(clickMarker(replacement, nMarker, markerClicked));
    QCOMPARE(clicked.count(), 0);
}

// The bus comes before the application object, which the session bus connection belongs to.
int main(int argc, char* argv[])
{
    sessionBus().start();
    int nResult = 0;
    {
        QCoreApplication app(argc, argv);
        TestFreedesktopNotifications tc;
        QTEST_SET_MAIN_SOURCE_PATH
        nResult = QTest::qExec(&tc, argc, argv);
    }
    sessionBus().stop();
    return nResult;
}

#include "tst_freedesktopnotifications.moc"
