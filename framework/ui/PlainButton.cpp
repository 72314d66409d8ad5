#include "framework/ui/PlainButton.h"

#include "framework/graphics/SystemColors.h"
#include "framework/win32/Handles.h"

#include <windows.h>

namespace fw {

PlainButton::PlainButton(Panel& host, Rect bounds, const std::string& caption, Colors colors,
                         native::FontHandle font)
    : GraphicControl(host, bounds), colors_(colors), font_(font)
{
    setCaption(caption);
}

void PlainButton::paint(native::DeviceContextHandle deviceContext)
{
    HDC dc = deviceContext;
    const Rect area = bounds();
    RECT face{0, 0, area.width, area.height};
    const bool showHot = isEnabled() && isHovered_;

    UniqueBrush faceBrush(CreateSolidBrush(colorToRgb(showHot ? colors_.hotFace : colors_.face)));
    FillRect(dc, &face, faceBrush.get());
    UniqueBrush frameBrush(CreateSolidBrush(colorToRgb(colors_.frame)));
    FrameRect(dc, &face, frameBrush.get());
    if (isPressed_) {
        RECT inner{1, 1, area.width - 1, area.height - 1};
        FrameRect(dc, &inner, frameBrush.get());
    }

    const int offset = isPressed_ ? 1 : 0;
    RECT text{offset, offset, area.width + offset, area.height + offset};
    HGDIOBJ oldFont = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, isEnabled() ? colorToRgb(colors_.caption) : colorToRgb(clGray));
    DrawTextA(dc, caption().c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
}

void PlainButton::mouseDown(MouseButton button, Point)
{
    if (button != MouseButton::Left)
        return;
    isPressed_ = true;
    invalidate();
}

void PlainButton::mouseUp(MouseButton, Point)
{
    if (!isPressed_)
        return;
    isPressed_ = false;
    invalidate();
}

void PlainButton::mouseEnter()
{
    isHovered_ = true;
    invalidate();
}

void PlainButton::mouseLeave()
{
    isHovered_ = false;
    invalidate();
}

void PlainButton::captureLost()
{
    isPressed_ = false;
    invalidate();
}

}  // namespace fw
