#include "SerialRide.h"

namespace
{
quint16 u16(const unsigned char* p)
{
    return quint16(p[0] | (p[1] << 8));
}

quint32 u32(const unsigned char* p)
{
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}
} // namespace

SerialRide::Header SerialRide::parseHeader(const unsigned char* p)
{
    Header h;
    h.nYear = p[0];
    h.nMonth = p[1];
    h.nDay = p[2];
    h.nHour = p[3];
    h.nMinute = p[4];
    h.nSecond = p[5];
    h.nPointCount = u16(p + 6);
    h.nDuration = u32(p + 8);
    h.nLength = u32(p + 12);
    h.nLapCount = u16(p + 16);
    h.nCalories = u16(p + 24);
    h.nMaxSpeed = qint32(u32(p + 28));
    h.nMaxHeartRate = p[32];
    h.nAvgHeartRate = p[33];
    h.nTotalAscent = u16(p + 34);
    h.nTotalDescent = u16(p + 36);
    h.nMinAltitude = qint16(u16(p + 38));
    h.nMaxAltitude = qint16(u16(p + 40));
    h.nAvgCadence = u16(p + 42);
    h.nMaxCadence = u16(p + 44);
    h.nAvgPower = u16(p + 46);
    h.nMaxPower = u16(p + 48);
    return h;
}

SerialRide::Lap SerialRide::parseLap(const unsigned char* p)
{
    Lap lap;
    lap.nFirst = u16(p + 36);
    lap.nLast = u16(p + 38);
    return lap;
}

SerialRide::Point SerialRide::parsePoint(const unsigned char* p)
{
    Point point;
    point.nLat = qint32(u32(p));
    point.nLon = qint32(u32(p + 4));
    point.nElevation = qint16(u16(p + 8));
    point.nSpeed = qint32(u32(p + 12));
    point.nHeartRate = p[16];
    point.nTime = u32(p + 20);
    point.nCadence = u16(p + 24);
    point.nPower = u16(p + 28);
    return point;
}

bool SerialRide::parse(const QByteArray& data)
{
    m_laps.clear();
    m_points.clear();
    if (data.size() < HEADER_SIZE)
        return false;
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData());
    m_header = parseHeader(p);
    const int nLapsEnd = HEADER_SIZE + m_header.nLapCount * LAP_SIZE;
    const int nLaps = qMin<int>(m_header.nLapCount, (data.size() - HEADER_SIZE) / LAP_SIZE);
    for (int i = 0; i < nLaps; ++i)
        m_laps.append(parseLap(p + HEADER_SIZE + i * LAP_SIZE));
    const int nRoom = data.size() > nLapsEnd ? (data.size() - nLapsEnd) / POINT_SIZE : 0;
    const int nPoints = qMin<int>(m_header.nPointCount, nRoom);
    m_points.reserve(nPoints);
    for (int i = 0; i < nPoints; ++i)
        m_points.append(parsePoint(p + nLapsEnd + i * POINT_SIZE));
    return true;
}

QString SerialRide::defect(const QByteArray& data) const
{
    const qint64 nWhole =
        HEADER_SIZE + qint64(m_header.nLapCount) * LAP_SIZE + qint64(m_header.nPointCount) * POINT_SIZE;
    if (data.size() != nWhole) {
        return QString("the header announces %1 laps and %2 points (%3 bytes), %4 bytes arrived")
            .arg(m_header.nLapCount)
            .arg(m_header.nPointCount)
            .arg(nWhole)
            .arg(data.size());
    }
    if (pointsInLaps() != m_points.size())
        return QString("its laps take in %1 of its %2 points").arg(pointsInLaps()).arg(m_points.size());
    return QString();
}

int SerialRide::pointsInLaps() const
{
    const int nPoints = m_points.size();
    int nLastTaken = -1;
    for (const Lap& lap : m_laps) {
        // Indexes up to the last point taken take nothing: start past them.
        for (int i = qMax(int(lap.nFirst), nLastTaken + 1); i <= int(lap.nLast) && nLastTaken + 1 < nPoints;
             ++i)
            ++nLastTaken;
    }
    return nLastTaken + 1;
}

void SerialRide::fillPositionless()
{
    const int nCount = m_points.size();
    int i = 0;
    while (i < nCount) {
        if (m_points.at(i).hasPosition()) {
            ++i;
            continue;
        }
        int nEnd = i; // one past the run
        while (nEnd < nCount && !m_points.at(nEnd).hasPosition())
            ++nEnd;
        const int nSource = nEnd < nCount ? nEnd : i - 1;
        if (nSource >= 0) {
            for (int k = i; k < nEnd; ++k) {
                m_points[k].nLat = m_points.at(nSource).nLat;
                m_points[k].nLon = m_points.at(nSource).nLon;
            }
        }
        i = nEnd;
    }
}
