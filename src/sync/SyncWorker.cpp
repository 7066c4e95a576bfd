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
    delete m_pPreSyncWorker; // it has emitted its one result and is ending
    m_pPreSyncWorker = nullptr;
    writeLog(1, "[SyncWorker][preSyncFinish]");
    if (!bSuccess) {
        emit emitStatus(SYNC_NETERROR, QString());
        return;
    }
    auto* pThread = new WorkerThread(this, 0);
    pThread->setRequest(m_sUrl, sSync, m_sResponseFile, true);
    startJob(JOB_CHECK, pThread);
}

void SyncWorker::finishCheck(bool bSuccess)
{
    DebugLog::exportFile(m_sResponseFile);
    QString sResult;
    if (!bSuccess || !procSyncList(&sResult)) {
        emit emitStatus(SYNC_NETERROR, QString());
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
        if (!readList(&rows)) {
            writeLog(1, "[SyncWorker][doSynclist] work list unusable");
            emit emitStatus(SYNC_NETERROR, QString());
            return;
        }
        reportProgress(rows);
        if (!self)
            return; // stopped by the receiver of the progress report
        if (rows.isEmpty()) {
            if (m_bCorruption) {
                writeLog(1, "[SyncWorker][doSynclist]SYNC_CORRUPTION");
                emit emitStatus(SYNC_CORRUPTION, "true");
            } else {
                emit emitStatus(SYNC_SUCCESS, QString());
            }
            return;
        }
        if (runStep(rows.first()) != STEP_NEXT)
            return;
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
    return dropLine("unknown line");
}

SyncWorker::Step SyncWorker::dropLine(const char* szWhy)
{
    writeLog(1, "[SyncWorker][doSynclist] drop line: %s", szWhy);
    WorkFile::Row first;
    if (WorkFile::takeFirstRow(SyncScript::path(), &first))
        return STEP_NEXT;
    // A list that cannot be rewritten would run the same line for ever.
    emit emitStatus(SYNC_NETERROR, QString());
    return STEP_END;
}

SyncWorker::Step SyncWorker::stepUpload(const WorkFile::Row& row)
{
    writeLog(1, "[SyncWorker][doSynclist]upload");
    if (doSyncUpload(m_sSession, m_sUser, SyncScript::hash(row)))
        return STEP_WAIT;
    return dropLine("upload without catalogue node or track file");
}

SyncWorker::Step SyncWorker::stepDownload(const WorkFile::Row& row)
{
    if (m_bSerialDev)
        return dropLine("the serial family takes no route tracks");
    const QString sUrl = SyncScript::address(row);
    if (!SyncScript::isWebAddress(sUrl))
        return dropLine("download address is not http or https");
    if (getFreeSpaceMB(m_sDrive) < MIN_FREE_MB) {
        emit emitStatus(SYNC_SIZENOTENOUGH, "true");
        writeLog(1, "[SyncWorker][doSynclist] out of memory");
        return STEP_END;
    }
    const QString sFile = trackFileName(m_sDrive, SyncScript::title(row));
    if (sFile.isEmpty()) {
        emit emitStatus(SYNC_NETERROR, QString());
        return STEP_END;
    }
    writeLog(1, "[SyncWorker][doSynclist]download");
    syncdownload(sUrl, sFile);
    return STEP_WAIT;
}

SyncWorker::Step SyncWorker::stepDelete(const WorkFile::Row& row)
{
    writeLog(1, "[SyncWorker][doSynclist]delete");
    doDeleteSync(SyncScript::hash(row), m_bSerialDev ? m_sDrive : QString());
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
    delete m_pWorkerThread;
    m_pWorkerThread = nullptr;
    const Job eJob = m_eJob;
    m_eJob = JOB_NONE;
    if (eJob == JOB_CHECK) {
        finishCheck(bSuccess);
        return;
    }
    if (!bSuccess) {
        writeLog(1, "[SyncWorker][netFinish] fail ");
        emit emitStatus(SYNC_NETERROR, QString());
        return;
    }
    if (eJob == JOB_UPLOAD && !confirmUpload()) {
        emit emitStatus(SYNC_NETERROR, QString());
        return;
    }
    if (eJob == JOB_DOWNLOAD)
        m_sDownloadFile.clear(); // complete: the track stays
    if (dropLine("done") == STEP_NEXT)
        runQueue();
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
    if (!loadCatalogue())
        return false;
    writeLog(1, "[SyncWorker][doSyncUpload][Entry] 0");
    const RcfLookup::Node* pNode = m_catalogue.find(sHash);
    if (!pNode)
        return false;
    writeLog(1, "[SyncWorker][doSyncUpload][Entry] 1");
    // A link on the drive may point anywhere: only a file that really lies on the drive is uploaded (the
    // serial family's rides are written by the agent into its own folder).
    if (!m_bSerialDev &&
        !isBelow(QFileInfo(pNode->sLocation).canonicalFilePath(), QFileInfo(m_sDrive).canonicalFilePath())) {
        writeLog(1, "[SyncWorker][doSyncUpload] %s does not lie on the drive",
                 qUtf8Printable(pNode->sLocation));
        return false;
    }
    QByteArray track;
    const DeviceFileReader::Result result =
        DeviceFileReader::readFile(pNode->sLocation, DeviceFileReader::RIDE_LIMIT, &track);
    if (result != DeviceFileReader::READ_OK) {
        writeLog(1, "[SyncWorker][doSyncUpload] refused %s: %s", qUtf8Printable(pNode->sLocation),
                 DeviceFileReader::resultName(result));
        return false;
    }
    const QString sTrack = QString::fromUtf8(track);
    writeLog(1, "[SyncWorker][doSyncUpload][Entry] 2");
    m_sUploadLocation = pNode->sLocation;
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
    deleteRide(pNode->sLocation, sPort);
    return true;
}

void SyncWorker::deleteRide(const QString& sLocation, const QString& sPort)
{
    if (sPort.isEmpty()) {
        deleteRideFiles(sLocation);
        return;
    }
    ComRides rides(sPort, Platform::serialLinks());
    if (!rides.deleteTrack(QFileInfo(sLocation).fileName()))
        writeLog(1, "[SyncWorker][doDeleteSync] the device kept %s", utf8(sLocation).constData());
}

void SyncWorker::deleteRideFiles(const QString& sLocation)
{
    if (sLocation.isEmpty() || !isBelow(sLocation, m_sDrive)) {
        writeLog(1, "[SyncWorker][doDeleteSync] not on the device: %s", utf8(sLocation).constData());
        return;
    }
    // The ride and its two companions, found without regard to case as the device's FAT would.
    const QFileInfo info(sLocation);
    const QString sFolder = info.absolutePath() + "/";
    const QString sStem = info.fileName().left(info.fileName().size() - 3);
    for (const QString& sName : {info.fileName(), sStem + "bin", sStem + "fit"}) {
        const QString sPath = DevicePath::resolve(sFolder, sName);
        if (QFile::exists(sPath))
            QFile::remove(sPath);
    }
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
    QString sFile = sName + ".gpx";
    // A new name: a dangling link counts as taken, since a download would create the file it names.
    for (int n = 1; DevicePlace::entryExists(DevicePath::resolve(sBase, sFile)); ++n)
        sFile = QString("%1_(%2).gpx").arg(sName).arg(n);
    return sBase + sFile;
}
