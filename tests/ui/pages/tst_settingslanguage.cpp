#include "support/SettingsFixture.h"
#include "ui/pages/BasicSettingWidget.h"
#include "ui/pages/SettingWidget.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

// The interface-language chooser: the stored code it shows, what a pick asks of the controller, and the
// texts after a switch.
class TestSettingsLanguage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void items();
    void storedCode_data();
    void storedCode();
    void pick_data();
    void pick();
    void pickShownItemAgain();
    void switchTranslatesTextsNotItems();

private:
    int logCount(const QByteArray& line) { return m_fixture.ui().log().count(line) - m_nLogBase.value(line); }
    void markLog();
    static QComboBox* chooser(QWidget& page) { return page.findChild<QComboBox*>("comboBox"); }
    // A pick as the user makes it: the chooser reports the activated item.
    static void pickItem(QComboBox* pBox, int nIndex)
    {
        pBox->setCurrentIndex(nIndex);
        emit pBox->textActivated(pBox->itemText(nIndex));
    }

    SettingsFixture m_fixture;
    QMap<QByteArray, int> m_nLogBase;
};

static const QByteArray SET_LANG = "[ZeqAgentCtrlMgr][setLang][Entry]";
static const QByteArray COUNTRY_LANG = "[ZeqAgentCtrlMgr][GetCountryLangString] auto 0";

void TestSettingsLanguage::init()
{
    QVERIFY(m_fixture.reset());
    AgentTiming::set(AgentTiming::SETTINGS_FETCH, 60000);
    ZeqAgentCtrlMgr::getInstance()->setLang("en");
    QFile::remove(m_fixture.ui().m_folders.programPath("lang/WendoAgent_de.qm"));
    markLog();
}

void TestSettingsLanguage::cleanup()
{
    ZeqAgentCtrlMgr::getInstance()->setLang("en");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestSettingsLanguage::markLog()
{
    const QByteArray log = m_fixture.ui().log();
    m_nLogBase[SET_LANG] = log.count(SET_LANG);
    m_nLogBase[COUNTRY_LANG] = log.count(COUNTRY_LANG);
}

void TestSettingsLanguage::items()
{
    const QStringList expected = {
        "English",    "български", "Català",   "Český",     "Dansk",           "Deutsch",        "Eesti keel",
        "Español",    "Ελληνικά",  "Français", "Italiano",  "Latviešu valoda", "Lietuvių kalba", "Magyar",
        "Nederlands", "Norsk",     "Polski",   "Português", "Русский",         "Română",         "Slovenski",
        "Slovenský",  "Srpski",    "Suomi",    "Svenska",   "繁體中文",        "简体中文"};
    BasicSettingWidget section(nullptr);
    QComboBox* pBox = chooser(section);
    QCOMPARE(pBox->count(), 27);
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(pBox->itemText(i), expected.at(i));
    QCOMPARE(pBox->focusPolicy(), Qt::ClickFocus);
}

void TestSettingsLanguage::storedCode_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("index");
    QTest::newRow("de") << "de" << 5;
    QTest::newRow("zh-tw") << "zh-tw" << 25;
    QTest::newRow("zh-cn") << "zh-cn" << 26;
    QTest::newRow("lt") << "lt" << 12;
    QTest::newRow("DE") << "DE" << 0;
    QTest::newRow("hr") << "hr" << 0;
    QTest::newRow("de_DE") << "de_DE" << 0;
    QTest::newRow("none") << QString() << 0;
}

// Building the page shows the stored language and applies nothing.
void TestSettingsLanguage::storedCode()
{
    QFETCH(QString, stored);
    QFETCH(int, index);
    if (!stored.isNull())
        UiFixture::setValue("SETTING", "Lang", stored);
    else
        UiFixture::setValue("SETTING", "Lang", QString());
    markLog();
    SettingWidget page(nullptr);
    QCOMPARE(chooser(page)->currentIndex(), index);
    QCOMPARE(logCount(SET_LANG), 0);
    QCOMPARE(logCount(COUNTRY_LANG), 0);
}

void TestSettingsLanguage::pick_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("code");
    QTest::newRow("Lietuvių kalba") << 12 << "lt";
    QTest::newRow("English") << 0 << "en";
    QTest::newRow("简体中文") << 26 << "zh-cn";
    QTest::newRow("繁體中文") << 25 << "zh-tw";
}

void TestSettingsLanguage::pick()
{
    QFETCH(int, index);
    QFETCH(QString, code);
    SettingWidget page(nullptr);
    markLog();
    pickItem(chooser(page), index);
    QCOMPARE(ZeqAgentCtrlMgr::getInstance()->langCode(), code);
    QCOMPARE(UiFixture::value("SETTING", "Lang"), code);
    QCOMPARE(logCount(SET_LANG), 1);
    QCOMPARE(logCount(COUNTRY_LANG), 1);
}

void TestSettingsLanguage::pickShownItemAgain()
{
    UiFixture::setValue("SETTING", "Lang", "lt");
    SettingWidget page(nullptr);
    QCOMPARE(chooser(page)->currentIndex(), 12);
    markLog();
    pickItem(chooser(page), 12);
    pickItem(chooser(page), 12);
    QCOMPARE(logCount(SET_LANG), 2);
    QCOMPARE(logCount(COUNTRY_LANG), 2);
    QCOMPARE(ZeqAgentCtrlMgr::getInstance()->langCode(), QString("lt"));
}

void TestSettingsLanguage::switchTranslatesTextsNotItems()
{
    QVERIFY(QDir().mkpath(m_fixture.ui().m_folders.programPath("lang")));
    QVERIFY(QFile::copy(TEST_QM, m_fixture.ui().m_folders.programPath("lang/WendoAgent_de.qm")));
    SettingWidget page(nullptr);
    const QStringList itemsBefore = BasicSettingWidget::itemTexts();
    pickItem(chooser(page), 5);
    QCoreApplication::processEvents();
    QCOMPARE(page.findChild<QLabel*>("label_setting")->text(), QString("Grundeinstellungen"));
    QCOMPARE(page.findChild<QLabel*>("label")->text(), QString("Sprache"));
    QCOMPARE(page.findChild<QPushButton*>("btn_Save")->text(), QString("Speichern"));
    QCOMPARE(chooser(page)->currentIndex(), 5);
    for (int i = 0; i < itemsBefore.size(); ++i)
        QCOMPARE(chooser(page)->itemText(i), itemsBefore.at(i));
}

QTEST_MAIN(TestSettingsLanguage)
#include "tst_settingslanguage.moc"
