#include "buttons/LbSpeedButtonFace.h"

#include "buttons/LbSpeedButton.h"

namespace lb {

LbSpeedButtonFace::LbSpeedButtonFace(const TLbSpeedButton& button)
{
    const fw::Rect area = button.bounds();
    inputs_.width = area.width;
    inputs_.height = area.height;
    inputs_.dpi = button.dpi();
    inputs_.fadeLevel = button.fadeLevel();
    inputs_.numGlyphs = button.NumGlyphs();
    inputs_.glyph = &button.Glyph();
    inputs_.down = button.Down();
    inputs_.pointerInside = button.isPointerInside();
    inputs_.transparent = button.Transparent();
    inputs_.enabled = button.isEnabled();
    inputs_.flat = button.Flat();
    inputs_.wordWrap = button.WordWrap();
    inputs_.hasPopupMenu = button.popupMenu() != nullptr;
    inputs_.style = button.Style();
    inputs_.color = button.color();
    inputs_.colorWhenDown = button.ColorWhenDown();
    inputs_.hotTrackColor = button.HotTrackColor();
    inputs_.lightColor = button.LightColor();
    inputs_.shadowColor = button.ShadowColor();
    const fw::Font& chosenFont =
        button.isPointerInside() && button.UseHotTrackFont() ? button.HotTrackFont() : button.font();
    // A caption drawn straight onto the key colour must have hard edges: a smoothed edge would be
    // a mix of text and key colour, which is copied and shows as a pink fringe.
    if (inputs_.transparent || inputs_.style == bsShape) {
        hardEdgedFont_.emplace(chosenFont);
        hardEdgedFont_->setQuality(fw::FontQuality::NonAntialiased);
    }
    inputs_.font = hardEdgedFont_ ? &*hardEdgedFont_ : &chosenFont;
    inputs_.layout = button.Layout();
    inputs_.caption = button.caption();
    inputs_.alignment = button.Alignment();
    inputs_.showsFocusCue = button.isFocusCueShown();
    if (button.isInContrastTheme())
        inputs_.contrast = fw::ContrastTheme::colors();
}

}  // namespace lb
