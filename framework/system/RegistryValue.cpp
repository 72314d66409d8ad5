#include "framework/system/RegistryValue.h"

#include <string_view>

namespace fw {

std::optional<std::string> registryValueText(std::uint32_t type, std::span<const std::byte> data)
{
    if (data.empty())
        return std::string();
    if (type != static_cast<std::uint32_t>(RegistryValueType::String) &&
        type != static_cast<std::uint32_t>(RegistryValueType::ExpandString))
        return std::nullopt;
    const std::string_view stored(reinterpret_cast<const char*>(data.data()), data.size());
    return std::string(stored.substr(0, stored.find('\0')));
}

}  // namespace fw
