// UpVelmora: the program entry. Lets one updater run at a time, initialises the application,
// creates the updater window and runs the message loop until the window ends it.

#include "framework/system/SingleInstance.h"
#include "framework/ui/app/Application.h"
#include "framework/win32/DllSearchOrder.h"
#include "updater/InstalledVersionRecord.h"
#include "updater/Unit1.h"

#include <windows.h>

#include <cstring>
#include <memory>

namespace {

// In the session's namespace: an elevated updater and one started by the same user meet there.
constexpr const char* singleInstanceName = "Local\\Korvand.UpVelmora.OneAtATime";

// The running updater's window: of our class, and with our title, which other programs' forms of
// the same class do not have. It may still be on its way (its copy was started a moment ago).
HWND findRunningUpdaterWindow()
{
    constexpr const char* titleStart = "Velmora - UpGrade v.";
    for (int attempt = 0; attempt < 40; ++attempt) {
        for (HWND window = FindWindowExA(nullptr, nullptr, "TForm1", nullptr); window;
             window = FindWindowExA(nullptr, window, "TForm1", nullptr)) {
            char title[64] = {};
            GetWindowTextA(window, title, sizeof title);
            if (IsWindowVisible(window) && std::strncmp(title, titleStart, std::strlen(titleStart)) == 0)
                return window;
        }
        Sleep(50);
    }
    return nullptr;
}

void bringToFront(HWND window)
{
    if (IsIconic(window))
        ShowWindow(window, SW_RESTORE);
    // The message box it has open, if any: that is what takes the next click.
    SetForegroundWindow(GetLastActivePopup(window));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // Before anything else, the record included: a second updater would replace the same file and
    // write the same record. It brings the first one forward instead (people start the updater
    // again when its elevation prompt is slow to appear). Held until WinMain returns.
    const fw::SingleInstance instance(singleInstanceName);
    if (!instance.isFirst()) {
        if (HWND running = findRunningUpdaterWindow())
            bringToFront(running);
        return 0;
    }
    // Before the first window: making one is what brings in DLLs such as uxtheme by name.
    fw::restrictDllSearchToSystemFolder();
    fw::Application& application = fw::Application::instance();
    application.initialize();
    try {
        application.setMainForm(
            std::make_unique<velmora::TForm1>(velmora::InstalledVersionRecord::defaultKeyPath()));
    } catch (const std::exception& error) {
        application.showException(error);
        return 1;
    }
    return application.run();
}
