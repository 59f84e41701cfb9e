#include "platform/ServiceManager.h"
#include "platform/WindowsText.h"

#include <vector>
#include <windows.h>

namespace morva::platform {

namespace {

// Closes a service control handle when it goes out of scope.
class ScHandle
{
public:
    explicit ScHandle(SC_HANDLE handle = nullptr) : m_handle(handle) {}
    ~ScHandle()
    {
        if (m_handle)
            CloseServiceHandle(m_handle);
    }
    ScHandle(const ScHandle&) = delete;
    ScHandle& operator=(const ScHandle&) = delete;
    void reset(SC_HANDLE handle)
    {
        if (m_handle)
            CloseServiceHandle(m_handle);
        m_handle = handle;
    }
    SC_HANDLE get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

private:
    SC_HANDLE m_handle;
};

ServiceResult failureFor(DWORD code)
{
    switch (code) {
    case ERROR_ACCESS_DENIED:
        return ServiceResult::failure(ServiceError::AccessDenied, code);
    case ERROR_SERVICE_DOES_NOT_EXIST:
        return ServiceResult::failure(ServiceError::NotInstalled, code);
    case ERROR_SERVICE_EXISTS:
    case ERROR_DUPLICATE_SERVICE_NAME:
        return ServiceResult::failure(ServiceError::AlreadyExists, code);
    case ERROR_SERVICE_ALREADY_RUNNING:
        return ServiceResult::failure(ServiceError::AlreadyRunning, code);
    case ERROR_SERVICE_NOT_ACTIVE:
        return ServiceResult::failure(ServiceError::NotActive, code);
    case ERROR_SERVICE_CANNOT_ACCEPT_CTRL:
        return ServiceResult::failure(ServiceError::CannotAcceptControl, code);
    case ERROR_SERVICE_MARKED_FOR_DELETE:
        return ServiceResult::failure(ServiceError::MarkedForDelete, code);
    default:
        return ServiceResult::failure(ServiceError::Failed, code);
    }
}

ServiceResult lastFailure()
{
    return failureFor(GetLastError());
}

// Each operation asks only for the rights it needs, so that an
// administrator's console and a user's (who may query but not change the
// service) both get the true answer.
bool openManager(DWORD access, ScHandle* manager, ServiceResult* failure)
{
    SC_HANDLE handle = OpenSCManagerW(nullptr, SERVICES_ACTIVE_DATABASEW, access);
    if (!handle) {
        const DWORD code = GetLastError();
        *failure = code == ERROR_ACCESS_DENIED
                       ? ServiceResult::failure(ServiceError::AccessDenied, code)
                       : ServiceResult::failure(ServiceError::ManagerUnavailable, code);
        return false;
    }
    manager->reset(handle);
    return true;
}

// Runs `use` on the service `name` opened with `access`.
template <typename Use> ServiceResult withService(const std::string& name, DWORD access, Use use)
{
    ScHandle manager;
    ServiceResult failure;
    if (!openManager(SC_MANAGER_CONNECT, &manager, &failure))
        return failure;
    ScHandle service(OpenServiceW(manager.get(), widen(name).c_str(), access));
    if (!service)
        return lastFailure();
    return use(service.get());
}

// The program path the manager stores for the service, as it reads back.
bool storedProgramPath(SC_HANDLE service, std::wstring* path)
{
    DWORD needed = 0;
    QueryServiceConfigW(service, nullptr, 0, &needed);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed == 0)
        return false;
    std::vector<unsigned char> buffer(needed);
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data());
    if (!QueryServiceConfigW(service, config, needed, &needed))
        return false;
    *path = config->lpBinaryPathName ? config->lpBinaryPathName : L"";
    return true;
}

class WindowsServiceManager final : public ServiceManager
{
public:
    ServiceResult installService(const std::string& executablePath,
                                 const std::string& name) override
    {
        std::string commandLine;
        if (!serviceCommandLine(executablePath, &commandLine))
            return ServiceResult::failure(ServiceError::InvalidPath);
        ScHandle manager;
        ServiceResult failure;
        if (!openManager(SC_MANAGER_CONNECT | SC_MANAGER_CREATE_SERVICE, &manager, &failure))
            return failure;
        const std::wstring wideName = widen(name);
        const std::wstring wideCommandLine = widen(commandLine);
        ScHandle service(CreateServiceW(
            manager.get(), wideName.c_str(), wideName.c_str(), SERVICE_QUERY_CONFIG | DELETE,
            SERVICE_WIN32_OWN_PROCESS, SERVICE_AUTO_START, SERVICE_ERROR_NORMAL,
            wideCommandLine.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr));
        if (!service)
            return lastFailure();
        // The manager would also take an unquoted path and start it; only the
        // stored configuration shows what it will run.
        std::wstring stored;
        if (!storedProgramPath(service.get(), &stored) || stored != wideCommandLine) {
            const DWORD code = GetLastError();
            DeleteService(service.get());
            return ServiceResult::failure(ServiceError::VerifyFailed, code);
        }
        return {};
    }

    ServiceResult queryServiceState(const std::string& name, std::uint32_t* state) override
    {
        return withService(name, SERVICE_QUERY_STATUS, [state](SC_HANDLE service) {
            SERVICE_STATUS status{};
            if (!QueryServiceStatus(service, &status))
                return lastFailure();
            *state = status.dwCurrentState;
            return ServiceResult{};
        });
    }

    ServiceResult startService(const std::string& name) override
    {
        return withService(name, SERVICE_START, [](SC_HANDLE service) {
            return StartServiceW(service, 0, nullptr) ? ServiceResult{} : lastFailure();
        });
    }

    ServiceResult controlService(const std::string& name, std::uint32_t control) override
    {
        DWORD access = SERVICE_INTERROGATE | SERVICE_USER_DEFINED_CONTROL;
        if (control == SERVICE_CONTROL_STOP)
            access = SERVICE_STOP;
        else if (control == SERVICE_CONTROL_PAUSE || control == SERVICE_CONTROL_CONTINUE)
            access = SERVICE_PAUSE_CONTINUE;
        return withService(name, access, [control](SC_HANDLE service) {
            SERVICE_STATUS status{};
            return ControlService(service, control, &status) ? ServiceResult{} : lastFailure();
        });
    }

    ServiceResult removeService(const std::string& name) override
    {
        return withService(name, DELETE, [](SC_HANDLE service) {
            return DeleteService(service) ? ServiceResult{} : lastFailure();
        });
    }
};

} // namespace

std::string systemErrorText(std::uint32_t code)
{
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0 || !buffer)
        return {};
    std::wstring text(buffer, length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.pop_back();
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(),
                            size, nullptr, nullptr);
    return utf8;
}

std::unique_ptr<ServiceManager> makeSystemServiceManager()
{
    return std::make_unique<WindowsServiceManager>();
}

} // namespace morva::platform
