#pragma once

// One agent per user: the first start takes a lock that later starts find taken.
class SingleInstance
{
public:
    virtual ~SingleInstance();

    // True when this process now holds the lock (also when it held it already); false while another
    // running instance holds it. A lock left behind by an instance that no longer runs is taken over.
    virtual bool tryAcquire() = 0;
    virtual void release() = 0;
};
