// The panel as seen by assistive technology: its window-less controls as children of its client
// area's accessible object, their WinEvents, their default action, and objects that outlive what
// they describe. The client here is this very thread, as a screen reader would be in its own
// process (the end-to-end tests do that).

#include "ControlTestSupport.h"
#include "tests/AccessibleClient.h"

#include <gtest/gtest.h>

using namespace accessible_client;
using test_support::events;

namespace {

// A generic control that offers a default action, to see the panel queue and drop it.
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

// A child window is named by its window text here: Wine 8's system object for a window
// (OBJID_WINDOW) answers E_NOTIMPL for name, role and state, where Windows gives the window's text
// and ROLE_SYSTEM_WINDOW.
std::string describe(const Element& element, HWND panel)
{
    HWND window = nullptr;
    if (element.childId == CHILDID_SELF && SUCCEEDED(WindowFromAccessibleObject(element.object.get(), &window)) &&
        window && GetParent(window) == panel) {
        char text[64] = {};
        GetWindowTextA(window, text, sizeof text);
        return std::string("window ") + text;
    }
    return name(element);
}

std::vector<std::string> namesOf(IAccessible* parent, HWND panel)
{
    std::vector<std::string> names;
    for (const Element& child : children(parent))
        names.push_back(describe(child, panel));
    return names;
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
    Element child(long childId)
    {
        fw::ComPtr<IDispatch> dispatch;
        Element element;
        if (SUCCEEDED(panelObject_->get_accChild(childVariant(childId), dispatch.put())) && dispatch)
            dispatch->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(element.object.put()));
        return element;
    }
    RECT onScreen(fw::Rect bounds) const
    {
        POINT corner{bounds.left, bounds.top};
        ClientToScreen(panel_->handle(), &corner);
        return RECT{corner.x, corner.y, corner.x + bounds.width, corner.y + bounds.height};
    }

    ComApartment apartment_;
    fw::ComPtr<IAccessible> panelObject_;
};

}  // namespace

TEST_F(PanelAccessibility, ChildrenAreTheVisibleControlsInTheParentsOrderThenTheChildWindows)
{
    fw::UniqueWindow label(CreateWindowExA(0, "STATIC", "Report", WS_CHILD | WS_VISIBLE, 10, 100, 100, 20,
                                           panel_->handle(), nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(label);
    EXPECT_EQ(namesOf(panelObject_.get(), panel_->handle()), (std::vector<std::string>{"First", "A&B", "window Report"}));
    const std::vector<Element> all = children(panelObject_.get());
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(role(all[0]), ROLE_SYSTEM_GRAPHIC);
    EXPECT_EQ(role(all[1]), ROLE_SYSTEM_GRAPHIC);

    // A question about a child id is answered by that child's own object.
    EXPECT_EQ(name(Element{fw::ComPtr<IAccessible>::share(panelObject_.get()), 2}), "A&B");
    EXPECT_EQ(role(Element{fw::ComPtr<IAccessible>::share(panelObject_.get()), 1}), ROLE_SYSTEM_GRAPHIC);

    second_->setVisible(false);
    EXPECT_EQ(namesOf(panelObject_.get(), panel_->handle()), (std::vector<std::string>{"First", "window Report"}));
    long count = 0;
    EXPECT_EQ(panelObject_->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 2);
    EXPECT_FALSE(child(3).object) << "no third child while the second control is hidden";

    // One object per panel and per control, and each control's parent is the panel's object.
    EXPECT_TRUE(isSameObject(objectFromWindow(panel_->handle()).get(), panelObject_.get()));
    EXPECT_TRUE(isSameObject(child(1).object.get(), child(1).object.get()));
    fw::ComPtr<IDispatch> parent;
    ASSERT_EQ(child(1).object->get_accParent(parent.put()), S_OK);
    EXPECT_TRUE(isSameObject(parent.get(), panelObject_.get()));
}

TEST_F(PanelAccessibility, StatesFollowTheControlAndItsPanel)
{
    const Element first = child(1);
    ASSERT_TRUE(first.object);
    EXPECT_EQ(state(first), 0);
    first_->setEnabled(false);
    EXPECT_EQ(state(first), STATE_SYSTEM_UNAVAILABLE);
    first_->setEnabled(true);
    first_->setVisible(false);  // an object kept by a client says so
    EXPECT_EQ(state(first), STATE_SYSTEM_INVISIBLE);
    first_->setVisible(true);
    ShowWindow(panel_->handle(), SW_HIDE);
    EXPECT_EQ(state(first), STATE_SYSTEM_INVISIBLE);
    ShowWindow(panel_->handle(), SW_SHOWNA);
    EXPECT_EQ(state(first), 0);

    // A generic control is a graphic with neither shortcut nor action.
    EXPECT_EQ(keyboardShortcut(first), "");
    OwnedString action;
    EXPECT_EQ(first.object->get_accDefaultAction(childVariant(CHILDID_SELF), action.put()), S_FALSE);
    EXPECT_EQ(doDefaultAction(first), DISP_E_MEMBERNOTFOUND);
    settle();
    EXPECT_EQ(actions(), std::vector<std::string>{});
}

TEST_F(PanelAccessibility, LocationIsTheBoundsOnScreenAndHitTestingFindsWhatIsOnTop)
{
    fw::UniqueWindow label(CreateWindowExA(0, "STATIC", "Report", WS_CHILD | WS_VISIBLE, 10, 100, 100, 20,
                                           panel_->handle(), nullptr, GetModuleHandleA(nullptr), nullptr));
    // On top of the first control, since it comes later in the parent's order.
    test_support::RecordingControl cover(*panel_, fw::Rect{60, 20, 40, 40}, "cover");
    cover.setCaption("Cover");
    struct Case {
        fw::Rect bounds;
        const char* name;
    };
    for (const Case& each : {Case{first_->bounds(), "First"}, Case{cover.bounds(), "Cover"}}) {
        Element control = childNamed(panelObject_.get(), each.name);
        ASSERT_TRUE(control.object) << each.name;
        HRESULT result = E_FAIL;
        const RECT expected = onScreen(each.bounds);
        const RECT found = location(control, &result);
        EXPECT_EQ(result, S_OK);
        EXPECT_EQ(std::vector<long>({found.left, found.top, found.right, found.bottom}),
                  std::vector<long>({expected.left, expected.top, expected.right, expected.bottom}))
            << each.name;
    }

    auto hit = [&](int x, int y, HRESULT& result) {
        POINT screen{x, y};
        ClientToScreen(panel_->handle(), &screen);
        VARIANT found;
        VariantInit(&found);
        result = panelObject_->accHitTest(screen.x, screen.y, &found);
        Element element = elementOf(panelObject_.get(), found);
        return element.object ? (element.childId == CHILDID_SELF && element.object.get() == panelObject_.get()
                                     ? std::string("<panel>")
                                     : describe(element, panel_->handle()))
                              : std::string("<nothing>");
    };
    HRESULT result = E_FAIL;
    EXPECT_EQ(hit(15, 15, result), "First");
    EXPECT_EQ(hit(70, 30, result), "Cover") << "the later control lies on top";
    EXPECT_EQ(hit(109, 39, result), "First") << "bottom-right pixel of the first";
    EXPECT_EQ(hit(20, 105, result), "window Report");
    EXPECT_EQ(hit(200, 150, result), "<panel>");
    EXPECT_EQ(hit(-5, -5, result), "<nothing>");
    EXPECT_EQ(result, S_FALSE);
}

TEST_F(PanelAccessibility, NavigationFollowsTheChildList)
{
    auto navigate = [&](const Element& from, long direction) {
        VARIANT found;
        VariantInit(&found);
        const HRESULT result = from.object->accNavigate(direction, childVariant(from.childId), &found);
        Element element = elementOf(from.object.get(), found);
        return result == S_OK && element.object ? name(element) : std::string("<none>");
    };
    const Element panel{fw::ComPtr<IAccessible>::share(panelObject_.get()), CHILDID_SELF};
    EXPECT_EQ(navigate(panel, NAVDIR_FIRSTCHILD), "First");
    EXPECT_EQ(navigate(panel, NAVDIR_LASTCHILD), "A&B");
    EXPECT_EQ(navigate(child(1), NAVDIR_NEXT), "A&B");
    EXPECT_EQ(navigate(child(2), NAVDIR_NEXT), "<none>");
    EXPECT_EQ(navigate(child(1), NAVDIR_PREVIOUS), "<none>");
    EXPECT_EQ(navigate(child(2), NAVDIR_PREVIOUS), "First");
    EXPECT_EQ(navigate(Element{fw::ComPtr<IAccessible>::share(panelObject_.get()), 1}, NAVDIR_NEXT), "A&B");
    EXPECT_EQ(navigate(child(1), NAVDIR_FIRSTCHILD), "<none>") << "a control has no children";
}

TEST_F(PanelAccessibility, WinEventsTellOfCaptionStateVisibilityAndPlace)
{
    WinEventRecorder recorder(EVENT_OBJECT_SHOW, EVENT_OBJECT_NAMECHANGE, GetCurrentProcessId(), GetCurrentThreadId());
    ASSERT_TRUE(recorder.isHooked());
    using Event = WinEventRecorder::Event;
    HWND panel = panel_->handle();
    auto on = [&](DWORD event, long childId) { return Event{event, panel, OBJID_CLIENT, childId}; };

    second_->setCaption("Other");
    second_->setCaption("Other");  // no change, nothing to tell
    first_->setEnabled(false);
    first_->setVisible(false);
    first_->setCaption("Hidden");  // not a child now: no event
    second_->setCaption("Second");  // its id moved up to 1
    first_->setVisible(true);
    second_->setBounds({150, 50, 100, 30});
    second_->setCaption("Last");

    const std::vector<Event> expected = {
        on(EVENT_OBJECT_NAMECHANGE, 2),  on(EVENT_OBJECT_STATECHANGE, 1),   on(EVENT_OBJECT_HIDE, 1),
        on(EVENT_OBJECT_REORDER, 0),     on(EVENT_OBJECT_NAMECHANGE, 1),    on(EVENT_OBJECT_SHOW, 1),
        on(EVENT_OBJECT_REORDER, 0),     on(EVENT_OBJECT_LOCATIONCHANGE, 2), on(EVENT_OBJECT_NAMECHANGE, 2),
    };
    std::vector<Event> seen;
    auto ours = [&] {
        seen.clear();
        for (const Event& event : recorder.events)
            if (event.window == panel && event.objectId == OBJID_CLIENT)
                seen.push_back(event);
        return seen.size() >= expected.size();
    };
    EXPECT_TRUE(recorder.pumpUntil(ours, std::chrono::seconds(5)));
    ASSERT_EQ(seen.size(), expected.size());
    for (std::size_t index = 0; index < expected.size(); ++index)
        EXPECT_EQ(seen[index], expected[index])
            << "event " << index << ": 0x" << std::hex << seen[index].event << " child " << std::dec
            << seen[index].childId;
}

TEST_F(PanelAccessibility, DefaultActionRunsLaterFromThePanelsQueueAndOnlyForAnAvailableControl)
{
    PressableControl button(*panel_, fw::Rect{10, 50, 80, 25}, "button");
    button.setCaption("&Go");
    Element pressable = childNamed(panelObject_.get(), "Go");
    ASSERT_TRUE(pressable.object);
    EXPECT_EQ(role(pressable), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(defaultAction(pressable), "Press");
    EXPECT_EQ(keyboardShortcut(pressable), "Alt+G");
    events.clear();

    EXPECT_EQ(doDefaultAction(pressable), S_OK);
    EXPECT_EQ(actions(), std::vector<std::string>{}) << "ran inside the client's call";
    settle();
    EXPECT_EQ(actions(), std::vector<std::string>{"button.defaultAction"});

    events.clear();
    button.setEnabled(false);
    EXPECT_EQ(doDefaultAction(pressable), E_FAIL);
    button.setEnabled(true);
    button.setVisible(false);
    EXPECT_EQ(doDefaultAction(pressable), E_FAIL);
    button.setVisible(true);
    settle();
    EXPECT_EQ(actions(), std::vector<std::string>{});

    // Queued, then the control goes before the queue runs: nothing runs, nothing breaks.
    {
        PressableControl doomed(*panel_, fw::Rect{100, 50, 80, 25}, "doomed");
        doomed.setCaption("Doomed");
        Element object = childNamed(panelObject_.get(), "Doomed");
        ASSERT_TRUE(object.object);
        EXPECT_EQ(doDefaultAction(object), S_OK);
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
    EXPECT_EQ(namesOf(objectFromWindow(other.handle()).get(), other.handle()), std::vector<std::string>{"First"});
    first_.reset();

    // The panel goes while a client holds its object and a child's.
    second_.reset();
    EXPECT_EQ(role(second, &result), -1);
    EXPECT_EQ(result, CO_E_OBJNOTCONNECTED);
    panel_.reset();
    long count = 7;
    EXPECT_EQ(panelObject_->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(count, 0);
    OwnedString text;
    EXPECT_EQ(panelObject_->get_accName(childVariant(CHILDID_SELF), text.put()), CO_E_OBJNOTCONNECTED);
    EXPECT_TRUE(text.isNull());
    VARIANT found;
    VariantInit(&found);
    EXPECT_EQ(panelObject_->accHitTest(0, 0, &found), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(found.vt, VT_EMPTY);
    fw::ComPtr<IDispatch> parent;
    EXPECT_EQ(second.object->get_accParent(parent.put()), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(parent.get(), nullptr);
    EXPECT_EQ(panelObject_->accDoDefaultAction(childVariant(1)), CO_E_OBJNOTCONNECTED);

    // The framework let go of its references: the client's are the last ones.
    EXPECT_EQ(second.object.release()->Release(), 0u);
    EXPECT_EQ(first.object.release()->Release(), 0u);
    EXPECT_EQ(panelObject_.release()->Release(), 0u);
}
