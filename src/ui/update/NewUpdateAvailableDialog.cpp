#include "NewUpdateAvailableDialog.h"

#include "ReleaseNoteLink.h"
#include "backup/BackupFiles.h"
#include "controller/DialogOpener.h"
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/DebugLog.h"
#include "core/WorkFile.h"
#include "platform/DevicePath.h"
#include "ui/pages/BackupRestoreDailog.h"
#include "ui/pages/ButtonFont.h"
#include "ui/pages/PageLoops.h"
#include "ui/pages/VersionText.h"
#include "ui_NewUpdateAvailableDialog.h"
#include "update/MapKind.h"
#include "update/MapRows.h"

#include <QFileInfo>

#include <functional>

namespace
{
const QString FULL_STOP = QString(QChar(0xFF0E));

QString updateList()
{
    return AgentFolders::tempPath("Update.script");
}

QString mapList()
{
    return AgentFolders::tempPath("map.script");
}

// Rewrites a work list without the rows the test drops; a missing list stays missing.
void dropRows(const QString& sPath, const std::function<bool(const WorkFile::Row&)>& drop)
{
    QList<WorkFile::Row> rows;
    if (!WorkFile::readRows(sPath, &rows))
        return;
    QList<WorkFile::Row> kept;
    for (const WorkFile::Row& row : rows) {
        if (!drop(row))
            kept.append(row);
    }
    if (kept.size() != rows.size() && !WorkFile::writeRows(sPath, kept))
        writeLog(1, "[NewUpdateAvailableDialog][filterUpdateScripts] %s could not be rewritten",
                 qUtf8Printable(sPath));
}
} // namespace

NewUpdateAvailableDialog::NewUpdateAvailableDialog(bool bRecover, bool bOfferBackup, QWidget* parent)
    : QDialog(parent), m_pCtrl(nullptr), m_bRecover(bRecover), m_bOfferBackup(bOfferBackup),
      ui(new Ui_NewUpdateAvailableDialog)
{
    ui->setupUi(this);
    setAccessibleName("NewUpdateAvailableDialog");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QObject::tr("Updates"));
    m_pCtrl = ZeqAgentCtrlMgr::getInstance();
    changeFontSize();
    connect(m_pCtrl, &ZeqAgentCtrlMgr::devRefresh, this, &NewUpdateAvailableDialog::slotdevRefresh);
    connect(ui->btn_install, &QPushButton::clicked, this, &NewUpdateAvailableDialog::slotInstallUpdate);
    connect(ui->btn_cancel, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->checkbox_backup, &QCheckBox::clicked, this, &NewUpdateAvailableDialog::slotBackup);
    connect(ui->label_releasenote, &QLabel::linkActivated, this, &NewUpdateAvailableDialog::slotLink);

    ui->label_DeviceUpdate->setText(QString("%1%2").arg(FULL_STOP, QObject::tr("Device update")));
    // Versions and dates come from the services: shown as they are, never as markup.
    for (QLabel* pLabel : {ui->label_RomVersion, ui->label_SoftwareVersion, ui->label_OsmMapVersion,
                           ui->label_TaMapVersion, ui->label_releasenote})
        pLabel->setTextFormat(Qt::PlainText);
    for (QLabel* pLabel : {ui->label_DeviceUpdate, ui->label_RomVersion, ui->label_SoftwareVersion,
                           ui->label_OsmMapVersion, ui->label_TaMapVersion})
        pLabel->hide();
    if (m_bOfferBackup)
        m_bOfferBackup = hasBackup();
    ui->checkbox_backup->setChecked(m_bOfferBackup);
    ui->checkbox_backup->setVisible(m_bOfferBackup);
    fillUpdateList();
    writeLog(1, "[NewUpdateAvailableDialog][NewUpdateAvailableDialog] recover %d backup %d", int(m_bRecover),
             int(m_bOfferBackup));
}

NewUpdateAvailableDialog::~NewUpdateAvailableDialog()
{
    disconnect(m_pCtrl, nullptr, this, nullptr);
    delete ui;
}

void NewUpdateAvailableDialog::changeFontSize()
{
    const QFont font = ButtonFont::forLanguage(m_pCtrl->langCode());
    ui->btn_cancel->setFont(font);
    ui->btn_install->setFont(font);
}

bool NewUpdateAvailableDialog::hasBackup() const
{
    const QStringList lstDrive = m_pCtrl->currentDevice().lstDrive;
    if (!m_pCtrl->isDevicePresent() || lstDrive.size() < 2)
        return false;
    const QString sSystem = lstDrive.at(0);
    const QString sData = lstDrive.at(1);
    QString sFirst;
    QString sSecond;
    if (QFileInfo(DevicePath::resolve(sSystem, "HDD/APP/keepfile.xml")).isFile()) {
        sFirst = BackupFiles::stagingDir();
        sSecond = DevicePath::resolve(sData, "Korvo");
    } else {
        sFirst = DevicePath::resolve(sSystem, "Korvo/Settings");
        sSecond = DevicePath::resolve(sData, "Korvo/Tracks");
    }
    return QFileInfo(sFirst).isDir() && QFileInfo(sSecond).isDir();
}

void NewUpdateAvailableDialog::fillUpdateList()
{
    fillDeviceRows();
    fillMapRows();
    fillReleaseNote();
}

void NewUpdateAvailableDialog::fillDeviceRows()
{
    QList<WorkFile::Row> rows;
    WorkFile::readRows(updateList(), &rows);
    for (const WorkFile::Row& row : rows) {
        if (row.size() < 3)
            continue;
        QLabel* pLabel = nullptr;
        QString sText;
        if (row.at(0) == "APPLICATION") {
            pLabel = ui->label_SoftwareVersion;
            sText = QString("     %1(%2)").arg(QObject::tr("Software"), VersionText::softwareText(row.at(2)));
        } else if (row.at(0) == "IMAGE") {
            pLabel = ui->label_RomVersion;
            sText = QString("     %1(%2)")
                        .arg(QObject::tr("ROM"), VersionText::romText(row.at(2), m_pCtrl->isQuorvane()));
        } else {
            continue;
        }
        pLabel->setText(sText);
        pLabel->show();
        ui->label_DeviceUpdate->show();
    }
}

void NewUpdateAvailableDialog::fillMapRows()
{
    QList<WorkFile::Row> rows;
    WorkFile::readRows(mapList(), &rows);
    for (const WorkFile::Row& row : rows) {
        if (row.size() <= MapRows::NOTES)
            continue;
        const QString sDate = row.at(MapRows::RELEASE_DATE).section(' ', 0, 0);
        // The kind the install goes by: country data is no TA map, also where its name holds "TA" (ITALY).
        QLabel* pLabel = ui->label_TaMapVersion;
        QString sKind;
        switch (MapKind::of(MapRows::notes(row))) {
        case MapKind::NQ:
            sKind = QObject::tr("HERE Map update");
            break;
        case MapKind::TA:
            sKind = QObject::tr("TA Map update");
            break;
        case MapKind::OSM:
            sKind = QObject::tr("OSM Map update");
            pLabel = ui->label_OsmMapVersion;
            break;
        case MapKind::BASE:
        case MapKind::COUNTRY:
        case MapKind::NONE:
            continue; // installed without a row of its own
        }
        pLabel->setText(QString("%1%2(%3)").arg(FULL_STOP, sKind, sDate));
        pLabel->show();
    }
}

void NewUpdateAvailableDialog::fillReleaseNote()
{
    if (!m_pCtrl->isDevicePresent())
        return;
    const QString sUUID = m_pCtrl->currentDevice().devInfo.sUUID;
    AgentSettings settings;
    if (!AgentSettings::textToBool(settings.getDeviceString(sUUID, "update")))
        return;
    const QString sLink =
        ReleaseNoteLink::markup(settings.getDeviceString(sUUID, "releaseurl"), QObject::tr("Release notes"));
    if (sLink.isEmpty())
        return;
    ui->label_releasenote->setTextFormat(Qt::RichText);
    ui->label_releasenote->setText(sLink);
}

// The device list keeps the device's own packages; the map list's test reads the date field, where no
// map kind is ever written, so every map row stays (the notes field would name OSM and TA maps).
void NewUpdateAvailableDialog::filterUpdateScripts()
{
    dropRows(updateList(), [](const WorkFile::Row& row) {
        return row.value(0) != "APPLICATION" && row.value(0) != "IMAGE";
    });
    dropRows(mapList(), [](const WorkFile::Row& row) { return row.size() > 3 && row.at(3).contains("OSM"); });
    dropRows(mapList(), [](const WorkFile::Row& row) { return row.size() > 3 && row.at(3).contains("TA"); });
}

void NewUpdateAvailableDialog::slotInstallUpdate()
{
    if (m_bDone)
        return;
    writeLog(1, "[NewUpdateAvailableDialog][slotInstallUpdate] backup %d",
             int(ui->checkbox_backup->isChecked()));
    m_bDone = true;
    hide();
    filterUpdateScripts();
    PageLoops::Scope scope(this);
    if (ui->checkbox_backup->isChecked()) {
        accept();
        BackupRestoreDailog dialog(BackupRestoreDailog::MODE_BACKUP, true, m_bRecover, nullptr);
        dialog.exec();
    } else {
        DialogOpener::instance()->runInstall(m_bRecover, false);
    }
    accept();
}

void NewUpdateAvailableDialog::slotBackup()
{
    ui->checkbox_backup->setChecked(ui->checkbox_backup->checkState() == Qt::Checked);
}

void NewUpdateAvailableDialog::slotLink(QString sUrl)
{
    ReleaseNoteLink::open(sUrl, "NewUpdateAvailableDialog");
}

void NewUpdateAvailableDialog::slotdevRefresh(bool bArrival)
{
    if (m_bDone)
        return;
    writeLog(1, "[NewUpdateAvailableDialog][slotdevRefresh] arrival %d", int(bArrival));
    m_bDone = true;
    accept();
}
