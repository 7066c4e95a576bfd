#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

class QFile;
class QFileDevice;

// Writes the agent's own files (the data folder's work lists, answers, temporary rides, downloads, the log)
// so that no write ever goes through a symbolic link or into something that is no regular file, whatever
// was left under the file's name: such an entry is replaced by a file of the agent's own, and what a link
// names is never opened, changed or created. A write that fails because the disk (or the user's quota) is
// full says so, so the caller can tell the user that instead of blaming the network.
//
// The files opened here are handed over as QFile objects on the open descriptor (closed with them): such an
// object knows no file name, so callers remove or rename the file by its path.
class NoFollowFile
{
public:
    enum Result {
        DONE,
        NO_ROOM, // the file system or the quota is full
        FAILED,  // anything else: refused, a folder in the way, a link where an existing file was asked for
    };

    // For replace: the mode of the regular file that stands at the path, or for a new file the usual mode
    // (0666 less the umask). A link's target does not lend its mode. For createNew: the usual mode.
    static const int KEEP_MODE = -1;

    // Replaces sPath whole: the bytes go to a new temporary file beside it (created exclusively, so never
    // through a link), are written, synced and stamped with the modification time nTimeMs (milliseconds
    // since the epoch), and only then is it renamed over sPath. Whatever stood at sPath (a file, a link,
    // a dangling link) is replaced itself; on any failure it stays as it was and the temporary file goes.
    // nMode: the new file's permission bits, or KEEP_MODE. A private file (0600) is private before its
    // first byte is written.
    static Result replace(const QString& sPath, const QByteArray& bytes, int nMode, qint64 nTimeMs,
                          QString* pError);

    // A new empty file at sPath, opened into pFile with eMode (WriteOnly, perhaps Unbuffered) and given the
    // permission bits nMode (KEEP_MODE: the usual mode) before anything is written. Any entry of that name (a
    // file, a link) is removed first, and the file is created exclusively: never through a link, never
    // another's file.
    static Result createNew(const QString& sPath, int nMode, QIODevice::OpenMode eMode, QFile* pFile,
                            QString* pError);

    // The existing regular file sPath, opened into pFile with eMode (ReadOnly or ReadWrite) without
    // following a link: a link, a FIFO, a folder or a device is refused (FAILED), and opening never blocks.
    static Result openExisting(const QString& sPath, QIODevice::OpenMode eMode, QFile* pFile,
                               QString* pError);

    // sPath opened into pFile for appending: the regular file that stands there, its permissions narrowed to
    // nMode; or, when nothing, a link or anything else stands there, a new file of nMode in its place.
    static Result openAppend(const QString& sPath, int nMode, QFile* pFile, QString* pError);

    // True when the last failed write or flush of pFile (still open) met a full disk: Qt said so, or the
    // file's file system has next to no room left.
    static bool isNoRoom(const QFileDevice& file);
};
