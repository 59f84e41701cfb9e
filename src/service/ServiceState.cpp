#include "service/ServiceState.h"

#include "platform/FileSystem.h"
#include "platform/ServiceManager.h"

namespace morva::service {

namespace {

using namespace platform;

constexpr ServiceStateInfo kNoExecutable{2,    "service.state.noExecutable", false, false, false,
                                         false};
constexpr ServiceStateInfo kNotInstalled{3,    "service.state.notInstalled", false, false, true,
                                         false};
constexpr ServiceStateInfo kUnknown{1, "service.state.unknown", false, false, false, false};

struct StateRow
{
    std::uint32_t state;
    ServiceStateInfo info;
};

constexpr StateRow kStateRows[] = {
    {kServiceStopped, {10, "service.state.stopped", true, false, false, true}},
    {kServiceStartPending, {8, "service.state.startPending", false, false, false, true}},
    {kServiceStopPending, {9, "service.state.stopPending", false, false, false, true}},
    {kServiceRunning, {7, "service.state.started", false, true, false, true}},
    {kServiceContinuePending, {4, "service.state.continuePending", false, false, false, true}},
    {kServicePausePending, {5, "service.state.pausePending", false, false, false, true}},
    {kServicePaused, {6, "service.state.paused", true, true, false, true}},
};

} // namespace

ServiceStateInfo serviceStateFor(bool executableExists, bool queried, std::uint32_t state)
{
    if (!executableExists)
        return kNoExecutable;
    if (!queried)
        return kNotInstalled;
    for (const StateRow& row : kStateRows) {
        if (row.state == state)
            return row.info;
    }
    return kUnknown;
}

ServiceStateInfo serviceState(FileSystem& fileSystem, ServiceManager& manager,
                              const std::string& executablePath, const std::string& serviceName)
{
    const FileStat stat = fileSystem.stat(executablePath);
    const bool exists = stat.exists && !stat.isDirectory;
    std::uint32_t state = 0;
    const bool queried =
        exists && static_cast<bool>(manager.queryServiceState(serviceName, &state));
    return serviceStateFor(exists, queried, state);
}

} // namespace morva::service
