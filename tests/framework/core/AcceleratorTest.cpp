// What a caption shows once its accelerator prefixes are processed: the name that screen readers
// announce for a button.

#include "framework/core/Accelerator.h"

#include <gtest/gtest.h>

namespace {

// Shift-JIS-like: 0x81 leads a two-byte character whose second byte may be anything.
bool leadsWith81(unsigned char byte) { return byte == 0x81; }

}  // namespace

TEST(CaptionAsShown, DropsPrefixesAndKeepsLiteralAmpersands)
{
    struct Case {
        const char* caption;
        const char* shown;
    };
    const Case cases[] = {
        {"&Save", "Save"},   {"Sa&ve", "Save"},     {"A&&B", "A&B"},   {"&&&Save", "&Save"},
        {"&A&B", "AB"},      {"Save&", "Save&"},    {"&", "&"},        {"&&", "&"},
        {"", ""},            {"Cautare...", "Cautare..."},
    };
    for (const Case& testCase : cases)
        EXPECT_EQ(fw::captionAsShown(testCase.caption, nullptr), testCase.shown) << testCase.caption;
}

TEST(CaptionAsShown, KeepsBothBytesOfADoubleByteCharacterWhoseSecondByteIsAnAmpersand)
{
    EXPECT_EQ(fw::captionAsShown("\x81&x", leadsWith81), "\x81&x");
    EXPECT_EQ(fw::captionAsShown("&\x81&", leadsWith81), "\x81&");
    EXPECT_EQ(fw::captionAsShown("\x81&x", nullptr), "\x81x") << "without a code page every byte stands alone";
}
