#pragma once
// The published properties of window-less controls (GraphicControl), for the classes built on
// it: the host properties that come first in every such class, and the usual ones that a class
// takes by name and lists among its own, in its order. Also the bounds of anything with
// designBounds().

#include "framework/ui/description/PropertyBuilders.h"

#include <string>
#include <vector>

namespace fw {

// Left, Top, Width and Height of anything with designBounds() and setLeft() ... setHeight(); always
// written, as designed (at 96 DPI) whatever the display the window is on.
template <typename C>
std::vector<PropertyInfo> boundsProperties()
{
    return {
        integerProperty<C>("Left", noDefault, [](const C& c) { return c.designBounds().left; }, &C::setLeft),
        integerProperty<C>("Top", noDefault, [](const C& c) { return c.designBounds().top; }, &C::setTop),
        integerProperty<C>("Width", noDefault, [](const C& c) { return c.designBounds().width; }, &C::setWidth),
        integerProperty<C>("Height", noDefault, [](const C& c) { return c.designBounds().height; }, &C::setHeight),
    };
}

// Left, Top, Width, Height, Cursor, Hint and the help properties of a window-less control, which
// come before its class's own.
std::vector<PropertyInfo> graphicControlHostProperties();

// The usual properties that a window-less control class takes from the host, by name, for a
// class to list among its own in its order ("Caption", "Color", "Enabled", "Font", "ParentColor",
// "ParentFont", "ParentShowHint", "PopupMenu", "Action", "Align", "Anchors", "ShowHint",
// "Visible", "OnClick", "OnMouseDown", "OnMouseMove", "OnMouseUp"). "Font" gives all the font's
// nested properties.
std::vector<PropertyInfo> graphicControlProperties(const std::vector<std::string>& names);

}  // namespace fw
