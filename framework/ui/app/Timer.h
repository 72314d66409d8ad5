#pragma once
// Timer: raises onTimer every `interval` milliseconds while enabled, on the GUI thread, through the
// message loop. The system timer exists only while the timer is enabled; destroying the Timer
// stops it.

#include "framework/ui/model/Component.h"

#include <functional>

namespace fw {

class Timer : public Component {
public:
    explicit Timer(unsigned intervalMilliseconds, Component* owner = nullptr);
    ~Timer() override;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void setEnabled(bool enabled);
    bool isEnabled() const { return id_ != 0; }
    unsigned interval() const { return interval_; }
    void setInterval(unsigned intervalMilliseconds);  // a running timer starts its interval anew

    std::function<void()> onTimer;

    // Called by the timer callback.
    void tick();

private:
    unsigned interval_;
    unsigned long long id_ = 0;  // system timer id; 0 while disabled
};

}  // namespace fw
