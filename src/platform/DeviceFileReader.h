#pragma once

#include <QByteArray>
#include <QString>

// Reads files that we did not write: a device's own files on its drives, and ride files there. Such a file
// may be anything a mount can show under a harmless name (a FIFO, a link to /dev/zero, a folder, a file of
// hundreds of megabytes), so only regular files are read, links are judged by what they point at, the
// open never blocks, and a read never takes more than its bound.
class DeviceFileReader
{
public:
    // Bounds in bytes.
    enum : qint64 {
        XML_LIMIT = 512 * 1024,        // a device description or keep list
        LINE_LIMIT = 4 * 1024,         // the head of a version file, which holds its first line
        RIDE_LIMIT = 64 * 1024 * 1024, // a GPX ride file
    };
    enum Result {
        READ_OK,
        READ_MISSING,     // no such file
        READ_NOT_REGULAR, // a folder, FIFO, device node or socket, also behind a link
        READ_TOO_LARGE,   // more than the bound (whole-file reads only)
        READ_FAILED,      // refused by the system or a read error
    };

    // The whole file; refused when it holds more than nLimit bytes.
    static Result readFile(const QString& sPath, qint64 nLimit, QByteArray* pBytes);
    // At most nLimit bytes from the file's start; a longer file is cut.
    static Result readHead(const QString& sPath, qint64 nLimit, QByteArray* pBytes);
    // sRelative below the drive root sRoot, each part matched without regard to case (DevicePath). "" when
    // sRelative or a link on the drive leads outside the root (reading "" finds nothing); a missing file
    // keeps the spelling given.
    static QString drivePath(const QString& sRoot, const QString& sRelative);
    // True when sPath names a regular file (after links). Looks without opening anything.
    static bool isRegularFile(const QString& sPath);
    // A short English name of the result, for the log.
    static const char* resultName(Result result);

private:
    static Result read(const QString& sPath, qint64 nLimit, bool bCut, QByteArray* pBytes);
};
