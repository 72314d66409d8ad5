#pragma once
// The accelerator character of a caption: the character after a single "&". Scanning from the
// start, "&&" stands for a literal ampersand and is skipped as a pair, a later "&x" replaces an
// earlier one, and the two bytes of a double-byte character are skipped together. Plain C++ (no
// Win32): the caller says which bytes lead a double-byte character in the current code page.

#include <optional>
#include <string>
#include <string_view>

namespace fw {

using LeadBytePredicate = bool (*)(unsigned char byte);

std::optional<unsigned char> acceleratorCharacter(std::string_view text, LeadBytePredicate isLeadByte);

// True when `character` is the accelerator character of `text`; the letters a to z match
// either case, every other character only itself.
bool isAcceleratorOf(unsigned character, std::string_view text, LeadBytePredicate isLeadByte);

// The text as a caption shows it, for those who cannot see it (screen readers): each single "&"
// dropped, "&&" as one "&", a final lone "&" kept, as DrawText does with prefix processing.
std::string captionAsShown(std::string_view text, LeadBytePredicate isLeadByte);

}  // namespace fw
