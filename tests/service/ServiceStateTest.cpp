#include "service/ServiceState.h"

#include "platform/testing/FakeServiceManager.h"
#include "resources/Texts.h"
#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>
#include <string>

using namespace morva;
using namespace morva::platform;

namespace {

struct StateCase
{
    bool exists;
    bool installed;
    std::uint32_t state;
    int code;
    const char* english;
    bool start, stop, install, remove;
};

class ServiceStateTableTest : public ::testing::TestWithParam<StateCase>
{
};

TEST_P(ServiceStateTableTest, RowGivesCodeTextAndButtons)
{
    const StateCase& row = GetParam();
    test::MemoryFileSystem files;
    if (row.exists)
        files.put("C:\\Morva\\gwcored.exe", "MZ");
    FakeServiceManager manager;
    if (row.installed)
        manager.addService("Morva", row.state);

    const service::ServiceStateInfo info =
        service::serviceState(files, manager, "C:\\Morva\\gwcored.exe", "Morva");
    EXPECT_EQ(info.code, row.code);
    EXPECT_EQ(text(info.textId, English), row.english);
    for (int language = German; language < kLanguageCount; ++language)
        EXPECT_NE(text(info.textId, language), info.textId) << language;
    EXPECT_EQ(info.canStart, row.start);
    EXPECT_EQ(info.canStop, row.stop);
    EXPECT_EQ(info.canInstall, row.install);
    EXPECT_EQ(info.canRemove, row.remove);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ServiceStateTableTest,
    ::testing::Values(
        StateCase{false, true, kServiceRunning, 2, "Unable to find executable", false, false, false,
                  false},
        StateCase{true, false, 0, 3, "not installed", false, false, true, false},
        StateCase{true, true, kServiceStopped, 10, "stopped", true, false, false, true},
        StateCase{true, true, kServiceStartPending, 8, "start pending", false, false, false, true},
        StateCase{true, true, kServiceStopPending, 9, "stop pending", false, false, false, true},
        StateCase{true, true, kServiceRunning, 7, "started", false, true, false, true},
        StateCase{true, true, kServiceContinuePending, 4, "continue pending", false, false, false,
                  true},
        StateCase{true, true, kServicePausePending, 5, "pause pending", false, false, false, true},
        StateCase{true, true, kServicePaused, 6, "paused", true, true, false, true},
        StateCase{true, true, 0, 1, "unknown", false, false, false, false},
        StateCase{true, true, 8, 1, "unknown", false, false, false, false}));

TEST(ServiceStateTest, DirectoryIsNoExecutableAndFailedQueryReadsNotInstalled)
{
    test::MemoryFileSystem files;
    files.addDirectory("C:\\Morva\\gwcored.exe");
    FakeServiceManager manager;
    manager.addService("Morva", kServiceRunning);
    EXPECT_EQ(service::serviceState(files, manager, "C:\\Morva\\gwcored.exe", "Morva").code, 2);

    files.put("C:\\Morva\\gwcored.exe2", "MZ");
    manager.failOperation(FakeServiceManager::Operation::Query, ServiceError::AccessDenied);
    EXPECT_EQ(service::serviceState(files, manager, "C:\\Morva\\gwcored.exe2", "Morva").code, 3);
}

} // namespace
