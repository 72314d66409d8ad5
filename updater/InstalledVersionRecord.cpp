#include "updater/InstalledVersionRecord.h"

#include "framework/core/Error.h"
#include "framework/system/Registry.h"

namespace velmora {
namespace {

constexpr const char* makerKeyPath = "Software\\Korvand\\";
constexpr const char* recordNumber = "9";

}  // namespace

InstalledVersionRecord::InstalledVersionRecord(std::string keyPath) : keyPath_(std::move(keyPath))
{
}

std::string InstalledVersionRecord::defaultKeyPath()
{
    return std::string(makerKeyPath) + recordNumber;
}

std::string InstalledVersionRecord::read(const std::string& valueName) const
{
    const auto key = fw::RegistryKey::openLocalMachine(keyPath_, fw::RegistryView::Bits32);
    if (!key)
        return {};
    return key->readString(valueName);
}

void InstalledVersionRecord::write(const std::string& valueName, const std::string& text) const
{
    const auto key = fw::RegistryKey::openLocalMachine(keyPath_, fw::RegistryView::Bits32);
    if (!key)
        throw fw::RegistryError(fw::formatMessage("Failed to set data for '%s'", valueName));
    key->writeString(valueName, text);
}

}  // namespace velmora
