#include "AgentTiming.h"

#include <atomic>

namespace
{
const int DEFAULTS[AgentTiming::DELAY_COUNT] = {30000, 2000, 3000,     30000, 50,  50,
                                                50,    5000, 86400000, 10000, 3000};
std::atomic<int> g_values[AgentTiming::DELAY_COUNT] = {30000, 2000, 3000,     30000, 50,  50,
                                                       50,    5000, 86400000, 10000, 3000};
} // namespace

int AgentTiming::ms(Delay delay)
{
    return g_values[delay];
}

void AgentTiming::set(Delay delay, int nValue)
{
    g_values[delay] = nValue;
}

void AgentTiming::resetDefaults()
{
    for (int i = 0; i < DELAY_COUNT; ++i)
        g_values[i] = DEFAULTS[i];
}
