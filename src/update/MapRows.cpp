#include "MapRows.h"

bool MapRows::hasCredit(const WorkFile::Row& row)
{
    const QString sKind = row.value(0);
    return sKind == "SellMapCredits" || sKind == "freeupdate";
}

bool MapRows::isInstallable(const WorkFile::Row& row)
{
    static const QStringList kinds = {"history", "freeupdate", "BugFixMapUpdate", "SellMapCredits",
                                      "AdditionalMaps"};
    return kinds.contains(row.value(0)) && row.size() > urlField(row) + 1;
}
