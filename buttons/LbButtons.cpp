#include "buttons/LbButtons.h"

#include "buttons/LbGradient.h"
#include "framework/core/Error.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/SystemColors.h"

namespace lb {

using fw::TColor;

namespace {

class CanvasMeasurer : public LbTextMeasurer {
public:
    explicit CanvasMeasurer(fw::Canvas& canvas) : canvas_(canvas) {}

    int oneLineWidth(std::string_view text) override { return canvas_.textWidth(text); }

    LbTextBlock wrappedBlock(std::string_view text, int maxWidth) override
    {
        fw::RectEdges area{0, 0, maxWidth, 0};
        canvas_.drawText(text, area, fw::text_format::calculateRect | fw::text_format::wordBreak);
        return {area.right, area.bottom};
    }

private:
    fw::Canvas& canvas_;
};

void drawBackground(fw::Canvas& canvas, const LbFaceInputs& in, TColor face, int press)
{
    const int width = in.width;
    const int height = in.height;
    canvas.brush().setStyle(fw::BrushStyle::Solid);
    if (in.style == bsShape) {
        // One pixel beyond every edge, so that the outline falls outside and the fill covers all.
        canvas.brush().setColor(LbKeyColor);
        canvas.rectangle(-1, -1, width + 1, height + 1);
        return;
    }
    if (in.transparent)
        return;  // the key colour of the off-screen bitmap shows through
    canvas.brush().setColor(face);
    switch (in.style) {
    case bsNormal:
    case bsEncarta:
    case bsOld:
        canvas.rectangle(-1, -1, width + 1, height + 1);
        break;
    case bsModern:
        LbGradientFill(canvas, in.lightColor, face, 2, 2, width - 2, height / 4 + press);
        LbGradientFill(canvas, face, in.lightColor, 2, height / 4 + press, width - 2, height - 1);
        break;
    default:
        break;  // bsQuicken fills its rounded face with the frame
    }
}

void drawFrame(fw::Canvas& canvas, const LbFaceInputs& in, TColor face, bool down)
{
    const int width = in.width;
    const int height = in.height;
    fw::Pen& pen = canvas.pen();
    switch (in.style) {
    case bsNormal:
    case bsEncarta:
        if (!LbHasFrame(in.enabled, in.flat, in.pointerInside, down))
            return;
        pen.setColor(down ? in.shadowColor : in.lightColor);
        canvas.moveTo(0, height - 1);
        canvas.lineTo(0, 0);
        canvas.lineTo(width - 1, 0);
        pen.setColor(down ? in.lightColor : in.shadowColor);
        canvas.lineTo(width - 1, height - 1);
        canvas.lineTo(0, height - 1);
        return;
    case bsOld:
        if (!LbHasFrame(in.enabled, in.flat, in.pointerInside, down))
            return;
        if (!down) {
            pen.setColor(in.shadowColor);
            canvas.moveTo(width - 2, 0);
            canvas.lineTo(width - 2, height - 2);
            canvas.lineTo(0, height - 2);
            pen.setColor(in.lightColor);
            canvas.moveTo(0, height - 1);
            canvas.lineTo(0, 0);
            canvas.lineTo(width - 1, 0);
            pen.setColor(fw::cl3DDkShadow);
        } else {
            pen.setColor(in.shadowColor);
            canvas.moveTo(1, height - 3);
            canvas.lineTo(1, 1);
            canvas.lineTo(width - 2, 1);
            pen.setColor(fw::cl3DDkShadow);
            canvas.moveTo(0, height - 1);
            canvas.lineTo(0, 0);
            canvas.lineTo(width - 1, 0);
            pen.setColor(in.lightColor);
        }
        // Ends at -1 so that the bottom-left pixel (0, H-1) is painted too.
        canvas.lineTo(width - 1, height - 1);
        canvas.lineTo(-1, height - 1);
        return;
    case bsModern:
        pen.setColor(down ? in.shadowColor : face);
        canvas.rectangle(1, 1, width - 1, height - 1);
        pen.setColor(in.shadowColor);
        canvas.roundRect(0, 0, width, height, 6, 6);
        return;
    case bsQuicken:
        // A clear pen makes GDI fill one pixel less to the right and below: columns 0 .. W-2,
        // rows 1 .. H-2.
        pen.setStyle(fw::PenStyle::Clear);
        canvas.brush().setColor(face);
        canvas.brush().setStyle(fw::BrushStyle::Solid);
        canvas.roundRect(0, 1, width, height, 4, 4);
        canvas.brush().setStyle(fw::BrushStyle::Clear);
        pen.setStyle(fw::PenStyle::Solid);
        pen.setColor(in.shadowColor);
        canvas.moveTo(4, 0);
        canvas.lineTo(width - 5, 0);
        canvas.moveTo(4, height - 1);
        canvas.lineTo(width - 5, height - 1);
        return;
    default:
        return;  // bsShape has no frame
    }
}

void drawArrow(fw::Canvas& canvas, int width, int height)
{
    fw::Bitmap arrow;
    arrow.loadFromResource(LbArrowResourceName);
    arrow.setTransparent(true);
    arrow.setTransparentMode(fw::TransparentMode::Automatic);  // white, its bottom-left pixel
    canvas.draw(width - 11, LbHalf(height) - 1, arrow);
}

}  // namespace

TColor LbBlendHotTrack(TColor color, TColor hotTrackColor, int fadeLevel)
{
    return LbBlendHotTrack(color, hotTrackColor, fadeLevel, &fw::colorToRgb);
}

void LbGradientFill(fw::Canvas& canvas, TColor startColor, TColor endColor, int left, int top, int right, int bottom)
{
    const fw::PenStyle savedStyle = canvas.pen().style();
    canvas.pen().setStyle(fw::PenStyle::Clear);
    const auto bands = LbGradientBands(fw::colorToRgb(startColor), fw::colorToRgb(endColor), top, bottom);
    for (std::size_t index = 0; index < bands.size(); ++index) {
        const LbGradientBand& band = bands[index];
        // All bands are equally high, so a band whose successor starts on the same row is painted
        // over entirely: leaving it out changes no pixel and saves most fills of a short face.
        if (index + 1 < bands.size() && bands[index + 1].top == band.top && bands[index + 1].bottom >= band.bottom)
            continue;
        canvas.brush().setColor(band.color);
        canvas.fillRect({left, band.top, right, band.bottom});
    }
    canvas.pen().setStyle(savedStyle);
}

void LbDrawGlyphCell(fw::Canvas& canvas, const fw::Bitmap& glyph, int x, int y, int sourceX, int sourceY,
                     int cellWidth, int cellHeight)
{
    fw::Bitmap cell;
    try {
        cell.assign(glyph);
    } catch (const fw::Error&) {
        // A glyph that cannot be copied is drawn from whatever the cell holds; a face without
        // its glyph is better than no face.
    }
    cell.setSize(cellWidth, cellHeight);
    cell.canvas().draw(-sourceX, -sourceY, glyph);
    if (glyph.transparentMode() == fw::TransparentMode::Fixed)
        cell.setTransparentColor(glyph.transparentColor());
    else
        cell.setTransparentMode(fw::TransparentMode::Automatic);
    cell.setTransparent(true);
    canvas.draw(x, y, cell);
}

void LbPaintFace(fw::Canvas& canvas, const LbFaceInputs& in)
{
    // A disabled button is never drawn pressed, whatever Down says.
    const bool down = in.down && in.enabled;
    // bsEncarta shows the press with a bold caption instead of an offset.
    const int press = down && in.style != bsEncarta ? 1 : 0;
    const TColor face = LbFaceColor(in.color, in.colorWhenDown, in.hotTrackColor, in.fadeLevel, in.enabled, down,
                                    &fw::colorToRgb);

    drawBackground(canvas, in, face, press);
    canvas.brush().setStyle(fw::BrushStyle::Clear);
    drawFrame(canvas, in, face, down);

    if (in.font != nullptr)
        canvas.font().assign(*in.font);
    if (in.style == bsEncarta && down)
        canvas.font().setBold(true);

    const bool hasGlyph = in.glyph != nullptr && !in.glyph->isEmpty();
    const int glyphHeight = hasGlyph ? in.glyph->height() : 0;
    const int cellWidth = hasGlyph ? LbGlyphCellWidth(in.glyph->width(), in.numGlyphs) : 0;
    const int sourceX = LbGlyphSourceX(in.enabled, down, in.pointerInside, in.numGlyphs, cellWidth);

    LbFaceLayoutInput layoutInput;
    layoutInput.width = in.width;
    layoutInput.height = in.height;
    layoutInput.pressOffset = press;
    layoutInput.cellWidth = cellWidth;
    layoutInput.glyphHeight = glyphHeight;
    layoutInput.style = in.style;
    layoutInput.layout = in.layout;
    layoutInput.alignment = in.alignment;
    layoutInput.wordWrap = in.wordWrap;
    layoutInput.caption = in.caption;
    CanvasMeasurer measurer(canvas);
    const LbFaceLayout layout = LbLayoutFace(layoutInput, measurer);

    auto drawGlyph = [&] {
        if (hasGlyph && cellWidth > 0)
            LbDrawGlyphCell(canvas, *in.glyph, layout.glyphX, layout.glyphY, sourceX, 0, cellWidth, glyphHeight);
    };
    fw::RectEdges textArea = layout.textRect;
    if (layout.captionKeepsFontColor) {
        drawGlyph();
        canvas.drawText(layout.caption, textArea, layout.textFormat);
    } else {
        if (!in.enabled)
            canvas.font().setColor(fw::clGray);
        canvas.drawText(layout.caption, textArea, layout.textFormat);
        drawGlyph();  // over the caption where they overlap
    }

    if (in.hasPopupMenu)
        drawArrow(canvas, in.width, in.height);
}

}  // namespace lb
