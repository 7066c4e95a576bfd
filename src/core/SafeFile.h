#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Replaces a file whole or not at all: the bytes go to a temporary file beside it, every write and the
// flush of the buffered rest are checked, and only a complete temporary file is renamed over the old
// one. A full disk therefore leaves the old file exactly as it was.
//
// The buffered rest is flushed and checked here on purpose: the save-file commit alone flushes it while
// closing and loses that error, so a short file would still be renamed over a good one.
class SafeFile
{
public:
    // The new file keeps the old file's mode (or the usual mode for a new file).
    static bool write(const QString& sPath, const QByteArray& bytes, QString* pError = nullptr);
    // The new file is readable and writable by its owner only, also when the old one was wider: it is
    // made private before its first byte is written.
    static bool writePrivate(const QString& sPath, const QByteArray& bytes, QString* pError = nullptr);

private:
    static bool replace(const QString& sPath, const QByteArray& bytes, bool bPrivate, QString* pError);
    static bool laterThanOld(QFileDevice* pFile, const QString& sPath);
};
