#include "platform/testing/FaultInjectingFileSystem.h"

#include "platform/PosixFileSystem.h"
#include "platform/ScratchDir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace morva::platform;
using morva::test::ScratchDir;
using Op = FaultInjectingFileSystem::Operation;
using Fault = FaultInjectingFileSystem::Fault;

namespace {

// Writes "1", "2", "3" as three separate writes; returns how many succeeded.
int writeThree(FileSystem& fs, const std::string& path)
{
    auto file = fs.open(path, 4);
    if (!file)
        return -1;
    int written = 0;
    for (int i = 0; i < 3; ++i) {
        const char digit = static_cast<char>('1' + i);
        if (file->writeAt(static_cast<std::uint64_t>(i), &digit, 1))
            ++written;
    }
    file->close();
    return written;
}

} // namespace

TEST(FaultInjectingFileSystem, CountsEveryOperationAndForwards)
{
    ScratchDir scratch;
    PosixFileSystem posix;
    FaultInjectingFileSystem fs(posix);
    EXPECT_EQ(writeThree(fs, scratch.path("f")), 3);
    EXPECT_EQ(scratch.read("f"), "123");
    fs.stat(scratch.path("f"));
    fs.list(scratch.dir(), "*");
    EXPECT_EQ(fs.count(Op::Open), 1u);
    EXPECT_EQ(fs.count(Op::WriteAt), 3u);
    EXPECT_EQ(fs.count(Op::Close), 1u);
    EXPECT_EQ(fs.total(), 7u);
    EXPECT_EQ(fs.separator(), '/');
}

TEST(FaultInjectingFileSystem, FailsTheKthOperationOnceOrFromThenOn)
{
    ScratchDir scratch;
    PosixFileSystem posix;
    FaultInjectingFileSystem fs(posix);

    fs.injectFault(2, Fault::FailOnce, FileError::NoSpace, Op::WriteAt);
    EXPECT_EQ(writeThree(fs, scratch.path("once")), 2);
    EXPECT_TRUE(fs.faultFired());
    EXPECT_EQ(scratch.read("once"), std::string("1\0"
                                                "3",
                                                3))
        << "the failed write did nothing";

    fs.injectFault(2, Fault::FailFromThen, FileError::NoSpace, Op::WriteAt);
    EXPECT_EQ(writeThree(fs, scratch.path("then")), 1);
    EXPECT_EQ(scratch.read("then"), "1");

    fs.injectFault(1, Fault::FailOnce, FileError::AccessDenied);
    FileError error = FileError::None;
    EXPECT_FALSE(fs.open(scratch.path("x"), 4, &error));
    EXPECT_EQ(error, FileError::AccessDenied);
    EXPECT_FALSE(scratch.exists("x"));
    EXPECT_TRUE(fs.open(scratch.path("x"), 4));

    fs.injectFault(1, Fault::FailOnce, FileError::Io, Op::Close);
    auto file = fs.open(scratch.path("x"), 2);
    ASSERT_TRUE(file);
    EXPECT_FALSE(file->close());
    EXPECT_EQ(file->lastError(), FileError::Io);
    EXPECT_TRUE(file->isOpen()) << "a failed close keeps the handle";
    EXPECT_TRUE(file->close());
    fs.clearFault();
    EXPECT_TRUE(fs.rename(scratch.path("x"), scratch.path("y")));
}

TEST(FaultInjectingFileSystem, KillEndsTheProcessBeforeTheOperation)
{
    ScratchDir scratch;
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        PosixFileSystem posix;
        FaultInjectingFileSystem fs(posix);
        fs.injectFault(3, Fault::Kill, FileError::Io, Op::WriteAt);
        writeThree(fs, scratch.path("f"));
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    EXPECT_EQ(scratch.read("f"), "12");
}
