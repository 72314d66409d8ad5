// The example program (examples/), built from the installed package, seen from another process:
// its window appears with its buttons as a screen reader lists them, it carries the arrow bitmap
// that its popup-menu button paints, a button press reaches the program, its own check box is
// reached with Tab and toggled with Space, and it ends when its window is closed.

#include "tests/AccessibleClient.h"
#include "tests/support/ProcessWindow.h"
#include "tests/support/Watchdog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using namespace accessible_client;

// Drive Z: is the Linux root under Wine.
const std::string exampleExecutable = std::string("Z:") + EXAMPLE_UNIX_PATH;

using process_window::waitUntil;
using process_window::windowText;

// The example in a process of its own, ended on every path out of the test.
class ExampleProcess {
public:
    ExampleProcess()
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + exampleExecutable + "\"";
        if (CreateProcessA(exampleExecutable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &information_))
            CloseHandle(information_.hThread);
    }
    ~ExampleProcess()
    {
        if (!information_.hProcess)
            return;
        if (WaitForSingleObject(information_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(information_.hProcess, 1);
            WaitForSingleObject(information_.hProcess, 5000);
        }
        CloseHandle(information_.hProcess);
    }
    ExampleProcess(const ExampleProcess&) = delete;
    ExampleProcess& operator=(const ExampleProcess&) = delete;

    bool isStarted() const { return information_.hProcess != nullptr; }
    HWND waitForWindow(const char* className) const
    {
        HWND window = nullptr;
        waitUntil([&] { return (window = process_window::findVisibleTopLevel(information_.dwProcessId, className)); },
                  15s);
        return window;
    }
    // The exit code once the process has ended; -1 while it still runs after `timeout`.
    long waitForExit(std::chrono::milliseconds timeout) const
    {
        if (WaitForSingleObject(information_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(information_.hProcess, &code);
        return static_cast<long>(code);
    }

private:
    PROCESS_INFORMATION information_{};
};

// "name (role, state)" of each child, as describe() gives it, but without the hot-tracked state:
// the window appears wherever the pointer happens to rest.
std::vector<std::string> describeButtons(IAccessible* panel)
{
    std::vector<std::string> described;
    for (const Element& child : children(panel))
        described.push_back(name(child) + " (" + std::to_string(role(child)) + ", " +
                            std::to_string(state(child) & ~STATE_SYSTEM_HOTTRACKED) + ")");
    return described;
}

TEST(ExampleProgram, CarriesTheDropDownArrowOfThePackage)
{
    HMODULE image = LoadLibraryExA(exampleExecutable.c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(image, nullptr) << exampleExecutable << ": " << GetLastError();
    EXPECT_NE(FindResourceA(image, "LBARROW", MAKEINTRESOURCEA(2) /* RT_BITMAP */), nullptr);
    FreeLibrary(image);
}

TEST(ExampleProgram, ShowsItsButtonsToScreenReadersAndAnswersThem)
{
    test_support::Watchdog watchdog("ExampleProgram.ShowsItsButtonsToScreenReadersAndAnswersThem", 90s);
    ExampleProcess example;
    ASSERT_TRUE(example.isStarted()) << exampleExecutable << ": " << GetLastError();
    HWND window = example.waitForWindow("TButtonExample");
    ASSERT_NE(window, nullptr) << "the example's window did not appear";
    EXPECT_EQ(windowText(window), "Velmora buttons");
    HWND panel = FindWindowExA(window, nullptr, "TPanel", nullptr);
    ASSERT_NE(panel, nullptr);

    ComApartment com;
    auto panelObject = objectFromWindow(panel);
    ASSERT_TRUE(panelObject);
    // Captions as shown ("&Save" shows an underlined S); the first of the group is down.
    EXPECT_EQ(describeButtons(panelObject.get()),
              (std::vector<std::string>{"Remember the choice (" + std::to_string(ROLE_SYSTEM_CHECKBUTTON) + ", " +
                                            std::to_string(STATE_SYSTEM_FOCUSABLE) + ")",
                                        pushButton("Left", STATE_SYSTEM_PRESSED), pushButton("Centre", 0),
                                        pushButton("Right", 0), pushButton("Save", 0), pushButton("Slow fade", 0),
                                        pushButton("File", 0)}));
    const Element save = childNamed(panelObject.get(), "Save");
    ASSERT_TRUE(save.object);
    EXPECT_EQ(text(save, &IAccessible::get_accKeyboardShortcut), "Alt+S");

    // Pressed as a screen reader presses it: its click handler runs in the example.
    ASSERT_EQ(doDefaultAction(save), S_OK);
    EXPECT_TRUE(waitUntil([&] { return windowText(window) == "Velmora buttons - saved"; }, 10s))
        << windowText(window);
    // Painting every face, the drop-down arrow's included, raised no error box.
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    EXPECT_EQ(process_window::findVisibleTopLevel(processId, "#32770"), nullptr);

    // The check box, written outside the libraries: the one tab stop, toggled by Space.
    ASSERT_TRUE(process_window::typeOnXKeyboard(window, "key Tab key space")) << "xdotool could not be run";
    const Element box = childNamed(panelObject.get(), "Remember the choice");
    ASSERT_TRUE(box.object);
    EXPECT_TRUE(waitUntil([&] { return (state(box) & STATE_SYSTEM_CHECKED) != 0; }, 10s)) << state(box);
    EXPECT_EQ(state(box) & (STATE_SYSTEM_FOCUSED | STATE_SYSTEM_CHECKED), STATE_SYSTEM_FOCUSED | STATE_SYSTEM_CHECKED);
    EXPECT_EQ(text(box, &IAccessible::get_accDefaultAction), "Uncheck");
    EXPECT_EQ(windowText(window), "Velmora buttons - remembered");

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(example.waitForExit(10s), 0);
}

}  // namespace
