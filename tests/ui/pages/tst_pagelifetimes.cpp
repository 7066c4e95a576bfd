#include "support/PagesFixture.h"
#include "ui/main/WidgetNotifier.h"
#include "ui/main/ZeqAgentMainDialog.h"
#include "ui/pages/CustomTabWidget.h"
#include "ui/pages/MyDeviceWidget.h"
#include "ui/pages/NoDeviceWidget.h"
#include "ui/pages/PageLoops.h"
#include "ui/pages/SettingWidget.h"
#include "ui/pages/ZeqAgentInfoWidget.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace
{
// The update check reduced to its result: a real modal box, "The device's software is up-to-date.", that
// waits for OK. m_whileOpen runs from the box's loop.
class UpToDateBoxOpener : public PagesDialogOpener
{
public:
    bool isUpdateDialogShown() override { return m_bOpen; }
    void runCheckUpdate(bool, bool) override
    {
        m_bOpen = true;
        ++m_nChecks;
        QTimer::singleShot(0, [this] {
            if (m_whileOpen)
                m_whileOpen();
        });
        WidgetNotifier().showMessage(QObject::tr("Updates"),
                                     QObject::tr("The device's software is up-to-date."));
        m_bOpen = false;
    }

    bool m_bOpen = false;
    int m_nChecks = 0;
    std::function<void()> m_whileOpen;
};

template <class Page> int livePages()
{
    int nCount = 0;
    for (QWidget* pWidget : QApplication::allWidgets())
        nCount += qobject_cast<Page*>(pWidget) ? 1 : 0;
    return nCount;
}
} // namespace

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
    void pagesGoWhileAnUpdateBoxWaits();
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
    bool bGoneWhileOpen = false;
    bool bNoneWaiting = false;
    m_pFixture->m_pUi->m_notifier.m_whileOpen = [pFixture, &pOldDevicePage, &bGoneWhileOpen, &bNoneWaiting] {
        pFixture->unplug();
        // What the box's loop does with the deletes posted meanwhile.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        bGoneWhileOpen = pOldDevicePage.isNull();
        bNoneWaiting = PageLoops::waitingCount() == 0;
    };
    QMetaObject::invokeMethod(pPage, "slotRegisterInfo");
    QTRY_COMPARE(m_pFixture->m_pUi->m_notifier.m_notices.size(), 1);
    // The box belongs to the signed-in page, which stays: the device's pages held none of it and went
    // while the box was still open.
    QVERIFY(bGoneWhileOpen);
    QVERIFY(bNoneWaiting);
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

// After an arrival the version box opens the update check by itself, and its result waits for OK. The
// device comes and goes 20 times meanwhile: each rebuild's pages go from the box's own loop, and only the
// device page whose version box opened the box is kept, until the box closes.
void TestPageLifetimes::pagesGoWhileAnUpdateBoxWaits()
{
    const int nCycles = 20;
    const int nVersionCheck = AgentTiming::ms(AgentTiming::VERSION_CHECK);
    AgentTiming::set(AgentTiming::VERSION_CHECK, 0);
    m_pFixture->m_service.setAnswer("checkDeviceReg", FakeShareService::RETURN, "SUCCESS:S0004");
    UpToDateBoxOpener opener;
    DialogOpener::setInstance(&opener);
    QWidget window;
    window.resize(800, 493);
    ZeqAgentInfoWidget* pPage = new ZeqAgentInfoWidget(&window);
    window.show();
    const auto isDevicePage = [pPage] {
        return qobject_cast<MyDeviceWidget*>(pPage->tabWidget()->widget(0));
    };

    QPointer<QWidget> pHolder;
    bool bHolderWasDevicePage = false;
    int nDone = 0;
    bool bFinished = false;
    bool bHolderAliveAtEnd = false;
    int nDevicePages = -1, nNoDevicePages = -1, nSettingsPages = -1, nWaiting = -1;
    QTimer stepper;
    stepper.setInterval(1);
    // Each step returns to the box's loop: no loop of its own, so the deletes run where the agent's would.
    QObject::connect(&stepper, &QTimer::timeout, [&] {
        if (nDone < nCycles) {
            if (!isDevicePage())
                return;
            m_pFixture->unplug();
            if (++nDone < nCycles)
                m_pFixture->plug(PagesFixture::DRIVE);
            return;
        }
        // A turn of the box's loop after the last rebuild.
        stepper.stop();
        bHolderAliveAtEnd = !pHolder.isNull();
        nDevicePages = livePages<MyDeviceWidget>();
        nNoDevicePages = livePages<NoDeviceWidget>();
        nSettingsPages = livePages<SettingWidget>();
        nWaiting = PageLoops::waitingCount();
        bFinished = true;
        if (auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            pBox->accept();
    });
    opener.m_whileOpen = [&] {
        pHolder = pPage->tabWidget()->widget(0);
        bHolderWasDevicePage = qobject_cast<MyDeviceWidget*>(pHolder.data()) != nullptr;
        m_pFixture->unplug();
        m_pFixture->plug(PagesFixture::DRIVE);
        stepper.start();
    };

    m_pFixture->plug(PagesFixture::DRIVE);
    QTRY_VERIFY_WITH_TIMEOUT(bFinished && !opener.m_bOpen, 60000);
    AgentTiming::set(AgentTiming::VERSION_CHECK, nVersionCheck);
    DialogOpener::setInstance(&m_pFixture->m_opener);
    QCOMPARE(opener.m_nChecks, 1);
    QVERIFY(bHolderWasDevicePage);
    // While the box waited: the page that opened it, and the no-device tabs of the last removal.
    QVERIFY(bHolderAliveAtEnd);
    QCOMPARE(nWaiting, 1);
    QCOMPARE(nDevicePages, 1);
    QCOMPARE(nNoDevicePages, 1);
    QCOMPARE(nSettingsPages, 1);
    // Once the box has closed, the page that opened it goes too.
    QTRY_VERIFY(pHolder.isNull());
    QCOMPARE(livePages<MyDeviceWidget>(), 0);
    QCOMPARE(PageLoops::waitingCount(), 0);
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
