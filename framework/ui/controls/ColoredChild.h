#pragma once
// A windowed child control that chooses its own colours. Windows asks the parent for them
// (WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC); the parent finds the child object through the window
// property below and lets it answer.

#include "framework/win32/NativeTypes.h"

namespace fw {

class ColoredChild {
public:
    static constexpr const char* propertyName = "fw.ColoredChild";

    // Sets the colours on `deviceContext` and returns the background brush (owned by the child).
    virtual native::BrushHandle controlColors(native::DeviceContextHandle deviceContext) = 0;

protected:
    ~ColoredChild() = default;
};

}  // namespace fw
