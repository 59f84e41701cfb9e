#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace morva::platform {

// The gateway's file object knows its open modes by number; the numbers are
// part of the interface (record files, lock file and signal files use them).
//   1, 7  read        share read+write  open existing   at start
//   2     read/write  share none        open existing   at start
//   3     read/write  share read        open existing   at start
//   4     read/write  share none        create always (truncate)
//   5     read/write  share read        open always     at end (append)
//   9     read/write  share none        create new (fails if present)
//   10    read/write  share read        create always
// Sharing follows the Windows rule across every open of the file, in this
// process and in others: an open fails at once (SharingViolation) when its
// access is denied by an existing open's share mode, or an existing open's
// access is denied by the new open's share mode.
//
// Every mode opens regular files only: a device, pipe or socket is refused
// (NotRegular) without waiting for a writer or reader at its other end.
using OpenMode = int;

// Added to a mode number: a path whose last step is a symbolic link (a
// reparse point on Windows) is refused (IsLink) instead of opening what it
// points to. For files the console creates or truncates in a directory that
// others may write, such as the lock file and the signal files.
inline constexpr OpenMode kOpenNoFollow = 0x100;

// The numbered mode without the added flags.
constexpr OpenMode openModeNumber(OpenMode mode)
{
    return mode & 0xFF;
}

enum class FileError
{
    None,
    NotFound,
    AccessDenied,
    SharingViolation,
    AlreadyExists,
    IsDirectory,
    NoSpace,
    InvalidMode,
    Io,
    IsLink,     // a symbolic link or reparse point, opened with kOpenNoFollow
    NotRegular, // a device, pipe or socket
    TooLarge,   // larger than the reader accepts
};

const char* fileErrorName(FileError error);

// Whether an open failed because the path is a link not followed or a
// special file: a lasting state that waiting and retrying cannot change.
inline bool isNotPlainFile(FileError error)
{
    return error == FileError::IsLink || error == FileError::NotRegular;
}

struct FileStat
{
    bool exists = false;
    bool isDirectory = false;
    std::uint64_t size = 0;
    std::int64_t lastWriteNs = 0; // last-write time as the file system reports it
    // Which file the name stands for (device and inode on POSIX); 0 where the
    // file system does not tell. A file renamed into place under the name is
    // another file even when its time and size equal the old one's (times
    // are kept in steps of a few milliseconds).
    std::uint64_t fileId = 0;
};

// A read-only view of the first bytes of an open file (File::mapForReading).
// It stays valid after the file is closed, until it is destroyed.
// Each backend's view releases its mapping when destroyed.
class FileView
{
public:
    virtual ~FileView() = default;
    FileView(const FileView&) = delete;
    FileView& operator=(const FileView&) = delete;
    const char* data() const { return m_data; }
    std::size_t size() const { return m_size; }

protected:
    FileView(const char* data, std::size_t size) : m_data(data), m_size(size) {}

private:
    const char* m_data;
    std::size_t m_size;
};

// One open file. Not thread-safe; owned by whoever opened it. Destroying an
// open File closes it (ignoring the result: call close() to know).
class File
{
public:
    virtual ~File() = default;

    // A view of the file's first `size` bytes, which must all be there, for
    // a reader that goes over a whole file while no program may cut it
    // short (it is held against writers). Its pages come straight from the
    // system's cache, where reads would copy them. Null where the backend
    // maps no files: the caller reads instead.
    virtual std::unique_ptr<FileView> mapForReading(std::uint64_t size)
    {
        (void)size;
        return nullptr;
    }

    // Reads up to `length` bytes at `offset`; *got receives the count (less
    // than length only at end of file). False on an I/O error.
    virtual bool readAt(std::uint64_t offset, void* buffer, std::size_t length,
                        std::size_t* got) = 0;
    // Writes all `length` bytes at `offset` (looping on short writes); false
    // when not every byte was written.
    virtual bool writeAt(std::uint64_t offset, const void* buffer, std::size_t length) = 0;
    // Current size in bytes; false on error.
    virtual bool size(std::uint64_t* bytes) = 0;
    // Forces written data to stable storage (fsync / FlushFileBuffers).
    virtual bool sync() = 0;
    // Cuts the file to `bytes` (or extends it with zero bytes); false on error.
    virtual bool truncate(std::uint64_t bytes) = 0;
    // Releases the handle and its share locks; false when the close failed.
    virtual bool close() = 0;
    virtual bool isOpen() const = 0;
    // Error of the last failed operation on this file.
    virtual FileError lastError() const = 0;
};

// The file system seam. Paths are 8-bit texts as the configuration holds them;
// a Windows backend converts them at the system-call boundary only.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // Opens `path` in one of the numbered modes. Any other mode opens nothing:
    // returns nullptr with InvalidMode.
    virtual std::unique_ptr<File> open(const std::string& path, OpenMode mode,
                                       FileError* error = nullptr) = 0;
    virtual FileStat stat(const std::string& path) = 0;
    // Names (not paths) of the regular files in `directory` matching a
    // wildcard pattern such as "*.pem" (ASCII case-insensitive, like a
    // directory search), sorted.
    virtual std::vector<std::string> list(const std::string& directory,
                                          std::string_view pattern) = 0;
    virtual bool remove(const std::string& path, FileError* error = nullptr) = 0;
    // Renames `from` over `to`, replacing it.
    virtual bool rename(const std::string& from, const std::string& to,
                        FileError* error = nullptr) = 0;
    // Gives the file `existing` the further name `newPath` (a hard link),
    // which must not exist and be on the same volume. Backends and file
    // systems without such names refuse (InvalidMode or the system's error).
    virtual bool link(const std::string& existing, const std::string& newPath,
                      FileError* error = nullptr)
    {
        (void)existing;
        (void)newPath;
        if (error)
            *error = FileError::InvalidMode;
        return false;
    }

    // Pieces of the atomic replace (see AtomicReplace.h).
    // Creates a new file exclusively in `directory` with a unique name that
    // starts with `prefix`; *path receives its full path.
    virtual std::unique_ptr<File> createTemporary(const std::string& directory,
                                                  std::string_view prefix, std::string* path,
                                                  FileError* error = nullptr) = 0;
    // Gives `to` the permissions and owner (POSIX) or security descriptor
    // (Windows) of `from`.
    virtual bool copyAttributes(const std::string& from, const std::string& to,
                                FileError* error = nullptr) = 0;
    // Creates the directory `path` (its parent must exist), owner-only where
    // the system has permissions. True also when it exists already as a
    // directory. Backends without directories refuse (InvalidMode).
    virtual bool createDirectory(const std::string& path, FileError* error = nullptr)
    {
        (void)path;
        if (error)
            *error = FileError::InvalidMode;
        return false;
    }
    // Makes a rename inside `directory` durable (fsync of the directory; a
    // no-op where the system has no such call).
    virtual bool syncDirectory(const std::string& directory, FileError* error = nullptr) = 0;

    // The path of the file that `path` finally names when it is a symbolic
    // link (relative link texts taken from the link's directory); `path`
    // itself when it is no link or the link cannot be followed. A replace
    // writes through a link so that the link and its target never part.
    virtual std::string resolveLink(const std::string& path) { return path; }
    // Opens the lock file `path`, creating it owner-only when missing (never
    // truncating it, never following a link), held exclusively: a second
    // open of it anywhere fails with SharingViolation until this one closes.
    virtual std::unique_ptr<File> openLockFile(const std::string& path, FileError* error = nullptr)
    {
        return open(path, 5, error);
    }

    // The native directory separator of this backend ('/' or '\\').
    virtual char separator() const = 0;
};

} // namespace morva::platform
