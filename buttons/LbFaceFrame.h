#pragma once
// The frame of a button face, drawn by LbPaintFace after the background: a bevel for bsNormal,
// bsEncarta and bsOld, the inner and the rounded outline of bsModern, the rounded face and its
// two lines of bsQuicken; bsShape has none.
//
// Lines one pixel wide at 96 DPI are LbLineWidth(dpi) wide, drawn as that many one-pixel lines
// each a pixel further in, so that a line's outer edge stays where it is at 96 DPI (a frame of
// width w covers the outer w rows and columns). With one-pixel lines the calls are those of a
// 96 DPI face, at scaled corner sizes. Expects a clear brush and leaves it clear.

#include "buttons/LbFaceInputs.h"

namespace fw {
class Canvas;
}  // namespace fw

namespace lb {

// What a frame is drawn in: the face colour F and the three line colours. On a normal display
// they are F, LightColor, ShadowColor and cl3DDkShadow; under a contrast theme all three lines
// take the caption's colour.
struct LbFrameColors {
    fw::TColor face;
    fw::TColor light;
    fw::TColor shadow;
    fw::TColor darkShadow;  // the outer bevel of bsOld
};

// bsShape has no frame of its own; `shapeFrame` gives it the one-pixel bevel of bsNormal, which a
// filled shape face needs to be seen as a button.
enum class ShapeFrame { None, Bevel };

void LbDrawFaceFrame(fw::Canvas& canvas, const LbFaceInputs& inputs, const LbFrameColors& colors, LbFaceState state,
                     ShapeFrame shapeFrame);

}  // namespace lb
