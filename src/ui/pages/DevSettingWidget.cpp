#include "DevSettingWidget.h"

#include "PageLoops.h"
#include "ScaledPictures.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentSettings.h"
#include "core/DebugLog.h"
#include "core/Notifier.h"
#include "ui_DevSettingWidget.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

DevSettingWidget::DevSettingWidget(QWidget* parent, const Worker::DEVINFO& devinfo)
    : QWidget(parent), m_pUi(new Ui::DevSettingWidget), m_devinfo(devinfo),
      m_pCtrl(ZeqAgentCtrlMgr::getInstance())
{
    m_pUi->setupUi(this);
    ScaledPictures::shareLabels(this);
    for (QLabel* pLabel : {m_pUi->label_device, m_pUi->label_connect, m_pUi->label_uuid,
                           m_pUi->label_register, m_pUi->label_info})
        pLabel->setTextFormat(Qt::PlainText);
    m_bConnected = m_pCtrl->isDevicePresent() && m_pCtrl->currentDevice().devInfo.sUUID == m_devinfo.sUUID;
    applyButtonFont();
    showTexts();
    m_pUi->btn_deregister->hide();
    m_pUi->label_info->hide();
    if (m_bConnected) {
        m_pUi->btn_deregister->setEnabled(false);
        m_pUi->label_info->show();
    } else {
        m_pUi->btn_deregister->show();
        m_pUi->btn_deregister->setEnabled(true);
    }
    connect(m_pUi->btn_deregister, &QPushButton::clicked, this, qOverload<>(&DevSettingWidget::deRegDev));
    connect(m_pCtrl, &ZeqAgentCtrlMgr::actionFinish, this, &DevSettingWidget::slotActionFinish);
    if (parent && parent->metaObject()->indexOfSlot("deRegDev(Worker::DEVINFO,bool)") >= 0)
        connect(this, SIGNAL(deRegDev(Worker::DEVINFO, bool)), parent, SLOT(deRegDev(Worker::DEVINFO, bool)));
}

DevSettingWidget::~DevSettingWidget()
{
    delete m_pUi;
}

void DevSettingWidget::applyButtonFont()
{
    QFont font("Arial", 12);
    const QString sLang = m_pCtrl->langCode();
    if (sLang == "da" || sLang == "de" || sLang == "nl")
        font.setPointSize(10);
    else if (sLang == "fr")
        font.setPointSize(9);
    m_pUi->btn_deregister->setFont(font);
}

void DevSettingWidget::showTexts()
{
    if (m_bConnected) {
        m_pUi->label_device->setText(
            QString("%1 %2").arg(m_devinfo.sHWName, QCoreApplication::translate("QObject", "connected")));
        m_pUi->label_info->setText(
            QCoreApplication::translate("QObject", "Please disconnect your device to deregister."));
    } else {
        m_pUi->label_device->setText(m_devinfo.sHWName);
    }
    QString sConnect;
    {
        AgentSettings settings;
        sConnect = settings.getDeviceString(m_devinfo.sUUID, "connect");
    }
    m_pUi->label_connect->setText(
        QString("%1: %2").arg(QCoreApplication::translate("QObject", "Last connected"), sConnect));
    m_pUi->label_uuid->setText(QString("UUID: %1").arg(m_devinfo.sUUID));
    m_pUi->label_register->setText(
        QString("%1: %2").arg(QCoreApplication::translate("QObject", "Registered on"), m_devinfo.sReserved));
}

void DevSettingWidget::deRegDev()
{
    m_pUi->btn_deregister->setEnabled(false);
    QPointer<DevSettingWidget> pSelf(this);
    bool bRemove = false;
    int nAnswer = Notifier::NO;
    {
        PageLoops::Scope scope(this);
        nAnswer = Notifier::instance()->askWithCheckBox(
            QCoreApplication::translate("QObject", "Device Deregisteration"),
            QCoreApplication::translate("QObject", "Are you sure you want to deregister your device?"),
            QCoreApplication::translate("QObject", "Remove my backup file if any."), &bRemove);
    }
    // A row that went away meanwhile (a device change, a new list) sends nothing.
    if (PageLoops::isRetired(pSelf))
        return;
    if (nAnswer == Notifier::YES)
        emit deRegDev(m_devinfo, bRemove);
    else
        m_pUi->btn_deregister->setEnabled(true);
}

void DevSettingWidget::slotActionFinish(ACTION_STATUS status, QString sResult)
{
    writeLog(1, "[SettingWidget][slotActionFinish] status %d result %s", int(status),
             qUtf8Printable(sResult));
    if (status == DEVICE_CHECKSUCCESS)
        writeLog(1, "[SettingWidget][slotActionFinish] status %d result %s DEVICE_CHECKSUCCESS", int(status),
                 qUtf8Printable(sResult));
    if (status == DEVICE_DEREGERROR)
        m_pUi->btn_deregister->setEnabled(true);
}

void DevSettingWidget::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() != QEvent::LanguageChange)
        return;
    applyButtonFont();
    const bool bVisible = m_pUi->btn_deregister->isVisibleTo(this);
    const bool bEnabled = m_pUi->btn_deregister->isEnabled();
    m_pUi->retranslateUi(this);
    m_pUi->btn_deregister->setVisible(bVisible);
    m_pUi->btn_deregister->setEnabled(bEnabled);
    if (m_bConnected)
        m_pUi->label_info->show();
    showTexts();
}
