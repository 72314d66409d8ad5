#pragma once
// The format flags of DrawTextA, with the platform's values, for Canvas::drawText and for the
// plain C++ that chooses a format (the button face's layout). Header only, no <windows.h>.

namespace fw::text_format {

constexpr unsigned left = 0x0;
constexpr unsigned center = 0x1;
constexpr unsigned right = 0x2;
constexpr unsigned verticalCenter = 0x4;
constexpr unsigned wordBreak = 0x10;
constexpr unsigned singleLine = 0x20;
constexpr unsigned calculateRect = 0x400;
constexpr unsigned noPrefix = 0x800;

}  // namespace fw::text_format
