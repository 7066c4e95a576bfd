#include "MountTable.h"

#include <QDir>
#include <QSet>

#include <algorithm>

namespace
{
const QSet<QString>& pseudoTypes()
{
    static const QSet<QString> types = {
        "proc",        "sysfs",     "devtmpfs",      "devpts",          "tmpfs",       "ramfs",
        "cgroup",      "cgroup2",   "securityfs",    "pstore",          "debugfs",     "tracefs",
        "mqueue",      "hugetlbfs", "fusectl",       "configfs",        "bpf",         "autofs",
        "binfmt_misc", "efivarfs",  "nsfs",          "rpc_pipefs",      "squashfs",    "overlay",
        "selinuxfs",   "nfsd",      "fuse.snapfuse", "fuse.gvfsd-fuse", "fuse.portal", "fuse.lxcfs",
        "devfs",       "none"};
    return types;
}

bool isBelow(const QString& sPath, const QString& sTop)
{
    return sPath == sTop || sPath.startsWith(sTop + "/");
}

bool isSystemPlace(const QString& sMountPoint)
{
    if (sMountPoint == "/")
        return true;
    // Desktop automounters put removable volumes below /run/media/<user>.
    if (isBelow(sMountPoint, "/run/media"))
        return false;
    static const char* const tops[] = {"/proc", "/sys", "/dev",  "/run", "/boot", "/etc",
                                       "/usr",  "/var", "/snap", "/lib", "/bin",  "/sbin"};
    for (const char* szTop : tops) {
        if (isBelow(sMountPoint, QString::fromLatin1(szTop)))
            return true;
    }
    return false;
}
} // namespace

QString MountTable::unescape(const QByteArray& field)
{
    QByteArray out;
    out.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        const char c = field.at(i);
        if (c == '\\' && i + 3 < field.size()) {
            const QByteArray digits = field.mid(i + 1, 3);
            bool bOk = false;
            const int nValue = digits.toInt(&bOk, 8);
            if (bOk && digits.size() == 3 && nValue < 256) {
                out.append(char(nValue));
                i += 3;
                continue;
            }
        }
        out.append(c);
    }
    return QString::fromUtf8(out);
}

QList<MountEntry> MountTable::parse(const QByteArray& text)
{
    QList<MountEntry> entries;
    const QList<QByteArray> lines = text.split('\n');
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.split(' ');
        const int nDash = fields.indexOf("-");
        if (fields.size() < 7 || nDash < 6 || nDash + 2 >= fields.size())
            continue;
        MountEntry entry;
        entry.sFsRoot = unescape(fields.at(3));
        entry.sMountPoint = unescape(fields.at(4));
        entry.sFsType = unescape(fields.at(nDash + 1));
        entry.sSource = unescape(fields.at(nDash + 2));
        if (!entry.sMountPoint.startsWith('/'))
            continue;
        entries.append(entry);
    }
    return entries;
}

bool MountTable::isVolume(const MountEntry& entry)
{
    if (pseudoTypes().contains(entry.sFsType))
        return false;
    return !isSystemPlace(entry.sMountPoint);
}

QStringList MountTable::volumeRoots(const QList<MountEntry>& entries)
{
    QStringList roots;
    for (const MountEntry& entry : entries) {
        MountEntry visible;
        const QString sRoot = entry.sMountPoint + "/";
        if (roots.contains(sRoot) || !findByRoot(entries, sRoot, &visible) || !isVolume(visible))
            continue;
        roots.append(sRoot);
    }
    roots.sort();
    return roots;
}

bool MountTable::findByRoot(const QList<MountEntry>& entries, const QString& sRoot, MountEntry* pEntry)
{
    QString sMountPoint = sRoot;
    while (sMountPoint.size() > 1 && sMountPoint.endsWith('/'))
        sMountPoint.chop(1);
    for (int i = entries.size() - 1; i >= 0; --i) {
        if (entries.at(i).sMountPoint == sMountPoint) {
            *pEntry = entries.at(i);
            return true;
        }
    }
    return false;
}

QList<MountEntry> MountTable::keepBelow(const QList<MountEntry>& entries, const QStringList& lstPlaces)
{
    if (lstPlaces.isEmpty())
        return entries;
    QList<MountEntry> kept;
    for (const MountEntry& entry : entries) {
        const bool bBelow = std::any_of(lstPlaces.begin(), lstPlaces.end(), [&entry](const QString& sPlace) {
            return isBelow(entry.sMountPoint, QDir::cleanPath(sPlace));
        });
        if (bBelow)
            kept.append(entry);
    }
    return kept;
}

QString MountTable::labelDevice(const MountEntry& entry)
{
    // A bind mount of a folder shows the folder, not the volume: the volume's label would mislead.
    if (entry.sFsRoot != "/" || !entry.sSource.startsWith("/dev/"))
        return QString();
    return entry.sSource;
}
