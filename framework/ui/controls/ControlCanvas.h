#pragma once
// ControlCanvas: a canvas on the parent window's surface for painting a window-less control at
// once, outside WM_PAINT. The origin is the control's top-left corner and drawing is clipped to
// the control's rectangle (and, as for every window DC, to what of the parent is visible); its
// font is the control's, made for the control's DPI. It holds the window DC for its lifetime and
// releases it on every path.
//
// Errors: a control without a parent window raises fw::Error "Control '<name>' has no parent
// window".

#include "framework/graphics/Canvas.h"
#include "framework/win32/NativeTypes.h"

#include <optional>
#include <type_traits>

namespace fw {

class GraphicControl;

class ControlCanvas {
public:
    explicit ControlCanvas(const GraphicControl& control);
    ~ControlCanvas();
    ControlCanvas(const ControlCanvas&) = delete;
    ControlCanvas& operator=(const ControlCanvas&) = delete;

    Canvas& canvas() { return *canvas_; }
    // GetDeviceCaps(BITSPIXEL) of the surface.
    int bitsPerPixel() const;

private:
    native::WindowHandle window_;
    native::DeviceContextHandle deviceContext_;  // owned: released with ReleaseDC
    std::optional<Canvas> canvas_;               // let go of before the DC is released
};

static_assert(!std::is_copy_constructible_v<ControlCanvas>);

// The window that a control paints on, or a raised "has no parent window" error.
native::WindowHandle parentWindowOf(const GraphicControl& control);

}  // namespace fw
