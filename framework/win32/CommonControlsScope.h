#pragma once
// Common controls 6, the system's current look, for the windows made inside a scope.
//
// A process manifest can ask for them for every window of the program, but then the first edit,
// button or static control the program makes loads comctl32 and builds its activation context on
// the way to the first paint (under Wine that is comctl32's start-up, 15 to 20 ms). A program
// whose own windows need no common controls leaves them out of its process manifest and carries
// them in a second manifest, resource `commonControlsManifestId` of type RT_MANIFEST; its message
// boxes are then shown inside this scope, with the look they would have had. Without that
// resource the scope changes nothing, and the windows made inside it follow the process manifest.

#include "framework/win32/NativeTypes.h"

namespace fw {

// Outside the identifiers 1 to 16 that Windows' loader reads on its own.
inline constexpr int commonControlsManifestId = 100;

class CommonControlsScope {
public:
    CommonControlsScope() noexcept;
    ~CommonControlsScope();
    CommonControlsScope(const CommonControlsScope&) = delete;
    CommonControlsScope& operator=(const CommonControlsScope&) = delete;

    // Whether the program carries the manifest, so that the scope activates it.
    static bool isAvailable() noexcept;

private:
    unsigned long long cookie_ = 0;
    bool active_ = false;
};

}  // namespace fw
