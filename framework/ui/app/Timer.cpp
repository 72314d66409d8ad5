#include "framework/ui/app/Timer.h"

#include "framework/core/Error.h"
#include "framework/core/RunHandler.h"
#include "framework/win32/Win32Error.h"

#include <windows.h>

#include <map>

namespace fw {
namespace {

// Thread timers (no window) are told apart by the id the system hands out.
std::map<UINT_PTR, Timer*>& timers()
{
    static std::map<UINT_PTR, Timer*> byId;
    return byId;
}

// Called by Windows: nothing may be thrown out of here (see WindowProcedure.h).
void CALLBACK timerProc(HWND, UINT, UINT_PTR id, DWORD)
{
    runHandler([&] {
        const auto found = timers().find(id);
        if (found != timers().end())
            found->second->tick();
    });
}

}  // namespace

Timer::Timer(unsigned intervalMilliseconds, Component* owner) : Component(owner), interval_(intervalMilliseconds) {}

void Timer::setInterval(unsigned intervalMilliseconds)
{
    interval_ = intervalMilliseconds;
    if (isEnabled()) {
        setEnabled(false);
        setEnabled(true);
    }
}

Timer::~Timer() { setEnabled(false); }

void Timer::setEnabled(bool enabled)
{
    if (enabled == isEnabled())
        return;
    if (enabled) {
        const UINT_PTR id = SetTimer(nullptr, 0, interval_, timerProc);
        if (!id)
            throw Win32Error("SetTimer", GetLastError());
        id_ = id;
        timers()[id] = this;
    } else {
        KillTimer(nullptr, static_cast<UINT_PTR>(id_));
        timers().erase(static_cast<UINT_PTR>(id_));
        id_ = 0;
    }
}

void Timer::tick()
{
    if (onTimer)
        runHandler(onTimer);
}

}  // namespace fw
