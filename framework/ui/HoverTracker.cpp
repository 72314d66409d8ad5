#include "framework/ui/HoverTracker.h"

#include "framework/ui/Application.h"
#include "framework/ui/GraphicControl.h"
#include "framework/ui/Panel.h"

#include <windows.h>

namespace fw {
namespace {

// The visible, enabled window at a screen point, top-level window first, then down its children.
// Not WindowFromPoint: under Wine 8 it returned our panel although a newer top-most window of the
// same thread covered it, while ChildWindowFromPointEx on the desktop found the cover.
HWND windowAt(POINT screen)
{
    constexpr UINT skip = CWP_SKIPINVISIBLE | CWP_SKIPDISABLED | CWP_SKIPTRANSPARENT;
    HWND window = ChildWindowFromPointEx(GetDesktopWindow(), screen, skip);
    while (window) {
        POINT client = screen;
        ScreenToClient(window, &client);
        HWND child = ChildWindowFromPointEx(window, client, skip);
        if (!child || child == window)
            break;
        window = child;
    }
    return window;
}

}  // namespace

void HoverTracker::update()
{
    POINT pointer;
    if (!GetCursorPos(&pointer))
        return;
    GraphicControl* under = nullptr;
    // Hidden and disabled windows are passed over; a window that covers ours is found instead.
    HWND window = windowAt(pointer);
    if (Panel* panel = Panel::fromWindow(window)) {
        ScreenToClient(window, &pointer);
        under = panel->controlAt(Point{pointer.x, pointer.y}, false);
    }
    GraphicControl* capturing = Panel::captureControl();
    if (capturing && under != capturing)
        under = nullptr;
    if (under == current_)
        return;
    GraphicControl* previous = current_;
    current_ = under;
    if (previous)
        runHandler([&] { previous->perform(message::mouseLeave); });
    // The leave handler may have removed the new control (forget() clears current_).
    if (under && current_ == under)
        runHandler([&] { under->perform(message::mouseEnter); });
}

void HoverTracker::forget(GraphicControl& control)
{
    if (current_ == &control)
        current_ = nullptr;
}

}  // namespace fw
