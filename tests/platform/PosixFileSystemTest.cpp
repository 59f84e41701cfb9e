#include "platform/PosixFileSystem.h"

#include "platform/FileHolderProcess.h"
#include "platform/ScratchDir.h"
#include "platform/WildcardMatch.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace morva::platform;
using morva::test::FileHolderProcess;
using morva::test::ScratchDir;

namespace {

struct SharePair
{
    OpenMode first;
    OpenMode second;
    bool secondOpens;
};

class ShareRule : public ::testing::TestWithParam<SharePair>
{
};

// Read-only opens (1, 7) share everything; the read/write modes 3, 5, 10
// share reading only; 2 and 4 share nothing.
const SharePair kSharePairs[] = {
    {1, 1, true},   {1, 7, true},  {7, 1, true},  {1, 3, true},  {3, 1, true},  {1, 5, true},
    {5, 7, true},   {10, 1, true}, {1, 10, true}, {3, 3, false}, {3, 5, false}, {5, 10, false},
    {10, 3, false}, {1, 2, false}, {2, 1, false}, {1, 4, false}, {4, 1, false}, {2, 2, false},
    {4, 4, false},  {3, 2, false}, {2, 3, false}, {4, 5, false},
};

} // namespace

TEST_P(ShareRule, SecondOpenInSameProcessFollowsWindowsRule)
{
    ScratchDir scratch;
    scratch.write("f", "data");
    PosixFileSystem fs;
    const SharePair pair = GetParam();
    auto first = fs.open(scratch.path("f"), pair.first);
    ASSERT_TRUE(first);
    const std::string before = scratch.read("f");
    FileError error = FileError::None;
    auto second = fs.open(scratch.path("f"), pair.second, &error);
    EXPECT_EQ(bool(second), pair.secondOpens);
    if (!pair.secondOpens) {
        EXPECT_EQ(error, FileError::SharingViolation);
        // A refused "create always" must not have truncated the held file.
        EXPECT_EQ(scratch.read("f"), before);
    }
    second.reset();
    ASSERT_TRUE(first->close());
    EXPECT_TRUE(fs.open(scratch.path("f"), pair.second)) << "closing released the share locks";
}

INSTANTIATE_TEST_SUITE_P(ModePairs, ShareRule, ::testing::ValuesIn(kSharePairs));

TEST(PosixFileSystem, SharingHoldsAgainstAnotherProcess)
{
    ScratchDir scratch;
    scratch.write("DataAlia.DAT", "x");
    PosixFileSystem fs;
    FileHolderProcess holder;
    ASSERT_TRUE(holder.start(scratch.path("DataAlia.DAT"), 2)) << holder.status();
    FileError error = FileError::None;
    EXPECT_FALSE(fs.open(scratch.path("DataAlia.DAT"), 1, &error));
    EXPECT_EQ(error, FileError::SharingViolation);
    EXPECT_FALSE(fs.open(scratch.path("DataAlia.DAT"), 4, &error));
    EXPECT_EQ(scratch.read("DataAlia.DAT"), "x");
    EXPECT_FALSE(fs.remove(scratch.path("DataAlia.DAT"), &error));
    EXPECT_EQ(error, FileError::SharingViolation);
    EXPECT_EQ(holder.stop(), 0);
    EXPECT_TRUE(fs.open(scratch.path("DataAlia.DAT"), 2));

    // And the other way round: our open makes the helper's open fail.
    auto ours = fs.open(scratch.path("DataAlia.DAT"), 3);
    ASSERT_TRUE(ours);
    FileHolderProcess second;
    EXPECT_FALSE(second.start(scratch.path("DataAlia.DAT"), 3));
    EXPECT_EQ(second.status(), "failed in use by another program");
    second.stop();
    FileHolderProcess reader;
    EXPECT_TRUE(reader.start(scratch.path("DataAlia.DAT"), 1)) << "mode 3 shares reading";
}

TEST(PosixFileSystem, DispositionsAndInvalidModes)
{
    ScratchDir scratch;
    PosixFileSystem fs;
    FileError error = FileError::None;
    EXPECT_FALSE(fs.open(scratch.path("missing"), 2, &error));
    EXPECT_EQ(error, FileError::NotFound);
    EXPECT_FALSE(fs.open(scratch.path("missing"), 1, &error));
    EXPECT_EQ(error, FileError::NotFound);
    EXPECT_TRUE(fs.open(scratch.path("five"), 5));
    EXPECT_TRUE(scratch.exists("five"));

    scratch.write("existing", "content");
    EXPECT_FALSE(fs.open(scratch.path("existing"), 9, &error));
    EXPECT_EQ(error, FileError::AlreadyExists);
    EXPECT_TRUE(fs.open(scratch.path("new"), 9));
    auto appended = fs.open(scratch.path("existing"), 5);
    ASSERT_TRUE(appended);
    std::uint64_t size = 0;
    ASSERT_TRUE(appended->size(&size));
    EXPECT_EQ(size, 7u) << "open always keeps the content";
    appended.reset();
    EXPECT_TRUE(fs.open(scratch.path("existing"), 10));
    EXPECT_EQ(scratch.read("existing"), "") << "create always truncates";

    for (OpenMode mode : {0, 6, 8, 11, -1}) {
        error = FileError::None;
        EXPECT_FALSE(fs.open(scratch.path("existing"), mode, &error)) << mode;
        EXPECT_EQ(error, FileError::InvalidMode) << mode;
    }
    EXPECT_FALSE(fs.open(scratch.dir(), 1, &error));
    EXPECT_EQ(error, FileError::IsDirectory);
}

TEST(PosixFileSystem, PositionedIoAndReadOnlyOpens)
{
    ScratchDir scratch;
    PosixFileSystem fs;
    auto file = fs.open(scratch.path("f"), 4);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->writeAt(4, "WXYZ", 4));
    ASSERT_TRUE(file->writeAt(0, "abcd", 4));
    char buffer[16] = {};
    std::size_t got = 0;
    ASSERT_TRUE(file->readAt(2, buffer, sizeof buffer, &got));
    EXPECT_EQ(std::string(buffer, got), "cdWXYZ") << "a short read only at the end";
    ASSERT_TRUE(file->sync());
    ASSERT_TRUE(file->close());
    EXPECT_FALSE(file->isOpen());

    auto reader = fs.open(scratch.path("f"), 1);
    ASSERT_TRUE(reader);
    EXPECT_FALSE(reader->writeAt(0, "no", 2));
    EXPECT_EQ(reader->lastError(), FileError::AccessDenied);
    EXPECT_EQ(scratch.read("f"), "abcdWXYZ");
}

// A temporary hands its pages to the disk while it is written; what was
// written, in any order and across the hand-over points, must read back.
TEST(PosixFileSystem, TemporaryWrittenInManyPiecesReadsBack)
{
    ScratchDir scratch;
    PosixFileSystem fs;
    std::string path;
    auto file = fs.createTemporary(scratch.dir(), "~big.", &path);
    ASSERT_TRUE(file);
    std::string expected(3 * 1024 * 1024 + 12345, '\0');
    for (std::size_t i = 0; i < expected.size(); ++i)
        expected[i] = static_cast<char>('a' + (i * 7 + i / 4096) % 26);
    const std::size_t piece = 700 * 1024;
    // The second piece last, after the others have passed a megabyte.
    std::vector<std::size_t> order;
    for (std::size_t at = 0; at < expected.size(); at += piece)
        order.push_back(at);
    std::rotate(order.begin() + 1, order.begin() + 2, order.end());
    for (std::size_t at : order) {
        const std::size_t length = std::min(piece, expected.size() - at);
        ASSERT_TRUE(file->writeAt(at, expected.data() + at, length)) << at;
    }
    ASSERT_TRUE(file->sync());
    ASSERT_TRUE(file->close());
    EXPECT_TRUE(scratch.read(path.substr(scratch.dir().size())) == expected);
}

TEST(PosixFileSystem, ReadOnlyDirectoryIsReported)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes everywhere";
    ScratchDir scratch;
    ::chmod(scratch.dir().c_str(), 0555);
    PosixFileSystem fs;
    FileError error = FileError::None;
    EXPECT_FALSE(fs.open(scratch.path("MORVADTB.LCK"), 4, &error));
    EXPECT_EQ(error, FileError::AccessDenied);
    std::string path;
    EXPECT_FALSE(fs.createTemporary(scratch.dir(), "tmp", &path, &error));
    EXPECT_EQ(error, FileError::AccessDenied);
}

TEST(PosixFileSystem, RenameAndRemoveRespectOpenFiles)
{
    ScratchDir scratch;
    scratch.write("target", "old");
    PosixFileSystem fs;
    std::string temporary;
    auto temp = fs.createTemporary(scratch.dir(), "Morva.ini.", &temporary);
    ASSERT_TRUE(temp);
    EXPECT_EQ(temporary.rfind(scratch.path("Morva.ini."), 0), 0u);
    ASSERT_TRUE(temp->writeAt(0, "new", 3));
    ASSERT_TRUE(temp->close());

    auto reader = fs.open(scratch.path("target"), 1);
    FileError error = FileError::None;
    EXPECT_FALSE(fs.rename(temporary, scratch.path("target"), &error));
    EXPECT_EQ(error, FileError::AccessDenied);
    EXPECT_EQ(scratch.read("target"), "old");
    reader.reset();
    ASSERT_TRUE(fs.copyAttributes(scratch.path("target"), temporary));
    ASSERT_TRUE(fs.rename(temporary, scratch.path("target")));
    ASSERT_TRUE(fs.syncDirectory(scratch.dir()));
    EXPECT_EQ(scratch.read("target"), "new");

    EXPECT_TRUE(fs.remove(scratch.path("target")));
    EXPECT_FALSE(fs.remove(scratch.path("target"), &error));
    EXPECT_EQ(error, FileError::NotFound);
    EXPECT_FALSE(fs.stat(scratch.path("target")).exists);
}

TEST(PosixFileSystem, ListsMatchingRegularFilesSorted)
{
    ScratchDir scratch;
    for (const char* name : {"b.pem", "A.PEM", "c.pem.bak", "notes.txt"})
        scratch.write(name, "");
    ::mkdir(scratch.path("dir.pem").c_str(), 0755);
    PosixFileSystem fs;
    EXPECT_EQ(fs.list(scratch.dir(), "*.pem"), (std::vector<std::string>{"A.PEM", "b.pem"}));
    EXPECT_TRUE(fs.list(scratch.path("absent"), "*").empty());
    FileStat stat = fs.stat(scratch.path("dir.pem"));
    EXPECT_TRUE(stat.exists);
    EXPECT_TRUE(stat.isDirectory);
}

// An open that waited for the other end of a pipe would never return: the
// alarm ends such a test instead of hanging the suite.
class AlarmGuard
{
public:
    explicit AlarmGuard(unsigned seconds) { ::alarm(seconds); }
    ~AlarmGuard() { ::alarm(0); }
};

TEST(PosixFileSystem, EveryModeRefusesPipesAndDevicesWithoutWaiting)
{
    ScratchDir scratch;
    ASSERT_EQ(::mkfifo(scratch.path("GW.log").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", scratch.path("zero").c_str()), 0);
    PosixFileSystem fs;
    AlarmGuard guard(10);
    for (OpenMode mode : {1, 2, 3, 4, 5, 7, 10}) {
        for (const std::string& path :
             {scratch.path("GW.log"), std::string("/dev/null"), scratch.path("zero")}) {
            FileError error = FileError::None;
            EXPECT_FALSE(fs.open(path, mode, &error)) << path << " in mode " << mode;
            // Writing to /dev/null is not permitted to everybody; either
            // way nothing was opened.
            if (error != FileError::AccessDenied) {
                EXPECT_EQ(error, FileError::NotRegular) << path << " in mode " << mode;
            }
        }
    }
    struct stat info
    {
    };
    ASSERT_EQ(::stat(scratch.path("GW.log").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "create always left the pipe alone";
    // An opened regular file reads and writes with blocking calls again.
    scratch.write("plain", "x");
    EXPECT_TRUE(fs.open(scratch.path("plain"), 1));
}

TEST(PosixFileSystem, NoFollowRefusesLinksAndLeavesTheirTargetsAlone)
{
    ScratchDir scratch;
    scratch.write("target", "precious");
    ASSERT_EQ(::symlink(scratch.path("target").c_str(), scratch.path("MORVADTB.LCK").c_str()), 0);
    ASSERT_EQ(::symlink(scratch.path("nowhere").c_str(), scratch.path("Stat.sig").c_str()), 0);
    PosixFileSystem fs;
    for (OpenMode mode : {1, 2, 4, 5, 9, 10}) {
        // "Create new" finds the name taken before it could follow anything.
        const FileError expected = mode == 9 ? FileError::AlreadyExists : FileError::IsLink;
        for (const char* name : {"MORVADTB.LCK", "Stat.sig"}) {
            FileError error = FileError::None;
            EXPECT_FALSE(fs.open(scratch.path(name), mode | kOpenNoFollow, &error)) << mode;
            EXPECT_EQ(error, expected) << name << " in mode " << mode;
        }
    }
    EXPECT_EQ(scratch.read("target"), "precious");
    EXPECT_FALSE(scratch.exists("nowhere")) << "a dangling link does not create its target";

    // Without the flag a link is followed, as for a log file kept elsewhere.
    EXPECT_TRUE(fs.open(scratch.path("MORVADTB.LCK"), 1));
    // A plain file opens with the flag as without it.
    scratch.write("OSMTP.sig", "left over");
    EXPECT_TRUE(fs.open(scratch.path("OSMTP.sig"), 4 | kOpenNoFollow));
    EXPECT_EQ(scratch.read("OSMTP.sig"), "");
    FileError error = FileError::None;
    EXPECT_FALSE(fs.open(scratch.path("OSMTP.sig"), 4 | 0x200, &error));
    EXPECT_EQ(error, FileError::InvalidMode);
}

TEST(WildcardMatch, MatchesLikeADirectorySearch)
{
    struct Row
    {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Row rows[] = {
        {"cert.pem", "*.pem", true},
        {"CERT.PEM", "*.pem", true},
        {"cert.pem2", "*.pem", false},
        {".pem", "*.pem", true},
        {"a.b.pem", "*.pem", true},
        {"x", "?", true},
        {"xy", "?", false},
        {"", "*", true},
        {"abc", "a*c*", true},
        {"aXbXc", "a*b*c", true},
        {"ab", "a*b*c", false},
        {"anything", "*", true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(matchesWildcard(row.name, row.pattern), row.matches)
            << row.name << " / " << row.pattern;
    EXPECT_FALSE(matchesWildcard(std::string(5000, 'a'), std::string(2000, '*') + "b"));
}
