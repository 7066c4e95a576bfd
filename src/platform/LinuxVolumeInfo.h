#pragma once

#include "MountEntry.h"
#include "VolumeInfo.h"

#include <QList>

// Volumes from /proc/self/mountinfo, labels read from the block device with libblkid (falling back to
// /dev/disk/by-label where udev keeps it), free space from QStorageInfo, allocation unit and file slots from
// statvfs.
//
// Where places are given, only mounts at or below them count: a test that mounts volumes of its own
// looks at those alone, whatever else the machine has mounted. Without, every mount of the machine does.
// The agent takes its places from the environment variable WENDO_VOLUMES_BELOW (folders separated by
// ":"), which is unset in normal use; the demo's check sets it to the demo's own drives.
class LinuxVolumeInfo : public VolumeInfo
{
public:
    explicit LinuxVolumeInfo(const QStringList& lstPlaces = placesFromEnvironment());

    // The folders WENDO_VOLUMES_BELOW names, or none.
    static QStringList placesFromEnvironment();

    QStringList volumeRoots() const override;
    QString volumeLabel(const QString& sRoot) const override;
    bool freeSpace(const QString& sRoot, quint64* pnBytes) const override;
    bool volumeSpace(const QString& sRoot, VolumeSpace* pSpace) const override;

    // The label stored on a block device (or a file system image), or "".
    static QString probeLabel(const QString& sDevice);

private:
    static QString labelFromByLabel(const QString& sDevice);
    QList<MountEntry> readMountTable() const;

    QStringList m_lstPlaces;
};
