#include "framework/graphics/Canvas.h"

#include "framework/core/Error.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/SelectionGuard.h"
#include "framework/graphics/SystemColors.h"
#include "framework/win32/Win32Error.h"

#include <windows.h>

#include <algorithm>

namespace fw {

namespace {
COLORREF gdiColor(TColor color) { return colorToRgb(color) & 0x00FFFFFFu; }

// An empty string_view may carry a null pointer, which the text calls must not see.
const char* characters(std::string_view text) { return text.empty() ? "" : text.data(); }
}  // namespace

Canvas::Canvas(native::DeviceContextHandle deviceContext) : deviceContext_(deviceContext)
{
    font_.setOnChange([this] { releaseFont(); });
}

Canvas::~Canvas() { releaseFont(); }

void Canvas::selectFont()
{
    void* wanted = font_.handle();
    if (wanted == selectedFont_)
        return;
    fontSelection_.reset();
    fontSelection_.emplace(deviceContext_, wanted);
    selectedFont_ = wanted;
}

void Canvas::releaseFont()
{
    fontSelection_.reset();
    selectedFont_ = nullptr;
}

void Canvas::moveTo(int x, int y) { MoveToEx(deviceContext_, x, y, nullptr); }

void Canvas::lineTo(int x, int y)
{
    SelectionGuard pen(deviceContext_, pen_.gdiObject());
    LineTo(deviceContext_, x, y);
}

void Canvas::rectangle(int x1, int y1, int x2, int y2)
{
    SelectionGuard pen(deviceContext_, pen_.gdiObject());
    SelectionGuard brush(deviceContext_, brush_.gdiObject());
    Rectangle(deviceContext_, x1, y1, x2, y2);
}

void Canvas::roundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight)
{
    if (pen_.style() == PenStyle::Clear) {
        // Windows fills a shape drawn without outline one pixel narrower and lower than its
        // outline (x1 .. x2-2, y1 .. y2-2), and faces rely on that. Wine does so for Rectangle but
        // fills a RoundRect out to x2-1, y2-1. Drawing the smaller shape with an outline in the
        // brush colour covers exactly x1 .. x2-2, y1 .. y2-2 on both.
        if (brush_.style() == BrushStyle::Clear)
            return;
        UniquePen outline(CreatePen(PS_SOLID, 1, gdiColor(brush_.color())));
        if (!outline)
            throw Win32Error("CreatePen", GetLastError());
        SelectionGuard pen(deviceContext_, outline.get());
        SelectionGuard brush(deviceContext_, brush_.gdiObject());
        RoundRect(deviceContext_, x1, y1, x2 - 1, y2 - 1, cornerWidth, cornerHeight);
        return;
    }
    SelectionGuard pen(deviceContext_, pen_.gdiObject());
    SelectionGuard brush(deviceContext_, brush_.gdiObject());
    RoundRect(deviceContext_, x1, y1, x2, y2, cornerWidth, cornerHeight);
}

void Canvas::drawFocusRect(const RectEdges& area)
{
    const RECT rect{area.left, area.top, area.right, area.bottom};
    DrawFocusRect(deviceContext_, &rect);
}

void Canvas::fillRect(const RectEdges& area)
{
    if (area.right <= area.left || area.bottom <= area.top)
        return;
    const RECT rect{area.left, area.top, area.right, area.bottom};
    if (brush_.style() == BrushStyle::Clear)
        return;
    // The DC's own brush: no GDI brush is made and freed for every colour of a gradient.
    SetDCBrushColor(deviceContext_, gdiColor(brush_.color()));
    FillRect(deviceContext_, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Canvas::draw(int x, int y, const Bitmap& bitmap)
{
    if (bitmap.isEmpty())
        return;
    const int width = bitmap.width();
    const int height = bitmap.height();
    if (!bitmap.isTransparent()) {
        BitBlt(deviceContext_, x, y, width, height, bitmap.canvasHandle(), 0, 0, SRCCOPY);
        return;
    }
    // What lies beneath is read into a scratch bitmap, the opaque pixels are laid over it there,
    // and the result goes back in one copy: the target never shows a half-drawn state, and this
    // is several times faster than TransparentBlt (which would also need msimg32.dll). The
    // scratch bitmap is kept for the thread's next copy: making a DIB and its DC costs more than
    // the whole copy.
    thread_local Bitmap scratch;
    if (scratch.width() < width || scratch.height() < height)
        scratch.setSize(std::max(scratch.width(), width), std::max(scratch.height(), height));
    BitBlt(scratch.canvasHandle(), 0, 0, width, height, deviceContext_, x, y, SRCCOPY);
    scratch.overlayOpaquePixels(bitmap, colorToRgb(bitmap.transparentColor()));
    BitBlt(deviceContext_, x, y, width, height, scratch.canvasHandle(), 0, 0, SRCCOPY);
}

int Canvas::drawText(std::string_view text, RectEdges& area, unsigned format)
{
    selectFont();
    SetTextColor(deviceContext_, gdiColor(font_.color()));
    if (brush_.style() == BrushStyle::Clear) {
        SetBkMode(deviceContext_, TRANSPARENT);
    } else {
        SetBkMode(deviceContext_, OPAQUE);
        SetBkColor(deviceContext_, gdiColor(brush_.color()));
    }
    RECT rect{area.left, area.top, area.right, area.bottom};
    const int height = DrawTextA(deviceContext_, characters(text), static_cast<int>(text.size()), &rect, format);
    if (format & text_format::calculateRect)
        area = RectEdges{rect.left, rect.top, rect.right, rect.bottom};
    return height;
}

int Canvas::textWidth(std::string_view text)
{
    selectFont();
    SIZE size{};
    GetTextExtentPoint32A(deviceContext_, characters(text), static_cast<int>(text.size()), &size);
    return size.cx;
}

}  // namespace fw
