#include "gui/EventPumpingClock.h"

#include "gui/ConsoleWait.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>

namespace morva::gui {

std::chrono::steady_clock::time_point EventPumpingClock::now()
{
    return std::chrono::steady_clock::now();
}

void EventPumpingClock::sleepFor(std::chrono::milliseconds duration)
{
    using namespace std::chrono;
    ConsoleWait& wait = ConsoleWait::instance();
    const ConsoleWait::Scope scope;
    const auto deadline = now() + duration;
    bool interrupted = false;
    QEventLoop loop;
    QTimer slice;
    slice.setSingleShot(true);
    slice.setTimerType(Qt::PreciseTimer);
    QObject::connect(&slice, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&wait, &ConsoleWait::interrupted, &loop, [&] {
        interrupted = true;
        loop.quit();
    });
    while (!interrupted && !wait.shuttingDown()) {
        const auto left = ceil<milliseconds>(deadline - now());
        if (left <= milliseconds::zero())
            break;
        slice.start(std::min(left, kSlice));
        loop.exec(QEventLoop::AllEvents);
    }
}

} // namespace morva::gui
