#include "InstallUpdateDialog.h"

#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "core/JsonHelper.h"
#include "core/Notifier.h"
#include "core/WorkFile.h"
#include "ui/pages/DialogCloseGuard.h"
#include "ui/pages/VersionText.h"
#include "ui_InstallUpdateDialog.h"
#include "update/MapKind.h"
#include "update/MapRows.h"
#include "update/PackageName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRegExp>
#include <QTimer>

#include <limits>

namespace
{
constexpr qint64 ONE_MB = 1048576;
// Map archives that unpack to this or less are over before a poll could show anything.
constexpr quint64 SMALL_MAP_ARCHIVE = 2097152;
// The room the map install keeps free beyond what the archives unpack to.
constexpr quint64 SPACE_MARGIN = 2097152;

const char* const DEVICE_KINDS[] = {"Rom", "App", "setup", "wendoAgent"};
const char* const MAP_KINDS[] = {"OSM", "TeleAtlas", "Countries", "BaseMap", "NQ"};

bool isUnpackStatus(int nStatus)
{
    return nStatus == DEVICE_INSTALLPROCESS || nStatus == MAP_INSTALLPROCESS;
}

qint64 cappedSize(quint64 nBytes)
{
    return qint64(qMin<quint64>(nBytes, quint64(std::numeric_limits<qint64>::max())));
}

// The file name a work-list address gives, as the workers name their downloads (with and without the
// address's query, which the two workers treat differently).
void addArchiveNames(const QString& sUrl, QStringList* pNames)
{
    const QString sName = sUrl.mid(sUrl.lastIndexOf('/') + 1);
    if (sName.isEmpty())
        return;
    pNames->append(sName);
    const int nQuery = sName.indexOf(QRegExp("[?#]"));
    if (nQuery > 0)
        pNames->append(sName.left(nQuery));
}
} // namespace

InstallUpdateDialog::InstallUpdateDialog(bool bRecover, bool bAgentOnly, QWidget* parent)
    : QDialog(parent), ui(new Ui_InstallUpdateDialog), controller(ZeqAgentCtrlMgr::getInstance()),
      m_bRecover(bRecover), m_bAgentOnly(bAgentOnly), m_pPollTimer(new QTimer(this)),
      m_pCloseGuard(new DialogCloseGuard(this))
{
    writeLog(1, "[InstallUpdateDialog][InstallUpdateDialog][Entry] recover %d, agent only %d", int(bRecover),
             int(bAgentOnly));
    ui->setupUi(this);
    setAccessibleName("InstallUpdateDialog");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setAttribute(Qt::WA_QuitOnClose, false);
    // While the packages download nothing has touched the device yet: Escape and the window's close
    // cancel the install. Once something is written onto the device the guard takes those away.
    connect(this, &QDialog::rejected, this, &InstallUpdateDialog::cancelDownloads);
    ui->progressBar->setRange(0, 100);
    ui->progressBar->setValue(0);
    m_pPollTimer->setSingleShot(true);
    connect(m_pPollTimer, &QTimer::timeout, this, &InstallUpdateDialog::updateInstallUI);
    connect(controller, &ZeqAgentCtrlMgr::actionFinish, this, &InstallUpdateDialog::slotActionFinish);
    connect(controller, &ZeqAgentCtrlMgr::devRefresh, this, &InstallUpdateDialog::slotdevRefresh);
    setWindowTitle(m_bRecover ? QObject::tr("Recover") : QObject::tr("Updates"));
    // Versions, dates and sizes come from the services: never read as markup.
    for (QLabel* pLabel : {ui->label_title, ui->label_status_2, ui->label_RomVersion, ui->label_SoftVersion,
                           ui->label_OSMUpdateVersion, ui->label_TAUpdateVersion, ui->label_DeviceUpdate})
        pLabel->setTextFormat(Qt::PlainText);
    ui->label_DeviceUpdate->hide();
    ui->label_RomVersion->hide();
    ui->label_SoftVersion->hide();
    ui->label_TAUpdateVersion->hide();
    ui->label_OSMUpdateVersion->hide();
    initUpdateList();
    // Requested once exec() runs: an install with nothing to do ends at once, and its result must close
    // a dialog that is already shown.
    QTimer::singleShot(0, this, &InstallUpdateDialog::doInstallDeviceUpdate);
    writeLog(1, "[InstallUpdateDialog][InstallUpdateDialog][End]");
}

InstallUpdateDialog::~InstallUpdateDialog()
{
    m_bMsgShowing = false;
    delete ui;
}

// ---- the list of pending items ----

void InstallUpdateDialog::initUpdateList()
{
    ui->label_DeviceUpdate->setText(QObject::tr("Device update"));
    readDeviceRows();
    readMapRows();
}

void InstallUpdateDialog::readDeviceRows()
{
    QList<WorkFile::Row> rows;
    if (!WorkFile::readRows(AgentFolders::tempPath("Update.script"), &rows))
        return;
    for (const WorkFile::Row& row : rows) {
        if (row.size() < 3)
            continue;
        const QString sFile = PackageName::fromUrl(row.value(4));
        if (!sFile.isEmpty() && !m_packageKinds.contains(sFile))
            m_packageKinds.insert(sFile, row.at(0));
        const QString sVersion = row.at(2);
        if (row.at(0) == "APPLICATION") {
            ui->label_SoftVersion->setText(
                QString("%1(%2)").arg(QObject::tr("Software"), VersionText::softwareText(sVersion)));
            ui->label_SoftVersion->show();
            ui->label_DeviceUpdate->show();
        } else if (row.at(0) == "IMAGE") {
            ui->label_RomVersion->setText(QString("%1(%2)").arg(
                QObject::tr("ROM"), VersionText::romText(sVersion, controller->isQuorvane())));
            ui->label_RomVersion->show();
            ui->label_DeviceUpdate->show();
        }
    }
}

void InstallUpdateDialog::readMapRows()
{
    QList<WorkFile::Row> rows;
    if (!WorkFile::readRows(AgentFolders::tempPath("map.script"), &rows))
        return;
    for (const WorkFile::Row& row : rows) {
        if (row.size() <= MapRows::NOTES)
            continue;
        const QString sDate = row.at(MapRows::RELEASE_DATE).section(' ', 0, 0);
        // The kind the install goes by: country data and base maps have no row of their own, also where
        // a country's name holds "TA" (ITALY).
        const MapKind::Kind eKind = MapKind::of(MapRows::notes(row));
        if (eKind == MapKind::NQ || eKind == MapKind::TA) {
            const QString sName =
                eKind == MapKind::NQ ? QObject::tr("HERE Map update") : QObject::tr("TA Map update");
            m_sTAMapText = QString("%1(%2)").arg(sName, sDate);
            ui->label_TAUpdateVersion->setText(m_sTAMapText);
            ui->label_TAUpdateVersion->show();
        } else if (eKind == MapKind::OSM) {
            m_sOSMMapText = QString("%1(%2)").arg(QObject::tr("OSM Map update"), sDate);
            ui->label_OSMUpdateVersion->setText(m_sOSMMapText);
            ui->label_OSMUpdateVersion->show();
        }
    }
}

// ---- the two parts of the install ----

void InstallUpdateDialog::doInstallDeviceUpdate()
{
    writeLog(1, "[InstallUpdateDialog][doInstallDeviceUpdate][Entry]");
    const QString sRequest = JsonHelper::object({{"drive", controller->systemDriveRoot()}});
    controller->installDeviceUpdate(sRequest, m_bRecover);
    writeLog(1, "[InstallUpdateDialog][doInstallDeviceUpdate][End]");
}

void InstallUpdateDialog::doInstallMapUpdate()
{
    writeLog(1, "[InstallUpdateDialog][doInstallMapUpdate][Entry]");
    const Worker::DEVINFOEX& device = controller->currentDevice();
    const QString sRequest = JsonHelper::object({{"drive", device.lstDrive.value(0)},
                                                 {"model", device.devInfo.sHWName},
                                                 {"sku", device.devInfo.sSkuID},
                                                 {"uuid", device.devInfo.sUUID}});
    controller->installMapUpdate(sRequest);
    writeLog(1, "[InstallUpdateDialog][doInstallMapUpdate][End]");
}

// ---- results ----

void InstallUpdateDialog::slotActionFinish(ACTION_STATUS status, QString sResult)
{
    writeLog(1, "[InstallUpdateDialog][slotWorkFinish][Entry] status %d", int(status));
    m_curStatus = status;
    if (m_bFinished)
        return;
    switch (status) {
    case INSTALLUPDATE_SUCCESS:
        onDeviceDone(sResult);
        break;
    case DEVICE_REQUESTERROR:
    case MAP_REQUESTERROR:
        showResultMsg(MSG_CONNECTION);
        break;
    case DEVICE_ITEMINSTALLED:
        ui->label_DeviceUpdate->setTextFormat(Qt::RichText);
        ui->label_DeviceUpdate->setText(withTick(QObject::tr("Device update")));
        break;
    case DEVICE_UNZIPERROR:
    case MAP_UNZIPERROR:
        showResultMsg(MSG_DEVICE);
        break;
    case DEVICE_DOWNLOADPROCESS:
    case MAP_DOWNLOADPROCESS:
        showDownloadProgress(status, sResult);
        break;
    case DEVICE_INSTALLPROCESS:
    case MAP_INSTALLPROCESS:
        showUnpackProgress(status, sResult);
        break;
    case MAP_INSTALLSUCCESS:
        showResultMsg(MSG_SUCCESS);
        break;
    case MAP_SIZENOTENOUGH:
        m_nUnzipTotalSize = quint64(qMax<qint64>(0, byteCount(sResult)));
        showResultMsg(MSG_SPACE);
        break;
    default:
        break;
    }
}

// The device part is done. The agent's installer, once the desktop took it, takes over; otherwise the
// map part follows, which needs the drive of a connected drive-family device.
void InstallUpdateDialog::onDeviceDone(const QString& sResult)
{
    if (sResult == "agent") {
        writeLog(1, "[InstallUpdateDialog][slotWorkFinish] the desktop took the agent's installer");
        m_bFinished = true;
        m_pPollTimer->stop();
        accept();
        return;
    }
    if (m_bAgentOnly) {
        showResultMsg(MSG_SUCCESS);
        return;
    }
    if (controller->systemDriveRoot().isEmpty()) {
        writeLog(1, "[InstallUpdateDialog][slotWorkFinish] no device drive for the map part");
        showResultMsg(MSG_DEVICE);
        return;
    }
    doInstallMapUpdate();
}

qint64 InstallUpdateDialog::byteCount(const QString& sText)
{
    bool bNumber = false;
    const qint64 nValue = sText.trimmed().toLongLong(&bNumber);
    return bNumber ? nValue : 0;
}

quint64 InstallUpdateDialog::neededMegabytes(quint64 nBytes)
{
    const quint64 nWithMargin = nBytes > std::numeric_limits<quint64>::max() - SPACE_MARGIN
                                    ? std::numeric_limits<quint64>::max()
                                    : nBytes + SPACE_MARGIN;
    return nWithMargin / ONE_MB + (nWithMargin % ONE_MB ? 1 : 0);
}

QString InstallUpdateDialog::kindWord(ACTION_STATUS status, const QString& sFile)
{
    if (status == DEVICE_INSTALLPROCESS) {
        for (const char* szKind : DEVICE_KINDS) {
            if (sFile.contains(QLatin1String(szKind)))
                return QLatin1String(szKind);
        }
    } else if (status == MAP_INSTALLPROCESS || status == MAP_DOWNLOADPROCESS) {
        for (const char* szKind : MAP_KINDS) {
            if (sFile.contains(QLatin1String(szKind)))
                return QLatin1String(szKind);
        }
    }
    return QString();
}

QString InstallUpdateDialog::itemText(ACTION_STATUS status, const QString& sFile) const
{
    if (status == DEVICE_DOWNLOADPROCESS || status == DEVICE_INSTALLPROCESS) {
        // The agent's own name is never translated.
        const auto kind = m_packageKinds.constFind(sFile);
        const bool bAgent = kind != m_packageKinds.constEnd() ? *kind == "AGENT" : sFile.contains("setup");
        return bAgent ? QString("WendoAgent") : QObject::tr("Device update");
    }
    const QString sKind = kindWord(status, sFile);
    if (sKind == "OSM")
        return QObject::tr("OSM Map update");
    if (sKind == "TeleAtlas")
        return QObject::tr("TA Map update");
    if (sKind == "Countries")
        return QObject::tr("Countries Map update");
    if (sKind == "BaseMap")
        return QObject::tr("Base Map update");
    if (sKind == "NQ")
        return QObject::tr("HERE Map update");
    return status == MAP_DOWNLOADPROCESS ? QObject::tr("Device update") : QObject::tr("Map update");
}

void InstallUpdateDialog::showDownloadProgress(ACTION_STATUS status, const QString& sResult)
{
    const QVariantMap values = JsonHelper().parse(sResult);
    const QString sFile = values.value("file").toString();
    const QString sRead = values.value("read").toString();
    const QString sTotal = values.value("total").toString();
    writeLog(1, "[InstallUpdateDialog][DEVICE_DOWNLOADPROCESS] read:%s", qUtf8Printable(sRead));
    const QString sItem = itemText(status, sFile);
    if (status == MAP_DOWNLOADPROCESS) {
        const QString sKind = kindWord(status, sFile);
        if (!sKind.isEmpty())
            m_sItemType = sKind;
    }
    const qint64 nTotal = byteCount(sTotal);
    if (nTotal <= ONE_MB)
        return; // small downloads change nothing on the screen
    const qint64 nReadMB = qBound<qint64>(0, byteCount(sRead), nTotal) / ONE_MB;
    const qint64 nTotalMB = nTotal / ONE_MB;
    ui->label_title->setText(QString("%1(%2)...").arg(QObject::tr("Downloading"), sItem));
    ui->label_status_2->setText(QString("%1MB/%2MB").arg(nReadMB).arg(nTotalMB));
    ui->progressBar->setRange(0, 100);
    ui->progressBar->setValue(int(nReadMB * 100 / nTotalMB));
}

void InstallUpdateDialog::showUnpackProgress(ACTION_STATUS status, const QString& sResult)
{
    const QVariantMap values = JsonHelper().parse(sResult);
    const QString sFile = values.value("file").toString();
    const QString sUnzip = values.value("unzip").toString();
    writeLog(1,
             status == DEVICE_INSTALLPROCESS ? "[InstallUpdateDialog][DEVICE_INSTALLPROCESS] unzip:%s"
                                             : "[InstallUpdateDialog][MAP_INSTALLPROCESS] unzip:%s",
             qUtf8Printable(sUnzip));
    const QString sKind = kindWord(status, sFile);
    if (!sKind.isEmpty())
        m_sItemType = sKind;
    if (sUnzip == "0") {
        startUnpack(status, sFile);
    } else {
        // The package is on the device: the end status sets the bar, the poll has nothing more to do.
        m_pPollTimer->stop();
        m_bUnpacked = true;
        ui->progressBar->setValue(status == DEVICE_INSTALLPROCESS ? 100 : 99);
        delRedundantFile(sFile);
    }
    ui->label_title->setText(QString("%1(%2)... ").arg(QObject::tr("Installing"), itemText(status, sFile)));
    ui->label_status_2->clear();
}

void InstallUpdateDialog::startUnpack(ACTION_STATUS status, const QString& sFile)
{
    // An install cut off half way leaves the device worse off than either end: from now on only its end
    // closes the dialog.
    m_pCloseGuard->setJobRunning(true);
    // The maps unpack one after the other: the OSM row is done when the TA or HERE package starts.
    if (status == MAP_INSTALLPROCESS && (sFile.contains("TeleAtlas") || sFile.contains("NQ")) &&
        !m_sOSMMapText.isEmpty()) {
        ui->label_OSMUpdateVersion->setTextFormat(Qt::RichText);
        ui->label_OSMUpdateVersion->setText(withTick(m_sOSMMapText));
    }
    m_nUnzipTotalSize =
        quint64(qMax<qint64>(0, controller->getUnzipTotalSize(AgentFolders::tempPath(sFile))));
    quint64 nFree = 0;
    if (!controller->queryDiskFreeSpace(&nFree))
        writeLog(1, "[InstallUpdateDialog][startUnpack] no free space known at the start");
    m_nDiskOriginalSize = cappedSize(nFree);
    if (status == DEVICE_INSTALLPROCESS)
        writeLog(1, "[InstallUpdateDialog][DEVICE_INSTALLPROCESS] m_nDiskOriginalSize:%lld",
                 m_nDiskOriginalSize);
    if (status == DEVICE_INSTALLPROCESS || m_nUnzipTotalSize > SMALL_MAP_ARCHIVE)
        m_pPollTimer->start(AgentTiming::ms(AgentTiming::FREE_SPACE_POLL));
    else
        m_pPollTimer->stop();
}

void InstallUpdateDialog::updateInstallUI()
{
    if (!isUnpackStatus(m_curStatus) || m_bFinished)
        return; // the poll ends
    ui->progressBar->setRange(0, 100);
    quint64 nFree = 0;
    if (!controller->queryDiskFreeSpace(&nFree)) {
        // A failed query tells nothing about the progress: this tick is skipped.
        writeLog(1, "[InstallUpdateDialog][updateInstallUI] free space unknown");
        m_pPollTimer->start(AgentTiming::ms(AgentTiming::FREE_SPACE_POLL));
        return;
    }
    m_nDiskCurrentSize = cappedSize(nFree);
    m_nFileInstallSize = m_nDiskOriginalSize - m_nDiskCurrentSize;
    writeLog(1, "[InstallUpdateDialog][updateInstallUI] m_nDiskCurrentSize %lld ", m_nDiskCurrentSize);
    writeLog(1, "m_nFileInstallSize %lld ", m_nFileInstallSize);
    // More room than at the start (something else freed space): nothing written so far.
    const quint64 nInstalled = m_nFileInstallSize > 0 ? quint64(m_nFileInstallSize) : 0;
    const quint64 nTotal = m_nUnzipTotalSize ? m_nUnzipTotalSize : 1;
    const quint64 nPercent =
        nInstalled >= nTotal ? 100 : quint64(static_cast<long double>(nInstalled) * 100 / nTotal);
    if (nPercent >= 99)
        return; // the poll ends; the end of the unpack sets the bar
    ui->label_status_2->setText(QString("%1MB/%2MB").arg(nInstalled / ONE_MB).arg(m_nUnzipTotalSize >> 20));
    ui->progressBar->setValue(int(nPercent));
    m_pPollTimer->start(AgentTiming::ms(AgentTiming::FREE_SPACE_POLL));
}

// ---- superseded archives ----

QStringList InstallUpdateDialog::pendingArchives()
{
    QStringList lstNames;
    QList<WorkFile::Row> rows;
    if (WorkFile::readRows(AgentFolders::tempPath("DevDownload.script"), &rows)) {
        for (const WorkFile::Row& row : rows)
            addArchiveNames(row.value(4), &lstNames);
    }
    for (const char* szList : {"map.script", "mapdownload.script"}) {
        rows.clear();
        if (!WorkFile::readRows(AgentFolders::tempPath(szList), &rows))
            continue;
        for (const WorkFile::Row& row : rows)
            addArchiveNames(MapRows::url(row), &lstNames);
    }
    return lstNames;
}

// Archives of the kind just installed are superseded, unless a work list still names them: those wait
// to be unpacked. A file without a kind word supersedes nothing.
void InstallUpdateDialog::delRedundantFile(const QString& sFile)
{
    writeLog(1, "[InstallUpdateDialog][delRedundantFile] %s", qUtf8Printable(sFile));
    const QString sKind = kindWord(ACTION_STATUS(m_curStatus), sFile);
    if (sKind.isEmpty())
        return;
    const QStringList lstPending = pendingArchives();
    const QStringList lstNames =
        QDir(AgentFolders::tempDir())
            .entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& sName : lstNames) {
        if (!sName.contains("zip") || !sName.contains(sKind) || sName == sFile || lstPending.contains(sName))
            continue;
        if (!QFile::remove(AgentFolders::tempPath(sName)))
            writeLog(1, "[InstallUpdateDialog][delRedundantFile] %s stays", qUtf8Printable(sName));
    }
}

// ---- the one result ----

void InstallUpdateDialog::showResultMsg(int kind)
{
    if (m_bMsgShowing || m_bFinished)
        return;
    m_bFinished = true;
    m_pPollTimer->stop();
    // The result box is on its way: closing the dialog now would lose it.
    m_pCloseGuard->setJobRunning(true);
    // The texts are taken now, with the error code the failure left; the box opens from the event loop,
    // so the other windows hear this status first and no box runs inside a worker's own emission (a
    // worker stopped meanwhile would return into freed memory).
    QString sTitle;
    QString sText;
    resultText(kind, &sTitle, &sText);
    QMetaObject::invokeMethod(
        this, [this, sTitle, sText] { runResultBox(sTitle, sText); }, Qt::QueuedConnection);
}

// Hiding a modal dialog ends its exec() loop: the box runs nested in it, so the dialog's own result is
// set by accept() before that loop returns.
void InstallUpdateDialog::runResultBox(const QString& sTitle, const QString& sText)
{
    hide();
    m_bMsgShowing = true;
    QPointer<InstallUpdateDialog> self(this);
    if (!sText.isEmpty())
        Notifier::instance()->showMessage(sTitle, sText, Notifier::OK, Notifier::PLAIN_TEXT);
    if (!self)
        return;
    m_bMsgShowing = false;
    accept();
}

void InstallUpdateDialog::resultText(int kind, QString* pTitle, QString* pText)
{
    const QString sCode =
        (kind == MSG_CONNECTION || kind == MSG_DEVICE) ? controller->takeErrorCode() : QString();
    auto withCode = [&sCode](const QString& sText) {
        return sCode.isEmpty() ? sText : QString("%1(%2)").arg(sText, sCode);
    };
    switch (kind) {
    case MSG_CONNECTION:
        *pTitle = QObject::tr("Internet connection");
        *pText =
            withCode(QObject::tr("Update failed. Please check your Internet connection. Please try again."));
        break;
    case MSG_SUCCESS:
        *pTitle = m_bRecover ? QObject::tr("Recover") : QObject::tr("Updates");
        if (!m_bUnpacked) // nothing was put on the device: no restart to wait for
            *pText = QObject::tr("The device's software is up-to-date.");
        else if (m_bRecover)
            *pText =
                QString("%1\n%2").arg(QObject::tr("Recover successfully."),
                                      QObject::tr("Your device should have been restarted. If not, please "
                                                  "disconnect the device now in order to complete the "
                                                  "update process."));
        else
            *pText = QObject::tr("Update successfully. Device should have been restarted. If not, please "
                                 "disconnect the device now in order to complete the update process.");
        break;
    case MSG_DEVICE:
        *pTitle = QObject::tr("Updates");
        *pText = withCode(QObject::tr("Update failed. Please ensure that your %1 is still connected to your "
                                      "computer. If this problem persists, contact Zeq support.")
                              .arg(controller->currentDevice().devInfo.sHWName));
        break;
    case MSG_SPACE:
        *pTitle = QObject::tr("Updates");
        *pText =
            QObject::tr("Insufficient memory space in %1  drive. %2  MB is required to complete the updates.")
                .arg(driveName())
                .arg(neededMegabytes(m_nUnzipTotalSize));
        break;
    default:
        break;
    }
}

// The system drive as the user knows it: its volume label, else the last folder of where it is mounted.
QString InstallUpdateDialog::driveName() const
{
    const QString sLabel = controller->systemDriveLabel();
    if (!sLabel.isEmpty())
        return sLabel;
    QString sRoot = controller->currentDevice().lstDrive.value(0);
    while (sRoot.size() > 1 && sRoot.endsWith('/'))
        sRoot.chop(1);
    const QString sName = QFileInfo(sRoot).fileName();
    return sName.isEmpty() ? sRoot : sName;
}

QString InstallUpdateDialog::withTick(const QString& sText)
{
    return QString("<img src=\":res/i_v.png\">%1").arg(sText.toHtmlEscaped());
}

// ---- cancel ----

// The person closed the dialog while the packages were still downloading. Both parts stop; what was
// downloaded so far stays in the work folder for a later install to resume, the device is untouched, and
// no result box follows: the person knows what they did.
void InstallUpdateDialog::cancelDownloads()
{
    if (m_bFinished)
        return;
    writeLog(1, "[InstallUpdateDialog][cancelDownloads] the install was cancelled while downloading");
    m_bFinished = true;
    m_pPollTimer->stop();
    controller->doStopDeviceWorker();
    controller->terminateCheckUpdate();
}

// ---- the device ----

void InstallUpdateDialog::slotdevRefresh(bool bArrival)
{
    // The agent's installer does not need the device; a result box already open stays the only one.
    if (bArrival || m_bAgentOnly || m_bMsgShowing || m_bFinished)
        return;
    writeLog(1, "[InstallUpdateDialog][slotdevRefresh] the device left during the install");
    m_bMsgShowing = true;
    // Both parts stop: neither downloads nor unpacks on for a device that is gone.
    controller->terminateCheckUpdate();
    controller->doStopDeviceWorker();
    m_bMsgShowing = false;
    showResultMsg(MSG_DEVICE);
}
