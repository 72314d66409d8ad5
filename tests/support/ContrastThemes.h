#pragma once
// Windows' two best-known contrast themes, and a way for tests to switch one on. Test-only;
// includes <windows.h>.

#include "framework/graphics/ContrastTheme.h"

#include <windows.h>

#include <algorithm>

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

// A theme's seven colours set with SetSysColors, and VELMORA_HIGH_CONTRAST=1 in this process's
// environment, which the programs it starts inherit; both undone on every path. Windows gives
// the colours to the whole session at once. Wine gives them to this process at once and to the
// programs started later, from the copy it keeps under HKCU\Software\Wine\Temporary System
// Parameters for as long as its server runs (and reads before HKCU\Control Panel\Colors).
class ThemeSwitch {
public:
    ThemeSwitch() { std::transform(elements_, elements_ + count, saved_, GetSysColor); }
    ~ThemeSwitch() { switchOff(); }
    ThemeSwitch(const ThemeSwitch&) = delete;
    ThemeSwitch& operator=(const ThemeSwitch&) = delete;

    void switchOn(const fw::ContrastColors& theme)
    {
        SetEnvironmentVariableA("VELMORA_HIGH_CONTRAST", "1");
        const COLORREF colors[count] = {theme.window,    theme.windowText,    theme.buttonFace, theme.buttonText,
                                        theme.highlight, theme.highlightText, theme.grayText};
        SetSysColors(count, elements_, colors);
    }
    void switchOff()
    {
        SetEnvironmentVariableA("VELMORA_HIGH_CONTRAST", nullptr);
        SetSysColors(count, elements_, saved_);
    }

private:
    static constexpr int count = 7;
    const int elements_[count] = {COLOR_WINDOW,    COLOR_WINDOWTEXT,    COLOR_BTNFACE, COLOR_BTNTEXT,
                                  COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT, COLOR_GRAYTEXT};
    COLORREF saved_[count] = {};
};

}  // namespace contrast_themes
