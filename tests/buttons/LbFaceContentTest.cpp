// What a face shows inside its frame, painted with real GDI into off-screen bitmaps: the glyph
// cell for each state and its see-through pixels, the caption shortened, underlined or covered,
// and the drop-down arrow.
#include "PaintFaceFixture.h"

namespace {

using namespace paint_face_test;

TEST_F(LbPaintFaceTest, GlyphCellFollowsTheState)
{
    const auto strip = glyphStrip(4);
    inputs.glyph = strip.get();
    // Glyph left, no caption: (P + 4, half(20 - 8) + P); sample the cell's middle.
    auto shownCell = [&](int numGlyphs) {
        inputs.numGlyphs = numGlyphs;
        const int press = inputs.down && inputs.enabled ? 1 : 0;
        const TColor colour = paint(inputs)->pixel(4 + press + 4, 6 + press + 3);
        for (int cell = 0; cell < 4; ++cell)
            if (colour == cellColor(cell))
                return cell;
        return -1;
    };
    EXPECT_EQ(shownCell(4), 0);
    inputs.pointerInside = true;
    EXPECT_EQ(shownCell(4), 3);
    EXPECT_EQ(shownCell(3), 0);
    inputs.down = true;
    EXPECT_EQ(shownCell(4), 2);
    EXPECT_EQ(shownCell(2), 0);
    inputs.enabled = false;
    EXPECT_EQ(shownCell(4), 1);

    // A one-cell strip while disabled: the cell lies beyond the strip, the temporary keeps cell 0.
    const auto single = glyphStrip(1);
    inputs.glyph = single.get();
    EXPECT_EQ(shownCell(1), 0);
}

TEST_F(LbPaintFaceTest, GlyphSeeThroughPixelsShowTheFace)
{
    const auto strip = glyphStrip(4);
    inputs.glyph = strip.get();
    inputs.numGlyphs = 4;
    inputs.down = true;
    const auto bitmap = paint(inputs);  // cell 2 at (5, 7)
    EXPECT_EQ(bitmap->pixel(5, 7 + 7), face);
    EXPECT_EQ(bitmap->pixel(6, 7 + 7), cellColor(2));
    EXPECT_EQ(bitmap->pixel(12, 7), cellColor(2));
    EXPECT_EQ(bitmap->pixel(13, 7), face);
}

TEST_F(LbPaintFaceTest, GlyphCellWithAFixedSeeThroughColour)
{
    // The cell at (2, 0), 2 x 2: blue, red / green, red. Red is the fixed see-through colour;
    // green, the cell's bottom-left pixel, is what automatic mode would skip instead.
    constexpr TColor green = 0x0000FF00;
    fw::Bitmap strip(4, 2);
    strip.canvas().brush().setColor(fw::clRed);
    strip.canvas().fillRect({0, 0, 4, 2});
    strip.canvas().brush().setColor(fw::clBlue);
    strip.canvas().fillRect({2, 0, 3, 1});
    strip.canvas().brush().setColor(green);
    strip.canvas().fillRect({2, 1, 3, 2});
    strip.setTransparentColor(fw::clRed);

    fw::Bitmap target(6, 4);
    target.canvas().brush().setColor(fw::clWhite);
    target.canvas().fillRect({0, 0, 6, 4});
    LbDrawGlyphCell(target.canvas(), strip, 1, 1, 2, 0, 2, 2);
    EXPECT_EQ(target.pixel(1, 1), fw::clBlue);
    EXPECT_EQ(target.pixel(2, 1), fw::clWhite);
    EXPECT_EQ(target.pixel(1, 2), green);
    EXPECT_EQ(target.pixel(2, 2), fw::clWhite);
    EXPECT_EQ(countPixels(target, fw::clWhite), 22);

    LbDrawGlyphCell(target.canvas(), strip, 0, 0, 0, 0, 0, 2);  // a cell width of 0 draws nothing
    EXPECT_EQ(countPixels(target, fw::clWhite), 22);
}

TEST_F(LbPaintFaceTest, TooWideCaptionLosesCharactersFromItsEndAndWrappedCaptionNone)
{
    inputs.width = 100;  // D = 92
    inputs.height = 40;
    const std::string longCaption = "Actualizare completa acum";
    fw::Bitmap probe(1, 1);
    probe.canvas().font().assign(font);
    fw::RectEdges oneLine{0, 0, 1000, 0};
    const int lineHeight = probe.canvas().drawText("Ag", oneLine, fw::text_format::calculateRect);

    // Unshortened, word breaking would put part of the caption on a second line. Shortened, it
    // stays on one and looks exactly like a shorter beginning of itself: no ellipsis, no mark.
    inputs.caption = longCaption;
    const auto shortened = paint(inputs);
    EXPECT_LE(bottommost(*shortened, text) - topmost(*shortened, text), lineHeight);
    bool looksLikeABeginning = false;
    for (std::size_t length = longCaption.size() - 1; length > 0 && !looksLikeABeginning; --length) {
        inputs.caption = longCaption.substr(0, length);
        looksLikeABeginning = samePixels(*shortened, *paint(inputs));
    }
    EXPECT_TRUE(looksLikeABeginning);

    inputs.caption = longCaption;
    inputs.wordWrap = true;
    const auto wrapped = paint(inputs);
    EXPECT_GT(bottommost(*wrapped, text) - topmost(*wrapped, text), lineHeight);
    EXPECT_GT(countPixels(*wrapped, text), countPixels(*shortened, text));
}

TEST_F(LbPaintFaceTest, PopupArrowSitsAtElevenFromTheRightEdge)
{
    inputs.width = 100;
    inputs.height = 23;
    inputs.hasPopupMenu = true;
    for (TLbSpeedButtonStyle style : {bsNormal, bsShape}) {
        SCOPED_TRACE(style);
        inputs.style = style;
        const auto bitmap = paint(inputs);
        const TColor background = style == bsShape ? LbKeyColor : face;
        const char* rows[] = {"#####", ".###.", "..#.."};
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                EXPECT_EQ(bitmap->pixel(89 + x, 10 + y), rows[y][x] == '#' ? fw::clBlack : background)
                    << x << "," << y;
        EXPECT_EQ(bitmap->pixel(88, 10), background);
        EXPECT_EQ(bitmap->pixel(94, 10), background);
        EXPECT_EQ(bitmap->pixel(91, 9), background);
        EXPECT_EQ(countPixels(*bitmap, fw::clBlack), 9);
    }
}

TEST_F(LbPaintFaceTest, AmpersandsUnderlineOrStandForThemselves)
{
    inputs.width = 100;
    inputs.caption = "AB";
    const auto plain = paint(inputs);
    inputs.caption = "A&B";
    const auto accelerated = paint(inputs);
    // The prefixed B gains an underline: extra caption pixels, all on one row.
    int extraRow = -1;
    int extra = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x)
            if (accelerated->pixel(x, y) != plain->pixel(x, y)) {
                EXPECT_EQ(accelerated->pixel(x, y), text);
                EXPECT_TRUE(extraRow == -1 || extraRow == y) << y;
                extraRow = y;
                ++extra;
            }
    EXPECT_GT(extra, 0);

    inputs.caption = "A&&B";
    const auto doubled = paint(inputs);
    fw::Bitmap reference(100, 20);
    reference.canvas().brush().setColor(face);
    reference.canvas().fillRect({0, 0, 100, 20});
    reference.canvas().font().assign(font);
    reference.canvas().brush().setStyle(fw::BrushStyle::Clear);
    fw::RectEdges area{0, 0, 100, 20};
    reference.canvas().drawText("A&B", area, fw::text_format::noPrefix);
    EXPECT_EQ(countPixels(*doubled, text), countPixels(reference, text));
    EXPECT_GT(countPixels(reference, text), countPixels(*plain, text));
}

TEST_F(LbPaintFaceTest, GlyphCoversTheCaptionExceptOnAShapeWhereTheCaptionCoversIt)
{
    // A wrapped caption centred in its area, with the glyph right of the caption's width: the
    // glyph lands inside the caption. A shape centres both.
    inputs.caption = "Hello";
    inputs.wordWrap = true;
    inputs.alignment = taCenter;
    inputs.layout = blGlyphRight;
    inputs.numGlyphs = 1;
    const auto strip = glyphStrip(1);
    fw::Bitmap seeThrough(8, 8);  // one colour, its own bottom-left pixel: nothing of it is drawn
    seeThrough.canvas().brush().setColor(fw::clWhite);
    seeThrough.canvas().fillRect({0, 0, 8, 8});
    for (TLbSpeedButtonStyle style : {bsNormal, bsShape}) {
        SCOPED_TRACE(style);
        inputs.style = style;
        inputs.glyph = &seeThrough;  // the same layout, without a visible glyph
        const auto captionOnly = paint(inputs);
        inputs.glyph = strip.get();
        const auto both = paint(inputs);
        const int left = leftmost(*both, cellColor(0));
        const int top = topmost(*both, cellColor(0));
        int captionUnder = 0;
        int captionOver = 0;
        for (int y = top; y < top + 8; ++y)
            for (int x = left; x < left + 8; ++x)
                if (x != left || y != top + 7) {  // the cell's see-through corner
                    captionUnder += captionOnly->pixel(x, y) == text;
                    captionOver += both->pixel(x, y) == text;
                }
        ASSERT_GT(captionUnder, 0) << "the glyph at " << left << "," << top << " must overlap the caption";
        EXPECT_EQ(captionOver, style == bsShape ? captionUnder : 0);
    }
}

}  // namespace
