#pragma once
// RegistryKey: one open key under HKEY_LOCAL_MACHINE, owned for the lifetime of the object.
//
// Errors: opening reports failure by returning nothing (callers decide whether a missing key
// matters); reading and writing raise fw::RegistryError with the framework's messages
// ("Invalid data type for '%s'", "Failed to set data for '%s'").
//
// Texts are 8-bit strings in the system's ANSI code page, passed to the registry as such.

#include "framework/win32/Handles.h"

#include <optional>
#include <string>

namespace fw {

// Which registry view a 64-bit process sees. A 32-bit program's HKLM\Software lives in the 32-bit
// view (HKLM\Software\Wow6432Node\... on 64-bit Windows); its records are reached through it.
enum class RegistryView { Native, Bits32 };

class RegistryKey {
public:
    // Opens HKEY_LOCAL_MACHINE\`path` with full access, creating it (non-volatile) if absent.
    // Full access is asked for also when only reading, as the product itself does; a key the
    // caller may not write therefore cannot be opened. Nothing when the key cannot be opened.
    static std::optional<RegistryKey> openLocalMachine(const std::string& path, RegistryView view);

    // The text of a string value (REG_SZ, or REG_EXPAND_SZ returned unexpanded) up to its first
    // zero byte. A missing value, or a value of any type that holds no data, reads as "".
    // Any other type with data raises "Invalid data type for '<name>'".
    std::string readString(const std::string& name) const;

    // Stores `text` as REG_SZ with its terminating zero byte; failure raises
    // "Failed to set data for '<name>'".
    void writeString(const std::string& name, const std::string& text) const;

private:
    explicit RegistryKey(UniqueKey key) : key_(std::move(key)) {}
    UniqueKey key_;
};

static_assert(!std::is_copy_constructible_v<RegistryKey>);

}  // namespace fw
