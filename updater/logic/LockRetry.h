#pragma once
// How long the update waits for a file that another program holds open for a moment. A virus
// scanner, the search indexer or Explorer reading an icon open an executable for a fraction of a
// second, often just as it is to be replaced, and the update should not fail for that; Inno Setup
// tries a locked file again four times a second apart for the same reason. Here a locked attempt
// is repeated every quarter of a second for three seconds before the update gives up. A Velmora
// that is really running is so reported three seconds later, which is the price of the wait.
//
// The clock and the pause are the caller's: the updater's are real time, with its window kept
// painted while it pauses; tests move a clock of their own and never sleep.

#include <chrono>
#include <functional>

namespace velmora {

enum class AttemptResult {
    Done,
    Locked,  // another program holds the file; worth trying again in a moment
    Failed,  // anything else: trying again would not help
};

class LockRetry {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds patience{3000};
    static constexpr std::chrono::milliseconds interval{250};

    LockRetry(std::function<Clock::time_point()> now, std::function<void(std::chrono::milliseconds)> pause);

    // Runs `attempt` until it is Done or Failed, or until it has stayed Locked for `patience`, with
    // `interval` between attempts (shortened so that the last attempt falls on the end of the
    // patience). Answers the last attempt's result.
    AttemptResult run(const std::function<AttemptResult()>& attempt) const;

private:
    std::function<Clock::time_point()> now_;
    std::function<void(std::chrono::milliseconds)> pause_;
};

}  // namespace velmora
