// UpVelmora: the program entry. Initialises the application, creates the updater window and runs
// the message loop until the window ends it.

#include "framework/ui/app/Application.h"
#include "framework/win32/DllSearchOrder.h"
#include "updater/InstalledVersionRecord.h"
#include "updater/Unit1.h"

#include <windows.h>

#include <memory>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
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
