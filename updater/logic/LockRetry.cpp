#include "updater/logic/LockRetry.h"

#include <algorithm>
#include <utility>

namespace velmora {

LockRetry::LockRetry(std::function<Clock::time_point()> now, std::function<void(std::chrono::milliseconds)> pause)
    : now_(std::move(now)), pause_(std::move(pause))
{
}

AttemptResult LockRetry::run(const std::function<AttemptResult()>& attempt) const
{
    const Clock::time_point deadline = now_() + patience;
    for (;;) {
        const AttemptResult result = attempt();
        const Clock::time_point now = now_();
        if (result != AttemptResult::Locked || now >= deadline)
            return result;
        // An attempt that took long already counts towards the wait.
        pause_(std::min(interval, std::chrono::ceil<std::chrono::milliseconds>(deadline - now)));
    }
}

}  // namespace velmora
