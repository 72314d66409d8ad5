#include "framework/ui/Panel.h"

#include "framework/core/Error.h"
#include "framework/graphics/SystemColors.h"
#include "framework/ui/Application.h"
#include "framework/ui/ColoredChild.h"
#include "framework/ui/GraphicControl.h"
#include "framework/win32/WindowProcedure.h"

#include <windowsx.h>

#include <algorithm>

namespace fw {
namespace {

constexpr const char* panelClassName = "TPanel";

Point pointOf(LPARAM lParam) { return Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

Point relativeTo(const GraphicControl& control, Point where)
{
    return Point{where.x - control.bounds().left, where.y - control.bounds().top};
}

}  // namespace

Panel::Panel(native::WindowHandle parent, Rect bounds, TColor color, native::FontHandle font) : font_(font)
{
    registerWindowClass(panelClassName, windowProcedureOf<Panel>, CS_DBLCLKS, nullptr);
    background_.reset(CreateSolidBrush(colorToRgb(color)));
    HWND window = CreateWindowExA(0, panelClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, bounds.left,
                                  bounds.top, bounds.width, bounds.height, parent, nullptr,
                                  GetModuleHandleA(nullptr), this);
    if (!window)
        throw Win32Error("CreateWindowExA", GetLastError());
    window_.reset(window);
}

Panel::~Panel()
{
    if (window_)
        SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
}

void Panel::addControl(GraphicControl& control)
{
    controls_.push_back(&control);
    invalidate(control.bounds());
}

void Panel::removeControl(GraphicControl& control)
{
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
    if (hovered_ == &control)
        hovered_ = nullptr;
    if (captured_ == &control) {
        captured_ = nullptr;
        if (GetCapture() == window_.get())
            ReleaseCapture();
    }
    invalidate(control.bounds());
}

void Panel::invalidate(Rect area)
{
    RECT rect{area.left, area.top, area.right(), area.bottom()};
    InvalidateRect(window_.get(), &rect, TRUE);
}

GraphicControl* Panel::controlAt(Point where, bool enabledOnly) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        GraphicControl* control = *it;
        if (control->isVisible() && (!enabledOnly || control->isEnabled()) && control->bounds().contains(where))
            return control;
    }
    return nullptr;
}

void Panel::mouseMoved(Point where)
{
    // WM_MOUSELEAVE is sent once per TrackMouseEvent call, so tracking is re-armed after each.
    if (!isTrackingLeave_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_.get(), 0};
        isTrackingLeave_ = TrackMouseEvent(&track) != FALSE;
    }
    GraphicControl* under = controlAt(where, false);
    if (captured_ && under != captured_)
        under = nullptr;  // while captured, only the capturing control enters and leaves
    if (under == hovered_)
        return;
    GraphicControl* previous = hovered_;
    hovered_ = under;
    if (previous)
        runHandler([&] { previous->mouseLeave(); });
    if (under && hovered_ == under)
        runHandler([&] { under->mouseEnter(); });
}

void Panel::pressed(MouseButton button, Point where)
{
    GraphicControl* target = captured_ ? captured_ : controlAt(where, true);
    if (!target)
        return;
    if (button == MouseButton::Left) {
        captured_ = target;
        SetCapture(window_.get());
    }
    runHandler([&] { target->mouseDown(button, relativeTo(*target, where)); });
}

void Panel::released(MouseButton button, Point where)
{
    GraphicControl* target = captured_ ? captured_ : controlAt(where, true);
    if (button == MouseButton::Left && captured_) {
        captured_ = nullptr;  // cleared first: ReleaseCapture sends WM_CAPTURECHANGED
        ReleaseCapture();
        if (target->bounds().contains(where))
            runHandler([&] { target->click(); });
    }
    // The click handler may have removed the control.
    if (target && std::find(controls_.begin(), controls_.end(), target) != controls_.end())
        runHandler([&] { target->mouseUp(button, relativeTo(*target, where)); });
    mouseMoved(where);
}

void Panel::paint()
{
    PAINTSTRUCT paintInfo;
    HDC dc = BeginPaint(window_.get(), &paintInfo);
    RECT client;
    GetClientRect(window_.get(), &client);
    FillRect(dc, &client, background_.get());

    // Raised bevel: light on the top and left edges, shadow on the bottom and right ones.
    HPEN light = static_cast<HPEN>(GetStockObject(DC_PEN));
    HGDIOBJ oldPen = SelectObject(dc, light);
    SetDCPenColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    MoveToEx(dc, 0, client.bottom - 1, nullptr);
    LineTo(dc, 0, 0);
    LineTo(dc, client.right - 1, 0);
    SetDCPenColor(dc, GetSysColor(COLOR_BTNSHADOW));
    LineTo(dc, client.right - 1, client.bottom - 1);
    LineTo(dc, -1, client.bottom - 1);
    SelectObject(dc, oldPen);

    for (GraphicControl* control : controls_) {
        if (!control->isVisible())
            continue;
        const Rect bounds = control->bounds();
        RECT area{bounds.left, bounds.top, bounds.right(), bounds.bottom()};
        RECT overlap;
        if (!IntersectRect(&overlap, &area, &paintInfo.rcPaint))
            continue;
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
        SetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
        runHandler([&] { control->paint(dc); });
        RestoreDC(dc, saved);
    }
    EndPaint(window_.get(), &paintInfo);
}

long long Panel::handleMessage(unsigned message, unsigned long long wParam, long long lParam)
{
    HWND window = window_.get();
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
    case WM_MOUSEMOVE:
        mouseMoved(pointOf(lParam));
        return 0;
    case WM_MOUSELEAVE:
        isTrackingLeave_ = false;
        if (hovered_ && !captured_) {
            GraphicControl* previous = hovered_;
            hovered_ = nullptr;
            runHandler([&] { previous->mouseLeave(); });
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // the second press of a double-click is a press like the first
        pressed(MouseButton::Left, pointOf(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        pressed(MouseButton::Right, pointOf(lParam));
        return 0;
    case WM_MBUTTONDOWN:
        pressed(MouseButton::Middle, pointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        released(MouseButton::Left, pointOf(lParam));
        return 0;
    case WM_RBUTTONUP:
        released(MouseButton::Right, pointOf(lParam));
        return 0;
    case WM_MBUTTONUP:
        released(MouseButton::Middle, pointOf(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        // Another window took the mouse in the middle of a press (a dialog, Alt+Tab): the press
        // ends without a click.
        if (captured_) {
            GraphicControl* lost = captured_;
            captured_ = nullptr;
            runHandler([&] { lost->captureLost(); });
        }
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            POINT cursor;
            GetCursorPos(&cursor);
            ScreenToClient(window, &cursor);
            GraphicControl* control = controlAt(Point{cursor.x, cursor.y}, false);
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
