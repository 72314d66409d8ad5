#pragma once
// SystemLibrary: a DLL taken from the system folder only, never from the program's own folder or
// the search path, for DLLs that Windows does not always take from there itself (the KnownDLLs
// it does). A DLL planted beside the executable is therefore never loaded through this class.
//
// Owns one reference to the loaded module; procedures found in it stay valid while the object
// lives. A missing DLL or procedure is not an error here: isLoaded() and a null procedure say so,
// and the caller goes on without the feature.

#include "framework/win32/Handles.h"

namespace fw {

class SystemLibrary {
public:
    explicit SystemLibrary(const char* fileName);  // a file name without folder, e.g. "oleacc.dll"

    bool isLoaded() const { return module_.isValid(); }
    native::ModuleHandle handle() const { return module_.get(); }

    // The exported function `name` as a pointer to `Function` (a function type), or null.
    template <typename Function>
    Function* procedure(const char* name) const
    {
        return reinterpret_cast<Function*>(address(name));
    }

private:
    using Address = void (*)();  // FARPROC; casts from this type are allowed to any function type
    Address address(const char* name) const;

    UniqueModule module_;
};

}  // namespace fw
