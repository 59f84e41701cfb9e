#include "platform/AtomicReplace.h"

#include "platform/Clock.h"
#include "platform/FileHolderProcess.h"
#include "platform/PosixFileSystem.h"
#include "platform/ReplaceLock.h"
#include "platform/ScratchDir.h"

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

using namespace morva::platform;
using morva::test::FileHolderProcess;
using morva::test::ScratchDir;

namespace {

mode_t modeOf(const std::string& path)
{
    struct stat info
    {
    };
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

std::string attribute(const std::string& path, const char* name)
{
    std::vector<char> value(256);
    const ssize_t size = ::getxattr(path.c_str(), name, value.data(), value.size());
    return size < 0 ? std::string() : std::string(value.data(), static_cast<std::size_t>(size));
}

// An access list that lets user 12345 read: owner rw, named user r, group r,
// mask r, others nothing (the system's binary form, entries by tag).
std::string readableByUser12345()
{
    struct Entry
    {
        std::uint16_t tag;
        std::uint16_t perm;
        std::uint32_t id;
    };
    const std::uint32_t none = 0xFFFFFFFFu;
    const Entry entries[] = {
        {0x01, 6, none}, {0x02, 4, 12345}, {0x04, 4, none}, {0x10, 4, none}, {0x20, 0, none}};
    std::string bytes(4, '\0');
    bytes[0] = 2; // version
    for (const Entry& entry : entries)
        bytes.append(reinterpret_cast<const char*>(&entry), sizeof(entry));
    return bytes;
}

} // namespace

TEST(AtomicReplace, NewFileKeepsModeOwnerAndExtendedAttributes)
{
    ScratchDir scratch;
    PosixFileSystem fs;
    FakeClock clock;
    const std::string path = scratch.path("Morva.ini");
    scratch.write("Morva.ini", "old\r\n");
    const bool xattrs = ::setxattr(path.c_str(), "user.origin", "gateway", 7, 0) == 0;
    const std::string acl = readableByUser12345();
    const bool acls =
        ::setxattr(path.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0) == 0;
    const bool root = ::geteuid() == 0;
    if (root) {
        // A change of owner clears setuid and setgid: they must survive it.
        ASSERT_EQ(::chown(path.c_str(), 4321, 4321), 0);
        ASSERT_EQ(::chmod(path.c_str(), 06740), 0);
    } else {
        ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    }
    const mode_t mode = modeOf(path);
    const std::string aclBefore = attribute(path, "system.posix_acl_access");

    ASSERT_TRUE(replaceFileAtomically(fs, clock, path, "new\r\n"));
    EXPECT_EQ(scratch.read("Morva.ini"), "new\r\n");
    EXPECT_EQ(modeOf(path), mode);
    if (root) {
        struct stat info
        {
        };
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, 4321u);
        EXPECT_EQ(info.st_gid, 4321u);
    }
    if (xattrs) {
        EXPECT_EQ(attribute(path, "user.origin"), "gateway");
    }
    if (acls) {
        EXPECT_EQ(attribute(path, "system.posix_acl_access"), aclBefore);
    }
    if (!xattrs || !acls)
        GTEST_SKIP() << "the file system keeps no extended attributes or access lists";
}

// Two administrators who may write the program directory, each saving in
// turn as themselves a file that root owns and its group reads: the lock one
// of them created (it can only copy the file's mode, not its owner) does not
// shut the other out, and the file keeps its group (the gateway's group would
// lose it otherwise).
TEST(AtomicReplace, AdministratorsOfOneGroupSaveInTurnAndTheFileKeepsItsGroup)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs the superuser to act as two users";
    ScratchDir scratch;
    const std::string path = scratch.path("Morva.ini");
    constexpr gid_t kShared = 60100;
    ASSERT_EQ(::chmod(scratch.dir().c_str(), 0777), 0);
    scratch.write("Morva.ini", "old\r\n");
    ASSERT_EQ(::chown(path.c_str(), 0, kShared), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);

    auto saveAs = [&](uid_t user, const std::string& text) {
        const pid_t child = ::fork();
        if (child == 0) {
            const gid_t groups[] = {static_cast<gid_t>(user), kShared};
            if (::setgroups(2, groups) != 0 || ::setgid(user) != 0 || ::setuid(user) != 0)
                ::_exit(3);
            ::umask(022);
            PosixFileSystem fs;
            FakeClock clock;
            ReplaceLock lock(fs, clock, path);
            if (!lock.held())
                ::_exit(4);
            ::_exit(replaceFileAtomically(fs, clock, path, text) ? 0 : 5);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(saveAs(60001, "first\r\n"), 0);
    EXPECT_EQ(saveAs(60002, "second\r\n"), 0) << "4: the lock file shut the other user out";
    EXPECT_EQ(saveAs(60001, "third\r\n"), 0);
    EXPECT_EQ(scratch.read("Morva.ini"), "third\r\n");
    for (const std::string& file : {path, replaceLockPath(path)}) {
        struct stat info
        {
        };
        ASSERT_EQ(::stat(file.c_str(), &info), 0);
        EXPECT_EQ(info.st_gid, kShared) << file;
        EXPECT_EQ(info.st_mode & 0777, 0644u) << file;
    }
}

TEST(AtomicReplace, LeftoverTemporariesOfThisFileAloneAreRemoved)
{
    ScratchDir scratch;
    PosixFileSystem fs;
    const char* const ours[] = {"~Morva.ini.abcd1234", "~Morva.ini.zz00zz00"};
    const char* const others[] = {"~Morva.ini.abcd123",
                                  "~Morva.ini.ABCD1234",
                                  "~Morva.ini.abcd12345",
                                  "~Morva.ini.abcd-234",
                                  "~Other.ini.abcd1234",
                                  "Morva.ini.lock",
                                  "Morva.ini"};
    for (const char* name : ours)
        scratch.write(name, "left behind");
    for (const char* name : others)
        scratch.write(name, "someone else's");
    std::filesystem::create_directory(scratch.path("~Morva.ini.dir01234"));
    // A temporary that a running save still holds is not left over.
    scratch.write("~Morva.ini.held0000", "being written");
    FileHolderProcess writer;
    ASSERT_TRUE(writer.start(scratch.path("~Morva.ini.held0000"), 2)) << writer.status();

    EXPECT_EQ(removeLeftoverTemporaries(fs, scratch.path("Morva.ini")), 2u);
    for (const char* name : ours)
        EXPECT_FALSE(scratch.exists(name)) << name;
    for (const char* name : others)
        EXPECT_TRUE(scratch.exists(name)) << name;
    EXPECT_TRUE(scratch.exists("~Morva.ini.dir01234"));
    EXPECT_TRUE(scratch.exists("~Morva.ini.held0000"));
    EXPECT_EQ(writer.stop(), 0);

    // The temporary of a replace has the name the clean-up looks for.
    std::string temporary;
    auto file = fs.createTemporary(scratch.dir(), "~Morva.ini.", &temporary);
    ASSERT_TRUE(file);
    EXPECT_TRUE(
        isTemporaryNameOf(std::filesystem::path(temporary).filename().string(), "Morva.ini"))
        << temporary;
    EXPECT_EQ(modeOf(temporary), 0600u) << "owner-only before anything is written";
}

TEST(AtomicReplace, LockFileIsExclusiveOwnerOnlyAndNeverFollowsALink)
{
    ScratchDir scratch;
    PosixFileSystem fs;
    const std::string lock = scratch.path("Morva.ini.lock");
    ::umask(022);
    auto held = fs.openLockFile(lock);
    ASSERT_TRUE(held);
    EXPECT_EQ(modeOf(lock), 0600u);
    FileError error = FileError::None;
    EXPECT_FALSE(fs.openLockFile(lock, &error));
    EXPECT_EQ(error, FileError::SharingViolation);
    FileHolderProcess other;
    EXPECT_FALSE(other.start(lock, 5)) << "another process cannot take it either";
    other.stop();
    held.reset();
    EXPECT_TRUE(fs.openLockFile(lock));

    scratch.write("victim", "keep");
    std::filesystem::create_symlink(scratch.path("victim"), scratch.path("planted.lock"));
    EXPECT_FALSE(fs.openLockFile(scratch.path("planted.lock")));
    EXPECT_EQ(scratch.read("victim"), "keep");
}
