#include "buttons/LbButtonThread.h"

#include <windows.h>

namespace lb {

TLbButtonThread::TLbButtonThread(TickEvent onTick) : onTick_(std::move(onTick)) {}

void TLbButtonThread::execute()
{
    while (!isTerminated()) {
        SleepEx(tickIntervalMilliseconds, FALSE);
        synchronize([this] {
            if (onTick_)
                onTick_(*this);
        });
    }
}

}  // namespace lb
