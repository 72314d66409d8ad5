#include "framework/ui/app/MessageDialog.h"

#include "framework/ui/windows/Form.h"

#include <windows.h>

namespace fw {
namespace {

// MessageBoxA places its box over the owner; ours go to the centre of the screen. A thread-local
// CBT hook sees the box being activated before it is shown and moves it there, then unhooks.
thread_local HHOOK centeringHook = nullptr;

// Called by Windows, so nothing may be thrown out of it: it calls only the system's C functions.
LRESULT CALLBACK centerOnActivate(int code, WPARAM wParam, LPARAM lParam)
{
    const HHOOK hook = centeringHook;
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        RECT bounds;
        if (GetWindowRect(box, &bounds)) {
            const int width = bounds.right - bounds.left;
            const int height = bounds.bottom - bounds.top;
            // Top-most as well: under Wine, when another program's window had been active, our
            // form could be raised above its own box after the box appeared, so that the box
            // showed on screen but every click on it went to the (disabled) form.
            SetWindowPos(box, HWND_TOPMOST, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                         (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        }
        UnhookWindowsHookEx(hook);
        centeringHook = nullptr;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

// Installs the hook for one message box and removes it on every path, also when the box never
// became active.
class CenteringHook {
public:
    CenteringHook()
    {
        centeringHook = SetWindowsHookExA(WH_CBT, centerOnActivate, nullptr, GetCurrentThreadId());
    }
    ~CenteringHook()
    {
        if (centeringHook)
            UnhookWindowsHookEx(centeringHook);
        centeringHook = nullptr;
    }
    CenteringHook(const CenteringHook&) = delete;
    CenteringHook& operator=(const CenteringHook&) = delete;
};

// Top-most forms would cover the box: they step back while it is open, and return afterwards.
class TopMostStepBack {
public:
    TopMostStepBack()
    {
        for (Form* form : Form::liveForms())
            form->setTopMostPlace(TopMostPlace::SteppedBack);
    }
    ~TopMostStepBack()
    {
        for (Form* form : Form::liveForms())
            form->setTopMostPlace(TopMostPlace::InFront);
    }
    TopMostStepBack(const TopMostStepBack&) = delete;
    TopMostStepBack& operator=(const TopMostStepBack&) = delete;
};

}  // namespace

int showCenteredMessageBox(const std::string& text, const std::string& caption, unsigned style)
{
    TopMostStepBack stepBack;
    CenteringHook hook;
    return MessageBoxA(Form::ownerForModal(), text.c_str(), caption.c_str(), style);
}

void showMessageDialog(const std::string& text, DialogType type)
{
    if (type == DialogType::Information)
        showCenteredMessageBox(text, "Information", MB_OK | MB_ICONINFORMATION);
    else
        showCenteredMessageBox(text, "Error", MB_OK | MB_ICONERROR);
}

}  // namespace fw
