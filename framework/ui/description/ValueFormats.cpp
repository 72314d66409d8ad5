#include "framework/ui/description/ValueFormats.h"

#include <cstdint>

namespace fw {
namespace {

struct NamedColor {
    const char* name;
    TColor color;
};

constexpr NamedColor namedColors[] = {
    {"clBlack", 0x000000},         {"clMaroon", 0x000080},       {"clGreen", 0x008000},
    {"clOlive", 0x008080},         {"clNavy", 0x800000},         {"clPurple", 0x800080},
    {"clTeal", 0x808000},          {"clGray", 0x808080},         {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},           {"clLime", 0x00FF00},         {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},          {"clFuchsia", 0xFF00FF},      {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},         {"clNone", clNone},           {"clScrollBar", 0xFF000000},
    {"clBackground", 0xFF000001},  {"clActiveCaption", 0xFF000002}, {"clInactiveCaption", 0xFF000003},
    {"clMenu", 0xFF000004},        {"clWindow", 0xFF000005},     {"clWindowFrame", 0xFF000006},
    {"clMenuText", 0xFF000007},    {"clWindowText", 0xFF000008}, {"clCaptionText", 0xFF000009},
    {"clActiveBorder", 0xFF00000A}, {"clInactiveBorder", 0xFF00000B}, {"clAppWorkSpace", 0xFF00000C},
    {"clHighlight", 0xFF00000D},   {"clHighlightText", 0xFF00000E}, {"clBtnFace", 0xFF00000F},
    {"clBtnShadow", 0xFF000010},   {"clGrayText", 0xFF000011},   {"clBtnText", 0xFF000012},
    {"clInactiveCaptionText", 0xFF000013}, {"clBtnHighlight", 0xFF000014}, {"cl3DDkShadow", 0xFF000015},
    {"cl3DLight", 0xFF000016},     {"clInfoText", 0xFF000017},   {"clInfoBk", 0xFF000018},
};

DescriptionValue colorValue(TColor color)
{
    for (const NamedColor& named : namedColors)
        if (named.color == color)
            return DescriptionValue::ofIdentifier(named.name);
    return DescriptionValue::ofInteger(static_cast<std::int64_t>(color));
}

TColor colorFrom(const DescriptionValue& value)
{
    if (value.kind == DescriptionValue::Kind::Identifier) {
        for (const NamedColor& named : namedColors)
            if (value.text == named.name)
                return named.color;
        throw PropertyError(value.text + " is not a colour name");
    }
    if (value.kind != DescriptionValue::Kind::Integer)
        throw PropertyError("a colour expected, found " + formatValue(value));
    // Negative numbers name the same 32 bits (system colours are often written so).
    if (value.integer < INT32_MIN || value.integer > static_cast<std::int64_t>(UINT32_MAX))
        throw PropertyError(std::to_string(value.integer) + " is out of range for a colour");
    return static_cast<TColor>(static_cast<std::uint32_t>(value.integer));
}

}  // namespace

ValueFormat<int> integerFormat()
{
    return {"Integer", [](const int& value) { return DescriptionValue::ofInteger(value); },
            [](const DescriptionValue& value) {
                if (value.kind != DescriptionValue::Kind::Integer)
                    throw PropertyError("an integer expected, found " + formatValue(value));
                if (value.integer < INT32_MIN || value.integer > INT32_MAX)
                    throw PropertyError(std::to_string(value.integer) + " is out of range");
                return static_cast<int>(value.integer);
            }};
}

ValueFormat<bool> booleanFormat()
{
    return {"Boolean", [](const bool& value) { return DescriptionValue::ofIdentifier(value ? "True" : "False"); },
            [](const DescriptionValue& value) {
                if (value.kind == DescriptionValue::Kind::Identifier && (value.text == "True" || value.text == "False"))
                    return value.text == "True";
                throw PropertyError("True or False expected, found " + formatValue(value));
            }};
}

ValueFormat<std::string> stringFormat()
{
    return {"String", [](const std::string& value) { return DescriptionValue::ofString(value); },
            [](const DescriptionValue& value) {
                if (value.kind != DescriptionValue::Kind::String)
                    throw PropertyError("a string in quotes expected, found " + formatValue(value));
                return value.text;
            }};
}

ValueFormat<TColor> colorFormat() { return {"TColor", colorValue, colorFrom}; }

}  // namespace fw
