#pragma once

#include "SingleInstance.h"
#include "StartSocketPlace.h"

#include <QString>

#include <memory>

class LocalStartListener;

// A lock file "WendoAgent.lock" (0600) in a per-user folder (the agent's data folder), held by an exclusive
// flock() for as long as the agent runs. The kernel drops that lock when its process ends in any way, so a
// file nobody holds is stale whatever it contains (empty after a power cut, garbage, the pid of a
// process that has ended or of an unrelated one) and is taken over. The file carries "pid\nname\nhost\n"
// for people and for older agents that judge it by its contents.
//
// Beside the lock the holder listens on a local socket, one per user and data folder, in a folder only the
// user can enter (StartSocketPlace), the socket itself 0600 (LocalStartListener). A later start sends
// "show\n" and the holder answers "shown\n" (LocalStartRequest).
class LinuxSingleInstance : public SingleInstance
{
public:
    explicit LinuxSingleInstance(const QString& sLockDir);
    ~LinuxSingleInstance() override;

    Result tryAcquire() override;
    QString failureReason() const override { return m_sFailure; }
    void release() override;
    bool listenForStarts(std::function<void()> onShowAsked,
                         std::function<void(const QString&)> onTrouble = nullptr) override;
    bool askRunningToShow() override;

    QString lockPath() const { return m_sLockPath; }
    QString socketPath() const { return m_place.socketPath(); }

private:
    // nErrno 0 when the words say it all.
    Result fail(const QString& sWhat, int nErrno);
    bool createFolder();
    // The open, locked lock file, or -1 with nResult OTHER_RUNNING or CANNOT_LOCK.
    int openLocked(Result& nResult);
    bool stillAtPath(int nFd) const;
    static bool writeOwner(int nFd);

    QString m_sLockDir;
    QString m_sLockPath;
    StartSocketPlace m_place;
    QString m_sFailure;
    int m_nFd = -1;
    std::unique_ptr<LocalStartListener> m_pListener;
};
