#include "framework/ui/controls/BackgroundBrush.h"

#include "framework/graphics/ContrastTheme.h"
#include "framework/graphics/SystemColors.h"

#include <windows.h>

namespace fw {

BackgroundBrush::BackgroundBrush(TColor color)
    : color_(color), brushColor_(colorToRgb(color)), brush_(CreateSolidBrush(brushColor_))
{
}

void BackgroundBrush::setColor(TColor color)
{
    color_ = color;
    brushColor_ = colorToRgb(color);
    brush_.reset(CreateSolidBrush(brushColor_));
}

TColor BackgroundBrush::paintedColor(ContrastBackground contrast) const
{
    if (contrast == ContrastBackground::None || !ContrastTheme::isOn())
        return colorToRgb(color_);
    const ContrastColors theme = ContrastTheme::colors();
    return contrast == ContrastBackground::Window ? theme.window : theme.buttonFace;
}

native::BrushHandle BackgroundBrush::handle(ContrastBackground contrast) const
{
    const TColor painted = paintedColor(contrast);
    if (painted != brushColor_ || !brush_) {
        brushColor_ = painted;
        brush_.reset(CreateSolidBrush(painted));
    }
    return brush_.get();
}

}  // namespace fw
