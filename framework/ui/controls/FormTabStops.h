#pragma once
// The controls of a form as the keyboard router walks them, and what it asks of child windows
// that are not ours: the form's window-less controls that are tab stops (in their panels' order)
// and its child windows with WS_TABSTOP (in the order Windows lists them), each with its TabOrder
// and creation number; what a child window wants of the keyboard (WM_GETDLGCODE), as a dialog
// asks it; and the focus given to a child window as a dialog gives it.
//
// One of our child windows that can be a tab stop (the memo) keeps its TabOrder and creation
// number with the window (setWindowTabOrder, setWindowCreationNumber) and takes them off before
// it goes (forgetWindowTabStop). A child window without them is ordered as TabOrder 0, after
// everything of ours.

#include "framework/ui/model/TabOrder.h"
#include "framework/win32/NativeTypes.h"

#include <functional>
#include <vector>

namespace fw {

class GraphicControl;

struct FormTabStop {
    TabStop order;
    GraphicControl* control = nullptr;      // not owned; null for a child window
    native::WindowHandle window = nullptr;  // not owned; null for a window-less control
};

std::vector<FormTabStop> tabStopsOf(native::WindowHandle form);
// Hands each window-less control of the form, panel by panel in the order they were made, to
// `takes` until it returns true; false when none did. Panels and controls that `takes` frees or
// makes on the way are looked up again, not walked blind.
bool untilOneOfItsControlsTakes(native::WindowHandle form, const std::function<bool(GraphicControl&)>& takes);

void setWindowTabOrder(native::WindowHandle window, int tabOrder);
void setWindowCreationNumber(native::WindowHandle window, long long madeAt);
void forgetWindowTabStop(native::WindowHandle window);

// WM_GETDLGCODE of `window` for the message given.
long long dialogCodeOf(native::WindowHandle window, unsigned message, unsigned long long wParam, long long lParam);
// Enter in a focused child window: kept by one that wants every key, except an edit control
// without ES_WANTRETURN, which in a dialog hands Enter on to the default button. So a single-line
// or read-only report box lets Enter press the default; an editable one with ES_WANTRETURN breaks
// the line.
bool keepsEnter(native::WindowHandle window, unsigned long long wParam, long long lParam);
// The system's focus for a child window; a text box reached with Tab has its whole text
// selected, ready to copy, as in a dialog.
void focusChildWindow(native::WindowHandle window);

}  // namespace fw
