#include "ComRides.h"

#include "GpxWriter.h"
#include "SerialRide.h"
#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "core/WorkFile.h"
#include "device/ComDevice.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <cstring>

namespace
{
// Time for a whole data frame at 57600 baud (8050 bytes, 1.4 s) on top of the silence allowed before it.
const int FRAME_TRANSFER_MS = 2000;

QByteArray rideFrame(unsigned char cCommand, const ComRides::Entry& entry)
{
    QByteArray params;
    params.append(char(0x01));
    params.append(char(0x00));
    params.append(char(entry.id[0]));
    params.append(char(entry.id[1]));
    return ComDevice::makeFrame(cCommand, params);
}

enum Stage { STAGE_NONE, STAGE_HEADER, STAGE_LAPS, STAGE_POINTS };

// Which part of a ride a data frame carries (parseDataFrame's rule for the kind byte).
int frameStage(const unsigned char* pFrame, unsigned int nFrameLength)
{
    const unsigned char cKind =
        nFrameLength > ComRides::FRAME_KIND_OFFSET ? pFrame[ComRides::FRAME_KIND_OFFSET] : 0;
    if (cKind == ComRides::KIND_LAPS)
        return STAGE_LAPS;
    return cKind == ComRides::KIND_POINTS ? STAGE_POINTS : STAGE_HEADER;
}

int payloadLength(const unsigned char* pReply)
{
    return 256 * pReply[1] + pReply[2];
}

bool send(ComDevice& device, const QByteArray& frame, unsigned char* pReply,
          int nCapacity = ComDevice::REPLY_SIZE)
{
    std::memset(pReply, 0, size_t(nCapacity));
    return device.transact(reinterpret_cast<const unsigned char*>(frame.constData()), unsigned(frame.size()),
                           pReply, nCapacity);
}
} // namespace

ComRides::ComRides(const QString& sPortName, SerialLinkFactory linkFactory)
    : m_sPortName(sPortName), m_linkFactory(std::move(linkFactory))
{
}

ComRides::~ComRides() = default;

QList<ComRides::Entry> ComRides::parseRideList(const unsigned char* pReply)
{
    QList<Entry> entries;
    const int nCount = qMin(payloadLength(pReply), ComDevice::LONGEST_REPLY_SIZE - 4) / ENTRY_SIZE;
    for (int i = 0; i < nCount; ++i) {
        const unsigned char* p = pReply + 3 + i * ENTRY_SIZE;
        Entry entry;
        entry.sName = GpxWriter::rideName(2000 + p[0], p[1], p[2], p[3], p[4], p[5]) + ".gpx";
        entry.id[0] = p[18];
        entry.id[1] = p[19];
        entries.append(entry);
    }
    return entries;
}

bool ComRides::readRideList(QList<Entry>* pEntries, int nTries)
{
    ComDevice device(m_sPortName, m_linkFactory);
    QByteArray reply(ComDevice::LONGEST_REPLY_SIZE, '\0');
    auto* pReply = reinterpret_cast<unsigned char*>(reply.data());
    for (int i = 0; i < nTries; ++i) {
        if (send(device, ComDevice::makeFrame(ComDevice::CMD_RIDELIST), pReply,
                 ComDevice::LONGEST_REPLY_SIZE) &&
            pReply[0] == ComDevice::CMD_RIDELIST) {
            *pEntries = parseRideList(pReply);
            return true;
        }
    }
    return false;
}

bool ComRides::preTransfer()
{
    ComDevice device(m_sPortName, m_linkFactory);
    QByteArray reply(ComDevice::REPLY_SIZE, '\0');
    return send(device, ComDevice::makeFrame(ComDevice::CMD_PRETRANSFER, QByteArray(2, '\0')),
                reinterpret_cast<unsigned char*>(reply.data()));
}

bool ComRides::readProfile(QByteArray* pProfile)
{
    ComDevice device(m_sPortName, m_linkFactory);
    QByteArray reply(ComDevice::REPLY_SIZE, '\0');
    auto* pReply = reinterpret_cast<unsigned char*>(reply.data());
    if (!send(device, ComDevice::makeFrame(ComDevice::CMD_PROFILE), pReply))
        return false;
    const int nCopy = qBound(0, payloadLength(pReply), int(PROFILE_SIZE));
    *pProfile = reply.mid(3, nCopy);
    pProfile->append(QByteArray(PROFILE_SIZE - nCopy, '\0'));
    return true;
}

bool ComRides::parseDataFrame(bool& bEnd, unsigned int& nOffset, unsigned int& nLength,
                              const unsigned char* pFrame, unsigned int nFrameLength)
{
    bEnd = false;
    nOffset = 0;
    nLength = 0;
    if (nFrameLength < 4)
        return false;
    if (pFrame[0] == CODE_END) {
        bEnd = true;
        return true;
    }
    if (pFrame[0] != CODE_DATA)
        return false;
    // Data lies in the payload, before the trailing byte, and never past the frame read.
    const unsigned int nPayloadEnd = qMin(3 + unsigned(payloadLength(pFrame)), nFrameLength - 1);
    const unsigned char cKind = nFrameLength > FRAME_KIND_OFFSET ? pFrame[FRAME_KIND_OFFSET] : 0;
    if (cKind != KIND_LAPS && cKind != KIND_POINTS) {
        nOffset = 3;
        nLength = qMin(unsigned(SerialRide::HEADER_SIZE), nPayloadEnd - 3);
        return true;
    }
    const unsigned int nRecord = cKind == KIND_LAPS ? 40 : 32;
    const int nFirst = pFrame[FRAME_FIRST_OFFSET] | (pFrame[FRAME_FIRST_OFFSET + 1] << 8);
    const int nLast = pFrame[FRAME_LAST_OFFSET] | (pFrame[FRAME_LAST_OFFSET + 1] << 8);
    const unsigned int nCount = nLast >= nFirst ? unsigned(nLast - nFirst + 1) : 0;
    const unsigned int nRoom =
        nPayloadEnd > FRAME_DATA_OFFSET ? (nPayloadEnd - FRAME_DATA_OFFSET) / nRecord : 0;
    nOffset = FRAME_DATA_OFFSET;
    nLength = qMin(nCount, nRoom) * nRecord;
    return true;
}

bool ComRides::getTracks(const QString& sFolder, Fetch* pFetch)
{
    Fetch local;
    Fetch& fetch = pFetch ? *pFetch : local;
    QList<Entry> entries;
    if (!readRideList(&entries)) {
        writeLog(1, "[ComRides][getTracks] no ride list");
        fetch.left.append(
            {QString("the ride list of %1").arg(m_sPortName), "the device's ride list cannot be read"});
        return false;
    }
    QByteArray profile;
    if (!entries.isEmpty() && !readProfile(&profile))
        profile = QByteArray(PROFILE_SIZE, '\0');
    QSet<QString> used;
    QByteArray ride;
    for (int i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries.at(i);
        if (aborted())
            return false;
        if (!preTransfer()) {
            writeLog(1, "[ComRides][getTracks] ride %s cannot be started", qUtf8Printable(entry.sName));
            leaveRest(entries, i, "the device did not answer before its download", &fetch);
            return false;
        }
        // A fresh buffer per ride: nothing of the previous ride can leak into this one.
        ride.clear();
        const RideResult eResult = downloadRide(entry, &ride);
        if (eResult == RIDE_FAILED) {
            // What the device sends next may still belong to this ride: no later ride is trusted.
            writeLog(1, "[ComRides][getTracks] ride %s abandoned", qUtf8Printable(entry.sName));
            leaveRest(entries, i, "its download broke off", &fetch);
            return false;
        }
        const QString sPath = uniquePath(sFolder, entry.sName, &used);
        QString sReason;
        if (eResult == RIDE_TOO_LONG)
            sReason = "it is longer than a ride may be";
        else if (eResult == RIDE_DISORDERED)
            sReason = "its frames came out of order";
        else
            sReason = writeRide(sPath, ride, profile);
        if (sReason.isEmpty()) {
            fetch.written.append(sPath);
            continue;
        }
        writeLog(1, "[ComRides][getTracks] ride %s not written: %s", qUtf8Printable(entry.sName),
                 qUtf8Printable(sReason));
        fetch.left.append({entry.sName, sReason});
    }
    return fetch.left.isEmpty();
}

QString ComRides::writeRide(const QString& sPath, const QByteArray& ride, const QByteArray& profile)
{
    SerialRide parsed;
    if (!parsed.parse(ride))
        return "it has no header";
    const QString sDefect = parsed.defect(ride);
    if (!sDefect.isEmpty())
        return sDefect;
    if (!QDir().mkpath(QFileInfo(sPath).absolutePath()) ||
        !WorkFile::writeBytes(sPath, GpxWriter::write(parsed, profile)))
        return "its file cannot be written";
    return QString();
}

QString ComRides::uniquePath(const QString& sFolder, const QString& sName, QSet<QString>* pUsed)
{
    // Names are made of the start second: a second ride of that second gets a folder of its own, so the
    // file name the service sees stays the device's.
    QString sRelative = sName;
    for (int n = 1; pUsed->contains(sRelative); ++n)
        sRelative = QString("%1%2/%3").arg(sameStartPrefix()).arg(n).arg(sName);
    pUsed->insert(sRelative);
    return sFolder + "/" + sRelative;
}

void ComRides::leaveRest(const QList<Entry>& entries, int nFrom, const QString& sReason, Fetch* pFetch)
{
    pFetch->left.append({entries.at(nFrom).sName, sReason});
    for (int i = nFrom + 1; i < entries.size(); ++i)
        pFetch->left.append({entries.at(i).sName, "the download stopped before it"});
}

ComRides::RideResult ComRides::downloadRide(const Entry& entry, QByteArray* pRide)
{
    ComDevice device(m_sPortName, m_linkFactory);
    if (!device.open() || !device.writeFrame(rideFrame(ComDevice::CMD_RIDEDOWNLOAD, entry)))
        return RIDE_FAILED;
    QByteArray frame(ComDevice::REPLY_SIZE, '\0');
    auto* pFrame = reinterpret_cast<unsigned char*>(frame.data());
    const QByteArray ack = ComDevice::makeFrame(ComDevice::CMD_ACK);
    const int nSilence = AgentTiming::ms(AgentTiming::SERIAL_SILENCE);
    bool bTooLong = false;
    bool bDisordered = false;
    int nStage = STAGE_NONE;
    int nForeign = 0;
    for (int nFrames = 0; nFrames < MAX_RIDE_FRAMES && nForeign < MAX_FOREIGN_FRAMES; ++nFrames) {
        if (aborted())
            return RIDE_FAILED;
        std::memset(pFrame, 0, ComDevice::REPLY_SIZE);
        int nFrameLength = 0;
        if (!device.readReply(pFrame, nSilence, nSilence + FRAME_TRANSFER_MS, &nFrameLength))
            return RIDE_FAILED;
        bool bEnd = false;
        unsigned int nOffset = 0;
        unsigned int nLength = 0;
        if (!parseDataFrame(bEnd, nOffset, nLength, pFrame, unsigned(nFrameLength))) {
            ++nForeign; // not a data frame: dropped, not acknowledged
            continue;
        }
        nForeign = 0;
        if (bEnd) {
            if (bTooLong)
                return RIDE_TOO_LONG;
            return bDisordered ? RIDE_DISORDERED : RIDE_DONE;
        }
        // The writer reads header, laps, points in that order: data in another order is not this ride.
        const int nKind = frameStage(pFrame, unsigned(nFrameLength));
        bDisordered = bDisordered || nKind < nStage || (nKind == STAGE_HEADER && nStage == STAGE_HEADER) ||
                      (nKind != STAGE_HEADER && nStage == STAGE_NONE);
        nStage = qMax(nStage, nKind);
        if (pRide->size() + int(nLength) > RIDE_BUFFER_SIZE)
            bTooLong = true; // keep reading to the end so the device finishes the ride
        else
            pRide->append(frame.constData() + nOffset, int(nLength));
        if (!device.writeFrame(ack))
            return RIDE_FAILED;
    }
    writeLog(1, "[ComRides][downloadRide] ride %s: no end frame", qUtf8Printable(entry.sName));
    return RIDE_FAILED;
}

bool ComRides::deleteTrack(const QString& sFileName)
{
    QList<Entry> entries;
    if (!readRideList(&entries, 2))
        return false;
    const Entry* pMatch = nullptr;
    int nMatches = 0;
    for (const Entry& entry : entries) {
        if (entry.sName == sFileName) {
            pMatch = &entry;
            ++nMatches;
        }
    }
    // Two rides started in the same second share the name: deleting either might lose the other.
    if (nMatches != 1) {
        writeLog(1, "[ComRides][deleteTrack] %d rides named %s", nMatches, qUtf8Printable(sFileName));
        return false;
    }
    if (!preTransfer())
        return false;
    ComDevice device(m_sPortName, m_linkFactory);
    if (!device.open() || !device.writeFrame(rideFrame(ComDevice::CMD_RIDEDELETE, *pMatch)))
        return false;
    QThread::msleep(100); // the device takes the command before the port is let go
    device.close();
    return true;
}
