#include "framework/win32/DisplayDpi.h"

#include "framework/geometry/Dpi.h"

#include <windows.h>

namespace fw::native {
namespace {

constexpr const char* layoutDpiProperty = "fw.LayoutDpi";

template <typename Function>
Function* user32Procedure(const char* name)
{
    // user32 is loaded with every window program; only the procedure may be missing.
    HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

}  // namespace

int screenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : designDpi;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : designDpi;
}

int systemDpiOfWindow(WindowHandle window)
{
    static const auto getDpiForWindow = user32Procedure<UINT WINAPI(HWND)>("GetDpiForWindow");
    if (getDpiForWindow && window) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0)
            return static_cast<int>(dpi);
    }
    return screenDpi();
}

int layoutDpiOf(WindowHandle window)
{
    HWND topLevel = window ? GetAncestor(window, GA_ROOT) : nullptr;
    // The value is kept as the property's "handle"; zero means none was recorded.
    const auto recorded = topLevel ? reinterpret_cast<UINT_PTR>(GetPropA(topLevel, layoutDpiProperty)) : 0;
    return recorded ? static_cast<int>(recorded) : systemDpiOfWindow(window);
}

void recordLayoutDpi(WindowHandle topLevelWindow, int dpi)
{
    SetPropA(topLevelWindow, layoutDpiProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(dpi)));
}

void forgetLayoutDpi(WindowHandle topLevelWindow) { RemovePropA(topLevelWindow, layoutDpiProperty); }

FrameSize frameAround(int clientWidth, int clientHeight, unsigned long style, unsigned long extendedStyle, int dpi)
{
    static const auto adjustForDpi =
        user32Procedure<BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    RECT outer{0, 0, clientWidth, clientHeight};
    if (!adjustForDpi || !adjustForDpi(&outer, style, FALSE, extendedStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&outer, style, FALSE, extendedStyle);
    return FrameSize{outer.right - outer.left, outer.bottom - outer.top};
}

}  // namespace fw::native
