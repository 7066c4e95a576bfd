#include "controller/ShareWebLauncher.h"
#include "support/PagesFixture.h"
#include "support/RealInput.h"
#include "ui/pages/CustomTabWidget.h"
#include "ui/pages/ZeqAgentInfoWidget.h"

#include <QTabBar>
#include <QtTest>

// The signed-in page's tabs clicked as a person clicks them, on a display of its own: left clicks
// choose, a right click does nothing, the logo opens the dashboard and never becomes current.
class TestTabsByHand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void clicks_data();
    void clicks();

private:
    std::unique_ptr<PagesFixture> m_pFixture;
};

void TestTabsByHand::initTestCase()
{
    if (!RealInput::isAvailable())
        QSKIP(qPrintable("no display for real input: " + RealInput::unavailableReason()));
    m_pFixture.reset(new PagesFixture);
}

void TestTabsByHand::init()
{
    QVERIFY(m_pFixture->reset());
}

void TestTabsByHand::clicks_data()
{
    // Four tabs: 0 My Device, 1 Map Management, 2 Settings, 3 logo.
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("dashboards");
    QTest::newRow("left click on Map Management") << 1 << false << 1 << 0;
    QTest::newRow("left click on Settings") << 2 << false << 2 << 0;
    QTest::newRow("right click on Settings") << 2 << true << 0 << 0;
    QTest::newRow("left click on the logo") << 3 << false << 0 << 1;
    QTest::newRow("right click on the logo") << 3 << true << 0 << 0;
}

void TestTabsByHand::clicks()
{
    QFETCH(int, tab);
    QFETCH(bool, right);
    QFETCH(int, current);
    QFETCH(int, dashboards);

    QWidget window;
    window.resize(800, 493);
    ZeqAgentInfoWidget* pPage = new ZeqAgentInfoWidget(&window);
    RealInput input;
    QVERIFY(input.showWindow(&window));
    m_pFixture->plug(PagesFixture::DRIVE);
    CustomTabWidget* pTabs = pPage->tabWidget();
    QTRY_COMPARE(pTabs->count(), 4);
    UrlCatcher urls;
    QTabBar* pBar = pTabs->tabBar();
    QVERIFY(input.click(pBar, pBar->tabRect(tab).center(), right ? Qt::RightButton : Qt::LeftButton));
    QCOMPARE(pTabs->currentIndex(), current);
    QCOMPARE(urls.m_lstUrls.size(), dashboards);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    const QString sDashboard =
        ShareWebLauncher::launcherAddress(false, pCtrl->currentSession(), pCtrl->currentUser(),
                                          pCtrl->currentPassword(), ShareWebLauncher::pageFor(true, false));
    for (const QUrl& url : urls.m_lstUrls)
        QCOMPARE(url.toString(QUrl::FullyEncoded), QUrl(sDashboard).toString(QUrl::FullyEncoded));
}

WENDO_REAL_INPUT_MAIN(TestTabsByHand)
#include "tst_tabsbyhand.moc"
