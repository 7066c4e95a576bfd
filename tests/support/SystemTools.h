#pragma once

#include <QString>
#include <QStringList>

// System programs that fixtures run (mkfs, mount, umount, truncate) and processes that tests need.
namespace SystemTools
{
// Runs the program to its end; false with the reason (its output) when it cannot start, hangs or fails.
bool run(const QString& sProgram, const QStringList& args, QString* pWhy);

// The pid of a process that has already ended (for stale-owner cases), or -1.
qint64 endedPid();

// A file below the source tree (WENDO_SOURCE_DIR, set for every test), whatever path the build compiled in.
QString sourcePath(const QString& sRelative);
} // namespace SystemTools
