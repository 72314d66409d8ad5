#pragma once
// FormLayering: what of a form's window lets the screen beneath show through: the colour key
// (pixels of that colour are holes) and the alpha value of the whole window. Either one switched
// on makes the window a layered window; with neither it is an ordinary window again. Outside
// loading every change reaches the window at once; a loading form applies it once loaded.
// The form owns it, and the window it layers. Where the system has no layered windows, the
// settings are kept and the window stays opaque.

#include "framework/core/Color.h"

namespace fw {

class FormWindow;

class FormLayering {
public:
    explicit FormLayering(const FormWindow& form) : form_(form) {}  // `form` owns this object
    FormLayering(const FormLayering&) = delete;
    FormLayering& operator=(const FormLayering&) = delete;

    bool transparentColor() const { return transparentColor_; }
    void setTransparentColor(bool on);
    TColor transparentColorValue() const { return transparentColorValue_; }
    void setTransparentColorValue(TColor color);
    bool alphaBlend() const { return alphaBlend_; }
    void setAlphaBlend(bool on);
    int alphaBlendValue() const { return alphaBlendValue_; }
    void setAlphaBlendValue(int value);  // raises fw::Error outside 0 .. 255

    // A form made see-through by a colour key from the start; its alpha value, used once
    // blending is switched on, starts at 220.
    void startSeeThrough(TColor colorKey);

    void apply();

private:
    const FormWindow& form_;
    bool transparentColor_ = false;
    TColor transparentColorValue_ = clBlack;
    bool alphaBlend_ = false;
    int alphaBlendValue_ = 255;
};

}  // namespace fw
