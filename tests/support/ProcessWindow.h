#pragma once
// Finding another process's window from outside, for the programs that start the updater and
// watch it (the end-to-end tests, the start-up benchmark). Header only, so that every program
// that drives the updater can take it without another library; like those programs it works
// with Win32 directly.

#include <windows.h>

#include <string>

namespace process_window {

namespace detail {

struct Search {
    DWORD processId;
    const char* className;
    HWND found;
};

inline BOOL CALLBACK visitTopLevel(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (owner != search->processId || !IsWindowVisible(window) || std::string(name) != search->className)
        return TRUE;
    search->found = window;
    return FALSE;  // found: stop enumerating
}

}  // namespace detail

// The first visible top-level window of class `className` that belongs to process `processId`,
// or null.
inline HWND findVisibleTopLevel(DWORD processId, const char* className)
{
    detail::Search search{processId, className, nullptr};
    EnumWindows(detail::visitTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace process_window
