#include "support/PagesFixture.h"
#include "ui/pages/CustomTabWidget.h"
#include "ui/pages/SettingWidget.h"
#include "ui/pages/SyncSettingWidget.h"
#include "ui/pages/ZeqAgentInfoWidget.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTabBar>
#include <QtTest>

#include <memory>

// The Settings tab's leave question as a person meets it: a sync choice clicked on the real page, then a
// press on the My Device tab of the real tab bar. Yes drops the clicks (the stored choices come back on
// screen) and switches; No keeps Settings with its changes unsaved.
class TestSettingsLeave : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void leaveAfterAClick_data();
    void leaveAfterAClick();
    void leaveWithoutAClickAsksNothing();

private:
    static constexpr int MY_DEVICE_TAB = 0;
    static constexpr int SETTINGS_TAB = 2;

    // The signed-in page with a registered drive device (four tabs), Settings current, its sync section
    // in the page's column.
    bool openSettings();
    void pressTab(int nTab);
    QRadioButton* radio(const QString& sName) const;
    QCheckBox* tracks() const;
    QString onScreen() const;
    int leaveQuestions() const;

    std::unique_ptr<PagesFixture> m_pFixture;
    std::unique_ptr<QWidget> m_pWindow;
    ZeqAgentInfoWidget* m_pPage = nullptr;
};

void TestSettingsLeave::initTestCase()
{
    m_pFixture.reset(new PagesFixture);
}

void TestSettingsLeave::init()
{
    QVERIFY(m_pFixture->reset());
    // The stored choices are the ones this run knows: no fetch replaces them during the case.
    ZeqAgentCtrlMgr::getInstance()->setCustomSettingLoaded(true);
}

void TestSettingsLeave::cleanup()
{
    m_pWindow.reset();
    m_pPage = nullptr;
    m_pFixture->unplug();
}

bool TestSettingsLeave::openSettings()
{
    m_pWindow.reset(new QWidget);
    m_pWindow->resize(800, 493);
    m_pPage = new ZeqAgentInfoWidget(m_pWindow.get());
    m_pWindow->show();
    if (!QTest::qWaitForWindowExposed(m_pWindow.get()))
        return false;
    m_pFixture->plug(PagesFixture::DRIVE);
    CustomTabWidget* pTabs = m_pPage->tabWidget();
    if (!QTest::qWaitFor([pTabs] { return pTabs->count() == 4; }, 10000))
        return false;
    pressTab(SETTINGS_TAB);
    if (pTabs->currentIndex() != SETTINGS_TAB)
        return false;
    // The sync section joins the column when the account's device list has arrived.
    return QTest::qWaitFor([this] { return radio("radioBtn_kept") && radio("radioBtn_kept")->isVisible(); },
                           10000);
}

void TestSettingsLeave::pressTab(int nTab)
{
    QTabBar* pBar = m_pPage->tabWidget()->tabBar();
    QTest::mouseClick(pBar, Qt::LeftButton, Qt::NoModifier, pBar->tabRect(nTab).center());
}

QRadioButton* TestSettingsLeave::radio(const QString& sName) const
{
    QWidget* pSettings = m_pPage->tabWidget()->widget(SETTINGS_TAB);
    return pSettings ? pSettings->findChild<QRadioButton*>(sName) : nullptr;
}

QCheckBox* TestSettingsLeave::tracks() const
{
    return m_pPage->tabWidget()->widget(SETTINGS_TAB)->findChild<QCheckBox*>("checkBox_trecks");
}

// The choices as the page shows them: "kept"/"delete" and "sync"/"no sync".
QString TestSettingsLeave::onScreen() const
{
    const bool bKept = radio("radioBtn_kept")->isChecked();
    if (bKept == radio("radioBtn_del")->isChecked())
        return "both radio buttons alike";
    return QString(bKept ? "kept" : "delete") + (tracks()->isChecked() ? " sync" : " no sync");
}

int TestSettingsLeave::leaveQuestions() const
{
    int nCount = 0;
    for (const RecordingNotifier::Notice& notice : m_pFixture->m_pUi->m_notifier.m_notices) {
        if (notice.sText == "Are you sure you want to leave this page without saving new changes?")
            ++nCount;
    }
    return nCount;
}

void TestSettingsLeave::leaveAfterAClick_data()
{
    QTest::addColumn<QString>("storedKept");
    QTest::addColumn<QString>("storedSync");
    QTest::addColumn<QString>("click");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("clicked"); // on screen after the click
    QTest::addColumn<QString>("stored");  // on screen as stored

    QTest::newRow("other choice, Yes") << "true"
                                       << "true"
                                       << "radioBtn_del" << true << "delete sync"
                                       << "kept sync";
    QTest::newRow("other choice, No") << "true"
                                      << "true"
                                      << "radioBtn_del" << false << "delete sync"
                                      << "kept sync";
    QTest::newRow("other choice from delete, Yes") << "false"
                                                   << "false"
                                                   << "radioBtn_kept" << true << "kept no sync"
                                                   << "delete no sync";
    QTest::newRow("chosen button, Yes") << "true"
                                        << "false"
                                        << "radioBtn_kept" << true << "kept no sync"
                                        << "kept no sync";
    QTest::newRow("chosen button, No") << "false"
                                       << "true"
                                       << "radioBtn_del" << false << "delete sync"
                                       << "delete sync";
    QTest::newRow("tracks box, Yes") << "true"
                                     << "true"
                                     << "checkBox_trecks" << true << "kept no sync"
                                     << "kept sync";
}

void TestSettingsLeave::leaveAfterAClick()
{
    QFETCH(QString, storedKept);
    QFETCH(QString, storedSync);
    QFETCH(QString, click);
    QFETCH(bool, yes);
    QFETCH(QString, clicked);
    QFETCH(QString, stored);
    UiFixture::setValue("SYNC", "KeptHistory", storedKept);
    UiFixture::setValue("SYNC", "AutoSync", storedSync);
    QVERIFY(openSettings());
    QCOMPARE(onScreen(), stored);
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    QVERIFY(!pCtrl->isSettingNotSave());

    QAbstractButton* pButton = click == "checkBox_trecks" ? static_cast<QAbstractButton*>(tracks())
                                                          : static_cast<QAbstractButton*>(radio(click));
    QTest::mouseClick(pButton, Qt::LeftButton, Qt::NoModifier, QPoint(10, pButton->height() / 2));
    QCOMPARE(onScreen(), clicked);
    QVERIFY(pCtrl->isSettingNotSave());

    m_pFixture->m_pUi->m_notifier.m_nAnswer = yes ? Notifier::YES : Notifier::NO;
    pressTab(MY_DEVICE_TAB);

    QCOMPARE(leaveQuestions(), 1);
    CustomTabWidget* pTabs = m_pPage->tabWidget();
    SyncSettingWidget* pSync = pTabs->widget(SETTINGS_TAB)->findChild<SyncSettingWidget*>();
    QVERIFY(pSync);
    if (yes) {
        QCOMPARE(pTabs->currentIndex(), MY_DEVICE_TAB);
        QCOMPARE(onScreen(), stored);
        QVERIFY(!pCtrl->isSettingNotSave());
        QVERIFY(!pSync->isDirty());
    } else {
        QCOMPARE(pTabs->currentIndex(), SETTINGS_TAB);
        QCOMPARE(onScreen(), clicked);
        QVERIFY(pCtrl->isSettingNotSave());
        QVERIFY(pSync->isDirty());
    }
    // Leaving saves nothing, whatever the answer.
    QCOMPARE(UiFixture::value("SYNC", "KeptHistory"), storedKept);
    QCOMPARE(UiFixture::value("SYNC", "AutoSync"), storedSync);
    QVERIFY(m_pFixture->calls("setCustomerSetting").isEmpty());
}

void TestSettingsLeave::leaveWithoutAClickAsksNothing()
{
    UiFixture::setValue("SYNC", "KeptHistory", "true");
    UiFixture::setValue("SYNC", "AutoSync", "true");
    QVERIFY(openSettings());
    m_pFixture->m_pUi->m_notifier.m_nAnswer = Notifier::NO;

    pressTab(MY_DEVICE_TAB);

    QCOMPARE(leaveQuestions(), 0);
    QCOMPARE(m_pPage->tabWidget()->currentIndex(), MY_DEVICE_TAB);
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isSettingNotSave());
}

QTEST_MAIN(TestSettingsLeave)
#include "tst_settingsleave.moc"
