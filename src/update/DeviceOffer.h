#pragma once

#include "core/WorkFile.h"

#include <QList>
#include <QString>

// What a software check asks and offers for a device of a family (a Worker::DeviceFamily). The install
// writes device software and firmware onto the device's drive, which a serial-family device does not
// have: such a device is asked for with "0" as its versions, is offered only the agent's own package and
// has no map check. The interactive check and the daily check both go by this one rule, so a balloon
// never announces what "Check for Updates" would not offer.
class DeviceOffer
{
public:
    // The version a check request carries for the device's image or application version.
    static QString requestVersion(int nFamily, const QString& sVersion);
    // True when a package of the kind ("IMAGE", "APPLICATION", "AGENT", field 0 of "Update.script") is
    // offered to the family.
    static bool isOffered(int nFamily, const QString& sPackageKind);
    // The rows of a device-update list that are offered to the family, in their order.
    static QList<WorkFile::Row> offeredRows(int nFamily, const QList<WorkFile::Row>& rows);
    // True when the family's maps are checked (the drive family's).
    static bool hasMapCheck(int nFamily);

    // The family recorded in a device's settings group ("family"); a group written before the family was
    // recorded counts as the drive family, as every device did then.
    static int recordedFamily(const QString& sUUID);
    static void recordFamily(const QString& sUUID, int nFamily);
};
