#include "framework/graphics/SystemColors.h"

#include <windows.h>

namespace fw {

TColor colorToRgb(TColor color)
{
    if (isSystemColor(color))
        return static_cast<TColor>(GetSysColor(systemColorIndex(color)));
    return color;
}

}  // namespace fw
