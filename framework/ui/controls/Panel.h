#pragma once
// Panel: a child window with a flat colour and a raised one-pixel bevel, parent of window-less
// controls and of windowed ones (the memo).
//
// What it does for its window-less controls, in panel client coordinates:
//   - painting: WM_PAINT fills the background and the bevel, then paints every visible control
//     that meets the update region, in the parent's order (later ones on top), each clipped to
//     its rectangle with the origin at its corner and its own font on the canvas;
//   - input belongs to the input router (InputRouter.h, rules at the top of GraphicControl.h),
//     which the panel hands every mouse message and its focus changes; a press on a disabled
//     control or on no control stays with the panel. While one of its controls has the keyboard
//     focus, the panel's window holds the system's. The panel only asks Windows for
//     WM_MOUSELEAVE, so that a pointer leaving the window wakes the loop up;
//   - the controls follow the panel's colour and font while their parentColor / parentFont are on.
// A control registers itself by setting its parent; when one is removed, every pointer to it (capture,
// pointer inside, focus) is cleared and a focus it had passes on.
// The panel is laid out for the DPI of its top-level window when it is made, and for the one its
// form tells it when the form moves to a display of another DPI (DpiScaledChild.h); its bounds,
// font and controls are then scaled anew from their design values (Dpi.h).
// An observer, made for every panel by the factory that a higher layer installs (the accessibility
// layer does, see PanelObserver.h), hears of every control that arrives, leaves or changes and
// sees the panel's window messages first.

#include "framework/core/Color.h"
#include "framework/geometry/Dpi.h"
#include "framework/graphics/Font.h"
#include "framework/ui/model/BoundsSetters.h"
#include "framework/ui/model/Component.h"
#include "framework/geometry/Geometry.h"
#include "framework/ui/controls/PanelObserver.h"
#include "framework/ui/controls/WindowedChild.h"
#include "framework/win32/Handles.h"

#include <memory>
#include <string>
#include <vector>

namespace fw {

class GraphicControl;

enum TBevelCut { bvNone, bvLowered, bvRaised };
// Which controls a hit test finds: the pointer's routing skips disabled ones;
// finding the control the pointer is inside does not.
enum class HitTest { VisibleAndEnabled, Visible };

class Panel : public WindowedChild, public BoundsSetters<Panel> {
public:
    // `bounds` and the font's height are design values, at 96 DPI.
    Panel(native::WindowHandle parentWindow, Rect bounds, TColor color, const Font& font, Component* owner = nullptr);
    ~Panel() override;

    native::WindowHandle handle() const { return window_.get(); }
    // The pixels per inch the panel and its controls are laid out for; bounds() are in them.
    int dpi() const { return dpi_; }
    void setDpi(int dpi) override;
    void setColor(TColor color);
    const Font& font() const { return font_; }
    void setFont(const Font& font);
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);  // drawn in the middle, beneath the controls
    TBevelCut bevelOuter() const { return bevelOuter_; }
    void setBevelOuter(TBevelCut bevel);

    // The component this panel sits in (its form or panel), for window descriptions.
    Component* parentComponent() const override { return parentComponent_; }
    void setParentComponent(Component* parent) { parentComponent_ = parent; }

    // The window-less controls in the parent's order: the first one is painted first.
    int controlCount() const { return static_cast<int>(controls_.size()); }
    GraphicControl& control(int index) const { return *controls_.at(static_cast<std::size_t>(index)); }
    // The topmost control at `where` (panel client coordinates) that passes `test`, or null.
    GraphicControl* controlAt(Point where, HitTest test) const;

    // Repaints `area` (panel client coordinates) later, background first.
    void invalidate(Rect area);

    // The panel that owns `window`, or null.
    static Panel* fromWindow(native::WindowHandle window);
    static const std::vector<Panel*>& livePanels();
    // Every panel made from now on gets an observer from `factory`; null: none.
    static void setObserverFactory(PanelObserverFactory factory);

    // The window procedure's entry point for this panel's messages.
    long long handleMessage(unsigned message, unsigned long long wParam, long long lParam);

private:
    native::WindowHandle childWindow() const override { return window_.get(); }
    int layoutDpi() const override { return dpi_; }
    friend class GraphicControl;
    void addControl(GraphicControl& control);
    void removeControl(GraphicControl& control);
    void controlChanged(GraphicControl& control, AccessibleChange change);
    void paint();

    UniqueWindow window_;
    Font font_;
    std::string caption_;
    TBevelCut bevelOuter_ = bvRaised;
    Component* parentComponent_ = nullptr;
    std::vector<GraphicControl*> controls_;  // not owned; in the parent's order, last on top
    bool isTrackingLeave_ = false;
    int dpi_ = designDpi;
    std::unique_ptr<PanelObserver> observer_;  // last: it goes before the window does
};

}  // namespace fw
