// The history's copy check is XXH64: the reference implementation's values,
// and the same value however the bytes are split into pieces.
#include "config/ContentHash.h"

#include <gtest/gtest.h>
#include <string>

using morva::config::ContentHash;
using morva::config::contentHash;

TEST(ContentHash, GivesTheReferenceValues)
{
    std::string bytes;
    for (int round = 0; round < 3; ++round)
        for (int byte = 0; byte < 256; ++byte)
            bytes += static_cast<char>(byte);
    bytes += "xyz";
    const std::string digits = "0123456789abcdef0123456789abcdef0123456789abcdef!";
    // Every path: short, just under and at one stripe, stripes with each tail.
    EXPECT_EQ(contentHash(""), 0xEF46DB3751D8E999u);
    EXPECT_EQ(contentHash("a"), 0xD24EC4F1A98C6E5Bu);
    EXPECT_EQ(contentHash("abc"), 0x44BC2CF5AD770999u);
    EXPECT_EQ(contentHash(digits.substr(0, 31)), 0x1FDFC63FEBACFDE7u);
    EXPECT_EQ(contentHash(digits.substr(0, 32)), 0x642A94958E71E6C5u);
    EXPECT_EQ(contentHash(digits), 0xBC7C85EEBF06937Fu);
    EXPECT_EQ(contentHash(bytes), 0xE921A1B45BD779F8u);
}

TEST(ContentHash, PiecesOfAnySizeGiveTheWholesValue)
{
    std::string bytes;
    for (int i = 0; i < 200; ++i)
        bytes += static_cast<char>(i * 37 + 11);
    const std::uint64_t whole = contentHash(bytes);
    for (std::size_t piece = 1; piece <= 70; ++piece) {
        ContentHash hash;
        for (std::size_t at = 0; at < bytes.size(); at += piece)
            hash.add(std::string_view(bytes).substr(at, piece));
        ASSERT_EQ(hash.value(), whole) << piece;
    }
}
