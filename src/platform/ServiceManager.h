#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace morva::platform {

// States as the service manager reports them (the values of the Windows
// service control API, dwCurrentState).
constexpr std::uint32_t kServiceStopped = 1;
constexpr std::uint32_t kServiceStartPending = 2;
constexpr std::uint32_t kServiceStopPending = 3;
constexpr std::uint32_t kServiceRunning = 4;
constexpr std::uint32_t kServiceContinuePending = 5;
constexpr std::uint32_t kServicePausePending = 6;
constexpr std::uint32_t kServicePaused = 7;

// Controls for controlService (SERVICE_CONTROL_*).
constexpr std::uint32_t kServiceControlStop = 1;

enum class ServiceError
{
    None,
    Unsupported,        // this platform has no service manager for the gateway
    ManagerUnavailable, // the manager could not be opened
    AccessDenied,
    NotInstalled,        // no service of that name
    AlreadyExists,       // install: a service of that name exists
    AlreadyRunning,      // start: the service runs already
    NotActive,           // control: the service is not running
    CannotAcceptControl, // control: the service cannot take that control now
    MarkedForDelete,     // the service is marked for deletion
    InvalidPath,         // install: the executable path was refused (see serviceCommandLine)
    VerifyFailed,        // install: the stored program path is not the one we passed
    Failed,              // any other failure; see systemCode
};

const char* serviceErrorName(ServiceError error);

// The system's description of an error code of the service manager (UTF-8,
// no line end), or empty where the system has none. Each backend's source
// file defines it.
std::string systemErrorText(std::uint32_t code);

// Outcome of one service manager operation. Converts to true on success.
struct ServiceResult
{
    ServiceError error = ServiceError::None;
    std::uint32_t systemCode = 0; // the system's error code (GetLastError), 0 when none

    explicit operator bool() const { return error == ServiceError::None; }
    static ServiceResult failure(ServiceError error, std::uint32_t systemCode = 0)
    {
        return ServiceResult{error, systemCode};
    }
};

// The service manager seam: install, query, start, control and remove the
// gateway's service. Every operation opens what it needs and closes every
// handle before it returns; nothing is kept between calls. Names and paths
// are 8-bit texts as the console holds them; a Windows backend converts them
// at the system-call boundary only. User-interface thread only.
class ServiceManager
{
public:
    virtual ~ServiceManager() = default;

    // Creates an own-process service started automatically under the local
    // system account, with service name = display name = `name`. The program
    // path is stored quoted (serviceCommandLine); a path that function refuses
    // fails with InvalidPath before the manager is asked. A backend that can
    // read the configuration back checks the stored path (VerifyFailed).
    virtual ServiceResult installService(const std::string& executablePath,
                                         const std::string& name) = 0;
    // The current state (kService*) of the service `name`. *state is left
    // unchanged on failure (not installed, no access, no manager).
    virtual ServiceResult queryServiceState(const std::string& name, std::uint32_t* state) = 0;
    // Starts the service without arguments.
    virtual ServiceResult startService(const std::string& name) = 0;
    // Sends a control code (kServiceControlStop) to the service.
    virtual ServiceResult controlService(const std::string& name, std::uint32_t control) = 0;
    // Deletes the service (the manager removes it once it has stopped).
    virtual ServiceResult removeService(const std::string& name) = 0;
};

// The service manager of this machine: the Windows service control manager
// on Windows; elsewhere a backend whose every operation fails with
// Unsupported. Each backend's source file defines this factory.
std::unique_ptr<ServiceManager> makeSystemServiceManager();

// The program path to store for a service: `executablePath` inside double
// quotes, so that a path holding blanks ("C:\Program Files\...") cannot be
// read as a shorter program plus arguments. Refuses (returns false, leaves
// *commandLine alone) an empty path, a path that is not absolute (a drive
// letter with a colon and a separator, or a UNC path "\\server\share..."),
// and a path holding a double quote or a control character (below 0x20 or
// 0x7F). Pure; the same on every platform.
bool serviceCommandLine(const std::string& executablePath, std::string* commandLine);

} // namespace morva::platform
