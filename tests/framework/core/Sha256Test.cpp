// SHA-256 against digests published with the standard and ones printed by coreutils' sha256sum,
// at every padding boundary, and fed in pieces.

#include "framework/core/Sha256.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using fw::Sha256;

std::string hexOf(std::string_view text) { return fw::toHex(Sha256::of(text)); }

}  // namespace

// Every test runs twice: with the processor's SHA extensions, and with the portable compression.
// A processor without the extensions runs the portable one both times (a skip would count as
// passed), and the log says so.
class Sha256Paths : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        Sha256::setAccelerated(GetParam());
        if (GetParam() && !Sha256::isAccelerated())
            std::printf("Note: this processor has no SHA extensions; the portable compression runs in their place.\n");
    }
    void TearDown() override { Sha256::setAccelerated(true); }
};
INSTANTIATE_TEST_SUITE_P(Compression, Sha256Paths, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Extensions" : "Portable"; });

TEST_P(Sha256Paths, PublishedTestVectors)
{
    EXPECT_EQ(hexOf(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(hexOf("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(hexOf("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(hexOf("abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrs"
                    "mnopqrstnopqrstu"),
              "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1");
    EXPECT_EQ(hexOf(std::string(1000000, 'a')), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST_P(Sha256Paths, LengthsAroundTheBlockAndPaddingBoundaries)
{
    // 55 bytes leave room for the length in the last block, 56 do not; 64 fill a block exactly.
    const std::vector<std::pair<std::size_t, const char*>> cases = {
        {55, "d5e285683cd4efc02d021a5c62014694958901005d6f71e89e0989fac77e4072"},
        {56, "04c26261370ee7541549d16dee320c723e3fd14671e66a099afe0a377c16888e"},
        {63, "75220b47218278e656f2013bb8f0c455a25eaf01e86c64924e9d48d89776d6f2"},
        {64, "7ce100971f64e7001e8fe5a51973ecdfe1ced42befe7ee8d5fd6219506b5393c"},
        {65, "9537c5fdf120482f7d58d25e9ed583f52c02b4e304ea814db1633ad565aed7e9"},
        {119, "000b48d4edf0fa7bee3c6236ecd2785baa5db4eeb8bb54341b029e0d9fa5fb0c"},
        {120, "13f05a0b594787f5ecd315edc96141bd3243203d1b7d4f0836f37308b276ba98"},
        {128, "24da1b81d0b16df6428eee73c69fcb2a93c76bc6df706f0c6670fe6bfe800464"},
    };
    for (const auto& [length, expected] : cases)
        EXPECT_EQ(hexOf(std::string(length, 'x')), expected) << length << " bytes";
}

TEST_P(Sha256Paths, PiecesOfAnySizeGiveTheDigestOfTheWhole)
{
    // Every byte value, three times over: 768 bytes.
    std::string message;
    for (int round = 0; round < 3; ++round)
        for (int value = 0; value < 256; ++value)
            message += static_cast<char>(value);
    const std::string expected = "f3a25aa93aa2fbba28d79260535bbd6a5eb0fc1c24a8b0f04e12b484c1dfe363";
    ASSERT_EQ(hexOf(message), expected);

    for (std::size_t piece : {1u, 3u, 55u, 63u, 64u, 65u, 200u}) {
        Sha256 hash;
        for (std::size_t offset = 0; offset < message.size(); offset += piece)
            hash.update(std::string_view(message).substr(offset, piece));
        EXPECT_EQ(fw::toHex(hash.finish()), expected) << "pieces of " << piece;
    }

    // finish() starts a new message.
    Sha256 reused;
    reused.update("something else");
    reused.finish();
    reused.update("abc");
    EXPECT_EQ(fw::toHex(reused.finish()), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

TEST(Sha256, HexTextReadsBackOnlyWhenItIsAWholeDigest)
{
    const std::string hex = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
    const auto digest = fw::parseSha256Hex(hex);
    ASSERT_TRUE(digest);
    EXPECT_EQ(*digest, Sha256::of("abc"));

    std::string upper = hex;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(fw::parseSha256Hex(upper), digest);
    EXPECT_EQ(fw::parseSha256Hex(hex + "\r\n"), digest);

    for (const std::string& bad : {std::string(), hex.substr(1), hex + "0", "g" + hex.substr(1),
                                   " " + hex, hex.substr(0, 32) + " " + hex.substr(33), hex + "\n" + hex})
        EXPECT_FALSE(fw::parseSha256Hex(bad)) << '"' << bad << '"';
}
