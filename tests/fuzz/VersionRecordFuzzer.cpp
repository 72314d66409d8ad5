// Fuzzes what the updater reads from the registry: any VER text, through the version parser and
// the installation check. The oracle reads the text by itself, character by character, without
// the parser it checks. For every input:
//   - a text is a version exactly when it is digits, optionally a point and one to four digits,
//     and its value fits in 64 bits scaled by 10000;
//   - a version prints as its shortest form: no leading zeros, no trailing fraction zeros;
//   - the check never throws, reports one, two or three lines, and raises an error exactly when
//     the text after the product name is not a version.

#include "updater/logic/InstallationCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool isDigits(const std::string& text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// The shortest decimal form of a well-formed version text, or nothing for any other text.
std::optional<std::string> expectedVersionText(const std::string& text)
{
    const std::size_t point = text.find('.');
    std::string whole = text.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    if (!isDigits(whole) || (point != std::string::npos && (!isDigits(fraction) || fraction.size() > 4)))
        return std::nullopt;

    whole.erase(0, whole.find_first_not_of('0'));
    fraction.resize(4, '0');
    // The largest value is 9223372036854775807 / 10000: 922337203685477.5807.
    const std::string largest = "9223372036854775807";
    const std::string scaled = whole + fraction;
    if (scaled.size() > largest.size() || (scaled.size() == largest.size() && scaled > largest))
        return std::nullopt;

    fraction.erase(fraction.find_last_not_of('0') + 1);
    if (whole.empty())
        whole = "0";
    return fraction.empty() ? whole : whole + "." + fraction;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    const auto version = velmora::VersionNumber::parse(text);
    const auto expected = expectedVersionText(text);
    require(version.has_value() == expected.has_value());
    if (version)
        require(version->text('.') == *expected);

    const auto builtIn = velmora::VersionNumber::fromScaled(22500);
    const auto report = velmora::checkInstallation({"C:\\Velmora", text}, builtIn, '.');
    require(!report.lines.empty() && report.lines.size() <= 3);
    if (text.size() <= velmora::versionPrefixLength) {
        require(!report.updateEnabled && !report.error && report.lines.size() == 1);
    } else {
        const bool isVersion = expectedVersionText(text.substr(velmora::versionPrefixLength)).has_value();
        require(report.error.has_value() == !isVersion);
        require(report.updateEnabled == isVersion);
    }
    return 0;
}
