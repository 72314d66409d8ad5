#include "buttons/LbFaceLayout.h"

#include "framework/graphics/TextFormat.h"

#include <algorithm>

namespace lb {

namespace {

// The gap between the face's edge and its content, and between glyph and caption: 4 at 96 DPI.
int margin(const LbFaceLayoutInput& input) { return fw::scaleForDpi(4, input.dpi); }
int spacing(const LbFaceLayoutInput& input) { return fw::scaleForDpi(4, input.dpi); }

// Drops characters from the end (no ellipsis) until the caption fits on one line in
// availableWidth, unless it is to be wrapped. The one-line width counts every "&".
std::string shorten(std::string_view caption, int availableWidth, bool wordWrap, LbTextMeasurer& measurer)
{
    std::string text(caption);
    if (wordWrap)
        return text;
    while (!text.empty() && measurer.oneLineWidth(text) > availableWidth)
        text.pop_back();
    return text;
}

void fitCaption(LbFaceLayout& layout, const LbFaceLayoutInput& input, int availableWidth,
                LbTextMeasurer& measurer)
{
    layout.availableWidth = std::max(availableWidth, 0);
    layout.caption = shorten(input.caption, layout.availableWidth, input.wordWrap, measurer);
    const LbTextBlock block = measurer.wrappedBlock(layout.caption, layout.availableWidth);
    layout.textHeight = block.height;
    layout.textWidth = block.width;
    layout.textSpan = layout.caption.empty() ? 0 : block.width + spacing(input);
}

void layoutShape(LbFaceLayout& layout, const LbFaceLayoutInput& input, LbTextMeasurer& measurer)
{
    const int width = input.width;
    const int height = input.height;
    const int press = input.pressOffset;
    fitCaption(layout, input, width - 2 * margin(input), measurer);
    // The glyph of a shape stays put when pressed; only the caption moves.
    layout.glyphX = LbHalf(width - input.cellWidth);
    layout.glyphY = LbHalf(height - input.glyphHeight);
    layout.textRect = {press, LbHalf(height - layout.textHeight) + press, width, height};
    layout.textFormat = fw::text_format::wordBreak | fw::text_format::center;
    layout.captionKeepsFontColor = true;
}

void layoutBeside(LbFaceLayout& layout, const LbFaceLayoutInput& input, LbTextMeasurer& measurer)
{
    const int width = input.width;
    const int height = input.height;
    const int press = input.pressOffset;
    const int cellWidth = input.cellWidth;
    const bool glyphLeft = input.layout == blGlyphLeft;
    const int edge = margin(input);
    const int glyphSpan = cellWidth > 0 ? cellWidth + spacing(input) : 0;
    fitCaption(layout, input, width - 2 * edge - glyphSpan, measurer);
    const int span = layout.textSpan;

    const int textTop = LbHalf(height - layout.textHeight) + press;
    const int textLeft = press + edge + (glyphLeft ? glyphSpan : 0);
    layout.textRect = {textLeft, textTop, textLeft + layout.availableWidth, textTop + layout.textHeight};
    layout.glyphY = LbHalf(height - input.glyphHeight) + press;

    if (glyphLeft) {
        if (input.wordWrap || input.alignment == taLeftJustify)
            layout.glyphX = press + edge;
        else if (input.alignment == taRightJustify)
            layout.glyphX = width - edge - cellWidth - span + press;
        else if (input.alignment == taCenter)
            layout.glyphX = LbHalf(width - cellWidth) + press - LbHalf(span);
        else
            layout.glyphX = press + edge;  // no alignment of its own: where a left-aligned face has it
    } else {
        if (input.wordWrap || input.alignment == taLeftJustify)
            layout.glyphX = press + edge + span;
        else if (input.alignment == taRightJustify)
            layout.glyphX = width - edge - cellWidth + press;
        else if (input.alignment == taCenter)
            layout.glyphX = LbHalf(width - cellWidth) + press + LbHalf(span);
        else
            layout.glyphX = press + edge + span;
    }
}

void layoutAboveOrBelow(LbFaceLayout& layout, const LbFaceLayoutInput& input, LbTextMeasurer& measurer)
{
    const int width = input.width;
    const int height = input.height;
    const int press = input.pressOffset;
    const int glyphHeight = input.glyphHeight;
    const int edge = margin(input);
    fitCaption(layout, input, width - 2 * edge, measurer);

    // The spacing counted in the block is not put between glyph and caption; it stays below the
    // block, which is how these faces have always looked.
    const int block = layout.textHeight + (glyphHeight > 0 ? glyphHeight + spacing(input) : 0);
    const int blockTop = LbHalf(height - block);
    int textTop;
    if (input.layout == blGlyphTop) {
        layout.glyphY = blockTop + press;
        textTop = blockTop + glyphHeight + press;
    } else {
        textTop = blockTop + press;
        layout.glyphY = blockTop + layout.textHeight + press;
    }
    const int textLeft = press + edge;
    layout.textRect = {textLeft, textTop, textLeft + layout.availableWidth, textTop + layout.textHeight};

    if (input.alignment == taRightJustify)
        layout.glyphX = width - input.cellWidth - edge + press;
    else if (input.alignment == taCenter)
        layout.glyphX = LbHalf(width - input.cellWidth) + press;
    else
        layout.glyphX = press + edge;
}

}  // namespace

unsigned LbTextFormat(TLbAlignment alignment)
{
    namespace format = fw::text_format;
    switch (alignment) {
    case taLeftJustify: return format::wordBreak;
    case taRightJustify: return format::wordBreak | format::right;
    case taCenter: return format::wordBreak | format::center;
    default: return format::center | format::verticalCenter | format::singleLine;
    }
}

int LbGlyphCellWidth(int glyphWidth, int numGlyphs)
{
    // A negative count is as meaningless as 0 and must not turn into a negative cell width.
    return numGlyphs > 0 ? glyphWidth / numGlyphs : 0;
}

int LbGlyphSourceX(LbFaceState state, int numGlyphs, int cellWidth)
{
    if (!state.enabled)
        return cellWidth;
    int sourceX = 0;
    if (state.pointerInside && numGlyphs > 3)
        sourceX = 3 * cellWidth;
    if (state.drawnDown && numGlyphs > 2)
        sourceX = 2 * cellWidth;
    return sourceX;
}

bool LbHasFrame(LbFaceState state, LbFlatness flatness)
{
    const bool flat = flatness == LbFlatness::Flat;
    return (state.enabled && (!flat || state.pointerInside || state.drawnDown)) || (!state.enabled && !flat);
}

LbFaceLayout LbLayoutFace(const LbFaceLayoutInput& input, LbTextMeasurer& measurer)
{
    LbFaceLayout layout;
    layout.textFormat = LbTextFormat(input.alignment);
    if (input.style == bsShape)
        layoutShape(layout, input, measurer);
    else if (input.layout == blGlyphLeft || input.layout == blGlyphRight)
        layoutBeside(layout, input, measurer);
    else
        layoutAboveOrBelow(layout, input, measurer);
    return layout;
}

}  // namespace lb
