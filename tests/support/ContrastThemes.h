#pragma once
// Windows' two best-known contrast themes, as the tests set them up (SetSysColors, or the
// registry's HKCU\Control Panel\Colors before a program starts).

#include "framework/graphics/ContrastTheme.h"

namespace contrast_themes {

struct Theme {
    const char* name;
    fw::ContrastColors colors;
};

inline const Theme black{"High Contrast Black",
                         {fw::rgb(0, 0, 0), fw::rgb(255, 255, 255), fw::rgb(0, 0, 0), fw::rgb(255, 255, 255),
                          fw::rgb(26, 235, 255), fw::rgb(0, 0, 0), fw::rgb(63, 242, 63)}};
inline const Theme white{"High Contrast White",
                         {fw::rgb(255, 255, 255), fw::rgb(0, 0, 0), fw::rgb(255, 255, 255), fw::rgb(0, 0, 0),
                          fw::rgb(55, 0, 110), fw::rgb(255, 255, 255), fw::rgb(96, 0, 0)}};

}  // namespace contrast_themes
