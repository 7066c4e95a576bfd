// Fetches one generated file from nginx on 127.0.0.1 with NetInterface::getFile and with curl, and prints
// both throughputs, the ratio ours/curl, our peak resident memory, and the rate of the MD5 alone on one
// core (getFile works it out while the bytes arrive; curl does not).
// Usage: bench_download [MiB] [rounds]   (defaults 1024 and 2)

#include "core/AgentFolders.h"
#include "net/NetInterface.h"
#include "support/NginxFixture.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

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

// Seconds for one transfer into sDest, or a negative value when it failed or the size is wrong.
double timeOurs(const QString& sUrl, const QString& sDest, qint64 nSize)
{
    QFile::remove(sDest);
    NetInterface client(nullptr, QString(), 60000);
    QElapsedTimer timer;
    timer.start();
    const bool bOk = client.getFile(sUrl, sDest, nSize);
    const double dSeconds = double(timer.nsecsElapsed()) / 1e9;
    const bool bComplete = bOk && QFileInfo(sDest).size() == nSize;
    QFile::remove(sDest);
    return bComplete ? dSeconds : -1.0;
}

double timeCurl(const QString& sCurl, const QString& sUrl, const QString& sDest, qint64 nSize)
{
    QFile::remove(sDest);
    QProcess curl;
    QElapsedTimer timer;
    timer.start();
    curl.start(sCurl, {"--silent", "--show-error", "--fail", "--output", sDest, sUrl});
    const bool bOk =
        curl.waitForFinished(-1) && curl.exitStatus() == QProcess::NormalExit && curl.exitCode() == 0;
    const double dSeconds = double(timer.nsecsElapsed()) / 1e9;
    const bool bComplete = bOk && QFileInfo(sDest).size() == nSize;
    QFile::remove(sDest);
    return bComplete ? dSeconds : -1.0;
}

// Seconds the MD5 of nSize bytes takes on one core, from memory: the most any download that works it out
// as it goes can reach.
double timeMd5(qint64 nSize)
{
    const QByteArray block(1024 * 1024, 'm');
    QCryptographicHash md5(QCryptographicHash::Md5);
    QElapsedTimer timer;
    timer.start();
    for (qint64 nDone = 0; nDone < nSize; nDone += block.size())
        md5.addData(block);
    md5.result();
    return double(timer.nsecsElapsed()) / 1e9;
}

double best(double dBest, double dRound)
{
    return dRound > 0 && (dBest <= 0 || dRound < dBest) ? dRound : dBest;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const qint64 nMiB = argc > 1 ? std::atoll(argv[1]) : 1024;
    const int nRounds = argc > 2 ? std::atoi(argv[2]) : 2;
    if (nMiB <= 0 || nMiB > 65536 || nRounds <= 0) {
        std::fprintf(stderr, "usage: %s [MiB, 1..65536] [rounds]\n", argv[0]);
        return 2;
    }
    const QString sCurl = QStandardPaths::findExecutable("curl");
    if (sCurl.isEmpty() || !NginxFixture::isAvailable()) {
        std::fprintf(stderr, "needs curl and nginx (scripts/packages.txt)\n");
        return 1;
    }

    // Everything, the served file included, lives in one temporary folder; the served file is sparse, so
    // reading it costs nginx no disk time and both clients measure the network path and their writes.
    QTemporaryDir dir;
    AgentFolders::setProgramDir(dir.path());
    AgentFolders::setDataDir(dir.path());
    const qint64 nSize = nMiB * 1024 * 1024;
    QDir().mkpath(dir.path() + "/www");
    QFile served(dir.path() + "/www/big.bin");
    if (!served.open(QIODevice::WriteOnly) || !served.resize(nSize)) {
        std::fprintf(stderr, "cannot make a %lld MiB file in %s\n", nMiB, qPrintable(dir.path()));
        return 1;
    }
    served.close();
    NginxFixture nginx;
    if (!nginx.start(dir.path() + "/www")) {
        std::fprintf(stderr, "%s\n", qPrintable(nginx.errorString()));
        return 1;
    }

    const QString sUrl = nginx.url("/big.bin");
    const qint64 nRssBefore = peakResidentKiB();
    double dOurs = -1.0;
    double dCurl = -1.0;
    double dMd5 = -1.0;
    for (int nRound = 0; nRound < nRounds; ++nRound) {
        dCurl = best(dCurl, timeCurl(sCurl, sUrl, dir.path() + "/curl.bin", nSize));
        dOurs = best(dOurs, timeOurs(sUrl, dir.path() + "/ours.bin", nSize));
        dMd5 = best(dMd5, timeMd5(nSize));
    }
    if (dOurs <= 0 || dCurl <= 0) {
        std::fprintf(stderr, "a transfer failed (ours %s, curl %s)\n", dOurs > 0 ? "ok" : "failed",
                     dCurl > 0 ? "ok" : "failed");
        return 1;
    }
    const double dMB = double(nSize) / 1e6;
    std::printf("file           %lld MiB, best of %d round(s)\n", nMiB, nRounds);
    std::printf("getFile        %8.1f MB/s\n", dMB / dOurs);
    std::printf("curl           %8.1f MB/s\n", dMB / dCurl);
    std::printf("ratio          %8.2f  (ours/curl, goal >= 0.90)\n", dCurl / dOurs);
    std::printf("MD5 alone      %8.1f MB/s  (one core, from memory)\n", dMB / dMd5);
    std::printf("peak RSS ours  %8.1f MiB  (%.1f MiB before the downloads)\n",
                double(peakResidentKiB()) / 1024.0, double(nRssBefore) / 1024.0);
    return 0;
}
