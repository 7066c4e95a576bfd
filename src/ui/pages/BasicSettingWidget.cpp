#include "BasicSettingWidget.h"

#include "ScaledPictures.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentSettings.h"
#include "core/DebugLog.h"
#include "ui_BasicSettingWidget.h"

#include <QCoreApplication>
#include <QEvent>

namespace
{
struct Language {
    const char* szItem; // UTF-8
    const char* szCode;
};
// Traditional Chinese stands before Simplified Chinese. The controller also knows "hr" and "tr": a stored
// one keeps its translation, and the chooser shows "English".
const Language LANGUAGES[] = {
    {"English", "en"},        {"български", "bg"},   {"Català", "ca"},     {"Český", "cs"},
    {"Dansk", "da"},          {"Deutsch", "de"},     {"Eesti keel", "et"}, {"Español", "es"},
    {"Ελληνικά", "el"},       {"Français", "fr"},    {"Italiano", "it"},   {"Latviešu valoda", "lv"},
    {"Lietuvių kalba", "lt"}, {"Magyar", "hu"},      {"Nederlands", "nl"}, {"Norsk", "no"},
    {"Polski", "pl"},         {"Português", "pt"},   {"Русский", "ru"},    {"Română", "ro"},
    {"Slovenski", "sl"},      {"Slovenský", "sk"},   {"Srpski", "sr"},     {"Suomi", "fi"},
    {"Svenska", "sv"},        {"繁體中文", "zh-tw"}, {"简体中文", "zh-cn"}};

const char* const CHOOSER_STYLE =
    "QComboBox {border: 1px solid #333333;border-radius: 3px;border-image: url(:/res/button_n_w.png);"
    "padding: 1px 23px 1px 3px;min-width: 6em;color: #373737;}"
    "QComboBox::drop-down {subcontrol-origin: padding;subcontrol-position: top right;width: 20px;}"
    "QComboBox::down-arrow {image: url(:/res/drop_arrow.png);}"
    "QComboBox QAbstractItemView {background: #999999;selection-background-color: #999999;"
    "selection-color: #4f4f4f;}";
} // namespace

BasicSettingWidget::BasicSettingWidget(QWidget* parent) : QWidget(parent), m_pUi(new Ui::BasicSettingWidget)
{
    m_pUi->setupUi(this);
    ScaledPictures::shareLabels(this);
    m_pUi->comboBox->setStyleSheet(CHOOSER_STYLE);
    m_pUi->comboBox->addItems(itemTexts());
    QString sLang;
    {
        AgentSettings settings;
        sLang = settings.getString("SETTING", "Lang");
    }
    m_pUi->comboBox->setCurrentIndex(indexForCode(sLang.isEmpty() ? "en" : sLang));
    // Only a pick by the user changes the language, never the index set above.
    connect(m_pUi->comboBox, &QComboBox::textActivated, this, &BasicSettingWidget::changeLanguage);
    connect(m_pUi->btn_Save, &QPushButton::clicked, this, &BasicSettingWidget::Btn_SaveClick);
    if (parent && parent->metaObject()->indexOfSlot("SaveSetting()") >= 0)
        connect(this, SIGNAL(emitBtnSaveClick()), parent, SLOT(SaveSetting()));
    retranslateSave();
}

BasicSettingWidget::~BasicSettingWidget()
{
    delete m_pUi;
}

QStringList BasicSettingWidget::itemTexts()
{
    QStringList items;
    for (const Language& language : LANGUAGES)
        items.append(QString::fromUtf8(language.szItem));
    return items;
}

QString BasicSettingWidget::codeForItem(const QString& sItem)
{
    for (const Language& language : LANGUAGES) {
        if (sItem == QString::fromUtf8(language.szItem))
            return QString::fromLatin1(language.szCode);
    }
    return "en";
}

int BasicSettingWidget::indexForCode(const QString& sCode)
{
    const int nCount = int(sizeof(LANGUAGES) / sizeof(LANGUAGES[0]));
    for (int i = 1; i < nCount; ++i) {
        if (sCode == QLatin1String(LANGUAGES[i].szCode))
            return i;
    }
    return 0;
}

void BasicSettingWidget::hideSaveButton()
{
    m_pUi->btn_Save->hide();
}

void BasicSettingWidget::changeLanguage(QString string)
{
    if (string.isEmpty())
        return;
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    pCtrl->setLang(codeForItem(string));
    pCtrl->GetCountryLangString(false);
}

void BasicSettingWidget::Btn_SaveClick()
{
    writeLog(1, "[BasicSettingWidget][Btn_SaveClick][Entry]");
    emit emitBtnSaveClick();
    writeLog(1, "[BasicSettingWidget][Btn_SaveClick][End]");
}

void BasicSettingWidget::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() != QEvent::LanguageChange)
        return;
    m_pUi->retranslateUi(this);
    retranslateSave();
}

void BasicSettingWidget::retranslateSave()
{
    m_pUi->btn_Save->setText(QCoreApplication::translate("QObject", "Save"));
}
