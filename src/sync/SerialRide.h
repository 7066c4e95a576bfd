#pragma once

#include <QByteArray>
#include <QVector>

#include <cstdint>

// One ride as a serial-family device sends it: a 56-byte header, the header's number of 40-byte laps,
// then its number of 32-byte track points, all little-endian. parse() takes what the bytes hold and never
// reads past them, so a short or damaged ride gives fewer laps or points, not a crash.
class SerialRide
{
public:
    enum { HEADER_SIZE = 56, LAP_SIZE = 40, POINT_SIZE = 32 };

    struct Header {
        int nYear = 0; // year minus 2000
        int nMonth = 0;
        int nDay = 0;
        int nHour = 0;
        int nMinute = 0;
        int nSecond = 0;
        quint16 nPointCount = 0;
        quint32 nDuration = 0; // tenths of a second
        quint32 nLength = 0;
        quint16 nLapCount = 0;
        quint16 nCalories = 0;
        qint32 nMaxSpeed = 0; // 1/360 of the speed written
        quint8 nMaxHeartRate = 0;
        quint8 nAvgHeartRate = 0;
        quint16 nTotalAscent = 0;
        quint16 nTotalDescent = 0;
        qint16 nMinAltitude = 0;
        qint16 nMaxAltitude = 0;
        quint16 nAvgCadence = 0;
        quint16 nMaxCadence = 0;
        quint16 nAvgPower = 0;
        quint16 nMaxPower = 0;
    };

    struct Lap {
        quint16 nFirst = 0; // index of the lap's first track point
        quint16 nLast = 0;  // index of its last track point, inclusive
    };

    struct Point {
        qint32 nLat = 0; // millionths of a degree
        qint32 nLon = 0;
        qint16 nElevation = 0;
        qint32 nSpeed = 0; // 1/360 of the speed written
        quint8 nHeartRate = 0;
        quint32 nTime = 0; // tenths of a second since the previous point
        quint16 nCadence = 0;
        quint16 nPower = 0;
        bool hasPosition() const { return nLat != 0 || nLon != 0; }
    };

    // False when the bytes do not even hold a header.
    bool parse(const QByteArray& data);
    // Why the bytes of a parsed ride do not add up to what its header announces (more or fewer laps or
    // points than it counts), or why its laps leave points out; empty for a whole ride. Only a whole ride
    // may become a finished GPX file: anything else would lose points once the device deletes the ride.
    QString defect(const QByteArray& data) const;
    // How many points the laps take in, walked as the GPX writer walks them: each index of each lap in
    // order, the next point in sequence for every index past the last one taken.
    int pointsInLaps() const;

    // Gives every run of points without a position the position of the first later point that has one,
    // or, for a run at the end, that of the point before it.
    void fillPositionless();

    Header m_header;
    QVector<Lap> m_laps;
    QVector<Point> m_points;

private:
    static Header parseHeader(const unsigned char* p);
    static Lap parseLap(const unsigned char* p);
    static Point parsePoint(const unsigned char* p);
};
