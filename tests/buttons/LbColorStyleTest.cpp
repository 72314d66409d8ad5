#include "buttons/LbColorStyle.h"

#include <gtest/gtest.h>

namespace {

using fw::TColor;
using namespace lb;

// Stands in for GetSysColor: the test decides what the system colours are.
TColor fakeToRgb(TColor color)
{
    if (color == fw::clBtnFace)
        return 0x00D8E9EC;
    if (fw::isSystemColor(color))
        return 0x00102030;
    return color;
}

struct PresetResult {
    TColor face = 0x11111111, light = 0x22222222, shadow = 0x33333333, whenDown = 0x44444444,
           hotTrack = 0x55555555, caption = 0x66666666;
    bool flat = true, modern = true, quicken = true;
    friend bool operator==(const PresetResult&, const PresetResult&) = default;
};

PresetResult apply(TLbColorStyle preset)
{
    PresetResult r;
    LbColorStylePreset(preset, r.face, r.light, r.shadow, r.whenDown, r.hotTrack, r.caption, r.flat, r.modern,
                       r.quicken);
    return r;
}

TEST(LbColorStylePreset, CustomAndUnknownPresetsOnlyResetCaptionAndFlags)
{
    for (int value : {static_cast<int>(lcsCustom), -1, 11, 200}) {
        SCOPED_TRACE(value);
        const PresetResult r = apply(static_cast<TLbColorStyle>(value));
        EXPECT_EQ(r.face, 0x11111111u);
        EXPECT_EQ(r.light, 0x22222222u);
        EXPECT_EQ(r.shadow, 0x33333333u);
        EXPECT_EQ(r.whenDown, 0x44444444u);
        EXPECT_EQ(r.hotTrack, 0x55555555u);
        EXPECT_EQ(r.caption, fw::clBlack);
        EXPECT_FALSE(r.flat);
        EXPECT_FALSE(r.modern);
        EXPECT_FALSE(r.quicken);
    }
}

const TLbColorStyle everyPreset[] = {lcsGold,       lcsChrome,      lcsBlue, lcsRed,     lcsUltraFlat1,
                                     lcsUltraFlat2, lcsUltraFlatXP, lcsAqua, lcsDefault, lcsQuicken};

// The colours show in painted faces (LbButtonsTest compares presets with the colours they are
// named after); here, what holds across presets: each one is a whole look, and none repeats another.
TEST(LbColorStylePreset, EveryPresetSetsEachValueAndNoTwoAreAlike)
{
    for (TLbColorStyle preset : everyPreset) {
        SCOPED_TRACE(static_cast<int>(preset));
        PresetResult other;
        other.face = other.light = other.shadow = other.whenDown = other.hotTrack = other.caption = 0x00ABCDEF;
        other.flat = other.modern = other.quicken = false;
        LbColorStylePreset(preset, other.face, other.light, other.shadow, other.whenDown, other.hotTrack,
                           other.caption, other.flat, other.modern, other.quicken);
        EXPECT_TRUE(apply(preset) == other) << "a value of the caller's came through";
        for (TLbColorStyle another : everyPreset) {
            if (another == preset)
                continue;
            EXPECT_FALSE(apply(preset) == apply(another)) << static_cast<int>(another);
        }
    }
}

TEST(LbColorStylePreset, FlagsAndCaptionColourFollowEachPresetsFamily)
{
    for (TLbColorStyle preset : everyPreset) {
        SCOPED_TRACE(static_cast<int>(preset));
        const bool isUltraFlat = preset == lcsUltraFlat1 || preset == lcsUltraFlat2 || preset == lcsUltraFlatXP;
        const bool isQuicken = preset == lcsQuicken;
        const bool isModern = preset == lcsGold || preset == lcsChrome || preset == lcsBlue || preset == lcsRed ||
                              preset == lcsAqua;
        const PresetResult r = apply(preset);
        EXPECT_EQ(r.flat, isUltraFlat);
        EXPECT_EQ(r.modern, isModern);
        EXPECT_EQ(r.quicken, isQuicken);
        // Only the Quicken face is dark enough to need a white caption.
        EXPECT_EQ(r.caption, isQuicken ? fw::clWhite : fw::clBlack);
    }
}

TEST(LbColorStylePreset, UltraFlatXPShadowStaysOneStepOfRedAboveItsLight)
{
    // Not a typing error to correct: XP-style buttons have always been drawn so.
    const PresetResult r = apply(lcsUltraFlatXP);
    EXPECT_EQ(fw::redOf(r.shadow), fw::redOf(r.light) + 1);
    EXPECT_EQ(fw::greenOf(r.shadow), fw::greenOf(r.light));
    EXPECT_EQ(fw::blueOf(r.shadow), fw::blueOf(r.light));
    EXPECT_EQ(r.whenDown, r.shadow);
}

TEST(LbBlendHotTrack, GoldFadesInEighths)
{
    const TColor expected[] = {0x0000C0C0, 0x0000C3C3, 0x0000C7C7, 0x0000CBCB, 0x0000CFCF,
                               0x0000D3D3, 0x0000D7D7, 0x0000DBDB, 0x0000DFDF};
    for (int level = 0; level <= 8; ++level)
        EXPECT_EQ(LbBlendHotTrack(0x0000C0C0, 0x0000DFDF, level, fakeToRgb), expected[level]) << level;
    EXPECT_EQ(LbBlendHotTrack(fw::clBlack, fw::clWhite, 4, fakeToRgb), 0x007F7F7Fu);
}

TEST(LbBlendHotTrack, MatchesTheFloatingPointMixForEveryChannelPair)
{
    for (int level = 0; level <= 8; ++level) {
        const double share = level / 8.0;
        for (int c = 0; c < 256; c += 3) {
            for (int h = 0; h < 256; ++h) {
                const int expected = static_cast<int>(c * (1.0 - share) + h * share);
                const TColor mixed = LbBlendHotTrack(fw::rgb(c, 0, 255 - c), fw::rgb(h, 255 - h, 0), level, fakeToRgb);
                ASSERT_EQ(fw::redOf(mixed), expected) << c << " " << h << " " << level;
                ASSERT_EQ(fw::greenOf(mixed), static_cast<int>((255 - h) * share)) << c << " " << h << " " << level;
                ASSERT_EQ(fw::blueOf(mixed), static_cast<int>((255 - c) * (1.0 - share)));
            }
        }
    }
}

TEST(LbBlendHotTrack, ResolvesSystemColoursAndKeepsStrayLevelsInRange)
{
    EXPECT_EQ(LbBlendHotTrack(fw::clBtnFace, fw::clBtnFace, 3, fakeToRgb), 0x00D8E9ECu);
    EXPECT_EQ(LbBlendHotTrack(fw::clBtnFace, fw::clWhite, 0, fakeToRgb), 0x00D8E9ECu);
    // Out-of-range levels used to wrap channels past 255 into unrelated colours.
    EXPECT_EQ(LbBlendHotTrack(0x00000000, 0x00FFFFFF, 9, fakeToRgb), 0x00FFFFFFu);
    EXPECT_EQ(LbBlendHotTrack(0x00FFFFFF, 0x00000000, -1, fakeToRgb), 0x00FFFFFFu);
}

TEST(LbFaceColor, HotTrackOnlyWhenEnabledAndDownColourOnlyWhenDown)
{
    constexpr LbFaceState up{.enabled = true, .drawnDown = false, .pointerInside = false};
    constexpr LbFaceState disabled{.enabled = false, .drawnDown = false, .pointerInside = false};
    constexpr LbFaceState down{.enabled = true, .drawnDown = true, .pointerInside = false};
    // clNone hot-track: Color at every level.
    for (int level = 0; level <= 8; ++level)
        EXPECT_EQ(LbFaceColor(0x0000C0C0, fw::clNone, fw::clNone, level, up, fakeToRgb), 0x0000C0C0u);
    // Disabled: no blend, whatever the level.
    EXPECT_EQ(LbFaceColor(0x0000C0C0, fw::clNone, 0x0000DFDF, 8, disabled, fakeToRgb), 0x0000C0C0u);
    EXPECT_EQ(LbFaceColor(0x0000C0C0, fw::clNone, 0x0000DFDF, 8, up, fakeToRgb), 0x0000DFDFu);
    // Color as a system colour is resolved.
    EXPECT_EQ(LbFaceColor(fw::clBtnFace, fw::clNone, fw::clNone, 0, up, fakeToRgb), 0x00D8E9ECu);
    // Down colour wins over the blend and is passed on unresolved.
    EXPECT_EQ(LbFaceColor(0x0000C0C0, 0x00B59285, 0x0000DFDF, 8, down, fakeToRgb), 0x00B59285u);
    EXPECT_EQ(LbFaceColor(0x0000C0C0, fw::clBtnFace, fw::clNone, 0, down, fakeToRgb), fw::clBtnFace);
    EXPECT_EQ(LbFaceColor(0x0000C0C0, fw::clNone, fw::clNone, 0, down, fakeToRgb), 0x0000C0C0u);
}

}  // namespace
