#include "support/RealInput.h"
#include "support/SettingsFixture.h"
#include "ui/pages/SettingWidget.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

// The Settings page as a person uses it, with real mouse events on a display of its own: a language
// picked from the chooser's list, the sync choices changed and saved; the fake sharing service records
// what the clicks sent.
class TestSettingsByHand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void pickLanguageAndSaveChoices();

private:
    std::unique_ptr<SettingsFixture> m_pFixture;
};

void TestSettingsByHand::initTestCase()
{
    if (!RealInput::isAvailable())
        QSKIP(qPrintable("no display for real input: " + RealInput::unavailableReason()));
    m_pFixture.reset(new SettingsFixture);
}

void TestSettingsByHand::init()
{
    QVERIFY(m_pFixture->reset());
    AgentTiming::set(AgentTiming::SETTINGS_FETCH, 60000);
}

void TestSettingsByHand::cleanup()
{
    ZeqAgentCtrlMgr::getInstance()->setLang("en");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestSettingsByHand::cleanupTestCase()
{
    m_pFixture.reset();
}

void TestSettingsByHand::pickLanguageAndSaveChoices()
{
    UiFixture::setValue("SYNC", "KeptHistory", "true");
    UiFixture::setValue("SYNC", "AutoSync", "true");
    SettingWidget page(nullptr);
    page.setBasicOnly(0);
    QVERIFY(m_pFixture->waitHeard(ENUMDEV_SUCCESS));
    RealInput input;
    QVERIFY(input.showWindow(&page));
    QComboBox* pChooser = page.findChild<QComboBox*>("comboBox");
    QRadioButton* pDelete = page.findChild<QRadioButton*>("radioBtn_del");
    QCheckBox* pTracks = page.findChild<QCheckBox*>("checkBox_trecks");
    QPushButton* pSave = page.findChild<QPushButton*>("btn_Save");
    QTRY_VERIFY(pDelete->isVisible());

    // The list opens under the pointer; "Lietuvių kalba" is picked from it.
    QVERIFY(input.click(pChooser));
    QTRY_VERIFY(pChooser->view()->isVisible());
    QAbstractItemView* pList = pChooser->view();
    const QModelIndex item = pList->model()->index(12, 0);
    pList->scrollTo(item);
    QCoreApplication::processEvents();
    QVERIFY(input.click(pList->viewport(), pList->visualRect(item).center()));
    QTRY_COMPARE(ZeqAgentCtrlMgr::getInstance()->langCode(), QString("lt"));
    QCOMPARE(pChooser->currentIndex(), 12);
    QCOMPARE(UiFixture::value("SETTING", "Lang"), QString("lt"));

    QVERIFY(input.click(pDelete, QPoint(10, pDelete->height() / 2)));
    QTRY_VERIFY(pDelete->isChecked());
    QVERIFY(input.click(pTracks, QPoint(10, pTracks->height() / 2)));
    QTRY_VERIFY(!pTracks->isChecked());
    QVERIFY(ZeqAgentCtrlMgr::getInstance()->isSettingNotSave());
    QVERIFY(input.click(pSave));
    QTRY_COMPARE(m_pFixture->calls("setCustomerSetting").size(), 1);
    const FakeShareService::Call call = m_pFixture->calls("setCustomerSetting").first();
    QCOMPARE(call.params.value("SessionID"), QString("SESSION-7"));
    QCOMPARE(call.params.value("CustomerEMail"), SettingsFixture::user());
    const QVariantMap setting = JsonHelper().parse(call.params.value("SettingJSONString"));
    QCOMPARE(setting.value("afterUpload").toString(), QString("delete_after_upload"));
    QCOMPARE(setting.value("syncType").toString(), QString("manual_sync"));
    QCOMPARE(UiFixture::value("SYNC", "KeptHistory"), QString("false"));
    QCOMPARE(UiFixture::value("SYNC", "AutoSync"), QString("false"));
    QVERIFY(!ZeqAgentCtrlMgr::getInstance()->isSettingNotSave());
}

WENDO_REAL_INPUT_MAIN(TestSettingsByHand)
#include "tst_settingsbyhand.moc"
