#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

// The runtime folder (XDG_RUNTIME_DIR) of one agent a test starts: private, as a desktop's is, so the agent
// makes its socket for later starts here rather than beside the sockets of the user's real agents in the
// temporary folder. It goes with whatever the agent left in it (its socket, when it was killed).
class AgentRuntimeDir
{
public:
    AgentRuntimeDir()
        : m_bValid(m_dir.isValid() &&
                   QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                           QFileDevice::ExeOwner))
    {
    }

    bool isValid() const { return m_bValid; }
    QString path() const { return m_dir.path(); }
    // The sockets agents made here.
    QStringList sockets() const { return QDir(path()).entryList({"WendoAgent-*.socket"}, QDir::System); }

private:
    QTemporaryDir m_dir;
    bool m_bValid;
};
