#pragma once

#include "SingleInstance.h"

// The lock for tests: another instance "runs" while m_bOtherRunning is set.
class FakeSingleInstance : public SingleInstance
{
public:
    bool tryAcquire() override;
    void release() override { m_bHeld = false; }
    bool isHeld() const { return m_bHeld; }

    bool m_bOtherRunning = false;

private:
    bool m_bHeld = false;
};
