// The speed button as assistive technology sees it: a push button that is pressed while Down and
// hot while the pointer is inside, whose default action is the accelerator's momentary press.

#include "SpeedButtonFixture.h"
#include "tests/AccessibleClient.h"

#include <algorithm>

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
        events.clear();
    }
    void TearDown() override
    {
        panelObject_.reset();
        LbSpeedButtonTest::TearDown();
    }
    Element objectOf(const ProbeButton& button)
    {
        Element element = childNamed(panelObject_.get(), captionShown(button));
        EXPECT_TRUE(element.object) << button.name();
        return element;
    }
    static std::string captionShown(const ProbeButton& button)
    {
        std::string shown;
        for (std::size_t index = 0; index < button.caption().size(); ++index)
            if (button.caption()[index] != '&')
                shown += button.caption()[index];
        return shown;
    }

    ComApartment apartment_;
    fw::ComPtr<IAccessible> panelObject_;
};

}  // namespace

TEST_F(LbSpeedButtonAccessible, APushButtonPressedWhileDownAndHotWhileThePointerIsInside)
{
    ProbeButton& button = *button_;
    const Element save = objectOf(button);
    ASSERT_TRUE(save.object);
    EXPECT_EQ(name(save), "Save");
    EXPECT_EQ(role(save), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(keyboardShortcut(save), "Alt+S");
    EXPECT_EQ(defaultAction(save), "Press");

    struct Case {
        const char* what;
        std::function<void()> makeIt;
        long state;
    };
    const Case cases[] = {
        {"up", [] {}, 0},
        {"down", [&] { button.setDown(true); }, STATE_SYSTEM_PRESSED},
        {"up again", [&] { button.setDown(false); }, 0},
        {"pointer inside", [&] { pointAt(*panel_, 20, 20); }, STATE_SYSTEM_HOTTRACKED},
        {"pressed with the mouse", [&] { press(button); }, STATE_SYSTEM_HOTTRACKED | STATE_SYSTEM_PRESSED},
        {"released", [&] { release(button); }, STATE_SYSTEM_HOTTRACKED},
        {"pointer gone", [&] { pointAt(*panel_, 200, 200); }, 0},
        {"disabled", [&] { button.setEnabled(false); }, STATE_SYSTEM_UNAVAILABLE},
        {"disabled, pointer inside", [&] { pointAt(*panel_, 20, 20); }, STATE_SYSTEM_UNAVAILABLE},
    };
    for (const Case& each : cases) {
        each.makeIt();
        EXPECT_EQ(state(save), each.state) << each.what;
    }

    button.setCaption("Sa&&ve");
    EXPECT_EQ(name(save), "Sa&ve");
    EXPECT_EQ(keyboardShortcut(save), "") << "a doubled ampersand marks no accelerator";
}

TEST_F(LbSpeedButtonAccessible, DefaultActionIsTheAcceleratorsMomentaryPressRunFromTheQueue)
{
    ProbeButton& button = *button_;
    ProbeButton& other = makeButton(*panel_, "Other", {10, 50, 108, 31});
    other.setCaption("Other");
    button.setGroupIndex(1);
    other.setGroupIndex(1);
    other.setDown(true);
    const Element save = objectOf(button);
    bool pressedDuringClick = false;
    button.onClick = [&](fw::Component&) {
        events.push_back("click");
        pressedDuringClick = button.Down() && facePixel(button, 50, 2) == goldRow2Down;
    };
    events.clear();

    ASSERT_EQ(doDefaultAction(save), S_OK);
    EXPECT_TRUE(events.empty()) << "the click ran inside the client's call";
    EXPECT_TRUE(runLoopUntil([&] { return !events.empty(); }, std::chrono::seconds(5)));
    EXPECT_EQ(events, std::vector<std::string>{"click"});
    EXPECT_TRUE(pressedDuringClick) << "clicked with the pressed face, as the accelerator does";
    EXPECT_FALSE(button.Down()) << "back to up, as it was";
    EXPECT_FALSE(other.Down()) << "the group's down button was released";

    // Refused at once while disabled or while the window is hidden, and a press queued just
    // before the button was disabled does not click either.
    events.clear();
    button.setEnabled(false);
    EXPECT_EQ(doDefaultAction(save), E_FAIL);
    button.setEnabled(true);
    ShowWindow(panel_->handle(), SW_HIDE);
    EXPECT_EQ(doDefaultAction(save), E_FAIL);
    ShowWindow(panel_->handle(), SW_SHOWNA);
    EXPECT_EQ(doDefaultAction(save), S_OK);
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

    using Event = WinEventRecorder::Event;
    HWND panel = panel_->handle();
    const std::vector<Event> expected = {{EVENT_OBJECT_STATECHANGE, panel, OBJID_CLIENT, 1},
                                         {EVENT_OBJECT_STATECHANGE, panel, OBJID_CLIENT, 2},
                                         {EVENT_OBJECT_STATECHANGE, panel, OBJID_CLIENT, 2}};
    auto ours = [&] {
        return std::count_if(recorder.events.begin(), recorder.events.end(),
                             [&](const Event& event) { return event.window == panel; });
    };
    EXPECT_TRUE(recorder.pumpUntil([&] { return ours() >= 3; }, std::chrono::seconds(5)));
    std::vector<Event> seen;
    std::copy_if(recorder.events.begin(), recorder.events.end(), std::back_inserter(seen),
                 [&](const Event& event) { return event.window == panel; });
    EXPECT_EQ(seen, expected);
}
