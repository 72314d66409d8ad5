// The wait for a file held by another program, on a clock of the test's own: no test sleeps.

#include "updater/logic/LockRetry.h"

#include <gtest/gtest.h>

#include <vector>

using namespace std::chrono_literals;
using velmora::AttemptResult;
using velmora::LockRetry;

namespace {

struct Attempts {
    AttemptResult result;
    int attempts;
    std::vector<std::chrono::milliseconds> pauses;
};

// Attempts answer `answers` in turn (the last one from then on); each takes `attemptTime`.
Attempts retry(const std::vector<AttemptResult>& answers, std::chrono::milliseconds attemptTime = 0ms)
{
    LockRetry::Clock::time_point now{};
    Attempts run{AttemptResult::Failed, 0, {}};
    const LockRetry lockRetry([&] { return now; },
                              [&](std::chrono::milliseconds pause) {
                                  run.pauses.push_back(pause);
                                  now += pause;
                              });
    run.result = lockRetry.run([&] {
        now += attemptTime;
        const std::size_t index = std::min<std::size_t>(static_cast<std::size_t>(run.attempts++), answers.size() - 1);
        return answers[index];
    });
    return run;
}

std::chrono::milliseconds total(const std::vector<std::chrono::milliseconds>& pauses)
{
    std::chrono::milliseconds sum{0};
    for (auto pause : pauses)
        sum += pause;
    return sum;
}

}  // namespace

TEST(LockRetry, OnlyALockIsTriedAgainAndTheFirstOtherAnswerEndsTheWait)
{
    using enum AttemptResult;
    const struct {
        std::vector<AttemptResult> answers;
        AttemptResult result;
        int attempts;
    } cases[] = {
        {{Done}, Done, 1},
        {{Failed}, Failed, 1},
        {{Locked, Locked, Done}, Done, 3},
        {{Locked, Failed, Done}, Failed, 2},
    };
    for (const auto& each : cases) {
        const Attempts run = retry(each.answers);
        EXPECT_EQ(run.result, each.result);
        EXPECT_EQ(run.attempts, each.attempts);
        EXPECT_EQ(run.pauses, std::vector<std::chrono::milliseconds>(each.attempts - 1, LockRetry::interval));
    }
}

TEST(LockRetry, AFileHeldForGoodIsTriedEveryQuarterSecondForThreeSecondsThenGivenUp)
{
    const Attempts run = retry({AttemptResult::Locked});
    EXPECT_EQ(run.result, AttemptResult::Locked);
    EXPECT_EQ(run.attempts, 13);  // at 0, 0.25, ... 3 s
    EXPECT_EQ(total(run.pauses), 3000ms);
}

TEST(LockRetry, TheTimeAttemptsTakeCountsTowardsTheWait)
{
    // Attempts of 0.1 s start at 0, 0.35, ... 2.8 s; the last pause is cut to end at 3 s.
    const Attempts run = retry({AttemptResult::Locked}, 100ms);
    EXPECT_EQ(run.attempts, 10);
    std::vector<std::chrono::milliseconds> expected(8, 250ms);
    expected.push_back(100ms);
    EXPECT_EQ(run.pauses, expected);
}
