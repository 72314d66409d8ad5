#pragma once
// LbSpeedButtonFace: what one paint of a TLbSpeedButton's face is made of, gathered from the
// button's properties, whether the pointer is inside it, its fade state and the contrast theme (the theme's pairs while
// it is on and the button follows it): the painter's inputs. It owns the hard-edged copy of the caption font that some faces need
// (inputs().font points at that copy or at one of the button's fonts) and borrows the button's
// glyph, so it lives for one paint and the button must not change meanwhile.

#include "buttons/LbButtons.h"
#include "framework/graphics/Font.h"

#include <optional>

namespace lb {

class TLbSpeedButton;

class LbSpeedButtonFace {
public:
    // The face of the button's current size, bounds().width x bounds().height, at its dpi().
    explicit LbSpeedButtonFace(const TLbSpeedButton& button);
    LbSpeedButtonFace(const LbSpeedButtonFace&) = delete;
    LbSpeedButtonFace& operator=(const LbSpeedButtonFace&) = delete;

    const LbFaceInputs& inputs() const { return inputs_; }

private:
    std::optional<fw::Font> hardEdgedFont_;
    LbFaceInputs inputs_;
};

}  // namespace lb
