#pragma once

#include "platform/Clock.h"

namespace morva::service {

// The clock of the console's waits (service stop, statistics): a sleep lets
// the event loop repaint and run timers, but holds back user input until the
// wait's own check (the wait dialog's Cancel) or the end of the operation,
// so a command cannot start again in the middle of a wait. GUI thread only.
class EventPumpingClock final : public platform::Clock
{
public:
    std::chrono::steady_clock::time_point now() override;
    void sleepFor(std::chrono::milliseconds duration) override;
};

} // namespace morva::service
