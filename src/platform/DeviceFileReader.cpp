#include "DeviceFileReader.h"

#include "DevicePath.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const qint64 CHUNK_SIZE = 64 * 1024;

class FileHandle
{
public:
    explicit FileHandle(int nFd) : m_nFd(nFd) {}
    ~FileHandle()
    {
        if (m_nFd >= 0)
            ::close(m_nFd);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int fd() const { return m_nFd; }

private:
    int m_nFd;
};

DeviceFileReader::Result missingOrFailed(int nError)
{
    return (nError == ENOENT || nError == ENOTDIR) ? DeviceFileReader::READ_MISSING
                                                   : DeviceFileReader::READ_FAILED;
}

int openWithoutBlocking(const QByteArray& path)
{
    int nFd = -1;
    do {
        // O_NONBLOCK: a FIFO that slipped in after the look opens at once instead of waiting for a writer.
        nFd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (nFd < 0 && errno == EINTR);
    return nFd;
}

// Up to nWanted bytes appended to pBytes; false on a read error.
bool readUpTo(int nFd, qint64 nWanted, QByteArray* pBytes)
{
    while (pBytes->size() < nWanted) {
        const qint64 nChunk = qMin(CHUNK_SIZE, nWanted - pBytes->size());
        const int nOld = pBytes->size();
        pBytes->resize(nOld + int(nChunk));
        const ssize_t nRead = ::read(nFd, pBytes->data() + nOld, size_t(nChunk));
        if (nRead < 0 && errno == EINTR) {
            pBytes->resize(nOld);
            continue;
        }
        pBytes->resize(nOld + int(qMax<ssize_t>(nRead, 0)));
        if (nRead < 0)
            return false;
        if (nRead == 0)
            break;
    }
    return true;
}
} // namespace

DeviceFileReader::Result DeviceFileReader::readFile(const QString& sPath, qint64 nLimit, QByteArray* pBytes)
{
    return read(sPath, nLimit, false, pBytes);
}

DeviceFileReader::Result DeviceFileReader::readHead(const QString& sPath, qint64 nLimit, QByteArray* pBytes)
{
    return read(sPath, nLimit, true, pBytes);
}

DeviceFileReader::Result DeviceFileReader::read(const QString& sPath, qint64 nLimit, bool bCut,
                                                QByteArray* pBytes)
{
    pBytes->clear();
    if (sPath.isEmpty())
        return READ_MISSING;
    const QByteArray path = QFile::encodeName(sPath);
    struct stat info;
    // Looked at before the open, so that no device node is ever opened (opening some has effects).
    if (::stat(path.constData(), &info) != 0)
        return missingOrFailed(errno);
    if (!S_ISREG(info.st_mode))
        return READ_NOT_REGULAR;
    const FileHandle file(openWithoutBlocking(path));
    if (file.fd() < 0)
        return missingOrFailed(errno);
    // The name may have been swapped between the look and the open: what counts is what was opened.
    if (::fstat(file.fd(), &info) != 0)
        return READ_FAILED;
    if (!S_ISREG(info.st_mode))
        return READ_NOT_REGULAR;
    if (!bCut && info.st_size > nLimit)
        return READ_TOO_LARGE;
    // One byte more than the bound tells a file that grew past it from one that fits exactly.
    const qint64 nWanted = bCut ? nLimit : nLimit + 1;
    pBytes->reserve(int(qMin<qint64>(qMax<qint64>(info.st_size, 0), nLimit) + 1));
    if (!readUpTo(file.fd(), nWanted, pBytes)) {
        pBytes->clear();
        return READ_FAILED;
    }
    if (!bCut && pBytes->size() > nLimit) {
        pBytes->clear();
        return READ_TOO_LARGE;
    }
    return READ_OK;
}

QString DeviceFileReader::drivePath(const QString& sRoot, const QString& sRelative)
{
    if (sRoot.isEmpty() || !DevicePath::isSafeRelative(sRelative))
        return QString();
    const QString sPath = DevicePath::resolve(sRoot, sRelative);
    const QString sReal = QFileInfo(sPath).canonicalFilePath();
    if (sReal.isEmpty())
        return sPath; // nothing there (or a dangling link): reading it finds nothing
    const QString sRealRoot = QFileInfo(sRoot).canonicalFilePath();
    if (sRealRoot.isEmpty())
        return QString();
    const QString sRootSlash = sRealRoot.endsWith('/') ? sRealRoot : sRealRoot + "/";
    return sReal.startsWith(sRootSlash) ? sPath : QString();
}

bool DeviceFileReader::isRegularFile(const QString& sPath)
{
    struct stat info;
    return !sPath.isEmpty() && ::stat(QFile::encodeName(sPath).constData(), &info) == 0 &&
           S_ISREG(info.st_mode);
}

const char* DeviceFileReader::resultName(Result result)
{
    switch (result) {
    case READ_OK:
        return "read";
    case READ_MISSING:
        return "missing";
    case READ_NOT_REGULAR:
        return "not a regular file";
    case READ_TOO_LARGE:
        return "too large";
    case READ_FAILED:
        break;
    }
    return "not readable";
}
