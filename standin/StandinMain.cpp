// The stand-in Velmora: one plain window whose title names the version, open until closed.
// Deliberately free of the framework, so that it stays a small, self-contained payload.

#include "updater/logic/VersionNumber.h"

#include <windows.h>

#include <string>

namespace {

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    const std::string title =
        "Velmora " + velmora::VersionNumber::fromScaled(VELMORA_VERSION_SCALED).text('.');

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "VelmoraStandin";
    if (!RegisterClassA(&windowClass))
        return 1;

    // The window is destroyed by DefWindowProc on WM_CLOSE (the close box); WM_DESTROY then ends
    // the message loop. Nothing else owns it.
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 360, 160, nullptr, nullptr,
                                  instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, showCommand);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
