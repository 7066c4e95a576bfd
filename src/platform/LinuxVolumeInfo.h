#pragma once

#include "VolumeInfo.h"

// Volumes from /proc/self/mountinfo, labels read from the block device with libblkid (falling back to
// /dev/disk/by-label where udev keeps it), free space from QStorageInfo, allocation unit and file slots from
// statvfs.
class LinuxVolumeInfo : public VolumeInfo
{
public:
    QStringList volumeRoots() const override;
    QString volumeLabel(const QString& sRoot) const override;
    bool freeSpace(const QString& sRoot, quint64* pnBytes) const override;
    bool volumeSpace(const QString& sRoot, VolumeSpace* pSpace) const override;

    // The label stored on a block device (or a file system image), or "".
    static QString probeLabel(const QString& sDevice);

private:
    static QString labelFromByLabel(const QString& sDevice);
};
