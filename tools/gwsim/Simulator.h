#pragma once

#include "GatewayLog.h"
#include "Traffic.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"

#include <chrono>
#include <ctime>
#include <deque>
#include <functional>
#include <iosfwd>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace morva::gwsim {

using Millis = std::chrono::milliseconds;
constexpr Millis kUntilExit{-1};

// A file the simulator keeps open without sharing for a while, as the
// gateway does with the lock file, a record file or a signal file it is
// handling. kUntilExit holds it until the simulator stops.
struct Hold
{
    std::string name;
    Millis duration = kUntilExit;
};

struct SimulatorOptions
{
    std::string programDir; // ends with the separator
    std::string logDir;     // where GW.log goes; empty: the program directory
    double rate = 5.0;      // log lines per second
    std::uint32_t seed = 1;
    std::size_t prefillLines = 0; // lines of history written at start
    bool crlf = true;
    Millis poll{100};       // how often the signal files are looked for
    Millis statDelay{1500}; // from "Stat.sig" to a written "CONST-A.dat"
    Millis rotateEvery{0};  // 0: never
    Millis truncateEvery{0};
    Millis duration{0};             // 0: until stopped
    std::uint64_t maxLines = 0;     // 0: no limit
    std::uint64_t hostileEvery = 0; // every n-th traffic line is hostile; 0: none
    std::size_t longLineBytes = 0;  // one line of this length at start; 0: none
    std::optional<Millis> holdLock;
    std::vector<Hold> holdRecords;
    std::vector<Hold> holdSignals;
};

// Requests that can reach a running simulator from another thread (the
// command reader, a POSIX signal handler's flag).
struct Request
{
    enum Kind
    {
        Rotate,
        Truncate,
        HoldLock,
        HoldRecord,
        HoldSignal,
        Release,
        DumpStatistics,
        LongLine,
        Stop
    };
    Kind kind = Stop;
    std::string name;
    Millis duration = kUntilExit;
    std::size_t bytes = 0; // LongLine

    static Request of(Kind kind, std::string name = {}, Millis duration = kUntilExit)
    {
        Request request;
        request.kind = kind;
        request.name = std::move(name);
        request.duration = duration;
        return request;
    }
};

// Plays the gateway on a program directory: writes log lines at the chosen
// rate, handles the six signal files (claims, removes and logs each, and
// writes "CONST-A.dat" a moment after "Stat.sig"), rotates or truncates the
// log and holds files on request. All waiting goes through the clock, so
// tests run it on a fake clock. Events ("ready", "handled Stat.sig", ...)
// are written one per line to `events` when given.
class Simulator
{
public:
    Simulator(
        platform::FileSystem& fileSystem, platform::Clock& clock, SimulatorOptions options,
        std::ostream* events = nullptr,
        std::function<std::time_t()> wallClock = [] { return std::time(nullptr); });
    ~Simulator();

    // Writes the history lines and the start line and takes the holds given
    // in the options. False (with *error) when the log cannot be written or
    // a hold cannot be taken.
    bool start(std::string* error);
    // One pass: due lines, signal files, statistics, holds, requests.
    void tick();
    // Ticks until `keepRunning` says no, the duration is over, the line
    // limit is reached or a Stop request comes; then stop().
    void run(const std::function<bool()>& keepRunning);
    // Releases every hold and writes the stop line.
    void stop();

    // Thread-safe.
    void post(Request request);

    const Counters& counters() const { return m_traffic.counters(); }
    std::uint64_t linesWritten() const { return m_linesWritten; }
    bool finished() const { return m_finished; }
    std::string logPath() const { return m_log.path(); }

private:
    struct ActiveHold
    {
        std::string name;
        std::string path;
        std::unique_ptr<platform::File> file;
        std::optional<std::chrono::steady_clock::time_point> until;
        bool isSignal = false;
        bool removeOnRelease = false;
    };

    void writeDueLines();
    void serviceLine(std::string text, int thread = 0);
    void flushServiceLines();
    void pollSignalFiles();
    void handleSignal(const std::string& name);
    void writeStatistics();
    void processRequests();
    void expireHolds();
    bool takeHold(const std::string& name, int mode, Millis duration, bool isSignal,
                  bool removeOnRelease, std::string* error);
    void release(ActiveHold& hold);
    bool holding(const std::string& name) const;
    void tryRotate();
    void tryTruncate();
    void event(const std::string& text);
    Millis tickInterval() const;

    platform::FileSystem& m_fileSystem;
    platform::Clock& m_clock;
    SimulatorOptions m_options;
    std::ostream* m_events;
    std::function<std::time_t()> m_wallClock;
    GatewayLog m_log;
    Traffic m_traffic;

    std::chrono::steady_clock::time_point m_started{};
    std::chrono::steady_clock::time_point m_lastPoll{};
    std::chrono::steady_clock::time_point m_nextRotate{}, m_nextTruncate{};
    std::optional<std::chrono::steady_clock::time_point> m_statisticsDue;
    std::uint64_t m_linesWritten = 0;
    std::uint64_t m_trafficLines = 0;
    bool m_rotatePending = false;
    bool m_truncatePending = false;
    bool m_stopRequested = false;
    bool m_finished = false;
    bool m_running = false;
    std::vector<LogEntry> m_pendingService;
    std::vector<ActiveHold> m_holds;

    std::mutex m_requestMutex;
    std::deque<Request> m_requests;
};

} // namespace morva::gwsim
