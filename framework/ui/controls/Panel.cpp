#include "framework/ui/controls/Panel.h"

#include "framework/core/Error.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/ContrastTheme.h"
#include "framework/graphics/PaintGuard.h"
#include "framework/graphics/SelectionGuard.h"
#include "framework/graphics/SystemColors.h"
#include "framework/ui/controls/ColoredChild.h"
#include "framework/ui/controls/GraphicControl.h"
#include "framework/ui/controls/InputRouter.h"
#include "framework/geometry/Dpi.h"
#include "framework/core/RunHandler.h"
#include "framework/win32/DisplayDpi.h"
#include "framework/win32/Win32Error.h"
#include "framework/win32/WindowProcedure.h"

#include <windowsx.h>

#include <algorithm>

namespace fw {
namespace {

constexpr const char* panelClassName = "TPanel";

std::vector<Panel*>& panels()
{
    static std::vector<Panel*> list;
    return list;
}

PanelObserverFactory observerFactory = nullptr;

bool isMouseMessage(unsigned message)
{
    return message == WM_MOUSEMOVE || (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK);
}

// The caption stands on the theme's button face while a contrast theme is on, so it takes the
// text colour of that pair; the font itself stays.
COLORREF captionColor(const Font& font)
{
    return ContrastTheme::isOn() ? ContrastTheme::colors().buttonText : colorToRgb(font.color());
}

}  // namespace

Panel::Panel(native::WindowHandle parentWindow, Rect bounds, TColor color, const Font& font, Component* owner)
    : WindowedChild(owner, bounds, color), font_(font), dpi_(native::layoutDpiOf(parentWindow))
{
    scaleBounds();
    font_.setDpi(dpi_);
    registerWindowClass(panelClassName, windowProcedureOf<Panel>, CS_DBLCLKS, nullptr);
    const Rect placed = this->bounds();
    HWND window = CreateWindowExA(0, panelClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, placed.left,
                                  placed.top, placed.width, placed.height, parentWindow, nullptr,
                                  GetModuleHandleA(nullptr), this);
    if (!window)
        throw Win32Error("CreateWindowExA", GetLastError());
    window_.reset(window);
    SetPropA(window, DpiScaledChild::propertyName, static_cast<DpiScaledChild*>(this));
    panels().push_back(this);
    if (observerFactory)
        observer_ = observerFactory(*this);
}

Panel::~Panel()
{
    auto& list = panels();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    // Its controls go with it: the focus is not passed among them on the way.
    InputRouter::instance().keyboard().forgetPanel(*this);
    // Controls that outlive their panel must not point at it.
    while (!controls_.empty())
        controls_.back()->setParent(nullptr);
    if (window_) {
        SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
        RemovePropA(window_.get(), DpiScaledChild::propertyName);
    }
}

const std::vector<Panel*>& Panel::livePanels() { return panels(); }

Panel* Panel::fromWindow(native::WindowHandle window)
{
    for (Panel* panel : panels())
        if (panel->handle() == window)
            return panel;
    return nullptr;
}

void Panel::setObserverFactory(PanelObserverFactory factory) { observerFactory = factory; }

void Panel::setColor(TColor color)
{
    changeBackgroundColor(color);
    for (GraphicControl* control : controls_)
        control->followParentColor();
}

void Panel::setDpi(int dpi)
{
    if (dpi == dpi_)
        return;
    dpi_ = dpi;
    font_.setDpi(dpi);
    setBounds(designBounds());
    // A control's handler may add or remove controls; work on a copy and skip the removed ones.
    const std::vector<GraphicControl*> controls = controls_;
    for (GraphicControl* control : controls)
        if (std::find(controls_.begin(), controls_.end(), control) != controls_.end())
            control->followParentDpi();
    InvalidateRect(window_.get(), nullptr, TRUE);
}

void Panel::setCaption(const std::string& caption)
{
    caption_ = caption;
    InvalidateRect(window_.get(), nullptr, TRUE);
}

void Panel::setBevelOuter(TBevelCut bevel)
{
    bevelOuter_ = bevel;
    InvalidateRect(window_.get(), nullptr, TRUE);
}

void Panel::setFont(const Font& font)
{
    font_.assign(font);
    font_.setDpi(dpi_);  // the other font may be made for another surface
    for (GraphicControl* control : controls_)
        control->followParentFont();
}

void Panel::addControl(GraphicControl& control)
{
    controls_.push_back(&control);
    invalidate(control.bounds());
    if (observer_)
        observer_->controlAdded(control);
}

void Panel::removeControl(GraphicControl& control)
{
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
    InputRouter::instance().controlLeavesPanel(control);
    invalidate(control.bounds());
    if (observer_)
        observer_->controlRemoved(control);
}

void Panel::controlChanged(GraphicControl& control, AccessibleChange change)
{
    if (observer_)
        observer_->controlChanged(control, change);
}

void Panel::invalidate(Rect area)
{
    RECT rect{area.left, area.top, area.right(), area.bottom()};
    InvalidateRect(window_.get(), &rect, TRUE);
}

GraphicControl* Panel::controlAt(Point where, HitTest test) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        GraphicControl* control = *it;
        const bool passes = control->isVisible() && (test == HitTest::Visible || control->isEnabled());
        if (passes && control->bounds().contains(where))
            return control;
    }
    return nullptr;
}

void Panel::paint()
{
    const PaintGuard paintGuard(window_.get());
    HDC dc = paintGuard.deviceContext();
    RECT client;
    GetClientRect(window_.get(), &client);
    FillRect(dc, &client, background().handle(ContrastBackground::ButtonFace));

    // Raised bevel: light on the top and left edges, shadow on the bottom and right ones;
    // lowered the other way round.
    if (bevelOuter_ != bvNone) {
        const bool raised = bevelOuter_ == bvRaised;
        const SelectionGuard pen(dc, GetStockObject(DC_PEN));
        SetDCPenColor(dc, GetSysColor(raised ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW));
        MoveToEx(dc, 0, client.bottom - 1, nullptr);
        LineTo(dc, 0, 0);
        LineTo(dc, client.right - 1, 0);
        SetDCPenColor(dc, GetSysColor(raised ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT));
        LineTo(dc, client.right - 1, client.bottom - 1);
        LineTo(dc, -1, client.bottom - 1);
    }
    if (!caption_.empty()) {
        const SelectionGuard font(dc, font_.handle());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, captionColor(font_));
        RECT area = client;
        DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &area,
                  text_format::center | text_format::verticalCenter | text_format::singleLine);
    }

    // A paint handler may add or remove controls; work on a copy and skip the removed ones.
    const RectEdges update = paintGuard.updateArea();
    const RECT updateArea{update.left, update.top, update.right, update.bottom};
    const std::vector<GraphicControl*> controls = controls_;
    for (GraphicControl* control : controls) {
        if (std::find(controls_.begin(), controls_.end(), control) == controls_.end())
            continue;
        if (!control->isVisible() && !control->isDesigning())
            continue;
        const Rect bounds = control->bounds();
        RECT area{bounds.left, bounds.top, bounds.right(), bounds.bottom()};
        RECT overlap;
        if (!IntersectRect(&overlap, &area, &updateArea))
            continue;
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
        SetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
        runHandler([&] {
            Canvas canvas(dc);
            canvas.font().assign(control->font());  // made for the control's DPI, the panel's
            control->paint(canvas);
        });
        RestoreDC(dc, saved);
    }
}

long long Panel::handleMessage(unsigned message, unsigned long long wParam, long long lParam)
{
    HWND window = window_.get();
    if (isMouseMessage(message)) {
        if (message == WM_MOUSEMOVE && !isTrackingLeave_) {
            // WM_MOUSELEAVE is sent once per TrackMouseEvent call, so tracking is re-armed after
            // each. Its only job is to wake the message loop when the pointer leaves the panel.
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
            isTrackingLeave_ = TrackMouseEvent(&track) != FALSE;
        }
        if (InputRouter::instance().routeMouse(*this, message, wParam, lParam))
            return 0;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    long long observerResult = 0;
    if (observer_ && observer_->handleMessage(message, wParam, lParam, observerResult))
        return observerResult;
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // painted in WM_PAINT, together with the controls, to avoid flicker
    case WM_PAINT:
        paint();
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
        auto* child = static_cast<ColoredChild*>(GetPropA(reinterpret_cast<HWND>(lParam), ColoredChild::propertyName));
        if (child)
            return reinterpret_cast<LRESULT>(child->controlColors(reinterpret_cast<HDC>(wParam)));
        break;
    }
    case WM_MOUSELEAVE:
        isTrackingLeave_ = false;
        return 0;
    case WM_SETFOCUS:
        // The panel holds the system's focus for its focused window-less control.
        InputRouter::instance().keyboard().panelGotFocus(*this);
        return 0;
    case WM_KILLFOCUS:
        InputRouter::instance().keyboard().panelLostFocus(*this);
        return 0;

    case WM_CAPTURECHANGED:
        // Another window took the mouse in the middle of a press (a dialog, Alt+Tab): the press
        // ends without a click.
        InputRouter::instance().pointer().captureChanged(*this);
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            POINT cursor;
            GetCursorPos(&cursor);
            ScreenToClient(window, &cursor);
            GraphicControl* control = InputRouter::instance().pointer().targetAt(*this, Point{cursor.x, cursor.y});
            if (control && control->cursor() == Cursor::HandPoint) {
                SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
                return TRUE;
            }
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace fw
