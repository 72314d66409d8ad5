#include "framework/win32/SystemLibrary.h"

#include <windows.h>

#include <string>

namespace fw {
namespace {

HMODULE loadFromSystemFolder(const char* fileName)
{
    // The flag also keeps the DLL's own dependencies to the system folder.
    HMODULE module = LoadLibraryExA(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module || GetLastError() != ERROR_INVALID_PARAMETER)
        return module;
    // Windows 7 without update KB2533623 does not know the flag. A full path is then loaded from
    // that path only, and LOAD_WITH_ALTERED_SEARCH_PATH looks for its dependencies beside it first.
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    const std::string path = std::string(folder, length) + "\\" + fileName;
    return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

SystemLibrary::SystemLibrary(const char* fileName) : module_(loadFromSystemFolder(fileName)) {}

SystemLibrary::Address SystemLibrary::address(const char* name) const
{
    if (!module_)
        return nullptr;
    return reinterpret_cast<Address>(GetProcAddress(module_.get(), name));
}

}  // namespace fw
