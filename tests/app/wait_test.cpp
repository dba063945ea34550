// The pause of the window program: it lasts at least the time asked for, measured on the
// monotonic clock, sleeps instead of spinning, and runs the event loop meanwhile. A loaded
// machine may wake it late, so what it may last beyond the time asked for has a margin no such
// delay reaches; how little processor time it costs is what shows that it sleeps.
#include "adapters/qt/steady_clock.h"
#include "app/test_application.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <thread>

namespace narabe {
namespace {

TEST(SteadyClockWait, LastsTheGivenTimeAndCostsAlmostNoProcessorTime) {
    app();
    SteadyClock clock;
    double asked = 0;
    double cpu = 0;
    for (double seconds : {0.2, 0.05, 0.5}) {
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        clock.wait(seconds);
        cpu += static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        asked += seconds;
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        EXPECT_GE(took.count(), seconds);
        EXPECT_LT(took.count(), seconds + 3.0) << "a pause of " << seconds << " s";
    }
    // Spinning would cost about as much processor time as the pauses last.
    EXPECT_LT(cpu, 0.2 * asked) << "the pauses must sleep";
}

// Work done in a pause counts towards it: the rest of the pause is all that is waited.
TEST(SteadyClockWait, APauseFilledWithWorkWaitsOnlyForWhatIsLeft) {
    app();
    SteadyClock clock;
    for (const double worked : {0.1, 0.4}) {
        const auto start = std::chrono::steady_clock::now();
        const Clock::Time end = clock.after(0.3);
        std::this_thread::sleep_for(std::chrono::duration<double>(worked));
        clock.waitUntil(end, 0.3);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        EXPECT_GE(took.count(), std::max(worked, 0.3));
        EXPECT_LT(took.count(), std::max(worked, 0.3) + 0.1) << "after " << worked << " s of work";
    }
}

TEST(SteadyClockWait, NothingToWaitForReturnsAtOnce) {
    app();
    SteadyClock clock;
    const auto start = std::chrono::steady_clock::now();
    for (double seconds : {0.0, -1.0, -0.2})
        clock.wait(seconds);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20));
}

// A timer started before a pause fires during it, again and again: the window repaints.
TEST(SteadyClockWait, TheEventLoopRunsDuringAPause) {
    app();
    SteadyClock clock;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(10);
    clock.wait(0.5);
    EXPECT_GE(ticks, 2);
}

} // namespace
} // namespace narabe
