#pragma once
// The client side of MSAA for tests: what a screen reader does with an accessible object (read a
// child's name, role, state and place, press it) and with WinEvents (hook them out of context and
// read the messages that bring them). Header only; test programs that include it link
// uuid, oleacc, ole32 and oleaut32, uuid first (otherwise IID_IAccessible resolves to an import
// thunk and marshalling fails with E_NOINTERFACE).

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
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

// The one owner of a BSTR that a call handed out.
class OwnedString {
public:
    OwnedString() = default;
    ~OwnedString() { SysFreeString(text_); }
    OwnedString(const OwnedString&) = delete;
    OwnedString& operator=(const OwnedString&) = delete;
    BSTR* put()
    {
        SysFreeString(text_);
        text_ = nullptr;
        return &text_;
    }
    bool isNull() const { return text_ == nullptr; }
    std::string ansi() const
    {
        if (!text_)
            return {};
        const int length = WideCharToMultiByte(CP_ACP, 0, text_, static_cast<int>(SysStringLen(text_)), nullptr, 0,
                                               nullptr, nullptr);
        std::string result(static_cast<std::size_t>(length), '\0');
        WideCharToMultiByte(CP_ACP, 0, text_, static_cast<int>(SysStringLen(text_)), result.data(), length, nullptr,
                            nullptr);
        return result;
    }

private:
    BSTR text_ = nullptr;
};

inline VARIANT childVariant(long childId)
{
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = childId;
    return child;
}

inline fw::ComPtr<IAccessible> objectFromWindow(HWND window, long objectId = OBJID_CLIENT)
{
    fw::ComPtr<IAccessible> object;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(objectId), IID_IAccessible,
                               reinterpret_cast<void**>(object.put()));
    return object;
}

// A VARIANT that names an object: VT_DISPATCH gives the object itself, VT_I4 a simple child of
// `parent`. Takes over the VARIANT's reference.
struct Element {
    fw::ComPtr<IAccessible> object;
    long childId = CHILDID_SELF;
};

inline Element elementOf(IAccessible* parent, VARIANT& value)
{
    Element element;
    if (value.vt == VT_DISPATCH && value.pdispVal) {
        value.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(element.object.put()));
    } else if (value.vt == VT_I4) {
        element.object = fw::ComPtr<IAccessible>::share(parent);
        element.childId = value.lVal;
    }
    VariantClear(&value);
    return element;
}

// The children as a screen reader lists them (AccessibleChildren).
inline std::vector<Element> children(IAccessible* parent)
{
    long count = 0;
    if (FAILED(parent->get_accChildCount(&count)) || count <= 0)
        return {};
    std::vector<VARIANT> values(static_cast<std::size_t>(count));
    long obtained = 0;
    if (FAILED(AccessibleChildren(parent, 0, count, values.data(), &obtained)))
        return {};
    std::vector<Element> result;
    for (long index = 0; index < obtained; ++index)
        result.push_back(elementOf(parent, values[static_cast<std::size_t>(index)]));
    return result;
}

inline std::string name(const Element& element, HRESULT* result = nullptr)
{
    OwnedString text;
    const HRESULT answer = element.object->get_accName(childVariant(element.childId), text.put());
    if (result)
        *result = answer;
    return text.ansi();
}

inline long integerProperty(HRESULT (STDMETHODCALLTYPE IAccessible::*getter)(VARIANT, VARIANT*), const Element& element,
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
inline long role(const Element& element, HRESULT* result = nullptr)
{
    return integerProperty(&IAccessible::get_accRole, element, result);
}
inline long state(const Element& element, HRESULT* result = nullptr)
{
    return integerProperty(&IAccessible::get_accState, element, result);
}

inline std::string textProperty(HRESULT (STDMETHODCALLTYPE IAccessible::*getter)(VARIANT, BSTR*), const Element& element)
{
    OwnedString text;
    (element.object.get()->*getter)(childVariant(element.childId), text.put());
    return text.ansi();
}
inline std::string keyboardShortcut(const Element& element)
{
    return textProperty(&IAccessible::get_accKeyboardShortcut, element);
}
inline std::string defaultAction(const Element& element)
{
    return textProperty(&IAccessible::get_accDefaultAction, element);
}

inline RECT location(const Element& element, HRESULT* result = nullptr)
{
    long left = 0, top = 0, width = 0, height = 0;
    const HRESULT answer = element.object->accLocation(&left, &top, &width, &height, childVariant(element.childId));
    if (result)
        *result = answer;
    return RECT{left, top, left + width, top + height};
}

inline HRESULT doDefaultAction(const Element& element)
{
    return element.object->accDoDefaultAction(childVariant(element.childId));
}

// The first child whose name is `wanted`; an empty element when there is none.
inline Element childNamed(IAccessible* parent, const std::string& wanted)
{
    for (Element& child : children(parent))
        if (name(child) == wanted)
            return std::move(child);
    return {};
}

// WinEvents of one process (and, if given, one thread), hooked out of context: they arrive as
// messages to this thread, so they are seen only while it runs a message loop.
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
    {
        current() = this;
        hook_ = SetWinEventHook(firstEvent, lastEvent, nullptr, &WinEventRecorder::received, processId, threadId,
                                WINEVENT_OUTOFCONTEXT);
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
    std::vector<Event> events;

    // Runs this thread's messages until `done` holds or `timeout` passed; false on timeout.
    bool pumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout)
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            if (done())
                return true;
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
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
            current()->events.push_back(Event{event, window, objectId, childId});
    }

    HWINEVENTHOOK hook_ = nullptr;
};

}  // namespace accessible_client
