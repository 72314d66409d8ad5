#include "buttons/LbColorStyle.h"

#include <algorithm>

namespace lb {

using fw::TColor;

namespace {

struct PresetRow {
    TColor face;
    TColor light;
    TColor shadow;
    TColor whenDown;
    TColor hotTrack;
    bool flat;
    TLbSpeedButtonStyle style;
};

// Indexed by TLbColorStyle ordinal; lcsCustom has no row.
constexpr PresetRow presetRows[] = {
    /* lcsCustom      */ {0, 0, 0, 0, 0, false, bsNormal},
    /* lcsGold        */ {0x0000C0C0, fw::clYellow, fw::clOlive, fw::clNone, 0x0000DFDF, false, bsModern},
    /* lcsChrome      */ {fw::clSilver, fw::clWhite, fw::clGray, fw::clNone, fw::clNone, false, bsModern},
    /* lcsBlue        */ {0x00FF8000, fw::clAqua, fw::clBlue, fw::clNone, fw::clNone, false, bsModern},
    /* lcsRed         */ {fw::clRed, 0x00C0C0FF, 0x000000C0, fw::clNone, fw::clNone, false, bsModern},
    /* lcsUltraFlat1  */ {fw::clBtnFace, 0x00B59284, 0x00B59284, 0x00B59284, 0x00DED3D6, true, bsNormal},
    /* lcsUltraFlat2  */ {fw::clBtnFace, 0x00000000, 0x00000000, 0x0024DABC, 0x008CF6E4, true, bsNormal},
    // LightColor and ShadowColor differ by one in red here; the preset has always been so.
    /* lcsUltraFlatXP */ {0x00D1D8DB, 0x00B59284, 0x00B59285, 0x00B59285, 0x00D2BDB6, true, bsNormal},
    /* lcsAqua        */ {0x00ECCE94, 0x00FCE6D4, 0x00000000, fw::clNone, fw::clNone, false, bsModern},
    /* lcsDefault     */ {fw::clBtnFace, 0x00FFFFFF, 0x00808080, fw::clNone, fw::clNone, false, bsNormal},
    /* lcsQuicken     */ {0x00603000, 0x00C0C0C0, 0x00C0C0C0, 0x00AD6529, 0x00CEAE9C, false, bsQuicken},
};

int mixChannel(int colorChannel, int hotTrackChannel, int level)
{
    return (colorChannel * (8 - level) + hotTrackChannel * level) / 8;
}

}  // namespace

void LbColorStylePreset(TLbColorStyle preset, TColor& faceColor, TColor& lightColor, TColor& shadowColor,
                        TColor& colorWhenDown, TColor& hotTrackColor, TColor& captionColor, bool& flat,
                        bool& modern, bool& quicken)
{
    captionColor = fw::clBlack;
    flat = false;
    modern = false;
    quicken = false;
    const int ordinal = static_cast<int>(preset);
    if (ordinal <= lcsCustom || ordinal > lcsQuicken)
        return;
    const PresetRow& row = presetRows[ordinal];
    faceColor = row.face;
    lightColor = row.light;
    shadowColor = row.shadow;
    colorWhenDown = row.whenDown;
    hotTrackColor = row.hotTrack;
    flat = row.flat;
    modern = row.style == bsModern;
    quicken = row.style == bsQuicken;
    if (quicken)
        captionColor = fw::clWhite;
}

TColor LbBlendHotTrack(TColor color, TColor hotTrackColor, int fadeLevel, LbColorToRgb toRgb)
{
    const TColor from = toRgb(color);
    const TColor to = toRgb(hotTrackColor);
    const int level = std::clamp(fadeLevel, 0, 8);
    // Integer form of c * (1 - n/8) + h * n/8 truncated: n/8 is exact in binary floating point,
    // so both give the same channel for every c, h in 0..255.
    return fw::rgb(mixChannel(fw::redOf(from), fw::redOf(to), level),
                   mixChannel(fw::greenOf(from), fw::greenOf(to), level),
                   mixChannel(fw::blueOf(from), fw::blueOf(to), level));
}

TColor LbFaceColor(TColor color, TColor colorWhenDown, TColor hotTrackColor, int fadeLevel, LbFaceState state,
                   LbColorToRgb toRgb)
{
    TColor face = toRgb(color);
    if (state.enabled && hotTrackColor != fw::clNone)
        face = LbBlendHotTrack(color, hotTrackColor, fadeLevel, toRgb);
    if (state.drawnDown && colorWhenDown != fw::clNone)
        face = colorWhenDown;
    return face;
}

}  // namespace lb
