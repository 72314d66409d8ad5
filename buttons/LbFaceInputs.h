#pragma once
// LbFaceInputs: what one paint of a button face is drawn from (LbPaintFace, LbButtons.h), with the
// painter's parts that take them (the frame, LbFaceFrame.h). Gathered by a control for each paint
// (LbSpeedButtonFace for the speed button), by the tests and by the tools.

#include "buttons/LbTypes.h"
#include "framework/geometry/Dpi.h"
#include "framework/graphics/ContrastTheme.h"

#include <optional>
#include <string>

namespace fw {
class Bitmap;
class Font;
}  // namespace fw

namespace lb {

// The inputs of one paint after the canvas, in their fixed order. Borrowed pointers: the
// painter keeps none of them.
struct LbFaceInputs {
    int width = 0;                    // real pixels, as are all positions the painter draws at
    int height = 0;
    int dpi = fw::designDpi;          // the control's pixels per inch
    int fadeLevel = 0;                // 0..8 eighths of hotTrackColor in the face colour
    int numGlyphs = 0;
    const fw::Bitmap* glyph = nullptr;  // the glyph strip; null or empty for none
    bool down = false;
    bool pointerInside = false;
    bool transparent = false;
    bool enabled = true;
    bool flat = false;
    bool wordWrap = false;
    bool hasPopupMenu = false;
    TLbSpeedButtonStyle style = bsNormal;
    fw::TColor color = fw::clBtnFace;
    fw::TColor colorWhenDown = fw::clNone;
    fw::TColor hotTrackColor = fw::clNone;
    fw::TColor lightColor = fw::clWhite;
    fw::TColor shadowColor = fw::clBlack;
    const fw::Font* font = nullptr;   // the caption font; null keeps the canvas font
    TLbSpeedButtonLayout layout = blGlyphLeft;
    std::string caption;              // the painter shortens its own copy only
    TLbAlignment alignment = taLeftJustify;
    // Beyond the face's own inputs: whether to draw the focus cue (LbFocusCue.h), in the
    // caption's colour, over caption and glyph.
    bool showsFocusCue = false;
    // The pairs of the contrast theme to draw in; none on a normal display.
    std::optional<fw::ContrastColors> contrast;
};

}  // namespace lb
