#pragma once

#include "config/ByteScan.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace morva::db {

// The fixed-length record file engine. A file is a plain sequence of records
// of length L (no header); record n (from 1) starts at (n - 1) * L. The
// engine keeps one record in a buffer: moving the cursor writes a changed
// buffer back first ("flush"), so a record reaches the file at the next move,
// the next new record or close.
//
// Failure reporting: every operation that flushes (goTo, newRecord, flush,
// close) returns false when a changed record could not be written. The
// record then stays in the buffer, still marked dirty, and the cursor does
// not move (close closes the file anyway and reports the loss). A record
// that was to be appended and could only partly be written (a full disk) is
// cut off again, so the file never ends in part of a new record.
//
// Not thread-safe; the data set serialises access.
class RecordFile
{
public:
    // The virtual operations, in slot order.
    // 1. Opens the file handle in one of the numbered modes. Any other mode
    //    opens nothing and reports whether a handle is already open.
    virtual bool open(platform::OpenMode mode);
    // 2. Subclasses close (and so flush) in their destructors, while their
    //    framing is still available.
    virtual ~RecordFile();
    // 3. Flushes, resets the cursor and closes the handle; false when the
    //    record was not written or the handle would not close.
    virtual bool close();
    // 4. Fills the reserved field with spaces.
    virtual void blankReserved() = 0;
    // 5. Writes the "|" separators and CR LF into the buffer.
    virtual void writeFrame() = 0;
    // 6. Moves to the first deleted record; true when there is one.
    virtual bool findFreeRecord() = 0;
    // 7. Whether the current record is marked deleted (byte 1 not a space).
    virtual bool isDeleted() const = 0;
    // 8. Marks the current record deleted ("*" in byte 1).
    virtual void deleteCurrent() = 0;
    // 9. Creates the file when missing, opens it read/write without sharing,
    //    sizes the cache and goes to record 1.
    virtual bool openDataFile();

    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Moves to record n (from 1); on true the buffer holds it. Going to 0 or
    // past the end fails and leaves a blank framed buffer with noRecord set.
    bool goTo(std::uint32_t n);
    // Makes a fresh blank record current: with reuse the first deleted
    // record, else (or when none is deleted) a new one behind the end. The
    // count grows at once; the record is written at the next flush.
    bool newRecord(bool reuse);
    // Writes the current record back when it changed.
    bool flush();
    // Flushes and forces what was written since the last sync to the disk;
    // false when the record could not be written or the sync failed.
    bool sync();

    // Runs `hook` once, just before the first write to the file (what a
    // flush or the data set's replace writes); the write goes on whatever
    // the hook does. It stays set when the file is opened again.
    void setBeforeFirstWrite(std::function<void(RecordFile&)> hook)
    {
        m_beforeFirstWrite = std::move(hook);
    }
    // Runs the pending hook now (and never again).
    void runBeforeFirstWrite();
    bool beforeFirstWritePending() const { return static_cast<bool>(m_beforeFirstWrite); }
    // Up to `size` bytes at `offset` on disk (not the record still in the
    // buffer), read through the open handle;
    // *got tells how many. False with *error when not open or unreadable.
    bool readDiskPiece(std::uint64_t offset, char* buffer, std::size_t size, std::size_t* got,
                       platform::FileError* error);
    // The file's size on disk; false when it cannot be told.
    bool diskSize(std::uint64_t* size);

    void setTextField(std::uint32_t offset, std::uint32_t width, std::string_view value);
    void setNumberField(std::uint32_t offset, std::uint32_t width, std::int64_t value);
    void setFlagField(std::uint32_t offset, bool value);
    std::string textField(std::uint32_t offset, std::uint32_t width) const;
    // The same without a copy; valid until the record changes or the cursor moves.
    std::string_view textView(std::uint32_t offset, std::uint32_t width) const
    {
        if (offset >= m_length)
            return {};
        // Inline: an export of every record asks for each of its fields.
        const std::string_view field(m_record + offset, std::min(width, m_length - offset));
        return field.substr(0, config::lengthWithoutTrailingSpaces(field));
    }
    std::int64_t numberField(std::uint32_t offset, std::uint32_t width) const;
    bool flagField(std::uint32_t offset) const;

    std::uint32_t currentRecord() const { return m_current; }
    std::uint32_t recordCount() const { return m_count; }
    bool noRecord() const { return m_noRecord; }
    bool isDirty() const { return m_dirty; }
    bool isOpen() const { return m_file && m_file->isOpen(); }
    const std::string& path() const { return m_path; }
    std::uint32_t recordLength() const { return m_length; }
    // The current record's bytes (L of them).
    std::string_view buffer() const { return {m_record, m_length}; }
    // Why the last open, read or write failed.
    platform::FileError lastError() const { return m_lastError; }
    // Records held by the read cache now, [first, last]; both 0 when empty.
    std::uint32_t cacheFirst() const { return m_cacheFirst; }
    std::uint32_t cacheLast() const { return m_cacheLast; }
    std::uint32_t cacheCapacity() const { return m_cacheCapacity; }
    // Reads `records` records ahead per block from now on, for a walk over
    // the whole file (0: as many as the file's own read-ahead). Reopening
    // the file returns to its own read-ahead.
    void setReadAhead(std::uint32_t records);
    // A walk over every record (an export): the records are read from a
    // view of the whole file where the system gives one, else a mebibyte at
    // a time. A change of a record or of the file ends the view; endWalk()
    // returns to the file's own reads.
    void beginWalk();
    void endWalk();

protected:
    // `programDir` ends with the native separator.
    RecordFile(platform::FileSystem& fs, const std::string& programDir, std::string_view fileName,
               std::uint32_t recordLength, std::uint32_t cacheRecords);

    // The buffer for changing the record in place.
    char* bufferData() { return ownBuffer(); }
    void emptyCache();

private:
    void blankBuffer();
    bool readRecord(std::uint32_t n);
    void markChanged();
    char* ownBuffer();

    platform::FileSystem& m_fs;
    std::string m_path;
    std::uint32_t m_length;
    std::uint32_t m_cacheRecords;
    std::vector<char> m_buffer;
    // The current record's bytes: the buffer, or its slot in the read cache
    // until the record is changed (a walk then copies nothing).
    const char* m_record;
    std::uint32_t m_current = 0;
    std::uint32_t m_count = 0;
    // Bytes in the file as far as this object wrote or found them.
    std::uint64_t m_fileSize = 0;
    bool m_dirty = false;
    bool m_unsynced = false;
    bool m_noRecord = true;
    std::vector<char> m_cache;
    std::unique_ptr<platform::FileView> m_view; // during a walk
    const char* m_viewData = nullptr;
    std::uint32_t m_viewRecords = 0;
    std::uint32_t m_cacheFirst = 0;
    std::uint32_t m_cacheLast = 0;
    std::uint32_t m_cacheCapacity = 0;
    std::unique_ptr<platform::File> m_file;
    std::function<void(RecordFile&)> m_beforeFirstWrite;
    platform::FileError m_lastError = platform::FileError::None;
};

} // namespace morva::db
