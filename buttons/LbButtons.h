#pragma once
// The face painter of the button library: one stateless function that draws a complete button
// face (background, frame, caption, glyph, drop-down arrow) onto a canvas from its inputs, and
// the helpers it uses. A control gathers its properties and state, prepares an off-screen bitmap
// of its size with LbPrepareFaceBitmap, hands its canvas over with the inputs and copies the
// bitmap to the screen afterwards.
//
// A face is designed in pixels at 96 DPI and painted at its real size: the gradient, frame and
// caption span the width and height given, and the insets, corners, margins, press offset, glyph
// and arrow are scaled to the DPI given (fw::scaleForDpi); lines grow by whole pixels (LbLineWidth).
// The caption font is taken as given: the control's font is already made for its DPI.
//
// With the pairs of a contrast theme among the inputs, every face style draws in them instead
// of the colours given: the face in BTNFACE with frame and caption in BTNTEXT; with the pointer
// inside or drawn down in HIGHLIGHT with HIGHLIGHTTEXT; a disabled caption and frame in GRAYTEXT. No gradient, no
// fade, no see-through face (Transparent and bsShape are filled too; only the corners outside a
// rounded outline stay see-through). Glyphs keep their pixels, except a monochrome one (one
// colour besides its see-through one), which is drawn in the caption's colour like the arrow.
//
// Everything here draws through fw::Canvas only. The painter leaves the canvas's pen, brush and
// font as it last set them. Errors: a missing LBARROW resource raises fw::ResourceError out of
// LbPaintFace; a failed GDI object creation raises fw::Win32Error.

#include "buttons/LbColorStyle.h"
#include "buttons/LbDpiScale.h"
#include "buttons/LbFaceInputs.h"
#include "buttons/LbFaceLayout.h"
#include "buttons/LbTypes.h"

namespace fw {
class Bitmap;
class Canvas;
class Font;
}  // namespace fw

namespace lb {

void LbPaintFace(fw::Canvas& canvas, const LbFaceInputs& inputs);

// Whether the face shows what lies under it in places: Transparent, and the styles that are not
// rectangular (bsModern, bsShape, bsQuicken).
bool LbHasSeeThroughParts(const LbFaceInputs& inputs);

// Makes `bitmap`, of the face's size, ready for LbPaintFace. For a face with see-through parts
// the bitmap becomes see-through in LbKeyColor, whose pixels are then not copied, and is filled
// with it where the painter leaves pixels alone: everywhere but under bsShape, which fills its
// whole face with the key colour itself. Any other bitmap is left as it is.
void LbPrepareFaceBitmap(fw::Bitmap& bitmap, const LbFaceInputs& inputs);

// LbBlendHotTrack with system colours resolved by GetSysColor now.
fw::TColor LbBlendHotTrack(fw::TColor color, fw::TColor hotTrackColor, int fadeLevel);

// Fills left .. right-1, top .. bottom-1 with 32 horizontal bands from startColor towards
// endColor (see LbGradientBands). The pen style is restored afterwards.
void LbGradientFill(fw::Canvas& canvas, fw::TColor startColor, fw::TColor endColor, int left, int top, int right,
                    int bottom);

// Draws the cell of `glyph` at (sourceX, sourceY), cellWidth x cellHeight, at (x, y), skipping the
// strip's fixed see-through colour or, without one, the cell's bottom-left colour. A source
// beyond the strip leaves the temporary cell holding the strip's top-left part. Away from 96 DPI
// the cell is drawn scaleForDpi(cellWidth, dpi) x scaleForDpi(cellHeight, dpi) pixels large
// (LbDrawScaledBitmap). A cell with a single colour besides its see-through one is drawn in
// `monochromeInk` instead, unless that is clNone.
void LbDrawGlyphCell(fw::Canvas& canvas, const fw::Bitmap& glyph, int x, int y, int sourceX, int sourceY,
                     int cellWidth, int cellHeight, int dpi = fw::designDpi, fw::TColor monochromeInk = fw::clNone);

// Name of the drop-down arrow bitmap resource that the executable must carry.
constexpr const char* LbArrowResourceName = "LBARROW";

}  // namespace lb
