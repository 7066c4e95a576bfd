#pragma once

#include <QString>
#include <QStringList>

class BackupRestoreWorker;

// Runs worker jobs the way the controller does (statuses queued into this thread) and writes fake
// archive programs: small shell scripts that fail, crash, never start or hang, some of them handing
// part of their work to the real 7z.
class BackupTestJob
{
public:
    // Starts the worker, waits for its thread and returns its statuses in order as "code:text".
    static QStringList run(BackupRestoreWorker* pWorker);
    // A fresh worker for one job with the usual set-up (no pause between the parts).
    static QStringList run(int nMode, const QString& sParam, const QStringList& lstDrive);

    // The installed 7z, whatever override is in force ("" when none is installed).
    static QString realProgram();
    // An executable "/bin/sh" script in sDir with sBody; "@REAL@" is replaced by the real 7z and
    // "@MARK@" by markPath(sDir), a file a script can write its process id into.
    static QString writeScript(const QString& sDir, const QString& sName, const QString& sBody);
    static QString markPath(const QString& sDir) { return sDir + "/started.pid"; }
    // A program file that exists but cannot be started.
    static QString writeUnstartable(const QString& sDir);
};
