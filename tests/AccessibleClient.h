#pragma once
// The client side of MSAA for tests: what a screen reader does with an accessible object (list a
// panel's children, read their name, role, state and place, press one) and with WinEvents (hook
// them out of context and pump the messages that bring them). Test programs that include this
// link uuid, oleacc, ole32 and oleaut32, uuid first (otherwise IID_IAccessible resolves to an
// import thunk and marshalling fails with E_NOINTERFACE).

#include "framework/win32/ComPtr.h"

#include <windows.h>

#include <oleacc.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace accessible_client {

// COM on this thread for as long as the object lives.
class ComApartment {
public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment()
    {
        if (SUCCEEDED(result_))  // S_FALSE counts too
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

inline VARIANT childVariant(long childId)
{
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = childId;
    return child;
}

inline fw::ComPtr<IAccessible> objectFromWindow(HWND window)
{
    fw::ComPtr<IAccessible> object;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                               reinterpret_cast<void**>(object.put()));
    return object;
}

// An object, or a simple child of it. Made from a VARIANT that a call handed out (VT_DISPATCH:
// the object itself; VT_I4: a child id of `parent`), whose reference it takes over.
struct Element {
    fw::ComPtr<IAccessible> object;
    long childId = CHILDID_SELF;
};

inline Element elementOf(IAccessible* parent, VARIANT& value)
{
    Element element;
    if (value.vt == VT_DISPATCH && value.pdispVal)
        value.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(element.object.put()));
    else if (value.vt == VT_I4)
        element = Element{fw::ComPtr<IAccessible>::share(parent), value.lVal};
    VariantClear(&value);
    return element;
}

// The children as a screen reader lists them.
inline std::vector<Element> children(IAccessible* parent)
{
    long count = 0;
    parent->get_accChildCount(&count);
    std::vector<VARIANT> values(static_cast<std::size_t>(count > 0 ? count : 0));
    long obtained = 0;
    if (values.empty() || FAILED(AccessibleChildren(parent, 0, count, values.data(), &obtained)))
        return {};
    std::vector<Element> result;
    for (long index = 0; index < obtained; ++index)
        result.push_back(elementOf(parent, values[static_cast<std::size_t>(index)]));
    return result;
}

// A text property (get_accName by default) in the system code page; "" when there is none.
inline std::string text(const Element& element,
                        HRESULT (STDMETHODCALLTYPE IAccessible::*getter)(VARIANT, BSTR*) = &IAccessible::get_accName,
                        HRESULT* result = nullptr)
{
    BSTR value = nullptr;
    const HRESULT answer = (element.object.get()->*getter)(childVariant(element.childId), &value);
    if (result)
        *result = answer;
    std::string ansi(value ? WideCharToMultiByte(CP_ACP, 0, value, -1, nullptr, 0, nullptr, nullptr) : 1, '\0');
    if (value)
        WideCharToMultiByte(CP_ACP, 0, value, -1, ansi.data(), static_cast<int>(ansi.size()), nullptr, nullptr);
    SysFreeString(value);
    ansi.pop_back();  // the terminating null
    return ansi;
}
inline std::string name(const Element& element, HRESULT* result = nullptr)
{
    return text(element, &IAccessible::get_accName, result);
}

// get_accRole or get_accState; -1 when the answer is no number.
inline long number(const Element& element, HRESULT (STDMETHODCALLTYPE IAccessible::*getter)(VARIANT, VARIANT*),
                   HRESULT* result = nullptr)
{
    VARIANT value;
    VariantInit(&value);
    const HRESULT answer = (element.object.get()->*getter)(childVariant(element.childId), &value);
    if (result)
        *result = answer;
    const long integer = value.vt == VT_I4 ? value.lVal : -1;
    VariantClear(&value);
    return integer;
}
inline long role(const Element& element) { return number(element, &IAccessible::get_accRole); }
inline long state(const Element& element) { return number(element, &IAccessible::get_accState); }

// "name (role, state)" for a window-less control; "window <class>" for a child window of `panel`,
// since Wine 8's system object for a window (OBJID_WINDOW) answers E_NOTIMPL for name, role and
// state, where Windows gives the window's text and ROLE_SYSTEM_WINDOW.
inline std::string describe(const Element& element, HWND panel)
{
    HWND window = nullptr;
    if (element.childId == CHILDID_SELF && SUCCEEDED(WindowFromAccessibleObject(element.object.get(), &window)) &&
        window && GetParent(window) == panel) {
        char className[32] = {};
        GetClassNameA(window, className, sizeof className);
        return std::string("window ") + className;
    }
    return name(element) + " (" + std::to_string(role(element)) + ", " + std::to_string(state(element)) + ")";
}
inline std::vector<std::string> describeChildren(IAccessible* parent, HWND panel)
{
    std::vector<std::string> described;
    for (const Element& child : children(parent))
        described.push_back(describe(child, panel));
    return described;
}
inline std::string pushButton(const std::string& name, long state)
{
    return name + " (" + std::to_string(ROLE_SYSTEM_PUSHBUTTON) + ", " + std::to_string(state) + ")";
}

inline RECT location(const Element& element)
{
    long left = 0, top = 0, width = 0, height = 0;
    element.object->accLocation(&left, &top, &width, &height, childVariant(element.childId));
    return RECT{left, top, left + width, top + height};
}

inline HRESULT doDefaultAction(const Element& element)
{
    return element.object->accDoDefaultAction(childVariant(element.childId));
}

// The first child named `wanted`; an empty element when there is none.
inline Element childNamed(IAccessible* parent, const std::string& wanted)
{
    for (Element& child : children(parent))
        if (name(child) == wanted)
            return std::move(child);
    return {};
}

// WinEvents of one process (and thread, if given), hooked out of context: they come as messages
// to this thread, so they are seen only while it pumps.
class WinEventRecorder {
public:
    struct Event {
        DWORD event;
        HWND window;
        long objectId;
        long childId;
        friend bool operator==(const Event&, const Event&) = default;
    };

    WinEventRecorder(DWORD firstEvent, DWORD lastEvent, DWORD processId, DWORD threadId = 0)
        : hook_(SetWinEventHook(firstEvent, lastEvent, nullptr, &received, processId, threadId, WINEVENT_OUTOFCONTEXT))
    {
        current() = this;
    }
    ~WinEventRecorder()
    {
        if (hook_)
            UnhookWinEvent(hook_);
        current() = nullptr;
    }
    WinEventRecorder(const WinEventRecorder&) = delete;
    WinEventRecorder& operator=(const WinEventRecorder&) = delete;

    bool isHooked() const { return hook_ != nullptr; }
    // The events about the client area of `window`, in the order they came.
    std::vector<Event> about(HWND window) const
    {
        std::vector<Event> found;
        for (const Event& event : events_)
            if (event.window == window && event.objectId == OBJID_CLIENT)
                found.push_back(event);
        return found;
    }
    // Pumps this thread's messages until `count` events about `window` came; false on timeout.
    bool waitFor(HWND window, std::size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(10))
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (about(window).size() < count) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
        }
        return true;
    }

private:
    static WinEventRecorder*& current()
    {
        static WinEventRecorder* recorder = nullptr;
        return recorder;
    }
    static void CALLBACK received(HWINEVENTHOOK, DWORD event, HWND window, LONG objectId, LONG childId, DWORD, DWORD)
    {
        if (current())
            current()->events_.push_back(Event{event, window, objectId, childId});
    }

    HWINEVENTHOOK hook_;
    std::vector<Event> events_;
};

}  // namespace accessible_client
