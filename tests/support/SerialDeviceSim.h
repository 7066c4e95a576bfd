#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>

// A serial-family device behind a pseudo-terminal. The agent opens portName() as it would the device's
// port; a thread reads the request frames (0x02, length, command, parameters, XOR check byte), checks them
// and answers from a script. Requests with a wrong check byte are counted and not answered.
//
// Each command has a handler that turns the request's parameters into the chunks to send back; the
// identity commands have default handlers built from setIdentity(). Ride commands (ride list, download,
// laps and points frames, delete, acknowledge) are added later with setHandler().
class SerialDeviceSim
{
public:
    struct Chunk {
        int nDelayMs = 0; // waited before the bytes are written
        QByteArray bytes;
    };
    using Reply = QList<Chunk>; // empty: the device stays silent
    using Handler = std::function<Reply(const QByteArray& params)>;

    SerialDeviceSim();
    ~SerialDeviceSim();
    SerialDeviceSim(const SerialDeviceSim&) = delete;
    SerialDeviceSim& operator=(const SerialDeviceSim&) = delete;

    // Opens the pseudo-terminal pair and starts answering. False when no pseudo-terminal could be had.
    bool start();
    void stop();
    // The device path the agent opens, e.g. /dev/pts/7.
    QString portName() const { return m_sPortName; }

    // The identity the default handlers answer with.
    void setIdentity(const QString& sUuid, const QString& sSkuId, const QString& sHwName,
                     const QString& sFirmware);
    void setHandler(unsigned char cCommand, Handler handler);
    // Answers the command with exactly these bytes (after nDelayMs).
    void setRawReply(unsigned char cCommand, const QByteArray& bytes, int nDelayMs = 0);
    // The default reply, after a delay.
    void setDelay(unsigned char cCommand, int nDelayMs);
    // The default reply cut into slices of nSliceSize bytes, nGapMs apart.
    void setSplit(unsigned char cCommand, int nSliceSize, int nGapMs);
    // The default reply followed at once by these bytes (as if the next frame were merged into it).
    void setTrailing(unsigned char cCommand, const QByteArray& extra);
    void setSilent(unsigned char cCommand);
    // Every reply's trailing byte made wrong (the agent must not care).
    void setBadTrailer(bool bBad);

    // A reply frame: code, big-endian payload length, payload, trailing byte (XOR of length and payload).
    static QByteArray replyFrame(unsigned char cCode, const QByteArray& payload, bool bGoodTrailer = true);

    // What the sim received, each a whole request frame, and how many failed their check byte.
    QList<QByteArray> frames() const;
    int badFrames() const;
    int frameCount(unsigned char cCommand) const;
    void clearFrames();

private:
    void loop();
    void takeBytes(const QByteArray& bytes);
    void answer(const QByteArray& frame);
    Reply defaultReply(unsigned char cCommand) const;
    bool sleepMs(int nMs);

    QString m_sPortName;
    int m_nMaster = -1;
    int m_nSlave = -1; // held so the master never sees a hang-up between the agent's exchanges
    int m_wakePipe[2] = {-1, -1};
    std::thread m_thread;
    std::atomic<bool> m_bStop{false};

    mutable QMutex m_mutex;
    QString m_sUuid = "SIM-UUID-0001";
    QString m_sSkuId = "SKU-100";
    QString m_sHwName = "Wendo 100";
    QString m_sFirmware = "1.0.7";
    QMap<unsigned char, Handler> m_mapHandlers;
    bool m_bBadTrailer = false;
    QByteArray m_pending;
    QList<QByteArray> m_lstFrames;
    int m_nBadFrames = 0;
};
