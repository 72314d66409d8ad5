// Faces painted with real GDI into off-screen bitmaps and read back pixel by pixel: backgrounds,
// frames and colours. Glyphs, captions and the arrow are in LbFaceContentTest.cpp.
#include "PaintFaceFixture.h"

namespace {

using namespace paint_face_test;

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

}  // namespace
