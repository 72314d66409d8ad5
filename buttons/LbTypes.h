#pragma once
// The enumerations that the button library's painter and controls share. Their ordinals are
// what stored window descriptions hold, so they are fixed. Each is based on int so that a stray
// value (one cast from a number that is not an ordinal) stays a defined value; the painter and the
// preset table say what they make of one.

#include "framework/core/Color.h"

namespace lb {

enum TLbColorStyle : int {
    lcsCustom = 0,
    lcsGold = 1,
    lcsChrome = 2,
    lcsBlue = 3,
    lcsRed = 4,
    lcsUltraFlat1 = 5,
    lcsUltraFlat2 = 6,
    lcsUltraFlatXP = 7,
    lcsAqua = 8,
    lcsDefault = 9,
    lcsQuicken = 10,
};

enum TLbSpeedButtonStyle : int {
    bsNormal = 0,
    bsEncarta = 1,
    bsModern = 2,
    bsOld = 3,
    bsShape = 4,
    bsQuicken = 5,
};

enum TLbSpeedButtonLayout : int {
    blGlyphLeft = 0,
    blGlyphRight = 1,
    blGlyphTop = 2,
    blGlyphBottom = 3,
};

// Caption alignment of a button.
enum TLbAlignment : int {
    taLeftJustify = 0,
    taRightJustify = 1,
    taCenter = 2,
};

// The state a face is drawn in. A disabled button is never drawn down, whatever its Down says:
// drawnDown is Down only while enabled.
struct LbFaceState {
    bool enabled = true;
    bool drawnDown = false;
    bool pointerInside = false;
};

// Whether a face is Flat: without a frame until the pointer is inside or it is down.
enum class LbFlatness { Raised, Flat };

// Pixels of this colour in a face bitmap are see-through when the face is copied to the screen;
// bsShape fills its whole face with it.
constexpr fw::TColor LbKeyColor = fw::clFuchsia;

}  // namespace lb
