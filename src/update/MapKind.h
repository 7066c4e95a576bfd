#pragma once

#include <QList>
#include <QString>

// The kind of a map package, told by a marker in its notes: "BM-", "TA-", "NQ", "OSM-", "CountryID-"
// are looked for in that order and the last one found wins, so "CountryID-ITALY" is country data and
// never a TA map. Selection, install order, space check and version files all ask this one place.
class MapKind
{
public:
    enum Kind { NONE, BASE, TA, NQ, OSM, COUNTRY };

    static Kind of(const QString& sNotes);
    // The device version a kind is compared with: "bm", "ta" (shared by TA and NQ), "osm", "country".
    static QString versionKey(Kind eKind);
    // The version file in the device's "Korvo" folder ("" for NONE).
    static QString versionFile(Kind eKind);
    // The folder below the device's map folder that the kind's archives fill ("" for the map folder).
    static QString mapSubfolder(Kind eKind);
    // The order of installation: base map, country data, OSM, NQ, TA.
    static QList<Kind> installOrder();
};
