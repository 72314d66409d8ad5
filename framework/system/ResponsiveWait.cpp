#include "framework/system/ResponsiveWait.h"

#include <windows.h>

namespace fw {
namespace {

void dropInput()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
    while (PeekMessageA(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
    }
    // The non-client ones too: a click on the close box would end the program under the handler.
    while (PeekMessageA(&message, nullptr, WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, PM_REMOVE)) {
    }
}

void paintWhatIsDue()
{
    // WM_PAINT stays in the queue until the window's update region is validated; a window whose
    // painting leaves it invalid would come back at once, so each round paints a bounded number.
    MSG message;
    for (int painted = 0; painted < 64 && PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++painted)
        DispatchMessageA(&message);
}

}  // namespace

void waitRespondingToPaint(std::chrono::milliseconds duration)
{
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(duration.count());
    for (;;) {
        // Every PeekMessage call also delivers the messages sent to this thread meanwhile.
        dropInput();
        paintWhatIsDue();
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return;
        // Posted messages other than input do not wake us: they wait for the loop, and would
        // otherwise wake us again and again.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now),
                                  QS_INPUT | QS_PAINT | QS_SENDMESSAGE);
    }
}

}  // namespace fw
