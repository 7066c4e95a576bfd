#pragma once

#include "platform/SerialLink.h"

#include <QByteArray>
#include <QString>

// The link to a serial-family device: one request frame out, one reply frame back, the port held only for
// the exchange. Built on the caller's stack for a few exchanges; never shared between threads.
//
// Request: 0x02, payload length N (16-bit big-endian, the command byte counts), command, parameters,
// check byte (XOR of every byte after 0x02). Reply: code, payload length L (big-endian), payload,
// one trailing byte; complete after L + 4 bytes.
class ComDevice
{
public:
    enum {
        REPLY_SIZE = 8050, // every reply buffer; a longer reply is a failed exchange
        // The ride list alone may be longer (24 bytes a ride): its buffer holds the longest reply a
        // frame's 16-bit length can announce, so a device with many rides can still be read.
        LONGEST_REPLY_SIZE = 65535 + 4,
        INFO_BLOCK_SIZE = 90,   // command 0x85
        FIRMWARE_OFFSET = 26,   // firmware text in the information block
        UUID_FIELD_SIZE = 50,   // the UUID text with its NUL
        HWNAME_FIELD_SIZE = 20, // the hardware name, NUL optional
        FIRST_BYTE_MS = 100,    // a reply must begin within this time after the request
        REPLY_LIMIT_MS = 1110,  // and be complete within this time (100 ms + 101 polls of 10 ms)
        CLOSE_PAUSE_MS = 100,   // the device settles before the port is let go
    };
    enum Command : unsigned char {
        CMD_HWNAME = 0xBF,
        CMD_UUID = 0xA2,
        CMD_SKUID = 0xA4,
        CMD_INFOBLOCK = 0x85,
        CMD_PROFILE = 0x86,
        CMD_RIDELIST = 0x78,
        CMD_PRETRANSFER = 0x75,
        CMD_RIDEDOWNLOAD = 0x80,
        CMD_RIDEDELETE = 0x79,
        CMD_ACK = 0x81,
    };

    // An empty factory opens the real port (TermiosSerialLink).
    explicit ComDevice(const QString& sPortName, SerialLinkFactory linkFactory = SerialLinkFactory());
    ~ComDevice();
    ComDevice(const ComDevice&) = delete;
    ComDevice& operator=(const ComDevice&) = delete;

    bool open();
    // Lets the device settle, purges and releases the port.
    void close();
    bool isOpen() const;

    // One request and its whole reply into pReply, a zero-filled buffer of REPLY_SIZE bytes. True only
    // when the reply began in time and all L + 4 bytes arrived; bytes queued after them are left unread.
    bool transact(const unsigned char* pFrame, unsigned int nLength, unsigned char* pReply,
                  int nCapacity = REPLY_SIZE);
    // Command 0x85: the 90-byte information block into pBlock (a short payload is zero-padded).
    bool readInfoBlock(unsigned char* pBlock);
    // The getters return false and leave sValue untouched when the exchange fails or the text does not fit
    // its field; they do not look at the reply code.
    bool getFirmware(QString& sValue);
    bool getUuid(QString& sValue);
    bool getSkuId(QString& sValue);
    bool getHwName(QString& sValue);

    // A request frame for a command and its parameters, check byte included.
    static QByteArray makeFrame(unsigned char cCommand, const QByteArray& params = QByteArray());
    static unsigned char checkByte(const QByteArray& afterStart);
    // For the ride exchanges: write a frame on the open port, and read one reply frame (time limits as in
    // transact, but measured from the call) into pReply of REPLY_SIZE bytes, giving its total length.
    bool writeFrame(const QByteArray& frame);
    bool readReply(unsigned char* pReply, int nFirstByteMs, int nLimitMs, int* pnLength = nullptr,
                   int nCapacity = REPLY_SIZE);

private:
    bool commandReply(unsigned char cCommand, QByteArray* pReply);
    static int payloadLength(const QByteArray& reply);
    // The text from the payload's start (after nOffset) to its first NUL, looked for in at most nField
    // bytes of the payload; false when none is found and bNulRequired.
    static bool textAt(const QByteArray& reply, int nOffset, int nField, bool bNulRequired, QString* pText);

    QString m_sPortName;
    SerialLinkFactory m_linkFactory;
    std::unique_ptr<SerialLink> m_pLink;
};
