#pragma once

#include "platform/SerialLink.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>

class ComDevice;

// The rides of a serial-family device: reads the ride list, downloads each ride frame by frame and writes
// it as a GPX file, and deletes a ride on the device by the name of its file.
//
// Every wait for a data frame is limited (AgentTiming::SERIAL_SILENCE of silence abandons the ride: no
// file is written), every copy is bounded by the buffers' sizes, and frames that arrive merged are read
// one after the other. Built on the caller's stack; the port is held only for each exchange.
class ComRides
{
public:
    enum {
        ENTRY_SIZE = 24,
        RIDE_BUFFER_SIZE = 2048000, // the most a ride may take; a longer one is not written
        PROFILE_SIZE = 404,
        FRAME_DATA_OFFSET = 27, // laps and points of a data frame
        FRAME_KIND_OFFSET = 25,
        FRAME_FIRST_OFFSET = 21,
        FRAME_LAST_OFFSET = 23,
        KIND_LAPS = 0xAA,
        KIND_POINTS = 0x55,
        CODE_DATA = 0x80,
        CODE_END = 0x8A,
    };

    struct Entry {
        QString sName; // "%04d%02d%02d%02d%02d%02d.gpx" of the ride's start
        unsigned char id[2] = {0, 0};
    };

    // An empty factory opens the real port.
    explicit ComRides(const QString& sPortName, SerialLinkFactory linkFactory = SerialLinkFactory());
    ~ComRides();

    // Stops a running download between frames and rides once set (the check is being stopped).
    void setAbortFlag(const std::atomic<bool>* pAbort) { m_pAbort = pAbort; }

    // Downloads every ride of the device's list as a GPX file into sFolder. False when the list cannot be
    // read, a ride cannot be started, a ride's frames stop coming, or the abort flag was set; the files of
    // the rides completed before stay.
    bool getTracks(const QString& sFolder);
    // Deletes the ride whose file name is sFileName. Nothing is deleted when no ride, or more than one
    // (two rides started in the same second), carries that name. True when the delete was sent.
    bool deleteTrack(const QString& sFileName);

    // The device's ride list, in nTries attempts at most; false when none gave it.
    bool readRideList(QList<Entry>* pEntries, int nTries = 1);

    // Classifies one complete reply frame of nFrameLength bytes: true for a data frame (the data's offset
    // and length, whole records only, bounded by the frame) and for the end frame (bEnd).
    static bool parseDataFrame(bool& bEnd, unsigned int& nOffset, unsigned int& nLength,
                               const unsigned char* pFrame, unsigned int nFrameLength);
    // pReply holds ComDevice::LONGEST_REPLY_SIZE bytes.
    static QList<Entry> parseRideList(const unsigned char* pReply);

private:
    enum RideResult { RIDE_DONE, RIDE_TOO_LONG, RIDE_FAILED };

    bool preTransfer();
    RideResult downloadRide(const Entry& entry, QByteArray* pRide);
    bool readProfile(QByteArray* pProfile);
    bool aborted() const { return m_pAbort && m_pAbort->load(); }

    QString m_sPortName;
    SerialLinkFactory m_linkFactory;
    const std::atomic<bool>* m_pAbort = nullptr;
};
