#include "platform/ScratchDir.h"
#include "platform/ServiceManager.h"
#include "platform/WindowsText.h"
#include "platform/windows/ChildProcess.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <vector>
#include <windows.h>

using namespace morva::platform;
using morva::test::hostPath;
using morva::test::ScratchDir;

namespace {

// Copies the test service to a directory whose name holds blanks, as
// "C:\Program Files\..." does.
std::string placeServiceUnderBlanks(const ScratchDir& dir)
{
    const std::filesystem::path target =
        std::filesystem::path(dir.path("Morva Gate Way")) / "bin dir";
    std::filesystem::create_directories(target);
    const std::filesystem::path exe = target / "gwcored.exe";
    std::filesystem::copy_file(hostPath(MORVA_TEST_SERVICE), exe);
    return exe.string();
}

std::string uniqueServiceName()
{
    return "MorvaTest" + std::to_string(GetCurrentProcessId());
}

// Polls the state (the manager moves services asynchronously) for up to 15 s.
bool waitForState(ServiceManager& manager, const std::string& name, std::uint32_t wanted)
{
    for (int i = 0; i < 300; ++i) {
        std::uint32_t state = 0;
        if (manager.queryServiceState(name, &state) && state == wanted)
            return true;
        Sleep(50);
    }
    return false;
}

bool waitUntilGone(ServiceManager& manager, const std::string& name)
{
    for (int i = 0; i < 300; ++i) {
        std::uint32_t state = 0;
        if (manager.queryServiceState(name, &state).error == ServiceError::NotInstalled)
            return true;
        Sleep(50);
    }
    return false;
}

std::wstring storedPath(const std::string& name)
{
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
    SC_HANDLE service = OpenServiceW(manager, widen(name).c_str(), SERVICE_QUERY_CONFIG);
    std::wstring path;
    DWORD needed = 0;
    QueryServiceConfigW(service, nullptr, 0, &needed);
    std::vector<unsigned char> buffer(needed ? needed : 1);
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data());
    if (needed && QueryServiceConfigW(service, config, needed, &needed)) {
        path = config->lpBinaryPathName;
        EXPECT_EQ(config->dwStartType, static_cast<DWORD>(SERVICE_AUTO_START));
        EXPECT_EQ(config->dwServiceType, static_cast<DWORD>(SERVICE_WIN32_OWN_PROCESS));
    }
    CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return path;
}

// Removes the service even when an assertion ended the test early.
struct ServiceCleanup
{
    std::string name;
    ~ServiceCleanup()
    {
        auto manager = makeSystemServiceManager();
        manager->controlService(name, kServiceControlStop);
        manager->removeService(name);
    }
};

TEST(WindowsServiceManager, InstallStartStopRemoveARealService)
{
    ScratchDir dir;
    const std::string exe = placeServiceUnderBlanks(dir);
    const std::string name = uniqueServiceName();
    ServiceCleanup cleanup{name};
    auto manager = makeSystemServiceManager();
    std::uint32_t state = 0;

    EXPECT_EQ(manager->queryServiceState(name, &state).error, ServiceError::NotInstalled);
    EXPECT_EQ(manager->startService(name).error, ServiceError::NotInstalled);

    ServiceResult result = manager->installService(exe, name);
    ASSERT_TRUE(result) << serviceErrorName(result.error) << " " << result.systemCode;
    // Stored quoted, so that the blanks cannot split the program name.
    EXPECT_EQ(storedPath(name), L"\"" + widen(exe) + L"\"");
    EXPECT_EQ(manager->installService(exe, name).error, ServiceError::AlreadyExists);
    ASSERT_TRUE(manager->queryServiceState(name, &state));
    EXPECT_EQ(state, kServiceStopped);
    EXPECT_EQ(manager->controlService(name, kServiceControlStop).error, ServiceError::NotActive);

    result = manager->startService(name);
    ASSERT_TRUE(result) << serviceErrorName(result.error) << " " << result.systemCode;
    ASSERT_TRUE(waitForState(*manager, name, kServiceRunning));
    EXPECT_EQ(manager->startService(name).error, ServiceError::AlreadyRunning);

    ASSERT_TRUE(manager->controlService(name, kServiceControlStop));
    ASSERT_TRUE(waitForState(*manager, name, kServiceStopped));

    ASSERT_TRUE(manager->removeService(name));
    EXPECT_TRUE(waitUntilGone(*manager, name));
    EXPECT_EQ(manager->removeService(name).error, ServiceError::NotInstalled);
}

TEST(WindowsServiceManager, RefusedPathsNeverReachTheManager)
{
    auto manager = makeSystemServiceManager();
    const std::string name = uniqueServiceName() + "x";
    for (const char* path : {"gwcored.exe", "", "C:\\Morva\\gw\"cored.exe"}) {
        EXPECT_EQ(manager->installService(path, name).error, ServiceError::InvalidPath) << path;
    }
    std::uint32_t state = 0;
    EXPECT_EQ(manager->queryServiceState(name, &state).error, ServiceError::NotInstalled);
}

} // namespace
