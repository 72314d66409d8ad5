#include "buttons/LbFaceFrame.h"

#include "buttons/LbDpiScale.h"
#include "buttons/LbFaceLayout.h"
#include "buttons/LbRoundedFrame.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/SystemColors.h"

namespace lb {

using fw::TColor;

namespace {

// Who paints the bottom-left pixel of a bevel ring: the top-left colour, where the left line
// starts, or the bottom-right one, whose bottom line then runs one pixel further to reach it.
enum class BottomLeftPixel { TopLeftColour, BottomRightColour };

// One ring of a bevel, `inset` pixels in from every edge: left and top in one colour, right and
// bottom in the other.
void drawBevelRing(fw::Canvas& canvas, int width, int height, int inset, TColor topLeft, TColor bottomRight,
                   BottomLeftPixel bottomLeftPixel)
{
    const int right = width - 1 - inset;
    const int bottom = height - 1 - inset;
    canvas.pen().setColor(topLeft);
    canvas.moveTo(inset, bottom);
    canvas.lineTo(inset, inset);
    canvas.lineTo(right, inset);
    canvas.pen().setColor(bottomRight);
    canvas.lineTo(right, bottom);
    // lineTo stops short of its end point, so reaching the bottom-left pixel means aiming one past it.
    canvas.lineTo(bottomLeftPixel == BottomLeftPixel::BottomRightColour ? inset - 1 : inset, bottom);
}

void drawBevel(fw::Canvas& canvas, int width, int height, int lineWidth, TColor topLeft, TColor bottomRight,
               BottomLeftPixel bottomLeftPixel)
{
    for (int inset = 0; inset < lineWidth; ++inset)
        drawBevelRing(canvas, width, height, inset, topLeft, bottomRight, bottomLeftPixel);
}

// bsOld: a dark outer bevel, and inside it a shadow line on the right and bottom (up) or on the
// left and top (down).
void drawOldFrame(fw::Canvas& canvas, const LbFaceInputs& in, const LbFrameColors& colors, bool down, int lineWidth)
{
    const int width = in.width;
    const int height = in.height;
    const int innerBand = 2 * lineWidth;  // the outer bevel and the inner line
    fw::Pen& pen = canvas.pen();
    for (int line = 0; line < lineWidth; ++line) {
        const int inset = lineWidth + line;
        pen.setColor(colors.shadow);
        if (!down) {
            // From the top row to the left edge: the outer bevel is drawn over both ends next.
            canvas.moveTo(width - 1 - inset, 0);
            canvas.lineTo(width - 1 - inset, height - 1 - inset);
            canvas.lineTo(0, height - 1 - inset);
        } else {
            // Stops short of the inner right and bottom lines, which a pressed face leaves out.
            canvas.moveTo(inset, height - 1 - innerBand);
            canvas.lineTo(inset, inset);
            canvas.lineTo(width - innerBand, inset);
        }
    }
    const TColor topLeft = down ? colors.darkShadow : colors.light;
    const TColor bottomRight = down ? colors.light : colors.darkShadow;
    drawBevel(canvas, width, height, lineWidth, topLeft, bottomRight, BottomLeftPixel::BottomRightColour);
}

void drawModernFrame(fw::Canvas& canvas, const LbFaceInputs& in, const LbFrameColors& colors, bool down,
                     int lineWidth)
{
    const int width = in.width;
    const int height = in.height;
    fw::Pen& pen = canvas.pen();
    pen.setColor(down ? colors.shadow : colors.face);
    for (int inset = lineWidth; inset < 2 * lineWidth; ++inset)
        canvas.rectangle(inset, inset, width - inset, height - inset);
    pen.setColor(colors.shadow);
    const int cornerDiameter = fw::scaleForDpi(6, in.dpi);
    if (lineWidth == 1) {
        canvas.roundRect(0, 0, width, height, cornerDiameter, cornerDiameter);
        return;
    }
    canvas.brush().setStyle(fw::BrushStyle::Solid);
    canvas.brush().setColor(colors.shadow);
    for (const fw::RectEdges& rect : LbRoundedFrameRects(width, height, cornerDiameter, lineWidth))
        canvas.fillRect(rect);
    canvas.brush().setStyle(fw::BrushStyle::Clear);
}

void drawQuickenFrame(fw::Canvas& canvas, const LbFaceInputs& in, const LbFrameColors& colors, int lineWidth)
{
    const int width = in.width;
    const int height = in.height;
    const int corner = fw::scaleForDpi(4, in.dpi);
    fw::Pen& pen = canvas.pen();
    // A clear pen makes GDI fill one pixel less to the right and below: at one-pixel lines,
    // columns 0 .. W-2 and rows 1 .. H-2. Wider lines keep a line's width free on the right.
    pen.setStyle(fw::PenStyle::Clear);
    canvas.brush().setColor(colors.face);
    canvas.brush().setStyle(fw::BrushStyle::Solid);
    canvas.roundRect(0, lineWidth, width - lineWidth + 1, height - lineWidth + 1, corner, corner);
    canvas.brush().setStyle(fw::BrushStyle::Clear);
    pen.setStyle(fw::PenStyle::Solid);
    pen.setColor(colors.shadow);
    for (int inset = 0; inset < lineWidth; ++inset) {
        canvas.moveTo(corner, inset);
        canvas.lineTo(width - 1 - corner, inset);
        canvas.moveTo(corner, height - 1 - inset);
        canvas.lineTo(width - 1 - corner, height - 1 - inset);
    }
}

}  // namespace

void LbDrawFaceFrame(fw::Canvas& canvas, const LbFaceInputs& in, const LbFrameColors& colors, LbFaceState state,
                     ShapeFrame shapeFrame)
{
    const int lineWidth = LbLineWidth(in.dpi);
    const bool down = state.drawnDown;
    const LbFlatness flatness = in.flat ? LbFlatness::Flat : LbFlatness::Raised;
    switch (in.style) {
    case bsNormal:
    case bsEncarta:
        if (LbHasFrame(state, flatness))
            drawBevel(canvas, in.width, in.height, lineWidth, down ? colors.shadow : colors.light,
                      down ? colors.light : colors.shadow, BottomLeftPixel::TopLeftColour);
        return;
    case bsOld:
        if (LbHasFrame(state, flatness))
            drawOldFrame(canvas, in, colors, down, lineWidth);
        return;
    case bsModern:
        drawModernFrame(canvas, in, colors, down, lineWidth);
        return;
    case bsQuicken:
        drawQuickenFrame(canvas, in, colors, lineWidth);
        return;
    default:
        if (shapeFrame == ShapeFrame::Bevel)
            drawBevel(canvas, in.width, in.height, lineWidth, colors.light, colors.shadow,
                      BottomLeftPixel::TopLeftColour);
        return;
    }
}

}  // namespace lb
