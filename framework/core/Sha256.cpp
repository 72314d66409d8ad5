#include "framework/core/Sha256.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define FW_SHA256_X86 1
#include <cpuid.h>
#include <immintrin.h>
#endif

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

void compressPortable(std::array<std::uint32_t, 8>& state, const std::uint8_t* block)
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

    auto [a, b, c, d, e, f, g, h] = state;
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
    for (std::size_t i = 0; i < state.size(); ++i)
        state[i] += added[i];
}

#ifdef FW_SHA256_X86
bool hasShaExtensions()
{
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx))
        return false;
    const bool ssse3 = ecx & (1u << 9);
    const bool sse41 = ecx & (1u << 19);
    if (!__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx))
        return false;
    return ssse3 && sse41 && (ebx & (1u << 29));
}

// The SHA extensions work on the state as the pairs ABEF and CDGH, four rounds a step: two
// SHA256RNDS2 with the step's message words plus round constants, while SHA256MSG1/MSG2 extend
// the message schedule four words at a time, a step ahead of where it is used.
__attribute__((target("sha,sse4.1,ssse3"))) void compressShaExtensions(std::array<std::uint32_t, 8>& state,
                                                                         const std::uint8_t* blocks, std::size_t count)
{
    const __m128i byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bULL, 0x0405060700010203ULL);
    __m128i dcba = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&state[0]));
    __m128i hgfe = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&state[4]));
    const __m128i cdab = _mm_shuffle_epi32(dcba, 0xB1);
    const __m128i efgh = _mm_shuffle_epi32(hgfe, 0x1B);
    __m128i abef = _mm_alignr_epi8(cdab, efgh, 8);
    __m128i cdgh = _mm_blend_epi16(efgh, cdab, 0xF0);

    for (; count > 0; --count, blocks += 64) {
        const __m128i abefBefore = abef;
        const __m128i cdghBefore = cdgh;
        __m128i words[4];
        for (int step = 0; step < 16; ++step) {
            __m128i& current = words[step % 4];
            if (step < 4)
                current = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(blocks + 16 * step)), byteSwap);
            __m128i message = _mm_add_epi32(current,
                                            _mm_loadu_si128(reinterpret_cast<const __m128i*>(&roundConstants[4 * step])));
            cdgh = _mm_sha256rnds2_epu32(cdgh, abef, message);
            if (step >= 3 && step <= 14) {
                __m128i& next = words[(step + 1) % 4];
                next = _mm_add_epi32(next, _mm_alignr_epi8(current, words[(step + 3) % 4], 4));
                next = _mm_sha256msg2_epu32(next, current);
            }
            message = _mm_shuffle_epi32(message, 0x0E);
            abef = _mm_sha256rnds2_epu32(abef, cdgh, message);
            if (step >= 1 && step <= 12) {
                __m128i& previous = words[(step + 3) % 4];
                previous = _mm_sha256msg1_epu32(previous, current);
            }
        }
        abef = _mm_add_epi32(abef, abefBefore);
        cdgh = _mm_add_epi32(cdgh, cdghBefore);
    }

    const __m128i feba = _mm_shuffle_epi32(abef, 0x1B);
    const __m128i dchg = _mm_shuffle_epi32(cdgh, 0xB1);
    dcba = _mm_blend_epi16(feba, dchg, 0xF0);
    hgfe = _mm_alignr_epi8(dchg, feba, 8);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(&state[0]), dcba);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(&state[4]), hgfe);
}

bool accelerated = hasShaExtensions();
#else
bool accelerated = false;
#endif

}  // namespace

bool Sha256::isAccelerated() { return accelerated; }

void Sha256::setAccelerated(bool on)
{
#ifdef FW_SHA256_X86
    accelerated = on && hasShaExtensions();
#else
    (void)on;
#endif
}

void Sha256::compress(const std::uint8_t* blocks, std::size_t count)
{
#ifdef FW_SHA256_X86
    if (accelerated) {
        compressShaExtensions(state_, blocks, count);
        return;
    }
#endif
    for (; count > 0; --count, blocks += 64)
        compressPortable(state_, blocks);
}

void Sha256::reset()
{
    state_ = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a, 0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    pendingSize_ = 0;
    totalSize_ = 0;
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
        compress(pending_.data(), 1);
        pendingSize_ = 0;
    }
    // Whole blocks straight from the caller's memory: the payload is megabytes, not copied.
    const std::size_t wholeBlocks = remaining / pending_.size();
    compress(data, wholeBlocks);
    data += wholeBlocks * pending_.size();
    remaining -= wholeBlocks * pending_.size();
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
        compress(pending_.data(), 1);
        pendingSize_ = 0;
    }
    std::memset(pending_.data() + pendingSize_, 0, pending_.size() - 8 - pendingSize_);
    for (int i = 0; i < 8; ++i)
        pending_[pending_.size() - 1 - i] = static_cast<std::uint8_t>(bitCount >> (8 * i));
    compress(pending_.data(), 1);

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
