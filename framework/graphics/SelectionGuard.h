#pragma once
// SelectionGuard: selects a GDI object (pen, brush, font, bitmap) into a device context and puts
// the previous object back when it goes out of scope. The guard owns neither the DC nor the
// object; declare the object before its guard so that the object outlives its selection (a
// selected object must never be deleted).

#include "framework/win32/NativeTypes.h"

#include <type_traits>

namespace fw {

class SelectionGuard {
public:
    SelectionGuard(native::DeviceContextHandle deviceContext, void* object);
    ~SelectionGuard();

    SelectionGuard(const SelectionGuard&) = delete;
    SelectionGuard& operator=(const SelectionGuard&) = delete;

private:
    native::DeviceContextHandle deviceContext_;
    void* previous_;
};

static_assert(!std::is_copy_constructible_v<SelectionGuard>);

}  // namespace fw
