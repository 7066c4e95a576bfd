#include "NoFollowFile.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace
{
const int NAME_TRIES = 100;
// Less room than this left after a failed write: the disk is full for any file of ours.
const quint64 NEARLY_FULL_BYTES = 64 * 1024;

NoFollowFile::Result failure(int nError, const char* szWhat, QString* pError)
{
    if (pError)
        *pError = QString("%1: %2").arg(QLatin1String(szWhat), QString::fromLocal8Bit(std::strerror(nError)));
    return (nError == ENOSPC || nError == EDQUOT) ? NoFollowFile::NO_ROOM : NoFollowFile::FAILED;
}

int openRetrying(const QByteArray& path, int nFlags, mode_t nMode = 0)
{
    int nFd = -1;
    do {
        nFd = ::open(path.constData(), nFlags, nMode);
    } while (nFd < 0 && errno == EINTR);
    return nFd;
}

int accessFlags(QIODevice::OpenMode eMode)
{
    int nFlags = (eMode & QIODevice::ReadWrite) == QIODevice::ReadWrite ? O_RDWR
                 : (eMode & QIODevice::WriteOnly)                       ? O_WRONLY
                                                                        : O_RDONLY;
    if (eMode & QIODevice::Append)
        nFlags |= O_APPEND;
    return nFlags | O_CLOEXEC | O_NOCTTY;
}

// The name beside sPath that a new file is written under: it ends in random letters, so no reader of the
// folder takes it for a file of its kind.
QByteArray temporaryName(const QByteArray& path)
{
    static const char LETTERS[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray name = path + '.';
    for (int i = 0; i < 6; ++i)
        name += LETTERS[QRandomGenerator::global()->bounded(int(sizeof(LETTERS) - 1))];
    return name;
}

bool writeAll(int nFd, const QByteArray& bytes)
{
    const char* pData = bytes.constData();
    qint64 nLeft = bytes.size();
    while (nLeft > 0) {
        const ssize_t nWritten = ::write(nFd, pData, size_t(nLeft));
        if (nWritten < 0 && errno == EINTR)
            continue;
        if (nWritten <= 0) {
            if (nWritten == 0)
                errno = ENOSPC; // a file system that takes nothing more is full
            return false;
        }
        pData += nWritten;
        nLeft -= nWritten;
    }
    return true;
}

// Fills the new file: mode first (a private file is private before its first byte), then the bytes, the
// sync (a full disk may only show here) and the time.
NoFollowFile::Result fill(int nFd, const QByteArray& bytes, int nMode, qint64 nTimeMs, QString* pError)
{
    if (nMode >= 0 && ::fchmod(nFd, mode_t(nMode)) != 0)
        return failure(errno, "permissions", pError);
    if (!writeAll(nFd, bytes))
        return failure(errno, "write", pError);
    if (::fsync(nFd) != 0 && errno != EINVAL)
        return failure(errno, "sync", pError);
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = time_t(nTimeMs / 1000);
    times[1].tv_nsec = long(nTimeMs % 1000) * 1000000L;
    if (::futimens(nFd, times) != 0)
        return failure(errno, "time", pError);
    return NoFollowFile::DONE;
}

NoFollowFile::Result hand(int nFd, QIODevice::OpenMode eMode, QFile* pFile, QString* pError)
{
    if (pFile->open(nFd, eMode, QFileDevice::AutoCloseHandle))
        return NoFollowFile::DONE;
    ::close(nFd);
    if (pError)
        *pError = "open: " + pFile->errorString();
    return NoFollowFile::FAILED;
}
} // namespace

NoFollowFile::Result NoFollowFile::replace(const QString& sPath, const QByteArray& bytes, int nMode,
                                           qint64 nTimeMs, QString* pError)
{
    const QByteArray path = QFile::encodeName(sPath);
    mode_t nCreateMode = 0600;
    if (nMode == KEEP_MODE) {
        struct stat old;
        if (::lstat(path.constData(), &old) == 0 && S_ISREG(old.st_mode))
            nMode = int(old.st_mode & 07777);
        else
            nCreateMode = 0666; // the umask decides, as for any new file
    }
    QByteArray temporary;
    int nFd = -1;
    for (int i = 0; i < NAME_TRIES && nFd < 0; ++i) {
        temporary = temporaryName(path);
        nFd = openRetrying(temporary, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, nCreateMode);
        if (nFd < 0 && errno != EEXIST)
            break;
    }
    if (nFd < 0)
        return failure(errno, "create", pError);
    Result result = fill(nFd, bytes, nMode, nTimeMs, pError);
    if (::close(nFd) != 0 && result == DONE)
        result = failure(errno, "close", pError);
    if (result == DONE && ::rename(temporary.constData(), path.constData()) != 0)
        result = failure(errno, "rename", pError);
    if (result != DONE)
        ::unlink(temporary.constData());
    return result;
}

NoFollowFile::Result NoFollowFile::createNew(const QString& sPath, int nMode, QIODevice::OpenMode eMode,
                                             QFile* pFile, QString* pError)
{
    const QByteArray path = QFile::encodeName(sPath);
    // A link is removed itself; a folder is not removed and makes the create fail.
    if (::unlink(path.constData()) != 0 && errno != ENOENT)
        return failure(errno, "remove", pError);
    const mode_t nCreateMode = nMode == KEEP_MODE ? 0666 : 0600;
    const int nFd = openRetrying(path, accessFlags(eMode) | O_CREAT | O_EXCL | O_NOFOLLOW, nCreateMode);
    if (nFd < 0)
        return failure(errno, "create", pError);
    if (nMode != KEEP_MODE && ::fchmod(nFd, mode_t(nMode)) != 0) {
        const Result result = failure(errno, "permissions", pError);
        ::close(nFd);
        ::unlink(path.constData());
        return result;
    }
    return hand(nFd, eMode, pFile, pError);
}

NoFollowFile::Result NoFollowFile::openExisting(const QString& sPath, QIODevice::OpenMode eMode, QFile* pFile,
                                                QString* pError)
{
    // O_NONBLOCK: a FIFO under the name opens at once instead of waiting, and is then refused.
    const int nFd = openRetrying(QFile::encodeName(sPath), accessFlags(eMode) | O_NOFOLLOW | O_NONBLOCK);
    if (nFd < 0)
        return failure(errno, "open", pError);
    struct stat info;
    if (::fstat(nFd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(nFd);
        if (pError)
            *pError = "open: not a regular file";
        return FAILED;
    }
    ::fcntl(nFd, F_SETFL, ::fcntl(nFd, F_GETFL) & ~O_NONBLOCK);
    return hand(nFd, eMode, pFile, pError);
}

NoFollowFile::Result NoFollowFile::openAppend(const QString& sPath, int nMode, QFile* pFile, QString* pError)
{
    const QIODevice::OpenMode eMode = QIODevice::WriteOnly | QIODevice::Append;
    const int nFd = openRetrying(QFile::encodeName(sPath), accessFlags(eMode) | O_NOFOLLOW | O_NONBLOCK);
    if (nFd < 0) {
        // Nothing there, a link (ELOOP) or a FIFO nobody reads (ENXIO): a file of our own takes the name.
        if (errno == ENOENT || errno == ELOOP || errno == ENXIO)
            return createNew(sPath, nMode, eMode, pFile, pError);
        return failure(errno, "open", pError);
    }
    struct stat info;
    if (::fstat(nFd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(nFd);
        return createNew(sPath, nMode, eMode, pFile, pError);
    }
    const mode_t nNarrow = info.st_mode & 07777 & mode_t(nMode);
    if (nNarrow != (info.st_mode & 07777) && ::fchmod(nFd, nNarrow) != 0) {
        const Result result = failure(errno, "permissions", pError);
        ::close(nFd);
        return result;
    }
    ::fcntl(nFd, F_SETFL, ::fcntl(nFd, F_GETFL) & ~O_NONBLOCK);
    return hand(nFd, eMode, pFile, pError);
}

// Qt names the cause only when a write took nothing at all; a write cut short by a disk that filled half-way
// fails without it. The file system still open under the file tells: it has (next to) no room left.
bool NoFollowFile::isNoRoom(const QFileDevice& file)
{
    if (file.error() == QFileDevice::ResourceError)
        return true;
    struct statvfs room;
    return file.handle() >= 0 && ::fstatvfs(file.handle(), &room) == 0 &&
           quint64(room.f_bavail) * room.f_frsize < NEARLY_FULL_BYTES;
}
