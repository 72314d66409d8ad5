#pragma once
// Tests that change what a Velmora installation lives on (its record HKLM\Software\Korvand\9,
// files at fixed places) could erase a real installation on Windows. They run under Wine, whose
// prefix is theirs, or where a person opts in:
//   if (const auto refusal = fw::test::refusalToChange("...")) GTEST_SKIP() << *refusal;
// Test-only; includes <windows.h>.

#include <windows.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace fw::test {

// Why a test that would change `what` must not run here; nothing when it may.
inline std::optional<std::string> refusalToChange(const std::string& what)
{
    // Wine's ntdll exports its version; Windows' has no such function.
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    const char* optIn = std::getenv("VELMORA_TESTS_MAY_CHANGE_MACHINE");
    if ((ntdll && GetProcAddress(ntdll, "wine_get_version")) || (optIn && std::string(optIn) == "1"))
        return std::nullopt;
    return "not running under Wine, and this test would change " + what +
           " of this machine. Set VELMORA_TESTS_MAY_CHANGE_MACHINE=1 to run it here anyway.";
}

}  // namespace fw::test
