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
    bool noFollow = false;
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
            disposition, rule.noFollow};
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

class MappedView final : public FileView
{
public:
    MappedView(const char* bytes, std::size_t length) : FileView(bytes, length) {}
    ~MappedView() override { UnmapViewOfFile(data()); }
};

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

    std::unique_ptr<FileView> mapForReading(std::uint64_t size) override
    {
        if (m_handle == INVALID_HANDLE_VALUE || size == 0 ||
            size > std::numeric_limits<std::size_t>::max())
            return nullptr;
        HANDLE mapping = CreateFileMappingW(m_handle, nullptr, PAGE_READONLY, 0, 0, nullptr);
        if (!mapping)
            return nullptr;
        const auto length = static_cast<std::size_t>(size);
        const void* at = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, length);
        CloseHandle(mapping); // the view keeps the mapping
        if (!at)
            return nullptr;
        return std::make_unique<MappedView>(static_cast<const char*>(at), length);
    }
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

// A security descriptor that gives the current user alone full access and
// inherits nothing from the directory: for files whose contents nobody else
// may see before the original's descriptor is copied onto them.
class OwnerOnlySecurity
{
public:
    OwnerOnlySecurity()
    {
        HANDLE token = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
            return;
        DWORD size = 0;
        GetTokenInformation(token, TokenUser, nullptr, 0, &size);
        m_user.resize(size);
        const BOOL gotUser =
            size > 0 && GetTokenInformation(token, TokenUser, m_user.data(), size, &size);
        CloseHandle(token);
        if (!gotUser)
            return;
        PSID user = reinterpret_cast<TOKEN_USER*>(m_user.data())->User.Sid;
        const DWORD aclSize =
            sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + GetLengthSid(user) - sizeof(DWORD);
        m_acl.resize(aclSize);
        auto* acl = reinterpret_cast<PACL>(m_acl.data());
        if (!InitializeAcl(acl, aclSize, ACL_REVISION) ||
            !AddAccessAllowedAce(acl, ACL_REVISION, FILE_ALL_ACCESS, user) ||
            !InitializeSecurityDescriptor(&m_descriptor, SECURITY_DESCRIPTOR_REVISION) ||
            !SetSecurityDescriptorDacl(&m_descriptor, TRUE, acl, FALSE) ||
            !SetSecurityDescriptorControl(&m_descriptor, SE_DACL_PROTECTED, SE_DACL_PROTECTED))
            return;
        m_attributes.nLength = sizeof(m_attributes);
        m_attributes.lpSecurityDescriptor = &m_descriptor;
        m_attributes.bInheritHandle = FALSE;
        m_ready = true;
    }
    OwnerOnlySecurity(const OwnerOnlySecurity&) = delete;
    OwnerOnlySecurity& operator=(const OwnerOnlySecurity&) = delete;

    // Null when the descriptor could not be built.
    SECURITY_ATTRIBUTES* attributes() { return m_ready ? &m_attributes : nullptr; }

private:
    std::vector<unsigned char> m_user;
    std::vector<unsigned char> m_acl;
    SECURITY_DESCRIPTOR m_descriptor{};
    SECURITY_ATTRIBUTES m_attributes{};
    bool m_ready = false;
};

// Why an opened handle is not one the file layer hands out: not a file on a
// disk (a device, pipe or console), or, when links are not followed, a
// reparse point.
FileError unfitHandle(HANDLE handle, bool noFollow)
{
    if (GetFileType(handle) != FILE_TYPE_DISK)
        return FileError::NotRegular;
    if (noFollow) {
        BY_HANDLE_FILE_INFORMATION info{};
        if (!GetFileInformationByHandle(handle, &info))
            return fileErrorFromWin32(GetLastError());
        if (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
            return FileError::IsLink;
    }
    return FileError::None;
}

std::unique_ptr<File> openWithRule(const std::wstring& path, const ModeRule& rule, FileError* error,
                                   DWORD* code = nullptr, SECURITY_ATTRIBUTES* security = nullptr)
{
    // A link that is not followed is opened as itself; "create always" would
    // replace it before it could be looked at, so such an open keeps what is
    // there and truncates only once the file proved fit.
    DWORD disposition = rule.disposition;
    DWORD flags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN;
    bool truncate = false;
    if (rule.noFollow) {
        flags |= FILE_FLAG_OPEN_REPARSE_POINT;
        if (disposition == CREATE_ALWAYS) {
            disposition = OPEN_ALWAYS;
            truncate = true;
        }
    }
    HANDLE handle =
        CreateFileW(path.c_str(), rule.access, rule.share, security, disposition, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD failure = GetLastError();
        if (code)
            *code = failure;
        setError(error, openError(path, failure));
        return nullptr;
    }
    FileError unfit = unfitHandle(handle, rule.noFollow);
    if (unfit == FileError::None && truncate) {
        FILE_END_OF_FILE_INFO end{};
        if (!SetFileInformationByHandle(handle, FileEndOfFileInfo, &end, sizeof(end)))
            unfit = fileErrorFromWin32(GetLastError());
    }
    if (unfit != FileError::None) {
        CloseHandle(handle);
        if (code)
            *code = ERROR_INVALID_FUNCTION;
        setError(error, unfit);
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

bool WindowsFileSystem::link(const std::string& existing, const std::string& newPath,
                             FileError* error)
{
    if (!CreateHardLinkW(widen(newPath).c_str(), widen(existing).c_str(), nullptr)) {
        setError(error, fileErrorFromWin32(GetLastError()));
        return false;
    }
    setError(error, FileError::None);
    return true;
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
    // Owner-only from the first byte: the original's descriptor is copied
    // onto it before the rename, and a temporary that a crash leaves behind
    // shows its contents to nobody else.
    OwnerOnlySecurity ownerOnly;
    if (!ownerOnly.attributes()) {
        setError(error, fileErrorFromWin32(GetLastError()));
        return nullptr;
    }
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
        auto file = openWithRule(widen(candidate), rule, &lastError, &code, ownerOnly.attributes());
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

std::string WindowsFileSystem::resolveLink(const std::string& path)
{
    const std::wstring wide = widen(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return path;
    HANDLE handle =
        CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return path;
    std::wstring target(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(handle, target.data(),
                                             static_cast<DWORD>(target.size()), VOLUME_NAME_DOS);
    if (length >= target.size()) {
        target.resize(length + 1);
        length = GetFinalPathNameByHandleW(handle, target.data(), static_cast<DWORD>(target.size()),
                                           VOLUME_NAME_DOS);
    }
    CloseHandle(handle);
    if (length == 0 || length >= target.size())
        return path;
    target.resize(length);
    if (target.rfind(L"\\\\?\\UNC\\", 0) == 0)
        target = L"\\\\" + target.substr(8);
    else if (target.rfind(L"\\\\?\\", 0) == 0)
        target = target.substr(4);
    std::string resolved;
    return narrow(target, &resolved) ? resolved : path;
}

std::unique_ptr<File> WindowsFileSystem::openLockFile(const std::string& path, FileError* error)
{
    OwnerOnlySecurity ownerOnly;
    if (!ownerOnly.attributes()) {
        setError(error, fileErrorFromWin32(GetLastError()));
        return nullptr;
    }
    // Read and write, shared with nobody, created when missing and never
    // truncated. A link in its place is opened as the link itself.
    HANDLE handle =
        CreateFileW(widen(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, ownerOnly.attributes(),
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        setError(error, openError(widen(path), GetLastError()));
        return nullptr;
    }
    setError(error, FileError::None);
    return std::make_unique<WindowsFile>(handle, true);
}

bool WindowsFileSystem::createDirectory(const std::string& path, FileError* error)
{
    const std::wstring wide = widen(path);
    if (CreateDirectoryW(wide.c_str(), nullptr)) {
        setError(error, FileError::None);
        return true;
    }
    const DWORD code = GetLastError();
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (code == ERROR_ALREADY_EXISTS && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        setError(error, FileError::None);
        return true;
    }
    setError(error,
             code == ERROR_ALREADY_EXISTS ? FileError::AlreadyExists : fileErrorFromWin32(code));
    return false;
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
