// The text of one description value: the canonical text of every kind at its edges, other
// spellings that read to the same value, and what is refused.

#include "framework/ui/description/DescriptionValueText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

using fw::DescriptionValue;
using fw::formatValue;
using fw::readValue;

constexpr std::size_t manyItems = 64;

TEST(DescriptionValueText, EveryKindIsWrittenCanonicallyAndReadsBackEqual)
{
    struct Case {
        DescriptionValue value;
        std::string text;
    };
    const Case cases[] = {
        {DescriptionValue::ofInteger(0), "0"},
        {DescriptionValue::ofInteger(-12), "-12"},
        {DescriptionValue::ofInteger(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808"},
        {DescriptionValue::ofInteger(std::numeric_limits<std::int64_t>::max()), "9223372036854775807"},
        {DescriptionValue::ofString(""), "''"},
        {DescriptionValue::ofString("'"), "''''"},
        {DescriptionValue::ofString("It's"), "'It''s'"},
        {DescriptionValue::ofString("\r\n"), "#13#10"},
        {DescriptionValue::ofString("one\r\ntwo\t"), "'one'#13#10'two'#9"},
        {DescriptionValue::ofString(std::string("\0'", 2)), "#0''''"},
        {DescriptionValue::ofString("\x7f~"), "#127'~'"},
        {DescriptionValue::ofString("Cautare \xc3\xae"), "'Cautare \xc3\xae'"},  // bytes above 127 as they are
        {DescriptionValue::ofIdentifier("clBtnFace"), "clBtnFace"},
        {DescriptionValue::ofIdentifier("_x1"), "_x1"},
        {DescriptionValue::ofSet({}), "[]"},
        {DescriptionValue::ofSet({"fsBold"}), "[fsBold]"},
        {DescriptionValue::ofSet({"akLeft", "akTop", "akLeft"}), "[akLeft, akTop, akLeft]"},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.text);
        EXPECT_EQ(formatValue(testCase.value), testCase.text);
        EXPECT_EQ(readValue(testCase.text, manyItems), testCase.value);
    }
}

TEST(DescriptionValueText, OtherSpellingsReadToTheCanonicalValue)
{
    struct Case {
        const char* text;
        const char* canonical;
    };
    const Case cases[] = {
        {" \t-5 \t", "-5"},
        {"007", "7"},
        {"'a'#66'c'", "'aBc'"},
        {"#0065#066", "'AB'"},  // at most four digits to a code
        {"''#13''", "#13"},
        {"[ ]", "[]"},
        {"[\takLeft ,akTop\t]", "[akLeft, akTop]"},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.text);
        EXPECT_EQ(formatValue(readValue(testCase.text, manyItems)), testCase.canonical);
    }
}

// The parser's tests cover the other refusals, with the line and the property.
TEST(DescriptionValueText, MalformedValuesSayWhatIsWrong)
{
    struct Case {
        std::string text;
        std::size_t maxSetItems;
        const char* message;
    };
    const Case cases[] = {
        {"-", manyItems, "'-' is not a number"},
        {"--1", manyItems, "'--1' is not a number"},
        {"12px", manyItems, "unexpected text after the value: 'px'"},
        {"Font.Name", manyItems, "unexpected text after the value: '.Name'"},
        {"'It''", manyItems, "a string is not closed"},
        {"'a' 'b'", manyItems, "unexpected text after the value: ''b''"},
        {"#", manyItems, "'#' must be followed by a character code from 0 to 255"},
        {"#00065", manyItems, "unexpected text after the value: '5'"},
        {"[1]", manyItems, "a set holds names separated by commas, in brackets"},
        {"[akLeft akTop]", manyItems, "a set is not closed with ']'"},
        {"[a, b, c]", 2, "a set has more than 2 members"},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.text);
        try {
            readValue(testCase.text, testCase.maxSetItems);
            ADD_FAILURE() << "accepted";
        } catch (const fw::DescriptionValueError& error) {
            EXPECT_STREQ(error.what(), testCase.message);
        }
    }
    EXPECT_EQ(readValue("[a, b]", 2).items.size(), 2u) << "a set at the limit is read";
}

TEST(DescriptionValueText, IdentifiersStartWithALetterOrUnderscore)
{
    for (const char* name : {"a", "_", "Form1", "cl3DLight", "_9"})
        EXPECT_TRUE(fw::isIdentifier(name)) << name;
    for (const char* name : {"", "1a", "a-b", "a.b", "a b", "\xc3\xae"})
        EXPECT_FALSE(fw::isIdentifier(name)) << name;
}

}  // namespace
