#include "framework/win32/WindowProcedure.h"

#include "framework/core/Error.h"
#include "framework/win32/Win32Error.h"

namespace fw {

void registerWindowClass(const std::string& className, WNDPROC procedure, UINT style, HICON icon)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, className.c_str(), &existing))
        return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = className.c_str();
    if (!RegisterClassExA(&windowClass))
        throw Win32Error("RegisterClassExA", GetLastError());
}

}  // namespace fw
