#include "framework/ui/controls/ControlCanvas.h"

#include "framework/core/Error.h"
#include "framework/ui/controls/GraphicControl.h"
#include "framework/ui/controls/Panel.h"
#include "framework/win32/Win32Error.h"

#include <windows.h>

namespace fw {
namespace {

HDC windowDcFor(HWND window, const GraphicControl& control)
{
    HDC dc = GetDC(window);
    if (!dc)
        throw Win32Error("GetDC", GetLastError());
    const Rect bounds = control.bounds();
    IntersectClipRect(dc, bounds.left, bounds.top, bounds.right(), bounds.bottom());
    SetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
    return dc;
}

}  // namespace

native::WindowHandle parentWindowOf(const GraphicControl& control)
{
    HWND window = control.parent() ? control.parent()->handle() : nullptr;
    if (!window)
        throw Error(formatMessage("Control '%s' has no parent window", control.name()));
    return window;
}

ControlCanvas::ControlCanvas(const GraphicControl& control)
    : window_(parentWindowOf(control)), deviceContext_(windowDcFor(window_, control))
{
    canvas_.emplace(deviceContext_);
    canvas_->font().assign(control.font());  // already made for the control's DPI
}

ControlCanvas::~ControlCanvas()
{
    canvas_.reset();
    ReleaseDC(window_, deviceContext_);
}

int ControlCanvas::bitsPerPixel() const { return GetDeviceCaps(deviceContext_, BITSPIXEL); }

}  // namespace fw
