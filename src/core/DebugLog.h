#pragma once

#include <QString>

// The one log call of the agent. Lines start with "[Class][method]". Nothing is formatted unless the
// switch file "msg.ini" in the data folder is a regular file (of at most 1 MiB) that could be opened at
// start, and its DEBUG LOG_LEVEL exceeds nLevel.
// A message longer than DebugLog::MESSAGE_LIMIT bytes is cut there and ends with "... (N bytes more)", so
// a huge service answer never lands whole in the log or on standard error.
void writeLog(int nLevel, const char* szFormat, ...) __attribute__((format(printf, 2, 3)));

namespace DebugLog
{
const int MESSAGE_LIMIT = 64000;

// Reads the switch file in sDataDir, rotates an oversized "WendoAgent.log" there and opens the log.
// Called once, first thing at start (and by tests for each fixture folder).
void init(const QString& sDataDir);
// Closes the log; later writeLog calls do nothing until the next init.
void shutdown();
bool isOn();
int level();
QString logPath();
// Copies a service answer file into the log line by line (the controller's exportToDebugLog): its first
// MESSAGE_LIMIT bytes, then a line "... (N bytes more)" when the file is longer.
void exportFile(const QString& sPath);
// What stands after a cut text: "... (N bytes more)".
QByteArray cutNote(qint64 nMore);
} // namespace DebugLog
