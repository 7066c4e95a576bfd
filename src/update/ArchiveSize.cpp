#include "ArchiveSize.h"

#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "platform/ArchiveTool.h"
#include "platform/ChildProcess.h"
#include "platform/Platform.h"
#include "platform/VolumeInfo.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSet>

#include <QThread>
#include <limits>

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

qint64 ArchiveSize::spaceOnDrive(const QString& sArchive, const QString& sDrive)
{
    ArchiveTool::Listing listing;
    if (!readListing(sArchive, &listing))
        return -1;
    VolumeSpace space;
    if (sDrive.isEmpty() || !Platform::volumes().volumeSpace(sDrive, &space))
        space = VolumeSpace();
    quint64 nSpace = 0;
    QSet<QString> folders;
    for (const ArchiveTool::Entry& entry : qAsConst(listing.entries)) {
        const QStringList lstFolders = foldersOf(entry);
        for (const QString& sFolder : lstFolders)
            folders.insert(sFolder.toLower());
        if (!entry.bFolder)
            nSpace = addCapped(nSpace, roundUp(quint64(entry.nSize), space.nUnit));
    }
    nSpace = addCapped(nSpace, quint64(folders.size()) * qMax<quint64>(1, space.nUnit));
    writeLog(1, "[InstallUpdateDialog][getUnzipTotalSize] %s takes %llu (unit %llu)",
             qUtf8Printable(sArchive), static_cast<unsigned long long>(nSpace),
             static_cast<unsigned long long>(space.nUnit));
    return qint64(qMin<quint64>(nSpace, quint64(std::numeric_limits<qint64>::max())));
}

quint64 ArchiveSize::addCapped(quint64 nSum, quint64 nValue)
{
    return nValue > std::numeric_limits<quint64>::max() - nSum ? std::numeric_limits<quint64>::max()
                                                               : nSum + nValue;
}

quint64 ArchiveSize::roundUp(quint64 nBytes, quint64 nUnit)
{
    if (nUnit <= 1)
        return nBytes;
    const quint64 nUnits = nBytes / nUnit + (nBytes % nUnit ? 1 : 0);
    return nUnits > std::numeric_limits<quint64>::max() / nUnit ? std::numeric_limits<quint64>::max()
                                                                : nUnits * nUnit;
}

QStringList ArchiveSize::foldersOf(const ArchiveTool::Entry& entry)
{
    const QStringList parts = QString(entry.sPath).replace('\\', '/').split('/', Qt::SkipEmptyParts);
    QStringList lstFolders;
    QString sFolder;
    const int nFolders = entry.bFolder ? parts.size() : parts.size() - 1;
    for (int i = 0; i < nFolders; ++i) {
        sFolder += (i ? "/" : "") + parts.at(i);
        lstFolders.append(sFolder);
    }
    return lstFolders;
}
