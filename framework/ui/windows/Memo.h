#pragma once
// Memo: a multi-line text box, a real EDIT control so that screen readers and UI automation can
// read it. It wraps words at its right edge and scrolls itself to keep the newest line in view;
// scroll bars and the read-only state can be switched. Its lines end in CR LF.

#include "framework/core/Color.h"
#include "framework/ui/controls/BackgroundBrush.h"
#include "framework/ui/controls/ColoredChild.h"
#include "framework/ui/model/BoundsSetters.h"
#include "framework/ui/model/Component.h"
#include "framework/ui/model/Geometry.h"
#include "framework/win32/Handles.h"

#include <string>
#include <vector>

namespace fw {

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class Memo : public Component, public ColoredChild, public BoundsSetters<Memo> {
public:
    Memo(native::WindowHandle parent, Rect bounds, TColor color, native::FontHandle font, Component* owner = nullptr);
    ~Memo() override;
    Memo(const Memo&) = delete;
    Memo& operator=(const Memo&) = delete;

    Rect bounds() const { return bounds_; }
    void setBounds(Rect bounds);
    TColor color() const { return background_.color(); }
    void setColor(TColor color);
    bool isReadOnly() const { return isReadOnly_; }
    void setReadOnly(bool readOnly);
    TScrollStyle scrollBars() const { return scrollBars_; }
    void setScrollBars(TScrollStyle scrollBars);

    // The component this box sits in (its panel), for window descriptions.
    Component* parentComponent() const override { return parentComponent_; }
    void setParentComponent(Component* parent) { parentComponent_ = parent; }

    void addLine(const std::string& line);
    std::string text() const;
    std::vector<std::string> lines() const;

    native::WindowHandle handle() const { return window_.get(); }
    native::BrushHandle controlColors(native::DeviceContextHandle deviceContext) override;

private:
    UniqueWindow window_;
    BackgroundBrush background_;
    Rect bounds_;
    bool isReadOnly_ = false;
    TScrollStyle scrollBars_ = ssNone;
    Component* parentComponent_ = nullptr;
};

}  // namespace fw
