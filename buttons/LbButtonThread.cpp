#include "buttons/LbButtonThread.h"

#include <windows.h>

namespace lb {

TLbButtonThread::TLbButtonThread(TickEvent onTick) : FOnTick(std::move(onTick)) {}

void TLbButtonThread::execute()
{
    while (!isTerminated()) {
        SleepEx(tickIntervalMilliseconds, FALSE);
        synchronize([this] {
            if (FOnTick)
                FOnTick(*this);
        });
    }
}

}  // namespace lb
