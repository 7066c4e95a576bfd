#include "LinuxSingleInstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSysInfo>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// Retries when the file we opened was removed by its ending holder before we could lock it.
const int OPEN_TRIES = 5;

const QByteArray SHOW_REQUEST = "show\n";
const QByteArray SHOW_ANSWER = "shown\n";
// A request longer than this is no start of ours.
const int REQUEST_LIMIT = 64;
// How long one exchange with the other side may take, each way.
const int EXCHANGE_GUARD_MS = 3000;
// The holder listens a moment after it took the lock: a start in between tries again for a while.
const int CONNECT_TRIES = 20;
const int CONNECT_PAUSE_MS = 100;

// A folder of this user's that nobody else may enter, reached without following a link.
bool isPrivateFolder(const QByteArray& path)
{
    struct stat info;
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() &&
           (info.st_mode & 077) == 0;
}

bool writeAll(int nFd, const QByteArray& data)
{
    qint64 nDone = 0;
    while (nDone < data.size()) {
        const ssize_t nWritten = ::write(nFd, data.constData() + nDone, size_t(data.size() - nDone));
        if (nWritten < 0 && errno == EINTR)
            continue;
        if (nWritten == 0)
            errno = EIO;
        if (nWritten <= 0)
            return false;
        nDone += nWritten;
    }
    return true;
}
} // namespace

LinuxSingleInstance::LinuxSingleInstance(const QString& sLockDir)
    : m_sLockDir(QDir::cleanPath(QDir(sLockDir).absolutePath())), m_sLockPath(m_sLockDir + "/WendoAgent.lock")
{
    // One socket per data folder, so agents (and tests) with folders of their own never meet.
    const QByteArray folderHash =
        QCryptographicHash::hash(QFile::encodeName(m_sLockDir), QCryptographicHash::Sha256).toHex().left(16);
    m_sSocketPath = socketFolder() + "/WendoAgent-" + QString::fromLatin1(folderHash) + ".socket";
}

LinuxSingleInstance::~LinuxSingleInstance()
{
    release();
}

SingleInstance::Result LinuxSingleInstance::tryAcquire()
{
    m_sFailure.clear();
    if (m_nFd >= 0)
        return HELD;
    if (!createFolder())
        return CANNOT_LOCK;
    Result nResult = CANNOT_LOCK;
    const int nFd = openLocked(nResult);
    if (nFd < 0)
        return nResult;
    if (!writeOwner(nFd)) {
        const int nErrno = errno;
        // Ours now, but empty or cut: it goes, so nothing half-written is left behind.
        ::unlink(QFile::encodeName(m_sLockPath).constData());
        ::close(nFd);
        return fail(QString("the lock file \"%1\" cannot be written").arg(m_sLockPath), nErrno);
    }
    m_nFd = nFd;
    return HELD;
}

void LinuxSingleInstance::release()
{
    // The socket goes first: while the lock is held nobody else may remove it.
    m_pServer.reset();
    if (m_nFd < 0)
        return;
    // Removed while still locked, so a later start never takes over a file that is about to vanish.
    if (stillAtPath(m_nFd))
        ::unlink(QFile::encodeName(m_sLockPath).constData());
    ::close(m_nFd);
    m_nFd = -1;
}

SingleInstance::Result LinuxSingleInstance::fail(const QString& sWhat, int nErrno)
{
    m_sFailure = nErrno ? QString("%1 (%2)").arg(sWhat, qt_error_string(nErrno)) : sWhat;
    return CANNOT_LOCK;
}

// Missing folders are made private (0700): the data folder holds the session.
bool LinuxSingleInstance::createFolder()
{
    const QByteArray dir = QFile::encodeName(m_sLockDir);
    int nSlash = 0;
    while (nSlash >= 0) {
        nSlash = dir.indexOf('/', nSlash + 1);
        const QByteArray part = nSlash < 0 ? dir : dir.left(nSlash);
        struct stat info;
        if (::stat(part.constData(), &info) == 0 && S_ISDIR(info.st_mode))
            continue;
        if (::mkdir(part.constData(), 0700) != 0) {
            const int nErrno = errno == EEXIST ? ENOTDIR : errno;
            fail(QString("the data folder \"%1\" cannot be created").arg(m_sLockDir), nErrno);
            return false;
        }
    }
    return true;
}

int LinuxSingleInstance::openLocked(Result& nResult)
{
    const QByteArray path = QFile::encodeName(m_sLockPath);
    for (int nTry = 0; nTry < OPEN_TRIES; ++nTry) {
        // Never follows a link and never waits on a FIFO put in its place.
        const int nFd =
            ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
        if (nFd < 0) {
            const int nErrno = errno;
            if (nErrno == ELOOP)
                nResult = fail(QString("the lock file \"%1\" is a link, not a file").arg(m_sLockPath), 0);
            else
                nResult = fail(QString("the lock file \"%1\" cannot be created").arg(m_sLockPath), nErrno);
            return -1;
        }
        struct stat info;
        if (::fstat(nFd, &info) != 0 || !S_ISREG(info.st_mode)) {
            ::close(nFd);
            nResult = fail(QString("the lock file \"%1\" is not a regular file").arg(m_sLockPath), 0);
            return -1;
        }
        if (::flock(nFd, LOCK_EX | LOCK_NB) != 0) {
            const int nErrno = errno;
            ::close(nFd);
            if (nErrno == EWOULDBLOCK) {
                nResult = OTHER_RUNNING;
                return -1;
            }
            nResult = fail(QString("the lock file \"%1\" cannot be locked").arg(m_sLockPath), nErrno);
            return -1;
        }
        if (stillAtPath(nFd))
            return nFd;
        ::close(nFd);
    }
    nResult = fail(QString("the lock file \"%1\" keeps being replaced").arg(m_sLockPath), 0);
    return -1;
}

bool LinuxSingleInstance::stillAtPath(int nFd) const
{
    struct stat held;
    struct stat named;
    return ::fstat(nFd, &held) == 0 && ::lstat(QFile::encodeName(m_sLockPath).constData(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

// A file taken over may be of any size and mode: it becomes ours, private, holding only our line.
bool LinuxSingleInstance::writeOwner(int nFd)
{
    const QByteArray owner = QByteArray::number(QCoreApplication::applicationPid()) + "\nWendoAgent\n" +
                             QSysInfo::machineHostName().toUtf8() + "\n";
    return ::fchmod(nFd, 0600) == 0 && ::ftruncate(nFd, 0) == 0 && writeAll(nFd, owner) && ::fsync(nFd) == 0;
}

QString LinuxSingleInstance::socketFolder()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivateFolder(runtime))
        return QFile::decodeName(runtime);
    return QDir::tempPath() + "/WendoAgent-" + QString::number(::getuid());
}

// The runtime folder is the desktop's; the one in the temporary folder is made here, and refused when
// someone else made it or opened it to others.
bool LinuxSingleInstance::prepareSocketFolder()
{
    const QString sFolder = QFileInfo(m_sSocketPath).path();
    const QByteArray folder = QFile::encodeName(sFolder);
    if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST) {
        fail(QString("the socket folder \"%1\" cannot be created").arg(sFolder), errno);
        return false;
    }
    if (!isPrivateFolder(folder)) {
        fail(QString("the socket folder \"%1\" is not a private folder of this user").arg(sFolder), 0);
        return false;
    }
    return true;
}

bool LinuxSingleInstance::listenForStarts(std::function<void()> onShowAsked)
{
    m_sFailure.clear();
    if (m_nFd < 0) {
        fail("the lock is not held", 0);
        return false;
    }
    if (m_pServer)
        return true;
    if (!prepareSocketFolder())
        return false;
    // Whatever lies there was left by an ended holder: the lock says no other one runs.
    QLocalServer::removeServer(m_sSocketPath);
    std::unique_ptr<QLocalServer> pServer(new QLocalServer);
    pServer->setSocketOptions(QLocalServer::UserAccessOption);
    if (!pServer->listen(m_sSocketPath)) {
        fail(QString("the socket \"%1\" cannot be made (%2)").arg(m_sSocketPath, pServer->errorString()), 0);
        return false;
    }
    ::chmod(QFile::encodeName(m_sSocketPath).constData(), 0600);
    QLocalServer* pListener = pServer.get();
    QObject::connect(pListener, &QLocalServer::newConnection, pListener, [pListener, onShowAsked] {
        while (QLocalSocket* pSocket = pListener->nextPendingConnection())
            answerStart(pSocket, onShowAsked);
    });
    m_pServer = std::move(pServer);
    return true;
}

// Reads one short line; "show" is answered and shown, anything else, too long or too slow, is dropped.
void LinuxSingleInstance::answerStart(QLocalSocket* pSocket, const std::function<void()>& onShowAsked)
{
    QObject::connect(pSocket, &QLocalSocket::disconnected, pSocket, &QObject::deleteLater);
    QTimer::singleShot(EXCHANGE_GUARD_MS, pSocket, [pSocket] { pSocket->abort(); });
    const auto readRequest = [pSocket, onShowAsked] {
        if (!pSocket->canReadLine()) {
            if (pSocket->bytesAvailable() > REQUEST_LIMIT)
                pSocket->abort();
            return;
        }
        const QByteArray request = pSocket->readLine(REQUEST_LIMIT + 1);
        if (request != SHOW_REQUEST) {
            pSocket->abort();
            return;
        }
        pSocket->write(SHOW_ANSWER);
        pSocket->disconnectFromServer();
        if (onShowAsked)
            onShowAsked();
    };
    QObject::connect(pSocket, &QLocalSocket::readyRead, pSocket, readRequest);
    // What came with the connection itself has no readyRead of its own.
    QTimer::singleShot(0, pSocket, readRequest);
}

bool LinuxSingleInstance::askRunningToShow()
{
    m_sFailure.clear();
    QLocalSocket socket;
    for (int nTry = 0; nTry < CONNECT_TRIES; ++nTry) {
        socket.connectToServer(m_sSocketPath);
        if (socket.waitForConnected(EXCHANGE_GUARD_MS))
            break;
        QThread::msleep(CONNECT_PAUSE_MS);
    }
    if (socket.state() != QLocalSocket::ConnectedState) {
        fail(QString("the running agent cannot be reached at \"%1\" (%2)")
                 .arg(m_sSocketPath, socket.errorString()),
             0);
        return false;
    }
    socket.write(SHOW_REQUEST);
    QByteArray answer;
    if (socket.waitForBytesWritten(EXCHANGE_GUARD_MS)) {
        while (!answer.contains('\n') && answer.size() <= REQUEST_LIMIT &&
               socket.waitForReadyRead(EXCHANGE_GUARD_MS))
            answer += socket.read(REQUEST_LIMIT + 1);
        answer += socket.readAll();
    }
    if (!answer.startsWith(SHOW_ANSWER)) {
        fail("the running agent did not answer", 0);
        return false;
    }
    return true;
}
