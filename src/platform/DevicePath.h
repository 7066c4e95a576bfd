#pragma once

#include <QString>

// Paths on the device. The device's drives are FAT, where names do not depend on letter case, but on
// Linux they may be mounted case-sensitively or copied to a case-sensitive folder. A drive root is a mount
// path ending in "/".
class DevicePath
{
public:
    // sRoot + sRelative, each existing part matched without regard to case; parts that do not exist keep
    // the spelling given. "\" in sRelative counts as "/".
    static QString resolve(const QString& sRoot, const QString& sRelative);
    // As resolve(), and creates the missing folders of the result (the relative path names a folder).
    // Fails when a part on the way is a link or leaves the drive (DevicePlace).
    static QString resolveDir(const QString& sRoot, const QString& sRelative, bool* pOk = nullptr);
    // True when sRelative stays below its root: no "..", no absolute part, no drive letter.
    static bool isSafeRelative(const QString& sRelative);
    // A root always ends in exactly one "/".
    static QString normalizeRoot(const QString& sRoot);
};
