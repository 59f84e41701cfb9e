#pragma once

#include "platform/FileSystem.h"

namespace morva::platform {

// The POSIX backend of the file system seam.
//
// Windows share modes are emulated with open-file-description locks
// (F_OFD_SETLK) on reserved single bytes far beyond any real data: each open
// holds a shared lock on one byte per access it has (read, write) and one per
// access its share mode denies. An open is refused with SharingViolation when
// an existing open denies an access it asks for, or has an access it denies.
// The locks belong to the open file description, so the rule holds between
// two opens in one process as well as between processes, and they vanish
// when the file is closed or its process ends.
//
// As on Windows, a file that some open holds cannot be removed
// (SharingViolation) or renamed, nor replaced by a rename (AccessDenied):
// none of the numbered modes shares delete access.
class PosixFileSystem final : public FileSystem
{
public:
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
    std::string resolveLink(const std::string& path) override;
    std::unique_ptr<File> openLockFile(const std::string& path,
                                       FileError* error = nullptr) override;
    char separator() const override { return '/'; }
};

// Maps an errno value to the file layer's error codes (the one place that
// does so for the POSIX backend).
FileError fileErrorFromErrno(int errnoValue);

} // namespace morva::platform
