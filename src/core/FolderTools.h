#pragma once

#include <QString>

// Folder helpers that keep to a given folder: what removes a tree only removes inside the folder the
// caller allows, whatever ".." or symbolic links the path holds.
class FolderTools
{
public:
    // True when sPath is sRoot or lies below it, both taken as clean absolute paths.
    static bool isInside(const QString& sPath, const QString& sRoot);
    // Removes the folder sPath with everything in it (hidden entries too), only when it is sRoot or a
    // folder inside it, never any folder above. True when the folder is gone or never existed; false
    // for an empty path, a path outside sRoot, a symbolic link or a file (left as they are), or a
    // removal that failed.
    static bool removeInside(const QString& sPath, const QString& sRoot);
};
