#include "NoDeviceWidget.h"

#include "ButtonFont.h"
#include "PageLoops.h"
#include "ScaledPictures.h"
#include "controller/DialogOpener.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/DebugLog.h"
#include "ui_NoDeviceWidget.h"

#include <QEvent>

namespace
{
const int DISPLAY_NO_DEVICE = 0;
const int DISPLAY_RECOVER = 3;
// The signed-in page's tab area below the tab bar.
const int PAGE_WIDTH = 800;
const int PAGE_HEIGHT = 433;
} // namespace

NoDeviceWidget::NoDeviceWidget(QWidget* parent) : QWidget(parent), m_pCtrl(nullptr), ui(new Ui_NoDeviceWidget)
{
    ui->setupUi(this);
    ScaledPictures::shareLabels(this);
    setFixedSize(PAGE_WIDTH, PAGE_HEIGHT);
    setAccessibleName("NoDeviceWidget");
    writeLog(1, "[NoDeviceWidget][NoDeviceWidget][Entry]");
    m_pCtrl = ZeqAgentCtrlMgr::getInstance();
    ui->btn_action->setFont(ButtonFont::forLanguage(m_pCtrl->langCode()));
    connect(m_pCtrl, &ZeqAgentCtrlMgr::actionFinish, this, &NoDeviceWidget::slotActionFinish);
    connect(ui->btn_action, &QPushButton::clicked, this, &NoDeviceWidget::slotAction);
    if (parent)
        connect(this, SIGNAL(emitRegisterInfo()), parent, SLOT(slotRegisterInfo()));
    writeLog(1, "[NoDeviceWidget][NoDeviceWidget][End]");
}

NoDeviceWidget::~NoDeviceWidget()
{
    delete ui;
}

void NoDeviceWidget::setDisplayStatus(int nStatus)
{
    writeLog(1, "[NoDeviceWidget][setDisplayStatus][Entry]");
    m_nDisplay = nStatus;
    showDisplay();
    writeLog(1, "[NoDeviceWidget][setDisplayStatus][End]");
}

void NoDeviceWidget::showDisplay()
{
    if (m_nDisplay == DISPLAY_NO_DEVICE)
        showNoConnect();
    else if (m_nDisplay == DISPLAY_RECOVER)
        showRecover();
}

void NoDeviceWidget::showNoConnect()
{
    writeLog(1, "[NoDeviceWidget][showNoConnect][Entry]");
    ui->btn_action->setText(QObject::tr("Register info"));
    ui->label_title->setText(QObject::tr("NO DEVICE IS CONNECTED"));
    ui->label_info->setText(QObject::tr("Please connect your device"));
    writeLog(1, "[NoDeviceWidget][showNoConnect][End]");
}

void NoDeviceWidget::showRecover()
{
    ui->btn_action->setText(QObject::tr("Recover"));
    ui->label_title->setText(QObject::tr("Recover your device"));
    ui->label_info->setText(QObject::tr(
        "Cannot use your device? No worry, by clicking the Recover button, we can help you recover it."));
}

// The button keeps its function in its caption.
void NoDeviceWidget::slotAction()
{
    writeLog(1, "[NoDeviceWidget][slotAction][Entry]");
    const QString sCaption = ui->btn_action->text();
    if (sCaption == QObject::tr("Register info"))
        emit emitRegisterInfo();
    else if (sCaption == QObject::tr("Recover"))
        runRecover();
    writeLog(1, "[NoDeviceWidget][slotAction][End]");
}

void NoDeviceWidget::runRecover()
{
    {
        PageLoops::Scope scope(this);
        DialogOpener::instance()->runCheckUpdate(true, true);
    }
    // The page may have been taken down while the dialog ran (a device change closes the dialog).
    if (PageLoops::isRetired(this))
        return;
}

void NoDeviceWidget::slotActionFinish(ACTION_STATUS status, QString)
{
    if (status == DEVICE_REGSUCCESS || status == DEVICE_REGERROR)
        ui->btn_action->setEnabled(true);
}

void NoDeviceWidget::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() != QEvent::LanguageChange)
        return;
    ui->btn_action->setFont(ButtonFont::forLanguage(m_pCtrl->langCode()));
    ui->retranslateUi(this);
    showDisplay();
}
