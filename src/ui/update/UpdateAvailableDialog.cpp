#include "UpdateAvailableDialog.h"

#include "ReleaseNoteLink.h"
#include "controller/DialogOpener.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "core/WorkFile.h"
#include "ui/pages/ButtonFont.h"
#include "ui/pages/PageLoops.h"
#include "ui_UpdateAvailableDialog.h"

UpdateAvailableDialog::UpdateAvailableDialog(QWidget* parent)
    : QDialog(parent), m_pCtrl(nullptr), ui(new Ui_UpdateAvailableDialog)
{
    ui->setupUi(this);
    ui->label->lower();
    writeLog(1, "[UpdateAvailableDialog][UpdateAvailableDialog]");
    setAccessibleName("UpdateAvailableDialog");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QObject::tr("Updates"));
    m_pCtrl = ZeqAgentCtrlMgr::getInstance();
    changeFontSize();
    // Texts from the service are shown as they are.
    ui->label_WendoAgentNote->setTextFormat(Qt::PlainText);
    ui->label_releasenote->setTextFormat(Qt::PlainText);
    connect(m_pCtrl, &ZeqAgentCtrlMgr::devRefresh, this, &UpdateAvailableDialog::slotdevRefresh);
    connect(ui->btn_install, &QPushButton::clicked, this, &UpdateAvailableDialog::slotInstallUpdate);
    connect(ui->btn_cancel, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->label_releasenote, &QLabel::linkActivated, this, &UpdateAvailableDialog::slotLink);
    doGetUpdateInfo();
}

UpdateAvailableDialog::~UpdateAvailableDialog()
{
    disconnect(m_pCtrl, nullptr, this, nullptr);
    delete ui;
}

void UpdateAvailableDialog::changeFontSize()
{
    const QFont font = ButtonFont::forLanguage(m_pCtrl->langCode());
    ui->btn_cancel->setFont(font);
    ui->btn_install->setFont(font);
}

// The note names the last agent row's version; the link is the first agent row's release notes, the
// address the controller kept as "releaseurl" when this check listed the row.
void UpdateAvailableDialog::doGetUpdateInfo()
{
    QList<WorkFile::Row> rows;
    WorkFile::readRows(AgentFolders::tempPath("Update.script"), &rows);
    QString sNote;
    QString sReleaseUrl;
    bool bFirst = true;
    for (const WorkFile::Row& row : rows) {
        if (row.value(0) != "AGENT")
            continue;
        sNote = QString("WendoAgent %1 (%2: %3)")
                    .arg(QObject::tr("update"), QObject::tr("version"), row.value(2));
        if (bFirst)
            sReleaseUrl = row.value(5);
        bFirst = false;
    }
    ui->label_WendoAgentNote->setText(sNote);
    const QString sLink = ReleaseNoteLink::markup(sReleaseUrl, QObject::tr("Release notes"));
    if (sLink.isEmpty())
        return;
    ui->label_releasenote->setTextFormat(Qt::RichText);
    ui->label_releasenote->setText(sLink);
}

void UpdateAvailableDialog::slotLink(QString sUrl)
{
    ReleaseNoteLink::open(sUrl, "UpdateAvailableDialog");
}

bool UpdateAvailableDialog::doGenerateNewUpdate()
{
    const QString sPath = AgentFolders::tempPath("Update.script");
    QList<WorkFile::Row> rows;
    if (!WorkFile::readRows(sPath, &rows))
        return false;
    QList<WorkFile::Row> kept;
    for (const WorkFile::Row& row : rows) {
        if (row.value(0) == "AGENT")
            kept.append(row);
    }
    if (kept.isEmpty())
        return false;
    if (kept.size() != rows.size() && !WorkFile::writeRows(sPath, kept)) {
        writeLog(1, "[UpdateAvailableDialog][doGenerateNewUpdate] the list could not be rewritten");
        return false;
    }
    return true;
}

void UpdateAvailableDialog::slotInstallUpdate()
{
    if (m_bDone)
        return;
    writeLog(1, "[UpdateAvailableDialog][slotInstallUpdate]");
    m_bDone = true;
    hide();
    if (doGenerateNewUpdate()) {
        PageLoops::Scope scope(this);
        DialogOpener::instance()->runInstall(false, true);
    } else {
        writeLog(1, "[UpdateAvailableDialog][slotInstallUpdate] no agent package, nothing to install");
    }
    accept();
}

void UpdateAvailableDialog::slotdevRefresh(bool bArrival)
{
    if (m_bDone)
        return;
    writeLog(1, "[UpdateAvailableDialog][slotdevRefresh] arrival %d", int(bArrival));
    m_bDone = true;
    accept();
}
