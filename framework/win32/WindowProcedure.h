#pragma once
// Window procedures of the framework's own window classes, for its .cpp files only (this header
// includes <windows.h>).
//
// The C++ object that owns a window passes itself as the creation parameter; the procedure keeps
// it in GWLP_USERDATA and hands every later message to Owner::handleMessage. Messages before
// WM_NCCREATE, and those after the owner has cleared GWLP_USERDATA in its destructor, go to
// DefWindowProc.

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
    return owner->handleMessage(message, wParam, lParam);
}

// Registers the class once per process; later calls with the same name do nothing.
// Raises Win32Error when the system refuses it.
void registerWindowClass(const std::string& className, WNDPROC procedure, UINT style, HICON icon);

}  // namespace fw
