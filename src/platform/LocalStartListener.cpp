#include "LocalStartListener.h"

#include "StartTalk.h"

#include <QFile>
#include <QLocalSocket>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{
// Starts the kernel keeps waiting while OPEN_LIMIT of them are talked to; beyond it a start is refused
// and tries again.
const int BACKLOG = 64;

bool outOfFiles(int nErrno)
{
    return nErrno == EMFILE || nErrno == ENFILE || nErrno == ENOBUFS || nErrno == ENOMEM;
}
} // namespace

LocalStartListener::LocalStartListener(const StartSocketPlace& place, std::function<void()> onShowAsked,
                                       std::function<void(const QString&)> onTrouble)
    : m_place(place), m_onShowAsked(std::move(onShowAsked)), m_onTrouble(std::move(onTrouble))
{
    m_watch.setInterval(WATCH_PERIOD_MS);
    connect(&m_watch, &QTimer::timeout, this, [this] { watchSocketFile(); });
    m_rest.setSingleShot(true);
    m_rest.setInterval(REST_MS);
    connect(&m_rest, &QTimer::timeout, this, [this] {
        updateNotifier();
        acceptStarts();
    });
}

LocalStartListener::~LocalStartListener()
{
    closeSocket();
    // The starts still talked to go while the counters they leave by still exist.
    qDeleteAll(findChildren<QLocalSocket*>(QString(), Qt::FindDirectChildrenOnly));
}

bool LocalStartListener::listen()
{
    m_sError.clear();
    if (!m_place.pathFits(m_sError) || !m_place.prepareFolder(m_sError) || !openSocket(m_sError))
        return false;
    m_watch.start();
    return true;
}

bool LocalStartListener::openSocket(QString& sWhy)
{
    const QByteArray path = QFile::encodeName(m_place.socketPath());
    const auto failed = [this, &sWhy](const char* pStep) {
        sWhy = QString("the socket \"%1\" cannot be made (%2: %3)")
                   .arg(m_place.socketPath(), pStep, qt_error_string(errno));
        return false;
    };
    // Whatever lies there was left by an ended agent: the lock says no other one runs.
    if (::unlink(path.constData()) != 0 && errno != ENOENT)
        return failed("unlink");
    const int nFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (nFd < 0)
        return failed("socket");
    struct sockaddr_un address;
    std::memset(&address, 0, sizeof(address));
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size())); // the place checked the length
    if (::bind(nFd, reinterpret_cast<const struct sockaddr*>(&address), sizeof(address)) != 0) {
        failed("bind");
        ::close(nFd);
        return false;
    }
    struct stat info;
    // The folder keeps others out meanwhile; the socket is made private as well.
    if (::chmod(path.constData(), 0600) != 0 || ::listen(nFd, BACKLOG) != 0 ||
        ::lstat(path.constData(), &info) != 0) {
        failed("listen");
        ::unlink(path.constData());
        ::close(nFd);
        return false;
    }
    m_nFd = nFd;
    m_nDevice = info.st_dev;
    m_nInode = info.st_ino;
    m_pNotifier = new QSocketNotifier(nFd, QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, [this] { acceptStarts(); });
    updateNotifier();
    return true;
}

void LocalStartListener::closeSocket()
{
    // Later, not now: this may run inside the notifier's own signal.
    if (m_pNotifier) {
        m_pNotifier->setEnabled(false);
        m_pNotifier->deleteLater();
        m_pNotifier = nullptr;
    }
    if (m_nFd < 0)
        return;
    // A file put in the socket's place is not ours to remove here.
    if (socketFileIsOurs())
        ::unlink(QFile::encodeName(m_place.socketPath()).constData());
    ::close(m_nFd);
    m_nFd = -1;
}

bool LocalStartListener::socketFileIsOurs() const
{
    struct stat info;
    return ::lstat(QFile::encodeName(m_place.socketPath()).constData(), &info) == 0 &&
           S_ISSOCK(info.st_mode) && info.st_dev == m_nDevice && info.st_ino == m_nInode;
}

void LocalStartListener::acceptStarts()
{
    while (m_nFd >= 0 && m_nOpen < OPEN_LIMIT && !m_rest.isActive()) {
        const int nFd = ::accept4(m_nFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (nFd >= 0) {
            troubleOver();
            answerStart(nFd);
            continue;
        }
        const int nErrno = errno;
        if (nErrno == EINTR || nErrno == ECONNABORTED || nErrno == EPROTO)
            continue;
        if (nErrno == EAGAIN || nErrno == EWOULDBLOCK)
            break;
        if (outOfFiles(nErrno)) {
            restAfter(nErrno);
            break;
        }
        // The socket itself failed: a fresh one takes its place.
        tellTrouble(QString("the socket \"%1\" failed (%2); listening there again")
                        .arg(m_place.socketPath(), qt_error_string(nErrno)));
        closeSocket();
        watchSocketFile();
        return;
    }
    updateNotifier();
}

// The start stays in the kernel's queue meanwhile and is taken once a file can be opened again.
void LocalStartListener::restAfter(int nErrno)
{
    tellTrouble(
        QString("later starts cannot be taken for now (%1); trying again").arg(qt_error_string(nErrno)));
    m_rest.start();
}

void LocalStartListener::watchSocketFile()
{
    if (m_nFd >= 0 && socketFileIsOurs())
        return;
    if (m_nFd >= 0) {
        tellTrouble(QString("the socket \"%1\" was removed or replaced; listening there again")
                        .arg(m_place.socketPath()));
        closeSocket();
    }
    QString sWhy;
    if (!m_place.prepareFolder(sWhy) || !openSocket(sWhy)) {
        tellTrouble("later starts cannot reach this agent: " + sWhy + "; trying again");
        return;
    }
    troubleOver();
}

void LocalStartListener::updateNotifier()
{
    if (m_pNotifier)
        m_pNotifier->setEnabled(m_nFd >= 0 && m_nOpen < OPEN_LIMIT && !m_rest.isActive());
}

void LocalStartListener::tellTrouble(const QString& sWhat)
{
    if (sWhat == m_sTrouble)
        return;
    m_sTrouble = sWhat;
    if (m_onTrouble)
        m_onTrouble(sWhat);
}

// Told with its cause: a trouble of open files is told when no file could be opened for the log either.
void LocalStartListener::troubleOver()
{
    if (m_sTrouble.isEmpty())
        return;
    const QString sWas = m_sTrouble;
    m_sTrouble.clear();
    if (m_onTrouble)
        m_onTrouble(QString("later starts reach this agent again at \"%1\" (after: %2)")
                        .arg(m_place.socketPath(), sWas));
}

// Reads one short line; "show" is answered and shown, anything else, too long or too slow, is dropped.
void LocalStartListener::answerStart(int nFd)
{
    auto* pSocket = new QLocalSocket(this);
    if (!pSocket->setSocketDescriptor(nFd)) {
        ::close(nFd);
        delete pSocket;
        return;
    }
    ++m_nOpen;
    connect(pSocket, &QObject::destroyed, this, [this] {
        --m_nOpen;
        updateNotifier();
    });
    connect(pSocket, &QLocalSocket::disconnected, pSocket, &QObject::deleteLater);
    QTimer::singleShot(EXCHANGE_GUARD_MS, pSocket, [pSocket] {
        pSocket->abort();
        pSocket->deleteLater();
    });
    const std::function<void()> onShowAsked = m_onShowAsked;
    const auto readRequest = [pSocket, onShowAsked] {
        if (!pSocket->canReadLine()) {
            if (pSocket->bytesAvailable() > StartTalk::LINE_LIMIT)
                pSocket->abort();
            return;
        }
        const QByteArray request = pSocket->readLine(StartTalk::LINE_LIMIT + 1);
        if (request != StartTalk::SHOW_REQUEST) {
            pSocket->abort();
            return;
        }
        pSocket->write(StartTalk::SHOW_ANSWER);
        pSocket->disconnectFromServer();
        if (onShowAsked)
            onShowAsked();
    };
    connect(pSocket, &QLocalSocket::readyRead, pSocket, readRequest);
    // What came with the connection itself has no readyRead of its own.
    QTimer::singleShot(0, pSocket, readRequest);
}
