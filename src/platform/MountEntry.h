#pragma once

#include <QString>

// One line of the kernel's mount table (/proc/self/mountinfo), escapes decoded.
struct MountEntry {
    QString sFsRoot;     // the folder of the file system that is mounted ("/" for the whole volume)
    QString sMountPoint; // where it is mounted, without a trailing "/" (except "/" itself)
    QString sFsType;
    QString sSource; // the block device for disk volumes, e.g. /dev/sdb1
};
