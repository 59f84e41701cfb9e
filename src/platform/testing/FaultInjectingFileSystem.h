#pragma once

#include "platform/FileSystem.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace morva::platform {

// A file system for tests that forwards every call to another one (and wraps
// the files it opens) while counting operations, and can make one of them
// fail or end the process there, for crash and error-path tests.
//
// Counted operations: open, readAt, writeAt, size, sync, close, stat, list,
// remove, rename, createTemporary, copyAttributes, syncDirectory, truncate,
// createDirectory, link. Numbers
// start at 1. With `only` set, only operations of that kind are counted
// towards the fault (all operations are still tallied per kind).
//
// A failed operation does nothing underneath and reports `error`: open and
// createTemporary return nullptr, the bool calls return false, stat reports
// a missing file, list an empty directory. A failed close keeps the file open
// (as a real failed close keeps its handle); it is closed when destroyed.
// With partial writes on, a failed writeAt first writes the first half of
// its bytes underneath, as a disk that fills up in the middle of a write.
class FaultInjectingFileSystem final : public FileSystem
{
public:
    enum class Operation
    {
        Open,
        ReadAt,
        WriteAt,
        Size,
        Sync,
        Close,
        Stat,
        List,
        Remove,
        Rename,
        CreateTemporary,
        CopyAttributes,
        SyncDirectory,
        Truncate,
        CreateDirectory,
        Link,
    };
    static constexpr int kOperationKinds = 16;

    enum class Fault
    {
        FailOnce,     // the k-th operation fails, the ones after it succeed
        FailFromThen, // the k-th and every later operation fail
        Kill,         // the process is killed (SIGKILL) before the k-th runs
    };

    // `inner` must outlive this object and every file it opened.
    explicit FaultInjectingFileSystem(FileSystem& inner);
    ~FaultInjectingFileSystem() override;

    void injectFault(std::uint64_t k, Fault fault, FileError error = FileError::Io,
                     std::optional<Operation> only = std::nullopt);
    void clearFault();
    void setPartialWrites(bool partial);
    // Operations counted towards the fault so far (all kinds without `only`).
    std::uint64_t counted() const;
    std::uint64_t count(Operation operation) const;
    std::uint64_t total() const;
    // Whether the armed fault has fired at least once.
    bool faultFired() const;
    void resetCounts();

    std::unique_ptr<File> open(const std::string& path, OpenMode mode,
                               FileError* error = nullptr) override;
    FileStat stat(const std::string& path) override;
    std::vector<std::string> list(const std::string& directory, std::string_view pattern) override;
    bool remove(const std::string& path, FileError* error = nullptr) override;
    bool rename(const std::string& from, const std::string& to,
                FileError* error = nullptr) override;
    bool link(const std::string& existing, const std::string& newPath,
              FileError* error = nullptr) override;
    std::unique_ptr<File> createTemporary(const std::string& directory, std::string_view prefix,
                                          std::string* path, FileError* error = nullptr) override;
    bool copyAttributes(const std::string& from, const std::string& to,
                        FileError* error = nullptr) override;
    bool createDirectory(const std::string& path, FileError* error = nullptr) override;
    bool syncDirectory(const std::string& directory, FileError* error = nullptr) override;
    // Not counted: following a link changes nothing.
    std::string resolveLink(const std::string& path) override;
    // Counted as an Open.
    std::unique_ptr<File> openLockFile(const std::string& path,
                                       FileError* error = nullptr) override;
    char separator() const override;

    // Shared with the files this object opened, so they may outlive it.
    struct State;

private:
    FileSystem& m_inner;
    std::shared_ptr<State> m_state;
};

} // namespace morva::platform
