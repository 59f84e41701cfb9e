#include "service/ServiceController.h"

#include "platform/Clock.h"
#include "platform/ServiceManager.h"
#include "platform/UserFeedback.h"
#include "resources/Texts.h"

#include <chrono>
#include <cstdint>
#include <utility>

namespace morva::service {

using namespace platform;
using std::chrono::milliseconds;

namespace {

constexpr milliseconds kOneSecond{1000};

// States a stop applies to: everything between stopped and paused.
bool isActiveState(std::uint32_t state)
{
    return state >= kServiceStartPending && state <= kServicePaused;
}

// Ends the busy cursor and closes the wait dialog however the stop returns.
class StopScope
{
public:
    explicit StopScope(platform::WaitFeedback& feedback) : m_feedback(feedback)
    {
        feedback.beginBusy();
    }
    ~StopScope()
    {
        if (m_waitOpen)
            m_feedback.closeWait();
        m_feedback.endBusy();
    }
    void openWait(const std::string& text)
    {
        m_feedback.openWait(text);
        m_waitOpen = true;
    }

private:
    platform::WaitFeedback& m_feedback;
    bool m_waitOpen = false;
};

} // namespace

std::string failureReason(const ServiceResult& result, int languageIndex)
{
    const char* id = "service.reason.failed";
    switch (result.error) {
    case ServiceError::Unsupported:
        id = "service.reason.unsupported";
        break;
    case ServiceError::ManagerUnavailable:
        id = "service.reason.managerUnavailable";
        break;
    case ServiceError::AccessDenied:
        id = "service.reason.accessDenied";
        break;
    case ServiceError::NotInstalled:
        id = "service.reason.notInstalled";
        break;
    case ServiceError::AlreadyExists:
        id = "service.reason.alreadyExists";
        break;
    case ServiceError::AlreadyRunning:
        id = "service.reason.alreadyRunning";
        break;
    case ServiceError::NotActive:
        id = "service.reason.notActive";
        break;
    case ServiceError::CannotAcceptControl:
        id = "service.reason.cannotAcceptControl";
        break;
    case ServiceError::MarkedForDelete:
        id = "service.reason.markedForDelete";
        break;
    case ServiceError::InvalidPath:
        id = "service.reason.invalidPath";
        break;
    case ServiceError::VerifyFailed:
        id = "service.reason.verifyFailed";
        break;
    case ServiceError::None:
    case ServiceError::Failed:
        break;
    }
    std::string reason(text(id, languageIndex));
    if (result.systemCode == 0)
        return reason;
    // The system's own words (in the system's language) name the cause best.
    const std::string systemText = systemErrorText(result.systemCode);
    return (systemText.empty() ? reason : systemText) + " (" + std::to_string(result.systemCode) +
           ")";
}

std::string serviceMessage(const char* textId, const std::string& serviceName, int languageIndex)
{
    return formatText(text(textId, languageIndex), {serviceName});
}

ServiceController::ServiceController(ServiceManager& manager, Clock& clock,
                                     platform::WaitFeedback& feedback, std::string serviceName,
                                     std::string executablePath, int languageIndex)
    : m_manager(manager), m_clock(clock), m_feedback(feedback),
      m_serviceName(std::move(serviceName)), m_executablePath(std::move(executablePath)),
      m_language(languageIndex)
{
}

bool ServiceController::start()
{
    if (const ServiceResult result = m_manager.startService(m_serviceName); !result) {
        failure("service.startFailed", result);
        return false;
    }
    m_clock.sleepFor(kOneSecond);
    return true;
}

StopOutcome ServiceController::stop()
{
    std::uint32_t state = 0;
    if (const ServiceResult result = m_manager.queryServiceState(m_serviceName, &state); !result) {
        failure("service.queryFailed", result);
        return StopOutcome::QueryFailed;
    }
    if (!isActiveState(state))
        return StopOutcome::NotRunning;

    StopScope scope(m_feedback);
    if (state != kServiceStopPending) {
        if (const ServiceResult result =
                m_manager.controlService(m_serviceName, kServiceControlStop);
            !result) {
            failure("service.controlFailed", result);
            return StopOutcome::ControlFailed;
        }
    }
    for (int pass = 0; pass < kMaxStopPasses; ++pass) {
        if (pass == 0)
            scope.openWait(message("service.waitStop"));
        else if (m_feedback.waitCancelled())
            return StopOutcome::Cancelled;
        m_clock.sleepFor(kOneSecond);
        if (!m_manager.queryServiceState(m_serviceName, &state))
            return StopOutcome::Vanished;
        if (state == kServiceStopped)
            return StopOutcome::Stopped;
    }
    return StopOutcome::StillStopping;
}

bool ServiceController::install()
{
    if (const ServiceResult result = m_manager.installService(m_executablePath, m_serviceName);
        !result) {
        failure("service.installFailed", result);
        return false;
    }
    m_feedback.showMessage(platform::MessageKind::Notice, message("service.installed"));
    return true;
}

bool ServiceController::remove()
{
    std::uint32_t state = 0;
    if (const ServiceResult result = m_manager.queryServiceState(m_serviceName, &state); !result) {
        failure("service.queryFailed", result);
        return false;
    }
    if (isActiveState(state))
        stop();
    if (const ServiceResult result = m_manager.removeService(m_serviceName); !result) {
        failure("service.removeFailed", result);
        return false;
    }
    m_feedback.showMessage(platform::MessageKind::Notice, message("service.removed"));
    return true;
}

void ServiceController::failure(const char* textId, const ServiceResult& result)
{
    m_feedback.showMessage(platform::MessageKind::Failure,
                           message(textId) + "\n" + failureReason(result, m_language));
}

std::string ServiceController::message(const char* textId) const
{
    return serviceMessage(textId, m_serviceName, m_language);
}

} // namespace morva::service
