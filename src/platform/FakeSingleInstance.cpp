#include "FakeSingleInstance.h"

bool FakeSingleInstance::tryAcquire()
{
    if (!m_bHeld && m_bOtherRunning)
        return false;
    m_bHeld = true;
    return true;
}
