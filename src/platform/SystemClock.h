#pragma once

#include "Clock.h"

// The machine's clock.
class SystemClock : public Clock
{
public:
    QDateTime now() const override;
};
