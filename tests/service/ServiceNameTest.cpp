#include "service/ServiceName.h"

#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>
#include <string>

using namespace morva;
using morva::test::MemoryFileSystem;

namespace {

const std::string kExe = "C:\\Morva\\gwcored.exe";
const std::string kNameFile = "C:\\Morva\\gwcored.svc";

struct NameFileCase
{
    const char* label;
    std::string contents;
    std::string expected;
};

class ServiceNameFileTest : public ::testing::TestWithParam<NameFileCase>
{
};

TEST_P(ServiceNameFileTest, KeepsOnlyTheNameBytes)
{
    MemoryFileSystem files;
    files.put(kNameFile, GetParam().contents);
    EXPECT_EQ(service::serviceNameFor(files, kExe, "Morva"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, ServiceNameFileTest,
    ::testing::Values(NameFileCase{"NameWithLineEnd", "MorvaGate\r\n", "MorvaGate"},
                      NameFileCase{"BlanksInsideAreDropped", " Morva Gate\t", "MorvaGate"},
                      NameFileCase{"OnlyBlanks", "  \t\r\n ", "Morva"},
                      NameFileCase{"Empty", "", "Morva"},
                      NameFileCase{"LetterZAndAboveDropped", "zMorvaz{Gate}~z", "MorvaGate"},
                      NameFileCase{"Exactly256Bytes", std::string(256, 'A'), std::string(256, 'A')},
                      NameFileCase{"Over256Bytes", std::string(257, 'A'), "Morva"},
                      NameFileCase{"BinaryGarbage", std::string("\x00\xff\x80!a\x01y\x7f", 8),
                                   "!ay"}),
    [](const auto& row) { return row.param.label; });

TEST(ServiceNameTest, MissingOrUnreadableFileGivesTheDefault)
{
    MemoryFileSystem files;
    EXPECT_EQ(service::serviceNameFor(files, kExe, "Morva"), "Morva");
    files.put(kNameFile, "Other");
    files.failOpen(kNameFile, platform::FileError::SharingViolation);
    EXPECT_EQ(service::serviceNameFor(files, kExe, "Morva"), "Morva");
    files.clearFailures();
    EXPECT_EQ(service::serviceNameFor(files, kExe, "Morva"), "Other");
}

TEST(ServiceNameTest, PathsBesideTheExecutable)
{
    EXPECT_EQ(service::serviceNameFilePath("C:\\My.Dir\\gwcored"), "C:\\My.Dir\\gwcored.svc");
    EXPECT_EQ(service::serviceNameFilePath("/opt/morva/gwcored.exe"), "/opt/morva/gwcored.svc");
    EXPECT_EQ(service::defaultExecutablePath("C:\\Morva\\", "C:\\Morva\\MorvaAdmin.EXE"),
              "C:\\Morva\\gwcored.EXE");
    // A console without an extension still controls the Windows program.
    EXPECT_EQ(service::defaultExecutablePath("/opt/morva/", "/usr/bin/morva-admin"),
              "/opt/morva/gwcored.exe");
    EXPECT_EQ(service::defaultExecutablePath("/opt/morva/", "/usr/my.bin/morva-admin"),
              "/opt/morva/gwcored.exe");
}

} // namespace
