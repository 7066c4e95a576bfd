#pragma once

#include <QString>
#include <QStringList>

// Looks at a place on a device's drive before the agent writes there (or copies it into a backup). The
// drive is hostile ground: any folder or file on it may be a symbolic link to the computer's own files, and
// another file system may be mounted inside it, so a path that merely lies below the drive root can lead
// onto the computer.
// A place is safe when, walking from the drive root to it without following links, no part that exists is
// a link, every such part lies on the root's own file system, every part before the last is a folder,
// and the canonical path of the deepest existing part is the root or lies below it (compared with the
// root's trailing "/", so "<root>2" is not below "<root>"). Parts that do not exist yet are safe to create
// one by one with makeFolder.
class DevicePlace
{
public:
    // sPath is the drive root sRoot or lies below it, and is safe as above. pWhy tells why not, for the log.
    static bool isSafe(const QString& sRoot, const QString& sPath, QString* pWhy = nullptr);
    // Safe, and an existing folder.
    static bool isFolder(const QString& sRoot, const QString& sPath, QString* pWhy = nullptr);
    // Safe, and an existing regular file.
    static bool isFile(const QString& sRoot, const QString& sPath, QString* pWhy = nullptr);
    // Safe, and either a regular file or nothing at all (a dangling link is something): a file that may
    // be replaced.
    static bool isFileSlot(const QString& sRoot, const QString& sPath, QString* pWhy = nullptr);
    // The folder sPath exists and is safe afterwards. Missing folders are created one at a time, each
    // below a folder checked just before, never through a link.
    static bool makeFolder(const QString& sRoot, const QString& sPath, QString* pWhy = nullptr);
    // Each member path (relative to sTarget, "/" or "\" separated) lies safely on the drive: before an
    // extraction, that nothing on the way of a member leads off the device; after it, that no member
    // became a link or landed elsewhere. Members with ".." or an absolute path are never safe.
    static bool membersAreSafe(const QString& sRoot, const QString& sTarget, const QStringList& lstMembers,
                               QString* pWhy = nullptr);
    // True when an entry of any kind is at sPath, a dangling link included (the path is not followed).
    static bool entryExists(const QString& sPath);
    // The names in the folder sDir that are not valid UTF-8, as the agent decodes them (the bad bytes as
    // U+FFFD): such entries name no file the agent can open, and a folder listing leaves them out.
    static QStringList undecodableNames(const QString& sDir);
};
