#pragma once

#include "platform/Clock.h"

#include <chrono>

namespace morva::gui {

// The clock of the console's waits (data lock, service stop, statistics,
// configuration reads): a sleep runs the event loop in slices of at most
// kSlice, inside a ConsoleWait scope, so the windows repaint, the wait
// dialog's Cancel works and a close of the main window is seen, while other
// user input is discarded. A sleep ends early when Cancel is pressed or the
// console is shutting down; the caller then asks its own cancel flag. GUI
// thread only.
class EventPumpingClock final : public platform::Clock
{
public:
    static constexpr std::chrono::milliseconds kSlice{100};

    std::chrono::steady_clock::time_point now() override;
    void sleepFor(std::chrono::milliseconds duration) override;
};

} // namespace morva::gui
