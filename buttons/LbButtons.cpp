#include "buttons/LbButtons.h"

#include "buttons/LbFaceFrame.h"
#include "buttons/LbFocusCue.h"
#include "buttons/LbGradient.h"
#include "buttons/LbScaledBitmap.h"
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

// What one paint draws in: the face and frame colours, and the caption's colour (clNone: the
// font's own, grey when disabled).
struct FaceColors {
    LbFrameColors frame;
    TColor caption = fw::clNone;
};

FaceColors ownColors(const LbFaceInputs& in, LbFaceState state)
{
    const TColor face =
        LbFaceColor(in.color, in.colorWhenDown, in.hotTrackColor, in.fadeLevel, state, &fw::colorToRgb);
    return {{face, in.lightColor, in.shadowColor, fw::cl3DDkShadow}, fw::clNone};
}

// The theme's pairs: the pointer inside and drawn down share the highlight, which the fade level never
// softens; frame and caption are drawn in the text colour of the pair.
FaceColors contrastColors(const fw::ContrastColors& theme, const LbFaceInputs& in, LbFaceState state)
{
    const bool isHighlighted = in.enabled && (state.drawnDown || in.pointerInside);
    const TColor face = isHighlighted ? theme.highlight : theme.buttonFace;
    const TColor ink = !in.enabled ? theme.grayText : isHighlighted ? theme.highlightText : theme.buttonText;
    return {{face, ink, ink, ink}, ink};
}

// Under a contrast theme every face is filled, plainly: a gradient, or the background showing
// through, would put the caption on colours that are not its pair.
void drawContrastBackground(fw::Canvas& canvas, const LbFaceInputs& in, TColor face)
{
    canvas.brush().setStyle(fw::BrushStyle::Solid);
    canvas.brush().setColor(face);
    if (in.style == bsModern) {
        const int inset = 2 * LbLineWidth(in.dpi);  // inside the frame, where the gradient would be
        canvas.fillRect({inset, inset, in.width - inset, in.height - LbLineWidth(in.dpi)});
    } else if (in.style != bsQuicken) {
        canvas.rectangle(-1, -1, in.width + 1, in.height + 1);
    }
}

void drawBackground(fw::Canvas& canvas, const LbFaceInputs& in, TColor face, int press)
{
    const int width = in.width;
    const int height = in.height;
    if (in.contrast) {
        drawContrastBackground(canvas, in, face);
        return;
    }
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
    case bsModern: {
        // Inside the frame's two lines; the last row is under the inner line, as at 96 DPI. The
        // inset follows the lines rather than the scale: at 120 DPI two scaled pixels would be
        // three, one more than the one-pixel lines, and leave a see-through gap inside the frame.
        const int lineWidth = LbLineWidth(in.dpi);
        const int inset = 2 * lineWidth;
        LbGradientFill(canvas, in.lightColor, face, inset, inset, width - inset, height / 4 + press);
        LbGradientFill(canvas, face, in.lightColor, inset, height / 4 + press, width - inset, height - lineWidth);
        break;
    }
    default:
        break;  // bsQuicken fills its rounded face with the frame
    }
}

// A see-through image with a single colour besides its see-through one is drawn in `ink`; its
// see-through colour moves aside first when `ink` is that colour. Others keep their pixels.
void inkMonochrome(fw::Bitmap& image, TColor ink)
{
    if (ink == fw::clNone || image.isEmpty())
        return;
    const TColor seeThrough = fw::colorToRgb(image.transparentColor());
    TColor only = fw::clNone;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const TColor colour = image.pixel(x, y);
            if (colour == seeThrough || colour == only)
                continue;
            if (only != fw::clNone)
                return;  // a second colour: a picture, not a monochrome glyph
            only = colour;
        }
    if (only == fw::clNone || only == ink)
        return;
    if (ink == seeThrough) {
        TColor aside = seeThrough ^ 1u;
        while (aside == only)
            aside ^= 2u;
        image.replaceColor(seeThrough, aside);
        image.setTransparentColor(aside);
    }
    image.replaceColor(only, ink);
}

void drawArrow(fw::Canvas& canvas, int width, int height, int dpi, TColor ink)
{
    fw::Bitmap arrow;
    arrow.loadFromResource(LbArrowResourceName);
    arrow.setTransparent(true);
    arrow.setTransparentMode(fw::TransparentMode::Automatic);  // white, its bottom-left pixel
    inkMonochrome(arrow, ink);
    LbDrawScaledBitmap(canvas, width - fw::scaleForDpi(11, dpi), LbHalf(height) - fw::scaleForDpi(1, dpi),
                       arrow, fw::scaleForDpi(arrow.width(), dpi), fw::scaleForDpi(arrow.height(), dpi));
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
                     int cellWidth, int cellHeight, int dpi, TColor monochromeInk)
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
    inkMonochrome(cell, monochromeInk);
    LbDrawScaledBitmap(canvas, x, y, cell, fw::scaleForDpi(cellWidth, dpi), fw::scaleForDpi(cellHeight, dpi));
}

bool LbHasSeeThroughParts(const LbFaceInputs& inputs)
{
    return inputs.transparent || inputs.style == bsModern || inputs.style == bsShape || inputs.style == bsQuicken;
}

void LbPrepareFaceBitmap(fw::Bitmap& bitmap, const LbFaceInputs& inputs)
{
    if (!LbHasSeeThroughParts(inputs))
        return;
    bitmap.setTransparent(true);
    bitmap.setTransparentColor(LbKeyColor);
    if (inputs.style == bsShape)
        return;
    bitmap.canvas().brush().setColor(LbKeyColor);
    bitmap.canvas().fillRect({0, 0, inputs.width, inputs.height});
}

void LbPaintFace(fw::Canvas& canvas, const LbFaceInputs& in)
{
    const LbFaceState state{in.enabled, in.down && in.enabled, in.pointerInside};
    // bsEncarta shows the press with a bold caption instead of an offset.
    const int press = state.drawnDown && in.style != bsEncarta ? fw::scaleForDpi(1, in.dpi) : 0;
    const FaceColors colors = in.contrast ? contrastColors(*in.contrast, in, state) : ownColors(in, state);

    drawBackground(canvas, in, colors.frame.face, press);
    canvas.brush().setStyle(fw::BrushStyle::Clear);
    LbDrawFaceFrame(canvas, in, colors.frame, state, in.contrast ? ShapeFrame::Bevel : ShapeFrame::None);

    if (in.font != nullptr)
        canvas.font().assign(*in.font);
    if (in.style == bsEncarta && state.drawnDown)
        canvas.font().setBold(true);
    if (colors.caption != fw::clNone)
        canvas.font().setColor(colors.caption);

    const bool hasGlyph = in.glyph != nullptr && !in.glyph->isEmpty();
    const int glyphHeight = hasGlyph ? in.glyph->height() : 0;
    const int cellWidth = hasGlyph ? LbGlyphCellWidth(in.glyph->width(), in.numGlyphs) : 0;
    const int sourceX = LbGlyphSourceX(state, in.numGlyphs, cellWidth);

    LbFaceLayoutInput layoutInput;
    layoutInput.width = in.width;
    layoutInput.height = in.height;
    layoutInput.dpi = in.dpi;
    layoutInput.pressOffset = press;
    layoutInput.cellWidth = fw::scaleForDpi(cellWidth, in.dpi);  // the glyph as it is drawn
    layoutInput.glyphHeight = fw::scaleForDpi(glyphHeight, in.dpi);
    layoutInput.style = in.style;
    layoutInput.layout = in.layout;
    layoutInput.alignment = in.alignment;
    layoutInput.wordWrap = in.wordWrap;
    layoutInput.caption = in.caption;
    CanvasMeasurer measurer(canvas);
    const LbFaceLayout layout = LbLayoutFace(layoutInput, measurer);

    auto drawGlyph = [&] {
        if (hasGlyph && cellWidth > 0)
            LbDrawGlyphCell(canvas, *in.glyph, layout.glyphX, layout.glyphY, sourceX, 0, cellWidth, glyphHeight,
                            in.dpi, colors.caption);
    };
    fw::RectEdges textArea = layout.textRect;
    if (layout.captionKeepsFontColor) {
        drawGlyph();
        canvas.drawText(layout.caption, textArea, layout.textFormat);
    } else {
        if (!in.enabled && colors.caption == fw::clNone)
            canvas.font().setColor(fw::clGray);
        canvas.drawText(layout.caption, textArea, layout.textFormat);
        drawGlyph();  // over the caption where they overlap
    }

    if (in.showsFocusCue) {
        canvas.brush().setStyle(fw::BrushStyle::Solid);
        canvas.brush().setColor(canvas.font().color());
        for (const fw::Rect& dot : LbFocusCueDots(in.width, in.height, in.dpi))
            canvas.fillRect({dot.left, dot.top, dot.right(), dot.bottom()});
        canvas.brush().setStyle(fw::BrushStyle::Clear);
    }

    if (in.hasPopupMenu)
        drawArrow(canvas, in.width, in.height, in.dpi, colors.caption);
}

}  // namespace lb
