#include "framework/ui/accessibility/AccessibleObject.h"

namespace fw {

HRESULT AccessibleObject::QueryInterface(REFIID interfaceId, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(interfaceId, IID_IUnknown) || IsEqualIID(interfaceId, IID_IDispatch) ||
        IsEqualIID(interfaceId, IID_IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG AccessibleObject::AddRef() { return ++references_; }

ULONG AccessibleObject::Release()
{
    const ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count)
{
    return clearOutputs(count);
}

HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo** typeInfo)
{
    if (typeInfo)
        *typeInfo = nullptr;
    return E_NOTIMPL;
}

HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return E_NOTIMPL;
}

HRESULT AccessibleObject::put_accName(VARIANT, BSTR)
{
    return isConnected() ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}

HRESULT AccessibleObject::put_accValue(VARIANT, BSTR)
{
    return isConnected() ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}

HRESULT AccessibleObject::get_accValue(VARIANT child, BSTR* value)
{
    if (const HRESULT cleared = clearOutputs(value); cleared != S_OK)
        return cleared;
    return notOffered(child);
}

HRESULT AccessibleObject::get_accHelp(VARIANT child, BSTR* help)
{
    if (const HRESULT cleared = clearOutputs(help); cleared != S_OK)
        return cleared;
    return notOffered(child);
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* helpFile, VARIANT child, long* topic)
{
    if (const HRESULT cleared = clearOutputs(helpFile, topic); cleared != S_OK)
        return cleared;
    return notOffered(child);
}

HRESULT AccessibleObject::accSelect(long, VARIANT child)
{
    return notOffered(child);
}

void AccessibleObject::clearOutput(VARIANT* value) { setEmpty(value); }

void AccessibleObject::clearOutput(long* value) { *value = 0; }

void AccessibleObject::clearOutput(UINT* value) { *value = 0; }

HRESULT AccessibleObject::checkSelf(const VARIANT& child) const
{
    if (!isConnected())
        return CO_E_OBJNOTCONNECTED;
    return isSelf(child) ? S_OK : E_INVALIDARG;
}

HRESULT AccessibleObject::notOffered(const VARIANT& child) const
{
    const HRESULT checked = checkSelf(child);
    return checked != S_OK ? checked : DISP_E_MEMBERNOTFOUND;
}

VARIANT AccessibleObject::selfVariant()
{
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

void AccessibleObject::setEmpty(VARIANT* value) { value->vt = VT_EMPTY; }

void AccessibleObject::setInteger(VARIANT* value, long integer)
{
    value->vt = VT_I4;
    value->lVal = integer;
}

void AccessibleObject::setDispatch(VARIANT* value, IDispatch* adopted)
{
    value->vt = VT_DISPATCH;
    value->pdispVal = adopted;
}

HRESULT AccessibleObject::setText(BSTR* out, const std::string& ansi)
{
    *out = nullptr;
    if (ansi.empty())
        return S_FALSE;
    AccessibilityApi* api = AccessibilityApi::instance();
    if (!api)
        return E_FAIL;
    *out = api->makeString(ansi);
    return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace fw
