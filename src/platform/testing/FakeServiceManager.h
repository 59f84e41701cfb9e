#pragma once

#include "platform/ServiceManager.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace morva::platform {

// A scripted service manager for tests. It keeps services by name with a
// state, moves them through the pending states the way the real manager
// does (start: start pending, then running; stop: stop pending, then
// stopped), fails operations on demand and records every call.
//
// Transitions complete on queries: after a start or stop the service stays
// pending for the configured number of queries (0: the next query shows the
// final state; -1: it never completes).
class FakeServiceManager final : public ServiceManager
{
public:
    enum class Operation
    {
        Install,
        Query,
        Start,
        Control,
        Remove
    };

    ServiceResult installService(const std::string& executablePath,
                                 const std::string& name) override;
    ServiceResult queryServiceState(const std::string& name, std::uint32_t* state) override;
    ServiceResult startService(const std::string& name) override;
    ServiceResult controlService(const std::string& name, std::uint32_t control) override;
    ServiceResult removeService(const std::string& name) override;

    // Script.
    void addService(const std::string& name, std::uint32_t state = kServiceStopped,
                    const std::string& commandLine = {});
    void setState(const std::string& name, std::uint32_t state);
    void setStartPendingQueries(int queries) { m_startPendingQueries = queries; }
    void setStopPendingQueries(int queries) { m_stopPendingQueries = queries; }
    // After `skip` more calls succeed as scripted, the next `times` calls of
    // `operation` fail with `error` (-1: every call until clearFailures()).
    void failOperation(Operation operation, ServiceError error, int times = -1, int skip = 0);
    void clearFailures() { m_failures.clear(); }

    // Inspection.
    bool hasService(const std::string& name) const { return m_services.count(name) != 0; }
    // The service's state without advancing any transition; 0 when absent.
    std::uint32_t stateOf(const std::string& name) const;
    // The program path as stored (quoted), empty when absent.
    std::string commandLineOf(const std::string& name) const;
    bool isMarkedForDelete(const std::string& name) const;
    // One entry per call: "install NAME PATH", "query NAME", "start NAME",
    // "control NAME CODE", "remove NAME".
    const std::vector<std::string>& calls() const { return m_calls; }
    int callCount(const std::string& prefix) const;

private:
    struct Service
    {
        std::string commandLine;
        std::uint32_t state = kServiceStopped;
        std::uint32_t target = 0; // state a pending transition ends in, 0 when none
        int pendingQueries = 0;
        bool markedForDelete = false;
    };
    struct Failure
    {
        ServiceError error;
        int times;
        int skip;
    };

    bool takeFailure(Operation operation, ServiceResult* result);
    void beginTransition(Service& service, std::uint32_t pending, std::uint32_t target,
                         int queries);
    // Deletes a service marked for deletion once it has stopped.
    void dropIfDeleted(const std::string& name);

    std::map<std::string, Service> m_services;
    std::map<Operation, Failure> m_failures;
    std::vector<std::string> m_calls;
    int m_startPendingQueries = 0;
    int m_stopPendingQueries = 0;
};

} // namespace morva::platform
