#pragma once
// A form's published properties, for the program's form class to register under its own name:
// Left, Top (only while the position is designed), BorderIcons, BorderStyle, Caption,
// ClientHeight, ClientWidth, Color, TransparentColor, TransparentColorValue, AlphaBlend,
// AlphaBlendValue, Font, FormStyle, Icon, KeyPreview, Position, OnCreate, OnKeyDown, OnShow.

#include "framework/ui/description/PropertyTable.h"

#include <vector>

namespace fw {

std::vector<PropertyInfo> formProperties();

}  // namespace fw
