#include "framework/ui/controls/Memo.h"

#include "framework/core/Error.h"
#include "framework/geometry/Dpi.h"
#include "framework/ui/controls/FormTabStops.h"
#include "framework/ui/model/TabOrder.h"
#include "framework/win32/DisplayDpi.h"
#include "framework/win32/Win32Error.h"

#include <windows.h>

namespace fw {

Memo::Memo(native::WindowHandle parent, Rect bounds, TColor color, const Font& font, Component* owner)
    : WindowedChild(owner, bounds, color), font_(font)
{
    font_.setDpi(native::layoutDpiOf(parent));
    scaleBounds();
    const Rect placed = this->bounds();
    // Without ES_AUTOHSCROLL a multi-line edit wraps its lines at the right edge. Without
    // ES_AUTOVSCROLL it refuses (and undoes) any insertion that needs more lines than it shows;
    // with it, it scrolls to the caret instead, without scroll bars.
    const DWORD style = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_LEFT;
    HWND window = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", style, placed.left, placed.top, placed.width,
                                  placed.height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window)
        throw Win32Error("CreateWindowExA", GetLastError());
    window_.reset(window);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.handle()), FALSE);
    // The window holds the GDI font: it takes the new one before the old one is freed.
    font_.setOnChange([this] { SendMessageA(window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.handle()), TRUE); });
    SetPropA(window, ColoredChild::propertyName, static_cast<ColoredChild*>(this));
    SetPropA(window, DpiScaledChild::propertyName, static_cast<DpiScaledChild*>(this));
    setWindowCreationNumber(window, takeCreationNumber());
}

Memo::~Memo()
{
    if (window_) {
        RemovePropA(window_.get(), ColoredChild::propertyName);
        RemovePropA(window_.get(), DpiScaledChild::propertyName);
        forgetWindowTabStop(window_.get());
    }
}

void Memo::setDpi(int dpi)
{
    font_.setDpi(dpi);
    setBounds(designBounds());
}

void Memo::setColor(TColor color)
{
    changeBackgroundColor(color);
}

void Memo::setReadOnly(bool readOnly)
{
    isReadOnly_ = readOnly;
    SendMessageA(window_.get(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void Memo::setScrollBars(TScrollStyle scrollBars)
{
    scrollBars_ = scrollBars;
    LONG_PTR style = GetWindowLongPtrA(window_.get(), GWL_STYLE) & ~static_cast<LONG_PTR>(WS_HSCROLL | WS_VSCROLL);
    if (scrollBars == ssHorizontal || scrollBars == ssBoth)
        style |= WS_HSCROLL;
    if (scrollBars == ssVertical || scrollBars == ssBoth)
        style |= WS_VSCROLL;
    SetWindowLongPtrA(window_.get(), GWL_STYLE, style);
    SetWindowPos(window_.get(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

bool Memo::isTabStop() const { return (GetWindowLongPtrA(window_.get(), GWL_STYLE) & WS_TABSTOP) != 0; }

void Memo::setTabStop(bool tabStop)
{
    LONG_PTR style = GetWindowLongPtrA(window_.get(), GWL_STYLE) & ~static_cast<LONG_PTR>(WS_TABSTOP);
    SetWindowLongPtrA(window_.get(), GWL_STYLE, tabStop ? style | WS_TABSTOP : style);
}

void Memo::setTabOrder(int tabOrder)
{
    tabOrder_ = tabOrder;
    setWindowTabOrder(window_.get(), tabOrder);
}

void Memo::addLine(const std::string& line)
{
    HWND window = window_.get();
    const int end = GetWindowTextLengthA(window);
    // Appending through the selection keeps the text that is there and scrolls to the new line.
    SendMessageA(window, EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
    const std::string appended = line + "\r\n";
    SendMessageA(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(appended.c_str()));
}

std::string Memo::text() const
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window_.get())) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window_.get(), text.data(), static_cast<int>(text.size()))));
    return text;
}

std::vector<std::string> Memo::lines() const
{
    std::vector<std::string> result;
    const std::string all = text();
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t end = all.find("\r\n", start);
        if (end == std::string::npos)
            end = all.size();
        result.push_back(all.substr(start, end - start));
        start = end + 2;
    }
    return result;
}

native::BrushHandle Memo::controlColors(native::DeviceContextHandle deviceContext)
{
    // WINDOWTEXT is also the text colour of a contrast theme's report box, on its WINDOW.
    SetBkColor(deviceContext, background().paintedColor(ContrastBackground::Window));
    SetTextColor(deviceContext, GetSysColor(COLOR_WINDOWTEXT));
    return background().handle(ContrastBackground::Window);
}

}  // namespace fw
