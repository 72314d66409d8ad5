#pragma once
// TLbButtonThread: the worker that times a button's slow fade. Every 30 ms it hands its tick to
// the GUI thread and waits until the tick has run; it never touches the button itself. The
// button's tick suspends it when the fade is over and the next mouse leave resumes it, so between
// fades it waits without cost. It looks at its termination flag at the top of each pass only: a
// pass that has begun its sleep always ends with a hand-off.

#include "framework/ui/threading/WorkerThread.h"

#include <functional>

namespace lb {

class TLbButtonThread : public fw::WorkerThread {
public:
    using TickEvent = std::function<void(TLbButtonThread& sender)>;

    // Created suspended, freeing itself at its end until the owner says otherwise.
    explicit TLbButtonThread(TickEvent onTick);

    static constexpr unsigned long tickIntervalMilliseconds = 30;

protected:
    void execute() override;

private:
    TickEvent onTick_;
};

}  // namespace lb
