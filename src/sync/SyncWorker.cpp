#include "SyncWorker.h"

#include "ComRides.h"
#include "PreSyncWorker.h"
#include "ProcSyncListXml.h"
#include "ProcSyncResponseXml.h"
#include "SyncEnvelopes.h"
#include "SyncLeftBehind.h"
#include "SyncScript.h"
#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "core/DiskFullWatch.h"
#include "core/JsonHelper.h"
#include "core/Worker.h"
#include "net/SoapEnvelopes.h"
#include "net/WorkerThread.h"
#include "platform/DeviceFileReader.h"
#include "platform/DevicePath.h"
#include "platform/DevicePlace.h"
#include "platform/Platform.h"
#include "platform/VolumeInfo.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

namespace
{
const quint64 MIN_FREE_MB = 2;

QByteArray utf8(const QString& sText)
{
    return sText.toUtf8();
}

// True when sPath lies inside the folder sRoot (which may end in "/").
bool isBelow(const QString& sPath, const QString& sRoot)
{
    if (sRoot.isEmpty())
        return false;
    const QString sBase = QDir::cleanPath(QFileInfo(sRoot).absoluteFilePath());
    const QString sFile = QDir::cleanPath(QFileInfo(sPath).absoluteFilePath());
    return sFile.startsWith(sBase.endsWith('/') ? sBase : sBase + "/");
}
} // namespace

SyncWorker::SyncWorker(QObject* pParent)
    : QObject(pParent), m_sUrl(SoapEnvelopes::serviceAddress()),
      m_sResponseFile(AgentFolders::tempPath("syncwork.xml")), m_sTempPath(AgentFolders::tempDir())
{
    Worker::registerMetaTypes();
}

SyncWorker::~SyncWorker()
{
    writeLog(1, "[SyncWorker][~SyncWorker]");
    // The preparation thread checks this flag between frames and files; it never outlives the worker.
    delete m_pPreSyncWorker;
    m_pPreSyncWorker = nullptr;
    delete m_pWorkerThread;
    m_pWorkerThread = nullptr;
    // Only a download that did not complete leaves its name here: never keep half a track on the device.
    if (!m_sDownloadFile.isEmpty() && QFile::exists(m_sDownloadFile)) {
        writeLog(1, "[SyncWorker][~SyncWorker] remove %s", utf8(m_sDownloadFile).constData());
        QFile::remove(m_sDownloadFile);
    }
}

// ---- check ----

void SyncWorker::checkSync(const QString& sRequest)
{
    m_nMode = 0;
    m_sRequest = sRequest;
    m_bSerialDev = JsonHelper().parse(sRequest).value("type").toString() == QLatin1String("100");
    doCheckSyn(m_sRequest);
}

void SyncWorker::doCheckSyn(const QString& sRequest)
{
    m_pPreSyncWorker = new PreSyncWorker(sRequest, nullptr);
    connect(m_pPreSyncWorker, &PreSyncWorker::emitPreSync, this, &SyncWorker::preSyncFinish);
    m_pPreSyncWorker->start();
    writeLog(1, "[SyncWorker][doCheckSyn][End]");
}

void SyncWorker::preSyncFinish(bool bSuccess, QString sSync)
{
    const bool bDiskFull = m_pPreSyncWorker && m_pPreSyncWorker->diskFull();
    delete m_pPreSyncWorker; // it has emitted its one result and is ending
    m_pPreSyncWorker = nullptr;
    writeLog(1, "[SyncWorker][preSyncFinish]");
    if (!bSuccess) {
        failSync(bDiskFull);
        return;
    }
    auto* pThread = new WorkerThread(this, 0);
    pThread->setRequest(m_sUrl, sSync, m_sResponseFile, true);
    startJob(JOB_CHECK, pThread);
}

void SyncWorker::finishCheck(bool bSuccess, bool bDiskFull)
{
    DebugLog::exportFile(m_sResponseFile);
    DiskFullWatch watch;
    QString sResult;
    if (!bSuccess || !procSyncList(&sResult)) {
        failSync(bDiskFull || watch.seen());
        return;
    }
    // With nothing to do the box ends at once with success: rides left behind must say otherwise.
    const QString sNothing = JsonHelper::object({{"records", "0"}, {"tracks", "0"}, {"delete", "0"}});
    if (sResult == sNothing && SyncLeftBehind(m_sTempPath).count() > 0) {
        writeLog(1, "[SyncWorker][finishCheck] nothing to sync, but rides were left behind");
        emit emitStatus(SYNC_PARTIALERROR, QString());
        return;
    }
    emit emitStatus(SYNC_CHECKSUCCESS, sResult);
}

bool SyncWorker::procSyncList(QString* pResult)
{
    ProcSyncListXml reader;
    if (!reader.open(m_sResponseFile))
        return false;
    const int nTracks = m_bSerialDev ? 0 : reader.m_nDownloadCount;
    *pResult = JsonHelper::object({{"records", QString::number(reader.m_nUploadCount)},
                                   {"tracks", QString::number(nTracks)},
                                   {"delete", QString::number(reader.m_nDeleteCount)}});
    return true;
}

// ---- queue ----

bool SyncWorker::synclist(const QString& sRequest)
{
    m_nMode = 1;
    m_sRequest = sRequest;
    writeLog(1, "[SyncWorker][doSynclist]Request:%s", utf8(sRequest).constData());
    const QVariantMap request = JsonHelper().parse(sRequest);
    m_sDrive = request.value("drive").toString();
    m_bSerialDev = request.value("type").toString() == QLatin1String("100");
    m_bKeptHistory = request.value("kept").toString() != QLatin1String("false");
    m_sSession = request.value("session").toString();
    m_sUser = request.value("user").toString();
    runQueue();
    return true;
}

void SyncWorker::runQueue()
{
    const QPointer<SyncWorker> self(this);
    // Steps without a job follow one another here; a step that starts a job returns, and its netFinish
    // comes back to this loop.
    for (;;) {
        QList<WorkFile::Row> rows;
        DiskFullWatch watch;
        if (!readList(&rows)) {
            writeLog(1, "[SyncWorker][doSynclist] work list unusable");
            failSync(watch.seen());
            return;
        }
        reportProgress(rows);
        if (!self)
            return; // stopped by the receiver of the progress report
        if (rows.isEmpty()) {
            finishQueue();
            return;
        }
        if (runStep(rows.first()) != STEP_NEXT)
            return;
    }
}

// The list is done. Anything this sync left on the device or the service (the check's part included)
// makes the end partial: the box then says so and offers a new sync instead of "done".
void SyncWorker::finishQueue()
{
    const int nLeft = qMax(SyncLeftBehind(m_sTempPath).count(), m_nLeft);
    if (nLeft > 0) {
        const bool bOnlyRefused = nLeft == m_nRefused;
        writeLog(1, "[SyncWorker][doSynclist] %d left behind, %d of them refused uploads", nLeft, m_nRefused);
        if (m_bCorruption)
            writeLog(1, "[SyncWorker][doSynclist]SYNC_CORRUPTION");
        emit emitStatus(bOnlyRefused ? SYNC_UPLOADERROR : SYNC_PARTIALERROR, QString());
        return;
    }
    if (m_bCorruption) {
        writeLog(1, "[SyncWorker][doSynclist]SYNC_CORRUPTION");
        emit emitStatus(SYNC_CORRUPTION, "true");
    } else {
        emit emitStatus(SYNC_SUCCESS, QString());
    }
}

bool SyncWorker::readList(QList<WorkFile::Row>* pRows)
{
    const QString sPath = SyncScript::path();
    if (!QFile::exists(sPath))
        return WorkFile::writeRows(sPath, {});
    return WorkFile::readRows(sPath, pRows);
}

void SyncWorker::reportProgress(const QList<WorkFile::Row>& rows)
{
    int nRecords = 0;
    int nTracks = 0;
    for (const WorkFile::Row& row : rows) {
        nRecords += SyncScript::isUpload(row) ? 1 : 0;
        nTracks += SyncScript::isDownload(row) ? 1 : 0;
    }
    if (m_bSerialDev)
        nTracks = 0;
    emit emitStatus(SYNC_PROCESS, JsonHelper::object({{"records", QString::number(nRecords)},
                                                      {"tracks", QString::number(nTracks)}}));
}

SyncWorker::Step SyncWorker::runStep(const WorkFile::Row& row)
{
    if (SyncScript::isUpload(row))
        return stepUpload(row);
    if (SyncScript::isDownload(row))
        return stepDownload(row);
    if (SyncScript::isDelete(row))
        return stepDelete(row);
    return leaveLine(SyncScript::kind(row), "a work-list line of an unknown kind");
}

SyncWorker::Step SyncWorker::dropLine(const char* szWhy)
{
    writeLog(1, "[SyncWorker][doSynclist] drop line: %s", szWhy);
    DiskFullWatch watch;
    WorkFile::Row first;
    if (WorkFile::takeFirstRow(SyncScript::path(), &first))
        return STEP_NEXT;
    // A list that cannot be rewritten would run the same line for ever.
    failSync(watch.seen());
    return STEP_END;
}

// A failure of the computer's own disk is told as what it is: the service may well have answered every
// request, and nothing is lost (the line that could not be finished stays in the list).
void SyncWorker::failSync(bool bDiskFull)
{
    if (bDiskFull) {
        writeLog(1, "[SyncWorker][doSynclist] the computer's disk is full");
        emit emitStatus(SYNC_DISKFULL, QString());
        return;
    }
    emit emitStatus(SYNC_NETERROR, QString());
}

// The line's work was not done: it is named in the sync's list of things left behind and the queue goes on
// with the next line.
SyncWorker::Step SyncWorker::leaveLine(const QString& sName, const QString& sReason)
{
    ++m_nLeft;
    DiskFullWatch watch;
    if (!SyncLeftBehind(m_sTempPath).add(sName, sReason) && watch.seen()) {
        // What is not named there would be forgotten: the line stays for the next sync.
        failSync(true);
        return STEP_END;
    }
    return dropLine("left behind");
}

// The drive family's data drive is still mounted where the sync found it. Once it has gone, its mount
// folder is a folder of the computer: nothing is written there, and nothing left on the device is touched.
bool SyncWorker::isDriveThere() const
{
    if (m_bSerialDev)
        return true;
    if (m_sDrive.trimmed().isEmpty())
        return false;
    return Platform::volumes().volumeRoots().contains(DevicePath::normalizeRoot(m_sDrive));
}

SyncWorker::Step SyncWorker::stepUpload(const WorkFile::Row& row)
{
    writeLog(1, "[SyncWorker][doSynclist]upload");
    m_sWhyNot.clear();
    if (doSyncUpload(m_sSession, m_sUser, SyncScript::hash(row)))
        return STEP_WAIT;
    const QString sName = m_sUploadLocation.isEmpty() ? SyncScript::hash(row) : m_sUploadLocation;
    return leaveLine(sName, "not uploaded: " + m_sWhyNot);
}

SyncWorker::Step SyncWorker::stepDownload(const WorkFile::Row& row)
{
    if (m_bSerialDev)
        return dropLine("the serial family takes no route tracks");
    const QString sTitle = SyncScript::title(row);
    const QString sUrl = SyncScript::address(row);
    if (!SyncScript::isWebAddress(sUrl))
        return leaveLine(sTitle, "route not fetched: its address is not http or https");
    if (!isDriveThere())
        return leaveLine(sTitle, "route not fetched: the drive has gone");
    if (getFreeSpaceMB(m_sDrive) < MIN_FREE_MB) {
        emit emitStatus(SYNC_SIZENOTENOUGH, "true");
        writeLog(1, "[SyncWorker][doSynclist] out of memory");
        return STEP_END;
    }
    const QString sFile = trackFileName(m_sDrive, sTitle);
    QString sWhy;
    if (sFile.isEmpty())
        return leaveLine(sTitle, "route not fetched: no place for it in Korvo/Tracks");
    if (!prepareDownload(sFile, &sWhy))
        return leaveLine(sTitle, "route not fetched: " + sWhy);
    m_sTrackTitle = sTitle;
    writeLog(1, "[SyncWorker][doSynclist]download");
    syncdownload(sUrl, partFileName(sFile));
    return STEP_WAIT;
}

// Makes the route's temporary file anew, so that a name the drive cannot hold is found before anything is
// fetched, and the download never writes through something else left under that name.
bool SyncWorker::prepareDownload(const QString& sFile, QString* pWhy)
{
    const QString sPart = partFileName(sFile);
    if (DevicePlace::entryExists(sPart) && !QFile::remove(sPart)) {
        *pWhy = "an old temporary file cannot be removed: " + sPart;
        return false;
    }
    QFile part(sPart);
    if (!part.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        *pWhy = "the file cannot be created: " + part.errorString();
        return false;
    }
    part.close();
    m_sTrackFile = sFile;
    return true;
}

// The route came in whole: it takes its own name now, so a route that broke off never looks finished.
bool SyncWorker::finishDownload(QString* pWhy)
{
    const QString sPart = m_sDownloadFile;
    if (!isDriveThere()) {
        *pWhy = "the drive went away during the download";
        return false;
    }
    // Something may have taken the name since the download began.
    if (DevicePlace::entryExists(m_sTrackFile))
        m_sTrackFile = trackFileName(m_sDrive, m_sTrackTitle);
    if (m_sTrackFile.isEmpty() || !QFile::rename(sPart, m_sTrackFile)) {
        *pWhy = "the whole route could not take its name " + m_sTrackFile;
        return false;
    }
    writeLog(1, "[SyncWorker][netFinish] route written: %s", utf8(m_sTrackFile).constData());
    m_sDownloadFile.clear();
    return true;
}

SyncWorker::Step SyncWorker::stepDelete(const WorkFile::Row& row)
{
    writeLog(1, "[SyncWorker][doSynclist]delete");
    if (!isDriveThere())
        return leaveLine(SyncScript::hash(row), "not deleted: the drive has gone");
    if (!doDeleteSync(SyncScript::hash(row), m_bSerialDev ? m_sDrive : QString()))
        return leaveLine(SyncScript::hash(row), "not deleted: the ride's files could not be removed");
    return dropLine("done");
}

void SyncWorker::startJob(Job eJob, WorkerThread* pThread)
{
    m_eJob = eJob;
    m_pWorkerThread = pThread;
    m_pWorkerThread->start();
}

void SyncWorker::netFinish(bool bSuccess)
{
    const bool bFileFailed = m_pWorkerThread && m_pWorkerThread->downloadFileFailed();
    // The answer or the route could not be written: a full disk, no failure of the Internet.
    const bool bDiskFull = !bSuccess && m_pWorkerThread && m_pWorkerThread->diskFull();
    delete m_pWorkerThread;
    m_pWorkerThread = nullptr;
    const Job eJob = m_eJob;
    m_eJob = JOB_NONE;
    if (eJob == JOB_CHECK) {
        finishCheck(bSuccess, bDiskFull);
        return;
    }
    Step eNext = STEP_END;
    if (eJob == JOB_UPLOAD && bSuccess) {
        eNext = finishUpload();
    } else if (eJob == JOB_DOWNLOAD && bDiskFull && isDriveThere()) {
        // The route goes to the device: its drive is full. The line stays; the part is removed with the
        // worker.
        writeLog(1, "[SyncWorker][netFinish] out of memory");
        emit emitStatus(SYNC_SIZENOTENOUGH, "true");
        return;
    } else if (eJob == JOB_DOWNLOAD && (bSuccess || bFileFailed || !isDriveThere())) {
        // A drive that would not take the route, or was pulled during the download, fails it too: that is
        // no failure of the Internet. A pulled drive may fail the writes while it is still listed.
        QString sWhy =
            bFileFailed ? "the drive did not take its writes" : "the drive went away during the download";
        if (bSuccess && finishDownload(&sWhy)) {
            eNext = dropLine("done");
        } else {
            QFile::remove(m_sDownloadFile);
            m_sDownloadFile.clear();
            eNext = leaveLine(m_sTrackTitle, "route not written: " + sWhy);
        }
    } else {
        writeLog(1, "[SyncWorker][netFinish] fail ");
        failSync(bDiskFull);
        return;
    }
    if (eNext == STEP_NEXT)
        runQueue();
}

// An upload the service did not confirm leaves the ride on the device; the queue goes on with the others.
SyncWorker::Step SyncWorker::finishUpload()
{
    if (confirmUpload())
        return dropLine("done");
    ++m_nRefused;
    return leaveLine(m_sUploadLocation,
                     "the service did not confirm the upload; the ride stays on the device");
}

bool SyncWorker::confirmUpload()
{
    ProcSyncResponseXml answer;
    if (!answer.open(m_sResponseFile)) {
        writeLog(1, "[SyncWorker][netFinish] no upload answer");
        return false;
    }
    if (answer.m_sResult == QLatin1String("SUCCESS:S0006")) {
        writeLog(1, "[SyncWorker][netFinish]SUCCESS:S0006");
        m_bCorruption = true;
    }
    if (!answer.isConfirmed()) {
        writeLog(1, "[SyncWorker][netFinish] not confirmed: %s", utf8(answer.m_sResult).constData());
        return false;
    }
    if (!m_bKeptHistory) {
        writeLog(1, "[SyncWorker][doSynclist]delete from Setting");
        deleteRide(m_sUploadLocation, m_bSerialDev ? m_sDrive : QString());
    }
    return true;
}

void SyncWorker::slotDownloadProcess(qint64, qint64) {}

// ---- the steps' work ----

bool SyncWorker::loadCatalogue()
{
    // The catalogue does not change while the queue runs: read it once.
    if (!m_bCatalogueLoaded)
        m_bCatalogueLoaded = m_catalogue.load(m_sTempPath + "/RCF.txt");
    return m_bCatalogueLoaded;
}

bool SyncWorker::doSyncUpload(const QString& sSession, const QString& sUser, const QString& sHash)
{
    writeLog(1, "[SyncWoker][doSyncUpload][Entry]");
    m_sUploadLocation.clear();
    if (!loadCatalogue()) {
        m_sWhyNot = "the ride catalogue cannot be read";
        return false;
    }
    writeLog(1, "[SyncWorker][doSyncUpload][Entry] 0");
    const RcfLookup::Node* pNode = m_catalogue.find(sHash);
    if (!pNode) {
        m_sWhyNot = "no ride of the catalogue has this hash";
        return false;
    }
    writeLog(1, "[SyncWorker][doSyncUpload][Entry] 1");
    m_sUploadLocation = pNode->sLocation;
    // A link on the drive may point anywhere: only a file that really lies on the drive is uploaded (the
    // serial family's rides are written by the agent into its own folder). A drive that has gone leaves
    // no ride on it.
    if (!m_bSerialDev &&
        !isBelow(QFileInfo(pNode->sLocation).canonicalFilePath(), QFileInfo(m_sDrive).canonicalFilePath())) {
        writeLog(1, "[SyncWorker][doSyncUpload] %s does not lie on the drive",
                 qUtf8Printable(pNode->sLocation));
        m_sWhyNot = "the ride does not lie on the drive (any more)";
        return false;
    }
    QByteArray track;
    const DeviceFileReader::Result result =
        DeviceFileReader::readFile(pNode->sLocation, DeviceFileReader::RIDE_LIMIT, &track);
    if (result != DeviceFileReader::READ_OK) {
        writeLog(1, "[SyncWorker][doSyncUpload] refused %s: %s", qUtf8Printable(pNode->sLocation),
                 DeviceFileReader::resultName(result));
        m_sWhyNot = QString("the ride file cannot be read (%1)").arg(DeviceFileReader::resultName(result));
        return false;
    }
    const QString sTrack = QString::fromUtf8(track);
    writeLog(1, "[SyncWorker][doSyncUpload][Entry] 2");
    auto* pThread = new WorkerThread(this, 60000);
    pThread->setRequest(m_sUrl, SyncEnvelopes::uploadRec(sSession, sUser, sHash, pNode->sText, sTrack),
                        m_sResponseFile, true);
    startJob(JOB_UPLOAD, pThread);
    writeLog(1, "[SyncWorker][doSyncUpload][End]");
    return true;
}

bool SyncWorker::syncdownload(const QString& sUrl, const QString& sFile)
{
    m_sDownloadFile = sFile;
    auto* pThread = new WorkerThread(this, 60000);
    pThread->setDownload(sUrl, sFile, QString());
    startJob(JOB_DOWNLOAD, pThread);
    writeLog(1, "[SyncWorker][syncdownload][End]");
    return true;
}

bool SyncWorker::doDeleteSync(const QString& sHash, const QString& sPort)
{
    writeLog(1, "[SyncWorker][doDeleteSync]remove hash:%s", utf8(sHash).constData());
    const RcfLookup::Node* pNode = loadCatalogue() ? m_catalogue.find(sHash) : nullptr;
    if (!pNode) {
        writeLog(1, "[SyncWorker][doDeleteSync] no ride with this hash");
        return true;
    }
    writeLog(1, "[SyncWorker][doDeleteSync]del file%s", utf8(sHash).constData());
    return deleteRide(pNode->sLocation, sPort);
}

bool SyncWorker::deleteRide(const QString& sLocation, const QString& sPort)
{
    if (sPort.isEmpty())
        return deleteRideFiles(sLocation);
    ComRides rides(sPort, Platform::serialLinks());
    if (!rides.deleteTrack(QFileInfo(sLocation).fileName()))
        writeLog(1, "[SyncWorker][doDeleteSync] the device kept %s", utf8(sLocation).constData());
    return true;
}

bool SyncWorker::deleteRideFiles(const QString& sLocation)
{
    if (sLocation.isEmpty() || !isBelow(sLocation, m_sDrive)) {
        writeLog(1, "[SyncWorker][doDeleteSync] not on the device: %s", utf8(sLocation).constData());
        return true; // nothing of the device's to remove
    }
    // The ride first: a ride that stays keeps its companions with it.
    for (const QString& sPath : rideFiles(sLocation)) {
        if (!QFile::remove(sPath)) {
            writeLog(1, "[SyncWorker][doDeleteSync] could not remove %s", utf8(sPath).constData());
            return false;
        }
    }
    return true;
}

QStringList SyncWorker::rideFiles(const QString& sLocation)
{
    const QFileInfo info(sLocation);
    const QString sFolder = info.absolutePath() + "/";
    const QString sName = info.fileName();
    const QString sStem = sName.left(sName.size() - 3);
    QStringList lstFiles;
    if (DevicePlace::entryExists(sLocation))
        lstFiles.append(sLocation);
    int nShared = -1; // whether another ride shares the stem, looked up only when needed
    for (const QString& sCompanion : {sStem + "bin", sStem + "fit"}) {
        if (DevicePlace::entryExists(sFolder + sCompanion)) {
            lstFiles.append(sFolder + sCompanion);
            continue;
        }
        if (nShared < 0)
            nShared = anotherRideShares(sFolder, sName) ? 1 : 0;
        if (nShared == 1)
            continue; // the companion in another case may be that ride's
        const QString sPath = DevicePath::resolve(sFolder, sCompanion);
        if (sPath != sFolder + sCompanion && DevicePlace::entryExists(sPath))
            lstFiles.append(sPath);
    }
    return lstFiles;
}

bool SyncWorker::anotherRideShares(const QString& sFolder, const QString& sName)
{
    const QString sStem = sName.left(sName.size() - 3);
    QDirIterator it(sFolder, QDir::Files | QDir::System | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        const QString sOther = it.fileName();
        if (sOther != sName && sOther.right(3).toUpper() == QLatin1String("GPX") &&
            sOther.left(sOther.size() - 3).compare(sStem, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

quint64 SyncWorker::getFreeSpaceMB(const QString& sDrive)
{
    quint64 nBytes = 0;
    if (sDrive.isEmpty() || !Platform::volumes().freeSpace(sDrive, &nBytes))
        return 0;
    return nBytes >> 20;
}

QString SyncWorker::trackFileName(const QString& sDrive, const QString& sTitle)
{
    // No drive, no folder: an empty root would otherwise name the system's own "/".
    if (sDrive.trimmed().isEmpty())
        return QString();
    bool bOk = false;
    const QString sFolder = DevicePath::resolveDir(DevicePath::normalizeRoot(sDrive), "Korvo/Tracks", &bOk);
    if (!bOk)
        return QString();
    QString sName = sTitle;
    for (QChar& c : sName) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = '_';
    }
    const QString sBase = sFolder + "/";
    QString sFile = fitName(sName, ".gpx");
    // A new name: a dangling link counts as taken, since a download would create the file it names.
    for (int n = 1; DevicePlace::entryExists(DevicePath::resolve(sBase, sFile)); ++n)
        sFile = fitName(sName, QString("_(%1).gpx").arg(n));
    return sBase + sFile;
}

QString SyncWorker::partFileName(const QString& sTrackFile)
{
    const QFileInfo info(sTrackFile);
    return info.path() + "/." + fitName(info.fileName(), ".part", NAME_MAX_BYTES - 1);
}

QString SyncWorker::fitName(const QString& sStem, const QString& sEnd, int nMaxBytes)
{
    const int nRoom = nMaxBytes - sEnd.toUtf8().size();
    if (sStem.toUtf8().size() <= nRoom)
        return sStem + sEnd;
    // Cut between whole characters: a surrogate pair stays together.
    QString sCut;
    int nBytes = 0;
    for (int i = 0; i < sStem.size();) {
        const int nLength = sStem.at(i).isHighSurrogate() && i + 1 < sStem.size() ? 2 : 1;
        const QString sChar = sStem.mid(i, nLength);
        nBytes += sChar.toUtf8().size();
        if (nBytes > nRoom)
            break;
        sCut += sChar;
        i += nLength;
    }
    return sCut + sEnd;
}
