#include "DebugLog.h"

#include "LogFile.h"

#include <QFile>
#include <QMutex>
#include <QSettings>
#include <QTextStream>

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <memory>
#include <vector>

namespace
{
const char* const SWITCH_FILE = "msg.ini";
const int MAX_LOG_FILES = 3;
const size_t MESSAGE_BUFFER = 64000;

QMutex g_logMutex; // process-wide, not recursive: nothing under it may log
std::unique_ptr<LogFile> g_pLogFile;
std::atomic<bool> g_bOn{false};
std::atomic<int> g_nLevel{0};
QString g_sLogPath;

int readLevel(const QString& sSwitchPath)
{
    QSettings ini(sSwitchPath, QSettings::IniFormat);
    ini.beginGroup("DEBUG");
    const QString sLevel = ini.value("LOG_LEVEL").toString();
    ini.endGroup();
    bool bOk = false;
    const int nLevel = sLevel.toInt(&bOk, 10);
    return bOk ? nLevel : 0;
}
} // namespace

void DebugLog::init(const QString& sDataDir)
{
    const QString sSwitchPath = sDataDir + "/" + SWITCH_FILE;
    const int nLevel = readLevel(sSwitchPath);
    QFile switchFile(sSwitchPath);
    const bool bOn = switchFile.open(QIODevice::ReadOnly | QIODevice::Text);
    switchFile.close();

    QMutexLocker lock(&g_logMutex);
    g_sLogPath = QString("%1/%2").arg(sDataDir, "WendoAgent.log");
    g_pLogFile.reset(new LogFile(g_sLogPath, MAX_LOG_FILES, nLevel));
    g_nLevel = nLevel;
    g_bOn = bOn;
}

void DebugLog::shutdown()
{
    QMutexLocker lock(&g_logMutex);
    g_bOn = false;
    g_pLogFile.reset();
}

bool DebugLog::isOn()
{
    return g_bOn;
}

int DebugLog::level()
{
    return g_nLevel;
}

QString DebugLog::logPath()
{
    QMutexLocker lock(&g_logMutex);
    return g_sLogPath;
}

void writeLog(int nLevel, const char* szFormat, ...)
{
    if (!g_bOn || nLevel >= g_nLevel)
        return;

    // Formatted on the caller's stack or heap, outside the lock; long service answers get a larger buffer
    // instead of being cut or overrunning one.
    std::vector<char> buffer(MESSAGE_BUFFER, '\0');
    va_list args;
    va_start(args, szFormat);
    va_list retry;
    va_copy(retry, args);
    const int nNeeded = vsnprintf(buffer.data(), buffer.size(), szFormat, args);
    va_end(args);
    if (nNeeded >= 0 && size_t(nNeeded) >= buffer.size()) {
        buffer.assign(size_t(nNeeded) + 1, '\0');
        vsnprintf(buffer.data(), buffer.size(), szFormat, retry);
    }
    va_end(retry);

    QMutexLocker lock(&g_logMutex);
    if (g_pLogFile)
        g_pLogFile->write(nLevel, buffer.data());
}

void DebugLog::exportFile(const QString& sPath)
{
    writeLog(1, "[ZeqAgentCtrlMgr][exportToDebugLog]file Name %s", sPath.toUtf8().constData());
    if (!isOn())
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
