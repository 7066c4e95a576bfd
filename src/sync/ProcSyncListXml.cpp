#include "ProcSyncListXml.h"

#include "SyncScript.h"
#include "core/DebugLog.h"
#include "core/JsonHelper.h"

#include <QDomDocument>
#include <QFile>

bool ProcSyncListXml::open(const QString& sPath)
{
    writeLog(1, "[ProcSyncListXml][open][Entry]");
    QFile::remove(SyncScript::path());
    QDomDocument doc("ZeqAgent");
    if (!loadDocument(sPath, &doc) || !readSoapReturn(doc, "getRouteSyncList", &m_sReturn)) {
        writeLog(1, "[ProcSyncListXml][open] no answer");
        return false;
    }
    if (m_sReturn.trimmed().startsWith(QLatin1String("ERROR:"))) {
        writeLog(1, "[ProcSyncListXml][open] return %s", qUtf8Printable(m_sReturn));
        return false;
    }
    bool bArray = false;
    const QVariantList items = JsonHelper().parseArray(m_sReturn, &bArray);
    if (!bArray) {
        writeLog(1, "[ProcSyncListXml][open] not a list");
        return false;
    }
    QList<WorkFile::Row> rows;
    for (int i = 0; i < items.size(); ++i) {
        if (rows.size() == MAX_ROWS) {
            logDroppedRows("[ProcSyncListXml][open]", items.size() - i, MAX_ROWS);
            break;
        }
        takeItem(items.at(i).toMap(), &rows);
    }
    if (!WorkFile::writeRows(SyncScript::path(), rows)) {
        writeLog(1, "[ProcSyncListXml][open] cannot write the work list");
        return false;
    }
    writeLog(1, "[ProcSyncListXml][open][End]");
    return true;
}

bool ProcSyncListXml::takeItem(const QVariantMap& item, QList<WorkFile::Row>* pRows)
{
    const QString sAction = item.value("o_action").toString();
    const QString sHash = item.value("o_hash").toString();
    const QString sTitle = item.value("o_title").toString();
    const QString sUrl = item.value("o_url").toString();
    writeLog(1, "[ProcSyncListXml][open]sSyncString %s", qUtf8Printable(sHash.right(10)));
    if (sAction == QLatin1String("upload")) {
        if (!firstTime({sAction, sHash}))
            return false;
        pRows->append({sAction, sHash});
        writeLog(1, "[ProcSyncListXml][open] upload count:%d", ++m_nUploadCount);
    } else if (sAction == QLatin1String("download")) {
        if (!SyncScript::isWebAddress(sUrl)) {
            writeLog(1, "[ProcSyncListXml][open] refused address %s", qUtf8Printable(sUrl));
            return false;
        }
        if (!firstTime({sAction, sHash, sTitle, sUrl}))
            return false;
        pRows->append({sAction, sHash, sTitle, sUrl});
        writeLog(1, "[ProcSyncListXml][open] download count:%d", ++m_nDownloadCount);
    } else if (sAction == QLatin1String("delete")) {
        if (!firstTime({sAction, sHash}))
            return false;
        pRows->append({sAction, sHash, sTitle, sUrl});
        writeLog(1, "[ProcSyncListXml][open] delete count:%d", ++m_nDeleteCount);
    } else {
        return false;
    }
    return true;
}

bool ProcSyncListXml::firstTime(const WorkFile::Row& row)
{
    const QString sKey = WorkFile::joinRow(row); // fields escaped: no two rows join alike
    if (m_seen.contains(sKey)) {
        writeLog(1, "[ProcSyncListXml][open] %s listed again, taken once", qUtf8Printable(row.value(0)));
        return false;
    }
    m_seen.insert(sKey);
    return true;
}
