#include "ArchiveSize.h"

#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "platform/ArchiveTool.h"
#include "platform/ChildProcess.h"
#include "platform/Platform.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

namespace
{
// The program's whole output, or false when it does not end well within the limit.
bool runListing(const QString& sProgram, const QString& sArchive, QByteArray* pOutput)
{
    ChildProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(sProgram, ArchiveTool::listArgs(sArchive), QIODevice::ReadOnly);
    QDeadlineTimer deadline(ArchiveSize::LIMIT_MS);
    if (!process.waitForStarted(ArchiveSize::LIMIT_MS))
        return false;
    // Waits in short slices, so a helper thread told to stop lets go of a long listing at once.
    while (process.state() != QProcess::NotRunning && !deadline.hasExpired() &&
           !QThread::currentThread()->isInterruptionRequested()) {
        process.waitForReadyRead(int(qBound<qint64>(1, deadline.remainingTime(), ArchiveSize::SLICE_MS)));
        *pOutput += process.readAllStandardOutput();
        if (pOutput->size() > ArchiveSize::OUTPUT_LIMIT)
            break;
    }
    if (process.state() != QProcess::NotRunning) {
        writeLog(1, "[InstallUpdateDialog][getUnzipTotalSize] listing stopped (time, size or stop)");
        process.kill();
        process.waitForFinished(ArchiveSize::LIMIT_MS);
        return false;
    }
    *pOutput += process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}
} // namespace

qint64 ArchiveSize::unpackedSize(const QString& sArchive)
{
    writeLog(1, "[InstallUpdateDialog][getUnzipTotalSize]");
    ArchiveTool::Listing listing;
    const qint64 nSize = readListing(sArchive, &listing) ? listing.nTotal : -1;
    writeLog(1, "[InstallUpdateDialog][getUnzipTotalSize] %s %lld", qUtf8Printable(sArchive), nSize);
    return nSize;
}

bool ArchiveSize::readListing(const QString& sArchive, ArchiveTool::Listing* pListing)
{
    const QString sProgram = Platform::archiveProgram(AgentFolders::programDir());
    if (sProgram.isEmpty() || !QFileInfo(sProgram).isFile()) {
        writeLog(1, "[InstallUpdateDialog][getUnzipTotalSize] 7z.exe/7za not exist");
        return false;
    }
    QByteArray output;
    return runListing(sProgram, sArchive, &output) && ArchiveTool::parseListing(output, pListing);
}
