// Fuzzes the decoding of a registry value: the first four bytes of an input are the value's type
// (little-endian, any number), the rest its data, as another program may have stored them.
// The oracle, for every input:
//   - no data reads as "" whatever the type;
//   - REG_SZ and REG_EXPAND_SZ read as the longest zero-free start of the data;
//   - any other type with data is refused, never read as text.

#include "framework/system/RegistryValue.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const std::uint32_t type = std::uint32_t{data[0]} | std::uint32_t{data[1]} << 8 | std::uint32_t{data[2]} << 16 |
                               std::uint32_t{data[3]} << 24;
    const auto* value = reinterpret_cast<const std::byte*>(data + 4);
    const std::size_t valueSize = size - 4;

    const auto text = fw::registryValueText(type, std::span(value, valueSize));
    if (valueSize == 0) {
        require(text && text->empty());
        return 0;
    }
    const bool isString = type == 1 || type == 2;
    require(text.has_value() == isString);
    if (!text)
        return 0;
    std::size_t expectedLength = 0;
    while (expectedLength < valueSize && data[4 + expectedLength] != 0)
        ++expectedLength;
    require(text->size() == expectedLength);
    for (std::size_t i = 0; i < expectedLength; ++i)
        require(static_cast<std::uint8_t>((*text)[i]) == data[4 + i]);
    return 0;
}
