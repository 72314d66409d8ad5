#pragma once
// PaintGuard: BeginPaint on construction, EndPaint on every path out of a WM_PAINT handler. It
// owns the paint's device context for its lifetime; the window is borrowed.

#include "framework/geometry/RectEdges.h"
#include "framework/win32/NativeTypes.h"

#include <type_traits>

namespace fw {

class PaintGuard {
public:
    explicit PaintGuard(native::WindowHandle window);
    ~PaintGuard();
    PaintGuard(const PaintGuard&) = delete;
    PaintGuard& operator=(const PaintGuard&) = delete;

    native::DeviceContextHandle deviceContext() const { return deviceContext_; }
    // The part of the window that needs painting, client coordinates.
    RectEdges updateArea() const { return updateArea_; }

private:
    native::WindowHandle window_;
    native::DeviceContextHandle deviceContext_;
    RectEdges updateArea_;
    // PAINTSTRUCT, kept as bytes so that this header needs no <windows.h>; EndPaint wants it back.
    alignas(8) unsigned char paintInfo_[72];
};

static_assert(!std::is_copy_constructible_v<PaintGuard>);

}  // namespace fw
