#pragma once

#include "core/WorkFile.h"

#include <QString>

// The sync work list: one file, "Sync.script" in the data folder's "/temp", one operation a line, head
// first. Lines are WorkFile rows, so a ";" or a line break inside a title or an address is carried
// without shifting the fields after it:
//   upload;<hash>
//   download;<hash>;<title>;<address>
//   delete;<hash>;<title>;<address>
class SyncScript
{
public:
    static QString path();

    static bool isUpload(const WorkFile::Row& row) { return kind(row) == QLatin1String("upload"); }
    static bool isDownload(const WorkFile::Row& row) { return kind(row) == QLatin1String("download"); }
    static bool isDelete(const WorkFile::Row& row) { return kind(row) == QLatin1String("delete"); }
    static QString kind(const WorkFile::Row& row) { return row.value(0); }
    static QString hash(const WorkFile::Row& row) { return row.value(1); }
    static QString title(const WorkFile::Row& row) { return row.value(2); }
    static QString address(const WorkFile::Row& row) { return row.value(3); }

    // Only plain web addresses are fetched onto the device.
    static bool isWebAddress(const QString& sUrl);
};
