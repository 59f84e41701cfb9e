#include "config/FileHistory.h"

#include "config/ContentHash.h"
#include "config/CsvText.h"
#include "platform/AtomicReplace.h"
#include "platform/FileReading.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <ctime>
#include <memory>
#include <unordered_set>

namespace morva::config {

using platform::FileError;

namespace {

constexpr platform::OpenMode kReadShared = 1;
constexpr platform::OpenMode kAppend = 5;
constexpr std::size_t kIndexFields = 9;
// A record file is copied into the history a mebibyte at a time.
constexpr std::uint64_t kPieceBytes = std::uint64_t(1) << 20;

std::tm localTime(std::int64_t seconds)
{
    const auto value = static_cast<std::time_t>(seconds);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &value);
#else
    localtime_r(&value, &parts);
#endif
    return parts;
}

std::string formatTime(std::int64_t seconds, const char* format)
{
    const std::tm parts = localTime(seconds);
    char text[32] = {};
    const std::size_t length = std::strftime(text, sizeof text, format, &parts);
    return std::string(text, length);
}

// A hash as sixteen hexadecimal digits.
std::string hex16(std::uint64_t value)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
    return text;
}

std::string unescapeField(std::string_view field)
{
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        const char next = field[++i];
        out += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

template <typename Number> bool parseNumber(std::string_view text, Number* value)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *value);
    return ec == std::errc() && end == text.data() + text.size();
}

} // namespace

bool readWholeFile(platform::FileSystem& fs, const std::string& path, std::uint64_t limit,
                   std::string* bytes, FileError* error)
{
    auto file = fs.open(path, kReadShared, error);
    if (!file)
        return false;
    std::uint64_t size = 0;
    if (!file->size(&size)) {
        *error = file->lastError();
        return false;
    }
    if (size > limit) {
        *error = FileError::TooLarge;
        return false;
    }
    if (!platform::readFromStart(*file, size, bytes, error))
        return false;
    file->close();
    return true;
}

namespace {

std::string indexLine(const HistoryEntry& entry)
{
    std::string line;
    appendTabEscaped(line, entry.id);
    line += '\t';
    line += std::to_string(entry.time);
    for (const std::string* text : {&entry.user, &entry.machine, &entry.source}) {
        line += '\t';
        appendTabEscaped(line, *text);
    }
    line += '\t';
    line += std::to_string(entry.changedKeys);
    line += '\t';
    line += std::to_string(entry.size);
    line += '\t';
    line += hex16(entry.checksum);
    // The line's own hash tells a line cut short or overwritten from a whole one.
    const std::uint64_t sum = contentHash(line);
    line += '\t';
    line += hex16(sum);
    line += '\n';
    return line;
}

bool parseIndexLine(std::string_view line, HistoryEntry* entry)
{
    const std::size_t lastTab = line.rfind('\t');
    if (lastTab == std::string_view::npos ||
        hex16(contentHash(line.substr(0, lastTab))) != line.substr(lastTab + 1))
        return false;
    std::vector<std::string_view> fields;
    std::size_t begin = 0;
    while (fields.size() < kIndexFields) {
        const std::size_t tab = line.find('\t', begin);
        fields.push_back(line.substr(begin, tab - begin));
        if (tab == std::string_view::npos)
            break;
        begin = tab + 1;
    }
    if (fields.size() != kIndexFields)
        return false;
    entry->id = unescapeField(fields[0]);
    entry->user = unescapeField(fields[2]);
    entry->machine = unescapeField(fields[3]);
    entry->source = unescapeField(fields[4]);
    return !entry->id.empty() && entry->id.find_first_of("/\\") == std::string::npos &&
           entry->id.find("..") == std::string::npos && parseNumber(fields[1], &entry->time) &&
           parseNumber(fields[5], &entry->changedKeys) && parseNumber(fields[6], &entry->size) &&
           fields[7].size() == 16 &&
           std::from_chars(fields[7].data(), fields[7].data() + 16, entry->checksum, 16).ptr ==
               fields[7].data() + 16;
}

// The whole lines of an index; what cannot be read is no line.
std::vector<HistoryEntry> readIndex(platform::FileSystem& fs, const std::string& path)
{
    std::string text;
    FileError error = FileError::None;
    std::vector<HistoryEntry> entries;
    if (!readWholeFile(fs, path, std::uint64_t(64) << 20, &text, &error))
        return entries;
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t end = text.find('\n', begin);
        if (end == std::string::npos)
            break; // cut short by a kill: no line
        HistoryEntry entry;
        if (parseIndexLine(std::string_view(text).substr(begin, end - begin), &entry))
            entries.push_back(std::move(entry));
        begin = end + 1;
    }
    return entries;
}

// The bytes of a file of `size` bytes that `read` gives, a piece of up to a
// mebibyte at a time in *buffer; a file shorter than `size` fails.
std::function<bool(std::uint64_t, std::string_view*, FileError*)>
piecesOf(FileHistory::PieceReader read, std::uint64_t size, std::string* buffer)
{
    return [read = std::move(read), size, buffer](std::uint64_t offset, std::string_view* piece,
                                                  FileError* error) {
        buffer->resize(
            static_cast<std::size_t>(std::min<std::uint64_t>(kPieceBytes, size - offset)));
        std::size_t got = 0;
        if (!read(offset, buffer->data(), buffer->size(), &got, error))
            return false;
        if (got == 0) {
            *error = FileError::Io; // shorter than it was said to be
            return false;
        }
        *piece = std::string_view(buffer->data(), got);
        return true;
    };
}

// Reads through an open file.
FileHistory::PieceReader readerOf(platform::File& file)
{
    return [&file](std::uint64_t offset, char* bytes, std::size_t length, std::size_t* got,
                   FileError* error) {
        if (file.readAt(offset, bytes, length, got))
            return true;
        *error = file.lastError() == FileError::None ? FileError::Io : file.lastError();
        return false;
    };
}

} // namespace

std::string_view baseNameOf(std::string_view path)
{
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string localTimeText(std::int64_t secondsSince1970)
{
    return formatTime(secondsSince1970, "%Y-%m-%d %H:%M:%S");
}

FileHistory::FileHistory(platform::FileSystem& fileSystem, platform::Clock& clock,
                         std::string directory, std::string user, std::string machine)
    : m_fileSystem(fileSystem), m_clock(clock), m_directory(std::move(directory)),
      m_user(std::move(user)), m_machine(std::move(machine)), m_now([] {
          return static_cast<std::int64_t>(std::chrono::duration_cast<std::chrono::seconds>(
                                               std::chrono::system_clock::now().time_since_epoch())
                                               .count());
      })
{
}

std::string FileHistory::indexPath(std::string_view fileName) const
{
    return m_directory + std::string(fileName) + ".index";
}

std::string FileHistory::copyPath(std::string_view fileName, std::string_view id) const
{
    return m_directory + std::string(fileName) + "." + std::string(id);
}

bool FileHistory::fail(std::string_view fileName, HistoryProblem problem, FileError error)
{
    m_problem = problem;
    m_problemError = error;
    m_problemFile = std::string(fileName);
    m_lastKeptId.clear();
    return false;
}

HistoryProblem FileHistory::takeUnreportedProblem()
{
    if (m_problem == HistoryProblem::None)
        return HistoryProblem::None;
    HistoryProblem& reported = m_reported[m_problemFile];
    if (reported == m_problem)
        return HistoryProblem::None;
    reported = m_problem;
    return m_problem;
}

void FileHistory::beforeReplace(const std::string& path,
                                const std::function<std::string()>& newText,
                                const SaveOrigin& origin)
{
    m_pendingNewText = &newText;
    keep(path, origin.source);
    m_pendingNewText = nullptr;
}

bool FileHistory::keep(const std::string& path, std::string_view source, std::int64_t changedKeys)
{
    m_lastKeptId.clear();
    const platform::FileStat current = m_fileSystem.stat(path);
    if (!current.exists || current.isDirectory) {
        m_problem = HistoryProblem::None;
        return true;
    }
    return keepContents(
        baseNameOf(path), current.size,
        [&](std::string* bytes, FileError* error) {
            return readWholeFile(m_fileSystem, path, m_limits.maxBytes, bytes, error);
        },
        source, changedKeys);
}

bool FileHistory::keepContents(std::string_view fileName, std::uint64_t size,
                               const ContentReader& read, std::string_view source,
                               std::int64_t changedKeys)
{
    m_lastKeptId.clear();
    if (size > m_limits.maxBytes)
        return fail(fileName, HistoryProblem::TooLarge, FileError::TooLarge);
    std::string old;
    FileError error = FileError::None;
    if (!read(&old, &error))
        return fail(fileName,
                    error == FileError::TooLarge ? HistoryProblem::TooLarge
                                                 : HistoryProblem::WriteFailed,
                    error);
    if (old.size() > m_limits.maxBytes)
        return fail(fileName, HistoryProblem::TooLarge, FileError::TooLarge);
    if (m_pendingNewText)
        changedKeys = static_cast<std::int64_t>(
            countChangedKeys(diffConfigTexts(old, (*m_pendingNewText)(), m_listKeys)));
    const PieceSource whole = [&](std::uint64_t offset, std::string_view* piece, FileError*) {
        *piece = std::string_view(old).substr(static_cast<std::size_t>(offset));
        return true;
    };
    return keepVersion(
        fileName, old.size(),
        [&](const std::string& copy, std::uint64_t* hash, FileError* copyError) {
            return writeCopy(copy, old.size(), whole, hash, copyError);
        },
        source, changedKeys);
}

bool FileHistory::keepPieces(std::string_view fileName, std::uint64_t size, const PieceReader& read,
                             std::string_view source)
{
    m_lastKeptId.clear();
    if (size > m_limits.maxBytes)
        return fail(fileName, HistoryProblem::TooLarge, FileError::TooLarge);
    std::string buffer;
    const PieceSource pieces = piecesOf(read, size, &buffer);
    return keepVersion(
        fileName, size,
        [&](const std::string& copy, std::uint64_t* hash, FileError* error) {
            return writeCopy(copy, size, pieces, hash, error);
        },
        source, -1);
}

bool FileHistory::keepLinked(const std::string& path, std::string_view source)
{
    m_lastKeptId.clear();
    const std::string_view fileName = baseNameOf(path);
    // A link's target is what the rename replaces.
    const std::string target = m_fileSystem.resolveLink(path);
    const platform::FileStat current = m_fileSystem.stat(target);
    if (!current.exists || current.isDirectory) {
        m_problem = HistoryProblem::None;
        return true;
    }
    if (current.size > m_limits.maxBytes)
        return fail(fileName, HistoryProblem::TooLarge, FileError::TooLarge);
    return keepVersion(
        fileName, current.size,
        [&](const std::string& copy, std::uint64_t* hash, FileError* error) {
            if (!m_fileSystem.link(target, copy))
                return copyFile(target, copy, current.size, hash, error);
            if (hashFile(copy, current.size, hash, error))
                return true;
            m_fileSystem.remove(copy);
            return false;
        },
        source, -1);
}

void FileHistory::separateCopy(std::string_view fileName, std::string_view id)
{
    const std::string copy = copyPath(fileName, id);
    const platform::FileStat kept = m_fileSystem.stat(copy);
    std::uint64_t hash = 0;
    FileError error = FileError::None;
    if (kept.exists && copyFile(copy, copy, kept.size, &hash, &error))
        return;
    m_fileSystem.remove(copy);
}

bool FileHistory::copyFile(const std::string& from, const std::string& to, std::uint64_t size,
                           std::uint64_t* hash, FileError* error)
{
    auto file = m_fileSystem.open(from, kReadShared, error);
    if (!file)
        return false;
    std::string buffer;
    const PieceSource pieces = piecesOf(readerOf(*file), size, &buffer);
    // The source is closed before the copy is renamed into place: the copy
    // may take the source's own name.
    return writeCopy(to, size, pieces, hash, error, [&] { file->close(); });
}

bool FileHistory::hashFile(const std::string& path, std::uint64_t size, std::uint64_t* hash,
                           FileError* error) const
{
    auto file = m_fileSystem.open(path, kReadShared, error);
    if (!file)
        return false;
    std::string buffer;
    const PieceSource pieces = piecesOf(readerOf(*file), size, &buffer);
    ContentHash content;
    for (std::uint64_t offset = 0; offset < size;) {
        std::string_view piece;
        if (!pieces(offset, &piece, error))
            return false;
        content.add(piece);
        offset += piece.size();
    }
    *hash = content.value();
    return true;
}

bool FileHistory::keepVersion(std::string_view fileName, std::uint64_t size,
                              const CopyMaker& makeCopy, std::string_view source,
                              std::int64_t changedKeys)
{
    std::string folder = m_directory;
    while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\'))
        folder.pop_back();
    FileError error = FileError::None;
    if (!m_fileSystem.createDirectory(folder, &error))
        return fail(fileName, HistoryProblem::WriteFailed, error);

    HistoryEntry entry;
    entry.time = m_now();
    entry.user = m_user;
    entry.machine = m_machine;
    entry.source = std::string(source);
    entry.changedKeys = changedKeys;
    entry.size = size;
    const std::string stamp = formatTime(entry.time, "%Y%m%d-%H%M%S");
    entry.id = stamp;
    for (int n = 2; m_fileSystem.stat(copyPath(fileName, entry.id)).exists; ++n)
        entry.id = stamp + "-" + std::to_string(n);

    // The copy first: the index never names a copy that is not in place.
    if (!makeCopy(copyPath(fileName, entry.id), &entry.checksum, &error))
        return fail(fileName, HistoryProblem::WriteFailed, error);
    if (!appendIndexLine(indexPath(fileName), indexLine(entry)))
        return fail(fileName, HistoryProblem::WriteFailed, m_problemError);
    rotate(fileName);
    m_problem = HistoryProblem::None;
    m_reported.erase(std::string(fileName));
    m_lastKeptId = entry.id;
    return true;
}

bool FileHistory::appendIndexLine(const std::string& path, const std::string& line)
{
    FileError error = FileError::None;
    auto file = m_fileSystem.open(path, kAppend, &error);
    if (!file) {
        m_problemError = error;
        return false;
    }
    std::uint64_t size = 0;
    std::string bytes;
    if (!file->size(&size)) {
        m_problemError = file->lastError();
        return false;
    }
    if (size > 0) {
        // A line cut short by a kill ends here, so that ours starts a line.
        char last = '\n';
        std::size_t got = 0;
        if (file->readAt(size - 1, &last, 1, &got) && got == 1 && last != '\n')
            bytes = "\n";
    }
    bytes += line;
    // Not synced: a line lost with the power costs one entry of the history
    // (its copy is removed as a stray by the next save), never the save.
    if (!file->writeAt(size, bytes.data(), bytes.size()) || !file->close()) {
        m_problemError = file->lastError() == FileError::None ? FileError::Io : file->lastError();
        return false;
    }
    return true;
}

bool FileHistory::writeWhole(const std::string& path, std::string_view bytes, bool sync,
                             FileError* error)
{
    // As an atomic replace, but without the sync of the folder, and for a
    // copy without the sync of its bytes: every reader checks a copy's size
    // and checksum against its line, so a copy that a power loss cut short
    // is never taken for a kept version, and the save pays little for it.
    std::string temporary;
    auto file = m_fileSystem.createTemporary(m_directory, "~" + std::string(baseNameOf(path)) + ".",
                                             &temporary, error);
    if (!file)
        return false;
    const bool written = (bytes.empty() || file->writeAt(0, bytes.data(), bytes.size())) &&
                         (!sync || file->sync()) && file->close();
    if (written && m_fileSystem.rename(temporary, path, error))
        return true;
    if (!written && error)
        *error = file->lastError() == FileError::None ? FileError::Io : file->lastError();
    if (file->isOpen())
        file->close();
    m_fileSystem.remove(temporary);
    return false;
}

bool FileHistory::writeCopy(const std::string& path, std::uint64_t size, const PieceSource& piece,
                            std::uint64_t* hash, FileError* error,
                            const std::function<void()>& afterLastPiece)
{
    // As writeWhole without a sync, a piece at a time: a record file is
    // never held whole, and its hash is taken on the way.
    std::string temporary;
    auto file = m_fileSystem.createTemporary(m_directory, "~" + std::string(baseNameOf(path)) + ".",
                                             &temporary, error);
    if (!file)
        return false;
    ContentHash content;
    bool written = true;
    for (std::uint64_t offset = 0; written && offset < size;) {
        std::string_view bytes;
        if (!piece(offset, &bytes, error)) {
            file->close();
            m_fileSystem.remove(temporary);
            return false;
        }
        content.add(bytes);
        written = file->writeAt(offset, bytes.data(), bytes.size());
        offset += bytes.size();
    }
    written = written && file->close();
    if (afterLastPiece)
        afterLastPiece();
    if (written && m_fileSystem.rename(temporary, path, error)) {
        *hash = content.value();
        return true;
    }
    if (!written)
        *error = file->lastError() == FileError::None ? FileError::Io : file->lastError();
    if (file->isOpen())
        file->close();
    m_fileSystem.remove(temporary);
    return false;
}

void FileHistory::rotate(std::string_view fileName)
{
    const std::string index = indexPath(fileName);
    std::vector<HistoryEntry> kept = readIndex(m_fileSystem, index);
    // The index is rewritten only once a tenth more saves than the limit
    // have gathered (or the size limit is passed): at least the newest
    // maxVersions stay, and the rewrite costs a save only now and then.
    std::uint64_t total = 0;
    for (const auto& entry : kept)
        total += entry.size;
    if (kept.size() <= m_limits.maxVersions + m_limits.maxVersions / 10 &&
        total <= m_limits.maxBytes) {
        removeStrays(fileName, kept);
        return;
    }
    // Newest first: keep as many as the limits allow.
    std::size_t keepCount = 0;
    std::uint64_t bytes = 0;
    for (std::size_t n = kept.size(); n-- > 0;) {
        if (keepCount >= m_limits.maxVersions || bytes + kept[n].size > m_limits.maxBytes)
            break;
        bytes += kept[n].size;
        ++keepCount;
    }
    const std::size_t drop = kept.size() - keepCount;
    if (drop > 0) {
        std::string text;
        for (std::size_t i = drop; i < kept.size(); ++i)
            text += indexLine(kept[i]);
        FileError error = FileError::None;
        if (!writeWhole(index, text, true, &error))
            return; // the old index still names every copy: nothing removed
        kept.erase(kept.begin(), kept.begin() + static_cast<std::ptrdiff_t>(drop));
    }
    removeStrays(fileName, kept);
}

void FileHistory::removeStrays(std::string_view fileName, const std::vector<HistoryEntry>& kept)
{
    // Copies no line names: dropped above, or left by a kill before their line.
    std::unordered_set<std::string> named;
    for (const auto& entry : kept)
        named.insert(std::string(fileName) + "." + entry.id);
    const std::string indexName = std::string(fileName) + ".index";
    for (const std::string& name : m_fileSystem.list(m_directory, std::string(fileName) + ".*")) {
        const std::string_view id = std::string_view(name).substr(fileName.size() + 1);
        const bool looksLikeCopy =
            id.size() >= 15 && id[8] == '-' &&
            std::all_of(id.begin(), id.begin() + 8, [](char c) { return c >= '0' && c <= '9'; });
        if (name != indexName && looksLikeCopy && !named.count(name))
            m_fileSystem.remove(m_directory + name);
    }
    // Temporaries of copies and of the index that a kill left behind.
    for (const std::string& name :
         m_fileSystem.list(m_directory, "~" + std::string(fileName) + ".*"))
        m_fileSystem.remove(m_directory + name);
}

std::vector<HistoryEntry> FileHistory::entries(std::string_view fileName) const
{
    std::vector<HistoryEntry> entries = readIndex(m_fileSystem, indexPath(fileName));
    std::erase_if(entries, [&](const HistoryEntry& entry) {
        const platform::FileStat copy = m_fileSystem.stat(copyPath(fileName, entry.id));
        return !copy.exists || copy.size != entry.size;
    });
    return entries;
}

bool FileHistory::read(std::string_view fileName, std::string_view id, std::string* bytes) const
{
    const auto all = entries(fileName);
    const auto entry =
        std::find_if(all.begin(), all.end(), [&](const HistoryEntry& e) { return e.id == id; });
    FileError error = FileError::None;
    return entry != all.end() &&
           readWholeFile(m_fileSystem, copyPath(fileName, id), entry->size, bytes, &error) &&
           contentHash(*bytes) == entry->checksum;
}

} // namespace morva::config
