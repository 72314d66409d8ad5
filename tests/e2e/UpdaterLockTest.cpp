// The updater among other programs: one that holds Velmora.exe for a moment, and a second updater
// started while the first runs. (Velmora itself running: UpdaterEndToEndTest.)

#include "UpdaterFixture.h"

#include "tests/AccessibleClient.h"
#include "tests/support/ProcessWindow.h"

#include <algorithm>
#include <thread>

using namespace std::chrono_literals;
using namespace e2e;
using process_window::waitUntil;

namespace {

using UpdaterAmongOthers = UpdaterEndToEnd;

bool isPressed(const accessible_client::Element& button)
{
    return (accessible_client::state(button) & STATE_SYSTEM_PRESSED) != 0;
}

}  // namespace

TEST_F(UpdaterAmongOthers, AReaderHoldingVelmoraForAMomentIsWaitedForAndTheUpdateGoesThrough)
{
    recordOlderInstallation();
    UpdaterDriver updater(updaterPath());
    ASSERT_TRUE(waitForCheck(updater, 2));
    // The update button as a screen reader in its own process finds it.
    accessible_client::ComApartment apartment;
    const auto panel = accessible_client::objectFromWindow(FindWindowExA(updater.window(), nullptr, "TPanel", nullptr));
    ASSERT_TRUE(panel);
    const auto button = accessible_client::childNamed(panel.get(), "Actualizare la versiunea " + builtInText);
    ASSERT_TRUE(button.object);

    // Another program reads Velmora.exe as scanners and shell extensions do: shared for reading only.
    fw::UniqueFile reader(CreateFileA(installedExe().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(reader) << "error " << GetLastError();
    const auto held = std::chrono::steady_clock::now();
    updater.clickUpdateButton();
    // Waiting: the button keeps its down face, and the window answers within half a second, as
    // Windows asks before it draws a window as not responding.
    EXPECT_TRUE(waitUntil([&] { return isPressed(button); }, 1s)) << "the update button looks ready";
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutA(updater.window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 500, &answer), 0)
        << "the window does not respond while the update waits";
    // Neither a second click nor Enter during the wait may start a second update.
    updater.clickUpdateButton();
    updater.pressKey(VK_RETURN);
    std::this_thread::sleep_for(300ms);
    EXPECT_FALSE(updater.isDialogOpen()) << "the update did not wait for the reader";
    // Held for 1.5 s, or longer on a slow machine, but well inside the three seconds of the wait.
    std::this_thread::sleep_until(held + 1500ms);
    ASSERT_LT(std::chrono::steady_clock::now() - held, 2500ms) << "this machine was too slow to judge the wait";
    reader.reset();

    DialogContents dialog;
    ASSERT_TRUE(updater.waitForDialog(dialog));
    EXPECT_EQ(dialog.caption, "Information");
    EXPECT_TRUE(readFile(installedExe()) == payload_) << "installed Velmora.exe is not the payload";
    EXPECT_EQ(recordValue("VER"), "Velmora " + builtInText);
    ASSERT_TRUE(updater.clickDialogOk());
    DialogContents another;
    EXPECT_FALSE(updater.waitForDialog(another, 1500ms)) << "a click or key made during the wait updated again";
    const std::vector<std::string> lines = updater.reportLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Versiune actualizata."), 1);
    EXPECT_FALSE(isPressed(button));
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"Velmora.exe"});

    updater.pressKey(VK_ESCAPE);
    EXPECT_TRUE(updater.waitForExit());
}

TEST_F(UpdaterAmongOthers, ASecondStartBringsTheFirstWindowToTheFrontAndEnds)
{
    recordOlderInstallation();
    UpdaterDriver first(updaterPath());
    ASSERT_TRUE(waitForCheck(first, 2));
    // Another program's window in front.
    startInstalledVelmora();
    HWND other = nullptr;
    ASSERT_TRUE(waitUntil(
        [&] { return (other = process_window::findVisibleTopLevel(GetProcessId(velmora_.get()), "VelmoraStandin")); },
        10s));
    SetForegroundWindow(other);
    ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == other; }, 2s));

    UpdaterDriver second(updaterPath());
    bool hasShownAWindow = false;
    EXPECT_TRUE(waitUntil(
        [&] {
            hasShownAWindow |= second.waitForWindow(0ms);
            return second.waitForExit(0ms);
        },
        5s))
        << "the second updater did not end by itself";
    EXPECT_FALSE(hasShownAWindow) << "the second updater showed a window of its own";
    EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == first.window(); }, 2s))
        << "the first updater's window is not in front";

    // The first one is as it was.
    EXPECT_EQ(first.reportLines().size(), 2u);
    first.pressKey(VK_ESCAPE);
    EXPECT_TRUE(first.waitForExit());
}
