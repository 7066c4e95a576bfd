#pragma once

#include "core/Worker.h"

// The content versions of a drive-family device, from the version files below its system drive's
// "KORVO" folder. Each file's first line holds ";"-separated fields: version, release date, more.
class DriveVersions
{
public:
    // The first two fields of the file's first line, without its line end. False when the file does not
    // open; the fields are then untouched.
    static bool readLine(const QString& sPath, QString* pVersion, QString* pDate);
    // Fills the version fields of pInfo from the drive at sRoot: "0" for a version that cannot be read;
    // the map version from "version.nq" when it exists (then bTaMap is false), else from "version.map".
    static void read(const QString& sRoot, Worker::DEVINFO* pInfo);

private:
    static QString versionOf(const QString& sRoot, const QString& sFile, QString* pDate = nullptr);
    static bool readVersion(const QString& sRoot, const QString& sFile, QString* pVersion, QString* pDate);
};
