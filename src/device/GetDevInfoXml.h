#pragma once

#include "core/Worker.h"
#include "net/XMLParserBase.h"

// Reads a drive-family device's "device.xml" (at its system drive's root) into the identity part of a
// record: UUID, SKU id, model type, hardware name and firmware version. Texts are kept as they stand.
class GetDevInfoXml : public XMLParserBase
{
public:
    GetDevInfoXml() = default;

    // True when the file has both "hardware" and "sku" below its root; what was read before a missing
    // part is kept. An unreadable or malformed file changes nothing, and so does anything but a regular
    // file of at most DeviceFileReader::XML_LIMIT bytes (refused unread, and logged).
    bool open(const QString& sPath) override;

    Worker::DEVINFO m_devInfo;
};
