#pragma once

#include <QString>

// One agent per user: the first start takes a lock that later starts find taken.
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
    virtual void release() = 0;
};
