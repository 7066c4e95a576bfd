#pragma once

#include <QString>
#include <QTemporaryDir>

// A small real file system mounted into a temporary folder, for tests of full disks: an ext4 or a FAT
// image loop-mounted, or a 64 KB tmpfs. Root only; a refused mount says why (no loop devices, a kernel
// without FAT), so the test can skip. The mount is always undone by the destructor, also when the test
// failed half-way.
class SmallVolume
{
public:
    enum Kind { EXT4, TMPFS, FAT };

    // Mounted on a temporary folder of its own, or on sMountPoint (an existing folder, whose content it
    // hides while mounted): the data folder's "temp", say.
    explicit SmallVolume(Kind kind, const QString& sMountPoint = QString());
    // Before mount(): the image's size for truncate ("4M" unless set) and what is added to the image's
    // mkfs command line ("-N", "32" for an ext4 of few inodes; "-s", "64" for FAT clusters of 64
    // sectors), or to the tmpfs's mount options ("nr_inodes=0" for no limit of files).
    void setFormat(const QString& sSize, const QStringList& lstOptions);
    ~SmallVolume();
    SmallVolume(const SmallVolume&) = delete;
    SmallVolume& operator=(const SmallVolume&) = delete;

    bool mount(QString* pWhy);
    bool unmount();
    QString path() const { return m_sMountPoint.isEmpty() ? m_mountDir.path() : m_sMountPoint; }

    // Fills the volume with a filler file until only about nFreeBlocks blocks of 4 KB are left.
    bool fillLeaving(int nFreeBlocks, QString* pWhy);
    // Removes the filler again.
    bool makeRoom();

private:
    bool fillUntilFull(const QString& sPath);

    Kind m_kind;
    QString m_sSize = "4M";
    QStringList m_lstOptions;
    QTemporaryDir m_mountDir;
    QString m_sMountPoint;
    QString m_sImage;
    bool m_bMounted = false;
};
