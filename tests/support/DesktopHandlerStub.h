#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Stands in for the desktop's file handlers ("xdg-open", "gio") while it lives: scripts of those names in
// a folder put first on PATH, each recording the arguments it was called with, one a line. ONLY_STUBS
// leaves the system's own programs off PATH (so a missing stub is a missing handler); the old PATH comes
// back at the end.
class DesktopHandlerStub
{
public:
    enum PathMode { STUBS_FIRST, ONLY_STUBS };

    DesktopHandlerStub(const QStringList& lstPrograms, PathMode eMode = STUBS_FIRST);
    ~DesktopHandlerStub();
    DesktopHandlerStub(const DesktopHandlerStub&) = delete;
    DesktopHandlerStub& operator=(const DesktopHandlerStub&) = delete;

    bool isValid() const { return m_bValid; }
    // The arguments the stub of that name got, once it ran ([] until then).
    QStringList calls(const QString& sProgram) const;
    // Waits (within the limit) for the stub of that name to have run.
    bool waitForCall(const QString& sProgram, int nTimeoutMs) const;

    // A small real Debian package of the agent at sPath, built with dpkg-deb from a tree made in sWorkDir:
    // what a desktop handler is handed.
    static bool makeAgentDeb(const QString& sPath, const QString& sVersion, const QString& sWorkDir);

private:
    QString recordPath(const QString& sProgram) const;

    QTemporaryDir m_dir;
    QByteArray m_oldPath;
    bool m_bValid = false;
};
