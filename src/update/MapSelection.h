#pragma once

#include "MapKind.h"
#include "core/WorkFile.h"

#include <QList>
#include <QMap>
#include <QString>

// Narrows the rows of a map check to what the device needs: for each map kind only the newest offer
// above the device's version, one row per kind, in the order of installation (base map, country data,
// OSM, NQ, TA). Shop rows with credit "0", rows of no known kind and rows too short to judge are
// dropped. TA and NQ maps share the device's "ta" version. An NQ map is written only when its notes say
// "NQ-": one marked "NQ" alone still raises the shared version but is not installed.
class MapSelection
{
public:
    // versions: "bm", "ta", "osm", "country" of the device.
    static QList<WorkFile::Row> select(const QList<WorkFile::Row>& rows,
                                       const QMap<QString, QString>& versions);
    // A version as a number; text that is no number as a whole counts as 0.
    static double versionNumber(const QString& sVersion);
    // The kind under which a selected row is written: its kind, except that "NQ" without the hyphen
    // names no kind of its own (NONE, or the other marker the row carries).
    static MapKind::Kind writtenKind(const QString& sNotes);

    // The whole step on the work lists: "map.script" is copied to "map_temp.script" and rewritten with
    // the selection, or emptied while a firmware update is pending in "Update.script". False when
    // "map.script" cannot be read or written.
    static bool generateMapScript(const QMap<QString, QString>& versions);
    // True when "Update.script" begins with an "IMAGE" row; the list is then cut down to that row.
    static bool chkImageUpdate();
};
