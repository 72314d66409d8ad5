// The update without a mouse: Enter presses the update button, the window's default, once the
// check has enabled it; Tab reaches the report box and both buttons, Space presses the focused
// one, and screen readers follow the focus. Keys come from the X server's keyboard, as a person's do, so that Wine's
// own key handling (auto-repeat included) is what the updater sees.

#include "UpdaterFixture.h"

#include "tests/AccessibleClient.h"

#include <algorithm>
#include <thread>

using namespace std::chrono_literals;
using namespace e2e;

namespace {

class UpdaterKeyboard : public UpdaterEndToEnd {
protected:
    // How many updates the report shows: one line each.
    static long updatesIn(const std::vector<std::string>& lines)
    {
        return std::count(lines.begin(), lines.end(), std::string("Versiune actualizata."));
    }
    // Waits a while and says whether a dialog opened meanwhile.
    static bool dialogOpensWithin(UpdaterDriver& updater, std::chrono::milliseconds time)
    {
        DialogContents dialog;
        return updater.waitForDialog(dialog, time);
    }
};

}  // namespace

TEST_F(UpdaterKeyboard, EnterAfterTheCheckUpdatesAndTheEnterThatClosesTheBoxDoesNotUpdateAgain)
{
    recordOlderInstallation();
    UpdaterDriver updater(updaterPath());
    ASSERT_TRUE(waitForCheck(updater, 2));

    ASSERT_TRUE(updater.typeOnXKeyboard("key Return")) << "xdotool could not be run";
    DialogContents dialog;
    ASSERT_TRUE(updater.waitForDialog(dialog));
    EXPECT_EQ(dialog.caption, "Information");
    EXPECT_EQ(dialog.text, "Velmora a fost actualizat la versiunea " + builtInText + ".");
    EXPECT_TRUE(readFile(installedExe()) == payload_) << "installed Velmora.exe is not the payload";
    EXPECT_EQ(recordValue("VER"), "Velmora " + builtInText);

    // The box answers Enter with its OK button; that Enter must not reach the updater's window.
    ASSERT_TRUE(updater.typeOnXKeyboard("key Return"));
    ASSERT_TRUE(updater.waitForDialogGone());
    EXPECT_FALSE(dialogOpensWithin(updater, 1500ms)) << "the Enter that closed the box updated again";
    EXPECT_EQ(updatesIn(updater.reportLines()), 1);

    ASSERT_TRUE(updater.typeOnXKeyboard("key Escape"));
    EXPECT_TRUE(updater.waitForExit());
}

TEST_F(UpdaterKeyboard, AHeldEnterUpdatesOnce)
{
    recordOlderInstallation();
    UpdaterDriver updater(updaterPath());
    ASSERT_TRUE(waitForCheck(updater, 2));

    // Held for well over the X server's auto-repeat delay: the repeats arrive as key-downs.
    ASSERT_TRUE(updater.typeOnXKeyboard("keydown Return sleep 2 keyup Return"));
    // A repeat may have closed the box already; any box still open is closed with the mouse.
    if (updater.isDialogOpen()) {
        ASSERT_TRUE(updater.clickDialogOk());
    }
    ASSERT_TRUE(updater.waitForDialogGone());
    EXPECT_FALSE(dialogOpensWithin(updater, 1s));
    EXPECT_EQ(updatesIn(updater.reportLines()), 1) << "a held Enter repeated the update";
    EXPECT_TRUE(readFile(installedExe()) == payload_);
}

TEST_F(UpdaterKeyboard, EnterBeforeTheCheckOrWithoutAnInstallationDoesNothing)
{
    recordOlderInstallation();
    {
        UpdaterDriver updater(updaterPath());
        ASSERT_TRUE(updater.waitForWindow());
        // The check runs a second after the window appears; until then the button is disabled.
        ASSERT_TRUE(updater.typeOnXKeyboard("key Return"));
        ASSERT_TRUE(updater.waitForReportLines(2));
        EXPECT_FALSE(dialogOpensWithin(updater, 1s));
        EXPECT_EQ(updatesIn(updater.reportLines()), 0);
        EXPECT_TRUE(readFile(installedExe()) == oldVelmora_);
        ASSERT_TRUE(updater.typeOnXKeyboard("key Escape"));
        ASSERT_TRUE(updater.waitForExit());
    }

    deleteRecord();
    UpdaterDriver updater(updaterPath());
    ASSERT_TRUE(updater.waitForWindow());
    ASSERT_TRUE(updater.waitForReportLines(1));
    ASSERT_TRUE(updater.typeOnXKeyboard("key Return"));
    EXPECT_FALSE(dialogOpensWithin(updater, 1s)) << "Enter pressed the disabled update button";
    EXPECT_EQ(updater.reportLines(), std::vector<std::string>{"Programul Velmora NU este instalat aici!"});
    ASSERT_TRUE(updater.typeOnXKeyboard("key Escape"));
    EXPECT_TRUE(updater.waitForExit()) << "Escape no longer ends the updater";
}

TEST_F(UpdaterKeyboard, TabTabSpaceUpdatesOnceAndSpaceOnTheCloseButtonEndsTheProgram)
{
    recordOlderInstallation();
    UpdaterDriver updater(updaterPath());
    ASSERT_TRUE(waitForCheck(updater, 2));

    // Report box, then the update button; Space there presses it.
    ASSERT_TRUE(updater.typeOnXKeyboard("key Tab key Tab key space"));
    DialogContents dialog;
    ASSERT_TRUE(updater.waitForDialog(dialog));
    EXPECT_EQ(dialog.text, "Velmora a fost actualizat la versiunea " + builtInText + ".");
    EXPECT_TRUE(readFile(installedExe()) == payload_) << "installed Velmora.exe is not the payload";
    ASSERT_TRUE(updater.typeOnXKeyboard("key Return"));  // the box's OK
    ASSERT_TRUE(updater.waitForDialogGone());
    EXPECT_FALSE(dialogOpensWithin(updater, 1s)) << "closing the box updated again";
    EXPECT_EQ(updatesIn(updater.reportLines()), 1);

    // The focus came back to the update button with the window; Tab goes on to "Inchide".
    ASSERT_TRUE(updater.typeOnXKeyboard("key Tab key space"));
    EXPECT_TRUE(updater.waitForExit()) << "Space on the focused close button did not end the program";
}

TEST_F(UpdaterKeyboard, ScreenReadersFollowTheFocusThroughTab)
{
    using namespace accessible_client;
    recordOlderInstallation();
    ComApartment apartment;
    WinEventRecorder recorder(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, 0);
    ASSERT_TRUE(recorder.isHooked());
    UpdaterDriver updater(updaterPath());
    ASSERT_TRUE(waitForCheck(updater, 2));
    HWND panel = FindWindowExA(updater.window(), nullptr, "TPanel", nullptr);
    fw::ComPtr<IAccessible> panelObject = objectFromWindow(panel);
    ASSERT_TRUE(panelObject);
    const std::string updateName = "Actualizare la versiunea " + builtInText;
    const auto isFocused = [&](const std::string& name) {
        return (state(childNamed(panelObject.get(), name)) & STATE_SYSTEM_FOCUSED) != 0;
    };
    // The focus event of a window-less control names the panel's client area and its child id.
    const auto focusEventFor = [&](long childId) {
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        for (;;) {
            for (const WinEventRecorder::Event& event : recorder.about(panel))
                if (event.childId == childId)
                    return true;
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            recorder.waitFor(panel, recorder.about(panel).size() + 1, 100ms);
        }
    };
    EXPECT_FALSE(isFocused(updateName)) << "a control had the focus before a key was pressed";

    ASSERT_TRUE(updater.typeOnXKeyboard("key Tab key Tab"));  // the report box, the update button
    EXPECT_TRUE(focusEventFor(1)) << "no focus event for the update button";
    EXPECT_TRUE(isFocused(updateName));
    VARIANT focus;
    VariantInit(&focus);
    ASSERT_EQ(panelObject->get_accFocus(&focus), S_OK);
    EXPECT_EQ(focus.vt, VT_I4);
    EXPECT_EQ(focus.lVal, 1);

    ASSERT_TRUE(updater.typeOnXKeyboard("key Tab"));
    EXPECT_TRUE(focusEventFor(2)) << "no focus event for the close button";
    EXPECT_TRUE(isFocused("Inchide"));
    EXPECT_FALSE(isFocused(updateName));
    ASSERT_TRUE(updater.typeOnXKeyboard("key Escape"));
    EXPECT_TRUE(updater.waitForExit());
}
