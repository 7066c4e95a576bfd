#pragma once

#include "MountEntry.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// Reading of the kernel's mount table as plain text, so that the rules about which mounts are volumes
// can be tested with tables.
class MountTable
{
public:
    // The entries of a mountinfo text in their order; malformed lines are skipped.
    static QList<MountEntry> parse(const QByteArray& text);
    // False for the system's own mounts: /, /proc, /sys, /dev, /run (but not /run/media), /boot, /etc,
    // /usr, /var, /snap and pseudo or image file systems (tmpfs, proc, squashfs, overlay, ...).
    static bool isVolume(const MountEntry& entry);
    // The volume roots (mount path + "/") of a table, each once, sorted so every scan sees one order.
    static QStringList volumeRoots(const QList<MountEntry>& entries);
    // The entry that is visible at a root (the last one mounted there), or false when none is.
    static bool findByRoot(const QList<MountEntry>& entries, const QString& sRoot, MountEntry* pEntry);
    // The whole volume's block device behind an entry, or "" (bind mounts of a folder, no device).
    static QString labelDevice(const MountEntry& entry);
    // The entries mounted at or below one of the folders in lstPlaces (a trailing "/" does not matter), in
    // their order; all of them when lstPlaces is empty.
    static QList<MountEntry> keepBelow(const QList<MountEntry>& entries, const QStringList& lstPlaces);
    // Decodes the octal escapes (\040 and the like) of a mountinfo field.
    static QString unescape(const QByteArray& field);
};
