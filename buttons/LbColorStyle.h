#pragma once
// Colour presets and the hot-track blend of the button library. Plain C++ (no Win32), so it also
// builds natively and runs under the sanitizers. Where a system colour must become RGB, the
// caller passes the conversion (the Win32 side passes one that asks GetSysColor).

#include "buttons/LbTypes.h"

namespace lb {

// Converts a TColor that may name a system colour into an RGB TColor.
using LbColorToRgb = fw::TColor (*)(fw::TColor);

// Writes the values of `preset` into the results. Always resets captionColor to black and the
// three flags to false first; lcsCustom and values outside the enumeration write nothing else,
// so the five colour results then keep what the caller passed in.
void LbColorStylePreset(TLbColorStyle preset, fw::TColor& faceColor, fw::TColor& lightColor,
                        fw::TColor& shadowColor, fw::TColor& colorWhenDown, fw::TColor& hotTrackColor,
                        fw::TColor& captionColor, bool& flat, bool& modern, bool& quicken);

// Mixes hotTrackColor into color by fadeLevel eighths: per channel
// floor((c * (8 - n) + h * n) / 8). Levels outside 0..8 are taken as the nearest of the two, so a
// stray level can never push a channel out of 0..255.
fw::TColor LbBlendHotTrack(fw::TColor color, fw::TColor hotTrackColor, int fadeLevel, LbColorToRgb toRgb);

// The face colour F of a paint: Color as RGB; the hot-track blend when enabled and
// hotTrackColor is not clNone; ColorWhenDown, unconverted, when drawn down and it is not clNone.
fw::TColor LbFaceColor(fw::TColor color, fw::TColor colorWhenDown, fw::TColor hotTrackColor, int fadeLevel,
                       LbFaceState state, LbColorToRgb toRgb);

}  // namespace lb
