#pragma once
// ControlLook: a window-less control's colour and font. Each follows the parent's while its
// parentColor / parentFont flag is on; assigning the colour, or changing anything of the font,
// turns that flag off. `onChange` (the control repainting itself) runs after every change of
// colour or font, followed or assigned. The font is always made for the control's DPI, which the
// control sets, whatever font was assigned; a new DPI is not a change of the font.

#include "framework/core/Color.h"
#include "framework/geometry/Dpi.h"
#include "framework/graphics/Font.h"

#include <functional>
#include <type_traits>

namespace fw {

class ControlLook {
public:
    explicit ControlLook(std::function<void()> onChange);
    ControlLook(const ControlLook&) = delete;  // the font's handler points at this object
    ControlLook& operator=(const ControlLook&) = delete;

    TColor color() const { return color_; }
    void setColor(TColor color);
    bool parentColor() const { return parentColor_; }
    void setParentColor(bool parentColor) { parentColor_ = parentColor; }
    Font& font() { return font_; }
    const Font& font() const { return font_; }
    bool parentFont() const { return parentFont_; }
    void setParentFont(bool parentFont) { parentFont_ = parentFont; }

    // Take over the parent's colour or font, while the flag says so.
    void followParentColor(TColor parentColor);
    void followParentFont(const Font& parentFont);
    // The pixels per inch the font is made for: the control's surface's.
    void setDpi(int dpi);

private:
    void keepDpi();  // the font made for dpi_ again; not a change of the control's own

    std::function<void()> onChange_;
    TColor color_ = clWindow;
    bool parentColor_ = true;
    Font font_;
    bool parentFont_ = true;
    bool isFollowing_ = false;  // a change of the font that is not the control's own
    int dpi_ = designDpi;
};

static_assert(!std::is_copy_constructible_v<ControlLook>);

}  // namespace fw
