#include "framework/ui/controls/WindowedChild.h"

#include "framework/geometry/Dpi.h"

#include <windows.h>

namespace fw {

WindowedChild::WindowedChild(Component* owner, Rect designBounds, TColor color)
    : Component(owner), designBounds_(designBounds), background_(color)
{
}

void WindowedChild::scaleBounds() { bounds_ = scaleForDpi(designBounds_, layoutDpi()); }

void WindowedChild::setBounds(Rect designBounds)
{
    designBounds_ = designBounds;
    scaleBounds();
    if (!isLoading())
        moveWindowToBounds();
}

void WindowedChild::loaded()
{
    Component::loaded();
    moveWindowToBounds();
}

void WindowedChild::changeBackgroundColor(TColor color)
{
    background_.setColor(color);
    InvalidateRect(childWindow(), nullptr, TRUE);
}

void WindowedChild::moveWindowToBounds()
{
    MoveWindow(childWindow(), bounds_.left, bounds_.top, bounds_.width, bounds_.height, TRUE);
}

}  // namespace fw
