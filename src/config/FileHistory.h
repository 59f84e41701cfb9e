#pragma once

#include "config/ConfigDiff.h"
#include "config/SaveHook.h"
#include "platform/FileSystem.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace morva::platform {
class Clock;
}

namespace morva::config {

// How much a history keeps per file: the newest `maxVersions` copies whose
// sizes add up to at most `maxBytes`.
struct HistoryLimits
{
    std::size_t maxVersions = 100;
    std::uint64_t maxBytes = std::uint64_t(50) << 20;
};

// One kept version: the file as it was before the save made at `time`.
struct HistoryEntry
{
    std::string id;        // "20261209-143002", "-2" added for a second save in that second
    std::int64_t time = 0; // seconds since 1970 (UTC)
    std::string user;
    std::string machine;
    std::string source;            // what saved (SaveOrigin::source)
    std::int64_t changedKeys = -1; // -1 when not counted (record files)
    std::uint64_t size = 0;
    std::uint64_t checksum = 0; // of the copy's bytes (contentHash)
};

// Why the last copy was not kept.
enum class HistoryProblem
{
    None,
    WriteFailed, // the folder, the copy or the index could not be written
    TooLarge,    // the file is larger than the history may hold
};

// The history of saves of the files of one program directory: in the folder
// `directory` (ends with a separator), per file a copy "<name>.<id>" of each
// version it replaced and an index "<name>.index" of one line per copy.
//
// Copies are written atomically (owner-only temporary, rename) before the
// index line that names them is appended, and rotation rewrites the index
// (synced) before it removes copies: a kill at any point leaves no line
// without its copy. Every line holds the size and checksum of its copy, and
// readers skip a line whose copy is missing or differs (what a power loss
// may leave, as neither is synced); lines cut short fail their own checksum.
// Copies that no line names are removed by the next keep of that file.
//
// keep() must run under the lock of the file it copies (the configuration's
// replace lock, the data lock of a record file): one writer per index.
class FileHistory final : public SaveHook
{
public:
    FileHistory(platform::FileSystem& fileSystem, platform::Clock& clock, std::string directory,
                std::string user, std::string machine);

    void setLimits(HistoryLimits limits) { m_limits = limits; }
    HistoryLimits limits() const { return m_limits; }
    // How the lines of "Morva.ini" are grouped when changes are counted.
    void setListKeys(ListKeyTest listKeys) { m_listKeys = std::move(listKeys); }
    // Seconds since 1970 for new entries (the system's time by default).
    void setWallClock(std::function<std::int64_t()> now) { m_now = std::move(now); }

    // Keeps the file at `path` as it is now, counting the keys that change
    // towards `newText` (a configuration file).
    void beforeReplace(const std::string& path, const std::function<std::string()>& newText,
                       const SaveOrigin& origin) override;
    // Keeps the file at `path` as it is now. True when kept or when there is
    // no file to keep; false with problem() set otherwise.
    bool keep(const std::string& path, std::string_view source, std::int64_t changedKeys = -1);
    // Fills *bytes with the whole file, or sets *error and returns false.
    using ContentReader = std::function<bool(std::string* bytes, platform::FileError* error)>;
    // Keeps a file of `size` bytes named `fileName` as `read` gives it, for
    // a caller that holds the file open itself (a record file is held
    // without sharing). A file over the size limit is not read.
    bool keepContents(std::string_view fileName, std::uint64_t size, const ContentReader& read,
                      std::string_view source, std::int64_t changedKeys = -1);
    // Reads up to `size` bytes at `offset` into `buffer`, telling how many
    // in *got; false with *error set when the read fails.
    using PieceReader = std::function<bool(std::uint64_t offset, char* buffer, std::size_t size,
                                           std::size_t* got, platform::FileError* error)>;
    // The same for a file of `size` bytes read a piece at a time (a record
    // file: never held whole). Its keys are not counted.
    bool keepPieces(std::string_view fileName, std::uint64_t size, const PieceReader& read,
                    std::string_view source);
    // Keeps the file at `path`, which a rename is about to replace (so that
    // its bytes never change again), as a further name of the file itself
    // rather than a copy of its bytes; where the history's folder cannot
    // give the file a second name (another volume, a file system without
    // them), as a copy. Its checksum is taken all the same.
    bool keepLinked(const std::string& path, std::string_view source);
    // After a keepLinked() whose rename then failed, the kept version is
    // still a name of the file in use: it gets bytes of its own, so that
    // later changes of the file do not reach it (or, when they cannot be
    // copied, it is given up rather than left to change).
    void separateCopy(std::string_view fileName, std::string_view id);
    // A keep of the file named `fileName` that failed before it began, as
    // its reader could not tell the file's size: reported as a failed keep.
    bool notReadable(std::string_view fileName, platform::FileError error)
    {
        return fail(fileName, HistoryProblem::WriteFailed,
                    error == platform::FileError::None ? platform::FileError::Io : error);
    }

    // The kept versions of the file named `fileName` (no directory), oldest
    // first; lines whose copy is missing are left out.
    std::vector<HistoryEntry> entries(std::string_view fileName) const;
    // The bytes of one kept version; false when there is no such version.
    bool read(std::string_view fileName, std::string_view id, std::string* bytes) const;
    std::string copyPath(std::string_view fileName, std::string_view id) const;
    const std::string& directory() const { return m_directory; }

    // Why the last keep failed (None after a keep that worked).
    HistoryProblem problem() const { return m_problem; }
    platform::FileError problemError() const { return m_problemError; }
    // The failure of the last keep, the first time it is asked for: a caller
    // that reports it does so once per file until a keep of that file works
    // again (the record files and "Morva.ini" share one history).
    HistoryProblem takeUnreportedProblem();
    // The id the last successful keep gave its copy (empty when it kept none).
    const std::string& lastKeptId() const { return m_lastKeptId; }

private:
    bool fail(std::string_view fileName, HistoryProblem problem, platform::FileError error);
    bool appendIndexLine(const std::string& indexPath, const std::string& line);
    void rotate(std::string_view fileName);
    void removeStrays(std::string_view fileName, const std::vector<HistoryEntry>& kept);
    bool writeWhole(const std::string& path, std::string_view bytes, bool sync,
                    platform::FileError* error);
    // The bytes from `offset` on (at least one), or false with *error set.
    using PieceSource = std::function<bool(std::uint64_t offset, std::string_view* piece,
                                           platform::FileError* error)>;
    // Puts the version's bytes at `copyPath`, their checksum in *hash.
    using CopyMaker = std::function<bool(const std::string& copyPath, std::uint64_t* hash,
                                         platform::FileError* error)>;
    bool keepVersion(std::string_view fileName, std::uint64_t size, const CopyMaker& makeCopy,
                     std::string_view source, std::int64_t changedKeys);
    bool writeCopy(const std::string& path, std::uint64_t size, const PieceSource& piece,
                   std::uint64_t* hash, platform::FileError* error,
                   const std::function<void()>& afterLastPiece = {});
    // Copies the file at `from` (`size` bytes) to `to`, replacing it.
    bool copyFile(const std::string& from, const std::string& to, std::uint64_t size,
                  std::uint64_t* hash, platform::FileError* error);
    // The checksum of the `size` bytes of the file at `path`.
    bool hashFile(const std::string& path, std::uint64_t size, std::uint64_t* hash,
                  platform::FileError* error) const;
    std::string indexPath(std::string_view fileName) const;

    platform::FileSystem& m_fileSystem;
    platform::Clock& m_clock;
    std::string m_directory;
    std::string m_user;
    std::string m_machine;
    HistoryLimits m_limits;
    ListKeyTest m_listKeys;
    std::function<std::int64_t()> m_now;
    HistoryProblem m_problem = HistoryProblem::None;
    platform::FileError m_problemError = platform::FileError::None;
    std::string m_problemFile;
    std::map<std::string, HistoryProblem, std::less<>> m_reported; // per file name
    std::string m_lastKeptId;
    const std::function<std::string()>* m_pendingNewText = nullptr;
};

// Reads the whole file at `path` (shared with writers) into *bytes; false
// with *error set when it cannot be read or is larger than `limit` bytes.
bool readWholeFile(platform::FileSystem& fs, const std::string& path, std::uint64_t limit,
                   std::string* bytes, platform::FileError* error);

// The file name part of a path (after the last '/' or '\').
std::string_view baseNameOf(std::string_view path);

// "YYYY-MM-DD HH:MM:SS" in local time.
std::string localTimeText(std::int64_t secondsSince1970);

} // namespace morva::config
