#include "BackupRestoreWorker.h"

#include "BackupFiles.h"
#include "BackupLinks.h"
#include "RestoreSwap.h"
#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "platform/ArchiveTool.h"
#include "platform/ChildProcess.h"
#include "platform/DevicePath.h"
#include "platform/DevicePlace.h"
#include "platform/Platform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace
{
const int g_nPollMs = 100;           // how often a running 7z is checked for a stop request
const int g_nWaitLogMs = 30000;      // a long run logs that it is still waiting this often
const int g_nKillWaitMs = 10000;     // a killed 7z is reaped within this time
const int g_nOutputTailBytes = 4096; // the end of 7z's output, logged when a run fails

bool isUnder(const QString& sPath, const QString& sRoot)
{
    const QString sCleanPath = QDir::cleanPath(sPath);
    const QString sCleanRoot = QDir::cleanPath(sRoot);
    return sCleanPath == sCleanRoot || sCleanPath.startsWith(sCleanRoot == "/" ? "/" : sCleanRoot + "/");
}

bool isSameDir(const QString& sPath, const QString& sRoot)
{
    return QDir::cleanPath(sPath) == QDir::cleanPath(sRoot);
}

// The folder a 7z source pattern such as "/media/x/Korvo/Settings/*" reads.
QString patternFolder(const QString& sPattern)
{
    return sPattern.endsWith("/*") ? sPattern.left(sPattern.size() - 2) : QFileInfo(sPattern).path();
}

const char* utf8(const QString& sText, QByteArray* pBuffer)
{
    *pBuffer = sText.toUtf8();
    return pBuffer->constData();
}

// A device that never made one of the folders a backup reads (a new device has no "Korvo/Settings" yet)
// holds nothing there, and its backup holds nothing there either: that part is read from an empty
// folder, so it becomes an empty archive instead of a failed backup, and restoring it puts back the
// empty folder. A link or anything else that exists under the name is left to the normal road.
QString presentSource(const QString& sSource, const QTemporaryDir& empty)
{
    const QString sFolder = patternFolder(sSource);
    const QFileInfo info(sFolder);
    if (info.exists() || info.isSymLink() || !empty.isValid())
        return sSource;
    QByteArray buffer;
    writeLog(1, "[BackupRestoreWorker][backupParts] the device has no %s; that part of the backup is empty",
             utf8(sFolder, &buffer));
    return empty.path() + "/*";
}
} // namespace

BackupRestoreWorker::BackupRestoreWorker(QObject* parent) : QThread(parent) {}

BackupRestoreWorker::~BackupRestoreWorker()
{
    writeLog(1, "[BackupRestoreWorker][~BackupRestoreWorker][Entry]");
    requestStop();
    quit();
    wait();
    writeLog(1, "[BackupRestoreWorker][~BackupRestoreWorker][End]");
}

void BackupRestoreWorker::setParam(const QString& sParam)
{
    m_sParam = sParam;
}

void BackupRestoreWorker::setMode(int nMode)
{
    m_nMode = nMode;
}

void BackupRestoreWorker::setDriveRoots(const QStringList& lstDrive)
{
    m_lstDrive = lstDrive;
}

void BackupRestoreWorker::setPartPause(int nMs)
{
    m_nPartPauseMs = nMs;
}

void BackupRestoreWorker::requestStop()
{
    QMutexLocker lock(&m_stopMutex);
    m_bStop.store(true);
    m_stopCondition.wakeAll();
}

void BackupRestoreWorker::slotDisplay() {}

void BackupRestoreWorker::slotProcessFinish(int nExitCode, QProcess::ExitStatus exitStatus)
{
    writeLog(1, "[BackupRestoreWorker][slotProcessFinish] nExitCode:%d exitStatus:%d", nExitCode,
             static_cast<int>(exitStatus));
    m_bRunFinished = true;
    m_nRunExitCode = nExitCode;
    m_runExitStatus = exitStatus;
    if (nExitCode != 0 || exitStatus != QProcess::NormalExit)
        m_bFailed = true;
}

void BackupRestoreWorker::run()
{
    if (m_nMode == MODE_BACKUP)
        doBackup(m_sParam);
    else if (m_nMode == MODE_RESTORE)
        doRestore(m_sParam);
    else
        exec(); // no job: wait until the worker is deleted
}

void BackupRestoreWorker::emitFinal(bool bOk)
{
    const bool bSuccess = bOk && !m_bFailed;
    if (m_nMode == MODE_BACKUP)
        emit emitStatus(bSuccess ? BACKUP_SUCCESS : BACKUP_FAIL, QString());
    else
        emit emitStatus(bSuccess ? RESTORE_SUCCESS : RESTORE_FAIL, QString());
}

void BackupRestoreWorker::doBackup(const QString& sParam)
{
    writeLog(1, "[BackupRestoreWorker][doBackup][Entry]");
    const bool bOk = backupParts(sParam);
    writeLog(1, "[BackupRestoreWorker][doBackup][End] %s", bOk ? "ok" : "failed");
    emitFinal(bOk);
}

void BackupRestoreWorker::doRestore(const QString& sParam)
{
    writeLog(1, "[BackupRestoreWorker][doRestore][Entry]");
    const bool bOk = restoreParts(sParam);
    writeLog(1, "[BackupRestoreWorker][doRestore] end %s", bOk ? "ok" : "failed");
    emitFinal(bOk);
}

bool BackupRestoreWorker::readJob(const QString& sParam, BackupRestoreParam::Values* pValues)
{
    if (!BackupRestoreParam::parse(sParam, pValues)) {
        writeLog(1, "[BackupRestoreWorker][readJob] unusable parameter text");
        return false;
    }
    if (m_lstDrive.size() < 2) {
        writeLog(1, "[BackupRestoreWorker][readJob] no drive roots");
        return false;
    }
    if (!drivesPresent()) {
        QByteArray buffer;
        writeLog(1, "[BackupRestoreWorker][readJob] drive root missing: %s",
                 utf8(m_lstDrive.join(' '), &buffer));
        return false;
    }
    return checkLocations(*pValues);
}

bool BackupRestoreWorker::drivesPresent() const
{
    for (const QString& sRoot : m_lstDrive) {
        if (sRoot.isEmpty() || !QFileInfo(sRoot).isDir())
            return false;
    }
    return true;
}

bool BackupRestoreWorker::checkLocations(const BackupRestoreParam::Values& values)
{
    const QString& sSysRoot = m_lstDrive.at(0);
    const QString& sDataRoot = m_lstDrive.at(1);
    // 7z expands "*" and "?" in archive names and folders: "x" of "*-sys.7z" would restore every device's
    // archive. The one pattern a job holds is the last part of a backup source.
    bool bOk = values.sSysSrc.endsWith(".7z") && values.sDataSrc.endsWith(".7z") &&
               !BackupRestoreParam::hasPattern(values.sSysSrc) &&
               !BackupRestoreParam::hasPattern(values.sDataSrc);
    if (m_nMode == MODE_BACKUP) {
        const QString sSysFolder = patternFolder(values.sSysDst);
        const QString sDataFolder = patternFolder(values.sDataDst);
        bOk = bOk && !BackupRestoreParam::hasPattern(sSysFolder) &&
              !BackupRestoreParam::hasPattern(sDataFolder) &&
              (isUnder(sSysFolder, sSysRoot) || isUnder(sSysFolder, BackupFiles::stagingDir())) &&
              isUnder(sDataFolder, sDataRoot);
    } else {
        bOk = bOk && values.sSysDst.startsWith("-o") && values.sDataDst.startsWith("-o") &&
              !BackupRestoreParam::hasPattern(values.sSysDst) &&
              !BackupRestoreParam::hasPattern(values.sDataDst) && isUnder(values.sSysDst.mid(2), sSysRoot) &&
              isUnder(values.sDataDst.mid(2), sDataRoot);
    }
    if (!bOk)
        writeLog(1, "[BackupRestoreWorker][checkLocations] archives or folders do not match the device");
    return bOk;
}

bool BackupRestoreWorker::removeStaleArchives()
{
    // 7z "a" adds to an archive that already exists; what an earlier job left must not end up in this one.
    // A link under the name is removed itself: 7z would otherwise write the archive where it points.
    for (const QString& sArchive : {m_sSysTmpArchive, m_sDataTmpArchive}) {
        const QFileInfo info(sArchive);
        if ((info.exists() || info.isSymLink()) && !QFile::remove(sArchive)) {
            QByteArray buffer;
            writeLog(1, "[BackupRestoreWorker][doBackup] cannot remove %s", utf8(sArchive, &buffer));
            return false;
        }
    }
    return true;
}

bool BackupRestoreWorker::backupParts(const QString& sParam)
{
    BackupRestoreParam::Values values;
    if (!readJob(sParam, &values))
        return false;
    QDir().mkpath(BackupFiles::backupDir());
    m_sSysTmpArchive = BackupFiles::tmpArchive(values.sSysSrc);
    m_sDataTmpArchive = BackupFiles::tmpArchive(values.sDataSrc);
    const QTemporaryDir empty(QDir::tempPath() + "/wendoagent-empty-XXXXXX");
    m_sEmptySource = empty.isValid() ? empty.path() : QString();
    bool bOk =
        removeStaleArchives() && doBackupSysProcess(m_sSysTmpArchive, presentSource(values.sSysDst, empty));
    if (bOk) {
        emit emitStatus(BACKUP_PROCESS, QStringLiteral("50"));
        bOk = pauseBetweenParts() &&
              doBackupDataProcess(m_sDataTmpArchive, presentSource(values.sDataDst, empty));
    }
    m_sEmptySource.clear();
    return bOk;
}

bool BackupRestoreWorker::restoreParts(const QString& sParam)
{
    BackupRestoreParam::Values values;
    if (!readJob(sParam, &values))
        return false;
    const QString& sSysRoot = m_lstDrive.at(0);
    const QString sSysDst = values.sSysDst.mid(2);
    const QString sDataDst = values.sDataDst.mid(2);
    // Nothing is touched until the program runs and both archives read back whole.
    if (!doTestProcess(&m_pSysProcess, values.sSysSrc) || !doTestProcess(&m_pDataProcess, values.sDataSrc))
        return false;
    const bool bOverlaySys = BackupRestoreParam::hasKeepList(sSysRoot) || isSameDir(sSysDst, sSysRoot);
    RestoreSwap sys(sSysDst, bOverlaySys ? RestoreSwap::OVERLAY : RestoreSwap::REPLACE);
    RestoreSwap data(sDataDst,
                     isSameDir(sDataDst, m_lstDrive.at(1)) ? RestoreSwap::OVERLAY : RestoreSwap::REPLACE);
    writeLog(1, "[BackupRestoreWorker][doRestore] sys");
    bool bOk = doRestoreProcess(&m_pSysProcess, values.sSysSrc, &sys, sSysRoot);
    if (bOk) {
        writeLog(1, "[BackupRestoreWorker][doRestore] data");
        emit emitStatus(RESTORE_PROCESS, QStringLiteral("50"));
        bOk = pauseBetweenParts() &&
              doRestoreProcess(&m_pDataProcess, values.sDataSrc, &data, m_lstDrive.at(1));
    }
    bOk = bOk && !isStopRequested() && commitRestore(&sys, &data);
    if (!bOk) {
        sys.discard();
        data.discard();
    }
    return bOk;
}

bool BackupRestoreWorker::commitRestore(RestoreSwap* pSys, RestoreSwap* pData)
{
    if (!pSys->commit())
        return false;
    if (!pData->commit()) {
        pSys->rollback();
        return false;
    }
    pSys->finish();
    pData->finish();
    return true;
}

bool BackupRestoreWorker::doBackupSysProcess(const QString& sArchive, const QString& sSource)
{
    QByteArray archive, source;
    writeLog(1, "[BackupRestoreWorker][doBackupSysProcess] a -r %s %s", utf8(sArchive, &archive),
             utf8(sSource, &source));
    const QString sFolder = patternFolder(sSource);
    const QString sRoot =
        isUnder(sFolder, BackupFiles::stagingDir()) ? BackupFiles::stagingDir() : sourceRoot(sFolder, 0);
    return runBackup(&m_pSysProcess, sArchive, sSource, sRoot, "[BackupRestoreWorker][doBackupSysProcess]");
}

bool BackupRestoreWorker::doBackupDataProcess(const QString& sArchive, const QString& sSource)
{
    QByteArray archive, source;
    writeLog(1, "[BackupRestoreWorker][doBackupDataProcess] a -r %s %s", utf8(sArchive, &archive),
             utf8(sSource, &source));
    return runBackup(&m_pDataProcess, sArchive, sSource, sourceRoot(patternFolder(sSource), 1),
                     "[BackupRestoreWorker][doBackupDataProcess]");
}

// The folder a part is read from must lie below its drive's root, except the agent's own empty folder that
// stands in for a part the device does not have.
QString BackupRestoreWorker::sourceRoot(const QString& sFolder, int nDrive) const
{
    if (!m_sEmptySource.isEmpty() && isUnder(sFolder, m_sEmptySource))
        return m_sEmptySource;
    return m_lstDrive.at(nDrive);
}

// The device's links are left out: what they name may be any file of the computer. A source folder reached
// through a link is not archived at all.
bool BackupRestoreWorker::runBackup(QProcess** ppProcess, const QString& sArchive, const QString& sSource,
                                    const QString& sRoot, const char* szPrefix)
{
    const QString sFolder = patternFolder(sSource);
    QString sWhy;
    if (!DevicePlace::isSafe(sRoot, sFolder, &sWhy)) {
        QByteArray why;
        writeLog(1, "%s refused: %s", szPrefix, utf8(sWhy, &why));
        m_bFailed = true;
        return false;
    }
    const QStringList lstLinks = BackupLinks::below(sFolder);
    for (const QString& sLink : lstLinks) {
        QByteArray link;
        writeLog(1, "%s left out, a link: %s", szPrefix, utf8(sLink, &link));
    }
    const QString sList = lstLinks.isEmpty() ? QString() : sArchive + ".links";
    if (!sList.isEmpty() && !BackupLinks::writeExclusions(sList, lstLinks)) {
        writeLog(1, "%s cannot write the list of links", szPrefix);
        m_bFailed = true;
        return false;
    }
    const bool bOk = runArchiveProgram(ppProcess, ArchiveTool::addArgs(sArchive, sSource, sList), szPrefix);
    if (!sList.isEmpty())
        QFile::remove(sList);
    return bOk;
}

bool BackupRestoreWorker::doTestProcess(QProcess** ppProcess, const QString& sArchive)
{
    QByteArray archive;
    writeLog(1, "[BackupRestoreWorker][doTestProcess] t %s", utf8(sArchive, &archive));
    if (!QFileInfo(sArchive).isFile()) {
        writeLog(1, "[BackupRestoreWorker][doTestProcess] no archive %s", archive.constData());
        return false;
    }
    return runArchiveProgram(ppProcess, ArchiveTool::testArgs(sArchive),
                             "[BackupRestoreWorker][doTestProcess]");
}

bool BackupRestoreWorker::doRestoreProcess(QProcess** ppProcess, const QString& sArchive, RestoreSwap* pSwap,
                                           const QString& sRoot)
{
    QByteArray archive, output;
    writeLog(1, "[BackupRestoreWorker][doRestoreProcess] x -y %s -o%s", utf8(sArchive, &archive),
             utf8(pSwap->extractDir(), &output));
    // A drive that left must not come back as an empty folder where its mount point was.
    if (!drivesPresent()) {
        writeLog(1, "[BackupRestoreWorker][doRestoreProcess] the device's drives are gone");
        m_bFailed = true;
        return false;
    }
    // Nothing on the way to the destination may lead off the device.
    QString sWhy;
    if (!DevicePlace::isSafe(sRoot, pSwap->destination(), &sWhy) ||
        !DevicePlace::isSafe(sRoot, pSwap->extractDir(), &sWhy)) {
        QByteArray why;
        writeLog(1, "[BackupRestoreWorker][doRestoreProcess] refused: %s", utf8(sWhy, &why));
        m_bFailed = true;
        return false;
    }
    if (!pSwap->prepare() || !DevicePlace::isFolder(sRoot, pSwap->extractDir())) {
        writeLog(1, "[BackupRestoreWorker][doRestoreProcess] cannot create %s", output.constData());
        return false;
    }
    // An archive's links are not restored: the program may make one that names the computer's files.
    return runArchiveProgram(ppProcess, ArchiveTool::extractArgs(sArchive, pSwap->extractDir()),
                             "[BackupRestoreWorker][doRestoreProcess]") &&
           BackupLinks::dropBelow(pSwap->extractDir());
}

bool BackupRestoreWorker::runArchiveProgram(QProcess** ppProcess, const QStringList& args,
                                            const char* szPrefix)
{
    const QString sProgram = Platform::archiveProgram(AgentFolders::programDir());
    if (sProgram.isEmpty()) {
        writeLog(1, "%s No 7z",
                 m_nMode == MODE_BACKUP ? "[BackupRestoreWorker][doBackup]"
                                        : "[BackupRestoreWorker][doRestoreProcess]");
        m_bFailed = true;
        return false;
    }
    if (isStopRequested())
        return false;
    m_bRunFinished = false;
    m_nRunExitCode = -1;
    m_runExitStatus = QProcess::NormalExit;
    QProcess* pProcess = new ChildProcess;
    *ppProcess = pProcess;
    pProcess->setProcessChannelMode(QProcess::MergedChannels);
    pProcess->setReadChannel(QProcess::StandardOutput);
    connect(pProcess, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &BackupRestoreWorker::slotProcessFinish, Qt::DirectConnection);
    pProcess->start(sProgram, args, QIODevice::ReadWrite);
    const bool bOk = waitProcess(pProcess, szPrefix);
    delete pProcess;
    *ppProcess = nullptr;
    return bOk;
}

bool BackupRestoreWorker::waitProcess(QProcess* pProcess, const char* szPrefix)
{
    if (!pProcess->waitForStarted(-1)) {
        QByteArray error;
        writeLog(1, "%s cannot start 7z: %s", szPrefix, utf8(pProcess->errorString(), &error));
        m_bFailed = true;
        return false;
    }
    QElapsedTimer sinceLog;
    sinceLog.start();
    QByteArray tail;
    while (!m_bRunFinished && pProcess->state() != QProcess::NotRunning) {
        if (isStopRequested()) {
            writeLog(1, "%s stopped: killing 7z", szPrefix);
            pProcess->kill();
            pProcess->waitForFinished(g_nKillWaitMs);
            return false;
        }
        if (!pProcess->waitForFinished(g_nPollMs) && sinceLog.elapsed() >= g_nWaitLogMs) {
            writeLog(1, "%s waiting process finish", szPrefix);
            sinceLog.restart();
        }
        tail = (tail + pProcess->readAll()).right(g_nOutputTailBytes);
    }
    tail = (tail + pProcess->readAll()).right(g_nOutputTailBytes);
    const bool bOk = m_bRunFinished && m_runExitStatus == QProcess::NormalExit && m_nRunExitCode == 0;
    if (!bOk) {
        m_bFailed = true;
        writeLog(1, "%s 7z failed (code %d, %s): %s", szPrefix, m_nRunExitCode,
                 m_runExitStatus == QProcess::CrashExit ? "crashed" : "exited", tail.constData());
    }
    return bOk;
}

bool BackupRestoreWorker::pauseBetweenParts()
{
    QMutexLocker lock(&m_stopMutex);
    if (!m_bStop.load() && m_nPartPauseMs > 0)
        m_stopCondition.wait(&m_stopMutex, static_cast<unsigned long>(m_nPartPauseMs));
    return !m_bStop.load();
}
