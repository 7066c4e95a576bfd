#include "MapSelection.h"

#include "MapKind.h"
#include "MapRows.h"
#include "core/AgentFolders.h"
#include "core/DebugLog.h"

#include <QFile>
#include <QFileInfo>

double MapSelection::versionNumber(const QString& sVersion)
{
    bool bOk = false;
    const double dValue = sVersion.toDouble(&bOk);
    return bOk ? dValue : 0.0;
}

// The passes that write the selection know the NQ map only by "NQ-": a row marked "NQ" alone is
// compared with the device's version like an NQ map but never written. A row that also carries another
// kind's marker is written as that kind.
MapKind::Kind MapSelection::writtenKind(const QString& sNotes)
{
    const MapKind::Kind eKind = MapKind::of(sNotes);
    if (eKind != MapKind::NQ || sNotes.contains(QLatin1String("NQ-")))
        return eKind;
    QString sOthers = sNotes;
    sOthers.remove(QLatin1String("NQ"));
    return MapKind::of(sOthers);
}

QList<WorkFile::Row> MapSelection::select(const QList<WorkFile::Row>& rows,
                                          const QMap<QString, QString>& versions)
{
    // First the candidates: per version key, rows that raise the running version, in list order.
    QMap<QString, double> running;
    for (auto it = versions.cbegin(); it != versions.cend(); ++it)
        running[it.key()] = versionNumber(it.value());
    QList<WorkFile::Row> candidates;
    for (const WorkFile::Row& row : rows) {
        if (row.size() <= MapRows::NOTES || !MapRows::isInstallable(row))
            continue;
        if (MapRows::hasCredit(row) && row.value(0) == "SellMapCredits" && MapRows::credit(row) == "0")
            continue;
        const MapKind::Kind eKind = MapKind::of(MapRows::notes(row));
        if (eKind == MapKind::NONE)
            continue;
        const QString sKey = MapKind::versionKey(eKind);
        const double dVersion = versionNumber(row.value(MapRows::VERSION));
        if (dVersion > running.value(sKey)) {
            running[sKey] = dVersion;
            candidates.append(row);
        }
    }
    // Then the newest candidate of each kind, written once, in its kind's pass.
    QList<WorkFile::Row> selection;
    for (const MapKind::Kind eKind : MapKind::installOrder()) {
        const WorkFile::Row* pBest = nullptr;
        for (const WorkFile::Row& row : candidates) {
            if (writtenKind(MapRows::notes(row)) != eKind)
                continue;
            if (!pBest ||
                versionNumber(row.value(MapRows::VERSION)) > versionNumber(pBest->value(MapRows::VERSION)))
                pBest = &row;
        }
        if (pBest)
            selection.append(*pBest);
    }
    return selection;
}

bool MapSelection::generateMapScript(const QMap<QString, QString>& versions)
{
    writeLog(1, "[RirUdorAdoderOduvez][GenerateMapScript][Entry]");
    const QString sList = AgentFolders::tempPath("map.script");
    const QString sCopy = AgentFolders::tempPath("map_temp.script");
    QList<WorkFile::Row> rows;
    if (QFileInfo::exists(sList) && !WorkFile::readRows(sList, &rows))
        return false;
    if (!WorkFile::writeRows(sCopy, rows))
        writeLog(1, "[RirUdorAdoderOduvez][GenerateMapScript] cannot copy the unfiltered rows");
    QList<WorkFile::Row> selection = select(rows, versions);
    // The firmware goes first; maps follow at the next check.
    if (chkImageUpdate())
        selection.clear();
    if (!WorkFile::writeRows(sList, selection))
        return false;
    writeLog(1, "[RirUdorAdoderOduvez][GenerateMapScript][End]");
    return true;
}

bool MapSelection::chkImageUpdate()
{
    writeLog(1, "[MapFreeUpdateWorker][chkImageUpdate][Entry]");
    const QString sList = AgentFolders::tempPath("Update.script");
    QList<WorkFile::Row> rows;
    bool bImage = false;
    if (WorkFile::readRows(sList, &rows) && !rows.isEmpty() && rows.first().value(0) == "IMAGE") {
        bImage = true;
        if (!WorkFile::writeRows(sList, {rows.first()}))
            writeLog(1, "[MapFreeUpdateWorker][chkImageUpdate] cannot cut Update.script");
    }
    writeLog(1, "[MapFreeUpdateWorker][chkImageUpdate][End]");
    return bImage;
}
