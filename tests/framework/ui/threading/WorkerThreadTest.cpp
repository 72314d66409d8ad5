// A worker's synchronous call to the GUI thread: it runs there while the worker waits, what it
// throws comes back to the worker, and called on the GUI thread itself it runs at once. Each
// test runs under a watchdog, so that a hang fails.

#include "framework/ui/threading/WorkerThread.h"

#include "tests/support/Watchdog.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

using namespace std::chrono_literals;
using test_support::Watchdog;

namespace {

struct Refusal {  // not a std::exception: whatever the call throws must come back as it was
    int code;
};

// Hands `call` to the GUI thread once and writes down where it ran and what came back.
class HandingOffWorker : public fw::WorkerThread {
public:
    explicit HandingOffWorker(std::function<void()> call) : call_(std::move(call)) { setFreeOnTerminate(false); }
    using WorkerThread::synchronize;

    DWORD callThread = 0;
    std::string outcome;

protected:
    void execute() override
    {
        try {
            synchronize([this] {
                callThread = GetCurrentThreadId();
                call_();
            });
            outcome = "returned";
        } catch (const Refusal& refusal) {
            outcome = "refusal " + std::to_string(refusal.code);
        } catch (...) {
            outcome = "something else";
        }
    }

private:
    std::function<void()> call_;
};

}  // namespace

TEST(WorkerThreadTest, TheCallRunsOnTheGuiThreadAndWhatItThrowsReachesTheWorker)
{
    const Watchdog watchdog("worker hand-off", 20s);
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[] {}, "returned"},
        {[] { throw Refusal{7}; }, "refusal 7"},
    };
    for (const auto& [call, outcome] : cases) {
        HandingOffWorker worker(call);
        worker.resume();
        worker.waitFor();  // runs the hand-off on this thread meanwhile
        EXPECT_EQ(worker.callThread, GetCurrentThreadId());
        EXPECT_EQ(worker.outcome, outcome);
    }
}

TEST(WorkerThreadTest, OnTheGuiThreadTheCallRunsAtOnceAndThrowsThere)
{
    // Queued instead, it would wait for this very thread: the watchdog would end the program.
    const Watchdog watchdog("synchronize on the GUI thread", 20s);
    HandingOffWorker worker([] {});  // stays suspended; its destructor ends it
    DWORD ranOn = 0;
    worker.synchronize([&] { ranOn = GetCurrentThreadId(); });
    EXPECT_EQ(ranOn, GetCurrentThreadId());
    EXPECT_THROW(worker.synchronize([] { throw Refusal{3}; }), Refusal);
}
