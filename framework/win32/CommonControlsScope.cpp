#include "framework/win32/CommonControlsScope.h"

#include "framework/win32/Handles.h"

#include <windows.h>

namespace fw {
namespace {

// Made from the program's resource on first use and kept for the life of the process.
HANDLE commonControlsContext() noexcept
{
    static const UniqueActivationContext context = [] {
        HMODULE program = GetModuleHandleA(nullptr);
        if (!FindResourceA(program, MAKEINTRESOURCEA(commonControlsManifestId), MAKEINTRESOURCEA(24)))
            return UniqueActivationContext();
        ACTCTXA description{};
        description.cbSize = sizeof description;
        description.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        description.hModule = program;
        description.lpResourceName = MAKEINTRESOURCEA(commonControlsManifestId);
        const HANDLE made = CreateActCtxA(&description);
        return UniqueActivationContext(made == INVALID_HANDLE_VALUE ? nullptr : made);
    }();
    return context.get();
}

}  // namespace

CommonControlsScope::CommonControlsScope() noexcept
{
    if (HANDLE context = commonControlsContext()) {
        ULONG_PTR cookie = 0;
        active_ = ActivateActCtx(context, &cookie) != FALSE;
        cookie_ = cookie;
    }
}

CommonControlsScope::~CommonControlsScope()
{
    if (active_)
        DeactivateActCtx(0, static_cast<ULONG_PTR>(cookie_));
}

bool CommonControlsScope::isAvailable() noexcept { return commonControlsContext() != nullptr; }

}  // namespace fw
