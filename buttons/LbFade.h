#pragma once
// LbFade: the slow fade of a speed button's hot-track colour. It holds the fade level (0..8,
// eighths of HotTrackColor in the face colour) and, while SlowDecease is on, owns the worker that
// times the steps. The button owns its LbFade; the fade never paints: step() says when the face
// must be repainted.
//
// The worker hands each tick to the callback given at construction (the button's FadeTick) on the
// GUI thread, and the callback passes it on to step(). Stopping the worker (stopWorker(), and the
// destructor) waits for it to end; a pass of the worker that has begun its sleep still hands over
// a tick meanwhile. Those late ticks change nothing: a level that fell below 0 would suspend a
// worker that is being awaited.

#include "buttons/LbButtonThread.h"

#include <memory>
#include <type_traits>

namespace lb {

class LbFade {
public:
    static constexpr int fullLevel = 8;

    enum class TickOutcome {
        Ignored,  // a late tick of the worker being stopped: nothing changed
        Stepped,  // the level moved (or stayed at 0): repaint the face
    };

    explicit LbFade(TLbButtonThread::TickEvent onTick);
    ~LbFade();  // stops the worker
    LbFade(const LbFade&) = delete;
    LbFade& operator=(const LbFade&) = delete;

    int level() const { return level_; }
    // The worker, present from startWorker() to stopWorker(); null otherwise.
    const TLbButtonThread* worker() const { return worker_.get(); }

    // The pointer came in: the full hot-track colour.
    void lightUp() { level_ = fullLevel; }
    // The pointer left and there is no slow fade: the plain face colour at once.
    void darkenAtOnce() { level_ = 0; }
    // The pointer left with a slow fade: a suspended worker goes on ticking (the ticks take the
    // level down); a running one keeps its pace.
    void startFadingOut();

    // SlowDecease on: a worker, created suspended, unless there is one already.
    void startWorker();
    // SlowDecease off: when there is a worker, level 0 and the worker ended (see above). Without
    // one, nothing changes.
    void stopWorker();

    // One tick handed over by `sender`: one level down; at 0 the worker is suspended until the
    // next startFadingOut().
    TickOutcome step(const TLbButtonThread& sender);

private:
    void endWorker();

    TLbButtonThread::TickEvent onTick_;
    int level_ = 0;
    std::unique_ptr<TLbButtonThread> worker_;
    // The worker that stopWorker() is awaiting: its late ticks are ignored.
    const TLbButtonThread* stoppingWorker_ = nullptr;
};

static_assert(!std::is_copy_constructible_v<LbFade>);

}  // namespace lb
