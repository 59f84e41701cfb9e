
#include "platform/FileVersion.h"
#include "platform/PeVersionReader.h"

#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <vector>

using namespace morva::platform;

namespace {

std::string fixture(const std::string& name)
{
    return std::string(MORVA_SOURCE_DIR) + "/tests/platform/fixtures/" + name;
}

std::vector<std::uint8_t> load(const std::string& name)
{
    std::ifstream in(fixture(name), std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>());
}

std::uint32_t get32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    std::uint32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}
void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    std::memcpy(b.data() + at, &v, 4);
}
void put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v)
{
    std::memcpy(b.data() + at, &v, 2);
}

// Where the interesting fields of the (PE32+) fixture sit.
struct Layout
{
    std::size_t pe, sectionCount, optional, resourceDirectory, sections;
    std::size_t rsrcHeader, rsrcRaw, versionBlock;
};

Layout layoutOf(const std::vector<std::uint8_t>& b)
{
    Layout l{};
    l.pe = get32(b, 0x3C);
    l.sectionCount = l.pe + 6;
    l.optional = l.pe + 24;
    l.resourceDirectory = l.optional + 112 + 16;
    std::uint16_t optionalSize;
    std::memcpy(&optionalSize, b.data() + l.pe + 20, 2);
    l.sections = l.optional + optionalSize;
    for (std::size_t s = l.sections; s + 40 <= b.size(); s += 40) {
        if (std::memcmp(b.data() + s, ".rsrc", 5) == 0) {
            l.rsrcHeader = s;
            l.rsrcRaw = get32(b, s + 20);
            break;
        }
    }
    for (std::size_t at = 0; at + 4 <= b.size(); ++at)
        if (get32(b, at) == 0xFEEF04BD)
            l.versionBlock = at - 40;
    return l;
}

} // namespace

TEST(VersionResource, ReadsTheFixedFileVersionOfRealImages)
{
    const struct
    {
        const char* file;
        std::optional<FileVersion> expected;
    } rows[] = {
        {"gwcored-3.53.2.0.exe", FileVersion{3, 53, 2, 0}},
        {"gwcored-3.53.0.0.exe", FileVersion{3, 53, 0, 0}},
        {"gwcored-3.53.0.1.exe", FileVersion{3, 53, 0, 1}},
        {"no-resource.exe", std::nullopt},
        {"truncated.exe", std::nullopt},
        {"missing.exe", std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(readPeFileVersionFile(fixture(row.file)), row.expected) << row.file;
    // A directory and a text file are no images.
    EXPECT_FALSE(readPeFileVersionFile(fixture("")));
    EXPECT_FALSE(readPeFileVersionFile(std::string(MORVA_SOURCE_DIR) + "/CMakeLists.txt"));
}

TEST(VersionResource, ImagesThatLieAboutTheirLayoutGiveNothing)
{
    const auto good = load("gwcored-3.53.2.0.exe");
    ASSERT_GT(good.size(), 1024u);
    const Layout l = layoutOf(good);
    ASSERT_NE(l.rsrcHeader, 0u);
    ASSERT_NE(l.versionBlock, 0u);
    ASSERT_EQ(readPeFileVersion(good), (FileVersion{3, 53, 2, 0}));

    using Patch = void (*)(std::vector<std::uint8_t>&, const Layout&);
    const struct
    {
        const char* name;
        Patch patch;
    } rows[] = {
        {"PE header beyond the file", [](auto& b, auto&) { put32(b, 0x3C, 0xFFFFFFF0u); }},
        {"PE header at the last bytes",
         [](auto& b, auto&) { put32(b, 0x3C, static_cast<std::uint32_t>(b.size() - 2)); }},
        {"too many sections", [](auto& b, auto& m) { put16(b, m.sectionCount, 0xFFFF); }},
        {"optional header larger than the file",
         [](auto& b, auto& m) { put16(b, m.pe + 20, 0xFFFF); }},
        {"resource section raw data beyond the file",
         [](auto& b, auto& m) { put32(b, m.rsrcHeader + 20, 0x7FFFFFF0u); }},
        {"resource section raw size near 4 GB",
         [](auto& b, auto& m) {
             put32(b, m.rsrcHeader + 16, 0xFFFFFFFFu);
             put32(b, m.rsrcHeader + 20, static_cast<std::uint32_t>(b.size() - 16));
         }},
        {"resource directory entry count huge",
         [](auto& b, auto& m) { put16(b, m.rsrcRaw + 14, 0xFFFF); }},
        {"resource subdirectory offset beyond the section",
         [](auto& b, auto& m) { put32(b, m.rsrcRaw + 16 + 4, 0xFFFFFFF0u); }},
        {"version data size near 4 GB",
         [](auto& b, auto& m) {
             // The data entry is the only 16-byte record whose first word is
             // the RVA of the version block.
             const std::uint32_t sectionRva = get32(b, m.rsrcHeader + 12);
             const std::uint32_t blockRva =
                 static_cast<std::uint32_t>(m.versionBlock - m.rsrcRaw) + sectionRva;
             for (std::size_t at = m.rsrcRaw; at + 8 <= m.versionBlock; at += 4)
                 if (get32(b, at) == blockRva)
                     put32(b, at + 4, 0xFFFFFFFFu);
         }},
        {"version key damaged", [](auto& b, auto& m) { b[m.versionBlock + 6] = 'X'; }},
        {"fixed info signature damaged", [](auto& b, auto& m) { b[m.versionBlock + 40] ^= 0xFF; }},
        {"value length too short", [](auto& b, auto& m) { put16(b, m.versionBlock + 2, 20); }},
        {"block length too short", [](auto& b, auto& m) { put16(b, m.versionBlock, 60); }},
        {"resource directory outside the optional header",
         [](auto& b, auto& m) { put32(b, m.optional + 108, 2); }},
    };
    for (const auto& row : rows) {
        auto image = good;
        row.patch(image, l);
        EXPECT_EQ(readPeFileVersion(image), std::nullopt) << row.name;
    }
}

TEST(VersionResource, NoPrefixAndNoRandomDamageReadsOutsideTheImage)
{
    // Each image is copied to a buffer of exactly its size, so the sanitizer
    // build reports any read past its end.
    const auto good = load("gwcored-3.53.2.0.exe");
    for (std::size_t length = 0; length < good.size(); length += 7) {
        const std::vector<std::uint8_t> prefix(good.begin(), good.begin() + length);
        const auto version = readPeFileVersion(prefix);
        if (version) {
            EXPECT_EQ(*version, (FileVersion{3, 53, 2, 0})) << length;
        }
    }
    std::mt19937 random(20261208);
    for (int round = 0; round < 3000; ++round) {
        auto image = good;
        const int flips = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < flips; ++i)
            image[random() % image.size()] = static_cast<std::uint8_t>(random());
        (void)readPeFileVersion(image);
    }
}

TEST(VersionText, GatewayWritesTheThirdFieldAsALetter)
{
    const struct
    {
        FileVersion version;
        const char* text;
        bool matches;
    } rows[] = {
        {{3, 53, 2, 0}, "3.53b", false},
        {{3, 53, 0, 1}, "3.53", false},
        {{3, 53, 0, 0}, "3.53", true},
        {{3, 53, 1, 0}, "3.53a", false},
        {{3, 53, 26, 0}, "3.53z", false},
        {{3, 52, 0, 0}, "3.52", false},
        {{4, 0, 27, 9}, "4.0.27", false},
        {{65535, 65535, 65535, 65535}, "65535.65535.65535", false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(versionText(row.version), row.text);
        EXPECT_EQ(matchesConsoleVersion(row.version), row.matches) << row.text;
    }
}

TEST(VersionText, ConsoleTextIsItsOwnVersionWrittenTheGatewaysWay)
{
    EXPECT_EQ(std::string(kConsoleVersionText), "Morva v" + versionText(kConsoleVersion));
}
