#include "ComRides.h"

#include "GpxWriter.h"
#include "SerialRide.h"
#include "core/AgentTiming.h"
#include "core/DebugLog.h"
#include "core/WorkFile.h"
#include "device/ComDevice.h"

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

bool ComRides::getTracks(const QString& sFolder)
{
    QList<Entry> entries;
    if (!readRideList(&entries)) {
        writeLog(1, "[ComRides][getTracks] no ride list");
        return false;
    }
    QByteArray profile;
    if (!entries.isEmpty() && !readProfile(&profile))
        profile = QByteArray(PROFILE_SIZE, '\0');
    QByteArray ride;
    for (const Entry& entry : entries) {
        if (aborted() || !preTransfer())
            return false;
        // A fresh buffer per ride: nothing of the previous ride can leak into this one.
        ride.clear();
        const RideResult eResult = downloadRide(entry, &ride);
        if (eResult == RIDE_FAILED) {
            writeLog(1, "[ComRides][getTracks] ride %s abandoned", qUtf8Printable(entry.sName));
            return false;
        }
        if (eResult == RIDE_TOO_LONG) {
            writeLog(1, "[ComRides][getTracks] ride %s too long", qUtf8Printable(entry.sName));
            continue;
        }
        SerialRide parsed;
        if (!parsed.parse(ride)) {
            writeLog(1, "[ComRides][getTracks] ride %s without header", qUtf8Printable(entry.sName));
            continue;
        }
        if (!WorkFile::writeBytes(sFolder + "/" + entry.sName, GpxWriter::write(parsed, profile)))
            writeLog(1, "[ComRides][getTracks] cannot write %s", qUtf8Printable(entry.sName));
    }
    return true;
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
    for (;;) {
        if (aborted())
            return RIDE_FAILED;
        std::memset(pFrame, 0, ComDevice::REPLY_SIZE);
        int nFrameLength = 0;
        if (!device.readReply(pFrame, nSilence, nSilence + FRAME_TRANSFER_MS, &nFrameLength))
            return RIDE_FAILED;
        bool bEnd = false;
        unsigned int nOffset = 0;
        unsigned int nLength = 0;
        if (!parseDataFrame(bEnd, nOffset, nLength, pFrame, unsigned(nFrameLength)))
            continue; // not a data frame: dropped, not acknowledged
        if (bEnd)
            break;
        if (pRide->size() + int(nLength) > RIDE_BUFFER_SIZE)
            bTooLong = true; // keep reading to the end so the device finishes the ride
        else
            pRide->append(frame.constData() + nOffset, int(nLength));
        if (!device.writeFrame(ack))
            return RIDE_FAILED;
    }
    return bTooLong ? RIDE_TOO_LONG : RIDE_DONE;
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
