// Sleeping until a deadline on std::chrono::steady_clock.
#include "adapters/qt/steady_clock.h"

#include <chrono>
#include <thread>

namespace narabe {

void SteadyClock::wait(double seconds) {
    using namespace std::chrono;
    if (!(seconds > 0)) return;
    const auto deadline =
        steady_clock::now() + duration_cast<steady_clock::duration>(duration<double>(seconds));
    // sleep_until may wake early on a signal; sleep again until the deadline has passed.
    while (steady_clock::now() < deadline)
        std::this_thread::sleep_until(deadline);
}

} // namespace narabe
