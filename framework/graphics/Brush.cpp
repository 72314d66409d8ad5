#include "framework/graphics/Brush.h"

#include "framework/core/Error.h"
#include "framework/graphics/SystemColors.h"
#include "framework/win32/Win32Error.h"

#include <windows.h>

namespace fw {

void* Brush::gdiObject()
{
    if (style_ == BrushStyle::Clear)
        return GetStockObject(NULL_BRUSH);
    const TColor rgbValue = colorToRgb(color_) & 0x00FFFFFFu;
    if (!brush_ || brushRgb_ != rgbValue) {
        UniqueBrush made(CreateSolidBrush(rgbValue));
        if (!made)
            throw Win32Error("CreateSolidBrush", GetLastError());
        brush_ = std::move(made);
        brushRgb_ = rgbValue;
    }
    return brush_.get();
}

}  // namespace fw
