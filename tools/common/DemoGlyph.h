#pragma once
// The glyph strip that the gallery and the contact sheet show: four 16 x 16 cells (normal,
// disabled, down, hot) of a rounded spot; the white corners are see-through.

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"

namespace tools {

inline void drawDemoGlyph(fw::Bitmap& strip)
{
    strip.setSize(64, 16);
    fw::Canvas& canvas = strip.canvas();
    canvas.brush().setColor(fw::clWhite);
    canvas.fillRect({0, 0, 64, 16});
    const fw::TColor colors[] = {0x00208020, 0x00A0A0A0, 0x002020C0, 0x00C06020};
    for (int cell = 0; cell < 4; ++cell) {
        canvas.pen().setColor(fw::clBlack);
        canvas.brush().setColor(colors[cell]);
        canvas.roundRect(16 * cell + 2, 2, 16 * cell + 14, 14, 6, 6);
    }
}

}  // namespace tools
