#pragma once

#include <QString>
#include <QTemporaryDir>

// A small real file system mounted into a temporary folder, for tests of full disks: an ext4 image
// loop-mounted, or a 64 KB tmpfs. Root only; a refused mount says why, so the test can skip. The mount
// is always undone by the destructor, also when the test failed half-way.
class SmallVolume
{
public:
    enum Kind { EXT4, TMPFS };

    explicit SmallVolume(Kind kind);
    ~SmallVolume();
    SmallVolume(const SmallVolume&) = delete;
    SmallVolume& operator=(const SmallVolume&) = delete;

    bool mount(QString* pWhy);
    bool unmount();
    QString path() const { return m_mountDir.path(); }

    // Fills the volume with a filler file until only about nFreeBlocks blocks of 4 KB are left.
    bool fillLeaving(int nFreeBlocks, QString* pWhy);
    // Removes the filler again.
    bool makeRoom();

private:
    bool fillUntilFull(const QString& sPath);

    Kind m_kind;
    QTemporaryDir m_mountDir;
    QString m_sImage;
    bool m_bMounted = false;
};
