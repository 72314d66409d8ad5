#include "framework/graphics/ContrastTheme.h"

#include <windows.h>

namespace fw {
namespace {

struct State {
    bool isKnown = false;
    bool isOn = false;
};

State& state()
{
    static State current;
    return current;
}

bool isForcedOn()
{
    char value[4] = {};
    const DWORD length = GetEnvironmentVariableA("VELMORA_HIGH_CONTRAST", value, sizeof value);
    return length == 1 && value[0] == '1';
}

bool systemSaysOn()
{
    HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

TColor systemColor(int index) { return static_cast<TColor>(GetSysColor(index)); }

}  // namespace

bool ContrastTheme::isOn()
{
    if (!state().isKnown)
        refresh();
    return state().isOn;
}

void ContrastTheme::refresh()
{
    state().isOn = isForcedOn() || systemSaysOn();
    state().isKnown = true;
}

ContrastColors ContrastTheme::colors()
{
    ContrastColors colors;
    colors.window = systemColor(COLOR_WINDOW);
    colors.windowText = systemColor(COLOR_WINDOWTEXT);
    colors.buttonFace = systemColor(COLOR_BTNFACE);
    colors.buttonText = systemColor(COLOR_BTNTEXT);
    colors.highlight = systemColor(COLOR_HIGHLIGHT);
    colors.highlightText = systemColor(COLOR_HIGHLIGHTTEXT);
    colors.grayText = systemColor(COLOR_GRAYTEXT);
    return colors;
}

}  // namespace fw
