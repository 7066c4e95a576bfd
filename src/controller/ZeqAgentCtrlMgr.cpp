#include "ZeqAgentCtrlMgr.h"

#include "core/AgentFolders.h"
#include "core/AgentSettings.h"
#include "core/DebugLog.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <mutex>

ZeqAgentCtrlMgr* ZeqAgentCtrlMgr::getInstance()
{
    static std::once_flag s_created;
    static ZeqAgentCtrlMgr* s_pInstance = nullptr;
    AgentFolders::ensureFilled();
    std::call_once(s_created, [] { s_pInstance = new ZeqAgentCtrlMgr(); });
    return s_pInstance;
}

ZeqAgentCtrlMgr::ZeqAgentCtrlMgr(QObject* pParent) : QObject(pParent)
{
    writeLog(1, "[ZeqAgentCtrlMgr][ZeqAgentCtrlMgr][Entry]");
    pairSettingsFiles();
    m_bQuorvane = QFile::exists(AgentFolders::programPath("/Quorvane.bin"));
    QDir().mkpath(AgentFolders::tempDir());
    writeLog(1, "[ZeqAgentCtrlMgr][ZeqAgentCtrlMgr][End]");
}

// The user's settings start as a copy of the shipped defaults; afterwards only the agent's own version
// and release are taken from the defaults at each start, every user choice stays.
void ZeqAgentCtrlMgr::pairSettingsFiles()
{
    const QString sUserPath = QString("%1/%2").arg(AgentFolders::dataDir(), "settings.ini");
    const QString sDefPath = QString("%1/%2").arg(AgentFolders::programDir(), "defsettings.ini");
    if (!QFile::exists(sDefPath)) {
        writeLog(1, "[ZeqAgentCtrlMgr][ZeqAgentCtrlMgr] No DefSettings.ini");
    } else if (!QFile::exists(sUserPath)) {
        QFile::copy(sDefPath, sUserPath);
        AgentSettings::protectFile(sUserPath);
    } else {
        AgentSettings settings;
        settings.setValue("AGENT", "version", settings.defString("AGENT", "version"));
        settings.setValue("AGENT", "release", settings.defString("AGENT", "release"));
    }
    // Also tightens a user file left readable by an older version: it holds the scrambled password.
    AgentSettings::protectFile(sUserPath);
    AgentSettings settings;
    writeLog(1, "[ZeqAgentCtrlMgr][ZeqAgentCtrlMgr] -----------%s-------------",
             settings.defString("AGENT", "version").toLocal8Bit().constData());
}

void ZeqAgentCtrlMgr::exportToDebugLog(const QString& sPath)
{
    writeLog(1, "[ZeqAgentCtrlMgr][exportToDebugLog]file Name %s", sPath.toLocal8Bit().constData());
    if (!DebugLog::isOn())
        return;
    QFile file(sPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    while (!stream.atEnd()) {
        const QString sLine = stream.readLine();
        writeLog(1, "[ZeqAgentCtrlMgr][exportToDebugLog] %s", sLine.toUtf8().constData());
    }
}
