// Installs one stored map archive of many files from nginx on 127.0.0.1 onto a folder, with the map worker
// (download with its MD5, room check, unpack, version file) and with curl + md5sum + 7zz x, in one run.
// Prints both times, the ratio, the peak resident memory and the longest lateness of a 10 ms timer in the
// worker's (GUI) thread.
// Usage: bench_mapinstall [MiB] [files]   (defaults 2048 and 2048)

#include "core/ActionStatus.h"
#include "core/AgentFolders.h"
#include "core/WorkFile.h"
#include "platform/ArchiveTool.h"
#include "support/NginxFixture.h"
#include "update/MapFreeUpdateWorker.h"
#include "update/ProcMapXml.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace
{

// Peak resident set of this process in KiB ("VmHWM"), or -1 where /proc does not tell.
qint64 peakResidentKiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

bool runTool(const QString& sProgram, const QStringList& args, const QString& sDir = QString())
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    if (!sDir.isEmpty())
        process.setWorkingDirectory(sDir);
    process.start(sProgram, args);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// nFiles files of pseudo-random bytes, nMiB in all, stored (not compressed) in sArchive.
bool makeArchive(const QString& sSource, const QString& sArchive, qint64 nMiB, int nFiles)
{
    const qint64 nEach = nMiB * 1024 * 1024 / nFiles;
    QRandomGenerator random(2026);
    QByteArray block(int(qMin<qint64>(nEach, 4 * 1024 * 1024)), Qt::Uninitialized);
    for (int i = 0; i < nFiles; ++i) {
        const QString sPath =
            QString("%1/map%2/tile%3.img").arg(sSource).arg(i / 256, 2, 10, QChar('0')).arg(i);
        QDir().mkpath(QFileInfo(sPath).path());
        QFile file(sPath);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        for (qint64 nLeft = nEach; nLeft > 0; nLeft -= block.size()) {
            random.fillRange(reinterpret_cast<quint32*>(block.data()), block.size() / 4);
            if (file.write(block.constData(), qMin<qint64>(nLeft, block.size())) < 0)
                return false;
        }
    }
    return runTool(ArchiveTool::findProgram(QString()), {"a", "-tzip", "-mx0", sArchive, "."}, sSource);
}

// curl, md5sum and 7zz x one after the other, as a person would; seconds, or -1 on a failure.
double timeTools(const QString& sUrl, const QString& sWork, const QString& sTarget, const QString& sMd5)
{
    QFile::remove(sWork + "/tools.zip");
    QDir(sTarget).removeRecursively();
    QElapsedTimer timer;
    timer.start();
    QProcess md5;
    if (!runTool("curl", {"--silent", "--fail", "--output", sWork + "/tools.zip", sUrl}))
        return -1;
    md5.start("md5sum", {sWork + "/tools.zip"});
    if (!md5.waitForFinished(-1) || !md5.readAllStandardOutput().startsWith(sMd5.toLatin1()))
        return -1;
    if (!runTool(ArchiveTool::findProgram(QString()), {"x", "-y", sWork + "/tools.zip", "-o" + sTarget}))
        return -1;
    const double dSeconds = double(timer.nsecsElapsed()) / 1e9;
    QFile::remove(sWork + "/tools.zip");
    return dSeconds;
}

struct WorkerRun {
    double dSeconds = -1;
    double dUnpackStart = -1; // when the unpack began: download, MD5, room check and archive check done
    qint64 nLongestStallMs = 0;
    int nFinal = 0;
};

// The map worker installs the row from "map.script" onto sDrive, while a 10 ms timer in this thread
// records how late it fires at worst.
WorkerRun timeWorker(const QString& sDrive)
{
    WorkerRun run;
    MapFreeUpdateWorker worker(false);
    MapFreeUpdateWorker::Host host;
    host.freeSpace = [] { return quint64(1) << 50; };
    host.driveRoot = [sDrive] { return sDrive; };
    worker.setHost(host);
    QEventLoop loop;
    QElapsedTimer timer;
    QObject::connect(&worker, &MapFreeUpdateWorker::emitStatus, &loop,
                     [&](ACTION_STATUS status, QString sText) {
                         if (status == MAP_INSTALLPROCESS && sText.contains(R"("unzip":"0")"))
                             run.dUnpackStart = double(timer.nsecsElapsed()) / 1e9;
                         if (status == MAP_DOWNLOADPROCESS || status == MAP_INSTALLPROCESS ||
                             status == DEVICE_ITEMINSTALLED)
                             return;
                         run.nFinal = int(status);
                         loop.quit();
                     });
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { run.nLongestStallMs = qMax(run.nLongestStallMs, sinceTick.restart() - 10); });
    timer.start();
    sinceTick.start();
    ticker.start(10);
    worker.installMapFreeUpdate("{}");
    loop.exec();
    run.dSeconds = double(timer.nsecsElapsed()) / 1e9;
    return run;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const qint64 nMiB = argc > 1 ? std::atoll(argv[1]) : 2048;
    const int nFiles = argc > 2 ? std::atoi(argv[2]) : 2048;
    if (nMiB <= 0 || nMiB > 65536 || nFiles <= 0 || nFiles > 1000000) {
        std::fprintf(stderr, "usage: %s [MiB, 1..65536] [files]\n", argv[0]);
        return 2;
    }
    if (QStandardPaths::findExecutable("curl").isEmpty() ||
        QStandardPaths::findExecutable("md5sum").isEmpty() || ArchiveTool::findProgram(QString()).isEmpty() ||
        !NginxFixture::isAvailable()) {
        std::fprintf(stderr, "needs curl, md5sum, 7zz and nginx (scripts/packages.txt)\n");
        return 1;
    }

    // Everything lives in one temporary folder (it needs about four times the size).
    QTemporaryDir dir;
    AgentFolders::setProgramDir(dir.path());
    AgentFolders::setDataDir(dir.path() + "/data");
    QDir().mkpath(AgentFolders::tempDir());
    const QString sArchive = dir.path() + "/www/maps.zip";
    QDir().mkpath(dir.path() + "/www");
    std::printf("making a %lld MiB archive of %d files ...\n", nMiB, nFiles);
    std::fflush(stdout);
    if (!makeArchive(dir.path() + "/src", sArchive, nMiB, nFiles)) {
        std::fprintf(stderr, "cannot make the archive in %s\n", qPrintable(dir.path()));
        return 1;
    }
    QDir(dir.path() + "/src").removeRecursively();
    QFile archive(sArchive);
    QCryptographicHash md5(QCryptographicHash::Md5);
    if (!archive.open(QIODevice::ReadOnly) || !md5.addData(&archive))
        return 1;
    const QString sMd5 = QString::fromLatin1(md5.result().toHex());
    const QString sSize = QString::number(archive.size());
    archive.close();
    NginxFixture nginx;
    if (!nginx.start(dir.path() + "/www")) {
        std::fprintf(stderr, "%s\n", qPrintable(nginx.errorString()));
        return 1;
    }
    const QString sUrl = nginx.url("/maps.zip");

    // Each side starts with the other's writes on disk.
    runTool("sync", {});
    const double dTools = timeTools(sUrl, dir.path(), dir.path() + "/tools", sMd5);
    QDir(dir.path() + "/tools").removeRecursively();

    const QString sDrive = dir.path() + "/drive/";
    QDir().mkpath(sDrive + "KORVO");
    const WorkFile::Row row = {
        "BugFixMapUpdate", "2.0", sSize, "2026-01-02", "BM-EU", "7", sUrl, sMd5, "", "1", ""};
    runTool("sync", {});
    const qint64 nRssBefore = peakResidentKiB();
    WorkerRun ours;
    if (WorkFile::writeRows(ProcMapXml::mapListPath(), {row}))
        ours = timeWorker(sDrive);
    const qint64 nRssAfter = peakResidentKiB();
    if (dTools <= 0 || ours.nFinal != MAP_INSTALLSUCCESS) {
        std::fprintf(stderr, "a run failed (tools %s, worker status %d)\n", dTools > 0 ? "ok" : "failed",
                     ours.nFinal);
        return 1;
    }
    std::printf("archive        %lld MiB, %d files, stored\n", nMiB, nFiles);
    std::printf("worker         %8.2f s  (unpack began after %.2f s)\n", ours.dSeconds, ours.dUnpackStart);
    std::printf("curl+md5+7zz   %8.2f s\n", dTools);
    std::printf("ratio          %8.2f  (worker/tools, goal <= 1.10)\n", ours.dSeconds / dTools);
    std::printf("peak RSS       %8.1f MiB  (%.1f MiB before the install)\n", double(nRssAfter) / 1024.0,
                double(nRssBefore) / 1024.0);
    std::printf("longest stall  %8lld ms  (lateness of a 10 ms timer, goal <= 250)\n", ours.nLongestStallMs);
    return 0;
}
