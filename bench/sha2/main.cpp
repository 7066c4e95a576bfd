// Compares our SHA-512 with Qt's on the same buffer and prints MB/s for both and the ratio ours/Qt.
// Usage: bench_sha2 [MiB per round] [rounds]   (defaults 64 and 5)

#include "core/Sha2.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <cstdio>
#include <cstdlib>

namespace
{

// Best round, not the mean: other load on the machine only ever slows a round down.
template <typename Hash> double bestMegabytesPerSecond(const QByteArray& buffer, int rounds, Hash hash)
{
    qint64 bestNs = 0;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        hash();
        const qint64 ns = timer.nsecsElapsed();
        if (round == 0 || ns < bestNs)
            bestNs = ns;
    }
    return bestNs > 0 ? double(buffer.size()) / 1e6 / (double(bestNs) / 1e9) : 0.0;
}

} // namespace

int main(int argc, char** argv)
{
    const int mebibytes = argc > 1 ? std::atoi(argv[1]) : 64;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
    if (mebibytes <= 0 || mebibytes > 1024 || rounds <= 0) {
        std::fprintf(stderr, "usage: %s [MiB per round, 1..1024] [rounds]\n", argv[0]);
        return 2;
    }

    // Random content so nothing about the data can flatter either side.
    QByteArray buffer(mebibytes * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator rng(1);
    rng.fillRange(reinterpret_cast<quint32*>(buffer.data()), buffer.size() / int(sizeof(quint32)));

    Sha2 sha2;
    unsigned char ours[64];
    QByteArray qt;

    // One untimed pass each to fault in the pages and warm the caches.
    sha2.sha512(reinterpret_cast<const unsigned char*>(buffer.constData()), uint32_t(buffer.size()), ours);
    qt = QCryptographicHash::hash(buffer, QCryptographicHash::Sha512);

    const double oursMbs = bestMegabytesPerSecond(buffer, rounds, [&] {
        sha2.sha512(reinterpret_cast<const unsigned char*>(buffer.constData()), uint32_t(buffer.size()),
                    ours);
    });
    const double qtMbs = bestMegabytesPerSecond(
        buffer, rounds, [&] { qt = QCryptographicHash::hash(buffer, QCryptographicHash::Sha512); });

    // A fast wrong answer is worth nothing, so the digests must agree before any number is printed.
    if (QByteArray(reinterpret_cast<const char*>(ours), sizeof(ours)) != qt) {
        std::fprintf(stderr, "digests differ: ours and Qt's SHA-512 disagree\n");
        return 1;
    }

    std::printf("buffer        %d MiB, best of %d rounds\n", mebibytes, rounds);
    std::printf("Sha2::sha512  %8.1f MB/s\n", oursMbs);
    std::printf("Qt Sha512     %8.1f MB/s\n", qtMbs);
    std::printf("ratio ours/Qt %8.2f\n", qtMbs > 0 ? oursMbs / qtMbs : 0.0);
    return 0;
}
