#include "SmallVolume.h"

#include "SystemTools.h"

#include <QFile>
#include <QProcess>

namespace
{
const int BLOCK = 4096;

} // namespace

SmallVolume::SmallVolume(Kind kind, const QString& sMountPoint) : m_kind(kind), m_sMountPoint(sMountPoint)
{
    m_sImage = m_mountDir.path() + ".img";
}

SmallVolume::~SmallVolume()
{
    unmount();
    QFile::remove(m_sImage);
}

void SmallVolume::setFormat(const QString& sSize, const QStringList& lstOptions)
{
    m_sSize = sSize;
    m_lstOptions = lstOptions;
}

bool SmallVolume::mount(QString* pWhy)
{
    if (m_bMounted)
        return true;
    if (!m_mountDir.isValid()) {
        *pWhy = "no temporary folder";
        return false;
    }
    if (m_kind == TMPFS) {
        const QString sOptions = QStringList(QStringList{"size=64k", "mode=0700"} + m_lstOptions).join(',');
        if (!SystemTools::run("mount", {"-t", "tmpfs", "-o", sOptions, "tmpfs", path()}, pWhy))
            return false;
    } else {
        // No blocks reserved for root: the tests run as root and must meet the same full disk as a user.
        const QStringList lstMkfs = m_kind == FAT
                                        ? QStringList{"mkfs.vfat"} + m_lstOptions + QStringList{m_sImage}
                                        : QStringList{"mkfs.ext4", "-q", "-F", "-m", "0", "-b", "4096"} +
                                              m_lstOptions + QStringList{m_sImage};
        const QStringList lstMount = m_kind == FAT ? QStringList{"-t", "vfat", "-o", "loop", m_sImage, path()}
                                                   : QStringList{"-o", "loop", m_sImage, path()};
        if (!SystemTools::run("truncate", {"-s", m_sSize, m_sImage}, pWhy) ||
            !SystemTools::run(lstMkfs.first(), lstMkfs.mid(1), pWhy) ||
            !SystemTools::run("mount", lstMount, pWhy))
            return false;
    }
    m_bMounted = true;
    return true;
}

bool SmallVolume::unmount()
{
    if (!m_bMounted)
        return true;
    QString sWhy;
    if (!SystemTools::run("umount", {path()}, &sWhy) && !SystemTools::run("umount", {"-l", path()}, &sWhy))
        return false;
    m_bMounted = false;
    return true;
}

// Writes until the file system refuses; every chunk is flushed so the refusal is seen where it happens.
bool SmallVolume::fillUntilFull(const QString& sPath)
{
    QFile file(sPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray chunk(BLOCK, 'f');
    while (file.write(chunk) == chunk.size() && file.flush()) {
    }
    file.close();
    return true;
}

bool SmallVolume::fillLeaving(int nFreeBlocks, QString* pWhy)
{
    // The room to leave is held by a spacer while the filler takes everything else.
    const QString sSpacer = path() + "/spacer";
    QFile spacer(sSpacer);
    if (!spacer.open(QIODevice::WriteOnly) || spacer.write(QByteArray(nFreeBlocks * BLOCK, 's')) < 0 ||
        !spacer.flush()) {
        *pWhy = "no room for the spacer";
        return false;
    }
    spacer.close();
    if (!fillUntilFull(path() + "/filler")) {
        *pWhy = "the filler cannot be written";
        return false;
    }
    return QFile::remove(sSpacer);
}

bool SmallVolume::makeRoom()
{
    return QFile::remove(path() + "/filler");
}
