#include "SerialDeviceSim.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace
{
const unsigned char CMD_HWNAME = 0xBF;
const unsigned char CMD_UUID = 0xA2;
const unsigned char CMD_SKUID = 0xA4;
const unsigned char CMD_INFOBLOCK = 0x85;
const unsigned char CMD_PROFILE = 0x86;

unsigned char xorOf(const QByteArray& bytes)
{
    unsigned char c = 0;
    for (const char b : bytes)
        c ^= static_cast<unsigned char>(b);
    return c;
}

QByteArray nulText(const QString& sText)
{
    return sText.toLatin1() + '\0';
}
} // namespace

SerialDeviceSim::SerialDeviceSim() = default;

SerialDeviceSim::~SerialDeviceSim()
{
    stop();
}

bool SerialDeviceSim::start()
{
    termios tio{};
    cfmakeraw(&tio);
    cfsetispeed(&tio, B57600);
    cfsetospeed(&tio, B57600);
    char szName[128] = {};
    if (::openpty(&m_nMaster, &m_nSlave, szName, &tio, nullptr) != 0)
        return false;
    if (::pipe(m_wakePipe) != 0) {
        stop();
        return false;
    }
    ::fcntl(m_nMaster, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_nSlave, F_SETFD, FD_CLOEXEC);
    m_sPortName = QString::fromLocal8Bit(szName);
    m_bStop = false;
    m_thread = std::thread([this]() { loop(); });
    return true;
}

void SerialDeviceSim::stop()
{
    m_bStop = true;
    if (m_wakePipe[1] >= 0) {
        const char c = 'x';
        [[maybe_unused]] const ssize_t n = ::write(m_wakePipe[1], &c, 1);
    }
    if (m_thread.joinable())
        m_thread.join();
    for (int* pFd : {&m_nMaster, &m_nSlave, &m_wakePipe[0], &m_wakePipe[1]}) {
        if (*pFd >= 0)
            ::close(*pFd);
        *pFd = -1;
    }
}

void SerialDeviceSim::setIdentity(const QString& sUuid, const QString& sSkuId, const QString& sHwName,
                                  const QString& sFirmware)
{
    QMutexLocker lock(&m_mutex);
    m_sUuid = sUuid;
    m_sSkuId = sSkuId;
    m_sHwName = sHwName;
    m_sFirmware = sFirmware;
}

void SerialDeviceSim::setHandler(unsigned char cCommand, Handler handler)
{
    QMutexLocker lock(&m_mutex);
    m_mapHandlers.insert(cCommand, std::move(handler));
}

void SerialDeviceSim::setRawReply(unsigned char cCommand, const QByteArray& bytes, int nDelayMs)
{
    setHandler(cCommand, [bytes, nDelayMs](const QByteArray&) { return Reply{Chunk{nDelayMs, bytes}}; });
}

void SerialDeviceSim::setDelay(unsigned char cCommand, int nDelayMs)
{
    const Reply reply = defaultReply(cCommand);
    setHandler(cCommand, [reply, nDelayMs](const QByteArray&) {
        Reply delayed = reply;
        if (!delayed.isEmpty())
            delayed.first().nDelayMs = nDelayMs;
        return delayed;
    });
}

void SerialDeviceSim::setSplit(unsigned char cCommand, int nSliceSize, int nGapMs)
{
    const Reply reply = defaultReply(cCommand);
    setHandler(cCommand, [reply, nSliceSize, nGapMs](const QByteArray&) {
        const QByteArray whole = reply.isEmpty() ? QByteArray() : reply.first().bytes;
        Reply slices;
        for (int i = 0; i < whole.size(); i += nSliceSize)
            slices.append(Chunk{i == 0 ? 0 : nGapMs, whole.mid(i, nSliceSize)});
        return slices;
    });
}

void SerialDeviceSim::setTrailing(unsigned char cCommand, const QByteArray& extra)
{
    const Reply reply = defaultReply(cCommand);
    setHandler(cCommand, [reply, extra](const QByteArray&) {
        Reply merged = reply;
        if (!merged.isEmpty())
            merged.first().bytes += extra;
        return merged;
    });
}

void SerialDeviceSim::setSilent(unsigned char cCommand)
{
    setHandler(cCommand, [](const QByteArray&) { return Reply(); });
}

void SerialDeviceSim::setBadTrailer(bool bBad)
{
    QMutexLocker lock(&m_mutex);
    m_bBadTrailer = bBad;
}

QByteArray SerialDeviceSim::replyFrame(unsigned char cCode, const QByteArray& payload, bool bGoodTrailer)
{
    QByteArray body;
    body.append(char((payload.size() >> 8) & 0xFF));
    body.append(char(payload.size() & 0xFF));
    body.append(payload);
    const unsigned char cTrailer = xorOf(body);
    return QByteArray(1, char(cCode)) + body + char(bGoodTrailer ? cTrailer : cTrailer ^ 0x5A);
}

QList<QByteArray> SerialDeviceSim::frames() const
{
    QMutexLocker lock(&m_mutex);
    return m_lstFrames;
}

int SerialDeviceSim::badFrames() const
{
    QMutexLocker lock(&m_mutex);
    return m_nBadFrames;
}

int SerialDeviceSim::frameCount(unsigned char cCommand) const
{
    QMutexLocker lock(&m_mutex);
    int nCount = 0;
    for (const QByteArray& frame : m_lstFrames)
        nCount += (frame.size() > 3 && static_cast<unsigned char>(frame.at(3)) == cCommand) ? 1 : 0;
    return nCount;
}

void SerialDeviceSim::clearFrames()
{
    QMutexLocker lock(&m_mutex);
    m_lstFrames.clear();
    m_nBadFrames = 0;
}

SerialDeviceSim::Reply SerialDeviceSim::defaultReply(unsigned char cCommand) const
{
    QMutexLocker lock(&m_mutex);
    QByteArray payload;
    switch (cCommand) {
    case CMD_UUID:
        payload = nulText(m_sUuid);
        break;
    case CMD_SKUID:
        payload = nulText(m_sSkuId);
        break;
    case CMD_HWNAME:
        payload = m_sHwName.toLatin1().left(20);
        payload.append(QByteArray(20 - payload.size(), '\0'));
        break;
    case CMD_INFOBLOCK:
        payload = QByteArray(90, '\0');
        payload.replace(26, m_sFirmware.size() + 1, nulText(m_sFirmware).left(90 - 26));
        payload.resize(90);
        break;
    case CMD_PROFILE:
        payload = QByteArray(404, '\0');
        break;
    default:
        return Reply();
    }
    return Reply{Chunk{0, replyFrame(cCommand, payload, !m_bBadTrailer)}};
}

bool SerialDeviceSim::sleepMs(int nMs)
{
    if (nMs <= 0)
        return !m_bStop;
    pollfd pfd{m_wakePipe[0], POLLIN, 0};
    ::poll(&pfd, 1, nMs);
    return !m_bStop;
}

void SerialDeviceSim::loop()
{
    char buffer[4096];
    while (!m_bStop) {
        pollfd fds[2] = {{m_nMaster, POLLIN, 0}, {m_wakePipe[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 && errno != EINTR)
            return;
        if (m_bStop || (fds[1].revents & POLLIN))
            return;
        if (!(fds[0].revents & POLLIN))
            continue;
        const ssize_t nRead = ::read(m_nMaster, buffer, sizeof(buffer));
        if (nRead > 0)
            takeBytes(QByteArray(buffer, int(nRead)));
    }
}

void SerialDeviceSim::takeBytes(const QByteArray& bytes)
{
    m_pending += bytes;
    for (;;) {
        const int nStart = m_pending.indexOf(char(0x02));
        if (nStart < 0) {
            m_pending.clear();
            return;
        }
        m_pending.remove(0, nStart);
        if (m_pending.size() < 3)
            return;
        const int nLength =
            256 * static_cast<unsigned char>(m_pending.at(1)) + static_cast<unsigned char>(m_pending.at(2));
        if (m_pending.size() < nLength + 4)
            return;
        const QByteArray frame = m_pending.left(nLength + 4);
        m_pending.remove(0, nLength + 4);
        answer(frame);
    }
}

void SerialDeviceSim::answer(const QByteArray& frame)
{
    const int nLength = frame.size() - 4;
    const bool bGood =
        nLength >= 1 && xorOf(frame.mid(1, nLength + 2)) == static_cast<unsigned char>(frame.back());
    Handler handler;
    {
        QMutexLocker lock(&m_mutex);
        m_lstFrames.append(frame);
        if (!bGood) {
            ++m_nBadFrames;
            return;
        }
        handler = m_mapHandlers.value(static_cast<unsigned char>(frame.at(3)));
    }
    const unsigned char cCommand = static_cast<unsigned char>(frame.at(3));
    const Reply reply = handler ? handler(frame.mid(4, nLength - 1)) : defaultReply(cCommand);
    for (const Chunk& chunk : reply) {
        if (!sleepMs(chunk.nDelayMs))
            return;
        [[maybe_unused]] const ssize_t n =
            ::write(m_nMaster, chunk.bytes.constData(), size_t(chunk.bytes.size()));
    }
}
