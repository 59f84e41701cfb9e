#include "platform/WindowsFileSystem.h"

#include "platform/ScratchDir.h"
#include "platform/WindowsText.h"
#include "platform/windows/ChildProcess.h"

#include <aclapi.h>
#include <gtest/gtest.h>
#include <sddl.h>
#include <set>
#include <windows.h>

using namespace morva::platform;
using morva::test::FileHolder;
using morva::test::ScratchDir;

namespace {

struct SharePair
{
    int first;
    int second;
    bool secondOpens;
};

// The Windows rule, as the system applies it to the numbered modes.
const SharePair kSharePairs[] = {
    {1, 1, true},  {1, 7, true},  {1, 3, true},  {3, 1, true},  {5, 1, true},
    {1, 2, false}, {2, 1, false}, {3, 3, false}, {3, 2, false}, {2, 2, false},
    {1, 4, false}, {5, 5, false}, {10, 1, true}, {1, 10, true}, {7, 5, true},
};

class WindowsShareRule : public ::testing::TestWithParam<SharePair>
{
};

TEST_P(WindowsShareRule, SecondOpenFollowsTheSystemRule)
{
    const SharePair& pair = GetParam();
    ScratchDir dir;
    dir.write("DataAlia.DAT", "record");
    WindowsFileSystem fs;
    FileError error = FileError::None;
    auto first = fs.open(dir.path("DataAlia.DAT"), pair.first, &error);
    ASSERT_TRUE(first) << fileErrorName(error);
    auto second = fs.open(dir.path("DataAlia.DAT"), pair.second, &error);
    EXPECT_EQ(second != nullptr, pair.secondOpens) << pair.first << " then " << pair.second;
    if (!pair.secondOpens) {
        EXPECT_EQ(error, FileError::SharingViolation);
    }
    first.reset();
    // A refused open must not have truncated the file another open holds.
    if (!second) {
        EXPECT_EQ(dir.read("DataAlia.DAT"), "record");
    }
}

INSTANTIATE_TEST_SUITE_P(ModePairs, WindowsShareRule, ::testing::ValuesIn(kSharePairs));

TEST(WindowsFileSystem, SharingHoldsAgainstAnotherProcess)
{
    ScratchDir dir;
    dir.write("MORVADTB.LCK", "");
    const std::string path = dir.path("MORVADTB.LCK");
    WindowsFileSystem fs;
    {
        FileHolder holder;
        ASSERT_TRUE(holder.start(path, 2)) << holder.status();
        FileError error = FileError::None;
        EXPECT_FALSE(fs.open(path, 1, &error));
        EXPECT_EQ(error, FileError::SharingViolation);
        EXPECT_FALSE(fs.remove(path, &error));
        EXPECT_EQ(error, FileError::SharingViolation);
        EXPECT_EQ(holder.stop(), 0);
    }
    // The handle goes with the holder's process.
    EXPECT_TRUE(fs.open(path, 2));

    FileHolder reader;
    ASSERT_TRUE(reader.start(path, 1)) << reader.status();
    EXPECT_TRUE(fs.open(path, 7));
    FileError error = FileError::None;
    EXPECT_FALSE(fs.open(path, 2, &error));
    EXPECT_EQ(error, FileError::SharingViolation);
}

TEST(WindowsFileSystem, DispositionsAndRefusedModes)
{
    ScratchDir dir;
    WindowsFileSystem fs;
    FileError error = FileError::None;
    EXPECT_FALSE(fs.open(dir.path("missing"), 2, &error));
    EXPECT_EQ(error, FileError::NotFound);
    EXPECT_FALSE(fs.open(dir.path("no-dir\\x"), 4, &error));
    EXPECT_EQ(error, FileError::NotFound);
    for (int mode : {0, 6, 8, 11, -1}) {
        EXPECT_FALSE(fs.open(dir.path("x"), mode, &error)) << mode;
        EXPECT_EQ(error, FileError::InvalidMode) << mode;
    }
    EXPECT_FALSE(dir.exists("x"));

    dir.write("a", "old bytes");
    EXPECT_TRUE(fs.open(dir.path("a"), 5));
    EXPECT_EQ(dir.read("a"), "old bytes");
    EXPECT_FALSE(fs.open(dir.path("a"), 9, &error));
    EXPECT_EQ(error, FileError::AlreadyExists);
    EXPECT_TRUE(fs.open(dir.path("a"), 4));
    EXPECT_EQ(dir.read("a"), "");
    EXPECT_TRUE(fs.open(dir.path("new5"), 5));
    EXPECT_TRUE(fs.open(dir.path("new9"), 9));
    EXPECT_TRUE(dir.exists("new5") && dir.exists("new9"));

    std::filesystem::create_directory(dir.path("sub"));
    EXPECT_FALSE(fs.open(dir.path("sub"), 1, &error));
    EXPECT_EQ(error, FileError::IsDirectory);
}

TEST(WindowsFileSystem, PositionedIoAndReadOnlyOpens)
{
    ScratchDir dir;
    WindowsFileSystem fs;
    auto file = fs.open(dir.path("DataBloc.DAT"), 4);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->writeAt(0, "|a|\r\n", 5));
    ASSERT_TRUE(file->writeAt(10, "|b|\r\n", 5)); // leaves a gap of zeros
    std::uint64_t size = 0;
    ASSERT_TRUE(file->size(&size));
    EXPECT_EQ(size, 15u);
    char buffer[16] = {};
    std::size_t got = 0;
    ASSERT_TRUE(file->readAt(10, buffer, sizeof(buffer), &got));
    EXPECT_EQ(std::string(buffer, got), "|b|\r\n");
    ASSERT_TRUE(file->readAt(40, buffer, sizeof(buffer), &got));
    EXPECT_EQ(got, 0u);
    EXPECT_TRUE(file->sync());
    EXPECT_TRUE(file->close());
    EXPECT_FALSE(file->isOpen());
    EXPECT_FALSE(file->writeAt(0, "x", 1));

    auto reader = fs.open(dir.path("DataBloc.DAT"), 1);
    ASSERT_TRUE(reader);
    EXPECT_FALSE(reader->writeAt(0, "x", 1));
    EXPECT_EQ(reader->lastError(), FileError::AccessDenied);
    ASSERT_TRUE(reader->readAt(0, buffer, 3, &got));
    EXPECT_EQ(std::string(buffer, got), "|a|");
}

TEST(WindowsFileSystem, RenameReplacesUnlessTheTargetIsHeld)
{
    ScratchDir dir;
    WindowsFileSystem fs;
    dir.write("Morva.ini", "old");
    dir.write("new.tmp", "new");
    FileError error = FileError::None;
    {
        FileHolder holder;
        ASSERT_TRUE(holder.start(dir.path("Morva.ini"), 1)) << holder.status();
        EXPECT_FALSE(fs.rename(dir.path("new.tmp"), dir.path("Morva.ini"), &error));
        EXPECT_TRUE(error == FileError::AccessDenied || error == FileError::SharingViolation)
            << fileErrorName(error);
        EXPECT_EQ(dir.read("Morva.ini"), "old");
        EXPECT_EQ(dir.read("new.tmp"), "new");
    }
    EXPECT_TRUE(fs.rename(dir.path("new.tmp"), dir.path("Morva.ini"), &error))
        << fileErrorName(error);
    EXPECT_EQ(dir.read("Morva.ini"), "new");
    EXPECT_FALSE(dir.exists("new.tmp"));
    EXPECT_FALSE(fs.rename(dir.path("new.tmp"), dir.path("Morva.ini"), &error));
    EXPECT_EQ(error, FileError::NotFound);
    EXPECT_FALSE(fs.remove(dir.path("new.tmp"), &error));
    EXPECT_EQ(error, FileError::NotFound);
    EXPECT_TRUE(fs.remove(dir.path("Morva.ini")));
}

struct RenameCase
{
    unsigned long posixResult;
    bool alreadyUnsupported;
    bool expectPosixCall;
    bool expectMoveCall;
    bool expectUnsupportedAfter;
    unsigned long expectedResult;
};

class RenameFallback : public ::testing::TestWithParam<RenameCase>
{
};

// Wine lacks POSIX-semantics renames (it answers 87), so the path that uses
// them is checked here through the order of the calls.
TEST_P(RenameFallback, UsesMoveOnlyWhenPosixRenameIsUnavailable)
{
    const RenameCase& row = GetParam();
    bool posixCalled = false;
    bool moveCalled = false;
    RenameCalls calls{[&](const std::wstring&, const std::wstring&) {
                          posixCalled = true;
                          return row.posixResult;
                      },
                      [&](const std::wstring& from, const std::wstring& to) {
                          moveCalled = true;
                          EXPECT_EQ(from, L"a");
                          EXPECT_EQ(to, L"b");
                          return 0ul;
                      }};
    std::atomic<bool> unsupported{row.alreadyUnsupported};
    EXPECT_EQ(renameReplacing(L"a", L"b", calls, &unsupported), row.expectedResult);
    EXPECT_EQ(posixCalled, row.expectPosixCall);
    EXPECT_EQ(moveCalled, row.expectMoveCall);
    EXPECT_EQ(unsupported.load(), row.expectUnsupportedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Results, RenameFallback,
    ::testing::Values(
        RenameCase{0, false, true, false, false, 0},
        RenameCase{ERROR_INVALID_PARAMETER, false, true, true, true, 0},
        RenameCase{ERROR_NOT_SUPPORTED, false, true, true, true, 0},
        // A held target is not a missing feature: no second try.
        RenameCase{ERROR_ACCESS_DENIED, false, true, false, false, ERROR_ACCESS_DENIED},
        RenameCase{ERROR_SHARING_VIOLATION, false, true, false, false, ERROR_SHARING_VIOLATION},
        RenameCase{0, true, false, true, true, 0}));

TEST(WindowsFileSystem, TemporaryFilesAreNewAndExclusive)
{
    ScratchDir dir;
    WindowsFileSystem fs;
    std::set<std::string> paths;
    for (int i = 0; i < 20; ++i) {
        std::string path;
        auto file = fs.createTemporary(dir.path(""), "Morva.ini.", &path);
        ASSERT_TRUE(file);
        EXPECT_EQ(path.rfind(dir.path("Morva.ini."), 0), 0u) << path;
        FileError error = FileError::None;
        EXPECT_FALSE(fs.open(path, 1, &error));
        EXPECT_EQ(error, FileError::SharingViolation);
        paths.insert(path);
    }
    EXPECT_EQ(paths.size(), 20u);
    FileError error = FileError::None;
    std::string path;
    EXPECT_FALSE(fs.createTemporary(dir.path("missing"), "x", &path, &error));
    EXPECT_EQ(error, FileError::NotFound);
}

std::wstring daclText(const std::wstring& path)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    PACL dacl = nullptr;
    if (GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &dacl, nullptr, &descriptor) != ERROR_SUCCESS)
        return L"(unreadable)";
    LPWSTR text = nullptr;
    std::wstring out;
    if (ConvertSecurityDescriptorToStringSecurityDescriptorW(
            descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text, nullptr)) {
        out = text;
        LocalFree(text);
    }
    LocalFree(descriptor);
    return out;
}

TEST(WindowsFileSystem, CopyAttributesCarriesTheDacl)
{
    ScratchDir dir;
    WindowsFileSystem fs;
    dir.write("Morva.ini", "x");
    dir.write("copy", "y");
    const std::wstring original = widen(dir.path("Morva.ini"));
    // A protected DACL unlike the one a new file inherits: full access for
    // the administrators, read for everyone.
    PSECURITY_DESCRIPTOR wanted = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(
        L"D:P(A;;FA;;;BA)(A;;FR;;;WD)", SDDL_REVISION_1, &wanted, nullptr));
    BOOL present = FALSE, defaulted = FALSE;
    PACL dacl = nullptr;
    GetSecurityDescriptorDacl(wanted, &present, &dacl, &defaulted);
    ASSERT_EQ(SetNamedSecurityInfoW(const_cast<wchar_t*>(original.c_str()), SE_FILE_OBJECT,
                                    DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                    nullptr, nullptr, dacl, nullptr),
              static_cast<DWORD>(ERROR_SUCCESS));
    LocalFree(wanted);
    const std::wstring before = daclText(original);
    const bool keptByFileSystem = before.rfind(L"D:P", 0) == 0;

    FileError error = FileError::None;
    ASSERT_TRUE(fs.copyAttributes(dir.path("Morva.ini"), dir.path("copy"), &error))
        << fileErrorName(error);
    EXPECT_FALSE(fs.copyAttributes(dir.path("missing"), dir.path("copy"), &error));
    EXPECT_EQ(error, FileError::NotFound);
    if (!keptByFileSystem)
        GTEST_SKIP() << "this file system does not keep a DACL that is set (Wine derives "
                        "it from the Unix mode): the copy cannot be told apart";
    EXPECT_EQ(daclText(widen(dir.path("copy"))), before);
}

TEST(WindowsFileSystem, ListsMatchingFilesByTheirOwnNames)
{
    ScratchDir dir;
    WindowsFileSystem fs;
    for (const char* name : {"b.pem", "A.PEM", "c.pemx", "d.txt"})
        dir.write(name, "x");
    std::filesystem::create_directory(dir.path("dir.pem"));
    EXPECT_EQ(fs.list(dir.path(""), "*.pem"), (std::vector<std::string>{"A.PEM", "b.pem"}));
    EXPECT_EQ(fs.list(dir.path(""), "?.txt"), (std::vector<std::string>{"d.txt"}));
    EXPECT_TRUE(fs.list(dir.path("missing"), "*").empty());

    const FileStat file = fs.stat(dir.path("d.txt"));
    EXPECT_TRUE(file.exists);
    EXPECT_FALSE(file.isDirectory);
    EXPECT_EQ(file.size, 1u);
    EXPECT_GT(file.lastWriteNs, 1600000000LL * 1000000000LL); // after 2020
    EXPECT_TRUE(fs.stat(dir.path("dir.pem")).isDirectory);
    EXPECT_FALSE(fs.stat(dir.path("missing")).exists);
    EXPECT_EQ(fs.separator(), '\\');
}

TEST(WindowsFileSystem, EightBitPathsGoThroughTheAnsiCodePage)
{
    ScratchDir dir;
    WindowsFileSystem fs;
    // 0xE4 is a letter in every Western ANSI code page.
    const std::string name = "Gateway \xe4.ini";
    wchar_t expected[16] = {};
    ASSERT_GT(MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, expected, 16), 0);
    ASSERT_TRUE(fs.open(dir.path("") + name, 4));
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(dir.path("")) / expected));
    EXPECT_EQ(fs.list(dir.path(""), "*.ini"), std::vector<std::string>{name});

    std::string back;
    EXPECT_TRUE(narrow(widen(name), &back));
    EXPECT_EQ(back, name);
    // A character outside the ANSI code page has no 8-bit form.
    EXPECT_FALSE(narrow(L"\x4e2d", &back));
}

} // namespace
