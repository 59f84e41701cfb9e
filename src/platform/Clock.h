#pragma once

#include <chrono>

namespace morva::platform {

// Every wait of the console (lock retries, read retries, service stop,
// statistics) goes through this seam so tests can run without sleeping.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual std::chrono::steady_clock::time_point now() = 0;
    virtual void sleepFor(std::chrono::milliseconds duration) = 0;
};

// The real clock.
class SystemClock final : public Clock
{
public:
    std::chrono::steady_clock::time_point now() override
    {
        return std::chrono::steady_clock::now();
    }
    void sleepFor(std::chrono::milliseconds duration) override;
};

// A clock for tests: sleeping advances time at once and is recorded.
class FakeClock final : public Clock
{
public:
    std::chrono::steady_clock::time_point now() override { return m_now; }
    void sleepFor(std::chrono::milliseconds duration) override
    {
        m_now += duration;
        m_slept += duration;
        ++m_sleeps;
    }
    std::chrono::milliseconds slept() const { return m_slept; }
    int sleeps() const { return m_sleeps; }

private:
    std::chrono::steady_clock::time_point m_now{};
    std::chrono::milliseconds m_slept{0};
    int m_sleeps = 0;
};

} // namespace morva::platform
