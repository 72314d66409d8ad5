#include "framework/ui/controls/ControlLook.h"

namespace fw {

ControlLook::ControlLook(std::function<void()> onChange) : onChange_(std::move(onChange))
{
    font_.setOnChange([this] {
        if (!isFollowing_) {
            parentFont_ = false;
            // A font assigned from elsewhere brings the DPI of its own surface along.
            keepDpi();
        }
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
    isFollowing_ = true;
    font_.assign(parentFont);
    keepDpi();
    isFollowing_ = false;
}

void ControlLook::setDpi(int dpi)
{
    dpi_ = dpi;
    keepDpi();
}

void ControlLook::keepDpi()
{
    const bool wasFollowing = isFollowing_;
    isFollowing_ = true;
    font_.setDpi(dpi_);
    isFollowing_ = wasFollowing;
}

}  // namespace fw
