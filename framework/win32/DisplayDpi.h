#pragma once
// The pixels per inch (DPI) of the screen and of windows, and the outer size of a window around
// a client area at a DPI. The per-window and per-DPI functions of the system exist from
// Windows 10 (1607); they are looked up at run time, and where they are missing (Windows 7 and 8)
// the screen's DPI stands in, which is then one value for every monitor.
//
// A top-level window of the framework records the DPI its contents are laid out for (a form
// does, at creation and on every DPI change), so that a child made inside it later is laid out
// for the same DPI even while the system's answer is about to change.

#include "framework/win32/NativeTypes.h"

namespace fw::native {

// GetDeviceCaps(LOGPIXELSY) of the screen: the system DPI.
int screenDpi();
// The DPI of the monitor `window` is on, as the system tells it to this process.
int systemDpiOfWindow(WindowHandle window);

// What the top-level window of `window` recorded; else what the system says of `window`.
int layoutDpiOf(WindowHandle window);
void recordLayoutDpi(WindowHandle topLevelWindow, int dpi);
void forgetLayoutDpi(WindowHandle topLevelWindow);  // before the window goes

struct FrameSize {
    int width = 0;
    int height = 0;
};
// The window size around a client area of `clientWidth` x `clientHeight` for the window styles
// given, with the frame and caption of `dpi` (AdjustWindowRectEx's, and the system's metrics
// where it cannot say them for another DPI).
FrameSize frameAround(int clientWidth, int clientHeight, unsigned long style, unsigned long extendedStyle, int dpi);

}  // namespace fw::native
