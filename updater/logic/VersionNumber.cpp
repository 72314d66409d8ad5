#include "updater/logic/VersionNumber.h"

#include <limits>

namespace velmora {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<VersionNumber> VersionNumber::parse(std::string_view text)
{
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);

    if (whole.empty())
        return std::nullopt;
    if (point != std::string_view::npos && (fraction.empty() || fraction.size() > 4))
        return std::nullopt;

    std::int64_t fractionValue = 0;
    std::int64_t place = scale;
    for (char c : fraction) {
        if (!isDigit(c))
            return std::nullopt;
        place /= 10;
        fractionValue += (c - '0') * place;
    }

    // The largest whole part depends on the fraction: 922337203685477.5807 is the last version.
    const std::int64_t maxWhole = (std::numeric_limits<std::int64_t>::max() - fractionValue) / scale;
    std::int64_t wholeValue = 0;
    for (char c : whole) {
        if (!isDigit(c))
            return std::nullopt;
        if (wholeValue > (maxWhole - (c - '0')) / 10)
            return std::nullopt;
        wholeValue = wholeValue * 10 + (c - '0');
    }
    return VersionNumber(wholeValue * scale + fractionValue);
}

std::string VersionNumber::text(char decimalSeparator) const
{
    std::string result = std::to_string(scaled_ / scale);
    std::int64_t fraction = scaled_ % scale;
    if (fraction == 0)
        return result;
    std::string digits = std::to_string(fraction);
    digits.insert(0, 4 - digits.size(), '0');
    while (digits.back() == '0')
        digits.pop_back();
    return result + decimalSeparator + digits;
}

}  // namespace velmora
