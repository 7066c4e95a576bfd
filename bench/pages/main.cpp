// The signed-in page through many device arrivals and removals: see bench/README.md.
#include "support/PagesFixture.h"
#include "ui/pages/CustomTabWidget.h"
#include "ui/pages/ZeqAgentInfoWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{
double residentMiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

struct Mark {
    double dMiB = 0;
    int nWidgets = 0;
};
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int nCycles = argc > 1 ? QByteArray(argv[1]).toInt() : 500;
    PagesFixture fixture;
    if (!fixture.reset()) {
        std::fprintf(stderr, "sign-in against the fake service failed\n");
        return 1;
    }
    QWidget window;
    window.resize(800, 493);
    ZeqAgentInfoWidget* pPage = new ZeqAgentInfoWidget(&window);
    window.show();

    std::vector<double> rebuilds;
    Mark at50, atEnd;
    for (int i = 1; i <= nCycles; ++i) {
        fixture.plug(PagesFixture::DRIVE);
        if (!QTest::qWaitFor([pPage] { return pPage->tabWidget()->count() == 4; }, 10000)) {
            std::fprintf(stderr, "cycle %d: no tabs\n", i);
            return 1;
        }
        // The rebuild a "registered here" answer makes, timed on its own (the service's round trip not in
        // it).
        QElapsedTimer timer;
        timer.start();
        pPage->slotActionFinish(DEVICE_REGISTERED, QString());
        rebuilds.push_back(timer.nsecsElapsed() / 1e6);
        fixture.unplug();
        settle();
        if (i == 50 || i == nCycles) {
            Mark& mark = i == 50 ? at50 : atEnd;
            mark.dMiB = residentMiB();
            mark.nWidgets = QApplication::allWidgets().size();
            std::printf("after %4d cycles: resident %.1f MiB, live widgets %d\n", i, mark.dMiB,
                        mark.nWidgets);
        }
    }
    std::sort(rebuilds.begin(), rebuilds.end());
    std::printf("rebuild of 4 tabs: median %.2f ms, worst %.2f ms over %d cycles\n",
                rebuilds[rebuilds.size() / 2], rebuilds.back(), nCycles);
    if (nCycles >= 50)
        std::printf("memory %d/50: %.3f (goal <= 1.05), widgets %s\n", nCycles, atEnd.dMiB / at50.dMiB,
                    atEnd.nWidgets == at50.nWidgets ? "equal" : "DIFFER");
    return 0;
}
