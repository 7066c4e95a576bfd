#include "controller/ShareWebLauncher.h"
#include "support/PagesFixture.h"
#include "ui/pages/CustomTabWidget.h"
#include "ui/pages/ZeqAgentInfoWidget.h"

#include <QSignalSpy>
#include <QTabBar>
#include <QWheelEvent>
#include <QtTest>

// Presses, wheel turns and keys on the signed-in page's tab bar: which tab becomes current, which tab
// shows as chosen, what the page hears, and when the web site's dashboard opens.
class TestTabPresses : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void presses_data();
    void presses();
    void answeringNoKeepsSettings_data();
    void answeringNoKeepsSettings();

private:
    static void act(CustomTabWidget* pTabs, const QString& sAction);
    static QString icons(CustomTabWidget* pTabs);

    std::unique_ptr<PagesFixture> m_pFixture;
};

void TestTabPresses::initTestCase()
{
    m_pFixture.reset(new PagesFixture);
}

void TestTabPresses::init()
{
    QVERIFY(m_pFixture->reset());
}

QString TestTabPresses::icons(CustomTabWidget* pTabs)
{
    QStringList lst;
    for (int i = 0; i < pTabs->count() - 1; ++i)
        lst << pTabs->tabIconPath(i).section('/', -1).section('.', 0, 0);
    return lst.join(' ');
}

void TestTabPresses::act(CustomTabWidget* pTabs, const QString& sAction)
{
    QTabBar* pBar = pTabs->tabBar();
    const QString sVerb = sAction.section(' ', 0, 0);
    const int nTab = sAction.section(' ', 1, 1).toInt();
    // The tabs fill the bar: "outside" is just right of the last one.
    const QPoint point = sAction.endsWith("outside")
                             ? QPoint(pBar->tabRect(pBar->count() - 1).right() + 1, pBar->height() / 2)
                             : pBar->tabRect(nTab).center();
    if (sVerb == "press") {
        QTest::mouseClick(pBar, Qt::LeftButton, Qt::NoModifier, point);
    } else if (sVerb == "right") {
        QTest::mouseClick(pBar, Qt::RightButton, Qt::NoModifier, point);
    } else if (sVerb == "middle") {
        QTest::mouseClick(pBar, Qt::MiddleButton, Qt::NoModifier, point);
    } else if (sVerb == "dblclick") {
        QMouseEvent event(QEvent::MouseButtonDblClick, point, pBar->mapToGlobal(point), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pBar, &event);
    } else if (sVerb == "wheel") {
        const int nDelta = sAction.endsWith("down") ? -120 : 120;
        const QPoint centre = pBar->rect().center();
        QWheelEvent event(centre, pBar->mapToGlobal(centre), QPoint(), QPoint(0, nDelta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(pBar, &event);
    } else if (sVerb == "ctrl+tab") {
        QTest::keyClick(pTabs, Qt::Key_Tab, Qt::ControlModifier);
    } else if (sVerb == "ctrl+shift+tab") {
        QTest::keyClick(pTabs, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    } else if (sVerb == "ctrl+pagedown") {
        QTest::keyClick(pTabs, Qt::Key_PageDown, Qt::ControlModifier);
    } else if (sVerb == "key-right") {
        QTest::keyClick(pBar, Qt::Key_Right);
    } else if (sVerb == "key-left") {
        QTest::keyClick(pBar, Qt::Key_Left);
    } else {
        QFAIL(qPrintable("unknown action " + sAction));
    }
}

void TestTabPresses::presses_data()
{
    // Tabs with map: 0 My Device, 1 Map Management, 2 Settings, 3 logo; without: 0, 1 Settings, 2 logo.
    // The user answers the settings page's leave question with Yes.
    QTest::addColumn<bool>("map");
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("icons");
    QTest::addColumn<QString>("hits");   // tabHit values
    QTest::addColumn<QString>("asked");  // tabNotSaveNotify values
    QTest::addColumn<int>("dashboards"); // web pages opened

    QTest::newRow("map tab") << true << false << 0 << "press 1" << 1 << "device_n map_h setting_n"
                             << "1"
                             << "" << 0;
    QTest::newRow("settings, no map") << false << false << 0 << "press 1" << 1 << "device_n setting_h"
                                      << "1"
                                      << "" << 0;
    QTest::newRow("my device") << true << false << 2 << "press 0" << 0 << "device_h map_n setting_n"
                               << "0"
                               << "" << 0;
    QTest::newRow("logo opens the dashboard")
        << true << false << 1 << "press 3" << 1 << "device_n map_h setting_n"
        << "3"
        << "" << 1;
    QTest::newRow("outside every tab") << false << false << 0 << "press outside" << 0 << "device_h setting_n"
                                       << "-1"
                                       << "" << 0;
    QTest::newRow("unsaved: my device asks first")
        << true << true << 2 << "press 0" << 0 << "device_h map_n setting_n"
        << ""
        << "0" << 0;
    QTest::newRow("unsaved: settings itself asks")
        << true << true << 2 << "press 2" << 2 << "device_n map_n setting_h"
        << ""
        << "2" << 0;
    QTest::newRow("unsaved: logo, Yes opens the dashboard, Settings stays")
        << true << true << 2 << "press 3" << 2 << "device_n map_n setting_h"
        << ""
        << "3" << 1;
    QTest::newRow("unsaved on another tab: no question")
        << true << true << 0 << "press 1" << 1 << "device_n map_h setting_n"
        << "1"
        << "" << 0;
    QTest::newRow("right button on a tab")
        << true << false << 0 << "right 1" << 0 << "device_h map_n setting_n"
        << ""
        << "" << 0;
    QTest::newRow("right button on the logo")
        << true << false << 0 << "right 3" << 0 << "device_h map_n setting_n"
        << ""
        << "" << 0;
    QTest::newRow("middle button on a tab") << false << false << 0 << "middle 1" << 0 << "device_h setting_n"
                                            << ""
                                            << "" << 0;
    QTest::newRow("double click past the question")
        << true << true << 2 << "dblclick 0" << 2 << "device_n map_n setting_h"
        << ""
        << "" << 0;
    QTest::newRow("wheel never reaches the logo")
        << true << false << 2 << "wheel down" << 2 << "device_n map_n setting_h"
        << ""
        << "" << 0;
    QTest::newRow("wheel to the map tab")
        << true << false << 2 << "wheel up" << 1 << "device_n map_h setting_n"
        << ""
        << "" << 0;
    QTest::newRow("wheel, unsaved: stays")
        << true << true << 2 << "wheel up" << 2 << "device_n map_n setting_h"
        << ""
        << "" << 0;
    QTest::newRow("ctrl+tab skips the logo")
        << true << false << 2 << "ctrl+tab" << 0 << "device_h map_n setting_n"
        << ""
        << "" << 0;
    QTest::newRow("ctrl+tab, unsaved: asks first")
        << true << true << 2 << "ctrl+tab" << 0 << "device_h map_n setting_n"
        << ""
        << "0" << 0;
    QTest::newRow("ctrl+shift+tab, unsaved: asks first")
        << false << true << 1 << "ctrl+shift+tab" << 0 << "device_h setting_n"
        << ""
        << "0" << 0;
    QTest::newRow("ctrl+pagedown, unsaved: asks first")
        << true << true << 2 << "ctrl+pagedown" << 0 << "device_h map_n setting_n"
        << ""
        << "0" << 0;
    QTest::newRow("arrow never reaches the logo")
        << false << false << 1 << "key-right" << 1 << "device_n setting_h"
        << ""
        << "" << 0;
    QTest::newRow("arrow, unsaved: asks first")
        << false << true << 1 << "key-left" << 0 << "device_h setting_n"
        << ""
        << "0" << 0;
}

void TestTabPresses::presses()
{
    QFETCH(bool, map);
    QFETCH(bool, unsaved);
    QFETCH(int, start);
    QFETCH(QString, action);
    QFETCH(int, current);
    QFETCH(QString, icons);
    QFETCH(QString, hits);
    QFETCH(QString, asked);
    QFETCH(int, dashboards);

    QWidget window;
    window.resize(800, 493);
    ZeqAgentInfoWidget* pPage = new ZeqAgentInfoWidget(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    m_pFixture->plug(map ? PagesFixture::DRIVE : PagesFixture::SERIAL);
    CustomTabWidget* pTabs = pPage->tabWidget();
    QTRY_COMPARE(pTabs->count(), map ? 4 : 3);
    pTabs->setCurrentIndex(start);
    ZeqAgentCtrlMgr::getInstance()->setSettingNotSave(unsaved);
    m_pFixture->m_pUi->m_notifier.m_nAnswer = Notifier::YES;

    UrlCatcher urls;
    QSignalSpy hitSpy(pTabs, &CustomTabWidget::tabHit);
    QSignalSpy askSpy(pTabs, &CustomTabWidget::tabNotSaveNotify);
    act(pTabs, action);
    const auto values = [](const QSignalSpy& spy) {
        QStringList lst;
        for (const QList<QVariant>& args : spy)
            lst << args.at(0).toString();
        return lst.join(' ');
    };
    QCOMPARE(pTabs->currentIndex(), current);
    QCOMPARE(TestTabPresses::icons(pTabs), icons);
    QCOMPARE(values(hitSpy), hits);
    QCOMPARE(values(askSpy), asked);
    QCOMPARE(urls.m_lstUrls.size(), dashboards);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    const QString sDashboard =
        ShareWebLauncher::launcherAddress(false, pCtrl->currentSession(), pCtrl->currentUser(),
                                          pCtrl->currentPassword(), ShareWebLauncher::pageFor(true, false));
    for (const QUrl& url : urls.m_lstUrls)
        QCOMPARE(url.toString(QUrl::FullyEncoded), QUrl(sDashboard).toString(QUrl::FullyEncoded));
}

void TestTabPresses::answeringNoKeepsSettings_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("press my device") << "press 0";
    QTest::newRow("press the logo") << "press 3";
    QTest::newRow("ctrl+tab") << "ctrl+tab";
}

// Any answer but Yes to the leave question keeps Settings current, its changes unsaved, nothing opened.
void TestTabPresses::answeringNoKeepsSettings()
{
    QFETCH(QString, action);
    QWidget window;
    window.resize(800, 493);
    ZeqAgentInfoWidget* pPage = new ZeqAgentInfoWidget(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    m_pFixture->plug(PagesFixture::DRIVE);
    CustomTabWidget* pTabs = pPage->tabWidget();
    QTRY_COMPARE(pTabs->count(), 4);
    pTabs->setCurrentIndex(2);
    ZeqAgentCtrlMgr::getInstance()->setSettingNotSave(true);
    m_pFixture->m_pUi->m_notifier.m_nAnswer = Notifier::NO;
    UrlCatcher urls;
    act(pTabs, action);
    QCOMPARE(pTabs->currentIndex(), 2);
    QCOMPARE(icons(pTabs), QString("device_n map_n setting_h"));
    QVERIFY(urls.m_lstUrls.isEmpty());
    QVERIFY(ZeqAgentCtrlMgr::getInstance()->isSettingNotSave());
}

QTEST_MAIN(TestTabPresses)
#include "tst_tabpresses.moc"
