#include "controller/ZeqAgentCtrlMgr.h"
#include "support/TestFolders.h"
#include "ui/pages/PageLoops.h"

#include <QEventLoop>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

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
    void retiredInsideALoopOutlivesIt();
    void nestedLoopsWaitForTheOutermost();

private:
    TestFolders m_folders{true};
    QWidget m_window;
};

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

// A result arriving while a page's box is open retires that page; it must live until the box's method
// has returned, and hear nothing meanwhile.
void TestPageLoops::retiredInsideALoopOutlivesIt()
{
    QPointer<ListeningPage> pPage = new ListeningPage(&m_window);
    bool bAliveAfterLoop = false;
    bool bSawRetired = false;
    {
        PageLoops::Scope scope;
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

void TestPageLoops::nestedLoopsWaitForTheOutermost()
{
    QPointer<ListeningPage> pPage = new ListeningPage(&m_window);
    {
        PageLoops::Scope outer;
        {
            PageLoops::Scope inner;
            PageLoops::retire(pPage);
        }
        QVERIFY(PageLoops::isRunning());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(pPage);
    }
    QVERIFY(!PageLoops::isRunning());
    QTRY_VERIFY(!pPage);
}

QTEST_MAIN(TestPageLoops)
#include "tst_pageloops.moc"
