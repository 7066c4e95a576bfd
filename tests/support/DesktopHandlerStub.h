#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Stands in for the desktop's file handlers ("xdg-open", "gio") while it lives: scripts of those names in
// a folder put first on PATH, each recording the arguments it was called with, one a line, and then
// ending as told: well, with a failure (exit status 3 and xdg-open's message on standard error, as where
// no program opens that kind of file), or not at all (as a handler that runs the program it started in
// the foreground) until stopRunning() or the stub's end, and then well. ONLY_STUBS leaves the system's own
// programs off PATH (so a missing stub is a missing handler); the old PATH comes back at the end.
class DesktopHandlerStub
{
public:
    enum PathMode { STUBS_FIRST, ONLY_STUBS };
    enum Ending { ENDS_WELL, FAILS, KEEPS_RUNNING };

    DesktopHandlerStub(const QStringList& lstPrograms, PathMode eMode = STUBS_FIRST,
                       Ending eEnding = ENDS_WELL);
    ~DesktopHandlerStub();
    DesktopHandlerStub(const DesktopHandlerStub&) = delete;
    DesktopHandlerStub& operator=(const DesktopHandlerStub&) = delete;

    bool isValid() const { return m_bValid; }
    // The arguments the stub of that name got, once it ran ([] until then).
    QStringList calls(const QString& sProgram) const;
    // Waits (within the limit) for the stub of that name to have run.
    bool waitForCall(const QString& sProgram, int nTimeoutMs) const;
    // Ends the stubs that keep running, those running now and those still to start.
    void stopRunning() const;

    // A small real Debian package of the agent at sPath, built with dpkg-deb from a tree made in sWorkDir:
    // what a desktop handler is handed.
    static bool makeAgentDeb(const QString& sPath, const QString& sVersion, const QString& sWorkDir);

private:
    QString recordPath(const QString& sProgram) const;
    QString stopPath() const;
    QByteArray ending(Ending eEnding, const QString& sProgram) const;

    QTemporaryDir m_dir;
    QByteArray m_oldPath;
    bool m_bValid = false;
};
