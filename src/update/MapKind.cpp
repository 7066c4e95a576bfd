#include "MapKind.h"

MapKind::Kind MapKind::of(const QString& sNotes)
{
    static const QList<QPair<const char*, Kind>> markers = {
        {"BM-", BASE}, {"TA-", TA}, {"NQ", NQ}, {"OSM-", OSM}, {"CountryID-", COUNTRY}};
    Kind eKind = NONE;
    for (const auto& marker : markers) {
        if (sNotes.contains(QLatin1String(marker.first)))
            eKind = marker.second;
    }
    return eKind;
}

QString MapKind::versionKey(Kind eKind)
{
    switch (eKind) {
    case BASE:
        return "bm";
    case TA:
    case NQ:
        return "ta";
    case OSM:
        return "osm";
    case COUNTRY:
        return "country";
    case NONE:
        break;
    }
    return QString();
}

QString MapKind::versionFile(Kind eKind)
{
    switch (eKind) {
    case BASE:
        return "version.bm";
    case TA:
        return "version.map";
    case NQ:
        return "version.nq";
    case OSM:
        return "version.osm";
    case COUNTRY:
        return "version.cnt";
    case NONE:
        break;
    }
    return QString();
}

QString MapKind::mapSubfolder(Kind eKind)
{
    switch (eKind) {
    case TA:
        return "TeleAtlas";
    case NQ:
        return "Navteq";
    case OSM:
        return "OSM";
    case COUNTRY:
        return "Countries";
    case BASE:
    case NONE:
        break;
    }
    return QString();
}

QList<MapKind::Kind> MapKind::installOrder()
{
    return {BASE, COUNTRY, OSM, NQ, TA};
}
