#pragma once
// AccessibilityApi: the system functions behind the framework's accessible objects (MSAA), found
// at run time in DLLs loaded from the system folder (SystemLibrary.h). The executable imports
// none of these DLLs: oleacc.dll is not one that Windows always takes from the system folder, so
// an import would let a DLL planted beside the executable be loaded in its place.
// For the framework's .cpp files only: this header includes <windows.h> and <oleacc.h>.
//
// One per process, made on first use and kept until the process ends, because COM objects that
// clients still hold may call into these DLLs until then. instance() is null when the system
// lacks one of the DLLs or functions; the framework then simply offers no accessible objects.

#include "framework/win32/SystemLibrary.h"

#include <windows.h>

#include <oleacc.h>

#include <string>

namespace fw {

class AccessibilityApi {
public:
    static AccessibilityApi* instance();

    // COM on the calling thread as a single-threaded apartment, entered once per process by the
    // GUI thread and left when the process ends. LresultFromObject marshals the object it is given
    // and fails with CO_E_NOTINITIALIZED on a thread without COM. False when COM is unavailable.
    bool enterApartment();

    // A BSTR with `ansi` (system code page) converted to UTF-16, or null when out of memory. The
    // receiver of an out-parameter frees it.
    BSTR makeString(const std::string& ansi) const;

    decltype(&LresultFromObject) lresultFromObject = nullptr;
    decltype(&CreateStdAccessibleObject) createStdAccessibleObject = nullptr;
    decltype(&AccessibleObjectFromWindow) accessibleObjectFromWindow = nullptr;

    AccessibilityApi(const AccessibilityApi&) = delete;
    AccessibilityApi& operator=(const AccessibilityApi&) = delete;

private:
    AccessibilityApi();
    ~AccessibilityApi();
    bool isComplete() const;

    SystemLibrary ole32_{"ole32.dll"};
    SystemLibrary oleaut32_{"oleaut32.dll"};
    SystemLibrary oleacc_{"oleacc.dll"};
    decltype(&CoInitializeEx) coInitializeEx_ = nullptr;
    decltype(&CoUninitialize) coUninitialize_ = nullptr;
    decltype(&SysAllocStringLen) sysAllocStringLen_ = nullptr;

    bool hasTriedApartment_ = false;
    bool isInApartment_ = false;
    bool owesUninitialize_ = false;
    DWORD apartmentThread_ = 0;
};

}  // namespace fw
