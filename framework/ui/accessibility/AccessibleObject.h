#pragma once
// AccessibleObject: the COM part shared by the framework's accessible objects (PanelAccessibleObject,
// ControlAccessibleObject): the reference count, QueryInterface for IUnknown, IDispatch and IAccessible,
// and answers for what none of them offers (type information, setting a name or value). For an
// object that describes only itself it also answers what such an object lacks (value, help,
// selecting), which an object with children overrides to pass on to them.
// For the framework's .cpp files only: this header includes <oleacc.h>.
//
// An object starts with one reference, its maker's. Once cut off from what it describes
// (isConnected() false) it answers CO_E_OBJNOTCONNECTED to everything but AddRef and Release.
// No C++ exception leaves a COM method: guarded() turns one into an HRESULT.

#include "framework/win32/AccessibilityApi.h"

#include <atomic>
#include <new>
#include <string>

namespace fw {

class AccessibleObject : public IAccessible {
public:
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // Clients reach the properties through IAccessible; there is no type library to look
    // names up in.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** typeInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;

    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

    // Not offered by an object without children: DISP_E_MEMBERNOTFOUND about itself (outputs
    // cleared), and the errors of checkSelf() otherwise.
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* helpFile, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;

protected:
    AccessibleObject() = default;
    virtual ~AccessibleObject() = default;

    virtual bool isConnected() const = 0;

    static bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
    // How every method that answers through pointers begins: E_POINTER when one of them is null,
    // else S_OK with each cleared (null, an empty VARIANT, 0), so that a call that fails leaves
    // the client nothing to free.
    template <typename... Outputs>
    static HRESULT clearOutputs(Outputs*... outputs)
    {
        if ((!outputs || ...))
            return E_POINTER;
        (clearOutput(outputs), ...);
        return S_OK;
    }
    // For an object without children: CO_E_OBJNOTCONNECTED once cut off, E_INVALIDARG for any
    // child but the object itself, S_OK for itself; with outputs, clearOutputs(outputs...) first.
    HRESULT checkSelf(const VARIANT& child) const;
    template <typename... Outputs>
    HRESULT checkSelf(const VARIANT& child, Outputs*... outputs) const
    {
        const HRESULT cleared = clearOutputs(outputs...);
        return cleared != S_OK ? cleared : checkSelf(child);
    }
    static VARIANT selfVariant();
    static void setEmpty(VARIANT* value);
    static void setInteger(VARIANT* value, long integer);
    static void setDispatch(VARIANT* value, IDispatch* adopted);
    // S_OK with the text, S_FALSE with no string when it is empty, E_OUTOFMEMORY.
    static HRESULT setText(BSTR* out, const std::string& ansi);

    template <typename Body>
    static HRESULT guarded(Body body) noexcept
    {
        try {
            return body();
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        } catch (...) {
            return E_FAIL;
        }
    }

private:
    template <typename Pointer>
    static void clearOutput(Pointer** pointer)
    {
        *pointer = nullptr;
    }
    static void clearOutput(VARIANT* value);
    static void clearOutput(long* value);
    static void clearOutput(UINT* value);

    HRESULT notOffered(const VARIANT& child) const;

    std::atomic<ULONG> references_{1};
};

}  // namespace fw
