// The wait for a file held by another program, on a clock of the test's own: no test sleeps.

#include "updater/logic/LockRetry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace std::chrono_literals;
using velmora::AttemptResult;
using velmora::LockRetry;

TEST(LockRetry, OnlyALockIsTriedAgainEveryQuarterSecondForThreeSecondsAttemptsIncluded)
{
    using enum AttemptResult;
    const struct {
        std::vector<AttemptResult> answers;  // in turn, the last one from then on
        std::chrono::milliseconds attemptTime;
        AttemptResult result;
        int attempts;
        std::chrono::milliseconds paused;
    } cases[] = {
        {{Done}, 0ms, Done, 1, 0ms},
        {{Failed}, 0ms, Failed, 1, 0ms},
        {{Locked, Locked, Done}, 0ms, Done, 3, 500ms},
        {{Locked, Failed, Done}, 0ms, Failed, 2, 250ms},
        {{Locked}, 0ms, Locked, 13, 3000ms},  // at 0, 0.25, ... 3 s
        // At 0, 0.35, ... 2.8 s; the last pause is cut short so that the last attempt is at 3 s.
        {{Locked}, 100ms, Locked, 10, 8 * 250ms + 100ms},
    };
    for (const auto& each : cases) {
        LockRetry::Clock::time_point now{};
        std::chrono::milliseconds paused{0};
        int attempts = 0;
        const LockRetry retry([&] { return now; },
                              [&](std::chrono::milliseconds pause) {
                                  EXPECT_LE(pause, LockRetry::interval);
                                  paused += pause;
                                  now += pause;
                              });
        const AttemptResult result = retry.run([&] {
            now += each.attemptTime;
            return each.answers[std::min<std::size_t>(static_cast<std::size_t>(attempts++), each.answers.size() - 1)];
        });
        EXPECT_EQ(result, each.result);
        EXPECT_EQ(attempts, each.attempts);
        EXPECT_EQ(paused, each.paused);
    }
}
