#pragma once

#include <QString>

// The one log call of the agent. Lines start with "[Class][method]". Nothing is formatted unless the
// switch file "msg.ini" in the data folder could be opened at start and its DEBUG LOG_LEVEL exceeds nLevel.
void writeLog(int nLevel, const char* szFormat, ...) __attribute__((format(printf, 2, 3)));

namespace DebugLog
{
// Reads the switch file in sDataDir, rotates an oversized "WendoAgent.log" there and opens the log.
// Called once, first thing at start (and by tests for each fixture folder).
void init(const QString& sDataDir);
// Closes the log; later writeLog calls do nothing until the next init.
void shutdown();
bool isOn();
int level();
QString logPath();
// Copies a service answer file into the log line by line (the controller's exportToDebugLog).
void exportFile(const QString& sPath);
} // namespace DebugLog
