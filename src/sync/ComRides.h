#pragma once

#include "platform/SerialLink.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

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
        // A ride's download gives up after this many frames in a row that are not data frames, or after
        // this many frames in all (a full ride buffer of one-point frames, with room to spare): a device
        // that keeps talking without ending the ride never holds the check.
        MAX_FOREIGN_FRAMES = 64,
        MAX_RIDE_FRAMES = RIDE_BUFFER_SIZE / 32 + 4096,
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

    // A ride that was not written as a GPX file, and why; it stays on the device.
    struct LeftRide {
        QString sName;
        QString sReason;
    };
    // What one download of the device's rides gave.
    struct Fetch {
        QStringList written;  // the GPX files written, one per ride fetched whole, in list order
        QList<LeftRide> left; // every ride of the list that got no file
    };

    // Downloads every ride of the device's list as a GPX file into sFolder. Only a ride whose data adds
    // up to its header becomes a file; two rides started in the same second never share one (the later
    // goes into a folder "SameStart-<n>" below sFolder, under the same name). True when every ride was
    // written. False when the list cannot be read, a ride's transfer broke off (that ride and every ride
    // after it are left, untouched), a ride was incomplete, or the abort flag was set; the files of the
    // rides completed before stay. pFetch, where given, receives the files and the rides left.
    bool getTracks(const QString& sFolder, Fetch* pFetch = nullptr);
    // The folder prefix of rides that share a start second with an earlier one.
    static QString sameStartPrefix() { return QStringLiteral("SameStart-"); }
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
    // RIDE_DISORDERED: frames of a kind that may not follow the one before (a header after data, laps
    // after points): the ride ended, but its data cannot be trusted.
    enum RideResult { RIDE_DONE, RIDE_TOO_LONG, RIDE_DISORDERED, RIDE_FAILED };

    bool preTransfer();
    RideResult downloadRide(const Entry& entry, QByteArray* pRide);
    // Writes one downloaded ride; the reason it was not written, or empty.
    QString writeRide(const QString& sPath, const QByteArray& ride, const QByteArray& profile);
    static QString uniquePath(const QString& sFolder, const QString& sName, QSet<QString>* pUsed);
    static void leaveRest(const QList<Entry>& entries, int nFrom, const QString& sReason, Fetch* pFetch);
    bool readProfile(QByteArray* pProfile);
    bool aborted() const { return m_pAbort && m_pAbort->load(); }

    QString m_sPortName;
    SerialLinkFactory m_linkFactory;
    const std::atomic<bool>* m_pAbort = nullptr;
};
