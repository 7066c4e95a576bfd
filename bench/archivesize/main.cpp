// How long the archive size query takes against a plain "7z l" of the same archive, for a small archive,
// one with many members and a large stored one. The query's own cost beyond the listing is starting the
// program and reading its table.
#include "core/AgentFolders.h"
#include "platform/ArchiveTool.h"
#include "update/ArchiveSize.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace
{
bool writeFile(const QString& sPath, qint64 nSize)
{
    QDir().mkpath(QFileInfo(sPath).path());
    QFile file(sPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(1 << 20, Qt::Uninitialized);
    QRandomGenerator random(7);
    for (char& c : block)
        c = char(random.bounded(256));
    for (qint64 nDone = 0; nDone < nSize; nDone += block.size())
        if (file.write(block.constData(), qMin<qint64>(block.size(), nSize - nDone)) < 0)
            return false;
    return true;
}

bool makeArchive(const QString& sProgram, const QString& sArchive, const QString& sSource, bool bStored)
{
    QStringList args = {"a", "-tzip"};
    if (bStored)
        args << "-mx0";
    args << sArchive << sSource + "/.";
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(sProgram, args);
    return process.waitForFinished(-1) && process.exitCode() == 0;
}

double plainListingMs(const QString& sProgram, const QString& sArchive)
{
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(sProgram, ArchiveTool::listArgs(sArchive));
    process.waitForFinished(-1);
    process.readAll();
    return timer.nsecsElapsed() / 1e6;
}

double queryMs(const QString& sArchive, qint64* pSize)
{
    QElapsedTimer timer;
    timer.start();
    *pSize = ArchiveSize::unpackedSize(sArchive);
    return timer.nsecsElapsed() / 1e6;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int nRounds = argc > 1 ? QString(argv[1]).toInt() : 5;
    const qint64 nLargeMb = argc > 2 ? QString(argv[2]).toLongLong() : 512;
    const QString sProgram = ArchiveTool::findProgram(QString());
    if (sProgram.isEmpty()) {
        std::fprintf(stderr, "no 7-Zip installed\n");
        return 1;
    }
    QTemporaryDir dir;
    AgentFolders::setProgramDir(dir.path());
    AgentFolders::setDataDir(dir.path());

    struct Case {
        const char* szName;
        QString sArchive;
    };
    QList<Case> cases;
    const QString sSmall = dir.filePath("small");
    writeFile(sSmall + "/a.bin", 64 * 1024);
    const QString sMany = dir.filePath("many");
    for (int i = 0; i < 5000; ++i)
        writeFile(QString("%1/d%2/f%3.bin").arg(sMany).arg(i / 100).arg(i), 512);
    const QString sLarge = dir.filePath("large");
    writeFile(sLarge + "/big.bin", nLargeMb * 1024 * 1024);
    if (!makeArchive(sProgram, dir.filePath("small.zip"), sSmall, false) ||
        !makeArchive(sProgram, dir.filePath("many.zip"), sMany, false) ||
        !makeArchive(sProgram, dir.filePath("large.zip"), sLarge, true)) {
        std::fprintf(stderr, "could not make the archives\n");
        return 1;
    }
    cases << Case{"small", dir.filePath("small.zip")} << Case{"many files", dir.filePath("many.zip")}
          << Case{"large stored", dir.filePath("large.zip")};

    std::printf("%-14s %12s %12s %8s %14s\n", "archive", "query ms", "7z l ms", "ratio", "bytes");
    bool bGoal = true;
    for (const Case& c : cases) {
        double dBestQuery = 1e18;
        double dBestPlain = 1e18;
        qint64 nSize = -1;
        for (int i = 0; i < nRounds; ++i) {
            dBestPlain = qMin(dBestPlain, plainListingMs(sProgram, c.sArchive));
            dBestQuery = qMin(dBestQuery, queryMs(c.sArchive, &nSize));
        }
        const double dRatio = dBestQuery / dBestPlain;
        bGoal = bGoal && dRatio <= 1.2 && nSize >= 0;
        std::printf("%-14s %12.1f %12.1f %8.2f %14lld\n", c.szName, dBestQuery, dBestPlain, dRatio,
                    static_cast<long long>(nSize));
    }
    std::printf("goal (query at most 1.2x of 7z l, every size known): %s\n", bGoal ? "met" : "missed");
    return 0;
}
