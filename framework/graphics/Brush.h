#pragma once
// Brush: the colour and style that a Canvas fills with. A clear brush fills nothing and makes
// text draw on a transparent background. The GDI brush is made on first use and remade when the
// colour resolves to a different RGB value; the Brush owns it. A clear brush is the stock
// NULL_BRUSH, which nobody owns.

#include "framework/core/Color.h"
#include "framework/win32/Handles.h"

namespace fw {

enum class BrushStyle { Solid, Clear };

class Brush {
public:
    TColor color() const { return color_; }
    void setColor(TColor color) { color_ = color; }
    BrushStyle style() const { return style_; }
    void setStyle(BrushStyle style) { style_ = style; }

    // The GDI object to select for the current colour and style; valid until the next change.
    void* gdiObject();

private:
    TColor color_ = clWhite;
    BrushStyle style_ = BrushStyle::Solid;
    UniqueBrush brush_;
    TColor brushRgb_ = clNone;  // the RGB value brush_ was made for
};

}  // namespace fw
