// Decoding a registry value's type and bytes into the record's text, for every kind of value
// another program may have left: types, terminators, embedded zeros, sizes.

#include "framework/system/RegistryValue.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

std::optional<std::string> decode(std::uint32_t type, const std::string& bytes)
{
    return fw::registryValueText(type, std::as_bytes(std::span(bytes.data(), bytes.size())));
}

constexpr auto sz = static_cast<std::uint32_t>(fw::RegistryValueType::String);
constexpr auto expandSz = static_cast<std::uint32_t>(fw::RegistryValueType::ExpandString);

}  // namespace

TEST(RegistryValueText, StringsEndAtTheirFirstZeroByteOrTheirSize)
{
    struct Case {
        std::uint32_t type;
        std::string bytes;
        std::string text;
    };
    const std::vector<Case> cases = {
        {sz, std::string("Velmora 2.25\0", 13), "Velmora 2.25"},
        {sz, "Velmora 2.25", "Velmora 2.25"},  // stored without a terminating zero
        {sz, std::string("Velmora 2.2\0" "5\0", 14), "Velmora 2.2"},
        {sz, std::string("\0Velmora", 8), ""},
        {sz, std::string(1, '\0'), ""},
        {sz, "V", "V"},
        {expandSz, std::string("%ProgramFiles%\\Velmora\0", 23), "%ProgramFiles%\\Velmora"},
        {sz, "\xFF\xFE\x80", "\xFF\xFE\x80"},  // bytes of another code page pass through unchanged
        {sz, std::string(300000, 'v'), std::string(300000, 'v')},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decode(c.type, c.bytes), c.text) << "type " << c.type << ", " << c.bytes.size() << " bytes";
}

TEST(RegistryValueText, OtherTypesAreRefusedWhenTheyHoldData)
{
    for (std::uint32_t type : {0u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u, 11u, 12u, 0xFFFFFFFFu}) {
        EXPECT_EQ(decode(type, "Velmora 2.25"), std::nullopt) << "type " << type;
        EXPECT_EQ(decode(type, std::string(4, '\0')), std::nullopt) << "type " << type;
        // A value without data reads as empty, whatever its type.
        EXPECT_EQ(decode(type, ""), "") << "type " << type;
    }
    EXPECT_EQ(decode(sz, ""), "");
}
