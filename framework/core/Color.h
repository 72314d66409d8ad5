#pragma once
// TColor: 0x00BBGGRR is an RGB colour; 0xFF0000nn names the system colour with index nn, whose RGB
// value the system supplies when drawing; clNone means "no colour".

#include <cstdint>

namespace fw {

using TColor = std::uint32_t;

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clBlack = 0x00000000;
constexpr TColor clWhite = 0x00FFFFFF;
constexpr TColor clYellow = 0x0000FFFF;
constexpr TColor clOlive = 0x00008080;
constexpr TColor clGray = 0x00808080;
constexpr TColor clSilver = 0x00C0C0C0;
constexpr TColor clRed = 0x000000FF;
constexpr TColor clBlue = 0x00FF0000;
constexpr TColor clAqua = 0x00FFFF00;
constexpr TColor clFuchsia = 0x00FF00FF;
constexpr TColor clWindow = 0xFF000005;
constexpr TColor clWindowText = 0xFF000008;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor cl3DDkShadow = 0xFF000015;

constexpr bool isSystemColor(TColor color) { return (color & 0xFF000000u) == 0xFF000000u; }
constexpr int systemColorIndex(TColor color) { return static_cast<int>(color & 0xFFu); }

constexpr TColor rgb(int red, int green, int blue)
{
    return static_cast<TColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(TColor color) { return static_cast<int>(color & 0xFFu); }
constexpr int greenOf(TColor color) { return static_cast<int>((color >> 8) & 0xFFu); }
constexpr int blueOf(TColor color) { return static_cast<int>((color >> 16) & 0xFFu); }

}  // namespace fw
