#include "stats/StatHistory.h"

#include "config/CsvText.h"
#include "stats/StatisticsFile.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace morva::stats {

namespace {

constexpr platform::OpenMode kReadSharingReadWrite = 1;
constexpr platform::OpenMode kAppend = 5;
constexpr std::string_view kVersion = "1";

std::uint32_t crc32(std::string_view bytes)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char ch : bytes)
        crc = table[(crc ^ static_cast<unsigned char>(ch)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

bool unescape(std::string_view text, std::string* out)
{
    out->clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            *out += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        switch (text[i]) {
        case '\\':
            *out += '\\';
            break;
        case 't':
            *out += '\t';
            break;
        case 'n':
            *out += '\n';
            break;
        case 'r':
            *out += '\r';
            break;
        default:
            return false;
        }
    }
    return true;
}

std::vector<std::string_view> splitTabs(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(
            line.substr(start, tab == std::string_view::npos ? line.npos : tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

// Appends the lines of the file at `path` that decode; a missing file adds
// nothing.
void loadFile(platform::FileSystem& fileSystem, const std::string& path, HistoryLoad* load)
{
    platform::FileError error = platform::FileError::None;
    auto file = fileSystem.open(path, kReadSharingReadWrite, &error);
    if (!file) {
        if (error != platform::FileError::NotFound)
            load->error = error;
        return;
    }
    // Twice the rotation size: a file is rotated on the append after it
    // passed the limit, so it holds at most one record more than that.
    const StatisticsText text =
        readStatisticsText(*file, 2 * StatHistoryStore::kRotateBytes + 65536);
    for (const std::string& line : text.lines) {
        if (line.empty())
            continue;
        if (auto sample = decodeHistoryRecord(line))
            load->samples.push_back(std::move(*sample));
        else
            ++load->damagedRecords;
    }
}

platform::FileError errorOf(const platform::File& file)
{
    const platform::FileError error = file.lastError();
    return error == platform::FileError::None ? platform::FileError::Io : error;
}

} // namespace

std::string encodeHistoryRecord(const StatSample& sample)
{
    std::string record(kVersion);
    record += '\t';
    record += std::to_string(sample.timeNs);
    for (const StatLine& line : sample.counters) {
        record += '\t';
        config::appendTabEscaped(record, line.name);
        record += '\t';
        config::appendTabEscaped(record, line.value);
    }
    char crc[9];
    const auto [end, ec] = std::to_chars(crc, crc + 8, crc32(record), 16);
    (void)ec;
    record += '\t';
    record.append(8 - static_cast<std::size_t>(end - crc), '0');
    record.append(crc, end);
    record += '\n';
    return record;
}

std::optional<StatSample> decodeHistoryRecord(std::string_view line)
{
    if (!line.empty() && line.back() == '\n')
        line.remove_suffix(1);
    const std::size_t lastTab = line.rfind('\t');
    if (lastTab == std::string_view::npos || line.size() - lastTab != 9)
        return std::nullopt;
    const std::string_view crcText = line.substr(lastTab + 1);
    std::uint32_t crc = 0;
    const auto [end, ec] =
        std::from_chars(crcText.data(), crcText.data() + crcText.size(), crc, 16);
    if (ec != std::errc() || end != crcText.data() + crcText.size())
        return std::nullopt;
    const std::string_view body = line.substr(0, lastTab);
    if (crc32(body) != crc)
        return std::nullopt;
    const std::vector<std::string_view> fields = splitTabs(body);
    // Version, time, then whole pairs.
    if (fields.size() < 2 || fields[0] != kVersion || fields.size() % 2 != 0)
        return std::nullopt;
    StatSample sample;
    const std::string_view time = fields[1];
    const auto parsed = std::from_chars(time.data(), time.data() + time.size(), sample.timeNs);
    if (parsed.ec != std::errc() || parsed.ptr != time.data() + time.size())
        return std::nullopt;
    for (std::size_t i = 2; i < fields.size(); i += 2) {
        StatLine counter;
        if (!unescape(fields[i], &counter.name) || !unescape(fields[i + 1], &counter.value))
            return std::nullopt;
        sample.counters.push_back(std::move(counter));
    }
    return sample;
}

StatHistoryStore::StatHistoryStore(platform::FileSystem& fileSystem, std::string path,
                                   std::uint64_t rotateBytes)
    : m_fileSystem(fileSystem), m_path(std::move(path)), m_rotateBytes(rotateBytes)
{
}

bool StatHistoryStore::rotate(platform::FileError* error)
{
    return m_fileSystem.rename(m_path, olderPath(), error);
}

bool StatHistoryStore::append(const StatSample& sample, platform::FileError* error)
{
    platform::FileError ignored = platform::FileError::None;
    platform::FileError& failure = error ? *error : ignored;
    failure = platform::FileError::None;
    const platform::FileStat stat = m_fileSystem.stat(m_path);
    // Rotated before opening: Windows renames no open file.
    if (stat.exists && !stat.isDirectory && stat.size >= m_rotateBytes && !rotate(&failure))
        return false;
    auto file = m_fileSystem.open(m_path, kAppend, &failure);
    if (!file)
        return false;
    std::uint64_t size = 0;
    if (!file->size(&size)) {
        failure = errorOf(*file);
        return false;
    }
    std::string record = encodeHistoryRecord(sample);
    if (size > 0) {
        char last = 0;
        std::size_t got = 0;
        if (!file->readAt(size - 1, &last, 1, &got) || got != 1) {
            failure = errorOf(*file);
            return false;
        }
        if (last != '\n')
            record.insert(record.begin(), '\n');
    }
    if (!file->writeAt(size, record.data(), record.size()) || !file->sync()) {
        failure = errorOf(*file);
        return false;
    }
    if (!file->close()) {
        failure = errorOf(*file);
        return false;
    }
    return true;
}

HistoryLoad StatHistoryStore::load()
{
    HistoryLoad load;
    loadFile(m_fileSystem, olderPath(), &load);
    loadFile(m_fileSystem, m_path, &load);
    std::stable_sort(load.samples.begin(), load.samples.end(),
                     [](const StatSample& a, const StatSample& b) { return a.timeNs < b.timeNs; });
    return load;
}

} // namespace morva::stats
