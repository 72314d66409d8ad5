// Start to first complete paint: the time from starting a program until its window shows on the
// screen with its last control painted, for UpVelmora.exe (its "Inchide" button's outline) and
// for the minimal window program (its fill colour), started in turn the same number of times.
// Also the private memory of the idle updater, the floor of the update's memory figure.
//
//   startup_bench.exe <UpVelmora.exe> <minimal_window.exe> [runs]

#include "BenchStatistics.h"
#include "tests/support/ProcessWindow.h"

#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

struct Launch {
    double milliseconds = -1;
    SIZE_T privateBytes = 0;
};

// Starts `program` and waits until the screen shows `expected` at client point (x, y) of its
// window of class `className`.
Launch timeToPaint(const std::string& program, const char* className, int x, int y, COLORREF expected)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + program + "\"";
    const auto start = std::chrono::steady_clock::now();
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return {};
    Launch launch;
    HDC screen = GetDC(nullptr);
    const auto deadline = start + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        if (HWND window = process_window::findVisibleTopLevel(process.dwProcessId, className)) {
            POINT point{x, y};
            ClientToScreen(window, &point);
            if (GetPixel(screen, point.x, point.y) == expected) {
                launch.milliseconds =
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
                PROCESS_MEMORY_COUNTERS_EX memory{};
                if (GetProcessMemoryInfo(process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                                         sizeof memory))
                    launch.privateBytes = memory.PagefileUsage;  // Wine leaves PrivateUsage at 0
                break;
            }
        }
        std::this_thread::yield();
    }
    ReleaseDC(nullptr, screen);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // let the screen settle
    return launch;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench <UpVelmora.exe> <minimal_window.exe> [runs]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 9;
    // The updater lays itself out for the display's DPI: the point looked at is scaled as its
    // layout is. Its "Inchide" button's outline (top row, middle) appears with the rest of the face.
    HDC display = GetDC(nullptr);
    const int dpi = GetDeviceCaps(display, LOGPIXELSY);
    ReleaseDC(nullptr, display);
    const auto scaled = [dpi](int value) { return MulDiv(value, dpi, 96); };
    const int buttonX = scaled(8) + scaled(300) + scaled(108) / 2;
    const int buttonY = scaled(8) + scaled(120);
    std::vector<double> updater, minimal, idlePrivate;
    for (int run = 0; run < runs; ++run) {
        // The panel sits at (8, 8) of the form; the button, 108 wide, at (300, 120) of the panel.
        const Launch launch = timeToPaint(argv[1], "TForm1", buttonX, buttonY, RGB(0x80, 0x80, 0x00));
        if (launch.milliseconds >= 0) {
            updater.push_back(launch.milliseconds);
            idlePrivate.push_back(static_cast<double>(launch.privateBytes) / 1024.0);
        }
        const Launch floor = timeToPaint(argv[2], "MinimalWindow", 10, 10, RGB(0xCB, 0xCE, 0x5B));
        if (floor.milliseconds >= 0)
            minimal.push_back(floor.milliseconds);
    }
    std::printf("at %d DPI\n", dpi);
    bench::printHeader();
    bench::printRow("start to first complete paint (from its description)", bench::summarise(updater),
                    bench::summarise(minimal), "ms", "at most 1.2 x");
    const bench::Figure idle = bench::summarise(idlePrivate);
    bench::printRow("private memory of the idle updater", idle, idle, "KB", "the floor of the update's memory");
    if (updater.size() < static_cast<std::size_t>(runs) || minimal.size() < static_cast<std::size_t>(runs))
        std::printf("(%zu of %d updater starts and %zu of %d minimal starts were seen painted)\n", updater.size(), runs,
                    minimal.size(), runs);
    return 0;
}
