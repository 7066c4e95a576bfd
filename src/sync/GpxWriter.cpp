#include "GpxWriter.h"

#include <QDateTime>
#include <QTextCodec>
#include <QTimeZone>

namespace
{
const char* const CREATOR = "ZEQ Wendo - http://www.zeqwendo.example/wendo/";

void line(QByteArray& out, const QString& sText)
{
    out += sText.toUtf8();
    out += "\r\n";
}

QString fixed6(double dValue)
{
    return QString::asprintf("%.6f", dValue);
}

// The local standard-time offset in seconds at the given moment (daylight saving never applied).
int standardOffset(const QDateTime& utc)
{
    return QTimeZone::systemTimeZone().standardTimeOffset(utc);
}
} // namespace

QString GpxWriter::rideName(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond)
{
    return QString::asprintf("%04d%02d%02d%02d%02d%02d", nYear, nMonth, nDay, nHour, nMinute, nSecond);
}

QString GpxWriter::toGpxTime(const SerialRide::Header& header, quint32 nTenths)
{
    const QDateTime local = localStart(header).addSecs(nTenths / 10);
    return formatUtc(local, standardOffset(local));
}

QDateTime GpxWriter::localStart(const SerialRide::Header& header)
{
    // Out-of-range fields carry over as the calendar does, so a damaged header still gives a time.
    const QDate date = QDate(2000 + header.nYear, 1, 1).addMonths(header.nMonth - 1).addDays(header.nDay - 1);
    const qint64 nSeconds = qint64(header.nHour) * 3600 + header.nMinute * 60 + header.nSecond;
    return QDateTime(date, QTime(0, 0), Qt::UTC).addSecs(nSeconds);
}

QString GpxWriter::formatUtc(const QDateTime& local, int nOffset)
{
    const QDateTime utc = local.addSecs(-nOffset);
    const QDate d = utc.date();
    const QTime t = utc.time();
    return QString::asprintf("%4d-%02d-%02dT%02d:%02d:%02dZ", d.year(), d.month(), d.day(), t.hour(),
                             t.minute(), t.second());
}

QByteArray GpxWriter::profileName(const QByteArray& profileBlock)
{
    QByteArray raw = profileBlock.left(PROFILE_NAME_LIMIT);
    const int nNul = raw.indexOf('\0');
    if (nNul >= 0)
        raw.truncate(nNul);
    QTextCodec::ConverterState state;
    QString sName = QTextCodec::codecForName("UTF-8")->toUnicode(raw.constData(), raw.size(), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0)
        sName = QString::fromLatin1(raw);
    QString sOut;
    for (const QChar c : sName) {
        if (c.unicode() < 0x20)
            continue;
        if (c == '&')
            sOut += QLatin1String("&amp;");
        else if (c == '<')
            sOut += QLatin1String("&lt;");
        else if (c == '>')
            sOut += QLatin1String("&gt;");
        else
            sOut += c;
    }
    return sOut.toUtf8();
}

int GpxWriter::trackType(const QByteArray& profileBlock)
{
    const int nByte = profileBlock.size() > PROFILE_TYPE_OFFSET
                          ? static_cast<unsigned char>(profileBlock.at(PROFILE_TYPE_OFFSET))
                          : 0;
    return (nByte + 2) % 3;
}

GpxWriter::Summary GpxWriter::summarize(const SerialRide& ride)
{
    Summary s;
    const SerialRide::Header& h = ride.m_header;
    if (!ride.m_points.isEmpty()) {
        s.nMinLat = s.nMaxLat = ride.m_points.first().nLat;
        s.nMinLon = s.nMaxLon = ride.m_points.first().nLon;
    }
    for (const SerialRide::Point& p : ride.m_points) {
        s.nMinLat = qMin(s.nMinLat, p.nLat);
        s.nMaxLat = qMax(s.nMaxLat, p.nLat);
        s.nMinLon = qMin(s.nMinLon, p.nLon);
        s.nMaxLon = qMax(s.nMaxLon, p.nLon);
        if (p.nHeartRate != 0 && (s.nMinHeartRate == 0 || p.nHeartRate < s.nMinHeartRate))
            s.nMinHeartRate = p.nHeartRate;
    }
    const int nClimb = int(h.nTotalAscent) - int(h.nTotalDescent);
    s.dAvgGrade = h.nLength != 0 ? 100.0 * nClimb / double(h.nLength) : 0.0;
    s.dAvgSpeed = h.nDuration != 0 ? 10.0 * double(h.nLength) / double(h.nDuration) : 0.0;
    return s;
}

QByteArray GpxWriter::write(SerialRide ride, const QByteArray& profileBlock)
{
    ride.fillPositionless();
    QByteArray out;
    out.reserve(1600 + ride.m_points.size() * 330);
    writeHead(out, ride, profileBlock);
    writeStatistics(out, ride);
    writeLaps(out, ride);
    line(out, "  </trk>");
    line(out, "</gpx>");
    return out;
}

void GpxWriter::writeHead(QByteArray& out, const SerialRide& ride, const QByteArray& profileBlock)
{
    const SerialRide::Header& h = ride.m_header;
    const QString sStart = toGpxTime(h, 0);
    line(out, "<?xml version=\"1.0\"?>");
    line(out, QString("<gpx version=\"1.1\" creator=\"%1\">").arg(QLatin1String(CREATOR)));
    line(out, "  <metadata>");
    line(out, "  <time>" + sStart + "</time>");
    line(out, "  </metadata>");
    line(out, "  <trk>");
    line(out,
         "  <name>" + rideName(2000 + h.nYear, h.nMonth, h.nDay, h.nHour, h.nMinute, h.nSecond) + "</name>");
    line(out, QString::asprintf("    <type>%d</type>", trackType(profileBlock)));
    line(out, "    <desc></desc>");
    line(out, "    <cmt></cmt>");
    line(out, "    <extensions>");
    out += "    <profile>" + profileName(profileBlock) + "</profile>\r\n";
    line(out, "    <time>" + sStart + "</time>");
}

void GpxWriter::writeStatistics(QByteArray& out, const SerialRide& ride)
{
    const SerialRide::Header& h = ride.m_header;
    const Summary s = summarize(ride);
    line(out, QString::asprintf("    <length>%d</length>", int(h.nLength)));
    line(out, QString::asprintf("    <timelength>%d</timelength>", int(h.nDuration / 10)));
    line(out, "    <minlat>" + fixed6(s.nMinLat / 1000000.0) + "</minlat>");
    line(out, "    <minlon>" + fixed6(s.nMinLon / 1000000.0) + "</minlon>");
    line(out, "    <maxlat>" + fixed6(s.nMaxLat / 1000000.0) + "</maxlat>");
    line(out, "    <maxlon>" + fixed6(s.nMaxLon / 1000000.0) + "</maxlon>");
    line(out, "    <avgspeed>" + fixed6(s.dAvgSpeed) + "</avgspeed>");
    line(out, "    <maxspeed>" + fixed6(h.nMaxSpeed / 360.0) + "</maxspeed>");
    line(out, "    <minacceleration></minacceleration>");
    line(out, "    <maxacceleration></maxacceleration>");
    line(out, QString::asprintf("    <minaltitude>%d</minaltitude>", int(h.nMinAltitude)));
    line(out, QString::asprintf("    <maxaltitude>%d</maxaltitude>", int(h.nMaxAltitude)));
    line(out, QString::asprintf("    <totalascent>%d</totalascent>", int(h.nTotalAscent)));
    line(out, QString::asprintf("    <totaldescent>%d</totaldescent>", int(h.nTotalDescent)));
    line(out, QString::asprintf("    <calories>%d</calories>", int(h.nCalories)));
    line(out, "    <avggrade>" + fixed6(s.dAvgGrade) + "</avggrade>");
    line(out, QString::asprintf("    <avgcadence>%d</avgcadence>", int(h.nAvgCadence)));
    line(out, QString::asprintf("    <maxcadence>%d</maxcadence>", int(h.nMaxCadence)));
    line(out, QString::asprintf("    <avgheartrate>%d</avgheartrate>", int(h.nAvgHeartRate)));
    line(out, QString::asprintf("    <minheartrate>%d</minheartrate>", s.nMinHeartRate));
    line(out, QString::asprintf("    <maxheartrate>%d</maxheartrate>", int(h.nMaxHeartRate)));
    line(out, QString::asprintf("    <maximumpower>%d</maximumpower>", int(h.nMaxPower)));
    line(out, QString::asprintf("    <averagepower>%d</averagepower>", int(h.nAvgPower)));
    line(out, "    </extensions>");
}

void GpxWriter::writeLaps(QByteArray& out, const SerialRide& ride)
{
    const int nPoints = ride.m_points.size();
    const QDateTime start = localStart(ride.m_header);
    // The zone's standard offset is looked up once: it does not change within a ride.
    const int nZoneOffset = standardOffset(start);
    int nLastWritten = -1;
    quint32 nOffset = 0; // tenths of a second since the start
    for (const SerialRide::Lap& lap : ride.m_laps) {
        line(out, "    <trkseg>");
        // Each point is written once, in order; a point index shared by two laps goes with the first.
        // Indexes up to the last point written write nothing: start past them, so laps that repeat a
        // long range cost no time.
        for (int i = qMax(int(lap.nFirst), nLastWritten + 1);
             i <= int(lap.nLast) && nLastWritten + 1 < nPoints; ++i) {
            const int k = ++nLastWritten;
            writePoint(out, ride.m_points.at(k), formatUtc(start.addSecs(nOffset / 10), nZoneOffset));
            if (k + 1 < nPoints)
                nOffset += ride.m_points.at(k + 1).nTime;
        }
        line(out, "    </trkseg>");
    }
}

void GpxWriter::writePoint(QByteArray& out, const SerialRide::Point& p, const QString& sTime)
{
    line(out,
         QString::asprintf("   <trkpt lat=\"%.6f\" lon=\"%.6f\">", p.nLat / 1000000.0, p.nLon / 1000000.0));
    line(out, QString::asprintf("   <ele>%.1f</ele>", double(p.nElevation)));
    line(out, "   <time>" + sTime + "</time>");
    line(out, "   <extensions>");
    line(out, "   <speed>" + fixed6(p.nSpeed / 360.0) + "</speed>");
    line(out, "   <course></course>");
    line(out, "   <acceleration></acceleration>");
    line(out, QString::asprintf("   <cadence>%d</cadence>", int(p.nCadence)));
    line(out, QString::asprintf("   <heartrate>%d</heartrate>", int(p.nHeartRate)));
    line(out, QString::asprintf("   <power>%d</power>", int(p.nPower)));
    line(out, "   </extensions>");
    line(out, "   </trkpt>");
}
