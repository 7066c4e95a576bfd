#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file whole or not at all: the bytes go to a new temporary file beside it, every write and the
// sync are checked, and only a complete temporary file is renamed over the old one. A full disk therefore
// leaves the old file exactly as it was (and is noted for the thread's DiskFullWatch).
//
// Whatever stands under the name is replaced itself, never written through: a symbolic link left there
// (also one that names no file yet) is replaced by the agent's own file, and its target is neither changed
// nor created.
class SafeFile
{
public:
    // The new file keeps the old file's mode (or the usual mode for a new file, also in place of a link).
    static bool write(const QString& sPath, const QByteArray& bytes, QString* pError = nullptr);
    // The new file is readable and writable by its owner only, also when the old one was wider: it is
    // made private before its first byte is written.
    static bool writePrivate(const QString& sPath, const QByteArray& bytes, QString* pError = nullptr);

private:
    static bool replace(const QString& sPath, const QByteArray& bytes, bool bPrivate, QString* pError);
    static qint64 laterThanOld(const QString& sPath);
};
