// The text form of window descriptions: what the parser accepts, what it writes back, and how it
// names what is wrong.

#include "framework/ui/description/WindowDescription.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using fw::DescriptionError;
using fw::parseDescription;
using fw::writeDescription;

const char* const sample = R"(// a comment, then a blank line

object Form1: TForm1
  Left = -12
  Caption = 'It''s here'
  Hint = 'Line one'#13#10'line two'#9
  Empty = ''
  Font.Style = [fsBold, fsItalic]
  Anchors = []
  Color = clBtnFace
  object Panel1: TPanel
    Width = 425
    object Button2: TLbSpeedButton
      OnClick = Button2Click
    end
  end
  object Timer1: TTimer
  end
end
)";

TEST(WindowDescription, ReadsEveryKindOfValueAndWritesItBackCanonically)
{
    const fw::DescriptionObject form = parseDescription(sample);
    EXPECT_EQ(form.name, "Form1");
    EXPECT_EQ(form.className, "TForm1");
    ASSERT_EQ(form.properties.size(), 7u);
    EXPECT_EQ(form.properties[0].value.integer, -12);
    EXPECT_EQ(form.properties[0].line, 4);
    EXPECT_EQ(form.properties[1].value.text, "It's here");
    EXPECT_EQ(form.properties[2].value.text, "Line one\r\nline two\t");
    EXPECT_EQ(form.properties[3].value.kind, fw::DescriptionValue::Kind::String);
    EXPECT_EQ(form.properties[4].name, "Font.Style");
    EXPECT_EQ(form.properties[4].value.items, (std::vector<std::string>{"fsBold", "fsItalic"}));
    EXPECT_TRUE(form.properties[5].value.items.empty());
    EXPECT_EQ(form.properties[6].value.text, "clBtnFace");
    ASSERT_EQ(form.children.size(), 2u);
    EXPECT_EQ(form.children[0].children[0].properties[0].value.text, "Button2Click");
    EXPECT_EQ(form.children[1].className, "TTimer");

    const std::string written = writeDescription(form);
    EXPECT_TRUE(written.starts_with("object Form1: TForm1\n  Left = -12\n  Caption = 'It''s here'\n")) << written;
    EXPECT_NE(written.find("  Hint = 'Line one'#13#10'line two'#9\n"), std::string::npos) << written;
    EXPECT_EQ(parseDescription(written), form);
    EXPECT_EQ(writeDescription(parseDescription(written)), written);
}

TEST(WindowDescription, MalformedTextIsRefusedWithItsLineAndWhatIsWrong)
{
    struct Case {
        std::string text;
        const char* message;
    };
    const std::string deep = [] {
        std::string text;
        for (int level = 0; level < 17; ++level)
            text += "object A" + std::to_string(level) + ": TX\n";
        for (int level = 0; level < 17; ++level)
            text += "end\n";
        return text;
    }();
    const Case cases[] = {
        {"", "Line 1: the description is empty"},
        {"object A: TX\n  Left = 1\n", "Line 2: 'end' of object A (line 1) is missing"},
        {"objekt A: TX\nend\n", "Line 1: 'object <name>: <class>' expected, found 'objekt A: TX'"},
        {"object A TX\nend\n", "Line 1: 'object <name>: <class>' expected, found 'object A TX'"},
        {"object 1A: TX\nend\n", "Line 1: '1A' is not a component name"},
        {"object A: TX\n  Left 5\nend\n", "Line 2: '<property> = <value>' expected, found 'Left 5'"},
        {"object A: TX\n  Font..Name = 'x'\nend\n", "Line 2: 'Font..Name' is not a property name"},
        {"object A: TX\n  Font. = 'x'\nend\n", "Line 2: 'Font.' is not a property name"},
        {"object A: TX\n  .Name = 'x'\nend\n", "Line 2: '.Name' is not a property name"},
        {"object A: TX\n  Font.9 = 'x'\nend\n", "Line 2: 'Font.9' is not a property name"},
        {"object A: TX\n  Left = 99999999999999999999\nend\n",
         "Line 2: Left: the number 99999999999999999999 is out of range"},
        {"object A: TX\n\n  Caption = 'open\nend\n", "Line 3: Caption: a string is not closed"},
        {"object A: TX\n  Anchors = [akLeft, ]\nend\n", "Line 2: Anchors: a set holds names separated by commas, in brackets"},
        {"object A: TX\n  Anchors = [akLeft\nend\n", "Line 2: Anchors: a set is not closed with ']'"},
        {"object A: TX\n  Left = 5 6\nend\n", "Line 2: Left: unexpected text after the value: '6'"},
        {"object A: TX\n  Left =\nend\n", "Line 2: Left: a value is missing"},
        {"object A: TX\n  Tag = #300\nend\n", "Line 2: Tag: '#' must be followed by a character code from 0 to 255"},
        {"object A: TX\n  Left = @\nend\n", "Line 2: Left: '@' is not a value"},
        {"object A: TX\nend\nobject B: TX\nend\n", "Line 3: unexpected text after the last 'end': 'object B: TX'"},
        {deep, "Line 17: objects are nested deeper than 16 levels"},
        {"object A: TX\n  Caption = '" + std::string(5000, 'x') + "'\nend\n",
         "Line 2: the line is longer than 4096 characters"},
        {std::string("object A: TX\n  Caption = 'a\0b'\nend\n", 33), "Line 2: the line holds a zero byte"},
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.text.substr(0, 60));
        try {
            parseDescription(testCase.text);
            ADD_FAILURE() << "accepted";
        } catch (const DescriptionError& error) {
            EXPECT_STREQ(error.what(), testCase.message);
        }
    }
    fw::DescriptionLimits small;
    small.maxBytes = 10;
    EXPECT_THROW(parseDescription("object A: TX\nend\n", small), DescriptionError);
    small = {};
    small.maxSetItems = 1;
    try {
        parseDescription("object A: TX\n  Anchors = [akLeft, akTop]\nend\n", small);
        ADD_FAILURE() << "a set above the limit was accepted";
    } catch (const DescriptionError& error) {
        EXPECT_STREQ(error.what(), "Line 2: Anchors: a set has more than 1 members");
    }
}

}  // namespace
