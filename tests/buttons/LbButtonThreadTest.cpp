// The slow fade: a button with SlowDecease fades back from its hot-track colour in eight steps
// timed by its own worker, driven here through a real message loop. Timing bounds are generous;
// the figures themselves are for the benchmarks. Every test that waits on a worker runs under a
// watchdog, so that a hang fails with a message instead of stopping the run.

#include "SpeedButtonFixture.h"
#include "tests/support/Watchdog.h"

namespace {

using namespace lb;
using namespace speed_button_test;
using test_support::Watchdog;
using namespace std::chrono_literals;

struct Step {
    int level;
    std::chrono::steady_clock::time_point at;
};

class FadeTest : public LbSpeedButtonTest {
protected:
    void SetUp() override
    {
        LbSpeedButtonTest::SetUp();
        button_->setSlowDecease(true);
        button_->onPaint = [this] { steps_.push_back({button_->fadeLevel(), std::chrono::steady_clock::now()}); };
        settle();  // the repaint that switching SlowDecease on asked for
        steps_.clear();
    }
    void enter() { pointAt(*panel_, 20, 20); }
    void leave() { pointAt(*panel_, 200, 250); }
    bool waitForSteps(std::size_t count, std::chrono::milliseconds timeout = 3s)
    {
        return runLoopUntil([&] { return steps_.size() >= count; }, timeout);
    }
    std::vector<int> levels() const
    {
        std::vector<int> result;
        for (const Step& step : steps_)
            result.push_back(step.level);
        return result;
    }
    // Runs the loop for `time` and says whether anything was painted meanwhile.
    bool paintsWithin(std::chrono::milliseconds time)
    {
        const std::size_t before = steps_.size();
        runLoopUntil([] { return false; }, time);
        return steps_.size() != before;
    }

    std::vector<Step> steps_;
};

TEST_F(FadeTest, OneEnterAndLeaveGivesEightStepsAboutThirtyMillisecondsApart)
{
    Watchdog watchdog("one fade", 20s);
    enter();
    ASSERT_EQ(levels(), std::vector<int>{8});
    EXPECT_EQ(facePixel(*button_, 50, 1), goldHot);
    steps_.clear();
    leave();
    ASSERT_TRUE(waitForSteps(8)) << steps_.size() << " steps";
    EXPECT_EQ(levels(), (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0}));
    for (std::size_t index = 1; index < steps_.size(); ++index) {
        const auto gap = steps_[index].at - steps_[index - 1].at;
        EXPECT_GE(gap, 15ms) << index;
        EXPECT_LE(gap, 300ms) << index;
    }
    EXPECT_EQ(facePixel(*button_, 50, 1), gold);
    EXPECT_TRUE(button_->fadeThread()->isSuspended());
    EXPECT_FALSE(paintsWithin(150ms)) << "a suspended worker ticks no more";
}

TEST_F(FadeTest, LeavingAgainDuringAFadeNeitherRestartsNorResumesIt)
{
    Watchdog watchdog("leave during a fade", 20s);
    enter();
    steps_.clear();
    leave();
    ASSERT_TRUE(waitForSteps(3));
    button_->perform(fw::message::mouseLeave);
    ASSERT_TRUE(waitForSteps(8));
    EXPECT_EQ(levels(), (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_FALSE(paintsWithin(150ms));
}

TEST_F(FadeTest, ReEnteringDuringAFadeShowsTheHotColourAndFadesWhileInside)
{
    Watchdog watchdog("re-entry", 20s);
    enter();
    steps_.clear();
    leave();
    ASSERT_TRUE(waitForSteps(3));
    enter();  // the worker keeps running: the level falls again from 8 while the pointer stays
    ASSERT_TRUE(waitForSteps(3 + 1 + 8));
    const std::vector<int> all = levels();
    const std::vector<int> afterEntry(all.begin() + 3, all.end());
    EXPECT_EQ(afterEntry, (std::vector<int>{8, 7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_TRUE(button_->isPointerInside());
    EXPECT_FALSE(paintsWithin(150ms));

    steps_.clear();
    const auto left = std::chrono::steady_clock::now();
    leave();  // resumes the worker, whose first tick finds 0, suspends it and paints once
    ASSERT_TRUE(waitForSteps(1));
    EXPECT_EQ(levels(), std::vector<int>{0});
    EXPECT_GE(steps_[0].at - left, 15ms);
    EXPECT_FALSE(paintsWithin(150ms));
    EXPECT_TRUE(button_->fadeThread()->isSuspended());
}

TEST_F(FadeTest, TheFirstLeaveWithoutAnEnterPaintsOnceAndSuspends)
{
    Watchdog watchdog("first leave", 20s);
    button_->perform(fw::message::mouseLeave);
    ASSERT_TRUE(waitForSteps(1));
    EXPECT_EQ(levels(), std::vector<int>{0});
    EXPECT_FALSE(paintsWithin(150ms));
    EXPECT_TRUE(button_->fadeThread()->isSuspended());
}

TEST_F(FadeTest, SwitchingOnTwiceKeepsOneWorkerAndOffEndsIt)
{
    Watchdog watchdog("switching", 20s);
    const TLbButtonThread* worker = button_->fadeThread();
    ASSERT_NE(worker, nullptr);
    button_->setSlowDecease(true);
    EXPECT_EQ(button_->fadeThread(), worker);
    button_->setSlowDecease(false);
    EXPECT_EQ(button_->fadeThread(), nullptr);
    enter();
    steps_.clear();
    leave();  // without SlowDecease: level 0 at once, one paint
    EXPECT_EQ(levels(), std::vector<int>{0});
    EXPECT_FALSE(paintsWithin(150ms));
}

TEST_F(FadeTest, ADisabledButtonCountsDownWithItsPlainFace)
{
    Watchdog watchdog("disabled fade", 20s);
    enter();
    button_->setEnabled(false);
    settle();
    steps_.clear();
    leave();
    ASSERT_TRUE(waitForSteps(4));
    const std::vector<int> first = levels();
    EXPECT_EQ(std::vector<int>(first.begin(), first.begin() + 4), (std::vector<int>{7, 6, 5, 4}));
    EXPECT_EQ(facePixel(*button_, 50, 1), gold) << "a disabled face ignores the hot-track colour";
    ASSERT_TRUE(waitForSteps(8));
}

TEST_F(FadeTest, AFadeThatStartsBeforeADialogCompletesWhileItIsOpen)
{
    Watchdog watchdog("fade under a dialog", 20s);
    enter();
    steps_.clear();
    leave();
    static std::vector<Step>* seen;
    seen = &steps_;
    // Closes the box once the fade has ended; runs inside the box's own message loop.
    SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
        if (seen->size() < 8)
            return;
        KillTimer(nullptr, id);
        if (HWND box = FindWindowA("#32770", "Fade test"))
            PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    MessageBoxA(nullptr, "The fade goes on beneath this box.", "Fade test", MB_OK);
    EXPECT_EQ(levels(), (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0}));
}

TEST_F(FadeTest, SwitchingOffOrDestroyingInTheMiddleOfAFadeEndsTheWorkerEveryTime)
{
    Watchdog watchdog("stopping fades", 120s);
    const DWORD handlesBefore = [] {
        DWORD count = 0;
        GetProcessHandleCount(GetCurrentProcess(), &count);
        return count;
    }();
    for (int round = 0; round < 200; ++round) {
        ProbeButton& button = makeButton(*panel_, "Fading", {150, 150, 108, 31});
        button.setSlowDecease(true);
        std::vector<int> painted;
        button.onPaint = [&] { painted.push_back(button.fadeLevel()); };
        button.perform(fw::message::mouseEnter);
        button.perform(fw::message::mouseLeave);
        const auto stopAt = std::chrono::steady_clock::now() + std::chrono::milliseconds(round % 60);
        runLoopUntil([&] { return std::chrono::steady_clock::now() >= stopAt; }, 1s);
        if (round % 2 == 0) {
            painted.clear();
            button.setSlowDecease(false);
            ASSERT_EQ(button.fadeThread(), nullptr);
            EXPECT_TRUE(painted.empty()) << "round " << round << ": a tick painted while the worker was stopped";
            runLoopUntil([] { return false; }, 40ms);
            // Only the repaint that the setter asks for, showing the plain face: no more ticks.
            EXPECT_LE(painted.size(), 1u) << "round " << round;
            EXPECT_TRUE(painted.empty() || painted[0] == 0) << "round " << round;
        }
        buttons_.pop_back();  // destroyed, in the middle of a fade or after it was stopped
    }
    settle();
    DWORD handlesAfter = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handlesAfter);
    EXPECT_LE(handlesAfter, handlesBefore + 5) << "handles leaked: " << handlesBefore << " -> " << handlesAfter;
}

}  // namespace
