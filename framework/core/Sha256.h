#pragma once
// SHA-256 (FIPS 180-4), for checking that the carried payload is the one the build put in and
// that the file written from it holds the same bytes. Plain C++: no Win32, no library, so it runs
// natively under the sanitizers and is checked against published test vectors.
//
// Feed the bytes in pieces of any size with update(); finish() gives the digest and resets the
// object for a new message. Where the processor has the SHA extensions (x86-64 SHA-NI), blocks
// are compressed with them: about ten times faster, which an update of a large payload, hashed
// before writing and again after, feels.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace fw {

using Sha256Digest = std::array<std::uint8_t, 32>;

class Sha256 {
public:
    Sha256() { reset(); }

    void update(std::span<const std::byte> bytes);
    void update(std::string_view text) { update(std::as_bytes(std::span(text.data(), text.size()))); }
    Sha256Digest finish();

    static Sha256Digest of(std::span<const std::byte> bytes);
    static Sha256Digest of(std::string_view text);

    // Whether the processor's SHA extensions are used; tests switch them off to check the
    // portable compression too. Off where the processor lacks them, whatever is asked.
    static bool isAccelerated();
    static void setAccelerated(bool accelerated);

private:
    void reset();
    void compress(const std::uint8_t* blocks, std::size_t count);

    std::array<std::uint32_t, 8> state_{};
    std::array<std::uint8_t, 64> pending_{};  // bytes of the block not yet compressed
    std::size_t pendingSize_ = 0;
    std::uint64_t totalSize_ = 0;  // in bytes; the message length field counts bits, modulo 2^64
};

// 64 lower-case hex digits, as sha256sum prints them.
std::string toHex(const Sha256Digest& digest);

// The digest written as 64 hex digits in either case, optionally followed by white space (a
// file written by a tool may end with a line break); nothing for any other text.
std::optional<Sha256Digest> parseSha256Hex(std::string_view text);

}  // namespace fw
