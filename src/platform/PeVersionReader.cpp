#include "platform/PeVersionReader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

namespace morva::platform {

namespace {

// Bounds-checked little-endian access to the image.
class Image
{
public:
    explicit Image(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    bool has(std::uint64_t offset, std::uint64_t length) const
    {
        return offset <= m_bytes.size() && length <= m_bytes.size() - offset;
    }
    bool u16(std::uint64_t offset, std::uint16_t* value) const
    {
        if (!has(offset, 2))
            return false;
        *value = static_cast<std::uint16_t>(m_bytes[offset] | (m_bytes[offset + 1] << 8));
        return true;
    }
    bool u32(std::uint64_t offset, std::uint32_t* value) const
    {
        if (!has(offset, 4))
            return false;
        *value = static_cast<std::uint32_t>(m_bytes[offset]) |
                 (static_cast<std::uint32_t>(m_bytes[offset + 1]) << 8) |
                 (static_cast<std::uint32_t>(m_bytes[offset + 2]) << 16) |
                 (static_cast<std::uint32_t>(m_bytes[offset + 3]) << 24);
        return true;
    }

private:
    std::span<const std::uint8_t> m_bytes;
};

struct Section
{
    std::uint32_t virtualAddress;
    std::uint32_t rawSize;
    std::uint32_t rawOffset;
};

constexpr std::uint32_t kResourceTypeVersion = 16;
constexpr std::uint32_t kFixedFileInfoSignature = 0xFEEF04BD;
constexpr std::size_t kMaxSections = 96; // the format's own limit

class PeReader
{
public:
    explicit PeReader(std::span<const std::uint8_t> bytes) : m_image(bytes) {}

    std::optional<FileVersion> read()
    {
        std::uint32_t resourceRva = 0;
        if (!readHeaders(&resourceRva) || resourceRva == 0)
            return std::nullopt;
        m_resourceRva = resourceRva;

        std::uint32_t directory = 0; // offsets in the tree are from its start
        if (!findSubdirectory(directory, /*wanted=*/kResourceTypeVersion, &directory))
            return std::nullopt;
        if (!findSubdirectory(directory, /*any*/ std::nullopt, &directory))
            return std::nullopt;
        std::uint32_t dataEntry = 0;
        if (!findDataEntry(directory, &dataEntry))
            return std::nullopt;

        std::uint64_t entryOffset = 0;
        std::uint32_t dataRva = 0, dataSize = 0;
        if (!mapResource(dataEntry, 16, &entryOffset) || !m_image.u32(entryOffset, &dataRva) ||
            !m_image.u32(entryOffset + 4, &dataSize))
            return std::nullopt;
        std::uint64_t dataOffset = 0;
        if (!mapRva(dataRva, dataSize, &dataOffset))
            return std::nullopt;
        return readVersionInfo(dataOffset, dataSize);
    }

private:
    bool readHeaders(std::uint32_t* resourceRva)
    {
        std::uint16_t mz = 0;
        std::uint32_t peOffset = 0, signature = 0;
        if (!m_image.u16(0, &mz) || mz != 0x5A4D || !m_image.u32(0x3C, &peOffset) ||
            !m_image.u32(peOffset, &signature) || signature != 0x00004550)
            return false;
        const std::uint64_t coff = std::uint64_t(peOffset) + 4;
        std::uint16_t sectionCount = 0, optionalSize = 0, magic = 0;
        if (!m_image.u16(coff + 2, &sectionCount) || !m_image.u16(coff + 16, &optionalSize))
            return false;
        const std::uint64_t optional = coff + 20;
        if (!m_image.u16(optional, &magic))
            return false;
        std::uint64_t countField = 0, directories = 0;
        if (magic == 0x10B) {
            countField = optional + 92;
            directories = optional + 96;
        } else if (magic == 0x20B) {
            countField = optional + 108;
            directories = optional + 112;
        } else {
            return false;
        }
        std::uint32_t directoryCount = 0;
        if (!m_image.u32(countField, &directoryCount) || directoryCount < 3)
            return false;
        // The resource directory (index 2) must lie inside the optional
        // header the file declares, not merely inside the file.
        const std::uint64_t resourceEntry = directories + std::uint64_t{2} * 8;
        if (resourceEntry + 8 > optional + optionalSize || !m_image.u32(resourceEntry, resourceRva))
            return false;

        if (sectionCount > kMaxSections)
            return false;
        const std::uint64_t table = optional + optionalSize;
        for (std::uint16_t i = 0; i < sectionCount; ++i) {
            const std::uint64_t header = table + std::uint64_t(i) * 40;
            Section section{};
            if (!m_image.u32(header + 12, &section.virtualAddress) ||
                !m_image.u32(header + 16, &section.rawSize) ||
                !m_image.u32(header + 20, &section.rawOffset))
                return false;
            m_sections[m_sectionCount++] = section;
        }
        return true;
    }

    // File offset of `length` bytes at `rva`, all inside one section's raw
    // data and inside the file.
    bool mapRva(std::uint64_t rva, std::uint64_t length, std::uint64_t* offset) const
    {
        for (std::size_t i = 0; i < m_sectionCount; ++i) {
            const Section& s = m_sections[i];
            if (rva < s.virtualAddress)
                continue;
            const std::uint64_t into = rva - s.virtualAddress;
            if (into >= s.rawSize || length > s.rawSize - into)
                continue;
            const std::uint64_t at = std::uint64_t(s.rawOffset) + into;
            if (!m_image.has(at, length))
                return false;
            *offset = at;
            return true;
        }
        return false;
    }

    bool mapResource(std::uint32_t treeOffset, std::uint64_t length, std::uint64_t* offset) const
    {
        return mapRva(std::uint64_t(m_resourceRva) + treeOffset, length, offset);
    }

    // Looks through the directory at `directory` (tree offset) for an entry
    // with id `wanted` (or the first entry of any name when none is wanted)
    // that leads to a subdirectory; *child receives its tree offset.
    bool findSubdirectory(std::uint32_t directory, std::optional<std::uint32_t> wanted,
                          std::uint32_t* child) const
    {
        std::uint32_t target = 0;
        if (!findEntry(directory, wanted, &target) || (target & 0x80000000u) == 0)
            return false;
        *child = target & 0x7FFFFFFFu;
        return true;
    }

    bool findDataEntry(std::uint32_t directory, std::uint32_t* entry) const
    {
        std::uint32_t target = 0;
        if (!findEntry(directory, std::nullopt, &target) || (target & 0x80000000u) != 0)
            return false;
        *entry = target;
        return true;
    }

    bool findEntry(std::uint32_t directory, std::optional<std::uint32_t> wanted,
                   std::uint32_t* target) const
    {
        std::uint64_t header = 0;
        if (!mapResource(directory, 16, &header))
            return false;
        std::uint16_t named = 0, ids = 0;
        if (!m_image.u16(header + 12, &named) || !m_image.u16(header + 14, &ids))
            return false;
        const std::uint32_t count = std::uint32_t(named) + ids;
        std::uint64_t entries = 0;
        if (count == 0 || !mapResource(directory + 16u, std::uint64_t(count) * 8, &entries))
            return false;
        for (std::uint32_t i = 0; i < count; ++i) {
            std::uint32_t name = 0, offset = 0;
            if (!m_image.u32(entries + i * 8ull, &name) ||
                !m_image.u32(entries + i * 8ull + 4, &offset))
                return false;
            const bool isId = (name & 0x80000000u) == 0;
            if (!wanted || (isId && name == *wanted)) {
                *target = offset;
                return true;
            }
        }
        return false;
    }

    std::optional<FileVersion> readVersionInfo(std::uint64_t offset, std::uint32_t size) const
    {
        // VS_VERSIONINFO: wLength, wValueLength, wType, L"VS_VERSION_INFO",
        // padding to a 32-bit boundary, then VS_FIXEDFILEINFO.
        static constexpr char kKey[] = "VS_VERSION_INFO";
        std::uint16_t length = 0, valueLength = 0;
        if (!m_image.u16(offset, &length) || !m_image.u16(offset + 2, &valueLength))
            return std::nullopt;
        const std::uint64_t limit = std::min<std::uint64_t>(length, size);
        const std::uint64_t keyBytes = sizeof kKey * 2; // with the terminating NUL
        if (6 + keyBytes > limit)
            return std::nullopt;
        for (std::size_t i = 0; i < sizeof kKey; ++i) {
            std::uint16_t c = 0;
            if (!m_image.u16(offset + 6 + i * 2, &c) || c != static_cast<unsigned char>(kKey[i]))
                return std::nullopt;
        }
        const std::uint64_t value = (6 + keyBytes + 3) & ~std::uint64_t(3);
        constexpr std::uint64_t kFixedSize = 52;
        if (valueLength < kFixedSize || value + kFixedSize > limit)
            return std::nullopt;
        std::uint32_t signature = 0, high = 0, low = 0;
        if (!m_image.u32(offset + value, &signature) || signature != kFixedFileInfoSignature ||
            !m_image.u32(offset + value + 8, &high) || !m_image.u32(offset + value + 12, &low))
            return std::nullopt;
        return FileVersion{
            static_cast<std::uint16_t>(high >> 16), static_cast<std::uint16_t>(high & 0xFFFF),
            static_cast<std::uint16_t>(low >> 16), static_cast<std::uint16_t>(low & 0xFFFF)};
    }

    Image m_image;
    Section m_sections[kMaxSections] = {};
    std::size_t m_sectionCount = 0;
    std::uint32_t m_resourceRva = 0;
};

} // namespace

std::optional<FileVersion> readPeFileVersion(std::span<const std::uint8_t> image)
{
    return PeReader(image).read();
}

std::optional<FileVersion> readPeFileVersionFile(const std::string& path)
{
    // Opening a pipe would wait for a writer: only a regular file is read.
    std::error_code statusError;
    if (!std::filesystem::is_regular_file(path, statusError))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return std::nullopt;
    const std::streamoff size = in.tellg();
    if (size <= 0 || static_cast<std::uint64_t>(size) > kMaxPeImageSize)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size))
        return std::nullopt;
    return readPeFileVersion(bytes);
}

} // namespace morva::platform
