#include "UpdaterDriver.h"

#include "framework/core/Error.h"
#include "framework/win32/Win32Error.h"
#include "tests/support/ProcessWindow.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace e2e {
namespace {

using process_window::waitUntil;
using process_window::windowText;

HWND findChildOfClass(HWND parent, const char* name) { return FindWindowExA(parent, nullptr, name, nullptr); }

void sendMouseButton(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

}  // namespace

UpdaterDriver::UpdaterDriver(const std::string& executable, const StartArgs& args)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION information{};
    std::string commandLine = "\"" + executable + "\"";
    if (!CreateProcessA(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        args.currentFolder.empty() ? nullptr : args.currentFolder.c_str(), &startup, &information))
        throw fw::Win32Error("CreateProcessA " + executable, GetLastError());
    fw::UniqueKernelHandle thread(information.hThread);
    process_.reset(information.hProcess);
    processId_ = information.dwProcessId;
}

UpdaterDriver::~UpdaterDriver()
{
    if (WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool UpdaterDriver::waitForWindow(std::chrono::milliseconds timeout)
{
    return waitUntil(
        [&] {
            window_ = process_window::findVisibleTopLevel(processId_, "TForm1");
            return window_ != nullptr;
        },
        timeout);
}

std::string UpdaterDriver::title() const { return windowText(window_); }

bool UpdaterDriver::isTopMost() const { return (GetWindowLongPtrA(window_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

bool UpdaterDriver::waitForTopMost(bool expected, std::chrono::milliseconds timeout) const
{
    return waitUntil([&] { return isTopMost() == expected; }, timeout);
}

HWND UpdaterDriver::panel() const { return findChildOfClass(window_, "TPanel"); }

std::vector<std::string> UpdaterDriver::reportLines() const
{
    HWND memo = findChildOfClass(panel(), "Edit");
    std::vector<std::string> lines;
    const std::string text = memo ? windowText(memo) : std::string();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

bool UpdaterDriver::waitForReportLines(std::size_t count, std::chrono::milliseconds timeout) const
{
    return waitUntil([&] { return reportLines().size() >= count; }, timeout);
}

bool UpdaterDriver::isNewestReportLineVisible() const
{
    HWND memo = findChildOfClass(panel(), "Edit");
    // Every line ends in CR LF, so the edit's last line is the empty one after the newest line.
    const auto lineCount = SendMessageA(memo, EM_GETLINECOUNT, 0, 0);
    if (!memo || lineCount < 3)
        return false;
    auto lineTop = [&](LRESULT line) {
        const auto position = SendMessageA(memo, EM_POSFROMCHAR, SendMessageA(memo, EM_LINEINDEX, line, 0), 0);
        return static_cast<int>(static_cast<short>(HIWORD(position)));
    };
    const int top = lineTop(lineCount - 2);
    const int height = top - lineTop(lineCount - 3);
    RECT client;
    GetClientRect(memo, &client);
    return top >= 0 && top + height <= client.bottom;
}

void UpdaterDriver::clickScreenAt(int x, int y)
{
    SetCursorPos(x, y);
    std::this_thread::sleep_for(150ms);  // let the window see the pointer arrive (hover)
    sendMouseButton(MOUSEEVENTF_LEFTDOWN);
    std::this_thread::sleep_for(100ms);
    sendMouseButton(MOUSEEVENTF_LEFTUP);
    std::this_thread::sleep_for(100ms);
}

void UpdaterDriver::clickPanelAt(int x, int y)
{
    POINT point{x, y};
    ClientToScreen(panel(), &point);
    clickScreenAt(point.x, point.y);
}

void UpdaterDriver::movePointerToPanel(int x, int y)
{
    POINT point{x, y};
    ClientToScreen(panel(), &point);
    SetCursorPos(point.x, point.y);
    std::this_thread::sleep_for(200ms);  // let the window see the pointer and repaint
}

void UpdaterDriver::pressLeftButton()
{
    sendMouseButton(MOUSEEVENTF_LEFTDOWN);
    std::this_thread::sleep_for(200ms);
}

void UpdaterDriver::releaseLeftButton()
{
    sendMouseButton(MOUSEEVENTF_LEFTUP);
    std::this_thread::sleep_for(200ms);
}

unsigned long UpdaterDriver::panelPixelOnScreen(int x, int y) const
{
    POINT point{x, y};
    ClientToScreen(panel(), &point);
    HDC screen = GetDC(nullptr);
    const COLORREF value = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return value;
}

void UpdaterDriver::pressKey(unsigned short virtualKey)
{
    // Keys go to the window that has the keyboard focus; under X without a window manager that
    // is the window under the pointer, so the pointer goes over the report box first.
    RECT bounds;
    GetWindowRect(window_, &bounds);
    SetCursorPos((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2 - 20);
    SetForegroundWindow(window_);
    std::this_thread::sleep_for(150ms);
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = virtualKey;
    inputs[1] = inputs[0];
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

bool UpdaterDriver::typeOnXKeyboard(const std::string& actions)
{
    return process_window::typeOnXKeyboard(window_, actions);
}

bool UpdaterDriver::waitForDialogGone(std::chrono::milliseconds timeout)
{
    HWND dialog = findDialog();
    return waitUntil([&] { return !dialog || !IsWindow(dialog); }, timeout);
}

void UpdaterDriver::closeWithCloseBox() { PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0); }

HWND UpdaterDriver::findDialog() const
{
    return process_window::findVisibleTopLevel(processId_, "#32770");
}

bool UpdaterDriver::isDialogOpen() const { return findDialog() != nullptr; }

bool UpdaterDriver::waitForDialog(DialogContents& contents, std::chrono::milliseconds timeout)
{
    HWND dialog = nullptr;
    if (!waitUntil([&] { return (dialog = findDialog()) != nullptr; }, timeout))
        return false;
    contents.caption = windowText(dialog);
    RECT bounds;
    GetWindowRect(dialog, &bounds);
    contents.centerX = (bounds.left + bounds.right) / 2;
    contents.centerY = (bounds.top + bounds.bottom) / 2;
    // The message text is the static control with id 0xFFFF.
    HWND text = GetDlgItem(dialog, 0xFFFF);
    contents.text = text ? windowText(text) : std::string();
    return true;
}

bool UpdaterDriver::clickDialogOk(std::chrono::milliseconds timeout)
{
    HWND dialog = findDialog();
    HWND ok = dialog ? GetDlgItem(dialog, IDOK) : nullptr;
    if (!ok)
        return false;
    RECT bounds;
    GetWindowRect(ok, &bounds);
    clickScreenAt((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
    // Gone, not just hidden: under Wine without a window manager the hidden dialog lives on for
    // about two seconds (see "Notes on Wine" in the README), and a click sent meanwhile opens the
    // next dialog below its owner, where it cannot be clicked.
    return waitUntil([&] { return !IsWindow(dialog); }, timeout);
}

void UpdaterDriver::saveScreenshot(const std::string& name) const
{
    const char* folder = std::getenv("VELMORA_SCREENSHOT_DIR");
    if (!folder || !*folder)
        return;
    std::this_thread::sleep_for(300ms);  // let the last change reach the screen
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // bottom-up, as a BMP file stores it
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    fw::UniqueMemoryDc memory(CreateCompatibleDC(screen));
    fw::UniqueBitmap bitmap(CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits,
                                             nullptr, 0));
    if (memory && bitmap) {
        HGDIOBJ old = SelectObject(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, screen, 0, 0, SRCCOPY);
        SelectObject(memory.get(), old);
        GdiFlush();
    }
    ReleaseDC(nullptr, screen);
    if (!bits)
        return;

    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + stride * static_cast<DWORD>(height);
    std::ofstream out(std::string(folder) + "\\" + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(static_cast<const char*>(bits), static_cast<std::streamsize>(stride) * height);
}

bool UpdaterDriver::waitForExit(std::chrono::milliseconds timeout)
{
    return WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

}  // namespace e2e
