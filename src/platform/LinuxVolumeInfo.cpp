#include "LinuxVolumeInfo.h"

#include "MountTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <blkid/blkid.h>
#include <sys/statvfs.h>

namespace
{
// udev writes odd characters of a label as \xHH in the link's name.
QString decodeByLabelName(const QString& sName)
{
    QByteArray out;
    const QByteArray in = sName.toUtf8();
    for (int i = 0; i < in.size(); ++i) {
        bool bOk = false;
        if (in.at(i) == '\\' && i + 3 < in.size() && in.at(i + 1) == 'x') {
            const int nValue = in.mid(i + 2, 2).toInt(&bOk, 16);
            if (bOk) {
                out.append(char(nValue));
                i += 3;
                continue;
            }
        }
        out.append(in.at(i));
    }
    return QString::fromUtf8(out);
}
} // namespace

LinuxVolumeInfo::LinuxVolumeInfo(const QStringList& lstPlaces) : m_lstPlaces(lstPlaces) {}

QStringList LinuxVolumeInfo::placesFromEnvironment()
{
    return qEnvironmentVariable("WENDO_VOLUMES_BELOW").split(':', Qt::SkipEmptyParts);
}

QList<MountEntry> LinuxVolumeInfo::readMountTable() const
{
    QFile file("/proc/self/mountinfo");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return MountTable::keepBelow(MountTable::parse(file.readAll()), m_lstPlaces);
}

QStringList LinuxVolumeInfo::volumeRoots() const
{
    return MountTable::volumeRoots(readMountTable());
}

QString LinuxVolumeInfo::volumeLabel(const QString& sRoot) const
{
    MountEntry entry;
    if (!MountTable::findByRoot(readMountTable(), sRoot, &entry))
        return QString();
    const QString sDevice = MountTable::labelDevice(entry);
    if (sDevice.isEmpty())
        return QString();
    const QString sLabel = probeLabel(sDevice);
    return sLabel.isEmpty() ? labelFromByLabel(sDevice) : sLabel;
}

QString LinuxVolumeInfo::probeLabel(const QString& sDevice)
{
    blkid_probe probe = blkid_new_probe_from_filename(QFile::encodeName(sDevice).constData());
    if (!probe)
        return QString();
    QString sLabel;
    blkid_probe_enable_superblocks(probe, 1);
    blkid_probe_set_superblocks_flags(probe, BLKID_SUBLKS_LABEL);
    const char* szValue = nullptr;
    size_t nLength = 0;
    if (blkid_do_safeprobe(probe) == 0 && blkid_probe_lookup_value(probe, "LABEL", &szValue, &nLength) == 0 &&
        szValue)
        sLabel = QString::fromUtf8(szValue).trimmed();
    blkid_free_probe(probe);
    return sLabel;
}

QString LinuxVolumeInfo::labelFromByLabel(const QString& sDevice)
{
    const QString sTarget = QFileInfo(sDevice).canonicalFilePath();
    const QFileInfoList links = QDir("/dev/disk/by-label").entryInfoList(QDir::System | QDir::Files);
    for (const QFileInfo& link : links) {
        if (!sTarget.isEmpty() && link.canonicalFilePath() == sTarget)
            return decodeByLabelName(link.fileName()).trimmed();
    }
    return QString();
}

bool LinuxVolumeInfo::freeSpace(const QString& sRoot, quint64* pnBytes) const
{
    // The folder of a volume that went away is still there, on the volume above it: its free space is
    // not the device's, so only a root that is mounted now counts.
    MountEntry entry;
    if (sRoot.isEmpty() || !MountTable::findByRoot(readMountTable(), sRoot, &entry))
        return false;
    QStorageInfo storage(sRoot);
    if (!storage.isValid() || !storage.isReady() || storage.bytesFree() < 0)
        return false;
    *pnBytes = quint64(storage.bytesFree());
    return true;
}

bool LinuxVolumeInfo::volumeSpace(const QString& sRoot, VolumeSpace* pSpace) const
{
    MountEntry entry;
    if (sRoot.isEmpty() || !MountTable::findByRoot(readMountTable(), sRoot, &entry))
        return false;
    struct statvfs info = {};
    if (::statvfs(QFile::encodeName(sRoot).constData(), &info) != 0)
        return false;
    VolumeSpace space;
    space.nUnit = info.f_frsize ? info.f_frsize : info.f_bsize;
    if (space.nUnit == 0)
        return false;
    space.nFreeBytes = quint64(info.f_bfree) * space.nUnit;
    // A file system that counts no file slots at all (FAT) sets no limit; one that counts them and has
    // none left is full.
    space.bFileLimit = info.f_files != 0;
    space.nFreeFiles = space.bFileLimit ? quint64(info.f_favail) : 0;
    *pSpace = space;
    return true;
}
