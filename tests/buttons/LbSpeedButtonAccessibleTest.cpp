// The speed button as assistive technology sees it: a push button that is pressed while Down and
// hot while the pointer is inside, whose default action is the accelerator's momentary press.

#include "SpeedButtonFixture.h"
#include "tests/AccessibleClient.h"

using namespace speed_button_test;
using namespace accessible_client;

namespace {

class LbSpeedButtonAccessible : public LbSpeedButtonTest {
protected:
    void SetUp() override
    {
        LbSpeedButtonTest::SetUp();
        button_->setCaption("&Save");
        panelObject_ = objectFromWindow(panel_->handle());
        ASSERT_TRUE(panelObject_);
        save_ = childNamed(panelObject_.get(), "Save");
        ASSERT_TRUE(save_.object);
        events.clear();
    }
    void TearDown() override
    {
        save_ = {};
        panelObject_.reset();
        LbSpeedButtonTest::TearDown();
    }

    ComApartment apartment_;
    fw::ComPtr<IAccessible> panelObject_;
    Element save_;
};

}  // namespace

TEST_F(LbSpeedButtonAccessible, APushButtonPressedWhileDownAndHotWhileThePointerIsInside)
{
    ProbeButton& button = *button_;
    EXPECT_EQ(role(save_), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(text(save_, &IAccessible::get_accKeyboardShortcut), "Alt+S");
    EXPECT_EQ(text(save_, &IAccessible::get_accDefaultAction), "Press");

    const std::tuple<const char*, std::function<void()>, long> steps[] = {
        {"down", [&] { button.setDown(true); }, STATE_SYSTEM_PRESSED},
        {"up again", [&] { button.setDown(false); }, 0},
        {"pointer inside", [&] { pointAt(*panel_, 20, 20); }, STATE_SYSTEM_HOTTRACKED},
        {"pressed", [&] { press(button); }, STATE_SYSTEM_HOTTRACKED | STATE_SYSTEM_PRESSED},
        {"released", [&] { release(button); }, STATE_SYSTEM_HOTTRACKED},
        {"pointer gone", [&] { pointAt(*panel_, 200, 200); }, 0},
        {"disabled", [&] { button.setEnabled(false); }, STATE_SYSTEM_UNAVAILABLE},
        {"disabled, pointer inside", [&] { pointAt(*panel_, 20, 20); }, STATE_SYSTEM_UNAVAILABLE},
    };
    for (const auto& [what, change, expected] : steps) {
        change();
        EXPECT_EQ(state(save_), expected) << what;
    }

    button.setCaption("Sa&&ve");
    EXPECT_EQ(name(save_), "Sa&ve");
    EXPECT_EQ(text(save_, &IAccessible::get_accKeyboardShortcut), "") << "a doubled ampersand marks no accelerator";
}

TEST_F(LbSpeedButtonAccessible, DefaultActionIsTheAcceleratorsMomentaryPressRunFromTheQueue)
{
    ProbeButton& button = *button_;
    ProbeButton& other = makeButton(*panel_, "Other", {10, 50, 108, 31});
    button.setGroupIndex(1);
    other.setGroupIndex(1);
    other.setDown(true);
    bool pressedDuringClick = false;
    button.onClick = [&](fw::Component&) {
        events.push_back("click");
        pressedDuringClick = button.Down() && facePixel(button, 50, 2) == goldRow2Down;
    };
    events.clear();

    ASSERT_EQ(doDefaultAction(save_), S_OK);
    EXPECT_TRUE(events.empty()) << "the click ran inside the client's call";
    EXPECT_TRUE(runLoopUntil([&] { return !events.empty(); }, std::chrono::seconds(5)));
    EXPECT_EQ(events, std::vector<std::string>{"click"});
    EXPECT_TRUE(pressedDuringClick) << "clicked with the pressed face, as the accelerator does";
    EXPECT_FALSE(button.Down()) << "back to up, as it was";
    EXPECT_FALSE(other.Down()) << "the group's down button was released";

    // Refused at once while disabled; a press queued just before the button was disabled does
    // not click either.
    events.clear();
    button.setEnabled(false);
    EXPECT_EQ(doDefaultAction(save_), E_FAIL);
    button.setEnabled(true);
    EXPECT_EQ(doDefaultAction(save_), S_OK);
    button.setEnabled(false);
    settle();
    EXPECT_TRUE(events.empty()) << events.front();
}

TEST_F(LbSpeedButtonAccessible, DownChangesOfTheButtonAndOfTheSiblingItReleasesAreTold)
{
    ProbeButton& first = *button_;
    ProbeButton& second = makeButton(*panel_, "Second", {10, 50, 108, 31});
    first.setGroupIndex(1);
    second.setGroupIndex(1);
    first.setDown(true);
    WinEventRecorder recorder(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_STATECHANGE, GetCurrentProcessId(),
                              GetCurrentThreadId());
    ASSERT_TRUE(recorder.isHooked());
    second.setDown(true);  // releases the first
    second.setDown(true);  // no change, nothing told
    second.setEnabled(false);

    HWND panel = panel_->handle();
    const std::vector<WinEventRecorder::Event> expected = {{EVENT_OBJECT_STATECHANGE, panel, OBJID_CLIENT, 1},
                                                           {EVENT_OBJECT_STATECHANGE, panel, OBJID_CLIENT, 2},
                                                           {EVENT_OBJECT_STATECHANGE, panel, OBJID_CLIENT, 2}};
    EXPECT_TRUE(recorder.waitFor(panel, expected.size()));
    EXPECT_EQ(recorder.about(panel), expected);
}
