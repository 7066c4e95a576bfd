#include "SyncSettingWidget.h"

#include "PageLoops.h"
#include "ScaledPictures.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentSettings.h"
#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "core/JsonHelper.h"
#include "core/Notifier.h"
#include "ui_SyncSettingWidget.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace
{
QString boolText(bool bValue)
{
    return bValue ? "true" : "false";
}
} // namespace

SyncSettingWidget::SyncSettingWidget(QWidget* parent)
    : QWidget(parent), m_pUi(new Ui::SyncSettingWidget), m_pCtrl(ZeqAgentCtrlMgr::getInstance())
{
    m_pUi->setupUi(this);
    ScaledPictures::shareLabels(this);
    connect(m_pUi->checkBox_trecks, &QCheckBox::clicked, this, &SyncSettingWidget::autoSync);
    connect(m_pUi->radioBtn_del, &QRadioButton::clicked, this, &SyncSettingWidget::delRecord);
    connect(m_pUi->radioBtn_kept, &QRadioButton::clicked, this, &SyncSettingWidget::keptRecord);
    connect(m_pCtrl, &ZeqAgentCtrlMgr::actionFinish, this, &SyncSettingWidget::slotActionFinish);
    loadSetting();
    if (!m_pCtrl->isCustomSettingLoaded())
        QTimer::singleShot(AgentTiming::ms(AgentTiming::SETTINGS_FETCH), this,
                           &SyncSettingWidget::slotSetting);
    retranslateTexts();
}

SyncSettingWidget::~SyncSettingWidget()
{
    delete m_pUi;
}

void SyncSettingWidget::loadSetting()
{
    AgentSettings settings;
    m_bKept = settings.getBool("SYNC", "KeptHistory");
    m_pUi->radioBtn_kept->setChecked(m_bKept);
    m_pUi->radioBtn_del->setChecked(!m_bKept);
    m_bSync = settings.getBool("SYNC", "AutoSync");
    m_pUi->checkBox_trecks->setChecked(m_bSync);
}

bool SyncSettingWidget::storedChoicesExist()
{
    AgentSettings settings;
    return !settings.getString("SYNC", "KeptHistory").isEmpty() ||
           !settings.getString("SYNC", "AutoSync").isEmpty();
}

void SyncSettingWidget::retranslateTexts()
{
    if (m_pCtrl->isQuorvane()) {
        m_pUi->label_sync->setText(QCoreApplication::translate("QObject", "QuorvaneShare synchronisation"));
        m_pUi->label_Autotrack->setText(QCoreApplication::translate(
            "QObject", "Tracks on QuorvaneShare will be automatically synchronised with your device."));
    } else {
        m_pUi->label_sync->setText(QCoreApplication::translate("QObject", "ZeqShare synchronisation"));
        m_pUi->label_Autotrack->setText(QCoreApplication::translate(
            "QObject", "Tracks on ZeqShare will be automatically synchronised with your device."));
    }
}

void SyncSettingWidget::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() != QEvent::LanguageChange)
        return;
    m_pUi->retranslateUi(this);
    retranslateTexts();
}

// Every click counts as a change, also one on the choice already made.
void SyncSettingWidget::markChanged()
{
    m_bDirty = true;
    m_bClicked = true;
    m_pCtrl->setSettingNotSave(true);
}

void SyncSettingWidget::keptRecord()
{
    markChanged();
    m_bKept = m_pUi->radioBtn_kept->isChecked();
}

void SyncSettingWidget::delRecord()
{
    markChanged();
    m_bKept = !m_pUi->radioBtn_del->isChecked();
}

void SyncSettingWidget::autoSync()
{
    markChanged();
    m_bSync = m_pUi->checkBox_trecks->checkState() == Qt::Checked;
}

void SyncSettingWidget::slotSetting()
{
    if (PageLoops::isRetired(this))
        return;
    m_pCtrl->getCustomSetting(
        JsonHelper::object({{"session", m_pCtrl->currentSession()}, {"user", m_pCtrl->currentUser()}}));
}

void SyncSettingWidget::Btn_SaveClick()
{
    writeLog(1, "[SyncSettingWidget][Btn_SaveClick][Entry]");
    m_bDirty = false;
    m_pCtrl->setSettingNotSave(false);
    if (!m_bClicked && !storedChoicesExist()) {
        writeLog(1, "[SyncSettingWidget][Btn_SaveClick] choices not known yet: nothing sent");
        writeLog(1, "[SyncSettingWidget][Btn_SaveClick][End]");
        return;
    }
    m_bClicked = false;
    m_pCtrl->setCustomSetting(JsonHelper::object({{"session", m_pCtrl->currentSession()},
                                                  {"user", m_pCtrl->currentUser()},
                                                  {"kept", boolText(m_bKept)},
                                                  {"sync", boolText(m_bSync)}}));
    {
        AgentSettings settings;
        settings.setValue("SYNC", "KeptHistory", boolText(m_bKept));
        settings.setValue("SYNC", "AutoSync", boolText(m_bSync));
    }
    writeLog(1, "[SyncSettingWidget][Btn_SaveClick][End]");
}

void SyncSettingWidget::slotActionFinish(ACTION_STATUS status, QString sResult)
{
    switch (status) {
    case GETSETTING_SUCCESS:
        applyCustomSetting(sResult);
        m_pCtrl->setCustomSettingLoaded(true);
        startAgentUpdateCheckWithoutDevice();
        break;
    case GETSETTING_ERROR:
        startAgentUpdateCheckWithoutDevice();
        break;
    default:
        break;
    }
}

// The check opens a modal dialog: it runs after every window has heard this result, not inside it.
void SyncSettingWidget::startAgentUpdateCheckWithoutDevice()
{
    if (m_pCtrl->isDevicePresent())
        return;
    ZeqAgentCtrlMgr* pCtrl = m_pCtrl;
    QMetaObject::invokeMethod(
        pCtrl, [pCtrl] { pCtrl->checkWendoAgentupdate(); }, Qt::QueuedConnection);
}

bool SyncSettingWidget::readChoice(const QVariant& value, bool* pChoice)
{
    if (value.type() == QVariant::Bool) {
        *pChoice = value.toBool();
        return true;
    }
    if (value.type() != QVariant::String)
        return false;
    const QString sValue = value.toString();
    if (sValue != "true" && sValue != "false")
        return false;
    *pChoice = sValue == "true";
    return true;
}

// A key that is missing or holds no readable choice leaves that choice, on screen and stored, as it was.
void SyncSettingWidget::applyCustomSetting(QString sResult)
{
    const QVariantMap answer = JsonHelper().parse(sResult);
    AgentSettings settings;
    bool bKept = false;
    if (readChoice(answer.value("kept"), &bKept)) {
        settings.setValue("SYNC", "KeptHistory", boolText(bKept));
        m_bKept = bKept;
        m_pUi->radioBtn_del->setChecked(!m_bKept);
        m_pUi->radioBtn_kept->setChecked(m_bKept);
    } else {
        writeLog(1, "[SyncSettingWidget][applyCustomSetting] no readable kept choice");
    }
    bool bSync = false;
    if (readChoice(answer.value("sync"), &bSync)) {
        m_bSync = bSync;
        settings.setValue("SYNC", "AutoSync", boolText(bSync));
        m_pUi->checkBox_trecks->setChecked(m_bSync);
    } else {
        writeLog(1, "[SyncSettingWidget][applyCustomSetting] no readable sync choice");
    }
}

int SyncSettingWidget::leavePageCheck()
{
    m_bDirty = true;
    QPointer<SyncSettingWidget> pSelf(this);
    int nAnswer = Notifier::NO;
    {
        PageLoops::Scope scope(this);
        nAnswer = Notifier::instance()->showMessage(
            QCoreApplication::translate("QObject", "Settings"),
            QCoreApplication::translate(
                "QObject", "Are you sure you want to leave this page without saving new changes?"),
            Notifier::YES | Notifier::NO);
    }
    // A section whose page went away meanwhile touches nothing: the tabs it would switch are gone.
    if (PageLoops::isRetired(pSelf))
        return QMessageBox::No;
    if (nAnswer == Notifier::YES) {
        loadSetting();
        m_bDirty = false;
        m_bClicked = false;
        m_pCtrl->setSettingNotSave(false);
        return QMessageBox::Yes;
    }
    m_pCtrl->setSettingNotSave(m_bDirty);
    return QMessageBox::No;
}
