#pragma once
// Drawing a face's small images (glyph cells, the drop-down arrow) at a control's DPI: enlarged
// by LbScaledColorRects (whole factors repeat pixels, other factors take the nearest one, never a
// mix) and filled straight onto the canvas, leaving out the source's see-through colour.

namespace fw {
class Bitmap;
class Canvas;
}  // namespace fw

namespace lb {

// Draws `source` as targetWidth x targetHeight pixels with its top-left corner at (x, y). The
// pixels of a see-through source's colour (in automatic mode, that of its bottom-left pixel now)
// are left untouched, exactly as at its own size, where this is canvas.draw(x, y, source). The
// canvas brush is as it was afterwards.
void LbDrawScaledBitmap(fw::Canvas& canvas, int x, int y, const fw::Bitmap& source, int targetWidth,
                        int targetHeight);

}  // namespace lb
