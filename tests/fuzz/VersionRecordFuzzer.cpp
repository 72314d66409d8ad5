// Fuzzes what the updater reads from the registry: any VER text, through the version parser and
// the installation check. Properties that must hold for every input:
//   - the check never throws and reports one, two or three lines;
//   - it raises an error exactly when the text after the product name is not a version;
//   - a version that parses prints back to a text that parses to the same version.

#include "updater/logic/InstallationCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    if (const auto version = velmora::VersionNumber::parse(text)) {
        require(version->scaled() >= 0);
        require(velmora::VersionNumber::parse(version->text('.')) == version);
    }

    const auto builtIn = velmora::VersionNumber::fromScaled(22500);
    const auto report = velmora::checkInstallation({"C:\\Velmora", text}, builtIn, '.');
    require(!report.lines.empty() && report.lines.size() <= 3);
    if (text.size() <= velmora::versionPrefixLength) {
        require(!report.updateEnabled && !report.error && report.lines.size() == 1);
    } else {
        const bool parses = velmora::VersionNumber::parse(text.substr(velmora::versionPrefixLength)).has_value();
        require(report.error.has_value() == !parses);
        require(report.updateEnabled == parses);
    }
    return 0;
}
