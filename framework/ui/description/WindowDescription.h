#pragma once
// The text form of a stored window description: objects with a name and a class, one property a
// line, nested objects for the children, for example
//
//   object Button2: TLbSpeedButton
//     Left = 16
//     Caption = 'Cautare...'
//     Font.Style = [fsBold]
//     OnClick = Button2Click
//   end
//
// Property names may be dotted (Font.Name), which is how nested properties are written. Blank
// lines and lines starting with "//" are ignored. The text of each value is DescriptionValueText's.
//
// Plain C++, no Win32: it builds natively, runs under the sanitizers and is fuzzed. The parser
// refuses oversized input (DescriptionLimits) and names the line of every error.

#include "framework/ui/description/DescriptionValueText.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

struct DescriptionProperty {
    std::string name;
    DescriptionValue value;
    int line = 0;
    friend bool operator==(const DescriptionProperty& a, const DescriptionProperty& b)
    {
        return a.name == b.name && a.value == b.value;
    }
};

struct DescriptionObject {
    std::string name;
    std::string className;
    std::vector<DescriptionProperty> properties;
    std::vector<DescriptionObject> children;
    int line = 0;
    friend bool operator==(const DescriptionObject& a, const DescriptionObject& b)
    {
        return a.name == b.name && a.className == b.className && a.properties == b.properties &&
               a.children == b.children;
    }
};

struct DescriptionLimits {
    std::size_t maxBytes = 1 << 20;
    std::size_t maxLineLength = 4096;
    int maxDepth = 16;
    std::size_t maxSetItems = 64;
};

// What was wrong, and where: the message starts with "Line <n>: ".
class DescriptionError : public std::runtime_error {
public:
    DescriptionError(int line, const std::string& what);
    int line() const { return line_; }

private:
    int line_;
};

DescriptionObject parseDescription(std::string_view text, const DescriptionLimits& limits = {});

// The canonical text: two spaces of indent a level, one property a line, in the given order.
std::string writeDescription(const DescriptionObject& object);

}  // namespace fw
