#pragma once
// Window procedures of the framework's own window classes, for its .cpp files only (this header
// includes <windows.h>).
//
// The C++ object that owns a window passes itself as the creation parameter; the procedure keeps
// it in GWLP_USERDATA and hands every later message to Owner::handleMessage. Messages before
// WM_NCCREATE, and those after the owner has cleared GWLP_USERDATA in its destructor, go to
// DefWindowProc.
//
// This is where Windows calls into our code, so nothing may be thrown out of it: an exception
// that unwinds through a window procedure ends a 64-bit process or is swallowed by the system,
// depending on who called. What a handler throws goes to the error display (runHandler), and
// the message gets the system's default answer, as if we had not handled it: a paint whose
// handler failed is still validated, a colour request gets the system's colours.

#include "framework/core/RunHandler.h"

#include <windows.h>

#include <string>

namespace fw {

template <typename Owner>
LRESULT CALLBACK windowProcedureOf(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!owner || owner->handle() != window)
        return DefWindowProcA(window, message, wParam, lParam);
    LRESULT result = 0;
    bool isHandled = false;
    runHandler([&] {
        result = owner->handleMessage(message, wParam, lParam);
        isHandled = true;
    });
    return isHandled ? result : DefWindowProcA(window, message, wParam, lParam);
}

// Registers the class once per process; later calls with the same name do nothing.
// Raises Win32Error when the system refuses it.
void registerWindowClass(const std::string& className, WNDPROC procedure, UINT style, HICON icon);

}  // namespace fw
