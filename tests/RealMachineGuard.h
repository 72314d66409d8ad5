#pragma once
// Some tests change what a real Velmora installation lives on: the machine-wide record
// HKLM\Software\Korvand\9, the files it names, the root of drive C:. Under Wine they only touch
// the test prefix; on a Windows machine they could erase the product's record or replace its
// executable. So they run under Wine, or where a person has said so in the environment.
// Test-only; includes <windows.h>.

#include <windows.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace fw::test {

inline constexpr const char* realMachineOptIn = "VELMORA_TESTS_MAY_CHANGE_MACHINE";

inline bool isRunningUnderWine()
{
    // Wine's ntdll exports its version; Windows' has no such function.
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// Why a test that would change `what` must not run here; nothing when it may. Use as
//   if (const auto refusal = refusalToChange("...")) GTEST_SKIP() << *refusal;
inline std::optional<std::string> refusalToChange(const std::string& what)
{
    const char* optIn = std::getenv(realMachineOptIn);
    if (isRunningUnderWine() || (optIn && std::string(optIn) == "1"))
        return std::nullopt;
    return "not running under Wine, and this test would change " + what + " of this machine. Set " +
           realMachineOptIn + "=1 to run it here anyway.";
}

}  // namespace fw::test
