#pragma once

#include <string>

namespace morva::platform {
class Clock;
class ServiceManager;
struct ServiceResult;
class WaitFeedback;
} // namespace morva::platform

namespace morva::service {

// How a stop ended.
enum class StopOutcome
{
    QueryFailed,   // the first query failed (message shown)
    NotRunning,    // stopped already, or in no state a stop applies to
    ControlFailed, // the stop control was refused (message shown)
    Stopped,       // the service reported stopped
    Vanished,      // a query during the wait failed (the service is gone)
    Cancelled,     // the user pressed Cancel in the wait dialog
    StillStopping, // the wait gave up after its passes
};

// The operations of the service dialog on one service: each asks the
// service manager, waits through the clock and reports through the feedback
// in the given language, with the placeholder %1 of every message replaced by the
// service name. The caller refreshes its display afterwards.
class ServiceController
{
public:
    // Passes of the stop wait, one second each (about ten minutes).
    static constexpr int kMaxStopPasses = 600;

    ServiceController(platform::ServiceManager& manager, platform::Clock& clock,
                      platform::WaitFeedback& feedback, std::string serviceName,
                      std::string executablePath, int languageIndex);

    // Starts the service and gives it a second before the display is
    // refreshed. False (message shown) when the manager refused.
    bool start();
    // Sends the stop control unless a stop is pending already, then polls
    // once a second with the wait dialog open until the service has stopped,
    // the user cancels or the passes run out.
    StopOutcome stop();
    bool install();
    // Stops a service that is not stopped first (with its own messages),
    // then deletes it.
    bool remove();

    const std::string& serviceName() const { return m_serviceName; }

private:
    // The message of `textId`, with why the manager refused on a second line.
    void failure(const char* textId, const platform::ServiceResult& result);
    std::string message(const char* textId) const;

    platform::ServiceManager& m_manager;
    platform::Clock& m_clock;
    platform::WaitFeedback& m_feedback;
    std::string m_serviceName;
    std::string m_executablePath;
    int m_language;
};

// Why a service manager operation failed, in `languageIndex`; with the
// system's error text and code where the system gave one.
std::string failureReason(const platform::ServiceResult& result, int languageIndex);

// The text `textId` in `languageIndex` with its placeholder %1 replaced by
// `serviceName`.
std::string serviceMessage(const char* textId, const std::string& serviceName, int languageIndex);

} // namespace morva::service
