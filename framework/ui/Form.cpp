#include "framework/ui/Form.h"

#include "framework/core/Error.h"
#include "framework/graphics/SystemColors.h"
#include "framework/ui/Application.h"
#include "framework/ui/GraphicControl.h"
#include "framework/ui/Panel.h"
#include "framework/win32/WindowProcedure.h"

#include <algorithm>

namespace fw {
namespace {

constexpr DWORD formStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

std::vector<Form*>& forms()
{
    static std::vector<Form*> list;
    return list;
}

// Looked up at run time, as systems without layered windows lack it.
using SetLayeredWindowAttributesFunction = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

void applyColorKey(HWND window, TColor key)
{
    HMODULE user32 = GetModuleHandleA("user32.dll");
    auto setLayered = user32 ? reinterpret_cast<SetLayeredWindowAttributesFunction>(
                                   reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")))
                             : nullptr;
    if (!setLayered)
        return;
    SetWindowLongPtrA(window, GWL_EXSTYLE, GetWindowLongPtrA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    // The alpha value is stored along with the key, but only the colour key is switched on.
    setLayered(window, static_cast<COLORREF>(key), 220, LWA_COLORKEY);
}

}  // namespace

Form::Form(const CreateArgs& args) : isTopMost_(args.isTopMost), keyPreview_(args.keyPreview)
{
    // Icons loaded by name from the executable are shared: the system frees them.
    HICON icon = args.iconResource.empty() ? nullptr : LoadIconA(GetModuleHandleA(nullptr), args.iconResource.c_str());
    registerWindowClass(args.className, windowProcedureOf<Form>, 0, icon);

    font_.setName(args.fontName);
    font_.setHeight(args.fontHeight);
    background_.reset(CreateSolidBrush(colorToRgb(args.color)));

    const DWORD exStyle = args.isTopMost ? WS_EX_TOPMOST : 0;
    RECT frame{0, 0, args.clientWidth, args.clientHeight};
    AdjustWindowRectEx(&frame, formStyle, FALSE, exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    // Centred on the desktop.
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

    HWND window = CreateWindowExA(exStyle, args.className.c_str(), args.caption.c_str(), formStyle, left, top,
                                  width, height, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    if (!window)
        throw Win32Error("CreateWindowExA", GetLastError());
    window_.reset(window);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.handle()), FALSE);
    if (args.transparentColorKey != clNone)
        applyColorKey(window, args.transparentColorKey);
    forms().push_back(this);
}

Form::~Form()
{
    auto& list = forms();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    // Stop routing messages to this object before the window goes away.
    if (window_)
        SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
}

const std::vector<Form*>& Form::liveForms() { return forms(); }

void Form::show()
{
    // The window appears also when onShow fails: a main form left hidden behind the error display
    // would be a process with no window that nobody can close.
    const auto makeVisible = [this] {
        ShowWindow(window_.get(), SW_SHOW);
        UpdateWindow(window_.get());
    };
    try {
        if (onShow)
            onShow();
    } catch (...) {
        makeVisible();
        throw;
    }
    makeVisible();
}

void Form::setCaption(const std::string& caption) { SetWindowTextA(window_.get(), caption.c_str()); }

std::string Form::caption() const
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window_.get())) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window_.get(), text.data(), static_cast<int>(text.size()))));
    return text;
}

void Form::setTopMostPlace(bool onTop)
{
    if (!isTopMost_)
        return;
    SetWindowPos(window_.get(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::previewKey(int& key)
{
    if (keyPreview_ && onKeyDown)
        runHandler([&] { onKeyDown(key); });
}

bool Form::dialogChar(unsigned character)
{
    // A handler may create or free panels and controls: walk copies and look each one up again.
    const std::vector<Panel*> panels = Panel::livePanels();
    for (Panel* panel : panels) {
        if (GetAncestor(panel->handle(), GA_ROOT) != window_.get())
            continue;
        for (int index = 0; index < panel->controlCount(); ++index) {
            const auto& live = Panel::livePanels();
            if (std::find(live.begin(), live.end(), panel) == live.end())
                break;
            long long used = 0;
            GraphicControl& control = panel->control(index);
            runHandler([&] { used = control.perform(message::dialogChar, character, 0); });
            if (used)
                return true;
        }
    }
    return false;
}

long long Form::handleMessage(unsigned message, unsigned long long wParam, long long lParam)
{
    HWND window = window_.get();
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, background_.get());
        return 1;
    }
    case WM_KEYDOWN: {
        // Keys sent to the form itself (no child has the focus); children's keys are previewed
        // by the message loop.
        int key = static_cast<int>(wParam);
        previewKey(key);
        if (key == 0)
            return 0;
        break;
    }
    case WM_CLOSE:
        runHandler([&] {
            if (onClose)
                onClose();
            else if (Application::instance().mainForm() == this)
                Application::instance().terminate();
        });
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace fw
