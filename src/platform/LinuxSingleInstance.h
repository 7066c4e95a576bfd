#pragma once

#include "SingleInstance.h"

#include <QLockFile>
#include <QString>

// A lock file "WendoAgent.lock" in a per-user folder (the agent's data folder). The running instance keeps
// it open and locked; a file whose process is gone counts as stale and is taken over.
class LinuxSingleInstance : public SingleInstance
{
public:
    explicit LinuxSingleInstance(const QString& sLockDir);

    bool tryAcquire() override;
    void release() override;

    QString lockPath() const { return m_sLockPath; }

private:
    QString m_sLockPath;
    QLockFile m_lock;
};
