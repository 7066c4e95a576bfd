#include "TermiosSerialLink.h"

#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace
{
const int WRITE_LIMIT_MS = 1000;
}

TermiosSerialLink::TermiosSerialLink(const QString& sPort) : m_sPort(sPort) {}

TermiosSerialLink::~TermiosSerialLink()
{
    close();
}

SerialLinkFactory TermiosSerialLink::factory()
{
    return [](const QString& sPort) { return std::unique_ptr<SerialLink>(new TermiosSerialLink(sPort)); };
}

bool TermiosSerialLink::open()
{
    release();
    m_eFailure = OPEN_NO_FAILURE;
    // Non-blocking so that a port without carrier does not hang the open; reads wait in poll().
    m_nFd = ::open(QFile::encodeName(m_sPort).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_nFd < 0) {
        m_eFailure = failureOf(errno);
        return false;
    }
    if (::flock(m_nFd, LOCK_EX | LOCK_NB) != 0) {
        m_eFailure = failureOf(errno);
        release();
        return false;
    }
    if (!configure()) {
        m_eFailure = OPEN_FAILED;
        release();
        return false;
    }
    m_bExclusive = ::ioctl(m_nFd, TIOCEXCL) == 0;
    purge();
    return true;
}

SerialLink::OpenFailure TermiosSerialLink::failureOf(int nErrno)
{
    // A port another program put in exclusive mode answers EBUSY; our own lock EWOULDBLOCK.
    if (nErrno == EACCES || nErrno == EPERM)
        return OPEN_DENIED;
    if (nErrno == EBUSY || nErrno == EWOULDBLOCK)
        return OPEN_BUSY;
    return OPEN_FAILED;
}

bool TermiosSerialLink::configure()
{
    termios tio{};
    if (::tcgetattr(m_nFd, &tio) != 0)
        return false;
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B57600);
    ::cfsetospeed(&tio, B57600);
    tio.c_cflag &= ~tcflag_t(CSIZE | PARENB | CSTOPB | CRTSCTS | HUPCL);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~tcflag_t(IXON | IXOFF | IXANY | INPCK);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(m_nFd, TCSANOW, &tio) != 0)
        return false;
    // Pseudo-terminals have no modem lines; the device's port has and wants both low.
    int nLines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(m_nFd, TIOCMBIC, &nLines);
    return true;
}

void TermiosSerialLink::close()
{
    if (m_nFd < 0)
        return;
    purge();
    release();
}

void TermiosSerialLink::release()
{
    if (m_nFd < 0)
        return;
    if (m_bExclusive)
        ::ioctl(m_nFd, TIOCNXCL);
    m_bExclusive = false;
    ::close(m_nFd); // also drops the flock
    m_nFd = -1;
}

bool TermiosSerialLink::write(const QByteArray& data)
{
    if (m_nFd < 0)
        return false;
    QElapsedTimer timer;
    timer.start();
    int nDone = 0;
    while (nDone < data.size()) {
        const ssize_t nWritten = ::write(m_nFd, data.constData() + nDone, size_t(data.size() - nDone));
        if (nWritten > 0) {
            nDone += int(nWritten);
            continue;
        }
        if (nWritten < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        const int nLeft = WRITE_LIMIT_MS - int(timer.elapsed());
        pollfd pfd{m_nFd, POLLOUT, 0};
        if (nLeft <= 0 || ::poll(&pfd, 1, nLeft) <= 0)
            return false;
    }
    return true;
}

int TermiosSerialLink::read(char* pBuffer, int nMax, int nTimeoutMs)
{
    if (m_nFd < 0)
        return -1;
    if (nMax <= 0)
        return 0;
    pollfd pfd{m_nFd, POLLIN, 0};
    int nReady = 0;
    do {
        nReady = ::poll(&pfd, 1, nTimeoutMs);
    } while (nReady < 0 && errno == EINTR);
    if (nReady < 0)
        return -1;
    if (nReady == 0)
        return 0;
    if (!(pfd.revents & POLLIN))
        return (pfd.revents & (POLLHUP | POLLERR | POLLNVAL)) ? -1 : 0;
    const ssize_t nRead = ::read(m_nFd, pBuffer, size_t(nMax));
    if (nRead < 0)
        return (errno == EAGAIN || errno == EINTR) ? 0 : -1;
    return int(nRead);
}

void TermiosSerialLink::purge()
{
    if (m_nFd >= 0)
        ::tcflush(m_nFd, TCIOFLUSH);
}
