#pragma once

#include <bit>
#include <cstddef>
#include <cstring>
#include <string_view>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define MORVA_BYTE_SCAN_SSE2 1
#endif

namespace morva::config {

// What one pass over a text's bytes found.
struct ByteScan
{
    bool highBytes = false; // a byte 0x80 or above
    bool anyOf = false;     // one of the bytes looked for
};

// Looks for bytes 0x80 and above and for four given bytes, sixteen bytes at
// a time: every field of a large export passes through here, so the scanner
// is made once per export and its scan is inline.
class ByteScanner
{
public:
    ByteScanner(char a, char b, char c, char d);
    ByteScan scan(std::string_view text) const;

private:
#ifdef MORVA_BYTE_SCAN_SSE2
    unsigned masks(const char* at, unsigned* high) const
    {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const __m128i hits =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, m_a), _mm_cmpeq_epi8(bytes, m_b)),
                         _mm_or_si128(_mm_cmpeq_epi8(bytes, m_c), _mm_cmpeq_epi8(bytes, m_d)));
        *high = static_cast<unsigned>(_mm_movemask_epi8(bytes));
        return static_cast<unsigned>(_mm_movemask_epi8(hits));
    }
    __m128i m_a, m_b, m_c, m_d;
#else
    char m_a, m_b, m_c, m_d;
#endif
};

// One pass over `text` (a scanner made for this call).
ByteScan scanBytes(std::string_view text, char a, char b, char c, char d);

// The length of `text` without the spaces at its end (the padding of a
// fixed-width field).
std::size_t lengthWithoutTrailingSpaces(std::string_view text);

#ifdef MORVA_BYTE_SCAN_SSE2

inline ByteScanner::ByteScanner(char a, char b, char c, char d)
    : m_a(_mm_set1_epi8(a)), m_b(_mm_set1_epi8(b)), m_c(_mm_set1_epi8(c)), m_d(_mm_set1_epi8(d))
{
}

inline ByteScan ByteScanner::scan(std::string_view text) const
{
    const std::size_t size = text.size();
    unsigned high = 0;
    unsigned anyOf = 0;
    unsigned blockHigh = 0;
    if (size >= 16) {
        std::size_t at = 0;
        for (; at + 16 <= size; at += 16) {
            anyOf |= masks(text.data() + at, &blockHigh);
            high |= blockHigh;
        }
        // The last bytes as the sixteen that end the text: bytes seen twice
        // change nothing.
        if (at < size) {
            anyOf |= masks(text.data() + size - 16, &blockHigh);
            high |= blockHigh;
        }
    } else if (size > 0) {
        // A short text copied into sixteen bytes; only its own lanes count.
        char padded[16] = {};
        std::memcpy(padded, text.data(), size);
        const unsigned lanes = (1u << size) - 1;
        anyOf = masks(padded, &high) & lanes;
        high &= lanes;
    }
    return {high != 0, anyOf != 0};
}

inline std::size_t lengthWithoutTrailingSpaces(std::string_view text)
{
    const __m128i spaces = _mm_set1_epi8(' ');
    const char* data = text.data();
    std::size_t n = text.size();
    auto blanks = [&](std::size_t at) {
        return static_cast<unsigned>(_mm_movemask_epi8(
            _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at)), spaces)));
    };
    // Padding is most of an address field: 32 bytes of it at a time.
    while (n >= 32 && (blanks(n - 32) & blanks(n - 16)) == 0xFFFFu)
        n -= 32;
    while (n >= 16) {
        const unsigned found = blanks(n - 16);
        if (found != 0xFFFFu)
            return n - 16 + static_cast<std::size_t>(std::bit_width(~found & 0xFFFFu));
        n -= 16;
    }
    while (n > 0 && data[n - 1] == ' ')
        --n;
    return n;
}

#else

inline ByteScanner::ByteScanner(char a, char b, char c, char d) : m_a(a), m_b(b), m_c(c), m_d(d) {}

inline ByteScan ByteScanner::scan(std::string_view text) const
{
    ByteScan found;
    for (const char byte : text) {
        found.highBytes = found.highBytes || static_cast<unsigned char>(byte) >= 0x80;
        found.anyOf = found.anyOf || byte == m_a || byte == m_b || byte == m_c || byte == m_d;
    }
    return found;
}

inline std::size_t lengthWithoutTrailingSpaces(std::string_view text)
{
    std::size_t n = text.size();
    while (n > 0 && text[n - 1] == ' ')
        --n;
    return n;
}

#endif

inline ByteScan scanBytes(std::string_view text, char a, char b, char c, char d)
{
    return ByteScanner(a, b, c, d).scan(text);
}

} // namespace morva::config
