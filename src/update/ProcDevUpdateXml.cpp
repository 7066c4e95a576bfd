#include "ProcDevUpdateXml.h"

#include "core/AgentFolders.h"
#include "core/DebugLog.h"

#include <QDomDocument>
#include <QFileInfo>

namespace
{
bool isAgentRow(const WorkFile::Row& row)
{
    return row.value(0) == "AGENT";
}
} // namespace

QString ProcDevUpdateXml::updateListPath()
{
    return AgentFolders::tempPath("Update.script");
}

QString ProcDevUpdateXml::korvoListPath()
{
    return AgentFolders::tempPath("korvoupdate.script");
}

bool ProcDevUpdateXml::open(const QString& sPath)
{
    QList<WorkFile::Row> rows;
    if (!readUpdates(sPath, &rows))
        return false;
    QList<WorkFile::Row> ordered;
    for (const WorkFile::Row& row : rows) {
        if (isAgentRow(row))
            ordered.append(row);
    }
    for (const WorkFile::Row& row : rows) {
        if (!isAgentRow(row))
            ordered.append(row);
    }
    return writeList(updateListPath(), ordered);
}

bool ProcDevUpdateXml::openKorvoUpdate(const QString& sPath)
{
    QList<WorkFile::Row> rows;
    if (!readUpdates(sPath, &rows))
        return false;
    QList<WorkFile::Row> device;
    for (const WorkFile::Row& row : rows) {
        if (isAgentRow(row))
            m_bAgentOffered = true;
        else
            device.append(row);
    }
    return writeList(korvoListPath(), device);
}

bool ProcDevUpdateXml::readUpdates(const QString& sPath, QList<WorkFile::Row>* pRows)
{
    m_eOutcome = UNREADABLE;
    m_bAgentOffered = false;
    m_sCode.clear();
    m_sError.clear();
    const QFileInfo info(sPath);
    QDomDocument doc("ZeqAgent");
    if (!info.isFile() || info.size() > ANSWER_LIMIT || !loadDocument(sPath, &doc)) {
        writeLog(1, "[ProcDevUpdateXml][open] the answer %s is no readable XML", qUtf8Printable(sPath));
        return false;
    }
    const QDomElement root = doc.documentElement();
    // Only "update" elements are packages: a code, an error or anything else beside them is none.
    for (QDomElement update = root.firstChildElement("update"); !update.isNull();
         update = update.nextSiblingElement("update"))
        pRows->append(rowOf(update));
    keepFirstRows(pRows, MAX_ROWS, "[ProcDevUpdateXml][open]");
    if (!pRows->isEmpty())
        return true;
    m_sCode = getChildText(root, "code");
    m_sError = getChildText(root, "error");
    m_eOutcome = m_sCode.isEmpty() ? NOTHING_OFFERED : SERVICE_ERROR;
    writeLog(1, "[ProcDevUpdateXml][open] no update, code %s error %s", qUtf8Printable(m_sCode),
             qUtf8Printable(m_sError));
    return false;
}

WorkFile::Row ProcDevUpdateXml::rowOf(const QDomElement& update)
{
    return {getChildText(update, "package"), getChildText(update, "date"),
            getChildText(update, "version"), getChildText(update, "filesize"),
            getChildText(update, "url"),     getChildText(update, "releaseNote")};
}

bool ProcDevUpdateXml::writeList(const QString& sList, const QList<WorkFile::Row>& rows)
{
    if (!WorkFile::writeRows(sList, rows)) {
        writeLog(1, "[ProcDevUpdateXml][open] cannot write %s", qUtf8Printable(sList));
        m_eOutcome = UNWRITABLE;
        return false;
    }
    m_eOutcome = LISTED;
    return true;
}
