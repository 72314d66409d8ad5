#include "framework/system/InputlessWait.h"

#include <windows.h>

#include <optional>

namespace fw {
namespace {

bool isInput(UINT message)
{
    // The non-client mouse messages too: a click on the close box would end the program under
    // the handler.
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

}  // namespace

void waitIgnoringInput(std::chrono::milliseconds duration)
{
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(duration.count());
    std::optional<WPARAM> quitCode;
    for (;;) {
        // A bounded number per round: WM_PAINT comes back until the window's update region is
        // validated, and a window that never validates it must not keep us past the deadline.
        MSG message;
        for (int handled = 0; handled < 256 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++handled) {
            if (message.message == WM_QUIT)
                quitCode = message.wParam;
            else if (!isInput(message.message))
                DispatchMessageA(&message);
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
    }
    if (quitCode)
        PostQuitMessage(static_cast<int>(*quitCode));
}

}  // namespace fw
