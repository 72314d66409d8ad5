#pragma once
// The installed version record: the registry key that the installed product keeps under
// HKEY_LOCAL_MACHINE, with its installation folder (CALE) and its version text (VER,
// "Velmora " + version). The product is a 32-bit program, so the record lives in the 32-bit
// registry view; this 64-bit updater reads and writes it there.
//
// Every read and write opens the key afresh and closes it again; nothing is cached, so what the
// product writes meanwhile is always seen. Errors are fw::RegistryError (see Registry.h).

#include <string>

namespace velmora {

inline constexpr const char* folderValueName = "CALE";
inline constexpr const char* versionValueName = "VER";

class InstalledVersionRecord {
public:
    explicit InstalledVersionRecord(std::string keyPath = defaultKeyPath());

    // "Software\Korvand\9": the maker's key followed by the product's record number.
    static std::string defaultKeyPath();

    // The value's text; "" for a missing value, a value without data, or a key that cannot be
    // opened or created (not reported). A value of a non-string type raises
    // "Invalid data type for '<name>'".
    std::string read(const std::string& valueName) const;

    // Stores `text` as a string value. Raises "Failed to set data for '<name>'" when the key
    // cannot be opened or created or the value cannot be set.
    void write(const std::string& valueName, const std::string& text) const;

    const std::string& keyPath() const noexcept { return keyPath_; }

private:
    std::string keyPath_;
};

}  // namespace velmora
