// The update without a mouse: Enter presses the update button, the window's default, once the
// check has enabled it. Keys come from the X server's keyboard, as a person's do, so that Wine's
// own key handling (auto-repeat included) is what the updater sees.

#include "UpdaterFixture.h"

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
