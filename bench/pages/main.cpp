// The signed-in page through many device arrivals and removals, and the Settings page with 1, 10 and 100
// registered devices: see bench/README.md.
#include "core/JsonHelper.h"
#include "support/PagesFixture.h"
#include "ui/pages/CustomTabWidget.h"
#include "ui/pages/SettingWidget.h"
#include "ui/pages/ZeqAgentInfoWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>

#include <algorithm>
#include <cstdio>
#include <memory>
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

// The fake service and its HTTP server keep every call for the tests to read; here nobody reads them, and
// keeping them would count the fixture's memory as the agent's.
void forgetRecords(PagesFixture& fixture)
{
    fixture.m_server.clearRequests();
    fixture.m_service.clearCalls();
}

QString deviceList(int nCount)
{
    QStringList objects;
    for (int i = 0; i < nCount; ++i) {
        objects.append(JsonHelper::object({{"UUID", QString("DEV%1").arg(i, 6, 10, QChar('0'))},
                                           {"SKUID", "1"},
                                           {"Model", "M"},
                                           {"HardwareName", QString("Wendo 500 #%1").arg(i)},
                                           {"AddDate", "2024/03/01"}}));
    }
    return "[" + objects.join(",") + "]";
}

struct RowsResult {
    double dMedianMs = 0;
    double dMaxMs = 0;
    double dKiBPerRow = 0;
};

// The account's list comes from the fake service once; then the page is rebuilt from it as every new list
// rebuilds it (the answer file read again, the old rows retired, a title strip and one row a device).
RowsResult measureRows(PagesFixture& fixture, int nDevices, int nRounds)
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    fixture.m_service.setAnswer("getDeviceList", FakeShareService::RETURN, deviceList(nDevices));
    settle();
    const double dMiBBefore = residentMiB();
    std::unique_ptr<SettingWidget> pPage(new SettingWidget(nullptr));
    pPage->setBasicOnly(0);
    pPage->show();
    if (!QTest::qWaitFor([&] { return pPage->deviceRows().size() == nDevices; }, 30000))
        std::fprintf(stderr, "the first list of %d devices did not arrive\n", nDevices);
    settle();
    RowsResult result;
    result.dKiBPerRow = (residentMiB() - dMiBBefore) * 1024.0 / nDevices;
    std::vector<double> times;
    for (int i = 0; i < nRounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        pCtrl->slotHandleResults(ENUMDEV_SUCCESS, QString());
        settle();
        times.push_back(timer.nsecsElapsed() / 1e6);
        if (pPage->deviceRows().size() != nDevices)
            std::fprintf(stderr, "rows: %d instead of %d\n", int(pPage->deviceRows().size()), nDevices);
    }
    forgetRecords(fixture);
    std::sort(times.begin(), times.end());
    result.dMedianMs = times.at(times.size() / 2);
    result.dMaxMs = times.back();
    return result;
}

void settingsRows(PagesFixture& fixture, int nRounds)
{
    AgentTiming::set(AgentTiming::SETTINGS_FETCH, 60000);
    std::printf("\nSettings page, %d rebuilds per size\n", nRounds);
    std::printf("%8s %12s %12s %12s %12s\n", "devices", "median ms", "worst ms", "us per row", "KiB per row");
    QMap<int, RowsResult> results;
    for (int nDevices : {1, 10, 100}) {
        const RowsResult result = measureRows(fixture, nDevices, nRounds);
        results.insert(nDevices, result);
        std::printf("%8d %12.2f %12.2f %12.1f %12.0f\n", nDevices, result.dMedianMs, result.dMaxMs,
                    result.dMedianMs * 1000 / nDevices, result.dKiBPerRow);
    }
    std::printf("100/10 time ratio: %.2f (goal <= 12)\n",
                results.value(100).dMedianMs / results.value(10).dMedianMs);
}
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int nCycles = argc > 1 ? QByteArray(argv[1]).toInt() : 500;
    const int nRounds = argc > 2 ? QByteArray(argv[2]).toInt() : 30;
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
        forgetRecords(fixture);
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
    std::fflush(stdout);
    if (nRounds > 0)
        settingsRows(fixture, nRounds);
    return 0;
}
