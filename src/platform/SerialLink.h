#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

// One serial port, opened for one exchange at a time. Not shared between threads.
class SerialLink
{
public:
    // Why the last open() failed, as far as the system told.
    enum OpenFailure {
        OPEN_NO_FAILURE,
        OPEN_DENIED, // the user may not use the port (its mode or group)
        OPEN_BUSY,   // another program holds the port, e.g. the modem manager probing it
        OPEN_FAILED, // anything else: gone, not a terminal, line settings refused
    };

    virtual ~SerialLink();

    // Opens the port exclusively (a port held by anyone else fails) with the device's line settings:
    // 57600 baud, 8 data bits, no parity, 1 stop bit, raw bytes, no flow control, DTR and RTS off; then
    // both queues are purged.
    virtual bool open() = 0;
    // The reason of the last failed open(); links that cannot tell answer OPEN_FAILED.
    virtual OpenFailure openFailure() const { return OPEN_FAILED; }
    // Purges both queues and releases the port; harmless when it is not open.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Writes all of data; false when the port failed or would not take it within a second.
    virtual bool write(const QByteArray& data) = 0;
    // Waits up to nTimeoutMs for a first byte, then returns at once with at most nMax of the queued bytes:
    // the count read, 0 when nothing arrived in time, -1 when the port failed (e.g. the device went away).
    virtual int read(char* pBuffer, int nMax, int nTimeoutMs) = 0;
    // Drops whatever waits in either direction.
    virtual void purge() = 0;
};

// Makes the link for a port name (the name SerialPorts lists).
using SerialLinkFactory = std::function<std::unique_ptr<SerialLink>(const QString& sPort)>;
