#include "framework/core/Accelerator.h"

namespace fw {
namespace {

unsigned lowerAscii(unsigned character)
{
    return character >= 'A' && character <= 'Z' ? character - 'A' + 'a' : character;
}

}  // namespace

std::optional<unsigned char> acceleratorCharacter(std::string_view text, LeadBytePredicate isLeadByte)
{
    std::optional<unsigned char> found;
    std::size_t index = 0;
    while (index < text.size()) {
        const auto byte = static_cast<unsigned char>(text[index]);
        if (byte == '&' && index + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[index + 1]);
            if (next == '&') {
                index += 2;  // a literal ampersand
                continue;
            }
            found = next;
            ++index;  // the marked character is looked at like any other next
            continue;
        }
        index += isLeadByte && isLeadByte(byte) ? 2 : 1;
    }
    return found;
}

bool isAcceleratorOf(unsigned character, std::string_view text, LeadBytePredicate isLeadByte)
{
    const auto accelerator = acceleratorCharacter(text, isLeadByte);
    return accelerator && lowerAscii(*accelerator) == lowerAscii(character);
}

std::string captionAsShown(std::string_view text, LeadBytePredicate isLeadByte)
{
    std::string shown;
    shown.reserve(text.size());
    std::size_t index = 0;
    while (index < text.size()) {
        const auto byte = static_cast<unsigned char>(text[index]);
        if (byte == '&' && index + 1 < text.size())
            ++index;  // the prefix goes; what it marks (a second "&" too) is shown
        const std::size_t length = isLeadByte && isLeadByte(static_cast<unsigned char>(text[index])) ? 2 : 1;
        shown.append(text.substr(index, length));
        index += length;
    }
    return shown;
}

}  // namespace fw
