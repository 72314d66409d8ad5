#pragma once
// One value of a window description and its text, apart from the lines and objects around it:
//
//   -12                          an integer (64 bits, optionally negative)
//   'It''s'#13#10'here'          a string: quoted parts ('' for a quote) and character codes
//                                (#0 to #255) side by side
//   clBtnFace, True, Button2Click  an identifier
//   [fsBold, fsItalic], []       a set of identifiers
//
// readValue() and formatValue() are each other's inverse: formatValue() writes the canonical
// text (control characters as codes, so that a string stays on its line; ", " between set
// members), and readValue() of it gives the same value back. Spaces around a value and inside
// a set are allowed when reading.
//
// Plain C++, no Win32. Errors are DescriptionValueError, which says what is wrong but not
// where: the caller knows the line and the property.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

struct DescriptionValue {
    enum class Kind { Integer, String, Identifier, Set };
    Kind kind = Kind::Integer;
    std::int64_t integer = 0;
    std::string text;                // the string, or the identifier
    std::vector<std::string> items;  // the members of a set

    static DescriptionValue ofInteger(std::int64_t value);
    static DescriptionValue ofString(std::string value);
    static DescriptionValue ofIdentifier(std::string value);
    static DescriptionValue ofSet(std::vector<std::string> items);
    friend bool operator==(const DescriptionValue&, const DescriptionValue&) = default;
};

class DescriptionValueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the whole of `text` (spaces around it allowed) as one value. A set may hold at most
// `maxSetItems` members.
DescriptionValue readValue(std::string_view text, std::size_t maxSetItems);

// The canonical text of `value`.
std::string formatValue(const DescriptionValue& value);

// A letter or '_', then letters, digits and '_': component, class and enumeration names.
bool isIdentifier(std::string_view text);

}  // namespace fw
