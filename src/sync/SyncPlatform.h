#pragma once

#include "platform/SerialLink.h"

class VolumeInfo;

// Where the sync reaches the machine: the volumes (free space on the device drive) and the serial links
// of the serial family. Production uses the Linux implementations; tests install fakes before a sync
// starts and restore the defaults (null / empty) afterwards. Safe to read from any thread.
class SyncPlatform
{
public:
    static const VolumeInfo& volumes();
    static void setVolumes(const VolumeInfo* pVolumes);

    // An empty factory means the real port.
    static SerialLinkFactory serialLinks();
    static void setSerialLinks(SerialLinkFactory factory);
};
