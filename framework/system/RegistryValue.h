#pragma once
// What a registry value's stored type and bytes mean as a text: the decoding of RegistryKey::
// readString, without Win32, so that any type and any bytes (a value written by another program
// may be anything) can be tested and fuzzed natively.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace fw {

// The registry's value types, with the numbers Windows stores (winnt.h REG_*).
enum class RegistryValueType : std::uint32_t {
    None = 0,
    String = 1,            // REG_SZ
    ExpandString = 2,      // REG_EXPAND_SZ
    Binary = 3,
    Dword = 4,
    DwordBigEndian = 5,
    Link = 6,
    MultiString = 7,
    ResourceList = 8,
    FullResourceDescriptor = 9,
    ResourceRequirementsList = 10,
    Qword = 11,
};

// The text of a value of type `type` (any number, also ones Windows does not define) holding
// `data` as returned by the ANSI registry calls:
//   - no data at all: "" whatever the type;
//   - REG_SZ or REG_EXPAND_SZ (returned unexpanded): the bytes up to the first zero byte, or all
//     of them when the value was stored without a terminating zero;
//   - any other type with data: nothing; the caller raises "Invalid data type for '<name>'".
std::optional<std::string> registryValueText(std::uint32_t type, std::span<const std::byte> data);

}  // namespace fw
