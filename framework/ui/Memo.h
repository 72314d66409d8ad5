#pragma once
// Memo: a read-only multi-line text box, a real EDIT control so that screen readers and UI
// automation can read it. Word wrap on, no scroll bars; it scrolls itself to keep the newest line
// in view. Its lines end in CR LF.

#include "framework/core/Color.h"
#include "framework/ui/ColoredChild.h"
#include "framework/ui/Geometry.h"
#include "framework/win32/Handles.h"

#include <string>
#include <vector>

namespace fw {

class Memo : public ColoredChild {
public:
    Memo(native::WindowHandle parent, Rect bounds, TColor color, native::FontHandle font);
    ~Memo();
    Memo(const Memo&) = delete;
    Memo& operator=(const Memo&) = delete;

    void addLine(const std::string& line);
    std::string text() const;
    std::vector<std::string> lines() const;

    native::WindowHandle handle() const { return window_.get(); }
    native::BrushHandle controlColors(native::DeviceContextHandle deviceContext) override;

private:
    UniqueWindow window_;
    UniqueBrush background_;
    TColor color_;
};

}  // namespace fw
