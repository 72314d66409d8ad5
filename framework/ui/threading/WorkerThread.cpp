#include "framework/ui/threading/WorkerThread.h"

#include "framework/core/Error.h"
#include "framework/win32/Win32Error.h"
#include "framework/win32/WindowProcedure.h"

#include <deque>
#include <exception>

namespace fw {
namespace {

constexpr UINT handOffMessage = WM_APP + 0x13;

// The calls that workers hand to the GUI thread. A hidden message-only window of the GUI thread
// receives a posted message per call, so every message loop of that thread, modal ones included,
// runs them; waitFor() runs them directly, woken by `pending_`.
class HandOffQueue {
public:
    struct HandOff {
        const std::function<void()>* call;
        std::exception_ptr error;
        bool isDone = false;
    };

    static HandOffQueue& instance()
    {
        static HandOffQueue queue;  // made by the first worker's constructor, on the GUI thread
        return queue;
    }

    bool isGuiThread() const { return GetCurrentThreadId() == guiThread_; }
    HANDLE pendingSignal() const { return pending_.get(); }

    // Worker side: queues the call, wakes the GUI thread and waits until the call has run.
    void handOver(HandOff& handOff)
    {
        std::unique_lock lock(mutex_);
        queue_.push_back(&handOff);
        SetEvent(pending_.get());
        PostMessageA(window_.get(), handOffMessage, 0, 0);
        done_.wait(lock, [&] { return handOff.isDone; });
    }

    // GUI side: runs every queued call, in order.
    void runPending()
    {
        for (;;) {
            HandOff* next = nullptr;
            {
                std::lock_guard lock(mutex_);
                if (queue_.empty())
                    return;
                next = queue_.front();
                queue_.pop_front();
            }
            try {
                (*next->call)();
            } catch (...) {
                next->error = std::current_exception();
            }
            {
                std::lock_guard lock(mutex_);
                next->isDone = true;
            }
            done_.notify_all();
        }
    }

private:
    HandOffQueue() : guiThread_(GetCurrentThreadId())
    {
        registerWindowClass("FwHandOff", windowProcedure, 0, nullptr);
        window_.reset(CreateWindowExA(0, "FwHandOff", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      GetModuleHandleA(nullptr), nullptr));
        pending_.reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
        if (!window_ || !pending_)
            throw Win32Error("Hand-off window", GetLastError());
    }

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == handOffMessage) {
            instance().runPending();
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    DWORD guiThread_;
    UniqueWindow window_;
    UniqueKernelHandle pending_;  // auto-reset: set whenever a call is queued
    std::mutex mutex_;
    std::condition_variable done_;
    std::deque<HandOff*> queue_;
};

}  // namespace

WorkerThread::WorkerThread()
{
    HandOffQueue::instance();
    DWORD id = 0;
    handle_.reset(CreateThread(nullptr, 0, threadEntry, this, 0, &id));
    if (!handle_)
        throw Win32Error("CreateThread", GetLastError());
}

WorkerThread::~WorkerThread()
{
    if (GetCurrentThreadId() == GetThreadId(handle_.get()))
        return;  // freed by its own worker at the end: nothing is left to wait for
    terminate();
    while (isSuspended())
        resume();
    waitFor();
}

unsigned long __stdcall WorkerThread::threadEntry(void* parameter)
{
    auto* self = static_cast<WorkerThread*>(parameter);
    try {
        self->waitWhileSuspended();
        if (!self->isTerminated())
            self->execute();
    } catch (...) {
        // Nothing may cross the thread's entry; a worker whose step failed simply ends.
    }
    bool freeSelf = false;
    {
        std::lock_guard lock(self->mutex_);
        self->ended_ = true;
        freeSelf = self->freeOnTerminate_;
    }
    if (freeSelf)
        delete self;
    return 0;
}

void WorkerThread::waitWhileSuspended()
{
    std::unique_lock lock(mutex_);
    wakeUp_.wait(lock, [&] { return !suspended_; });
}

void WorkerThread::resume()
{
    {
        std::lock_guard lock(mutex_);
        suspended_ = false;
    }
    wakeUp_.notify_all();
}

void WorkerThread::suspend()
{
    std::lock_guard lock(mutex_);
    suspended_ = true;
}

bool WorkerThread::isSuspended() const
{
    std::lock_guard lock(mutex_);
    return suspended_ && !ended_;
}

void WorkerThread::terminate()
{
    std::lock_guard lock(mutex_);
    terminated_ = true;
}

bool WorkerThread::isTerminated() const
{
    std::lock_guard lock(mutex_);
    return terminated_;
}

bool WorkerThread::hasEnded() const
{
    std::lock_guard lock(mutex_);
    return ended_;
}

void WorkerThread::waitFor()
{
    HandOffQueue& queue = HandOffQueue::instance();
    if (!queue.isGuiThread()) {
        WaitForSingleObject(handle_.get(), INFINITE);
        return;
    }
    // The worker may be waiting for the GUI thread to run its hand-off: run them while waiting.
    const HANDLE handles[] = {handle_.get(), queue.pendingSignal()};
    for (;;) {
        queue.runPending();
        if (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0)
            break;
    }
    queue.runPending();
}

void WorkerThread::synchronize(const std::function<void()>& call)
{
    HandOffQueue& queue = HandOffQueue::instance();
    if (queue.isGuiThread()) {
        call();
        return;
    }
    HandOffQueue::HandOff handOff{&call, nullptr, false};
    queue.handOver(handOff);
    waitWhileSuspended();
    if (handOff.error)
        std::rethrow_exception(handOff.error);
}

void WorkerThread::runPendingHandOffs() { HandOffQueue::instance().runPending(); }

}  // namespace fw
