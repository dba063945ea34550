// Sleeping until a deadline on std::chrono::steady_clock.
#include "adapters/qt/steady_clock.h"

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
    // sleep_until may wake early on a signal; sleep again until the deadline has passed.
    while (std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_until(end);
}

} // namespace narabe
