// Reading and writing "Morva.ini".
#include "config/ConfigLine.h"
#include "config/ConfigStore.h"
#include "config/IntegerText.h"
#include "config/TextBuffer.h"
#include "config/TextListCodec.h"
#include "config/UnreadLines.h"
#include "platform/AtomicReplace.h"
#include "platform/Clock.h"
#include "platform/ReplaceLock.h"

#include <algorithm>
#include <cassert>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <random>
#include <type_traits>

namespace morva::config {

using platform::FileError;

namespace {

constexpr std::size_t kSaveChunkSize = 1 << 20;
constexpr int kOpenAttempts = 10;

// About a second, drawn anew for every wait. Two programs that open the
// file at the same moment may each find the other holding it; waiting the
// same second, they would meet again at every attempt and both give up.
std::chrono::milliseconds openRetryDelay()
{
    static thread_local std::minstd_rand random(
        std::random_device{}() ^
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    return std::chrono::milliseconds(800 + random() % 401);
}
constexpr platform::OpenMode kReadShareRead = 3; // read/write, others may only read
// Deeper include chains are treated as unreadable includes; this bounds the
// recursion whatever the files hold.
constexpr std::size_t kMaxIncludeDepth = 200;
// A file may name the same file several times under different spellings
// ("a.ini", "./a.ini"), which the cycle check cannot see; a budget of
// includes per load keeps such files from multiplying without end.
constexpr std::size_t kMaxIncludesPerLoad = 2000;
// Far beyond any real configuration; a larger file (or a device that never
// ends) is refused instead of filling memory.
constexpr std::uint64_t kMaxFileBytes = std::uint64_t(512) << 20;
// How much of the main file is looked at for control bytes, and how much
// must be there for a verdict.
constexpr std::uint64_t kEncodingSample = 1 << 20;
constexpr std::uint64_t kMinEncodingSample = 256;

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// A path with "." and ".." steps and doubled separators removed, for telling
// whether two names stand for the same file (letter case ignored on Windows).
std::string normalForm(const std::string& path)
{
    std::string normal = std::filesystem::path(path).lexically_normal().string();
#ifdef _WIN32
    for (auto& c : normal) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
#endif
    return normal;
}

bool readsAsTrue(std::string_view value)
{
    return equalsIgnoringAsciiCase(value, "TRUE") || (!value.empty() && value[0] == '1');
}

// Lines between the items of a list stay above the item they stood above;
// lines above a repeated single key are added to those above its first line.
// Either way a save writes every one of them again.
void keepPendingLines(ConfigEntry& entry, std::vector<std::string>& pending)
{
    if (pending.empty())
        return;
    const std::size_t seen = entry.itemComments.size();
    if (seen > 0 && isListKind(entry.kind)) {
        entry.linesBeforeItems.push_back({seen, std::move(pending)});
    } else if (seen > 0) {
        entry.leadingLines.insert(entry.leadingLines.end(),
                                  std::make_move_iterator(pending.begin()),
                                  std::make_move_iterator(pending.end()));
    } else {
        entry.leadingLines.swap(pending);
    }
    pending.clear();
}

// Applies one "key=value ;comment" line of `entry` (blanks removed at both ends).
void applyLine(ConfigEntry& entry, std::string_view line)
{
    ConfigLine parsed = parseConfigLine(line, true);
    if ((entry.flags & ValueFlag::NoComment) && !parsed.comment.empty())
        parsed = parseConfigLine(line, false);
    switch (entry.kind) {
    case ValueKind::String:
        entry.itemComments.assign(1, std::string(parsed.comment));
        entry.value = normalizedValue(parsed.value, entry.flags);
        break;
    case ValueKind::Int:
        entry.itemComments.assign(1, std::string(parsed.comment));
        entry.value = parseIntegerText(parsed.value);
        break;
    case ValueKind::Bool:
        entry.itemComments.assign(1, std::string(parsed.comment));
        entry.value = readsAsTrue(parsed.value);
        break;
    case ValueKind::StringList:
        std::get<StringList>(entry.value).push_back(normalizedValue(parsed.value, entry.flags));
        entry.itemComments.emplace_back(parsed.comment);
        break;
    case ValueKind::TextList: {
        auto& items = std::get<TextList>(entry.value);
        std::string bytes = normalizedValue(parsed.value, entry.flags);
        std::u16string decoded = decodeTextItem(bytes);
        if (decoded.find(u'\xFFFD') != std::u16string::npos && encodeTextItem(decoded) != bytes)
            entry.undecodedItems.push_back({items.size(), decoded, std::move(bytes)});
        items.push_back(std::move(decoded));
        entry.itemComments.emplace_back(parsed.comment);
        break;
    }
    case ValueKind::NetList:
        std::get<NetList>(entry.value).push_back(IpNetwork::parse(parsed.value));
        entry.itemComments.emplace_back(parsed.comment);
        break;
    }
}

} // namespace

// Reads one file and, recursively, its includes: each file once into one
// buffer, its lines split and each line's key looked up. The lines of a
// known key are handed to the store's UnreadLines, which turns them into the
// entry's value when the entry is first asked for (settle). The store's lock
// is held while lines are handed over, released around every file operation.
class ConfigStore::Reader
{
public:
    explicit Reader(ConfigStore& store) : m_store(store), m_lock(store.m_mutex, std::defer_lock) {}

    bool readFile(const std::string& path, FileError* error);

private:
    void processLine(std::string_view rawLine, std::vector<std::string_view>& pending);
    void countLine(std::string_view line);
    bool include(std::string_view name);
    bool readAll(platform::File& file, std::unique_ptr<char[]>& buffer, std::size_t* size,
                 FileError* error);

    ConfigStore& m_store;
    std::unique_lock<std::mutex> m_lock;
    std::vector<std::string> m_active; // files being read, outermost first
    std::size_t m_lastEntry = static_cast<std::size_t>(-1);
    std::size_t m_includes = 0;
    bool m_full = false; // more lines than UnreadLines can number
    // What the main file's bytes look like, for telling 8-bit text from
    // UTF-16 or binary data.
    bool m_utf16Mark = false;
    std::uint64_t m_lines = 0;
    std::uint64_t m_linesWithNul = 0;
    std::uint64_t m_bytesOfThoseLines = 0;
    std::uint64_t m_nulBytes = 0;
    std::uint64_t m_sampledBytes = 0; // of the first kEncodingSample bytes of lines
    std::uint64_t m_controlBytes = 0; // among them, control bytes other than tab

    TextEncoding encoding() const;
};

void ConfigStore::Reader::countLine(std::string_view line)
{
    ++m_lines;
    if (m_sampledBytes < kEncodingSample) {
        m_sampledBytes += line.size();
        m_controlBytes +=
            static_cast<std::uint64_t>(std::count_if(line.begin(), line.end(), [](char c) {
                const auto byte = static_cast<unsigned char>(c);
                return (byte < 0x20 && byte != '\t') || byte == 0x7F;
            }));
    }
    if (!std::memchr(line.data(), '\0', line.size()))
        return;
    ++m_linesWithNul;
    m_bytesOfThoseLines += line.size();
    m_nulBytes += static_cast<std::uint64_t>(std::count(line.begin(), line.end(), '\0'));
}

TextEncoding ConfigStore::Reader::encoding() const
{
    if (m_utf16Mark)
        return TextEncoding::Utf16;
    if (m_linesWithNul * 2 <= m_lines) {
        // Text holds hardly any control bytes; random data about one in nine.
        const bool binary =
            m_sampledBytes >= kMinEncodingSample && m_controlBytes * 20 > m_sampledBytes;
        return binary ? TextEncoding::Binary : TextEncoding::EightBit;
    }
    // Text of UTF-16 units is about half zero bytes; binary data far less.
    return m_nulBytes * 4 >= m_bytesOfThoseLines ? TextEncoding::Utf16 : TextEncoding::Binary;
}

// The whole file into one buffer of the size it has (grown when the file
// grows while it is read), its pages touched once by the read itself.
bool ConfigStore::Reader::readAll(platform::File& file, std::unique_ptr<char[]>& buffer,
                                  std::size_t* size, FileError* error)
{
    std::uint64_t expected = 0;
    file.size(&expected);
    // One byte more than the file holds: a read that fills it means the
    // file grew.
    std::size_t capacity = static_cast<std::size_t>(std::min(expected, kMaxFileBytes)) + 1;
    buffer.reset(new char[capacity]);
    std::size_t got = 0;
    while (true) {
        std::size_t read = 0;
        if (!file.readAt(got, buffer.get() + got, capacity - got, &read)) {
            *error = file.lastError() == FileError::None ? FileError::Io : file.lastError();
            return false;
        }
        if (read == 0)
            break;
        got += read;
        if (got > kMaxFileBytes) {
            *error = FileError::TooLarge; // grew while read
            return false;
        }
        if (got == capacity) {
            const std::size_t bigger = std::min<std::size_t>(capacity * 2, kMaxFileBytes + 1);
            std::unique_ptr<char[]> grown(new char[bigger]);
            std::memcpy(grown.get(), buffer.get(), got);
            buffer = std::move(grown);
            capacity = bigger;
        }
    }
    *size = got;
    return true;
}

bool ConfigStore::Reader::readFile(const std::string& path, FileError* error)
{
    auto& fs = m_store.m_fileSystem;
    const platform::FileStat before = fs.stat(path);
    if (!before.exists) {
        *error = FileError::NotFound;
        return false;
    }
    std::unique_ptr<platform::File> file;
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        file = fs.open(path, kReadShareRead, error);
        if (file)
            break;
        // Waiting helps only while another program holds the file.
        if (*error == FileError::AccessDenied || *error == FileError::IsDirectory ||
            platform::isNotPlainFile(*error))
            return false;
        if (attempt + 1 < kOpenAttempts)
            m_store.m_clock.sleepFor(openRetryDelay());
    }
    if (!file)
        return false;
    std::uint64_t fileSize = 0;
    if (file->size(&fileSize) && fileSize > kMaxFileBytes) {
        *error = FileError::TooLarge;
        return false;
    }
    std::unique_ptr<char[]> buffer;
    std::size_t size = 0;
    const bool readOk = readAll(*file, buffer, &size, error);
    file->close();
    if (!readOk)
        return false;

    const bool mainFile = m_active.empty();
    m_active.push_back(normalForm(path));
    const char* data = buffer.get();
    const char* const end = data + size;
    if (size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0)
        data += 3;
    else if (size >= 2 && std::memcmp(data, "\xFF\xFE", 2) == 0)
        data += 2;
    // Read as 8-bit text like any file, but never saved over: a save would
    // write it back as 8-bit text and lose its settings.
    m_utf16Mark = m_utf16Mark || (mainFile && size >= 2 &&
                                  (std::memcmp(buffer.get(), "\xFF\xFE", 2) == 0 ||
                                   std::memcmp(buffer.get(), "\xFE\xFF", 2) == 0));

    m_lock.lock();
    UnreadLines& unread = *m_store.m_unread;
    if (mainFile)
        unread.lines.reserve(size / 16 + 16);
    unread.buffers.push_back(std::move(buffer));
    // Lines since the last line of a known key: they go above the next one.
    std::vector<std::string_view> pending;
    std::size_t sinceUnlock = 0;
    while (data < end) {
        const char* newline =
            static_cast<const char*>(std::memchr(data, '\n', static_cast<std::size_t>(end - data)));
        const char* const lineEnd = newline ? newline : end;
        std::string_view line(data, static_cast<std::size_t>(lineEnd - data));
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (mainFile)
            countLine(line);
        processLine(line, pending);
        data = newline ? newline + 1 : end;
        // Others may look at the store while a huge file is read.
        if (++sinceUnlock == 65536) {
            sinceUnlock = 0;
            m_lock.unlock();
            m_lock.lock();
        }
    }
    if (mainFile) {
        // No known key follows these lines: a save does not write them.
        m_store.m_trailingLines.assign(pending.begin(), pending.end());
        m_store.m_encoding = encoding();
    }
    m_lock.unlock();
    m_active.pop_back();
    if (m_full) {
        *error = FileError::TooLarge;
        return false;
    }

    // The stamp is the one taken before the open: a save that renamed a new
    // file into place while we read the old one must make our next save
    // refuse, not pass with the new file's stamp over the old file's values.
    m_lock.lock();
    m_store.m_stamps.push_back({path, before.lastWriteNs, before.size, before.fileId});
    m_store.m_sizeHint += static_cast<std::size_t>(before.size);
    m_lock.unlock();
    return true;
}

void ConfigStore::Reader::processLine(std::string_view rawLine,
                                      std::vector<std::string_view>& pending)
{
    const std::string_view line = trimBlanks(rawLine);
    const ConfigLine parsed = parseConfigLine(line, true);
    if (!parsed.hasKey) {
        pending.push_back(line);
        return;
    }
    auto& entries = m_store.m_entries;
    std::size_t index = m_lastEntry;
    if (index >= entries.size() || entries[index].name != parsed.key) {
        if (equalsIgnoringAsciiCase(parsed.key, "Include")) {
            // An include that could not be read stays in the file: it is kept
            // like an unknown line, so a save writes it back in its place.
            if (!include(parsed.value))
                pending.push_back(line);
            return;
        }
        const auto found = m_store.m_index.find(parsed.key);
        if (found == m_store.m_index.end()) {
            pending.push_back(line);
            return;
        }
        index = m_lastEntry = found->second;
    }
    UnreadLines& unread = *m_store.m_unread;
    for (const std::string_view kept : pending)
        m_full = !unread.add(index, kept, true) || m_full;
    pending.clear();
    m_full = !unread.add(index, line, false) || m_full;
}

bool ConfigStore::Reader::include(std::string_view name)
{
    const std::string target(name);
    m_lock.unlock();
    const std::string resolved = m_store.resolvePath(target);
    bool read = false;
    // Compared in normal form, so "a.ini" and "./a.ini" are the same file.
    const std::string identity = normalForm(resolved);
    bool cycle = false;
    for (const auto& active : m_active)
        cycle = cycle || active == identity;
    // A file that is already being read (a cycle), or a chain too deep to
    // follow, counts as an include that could not be read.
    if (!cycle && m_active.size() < kMaxIncludeDepth && ++m_includes <= kMaxIncludesPerLoad) {
        FileError error = FileError::None;
        read = readFile(resolved, &error);
    }
    m_lock.lock();
    if (read) {
        m_store.m_includedFiles.push_back(resolved);
    } else {
        m_store.m_includesOk = false;
        m_store.m_missingIncludes.push_back(resolved);
    }
    return read;
}

bool ConfigStore::load()
{
    {
        std::lock_guard lock(m_mutex);
        m_stamps.clear();
        m_includedFiles.clear();
        m_missingIncludes.clear();
        m_includesOk = true;
        m_sizeHint = 0;
        m_trailingLines.clear();
        m_encoding = TextEncoding::EightBit;
        // A load starts from the defaults: reading the file again must not
        // append its list items a second time.
        for (auto& entry : m_entries) {
            entry.value = entry.defaultValue;
            if (auto* text = std::get_if<std::string>(&entry.value))
                *text = normalizedValue(*text, entry.flags);
            entry.itemComments.clear();
            entry.leadingLines.clear();
            entry.linesBeforeItems.clear();
            entry.undecodedItems.clear();
        }
        m_unread = std::make_unique<UnreadLines>();
        m_unread->chains.resize(m_entries.size());
    }
    Reader reader(*this);
    FileError error = FileError::None;
    const bool read = reader.readFile(m_fileName, &error);
    std::lock_guard lock(m_mutex);
    m_unread->reading = false;
    if (m_unread->unsettled == 0)
        m_unread.reset();
    if (read) {
        m_loadStatus = LoadStatus::Ok;
        m_loadError = FileError::None;
        m_loadedOk = true;
    } else if (error == FileError::NotFound && !m_fileSystem.stat(m_fileName).exists) {
        m_loadStatus = LoadStatus::Missing;
        m_loadError = FileError::None;
        m_loadedOk = true;
    } else {
        m_loadStatus = LoadStatus::Unreadable;
        m_loadError = error == FileError::None ? FileError::Io : error;
        m_loadedOk = false;
    }
    return read;
}

// The lines a load kept for entry `index` become its value, item comments
// and kept lines, exactly as if they had been applied while the file was
// read. Called with the lock held, before anything of the entry is looked at.
void ConfigStore::settle(std::size_t index) const
{
    if (!m_unread || index >= m_unread->chains.size())
        return;
    UnreadLines& unread = *m_unread;
    UnreadLines::Chain& chain = unread.chains[index];
    if (chain.first == UnreadLines::kNone)
        return;
    // The entry itself is not const; only settling it is hidden from callers.
    auto& entry = const_cast<ConfigEntry&>(m_entries[index]);
    std::vector<std::string> pending;
    for (std::uint32_t at = chain.first; at != UnreadLines::kNone; at = unread.lines[at].next) {
        const UnreadLines::Line& line = unread.lines[at];
        if (line.kept()) {
            pending.emplace_back(line.text());
            continue;
        }
        keepPendingLines(entry, pending);
        applyLine(entry, line.text());
    }
    chain = {};
    if (--unread.unsettled == 0 && !unread.reading)
        m_unread.reset();
}

void ConfigStore::settleAll() const
{
    for (std::size_t index = 0; m_unread && index < m_entries.size(); ++index)
        settle(index);
}

// --- saving --------------------------------------------------------------

namespace {

// Whether `text` holds a line feed, or with `quoted` a double quote: a word
// at a time, as the texts of a line are short and a library call per text
// would cost more than the scan. Texts are looked at where they are held,
// before they are copied: reading back bytes just written stalls on the
// stores still in flight.
bool holdsSpecial(std::string_view text, bool quoted)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighs = 0x8080808080808080u;
    const std::uint64_t feeds = kOnes * '\n';
    const std::uint64_t quotes = quoted ? kOnes * '"' : feeds;
    auto hasZeroByte = [&](std::uint64_t word) { return (word - kOnes) & ~word & kHighs; };
    auto holdsAt = [&](const char* p) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        return (hasZeroByte(word ^ feeds) | hasZeroByte(word ^ quotes)) != 0;
    };
    const std::size_t size = text.size();
    if (size < 8) {
        for (const char c : text) {
            if (c == '\n' || (quoted && c == '"'))
                return true;
        }
        return false;
    }
    // Whole words, the last one overlapping the one before.
    for (std::size_t at = 0; at + 8 < size; at += 8) {
        if (holdsAt(text.data() + at))
            return true;
    }
    return holdsAt(text.data() + size - 8);
}

bool holdsSpecial(std::u16string_view text, bool quoted)
{
    bool found = false;
    for (const char16_t unit : text)
        found |= unit == u'\n' || (quoted && unit == u'"');
    return found;
}

// A line feed in a value or comment (which only a setter can have put there)
// is written as a blank, so no value or comment can add lines of its own to
// the file.
void keepOnLine(char* begin, char* end)
{
    std::replace(begin, end, '\n', ' ');
}

// Whether "key=" + `rest` reads back as `value` with `comment`.
bool readsBackAs(std::string_view rest, ValueFlags flags, std::string_view value,
                 std::string_view comment)
{
    const std::string line = "k=" + std::string(rest);
    const std::string_view trimmed = trimBlanks(line);
    ConfigLine parsed = parseConfigLine(trimmed, true);
    if ((flags & ValueFlag::NoComment) && !parsed.comment.empty())
        parsed = parseConfigLine(trimmed, false);
    return parsed.comment == comment && normalizedValue(parsed.value, flags) == value;
}

// How a Quoted value that holds a double quote is written.
enum class QuotedForm
{
    Quoted,     // inside double quotes
    AsItStands, // a quote would end the quoted part early (a value read
                // from an unterminated quote): written as it stands
    Trimmed,    // no form reads back exactly (blanks at its ends that
                // only a quote could keep): written as the reader would
                // take it, so the next save writes the same line
};

QuotedForm quotedForm(std::string_view value, ValueFlags flags, const std::string* comment)
{
    if (!std::memchr(value.data(), '"', value.size()))
        return QuotedForm::Quoted;
    const std::string_view note = comment ? std::string_view(*comment) : std::string_view();
    const std::string suffix = note.empty() ? std::string() : " ;" + std::string(note);
    std::string quoted(1, '"');
    quoted.append(value).append(1, '"').append(suffix);
    if (readsBackAs(quoted, flags, value, note))
        return QuotedForm::Quoted;
    std::string plain(value);
    plain.append(suffix);
    return readsBackAs(plain, flags, value, note) ? QuotedForm::AsItStands : QuotedForm::Trimmed;
}

char* writeComment(char* p, const std::string* comment)
{
    if (!comment || comment->empty())
        return p;
    *p++ = ' ';
    *p++ = ';';
    char* const text = p;
    p = TextBuffer::put(p, *comment);
    if (holdsSpecial(*comment, false))
        keepOnLine(text, p);
    return p;
}

// One "key=value ;comment" line, for a value that may hold a quote or a
// line feed.
void writeCarefully(TextBuffer& out, std::string_view key, std::string_view value, ValueFlags flags,
                    bool quoted, const std::string* comment)
{
    const QuotedForm form = quoted ? quotedForm(value, flags, comment) : QuotedForm::AsItStands;
    const bool quote = quoted && form == QuotedForm::Quoted;
    if (form == QuotedForm::Trimmed)
        value = trimBlanks(value);
    char* p = out.room(key.size() + value.size() + (comment ? comment->size() : 0) + 7);
    p = TextBuffer::put(p, key);
    *p++ = '=';
    if (quote)
        *p++ = '"';
    char* const text = p;
    p = TextBuffer::put(p, value);
    keepOnLine(text, p);
    if (quote)
        *p++ = '"';
    p = writeComment(p, comment);
    *p++ = '\r';
    *p++ = '\n';
    out.commit(p);
}

// Long lists are written faster when the items a few lines ahead are
// already on their way from memory.
constexpr std::size_t kPrefetchAhead = 16;

template <typename Item> void prefetchItem(const Item& item)
{
#if defined(__GNUC__) || defined(__clang__)
    if constexpr (std::is_same_v<Item, IpNetwork>)
        __builtin_prefetch(&item);
    else
        __builtin_prefetch(item.data());
#else
    (void)item;
#endif
}

// Writes one "key=value ;comment" line at the end of `out` for a value
// without quote or line feed, the value (with `quote` inside double quotes)
// by `writeValue(p)`, which returns its end and needs at most `valueBound`
// bytes.
template <typename WriteValue>
void writeLine(TextBuffer& out, std::string_view key, std::size_t valueBound,
               const WriteValue& writeValue, bool quote, const std::string* comment)
{
    char* p = out.room(key.size() + valueBound + (comment ? comment->size() : 0) + 7);
    p = TextBuffer::put(p, key);
    *p++ = '=';
    if (quote)
        *p++ = '"';
    p = writeValue(p);
    if (quote)
        *p++ = '"';
    p = writeComment(p, comment);
    *p++ = '\r';
    *p++ = '\n';
    out.commit(p);
}

void writeTextLine(TextBuffer& out, std::string_view key, std::string_view value, ValueFlags flags,
                   bool quoted, const std::string* comment)
{
    if (holdsSpecial(value, quoted)) {
        writeCarefully(out, key, value, flags, quoted, comment);
        return;
    }
    writeLine(
        out, key, value.size(), [&](char* p) { return TextBuffer::put(p, value); }, quoted,
        comment);
}

// Lines kept from the file (comments, blank and unknown lines) as they
// stood, each on its own line.
void writeKeptLines(TextBuffer& out, const std::vector<std::string>& lines)
{
    for (const auto& line : lines) {
        char* const text = out.room(line.size() + 2);
        char* p = TextBuffer::put(text, line);
        if (holdsSpecial(line, false))
            keepOnLine(text, p);
        *p++ = '\r';
        *p++ = '\n';
        out.commit(p);
    }
}

} // namespace

bool ConfigStore::serializeChunk(SaveCursor& cursor, TextBuffer& out, std::size_t limit) const
{
    settleAll();
    const std::size_t begin = out.size();
    const bool fileStart = cursor.entry == 0 && !cursor.started;
    const bool more = serializeEntries(cursor, out, limit);
    // A first line that begins with the bytes of a byte-order mark would lose
    // them on the next read; a blank line in front keeps it as it is.
    if (fileStart && begin < out.size()) {
        const std::string_view head = out.view().substr(begin);
        if (head.rfind("\xEF\xBB\xBF", 0) == 0 || head.rfind("\xFF\xFE", 0) == 0)
            out.insert(begin, "\r\n");
    }
    return more;
}

bool ConfigStore::serializeEntries(SaveCursor& cursor, TextBuffer& out, std::size_t limit) const
{
    while (cursor.entry < m_entries.size()) {
        const ConfigEntry& entry = m_entries[cursor.entry];
        if (!cursor.started) {
            if (entry.isDefault()) {
                ++cursor.entry;
                continue;
            }
            writeKeptLines(out, entry.leadingLines);
            cursor.started = true;
            cursor.item = 0;
        }
        const std::string_view key = entry.name;
        const ValueFlags flags = entry.flags;
        const bool quoted = (flags & ValueFlag::Quoted) != 0;
        const auto& comments = entry.itemComments;
        auto commentAt = [&](std::size_t n) {
            return n < comments.size() ? &comments[n] : nullptr;
        };
        // Writes the items from cursor.item on, each below the lines that
        // stood above it; false when the chunk filled up.
        auto items = [&](const auto& list, const auto& writeItem) {
            const auto& groups = entry.linesBeforeItems;
            auto group = std::lower_bound(
                groups.begin(), groups.end(), cursor.item,
                [](const ConfigEntry::LinesBeforeItem& g, std::size_t n) { return g.item < n; });
            for (std::size_t n = cursor.item; n < list.size(); ++n) {
                if (out.size() >= limit) {
                    cursor.item = n;
                    return false;
                }
                if (n + kPrefetchAhead < list.size())
                    prefetchItem(list[n + kPrefetchAhead]);
                if (group != groups.end() && group->item == n)
                    writeKeptLines(out, (group++)->lines);
                writeItem(list[n], commentAt(n));
            }
            for (; group != groups.end(); ++group)
                writeKeptLines(out, group->lines);
            return true;
        };
        bool done = true;
        switch (entry.kind) {
        case ValueKind::String:
            writeTextLine(out, key, std::get<std::string>(entry.value), flags, quoted,
                          commentAt(0));
            break;
        case ValueKind::Int:
            writeTextLine(out, key, formatIntegerText(std::get<std::int32_t>(entry.value)), flags,
                          false, commentAt(0));
            break;
        case ValueKind::Bool:
            writeTextLine(out, key, std::get<bool>(entry.value) ? "True" : "False", flags, false,
                          commentAt(0));
            break;
        case ValueKind::StringList:
            done = items(std::get<StringList>(entry.value),
                         [&](const std::string& item, const std::string* comment) {
                             writeTextLine(out, key, item, flags, quoted, comment);
                         });
            break;
        case ValueKind::TextList:
            done = items(std::get<TextList>(entry.value), [&](const std::u16string& item,
                                                              const std::string* comment) {
                const auto n =
                    static_cast<std::size_t>(&item - std::get<TextList>(entry.value).data());
                if (const std::string* bytes = entry.undecodedBytes(n, item)) {
                    writeTextLine(out, key, *bytes, flags, quoted, comment);
                    return;
                }
                if (holdsSpecial(item, quoted)) {
                    writeCarefully(out, key, encodeTextItem(item), flags, quoted, comment);
                    return;
                }
                writeLine(
                    out, key, 3 * item.size(),
                    [&](char* p) { return writeEncodedTextItem(p, item); }, quoted, comment);
            });
            break;
        case ValueKind::NetList:
            done = items(std::get<NetList>(entry.value),
                         [&](const IpNetwork& item, const std::string* comment) {
                             // Only a text that is no network can hold a line feed.
                             if (!item.isValid() && holdsSpecial(item.text, false)) {
                                 writeCarefully(out, key, item.text, flags, false, comment);
                                 return;
                             }
                             writeLine(
                                 out, key, item.maxTextLength(),
                                 [&](char* p) { return item.writeTo(p); }, false, comment);
                         });
            break;
        }
        if (!done)
            return true;
        ++cursor.entry;
        cursor.started = false;
        if (out.size() >= limit)
            return cursor.entry < m_entries.size();
    }
    return false;
}

std::string ConfigStore::serialize() const
{
    std::lock_guard lock(m_mutex);
    std::string text;
    text.reserve(m_sizeHint + m_sizeHint / 8 + 4096);
    TextBuffer chunk(kSaveChunkSize + kSaveChunkSize / 8);
    SaveCursor cursor;
    bool more = true;
    while (more) {
        chunk.clear();
        more = serializeChunk(cursor, chunk, kSaveChunkSize);
        text.append(chunk.view());
    }
    return text;
}

bool ConfigStore::changedOnDisk(const std::vector<FileStamp>& stamps)
{
    for (const auto& stamp : stamps) {
        const platform::FileStat now = m_fileSystem.stat(stamp.path);
        if (!now.exists)
            continue;
        if (now.lastWriteNs != stamp.lastWriteNs || now.size != stamp.size)
            return true;
        // Another save renamed its file into place within the same tick of
        // the file system's clock, with the same size.
        if (now.fileId != 0 && stamp.fileId != 0 && now.fileId != stamp.fileId)
            return true;
    }
    return false;
}

bool ConfigStore::save(const SaveOrigin& origin)
{
    // The text is produced a chunk at a time, each under the lock, and
    // written with the lock released: no copy of a large file is held in
    // memory and no lock is held during file access.
    SaveCursor cursor;
    bool more = true;
    std::size_t written = 0;
    TextBuffer chunk(kSaveChunkSize + kSaveChunkSize / 8);
    auto produce = [&](std::string_view* bytes) {
        if (!more)
            return false;
        chunk.clear();
        std::lock_guard lock(m_mutex);
        more = serializeChunk(cursor, chunk, kSaveChunkSize);
        written += chunk.size();
        *bytes = chunk.view();
        return true;
    };
    if (!replaceMainFile(origin, produce, [this] { return serialize(); }))
        return false;
    {
        std::lock_guard lock(m_mutex);
        m_sizeHint = written;
    }
    if (m_savedListener)
        m_savedListener();
    return true;
}

bool ConfigStore::saveText(std::string_view bytes, const SaveOrigin& origin)
{
    bool given = false;
    auto produce = [&](std::string_view* chunk) {
        if (given)
            return false;
        *chunk = bytes;
        given = true;
        return true;
    };
    if (!replaceMainFile(origin, produce, [bytes] { return std::string(bytes); }))
        return false;
    // The stamps are those of the new file: the load reads what was written.
    const SaveStatus status = lastSaveStatus();
    const FileError error = lastSaveError();
    load();
    {
        std::lock_guard lock(m_mutex);
        m_saveStatus = status;
        m_saveError = error;
    }
    if (m_savedListener)
        m_savedListener();
    return true;
}

bool ConfigStore::replaceMainFile(const SaveOrigin& origin, const platform::ContentSource& produce,
                                  const std::function<std::string()>& newText)
{
    std::vector<FileStamp> stamps;
    {
        std::lock_guard lock(m_mutex);
        stamps = m_stamps;
    }
    auto finish = [&](SaveStatus status, FileError error) {
        std::lock_guard lock(m_mutex);
        m_saveStatus = status;
        m_saveError = error;
        return status == SaveStatus::Ok || status == SaveStatus::SavedNotDurable;
    };
    if (stamps.size() > 1)
        return finish(SaveStatus::RefusedIncludes, FileError::None);
    // Replacing a file that was never read would throw away settings this
    // store has not seen (for instance after a load that could not open it,
    // or a file another save created since).
    const bool readMain = !stamps.empty() && stamps.front().path == m_fileName;
    auto unreadFileExists = [&] { return !readMain && m_fileSystem.stat(m_fileName).exists; };
    if (unreadFileExists())
        return finish(SaveStatus::RefusedUnread, FileError::None);
    // Another save (a second console, morvactl) may be replacing the file
    // right now: it is checked, replaced and stamped under its lock, so that
    // of two saves from the same file the second always sees the first.
    platform::ReplaceLock fileLock(m_fileSystem, m_clock, m_fileName);
    if (!fileLock.held())
        return finish(SaveStatus::WriteFailed, fileLock.error());
    if (changedOnDisk(stamps))
        return finish(SaveStatus::RefusedChanged, FileError::None);
    if (textEncoding() != TextEncoding::EightBit)
        return finish(SaveStatus::RefusedEncoding, FileError::None);
    if (unreadFileExists())
        return finish(SaveStatus::RefusedUnread, FileError::None);
    // What killed saves left behind; no other save runs while we hold the lock.
    platform::removeLeftoverTemporaries(m_fileSystem, m_fileName);

    // The file as it is now goes to the history before it is replaced.
    if (m_saveHook)
        m_saveHook->beforeReplace(m_fileName, newText, origin);

    FileError error = FileError::None;
    const platform::ReplaceResult result =
        platform::replaceFile(m_fileSystem, m_clock, m_fileName, produce, &error);
    if (result == platform::ReplaceResult::Failed)
        return finish(SaveStatus::WriteFailed, error);
    // The new file is ours: its stamp is taken before another save may
    // replace it. Also when the directory sync failed, so the next save from
    // here is not refused for a change that is our own.
    const platform::FileStat after = m_fileSystem.stat(m_fileName);
    fileLock.release();
    {
        std::lock_guard lock(m_mutex);
        m_stamps.assign(1, FileStamp{m_fileName, after.lastWriteNs, after.size, after.fileId});
    }
    return result == platform::ReplaceResult::ReplacedNotDurable
               ? finish(SaveStatus::SavedNotDurable, error)
               : finish(SaveStatus::Ok, FileError::None);
}

} // namespace morva::config
