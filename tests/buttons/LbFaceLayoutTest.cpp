#include "buttons/LbFaceLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace lb;

// A fixed-pitch font: every character 6 pixels wide, lines 13 high; wrapping breaks at spaces.
class FakeMeasurer : public LbTextMeasurer {
public:
    int oneLineWidth(std::string_view text) override
    {
        oneLineCalls.emplace_back(text);
        return 6 * static_cast<int>(text.size());
    }
    LbTextBlock wrappedBlock(std::string_view text, int maxWidth) override
    {
        measured.emplace_back(text);
        measuredWidth = maxWidth;
        if (text.empty())
            return {0, 13};
        int lines = 1, lineWidth = 0, widest = 0;
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find(' ', start);
            if (end == std::string_view::npos)
                end = text.size();
            const int word = 6 * static_cast<int>(end - start);
            const int needed = lineWidth == 0 ? word : lineWidth + 6 + word;
            if (lineWidth > 0 && needed > maxWidth) {
                ++lines;
                lineWidth = word;
            } else {
                lineWidth = needed;
            }
            widest = std::max(widest, lineWidth);
            start = end + 1;
        }
        return {widest, 13 * lines};
    }
    std::vector<std::string> oneLineCalls;
    std::vector<std::string> measured;
    int measuredWidth = -1;
};

LbFaceLayoutInput face(int width, int height, std::string_view caption)
{
    LbFaceLayoutInput input;
    input.width = width;
    input.height = height;
    input.caption = caption;
    return input;
}

TEST(LbFaceLayout, TooWideCaptionLosesCharactersFromItsEnd)
{
    FakeMeasurer measurer;
    const LbFaceLayout layout = LbLayoutFace(face(100, 23, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"), measurer);
    EXPECT_EQ(layout.availableWidth, 92);
    EXPECT_EQ(layout.caption, "ABCDEFGHIJKLMNO");  // 15 * 6 = 90 <= 92 < 96
    EXPECT_EQ(measurer.measured.back(), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(measurer.measuredWidth, 92);
    EXPECT_EQ(layout.textRect, (fw::RectEdges{4, 5, 96, 18}));
}

TEST(LbFaceLayout, WrappedCaptionKeepsEveryCharacter)
{
    FakeMeasurer measurer;
    LbFaceLayoutInput input = face(100, 40, "ALPHA BRAVO CHARLIE DELTA ECHO");
    input.wordWrap = true;
    const LbFaceLayout layout = LbLayoutFace(input, measurer);
    EXPECT_EQ(layout.caption, "ALPHA BRAVO CHARLIE DELTA ECHO");
    EXPECT_TRUE(measurer.oneLineCalls.empty());
    EXPECT_EQ(layout.textHeight, 39);  // three lines
    EXPECT_EQ(layout.textRect.top, 0);
}

TEST(LbFaceLayout, ShorteningCountsAmpersandsAndStopsAtEmpty)
{
    FakeMeasurer measurer;
    // 18 characters of which 4 are "&": measured as 18, not as the 14 that are drawn.
    const LbFaceLayout layout = LbLayoutFace(face(100, 23, "&&A&&B&&C&&DEFGHIJ"), measurer);
    EXPECT_EQ(layout.caption, "&&A&&B&&C&&DEFG");
    FakeMeasurer narrow;
    const LbFaceLayout none = LbLayoutFace(face(5, 23, "WIDE"), narrow);
    EXPECT_EQ(none.availableWidth, 0);  // W - 8 is negative
    EXPECT_EQ(none.caption, "");
    EXPECT_EQ(none.textSpan, 0);
}

TEST(LbFaceLayout, GlyphBesideCaptionNarrowsTheTextAndFollowsTheAlignment)
{
    FakeMeasurer measurer;
    LbFaceLayoutInput input = face(100, 23, "OK");  // tx 12, tw 16
    input.cellWidth = 16;
    input.glyphHeight = 15;
    struct Case {
        TLbSpeedButtonLayout layout;
        TLbAlignment alignment;
        bool wordWrap;
        int glyphX, textLeft;
    };
    const Case cases[] = {
        {blGlyphLeft, taLeftJustify, false, 4, 24},
        {blGlyphLeft, taRightJustify, false, 100 - 4 - 16 - 16, 24},
        {blGlyphLeft, taCenter, false, 42 - 8, 24},
        {blGlyphLeft, taRightJustify, true, 4, 24},
        {blGlyphRight, taLeftJustify, false, 4 + 16, 4},
        {blGlyphRight, taRightJustify, false, 100 - 4 - 16, 4},
        {blGlyphRight, taCenter, false, 42 + 8, 4},
        {blGlyphRight, taCenter, true, 4 + 16, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.layout << "/" << c.alignment << "/" << c.wordWrap);
        input.layout = c.layout;
        input.alignment = c.alignment;
        input.wordWrap = c.wordWrap;
        const LbFaceLayout layout = LbLayoutFace(input, measurer);
        EXPECT_EQ(layout.availableWidth, 72);
        EXPECT_EQ(layout.glyphX, c.glyphX);
        EXPECT_EQ(layout.glyphY, 4);
        EXPECT_EQ(layout.textRect, (fw::RectEdges{c.textLeft, 5, c.textLeft + 72, 18}));
    }
}

TEST(LbFaceLayout, PressOffsetMovesCaptionAndGlyph)
{
    FakeMeasurer measurer;
    LbFaceLayoutInput input = face(100, 23, "OK");
    input.cellWidth = 16;
    input.glyphHeight = 15;
    input.pressOffset = 1;
    const LbFaceLayout layout = LbLayoutFace(input, measurer);
    EXPECT_EQ(layout.glyphX, 5);
    EXPECT_EQ(layout.glyphY, 5);
    EXPECT_EQ(layout.textRect, (fw::RectEdges{25, 6, 97, 19}));
}

TEST(LbFaceLayout, MarginsSpacingAndPressAreScaledToTheDpi)
{
    FakeMeasurer measurer;
    LbFaceLayoutInput input = face(150, 35, "OK");  // at 144 DPI: margins and spacing 6, tw 12 + 6
    input.dpi = 144;
    input.cellWidth = 24;  // the glyph and the press as drawn at 144 DPI
    input.glyphHeight = 23;
    input.pressOffset = 2;
    input.alignment = taRightJustify;
    LbFaceLayout layout = LbLayoutFace(input, measurer);
    EXPECT_EQ(layout.glyphX, 150 - 6 - 24 - 18 + 2);
    EXPECT_EQ(layout.textRect, (fw::RectEdges{2 + 6 + 30, 11 + 2, 2 + 6 + 30 + 150 - 12 - 30, 11 + 2 + 13}));
    input.height = 70;
    input.layout = blGlyphTop;  // block 13 + 23 + 6 = 42 high, from row 14
    layout = LbLayoutFace(input, measurer);
    EXPECT_EQ(layout.availableWidth, 150 - 12);
    EXPECT_EQ(layout.textRect.top, 14 + 23 + 2);
}

TEST(LbFaceLayout, GlyphAboveOrBelowLeavesTheSpacingUnderTheBlock)
{
    FakeMeasurer measurer;
    LbFaceLayoutInput input = face(100, 60, "OK");
    input.cellWidth = 16;
    input.glyphHeight = 15;
    input.alignment = taCenter;
    input.layout = blGlyphTop;  // B = 13 + 15 + 4 = 32, block top 14
    LbFaceLayout layout = LbLayoutFace(input, measurer);
    EXPECT_EQ(layout.availableWidth, 92);
    EXPECT_EQ(layout.glyphY, 14);
    EXPECT_EQ(layout.textRect, (fw::RectEdges{4, 29, 96, 42}));
    EXPECT_EQ(layout.glyphX, 42);

    // A stray layout value places like blGlyphBottom.
    for (TLbSpeedButtonLayout layoutValue : {blGlyphBottom, static_cast<TLbSpeedButtonLayout>(7)}) {
        input.layout = layoutValue;
        input.alignment = taRightJustify;
        layout = LbLayoutFace(input, measurer);
        EXPECT_EQ(layout.textRect.top, 14);
        EXPECT_EQ(layout.glyphY, 27);
        EXPECT_EQ(layout.glyphX, 100 - 16 - 4);
    }
}

TEST(LbFaceLayout, GlyphWithoutCellsStillTakesItsHeightAboveOrBelow)
{
    FakeMeasurer measurer;
    LbFaceLayoutInput input = face(100, 60, "OK");
    input.cellWidth = 0;  // NumGlyphs 0
    input.glyphHeight = 15;
    input.layout = blGlyphTop;
    const LbFaceLayout layout = LbLayoutFace(input, measurer);
    EXPECT_EQ(layout.textRect.top, 29);
    EXPECT_EQ(layout.availableWidth, 92);
    input.layout = blGlyphLeft;  // beside: no cell, no narrowing
    EXPECT_EQ(LbLayoutFace(input, measurer).availableWidth, 92);
}

TEST(LbFaceLayout, ShapeCentresEverythingAndIgnoresLayoutAndAlignment)
{
    FakeMeasurer measurer;
    LbFaceLayoutInput input = face(100, 23, "OK");
    input.style = bsShape;
    input.cellWidth = 16;
    input.glyphHeight = 15;
    input.pressOffset = 1;
    input.alignment = taRightJustify;
    input.layout = blGlyphTop;
    const LbFaceLayout layout = LbLayoutFace(input, measurer);
    EXPECT_EQ(layout.availableWidth, 92);  // the glyph does not narrow a shape's caption
    EXPECT_EQ(layout.glyphX, 42);          // no press offset for the glyph
    EXPECT_EQ(layout.glyphY, 4);
    EXPECT_EQ(layout.textRect, (fw::RectEdges{1, 6, 100, 23}));
    EXPECT_EQ(layout.textFormat, 0x11u);
    EXPECT_TRUE(layout.captionKeepsFontColor);
}

TEST(LbFaceLayout, TextFormatByAlignment)
{
    EXPECT_EQ(LbTextFormat(taLeftJustify), 0x10u);
    EXPECT_EQ(LbTextFormat(taRightJustify), 0x12u);
    EXPECT_EQ(LbTextFormat(taCenter), 0x11u);
    EXPECT_EQ(LbTextFormat(static_cast<TLbAlignment>(3)), 0x25u);
    EXPECT_EQ(LbTextFormat(static_cast<TLbAlignment>(-1)), 0x25u);
}

TEST(LbGlyphCell, CellChoiceByStateAndCount)
{
    EXPECT_EQ(LbGlyphCellWidth(64, 4), 16);
    EXPECT_EQ(LbGlyphCellWidth(65, 4), 16);
    EXPECT_EQ(LbGlyphCellWidth(64, 0), 0);
    EXPECT_EQ(LbGlyphCellWidth(64, -2), 0);

    // enabled, down, pointer inside, cells -> cell index
    struct Case {
        bool enabled, down, inside;
        int cells, cell;
    };
    const Case cases[] = {
        {true, false, false, 4, 0}, {false, false, false, 4, 1}, {false, true, true, 4, 1},
        {false, false, false, 1, 1},  // beyond a one-cell strip
        {true, true, false, 2, 0},  {true, true, false, 3, 2},  {true, true, true, 4, 2},
        {true, false, true, 4, 3},  {true, false, true, 3, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LbGlyphSourceX(LbFaceState{c.enabled, c.down, c.inside}, c.cells, 16), 16 * c.cell)
            << c.enabled << c.down << c.inside << c.cells;
}

TEST(LbFrame, FlatButtonsShowTheirFrameOnlyWhenEnabledAndHoveredOrDown)
{
    using enum LbFlatness;
    EXPECT_TRUE(LbHasFrame({.enabled = true, .drawnDown = false, .pointerInside = false}, Raised));
    EXPECT_FALSE(LbHasFrame({.enabled = true, .drawnDown = false, .pointerInside = false}, Flat));
    EXPECT_TRUE(LbHasFrame({.enabled = true, .drawnDown = false, .pointerInside = true}, Flat));
    EXPECT_TRUE(LbHasFrame({.enabled = true, .drawnDown = true, .pointerInside = false}, Flat));
    EXPECT_FALSE(LbHasFrame({.enabled = false, .drawnDown = false, .pointerInside = true}, Flat));
    EXPECT_TRUE(LbHasFrame({.enabled = false, .drawnDown = false, .pointerInside = false}, Raised));
}

}  // namespace
