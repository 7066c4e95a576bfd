// A long serial-family ride at the real line rate: see bench/README.md.
#include "support/SerialDeviceSim.h"
#include "support/SerialRideScript.h"
#include "support/TestFolders.h"
#include "sync/ComRides.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // bench_serial [points] [baud] [points per frame]
    const int nPoints = argc > 1 ? QByteArray(argv[1]).toInt() : 3600;
    const int nBaud = argc > 2 ? QByteArray(argv[2]).toInt() : 57600;
    const int nPerFrame = argc > 3 ? QByteArray(argv[3]).toInt() : 200;
    TestFolders folders;
    SerialDeviceSim sim;
    if (!sim.start()) {
        std::printf("no pseudo-terminal\n");
        return 1;
    }
    SerialRideScript script(sim);
    SerialRideScript::Ride ride;
    ride.header.nDuration = quint32(nPoints) * 10;
    ride.header.nLength = quint32(nPoints) * 7;
    for (int i = 0; i < nPoints; ++i) {
        SerialRideScript::Point p;
        p.nLat = 52520000 + i;
        p.nLon = 13400000 + i;
        p.nTime = 10;
        ride.points.append(p);
    }
    ride.laps = {{0, quint16(nPoints - 1)}};
    ride.nId = 1;
    script.addRide(ride);
    script.setPointsPerFrame(nPerFrame);
    script.setBaud(nBaud);
    qint64 nRideBytes = 0;
    for (const QByteArray& frame : script.rideFrames(ride))
        nRideBytes += frame.size();

    ComRides rides(sim.portName());
    QElapsedTimer timer;
    timer.start();
    const bool bOk = rides.getTracks(folders.tempDir());
    const double dSeconds = timer.elapsed() / 1000.0;
    const double dLine = nBaud / 10.0; // bytes a second: start bit, 8 data bits, stop bit
    const double dRate = nRideBytes / dSeconds;
    std::printf("ride %d points, %lld bytes of frames, %s in %.2f s\n", nPoints, nRideBytes,
                bOk ? "fetched" : "FAILED", dSeconds);
    std::printf(
        "effective %.0f B/s against a line of %.0f B/s: %.1f %% (list, profile and pre-transfer exchanges "
        "included)\n",
        dRate, dLine, 100.0 * dRate / dLine);
    return bOk && QDir(folders.tempDir()).entryList({"*.gpx"}).size() == 1 ? 0 : 1;
}
