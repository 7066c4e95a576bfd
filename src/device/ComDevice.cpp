#include "ComDevice.h"

#include "platform/TermiosSerialLink.h"

#include <QElapsedTimer>
#include <QThread>

#include <cstring>

ComDevice::ComDevice(const QString& sPortName, SerialLinkFactory linkFactory)
    : m_sPortName(sPortName),
      m_linkFactory(linkFactory ? std::move(linkFactory) : TermiosSerialLink::factory())
{
}

ComDevice::~ComDevice()
{
    close();
}

bool ComDevice::open()
{
    if (m_pLink)
        m_pLink->close();
    m_pLink = m_linkFactory(m_sPortName);
    if (m_pLink && m_pLink->open())
        return true;
    m_pLink.reset();
    return false;
}

void ComDevice::close()
{
    if (!m_pLink)
        return;
    QThread::msleep(CLOSE_PAUSE_MS);
    m_pLink->close();
    m_pLink.reset();
}

bool ComDevice::isOpen() const
{
    return m_pLink && m_pLink->isOpen();
}

unsigned char ComDevice::checkByte(const QByteArray& afterStart)
{
    unsigned char cCheck = 0;
    for (const char c : afterStart)
        cCheck ^= static_cast<unsigned char>(c);
    return cCheck;
}

QByteArray ComDevice::makeFrame(unsigned char cCommand, const QByteArray& params)
{
    const int nLength = params.size() + 1;
    QByteArray body;
    body.append(char((nLength >> 8) & 0xFF));
    body.append(char(nLength & 0xFF));
    body.append(char(cCommand));
    body.append(params);
    return QByteArray(1, char(0x02)) + body + char(checkByte(body));
}

bool ComDevice::writeFrame(const QByteArray& frame)
{
    return isOpen() && m_pLink->write(frame);
}

bool ComDevice::readReply(unsigned char* pReply, int nFirstByteMs, int nLimitMs, int* pnLength, int nCapacity)
{
    if (!isOpen())
        return false;
    QElapsedTimer timer;
    timer.start();
    int nRead = 0;
    int nExpected = 0; // known once the three header bytes are in
    while (nExpected == 0 || nRead < nExpected) {
        // Never past the announced end: what follows belongs to the next frame.
        const int nWant = (nExpected == 0 ? 3 : nExpected) - nRead;
        const int nWait = (nRead == 0 ? nFirstByteMs : nLimitMs) - int(timer.elapsed());
        if (nWait <= 0)
            return false;
        const int nGot = m_pLink->read(reinterpret_cast<char*>(pReply) + nRead, nWant, nWait);
        if (nGot < 0)
            return false;
        nRead += nGot;
        if (nExpected == 0 && nRead >= 3) {
            nExpected = 256 * pReply[1] + pReply[2] + 4;
            if (nExpected > nCapacity)
                return false;
        }
    }
    if (pnLength)
        *pnLength = nRead;
    return true;
}

bool ComDevice::transact(const unsigned char* pFrame, unsigned int nLength, unsigned char* pReply,
                         int nCapacity)
{
    if (!open())
        return false;
    bool bOk = writeFrame(QByteArray(reinterpret_cast<const char*>(pFrame), int(nLength)));
    bOk = bOk && readReply(pReply, FIRST_BYTE_MS, REPLY_LIMIT_MS, nullptr, nCapacity);
    close();
    return bOk;
}

bool ComDevice::commandReply(unsigned char cCommand, QByteArray* pReply)
{
    const QByteArray frame = makeFrame(cCommand);
    QByteArray reply(REPLY_SIZE, '\0');
    if (!transact(reinterpret_cast<const unsigned char*>(frame.constData()), unsigned(frame.size()),
                  reinterpret_cast<unsigned char*>(reply.data())))
        return false;
    *pReply = reply;
    return true;
}

int ComDevice::payloadLength(const QByteArray& reply)
{
    return 256 * static_cast<unsigned char>(reply.at(1)) + static_cast<unsigned char>(reply.at(2));
}

bool ComDevice::textAt(const QByteArray& reply, int nOffset, int nField, bool bNulRequired, QString* pText)
{
    const int nStart = 3 + nOffset;
    const int nLimit = qMax(0, qMin(nField, payloadLength(reply) - nOffset));
    const QByteArray field = reply.mid(nStart, nLimit);
    const int nNul = field.indexOf('\0');
    if (nNul < 0 && bNulRequired)
        return false;
    *pText = QString::fromLatin1(nNul < 0 ? field : field.left(nNul));
    return true;
}

bool ComDevice::readInfoBlock(unsigned char* pBlock)
{
    QByteArray reply;
    if (!commandReply(CMD_INFOBLOCK, &reply))
        return false;
    const int nCopy = qBound(0, payloadLength(reply), int(INFO_BLOCK_SIZE));
    std::memset(pBlock, 0, INFO_BLOCK_SIZE);
    std::memcpy(pBlock, reply.constData() + 3, size_t(nCopy));
    return true;
}

bool ComDevice::getFirmware(QString& sValue)
{
    unsigned char block[INFO_BLOCK_SIZE] = {};
    if (!readInfoBlock(block))
        return false;
    const char* pText = reinterpret_cast<const char*>(block) + FIRMWARE_OFFSET;
    const int nRoom = INFO_BLOCK_SIZE - FIRMWARE_OFFSET;
    const void* pNul = std::memchr(pText, 0, size_t(nRoom));
    if (!pNul)
        return false;
    sValue = QString::fromLatin1(pText, int(static_cast<const char*>(pNul) - pText));
    return true;
}

bool ComDevice::getUuid(QString& sValue)
{
    QByteArray reply;
    QString sText;
    // The UUID needs its NUL inside the field, or inside a shorter payload's end.
    if (!commandReply(CMD_UUID, &reply))
        return false;
    const int nPayload = payloadLength(reply);
    const bool bFits = textAt(reply, 0, UUID_FIELD_SIZE, nPayload >= UUID_FIELD_SIZE, &sText);
    if (!bFits || sText.size() >= UUID_FIELD_SIZE)
        return false;
    sValue = sText;
    return true;
}

bool ComDevice::getSkuId(QString& sValue)
{
    QByteArray reply;
    QString sText;
    if (!commandReply(CMD_SKUID, &reply) || !textAt(reply, 0, REPLY_SIZE, false, &sText))
        return false;
    sValue = sText;
    return true;
}

bool ComDevice::getHwName(QString& sValue)
{
    QByteArray reply;
    QString sText;
    if (!commandReply(CMD_HWNAME, &reply) || !textAt(reply, 0, HWNAME_FIELD_SIZE, false, &sText))
        return false;
    sValue = sText;
    return true;
}
