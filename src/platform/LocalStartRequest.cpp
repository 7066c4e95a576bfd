#include "LocalStartRequest.h"

#include "StartTalk.h"

#include <QFile>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{
// The agent listens a moment after it took the lock: a start in between tries again.
const int CONNECT_PAUSE_MS = 100;
const int TRY_AGAIN = -1;
const int GIVE_UP = -2;

// Closes the socket however the request ends.
class SocketCloser
{
public:
    explicit SocketCloser(int nFd) : m_nFd(nFd) {}
    ~SocketCloser() { ::close(m_nFd); }
    SocketCloser(const SocketCloser&) = delete;
    SocketCloser& operator=(const SocketCloser&) = delete;

private:
    int m_nFd;
};
} // namespace

LocalStartRequest::LocalStartRequest(const StartSocketPlace& place) : m_place(place) {}

bool LocalStartRequest::askToShow()
{
    m_sError.clear();
    m_deadline = QDeadlineTimer(DEADLINE_MS);
    const int nFd = connectInTime();
    if (nFd < 0)
        return false;
    SocketCloser closer(nFd);
    if (!servedByThisUser(nFd) || !sendRequest(nFd))
        return false;
    QByteArray answer;
    if (!readAnswer(nFd, answer))
        return false;
    if (!answer.contains('\n'))
        return fail(QString("the running agent at \"%1\" ended the talk without an answer")
                        .arg(m_place.socketPath()));
    if (!answer.startsWith(StartTalk::SHOW_ANSWER))
        return fail(QString("the running agent at \"%1\" answered something other than \"shown\"")
                        .arg(m_place.socketPath()));
    return true;
}

bool LocalStartRequest::fail(const QString& sWhy)
{
    m_sError = sWhy;
    return false;
}

int LocalStartRequest::connectInTime()
{
    QString sWhy;
    if (!m_place.pathFits(sWhy)) {
        fail("the running agent cannot be reached: " + sWhy);
        return -1;
    }
    for (;;) {
        const int nFd = tryConnect(sWhy);
        if (nFd >= 0)
            return nFd;
        if (nFd == GIVE_UP) {
            fail("the running agent is not asked: " + sWhy);
            return -1;
        }
        const qint64 nLeft = m_deadline.remainingTime();
        if (nLeft <= 0) {
            fail("the running agent cannot be reached: " + sWhy);
            return -1;
        }
        QThread::msleep(ulong(qMin<qint64>(CONNECT_PAUSE_MS, nLeft)));
    }
}

// Nothing is connected to before the folder and the socket proved to be this user's.
int LocalStartRequest::tryConnect(QString& sWhy)
{
    for (const StartSocketPlace::Check nCheck : {m_place.checkFolder(sWhy), m_place.checkSocket(sWhy)}) {
        if (nCheck == StartSocketPlace::UNTRUSTED)
            return GIVE_UP;
        if (nCheck == StartSocketPlace::NOT_YET)
            return TRY_AGAIN;
    }
    const int nFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (nFd < 0) {
        sWhy = QString("no local socket can be made (%1)").arg(qt_error_string(errno));
        return GIVE_UP;
    }
    struct sockaddr_un address;
    std::memset(&address, 0, sizeof(address));
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(m_place.socketPath());
    std::memcpy(address.sun_path, path.constData(), size_t(path.size())); // pathFits() checked the length
    if (::connect(nFd, reinterpret_cast<const struct sockaddr*>(&address), sizeof(address)) == 0)
        return nFd;
    // EAGAIN: the agent's queue of starts is full for now.
    sWhy = QString("the socket \"%1\" takes no connection (%2)")
               .arg(m_place.socketPath(), qt_error_string(errno));
    ::close(nFd);
    return TRY_AGAIN;
}

// The socket's file may be this user's and still be served by someone else: the kernel tells who listens.
bool LocalStartRequest::servedByThisUser(int nFd)
{
    struct ucred peer;
    socklen_t nLength = sizeof(peer);
    if (::getsockopt(nFd, SOL_SOCKET, SO_PEERCRED, &peer, &nLength) != 0)
        return fail(QString("the running agent is not asked: who serves the socket \"%1\" is unknown (%2)")
                        .arg(m_place.socketPath(), qt_error_string(errno)));
    if (peer.uid != ::getuid())
        return fail(QString("the running agent is not asked: the socket \"%1\" is served by a process of the "
                            "user with id %2")
                        .arg(m_place.socketPath())
                        .arg(peer.uid));
    return true;
}

bool LocalStartRequest::sendRequest(int nFd)
{
    const QByteArray request(StartTalk::SHOW_REQUEST);
    qint64 nDone = 0;
    while (nDone < request.size()) {
        const ssize_t nSent =
            ::send(nFd, request.constData() + nDone, size_t(request.size() - nDone), MSG_NOSIGNAL);
        if (nSent > 0) {
            nDone += nSent;
            continue;
        }
        if (nSent < 0 && errno != EAGAIN && errno != EINTR)
            return fail(QString("the running agent at \"%1\" cannot be asked (%2)")
                            .arg(m_place.socketPath(), qt_error_string(errno)));
        if (!waitFor(nFd, POLLOUT))
            return fail(QString("the running agent at \"%1\" took no request within %2 seconds")
                            .arg(m_place.socketPath())
                            .arg(DEADLINE_MS / 1000));
    }
    return true;
}

// Up to the end of the first line, the end of the talk or the limit of a line, within the deadline.
bool LocalStartRequest::readAnswer(int nFd, QByteArray& answer)
{
    char buffer[StartTalk::LINE_LIMIT + 1];
    while (!answer.contains('\n') && answer.size() <= StartTalk::LINE_LIMIT) {
        const ssize_t nRead = ::read(nFd, buffer, sizeof(buffer));
        if (nRead == 0)
            return true;
        if (nRead > 0) {
            answer.append(buffer, int(nRead));
            continue;
        }
        if (errno != EAGAIN && errno != EINTR)
            return fail(QString("the running agent at \"%1\" cannot be heard (%2)")
                            .arg(m_place.socketPath(), qt_error_string(errno)));
        if (!waitFor(nFd, POLLIN))
            return fail(QString("the running agent at \"%1\" did not answer within %2 seconds")
                            .arg(m_place.socketPath())
                            .arg(DEADLINE_MS / 1000));
    }
    return true;
}

bool LocalStartRequest::waitFor(int nFd, short nEvents)
{
    for (;;) {
        const qint64 nLeft = m_deadline.remainingTime();
        if (nLeft <= 0)
            return false;
        struct pollfd watched = {nFd, nEvents, 0};
        const int nReady = ::poll(&watched, 1, int(nLeft));
        if (nReady > 0)
            return true;
        if (nReady < 0 && errno != EINTR)
            return false;
    }
}
