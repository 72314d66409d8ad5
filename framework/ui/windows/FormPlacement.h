#pragma once
// FormPlacement: where a form's window stands and how it is framed: the wanted place and client
// size, border style and icons, the position rule (as designed, or centred on the screen) and the
// top-most rank. Outside loading every change reaches the window at once; while the form loads
// only the wanted values change, and apply() sets them all in one go once it is loaded.
// The form owns it, and the window it places (screen coordinates throughout).
// The client size is designed at 96 DPI and the window has it scaled for the form's DPI (Dpi.h);
// the place is in screen pixels as they are, never scaled.

#include "framework/geometry/Geometry.h"

namespace fw {

class FormWindow;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable };
enum TFormStyle { fsNormal, fsStayOnTop };
enum TPosition { poDesigned, poDesktopCenter, poScreenCenter };
struct TBorderIcons {
    bool systemMenu = true;
    bool minimize = true;
    bool maximize = true;
    friend bool operator==(const TBorderIcons&, const TBorderIcons&) = default;
};

// Where a top-most form stands: in front of other windows, or stepped back behind a modal box.
enum class TopMostPlace { InFront, SteppedBack };

class FormPlacement {
public:
    struct Settings {
        TFormBorderStyle borderStyle = bsSingle;
        TBorderIcons borderIcons;
        TPosition position = poDesktopCenter;
        TFormStyle formStyle = fsNormal;
        int clientWidth = 0;
        int clientHeight = 0;
    };
    // What the window is created with: its styles and its outer size around the client size at
    // the form's DPI.
    struct Frame {
        unsigned long style = 0;
        unsigned long extendedStyle = 0;
        int width = 0;
        int height = 0;
    };

    FormPlacement(const FormWindow& form, const Settings& settings);  // `form` owns this object
    FormPlacement(const FormPlacement&) = delete;
    FormPlacement& operator=(const FormPlacement&) = delete;

    Frame frame() const;
    // The same for another DPI: the size the window should have on a display of that DPI.
    Frame frameForDpi(int dpi) const;
    // The window exists: it is placed by the position rule, and the place it has is the wanted one.
    void windowCreated();

    // While the form loads, the wanted values; otherwise what the window has. The client size in
    // pixels at the form's DPI, and as designed, at 96 DPI (what the setters take).
    int left() const;
    int top() const;
    int clientWidth() const;
    int clientHeight() const;
    int designClientWidth() const;
    int designClientHeight() const;
    void setLeft(int left);
    void setTop(int top);
    void setClientWidth(int width);
    void setClientHeight(int height);

    TFormBorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(TFormBorderStyle style);
    TBorderIcons borderIcons() const { return borderIcons_; }
    void setBorderIcons(TBorderIcons icons);
    TPosition position() const { return position_; }
    void setPosition(TPosition position);
    TFormStyle formStyle() const { return formStyle_; }
    void setFormStyle(TFormStyle style);
    // A top-most form steps back behind a modal dialog and forward again after it; any other
    // form stays where it is.
    void setTopMostPlace(TopMostPlace place);

    // Style, size, place and top-most rank at once.
    void apply();
    // Centres the window on the screen, keeping its size, unless its position is as designed.
    void placeAsPositioned();

    // Before the form's DPI changes: keeps the client size the window has now, as a design size.
    void keepClientSize();
    // After it changed: the window takes the place and size the system suggests (screen
    // coordinates), then the client size of the design at the new DPI.
    void takeSuggestedPlace(Rect suggested);

private:
    bool isTopMost() const { return formStyle_ == fsStayOnTop; }
    // The design value for `pixels` of the window's client area, whose design is `wanted`.
    int designValueOf(int pixels, int wanted) const;

    const FormWindow& form_;
    TFormBorderStyle borderStyle_;
    TBorderIcons borderIcons_;
    TPosition position_;
    TFormStyle formStyle_;
    int left_ = 0;  // wanted place and client size; the window follows outside loading
    int top_ = 0;
    int clientWidth_;  // at 96 DPI
    int clientHeight_;
};

}  // namespace fw
