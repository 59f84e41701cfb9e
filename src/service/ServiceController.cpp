#include "service/ServiceController.h"

#include "platform/Clock.h"
#include "platform/ServiceManager.h"
#include "resources/Texts.h"
#include "service/ServiceFeedback.h"

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
    explicit StopScope(ServiceFeedback& feedback) : m_feedback(feedback) { feedback.beginBusy(); }
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
    ServiceFeedback& m_feedback;
    bool m_waitOpen = false;
};

} // namespace

std::string serviceMessage(const char* textId, const std::string& serviceName, int languageIndex)
{
    return formatText(text(textId, languageIndex), {serviceName});
}

ServiceController::ServiceController(ServiceManager& manager, Clock& clock,
                                     ServiceFeedback& feedback, std::string serviceName,
                                     std::string executablePath, int languageIndex)
    : m_manager(manager), m_clock(clock), m_feedback(feedback),
      m_serviceName(std::move(serviceName)), m_executablePath(std::move(executablePath)),
      m_language(languageIndex)
{
}

bool ServiceController::start()
{
    if (!m_manager.startService(m_serviceName)) {
        failure("service.startFailed");
        return false;
    }
    m_clock.sleepFor(kOneSecond);
    return true;
}

StopOutcome ServiceController::stop()
{
    std::uint32_t state = 0;
    if (!m_manager.queryServiceState(m_serviceName, &state)) {
        failure("service.queryFailed");
        return StopOutcome::QueryFailed;
    }
    if (!isActiveState(state))
        return StopOutcome::NotRunning;

    StopScope scope(m_feedback);
    if (state != kServiceStopPending &&
        !m_manager.controlService(m_serviceName, kServiceControlStop)) {
        failure("service.controlFailed");
        return StopOutcome::ControlFailed;
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
    if (!m_manager.installService(m_executablePath, m_serviceName)) {
        failure("service.installFailed");
        return false;
    }
    m_feedback.showMessage(ServiceFeedback::MessageKind::Information, message("service.installed"));
    return true;
}

bool ServiceController::remove()
{
    std::uint32_t state = 0;
    if (!m_manager.queryServiceState(m_serviceName, &state)) {
        failure("service.queryFailed");
        return false;
    }
    if (isActiveState(state))
        stop();
    if (!m_manager.removeService(m_serviceName)) {
        failure("service.removeFailed");
        return false;
    }
    m_feedback.showMessage(ServiceFeedback::MessageKind::Information, message("service.removed"));
    return true;
}

void ServiceController::failure(const char* textId)
{
    m_feedback.showMessage(ServiceFeedback::MessageKind::Failure, message(textId));
}

std::string ServiceController::message(const char* textId) const
{
    return serviceMessage(textId, m_serviceName, m_language);
}

} // namespace morva::service
