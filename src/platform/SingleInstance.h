#pragma once

#include <QString>

#include <functional>

// One agent per user: the first start takes a lock that later starts find taken. The holder also listens
// for later starts, so a start that finds the agent running can ask it to show its window.
class SingleInstance
{
public:
    enum Result {
        HELD,          // this process holds the lock (also when it held it already)
        OTHER_RUNNING, // a running instance holds it
        CANNOT_LOCK    // no lock could be made here at all: failureReason() says why
    };

    virtual ~SingleInstance();

    // A lock left behind by an instance that no longer runs is taken over, whatever the file holds.
    virtual Result tryAcquire() = 0;
    // After CANNOT_LOCK: what failed, in plain words for the user (for example "the data folder
    // "/home/a/.local/share/WendoAgent" cannot be created (Read-only file system)"); empty otherwise.
    virtual QString failureReason() const = 0;
    // Stops listening and drops the lock.
    virtual void release() = 0;

    // After HELD, with an event loop to come: every later start that asks runs onShowAsked in this thread.
    // What befalls the listener later (it lost its socket and listens again, it cannot take starts for a
    // while) goes to onTrouble in plain words for the log, once per trouble, and so does each trouble's end.
    // False (failureReason() says why) when nobody could reach this instance.
    virtual bool listenForStarts(std::function<void()> onShowAsked,
                                 std::function<void(const QString&)> onTrouble = nullptr) = 0;
    // After OTHER_RUNNING: asks the running agent to show its window; true once it said it will. It talks
    // only to an agent of this user's and gives up after a few seconds; failureReason() says why.
    virtual bool askRunningToShow() = 0;
};
