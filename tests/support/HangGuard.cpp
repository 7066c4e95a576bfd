#include "HangGuard.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace
{
struct GuardState {
    std::mutex mutex;
    std::condition_variable done;
    bool bFinished = false;
};
} // namespace

bool HangGuard::finishes(std::function<void()> call, int nLimitMs)
{
    auto pState = std::make_shared<GuardState>();
    std::thread([pState, call]() {
        call();
        std::lock_guard<std::mutex> lock(pState->mutex);
        pState->bFinished = true;
        pState->done.notify_all();
    }).detach();
    std::unique_lock<std::mutex> lock(pState->mutex);
    return pState->done.wait_for(lock, std::chrono::milliseconds(nLimitMs),
                                 [&pState] { return pState->bFinished; });
}
