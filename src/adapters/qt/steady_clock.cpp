// Running the event loop until a deadline on std::chrono::steady_clock.
#include "adapters/qt/steady_clock.h"

#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <thread>

namespace narabe {

void SteadyClock::wait(double seconds) {
    // Nothing to wait for ends at a time long past.
    waitUntil(seconds > 0 ? after(seconds) : Time{}, seconds);
}

Clock::Time SteadyClock::after(double seconds) {
    using namespace std::chrono;
    return steady_clock::now() + duration_cast<steady_clock::duration>(duration<double>(seconds));
}

void SteadyClock::waitUntil(Time end, double /*seconds*/) {
    using namespace std::chrono;
    // A timer counts whole milliseconds: wait again until the deadline has passed.
    for (auto left = end - steady_clock::now(); left > steady_clock::duration::zero();
         left = end - steady_clock::now()) {
        QEventLoop loop;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(ceil<milliseconds>(left));
        // A loop that cannot run (the program is leaving its event loop) returns at once.
        if (loop.exec() != 0) std::this_thread::sleep_until(end);
    }
}

} // namespace narabe
