#include "SafeFile.h"

#include "DiskFullWatch.h"
#include "platform/NoFollowFile.h"

#include <QDateTime>
#include <QFileInfo>

namespace
{
const int PRIVATE_MODE = 0600;
} // namespace

bool SafeFile::write(const QString& sPath, const QByteArray& bytes, QString* pError)
{
    return replace(sPath, bytes, false, pError);
}

bool SafeFile::writePrivate(const QString& sPath, const QByteArray& bytes, QString* pError)
{
    return replace(sPath, bytes, true, pError);
}

// A reader that caches a file by its size and time (the settings library does) must notice every
// replacement, also one of the same size within the same millisecond. The time is always set here: the
// file system stamps files by a clock that moves in steps of several milliseconds, so a new file can carry
// the old one's time even though the wall clock has moved on.
qint64 SafeFile::laterThanOld(const QString& sPath)
{
    QDateTime newTime = QDateTime::currentDateTime();
    const QFileInfo old(sPath);
    if (old.exists() && old.lastModified() >= newTime)
        newTime = old.lastModified().addMSecs(1);
    return newTime.toMSecsSinceEpoch();
}

bool SafeFile::replace(const QString& sPath, const QByteArray& bytes, bool bPrivate, QString* pError)
{
    const NoFollowFile::Result result = NoFollowFile::replace(
        sPath, bytes, bPrivate ? PRIVATE_MODE : NoFollowFile::KEEP_MODE, laterThanOld(sPath), pError);
    if (result == NoFollowFile::NO_ROOM)
        DiskFullWatch::noteFullDisk();
    return result == NoFollowFile::DONE;
}
