// Faces painted with real GDI into off-screen bitmaps and read back pixel by pixel.
#include "buttons/LbButtons.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/SystemColors.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

namespace {

using fw::TColor;
using namespace lb;

constexpr TColor gold = 0x0000C0C0;
constexpr TColor goldHot = 0x0000DFDF;
constexpr TColor face = 0x00C0C0C0;
constexpr TColor light = 0x00FFFFFF;
constexpr TColor shadow = 0x00404040;
constexpr TColor text = 0x00000080;
constexpr TColor untouched = 0x00010203;  // no face paints it

// Prepares the bitmap as the speed button does: key colour under faces with see-through parts.
// Not under bsShape, which must fill its whole face with the key colour itself.
std::unique_ptr<fw::Bitmap> paint(const LbFaceInputs& inputs)
{
    auto bitmap = std::make_unique<fw::Bitmap>(inputs.width, inputs.height);
    const bool hasSeeThroughParts =
        inputs.transparent || inputs.style == bsModern || inputs.style == bsQuicken;
    bitmap->canvas().brush().setColor(hasSeeThroughParts && inputs.style != bsShape ? LbKeyColor : untouched);
    bitmap->canvas().fillRect({0, 0, inputs.width, inputs.height});
    LbPaintFace(bitmap->canvas(), inputs);
    return bitmap;
}

class LbPaintFaceTest : public testing::Test {
protected:
    LbPaintFaceTest()
    {
        font.setColor(text);
        inputs.width = 60;
        inputs.height = 20;
        inputs.color = face;
        inputs.lightColor = light;
        inputs.shadowColor = shadow;
        inputs.font = &font;
    }

    int countPixels(const fw::Bitmap& bitmap, TColor color)
    {
        int count = 0;
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x)
                count += bitmap.pixel(x, y) == color;
        return count;
    }

    // Leftmost column holding a pixel of `color`, or -1.
    int leftmost(const fw::Bitmap& bitmap, TColor color)
    {
        for (int x = 0; x < bitmap.width(); ++x)
            for (int y = 0; y < bitmap.height(); ++y)
                if (bitmap.pixel(x, y) == color)
                    return x;
        return -1;
    }

    int topmost(const fw::Bitmap& bitmap, TColor color)
    {
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x)
                if (bitmap.pixel(x, y) == color)
                    return y;
        return -1;
    }

    int bottommost(const fw::Bitmap& bitmap, TColor color)
    {
        for (int y = bitmap.height() - 1; y >= 0; --y)
            for (int x = 0; x < bitmap.width(); ++x)
                if (bitmap.pixel(x, y) == color)
                    return y;
        return -1;
    }

    bool samePixels(const fw::Bitmap& a, const fw::Bitmap& b)
    {
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    return false;
        return true;
    }

    // A strip of `cells` 8 x 8 cells, cell i filled with cellColor(i) except its bottom-left pixel,
    // which is white and so see-through in automatic mode.
    static TColor cellColor(int cell) { return fw::rgb(40 * (cell + 1), 200 - 30 * cell, 20); }
    std::unique_ptr<fw::Bitmap> glyphStrip(int cells)
    {
        auto strip = std::make_unique<fw::Bitmap>(8 * cells, 8);
        for (int cell = 0; cell < cells; ++cell) {
            strip->canvas().brush().setColor(cellColor(cell));
            strip->canvas().fillRect({8 * cell, 0, 8 * cell + 8, 8});
            strip->canvas().brush().setColor(fw::clWhite);
            strip->canvas().fillRect({8 * cell, 7, 8 * cell + 1, 8});
        }
        return strip;
    }

    fw::Font font;
    LbFaceInputs inputs;
};

TEST_F(LbPaintFaceTest, ModernGoldFaceUpHasTheGradientRowsAndBothOutlines)
{
    inputs.width = 108;
    inputs.height = 31;
    inputs.style = bsModern;
    inputs.color = gold;
    inputs.lightColor = fw::clYellow;
    inputs.shadowColor = fw::clOlive;
    inputs.hotTrackColor = goldHot;  // fade level 0: the face colour stays gold
    const auto bitmap = paint(inputs);

    const TColor rows[] = {0x0000F2F2, 0x0000E6E6, 0x0000DADA, 0x0000CECE, 0x0000C2C2};
    for (int x = 2; x <= 105; ++x) {
        for (int y = 2; y <= 6; ++y)
            ASSERT_EQ(bitmap->pixel(x, y), rows[y - 2]) << x << "," << y;
        ASSERT_EQ(bitmap->pixel(x, 7), 0x0000C2C2u) << x;
        ASSERT_EQ(bitmap->pixel(x, 12), 0x0000D0D0u) << x;
        ASSERT_EQ(bitmap->pixel(x, 18), 0x0000E0E0u) << x;
        ASSERT_EQ(bitmap->pixel(x, 28), 0x0000FAFAu) << x;
    }
    for (int x = 3; x <= 104; ++x) {
        EXPECT_EQ(bitmap->pixel(x, 1), gold) << x;
        EXPECT_EQ(bitmap->pixel(x, 29), gold) << x;
        EXPECT_EQ(bitmap->pixel(x, 0), fw::clOlive) << x;
        EXPECT_EQ(bitmap->pixel(x, 30), fw::clOlive) << x;
    }
    for (int y = 3; y <= 27; ++y) {
        EXPECT_EQ(bitmap->pixel(1, y), gold) << y;
        EXPECT_EQ(bitmap->pixel(106, y), gold) << y;
        EXPECT_EQ(bitmap->pixel(0, y), fw::clOlive) << y;
        EXPECT_EQ(bitmap->pixel(107, y), fw::clOlive) << y;
    }
    for (auto [x, y] : {std::pair{0, 0}, {107, 0}, {0, 30}, {107, 30}})
        EXPECT_EQ(bitmap->pixel(x, y), LbKeyColor) << x << "," << y;
}

TEST_F(LbPaintFaceTest, ModernGoldFaceDownMovesTheTurningRowAndOutlinesInShadow)
{
    inputs.width = 108;
    inputs.height = 31;
    inputs.style = bsModern;
    inputs.color = gold;
    inputs.lightColor = fw::clYellow;
    inputs.shadowColor = fw::clOlive;
    inputs.down = true;
    const auto bitmap = paint(inputs);
    const TColor rows[] = {0x0000F4F4, 0x0000EAEA, 0x0000E0E0, 0x0000D6D6, 0x0000CCCC, 0x0000C2C2};
    for (int x = 2; x <= 105; ++x)
        for (int y = 2; y <= 7; ++y)
            ASSERT_EQ(bitmap->pixel(x, y), rows[y - 2]) << x << "," << y;
    EXPECT_EQ(bitmap->pixel(50, 8), 0x0000C2C2u);  // the lower gradient starts one row later
    EXPECT_EQ(bitmap->pixel(50, 1), fw::clOlive);
    EXPECT_EQ(bitmap->pixel(1, 15), fw::clOlive);
    EXPECT_EQ(bitmap->pixel(106, 15), fw::clOlive);
    EXPECT_EQ(bitmap->pixel(50, 29), fw::clOlive);
}

TEST_F(LbPaintFaceTest, HotTrackColourIsMixedInByFadeLevel)
{
    inputs.color = gold;
    inputs.hotTrackColor = goldHot;
    const TColor expected[] = {0x0000C0C0, 0x0000C3C3, 0x0000C7C7, 0x0000CBCB, 0x0000CFCF,
                               0x0000D3D3, 0x0000D7D7, 0x0000DBDB, 0x0000DFDF};
    for (int level = 0; level <= 8; ++level) {
        inputs.fadeLevel = level;
        EXPECT_EQ(paint(inputs)->pixel(30, 2), expected[level]) << level;
    }
    inputs.color = fw::clBlack;
    inputs.hotTrackColor = fw::clWhite;
    inputs.fadeLevel = 4;
    EXPECT_EQ(paint(inputs)->pixel(30, 2), 0x007F7F7Fu);

    inputs.color = gold;
    inputs.hotTrackColor = goldHot;
    inputs.fadeLevel = 8;
    inputs.enabled = false;  // a disabled face ignores the hot-track colour
    EXPECT_EQ(paint(inputs)->pixel(30, 2), gold);
}

TEST_F(LbPaintFaceTest, SystemColoursOfPresetsAreResolvedWhenPainting)
{
    TColor color = 0, lightColor = 0, shadowColor = 0, whenDown = 0, hotTrack = 0, caption = 0;
    bool flat = false, modern = false, quicken = false;
    LbColorStylePreset(lcsDefault, color, lightColor, shadowColor, whenDown, hotTrack, caption, flat, modern, quicken);
    inputs.color = color;
    inputs.lightColor = lightColor;
    inputs.shadowColor = shadowColor;
    inputs.colorWhenDown = whenDown;
    inputs.hotTrackColor = hotTrack;
    const auto bitmap = paint(inputs);
    EXPECT_EQ(bitmap->pixel(30, 2), fw::colorToRgb(fw::clBtnFace));
    EXPECT_EQ(bitmap->pixel(0, 0), 0x00FFFFFFu);
    EXPECT_EQ(bitmap->pixel(59, 19), 0x00808080u);
}

TEST_F(LbPaintFaceTest, PresetsPaintLikeTheColoursTheyAreNamedAfter)
{
    // Gold is the look of the updater's buttons; Chrome and Default are made of named colours.
    struct Case {
        TLbColorStyle preset;
        TLbSpeedButtonStyle style;
        TColor color, light, shadow, hotTrack;
    };
    const Case cases[] = {
        {lcsGold, bsModern, gold, fw::clYellow, fw::clOlive, goldHot},
        {lcsChrome, bsModern, fw::clSilver, fw::clWhite, fw::clGray, fw::clNone},
        {lcsDefault, bsNormal, fw::clBtnFace, fw::clWhite, fw::clGray, fw::clNone},
    };
    inputs.caption = "Go";
    font.setColor(fw::clBlack);
    fw::Font presetFont;
    for (const Case& c : cases) {
        LbFaceInputs fromPreset = inputs;
        TColor captionColor = 0;
        bool modern = false, quicken = false;
        LbColorStylePreset(c.preset, fromPreset.color, fromPreset.lightColor, fromPreset.shadowColor,
                           fromPreset.colorWhenDown, fromPreset.hotTrackColor, captionColor, fromPreset.flat, modern,
                           quicken);
        fromPreset.style = quicken ? bsQuicken : modern ? bsModern : bsNormal;
        presetFont.setColor(captionColor);
        fromPreset.font = &presetFont;
        LbFaceInputs stated = inputs;
        stated.style = c.style;
        stated.color = c.color;
        stated.lightColor = c.light;
        stated.shadowColor = c.shadow;
        stated.hotTrackColor = c.hotTrack;
        // Up, hot and down.
        for (auto [isHot, isDown] : {std::pair{false, false}, {true, false}, {false, true}}) {
            for (LbFaceInputs* face : {&fromPreset, &stated}) {
                face->pointerInside = isHot;
                face->fadeLevel = isHot ? 8 : 0;
                face->down = isDown;
            }
            EXPECT_TRUE(samePixels(*paint(fromPreset), *paint(stated)))
                << static_cast<int>(c.preset) << ", hot " << isHot << ", down " << isDown;
        }
    }
}

TEST_F(LbPaintFaceTest, NormalFrameUpDownFlatAndDisabled)
{
    const int w = inputs.width, h = inputs.height;
    auto frameOf = [&](const fw::Bitmap& b) {
        return std::array<TColor, 6>{b.pixel(0, h - 1), b.pixel(0, 0), b.pixel(w - 2, 0),
                                     b.pixel(w - 1, 0), b.pixel(w - 1, h - 1), b.pixel(1, h - 1)};
    };
    const std::array<TColor, 6> up{light, light, light, shadow, shadow, shadow};
    const std::array<TColor, 6> down{shadow, shadow, shadow, light, light, light};
    const std::array<TColor, 6> none{face, face, face, face, face, face};

    EXPECT_EQ(frameOf(*paint(inputs)), up);
    inputs.down = true;
    EXPECT_EQ(frameOf(*paint(inputs)), down);
    inputs.enabled = false;  // disabled: drawn up even though Down
    EXPECT_EQ(frameOf(*paint(inputs)), up);

    inputs.flat = true;  // disabled and flat: never a frame, not even hovered
    inputs.pointerInside = true;
    EXPECT_EQ(frameOf(*paint(inputs)), none);
    inputs.enabled = true;
    inputs.down = false;
    inputs.pointerInside = false;
    EXPECT_EQ(frameOf(*paint(inputs)), none);
    inputs.pointerInside = true;
    EXPECT_EQ(frameOf(*paint(inputs)), up);
    inputs.pointerInside = false;
    inputs.down = true;
    EXPECT_EQ(frameOf(*paint(inputs)), down);
}

TEST_F(LbPaintFaceTest, OldFrameUpAndDown)
{
    const int w = inputs.width, h = inputs.height;
    const TColor darkShadow = fw::colorToRgb(fw::cl3DDkShadow);
    inputs.style = bsOld;
    auto up = paint(inputs);
    EXPECT_EQ(up->pixel(w - 2, 1), shadow);
    EXPECT_EQ(up->pixel(1, h - 2), shadow);
    EXPECT_EQ(up->pixel(0, 0), light);
    EXPECT_EQ(up->pixel(w - 2, 0), light);
    EXPECT_EQ(up->pixel(0, h - 2), light);
    EXPECT_EQ(up->pixel(w - 1, 0), darkShadow);
    EXPECT_EQ(up->pixel(w - 1, h - 1), darkShadow);
    EXPECT_EQ(up->pixel(0, h - 1), darkShadow);  // the last line runs to -1
    EXPECT_EQ(up->pixel(1, 1), face);

    inputs.down = true;
    auto down = paint(inputs);
    EXPECT_EQ(down->pixel(1, 1), shadow);
    EXPECT_EQ(down->pixel(1, h - 3), shadow);  // the inner line starts at H-3 and goes up
    EXPECT_EQ(down->pixel(1, h - 2), face);
    EXPECT_EQ(down->pixel(w - 3, 1), shadow);
    EXPECT_EQ(down->pixel(0, 0), darkShadow);
    EXPECT_EQ(down->pixel(w - 2, 0), darkShadow);
    EXPECT_EQ(down->pixel(w - 1, 0), light);
    EXPECT_EQ(down->pixel(0, h - 1), light);

    inputs.enabled = false;  // disabled Down: the up frame
    const auto disabledDown = paint(inputs);
    inputs.down = false;
    const auto disabledUp = paint(inputs);
    EXPECT_TRUE(samePixels(*disabledDown, *disabledUp));
}

TEST_F(LbPaintFaceTest, QuickenFillsARoundedFaceEvenWhenTransparent)
{
    const int w = inputs.width, h = inputs.height;
    inputs.style = bsQuicken;
    for (bool transparent : {false, true}) {
        SCOPED_TRACE(transparent);
        inputs.transparent = transparent;
        const auto bitmap = paint(inputs);
        EXPECT_EQ(bitmap->pixel(3, 0), LbKeyColor);
        EXPECT_EQ(bitmap->pixel(4, 0), shadow);
        EXPECT_EQ(bitmap->pixel(w - 6, 0), shadow);
        EXPECT_EQ(bitmap->pixel(w - 5, 0), LbKeyColor);
        EXPECT_EQ(bitmap->pixel(4, h - 1), shadow);
        EXPECT_EQ(bitmap->pixel(w - 5, h - 1), LbKeyColor);
        EXPECT_EQ(bitmap->pixel(0, h / 2), face);
        EXPECT_EQ(bitmap->pixel(w - 2, h / 2), face);
        EXPECT_EQ(bitmap->pixel(w - 1, h / 2), LbKeyColor);
        EXPECT_EQ(bitmap->pixel(w / 2, 1), face);
        EXPECT_EQ(bitmap->pixel(w / 2, h - 2), face);
        EXPECT_EQ(bitmap->pixel(0, 1), LbKeyColor);  // rounded corner
    }
}

TEST_F(LbPaintFaceTest, TransparentFacesKeepFramesButNoBackground)
{
    inputs.transparent = true;
    inputs.style = bsModern;
    auto modern = paint(inputs);
    EXPECT_EQ(modern->pixel(30, 4), LbKeyColor);
    EXPECT_EQ(modern->pixel(30, 15), LbKeyColor);
    EXPECT_EQ(modern->pixel(30, 1), face);
    EXPECT_EQ(modern->pixel(30, 0), shadow);

    inputs.style = bsNormal;
    auto normal = paint(inputs);
    EXPECT_EQ(normal->pixel(30, 10), LbKeyColor);
    EXPECT_EQ(normal->pixel(0, 0), light);
    EXPECT_EQ(normal->pixel(59, 19), shadow);
}

TEST_F(LbPaintFaceTest, EncartaShowsThePressWithBoldInsteadOfAnOffset)
{
    inputs.caption = "Press";
    inputs.style = bsEncarta;
    const auto up = paint(inputs);
    inputs.down = true;
    const auto down = paint(inputs);
    EXPECT_EQ(topmost(*down, text), topmost(*up, text));
    EXPECT_GT(countPixels(*down, text), countPixels(*up, text));

    inputs.style = bsNormal;
    const auto normalDown = paint(inputs);
    inputs.down = false;
    const auto normalUp = paint(inputs);
    EXPECT_EQ(topmost(*normalDown, text), topmost(*normalUp, text) + 1);
    EXPECT_EQ(leftmost(*normalDown, text), leftmost(*normalUp, text) + 1);
    EXPECT_EQ(countPixels(*normalDown, text), countPixels(*normalUp, text));
}

TEST_F(LbPaintFaceTest, DisabledCaptionIsGreyExceptOnAShape)
{
    inputs.caption = "Off";
    inputs.enabled = false;
    const auto normal = paint(inputs);
    EXPECT_EQ(countPixels(*normal, text), 0);
    EXPECT_GT(countPixels(*normal, fw::clGray), 0);

    inputs.style = bsShape;
    const auto shape = paint(inputs);
    EXPECT_GT(countPixels(*shape, text), 0);
    EXPECT_EQ(countPixels(*shape, fw::clGray), 0);
}

TEST_F(LbPaintFaceTest, ShapeIsKeyColourApartFromCentredGlyphAndCaption)
{
    const auto strip = glyphStrip(1);
    inputs.style = bsShape;
    inputs.glyph = strip.get();
    inputs.numGlyphs = 1;
    inputs.alignment = taRightJustify;
    inputs.layout = blGlyphTop;
    const auto up = paint(inputs);
    // The painter's own key-colour fill: the bitmap came without one.
    EXPECT_EQ(countPixels(*up, LbKeyColor) + countPixels(*up, cellColor(0)), 60 * 20);
    EXPECT_EQ(up->pixel(26, 6), cellColor(0));
    EXPECT_EQ(up->pixel(33, 13), cellColor(0));
    EXPECT_EQ(up->pixel(26, 13), LbKeyColor);  // the cell's see-through corner
    EXPECT_EQ(up->pixel(25, 6), LbKeyColor);
    EXPECT_EQ(up->pixel(34, 6), LbKeyColor);

    inputs.down = true;  // the glyph does not move when pressed
    EXPECT_TRUE(samePixels(*paint(inputs), *up));
    inputs.transparent = true;  // and the face is filled all the same
    EXPECT_TRUE(samePixels(*paint(inputs), *up));
    inputs.transparent = false;

    inputs.caption = "Go";
    inputs.glyph = nullptr;
    inputs.down = false;
    const auto captionUp = paint(inputs);
    inputs.down = true;
    const auto captionDown = paint(inputs);
    // The caption area (P, top + P, W, H) loses a column on the left only, so centring moves the
    // text by half a pixel: GDI may round that either way.
    const int shift = leftmost(*captionDown, text) - leftmost(*captionUp, text);
    EXPECT_TRUE(shift == 0 || shift == 1) << shift;
    EXPECT_EQ(topmost(*captionDown, text), topmost(*captionUp, text) + 1);
}

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

TEST_F(LbPaintFaceTest, ColourWhenDownOnlyOnAnEnabledPressedFace)
{
    constexpr TColor whenDown = 0x00B59285;
    inputs.colorWhenDown = whenDown;
    struct Case {
        bool enabled, down;
        TColor face;
    };
    // A disabled button is never drawn pressed, so not in its down colour either.
    const Case cases[] = {{true, true, whenDown}, {true, false, face}, {false, true, face}};
    for (const Case& c : cases) {
        inputs.enabled = c.enabled;
        inputs.down = c.down;
        EXPECT_EQ(paint(inputs)->pixel(30, 10), c.face) << c.enabled << c.down;
    }
}

TEST_F(LbPaintFaceTest, ModernDrawsItsFrameAlsoFlatDisabledAndNotHovered)
{
    inputs.style = bsModern;
    inputs.flat = true;
    for (bool enabled : {true, false}) {
        inputs.enabled = enabled;
        const auto bitmap = paint(inputs);
        EXPECT_EQ(bitmap->pixel(30, 0), shadow) << enabled;  // the rounded outline
        EXPECT_EQ(bitmap->pixel(0, 10), shadow) << enabled;
        EXPECT_EQ(bitmap->pixel(30, 1), face) << enabled;  // the inner one, in the face colour
        EXPECT_EQ(bitmap->pixel(1, 10), face) << enabled;
    }
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
