#include "framework/ui/accessibility/PanelAccessibility.h"

#include "framework/core/RunHandler.h"
#include "framework/ui/accessibility/ControlAccessibleObject.h"
#include "framework/ui/controls/GraphicControl.h"
#include "framework/ui/controls/Panel.h"
#include "framework/ui/accessibility/PanelAccessibleObject.h"

#include <algorithm>

namespace fw {
namespace {

// Posted to the panel for each queued default action; a message of the panel's own class.
constexpr UINT defaultActionMessage = WM_USER + 0x0A11;

}  // namespace

PanelAccessibility::PanelAccessibility(Panel& panel) : panel_(panel) {}

PanelAccessibility::~PanelAccessibility()
{
    // Clients may hold these objects for as long as they like; ours are let go here.
    for (auto& [control, object] : controlObjects_)
        object->disconnect();
    if (panelObject_)
        panelObject_->disconnect();
}

bool PanelAccessibility::handleMessage(unsigned message, unsigned long long wParam, long long lParam,
                                       long long& result)
{
    if (message == defaultActionMessage) {
        runQueuedDefaultAction();
        result = 0;
        return true;
    }
    // The object id arrives in the low 32 bits; on 64-bit Windows the rest is not to be trusted.
    if (message != WM_GETOBJECT || static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT))
        return false;
    AccessibilityApi* api = AccessibilityApi::instance();
    if (!api || !api->enterApartment())
        return false;
    try {
        ComPtr<IDispatch> object = panelObject();
        if (!object)
            return false;
        // Marshals its own reference to the object for the client; ours stays with panelObject_.
        const LRESULT answer = api->lresultFromObject(IID_IAccessible, static_cast<WPARAM>(wParam),
                                                      static_cast<IAccessible*>(panelObject_.get()));
        if (FAILED(static_cast<HRESULT>(answer)))
            return false;  // the system's own object will answer
        result = answer;
        return true;
    } catch (...) {
        return false;  // nothing may cross the window procedure; the system's object answers
    }
}

ComPtr<IDispatch> PanelAccessibility::panelObject()
{
    if (!panelObject_) {
        AccessibilityApi* api = AccessibilityApi::instance();
        if (!api)
            return {};
        ComPtr<IAccessible> standard;
        if (FAILED(api->createStdAccessibleObject(panel_.handle(), OBJID_CLIENT, IID_IAccessible,
                                                  reinterpret_cast<void**>(standard.put()))) ||
            !standard)
            return {};
        panelObject_.reset(new PanelAccessibleObject(*this, std::move(standard)));
    }
    return ComPtr<IDispatch>::share(panelObject_.get());
}

ComPtr<IDispatch> PanelAccessibility::controlObject(GraphicControl& control)
{
    for (auto& [known, object] : controlObjects_)
        if (known == &control)
            return ComPtr<IDispatch>::share(object.get());
    controlObjects_.emplace_back(&control, ComPtr<ControlAccessibleObject>(new ControlAccessibleObject(*this, control)));
    return ComPtr<IDispatch>::share(controlObjects_.back().second.get());
}

std::vector<PanelAccessibility::Child> PanelAccessibility::children() const
{
    std::vector<Child> list;
    for (int index = 0; index < panel_.controlCount(); ++index) {
        GraphicControl& control = panel_.control(index);
        if (control.isVisible())
            list.push_back(Child{&control, nullptr});
    }
    // The windows' own visibility, like the controls' above, whether the panel is on screen or not.
    for (HWND window = GetWindow(panel_.handle(), GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT))
        if (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE)
            list.push_back(Child{nullptr, window});
    return list;
}

long PanelAccessibility::childCount() const { return static_cast<long>(children().size()); }

ComPtr<IDispatch> PanelAccessibility::childObject(long childId)
{
    const std::vector<Child> list = children();
    if (childId < 1 || childId > static_cast<long>(list.size()))
        return {};
    const Child& child = list[static_cast<std::size_t>(childId - 1)];
    if (child.control)
        return controlObject(*child.control);
    AccessibilityApi* api = AccessibilityApi::instance();
    ComPtr<IDispatch> object;
    if (api)
        api->accessibleObjectFromWindow(child.window, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                        reinterpret_cast<void**>(object.put()));
    return object;
}

long PanelAccessibility::placeAmongVisible(const GraphicControl& control) const
{
    long place = 1;
    for (int index = 0; index < panel_.controlCount(); ++index) {
        const GraphicControl& other = panel_.control(index);
        if (&other == &control)
            return place;
        if (other.isVisible())
            ++place;
    }
    return 0;
}

long PanelAccessibility::childIdOf(const GraphicControl& control) const
{
    return control.isVisible() ? placeAmongVisible(control) : 0;
}

long PanelAccessibility::siblingId(long childId, long step) const
{
    const long sibling = childId + step;
    return sibling >= 1 && sibling <= childCount() ? sibling : 0;
}

long PanelAccessibility::childIdAt(Point screen) const
{
    HWND window = panel_.handle();
    POINT client{screen.x, screen.y};
    ScreenToClient(window, &client);
    RECT area;
    GetClientRect(window, &area);
    if (!PtInRect(&area, client))
        return -1;
    // Child windows lie above every window-less control.
    HWND childWindow = ChildWindowFromPointEx(window, client, CWP_SKIPINVISIBLE);
    if (childWindow == window)
        childWindow = nullptr;
    const GraphicControl* control = childWindow ? nullptr : panel_.controlAt(Point{client.x, client.y}, HitTest::Visible);
    const std::vector<Child> list = children();
    for (std::size_t index = 0; index < list.size(); ++index) {
        const bool isThere =
            childWindow ? list[index].window == childWindow : control && list[index].control == control;
        if (isThere)
            return static_cast<long>(index + 1);
    }
    return CHILDID_SELF;
}

void PanelAccessibility::controlAdded(GraphicControl& control)
{
    if (control.isVisible())
        raise(EVENT_OBJECT_REORDER, CHILDID_SELF);
}

void PanelAccessibility::controlRemoved(GraphicControl& control)
{
    queuedDefaultActions_.erase(std::remove(queuedDefaultActions_.begin(), queuedDefaultActions_.end(), &control),
                                queuedDefaultActions_.end());
    auto known = std::find_if(controlObjects_.begin(), controlObjects_.end(),
                              [&](const auto& entry) { return entry.first == &control; });
    if (known != controlObjects_.end()) {
        known->second->disconnect();
        controlObjects_.erase(known);
    }
    if (control.isVisible())
        raise(EVENT_OBJECT_REORDER, CHILDID_SELF);
}

void PanelAccessibility::controlChanged(GraphicControl& control, AccessibleChange change)
{
    switch (change) {
    case AccessibleChange::Shown:
    case AccessibleChange::Hidden:
        raise(change == AccessibleChange::Shown ? EVENT_OBJECT_SHOW : EVENT_OBJECT_HIDE, placeAmongVisible(control));
        raise(EVENT_OBJECT_REORDER, CHILDID_SELF);
        return;
    default:
        break;
    }
    // A hidden control is no child, so there is no id to tell of it.
    const long childId = childIdOf(control);
    if (childId == 0)
        return;
    switch (change) {
    case AccessibleChange::Name:
        raise(EVENT_OBJECT_NAMECHANGE, childId);
        break;
    case AccessibleChange::State:
        raise(EVENT_OBJECT_STATECHANGE, childId);
        break;
    case AccessibleChange::Location:
        raise(EVENT_OBJECT_LOCATIONCHANGE, childId);
        break;
    case AccessibleChange::Focus:
        // After the system's own event for the panel's window: screen readers move on to the
        // child the focus is really on.
        raise(EVENT_OBJECT_FOCUS, childId);
        break;
    default:
        break;
    }
}

void PanelAccessibility::raise(unsigned event, long childId) const
{
    // Cheap when nobody listens: Windows keeps no record of events without a hook.
    if (panel_.handle())
        NotifyWinEvent(event, panel_.handle(), OBJID_CLIENT, childId);
}

bool PanelAccessibility::queueDefaultAction(GraphicControl& control)
{
    queuedDefaultActions_.push_back(&control);
    if (PostMessageA(panel_.handle(), defaultActionMessage, 0, 0))
        return true;
    queuedDefaultActions_.pop_back();
    return false;
}

void PanelAccessibility::runQueuedDefaultAction()
{
    if (queuedDefaultActions_.empty())
        return;  // its control left the panel meanwhile
    GraphicControl* control = queuedDefaultActions_.front();
    queuedDefaultActions_.erase(queuedDefaultActions_.begin());
    // The click may free the control or even the panel, this object with it: nothing follows.
    runHandler([&] { control->doDefaultAction(); });
}

}  // namespace fw
