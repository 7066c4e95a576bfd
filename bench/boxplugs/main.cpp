// Device arrivals and removals while the box of the device page's automatic update check waits for OK:
// see bench/README.md.
#include "support/PagesFixture.h"
#include "ui/main/WidgetNotifier.h"
#include "ui/pages/CustomTabWidget.h"
#include "ui/pages/PageLoops.h"
#include "ui/pages/ScaledPictures.h"
#include "ui/pages/ZeqAgentInfoWidget.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <malloc.h>

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

// What the allocator has handed out (all arenas), as against what it holds from the system.
double inUseMiB()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

struct Mark {
    double dMiB = 0;
    double dInUseMiB = 0;
    int nWidgets = 0;
};

Mark mark(const QString& sWhen)
{
    Mark now;
    now.dMiB = residentMiB();
    now.dInUseMiB = inUseMiB();
    now.nWidgets = QApplication::allWidgets().size();
    std::printf(
        "%-24s resident %6.1f MiB, heap in use %6.1f MiB, widgets %5d, pages waiting %3d, pictures %2d\n",
        qPrintable(sWhen), now.dMiB, now.dInUseMiB, now.nWidgets, PageLoops::waitingCount(),
        ScaledPictures::keptCount());
    std::fflush(stdout);
    return now;
}

// The fake service and its HTTP server keep every call for the tests to read; nobody reads them here.
void forgetRecords(PagesFixture* pFixture)
{
    pFixture->m_server.clearRequests();
    pFixture->m_service.clearCalls();
}

// The update check as the device page starts it, reduced to what runs while its result waits: the real
// modal box "The device's software is up-to-date.". With m_bBox clear a check ends at once, as one that
// found nothing to say. m_whileOpen runs from the box's loop.
class BoxOpener : public PagesDialogOpener
{
public:
    bool isUpdateDialogShown() override { return m_bOpen; }
    void runCheckUpdate(bool, bool) override
    {
        ++m_nChecks;
        if (!m_bBox)
            return;
        m_bOpen = true;
        if (m_whileOpen)
            QTimer::singleShot(0, m_whileOpen);
        WidgetNotifier().showMessage(QObject::tr("Updates"),
                                     QObject::tr("The device's software is up-to-date."));
        m_bOpen = false;
    }

    bool m_bBox = false;
    bool m_bOpen = false;
    int m_nChecks = 0;
    std::function<void()> m_whileOpen;
};

// Plugs and unplugs from timers of the loop it runs in (no loop of its own, so the deletes run where the
// agent's would): each cycle waits for the four tabs of a device registered here, then removes it. A
// mark is taken a turn after a removal, once the loop has run the deletes that it posted.
class Cycler : public QObject
{
public:
    Cycler(PagesFixture* pFixture, ZeqAgentInfoWidget* pPage, const QString& sWhat)
        : m_pFixture(pFixture), m_pPage(pPage), m_sWhat(sWhat)
    {
        m_timer.setInterval(2);
        connect(&m_timer, &QTimer::timeout, this, [this] { step(); });
    }
    void start(int nCycles, const std::function<void()>& done)
    {
        m_nCycles = nCycles;
        m_nDone = 0;
        m_done = done;
        m_bMarkDue = true;
        m_timer.start();
    }

    Mark m_atStart, m_atEnd;

private:
    void step()
    {
        if (m_bMarkDue) {
            m_bMarkDue = false;
            const Mark now = mark(QString("%1, %2 cycles:").arg(m_sWhat).arg(m_nDone));
            if (m_nDone == 0)
                m_atStart = now;
            if (m_nDone < m_nCycles)
                return;
            m_timer.stop();
            m_atEnd = now;
            m_done();
            return;
        }
        if (!m_bPlugged) {
            m_pFixture->plug(PagesFixture::DRIVE);
            m_bPlugged = true;
            return;
        }
        if (m_pPage->tabWidget()->count() != 4)
            return;
        m_pFixture->unplug();
        m_bPlugged = false;
        forgetRecords(m_pFixture);
        ++m_nDone;
        m_bMarkDue = m_nDone == 1 || m_nDone % 50 == 0 || m_nDone == m_nCycles;
    }

    PagesFixture* m_pFixture;
    ZeqAgentInfoWidget* m_pPage;
    QString m_sWhat;
    std::function<void()> m_done;
    int m_nCycles = 0;
    int m_nDone = 0;
    bool m_bPlugged = false;
    bool m_bMarkDue = false;
    QTimer m_timer;
};
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int nCycles = argc > 1 ? QByteArray(argv[1]).toInt() : 300;
    const int nWarmUp = argc > 2 ? QByteArray(argv[2]).toInt() : 20;
    PagesFixture fixture;
    if (!fixture.reset()) {
        std::fprintf(stderr, "sign-in against the fake service failed\n");
        return 1;
    }
    // Each sync box starts its sync soon, so the version box's check follows the sync's end.
    AgentTiming::set(AgentTiming::SYNC_AUTOSTART, 10);
    BoxOpener opener;
    DialogOpener::setInstance(&opener);
    QWidget window;
    window.resize(800, 493);
    ZeqAgentInfoWidget* pPage = new ZeqAgentInfoWidget(&window);
    window.show();
    settle();
    mark("signed in, no device:");

    // Every picture, font and style once, so what follows is what the box keeps.
    bool bWarm = false;
    Cycler warmUp(&fixture, pPage, "no box");
    warmUp.start(nWarmUp, [&bWarm] { bWarm = true; });
    if (!QTest::qWaitFor([&] { return bWarm; }, 600000)) {
        std::fprintf(stderr, "the cycles without a box did not end\n");
        return 1;
    }
    settle();
    const Mark warm = mark("no box, settled:");

    // The next arrival's page ends its sync and its version box opens the check by itself; the box waits
    // for OK while the device comes and goes.
    bool bCycled = false;
    Cycler cycler(&fixture, pPage, "box open");
    opener.m_bBox = true;
    opener.m_whileOpen = [&] {
        fixture.unplug();
        cycler.start(nCycles, [&bCycled] {
            bCycled = true;
            if (auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                pBox->accept();
        });
    };
    fixture.plug(PagesFixture::DRIVE);
    if (!QTest::qWaitFor([&] { return bCycled && !opener.m_bOpen; }, 1800000)) {
        std::fprintf(stderr, "the box did not open, or the cycles did not end (%d checks)\n",
                     opener.m_nChecks);
        return 1;
    }
    settle();
    const Mark closed = mark("box closed:");
    malloc_trim(0);
    const Mark trimmed = mark("free heap pages trimmed:");
    std::printf("\nwith the box open, %d cycles: resident %+.1f MiB (goal < 10), heap in use %+.1f MiB, "
                "widgets %+d\n",
                nCycles, cycler.m_atEnd.dMiB - cycler.m_atStart.dMiB,
                cycler.m_atEnd.dInUseMiB - cycler.m_atStart.dInUseMiB,
                cycler.m_atEnd.nWidgets - cycler.m_atStart.nWidgets);
    std::printf(
        "box closed, against before it opened: resident %+.1f MiB, heap in use %+.1f MiB, widgets %+d\n",
        closed.dMiB - warm.dMiB, closed.dInUseMiB - warm.dInUseMiB, closed.nWidgets - warm.nWidgets);
    std::printf("  the same once free heap pages are trimmed: resident %+.1f MiB\n",
                trimmed.dMiB - warm.dMiB);
    return 0;
}
