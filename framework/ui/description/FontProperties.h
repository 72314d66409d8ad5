#pragma once
// The published properties of a font, as nested properties "<prefix>.Charset", ".Color",
// ".Height", ".Name" and ".Style" (a set of fsBold, fsItalic, fsUnderline, fsStrikeOut). They
// are all written whenever `isStored` says the font is (a control's font only while ParentFont
// is off), and never otherwise: a stored font has no defaults.

#include "framework/graphics/Font.h"
#include "framework/ui/description/PropertyTable.h"

#include <functional>
#include <string>
#include <vector>

namespace fw {

std::vector<PropertyInfo> fontProperties(const std::string& prefix, SharedFunction<Font&(Component&)> font,
                                         SharedFunction<bool(const Component&)> isStored);

}  // namespace fw
