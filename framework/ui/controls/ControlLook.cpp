#include "framework/ui/controls/ControlLook.h"

namespace fw {

ControlLook::ControlLook(std::function<void()> onChange) : onChange_(std::move(onChange))
{
    font_.setOnChange([this] {
        if (!isCopyingParentFont_)
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
    isCopyingParentFont_ = true;
    font_.assign(parentFont);
    isCopyingParentFont_ = false;
}

}  // namespace fw
