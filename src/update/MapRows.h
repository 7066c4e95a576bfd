#pragma once

#include "core/WorkFile.h"

#include <QString>

// The layout of the map work lists' rows: field 0 names the kind of row, fields 1-5 are version, size,
// release date, notes and region id. The archive address and its checksum sit in fields 6 and 7, or in
// 7 and 8 for "SellMapCredits" and "freeupdate" rows, whose field 6 is the credit.
class MapRows
{
public:
    static constexpr int VERSION = 1;
    static constexpr int SIZE = 2;
    static constexpr int RELEASE_DATE = 3;
    static constexpr int NOTES = 4;

    static bool hasCredit(const WorkFile::Row& row);
    static int urlField(const WorkFile::Row& row) { return hasCredit(row) ? 7 : 6; }
    static QString url(const WorkFile::Row& row) { return row.value(urlField(row)); }
    static QString checksum(const WorkFile::Row& row) { return row.value(urlField(row) + 1); }
    static QString notes(const WorkFile::Row& row) { return row.value(NOTES); }
    // The credit of a shop row ("" for rows without one).
    static QString credit(const WorkFile::Row& row) { return hasCredit(row) ? row.value(6) : QString(); }
    // The rows the map install downloads: a list row or a history row.
    static bool isInstallable(const WorkFile::Row& row);
};
