// The panel as assistive technology sees it: its window-less controls as children of its client
// area's accessible object, their WinEvents, their queued default action, and objects that
// outlive what they describe. The client is this very thread here; the end-to-end tests read the
// updater from another process.

#include "../controls/ControlTestSupport.h"
#include "tests/AccessibleClient.h"

#include <gtest/gtest.h>

using namespace accessible_client;
using test_support::events;

namespace {

// A generic control with a default action, to see the panel queue it and drop it.
class PressableControl : public test_support::RecordingControl {
public:
    using RecordingControl::RecordingControl;
    fw::AccessibleRole accessibleRole() const override { return fw::AccessibleRole::PushButton; }
    bool doDefaultAction() override
    {
        events.push_back(name() + ".defaultAction");
        return true;
    }
};

bool isSameObject(IUnknown* left, IUnknown* right)
{
    fw::ComPtr<IUnknown> a, b;
    left->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(a.put()));
    right->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(b.put()));
    return a && a.get() == b.get();
}

// What the controls did, without their paints.
std::vector<std::string> actions()
{
    std::vector<std::string> seen;
    for (const std::string& event : events)
        if (event.find(".paint") == std::string::npos)
            seen.push_back(event);
    return seen;
}

const std::string graphic = " (" + std::to_string(ROLE_SYSTEM_GRAPHIC) + ", 0)";

class PanelAccessibility : public test_support::ControlHostTest {
protected:
    void SetUp() override
    {
        ControlHostTest::SetUp();
        first_->setCaption("&First");
        second_->setCaption("A&&B");
        panelObject_ = objectFromWindow(panel_->handle());
        ASSERT_TRUE(panelObject_) << "no accessible object for the panel's client area";
    }
    void TearDown() override
    {
        panelObject_.reset();
        ControlHostTest::TearDown();
    }
    // As a client reaches a child that an event names: through the panel's object and the id.
    Element child(long childId)
    {
        VARIANT value;
        VariantInit(&value);
        if (SUCCEEDED(panelObject_->get_accChild(childVariant(childId), &value.pdispVal)) && value.pdispVal)
            value.vt = VT_DISPATCH;
        return elementOf(panelObject_.get(), value);
    }
    Element panelItself() { return Element{fw::ComPtr<IAccessible>::share(panelObject_.get()), CHILDID_SELF}; }
    std::string navigate(const Element& from, long direction)
    {
        VARIANT found;
        VariantInit(&found);
        const HRESULT result = from.object->accNavigate(direction, childVariant(from.childId), &found);
        const Element element = elementOf(from.object.get(), found);
        return result == S_OK && element.object ? name(element) : "<none>";
    }
    fw::UniqueWindow makeLabel()
    {
        return fw::UniqueWindow(CreateWindowExA(0, "STATIC", "Report", WS_CHILD | WS_VISIBLE, 10, 100, 100, 20,
                                                panel_->handle(), nullptr, GetModuleHandleA(nullptr), nullptr));
    }

    ComApartment apartment_;
    fw::ComPtr<IAccessible> panelObject_;
};

}  // namespace

TEST_F(PanelAccessibility, ChildrenAreTheVisibleControlsInTheParentsOrderThenTheChildWindows)
{
    const fw::UniqueWindow label = makeLabel();
    HWND panel = panel_->handle();
    EXPECT_EQ(describeChildren(panelObject_.get(), panel),
              (std::vector<std::string>{"First" + graphic, "A&B" + graphic, "window Static"}));
    // A question about a child id goes to that child's own object.
    EXPECT_EQ(name(Element{fw::ComPtr<IAccessible>::share(panelObject_.get()), 2}), "A&B");

    EXPECT_EQ(navigate(panelItself(), NAVDIR_FIRSTCHILD), "First");
    EXPECT_EQ(navigate(child(1), NAVDIR_NEXT), "A&B");
    EXPECT_EQ(navigate(child(2), NAVDIR_PREVIOUS), "First");
    EXPECT_EQ(navigate(child(1), NAVDIR_PREVIOUS), "<none>");
    EXPECT_EQ(navigate(child(1), NAVDIR_FIRSTCHILD), "<none>") << "a control has no children";

    second_->setVisible(false);
    EXPECT_EQ(describeChildren(panelObject_.get(), panel),
              (std::vector<std::string>{"First" + graphic, "window Static"}));
    EXPECT_FALSE(child(3).object);

    // One object per panel and per control; a control's parent is the panel's object.
    EXPECT_TRUE(isSameObject(objectFromWindow(panel).get(), panelObject_.get()));
    EXPECT_TRUE(isSameObject(child(1).object.get(), child(1).object.get()));
    fw::ComPtr<IDispatch> parent;
    ASSERT_EQ(child(1).object->get_accParent(parent.put()), S_OK);
    EXPECT_TRUE(isSameObject(parent.get(), panelObject_.get()));
}

TEST_F(PanelAccessibility, StateFollowsTheControlAndItsPanel)
{
    const Element first = child(1);
    const std::pair<std::function<void()>, long> steps[] = {
        {[&] { first_->setEnabled(false); }, STATE_SYSTEM_UNAVAILABLE},
        {[&] { first_->setEnabled(true); }, 0},
        {[&] { first_->setVisible(false); }, STATE_SYSTEM_INVISIBLE},  // an object that a client kept
        {[&] { first_->setVisible(true); }, 0},
        {[&] { ShowWindow(panel_->handle(), SW_HIDE); }, STATE_SYSTEM_INVISIBLE},
        {[&] { ShowWindow(panel_->handle(), SW_SHOWNA); }, 0},
    };
    for (const auto& [change, expected] : steps) {
        change();
        EXPECT_EQ(state(first), expected);
    }
    // A generic control is a graphic with neither shortcut nor action.
    EXPECT_EQ(text(first, &IAccessible::get_accKeyboardShortcut), "");
    HRESULT result = S_OK;
    EXPECT_EQ(text(first, &IAccessible::get_accDefaultAction, &result), "");
    EXPECT_EQ(result, S_FALSE);
    EXPECT_EQ(doDefaultAction(first), DISP_E_MEMBERNOTFOUND);
}

TEST_F(PanelAccessibility, LocationIsTheBoundsOnScreenAndHitTestingFindsWhatIsOnTop)
{
    const fw::UniqueWindow label = makeLabel();
    test_support::RecordingControl cover(*panel_, fw::Rect{60, 20, 40, 40}, "cover");  // later, so on top
    cover.setCaption("Cover");
    POINT corner{60, 20};
    ClientToScreen(panel_->handle(), &corner);
    const RECT place = location(childNamed(panelObject_.get(), "Cover"));
    EXPECT_EQ(std::vector<long>({place.left, place.top, place.right, place.bottom}),
              std::vector<long>({corner.x, corner.y, corner.x + 40, corner.y + 40}));

    auto hit = [&](int x, int y) {
        POINT screen{x, y};
        ClientToScreen(panel_->handle(), &screen);
        VARIANT found;
        VariantInit(&found);
        panelObject_->accHitTest(screen.x, screen.y, &found);
        const Element element = elementOf(panelObject_.get(), found);
        if (!element.object)
            return std::string("<nothing>");
        return element.object.get() == panelObject_.get() ? std::string("<panel>")
                                                           : describe(element, panel_->handle());
    };
    EXPECT_EQ(hit(15, 15), "First" + graphic);
    EXPECT_EQ(hit(70, 30), "Cover" + graphic);
    EXPECT_EQ(hit(109, 39), "First" + graphic) << "the first's bottom-right pixel";
    EXPECT_EQ(hit(20, 105), "window Static");
    EXPECT_EQ(hit(200, 150), "<panel>");
    EXPECT_EQ(hit(-5, -5), "<nothing>");
}

TEST_F(PanelAccessibility, WinEventsTellOfCaptionStateVisibilityAndPlace)
{
    WinEventRecorder recorder(EVENT_OBJECT_SHOW, EVENT_OBJECT_NAMECHANGE, GetCurrentProcessId(), GetCurrentThreadId());
    ASSERT_TRUE(recorder.isHooked());
    second_->setCaption("Other");
    second_->setCaption("Other");  // no change, nothing to tell
    first_->setEnabled(false);
    first_->setVisible(false);
    first_->setCaption("Hidden");   // not a child now: no event
    second_->setCaption("Second");  // its id moved up to 1
    first_->setVisible(true);
    second_->setBounds({150, 50, 100, 30});

    HWND panel = panel_->handle();
    auto on = [&](DWORD event, long childId) { return WinEventRecorder::Event{event, panel, OBJID_CLIENT, childId}; };
    const std::vector<WinEventRecorder::Event> expected = {
        on(EVENT_OBJECT_NAMECHANGE, 2), on(EVENT_OBJECT_STATECHANGE, 1), on(EVENT_OBJECT_HIDE, 1),
        on(EVENT_OBJECT_REORDER, 0),    on(EVENT_OBJECT_NAMECHANGE, 1),  on(EVENT_OBJECT_SHOW, 1),
        on(EVENT_OBJECT_REORDER, 0),    on(EVENT_OBJECT_LOCATIONCHANGE, 2),
    };
    EXPECT_TRUE(recorder.waitFor(panel, expected.size()));
    EXPECT_EQ(recorder.about(panel), expected);
}

TEST_F(PanelAccessibility, DefaultActionRunsLaterFromThePanelsQueueAndOnlyForAnAvailableControl)
{
    PressableControl button(*panel_, fw::Rect{10, 50, 80, 25}, "button");
    button.setCaption("&Go");
    const Element go = childNamed(panelObject_.get(), "Go");
    EXPECT_EQ(role(go), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(text(go, &IAccessible::get_accDefaultAction), "Press");
    EXPECT_EQ(text(go, &IAccessible::get_accKeyboardShortcut), "Alt+G");
    events.clear();

    EXPECT_EQ(doDefaultAction(go), S_OK);
    EXPECT_EQ(actions(), std::vector<std::string>{}) << "ran inside the client's call";
    settle();
    EXPECT_EQ(actions(), std::vector<std::string>{"button.defaultAction"});

    events.clear();
    button.setEnabled(false);
    EXPECT_EQ(doDefaultAction(go), E_FAIL);
    button.setEnabled(true);
    button.setVisible(false);
    EXPECT_EQ(doDefaultAction(go), E_FAIL);
    button.setVisible(true);
    {
        // Queued, then the control goes before the queue runs.
        PressableControl doomed(*panel_, fw::Rect{100, 50, 80, 25}, "doomed");
        doomed.setCaption("Doomed");
        EXPECT_EQ(doDefaultAction(childNamed(panelObject_.get(), "Doomed")), S_OK);
    }
    settle();
    EXPECT_EQ(actions(), std::vector<std::string>{});
}

TEST_F(PanelAccessibility, ObjectsKeptAfterTheirControlOrPanelIsGoneFailCleanly)
{
    Element first = child(1);
    Element second = child(2);
    ASSERT_TRUE(first.object && second.object);

    // The control moves to another panel: the object of its old place is cut off.
    fw::Panel other(form_->handle(), fw::Rect{0, 0, 50, 50}, fw::clWhite, form_->font());
    first_->setParent(&other);
    HRESULT result = S_OK;
    EXPECT_EQ(name(first, &result), "");
    EXPECT_EQ(result, CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(name(childNamed(objectFromWindow(other.handle()).get(), "First")), "First");

    // The panel goes while a client holds its object and a child's.
    panel_.reset();
    EXPECT_EQ(number(second, &IAccessible::get_accRole, &result), -1);
    EXPECT_EQ(result, CO_E_OBJNOTCONNECTED);
    long count = 7;
    EXPECT_EQ(panelObject_->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(name(panelItself(), &result), "");
    EXPECT_EQ(result, CO_E_OBJNOTCONNECTED);
    VARIANT found;
    VariantInit(&found);
    EXPECT_EQ(panelObject_->accHitTest(0, 0, &found), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(found.vt, VT_EMPTY);
    fw::ComPtr<IDispatch> parent;
    EXPECT_EQ(second.object->get_accParent(parent.put()), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(doDefaultAction(second), CO_E_OBJNOTCONNECTED);

    // The framework let go of its references: the client's are the last ones.
    EXPECT_EQ(second.object.release()->Release(), 0u);
    EXPECT_EQ(first.object.release()->Release(), 0u);
    EXPECT_EQ(panelObject_.release()->Release(), 0u);
}
