#pragma once

#include "SerialRide.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Writes a serial-family ride as the GPX 1.1 file the sharing service knows: fixed lines ending CR LF,
// numbers in printf's C-locale formats. The service names a ride by the hash of the file's first 1499
// characters, so the bytes written here are an interface: change nothing that a plain ride would show.
class GpxWriter
{
public:
    enum { PROFILE_BLOCK_SIZE = 404, PROFILE_NAME_LIMIT = 300, PROFILE_TYPE_OFFSET = 300 };

    // The whole file for the ride and the device's user profile block (command 0x86; an empty or short
    // block reads as zeros: no profile name, type byte 0).
    static QByteArray write(SerialRide ride, const QByteArray& profileBlock);

    // "%04d%02d%02d%02d%02d%02d" of the device's local start time, as the file name (plus ".gpx") and the
    // track's name.
    static QString rideName(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond);
    // The UTC time of the moment nTenths tenths of a second after the ride's start, which the device gives
    // in the computer's local standard time (no daylight saving): "%4d-%02d-%02dT%02d:%02d:%02dZ".
    static QString toGpxTime(const SerialRide::Header& header, quint32 nTenths);

    // The profile name: the block's text up to its first NUL, UTF-8 when it is valid UTF-8 and Latin-1
    // otherwise, control characters dropped and &, < and > escaped, so the file stays well-formed XML.
    static QByteArray profileName(const QByteArray& profileBlock);
    static int trackType(const QByteArray& profileBlock);

private:
    static QDateTime localStart(const SerialRide::Header& header);
    static QString formatUtc(const QDateTime& local, int nOffset);

    struct Summary {
        qint32 nMinLat = 0;
        qint32 nMinLon = 0;
        qint32 nMaxLat = 0;
        qint32 nMaxLon = 0;
        int nMinHeartRate = 0;
        double dAvgGrade = 0;
        double dAvgSpeed = 0;
    };
    static Summary summarize(const SerialRide& ride);
    static void writeHead(QByteArray& out, const SerialRide& ride, const QByteArray& profileBlock);
    static void writeStatistics(QByteArray& out, const SerialRide& ride);
    static void writeLaps(QByteArray& out, const SerialRide& ride);
    static void writePoint(QByteArray& out, const SerialRide::Point& point, const QString& sTime);
};
