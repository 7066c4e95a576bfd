#pragma once

#include "core/Worker.h"

// The content versions of a drive-family device, from the version files below its system drive's
// "KORVO" folder. Each file's first line holds ";"-separated fields: version, release date, more.
class DriveVersions
{
public:
    // The first two fields of the file's first line, without its line end. False when the file does not
    // open, is no regular file or has no line end within its first DeviceFileReader::LINE_LIMIT
    // bytes (no more is read); the fields are then untouched.
    static bool readLine(const QString& sPath, QString* pVersion, QString* pDate);
    // Fills the version fields of pInfo from the drive at sRoot: "0" for a version that cannot be read;
    // the map version from "version.nq" when it exists (then bTaMap is false), else from "version.map".
    static void read(const QString& sRoot, Worker::DEVINFO* pInfo);

private:
    static QString versionOf(const QString& sRoot, const QString& sFile, QString* pDate = nullptr);
    // The version file's path on the drive ("" when a link leads off the drive).
    static QString versionPath(const QString& sRoot, const QString& sFile);
    static bool readVersion(const QString& sRoot, const QString& sFile, QString* pVersion, QString* pDate);
};
