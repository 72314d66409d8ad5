#include "framework/ui/windows/FormPlacement.h"

#include "framework/geometry/Dpi.h"
#include "framework/ui/windows/FormWindow.h"
#include "framework/win32/DisplayDpi.h"

#include <windows.h>

namespace fw {
namespace {

DWORD frameStyle(TFormBorderStyle border, TBorderIcons icons)
{
    DWORD style = WS_CLIPCHILDREN;
    if (border == bsNone)
        return style | WS_POPUP;
    style |= WS_OVERLAPPED | WS_CAPTION;
    if (border == bsSizeable)
        style |= WS_THICKFRAME;
    if (icons.systemMenu) {
        style |= WS_SYSMENU;
        if (icons.minimize)
            style |= WS_MINIMIZEBOX;
        if (icons.maximize)
            style |= WS_MAXIMIZEBOX;
    }
    return style;
}

}  // namespace

FormPlacement::FormPlacement(const FormWindow& form, const Settings& settings)
    : form_(form), borderStyle_(settings.borderStyle), borderIcons_(settings.borderIcons),
      position_(settings.position), formStyle_(settings.formStyle), clientWidth_(settings.clientWidth),
      clientHeight_(settings.clientHeight)
{
}

FormPlacement::Frame FormPlacement::frame() const { return frameForDpi(form_.dpi()); }

FormPlacement::Frame FormPlacement::frameForDpi(int dpi) const
{
    const DWORD style = frameStyle(borderStyle_, borderIcons_);
    const DWORD extendedStyle = isTopMost() ? WS_EX_TOPMOST : 0;
    const native::FrameSize outer = native::frameAround(scaleForDpi(clientWidth_, dpi), scaleForDpi(clientHeight_, dpi),
                                                        style, extendedStyle, dpi);
    return Frame{style, extendedStyle, outer.width, outer.height};
}

void FormPlacement::windowCreated()
{
    placeAsPositioned();
    RECT bounds;
    GetWindowRect(form_.handle(), &bounds);
    left_ = bounds.left;
    top_ = bounds.top;
}

// Style, size, place and top-most rank in one SetWindowPos: under Wine every move of a top-level
// window is a round trip to the X server, and a form read from a description would otherwise
// make a dozen of them.
void FormPlacement::apply()
{
    if (form_.isLoading())
        return;  // the form's loaded() applies everything at once
    HWND window = form_.handle();
    const Frame outer = frame();
    const LONG_PTR visible = GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE;
    SetWindowLongPtrA(window, GWL_STYLE, static_cast<LONG_PTR>(outer.style) | visible);
    int left = left_;
    int top = top_;
    if (position_ != poDesigned) {
        left = (GetSystemMetrics(SM_CXSCREEN) - outer.width) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - outer.height) / 2;
    }
    SetWindowPos(window, isTopMost() ? HWND_TOPMOST : HWND_NOTOPMOST, left, top, outer.width, outer.height,
                 SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void FormPlacement::placeAsPositioned()
{
    if (position_ == poDesigned || form_.isLoading())
        return;
    HWND window = form_.handle();
    RECT bounds;
    GetWindowRect(window, &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int FormPlacement::left() const
{
    RECT bounds;
    GetWindowRect(form_.handle(), &bounds);
    return form_.isLoading() ? left_ : bounds.left;
}

int FormPlacement::top() const
{
    RECT bounds;
    GetWindowRect(form_.handle(), &bounds);
    return form_.isLoading() ? top_ : bounds.top;
}

int FormPlacement::clientWidth() const
{
    RECT client;
    GetClientRect(form_.handle(), &client);
    return form_.isLoading() ? scaleForDpi(clientWidth_, form_.dpi()) : client.right;
}

int FormPlacement::clientHeight() const
{
    RECT client;
    GetClientRect(form_.handle(), &client);
    return form_.isLoading() ? scaleForDpi(clientHeight_, form_.dpi()) : client.bottom;
}

int FormPlacement::designClientWidth() const
{
    return form_.isLoading() ? clientWidth_ : designValueOf(clientWidth(), clientWidth_);
}

int FormPlacement::designClientHeight() const
{
    return form_.isLoading() ? clientHeight_ : designValueOf(clientHeight(), clientHeight_);
}

int FormPlacement::designValueOf(int pixels, int wanted) const
{
    // Scaling loses what rounding took, so the design is the wanted value while the window has
    // it; only a size the user gave (a sizeable form dragged) is worked back from its pixels.
    const int dpi = form_.dpi();
    return pixels == scaleForDpi(wanted, dpi) ? wanted : unscaleFromDpi(pixels, dpi);
}

void FormPlacement::setLeft(int left)
{
    left_ = left;
    apply();
}

void FormPlacement::setTop(int top)
{
    top_ = top;
    apply();
}

void FormPlacement::setClientWidth(int width)
{
    clientHeight_ = designClientHeight();
    clientWidth_ = width;
    apply();
}

void FormPlacement::setClientHeight(int height)
{
    clientWidth_ = designClientWidth();
    clientHeight_ = height;
    apply();
}

void FormPlacement::setBorderStyle(TFormBorderStyle style)
{
    keepClientSize();
    borderStyle_ = style;
    apply();
}

void FormPlacement::setBorderIcons(TBorderIcons icons)
{
    keepClientSize();
    borderIcons_ = icons;
    apply();
}

void FormPlacement::keepClientSize()
{
    // The user may have resized a sizeable form; the client area it has now is the one to keep.
    clientWidth_ = designClientWidth();
    clientHeight_ = designClientHeight();
}

void FormPlacement::takeSuggestedPlace(Rect suggested)
{
    HWND window = form_.handle();
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.width, suggested.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // The suggestion keeps the window's proportions, rounded its own way (and Windows before 1703
    // cannot ask us for the size first): the client area is then set to the design's exactly,
    // with the frame the window has now.
    RECT client;
    RECT outer;
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    const int dpi = form_.dpi();
    const int extraWidth = scaleForDpi(clientWidth_, dpi) - client.right;
    const int extraHeight = scaleForDpi(clientHeight_, dpi) - client.bottom;
    if (extraWidth != 0 || extraHeight != 0)
        SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + extraWidth, outer.bottom - outer.top + extraHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormPlacement::setPosition(TPosition position)
{
    position_ = position;
    placeAsPositioned();
}

void FormPlacement::setFormStyle(TFormStyle style)
{
    formStyle_ = style;
    if (!form_.isLoading())
        SetWindowPos(form_.handle(), isTopMost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FormPlacement::setTopMostPlace(TopMostPlace place)
{
    if (!isTopMost())
        return;
    SetWindowPos(form_.handle(), place == TopMostPlace::InFront ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace fw
