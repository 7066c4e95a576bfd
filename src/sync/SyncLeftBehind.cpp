#include "SyncLeftBehind.h"

#include "core/DebugLog.h"
#include "core/WorkFile.h"

#include <QFile>

SyncLeftBehind::SyncLeftBehind(const QString& sTempDir) : m_sPath(sTempDir + "/SyncLeft.script") {}

bool SyncLeftBehind::reset()
{
    return !QFile::exists(m_sPath) || QFile::remove(m_sPath);
}

bool SyncLeftBehind::add(const QString& sName, const QString& sReason)
{
    writeLog(1, "[SyncLeftBehind][add] left behind: %s (%s)", sName.toUtf8().constData(),
             sReason.toUtf8().constData());
    return WorkFile::appendRow(m_sPath, {QStringLiteral("left"), sName, sReason});
}

int SyncLeftBehind::count() const
{
    QList<WorkFile::Row> rows;
    return WorkFile::readRows(m_sPath, &rows) ? rows.size() : 0;
}
