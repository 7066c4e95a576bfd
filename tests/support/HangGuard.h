#pragma once

#include <functional>

// Runs a call that might never return (a read of a hostile file, a stop that waits) in a thread of its own
// and waits for it at most nLimitMs, so that such a test fails instead of hanging. The limit is only a
// guard, never a measure of speed. A call that does not return is left behind for the process to end, so
// it must not use the test's locals after a failed guard.
class HangGuard
{
public:
    static bool finishes(std::function<void()> call, int nLimitMs = 20000);
};
