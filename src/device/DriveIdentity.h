#pragma once

#include "core/Worker.h"

#include <QString>

// What a drive-family device tells of itself on its system drive: the identity in "device.xml" at the
// root (UUID, SKU id, model type, hardware name, firmware version), then the content versions of its
// version files. Read at plug-in, and again after an install has written to the device.
class DriveIdentity
{
public:
    // Fills pInfo from the system drive at sRoot; false (pInfo holds what "device.xml" gave) when the file
    // names no UUID, SKU id or hardware name: the drive is then no device.
    static bool read(const QString& sRoot, Worker::DEVINFO* pInfo);
};
