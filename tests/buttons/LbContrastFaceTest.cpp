// Faces painted in the pairs of a contrast theme, with real GDI: every style in every state holds
// only the pair's two colours (and the key colour outside rounded corners), whatever the button's
// own colours, gradient, fade or transparency; glyphs keep their pixels unless monochrome.
#include "PaintFaceFixture.h"

#include "tests/support/ContrastThemes.h"

namespace {

using namespace paint_face_test;

enum class State { Up, Hot, Down, Disabled, WithArrow, Focused };

class LbContrastFaceTest : public LbPaintFaceTest {
protected:
    LbContrastFaceTest()
    {
        font.setQuality(fw::FontQuality::NonAntialiased);  // caption pixels in its colour alone
        inputs.caption = "Go";
        inputs.hotTrackColor = goldHot;
        inputs.fadeLevel = 4;  // half faded: a fade must change nothing
    }
};

TEST_F(LbContrastFaceTest, EveryStyleAndStateStandsInThePairOfTheTheme)
{
    const int w = inputs.width, h = inputs.height;
    for (const contrast_themes::Theme& theme : {contrast_themes::black, contrast_themes::white}) {
        const fw::ContrastColors& pairs = theme.colors;
        inputs.contrast = pairs;
        for (int style = bsNormal; style <= bsQuicken; ++style) {
            for (State state : {State::Up, State::Hot, State::Down, State::Disabled, State::WithArrow, State::Focused}) {
                SCOPED_TRACE(testing::Message() << theme.name << ", style " << style << ", state "
                                                << static_cast<int>(state));
                inputs.style = static_cast<TLbSpeedButtonStyle>(style);
                inputs.pointerInside = state == State::Hot;
                inputs.down = state == State::Down;
                inputs.enabled = state != State::Disabled;
                inputs.hasPopupMenu = state == State::WithArrow;
                inputs.showsFocusCue = state == State::Focused;
                const bool isHighlighted = state == State::Hot || state == State::Down;
                const TColor expectedFace = isHighlighted ? pairs.highlight : pairs.buttonFace;
                const TColor ink = state == State::Disabled ? pairs.grayText
                                   : isHighlighted          ? pairs.highlightText
                                                            : pairs.buttonText;
                const auto bitmap = paint(inputs);

                int captionInk = 0;
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x) {
                        const TColor colour = bitmap->pixel(x, y);
                        const bool isOuterRing = x < 2 || y < 2 || x >= w - 2 || y >= h - 2;
                        ASSERT_TRUE(colour == expectedFace || colour == ink || (isOuterRing && colour == LbKeyColor))
                            << std::hex << colour << " at " << std::dec << x << "," << y;
                        captionInk += colour == ink && x >= 3 && x < 30 && y >= 3 && y < h - 3;
                    }
                EXPECT_GT(captionInk, 10) << "the caption";
                EXPECT_EQ(bitmap->pixel(w - 5, 5), expectedFace);
                EXPECT_EQ(style == bsQuicken ? bitmap->pixel(w / 2, 0) : bitmap->pixel(0, h / 2), ink) << "the frame";
                if (state == State::Focused) {  // the cue's first dot, in the caption's colour
                    EXPECT_TRUE(bitmap->pixel(3, 3) == ink && bitmap->pixel(4, 3) == expectedFace);
                }
                if (state == State::WithArrow) {  // its top row and its tip
                    EXPECT_TRUE(bitmap->pixel(w - 11, h / 2 - 1) == ink && bitmap->pixel(w - 9, h / 2 + 1) == ink);
                }
            }
        }
    }
}

TEST_F(LbContrastFaceTest, MonochromeGlyphsTakeTheCaptionColourAndOthersKeepTheirPixels)
{
    // A black square on white, its see-through colour, which is also the caption's colour here.
    fw::Bitmap glyph(8, 8);
    glyph.canvas().brush().setColor(fw::clWhite);
    glyph.canvas().fillRect({0, 0, 8, 8});
    glyph.canvas().brush().setColor(fw::clBlack);
    glyph.canvas().fillRect({2, 2, 6, 6});
    inputs.glyph = &glyph;
    inputs.numGlyphs = 1;
    inputs.caption = "";
    inputs.transparent = true;  // filled all the same
    inputs.contrast = contrast_themes::black.colors;
    const int glyphX = 4, glyphY = 6;  // glyph left, no caption: (4, half(20 - 8))
    const auto monochrome = paint(inputs);
    EXPECT_EQ(monochrome->pixel(glyphX + 3, glyphY + 3), fw::clWhite);
    EXPECT_EQ(monochrome->pixel(glyphX + 1, glyphY + 3), fw::clBlack) << "still see-through";
    glyph.canvas().brush().setColor(fw::clRed);  // one red pixel: a picture
    glyph.canvas().fillRect({5, 5, 6, 6});
    const auto picture = paint(inputs);
    EXPECT_EQ(picture->pixel(glyphX + 3, glyphY + 3), fw::clBlack);
    EXPECT_EQ(picture->pixel(glyphX + 5, glyphY + 5), fw::clRed);
}

}  // namespace
