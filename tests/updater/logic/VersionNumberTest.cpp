#include "updater/logic/VersionNumber.h"

#include <gtest/gtest.h>

#include <cstdint>

using velmora::VersionNumber;

TEST(VersionNumber, TextIsTheShortestDecimalForm)
{
    EXPECT_EQ(VersionNumber::fromScaled(22500).text('.'), "2.25");
    EXPECT_EQ(VersionNumber::fromScaled(22000).text('.'), "2.2");
    EXPECT_EQ(VersionNumber::fromScaled(20000).text('.'), "2");
    EXPECT_EQ(VersionNumber::fromScaled(0).text('.'), "0");
    EXPECT_EQ(VersionNumber::fromScaled(5).text('.'), "0.0005");
    EXPECT_EQ(VersionNumber::fromScaled(100500).text('.'), "10.05");
    EXPECT_EQ(VersionNumber::fromScaled(12345678).text('.'), "1234.5678");
    // The separator is the caller's: the window fixes "." for the whole run.
    EXPECT_EQ(VersionNumber::fromScaled(22500).text(','), "2,25");
}

TEST(VersionNumber, ParsesDigitsWithUpToFourFractionalDigits)
{
    EXPECT_EQ(VersionNumber::parse("2.25"), VersionNumber::fromScaled(22500));
    EXPECT_EQ(VersionNumber::parse("2.2"), VersionNumber::fromScaled(22000));
    EXPECT_EQ(VersionNumber::parse("2"), VersionNumber::fromScaled(20000));
    EXPECT_EQ(VersionNumber::parse("12.25"), VersionNumber::fromScaled(122500));
    EXPECT_EQ(VersionNumber::parse("02.0500"), VersionNumber::fromScaled(20500));
    EXPECT_EQ(VersionNumber::parse("0.0001"), VersionNumber::fromScaled(1));
}

TEST(VersionNumber, RejectsEverythingElse)
{
    for (const char* text : {"", ".", "2.", ".25", "2.2x", "2,25", " 2.25", "2.25 ", "+2.25", "-2.25", "2.25.1",
                             "2.12345", "0x10", "$10", "2..5", "abc", "2 .25"})
        EXPECT_FALSE(VersionNumber::parse(text).has_value()) << '"' << text << '"';
}

TEST(VersionNumber, RejectsValuesBeyondTheRangeInsteadOfWrapping)
{
    // The largest 64-bit value scaled by 10000 is 922337203685477.5807.
    EXPECT_EQ(VersionNumber::parse("922337203685477.5807"), VersionNumber::fromScaled(INT64_MAX));
    EXPECT_EQ(VersionNumber::parse("922337203685477"), VersionNumber::fromScaled(9223372036854770000));
    EXPECT_EQ(VersionNumber::fromScaled(INT64_MAX).text('.'), "922337203685477.5807");
    EXPECT_FALSE(VersionNumber::parse("922337203685477.5808").has_value());
    EXPECT_FALSE(VersionNumber::parse("922337203685478").has_value());
    EXPECT_FALSE(VersionNumber::parse("99999999999999999999999").has_value());
}

TEST(VersionNumber, ComparesAsWholeNumbers)
{
    // Only the digits after the point used to take part: 1.30 looked newer than 2.25.
    EXPECT_LT(*VersionNumber::parse("1.30"), *VersionNumber::parse("2.25"));
    EXPECT_GT(*VersionNumber::parse("3.10"), *VersionNumber::parse("2.25"));
    EXPECT_LT(*VersionNumber::parse("2.2"), *VersionNumber::parse("2.25"));  // not 2.02
    EXPECT_EQ(*VersionNumber::parse("2.250"), *VersionNumber::parse("2.25"));
}

TEST(VersionNumber, TextRoundTripsThroughParse)
{
    for (std::int64_t scaled : {0LL, 1LL, 9999LL, 10000LL, 22500LL, 22000LL, 123456789LL})
        EXPECT_EQ(VersionNumber::parse(VersionNumber::fromScaled(scaled).text('.')), VersionNumber::fromScaled(scaled));
}
