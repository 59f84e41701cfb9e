#include "db/RecordFile.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace morva::db {

using platform::FileError;

namespace {

bool isValidMode(platform::OpenMode mode)
{
    switch (mode) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 7:
    case 9:
    case 10:
        return true;
    default:
        return false;
    }
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

RecordFile::RecordFile(platform::FileSystem& fs, const std::string& programDir,
                       std::string_view fileName, std::uint32_t recordLength,
                       std::uint32_t cacheRecords)
    : m_fs(fs), m_path(programDir + std::string(fileName)), m_length(recordLength),
      m_cacheRecords(cacheRecords), m_buffer(recordLength, ' '), m_record(m_buffer.data())
{
}

RecordFile::~RecordFile()
{
    if (m_file)
        m_file->close();
}

bool RecordFile::open(platform::OpenMode mode)
{
    if (!isValidMode(mode))
        return isOpen();
    if (m_file) {
        m_file->close();
        m_file.reset();
    }
    FileError error = FileError::None;
    m_file = m_fs.open(m_path, mode, &error);
    if (!m_file) {
        m_lastError = error;
        return false;
    }
    return true;
}

bool RecordFile::openDataFile()
{
    if (isOpen())
        close();
    if (!m_fs.stat(m_path).exists) {
        if (!open(4))
            return false;
        m_file->close();
        m_file.reset();
    }
    if (!open(2))
        return false;
    std::uint64_t size = 0;
    if (!m_file->size(&size)) {
        m_lastError = m_file->lastError();
        m_file->close();
        m_file.reset();
        return false;
    }
    m_count = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(size / m_length, std::numeric_limits<std::uint32_t>::max()));
    m_fileSize = size;
    emptyCache();
    setReadAhead(m_cacheRecords);
    m_unsynced = false;
    m_current = 0;
    m_noRecord = true;
    m_dirty = false;
    goTo(1);
    return true;
}

bool RecordFile::flush()
{
    if (!m_dirty)
        return true;
    writeFrame();
    blankReserved();
    if (m_current == 0 || !m_file) {
        // Changed fields without a record to hold them: nothing can be
        // written, and keeping the change would block every later move.
        m_dirty = false;
        m_lastError = FileError::Io;
        return false;
    }
    runBeforeFirstWrite();
    const std::uint64_t offset = std::uint64_t(m_current - 1) * m_length;
    const std::uint64_t end = offset + m_length;
    if (!m_file->writeAt(offset, m_buffer.data(), m_length)) {
        // The record stays dirty so that a later flush (or close) tries again.
        m_lastError = m_file->lastError();
        // Part of an appended record may have reached the disk: the gateway
        // would count it as a record once the file grows again.
        if (end > m_fileSize)
            m_file->truncate(std::max(offset, m_fileSize));
        return false;
    }
    m_fileSize = std::max(m_fileSize, end);
    m_dirty = false;
    m_unsynced = true;
    return true;
}

void RecordFile::runBeforeFirstWrite()
{
    if (!m_beforeFirstWrite)
        return;
    const auto hook = std::move(m_beforeFirstWrite);
    m_beforeFirstWrite = nullptr;
    hook(*this);
}

bool RecordFile::diskSize(std::uint64_t* size)
{
    if (!m_file)
        return false;
    if (m_file->size(size))
        return true;
    m_lastError = m_file->lastError();
    return false;
}

bool RecordFile::readDiskPiece(std::uint64_t offset, char* buffer, std::size_t size,
                               std::size_t* got, FileError* error)
{
    *got = 0;
    if (!m_file) {
        *error = FileError::Io;
        return false;
    }
    if (!m_file->readAt(offset, buffer, size, got)) {
        *error = m_file->lastError() == FileError::None ? FileError::Io : m_file->lastError();
        return false;
    }
    return true;
}

bool RecordFile::sync()
{
    if (!flush())
        return false;
    if (!m_unsynced || !m_file)
        return true;
    if (!m_file->sync()) {
        m_lastError = m_file->lastError();
        return false;
    }
    m_unsynced = false;
    return true;
}

bool RecordFile::goTo(std::uint32_t n)
{
    if (!flush())
        return false;
    if (n == m_current && !m_noRecord)
        return true;
    if (n >= 1 && n <= m_count && m_file && readRecord(n)) {
        m_noRecord = false;
        return true;
    }
    blankBuffer();
    writeFrame();
    m_noRecord = true;
    return false;
}

bool RecordFile::readRecord(std::uint32_t n)
{
    if (n <= m_viewRecords) {
        m_record = m_viewData + std::size_t(n - 1) * m_length;
        m_current = n;
        return true;
    }
    if (m_cacheFirst != 0 && n >= m_cacheFirst && n <= m_cacheLast) {
        m_record = m_cache.data() + std::size_t(n - m_cacheFirst) * m_length;
        m_current = n;
        return true;
    }
    const std::uint64_t offset = std::uint64_t(n - 1) * m_length;
    m_current = n;
    std::size_t got = 0;
    if (m_cacheCapacity > 0) {
        if (!m_file->readAt(offset, m_cache.data(), m_cache.size(), &got))
            m_lastError = m_file->lastError();
        if (got < m_length) {
            emptyCache();
            return false;
        }
        const auto records = static_cast<std::uint32_t>(got / m_length);
        m_cacheFirst = n;
        m_cacheLast = std::min(m_count, n + records - 1);
        m_record = m_cache.data();
        return true;
    }
    m_record = m_buffer.data();
    if (!m_file->readAt(offset, m_buffer.data(), m_length, &got)) {
        m_lastError = m_file->lastError();
        return false;
    }
    return got == m_length;
}

bool RecordFile::newRecord(bool reuse)
{
    if (!flush())
        return false;
    if (!(reuse && findFreeRecord())) {
        if (m_count == std::numeric_limits<std::uint32_t>::max())
            return false;
        ++m_count;
        m_current = m_count;
    }
    blankBuffer();
    writeFrame();
    m_dirty = true;
    emptyCache();
    return true;
}

bool RecordFile::close()
{
    const bool written = flush();
    m_current = 0;
    m_count = 0;
    m_fileSize = 0;
    m_noRecord = true;
    m_dirty = false;
    m_unsynced = false;
    ownBuffer(); // the cache the record may live in goes away
    emptyCache();
    m_cache.clear();
    m_cache.shrink_to_fit();
    m_cacheCapacity = 0;
    bool closed = true;
    if (m_file) {
        closed = m_file->close();
        if (closed)
            m_file.reset();
        else
            m_lastError = m_file->lastError();
    }
    return written && closed;
}

void RecordFile::setTextField(std::uint32_t offset, std::uint32_t width, std::string_view value)
{
    if (offset >= m_length)
        return;
    width = std::min(width, m_length - offset);
    const std::size_t copied = std::min<std::size_t>(value.size(), width);
    char* bytes = ownBuffer();
    std::memcpy(bytes + offset, value.data(), copied);
    std::memset(bytes + offset + copied, ' ', width - copied);
    markChanged();
}

void RecordFile::setNumberField(std::uint32_t offset, std::uint32_t width, std::int64_t value)
{
    std::string digits = std::to_string(value);
    if (digits.size() > width)
        digits.resize(width);
    else
        digits.insert(0, width - digits.size(), ' ');
    setTextField(offset, width, digits);
}

void RecordFile::setFlagField(std::uint32_t offset, bool value)
{
    if (offset >= m_length)
        return;
    ownBuffer()[offset] = value ? '*' : ' ';
    markChanged();
}

std::string RecordFile::textField(std::uint32_t offset, std::uint32_t width) const
{
    return std::string(textView(offset, width));
}

std::int64_t RecordFile::numberField(std::uint32_t offset, std::uint32_t width) const
{
    if (offset >= m_length)
        return 0;
    const std::uint32_t end = offset + std::min(width, m_length - offset);
    std::uint32_t i = offset;
    const char* bytes = m_record;
    while (i < end && isSpace(bytes[i]))
        ++i;
    bool negative = false;
    if (i < end && (bytes[i] == '+' || bytes[i] == '-'))
        negative = bytes[i++] == '-';
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() / 10;
    for (; i < end && bytes[i] >= '0' && bytes[i] <= '9'; ++i) {
        if (value > kLimit)
            break;
        value = value * 10 + (bytes[i] - '0');
    }
    return negative ? -value : value;
}

bool RecordFile::flagField(std::uint32_t offset) const
{
    return offset < m_length && m_record[offset] != ' ';
}

void RecordFile::setReadAhead(std::uint32_t records)
{
    if (records == 0)
        records = m_cacheRecords;
    const std::uint64_t cacheBytes =
        std::min<std::uint64_t>(std::uint64_t(records) * m_length, m_fileSize);
    const auto capacity = static_cast<std::uint32_t>(cacheBytes / m_length);
    if (capacity == m_cacheCapacity && m_cache.size() == std::size_t(capacity) * m_length)
        return;
    ownBuffer(); // the cache the record may live in goes away
    emptyCache();
    m_cacheCapacity = capacity;
    m_cache.assign(std::size_t(capacity) * m_length, ' ');
}

void RecordFile::beginWalk()
{
    endWalk();
    // Bytes of the file that a record not yet written would hide are never
    // read from the view: a walk starts with the file as it is on disk.
    if (m_file && !m_dirty && m_fileSize >= m_length)
        m_view = m_file->mapForReading(m_fileSize - m_fileSize % m_length);
    if (m_view) {
        m_viewData = m_view->data();
        m_viewRecords = static_cast<std::uint32_t>(m_view->size() / m_length);
    } else {
        constexpr std::uint32_t kWalkBytes = std::uint32_t(1) << 20;
        setReadAhead(std::max<std::uint32_t>(1, kWalkBytes / m_length));
    }
}

void RecordFile::endWalk()
{
    emptyCache();
    setReadAhead(0);
}

void RecordFile::emptyCache()
{
    if (m_view) {
        ownBuffer(); // the record may live in the view
        m_view.reset();
        m_viewData = nullptr;
        m_viewRecords = 0;
    }
    m_cacheFirst = 0;
    m_cacheLast = 0;
}

void RecordFile::blankBuffer()
{
    std::fill(m_buffer.begin(), m_buffer.end(), ' ');
    m_record = m_buffer.data();
}

char* RecordFile::ownBuffer()
{
    if (m_record != m_buffer.data()) {
        std::memcpy(m_buffer.data(), m_record, m_length);
        m_record = m_buffer.data();
    }
    return m_buffer.data();
}

void RecordFile::markChanged()
{
    m_dirty = true;
    emptyCache();
}

} // namespace morva::db
