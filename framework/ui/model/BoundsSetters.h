#pragma once
// BoundsSetters: setLeft, setTop, setWidth and setHeight for a class that has designBounds() and
// setBounds(Rect), as window descriptions set one value at a time. Each changes one design value
// (pixels at 96 DPI, see Dpi.h) and passes the other three on as they are, so that the class's
// setBounds() stays the only place that moves it. Used as a base by naming the class itself:
//   class Panel : public Component, public BoundsSetters<Panel> { ... };

#include "framework/geometry/Geometry.h"

namespace fw {

template <typename Owner>
class BoundsSetters {
public:
    void setLeft(int left)
    {
        Rect bounds = owner().designBounds();
        bounds.left = left;
        owner().setBounds(bounds);
    }
    void setTop(int top)
    {
        Rect bounds = owner().designBounds();
        bounds.top = top;
        owner().setBounds(bounds);
    }
    void setWidth(int width)
    {
        Rect bounds = owner().designBounds();
        bounds.width = width;
        owner().setBounds(bounds);
    }
    void setHeight(int height)
    {
        Rect bounds = owner().designBounds();
        bounds.height = height;
        owner().setBounds(bounds);
    }

protected:
    ~BoundsSetters() = default;

private:
    Owner& owner() { return static_cast<Owner&>(*this); }
};

}  // namespace fw
