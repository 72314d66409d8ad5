#pragma once
// Font: a description of a text font (face name, height, styles, colour, character set) and the
// GDI font made from it. The GDI font is owned, made on first use and dropped whenever an
// attribute that shapes the glyphs changes; the colour is not part of it (a Canvas applies it
// when drawing). Every effective change is reported through the change handler, so an owner can
// repaint; assign() copies all attributes but keeps this font's own handler. The handler runs
// while the old GDI font still exists, so that whoever holds it can let go first.
//
// Height follows LOGFONT: a negative value is the character height in pixels, a positive one the
// cell height, both at designDpi (Dpi.h): the design height, which descriptions read and write.
// The GDI font is made for the DPI of the surface it is drawn on, at MulDiv(height, dpi,
// designDpi). assign() and the copy take the DPI along with
// the rest, so that a canvas font assigned from a control's font draws at the control's scale;
// an owner whose surface has a DPI of its own sets it again after an assign().
// A bitmap font drawn at a height it does not have is blurred or stepped by GDI: at another DPI
// than the design's such a font is replaced by its outline twin ("MS Sans Serif" by "Microsoft
// Sans Serif"); at designDpi the face asked for is always the one made.

#include "framework/core/Color.h"
#include "framework/geometry/Dpi.h"
#include "framework/win32/Handles.h"

#include <functional>
#include <string>
#include <type_traits>

namespace fw {

struct FontStyles {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    friend bool operator==(const FontStyles&, const FontStyles&) = default;
};

// How glyph edges are drawn. Smoothed edges mix the text colour with what lies beneath, which is
// wrong where that is a see-through key colour: the mix would be copied as a coloured fringe.
enum class FontQuality { Default, NonAntialiased };

class Font {
public:
    static constexpr int defaultCharset = 1;  // DEFAULT_CHARSET

    Font() = default;
    Font(const Font& other);             // copies the attributes, not the handler
    Font& operator=(const Font&) = delete;  // use assign(), which reports the change

    const std::string& name() const { return name_; }
    int height() const { return height_; }
    FontStyles styles() const { return styles_; }
    TColor color() const { return color_; }
    int charset() const { return charset_; }
    FontQuality quality() const { return quality_; }
    int dpi() const { return dpi_; }
    // The height the GDI font is made with: the design height at dpi().
    int scaledHeight() const;

    void setName(const std::string& name);
    void setHeight(int height);
    void setStyles(FontStyles styles);
    void setBold(bool bold);
    void setColor(TColor color);
    void setCharset(int charset);
    void setQuality(FontQuality quality);
    void setDpi(int dpi);  // positive

    // Copies every attribute of `other`; reports one change if anything differed.
    void assign(const Font& other);

    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

    // The GDI font for the current attributes; owned by this object, valid until the next change.
    native::FontHandle handle() const;

private:
    // What a change touched: the shape, which the GDI font is made from (it is remade on the next
    // handle()), or only the colour, which is drawn with it.
    enum class Change { Shape, ColorOnly };
    void changed(Change change);

    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    FontStyles styles_;
    TColor color_ = clWindowText;
    int charset_ = defaultCharset;
    FontQuality quality_ = FontQuality::Default;
    int dpi_ = designDpi;
    std::function<void()> onChange_;
    mutable UniqueFont font_;
};

}  // namespace fw
