#include "controller/ZeqAgentCtrlMgr.h"
#include "support/TestFolders.h"
#include "ui/pages/PageLoops.h"

#include <QEventLoop>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <functional>

// A page that counts the results it still hears.
class ListeningPage : public QWidget
{
    Q_OBJECT

public:
    explicit ListeningPage(QWidget* pParent) : QWidget(pParent)
    {
        m_pChild = new QWidget(this);
        connect(ZeqAgentCtrlMgr::getInstance(), &ZeqAgentCtrlMgr::actionFinish, this, [this] { ++m_nHeard; });
    }
    QWidget* m_pChild = nullptr;
    int m_nHeard = 0;
};

class TestPageLoops : public QObject
{
    Q_OBJECT

private slots:
    void retiredOutsideALoopGoesAtTheNextTurn();
    void retiredInsideItsOwnLoopOutlivesIt();
    void retiredInsideAnotherWidgetsLoopGoesInThatLoop();
    void waitsForItsOwnLoopsOnly();

private:
    // Runs a loop owned by pOwner; pInside runs from that loop. Returns when pInside has quit it.
    static void runLoop(QWidget* pOwner, const std::function<void(QEventLoop*)>& inside);

    TestFolders m_folders{true};
    QWidget m_window;
    QWidget m_otherWindow;
};

void TestPageLoops::runLoop(QWidget* pOwner, const std::function<void(QEventLoop*)>& inside)
{
    PageLoops::Scope scope(pOwner);
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] { inside(&loop); });
    loop.exec();
}

void TestPageLoops::retiredOutsideALoopGoesAtTheNextTurn()
{
    QPointer<ListeningPage> pPage = new ListeningPage(&m_window);
    PageLoops::retire(pPage);
    QVERIFY(pPage);
    QVERIFY(!pPage->parentWidget());
    QVERIFY(PageLoops::isRetired(pPage->m_pChild));
    QVERIFY(!PageLoops::isRetired(&m_window));
    emit ZeqAgentCtrlMgr::getInstance()->actionFinish(SYNC_SUCCESS, QString());
    QCOMPARE(pPage->m_nHeard, 0);
    QTRY_VERIFY(!pPage);
}

// A result arriving while a widget of the page has a box open retires that page; it must live until the
// box's method has returned, and hear nothing meanwhile.
void TestPageLoops::retiredInsideItsOwnLoopOutlivesIt()
{
    QPointer<ListeningPage> pPage = new ListeningPage(&m_window);
    bool bAliveAfterLoop = false;
    bool bSawRetired = false;
    {
        PageLoops::Scope scope(pPage->m_pChild);
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&] {
            PageLoops::retire(pPage);
            emit ZeqAgentCtrlMgr::getInstance()->actionFinish(SYNC_SUCCESS, QString());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            loop.quit();
        });
        loop.exec();
        bAliveAfterLoop = !pPage.isNull();
        bSawRetired = PageLoops::isRetired(pPage);
        QCOMPARE(PageLoops::waitingCount(), 1);
    }
    QVERIFY(bAliveAfterLoop);
    QVERIFY(bSawRetired);
    QCOMPARE(pPage->m_nHeard, 0);
    QCOMPARE(PageLoops::waitingCount(), 0);
    QTRY_VERIFY(!pPage);
}

// A box of another window (or of another page) holds nothing of this page: the page goes while the box is
// still open, from the box's own loop.
void TestPageLoops::retiredInsideAnotherWidgetsLoopGoesInThatLoop()
{
    QPointer<ListeningPage> pPage = new ListeningPage(&m_window);
    bool bGoneInLoop = false;
    int nWaiting = -1;
    runLoop(&m_otherWindow, [&](QEventLoop* pLoop) {
        PageLoops::retire(pPage);
        nWaiting = PageLoops::waitingCount();
        // The next turn of the box's loop, after the deferred deletes.
        QTimer::singleShot(0, pLoop, [&bGoneInLoop, &pPage, pLoop] {
            bGoneInLoop = pPage.isNull();
            pLoop->quit();
        });
    });
    QCOMPARE(nWaiting, 0);
    QVERIFY(bGoneInLoop);
}

// The page's own box is open, and inside it another window's box: when that one closes the page still
// waits; it goes after its own box, even though a loop of someone else still runs below it.
void TestPageLoops::waitsForItsOwnLoopsOnly()
{
    QPointer<ListeningPage> pPage = new ListeningPage(&m_window);
    bool bAliveAfterInner = false;
    bool bAliveAfterOwn = false;
    bool bGoneInOuter = false;
    runLoop(&m_otherWindow, [&](QEventLoop* pOuter) {
        runLoop(pPage->m_pChild, [&](QEventLoop* pOwn) {
            runLoop(&m_otherWindow, [&](QEventLoop* pInner) {
                PageLoops::retire(pPage);
                pInner->quit();
            });
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            bAliveAfterInner = !pPage.isNull() && PageLoops::waitingCount() == 1;
            pOwn->quit();
        });
        bAliveAfterOwn = !pPage.isNull();
        QTimer::singleShot(0, pOuter, [&bGoneInOuter, &pPage, pOuter] {
            bGoneInOuter = pPage.isNull();
            pOuter->quit();
        });
    });
    QVERIFY(bAliveAfterInner);
    QVERIFY(bAliveAfterOwn);
    QVERIFY(bGoneInOuter);
    QVERIFY(!PageLoops::isRunning());
}

QTEST_MAIN(TestPageLoops)
#include "tst_pageloops.moc"
