// The Settings page with 1, 10 and 100 devices registered to the account: the account's list comes from
// the fake sharing service on 127.0.0.1 once, then the page is rebuilt from it repeatedly as every new
// list rebuilds it. Prints the median rebuild time, the time per row and the resident memory per row.
#include "core/JsonHelper.h"
#include "support/FakeShareService.h"
#include "support/TestHttpServer.h"
#include "support/UiFixture.h"
#include "ui/pages/DevSettingWidget.h"
#include "ui/pages/SettingWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace
{
// Resident set of this process in KiB ("VmRSS"), or -1 where /proc does not tell.
qint64 residentKb()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
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

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Result {
    double dMedianMs = 0;
    double dMaxMs = 0;
    qint64 nKbPerRow = 0;
};

Result measure(FakeShareService& service, int nDevices, int nRounds)
{
    ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
    service.setAnswer("getDeviceList", FakeShareService::RETURN, deviceList(nDevices));
    QSignalSpy spy(pCtrl, &ZeqAgentCtrlMgr::actionFinish);
    settle();
    const qint64 nKbBefore = residentKb();
    std::unique_ptr<SettingWidget> pPage(new SettingWidget(nullptr));
    pPage->setBasicOnly(0);
    pPage->show();
    if (!QTest::qWaitFor([&] { return pPage->deviceRows().size() == nDevices; }, 30000))
        std::fprintf(stderr, "the first list of %d devices did not arrive\n", nDevices);
    settle();
    Result result;
    result.nKbPerRow = (residentKb() - nKbBefore) / nDevices;
    QList<double> times;
    for (int i = 0; i < nRounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        // What a new list does: the answer file is read again and the rows are built anew.
        pCtrl->slotHandleResults(ENUMDEV_SUCCESS, QString());
        settle();
        times.append(timer.nsecsElapsed() / 1e6);
        if (pPage->deviceRows().size() != nDevices)
            std::fprintf(stderr, "rows: %d instead of %d\n", int(pPage->deviceRows().size()), nDevices);
    }
    std::sort(times.begin(), times.end());
    result.dMedianMs = times.at(times.size() / 2);
    result.dMaxMs = times.last();
    return result;
}
} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int nRounds = argc > 1 ? QString(argv[1]).toInt() : 30;
    TestHttpServer server;
    if (!server.start()) {
        std::fprintf(stderr, "no loopback server\n");
        return 1;
    }
    FakeShareService service(server);
    UiFixture fixture(false, service.serviceUrl());
    AgentTiming::set(AgentTiming::SETTINGS_FETCH, 60000);

    std::printf("%8s %12s %12s %12s %12s\n", "devices", "median ms", "worst ms", "us per row", "KiB per row");
    QMap<int, Result> results;
    for (int nDevices : {1, 10, 100}) {
        const Result result = measure(service, nDevices, nRounds);
        results.insert(nDevices, result);
        std::printf("%8d %12.2f %12.2f %12.1f %12lld\n", nDevices, result.dMedianMs, result.dMaxMs,
                    result.dMedianMs * 1000 / nDevices, static_cast<long long>(result.nKbPerRow));
    }
    const double dRatio = results.value(100).dMedianMs / results.value(10).dMedianMs;
    std::printf("100/10 time ratio: %.2f (goal: at most 12)\n", dRatio);
    return 0;
}
