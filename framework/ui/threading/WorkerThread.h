#pragma once
// WorkerThread: a thread of its own that hands calls to the GUI thread and waits for them.
//
// Life of a worker:
//   - it is created suspended: the OS thread starts at once but waits before execute() until
//     resume() is called;
//   - suspend() and resume() are called from the GUI thread. Suspension is a flag and a wake-up
//     signal, not SuspendThread: a suspended worker stops at its next suspension point, which is
//     the end of a hand-off (synchronize()) or the start of execute(), and stays there until
//     resumed. So a worker is never stopped while it holds a lock or is half-way through a step;
//   - terminate() sets a flag that execute() polls; waitFor() waits until the worker has ended and
//     keeps running its hand-offs meanwhile, so a worker that hands over a call while the GUI
//     thread waits for it cannot deadlock;
//   - with freeOnTerminate (on after construction) the worker deletes its own object when
//     execute() returns; an owner that frees the object itself switches it off at once.
//
// synchronize() runs a call on the GUI thread while the worker waits, and carries what the call
// throws back to the worker. The GUI thread runs pending hand-offs from every message loop it is
// in (modal ones included: a message box, a tracked popup menu) through a hidden window, and from
// waitFor(). Called on the GUI thread itself, synchronize() runs the call at once.

#include "framework/win32/Handles.h"

#include <condition_variable>
#include <functional>
#include <mutex>

namespace fw {

class WorkerThread {
public:
    WorkerThread();  // on the GUI thread; the worker waits, suspended
    virtual ~WorkerThread();  // terminates, resumes and waits for a worker that still runs
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    void resume();
    void suspend();
    bool isSuspended() const;
    void terminate();
    bool isTerminated() const;
    // Waits until execute() has returned, running the worker's hand-offs meanwhile.
    void waitFor();
    bool hasEnded() const;

    bool freeOnTerminate() const { return freeOnTerminate_; }
    void setFreeOnTerminate(bool free) { freeOnTerminate_ = free; }

    // Runs the hand-offs that are waiting now (GUI thread). Message loops do this by themselves.
    static void runPendingHandOffs();

protected:
    // The worker's work; returns when it is done or sees isTerminated().
    virtual void execute() = 0;
    // Called by the worker: runs `call` on the GUI thread and waits for it, rethrowing what it
    // threw; then, if the GUI thread suspended this worker meanwhile, waits until it is resumed.
    void synchronize(const std::function<void()>& call);

private:
    static unsigned long __stdcall threadEntry(void* self);
    void waitWhileSuspended();

    UniqueKernelHandle handle_;
    mutable std::mutex mutex_;
    std::condition_variable wakeUp_;
    bool suspended_ = true;
    bool terminated_ = false;
    bool ended_ = false;
    bool freeOnTerminate_ = true;
};

}  // namespace fw
