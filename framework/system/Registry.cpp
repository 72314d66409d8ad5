#include "framework/system/Registry.h"

#include "framework/core/Error.h"
#include "framework/system/RegistryValue.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace fw {

std::optional<RegistryKey> RegistryKey::openLocalMachine(const std::string& path, RegistryView view)
{
    REGSAM access = KEY_ALL_ACCESS;
    if (view == RegistryView::Bits32)
        access |= KEY_WOW64_32KEY;
    HKEY key = nullptr;
    const LONG status = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr,
                                        REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    return RegistryKey(UniqueKey(key));
}

std::string RegistryKey::readString(const std::string& name) const
{
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return {};  // no such value
    // The value may grow between the two calls (another process writing it): ask again with the
    // new size until it fits. For ANSI calls the first size is already an upper bound (the
    // registry stores UTF-16), so this loop normally runs once.
    std::vector<std::byte> buffer;
    LONG status = ERROR_MORE_DATA;
    while (status == ERROR_MORE_DATA) {
        buffer.resize(size + 1);
        size = static_cast<DWORD>(buffer.size());
        status = RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(buffer.data()), &size);
    }
    if (status != ERROR_SUCCESS)
        return {};  // removed in the meantime
    // The type may have changed meanwhile too: decode what was read, as it was read.
    const std::optional<std::string> text =
        registryValueText(type, std::span(buffer).first(std::min<std::size_t>(size, buffer.size())));
    if (!text)
        throw RegistryError(formatMessage("Invalid data type for '%s'", name));
    return *text;
}

void RegistryKey::writeString(const std::string& name, const std::string& text) const
{
    const LONG status = RegSetValueExA(key_.get(), name.c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(text.c_str()),
                                       static_cast<DWORD>(text.size() + 1));
    if (status != ERROR_SUCCESS)
        throw RegistryError(formatMessage("Failed to set data for '%s'", name));
}

}  // namespace fw
