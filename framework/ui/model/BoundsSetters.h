#pragma once
// BoundsSetters: setLeft, setTop, setWidth and setHeight for a class that has bounds() and
// setBounds(Rect), as window descriptions set one value at a time. Each changes one value and
// passes the other three on as they are, so that the class's setBounds() stays the only place
// that moves it. Used as a base by naming the class itself:
//   class Panel : public Component, public BoundsSetters<Panel> { ... };

#include "framework/ui/model/Geometry.h"

namespace fw {

template <typename Owner>
class BoundsSetters {
public:
    void setLeft(int left)
    {
        Rect bounds = owner().bounds();
        bounds.left = left;
        owner().setBounds(bounds);
    }
    void setTop(int top)
    {
        Rect bounds = owner().bounds();
        bounds.top = top;
        owner().setBounds(bounds);
    }
    void setWidth(int width)
    {
        Rect bounds = owner().bounds();
        bounds.width = width;
        owner().setBounds(bounds);
    }
    void setHeight(int height)
    {
        Rect bounds = owner().bounds();
        bounds.height = height;
        owner().setBounds(bounds);
    }

protected:
    ~BoundsSetters() = default;

private:
    Owner& owner() { return static_cast<Owner&>(*this); }
};

}  // namespace fw
