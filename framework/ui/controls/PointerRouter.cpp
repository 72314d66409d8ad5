#include "framework/ui/controls/PointerRouter.h"

#include "framework/ui/controls/GraphicControl.h"
#include "framework/ui/controls/Panel.h"
#include "framework/core/RunHandler.h"

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

GraphicControl* PointerRouter::targetAt(const Panel& panel, Point where) const
{
    if (capturing_ && capturing_->parent() == &panel)
        return capturing_;
    return panel.controlAt(where, HitTest::VisibleAndEnabled);
}

void PointerRouter::deliver(Panel& panel, GraphicControl& target, MouseMessage mouse)
{
    const bool isLeft = mouse.button == MouseButton::Left;
    if (isLeft && (mouse.action == MouseAction::Press || mouse.action == MouseAction::DoubleClick)) {
        capturing_ = &target;
        SetCapture(panel.handle());
    } else if (isLeft && mouse.action == MouseAction::Release && capturing_ == &target) {
        // Released before the control hears of the release, so that a click handler runs without
        // the capture. Cleared first: ReleaseCapture sends WM_CAPTURECHANGED.
        capturing_ = nullptr;
        if (GetCapture() == panel.handle())
            ReleaseCapture();
    }
    const Rect bounds = target.bounds();
    mouse.where = Point{mouse.where.x - bounds.left, mouse.where.y - bounds.top};
    runHandler([&] { target.handleMouse(mouse); });
}

void PointerRouter::captureChanged(Panel& panel)
{
    if (!capturing_ || capturing_->parent() != &panel)
        return;
    GraphicControl* lost = capturing_;
    capturing_ = nullptr;
    runHandler([&] { lost->captureLost(); });
}

void PointerRouter::updatePointerInside()
{
    POINT pointer;
    if (!GetCursorPos(&pointer))
        return;
    GraphicControl* under = nullptr;
    // Hidden and disabled windows are passed over; a window that covers ours is found instead.
    HWND window = windowAt(pointer);
    if (Panel* panel = Panel::fromWindow(window)) {
        ScreenToClient(window, &pointer);
        under = panel->controlAt(Point{pointer.x, pointer.y}, HitTest::Visible);
    }
    if (capturing_ && under != capturing_)
        under = nullptr;
    if (under == pointerInside_)
        return;
    GraphicControl* previous = pointerInside_;
    pointerInside_ = under;
    if (previous)
        runHandler([&] { previous->mouseLeave(); });
    // The leave handler may have removed the new control (forget() clears pointerInside_).
    if (under && pointerInside_ == under)
        runHandler([&] { under->mouseEnter(); });
}

void PointerRouter::forget(GraphicControl& control)
{
    if (pointerInside_ == &control)
        pointerInside_ = nullptr;
    if (capturing_ != &control)
        return;
    capturing_ = nullptr;
    Panel* panel = control.parent();
    if (panel && GetCapture() == panel->handle())
        ReleaseCapture();
}

}  // namespace fw
