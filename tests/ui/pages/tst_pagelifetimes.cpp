#include "support/PagesFixture.h"
#include "ui/main/ZeqAgentMainDialog.h"
#include "ui/pages/CustomTabWidget.h"
#include "ui/pages/PageLoops.h"
#include "ui/pages/ZeqAgentInfoWidget.h"

#include <QApplication>
#include <QPointer>
#include <QtTest>

// Pages that go while one of their own loops runs, and pages that come and go all day: nothing is used
// after it is freed (run under the address sanitizer) and nothing piles up.
class TestPageLifetimes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void deviceLeavesWhileRegistrationBoxIsOpen();
    void signOutWhileRegistrationBoxIsOpen();
    void widgetsBackAtBaselineAfterManyCycles();

private:
    static void settle();
    // Arrival answered "registered here", then removal.
    void cycle(ZeqAgentInfoWidget* pPage);

    std::unique_ptr<PagesFixture> m_pFixture;
};

void TestPageLifetimes::initTestCase()
{
    m_pFixture.reset(new PagesFixture);
}

void TestPageLifetimes::init()
{
    QVERIFY(m_pFixture->reset());
}

void TestPageLifetimes::cleanup()
{
    m_pFixture->m_pUi->m_notifier.m_whileOpen = nullptr;
    settle();
}

void TestPageLifetimes::settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void TestPageLifetimes::deviceLeavesWhileRegistrationBoxIsOpen()
{
    m_pFixture->m_service.enqueueAnswer("checkDeviceReg", FakeShareService::RETURN, "SUCCESS:S0004");
    QWidget window;
    window.resize(800, 493);
    ZeqAgentInfoWidget* pPage = new ZeqAgentInfoWidget(&window);
    m_pFixture->plug(PagesFixture::DRIVE);
    QTRY_COMPARE(pPage->tabWidget()->count(), 3);
    QPointer<QWidget> pOldDevicePage = pPage->tabWidget()->widget(0);
    PagesFixture* pFixture = m_pFixture.get();
    bool bWaitingAtClose = false;
    m_pFixture->m_pUi->m_notifier.m_whileOpen = [pFixture, &bWaitingAtClose] {
        pFixture->unplug();
        bWaitingAtClose = PageLoops::waitingCount() > 0;
    };
    QMetaObject::invokeMethod(pPage, "slotRegisterInfo");
    QTRY_COMPARE(m_pFixture->m_pUi->m_notifier.m_notices.size(), 1);
    // The pages of the device were retired, not freed, while the box was open; they go afterwards.
    QVERIFY(bWaitingAtClose);
    QTRY_VERIFY(!pOldDevicePage);
    QCOMPARE(pPage->tabWidget()->count(), 3);
    QVERIFY(qobject_cast<QWidget*>(pPage->tabWidget()->widget(0)));
    QCOMPARE(ZeqAgentCtrlMgr::getInstance()->isShowMapTab(), false);
}

void TestPageLifetimes::signOutWhileRegistrationBoxIsOpen()
{
    ZeqAgentMainDialog mainWindow;
    // Signed in again, so the window hears it and shows its signed-in page.
    QVERIFY(m_pFixture->reset());
    QPointer<ZeqAgentInfoWidget> pPage = mainWindow.findChild<ZeqAgentInfoWidget*>();
    QVERIFY(pPage);
    m_pFixture->m_service.enqueueAnswer("checkDeviceReg", FakeShareService::RETURN, "SUCCESS:S0004");
    m_pFixture->plug(PagesFixture::DRIVE);
    QTRY_COMPARE(pPage->tabWidget()->count(), 3);
    m_pFixture->m_pUi->m_notifier.m_whileOpen = [] { ZeqAgentCtrlMgr::getInstance()->logout(); };
    QMetaObject::invokeMethod(pPage, "slotRegisterInfo");
    QTRY_COMPARE(m_pFixture->m_pUi->m_notifier.m_notices.size(), 1);
    // The page outlived its box and is gone now; the window shows the sign-in page.
    QTRY_VERIFY(!pPage);
    QVERIFY(!mainWindow.findChild<ZeqAgentInfoWidget*>());
}

void TestPageLifetimes::cycle(ZeqAgentInfoWidget* pPage)
{
    m_pFixture->plug(PagesFixture::DRIVE);
    QTRY_COMPARE(pPage->tabWidget()->count(), 4);
    m_pFixture->unplug();
    QCOMPARE(pPage->tabWidget()->count(), 3);
    settle();
}

void TestPageLifetimes::widgetsBackAtBaselineAfterManyCycles()
{
    QWidget window;
    window.resize(800, 493);
    ZeqAgentInfoWidget* pPage = new ZeqAgentInfoWidget(&window);
    window.show();
    cycle(pPage);
    const int nBaseline = QApplication::allWidgets().size();
    for (int i = 0; i < 50; ++i) {
        cycle(pPage);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(QApplication::allWidgets().size(), nBaseline);
    QCOMPARE(PageLoops::waitingCount(), 0);
}

QTEST_MAIN(TestPageLifetimes)
#include "tst_pagelifetimes.moc"
