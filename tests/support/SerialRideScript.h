#pragma once

#include "SerialDeviceSim.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QSet>

#include <memory>

// Teaches a SerialDeviceSim the ride commands of a serial-family device: the ride list (0x78), the
// pre-transfer exchange (0x75), the user profile (0x86), a ride download (0x80) sent as a header frame,
// laps frames and points frames, each after the acknowledge (0x81) of the one before, then the end frame
// (0x8A), and the ride delete (0x79).
//
// Faults to script: a device that goes silent after some frames of a ride (unplugged mid-ride) or sends,
// in place of the next frame, a stream of frames that are not data frames, one frame announcing far more
// bytes than it holds, or noise; a header whose lap or point count does not match the data sent; frames
// sent two at a time in one write; and a line paced at a real baud rate.
class SerialRideScript
{
public:
    struct Header {
        int nYear = 12, nMonth = 3, nDay = 15, nHour = 8, nMinute = 30, nSecond = 5;
        quint32 nDuration = 0, nLength = 0;
        quint16 nCalories = 0;
        qint32 nMaxSpeed = 0;
        quint8 nMaxHeartRate = 0, nAvgHeartRate = 0;
        quint16 nAscent = 0, nDescent = 0;
        qint16 nMinAltitude = 0, nMaxAltitude = 0;
        quint16 nAvgCadence = 0, nMaxCadence = 0, nAvgPower = 0, nMaxPower = 0;
    };
    struct Point {
        qint32 nLat = 0, nLon = 0;
        qint16 nElevation = 0;
        qint32 nSpeed = 0;
        quint8 nHeartRate = 0;
        quint32 nTime = 0;
        quint16 nCadence = 0, nPower = 0;
    };
    struct Lap {
        quint16 nFirst = 0, nLast = 0;
    };
    struct Ride {
        Header header;
        QList<Lap> laps;
        QList<Point> points;
        quint16 nId = 0;
        int nSilentAfterFrames = -1; // the device stops answering after this many data frames
        // What the device does instead of the next data frame once nSilentAfterFrames were sent.
        enum Fault { FAULT_SILENCE, FAULT_FOREIGN_FRAMES, FAULT_LONG_FRAME, FAULT_NOISE };
        Fault eFault = FAULT_SILENCE;
        int nAnnouncedLaps = -1;   // the header's lap count, when it is not the number of laps sent
        int nAnnouncedPoints = -1; // the header's point count, when it is not the number of points sent
    };

    explicit SerialRideScript(SerialDeviceSim& sim);

    void addRide(const Ride& ride);
    void setProfile(const QString& sName, int nTypeByte);
    void setProfileBlock(const QByteArray& block);
    void setPointsPerFrame(int nCount);
    // Two data frames in one write, the second before the first is acknowledged.
    void setMergedFrames(bool bMerged);
    // Every reply trickles out at this line rate (0: as fast as the pseudo-terminal takes it).
    void setBaud(int nBaud);

    int rideCount() const;
    QList<quint16> deletedIds() const;

    // The bytes of one ride as the device stores it: header, laps, points.
    static QByteArray encodeHeader(const Header& header, int nPoints, int nLaps);
    static QByteArray encodeLap(const Lap& lap);
    static QByteArray encodePoint(const Point& point);
    // The data frames of a ride, end frame included.
    QList<QByteArray> rideFrames(const Ride& ride) const;

private:
    struct State;
    static QList<QByteArray> framesOf(const Ride& ride, int nPerFrame);
    static SerialDeviceSim::Reply rideList(State& state);
    static SerialDeviceSim::Reply startDownload(State& state, const QByteArray& params);
    static SerialDeviceSim::Reply nextFrames(State& state);
    static SerialDeviceSim::Reply deleteRide(State& state, const QByteArray& params);
    static SerialDeviceSim::Reply paced(State& state, const QByteArray& bytes);
    static QByteArray faultBytes(Ride::Fault eFault);

    std::shared_ptr<State> m_pState;
};
