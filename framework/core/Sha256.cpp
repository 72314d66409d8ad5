#include "framework/core/Sha256.h"

#include <algorithm>
#include <cstring>

namespace fw {
namespace {

constexpr std::array<std::uint32_t, 64> roundConstants = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2,
};

constexpr std::uint32_t rotateRight(std::uint32_t value, int count)
{
    return (value >> count) | (value << (32 - count));
}

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

void Sha256::reset()
{
    state_ = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a, 0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    pendingSize_ = 0;
    totalSize_ = 0;
}

void Sha256::compress(const std::uint8_t* block)
{
    std::array<std::uint32_t, 64> schedule;
    for (int i = 0; i < 16; ++i)
        schedule[i] = std::uint32_t{block[4 * i]} << 24 | std::uint32_t{block[4 * i + 1]} << 16 |
                      std::uint32_t{block[4 * i + 2]} << 8 | std::uint32_t{block[4 * i + 3]};
    for (int i = 16; i < 64; ++i) {
        const std::uint32_t s0 = rotateRight(schedule[i - 15], 7) ^ rotateRight(schedule[i - 15], 18) ^ (schedule[i - 15] >> 3);
        const std::uint32_t s1 = rotateRight(schedule[i - 2], 17) ^ rotateRight(schedule[i - 2], 19) ^ (schedule[i - 2] >> 10);
        schedule[i] = schedule[i - 16] + s0 + schedule[i - 7] + s1;
    }

    auto [a, b, c, d, e, f, g, h] = state_;
    for (int i = 0; i < 64; ++i) {
        const std::uint32_t sum1 = rotateRight(e, 6) ^ rotateRight(e, 11) ^ rotateRight(e, 25);
        const std::uint32_t choice = (e & f) ^ (~e & g);
        const std::uint32_t temp1 = h + sum1 + choice + roundConstants[i] + schedule[i];
        const std::uint32_t sum0 = rotateRight(a, 2) ^ rotateRight(a, 13) ^ rotateRight(a, 22);
        const std::uint32_t majority = (a & b) ^ (a & c) ^ (b & c);
        const std::uint32_t temp2 = sum0 + majority;
        h = g;
        g = f;
        f = e;
        e = d + temp1;
        d = c;
        c = b;
        b = a;
        a = temp1 + temp2;
    }
    const std::array<std::uint32_t, 8> added = {a, b, c, d, e, f, g, h};
    for (std::size_t i = 0; i < state_.size(); ++i)
        state_[i] += added[i];
}

void Sha256::update(std::span<const std::byte> bytes)
{
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    std::size_t remaining = bytes.size();
    totalSize_ += remaining;

    if (pendingSize_ > 0) {
        const std::size_t taken = std::min(remaining, pending_.size() - pendingSize_);
        std::memcpy(pending_.data() + pendingSize_, data, taken);
        pendingSize_ += taken;
        data += taken;
        remaining -= taken;
        if (pendingSize_ < pending_.size())
            return;
        compress(pending_.data());
        pendingSize_ = 0;
    }
    // Whole blocks straight from the caller's memory: the payload is megabytes, not copied.
    for (; remaining >= pending_.size(); remaining -= pending_.size(), data += pending_.size())
        compress(data);
    if (remaining > 0)
        std::memcpy(pending_.data(), data, remaining);
    pendingSize_ = remaining;
}

Sha256Digest Sha256::finish()
{
    const std::uint64_t bitCount = totalSize_ * 8;
    // A single 1 bit, zeros up to 8 bytes short of a block's end, then the length in bits.
    pending_[pendingSize_++] = 0x80;
    if (pendingSize_ > pending_.size() - 8) {
        std::memset(pending_.data() + pendingSize_, 0, pending_.size() - pendingSize_);
        compress(pending_.data());
        pendingSize_ = 0;
    }
    std::memset(pending_.data() + pendingSize_, 0, pending_.size() - 8 - pendingSize_);
    for (int i = 0; i < 8; ++i)
        pending_[pending_.size() - 1 - i] = static_cast<std::uint8_t>(bitCount >> (8 * i));
    compress(pending_.data());

    Sha256Digest digest;
    for (std::size_t i = 0; i < state_.size(); ++i)
        for (int j = 0; j < 4; ++j)
            digest[4 * i + j] = static_cast<std::uint8_t>(state_[i] >> (24 - 8 * j));
    reset();
    return digest;
}

Sha256Digest Sha256::of(std::span<const std::byte> bytes)
{
    Sha256 hash;
    hash.update(bytes);
    return hash.finish();
}

Sha256Digest Sha256::of(std::string_view text)
{
    Sha256 hash;
    hash.update(text);
    return hash.finish();
}

std::string toHex(const Sha256Digest& digest)
{
    constexpr const char* digits = "0123456789abcdef";
    std::string text;
    text.reserve(digest.size() * 2);
    for (std::uint8_t byte : digest) {
        text += digits[byte >> 4];
        text += digits[byte & 0x0F];
    }
    return text;
}

std::optional<Sha256Digest> parseSha256Hex(std::string_view text)
{
    const std::size_t end = text.find_last_not_of(" \t\r\n");
    text = text.substr(0, end == std::string_view::npos ? 0 : end + 1);
    Sha256Digest digest;
    if (text.size() != digest.size() * 2)
        return std::nullopt;
    for (std::size_t i = 0; i < digest.size(); ++i) {
        const int high = hexDigitValue(text[2 * i]);
        const int low = hexDigitValue(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        digest[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return digest;
}

}  // namespace fw
