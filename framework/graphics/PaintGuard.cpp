#include "framework/graphics/PaintGuard.h"

#include <windows.h>

namespace fw {

static_assert(sizeof(PAINTSTRUCT) <= 72, "PaintGuard keeps a PAINTSTRUCT in its own bytes");

PaintGuard::PaintGuard(native::WindowHandle window) : window_(window)
{
    auto* paintInfo = reinterpret_cast<PAINTSTRUCT*>(paintInfo_);
    deviceContext_ = BeginPaint(window, paintInfo);
    const RECT& area = paintInfo->rcPaint;
    updateArea_ = RectEdges{area.left, area.top, area.right, area.bottom};
}

PaintGuard::~PaintGuard() { EndPaint(window_, reinterpret_cast<PAINTSTRUCT*>(paintInfo_)); }

}  // namespace fw
