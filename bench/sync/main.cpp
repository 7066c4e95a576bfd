// Ride catalogues and a whole sync at scale: see bench/README.md.
#include "core/AgentSettings.h"
#include "core/WorkFile.h"
#include "platform/Platform.h"
#include "support/FakeShareService.h"
#include "support/FakeVolumeInfo.h"
#include "support/TestFolders.h"
#include "support/TestHttpServer.h"
#include "sync/GpxWriter.h"
#include "sync/SyncCatalogue.h"
#include "sync/SyncWorker.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cstdio>

namespace
{
// Peak and current resident memory of this process in MiB, from /proc.
double memoryMiB(const char* szKey)
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(szKey))
            return line.mid(int(qstrlen(szKey))).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// One ride of nPoints points, one a second, as the writer makes it for a serial-family device.
QByteArray rideTemplate(int nPoints)
{
    SerialRide ride;
    SerialRide::Header& h = ride.m_header;
    h.nYear = 12;
    h.nMonth = 3;
    h.nDay = 15;
    h.nHour = 8;
    h.nPointCount = quint16(qMin(nPoints, 65535));
    h.nDuration = quint32(nPoints) * 10;
    h.nLength = quint32(nPoints) * 7;
    h.nLapCount = 1;
    for (int i = 0; i < nPoints; ++i) {
        SerialRide::Point p;
        p.nLat = 52520000 + i * 7;
        p.nLon = 13400000 - i * 5;
        p.nElevation = qint16(30 + i % 50);
        p.nSpeed = 9000 + i % 700;
        p.nHeartRate = quint8(120 + i % 40);
        p.nTime = 10;
        p.nCadence = quint16(80 + i % 20);
        p.nPower = quint16(150 + i % 90);
        ride.m_points.append(p);
    }
    ride.m_laps.append({0, quint16(qMin(nPoints, 65535) - 1)});
    QByteArray profile(404, '\0');
    profile.replace(0, 5, "Bench");
    return GpxWriter::write(ride, profile);
}

// Ride number n: the template with its own name, so every file has its own hash.
bool writeRide(const QString& sFolder, const QByteArray& gpx, int n)
{
    const QByteArray name = QString::asprintf("%014d", n).toLatin1();
    QByteArray content = gpx;
    const int nAt = content.indexOf("<name>") + 6;
    content.replace(nAt, 14, name);
    return WorkFile::writeBytes(sFolder + "/" + QString::fromLatin1(name) + ".gpx", content);
}

struct Catalogued {
    double dSeconds;
    int nNodes;
};

Catalogued catalogue(const QString& sTracks, const QString& sTemp)
{
    QElapsedTimer timer;
    timer.start();
    QStringList rides;
    SyncCatalogue::scanGpxFilesRecursive(sTracks, rides);
    const QString sRcf = SyncCatalogue::doGenerateRCFFile(rides, sTemp + "/RCF.txt");
    return {timer.elapsed() / 1000.0, sRcf.count("\"o_hash\"")};
}

int runSync(const QString& sDrive, int nRides, int nPoints)
{
    TestHttpServer server;
    if (!server.start())
        return 1;
    // The service's answers without the fake's records of every call: memory here is the agent's.
    QString sList;
    server.setHandler([&sList](const TestHttpServer::Request& request) {
        const bool bCheck = request.body.contains("<getRouteSyncList");
        return TestHttpServer::Answer::ok(bCheck
                                              ? FakeShareService::soapAnswer("getRouteSyncList", sList)
                                              : FakeShareService::soapAnswer("uploadRec", "SUCCESS:S0001"));
    });
    AgentSettings().setValue("URL", "WebApi", server.url("/zazoziva/agent_v1/SyncService.php"));
    FakeVolumeInfo volumes;
    volumes.addVolume(sDrive);
    PlatformOverride platform;
    platform.setVolumes(&volumes);
    const QString sFolder = sDrive + "Korvo/Tracks/Profile1";
    QDir().mkpath(sFolder);
    const QByteArray gpx = rideTemplate(nPoints);
    for (int i = 0; i < nRides; ++i)
        writeRide(sFolder, gpx, 900000 + i);
    // The service wants every ride: one upload a ride.
    QStringList rides;
    SyncCatalogue::scanGpxFilesRecursive(sDrive + "Korvo/Tracks", rides);
    QJsonArray items;
    for (const QString& sPath : rides) {
        QString sHash;
        SyncCatalogue::doGenerateHash512(sPath, sHash);
        items.append(QJsonObject{{"o_action", "upload"}, {"o_hash", sHash}});
    }
    sList = QString::fromUtf8(QJsonDocument(items).toJson(QJsonDocument::Compact));

    int nFinal = 0;
    QString sText;
    auto run = [&](bool bCheck, const QString& sRequest) {
        nFinal = 0;
        auto* pWorker = new SyncWorker(nullptr);
        QObject::connect(pWorker, &SyncWorker::emitStatus, [&, pWorker](ACTION_STATUS e, QString s) {
            server.clearRequests(); // the test server keeps every request otherwise
            if (e != SYNC_PROCESS) {
                nFinal = int(e);
                sText = s;
                pWorker->deleteLater();
            }
        });
        QElapsedTimer timer;
        timer.start();
        if (bCheck)
            pWorker->checkSync(sRequest);
        else
            pWorker->synclist(sRequest);
        if (!QTest::qWaitFor([&] { return nFinal != 0; }, 3600 * 1000))
            nFinal = -1;
        return timer.elapsed() / 1000.0;
    };
    const double dCheck = run(
        true, QString("{\"type\":\"500\",\"mount\":\"%1\",\"session\":\"s\",\"user\":\"u\"}").arg(sDrive));
    std::printf("sync check   %5d rides: %8.2f s  status %d %s\n", nRides, dCheck, nFinal, qPrintable(sText));
    const double dQueue =
        run(false, QString("{\"type\":\"500\",\"drive\":\"%1\",\"session\":\"s\",\"user\":\"u\","
                           "\"kept\":\"true\"}")
                       .arg(sDrive));
    std::printf("sync queue   %5d rides: %8.2f s  %7.1f rides/s  status %d  peak %.0f MiB\n", nRides, dQueue,
                nRides / qMax(dQueue, 0.001), nFinal, memoryMiB("VmHWM:"));
    return nFinal == SYNC_SUCCESS ? 0 : 1;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // bench_sync [catalogue counts, comma-separated] [rides in the whole sync] [points per ride]
    const QStringList counts = QString(argc > 1 ? argv[1] : "100,1000,5000").split(',', Qt::SkipEmptyParts);
    const int nSyncRides = argc > 2 ? QByteArray(argv[2]).toInt() : 1000;
    const int nPoints = argc > 3 ? QByteArray(argv[3]).toInt() : 3600;
    TestFolders folders;
    const QString sTracks = folders.dataPath("catalogue/Korvo/Tracks");
    const QString sFolder = sTracks + "/Profile1";
    QDir().mkpath(sFolder);
    const QByteArray gpx = rideTemplate(nPoints);
    std::printf("ride file: %d points, %.2f MB\n", nPoints, gpx.size() / 1e6);

    int nWritten = 0;
    double dPrevious = 0;
    int nPrevious = 0;
    for (const QString& sCount : counts) {
        const int nCount = sCount.toInt();
        for (; nWritten < nCount; ++nWritten)
            writeRide(sFolder, gpx, nWritten);
        const Catalogued result = catalogue(sTracks, folders.tempDir());
        const double dPerRide = result.dSeconds * 1000.0 / qMax(1, nCount);
        std::printf("catalogue %5d rides: %8.3f s  %8.1f rides/s  %.3f ms/ride  nodes %d  peak %.0f MiB  now "
                    "%.0f MiB",
                    nCount, result.dSeconds, nCount / qMax(result.dSeconds, 0.001), dPerRide, result.nNodes,
                    memoryMiB("VmHWM:"), memoryMiB("VmRSS:"));
        if (nPrevious > 0)
            std::printf("  (x%.1f rides, x%.1f time)", double(nCount) / nPrevious,
                        result.dSeconds / qMax(dPrevious, 1e-6));
        std::printf("\n");
        dPrevious = result.dSeconds;
        nPrevious = nCount;
    }
    QDir(sTracks).removeRecursively();
    if (nSyncRides <= 0)
        return 0;
    return runSync(folders.dataPath("syncdrive/"), nSyncRides, nPoints);
}
