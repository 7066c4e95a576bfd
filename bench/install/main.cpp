// The install dialog over a whole device-plus-map install against the workers alone: see bench/README.md.
#include "controller/ZeqAgentCtrlMgr.h"
#include "core/AgentFolders.h"
#include "core/AgentTiming.h"
#include "core/WorkFile.h"
#include "platform/ArchiveTool.h"
#include "platform/Platform.h"
#include "platform/VolumeInfo.h"
#include "support/FakeDeviceNotices.h"
#include "support/FakeSerialPorts.h"
#include "support/NginxFixture.h"
#include "support/RecordingNotifier.h"
#include "support/SystemTools.h"
#include "support/TestFolders.h"
#include "ui/main/AgentResources.h"
#include "ui/update/InstallUpdateDialog.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace
{
const qint64 MB = 1048576;

// The device drive is a folder: its free space is that of the file system it lives on, so the dialog's
// poll follows the unpacking for real. No volume is listed, so the device watch finds nothing itself.
class FolderVolumes : public VolumeInfo
{
public:
    QStringList volumeRoots() const override { return {}; }
    QString volumeLabel(const QString&) const override { return "ZEQ_SYSTEM"; }
    bool freeSpace(const QString& sRoot, quint64* pnBytes) const override
    {
        const QStorageInfo storage(sRoot);
        if (!storage.isValid())
            return false;
        *pnBytes = quint64(storage.bytesFree());
        return true;
    }
    bool volumeSpace(const QString& sRoot, VolumeSpace* pSpace) const override
    {
        const QStorageInfo storage(sRoot);
        if (!storage.isValid() || storage.blockSize() <= 0)
            return false;
        pSpace->nFreeBytes = quint64(storage.bytesFree());
        pSpace->nUnit = quint64(storage.blockSize());
        pSpace->bFileLimit = false;
        return true;
    }
};

// The longest lateness of a 10 ms timer: how long the GUI thread was kept from its event loop.
// The stall is named by the last result the windows heard before it ("87 a_OSM.zip 0": a map's unpack
// started).
class StallMeter : public QObject
{
public:
    void start()
    {
        m_nLongest = 0;
        m_sWhere.clear();
        m_sLast = "start";
        m_clock.start();
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.start(10);
    }
    void stop() { m_timer.stop(); }
    qint64 longest() const { return m_nLongest; }
    QString where() const { return m_sWhere; }

    StallMeter()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 nLate = m_clock.restart() - 10;
            if (nLate > m_nLongest) {
                m_nLongest = nLate;
                m_sWhere = m_sLast;
            }
        });
        connect(ZeqAgentCtrlMgr::getInstance(), &ZeqAgentCtrlMgr::actionFinish, this,
                [this](ACTION_STATUS status, QString sResult) {
                    m_sLast = QString("%1 %2 %3")
                                  .arg(int(status))
                                  .arg(sResult.section('"', 3, 3), sResult.section('"', 7, 7));
                });
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_nLongest = 0;
    QString m_sLast;
    QString m_sWhere;
};

struct Run {
    double dSeconds = 0;
    qint64 nStallMs = 0;
    QString sStallAfter;
    int nFinal = 0;
};

QByteArray noise(qint64 nSize, quint32 nSeed)
{
    QRandomGenerator random(nSeed);
    QByteArray data(int(nSize), Qt::Uninitialized);
    auto* pWords = reinterpret_cast<quint32*>(data.data());
    random.fillRange(pWords, int(nSize / 4));
    return data;
}

bool makeStoredZip(const QString& sZip, const QString& sSourceDir)
{
    QString sWhy;
    QStringList args = {"a", "-tzip", "-mx0", sZip};
    for (const QString& sMember : QDir(sSourceDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        args << sSourceDir + "/" + sMember;
    if (!SystemTools::run(ArchiveTool::findProgram(QString()), args, &sWhy)) {
        std::fprintf(stderr, "7z failed: %s\n", qPrintable(sWhy));
        return false;
    }
    return true;
}

QString md5Of(const QString& sPath)
{
    QFile file(sPath);
    QCryptographicHash md5(QCryptographicHash::Md5);
    if (!file.open(QIODevice::ReadOnly) || !md5.addData(&file))
        return QString();
    return QString::fromLatin1(md5.result().toHex());
}

class Bench
{
public:
    Bench(const QString& sDir, qint64 nDeviceMB, qint64 nMapMB)
        : m_sDir(sDir), m_nDeviceMB(nDeviceMB), m_nMapMB(nMapMB)
    {
    }

    bool prepare()
    {
        const QString sStage = m_sDir + "/stage";
        if (!TestFolders::writeFile(sStage + "/app/Korvo/Program/program.bin", noise(m_nDeviceMB * MB, 1)) ||
            !TestFolders::writeFile(sStage + "/a/OSM/a.img", noise(m_nMapMB * MB, 2)) ||
            !TestFolders::writeFile(sStage + "/c/TeleAtlas/ta.img", noise(m_nMapMB * MB, 3)))
            return false;
        const QString sServed = m_sDir + "/served";
        QDir().mkpath(sServed);
        if (!makeStoredZip(sServed + "/App_1.zip", sStage + "/app") ||
            !makeStoredZip(sServed + "/a_OSM.zip", sStage + "/a") ||
            !makeStoredZip(sServed + "/c_TeleAtlas.zip", sStage + "/c"))
            return false;
        QDir(sStage).removeRecursively();
        if (!m_nginx.start(sServed)) {
            std::fprintf(stderr, "nginx: %s\n", qPrintable(m_nginx.errorString()));
            return false;
        }
        const QString sApp = sServed + "/App_1.zip";
        m_deviceRows = {{"APPLICATION", "2026-01-02", "103", QString::number(QFileInfo(sApp).size()),
                         m_nginx.url("/App_1.zip"), "notes"}};
        for (const QString& sName : {QString("a_OSM.zip"), QString("c_TeleAtlas.zip")}) {
            const QString sPath = sServed + "/" + sName;
            m_mapRows.append({"BugFixMapUpdate", "3.5", QString::number(QFileInfo(sPath).size()),
                              "2026-02-03 04:05:06", sName.contains("OSM") ? "OSM-EU" : "TA-EU", "7",
                              m_nginx.url("/" + sName), md5Of(sPath), "http://notes/", "0", ""});
        }
        m_sDrive = m_sDir + "/drive/";
        return true;
    }

    // Fresh work lists, no package left from the run before, an empty device.
    bool reset()
    {
        QDir(AgentFolders::tempDir()).removeRecursively();
        QDir(m_sDrive).removeRecursively();
        return QDir().mkpath(AgentFolders::tempDir()) && QDir().mkpath(m_sDrive + "KORVO/Map") &&
               WorkFile::writeRows(AgentFolders::tempPath("Update.script"), m_deviceRows) &&
               WorkFile::writeRows(AgentFolders::tempPath("map.script"), m_mapRows);
    }

    void plug()
    {
        Worker::DEVINFOEX device;
        device.bArrival = true;
        device.type = Worker::FAMILY_DRIVE;
        device.devInfo.sUUID = "BENCH";
        device.devInfo.sSkuID = "1";
        device.devInfo.sHWName = "Wendo 500";
        device.lstDrive = QStringList{m_sDrive, m_sDir + "/data/"};
        ZeqAgentCtrlMgr::getInstance()->notityWendoDev(device);
    }

    Run workersAlone()
    {
        Run run;
        ZeqAgentCtrlMgr* pCtrl = ZeqAgentCtrlMgr::getInstance();
        QEventLoop loop;
        auto connection = QObject::connect(
            pCtrl, &ZeqAgentCtrlMgr::actionFinish, &loop, [&](ACTION_STATUS status, QString) {
                if (status == INSTALLUPDATE_SUCCESS) {
                    pCtrl->installMapUpdate(
                        QString(R"({"drive":"%1","model":"Wendo 500","sku":"1","uuid":"BENCH"})")
                            .arg(m_sDrive));
                } else if (status == MAP_INSTALLSUCCESS || status == DEVICE_REQUESTERROR ||
                           status == DEVICE_UNZIPERROR || status == MAP_REQUESTERROR ||
                           status == MAP_UNZIPERROR || status == MAP_SIZENOTENOUGH) {
                    run.nFinal = status;
                    loop.quit();
                }
            });
        StallMeter meter;
        QElapsedTimer clock;
        clock.start();
        meter.start();
        pCtrl->installDeviceUpdate(QString(R"({"drive":"%1"})").arg(m_sDrive), false);
        loop.exec();
        run.dSeconds = clock.nsecsElapsed() / 1e9;
        meter.stop();
        run.nStallMs = meter.longest();
        run.sStallAfter = meter.where();
        QObject::disconnect(connection);
        return run;
    }

    Run throughTheDialog(RecordingNotifier& notifier)
    {
        Run run;
        StallMeter meter;
        QElapsedTimer clock;
        clock.start();
        meter.start();
        {
            InstallUpdateDialog dialog(false, false, nullptr);
            dialog.exec();
        }
        run.dSeconds = clock.nsecsElapsed() / 1e9;
        meter.stop();
        run.nStallMs = meter.longest();
        run.sStallAfter = meter.where();
        run.nFinal = notifier.m_notices.isEmpty() ? 0 : 1;
        return run;
    }

private:
    QString m_sDir;
    qint64 m_nDeviceMB;
    qint64 m_nMapMB;
    NginxFixture m_nginx;
    QList<WorkFile::Row> m_deviceRows;
    QList<WorkFile::Row> m_mapRows;
    QString m_sDrive;
};

void usage()
{
    std::fprintf(stderr, "bench_install [--device-mb N] [--map-mb N] [--rounds N] [--dir PATH]\n");
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qint64 nDeviceMB = 64;
    qint64 nMapMB = 256;
    int nRounds = 2;
    QString sParent = QDir::tempPath();
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString sValue = args.value(i + 1);
        if (args[i] == "--device-mb" && i + 1 < args.size())
            nDeviceMB = sValue.toLongLong(), ++i;
        else if (args[i] == "--map-mb" && i + 1 < args.size())
            nMapMB = sValue.toLongLong(), ++i;
        else if (args[i] == "--rounds" && i + 1 < args.size())
            nRounds = sValue.toInt(), ++i;
        else if (args[i] == "--dir" && i + 1 < args.size())
            sParent = sValue, ++i;
        else {
            usage();
            return 2;
        }
    }
    if (ArchiveTool::findProgram(QString()).isEmpty() || !NginxFixture::isAvailable()) {
        std::fprintf(stderr, "needs 7-Zip and nginx\n");
        return 1;
    }
    QTemporaryDir dir(sParent + "/bench_install-XXXXXX");
    TestFolders folders(false);
    FolderVolumes volumes;
    FakeSerialPorts ports;
    PlatformOverride platform;
    platform.setVolumes(&volumes);
    platform.setSerialPorts(&ports);
    platform.setDeviceNotices([] { return std::unique_ptr<DeviceNotices>(new FakeDeviceNotices()); });
    RecordingNotifier notifier;
    AgentResources::init();
    AgentTiming::set(AgentTiming::WELCOME_PAUSE, 0);
    ZeqAgentCtrlMgr::getInstance();
    Bench bench(dir.path(), nDeviceMB, nMapMB);
    std::printf("preparing: a device package of %lld MiB and two map archives of %lld MiB each\n", nDeviceMB,
                nMapMB);
    if (!bench.prepare())
        return 1;
    bench.plug();
    Run bestWorkers, bestDialog;
    bestWorkers.dSeconds = bestDialog.dSeconds = 1e9;
    qint64 nWorstWorkers = 0;
    qint64 nWorstDialog = 0;
    for (int nRound = 0; nRound < nRounds; ++nRound) {
        if (!bench.reset())
            return 1;
        const Run workers = bench.workersAlone();
        notifier.m_notices.clear();
        if (!bench.reset())
            return 1;
        const Run dialog = bench.throughTheDialog(notifier);
        std::printf("round %d: workers alone %.2f s (end %d; longest stall %lld ms, after \"%s\")\n",
                    nRound + 1, workers.dSeconds, workers.nFinal, workers.nStallMs,
                    qPrintable(workers.sStallAfter));
        std::printf(
            "         through the dialog %.2f s (box \"%s...\"; longest stall %lld ms, after \"%s\")\n",
            dialog.dSeconds,
            notifier.m_notices.isEmpty() ? "none" : qPrintable(notifier.m_notices.first().sText.left(22)),
            dialog.nStallMs, qPrintable(dialog.sStallAfter));
        nWorstWorkers = qMax(nWorstWorkers, workers.nStallMs);
        nWorstDialog = qMax(nWorstDialog, dialog.nStallMs);
        if (workers.dSeconds < bestWorkers.dSeconds)
            bestWorkers = workers;
        if (dialog.dSeconds < bestDialog.dSeconds)
            bestDialog = dialog;
    }
    std::printf("best: workers alone %.2f s, through the dialog %.2f s, ratio dialog/workers %.2f\n",
                bestWorkers.dSeconds, bestDialog.dSeconds, bestDialog.dSeconds / bestWorkers.dSeconds);
    std::printf(
        "longest GUI-thread stall over all rounds: workers alone %lld ms, through the dialog %lld ms\n",
        nWorstWorkers, nWorstDialog);
    return 0;
}
