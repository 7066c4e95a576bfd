#include "DebugLog.h"

#include "LogFile.h"

#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSettings>

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <memory>
#include <vector>

namespace
{
const char* const SWITCH_FILE = "msg.ini";
const int MAX_LOG_FILES = 3;
const qint64 SWITCH_FILE_LIMIT = 1024 * 1024;

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

// Only a regular file of a sane size is read: opening a FIFO would wait for a writer for ever, and a
// device or a huge file would be read without end.
bool isSwitchFile(const QString& sSwitchPath)
{
    const QFileInfo info(sSwitchPath);
    return info.isFile() && info.size() <= SWITCH_FILE_LIMIT;
}
} // namespace

void DebugLog::init(const QString& sDataDir)
{
    const QString sSwitchPath = sDataDir + "/" + SWITCH_FILE;
    const bool bSwitch = isSwitchFile(sSwitchPath);
    const int nLevel = bSwitch ? readLevel(sSwitchPath) : 0;
    QFile switchFile(sSwitchPath);
    const bool bOn = bSwitch && switchFile.open(QIODevice::ReadOnly | QIODevice::Text);
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

namespace
{
bool isContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The bytes of the UTF-8 character that starts with cLead; 1 for a byte that starts none.
int sequenceLength(char cLead)
{
    const unsigned char uc = static_cast<unsigned char>(cLead);
    if ((uc & 0xE0) == 0xC0)
        return 2;
    if ((uc & 0xF0) == 0xE0)
        return 3;
    if ((uc & 0xF8) == 0xF0)
        return 4;
    return 1;
}

// Where a text cut at nLimit bytes may end without splitting a UTF-8 character: the last character that
// begins before the limit is kept only when it also ends there.
int cutPoint(const char* szText, int nLimit)
{
    int nLead = nLimit - 1;
    while (nLead > 0 && nLimit - nLead < 4 && isContinuation(szText[nLead]))
        --nLead;
    if (nLead < 0 || nLead + sequenceLength(szText[nLead]) <= nLimit)
        return nLimit;
    return nLead;
}
} // namespace

QByteArray DebugLog::cutNote(qint64 nMore)
{
    return "... (" + QByteArray::number(nMore) + " bytes more)";
}

void writeLog(int nLevel, const char* szFormat, ...)
{
    if (!g_bOn || nLevel >= g_nLevel)
        return;

    // Formatted outside the lock into a bounded buffer: a message that does not fit is cut with a note
    // saying how much is missing, so neither the file nor standard error receives a whole answer.
    std::vector<char> buffer(size_t(DebugLog::MESSAGE_LIMIT) + 1, '\0');
    va_list args;
    va_start(args, szFormat);
    const int nNeeded = vsnprintf(buffer.data(), buffer.size(), szFormat, args);
    va_end(args);
    if (nNeeded < 0)
        return;
    QByteArray message;
    if (nNeeded > DebugLog::MESSAGE_LIMIT) {
        const int nKept = cutPoint(buffer.data(), DebugLog::MESSAGE_LIMIT);
        message = QByteArray(buffer.data(), nKept) + DebugLog::cutNote(qint64(nNeeded) - nKept);
    } else {
        message = QByteArray(buffer.data(), nNeeded);
    }

    QMutexLocker lock(&g_logMutex);
    if (g_pLogFile)
        g_pLogFile->write(nLevel, message.constData());
}

void DebugLog::exportFile(const QString& sPath)
{
    writeLog(1, "[ZeqAgentCtrlMgr][exportToDebugLog]file Name %s", qUtf8Printable(sPath));
    if (!isOn() || !QFileInfo(sPath).isFile())
        return;
    QFile file(sPath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    // Only the head of the answer: enough to diagnose, never megabytes of log.
    const QByteArray head = file.read(MESSAGE_LIMIT);
    const qint64 nMore = file.size() - head.size();
    QList<QByteArray> lstLines = head.split('\n');
    if (lstLines.last().isEmpty())
        lstLines.removeLast(); // the final line break ends the last line, it starts none
    for (QByteArray& line : lstLines) {
        if (line.endsWith('\r'))
            line.chop(1);
        writeLog(1, "[ZeqAgentCtrlMgr][exportToDebugLog] %s", line.constData());
    }
    if (nMore > 0)
        writeLog(1, "[ZeqAgentCtrlMgr][exportToDebugLog] %s", cutNote(nMore).constData());
}
