#include "framework/ui/controls/BackgroundBrush.h"

#include "framework/graphics/SystemColors.h"

#include <windows.h>

namespace fw {

BackgroundBrush::BackgroundBrush(TColor color) : color_(color), brush_(CreateSolidBrush(colorToRgb(color))) {}

void BackgroundBrush::setColor(TColor color)
{
    color_ = color;
    brush_.reset(CreateSolidBrush(colorToRgb(color)));
}

}  // namespace fw
