#include "platform/Clock.h"

#include <thread>

namespace morva::platform {

void SystemClock::sleepFor(std::chrono::milliseconds duration)
{
    std::this_thread::sleep_for(duration);
}

} // namespace morva::platform
