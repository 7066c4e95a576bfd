#include "SerialRideScript.h"

namespace
{
void put16(QByteArray& out, int nOffset, quint32 nValue)
{
    out[nOffset] = char(nValue & 0xFF);
    out[nOffset + 1] = char((nValue >> 8) & 0xFF);
}

void put32(QByteArray& out, int nOffset, quint32 nValue)
{
    put16(out, nOffset, nValue & 0xFFFF);
    put16(out, nOffset + 2, nValue >> 16);
}

// Laps and points frames: 18 unused bytes, first and last record index, kind, one unused byte, records.
QByteArray recordFrame(unsigned char cKind, int nFirst, const QList<QByteArray>& records)
{
    QByteArray payload(24, '\0');
    put16(payload, 18, quint32(nFirst));
    put16(payload, 20, quint32(nFirst + records.size() - 1));
    payload[22] = char(cKind);
    for (const QByteArray& record : records)
        payload += record;
    return SerialDeviceSim::replyFrame(0x80, payload);
}
} // namespace

struct SerialRideScript::State {
    QMutex mutex;
    QList<Ride> rides;
    QByteArray profile = QByteArray(404, '\0');
    int nPointsPerFrame = 200;
    bool bMerged = false;
    int nBaud = 0;
    QList<quint16> deleted;
    // The download under way.
    QList<QByteArray> frames;
    int nNext = 0;
    int nAcksOwed = 0;
    int nSilentAfter = -1;
    Ride::Fault eFault = Ride::FAULT_SILENCE;
};

SerialRideScript::SerialRideScript(SerialDeviceSim& sim) : m_pState(std::make_shared<State>())
{
    // The handlers run in the sim's thread and share the state, so they stay valid after this object.
    const std::shared_ptr<State> pState = m_pState;
    sim.setHandler(0x78, [pState](const QByteArray&) { return rideList(*pState); });
    sim.setHandler(0x75, [pState](const QByteArray&) {
        return paced(*pState, SerialDeviceSim::replyFrame(0x75, QByteArray(2, '\0')));
    });
    sim.setHandler(0x86, [pState](const QByteArray&) {
        QMutexLocker lock(&pState->mutex);
        return SerialDeviceSim::Reply{{0, SerialDeviceSim::replyFrame(0x86, pState->profile)}};
    });
    sim.setHandler(0x80, [pState](const QByteArray& params) { return startDownload(*pState, params); });
    sim.setHandler(0x81, [pState](const QByteArray&) { return nextFrames(*pState); });
    sim.setHandler(0x79, [pState](const QByteArray& params) { return deleteRide(*pState, params); });
}

void SerialRideScript::addRide(const Ride& ride)
{
    QMutexLocker lock(&m_pState->mutex);
    m_pState->rides.append(ride);
}

void SerialRideScript::setProfile(const QString& sName, int nTypeByte)
{
    QByteArray block(404, '\0');
    const QByteArray name = sName.toUtf8().left(299);
    block.replace(0, name.size(), name);
    block[300] = char(nTypeByte);
    setProfileBlock(block);
}

void SerialRideScript::setProfileBlock(const QByteArray& block)
{
    QMutexLocker lock(&m_pState->mutex);
    m_pState->profile = block;
}

void SerialRideScript::setPointsPerFrame(int nCount)
{
    QMutexLocker lock(&m_pState->mutex);
    m_pState->nPointsPerFrame = qMax(1, nCount);
}

void SerialRideScript::setMergedFrames(bool bMerged)
{
    QMutexLocker lock(&m_pState->mutex);
    m_pState->bMerged = bMerged;
}

void SerialRideScript::setBaud(int nBaud)
{
    QMutexLocker lock(&m_pState->mutex);
    m_pState->nBaud = nBaud;
}

int SerialRideScript::rideCount() const
{
    QMutexLocker lock(&m_pState->mutex);
    return m_pState->rides.size();
}

QList<quint16> SerialRideScript::deletedIds() const
{
    QMutexLocker lock(&m_pState->mutex);
    return m_pState->deleted;
}

QByteArray SerialRideScript::encodeHeader(const Header& h, int nPoints, int nLaps)
{
    QByteArray out(56, '\0');
    const int date[] = {h.nYear, h.nMonth, h.nDay, h.nHour, h.nMinute, h.nSecond};
    for (int i = 0; i < 6; ++i)
        out[i] = char(date[i]);
    put16(out, 6, quint32(nPoints));
    put32(out, 8, h.nDuration);
    put32(out, 12, h.nLength);
    put16(out, 16, quint32(nLaps));
    put16(out, 24, h.nCalories);
    put32(out, 28, quint32(h.nMaxSpeed));
    out[32] = char(h.nMaxHeartRate);
    out[33] = char(h.nAvgHeartRate);
    put16(out, 34, h.nAscent);
    put16(out, 36, h.nDescent);
    put16(out, 38, quint16(h.nMinAltitude));
    put16(out, 40, quint16(h.nMaxAltitude));
    put16(out, 42, h.nAvgCadence);
    put16(out, 44, h.nMaxCadence);
    put16(out, 46, h.nAvgPower);
    put16(out, 48, h.nMaxPower);
    return out;
}

QByteArray SerialRideScript::encodeLap(const Lap& lap)
{
    QByteArray out(40, '\0');
    put16(out, 36, lap.nFirst);
    put16(out, 38, lap.nLast);
    return out;
}

QByteArray SerialRideScript::encodePoint(const Point& p)
{
    QByteArray out(32, '\0');
    put32(out, 0, quint32(p.nLat));
    put32(out, 4, quint32(p.nLon));
    put16(out, 8, quint16(p.nElevation));
    put32(out, 12, quint32(p.nSpeed));
    out[16] = char(p.nHeartRate);
    put32(out, 20, p.nTime);
    put16(out, 24, p.nCadence);
    put16(out, 28, p.nPower);
    return out;
}

QList<QByteArray> SerialRideScript::rideFrames(const Ride& ride) const
{
    QMutexLocker lock(&m_pState->mutex);
    return framesOf(ride, m_pState->nPointsPerFrame);
}

QList<QByteArray> SerialRideScript::framesOf(const Ride& ride, int nPerFrame)
{
    QList<QByteArray> frames;
    const int nPoints = ride.nAnnouncedPoints >= 0 ? ride.nAnnouncedPoints : ride.points.size();
    const int nLaps = ride.nAnnouncedLaps >= 0 ? ride.nAnnouncedLaps : ride.laps.size();
    frames.append(SerialDeviceSim::replyFrame(0x80, encodeHeader(ride.header, nPoints, nLaps)));
    QList<QByteArray> laps;
    for (const Lap& lap : ride.laps)
        laps.append(encodeLap(lap));
    for (int i = 0; i < laps.size(); i += 100)
        frames.append(recordFrame(0xAA, i, laps.mid(i, 100)));
    QList<QByteArray> points;
    for (const Point& point : ride.points)
        points.append(encodePoint(point));
    for (int i = 0; i < points.size(); i += nPerFrame)
        frames.append(recordFrame(0x55, i, points.mid(i, nPerFrame)));
    frames.append(SerialDeviceSim::replyFrame(0x8A, QByteArray()));
    return frames;
}

SerialDeviceSim::Reply SerialRideScript::rideList(State& state)
{
    QByteArray payload;
    {
        QMutexLocker lock(&state.mutex);
        for (const Ride& ride : state.rides) {
            QByteArray entry(24, '\0');
            const Header& h = ride.header;
            const int date[] = {h.nYear, h.nMonth, h.nDay, h.nHour, h.nMinute, h.nSecond};
            for (int i = 0; i < 6; ++i)
                entry[i] = char(date[i]);
            entry[18] = char(ride.nId & 0xFF);
            entry[19] = char(ride.nId >> 8);
            payload += entry;
        }
    }
    return paced(state, SerialDeviceSim::replyFrame(0x78, payload));
}

SerialDeviceSim::Reply SerialRideScript::startDownload(State& state, const QByteArray& params)
{
    const quint16 nId = params.size() >= 4 ? quint16(quint8(params[2]) | (quint8(params[3]) << 8)) : 0;
    Ride ride;
    bool bFound = false;
    {
        QMutexLocker lock(&state.mutex);
        for (const Ride& candidate : qAsConst(state.rides)) {
            if (candidate.nId == nId) {
                ride = candidate;
                bFound = true;
                break;
            }
        }
    }
    if (!bFound)
        return SerialDeviceSim::Reply();
    {
        QMutexLocker lock(&state.mutex);
        const QList<QByteArray> frames = framesOf(ride, state.nPointsPerFrame);
        state.frames = frames;
        state.nNext = 0;
        state.nAcksOwed = 0;
        state.nSilentAfter = ride.nSilentAfterFrames;
        state.eFault = ride.eFault;
    }
    return nextFrames(state);
}

SerialDeviceSim::Reply SerialRideScript::nextFrames(State& state)
{
    QByteArray bytes;
    {
        QMutexLocker lock(&state.mutex);
        State& s = state;
        if (s.nAcksOwed > 0 && --s.nAcksOwed > 0)
            return SerialDeviceSim::Reply(); // the second frame of a merged pair is still to be acknowledged
        const int nBurst = s.bMerged ? 2 : 1;
        for (int i = 0; i < nBurst && s.nNext < s.frames.size(); ++i) {
            if (s.nSilentAfter >= 0 && s.nNext >= s.nSilentAfter) {
                // Unplugged, or gone wrong: the fault once, then nothing more.
                bytes += faultBytes(s.eFault);
                s.eFault = Ride::FAULT_SILENCE;
                break;
            }
            bytes += s.frames.at(s.nNext++);
            ++s.nAcksOwed;
        }
    }
    return bytes.isEmpty() ? SerialDeviceSim::Reply() : paced(state, bytes);
}

SerialDeviceSim::Reply SerialRideScript::deleteRide(State& state, const QByteArray& params)
{
    const quint16 nId = params.size() >= 4 ? quint16(quint8(params[2]) | (quint8(params[3]) << 8)) : 0;
    QMutexLocker lock(&state.mutex);
    for (int i = 0; i < state.rides.size(); ++i) {
        if (state.rides.at(i).nId == nId) {
            state.rides.removeAt(i);
            state.deleted.append(nId);
            break;
        }
    }
    return SerialDeviceSim::Reply();
}

SerialDeviceSim::Reply SerialRideScript::paced(State& state, const QByteArray& bytes)
{
    int nBaud = 0;
    {
        QMutexLocker lock(&state.mutex);
        nBaud = state.nBaud;
    }
    if (nBaud <= 0)
        return SerialDeviceSim::Reply{{0, bytes}};
    // 10 bits a byte on the line (start, 8 data, stop); pieces of 20 ms.
    const int nPiece = qMax(1, nBaud / 10 / 50);
    SerialDeviceSim::Reply reply;
    for (int i = 0; i < bytes.size(); i += nPiece)
        reply.append({20, bytes.mid(i, nPiece)});
    return reply;
}

QByteArray SerialRideScript::faultBytes(Ride::Fault eFault)
{
    QByteArray bytes;
    switch (eFault) {
    case Ride::FAULT_SILENCE:
        break;
    case Ride::FAULT_FOREIGN_FRAMES:
        // More than any reader should wait through, yet within what a pseudo-terminal buffers.
        for (int i = 0; i < 300; ++i)
            bytes += SerialDeviceSim::replyFrame(0x33, QByteArray(2, char(i)));
        break;
    case Ride::FAULT_LONG_FRAME: {
        QByteArray frame = SerialDeviceSim::replyFrame(0x80, QByteArray(100, 'd'));
        frame[1] = char(0xFF); // 65,535 bytes announced, 100 held
        frame[2] = char(0xFF);
        bytes = frame;
        break;
    }
    case Ride::FAULT_NOISE: {
        quint32 nSeed = 0x2545F491; // fixed: the same noise on every run
        for (int i = 0; i < 3000; ++i) {
            nSeed = nSeed * 1103515245u + 12345u;
            bytes += char(nSeed >> 16);
        }
        break;
    }
    }
    return bytes;
}
