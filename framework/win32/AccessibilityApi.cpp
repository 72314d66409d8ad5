#include "framework/win32/AccessibilityApi.h"

#include <new>
#include <type_traits>
#include <vector>

namespace fw {

AccessibilityApi* AccessibilityApi::instance()
{
    static AccessibilityApi api;
    return api.isComplete() ? &api : nullptr;
}

AccessibilityApi::AccessibilityApi()
{
    coInitializeEx_ = ole32_.procedure<std::remove_pointer_t<decltype(coInitializeEx_)>>("CoInitializeEx");
    coUninitialize_ = ole32_.procedure<std::remove_pointer_t<decltype(coUninitialize_)>>("CoUninitialize");
    sysAllocStringLen_ =
        oleaut32_.procedure<std::remove_pointer_t<decltype(sysAllocStringLen_)>>("SysAllocStringLen");
    lresultFromObject = oleacc_.procedure<std::remove_pointer_t<decltype(lresultFromObject)>>("LresultFromObject");
    createStdAccessibleObject =
        oleacc_.procedure<std::remove_pointer_t<decltype(createStdAccessibleObject)>>("CreateStdAccessibleObject");
    accessibleObjectFromWindow =
        oleacc_.procedure<std::remove_pointer_t<decltype(accessibleObjectFromWindow)>>("AccessibleObjectFromWindow");
}

AccessibilityApi::~AccessibilityApi()
{
    // CoUninitialize belongs to the thread that initialised; at exit that is the GUI thread,
    // unless the process ends from another one, which then leaves COM to the process's end.
    if (owesUninitialize_ && GetCurrentThreadId() == apartmentThread_)
        coUninitialize_();
}

bool AccessibilityApi::isComplete() const
{
    return coInitializeEx_ && coUninitialize_ && sysAllocStringLen_ && lresultFromObject &&
           createStdAccessibleObject && accessibleObjectFromWindow;
}

bool AccessibilityApi::enterApartment()
{
    if (hasTriedApartment_)
        return isInApartment_;
    hasTriedApartment_ = true;
    apartmentThread_ = GetCurrentThreadId();
    const HRESULT result = coInitializeEx_(nullptr, COINIT_APARTMENTTHREADED);
    // S_FALSE: the thread had COM already, and the count went up all the same.
    owesUninitialize_ = result == S_OK || result == S_FALSE;
    // A thread already in the multi-threaded apartment can marshal too.
    isInApartment_ = owesUninitialize_ || result == RPC_E_CHANGED_MODE;
    return isInApartment_;
}

BSTR AccessibilityApi::makeString(const std::string& ansi) const
{
    if (ansi.empty())
        return sysAllocStringLen_(L"", 0);
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    if (length <= 0)
        return nullptr;
    try {
        std::vector<wchar_t> wide(static_cast<std::size_t>(length));
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), length);
        return sysAllocStringLen_(wide.data(), static_cast<UINT>(length));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}  // namespace fw
