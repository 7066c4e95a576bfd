#include "LinuxSingleInstance.h"

#include "LocalStartListener.h"
#include "LocalStartRequest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// Retries when the file we opened was removed by its ending holder before we could lock it.
const int OPEN_TRIES = 5;

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
    : m_sLockDir(QDir::cleanPath(QDir(sLockDir).absolutePath())),
      m_sLockPath(m_sLockDir + "/WendoAgent.lock"), m_place(m_sLockDir)
{
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
    m_pListener.reset();
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

bool LinuxSingleInstance::listenForStarts(std::function<void()> onShowAsked,
                                          std::function<void(const QString&)> onTrouble)
{
    m_sFailure.clear();
    if (m_nFd < 0) {
        fail("the lock is not held", 0);
        return false;
    }
    if (m_pListener)
        return true;
    std::unique_ptr<LocalStartListener> pListener(
        new LocalStartListener(m_place, std::move(onShowAsked), std::move(onTrouble)));
    if (!pListener->listen()) {
        fail(pListener->errorString(), 0);
        return false;
    }
    m_pListener = std::move(pListener);
    return true;
}

bool LinuxSingleInstance::askRunningToShow()
{
    m_sFailure.clear();
    LocalStartRequest request(m_place);
    if (request.askToShow())
        return true;
    fail(request.errorString(), 0);
    return false;
}
