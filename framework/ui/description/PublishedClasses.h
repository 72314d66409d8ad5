#pragma once
// The published properties of the framework's own components, for window descriptions: builders
// for fonts, cursors and the host properties that every window-less control starts with, the
// property list of forms (for a program's form class to register under its own name), and the
// registration of panels, memos and timers.

#include "framework/graphics/Font.h"
#include "framework/ui/windows/Form.h"
#include "framework/ui/controls/GraphicControl.h"
#include "framework/ui/description/Published.h"

#include <string>
#include <vector>

namespace fw {

// Name, Height, Color, Charset and Style of a font, as nested properties "<prefix>.Name" ...
// They are all written whenever `isStored` says the font is (a control's font only while
// ParentFont is off), and never otherwise.
std::vector<PropertyInfo> fontProperties(const std::string& prefix, std::function<Font&(Component&)> font,
                                         std::function<bool(const Component&)> isStored);

// Left, Top, Width, Height, Cursor, Hint and the help properties of a window-less control, which
// come before its class's own.
std::vector<PropertyInfo> graphicControlHostProperties();

// The usual properties that a window-less control class takes from the host, by name, for a
// class to list among its own in its order ("Caption", "Color", "Enabled", "Font", "ParentColor",
// "ParentFont", "ParentShowHint", "PopupMenu", "Action", "Align", "Anchors", "ShowHint",
// "Visible", "OnClick", "OnMouseDown", "OnMouseMove", "OnMouseUp").
std::vector<PropertyInfo> graphicControlProperties(const std::vector<std::string>& names);

// A form's properties, for the program's form class: Left, Top, BorderIcons, BorderStyle,
// Caption, ClientHeight, ClientWidth, Color, TransparentColor, TransparentColorValue,
// AlphaBlend, AlphaBlendValue, Font, FormStyle, Icon, KeyPreview, Position, OnCreate, OnKeyDown,
// OnShow.
std::vector<PropertyInfo> formProperties();

// TPanel, TMemo, TTimer, TPopupMenu (its items are the program's) and TAction.
void registerFrameworkClasses(ClassRegistry& classes);

}  // namespace fw
