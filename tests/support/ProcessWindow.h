#pragma once
// Finding another process's window from outside and typing into it, for the programs that start
// the updater or the example and watch them (the end-to-end tests, the start-up benchmark). Header only, so that every program
// that drives the updater can take it without another library; like those programs it works
// with Win32 directly.

#include <windows.h>

#include <algorithm>
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

// Keys from the X server's own keyboard (xdotool through XTEST), as a person types them: the key
// events reach Wine from X, auto-repeat included, and go to the window under the pointer (X's
// focus follows the pointer), so the pointer is put over `window` first. `actions` are
// xdotool's, e.g. "key Tab key space". False when xdotool could not be run (not under Wine).
inline bool typeOnXKeyboard(HWND window, const std::string& actions)
{
    RECT bounds;
    GetWindowRect(window, &bounds);
    SetCursorPos((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2 - 20);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    // Wine starts a Linux program given by its Unix path as it starts a Windows one, but the
    // handle it returns for it cannot be waited on (WAIT_FAILED): the shell leaves a file behind
    // when xdotool is done, which we wait for through drive Z:, the Linux root.
    static int typing = 0;
    const std::string done =
        "/tmp/velmora-typed-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++typing);
    std::string doneOnZ = "Z:" + done;
    std::replace(doneOnZ.begin(), doneOnZ.end(), '/', '\\');
    std::string commandLine = "/bin/sh -c \"/usr/bin/xdotool " + actions + " && touch " + done + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION information{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &information))
        return false;
    CloseHandle(information.hThread);
    const bool typed =
        waitUntil([&] { return GetFileAttributesA(doneOnZ.c_str()) != INVALID_FILE_ATTRIBUTES; }, std::chrono::seconds(15));
    CloseHandle(information.hProcess);
    DeleteFileA(doneOnZ.c_str());
    return typed;
}

}  // namespace process_window
