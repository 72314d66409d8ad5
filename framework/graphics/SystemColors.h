#pragma once
// Turns a TColor into the RGB value that GDI should use. A system colour (0xFF0000nn) is looked
// up with GetSysColor at the moment of the call, so that a face painted after the user changes the
// desktop scheme follows it; an RGB colour is returned unchanged.

#include "framework/core/Color.h"

namespace fw {

TColor colorToRgb(TColor color);

}  // namespace fw
