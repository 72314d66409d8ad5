#include "framework/win32/DllSearchOrder.h"

#include <windows.h>

#include <string>

namespace fw {
namespace {

void loadFromSystemFolder(const char* fileName)
{
    if (LoadLibraryExA(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32) || GetLastError() != ERROR_INVALID_PARAMETER)
        return;
    // Windows 7 without update KB2533623 does not know the flag: a full path is loaded from that
    // path only, and LOAD_WITH_ALTERED_SEARCH_PATH looks for its own dependencies beside it.
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    const std::string path = std::string(folder, length) + "\\" + fileName;
    LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

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
    for (const char* fileName : {"msimg32.dll", "uxtheme.dll", "dwmapi.dll"})
        loadFromSystemFolder(fileName);
}

}  // namespace fw
