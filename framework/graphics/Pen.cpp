#include "framework/graphics/Pen.h"

#include "framework/core/Error.h"
#include "framework/graphics/SystemColors.h"
#include "framework/win32/Win32Error.h"

#include <windows.h>

namespace fw {

void* Pen::gdiObject()
{
    if (style_ == PenStyle::Clear)
        return GetStockObject(NULL_PEN);
    const TColor rgbValue = colorToRgb(color_) & 0x00FFFFFFu;
    if (!pen_ || penRgb_ != rgbValue) {
        UniquePen made(CreatePen(PS_SOLID, 1, rgbValue));
        if (!made)
            throw Win32Error("CreatePen", GetLastError());
        pen_ = std::move(made);
        penRgb_ = rgbValue;
    }
    return pen_.get();
}

}  // namespace fw
