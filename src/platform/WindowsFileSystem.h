#pragma once

#ifdef _WIN32

#include "platform/FileSystem.h"

#include <atomic>
#include <functional>
#include <string>

namespace morva::platform {

// The Windows backend of the file system seam. The numbered open modes map
// one to one to CreateFileW access, share mode and disposition, so the system
// itself enforces the share rules against the gateway and every other
// process. Paths arrive as 8-bit texts and are widened through the ANSI code
// page at each call.
class WindowsFileSystem final : public FileSystem
{
public:
    std::unique_ptr<File> open(const std::string& path, OpenMode mode,
                               FileError* error = nullptr) override;
    FileStat stat(const std::string& path) override;
    std::vector<std::string> list(const std::string& directory, std::string_view pattern) override;
    bool remove(const std::string& path, FileError* error = nullptr) override;
    // Replaces `to`: first with POSIX semantics (SetFileInformationByHandle,
    // FileRenameInfoEx), where the system lacks that with MoveFileExW
    // (replace, write through). A held target fails with AccessDenied or
    // SharingViolation, so the caller may retry.
    bool rename(const std::string& from, const std::string& to,
                FileError* error = nullptr) override;
    bool link(const std::string& existing, const std::string& newPath,
              FileError* error = nullptr) override;
    std::unique_ptr<File> createTemporary(const std::string& directory, std::string_view prefix,
                                          std::string* path, FileError* error = nullptr) override;
    // Copies owner, group and DACL; where the caller may not set the owner
    // (it needs a privilege) the DACL alone.
    bool copyAttributes(const std::string& from, const std::string& to,
                        FileError* error = nullptr) override;
    // A rename done with write-through is already durable: nothing to do.
    bool createDirectory(const std::string& path, FileError* error = nullptr) override;
    bool syncDirectory(const std::string& directory, FileError* error = nullptr) override;
    // Follows symbolic links and junctions to the final path.
    std::string resolveLink(const std::string& path) override;
    std::unique_ptr<File> openLockFile(const std::string& path,
                                       FileError* error = nullptr) override;
    char separator() const override { return '\\'; }

private:
    std::atomic<bool> m_posixRenameUnsupported{false};
};

// The Windows error code of a failed call mapped to the file layer's errors
// (the one place that does so for this backend).
FileError fileErrorFromWin32(unsigned long code);

// The two ways of renaming over an existing file, as calls that return the
// Windows error code (0 on success). Separate so that the order and the
// fallback can be tested where the system lacks one of them.
struct RenameCalls
{
    std::function<unsigned long(const std::wstring& from, const std::wstring& to)> posixRename;
    std::function<unsigned long(const std::wstring& from, const std::wstring& to)> moveReplacing;
};

// The calls to the real system.
RenameCalls systemRenameCalls();

// Tries posixRename unless *posixUnsupported is set; when it reports that the
// system or the volume cannot do it, sets *posixUnsupported and uses
// moveReplacing. Returns the Windows error code of the rename (0 success).
unsigned long renameReplacing(const std::wstring& from, const std::wstring& to,
                              const RenameCalls& calls, std::atomic<bool>* posixUnsupported);

} // namespace morva::platform

#endif
