#pragma once
// A Velmora version number: a fixed-point decimal with four fractional digits, held as a 64-bit
// integer scaled by 10000 (2.25 is 22500), and its version text.
//
// The version text is the shortest decimal form: no thousands separators, no trailing zeros after
// the point, no point at all for a whole number (22500 -> "2.25", 22000 -> "2.2", 20000 -> "2").
// The product writes "Velmora " + this text into the registry, so parsing accepts exactly the
// texts a version can have: digits, optionally a point and one to four digits.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

class VersionNumber {
public:
    static constexpr std::int64_t scale = 10000;

    constexpr VersionNumber() = default;
    static constexpr VersionNumber fromScaled(std::int64_t scaled) { return VersionNumber(scaled); }

    // Digits, optionally "." and one to four digits; "." whatever the locale. Anything else,
    // including signs, spaces, an empty text and values beyond the 64-bit range, gives nothing.
    static std::optional<VersionNumber> parse(std::string_view text);

    // The shortest decimal form, with `decimalSeparator` as its point (non-negative versions).
    std::string text(char decimalSeparator) const;

    constexpr std::int64_t scaled() const { return scaled_; }
    friend constexpr auto operator<=>(VersionNumber, VersionNumber) = default;

private:
    constexpr explicit VersionNumber(std::int64_t scaled) : scaled_(scaled) {}
    std::int64_t scaled_ = 0;
};

}  // namespace velmora
