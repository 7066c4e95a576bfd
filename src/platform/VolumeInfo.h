#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// How much a volume can still take, as its file system counts it.
struct VolumeSpace {
    quint64 nFreeBytes = 0; // all free blocks, not only those open to this user
    quint64 nUnit = 1;      // the allocation unit: every file takes a whole number of these
    // Whether the file system limits the number of files and folders. FAT has no such limit (it reports
    // no file slots at all), ext4 and the like do.
    bool bFileLimit = false;
    quint64 nFreeFiles = 0; // files and folders that can still be made, where bFileLimit
};

// The mounted volumes as the device code sees them. A root is a mount path ending in "/", so
// root + "KORVO/version.app" is a path. Implementations are safe to call from any thread.
class VolumeInfo
{
public:
    virtual ~VolumeInfo();

    // Every mounted volume root except the system's own mounts, in a stable (sorted) order.
    virtual QStringList volumeRoots() const = 0;
    // The volume's label with surrounding blanks trimmed; "" when it has none or it cannot be read.
    virtual QString volumeLabel(const QString& sRoot) const = 0;
    // Free bytes of the volume at sRoot (all free blocks, not only those open to this user). False when
    // no volume is mounted at sRoot or the query failed; callers count that as not enough room.
    virtual bool freeSpace(const QString& sRoot, quint64* pnBytes) const = 0;
    // The free space of the volume at sRoot with its allocation unit and free file slots; false where
    // freeSpace() is.
    virtual bool volumeSpace(const QString& sRoot, VolumeSpace* pSpace) const = 0;
};
