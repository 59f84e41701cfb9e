#include "platform/ServiceManager.h"

#include "platform/testing/FakeServiceManager.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

using namespace morva::platform;

namespace {

struct CommandLineCase
{
    const char* path;
    const char* expected; // nullptr: refused
};

class ServiceCommandLineTest : public ::testing::TestWithParam<CommandLineCase>
{
};

TEST_P(ServiceCommandLineTest, QuotesAbsolutePathsAndRefusesUnsafeOnes)
{
    const CommandLineCase& row = GetParam();
    std::string commandLine = "untouched";
    const bool ok = serviceCommandLine(row.path, &commandLine);
    if (row.expected) {
        EXPECT_TRUE(ok) << row.path;
        EXPECT_EQ(commandLine, row.expected);
    } else {
        EXPECT_FALSE(ok) << row.path;
        EXPECT_EQ(commandLine, "untouched");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ServiceCommandLineTest,
    ::testing::Values(
        CommandLineCase{"C:\\Program Files\\Morva\\gwcored.exe",
                        "\"C:\\Program Files\\Morva\\gwcored.exe\""},
        CommandLineCase{"d:/morva/gwcored.exe", "\"d:/morva/gwcored.exe\""},
        CommandLineCase{"\\\\server\\share\\gwcored.exe", "\"\\\\server\\share\\gwcored.exe\""},
        CommandLineCase{"\\\\?\\C:\\Morva\\gwcored.exe", "\"\\\\?\\C:\\Morva\\gwcored.exe\""},
        CommandLineCase{"C:\\Gate w\xe4y\\gwcored.exe", "\"C:\\Gate w\xe4y\\gwcored.exe\""},
        CommandLineCase{"", nullptr}, CommandLineCase{"gwcored.exe", nullptr},
        CommandLineCase{"Morva\\gwcored.exe", nullptr},
        CommandLineCase{"C:gwcored.exe", nullptr},        // relative to the drive's directory
        CommandLineCase{"\\Morva\\gwcored.exe", nullptr}, // relative to the current drive
        CommandLineCase{"/opt/morva/gwcored.exe", nullptr}, CommandLineCase{"\\\\", nullptr},
        CommandLineCase{"C:\\Morva\\gwcored.exe\" -evil", nullptr},
        CommandLineCase{"C:\\Morva\\gw\ncored.exe", nullptr},
        CommandLineCase{"C:\\Morva\\gw\tcored.exe", nullptr},
        CommandLineCase{"C:\\Morva\\gwcored.exe\x7f", nullptr}));

TEST(PosixServiceManagerTest, EveryOperationFails)
{
#ifdef _WIN32
    GTEST_SKIP() << "the Windows backend has its own tests";
#else
    auto manager = makeSystemServiceManager();
    std::uint32_t state = 99;
    EXPECT_EQ(manager->queryServiceState("Morva", &state).error, ServiceError::Unsupported);
    EXPECT_EQ(state, 99u);
    EXPECT_FALSE(manager->installService("C:\\Morva\\gwcored.exe", "Morva"));
    EXPECT_FALSE(manager->startService("Morva"));
    EXPECT_FALSE(manager->controlService("Morva", kServiceControlStop));
    EXPECT_FALSE(manager->removeService("Morva"));
#endif
}

TEST(FakeServiceManagerTest, StopStaysPendingForTheScriptedQueriesAndRemoveWaitsForStop)
{
    FakeServiceManager manager;
    manager.addService("Morva", kServiceRunning);
    manager.setStopPendingQueries(2);
    ASSERT_TRUE(manager.controlService("Morva", kServiceControlStop));
    ASSERT_TRUE(manager.removeService("Morva"));
    std::uint32_t state = 0;
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(manager.queryServiceState("Morva", &state));
        EXPECT_EQ(state, kServiceStopPending);
    }
    ASSERT_TRUE(manager.queryServiceState("Morva", &state));
    EXPECT_EQ(state, kServiceStopped);
    EXPECT_EQ(manager.queryServiceState("Morva", &state).error, ServiceError::NotInstalled);
}

TEST(FakeServiceManagerTest, ScriptedFailureCountsDown)
{
    FakeServiceManager manager;
    manager.addService("Morva");
    manager.failOperation(FakeServiceManager::Operation::Start, ServiceError::AccessDenied, 1);
    EXPECT_EQ(manager.startService("Morva").error, ServiceError::AccessDenied);
    EXPECT_TRUE(manager.startService("Morva"));
    EXPECT_EQ(manager.commandLineOf("Morva"), "");
    EXPECT_EQ(manager.installService("C:\\x\\gwcored.exe", "Other").error, ServiceError::None);
    EXPECT_EQ(manager.commandLineOf("Other"), "\"C:\\x\\gwcored.exe\"");
}

} // namespace
