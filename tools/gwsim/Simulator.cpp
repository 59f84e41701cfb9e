#include "Simulator.h"

#include <algorithm>
#include <cmath>
#include <ostream>

namespace morva::gwsim {

namespace {

constexpr platform::OpenMode kExisting = 2;        // read/write, no sharing, open existing
constexpr platform::OpenMode kCreateExclusive = 4; // read/write, no sharing, create always

const char* const kSignalNames[] = {"OSMTP.sig",   "Stat.sig",  "OQueue.sig",
                                    "SendLog.sig", "AWLPA.sig", "Restart.sig"};

std::string withSeparator(std::string dir, char separator)
{
    if (!dir.empty() && dir.back() != '/' && dir.back() != '\\')
        dir += separator;
    return dir;
}

} // namespace

Simulator::Simulator(platform::FileSystem& fileSystem, platform::Clock& clock,
                     SimulatorOptions options, std::ostream* events,
                     std::function<std::time_t()> wallClock)
    : m_fileSystem(fileSystem), m_clock(clock), m_options(std::move(options)), m_events(events),
      m_wallClock(std::move(wallClock)),
      m_log(fileSystem,
            withSeparator(m_options.logDir.empty() ? m_options.programDir : m_options.logDir,
                          fileSystem.separator()) +
                "GW.log",
            m_options.crlf),
      m_traffic(m_options.seed)
{
    m_options.programDir = withSeparator(m_options.programDir, fileSystem.separator());
}

Simulator::~Simulator()
{
    if (m_running && !m_finished)
        stop();
}

void Simulator::event(const std::string& text)
{
    if (m_events)
        *m_events << text << std::endl;
}

bool Simulator::start(std::string* error)
{
    m_started = m_clock.now();
    m_lastPoll = m_started - m_options.poll; // look for signal files at once
    m_nextRotate = m_started + m_options.rotateEvery;
    m_nextTruncate = m_started + m_options.truncateEvery;
    m_traffic.counters().startTime = m_wallClock();
    m_traffic.counters().whiteListEntries = 1200 + m_options.seed % 500;

    std::vector<LogEntry> history;
    m_traffic.next(m_options.prefillLines, history);
    // History as if written at the chosen rate up to now.
    const std::time_t now = m_wallClock();
    const double rate = m_options.rate > 0 ? m_options.rate : 1.0;
    for (std::size_t i = 0; i < history.size(); ++i)
        history[i].when = now - static_cast<std::time_t>((history.size() - i) / rate);
    history.push_back(
        {0, "Service started: Morva v3.53, program directory " + m_options.programDir});
    if (m_options.longLineBytes)
        history.push_back(Traffic::longLine(m_options.longLineBytes));
    if (!m_log.append(m_wallClock(), history)) {
        if (error)
            *error = "cannot write the log file " + m_log.path();
        return false;
    }
    m_linesWritten += history.size();

    std::string failure;
    if (m_options.holdLock &&
        !takeHold("MORVADTB.LCK", kCreateExclusive, *m_options.holdLock, false, true, &failure)) {
        if (error)
            *error = failure;
        return false;
    }
    for (const Hold& hold : m_options.holdRecords)
        if (!takeHold(hold.name, kExisting, hold.duration, false, false, &failure)) {
            if (error)
                *error = failure;
            return false;
        }
    for (const Hold& hold : m_options.holdSignals)
        if (!takeHold(hold.name, kCreateExclusive, hold.duration, true, true, &failure)) {
            if (error)
                *error = failure;
            return false;
        }
    flushServiceLines();
    m_running = true;
    event("ready");
    return true;
}

Millis Simulator::tickInterval() const
{
    Millis interval = m_options.poll;
    if (m_options.rate > 0) {
        const auto perLine = Millis(static_cast<long long>(1000.0 / m_options.rate));
        interval = std::min(interval, std::max(perLine, Millis(10)));
    }
    return std::max(interval, Millis(1));
}

void Simulator::run(const std::function<bool()>& keepRunning)
{
    while (!m_stopRequested && keepRunning()) {
        tick();
        if (m_stopRequested)
            break;
        if (m_options.duration.count() > 0 && m_clock.now() - m_started >= m_options.duration)
            break;
        if (m_options.maxLines && m_trafficLines >= m_options.maxLines)
            break;
        m_clock.sleepFor(tickInterval());
    }
    stop();
}

void Simulator::tick()
{
    processRequests();
    expireHolds();
    writeDueLines();
    const auto now = m_clock.now();
    if (now - m_lastPoll >= m_options.poll) {
        m_lastPoll = now;
        pollSignalFiles();
    }
    if (m_statisticsDue && now >= *m_statisticsDue)
        writeStatistics();
    if (m_options.rotateEvery.count() > 0 && now >= m_nextRotate) {
        m_rotatePending = true;
        m_nextRotate = now + m_options.rotateEvery;
    }
    if (m_options.truncateEvery.count() > 0 && now >= m_nextTruncate) {
        m_truncatePending = true;
        m_nextTruncate = now + m_options.truncateEvery;
    }
    if (m_rotatePending)
        tryRotate();
    if (m_truncatePending)
        tryTruncate();
    flushServiceLines();
}

void Simulator::writeDueLines()
{
    if (m_options.rate <= 0)
        return;
    const double elapsed = std::chrono::duration<double>(m_clock.now() - m_started).count();
    auto due = static_cast<std::uint64_t>(std::floor(elapsed * m_options.rate));
    if (m_options.maxLines)
        due = std::min(due, m_options.maxLines);
    if (due <= m_trafficLines)
        return;
    std::vector<LogEntry> lines;
    m_traffic.next(static_cast<std::size_t>(due - m_trafficLines), lines);
    if (m_options.hostileEvery) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::uint64_t number = m_trafficLines + i + 1;
            if (number % m_options.hostileEvery == 0)
                lines[i] = Traffic::hostile(number / m_options.hostileEvery - 1);
        }
    }
    // Lines that cannot be written are dropped, as the gateway would; the
    // rate stays the same.
    if (m_log.append(m_wallClock(), lines))
        m_linesWritten += lines.size();
    m_trafficLines = due;
}

void Simulator::serviceLine(std::string text, int thread)
{
    m_pendingService.push_back({thread, std::move(text)});
}

void Simulator::flushServiceLines()
{
    if (m_pendingService.empty())
        return;
    if (m_log.append(m_wallClock(), m_pendingService))
        m_linesWritten += m_pendingService.size();
    m_pendingService.clear();
}

bool Simulator::holding(const std::string& name) const
{
    return std::any_of(m_holds.begin(), m_holds.end(),
                       [&](const ActiveHold& hold) { return hold.name == name; });
}

void Simulator::pollSignalFiles()
{
    for (const char* name : kSignalNames) {
        if (holding(name))
            continue;
        const std::string path = m_options.programDir + name;
        if (!m_fileSystem.stat(path).exists)
            continue;
        // Claim the file first: while the console still has it open the
        // claim fails and the next poll tries again.
        auto claim = m_fileSystem.open(path, kExisting);
        if (!claim)
            continue;
        claim->close();
        claim.reset();
        if (!m_fileSystem.remove(path))
            continue;
        handleSignal(name);
    }
}

void Simulator::handleSignal(const std::string& name)
{
    Counters& c = m_traffic.counters();
    const std::time_t now = m_wallClock();
    if (name == "OSMTP.sig") {
        serviceLine("Signal OSMTP.sig: delivering all queued SMTP messages now");
        serviceLine("Outbound queue processed: " + std::to_string(c.outboundQueue) +
                    " messages handed to delivery");
        c.messagesSentOutbound += c.outboundQueue;
        c.outboundQueue = 0;
    } else if (name == "Stat.sig") {
        serviceLine("Signal Stat.sig: dumping statistics");
        std::string text = c.statisticsText(now);
        std::size_t from = 0;
        while (from < text.size()) {
            const auto end = text.find("\r\n", from);
            serviceLine("Statistics: " + text.substr(from, end - from));
            from = end == std::string::npos ? text.size() : end + 2;
        }
        m_statisticsDue = m_clock.now() + m_options.statDelay;
    } else if (name == "OQueue.sig") {
        serviceLine("Signal OQueue.sig: dumping the outbound queue");
        serviceLine("Outbound queue: " + std::to_string(c.outboundQueue) + " messages");
        for (std::uint64_t i = 0; i < std::min<std::uint64_t>(c.outboundQueue, 5); ++i)
            serviceLine("Queue entry " + std::to_string(i + 1) +
                        ": to mx.partner-firm.example, 2 attempts, next in 5 minutes");
    } else if (name == "SendLog.sig") {
        serviceLine("Signal SendLog.sig: sending the current logfile to the postmaster");
        serviceLine("Logfile sent to postmaster@brentmoor-demo.example (" +
                    std::to_string(m_log.size()) + " bytes)");
    } else if (name == "AWLPA.sig") {
        serviceLine("Signal AWLPA.sig: packing the white list AdrOWL-A.dat");
        const std::uint64_t removed = c.whiteListEntries / 20;
        c.whiteListEntries -= removed;
        serviceLine("White list packed: " + std::to_string(c.whiteListEntries) + " entries kept, " +
                    std::to_string(removed) + " expired entries removed");
    } else if (name == "Restart.sig") {
        serviceLine("Signal Restart.sig: restarting the service");
        serviceLine("Service stopped");
        const std::uint64_t whiteList = c.whiteListEntries;
        c = Counters{};
        c.startTime = now;
        c.whiteListEntries = whiteList;
        serviceLine("Service started: Morva v3.53, program directory " + m_options.programDir);
    }
    event("handled " + name);
}

void Simulator::writeStatistics()
{
    const std::string text = m_traffic.counters().statisticsText(m_wallClock());
    const std::string target = m_options.programDir + "CONST-A.dat";
    // Written beside the target and renamed over it, so a reader never sees
    // half a file. While the console has the old file open the rename is
    // refused; the next tick tries again.
    std::string temporary;
    auto file = m_fileSystem.createTemporary(m_options.programDir, "CONST-A.", &temporary);
    if (!file)
        return;
    const bool written = file->writeAt(0, text.data(), text.size()) && file->sync();
    const bool closed = file->close();
    if (!written || !closed || !m_fileSystem.rename(temporary, target)) {
        m_fileSystem.remove(temporary);
        return;
    }
    m_statisticsDue.reset();
    serviceLine("Statistics written to CONST-A.dat");
    event("wrote CONST-A.dat");
}

bool Simulator::takeHold(const std::string& name, int mode, Millis duration, bool isSignal,
                         bool removeOnRelease, std::string* error)
{
    if (holding(name)) {
        if (error)
            *error = name + " is held already";
        return false;
    }
    ActiveHold hold;
    hold.name = name;
    hold.path = m_options.programDir + name;
    platform::FileError failure = platform::FileError::None;
    hold.file = m_fileSystem.open(hold.path, mode, &failure);
    if (!hold.file) {
        if (error)
            *error = "cannot hold " + hold.path + ": " + platform::fileErrorName(failure);
        serviceLine("Unable to open " + name + ": " + platform::fileErrorName(failure));
        return false;
    }
    if (duration.count() >= 0)
        hold.until = m_clock.now() + duration;
    hold.isSignal = isSignal;
    hold.removeOnRelease = removeOnRelease;
    serviceLine(isSignal ? "Signal " + name + ": handling"
                         : name + " opened exclusively by the service");
    m_holds.push_back(std::move(hold));
    event("holding " + name);
    return true;
}

void Simulator::release(ActiveHold& hold)
{
    hold.file->close();
    hold.file.reset();
    if (hold.removeOnRelease)
        m_fileSystem.remove(hold.path);
    serviceLine(hold.isSignal ? "Signal " + hold.name + ": done" : hold.name + " released");
    event("released " + hold.name);
}

void Simulator::expireHolds()
{
    const auto now = m_clock.now();
    for (auto it = m_holds.begin(); it != m_holds.end();) {
        if (it->until && now >= *it->until) {
            release(*it);
            it = m_holds.erase(it);
        } else {
            ++it;
        }
    }
}

void Simulator::post(Request request)
{
    std::lock_guard<std::mutex> lock(m_requestMutex);
    m_requests.push_back(std::move(request));
}

void Simulator::processRequests()
{
    std::deque<Request> requests;
    {
        std::lock_guard<std::mutex> lock(m_requestMutex);
        requests.swap(m_requests);
    }
    for (const Request& request : requests) {
        std::string failure;
        switch (request.kind) {
        case Request::Rotate:
            m_rotatePending = true;
            break;
        case Request::Truncate:
            m_truncatePending = true;
            break;
        case Request::HoldLock:
            if (!takeHold("MORVADTB.LCK", kCreateExclusive, request.duration, false, true,
                          &failure))
                event("failed " + failure);
            break;
        case Request::HoldRecord:
            if (!takeHold(request.name, kExisting, request.duration, false, false, &failure))
                event("failed " + failure);
            break;
        case Request::HoldSignal:
            if (!takeHold(request.name, kCreateExclusive, request.duration, true, true, &failure))
                event("failed " + failure);
            break;
        case Request::Release:
            for (auto it = m_holds.begin(); it != m_holds.end(); ++it)
                if (it->name == request.name) {
                    release(*it);
                    m_holds.erase(it);
                    break;
                }
            break;
        case Request::DumpStatistics:
            m_statisticsDue = m_clock.now();
            break;
        case Request::LongLine:
            serviceLine(Traffic::longLine(request.bytes).text);
            break;
        case Request::Stop:
            m_stopRequested = true;
            break;
        }
    }
}

void Simulator::tryRotate()
{
    flushServiceLines();
    std::string rotatedTo;
    if (!m_log.rotate(m_wallClock(), &rotatedTo))
        return; // the console has the file open just now: next tick
    m_rotatePending = false;
    serviceLine("Logfile rotated, previous log saved as " + rotatedTo);
    event("rotated " + rotatedTo);
}

void Simulator::tryTruncate()
{
    flushServiceLines();
    if (!m_log.truncate())
        return;
    m_truncatePending = false;
    serviceLine("Logfile truncated");
    event("truncated");
}

void Simulator::stop()
{
    if (m_finished)
        return;
    for (ActiveHold& hold : m_holds)
        release(hold);
    m_holds.clear();
    serviceLine("Service stopped");
    flushServiceLines();
    m_log.close();
    m_finished = true;
    event("stopped");
}

} // namespace morva::gwsim
