#include "framework/graphics/Font.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

// What GDI gives for a font: bitmap or outline, and the character height it has.
struct Realised {
    bool isBitmap;
    long characterHeight;
};

Realised realise(const fw::Font& font)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font.handle());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return {(metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) == 0, metrics.tmHeight - metrics.tmInternalLeading};
}

// Windows has the bitmap "MS Sans Serif"; a Wine prefix may not (GDI then gives an outline font
// for every name), so this process adds Wine's copy while the object lives.
struct BitmapSansSerif {
    static constexpr const char* winePath = "Z:\\usr\\share\\wine\\fonts\\sserife.fon";
    const bool added = AddFontResourceExA(winePath, FR_PRIVATE, nullptr) > 0;
    ~BitmapSansSerif()
    {
        if (added)
            RemoveFontResourceExA(winePath, FR_PRIVATE, nullptr);
    }
};

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
    source.setDpi(144);
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
    EXPECT_EQ(target.dpi(), 144);  // a canvas font assigned a control's draws at its scale
    target.assign(source);  // nothing differs now
    EXPECT_EQ(targetChanges, 1);
    target.setBold(false);
    EXPECT_EQ(targetChanges, 2);
    EXPECT_EQ(sourceChanges, 0);

    const fw::Font copy(source);
    EXPECT_EQ(copy.name(), "Courier New");
    EXPECT_TRUE(copy.styles().underline);
    EXPECT_EQ(copy.dpi(), 144);
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

// GDI draws a bitmap font only at the sizes it has: asked for another, it takes a smaller one or
// doubles the pixels of one. Scaled, such a font becomes its outline twin; at 96 it stays.
TEST(Font, ScaledBitmapSansSerifBecomesAnOutlineFontOfTheHeightAskedFor)
{
    const BitmapSansSerif available;
    fw::Font font;  // "MS Sans Serif", -11
    // Wine keeps what it chose for a LOGFONT even after font files come and go: a character set
    // that no other test asks for keeps its choices from theirs.
    font.setCharset(0);
    if (!realise(font).isBitmap)
        GTEST_SKIP() << "no bitmap \"MS Sans Serif\" here";
    struct Case {
        int height;
        int dpi;
        bool staysBitmap;  // the bitmap font has the scaled height
    };
    for (const Case& each : {Case{-11, 96, true}, Case{-11, 120, false}, Case{-11, 144, false}, Case{-11, 192, false},
                             Case{-8, 192, true}, Case{-10, 125, true}}) {
        font.setHeight(each.height);
        font.setDpi(each.dpi);
        const Realised made = realise(font);
        SCOPED_TRACE(std::to_string(each.height) + " at " + std::to_string(each.dpi));
        EXPECT_EQ(made.isBitmap, each.staysBitmap);
        // A bitmap font is the size asked for exactly; an outline font may round its metrics.
        EXPECT_NEAR(made.characterHeight, -MulDiv(each.height, each.dpi, 96), made.isBitmap ? 0 : 1);
        EXPECT_EQ(font.height(), each.height) << "descriptions write the design height";
    }
}

}  // namespace
