#include "config/ByteScan.h"

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define MORVA_BYTE_SCAN_SSE2 1
#endif

namespace morva::config {

#ifdef MORVA_BYTE_SCAN_SSE2

namespace {

struct Masks
{
    int high = 0;
    int anyOf = 0;
};

Masks scan16(const char* at, __m128i a, __m128i b, __m128i c, __m128i d)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    const __m128i hits =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, a), _mm_cmpeq_epi8(bytes, b)),
                     _mm_or_si128(_mm_cmpeq_epi8(bytes, c), _mm_cmpeq_epi8(bytes, d)));
    return {_mm_movemask_epi8(bytes), _mm_movemask_epi8(hits)};
}

} // namespace

ByteScan scanBytes(std::string_view text, char a, char b, char c, char d)
{
    const __m128i wantA = _mm_set1_epi8(a);
    const __m128i wantB = _mm_set1_epi8(b);
    const __m128i wantC = _mm_set1_epi8(c);
    const __m128i wantD = _mm_set1_epi8(d);
    const std::size_t size = text.size();
    int high = 0;
    int anyOf = 0;
    auto take = [&](const char* at, int lanes = 0xFFFF) {
        const Masks masks = scan16(at, wantA, wantB, wantC, wantD);
        high |= masks.high & lanes;
        anyOf |= masks.anyOf & lanes;
    };
    if (size >= 16) {
        std::size_t at = 0;
        for (; at + 16 <= size; at += 16)
            take(text.data() + at);
        // The last bytes as the sixteen that end the text: bytes seen twice
        // change nothing.
        if (at < size)
            take(text.data() + size - 16);
    } else if (size > 0) {
        // A short text copied into sixteen bytes; only its own lanes count.
        char padded[16] = {};
        std::memcpy(padded, text.data(), size);
        take(padded, (1 << size) - 1);
    }
    return {high != 0, anyOf != 0};
}

std::size_t lengthWithoutTrailingSpaces(std::string_view text)
{
    const __m128i spaces = _mm_set1_epi8(' ');
    const char* data = text.data();
    std::size_t n = text.size();
    while (n >= 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + n - 16));
        const auto blanks = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, spaces)));
        if (blanks != 0xFFFFu)
            return n - 16 + std::bit_width(~blanks & 0xFFFFu);
        n -= 16;
    }
    while (n > 0 && data[n - 1] == ' ')
        --n;
    return n;
}

#else

ByteScan scanBytes(std::string_view text, char a, char b, char c, char d)
{
    ByteScan found;
    for (const char byte : text) {
        found.highBytes = found.highBytes || static_cast<unsigned char>(byte) >= 0x80;
        found.anyOf = found.anyOf || byte == a || byte == b || byte == c || byte == d;
    }
    return found;
}

std::size_t lengthWithoutTrailingSpaces(std::string_view text)
{
    std::size_t n = text.size();
    while (n > 0 && text[n - 1] == ' ')
        --n;
    return n;
}

#endif

} // namespace morva::config
