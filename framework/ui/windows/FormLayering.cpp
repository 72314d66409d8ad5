#include "framework/ui/windows/FormLayering.h"

#include "framework/core/Error.h"
#include "framework/graphics/SystemColors.h"
#include "framework/ui/windows/FormWindow.h"

#include <windows.h>

#include <string>

namespace fw {
namespace {

// Looked up at run time, as systems without layered windows lack it.
using SetLayeredWindowAttributesFunction = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

SetLayeredWindowAttributesFunction setLayeredFunction()
{
    HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 ? reinterpret_cast<SetLayeredWindowAttributesFunction>(
                        reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")))
                  : nullptr;
}

}  // namespace

void FormLayering::setTransparentColor(bool on)
{
    transparentColor_ = on;
    apply();
}

void FormLayering::setTransparentColorValue(TColor color)
{
    transparentColorValue_ = color;
    apply();
}

void FormLayering::setAlphaBlend(bool on)
{
    alphaBlend_ = on;
    apply();
}

void FormLayering::setAlphaBlendValue(int value)
{
    if (value < 0 || value > 255)
        throw Error("An alpha value lies between 0 and 255, not " + std::to_string(value));
    alphaBlendValue_ = value;
    apply();
}

void FormLayering::startSeeThrough(TColor colorKey)
{
    transparentColor_ = true;
    transparentColorValue_ = colorKey;
    alphaBlendValue_ = 220;
    apply();
}

void FormLayering::apply()
{
    if (form_.isLoading())
        return;  // the form's loaded() applies it
    HWND window = form_.handle();
    const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
    if (!transparentColor_ && !alphaBlend_) {
        if (exStyle & WS_EX_LAYERED)
            SetWindowLongPtrA(window, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
        return;
    }
    const auto setLayered = setLayeredFunction();
    if (!setLayered)
        return;  // no layered windows here: the background simply shows
    SetWindowLongPtrA(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    // The alpha value is stored whether or not blending is switched on.
    const DWORD flags = (transparentColor_ ? LWA_COLORKEY : 0) | (alphaBlend_ ? LWA_ALPHA : 0);
    setLayered(window, colorToRgb(transparentColorValue_), static_cast<BYTE>(alphaBlendValue_), flags);
}

}  // namespace fw
