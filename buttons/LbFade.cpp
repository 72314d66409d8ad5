#include "buttons/LbFade.h"

#include <utility>

namespace lb {

LbFade::LbFade(TLbButtonThread::TickEvent onTick) : onTick_(std::move(onTick)) {}

LbFade::~LbFade() { stopWorker(); }

void LbFade::startFadingOut()
{
    if (worker_ && worker_->isSuspended())
        worker_->resume();
}

void LbFade::startWorker()
{
    if (worker_)
        return;
    // Waits, suspended, for the next startFadingOut(); this object frees it.
    worker_ = std::make_unique<TLbButtonThread>(onTick_);
    worker_->setFreeOnTerminate(false);
}

void LbFade::stopWorker()
{
    if (!worker_)
        return;
    level_ = 0;
    stoppingWorker_ = worker_.get();
    endWorker();
    stoppingWorker_ = nullptr;
}

void LbFade::endWorker()
{
    // Each stage may fail on its own; the fade goes on without its worker whatever happens.
    try {
        while (worker_->isSuspended())
            worker_->resume();
    } catch (...) {
    }
    try {
        worker_->terminate();
        worker_->waitFor();
        worker_.reset();
    } catch (...) {
    }
    // A worker that could not be awaited is left to end and free itself.
    if (worker_) {
        worker_->setFreeOnTerminate(true);
        worker_.release();
    }
}

LbFade::TickOutcome LbFade::step(const TLbButtonThread& sender)
{
    if (&sender == stoppingWorker_)
        return TickOutcome::Ignored;
    --level_;
    if (level_ <= 0) {
        if (worker_ && !worker_->isSuspended())
            worker_->suspend();
        level_ = 0;
    }
    return TickOutcome::Stepped;
}

}  // namespace lb
