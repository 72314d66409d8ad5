// The fade on its own, with a real worker whose hand-offs the test runs: what becomes of the
// ticks that a worker still hands over while it is being stopped.

#include "buttons/LbFade.h"

#include "tests/support/Watchdog.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace {

using namespace lb;
using namespace std::chrono_literals;
using test_support::Watchdog;

TEST(LbFade, TicksHandedOverWhileTheWorkerIsStoppedChangeNothing)
{
    // Taken as a step, such a tick would suspend the worker that is being awaited, and the stop
    // would never end: the watchdog reports that.
    Watchdog watchdog("stopping a fading worker", 60s);
    struct Tick {
        LbFade::TickOutcome outcome;
        int levelAfter;
        bool isLate;  // handed over while stopWorker() ran
    };
    int lateTicks = 0;
    for (int round = 0; round < 20 && lateTicks == 0; ++round) {
        std::vector<Tick> ticks;
        bool isStopping = false;
        LbFade fade([&](TLbButtonThread& sender) { ticks.push_back({fade.step(sender), fade.level(), isStopping}); });
        fade.startWorker();
        fade.lightUp();
        fade.startFadingOut();
        const auto deadline = std::chrono::steady_clock::now() + 3s;
        while (ticks.empty() && std::chrono::steady_clock::now() < deadline) {
            fw::WorkerThread::runPendingHandOffs();
            Sleep(1);
        }
        ASSERT_FALSE(ticks.empty());
        // Well inside the worker's next 30 ms sleep, which ends with a hand-off even when the
        // worker has been told to end meanwhile.
        Sleep(10);
        isStopping = true;
        fade.stopWorker();
        isStopping = false;

        EXPECT_EQ(fade.worker(), nullptr);
        for (const Tick& tick : ticks) {
            lateTicks += tick.isLate;
            const auto expected = tick.isLate ? LbFade::TickOutcome::Ignored : LbFade::TickOutcome::Stepped;
            EXPECT_EQ(tick.outcome, expected) << "round " << round;
            EXPECT_EQ(tick.levelAfter, tick.isLate ? 0 : LbFade::fullLevel - 1) << "round " << round;
        }
    }
    EXPECT_GT(lateTicks, 0) << "no round stopped the worker in the middle of its sleep";
}

}  // namespace
