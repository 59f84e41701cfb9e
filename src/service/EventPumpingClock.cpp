#include "service/EventPumpingClock.h"

#include <QEventLoop>
#include <QTimer>

namespace morva::service {

std::chrono::steady_clock::time_point EventPumpingClock::now()
{
    return std::chrono::steady_clock::now();
}

void EventPumpingClock::sleepFor(std::chrono::milliseconds duration)
{
    QEventLoop loop;
    QTimer::singleShot(duration, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace morva::service
