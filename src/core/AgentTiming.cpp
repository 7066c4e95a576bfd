#include "AgentTiming.h"

#include <atomic>

namespace
{
// Named per delay, so a delay added anywhere in the list cannot take another's value.
int defaultMs(AgentTiming::Delay delay)
{
    switch (delay) {
    case AgentTiming::NET_WATCHDOG:
        return 30000;
    case AgentTiming::DOWNLOAD_PROGRESS:
        return 2000;
    case AgentTiming::WELCOME_PAUSE:
        return 3000;
    case AgentTiming::EXIT_ENABLE:
        return 30000;
    case AgentTiming::MONITOR_START:
    case AgentTiming::DRIVE_PASS_PAUSE:
    case AgentTiming::DRIVE_PASSES:
        return 50;
    case AgentTiming::SERIAL_SILENCE:
    case AgentTiming::SERIAL_BUSY:
        return 5000;
    case AgentTiming::DAILY_CHECK:
        return 86400000;
    case AgentTiming::BALLOON:
        return 10000;
    case AgentTiming::SYNC_AUTOSTART:
        return 5000;
    case AgentTiming::VERSION_CHECK:
        return 10000;
    case AgentTiming::BACKUP_PART_PAUSE:
    case AgentTiming::BACKUP_DONE_PAUSE:
        return 1000;
    case AgentTiming::REGCHECK_RETRY:
        return 5000;
    case AgentTiming::SETTINGS_FETCH:
        return 3000;
    case AgentTiming::FIRST_DAILY_PASS:
        return 60000;
    case AgentTiming::ADDON_REFRESH:
        return 5000;
    case AgentTiming::FREE_SPACE_POLL:
        return 1000;
    case AgentTiming::DOWNLOAD_FLOOR_WINDOW:
        return 60000;
    case AgentTiming::DOWNLOAD_FLOOR_RATE:
        return 1024;
    case AgentTiming::HANDLER_HANDOVER:
        return 5000;
    case AgentTiming::DELAY_COUNT:
        break;
    }
    return 0;
}

struct Values {
    std::atomic<int> ms[AgentTiming::DELAY_COUNT];
    Values() { reset(); }
    void reset()
    {
        for (int i = 0; i < AgentTiming::DELAY_COUNT; ++i)
            ms[i] = defaultMs(AgentTiming::Delay(i));
    }
};

Values& values()
{
    static Values all;
    return all;
}
} // namespace

int AgentTiming::ms(Delay delay)
{
    return values().ms[delay];
}

void AgentTiming::set(Delay delay, int nValue)
{
    values().ms[delay] = nValue;
}

void AgentTiming::resetDefaults()
{
    values().reset();
}
