#include "MyDevVersionWidget.h"

#include "ButtonFont.h"
#include "PageLoops.h"
#include "ScaledPictures.h"
#include "VersionText.h"
#include "controller/DialogOpener.h"
#include "controller/UrlOpener.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "core/WorkFile.h"
#include "ui_MyDevVersionWidget.h"

#include <QEvent>
#include <QTimer>
#include <QUrl>

namespace
{
const char* const RELEASE_LINK = "<a href=\"%1\" style=\"color:#1da9d8;text-decoration:none\">%2</a>";
const int GROUP_HEIGHT_REGISTERED = 190;
const int GROUP_HEIGHT_OTHER = 110;
// The update list's release-note address is its sixth field.
const int RELEASE_NOTE_FIELD = 5;
} // namespace

MyDevVersionWidget::MyDevVersionWidget(QWidget* parent)
    : QWidget(parent), m_pCtrl(nullptr), ui(new Ui_MyDevVersionWidget)
{
    writeLog(1, "[MyDevVersionWidget][MyDevVersionWidget][Entry]");
    m_sCheckText = QObject::tr("Check for Updates");
    ui->setupUi(this);
    ScaledPictures::shareLabels(this);
    m_pCtrl = ZeqAgentCtrlMgr::getInstance();
    ui->btn_check->setFont(ButtonFont::forLanguage(m_pCtrl->langCode()));
    // Versions come from the device: never read as markup. Only the release link is ours to format.
    ui->label_rom->setTextFormat(Qt::PlainText);
    ui->label_software->setTextFormat(Qt::PlainText);
    ui->label_devstatus->setTextFormat(Qt::PlainText);
    ui->label_release->setTextFormat(Qt::RichText);

    connect(ui->btn_check, &QPushButton::clicked, this, &MyDevVersionWidget::slotCheck);
    connect(ui->label_release, &QLabel::linkActivated, this, &MyDevVersionWidget::slotReleaseNote);
    connect(m_pCtrl, &ZeqAgentCtrlMgr::actionFinish, this, &MyDevVersionWidget::slotActionFinish);

    m_nDevType = m_pCtrl->deviceFamily();
    m_ppDevInfo = &m_pCtrl->currentDevice().devInfo;

    ui->btn_check->setEnabled(false);
    ui->label_release->hide();
    m_pCtrl->setCheckStarted(false);
    writeLog(1, "[MyDevVersionWidget][MyDevVersionWidget][End]");
}

MyDevVersionWidget::~MyDevVersionWidget()
{
    delete ui;
}

void MyDevVersionWidget::refreshVersionInfo(int nStyle)
{
    writeLog(1, "[MyDevVersionWidget][refreshVersionInfo][Entry] style %d", nStyle);
    m_nStyle = nStyle;
    m_pCtrl->m_nDevPageStyle = nStyle;
    QRect group = ui->groupBox_update->geometry();
    group.setHeight(nStyle == 0 ? GROUP_HEIGHT_REGISTERED : GROUP_HEIGHT_OTHER);
    ui->groupBox_update->setGeometry(group);
    ui->label_100rom->hide();
    ui->label_100device->hide();
    ui->btn_check->setText(m_sCheckText);
    if (nStyle != 0) {
        ui->label_device->hide();
        ui->label_rom->hide();
        ui->label_software->hide();
        ui->btn_check->setEnabled(true);
        QTimer::singleShot(AgentTiming::ms(AgentTiming::VERSION_CHECK), this,
                           &MyDevVersionWidget::slotCheckUpdate);
    }
    ui->label_version->setText(QObject::tr("Device"));
    ui->label_devstatus->setText(QString());
    ui->label_devstatus->show();
    showVersionLines();
    writeLog(1, "[MyDevVersionWidget][refreshVersionInfo][End]");
}

void MyDevVersionWidget::showVersionLines()
{
    const QString sRomLabel = QObject::tr("ROM version");
    if (m_nDevType == Worker::FAMILY_DRIVE) {
        ui->btn_check->show();
        const QString sRom = VersionText::romText(m_ppDevInfo->sFirmware, m_pCtrl->isQuorvane());
        ui->label_rom->setText(QString("%1: %2").arg(sRomLabel, sRom));
        ui->label_software->setText(QString("%1: %2").arg(QObject::tr("Software version"),
                                                          VersionText::softwareText(m_ppDevInfo->sAppVer)));
    } else {
        ui->label_rom->setText(QString("%1: %2").arg(sRomLabel, m_ppDevInfo->sFirmware));
        ui->label_software->setText(QString());
    }
}

void MyDevVersionWidget::slotCheckUpdate()
{
    writeLog(1, "[MyDevVersionWidget][slotCheckUpdate]");
    // A box taken down with its page starts nothing.
    if (PageLoops::isRetired(this))
        return;
    if (!m_pCtrl->isCheckStarted())
        slotCheck();
}

void MyDevVersionWidget::slotCheck()
{
    writeLog(1, "[MyDevVersionWidget][slotCheck]");
    DialogOpener* pOpener = DialogOpener::instance();
    if (pOpener->isUpdateDialogShown())
        return;
    m_pCtrl->setCheckStarted(true);
    const bool bOfferBackup = m_nStyle == 0;
    {
        PageLoops::Scope scope(this);
        pOpener->runCheckUpdate(false, bOfferBackup);
    }
    if (PageLoops::isRetired(this))
        return;
    writeLog(1, "[MyDevVersionWidget][slotCheck][End]");
}

void MyDevVersionWidget::slotReleaseNote(QString sUrl)
{
    writeLog(1, "[MyDevVersionWidget][releasenote]Url:%s", qPrintable(sUrl));
    if (isWebAddress(sUrl))
        UrlOpener::open(QUrl(sUrl, QUrl::TolerantMode).toString(QUrl::FullyEncoded));
    else
        writeLog(1, "[MyDevVersionWidget][releasenote] refused: not an http or https address");
    writeLog(1, "[MyDevVersionWidget][releasenote][End]");
}

bool MyDevVersionWidget::isWebAddress(const QString& sUrl)
{
    const QUrl url(sUrl, QUrl::TolerantMode);
    const QString sScheme = url.scheme().toLower();
    return url.isValid() && (sScheme == "http" || sScheme == "https") && !url.host().isEmpty();
}

void MyDevVersionWidget::slotActionFinish(ACTION_STATUS status, QString)
{
    writeLog(1, "[MyDevVersionWidget][slotActionFinish] status %d result", int(status));
    switch (status) {
    case BACKUP_BUTTONSENABLE:
    case BACKUP_BUTTONSDISABLE:
        ui->btn_check->setEnabled(status == BACKUP_BUTTONSENABLE);
        break;
    case SYNC_UPLOADERROR:
    case SYNC_SUCCESS:
    case SYNC_CORRUPTION:
    case SYNC_PARTIALERROR:
    case SYNC_NETERROR:
    case SYNC_SIZENOTENOUGH:
    case SYNC_DISKFULL:
        ui->btn_check->setEnabled(true);
        // The check dialog runs a loop of its own: started from here it would hold up the windows that
        // hear this result after this box.
        if (m_nStyle == 0 && !m_pCtrl->isCheckStarted())
            QMetaObject::invokeMethod(this, &MyDevVersionWidget::slotCheckUpdate, Qt::QueuedConnection);
        break;
    case MAP_CHECKSUCCESS:
        doProcUpdateCheck();
        break;
    case MAP_INSTALLSUCCESS:
        showInstalled();
        break;
    default:
        break;
    }
}

void MyDevVersionWidget::doProcUpdateCheck()
{
    writeLog(1, "[MyDevVersionWidget][doProcUpdateCheck]");
    m_sReleaseAddress.clear();
    m_eUpdateState = readReleaseNote(&m_sReleaseAddress) ? UPDATE_AVAILABLE : UP_TO_DATE;
    showUpdateState();
    ui->label_devstatus->show();
}

// The controller has read the device again before this result: the lines show what it now holds. What
// the last check offered is installed, so the box tells no update state until the next check.
void MyDevVersionWidget::showInstalled()
{
    writeLog(1, "[MyDevVersionWidget][showInstalled]");
    showVersionLines();
    m_eUpdateState = NOT_CHECKED;
    m_sReleaseAddress.clear();
    ui->label_release->hide();
    showUpdateState();
}

void MyDevVersionWidget::showUpdateState()
{
    switch (m_eUpdateState) {
    case UPDATE_AVAILABLE:
        ui->label_release->setText(
            QString(RELEASE_LINK)
                .arg(m_sReleaseAddress.toHtmlEscaped(), QObject::tr("Release notes").toHtmlEscaped()));
        ui->label_devstatus->setText(QString("[%1]").arg(QObject::tr("Update available")));
        ui->label_release->show();
        m_sCheckText = QObject::tr("Updates");
        break;
    case UP_TO_DATE:
        ui->label_devstatus->setText(
            QString("[%1]").arg(QObject::tr("The device's software is up-to-date.")));
        ui->label_release->hide();
        m_sCheckText = QObject::tr("Check for Updates");
        break;
    case NOT_CHECKED:
        ui->label_devstatus->setText(QString());
        m_sCheckText = QObject::tr("Check for Updates");
        break;
    }
    ui->btn_check->setText(m_sCheckText);
}

bool MyDevVersionWidget::readReleaseNote(QString* pAddress)
{
    QList<WorkFile::Row> rows;
    if (!WorkFile::readRows(AgentFolders::tempPath("Update.script"), &rows))
        return false;
    bool bFound = false;
    for (const WorkFile::Row& row : rows) {
        const QString sKind = row.value(0);
        if (sKind != "APPLICATION" && sKind != "IMAGE")
            continue;
        if (row.size() <= RELEASE_NOTE_FIELD) {
            writeLog(1, "[MyDevVersionWidget][doProcUpdateCheck] skipped a %s row of %d fields",
                     qPrintable(sKind), int(row.size()));
            continue;
        }
        *pAddress = row.at(RELEASE_NOTE_FIELD);
        bFound = true;
    }
    return bFound;
}

void MyDevVersionWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        // Texts only: what the box shows (lines, state, link, enabled button) stays, in the new
        // language; no further automatic check is armed.
        ui->btn_check->setFont(ButtonFont::forLanguage(m_pCtrl->langCode()));
        ui->retranslateUi(this);
        ui->label_version->setText(QObject::tr("Device"));
        showVersionLines();
        showUpdateState();
    }
}
