#include "support/PagesFixture.h"
#include "ui/pages/CustomTabWidget.h"
#include "ui/pages/ZeqAgentInfoWidget.h"

#include <QTabBar>
#include <QtTest>

// The tab pictures are loaded once per run: every size Qt paints an icon at stays in the process-wide
// pixmap cache under the icon's own pixmap, so a fresh icon per rebuild or press filled that cache with
// copies of the same few pictures.
class TestTabIcons : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void samePictureSameIcon();

private:
    std::unique_ptr<PagesFixture> m_pFixture;
};

void TestTabIcons::initTestCase()
{
    m_pFixture.reset(new PagesFixture);
}

void TestTabIcons::init()
{
    QVERIFY(m_pFixture->reset());
}

void TestTabIcons::samePictureSameIcon()
{
    QWidget window;
    window.resize(800, 493);
    ZeqAgentInfoWidget* pPage = new ZeqAgentInfoWidget(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    CustomTabWidget* pTabs = pPage->tabWidget();
    m_pFixture->plug(PagesFixture::DRIVE);
    QTRY_COMPARE(pTabs->count(), 4);
    QHash<QString, qint64> keys;
    for (int i = 0; i < pTabs->count(); ++i)
        keys.insert(pTabs->tabIconPath(i), pTabs->tabIcon(i).cacheKey());

    // Presses there and back, then the device leaves and comes again: a rebuild.
    QTabBar* pBar = pTabs->tabBar();
    QTest::mouseClick(pBar, Qt::LeftButton, Qt::NoModifier, pBar->tabRect(1).center());
    QTest::mouseClick(pBar, Qt::LeftButton, Qt::NoModifier, pBar->tabRect(0).center());
    m_pFixture->unplug();
    QTRY_VERIFY(pTabs->count() != 4);
    m_pFixture->plug(PagesFixture::DRIVE);
    QTRY_COMPARE(pTabs->count(), 4);

    for (int i = 0; i < pTabs->count(); ++i) {
        const QString sPath = pTabs->tabIconPath(i);
        QVERIFY2(keys.contains(sPath), qPrintable(sPath));
        QCOMPARE(pTabs->tabIcon(i).cacheKey(), keys.value(sPath));
    }
    m_pFixture->unplug();
}

QTEST_MAIN(TestTabIcons)
#include "tst_tabicons.moc"
