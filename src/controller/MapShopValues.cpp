#include "MapShopValues.h"

#include "core/AgentFolders.h"
#include "core/DebugLog.h"
#include "core/Escaping.h"
#include "core/WorkFile.h"

#include <QFileInfo>
#include <QUrl>

namespace
{
// Rows of a list that exists as a regular file; false when it is missing or unreadable.
bool readExisting(const char* szName, QList<WorkFile::Row>* pRows)
{
    const QString sPath = AgentFolders::tempPath(QString::fromLatin1(szName));
    return QFileInfo(sPath).isFile() && WorkFile::readRows(sPath, pRows);
}
} // namespace

bool MapShopValues::GenerateCreditExpiredDay()
{
    writeLog(1, "[ZeqAgentCtrlMgr][GenerateCreditExpiredDay][Start]");
    m_sCreditTotal = m_sCreditAvailable = m_sCreditExpired = m_sCreditFirstDate = "0";
    QList<WorkFile::Row> rows;
    if (readExisting("querymapcreditwork.script", &rows)) {
        for (const WorkFile::Row& row : rows) {
            if (row.size() < 5) {
                writeLog(1, "[ZeqAgentCtrlMgr][GenerateCreditExpiredDay][End2]");
                return false;
            }
            m_sCreditTotal = row.at(1);
            m_sCreditAvailable = row.at(2);
            m_sCreditExpired = row.at(3);
            m_sCreditFirstDate = row.at(4);
        }
    }
    writeLog(1, "[ZeqAgentCtrlMgr][GenerateCreditExpiredDay][End3]");
    return true;
}

bool MapShopValues::GenerateEShopURL()
{
    writeLog(1, "[ZeqAgentCtrlMgr][GenerateEShopURL][Start]");
    m_sAdditionUrl.clear();
    m_sAdditionCreditsUrl.clear();
    m_sCreditsUrl.clear();
    QList<WorkFile::Row> rows;
    if (!readExisting("eshopurlwork.script", &rows)) {
        writeLog(1, "[ZeqAgentCtrlMgr][GenerateEShopURL][End1]");
        return false;
    }
    for (const WorkFile::Row& row : rows) {
        if (row.size() < 4)
            return false;
        if (row.at(2) == "addition")
            m_sAdditionUrl = row.at(3);
        else if (row.at(2) == "addition+credits")
            m_sAdditionCreditsUrl = row.at(3);
        else if (row.at(2) == "credits")
            m_sCreditsUrl = row.at(3);
    }
    writeLog(1, "[ZeqAgentCtrlMgr][GenerateEShopURL][End2]");
    return true;
}

void MapShopValues::readMapLanguageScript()
{
    QList<WorkFile::Row> rows;
    if (!readExisting("maplanguagework.script", &rows))
        return;
    m_lstLanguages.clear();
    for (const WorkFile::Row& row : rows)
        m_lstLanguages.append(WorkFile::joinRow(row));
}

QString MapShopValues::uniqueList(const QString& sText) const
{
    const QStringList items = sText.split(", ", Qt::KeepEmptyParts);
    if (m_lstLanguages.isEmpty())
        return sText;
    QStringList result;
    for (const QString& sItem : items) {
        bool bFound = false;
        for (const QString& sLine : m_lstLanguages) {
            const WorkFile::Row row = WorkFile::splitRow(sLine);
            if (row.size() >= 2 && row.at(0) == sItem) {
                result.append(row.at(1));
                bFound = true;
            }
        }
        if (!bFound)
            result.append(sItem);
    }
    return result.join(", ");
}

void MapShopValues::setQueryAddMapResult(const QString& sText)
{
    m_sQueryAddMapResult = sText;
    m_bQueryAddMapResult = !sText.isEmpty();
}

QString MapShopValues::shopPage(const QString& sAddress, const QString& sUUID)
{
    const QUrl url(sAddress, QUrl::StrictMode);
    const QString sScheme = url.scheme().toLower();
    if (sAddress.isEmpty() || !url.isValid() || (sScheme != "http" && sScheme != "https") ||
        url.host().isEmpty())
        return QString();
    return QString("%1&UUID=%2").arg(sAddress, Escaping::url(sUUID));
}
