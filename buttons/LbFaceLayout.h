#pragma once
// Where a button face puts its caption and glyph: the shortening of captions that are too wide,
// the text block, the glyph position and the glyph cell. Plain C++: the text is measured through
// LbTextMeasurer, which the painter implements with the canvas and tests with a fake font.
//
// half(x) is x / 2 truncated toward zero; all divisions truncate toward zero. Sizes are real
// pixels; the 4-pixel margins and spacing are those of 96 DPI, scaled to the input's DPI.

#include "buttons/LbDpiScale.h"
#include "buttons/LbTypes.h"
#include "framework/geometry/RectEdges.h"

#include <string>
#include <string_view>

namespace lb {

struct LbTextBlock {
    int width = 0;   // right edge of the wrapped block measured on (0, 0, maxWidth, 0)
    int height = 0;  // its bottom edge
};

class LbTextMeasurer {
public:
    virtual ~LbTextMeasurer() = default;
    // Width of the text on one line, "&" counted as a character like any other.
    virtual int oneLineWidth(std::string_view text) = 0;
    // DT_CALCRECT | DT_WORDBREAK on (0, 0, maxWidth, 0), with "&" prefix processing.
    virtual LbTextBlock wrappedBlock(std::string_view text, int maxWidth) = 0;
};

constexpr int LbHalf(int value) { return value / 2; }

// DrawTextA format for an alignment: word-broken left, right or centred; a value outside the
// enumeration gives one centred line.
unsigned LbTextFormat(TLbAlignment alignment);

// Width of one glyph cell: the strip's width divided by the number of cells; 0 for no cells.
int LbGlyphCellWidth(int glyphWidth, int numGlyphs);

// Left edge of the cell to draw: cell 1 when disabled, else cell 3 while the pointer is inside
// (4+ cells), cell 2 while drawn down (3+ cells, winning over the pointer), cell 0 otherwise.
int LbGlyphSourceX(LbFaceState state, int numGlyphs, int cellWidth);

// Whether bsNormal, bsEncarta and bsOld draw a frame: a flat button only while enabled and the
// pointer is inside or it is drawn down; a disabled flat button never.
bool LbHasFrame(LbFaceState state, LbFlatness flatness);

struct LbFaceLayoutInput {
    int width = 0;
    int height = 0;
    int dpi = fw::designDpi;  // scales the margins and spacing
    int pressOffset = 0;  // scaleForDpi(1, dpi) while drawn down (not bsEncarta), else 0
    int cellWidth = 0;    // of one glyph cell, as drawn (scaled)
    int glyphHeight = 0;  // the strip's height as drawn, counted even when there are no cells
    TLbSpeedButtonStyle style = bsNormal;
    TLbSpeedButtonLayout layout = blGlyphLeft;  // a value outside the enumeration places as blGlyphBottom
    TLbAlignment alignment = taLeftJustify;
    bool wordWrap = false;
    std::string_view caption;
};

struct LbFaceLayout {
    std::string caption;       // after shortening
    int availableWidth = 0;    // for the caption, beside the margins and the glyph
    int textHeight = 0;        // of the caption's block, as measured
    int textWidth = 0;
    int textSpan = 0;          // textWidth + spacing, or 0 for an empty caption
    fw::RectEdges textRect;    // where DrawTextA draws the caption
    unsigned textFormat = 0;
    int glyphX = 0;
    int glyphY = 0;
    bool captionKeepsFontColor = false;  // bsShape: a disabled caption is not greyed
};

LbFaceLayout LbLayoutFace(const LbFaceLayoutInput& input, LbTextMeasurer& measurer);

}  // namespace lb
