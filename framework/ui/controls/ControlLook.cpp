#include "framework/ui/controls/ControlLook.h"

namespace fw {

ControlLook::ControlLook(std::function<void()> onChange) : onChange_(std::move(onChange))
{
    font_.setOnChange([this] {
        if (!isFollowing_)
            parentFont_ = false;
        onChange_();
    });
}

void ControlLook::setColor(TColor color)
{
    color_ = color;
    parentColor_ = false;
    onChange_();
}

void ControlLook::followParentColor(TColor parentColor)
{
    if (!parentColor_)
        return;
    color_ = parentColor;
    onChange_();
}

void ControlLook::followParentFont(const Font& parentFont)
{
    if (!parentFont_)
        return;
    // The parent's font is made for the same DPI as this one (the control's is its parent's).
    isFollowing_ = true;
    font_.assign(parentFont);
    isFollowing_ = false;
}

void ControlLook::setDpi(int dpi)
{
    isFollowing_ = true;
    font_.setPixelsPerInch(dpi);
    isFollowing_ = false;
}

}  // namespace fw
