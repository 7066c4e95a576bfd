// The install step of MapFreeUpdateWorker: the listed archives are downloaded, checked and unpacked onto
// the device one by one, kept apart from its service requests and answers.
#include "MapFreeUpdateWorker.h"

#include "DeviceUpdateWorker.h"
#include "MapKind.h"
#include "MapRows.h"
#include "PackageCheck.h"
#include "PackageName.h"
#include "ProcMapXml.h"
#include "RoomCheck.h"
#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "core/JsonHelper.h"
#include "net/WorkerThread.h"
#include "platform/DevicePath.h"
#include "platform/DevicePlace.h"
#include "platform/Platform.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace
{
QString progress(const QString& sFile, const char* szUnzip)
{
    return JsonHelper::fill(R"({"file":"%1","unzip":"%2"})", {sFile, QString::fromLatin1(szUnzip)});
}
} // namespace

void MapFreeUpdateWorker::slotDownloadProcess(qint64 nRead, qint64 nTotal)
{
    writeLog(1, "[MapFreeUpdateWorker][slotDownloadProcess] read:%lld ,total:%lld", nRead, nTotal);
    emit emitStatus(MAP_DOWNLOADPROCESS,
                    JsonHelper::fill(R"({"file":"%1","read":"%2","total":"%3"})",
                                     {m_sFileName, QString::number(nRead), QString::number(nTotal)}));
}

void MapFreeUpdateWorker::slotUnzipProcess(int nValue)
{
    Q_UNUSED(nValue);
}

QString MapFreeUpdateWorker::itemName(const QString& sUrl)
{
    return PackageName::fromUrl(sUrl);
}

bool MapFreeUpdateWorker::isChecksumWaived(const QString& sChecksum)
{
    return sChecksum.compare(QString(32, 'F'), Qt::CaseInsensitive) == 0;
}

bool MapFreeUpdateWorker::checksumMatches(const QByteArray& digest, const QString& sChecksum)
{
    if (isChecksumWaived(sChecksum))
        return true;
    return !digest.isEmpty() && QString::fromLatin1(digest).compare(sChecksum, Qt::CaseInsensitive) == 0;
}

void MapFreeUpdateWorker::installMapFreeUpdate(const QString& sRequest)
{
    writeLog(1, "[RirUdorAdoderOduvez][installMapFreeUpdate]");
    m_sRequest = sRequest;
    parseRequest(sRequest);
    // The device the agent sees decides, never the request's drive text.
    m_sDrive = m_host.driveRoot ? m_host.driveRoot() : QString();
    if (m_sDrive.isEmpty()) {
        writeLog(1, "[RirUdorAdoderOduvez][installMapFreeUpdate] no device drive");
        finish(MAP_REQUESTERROR, "true");
        return;
    }
    m_sDrive = DevicePath::normalizeRoot(m_sDrive);
    // Both lists are read once; each installed row then leaves its list on disk by itself.
    if (!m_maps.load(ProcMapXml::mapListPath()) ||
        !m_devices.load(AgentFolders::tempPath(QStringLiteral("DevDownload.script")))) {
        finish(MAP_REQUESTERROR, "true");
        return;
    }
    if (!checkVersions())
        return;
    countPendingArchives();
    removeStaleParts();
    m_nTries = 0;
    m_nDownload = 0;
    doDownloadUpdate();
}

// A row without a version would be recorded on the device as a version file with an empty version, so
// the install refuses it before anything is fetched or unpacked.
bool MapFreeUpdateWorker::checkVersions()
{
    for (int i = 0; i < m_devices.size(); ++i) {
        if (m_devices.at(i).value(2).trimmed().isEmpty()) {
            m_bDeviceRow = true;
            m_sFileName = itemName(m_devices.at(i).value(4));
            writeLog(1, "[RirUdorAdoderOduvez][installMapFreeUpdate] package without version");
            failItem("E03", "archive refused");
            return false;
        }
    }
    for (int i = 0; i < m_maps.size(); ++i) {
        if (m_maps.at(i).value(MapRows::VERSION).trimmed().isEmpty()) {
            writeLog(1, "[RirUdorAdoderOduvez][installMapFreeUpdate] map without version: %s",
                     qUtf8Printable(MapRows::url(m_maps.at(i))));
            finish(MAP_REQUESTERROR, "true");
            return false;
        }
    }
    return true;
}

QString MapFreeUpdateWorker::deviceItemName(const WorkFile::Row& row)
{
    return itemName(row.value(4));
}

void MapFreeUpdateWorker::countPendingArchives()
{
    m_pendingArchives.clear();
    for (int i = 0; i < m_devices.size(); ++i)
        ++m_pendingArchives[deviceItemName(m_devices.at(i))];
    for (int i = 0; i < m_maps.size(); ++i)
        ++m_pendingArchives[itemName(MapRows::url(m_maps.at(i)))];
}

// Archives of earlier selections: a part or archive in the work folder that no work list names and that
// is older than the current list is left over and goes. One that a listed row names stays, to be resumed
// or verified.
void MapFreeUpdateWorker::removeStaleParts()
{
    QDateTime listed;
    for (const QString& sList : {m_maps.path(), m_devices.path()}) {
        const QFileInfo info(sList);
        if (info.exists() && (!listed.isValid() || info.lastModified() > listed))
            listed = info.lastModified();
    }
    if (!listed.isValid())
        return;
    QSet<QString> named;
    for (const char* szList : {"map.script", "mapdownload.script", "DevDownload.script", "Update.script",
                               "queryaddmapwork.script", "korvoupdate.script"}) {
        QList<WorkFile::Row> rows;
        WorkFile::readRows(AgentFolders::tempPath(QString::fromLatin1(szList)), &rows);
        for (const WorkFile::Row& row : rows)
            named << deviceItemName(row) << itemName(MapRows::url(row));
    }
    const QDir dir(AgentFolders::tempDir());
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& file : files) {
        if (!file.fileName().contains(".zip", Qt::CaseInsensitive) || named.contains(file.fileName()) ||
            file.lastModified() >= listed)
            continue;
        writeLog(1, "[RirUdorAdoderOduvez][removeStaleParts] %s", qUtf8Printable(file.fileName()));
        if (!QFile::remove(file.filePath()))
            writeLog(1, "[RirUdorAdoderOduvez][removeStaleParts] %s stays", qUtf8Printable(file.fileName()));
    }
}

// Each listed archive in turn: a part left from an earlier try is resumed, a complete one is only
// verified, a longer one is fetched anew (the downloader's rule for the row's size). The rows stay in
// the list until they are installed.
void MapFreeUpdateWorker::doDownloadUpdate()
{
    m_eState = DOWNLOADMAP;
    if (m_nDownload >= m_maps.size()) {
        startRoomCheck();
        return;
    }
    m_currentRow = m_maps.at(m_nDownload);
    const QString sUrl = MapRows::url(m_currentRow);
    m_sFileName = itemName(sUrl);
    if (!MapRows::isInstallable(m_currentRow) || m_sFileName.isEmpty()) {
        writeLog(1, "[RirUdorAdoderOduvez][doDownloadUpdate] unusable row for %s", qUtf8Printable(sUrl));
        finish(MAP_REQUESTERROR, "true");
        return;
    }
    m_sDownloadFile = AgentFolders::tempPath(m_sFileName);
    m_sDownloadChecksum = MapRows::checksum(m_currentRow);
    writeLog(1, "[RirUdorAdoderOduvez][doDownloadUpdate] Src:%s,Dst:%s", qUtf8Printable(sUrl),
             qUtf8Printable(m_sDownloadFile));
    dropThread();
    m_pThread = new WorkerThread(this, 60000);
    m_pThread->setDownload(DeviceUpdateWorker::downloadAddress(sUrl), m_sDownloadFile,
                           m_currentRow.value(MapRows::SIZE));
    m_pThread->start();
}

void MapFreeUpdateWorker::downloadDone()
{
    // The digest covers the whole file, a resumed part included, and was worked out while the bytes
    // arrived: the archive is not read again here.
    const bool bMatch = checksumMatches(m_downloadDigest, m_sDownloadChecksum);
    writeLog(1, "[ZeqAgentCtrlMgr][ChkFileCheckSume]file %s filechecksume %s serverchecksume %s ",
             qUtf8Printable(m_sDownloadFile), m_downloadDigest.constData(),
             qUtf8Printable(m_sDownloadChecksum));
    if (!bMatch) {
        // Whatever spoilt it (a stale part, a bad transfer), the next try starts from nothing.
        QFile::remove(m_sDownloadFile);
        if (++m_nTries >= CHECKSUM_TRIES) {
            noteError("E04", "checksum mismatch");
            finish(MAP_REQUESTERROR, "true");
            return;
        }
        doDownloadUpdate();
        return;
    }
    m_nTries = 0;
    ++m_nDownload;
    doDownloadUpdate();
}

// Room: the space every archive takes on the device, against the free space plus the existing files the
// archives overwrite, and the files and folders they make against the volume's free slots. The listings
// run on a helper thread; an archive that cannot be listed whole fails here.
void MapFreeUpdateWorker::startRoomCheck()
{
    QList<RoomCheck::Archive> archives;
    for (int i = 0; i < m_devices.size(); ++i)
        archives.append({deviceItemName(m_devices.at(i)), QString(), m_devices.at(i).value(0) != "AGENT"});
    for (int i = 0; i < m_maps.size(); ++i)
        archives.append({itemName(MapRows::url(m_maps.at(i))), "KORVO/Map/", true});
    m_nDeviceArchives = m_devices.size();
    const QString sProgram = Platform::archiveProgram(AgentFolders::programDir());
    if (!archives.isEmpty() && (sProgram.isEmpty() || !QFileInfo(sProgram).isFile())) {
        m_bDeviceRow = !m_devices.isEmpty();
        failItem("E01", "7z.exe/7za not exist");
        return;
    }
    for (int i = 0; i < archives.size(); ++i) {
        if (archives.at(i).sFile.isEmpty()) {
            m_sFileName.clear();
            m_bDeviceRow = i < m_nDeviceArchives;
            failItem("E03", "archive refused");
            return;
        }
        archives[i].sFile = AgentFolders::tempPath(archives.at(i).sFile);
    }
    delete m_pRoomCheck;
    m_pRoomCheck = new RoomCheck(this);
    connect(m_pRoomCheck, &RoomCheck::finished, this, &MapFreeUpdateWorker::slotRoomChecked);
    m_pRoomCheck->start(m_sDrive, archives);
}

void MapFreeUpdateWorker::slotRoomChecked()
{
    const int nFailed = m_pRoomCheck->failedIndex();
    const quint64 nNeed = m_pRoomCheck->need();
    const quint64 nCredit = m_pRoomCheck->credit();
    const QString sFailed = m_pRoomCheck->failedArchive();
    const bool bSlots = m_pRoomCheck->enoughFileSlots();
    m_pRoomCheck->deleteLater();
    m_pRoomCheck = nullptr;
    if (nFailed >= 0) {
        m_bDeviceRow = nFailed < m_nDeviceArchives;
        m_sFileName = QFileInfo(sFailed).fileName();
        failItem("E03", "archive refused");
        return;
    }
    const quint64 nFree = (m_host.freeSpace ? m_host.freeSpace() : 0) + nCredit;
    writeLog(1, "[RirUdorAdoderOduvez][prepareMapInstall] need %llu free %llu (overwritten %llu)",
             static_cast<unsigned long long>(nNeed), static_cast<unsigned long long>(nFree),
             static_cast<unsigned long long>(nCredit));
    if (nNeed + SPACE_MARGIN < nFree && bSlots) {
        doInstallUpdate();
        return;
    }
    finish(MAP_SIZENOTENOUGH, QString::number(nNeed));
}

void MapFreeUpdateWorker::doInstallUpdate()
{
    writeLog(1, "[RirUdorAdoderOduvez][doInstallUpdate][entry]");
    if (!m_devices.isEmpty()) {
        m_bDeviceRow = true;
        m_currentRow = m_devices.first();
        m_sFileName = deviceItemName(m_currentRow);
        const QString sKind = m_currentRow.value(0);
        if (sKind != "APPLICATION" && sKind != "IMAGE" && sKind != "AGENT") {
            writeLog(1, "[RirUdorAdoderOduvez][doInstallUpdate] unknown package %s", qUtf8Printable(sKind));
            finish(DEVICE_UNZIPERROR);
            return;
        }
        emit emitStatus(DEVICE_INSTALLPROCESS, progress(m_sFileName, "0"));
        if (sKind != "AGENT" && deviceTopFolder().isEmpty()) {
            failItem("E05", "device folder missing");
            return;
        }
        startUnzip(sKind == "AGENT" ? AgentFolders::tempDir() : m_sDrive);
        return;
    }
    emit emitStatus(DEVICE_ITEMINSTALLED, QString());
    if (m_maps.isEmpty()) {
        finish(MAP_INSTALLSUCCESS);
        return;
    }
    m_bDeviceRow = false;
    m_currentRow = m_maps.first();
    m_sFileName = itemName(MapRows::url(m_currentRow));
    emit emitStatus(MAP_INSTALLPROCESS, progress(m_sFileName, "0"));
    bool bOk = false;
    const QString sTop = deviceTopFolder();
    // Looked at before the map folder is made, so a device that would refuse it gets nothing.
    QString sWhy;
    if (!sTop.isEmpty() && !versionSlotIsSafe(&sWhy)) {
        writeLog(1, "[RirUdorAdoderOduvez][doInstallUpdate] %s", qUtf8Printable(sWhy));
        failItem("E05", "device folder not safe");
        return;
    }
    const QString sMapDir = sTop.isEmpty() ? QString() : DevicePath::resolveDir(m_sDrive, "Korvo/Map", &bOk);
    if (!bOk) {
        failItem("E05", "device folder missing");
        return;
    }
    startUnzip(sMapDir);
}

// The archive is checked whole and for members outside the target before anything of it is unpacked.
void MapFreeUpdateWorker::startUnzip(const QString& sDestination)
{
    m_eState = UNZIPMAP;
    m_sUnzipTarget = sDestination;
    const QString sProgram = Platform::archiveProgram(AgentFolders::programDir());
    if (sProgram.isEmpty() || !QFileInfo(sProgram).isFile()) {
        failItem("E01", "7z.exe/7za not exist");
        return;
    }
    delete m_pCheck;
    m_pCheck = new PackageCheck(this);
    connect(m_pCheck, &PackageCheck::finished, this, &MapFreeUpdateWorker::slotPackageChecked);
    // A map whose MD5 matched needs no test pass of its own; a waived checksum and device packages do.
    const bool bTest = m_bDeviceRow || isChecksumWaived(MapRows::checksum(m_currentRow));
    m_pCheck->start(AgentFolders::tempPath(m_sFileName),
                    bTest ? PackageCheck::TEST_AND_LIST : PackageCheck::LIST_ONLY);
}

void MapFreeUpdateWorker::slotPackageChecked(int eResult, int nExitCode)
{
    m_lstMembers = m_pCheck->members();
    m_pCheck->deleteLater();
    m_pCheck = nullptr;
    switch (eResult) {
    case PackageCheck::PASSED:
        break;
    case PackageCheck::NO_PROGRAM:
        failItem("E01", "7z.exe/7za not exist");
        return;
    case PackageCheck::FAILED:
        QFile::remove(AgentFolders::tempPath(m_sFileName));
        failItem(QString("E02-%1").arg(nExitCode), "unzip issue");
        return;
    default:
        QFile::remove(AgentFolders::tempPath(m_sFileName));
        failItem("E03", "archive refused");
        return;
    }
    if (!unzipTargetIsSafe())
        return;
    dropThread();
    m_pThread = new WorkerThread(this, 0);
    m_pThread->setUnzip(AgentFolders::tempPath(m_sFileName), m_sUnzipTarget);
    m_pThread->start();
}

void MapFreeUpdateWorker::slotProcFinish(int nExitCode, QProcess::ExitStatus eExitStatus)
{
    writeLog(1, "[MapFreeUpdateWorker][slotProcFinish][Entry] nExitCode :%d", nExitCode);
    dropThread();
    if (eExitStatus != QProcess::NormalExit || nExitCode != 0) {
        failItem(QString("E02-%1").arg(nExitCode), "unzip issue");
        return;
    }
    if (!unzipTargetIsSafe())
        return;
    emit emitStatus(isDeviceItem() ? DEVICE_INSTALLPROCESS : MAP_INSTALLPROCESS,
                    progress(m_sFileName, "100"));
    doWriteVerAndReDownload();
}

void MapFreeUpdateWorker::doWriteVerAndReDownload()
{
    writeLog(1, "[MapFreeUpdateWorker ][doWriteVerAndReDownload][entry]");
    const WorkFile::Row& row = m_currentRow;
    const QString sFile = versionFile();
    QString sText;
    if (m_bDeviceRow) {
        sText = row.value(2) + ";" + QString(row.value(1)).remove('-') + ";" + row.value(3);
    } else {
        sText = row.value(MapRows::VERSION) + ";" + row.value(MapRows::RELEASE_DATE) + ";" +
                row.value(MapRows::SIZE) + ";";
    }
    if (!sFile.isEmpty() && !writeVersionFile(sFile, sText)) {
        failItem("E05", "version file not written");
        return;
    }
    if (!(m_bDeviceRow ? m_devices : m_maps).takeFirst()) {
        failItem("E05", "work list not written");
        return;
    }
    dropInstalledArchive();
    doInstallUpdate();
}

// An installed archive has done its work, unless a row still to install names the same file.
void MapFreeUpdateWorker::dropInstalledArchive()
{
    int& nPending = m_pendingArchives[m_sFileName];
    if (--nPending > 0)
        return;
    if (QFile::exists(AgentFolders::tempPath(m_sFileName)) &&
        !QFile::remove(AgentFolders::tempPath(m_sFileName)))
        writeLog(1, "[RirUdorAdoderOduvez][dropInstalledArchive] %s stays", qUtf8Printable(m_sFileName));
}

// The version file the current item records itself in, below the drive root; "" for none.
QString MapFreeUpdateWorker::versionFile() const
{
    if (m_bDeviceRow)
        return m_currentRow.value(0) == "APPLICATION" ? QStringLiteral("Korvo/version.app") : QString();
    const QString sName = MapKind::versionFile(MapKind::of(MapRows::notes(m_currentRow)));
    return sName.isEmpty() ? QString() : "Korvo/" + sName;
}

bool MapFreeUpdateWorker::versionSlotIsSafe(QString* pWhy) const
{
    const QString sVersion = versionFile();
    return sVersion.isEmpty() ||
           DevicePlace::isFileSlot(m_sDrive, DevicePath::resolve(m_sDrive, sVersion), pWhy);
}

// Only a regular file or a new name is written: the save replaces a link by a file, but writes to the
// file a link names, which could be one of the computer's.
bool MapFreeUpdateWorker::writeVersionFile(const QString& sRelative, const QString& sText)
{
    if (deviceTopFolder().isEmpty())
        return false;
    const QString sPath = DevicePath::resolve(m_sDrive, sRelative);
    QString sWhy;
    if (!DevicePlace::isFileSlot(m_sDrive, sPath, &sWhy)) {
        writeLog(1, "[RirUdorAdoderOduvez][writeVersionFile] %s", qUtf8Printable(sWhy));
        return false;
    }
    return WorkFile::writeBytes(sPath, sText.toUtf8());
}

// Before the unpack, nothing on the way of a member may lead off the device (the archive program follows
// a folder link); after it, no member may have become a link or landed elsewhere. The agent's own work
// folder, where the agent package unpacks, is no device.
bool MapFreeUpdateWorker::unzipTargetIsSafe()
{
    if (m_sUnzipTarget == AgentFolders::tempDir())
        return true;
    // The version file is looked at before the unpack too, so a device that would refuse it gets nothing.
    QString sWhy;
    if (DevicePlace::membersAreSafe(m_sDrive, m_sUnzipTarget, m_lstMembers, &sWhy) &&
        versionSlotIsSafe(&sWhy))
        return true;
    writeLog(1, "[RirUdorAdoderOduvez][unzipTargetIsSafe] %s", qUtf8Printable(sWhy));
    failItem("E05", "device folder not safe");
    return false;
}

// The device's top folder ("Korvo", any spelling) on the install's drive, or "" when the drive is no
// longer the device's: removed, or left as the bare mount folder after an unmount. It is never created,
// so nothing lands on the computer's own disk in place of the device.
QString MapFreeUpdateWorker::deviceTopFolder() const
{
    const QString sNow = m_host.driveRoot ? m_host.driveRoot() : QString();
    if (sNow.isEmpty() || DevicePath::normalizeRoot(sNow) != m_sDrive) {
        writeLog(1, "[RirUdorAdoderOduvez][deviceTopFolder] the device's drive is gone");
        return QString();
    }
    const QString sTop = DevicePath::resolve(m_sDrive, "Korvo");
    QString sWhy;
    if (!DevicePlace::isFolder(m_sDrive, sTop, &sWhy)) {
        writeLog(1, "[RirUdorAdoderOduvez][deviceTopFolder] no device folder on %s: %s",
                 qUtf8Printable(m_sDrive), qUtf8Printable(sWhy));
        return QString();
    }
    return sTop + "/";
}

bool MapFreeUpdateWorker::isDeviceItem() const
{
    return m_sFileName.contains("Rom") || m_sFileName.contains("App");
}

void MapFreeUpdateWorker::failItem(const QString& sCode, const QString& sText)
{
    writeLog(1, "[RirUdorAdoderOduvez][failItem] %s: %s %s", qUtf8Printable(m_sFileName),
             qUtf8Printable(sCode), qUtf8Printable(sText));
    noteError(sCode, sText);
    finish(isDeviceItem() || m_bDeviceRow ? DEVICE_UNZIPERROR : MAP_UNZIPERROR);
}
