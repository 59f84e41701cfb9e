#pragma once

#include "Counters.h"
#include "GatewayLog.h"

#include <cstdint>
#include <random>
#include <vector>

namespace morva::gwsim {

// Made-up but plausible mail traffic: SMTP sessions on numbered threads,
// each a short run of lines (connect, greeting, sender, recipients, checks,
// verdict, delivery), interleaved as a busy gateway would write them. The
// counters follow what the lines say. Deterministic for a seed.
class Traffic
{
public:
    explicit Traffic(std::uint32_t seed);

    // The next `count` lines.
    void next(std::size_t count, std::vector<LogEntry>& out);

    // A line no viewer should trust, the k-th of a rotating set: invalid
    // UTF-8, a NUL byte, HTML markup, terminal control sequences, a line too
    // short for the layout, one that starts with digits but has no colon.
    static LogEntry hostile(std::uint64_t k);
    // One line of `bytes` characters of text (for a 10 MB line).
    static LogEntry longLine(std::size_t bytes);

    Counters& counters() { return m_counters; }
    const Counters& counters() const { return m_counters; }

private:
    struct Session
    {
        int thread = 0;
        int step = 0;
        int kind = 0; // 0 clean inbound, 1 spam, 2 RBL, 3 virus, 4 outbound, 5 unknown recipient
        std::uint32_t client = 0;
        std::uint32_t size = 0;
    };

    LogEntry step(Session& session, bool* finished);
    Session newSession();
    std::uint32_t pick(std::uint32_t below) { return m_random() % below; }

    std::mt19937 m_random;
    std::vector<Session> m_sessions;
    int m_nextThread = 1;
    std::uint64_t m_messageId = 0x1A2B00;
    Counters m_counters;
};

} // namespace morva::gwsim
