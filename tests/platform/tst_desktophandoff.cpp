#include "platform/DesktopHandoff.h"
#include "support/DesktopHandlerStub.h"
#include "support/HandoffRecord.h"

#include <QTemporaryDir>
#include <QtTest>

// A page or package handed to the desktop's handler: its exit status decides, without anyone waiting,
// whether the desktop took it; a handler that goes on running has taken over, and its later end is still
// heard. The handler is a stub first on PATH that ends as each case needs.
class TestDesktopHandoff : public QObject
{
    Q_OBJECT

private slots:
    void endings_data();
    void endings();
    void noHandler();
};

void TestDesktopHandoff::endings_data()
{
    QTest::addColumn<int>("ending");
    QTest::addColumn<int>("handOverMs");
    QTest::addColumn<bool>("handedOver");
    QTest::addColumn<QStringList>("what");
    QTest::addColumn<QString>("lateEnd"); // empty: the handler ended before its outcome
    // The long hand-over time leaves no doubt that the end decides, on any machine.
    QTest::newRow("ends well") << int(DesktopHandlerStub::ENDS_WELL) << 600000 << true
                               << QStringList{"\"xdg-open\" ended well for"} << QString();
    QTest::newRow("fails") << int(DesktopHandlerStub::FAILS) << 600000 << false
                           << QStringList{"\"xdg-open\" ended with exit status 3 for",
                                          "xdg-open: no method available for opening"}
                           << QString();
    QTest::newRow("keeps running") << int(DesktopHandlerStub::KEEPS_RUNNING) << 50 << true
                                   << QStringList{"\"xdg-open\" still runs 50 ms after it started for",
                                                  "taken over"}
                                   << "\"xdg-open\" ended well for";
}

void TestDesktopHandoff::endings()
{
    QFETCH(int, ending);
    QFETCH(int, handOverMs);
    QFETCH(bool, handedOver);
    QFETCH(QStringList, what);
    QFETCH(QString, lateEnd);
    QTemporaryDir dir;
    const QString sTarget = dir.filePath("WendoAgent_9.0.0.deb");
    DesktopHandlerStub stub({"xdg-open", "gio"}, DesktopHandlerStub::ONLY_STUBS,
                            DesktopHandlerStub::Ending(ending));
    QVERIFY(stub.isValid());
    HandoffRecord record;
    DesktopHandoff::start(sTarget, dir.path(), record.watch(handOverMs));
    QVERIFY(record.m_lstOutcomes.isEmpty()); // never from within the call
    QTRY_COMPARE_WITH_TIMEOUT(record.m_lstOutcomes.size(), 1, 60000);
    QCOMPARE(record.m_lstOutcomes.at(0).bHandedOver, handedOver);
    const QString sWhat = record.m_lstOutcomes.at(0).sWhat;
    for (const QString& sPart : what)
        QVERIFY2(sWhat.contains(sPart), qUtf8Printable(sWhat));
    QVERIFY2(sWhat.contains(sTarget), qUtf8Printable(sWhat));
    QVERIFY(stub.waitForCall("xdg-open", 60000)); // one that took over may not have got there yet
    QCOMPARE(stub.calls("xdg-open"), QStringList{sTarget});
    QCOMPARE(stub.calls("gio"), QStringList());
    if (!lateEnd.isEmpty()) {
        // The handler that took over is heard when it ends, and its end is no second outcome.
        QVERIFY(record.m_pLateEnds->isEmpty());
        stub.stopRunning();
        QTRY_COMPARE_WITH_TIMEOUT(record.m_pLateEnds->size(), 1, 60000);
        QVERIFY2(record.m_pLateEnds->at(0).contains(lateEnd), qUtf8Printable(record.m_pLateEnds->at(0)));
        QCOMPARE(record.m_lstOutcomes.size(), 1);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(record.m_pLateEnds->size(), lateEnd.isEmpty() ? 0 : 1);
}

void TestDesktopHandoff::noHandler()
{
    DesktopHandlerStub stub({}, DesktopHandlerStub::ONLY_STUBS);
    QVERIFY(stub.isValid());
    HandoffRecord record;
    DesktopHandoff::start("https://www.zeqshare.example/", QString(), record.watch(600000));
    QVERIFY(record.m_lstOutcomes.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(record.m_lstOutcomes.size(), 1, 60000);
    QCOMPARE(record.m_lstOutcomes.at(0).bHandedOver, false);
    QCOMPARE(record.m_lstOutcomes.at(0).sWhat,
             QString("no desktop handler (xdg-open or gio) opens \"https://www.zeqshare.example/\""));
}

QTEST_GUILESS_MAIN(TestDesktopHandoff)
#include "tst_desktophandoff.moc"
