#pragma once

#include <QString>
#include <QStringList>

// The device's symbolic links in a backup. A link on the device may name any file or folder of the
// computer, so a backup leaves links out (each one logged) instead of storing what they point at, and a
// restore drops every link an archive would create, so nothing restored leads off the device.
class BackupLinks
{
public:
    // Paths, relative to sFolder and "/"-separated, of the links below it; linked folders are not entered.
    static QStringList below(const QString& sFolder);
    // The archive program's exclusion list for these paths, one a line in UTF-8. A name holding "*" or "?"
    // would be read as a pattern and leave out other entries: such a link is not listed (the program, told
    // not to follow links, then stores the link itself, which a restore drops).
    static bool writeExclusions(const QString& sListFile, const QStringList& lstLinks);
    // Removes the links below sFolder (after an extraction, before anything is moved onto the device).
    // False when one cannot be removed.
    static bool dropBelow(const QString& sFolder);
};
