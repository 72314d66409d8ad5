#include "framework/ui/GraphicControl.h"

#include "framework/ui/Panel.h"

namespace fw {

GraphicControl::GraphicControl(Panel& host, Rect bounds) : host_(host), bounds_(bounds) { host_.addControl(*this); }

GraphicControl::~GraphicControl() { host_.removeControl(*this); }

void GraphicControl::setCaption(const std::string& caption)
{
    caption_ = caption;
    invalidate();
}

void GraphicControl::setEnabled(bool enabled)
{
    if (isEnabled_ == enabled)
        return;
    isEnabled_ = enabled;
    invalidate();
}

void GraphicControl::setVisible(bool visible)
{
    if (isVisible_ == visible)
        return;
    isVisible_ = visible;
    invalidate();
}

void GraphicControl::invalidate() { host_.invalidate(bounds_); }

void GraphicControl::mouseDown(MouseButton, Point) {}
void GraphicControl::mouseUp(MouseButton, Point) {}

void GraphicControl::click()
{
    if (onClick)
        onClick(*this);
}

}  // namespace fw
