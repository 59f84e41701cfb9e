#include "platform/WindowsFileSystem.h"

#include "platform/OpenModes.h"
#include "platform/SystemFileSystem.h"
#include "platform/WildcardMatch.h"
#include "platform/WindowsText.h"

#include <aclapi.h>
#include <algorithm>
#include <cstring>
#include <limits>
#include <random>
#include <vector>
#include <windows.h>

#ifndef ERROR_DISK_QUOTA_EXCEEDED
#define ERROR_DISK_QUOTA_EXCEEDED 1295L
#endif

namespace morva::platform {

FileError fileErrorFromWin32(unsigned long code)
{
    switch (code) {
    case ERROR_SUCCESS:
        return FileError::None;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_INVALID_NAME:
    case ERROR_DIRECTORY:
        return FileError::NotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_PRIVILEGE_NOT_HELD:
    case ERROR_INVALID_OWNER:
        return FileError::AccessDenied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return FileError::SharingViolation;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
    case ERROR_DIR_NOT_EMPTY:
        return FileError::AlreadyExists;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_QUOTA_EXCEEDED:
        return FileError::NoSpace;
    default:
        return FileError::Io;
    }
}

namespace {

struct ModeRule
{
    DWORD access;
    DWORD share;
    DWORD disposition;
};

ModeRule windowsRule(const OpenModeRule& rule)
{
    DWORD disposition = OPEN_EXISTING;
    switch (rule.disposition) {
    case OpenDisposition::OpenExisting:
        disposition = OPEN_EXISTING;
        break;
    case OpenDisposition::CreateAlways:
        disposition = CREATE_ALWAYS;
        break;
    case OpenDisposition::OpenAlways:
        disposition = OPEN_ALWAYS;
        break;
    case OpenDisposition::CreateNew:
        disposition = CREATE_NEW;
        break;
    }
    return {GENERIC_READ | (rule.write ? GENERIC_WRITE : 0u),
            (rule.shareRead ? FILE_SHARE_READ : 0u) | (rule.shareWrite ? FILE_SHARE_WRITE : 0u),
            disposition};
}

void setError(FileError* out, FileError value)
{
    if (out)
        *out = value;
}

bool isDirectoryPath(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Opening a directory as a file fails with "access denied"; tell it apart.
FileError openError(const std::wstring& path, DWORD code)
{
    if (code == ERROR_ACCESS_DENIED && isDirectoryPath(path))
        return FileError::IsDirectory;
    return fileErrorFromWin32(code);
}

OVERLAPPED at(std::uint64_t offset)
{
    OVERLAPPED position{};
    position.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
    position.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return position;
}

constexpr std::size_t kMaxChunk = 1u << 30;

class WindowsFile final : public File
{
public:
    WindowsFile(HANDLE handle, bool writable) : m_handle(handle), m_writable(writable) {}
    ~WindowsFile() override { close(); }
    WindowsFile(const WindowsFile&) = delete;
    WindowsFile& operator=(const WindowsFile&) = delete;

    bool readAt(std::uint64_t offset, void* buffer, std::size_t length, std::size_t* got) override
    {
        std::size_t done = 0;
        if (got)
            *got = 0;
        if (m_handle == INVALID_HANDLE_VALUE)
            return fail(FileError::Io);
        auto* bytes = static_cast<char*>(buffer);
        while (done < length) {
            OVERLAPPED position = at(offset + done);
            DWORD n = 0;
            const DWORD chunk = static_cast<DWORD>(std::min(length - done, kMaxChunk));
            if (!ReadFile(m_handle, bytes + done, chunk, &n, &position)) {
                const DWORD code = GetLastError();
                if (code == ERROR_HANDLE_EOF)
                    break;
                if (got)
                    *got = done;
                return fail(fileErrorFromWin32(code));
            }
            if (n == 0)
                break;
            done += n;
        }
        if (got)
            *got = done;
        return true;
    }

    bool writeAt(std::uint64_t offset, const void* buffer, std::size_t length) override
    {
        if (m_handle == INVALID_HANDLE_VALUE)
            return fail(FileError::Io);
        if (!m_writable)
            return fail(FileError::AccessDenied);
        const auto* bytes = static_cast<const char*>(buffer);
        std::size_t done = 0;
        while (done < length) {
            OVERLAPPED position = at(offset + done);
            DWORD n = 0;
            const DWORD chunk = static_cast<DWORD>(std::min(length - done, kMaxChunk));
            if (!WriteFile(m_handle, bytes + done, chunk, &n, &position))
                return fail(fileErrorFromWin32(GetLastError()));
            if (n == 0)
                return fail(FileError::Io);
            done += n;
        }
        return true;
    }

    bool size(std::uint64_t* bytes) override
    {
        LARGE_INTEGER value{};
        if (m_handle == INVALID_HANDLE_VALUE)
            return fail(FileError::Io);
        if (!GetFileSizeEx(m_handle, &value))
            return fail(fileErrorFromWin32(GetLastError()));
        *bytes = static_cast<std::uint64_t>(value.QuadPart);
        return true;
    }

    bool sync() override
    {
        if (m_handle == INVALID_HANDLE_VALUE)
            return fail(FileError::Io);
        if (!FlushFileBuffers(m_handle))
            return fail(fileErrorFromWin32(GetLastError()));
        return true;
    }

    bool truncate(std::uint64_t bytes) override
    {
        if (m_handle == INVALID_HANDLE_VALUE)
            return fail(FileError::Io);
        if (!m_writable)
            return fail(FileError::AccessDenied);
        FILE_END_OF_FILE_INFO end{};
        end.EndOfFile.QuadPart = static_cast<LONGLONG>(bytes);
        if (!SetFileInformationByHandle(m_handle, FileEndOfFileInfo, &end, sizeof end))
            return fail(fileErrorFromWin32(GetLastError()));
        return true;
    }

    bool close() override
    {
        if (m_handle == INVALID_HANDLE_VALUE)
            return true;
        // CloseHandle fails only for a handle that is no longer valid, so
        // the handle is gone either way; the failure still reaches the caller.
        const BOOL closed = CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        if (!closed)
            return fail(fileErrorFromWin32(GetLastError()));
        return true;
    }

    bool isOpen() const override { return m_handle != INVALID_HANDLE_VALUE; }
    FileError lastError() const override { return m_lastError; }

private:
    bool fail(FileError error)
    {
        m_lastError = error;
        return false;
    }

    HANDLE m_handle;
    bool m_writable;
    FileError m_lastError = FileError::None;
};

std::unique_ptr<File> openWithRule(const std::wstring& path, const ModeRule& rule, FileError* error,
                                   DWORD* code = nullptr)
{
    HANDLE handle = CreateFileW(path.c_str(), rule.access, rule.share, nullptr, rule.disposition,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD failure = GetLastError();
        if (code)
            *code = failure;
        setError(error, openError(path, failure));
        return nullptr;
    }
    if (code)
        *code = ERROR_SUCCESS;
    setError(error, FileError::None);
    return std::make_unique<WindowsFile>(handle, (rule.access & GENERIC_WRITE) != 0);
}

std::wstring joinPath(const std::string& directory, std::string_view name)
{
    std::string path = directory.empty() ? std::string(".") : directory;
    if (path.back() != '\\' && path.back() != '/')
        path += '\\';
    path += name;
    return widen(path);
}

std::int64_t unixNanoseconds(const FILETIME& time)
{
    // FILETIME counts 100 ns ticks since 1601-01-01.
    constexpr std::int64_t kTicksFrom1601To1970 = 116444736000000000LL;
    const std::int64_t ticks =
        (static_cast<std::int64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return (ticks - kTicksFrom1601To1970) * 100;
}

// FileRenameInfoEx (Windows 10 1607); mingw-w64 declares it only behind a
// version test that no _WIN32_WINNT value passes.
constexpr auto kFileRenameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);

bool isUnsupportedRename(DWORD code)
{
    // What the system answers when it lacks FileRenameInfoEx (before
    // Windows 10 1607, Wine) or the volume lacks POSIX semantics (FAT).
    return code == ERROR_INVALID_PARAMETER || code == ERROR_NOT_SUPPORTED ||
           code == ERROR_INVALID_FUNCTION || code == ERROR_CALL_NOT_IMPLEMENTED;
}

unsigned long posixRenameCall(const std::wstring& from, const std::wstring& to)
{
    HANDLE source = CreateFileW(from.c_str(), DELETE | SYNCHRONIZE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (source == INVALID_HANDLE_VALUE)
        return GetLastError();
    const std::size_t nameBytes = to.size() * sizeof(wchar_t);
    std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->Flags = FILE_RENAME_FLAG_REPLACE_IF_EXISTS | FILE_RENAME_FLAG_POSIX_SEMANTICS;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(nameBytes);
    std::memcpy(info->FileName, to.data(), nameBytes);
    DWORD result = ERROR_SUCCESS;
    if (!SetFileInformationByHandle(source, kFileRenameInfoEx, info,
                                    static_cast<DWORD>(buffer.size())))
        result = GetLastError();
    CloseHandle(source);
    return result;
}

unsigned long moveReplacingCall(const std::wstring& from, const std::wstring& to)
{
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return ERROR_SUCCESS;
    return GetLastError();
}

} // namespace

RenameCalls systemRenameCalls()
{
    return RenameCalls{posixRenameCall, moveReplacingCall};
}

unsigned long renameReplacing(const std::wstring& from, const std::wstring& to,
                              const RenameCalls& calls, std::atomic<bool>* posixUnsupported)
{
    if (!posixUnsupported->load()) {
        const unsigned long code = calls.posixRename(from, to);
        if (!isUnsupportedRename(code))
            return code;
        posixUnsupported->store(true);
    }
    return calls.moveReplacing(from, to);
}

std::unique_ptr<File> WindowsFileSystem::open(const std::string& path, OpenMode mode,
                                              FileError* error)
{
    const std::optional<OpenModeRule> modeRule = openModeRule(mode);
    if (!modeRule) {
        setError(error, FileError::InvalidMode);
        return nullptr;
    }
    return openWithRule(widen(path), windowsRule(*modeRule), error);
}

FileStat WindowsFileSystem::stat(const std::string& path)
{
    FileStat result;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(widen(path).c_str(), GetFileExInfoStandard, &data))
        return result;
    result.exists = true;
    result.isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    result.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    result.lastWriteNs = unixNanoseconds(data.ftLastWriteTime);
    return result;
}

std::vector<std::string> WindowsFileSystem::list(const std::string& directory,
                                                 std::string_view pattern)
{
    std::vector<std::string> names;
    // Search for every name and match ourselves: the system's own wildcard
    // also matches short 8.3 names ("*.pem" would find "x.pemx").
    WIN32_FIND_DATAW entry{};
    HANDLE search = FindFirstFileExW(joinPath(directory, "*").c_str(), FindExInfoBasic, &entry,
                                     FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        std::string name;
        // A name with no ANSI form could not be opened through this layer.
        if (!narrow(entry.cFileName, &name) || !matchesWildcard(name, pattern))
            continue;
        names.push_back(std::move(name));
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

bool WindowsFileSystem::remove(const std::string& path, FileError* error)
{
    const std::wstring wide = widen(path);
    if (!DeleteFileW(wide.c_str())) {
        const DWORD code = GetLastError();
        setError(error, openError(wide, code));
        return false;
    }
    setError(error, FileError::None);
    return true;
}

bool WindowsFileSystem::rename(const std::string& from, const std::string& to, FileError* error)
{
    const unsigned long code =
        renameReplacing(widen(from), widen(to), systemRenameCalls(), &m_posixRenameUnsupported);
    setError(error, fileErrorFromWin32(code));
    return code == ERROR_SUCCESS;
}

std::unique_ptr<File> WindowsFileSystem::createTemporary(const std::string& directory,
                                                         std::string_view prefix, std::string* path,
                                                         FileError* error)
{
    static std::atomic<unsigned> counter{0};
    static const char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::mt19937_64 random(GetTickCount64() ^
                           (static_cast<std::uint64_t>(GetCurrentProcessId()) << 32) ^
                           (static_cast<std::uint64_t>(counter++) << 48));
    const ModeRule rule = windowsRule(*openModeRule(9)); // create new, shared with nobody
    FileError lastError = FileError::AlreadyExists;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name(prefix);
        for (int i = 0; i < 8; ++i)
            name += kAlphabet[random() % (sizeof(kAlphabet) - 1)];
        std::string candidate = directory;
        if (!candidate.empty() && candidate.back() != '\\' && candidate.back() != '/')
            candidate += '\\';
        candidate += name;
        DWORD code = ERROR_SUCCESS;
        auto file = openWithRule(widen(candidate), rule, &lastError, &code);
        if (file) {
            if (path)
                *path = candidate;
            setError(error, FileError::None);
            return file;
        }
        if (code != ERROR_FILE_EXISTS && code != ERROR_ALREADY_EXISTS)
            break;
    }
    setError(error, lastError);
    return nullptr;
}

bool WindowsFileSystem::copyAttributes(const std::string& from, const std::string& to,
                                       FileError* error)
{
    std::wstring source = widen(from);
    std::wstring target = widen(to);
    PSID owner = nullptr;
    PSID group = nullptr;
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    DWORD code = GetNamedSecurityInfoW(source.c_str(), SE_FILE_OBJECT,
                                       OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION |
                                           DACL_SECURITY_INFORMATION,
                                       &owner, &group, &dacl, nullptr, &descriptor);
    if (code != ERROR_SUCCESS) {
        setError(error, fileErrorFromWin32(code));
        return false;
    }
    // Keep the original's choice between its own DACL and the inherited one.
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    GetSecurityDescriptorControl(descriptor, &control, &revision);
    const SECURITY_INFORMATION inheritance = (control & SE_DACL_PROTECTED)
                                                 ? PROTECTED_DACL_SECURITY_INFORMATION
                                                 : UNPROTECTED_DACL_SECURITY_INFORMATION;
    code = SetNamedSecurityInfoW(target.data(), SE_FILE_OBJECT,
                                 OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION |
                                     DACL_SECURITY_INFORMATION | inheritance,
                                 owner, group, dacl, nullptr);
    if (code == ERROR_INVALID_OWNER || code == ERROR_ACCESS_DENIED ||
        code == ERROR_PRIVILEGE_NOT_HELD) {
        // Only a privileged caller may give a file away; an ordinary one
        // keeps the copy as its own with the original's access rules.
        code = SetNamedSecurityInfoW(target.data(), SE_FILE_OBJECT,
                                     DACL_SECURITY_INFORMATION | inheritance, nullptr, nullptr,
                                     dacl, nullptr);
    }
    LocalFree(descriptor);
    setError(error, fileErrorFromWin32(code));
    return code == ERROR_SUCCESS;
}

bool WindowsFileSystem::syncDirectory(const std::string&, FileError* error)
{
    setError(error, FileError::None);
    return true;
}

std::unique_ptr<FileSystem> makeSystemFileSystem()
{
    return std::make_unique<WindowsFileSystem>();
}

} // namespace morva::platform
