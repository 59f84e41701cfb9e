#include "platform/testing/FakeServiceManager.h"

namespace morva::platform {

ServiceResult FakeServiceManager::installService(const std::string& executablePath,
                                                 const std::string& name)
{
    m_calls.push_back("install " + name + " " + executablePath);
    ServiceResult failure;
    if (takeFailure(Operation::Install, &failure))
        return failure;
    std::string commandLine;
    if (!serviceCommandLine(executablePath, &commandLine))
        return ServiceResult::failure(ServiceError::InvalidPath);
    if (hasService(name))
        return ServiceResult::failure(ServiceError::AlreadyExists);
    m_services[name].commandLine = commandLine;
    return {};
}

ServiceResult FakeServiceManager::queryServiceState(const std::string& name, std::uint32_t* state)
{
    m_calls.push_back("query " + name);
    ServiceResult failure;
    if (takeFailure(Operation::Query, &failure))
        return failure;
    auto it = m_services.find(name);
    if (it == m_services.end())
        return ServiceResult::failure(ServiceError::NotInstalled);
    Service& service = it->second;
    if (service.target != 0) {
        if (service.pendingQueries == 0) {
            service.state = service.target;
            service.target = 0;
        } else if (service.pendingQueries > 0) {
            --service.pendingQueries;
        }
    }
    *state = service.state;
    dropIfDeleted(name);
    return {};
}

ServiceResult FakeServiceManager::startService(const std::string& name)
{
    m_calls.push_back("start " + name);
    ServiceResult failure;
    if (takeFailure(Operation::Start, &failure))
        return failure;
    auto it = m_services.find(name);
    if (it == m_services.end())
        return ServiceResult::failure(ServiceError::NotInstalled);
    if (it->second.markedForDelete)
        return ServiceResult::failure(ServiceError::MarkedForDelete);
    if (it->second.state != kServiceStopped)
        return ServiceResult::failure(ServiceError::AlreadyRunning);
    beginTransition(it->second, kServiceStartPending, kServiceRunning, m_startPendingQueries);
    return {};
}

ServiceResult FakeServiceManager::controlService(const std::string& name, std::uint32_t control)
{
    m_calls.push_back("control " + name + " " + std::to_string(control));
    ServiceResult failure;
    if (takeFailure(Operation::Control, &failure))
        return failure;
    auto it = m_services.find(name);
    if (it == m_services.end())
        return ServiceResult::failure(ServiceError::NotInstalled);
    Service& service = it->second;
    if (control != kServiceControlStop)
        return {};
    switch (service.state) {
    case kServiceStopped:
        return ServiceResult::failure(ServiceError::NotActive);
    case kServiceStartPending:
    case kServiceStopPending:
        return ServiceResult::failure(ServiceError::CannotAcceptControl);
    default:
        break;
    }
    beginTransition(service, kServiceStopPending, kServiceStopped, m_stopPendingQueries);
    return {};
}

ServiceResult FakeServiceManager::removeService(const std::string& name)
{
    m_calls.push_back("remove " + name);
    ServiceResult failure;
    if (takeFailure(Operation::Remove, &failure))
        return failure;
    auto it = m_services.find(name);
    if (it == m_services.end())
        return ServiceResult::failure(ServiceError::NotInstalled);
    if (it->second.markedForDelete)
        return ServiceResult::failure(ServiceError::MarkedForDelete);
    it->second.markedForDelete = true;
    dropIfDeleted(name);
    return {};
}

void FakeServiceManager::addService(const std::string& name, std::uint32_t state,
                                    const std::string& commandLine)
{
    Service service;
    service.state = state;
    service.commandLine = commandLine;
    m_services[name] = service;
}

void FakeServiceManager::setState(const std::string& name, std::uint32_t state)
{
    auto it = m_services.find(name);
    if (it == m_services.end())
        return;
    it->second.state = state;
    it->second.target = 0;
    dropIfDeleted(name);
}

void FakeServiceManager::failOperation(Operation operation, ServiceError error, int times, int skip)
{
    if (times == 0)
        m_failures.erase(operation);
    else
        m_failures[operation] = Failure{error, times, skip};
}

std::uint32_t FakeServiceManager::stateOf(const std::string& name) const
{
    auto it = m_services.find(name);
    return it == m_services.end() ? 0 : it->second.state;
}

std::string FakeServiceManager::commandLineOf(const std::string& name) const
{
    auto it = m_services.find(name);
    return it == m_services.end() ? std::string() : it->second.commandLine;
}

bool FakeServiceManager::isMarkedForDelete(const std::string& name) const
{
    auto it = m_services.find(name);
    return it != m_services.end() && it->second.markedForDelete;
}

int FakeServiceManager::callCount(const std::string& prefix) const
{
    int count = 0;
    for (const auto& call : m_calls) {
        if (call.rfind(prefix, 0) == 0)
            ++count;
    }
    return count;
}

bool FakeServiceManager::takeFailure(Operation operation, ServiceResult* result)
{
    auto it = m_failures.find(operation);
    if (it == m_failures.end())
        return false;
    if (it->second.skip > 0) {
        --it->second.skip;
        return false;
    }
    *result = ServiceResult::failure(it->second.error);
    if (it->second.times > 0 && --it->second.times == 0)
        m_failures.erase(it);
    return true;
}

void FakeServiceManager::beginTransition(Service& service, std::uint32_t pending,
                                         std::uint32_t target, int queries)
{
    service.state = pending;
    service.target = target;
    service.pendingQueries = queries;
}

void FakeServiceManager::dropIfDeleted(const std::string& name)
{
    auto it = m_services.find(name);
    if (it != m_services.end() && it->second.markedForDelete && it->second.state == kServiceStopped)
        m_services.erase(it);
}

} // namespace morva::platform
