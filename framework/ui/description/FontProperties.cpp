#include "framework/ui/description/FontProperties.h"

#include "framework/ui/description/PropertyBuilders.h"

namespace fw {
namespace {

const EnumNames<int> charsetNames = {{0, "ANSI_CHARSET"},        {1, "DEFAULT_CHARSET"},   {2, "SYMBOL_CHARSET"},
                                     {161, "GREEK_CHARSET"},     {162, "TURKISH_CHARSET"}, {204, "RUSSIAN_CHARSET"},
                                     {238, "EASTEUROPE_CHARSET"}};

const FlagSetType<FontStyles> fontStyleSet = {"TFontStyles",
                                              "font styles",
                                              "a font style",
                                              {{&FontStyles::bold, "fsBold"},
                                               {&FontStyles::italic, "fsItalic"},
                                               {&FontStyles::underline, "fsUnderline"},
                                               {&FontStyles::strikeOut, "fsStrikeOut"}}};

// A character set by name where it has one; any other from 0 to 255 as a number.
ValueFormat<int> charsetFormat()
{
    return {"TFontCharset",
            [](const int& charset) {
                for (const auto& [candidate, name] : charsetNames)
                    if (candidate == charset)
                        return DescriptionValue::ofIdentifier(name);
                return DescriptionValue::ofInteger(charset);
            },
            [](const DescriptionValue& value) {
                if (value.kind == DescriptionValue::Kind::Integer && value.integer >= 0 && value.integer <= 255)
                    return static_cast<int>(value.integer);
                return enumFrom(value, charsetNames, "TFontCharset");
            }};
}

ValueFormat<int> fontHeightFormat()
{
    return {"Integer", [](const int& height) { return DescriptionValue::ofInteger(height); },
            [](const DescriptionValue& value) {
                if (value.kind != DescriptionValue::Kind::Integer || value.integer < -1000 || value.integer > 1000)
                    throw PropertyError("a font height from -1000 to 1000 expected, found " + formatValue(value));
                return static_cast<int>(value.integer);
            }};
}

// GDI keeps 31 characters of a face name.
ValueFormat<std::string> fontNameFormat()
{
    return {"TFontName", [](const std::string& name) { return DescriptionValue::ofString(name); },
            [](const DescriptionValue& value) {
                if (value.kind != DescriptionValue::Kind::String || value.text.empty() || value.text.size() > 31)
                    throw PropertyError("a font name of 1 to 31 characters in quotes expected, found " +
                                        formatValue(value));
                return value.text;
            }};
}

}  // namespace

std::vector<PropertyInfo> fontProperties(const std::string& prefix, SharedFunction<Font&(Component&)> font,
                                         SharedFunction<bool(const Component&)> isStored)
{
    using C = Component;
    // Writing only reads the font; the accessor is shared with reading, hence the const_cast.
    const auto attribute = [font](auto get) {
        return [font, get](const C& component) { return std::invoke(get, font(const_cast<C&>(component))); };
    };
    const auto setter = [font](auto set) {
        return [font, set](C& component, const auto& value) { std::invoke(set, font(component), value); };
    };
    return {
        typedProperty<C, int>(prefix + ".Charset", charsetFormat(), {noDefault, isStored}, attribute(&Font::charset),
                              setter(&Font::setCharset)),
        typedProperty<C, TColor>(prefix + ".Color", colorFormat(), {noDefault, isStored}, attribute(&Font::color),
                                 setter(&Font::setColor)),
        typedProperty<C, int>(prefix + ".Height", fontHeightFormat(), {noDefault, isStored}, attribute(&Font::height),
                              setter(&Font::setHeight)),
        typedProperty<C, std::string>(prefix + ".Name", fontNameFormat(), {noDefault, isStored},
                                      attribute(&Font::name), setter(&Font::setName)),
        flagSetProperty<C, FontStyles>(prefix + ".Style", fontStyleSet, {noDefault, isStored},
                                       attribute(&Font::styles), setter(&Font::setStyles)),
    };
}

}  // namespace fw
