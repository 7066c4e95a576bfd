#include "SafeFile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSaveFile>

namespace
{
bool fail(QSaveFile* pFile, const QString& sWhat, QString* pError)
{
    if (pError)
        *pError = QString("%1: %2").arg(sWhat, pFile->errorString());
    pFile->cancelWriting();
    return false;
}
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
bool SafeFile::laterThanOld(QFileDevice* pFile, const QString& sPath)
{
    QDateTime newTime = QDateTime::currentDateTime();
    const QFileInfo old(sPath);
    if (old.exists() && old.lastModified() >= newTime)
        newTime = old.lastModified().addMSecs(1);
    return pFile->setFileTime(newTime, QFileDevice::FileModificationTime);
}

bool SafeFile::replace(const QString& sPath, const QByteArray& bytes, bool bPrivate, QString* pError)
{
    QSaveFile file(sPath);
    if (!file.open(QIODevice::WriteOnly))
        return fail(&file, "open", pError);
    if (bPrivate && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return fail(&file, "permissions", pError);
    if (file.write(bytes) != bytes.size())
        return fail(&file, "write", pError);
    if (!file.flush())
        return fail(&file, "flush", pError);
    if (!laterThanOld(&file, sPath))
        return fail(&file, "time", pError);
    if (!file.commit()) {
        if (pError)
            *pError = QString("commit: %1").arg(file.errorString());
        return false;
    }
    return true;
}
