#include "buttons/LbScaledBitmap.h"

#include "buttons/LbPixelScaling.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/SystemColors.h"

#include <vector>

namespace lb {

void LbDrawScaledBitmap(fw::Canvas& canvas, int x, int y, const fw::Bitmap& source, int targetWidth,
                        int targetHeight)
{
    if (targetWidth == source.width() && targetHeight == source.height()) {
        canvas.draw(x, y, source);
        return;
    }
    if (source.isEmpty() || targetWidth <= 0 || targetHeight <= 0)
        return;
    std::vector<fw::TColor> pixels;
    pixels.reserve(static_cast<std::size_t>(source.width()) * static_cast<std::size_t>(source.height()));
    for (int row = 0; row < source.height(); ++row)
        for (int column = 0; column < source.width(); ++column)
            pixels.push_back(source.pixel(column, row));
    const bool hasSeeThroughColour = source.isTransparent();
    const fw::TColor seeThrough = hasSeeThroughColour ? fw::colorToRgb(source.transparentColor()) : fw::clNone;

    // Filled onto the canvas rather than through a scaled temporary bitmap: making a bitmap costs
    // more under Wine (about 35 us) than all the fills of a glyph cell.
    fw::Brush& brush = canvas.brush();
    const fw::BrushStyle savedStyle = brush.style();
    const fw::TColor savedColour = brush.color();
    brush.setStyle(fw::BrushStyle::Solid);
    for (const LbColorRect& rect :
         LbScaledColorRects(pixels, source.width(), source.height(), targetWidth, targetHeight)) {
        if (hasSeeThroughColour && rect.color == seeThrough)
            continue;
        brush.setColor(rect.color);
        canvas.fillRect({x + rect.area.left, y + rect.area.top, x + rect.area.right, y + rect.area.bottom});
    }
    brush.setStyle(savedStyle);
    brush.setColor(savedColour);
}

}  // namespace lb
