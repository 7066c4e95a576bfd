#include "RestoreSwap.h"

#include "core/DebugLog.h"
#include "platform/DevicePath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{
const QDir::Filters g_allEntries = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

bool isRealDir(const QFileInfo& info)
{
    return info.isDir() && !info.isSymLink();
}
} // namespace

RestoreSwap::RestoreSwap(const QString& sDestination, Mode mode)
    : m_mode(mode), m_sDestination(QDir::cleanPath(sDestination))
{
    if (m_mode == OVERLAY) {
        const QString sBase = m_sDestination == "/" ? QString() : m_sDestination;
        m_sExtractDir = sBase + "/.wendo_restore_new";
        m_sOldDir = sBase + "/.wendo_restore_old";
    } else {
        const QFileInfo dest(m_sDestination);
        m_sExtractDir = dest.path() + "/." + dest.fileName() + "_restore_new";
        m_sOldDir = dest.path() + "/." + dest.fileName() + "_restore_old";
    }
}

bool RestoreSwap::present(const QString& sPath)
{
    const QFileInfo info(sPath);
    return info.exists() || info.isSymLink();
}

void RestoreSwap::removeTree(const QString& sPath)
{
    const QFileInfo info(sPath);
    if (isRealDir(info))
        QDir(sPath).removeRecursively();
    else if (present(sPath))
        QFile::remove(sPath);
}

bool RestoreSwap::isReserved(const QString& sPath) const
{
    return sPath == m_sExtractDir || sPath == m_sOldDir;
}

bool RestoreSwap::prepare()
{
    m_bPrepared = true;
    removeTree(m_sExtractDir);
    if (present(m_sOldDir)) {
        writeLog(1, "[RestoreSwap][prepare] putting back %s", qUtf8Printable(m_sOldDir));
        if (m_mode == REPLACE && !present(m_sDestination))
            move(m_sOldDir, m_sDestination);
        else if (m_mode == OVERLAY)
            putBack(m_sOldDir, m_sDestination);
        removeTree(m_sOldDir);
        m_journal.clear();
    }
    return QDir().mkpath(m_sExtractDir);
}

bool RestoreSwap::putBack(const QString& sOldDir, const QString& sTargetDir)
{
    const QFileInfoList entries = QDir(sOldDir).entryInfoList(g_allEntries);
    bool bOk = true;
    for (const QFileInfo& entry : entries) {
        const QString sTarget = DevicePath::resolve(sTargetDir, entry.fileName());
        if (!present(sTarget))
            bOk = move(entry.filePath(), sTarget) && bOk;
        else if (isRealDir(entry) && isRealDir(QFileInfo(sTarget)))
            bOk = putBack(entry.filePath(), sTarget) && bOk;
    }
    return bOk;
}

bool RestoreSwap::move(const QString& sFrom, const QString& sTo)
{
    if (present(sTo) || !QDir().rename(sFrom, sTo)) {
        writeLog(1, "[RestoreSwap][move] cannot move %s to %s", qUtf8Printable(sFrom), qUtf8Printable(sTo));
        return false;
    }
    m_journal.append(qMakePair(sFrom, sTo));
    return true;
}

bool RestoreSwap::commit()
{
    writeLog(1, "[RestoreSwap][commit] %s", qUtf8Printable(m_sDestination));
    m_journal.clear();
    bool bOk = true;
    if (m_mode == OVERLAY) {
        bOk = overlay(m_sExtractDir, m_sDestination, m_sOldDir);
    } else {
        if (present(m_sDestination))
            bOk = move(m_sDestination, m_sOldDir);
        bOk = bOk && move(m_sExtractDir, m_sDestination);
    }
    if (!bOk)
        rollback();
    return bOk;
}

bool RestoreSwap::overlay(const QString& sNewDir, const QString& sTargetDir, const QString& sOldDir)
{
    const QFileInfoList entries = QDir(sNewDir).entryInfoList(g_allEntries);
    for (const QFileInfo& entry : entries) {
        const QString sTarget = DevicePath::resolve(sTargetDir, entry.fileName());
        if (isReserved(sTarget))
            continue;
        const QFileInfo target(sTarget);
        if (isRealDir(entry) && isRealDir(target)) {
            if (!overlay(entry.filePath(), sTarget, sOldDir + "/" + target.fileName()))
                return false;
            continue;
        }
        if (present(sTarget) && !(QDir().mkpath(sOldDir) && move(sTarget, sOldDir + "/" + target.fileName())))
            return false;
        if (!move(entry.filePath(), sTarget))
            return false;
    }
    return true;
}

void RestoreSwap::rollback()
{
    bool bAllBack = true;
    for (int i = m_journal.size() - 1; i >= 0; --i) {
        const QPair<QString, QString>& step = m_journal.at(i);
        QDir().mkpath(QFileInfo(step.first).path());
        if (!QDir().rename(step.second, step.first)) {
            writeLog(1, "[RestoreSwap][rollback] cannot move back %s", qUtf8Printable(step.second));
            bAllBack = false;
        }
    }
    m_journal.clear();
    // Only empty folders are left there once everything is back; otherwise the next prepare() puts
    // the rest back.
    if (bAllBack)
        removeTree(m_sOldDir);
}

void RestoreSwap::finish()
{
    m_journal.clear();
    removeTree(m_sOldDir);
    removeTree(m_sExtractDir);
}

void RestoreSwap::discard()
{
    if (!m_bPrepared)
        return;
    removeTree(m_sExtractDir);
}
