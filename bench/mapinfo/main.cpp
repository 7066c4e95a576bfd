// MapInfo (the map page's coverage of the device) over registers of 1 000, 10 000 and 100 000 map file
// names with the built-in country groups, beside a plain read and split of the same file, in one run.
// Prints per size the best time of each in ms and the ratio MapInfo/plain.
// Usage: bench_mapinfo [rounds]   (default 5)

#include "update/MapInfo.h"
#include "update/ProcCountryXml.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace
{
// Names like a device's register: region prefixes, some countries of the built-in groups, many other
// tiles that match nothing.
QByteArray makeRegister(int nNames)
{
    static const char* const countries[] = {"Germany",  "Austria",     "Switzerland",   "Italy",
                                            "Utah_USA", "New_Zealand", "Ontario_Canada"};
    QByteArray text;
    for (int i = 0; i < nNames; ++i) {
        if (i % 10 == 0)
            text += QByteArray("EU_") + countries[(i / 10) % 7] + "_" + QByteArray::number(i) + ".dat\r\n";
        else
            text += "T" + QByteArray::number(i).rightJustified(7, '0') + "_tile_region_block.dat\r\n";
    }
    return text;
}

template <typename Work> double bestMs(int nRounds, Work work)
{
    qint64 nBest = 0;
    for (int i = 0; i < nRounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        const qint64 nNs = timer.nsecsElapsed();
        if (i == 0 || nNs < nBest)
            nBest = nNs;
    }
    return double(nBest) / 1e6;
}
} // namespace

int main(int argc, char** argv)
{
    const int nRounds = argc > 1 ? std::atoi(argv[1]) : 5;
    if (nRounds <= 0) {
        std::fprintf(stderr, "usage: %s [rounds]\n", argv[0]);
        return 2;
    }
    QTemporaryDir drive;
    if (!drive.isValid() || !QDir().mkpath(drive.path() + "/HDD/Map"))
        return 1;
    const QString sRoot = drive.path() + "/";
    const QString sGroups = QString::fromUtf8(ProcCountryXml::builtInScript()).trimmed().replace('\n', '|');
    // One untimed pass over the largest register first, so that growing the heap and faulting in its pages
    // is charged to no size.
    {
        QFile file(sRoot + "HDD/Map/sigreg.dat");
        if (!file.open(QIODevice::WriteOnly) || file.write(makeRegister(100000)) < 0)
            return 1;
        file.close();
        MapInfo warm(sRoot, sGroups);
    }
    std::printf("%10s %12s %12s %8s  %s\n", "names", "MapInfo ms", "plain ms", "ratio", "group");
    for (const int nNames : {1000, 10000, 100000}) {
        QFile file(sRoot + "HDD/Map/sigreg.dat");
        if (!file.open(QIODevice::WriteOnly) || file.write(makeRegister(nNames)) < 0)
            return 1;
        file.close();
        QString sGroup;
        const double dInfo = bestMs(nRounds, [&] { sGroup = MapInfo(sRoot, sGroups).m_strCurGroupName; });
        int nLines = 0;
        const double dPlain = bestMs(nRounds, [&] {
            QFile plain(sRoot + "HDD/Map/sigreg.dat");
            if (plain.open(QIODevice::ReadOnly))
                nLines = QString::fromUtf8(plain.readAll()).split('\n').size();
        });
        std::printf("%10d %12.2f %12.2f %8.1f  %s (%d lines)\n", nNames, dInfo, dPlain,
                    dPlain > 0 ? dInfo / dPlain : 0.0, qPrintable(sGroup), nLines);
    }
    return 0;
}
