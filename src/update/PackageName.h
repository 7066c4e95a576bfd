#pragma once

#include <QString>

// The local name of a package or map archive from its work-list address: the whole text after the last
// "/", a query included (the download address ends at ".zip", the local name does not). The download,
// the space check and the install all name the file this one way. "" when the text is no safe file name
// in the work folder: empty, "." or "..", a "\", or no ".zip" in it (every package is a zip, and a name
// without one could be a work list of our own).
class PackageName
{
public:
    static QString fromUrl(const QString& sUrl);
};
