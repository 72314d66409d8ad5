#include "framework/ui/controls/FormTabStops.h"

#include "framework/ui/controls/GraphicControl.h"
#include "framework/ui/controls/Panel.h"

#include <windows.h>

#include <algorithm>
#include <limits>

namespace fw {
namespace {

constexpr const char* tabOrderProperty = "FwTabOrder";
constexpr const char* creationNumberProperty = "FwMadeAt";

HANDLE propertyValue(long long value) { return reinterpret_cast<HANDLE>(static_cast<INT_PTR>(value)); }

bool isEditControl(HWND window)
{
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, "Edit") == 0;
}

BOOL CALLBACK addChildWindowStop(HWND window, LPARAM list)
{
    if (GetWindowLongPtrA(window, GWL_STYLE) & WS_TABSTOP) {
        const auto madeAt = reinterpret_cast<INT_PTR>(GetPropA(window, creationNumberProperty));
        const bool focusable = IsWindowVisible(window) && IsWindowEnabled(window);
        const TabStop order{static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(window, tabOrderProperty))),
                            madeAt ? madeAt : std::numeric_limits<long long>::max(),
                            focusable ? Focusable::Yes : Focusable::No};
        reinterpret_cast<std::vector<FormTabStop>*>(list)->push_back({order, nullptr, window});
    }
    return TRUE;
}

}  // namespace

std::vector<FormTabStop> tabStopsOf(native::WindowHandle form)
{
    std::vector<FormTabStop> stops;
    for (Panel* panel : Panel::livePanels()) {
        if (GetAncestor(panel->handle(), GA_ROOT) != form)
            continue;
        for (int index = 0; index < panel->controlCount(); ++index) {
            GraphicControl& control = panel->control(index);
            if (control.isTabStop())
                stops.push_back({{control.tabOrder(), control.madeAt(),
                                  control.canTakeFocus() ? Focusable::Yes : Focusable::No},
                                 &control});
        }
    }
    EnumChildWindows(form, addChildWindowStop, reinterpret_cast<LPARAM>(&stops));
    return stops;
}

bool untilOneOfItsControlsTakes(native::WindowHandle form, const std::function<bool(GraphicControl&)>& takes)
{
    const std::vector<Panel*> panels = Panel::livePanels();
    for (Panel* panel : panels) {
        const auto isLive = [&] {
            const auto& live = Panel::livePanels();
            return std::find(live.begin(), live.end(), panel) != live.end();
        };
        if (!isLive() || GetAncestor(panel->handle(), GA_ROOT) != form)
            continue;
        for (int index = 0; isLive() && index < panel->controlCount(); ++index)
            if (takes(panel->control(index)))
                return true;
    }
    return false;
}

void setWindowTabOrder(native::WindowHandle window, int tabOrder)
{
    SetPropA(window, tabOrderProperty, propertyValue(tabOrder));
}

void setWindowCreationNumber(native::WindowHandle window, long long madeAt)
{
    SetPropA(window, creationNumberProperty, propertyValue(madeAt));
}

void forgetWindowTabStop(native::WindowHandle window)
{
    RemovePropA(window, tabOrderProperty);
    RemovePropA(window, creationNumberProperty);
}

long long dialogCodeOf(native::WindowHandle window, unsigned message, unsigned long long wParam, long long lParam)
{
    // With the message it is about, as a dialog asks: some windows answer by the key.
    MSG asked{window, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    return SendMessageA(window, WM_GETDLGCODE, wParam, reinterpret_cast<LPARAM>(&asked));
}

bool keepsEnter(native::WindowHandle window, unsigned long long wParam, long long lParam)
{
    const long long wanted = dialogCodeOf(window, WM_KEYDOWN, wParam, lParam);
    if (!(wanted & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)))
        return false;
    return !isEditControl(window) || (GetWindowLongPtrA(window, GWL_STYLE) & ES_WANTRETURN);
}

void focusChildWindow(native::WindowHandle window)
{
    SetFocus(window);
    if (dialogCodeOf(window, WM_KEYDOWN, VK_TAB, 0) & DLGC_HASSETSEL)
        SendMessageA(window, EM_SETSEL, 0, -1);
}

}  // namespace fw
