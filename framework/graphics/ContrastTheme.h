#pragma once
// ContrastTheme: whether the user has a contrast (high-contrast) theme on, and the colour pairs it
// gives. While one is on, windows, report boxes and button faces draw in these pairs instead of
// their own colours, as Windows' own controls do, so that every text stands on the background it
// was chosen for.
//
// The state is read once, on first use, and again by refresh(), which the forms call when Windows
// says the system's colours, the contrast setting or the theme changed (they then repaint). It is
// on when SystemParametersInfo(SPI_GETHIGHCONTRAST) says so, or when the environment variable
// VELMORA_HIGH_CONTRAST is "1": Wine cannot turn a contrast theme on, so this is how a contrast
// theme is shown and tested there. The colours are never cached: colors() reads them now.
// GUI thread only.

#include "framework/core/Color.h"

namespace fw {

// The pairs of a contrast theme, as RGB colours: each background with the text drawn on it.
struct ContrastColors {
    TColor window = clBlack;         // COLOR_WINDOW: report boxes
    TColor windowText = clWhite;     // COLOR_WINDOWTEXT
    TColor buttonFace = clBlack;     // COLOR_BTNFACE: forms, panels, button faces
    TColor buttonText = clWhite;     // COLOR_BTNTEXT: captions and frames
    TColor highlight = clBlack;      // COLOR_HIGHLIGHT: a button with the pointer inside, or down
    TColor highlightText = clWhite;  // COLOR_HIGHLIGHTTEXT
    TColor grayText = clGray;        // COLOR_GRAYTEXT: the caption of a disabled button
};

class ContrastTheme {
public:
    // As last read; the first call reads it.
    static bool isOn();
    // Reads the state again.
    static void refresh();
    // The system's colours of the pairs now (whether or not a theme is on).
    static ContrastColors colors();
};

}  // namespace fw
