#pragma once

#include <cstdint>
#include <string>

namespace morva::platform {
class FileSystem;
class ServiceManager;
} // namespace morva::platform

namespace morva::service {

// What the service dialog shows for the gateway's service: a state code,
// its status text and which of the four buttons apply.
struct ServiceStateInfo
{
    int code;
    const char* textId; // status text in the language tables
    bool canStart;
    bool canStop;
    bool canInstall;
    bool canRemove;
};

// The row of the state table: executable missing (2), service not queryable
// (3), or the manager's state (10 stopped, 8 start pending, 9 stop pending,
// 7 started, 4 continue pending, 5 pause pending, 6 paused, 1 anything else).
ServiceStateInfo serviceStateFor(bool executableExists, bool queried, std::uint32_t state);

// Looks the executable and the service up and returns its row.
ServiceStateInfo serviceState(platform::FileSystem& fileSystem, platform::ServiceManager& manager,
                              const std::string& executablePath, const std::string& serviceName);

} // namespace morva::service
