// How much a searching level may think: a node budget, so that a decision depends only on the
// position and the budget, and a deadline on the steady clock that stops it whatever the
// count, a safety stop for a machine too busy to do the work in time; and the budget that a
// time buys.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>

namespace narabe {

using SteadyTime = std::chrono::steady_clock::time_point;

// No deadline: the budget alone decides.
inline constexpr SteadyTime NO_DEADLINE = SteadyTime::max();

class NodeBudget {
  public:
    NodeBudget(std::int64_t budget, SteadyTime deadline) : budget_(budget), deadline_(deadline) {}

    // Counts one position; false once the budget is spent or the deadline has passed, and
    // from then on.
    bool spend() {
        if (spent_) return false;
        ++used_;
        if (used_ > budget_) spent_ = true;
        // The clock is read now and then: a read costs more than looking at a position.
        if (deadline_ != NO_DEADLINE && used_ % CLOCK_EVERY == 0 &&
            std::chrono::steady_clock::now() >= deadline_)
            spent_ = true;
        return !spent_;
    }
    [[nodiscard]] bool spent() const { return spent_; }
    [[nodiscard]] std::int64_t used() const { return used_; }
    [[nodiscard]] std::int64_t budget() const { return budget_; }

  private:
    static constexpr std::int64_t CLOCK_EVERY = 256;
    std::int64_t budget_;
    SteadyTime deadline_;
    std::int64_t used_ = 0;
    bool spent_ = false;
};

// Positions looked at per millisecond of thinking. The release build looks at about 600 a
// millisecond on one core of the 2-core machine it was measured on (bench_levels), so a
// level's work takes about a third of its time there and is done in time even with twice as
// much other work beside it; the deadline is only a safety stop.
inline constexpr std::int64_t POSITIONS_PER_MS = 200;

// The positions a searching level looks at in `time`: a rate that this machine's release
// build reaches in well under that time.
inline std::int64_t positionsIn(std::chrono::milliseconds time) {
    return std::max<std::int64_t>(1, time.count() * POSITIONS_PER_MS);
}

} // namespace narabe
