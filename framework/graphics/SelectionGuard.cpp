#include "framework/graphics/SelectionGuard.h"

#include <windows.h>

namespace fw {

SelectionGuard::SelectionGuard(native::DeviceContextHandle deviceContext, void* object)
    : deviceContext_(deviceContext), previous_(SelectObject(deviceContext, static_cast<HGDIOBJ>(object)))
{
}

SelectionGuard::~SelectionGuard()
{
    // SelectObject returns null on failure; then nothing was replaced and nothing is to restore.
    if (previous_ != nullptr)
        SelectObject(deviceContext_, static_cast<HGDIOBJ>(previous_));
}

}  // namespace fw
