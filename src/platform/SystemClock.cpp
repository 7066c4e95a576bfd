#include "SystemClock.h"

Clock::~Clock() = default;

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}
