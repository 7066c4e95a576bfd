// Backs up a generated drive-family device and copies the same tree with "cp -r", in the same run, and
// prints both times and their ratio. Usage: bench_backup [--size-mb N] [--rounds N] [--pause-ms N]
// [--dir PATH]. The tree: a small keep list on the system drive, and on the data drive many rides
// (GPX with their FIT and BIN companions) plus a few large map files, all below "Korvo".
#include "backup/BackupFiles.h"
#include "backup/BackupRestoreParam.h"
#include "backup/BackupRestoreWorker.h"
#include "backup/ProcKeepFileXml.h"
#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "core/Worker.h"
#include "platform/ArchiveTool.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace
{
const qint64 g_nMiB = 1024 * 1024;
const int g_nMapFiles = 4;
const qint64 g_nRideBytes = 300 * 1024 + 60 * 1024 + 4 * 1024; // gpx + fit + bin

struct Timing {
    double dDone = 0;   // the step's process(es) ended
    double dOnDisk = 0; // and everything it wrote reached the disk (sync)
};

struct Options {
    qint64 nSizeMb = 2048;
    int nRounds = 3;
    int nPauseMs = 1000;
    QString sDir;
};

bool writeFile(const QString& sPath, qint64 nSize, quint32 nSeed)
{
    QDir().mkpath(QFileInfo(sPath).path());
    QFile file(sPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(qMin<qint64>(nSize, 4 * g_nMiB), Qt::Uninitialized);
    quint32 nState = nSeed * 2654435761u + 1;
    for (int i = 0; i + 4 <= block.size(); i += 4) {
        nState ^= nState << 13; // xorshift: data that does not compress
        nState ^= nState >> 17;
        nState ^= nState << 5;
        memcpy(block.data() + i, &nState, 4);
    }
    for (qint64 nLeft = nSize; nLeft > 0; nLeft -= block.size()) {
        if (file.write(block.constData(), qMin<qint64>(nLeft, block.size())) < 0)
            return false;
    }
    return true;
}

bool writeText(const QString& sPath, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(sPath).path());
    QFile file(sPath);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

bool generateDevice(const QString& sSys, const QString& sData, qint64 nBytes)
{
    bool bOk = writeText(sSys + "HDD/APP/keepfile.xml",
                         "<kept><folder>Zeq_system\\HDD\\APP\\Favorites</folder></kept>\n");
    for (int i = 0; bOk && i < 20; ++i)
        bOk = writeFile(QString("%1HDD/APP/Favorites/fav%2.xml").arg(sSys).arg(i), 2048, i);
    const qint64 nMapBytes = nBytes * 2 / 5 / g_nMapFiles;
    for (int i = 0; bOk && i < g_nMapFiles; ++i)
        bOk = writeFile(QString("%1Korvo/Map/Europe%2.map").arg(sData).arg(i), nMapBytes, 100 + i);
    const qint64 nRides = (nBytes - nMapBytes * g_nMapFiles) / g_nRideBytes;
    for (qint64 i = 0; bOk && i < nRides; ++i) {
        const QString sBase =
            QString("%1Korvo/Tracks/profile%2/2024%3").arg(sData).arg(i % 8).arg(i, 8, 10, QChar('0'));
        bOk = writeFile(sBase + ".gpx", 300 * 1024, i) && writeFile(sBase + ".fit", 60 * 1024, i + 7) &&
              writeFile(sBase + ".bin", 4 * 1024, i + 13);
    }
    return bOk;
}

void flushDisk()
{
    // Writes of the previous step must not be paid by the next one.
    QProcess::execute("sync", QStringList());
}

Timing finishTiming(const QElapsedTimer& timer)
{
    Timing timing;
    timing.dDone = timer.nsecsElapsed() / 1e9;
    flushDisk();
    timing.dOnDisk = timer.nsecsElapsed() / 1e9;
    return timing;
}

Timing timeCopy(const QString& sSys, const QString& sData, const QString& sTarget)
{
    QDir(sTarget).removeRecursively();
    QDir().mkpath(sTarget + "/sys/HDD/APP");
    flushDisk();
    QElapsedTimer timer;
    timer.start();
    QProcess::execute("cp", {"-r", sSys + "HDD/APP/Favorites", sTarget + "/sys/HDD/APP/"});
    QProcess::execute("cp", {"-r", sData + "Korvo", sTarget + "/data"});
    return finishTiming(timer);
}

Timing timeBackup(const QStringList& lstDrive, int nPauseMs, bool* pOk)
{
    BackupFiles::removeTemporaryFiles("BENCH");
    flushDisk();
    QElapsedTimer timer;
    timer.start();
    ProcKeepFileXml keep; // what the backup dialog does first
    keep.setSystemRoot(lstDrive.at(0));
    keep.open(BackupRestoreParam::keepListPath(lstDrive.at(0)));
    keep.backupKeepFile();
    QString sParam;
    BackupRestoreParam::buildBackup("BENCH", lstDrive, &sParam);
    BackupRestoreWorker worker;
    QList<int> statuses;
    QObject::connect(
        &worker, &BackupRestoreWorker::emitStatus, &worker,
        [&statuses](ACTION_STATUS status, const QString&) { statuses.append(status); }, Qt::DirectConnection);
    worker.setMode(BackupRestoreWorker::MODE_BACKUP);
    worker.setParam(sParam);
    worker.setDriveRoots(lstDrive);
    worker.setPartPause(nPauseMs);
    worker.start();
    worker.wait();
    *pOk = !statuses.isEmpty() && statuses.last() == BACKUP_SUCCESS;
    return finishTiming(timer);
}

Options readOptions(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"size-mb", "Size of the generated device tree in MiB (2048).", "N", "2048"});
    parser.addOption({"rounds",
                      "Rounds of copy and backup after a warm-up round; the best of each counts (3).", "N",
                      "3"});
    parser.addOption(
        {"pause-ms", "The worker's pause between its two parts (1000, as shipped).", "N", "1000"});
    parser.addOption({"dir", "Folder for the tree, the copies and the archives (system temp).", "PATH"});
    parser.process(app);
    Options options;
    options.nSizeMb = qMax<qint64>(16, parser.value("size-mb").toLongLong());
    options.nRounds = qMax(1, parser.value("rounds").toInt());
    options.nPauseMs = qMax(0, parser.value("pause-ms").toInt());
    options.sDir = parser.value("dir");
    return options;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const Options options = readOptions(app);
    Worker::registerMetaTypes();
    QTemporaryDir work(options.sDir.isEmpty() ? QDir::tempPath() + "/bench_backup-XXXXXX"
                                              : options.sDir + "/bench_backup-XXXXXX");
    if (ArchiveTool::findProgram(QString()).isEmpty() || !work.isValid()) {
        std::fprintf(stderr, "needs 7z (package 7zip) and a writable folder\n");
        return 1;
    }
    AgentFolders::setProgramDir(work.path() + "/program");
    AgentFolders::setDataDir(work.path() + "/data-folder");
    DebugLog::init(AgentFolders::dataDir());
    const QStringList lstDrive{work.path() + "/sys/", work.path() + "/data/"};
    std::printf("generating %lld MiB in %s ...\n", options.nSizeMb, qPrintable(work.path()));
    if (!generateDevice(lstDrive.at(0), lstDrive.at(1), options.nSizeMb * g_nMiB)) {
        std::fprintf(stderr, "cannot write the device tree\n");
        return 1;
    }
    Timing copy{1e30, 1e30}, backup{1e30, 1e30};
    for (int nRound = 0; nRound <= options.nRounds; ++nRound) {
        const Timing c = timeCopy(lstDrive.at(0), lstDrive.at(1), work.path() + "/copy");
        bool bOk = false;
        const Timing b = timeBackup(lstDrive, options.nPauseMs, &bOk);
        std::printf("%s %d: cp -r %.2f s (on disk %.2f s), backup %.2f s (on disk %.2f s)%s\n",
                    nRound == 0 ? "warm-up" : "round", nRound, c.dDone, c.dOnDisk, b.dDone, b.dOnDisk,
                    bOk ? "" : " FAILED");
        if (!bOk)
            return 1;
        if (nRound == 0)
            continue;
        copy = {std::min(copy.dDone, c.dDone), std::min(copy.dOnDisk, c.dOnDisk)};
        backup = {std::min(backup.dDone, b.dDone), std::min(backup.dOnDisk, b.dOnDisk)};
    }
    std::printf("best of %d rounds (pause between the backup's parts: %d ms)\n", options.nRounds,
                options.nPauseMs);
    std::printf("cp -r:  %.2f s, on disk %.2f s\n", copy.dDone, copy.dOnDisk);
    std::printf("backup: %.2f s, on disk %.2f s\n", backup.dDone, backup.dOnDisk);
    std::printf("ratio backup/copy: %.2f, on disk %.2f (goal <= 1.30)\n", backup.dDone / copy.dDone,
                backup.dOnDisk / copy.dOnDisk);
    return 0;
}
