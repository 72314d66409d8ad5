#pragma once
// Finding another process's window from outside, for the programs that start the updater and
// watch it (the end-to-end tests, the start-up benchmark). Header only, so that every program
// that drives the updater can take it without another library; like those programs it works
// with Win32 directly.

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

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

// Polls `condition` every 50 ms until it holds (true) or `timeout` has passed (false): every wait
// for another process has a deadline, so a hang fails instead of blocking.
template <typename Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

// A window's text; WM_GETTEXT, unlike GetWindowText, reads the controls of other processes too.
inline std::string windowText(HWND window)
{
    const auto length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

}  // namespace process_window
