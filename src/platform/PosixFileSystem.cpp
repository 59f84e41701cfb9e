#include "platform/PosixFileSystem.h"

#include "platform/OpenModes.h"
#include "platform/SystemFileSystem.h"
#include "platform/WildcardMatch.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <initializer_list>
#include <limits>
#include <random>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace morva::platform {

FileError fileErrorFromErrno(int errnoValue)
{
    switch (errnoValue) {
    case 0:
        return FileError::None;
    case ENOENT:
    case ENOTDIR:
        return FileError::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EBADF:
        return FileError::AccessDenied;
    case EEXIST:
    case ENOTEMPTY:
        return FileError::AlreadyExists;
    case EISDIR:
        return FileError::IsDirectory;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return FileError::NoSpace;
    case EAGAIN:
    case EBUSY:
    case ETXTBSY:
        return FileError::SharingViolation;
    default:
        return FileError::Io;
    }
}

namespace {

// Reserved bytes that stand for the accesses and denials of every open.
// They lie near 2^62, far beyond any file the gateway writes.
constexpr off_t kShareBase = off_t(1) << 62;
constexpr off_t kHasRead = kShareBase + 0;
constexpr off_t kHasWrite = kShareBase + 1;
constexpr off_t kDeniesRead = kShareBase + 2;
constexpr off_t kDeniesWrite = kShareBase + 3;
constexpr off_t kShareBytes = 4;

using Disposition = OpenDisposition;
using ModeRule = OpenModeRule;

void setError(FileError* out, FileError value)
{
    if (out)
        *out = value;
}

// Whether any other open file description holds a lock on [start, start+len).
// F_OFD_GETLK needs no particular access mode, so it works on read-only opens.
bool lockedByOthers(int fd, off_t start, off_t length, bool* held)
{
    struct flock query
    {
    };
    query.l_type = F_WRLCK;
    query.l_whence = SEEK_SET;
    query.l_start = start;
    query.l_len = length;
    query.l_pid = 0;
    if (::fcntl(fd, F_OFD_GETLK, &query) != 0)
        return false;
    *held = query.l_type != F_UNLCK;
    return true;
}

bool holdShared(int fd, off_t at)
{
    struct flock lock
    {
    };
    lock.l_type = F_RDLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = at;
    lock.l_len = 1;
    lock.l_pid = 0;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

// Takes the share locks of `rule` on `fd`, then checks the existing opens.
// Two opens racing each other may both fail, but never both succeed: each
// takes its locks before it looks at the others'.
FileError applyShareRule(int fd, const ModeRule& rule)
{
    bool ok = holdShared(fd, kHasRead) && (!rule.write || holdShared(fd, kHasWrite)) &&
              (rule.shareRead || holdShared(fd, kDeniesRead)) &&
              (rule.shareWrite || holdShared(fd, kDeniesWrite));
    if (!ok)
        return errno == EAGAIN || errno == EACCES ? FileError::SharingViolation
                                                  : fileErrorFromErrno(errno);
    struct Check
    {
        bool applies;
        off_t byte;
    };
    const Check checks[] = {
        {true, kDeniesRead},           // we read: nobody may deny reading
        {rule.write, kDeniesWrite},    // we write: nobody may deny writing
        {!rule.shareRead, kHasRead},   // we deny reading: nobody may read
        {!rule.shareWrite, kHasWrite}, // we deny writing: nobody may write
    };
    for (const Check& check : checks) {
        if (!check.applies)
            continue;
        bool held = false;
        if (!lockedByOthers(fd, check.byte, 1, &held))
            return fileErrorFromErrno(errno);
        if (held)
            return FileError::SharingViolation;
    }
    return FileError::None;
}

// Whether some open of this process or another holds `path`.
bool isHeldOpen(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    bool held = false;
    if (!lockedByOthers(fd, kShareBase, kShareBytes, &held))
        held = false;
    ::close(fd);
    return held;
}

// Bytes written before their pages are handed to the disk, for a file
// written to be synced (see PosixFile::writeBehind).
constexpr std::size_t kWriteBehindBytes = std::size_t(1) << 20;

class MappedView final : public FileView
{
public:
    MappedView(const char* bytes, std::size_t length) : FileView(bytes, length) {}
    ~MappedView() override { ::munmap(const_cast<char*>(data()), size()); }
};

class PosixFile final : public File
{
public:
    PosixFile(int fd, bool writable) : m_fd(fd), m_writable(writable) {}
    ~PosixFile() override { close(); }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    // For a file that will be synced once written (a temporary of an atomic
    // replace): its pages are handed to the disk as each megabyte is
    // written, so the disk works while the rest is produced and the final
    // sync waits only for the tail. Only writeback is started here; the
    // sync still decides durability and reports its errors.
    void writeBehind() { m_writeBehind = true; }

    bool readAt(std::uint64_t offset, void* buffer, std::size_t length, std::size_t* got) override
    {
        std::size_t done = 0;
        if (got)
            *got = 0;
        if (m_fd < 0)
            return fail(FileError::Io);
        auto* bytes = static_cast<char*>(buffer);
        while (done < length) {
            ssize_t n =
                ::pread(m_fd, bytes + done, length - done, static_cast<off_t>(offset + done));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                if (got)
                    *got = done;
                return fail(fileErrorFromErrno(errno));
            }
            if (n == 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        if (got)
            *got = done;
        return true;
    }

    bool writeAt(std::uint64_t offset, const void* buffer, std::size_t length) override
    {
        if (m_fd < 0)
            return fail(FileError::Io);
        if (!m_writable)
            return fail(FileError::AccessDenied);
        const auto* bytes = static_cast<const char*>(buffer);
        std::size_t done = 0;
        while (done < length) {
            ssize_t n =
                ::pwrite(m_fd, bytes + done, length - done, static_cast<off_t>(offset + done));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return fail(fileErrorFromErrno(errno));
            }
            if (n == 0)
                return fail(FileError::Io);
            done += static_cast<std::size_t>(n);
        }
        if (m_writeBehind)
            return startWriteback(offset, length);
        return true;
    }

    bool size(std::uint64_t* bytes) override
    {
        struct stat info
        {
        };
        if (m_fd < 0)
            return fail(FileError::Io);
        if (::fstat(m_fd, &info) != 0)
            return fail(fileErrorFromErrno(errno));
        *bytes = static_cast<std::uint64_t>(info.st_size);
        return true;
    }

    bool sync() override
    {
        if (m_fd < 0)
            return fail(FileError::Io);
        if (::fsync(m_fd) != 0)
            return fail(fileErrorFromErrno(errno));
        return true;
    }

    bool truncate(std::uint64_t bytes) override
    {
        if (m_fd < 0)
            return fail(FileError::Io);
        if (!m_writable)
            return fail(FileError::AccessDenied);
        while (::ftruncate(m_fd, static_cast<off_t>(bytes)) != 0) {
            if (errno != EINTR)
                return fail(fileErrorFromErrno(errno));
        }
        return true;
    }

    bool close() override
    {
        if (m_fd < 0)
            return true;
        // Linux releases the descriptor even when close reports an error, so
        // the handle is gone either way; the error still reaches the caller.
        int result = ::close(m_fd);
        m_fd = -1;
        if (result != 0 && errno != EINTR)
            return fail(fileErrorFromErrno(errno));
        return true;
    }

    bool isOpen() const override { return m_fd >= 0; }

    std::unique_ptr<FileView> mapForReading(std::uint64_t size) override
    {
        if (m_fd < 0 || size == 0 || size > std::numeric_limits<std::size_t>::max())
            return nullptr;
        const auto length = static_cast<std::size_t>(size);
        void* at = ::mmap(nullptr, length, PROT_READ, MAP_SHARED, m_fd, 0);
        if (at == MAP_FAILED)
            return nullptr;
        ::madvise(at, length, MADV_SEQUENTIAL);
        return std::make_unique<MappedView>(static_cast<const char*>(at), length);
    }
    FileError lastError() const override { return m_lastError; }

private:
    bool fail(FileError error)
    {
        m_lastError = error;
        return false;
    }

    bool startWriteback(std::uint64_t offset, std::size_t length)
    {
        if (m_unsyncedBytes == 0 || offset < m_unsyncedFrom)
            m_unsyncedFrom = offset;
        m_unsyncedBytes += length;
        if (m_unsyncedBytes < kWriteBehindBytes)
            return true;
        // From the lowest offset written since the last call to the end of
        // the file. No wait flag: waiting would also take up a writeback
        // error that the final sync must still report.
        const int result =
            ::sync_file_range(m_fd, static_cast<off_t>(m_unsyncedFrom), 0, SYNC_FILE_RANGE_WRITE);
        m_unsyncedBytes = 0;
        if (result == 0)
            return true;
        // A file system or kernel without the call: the final sync does it all.
        if (errno == EINVAL || errno == ENOSYS || errno == ESPIPE) {
            m_writeBehind = false;
            return true;
        }
        return fail(fileErrorFromErrno(errno));
    }

    int m_fd;
    bool m_writable;
    bool m_writeBehind = false;
    std::uint64_t m_unsyncedFrom = 0;
    std::size_t m_unsyncedBytes = 0;
    FileError m_lastError = FileError::None;
};

FileError openErrorFromErrno(int errnoValue, const ModeRule& rule)
{
    // O_NOFOLLOW reports a link as ELOOP; a socket cannot be opened (ENXIO).
    if (errnoValue == ELOOP && rule.noFollow)
        return FileError::IsLink;
    if (errnoValue == ENXIO)
        return FileError::NotRegular;
    return fileErrorFromErrno(errnoValue);
}

bool clearNonBlocking(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

// `createMode` is the permission of a file the open creates (before the
// umask); `extraFlags` are added to the open flags.
// `writeAccess` false opens read-only whatever the rule: the share locks are
// read locks, so a file never written (a lock file) needs only reading.
std::unique_ptr<PosixFile> openWithRule(const std::string& path, const ModeRule& rule,
                                        FileError* error, mode_t createMode = 0666,
                                        int extraFlags = 0, bool writeAccess = true)
{
    const bool write = rule.write && writeAccess;
    // Without O_NONBLOCK, opening a pipe would wait for a writer; the file
    // is refused below anyway unless it is regular.
    int flags = (write ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | extraFlags;
    if (rule.noFollow)
        flags |= O_NOFOLLOW;
    switch (rule.disposition) {
    case Disposition::OpenExisting:
        break;
    case Disposition::CreateAlways:
    case Disposition::OpenAlways:
        flags |= O_CREAT;
        break;
    case Disposition::CreateNew:
        flags |= O_CREAT | O_EXCL;
        break;
    }
    // A file removed or replaced between our open and our locks would leave
    // us holding a name that no longer exists; look again in that case.
    for (int attempt = 0; attempt < 5; ++attempt) {
        int fd = ::open(path.c_str(), flags, createMode);
        if (fd < 0) {
            setError(error, openErrorFromErrno(errno, rule));
            return nullptr;
        }
        struct stat opened
        {
        };
        FileError unfit = FileError::None;
        // The first and the last branch each take errno after their own call.
        if (::fstat(fd, &opened) != 0)
            unfit = fileErrorFromErrno(errno); // NOLINT(bugprone-branch-clone)
        else if (S_ISDIR(opened.st_mode))
            unfit = FileError::IsDirectory;
        else if (!S_ISREG(opened.st_mode))
            unfit = FileError::NotRegular;
        else if (!clearNonBlocking(fd))
            unfit = fileErrorFromErrno(errno);
        if (unfit != FileError::None) {
            ::close(fd);
            setError(error, unfit);
            return nullptr;
        }
        FileError shareResult = applyShareRule(fd, rule);
        if (shareResult != FileError::None) {
            ::close(fd);
            setError(error, shareResult);
            return nullptr;
        }
        struct stat named
        {
        };
        const int namedResult =
            rule.noFollow ? ::lstat(path.c_str(), &named) : ::stat(path.c_str(), &named);
        if (namedResult != 0 || named.st_ino != opened.st_ino || named.st_dev != opened.st_dev) {
            ::close(fd);
            continue;
        }
        // Truncate only now: a file that another open holds must keep its data.
        if (rule.disposition == Disposition::CreateAlways && opened.st_size != 0 &&
            ::ftruncate(fd, 0) != 0) {
            FileError reason = fileErrorFromErrno(errno);
            ::close(fd);
            setError(error, reason);
            return nullptr;
        }
        setError(error, FileError::None);
        return std::make_unique<PosixFile>(fd, write);
    }
    setError(error, FileError::SharingViolation);
    return nullptr;
}

std::string joinPath(const std::string& directory, std::string_view name)
{
    std::string path = directory;
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += name;
    return path;
}

} // namespace

std::unique_ptr<File> PosixFileSystem::open(const std::string& path, OpenMode mode,
                                            FileError* error)
{
    const std::optional<ModeRule> rule = openModeRule(mode);
    if (!rule) {
        setError(error, FileError::InvalidMode);
        return nullptr;
    }
    return openWithRule(path, *rule, error);
}

FileStat PosixFileSystem::stat(const std::string& path)
{
    FileStat result;
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) != 0)
        return result;
    result.exists = true;
    result.isDirectory = S_ISDIR(info.st_mode);
    result.size = static_cast<std::uint64_t>(info.st_size);
    result.lastWriteNs =
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    // Inodes are unique on one device; the device goes into the high bits.
    result.fileId =
        (static_cast<std::uint64_t>(info.st_dev) << 40) ^ static_cast<std::uint64_t>(info.st_ino);
    return result;
}

std::vector<std::string> PosixFileSystem::list(const std::string& directory,
                                               std::string_view pattern)
{
    std::vector<std::string> names;
    DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
    if (!dir)
        return names;
    while (dirent* entry = ::readdir(dir)) {
        std::string_view name = entry->d_name;
        if (name == "." || name == ".." || !matchesWildcard(name, pattern))
            continue;
        bool regular = entry->d_type == DT_REG;
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
            struct stat info
            {
            };
            regular =
                ::stat(joinPath(directory, name).c_str(), &info) == 0 && S_ISREG(info.st_mode);
        }
        if (regular)
            names.emplace_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

bool PosixFileSystem::remove(const std::string& path, FileError* error)
{
    if (isHeldOpen(path)) {
        setError(error, FileError::SharingViolation);
        return false;
    }
    if (::unlink(path.c_str()) != 0) {
        setError(error, fileErrorFromErrno(errno));
        return false;
    }
    setError(error, FileError::None);
    return true;
}

bool PosixFileSystem::rename(const std::string& from, const std::string& to, FileError* error)
{
    if (isHeldOpen(from) || isHeldOpen(to)) {
        setError(error, FileError::AccessDenied);
        return false;
    }
    if (::rename(from.c_str(), to.c_str()) != 0) {
        setError(error, fileErrorFromErrno(errno));
        return false;
    }
    setError(error, FileError::None);
    return true;
}

bool PosixFileSystem::link(const std::string& existing, const std::string& newPath,
                           FileError* error)
{
    if (::link(existing.c_str(), newPath.c_str()) != 0) {
        setError(error, fileErrorFromErrno(errno));
        return false;
    }
    setError(error, FileError::None);
    return true;
}

std::unique_ptr<File> PosixFileSystem::createTemporary(const std::string& directory,
                                                       std::string_view prefix, std::string* path,
                                                       FileError* error)
{
    static std::atomic<unsigned> counter{0};
    static const char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::mt19937_64 random(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<std::uint64_t>(::getpid()) << 32) ^ counter++);
    const ModeRule rule = *openModeRule(9); // create new, shared with nobody
    FileError lastError = FileError::AlreadyExists;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name(prefix);
        for (int i = 0; i < 8; ++i)
            name += kAlphabet[random() % (sizeof(kAlphabet) - 1)];
        std::string candidate = joinPath(directory, name);
        // Owner-only from the first byte: the original's permissions are
        // copied onto it before the rename, and a temporary that a crash
        // leaves behind shows its contents to nobody else.
        auto file = openWithRule(candidate, rule, &lastError, 0600);
        if (file) {
            file->writeBehind();
            if (path)
                *path = candidate;
            setError(error, FileError::None);
            return file;
        }
        if (lastError != FileError::AlreadyExists)
            break;
    }
    setError(error, lastError);
    return nullptr;
}

namespace {

bool isOneOf(int value, std::initializer_list<int> values)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

// Copies the extended attributes of `from` onto `to`; they carry the access
// control list ("system.posix_acl_access") and labels. A file system without
// extended attributes has none to keep; attributes that only a privileged
// process may set (trusted.*, security.*) are kept where allowed.
bool copyExtendedAttributes(const char* from, const char* to)
{
    ssize_t length = ::listxattr(from, nullptr, 0);
    if (length < 0)
        return isOneOf(errno, {ENOTSUP, EOPNOTSUPP, ENOSYS});
    std::vector<char> names(static_cast<std::size_t>(length) + 1);
    length = ::listxattr(from, names.data(), names.size());
    if (length < 0)
        return false;
    std::vector<char> value;
    for (const char* name = names.data(); name < names.data() + length;
         name += std::strlen(name) + 1) {
        ssize_t size = ::getxattr(from, name, nullptr, 0);
        if (size >= 0) {
            value.resize(static_cast<std::size_t>(size) + 1);
            size = ::getxattr(from, name, value.data(), value.size());
        }
        if (size < 0) {
            if (errno == ENODATA)
                continue; // removed meanwhile
            return false;
        }
        if (::setxattr(to, name, value.data(), static_cast<std::size_t>(size), 0) == 0)
            continue;
        const std::string_view text = name;
        const bool privileged = text.rfind("trusted.", 0) == 0 || text.rfind("security.", 0) == 0;
        if (isOneOf(errno, {ENOTSUP, EOPNOTSUPP}) ||
            (privileged && isOneOf(errno, {EPERM, EACCES})))
            continue;
        return false;
    }
    return true;
}

} // namespace

bool PosixFileSystem::copyAttributes(const std::string& from, const std::string& to,
                                     FileError* error)
{
    struct stat info
    {
    };
    struct stat target
    {
    };
    if (::stat(from.c_str(), &info) != 0 || ::stat(to.c_str(), &target) != 0) {
        setError(error, fileErrorFromErrno(errno));
        return false;
    }
    // The owner first: a change of owner clears the setuid and setgid bits,
    // so the mode is set last.
    if (target.st_uid != info.st_uid || target.st_gid != info.st_gid) {
        // Only the superuser may give a file away; an ordinary user keeps the
        // copy as their own but gives it the original's group where they are
        // a member of it, so that the group keeps its access.
        if (::chown(to.c_str(), info.st_uid, info.st_gid) != 0) {
            if (errno != EPERM ||
                (::chown(to.c_str(), static_cast<uid_t>(-1), info.st_gid) != 0 && errno != EPERM)) {
                setError(error, fileErrorFromErrno(errno));
                return false;
            }
        }
    }
    if (!copyExtendedAttributes(from.c_str(), to.c_str()) ||
        ::chmod(to.c_str(), info.st_mode & 07777) != 0) {
        setError(error, fileErrorFromErrno(errno));
        return false;
    }
    setError(error, FileError::None);
    return true;
}

bool PosixFileSystem::createDirectory(const std::string& path, FileError* error)
{
    if (::mkdir(path.c_str(), 0700) == 0) {
        setError(error, FileError::None);
        return true;
    }
    const int code = errno;
    struct stat info
    {
    };
    if (code == EEXIST && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        setError(error, FileError::None);
        return true;
    }
    setError(error, code == EEXIST ? FileError::AlreadyExists : fileErrorFromErrno(code));
    return false;
}

bool PosixFileSystem::syncDirectory(const std::string& directory, FileError* error)
{
    int fd =
        ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        setError(error, fileErrorFromErrno(errno));
        return false;
    }
    // Some file systems cannot sync a directory (EINVAL); nothing to make durable then.
    bool ok = ::fsync(fd) == 0 || errno == EINVAL;
    FileError reason = ok ? FileError::None : fileErrorFromErrno(errno);
    ::close(fd);
    setError(error, reason);
    return ok;
}

std::string PosixFileSystem::resolveLink(const std::string& path)
{
    // Links of links are followed as far as the system itself would go.
    constexpr int kMaxHops = 40;
    std::string current = path;
    for (int hop = 0; hop < kMaxHops; ++hop) {
        struct stat info
        {
        };
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        std::vector<char> text(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1);
        const ssize_t length = ::readlink(current.c_str(), text.data(), text.size());
        if (length < 0 || static_cast<std::size_t>(length) >= text.size())
            return current;
        const std::string target(text.data(), static_cast<std::size_t>(length));
        if (target.empty())
            return current;
        if (target.front() == '/') {
            current = target;
        } else {
            const std::size_t cut = current.rfind('/');
            if (cut == std::string::npos) {
                current = target;
            } else {
                current.erase(cut + 1);
                current += target;
            }
        }
    }
    return current;
}

std::unique_ptr<File> PosixFileSystem::openLockFile(const std::string& path, FileError* error)
{
    ModeRule rule;
    rule.write = true;
    rule.disposition = Disposition::OpenAlways; // kept as it is when present
    // Opened for reading only: everyone who may read the lock file can take
    // it, and it is created owner-only until ReplaceLock gives it the guarded
    // file's permissions.
    return openWithRule(path, rule, error, 0600, O_NOFOLLOW, false);
}

std::unique_ptr<FileSystem> makeSystemFileSystem()
{
    return std::make_unique<PosixFileSystem>();
}

} // namespace morva::platform
