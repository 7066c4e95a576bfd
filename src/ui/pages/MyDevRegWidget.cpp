#include "MyDevRegWidget.h"

#include "BackupRestoreDailog.h"
#include "ButtonFont.h"
#include "PageLoops.h"
#include "ScaledPictures.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentSettings.h"
#include "core/DebugLog.h"
#include "ui_MyDevRegWidget.h"

#include <QEvent>
#include <QPointer>

namespace
{
// An anchor without a target: it only colours the notice orange.
const char* const ORANGE_TEMPLATE = "<a style=\"color:#e76d25;text-decoration:none\">%1</a>";
const int BACKUP_LINE_WIDTH_REGISTERED = 370;
const int BACKUP_LINE_WIDTH_OTHER = 700;
} // namespace

MyDevRegWidget::MyDevRegWidget(QWidget* parent) : QWidget(parent), m_pCtrl(nullptr), ui(new Ui_MyDevRegWidget)
{
    writeLog(1, "[MyDevRegWidget][MyDevRegWidget][Entry]");
    ui->setupUi(this);
    ScaledPictures::shareLabels(this);
    m_pCtrl = ZeqAgentCtrlMgr::getInstance();
    const QFont font = ButtonFont::forLanguage(m_pCtrl->langCode());
    ui->btn_backup->setFont(font);
    ui->btn_registerinfo->setFont(font);
    ui->btn_restore->setFont(font);
    // Device names come from the device: never read as markup.
    ui->label_devinfo->setTextFormat(Qt::PlainText);

    connect(ui->btn_registerinfo, &QPushButton::clicked, this, &MyDevRegWidget::slotBtnRegisterInfo);
    if (parent)
        connect(this, SIGNAL(emitBtnRegInfoClicked()), parent, SLOT(slotRegisterInfo()));
    connect(ui->btn_backup, &QPushButton::clicked, this, &MyDevRegWidget::backup);
    connect(ui->btn_restore, &QPushButton::clicked, this, &MyDevRegWidget::restore);
    connect(m_pCtrl, &ZeqAgentCtrlMgr::actionFinish, this, &MyDevRegWidget::slotActionFinish);

    m_nDevType = m_pCtrl->deviceFamily();
    m_ppDevInfo = &m_pCtrl->currentDevice().devInfo;

    ui->btn_backup->hide();
    ui->btn_restore->hide();
    ui->label_backup->hide();
    ui->btn_registerinfo->hide();
    writeLog(1, "[MyDevRegWidget][MyDevRegWidget][End]");
}

MyDevRegWidget::~MyDevRegWidget()
{
    delete ui;
}

void MyDevRegWidget::refreshDevInfo(int nState)
{
    writeLog(1, "[MyDevRegWidget][refreshDevInfo][Entry] state %d", nState);
    showDeviceLine();
    m_nState = nState;
    QRect backupLine = ui->label_backup->geometry();
    backupLine.setWidth(nState == 0 ? BACKUP_LINE_WIDTH_REGISTERED : BACKUP_LINE_WIDTH_OTHER);
    ui->label_backup->setGeometry(backupLine);
    showStateWidgets(nState);
    writeLog(1, "[MyDevRegWidget][refreshDevInfo][End]");
}

void MyDevRegWidget::showDeviceLine()
{
    QString sName = m_ppDevInfo->sHWName;
    sName.remove("Zeq ").remove("Quorvane ");
    ui->label_devinfo->setText(QString("%1 %2").arg(sName, QObject::tr("is connected")));
}

void MyDevRegWidget::showStateWidgets(int nState)
{
    switch (nState) {
    case 0:
        ui->btn_registerinfo->setText(QObject::tr("Register info"));
        ui->btn_registerinfo->show();
        if (m_nDevType == Worker::FAMILY_DRIVE)
            showBackupLine();
        break;
    case 1:
        ui->btn_registerinfo->setText(QObject::tr("Register"));
        ui->btn_registerinfo->show();
        showNotice(
            m_pCtrl->isQuorvane()
                ? QObject::tr("This device has not been registered. Please register your device to get "
                              "your History and Tracks synchronised with QuorvaneShare.")
                : QObject::tr("This device has not been registered. Please register your device to get "
                              "your History and Tracks synchronised with ZeqShare."));
        ui->btn_backup->hide();
        ui->btn_restore->hide();
        break;
    case 2:
        ui->btn_registerinfo->hide();
        showNotice(QObject::tr("The connected device is not linked to the current account, but you can still "
                               "use the update function."));
        ui->btn_backup->hide();
        ui->btn_restore->hide();
        break;
    default:
        break;
    }
}

void MyDevRegWidget::showBackupLine()
{
    const QString sTime = backupTime();
    ui->label_backup->setTextFormat(Qt::PlainText);
    if (sTime.isEmpty())
        ui->label_backup->setText(QObject::tr("Back up your Wendo data"));
    else
        ui->label_backup->setText(QObject::tr("Last backup") + ": " + sTime);
    ui->label_backup->show();
    ui->btn_backup->show();
    ui->btn_restore->setVisible(!sTime.isEmpty());
}

void MyDevRegWidget::showNotice(const QString& sNotice)
{
    ui->label_backup->setTextFormat(Qt::RichText);
    ui->label_backup->setText(QString(ORANGE_TEMPLATE).arg(sNotice.toHtmlEscaped()));
    ui->label_backup->show();
}

QString MyDevRegWidget::backupTime() const
{
    AgentSettings settings;
    return settings.getDeviceString(m_ppDevInfo->sUUID, "backuptime");
}

void MyDevRegWidget::slotBtnRegisterInfo()
{
    writeLog(1, "[MyDevRegWidget][slotBtnRegisterInfo] state %d", m_nState);
    // One click, one registration request: the button comes back when the request fails.
    if (m_nState == 1)
        ui->btn_registerinfo->setEnabled(false);
    emit emitBtnRegInfoClicked();
}

void MyDevRegWidget::slotActionFinish(ACTION_STATUS status, QString)
{
    writeLog(1, "[MyDevRegWidget][slotActionFinish] status %d result", int(status));
    switch (status) {
    case DEVICE_REGERROR:
        ui->btn_registerinfo->setEnabled(true);
        break;
    case BACKUP_SUCCESS: {
        const QString sTime = backupTime();
        if (!sTime.isEmpty()) {
            ui->label_backup->setTextFormat(Qt::PlainText);
            ui->label_backup->setText(QObject::tr("Last backup") + ": " + sTime);
            ui->btn_restore->show();
        }
        break;
    }
    case BACKUP_BUTTONSENABLE:
    case BACKUP_BUTTONSDISABLE:
        ui->btn_backup->setEnabled(status == BACKUP_BUTTONSENABLE);
        ui->btn_restore->setEnabled(status == BACKUP_BUTTONSENABLE);
        break;
    default:
        break;
    }
}

void MyDevRegWidget::backup()
{
    runBackupDialog(0);
}

void MyDevRegWidget::restore()
{
    runBackupDialog(1);
}

void MyDevRegWidget::runBackupDialog(int nMode)
{
    writeLog(1, "[MyDevRegWidget][runBackupDialog][Entry] mode %d", nMode);
    {
        PageLoops::Scope scope(this);
        BackupRestoreDailog dialog(nMode, false, false, nullptr);
        dialog.exec();
    }
    // The page may have been taken down while the dialog ran.
    if (PageLoops::isRetired(this))
        return;
    writeLog(1, "[MyDevRegWidget][runBackupDialog][End]");
}

void MyDevRegWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        refreshDevInfo(m_nState);
    }
}
