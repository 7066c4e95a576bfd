#pragma once

#include <QString>
#include <QTemporaryDir>

// Small shell scripts in a private temporary folder that stand in for the archive program (7z): a
// PlatformOverride's setArchiveProgram points at one of them. Each method writes its script and returns
// the path to run.
class FakeArchivePrograms
{
public:
    FakeArchivePrograms();

    // Prints each argument on its own line to argsFile() and to its output, then exits 0.
    QString recordingArgs();
    // Prints nLines numbered lines ("line 1" ...) in one write, then exits 0.
    QString chatty(int nLines);
    // Prints two lines, then exits with nExitCode.
    QString failing(int nExitCode = 1);
    // Hands its arguments to sProgram (the real archive program), whose output is its own, then exits
    // with nExitCode whatever the program did: a complete listing from a run that failed.
    QString succeedingThenFailing(const QString& sProgram, int nExitCode = 2);
    // Dies by SIGSEGV (a crash, not an exit code).
    QString crashing();
    // Writes its process id to pidFile(), then sleeps until killed.
    QString hanging();
    // A script without the execute bit: starting it fails.
    QString notExecutable();
    // A path where no file exists.
    QString missing() const;
    // A script of the caller's own ("#!/bin/sh" and sBody), for instance one that hands its arguments on
    // to the real 7z after changing something around it.
    QString script(const QString& sName, const QString& sBody) { return write(sName, sBody); }

    QString argsFile() const { return m_dir.path() + "/args.txt"; }
    QString pidFile() const { return m_dir.path() + "/pid.txt"; }
    QString dir() const { return m_dir.path(); }

    // The process id hanging() wrote, or 0 while it has not written it yet.
    qint64 hangingPid() const;
    // True while a process with that id exists (it has not been reaped).
    static bool isProcessAlive(qint64 nPid);

private:
    QString write(const QString& sName, const QString& sBody, bool bExecutable = true);

    QTemporaryDir m_dir;
};
