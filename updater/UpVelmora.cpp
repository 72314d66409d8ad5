// UpVelmora: the program entry. Initialises the application, creates the updater window and runs
// the message loop until the window ends it.

#include "framework/ui/Application.h"
#include "updater/InstalledVersionRecord.h"
#include "updater/Unit1.h"

#include <windows.h>

#include <memory>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
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
