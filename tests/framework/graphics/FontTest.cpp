#include "framework/graphics/Font.h"

#include <gtest/gtest.h>

namespace {

TEST(Font, ReportsEachEffectiveChangeOnce)
{
    fw::Font font;
    int changes = 0;
    font.setOnChange([&] { ++changes; });
    font.setColor(font.color());
    font.setName(font.name());
    font.setBold(false);
    EXPECT_EQ(changes, 0);
    font.setColor(0x00123456);
    font.setHeight(-20);
    font.setStyles({true, true, true, true});
    font.setName("Arial");
    font.setCharset(238);
    EXPECT_EQ(changes, 5);
}

TEST(Font, AssignCopiesEverythingButTheHandler)
{
    fw::Font source;
    source.setName("Courier New");
    source.setHeight(-15);
    source.setStyles({true, false, true, false});
    source.setColor(0x00555555);
    source.setCharset(0);
    int sourceChanges = 0;
    source.setOnChange([&] { ++sourceChanges; });

    fw::Font target;
    int targetChanges = 0;
    target.setOnChange([&] { ++targetChanges; });
    target.assign(source);
    EXPECT_EQ(targetChanges, 1);
    EXPECT_EQ(target.name(), "Courier New");
    EXPECT_EQ(target.height(), -15);
    EXPECT_EQ(target.styles(), (fw::FontStyles{true, false, true, false}));
    EXPECT_EQ(target.color(), 0x00555555u);
    EXPECT_EQ(target.charset(), 0);
    target.assign(source);  // nothing differs now
    EXPECT_EQ(targetChanges, 1);
    target.setBold(false);
    EXPECT_EQ(targetChanges, 2);
    EXPECT_EQ(sourceChanges, 0);

    const fw::Font copy(source);
    EXPECT_EQ(copy.name(), "Courier New");
    EXPECT_TRUE(copy.styles().underline);
}

TEST(Font, GdiFontIsRemadeOnlyWhenTheShapeChanges)
{
    fw::Font font;
    const auto first = font.handle();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(font.handle(), first);
    font.setColor(0x000000FF);  // colour is applied when drawing, not part of the GDI font
    EXPECT_EQ(font.handle(), first);
    font.setBold(true);
    EXPECT_NE(font.handle(), nullptr);
    // A face name longer than GDI allows is cut, not overrun.
    font.setName(std::string(100, 'x'));
    EXPECT_NE(font.handle(), nullptr);
}

}  // namespace
