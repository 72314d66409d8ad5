#include "framework/win32/DllSearchOrder.h"

#include "framework/win32/SystemLibrary.h"

#include <windows.h>

namespace fw {
namespace {

void restrictSearch() noexcept
{
    // SetDefaultDllDirectories came with Windows 8 and update KB2533623 for Windows 7; importing
    // it would keep the program from starting where it is missing, so it is looked up. kernel32
    // is mapped into every process: GetModuleHandle needs no reference to be released.
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const auto setDefaultDllDirectories = kernel ? reinterpret_cast<SetDefaultDllDirectoriesFunction>(
                                                       reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")))
                                                 : nullptr;
    if (setDefaultDllDirectories && setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32))
        return;

    // Without it the program's own folder cannot be taken out of the search; an empty DLL
    // directory at least takes out the current folder, which a shortcut or a command prompt may
    // have set anywhere.
    SetDllDirectoryA("");
}

}  // namespace

void restrictDllSearchToSystemFolder() noexcept
{
    restrictSearch();
    // Loaded now from the system folder and kept for the process's life, so that a later load
    // by name finds them already there.
    static const SystemLibrary pinned[] = {SystemLibrary("msimg32.dll"), SystemLibrary("uxtheme.dll"),
                                           SystemLibrary("dwmapi.dll")};
    (void)pinned;
}

}  // namespace fw
