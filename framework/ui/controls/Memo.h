#pragma once
// Memo: a multi-line text box, a real EDIT control so that screen readers and UI automation can
// read it. It wraps words at its right edge and scrolls itself to keep the newest line in view;
// scroll bars and the read-only state can be switched. Its lines end in CR LF. As a tab stop it
// takes its place in its form's Tab order (GraphicControl.h); it is none unless told.
// Bounds and font are designed at 96 DPI and laid out for the DPI of the memo's top-level window,
// when it is made and whenever its form tells it another (DpiScaledChild.h). The memo owns its
// font, a copy of the one it was given.

#include "framework/core/Color.h"
#include "framework/graphics/Font.h"
#include "framework/ui/controls/ColoredChild.h"
#include "framework/ui/controls/WindowedChild.h"
#include "framework/ui/model/BoundsSetters.h"
#include "framework/ui/model/Component.h"
#include "framework/geometry/Geometry.h"
#include "framework/win32/Handles.h"

#include <string>
#include <vector>

namespace fw {

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class Memo : public WindowedChild, public ColoredChild, public BoundsSetters<Memo> {
public:
    Memo(native::WindowHandle parent, Rect bounds, TColor color, const Font& font, Component* owner = nullptr);
    ~Memo() override;
    Memo(const Memo&) = delete;
    Memo& operator=(const Memo&) = delete;

    // The pixels per inch the memo is laid out for; bounds() are in them.
    int dpi() const { return font_.dpi(); }
    void setDpi(int dpi) override;
    const Font& font() const { return font_; }
    void setColor(TColor color);
    bool isReadOnly() const { return isReadOnly_; }
    void setReadOnly(bool readOnly);
    TScrollStyle scrollBars() const { return scrollBars_; }
    void setScrollBars(TScrollStyle scrollBars);
    bool isTabStop() const;
    void setTabStop(bool tabStop);
    int tabOrder() const { return tabOrder_; }
    void setTabOrder(int tabOrder);

    // The component this box sits in (its panel), for window descriptions.
    Component* parentComponent() const override { return parentComponent_; }
    void setParentComponent(Component* parent) { parentComponent_ = parent; }

    void addLine(const std::string& line);
    std::string text() const;
    std::vector<std::string> lines() const;

    native::WindowHandle handle() const { return window_.get(); }
    native::BrushHandle controlColors(native::DeviceContextHandle deviceContext) override;

private:
    native::WindowHandle childWindow() const override { return window_.get(); }
    int layoutDpi() const override { return dpi(); }

    Font font_;  // declared before the window, which holds its GDI font, so that it outlives it
    UniqueWindow window_;
    bool isReadOnly_ = false;
    TScrollStyle scrollBars_ = ssNone;
    int tabOrder_ = 0;
    Component* parentComponent_ = nullptr;
};

}  // namespace fw
