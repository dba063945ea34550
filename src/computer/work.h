// How much a searching level may think: a budget of positions looked at, so that a decision
// depends only on the position and the budget, and a deadline on the steady clock that stops
// it whatever the count, a safety stop for a machine too busy to do the work in time.
#pragma once

#include <chrono>
#include <cstdint>

namespace narabe {

using SteadyTime = std::chrono::steady_clock::time_point;

// No deadline: the budget alone decides.
inline constexpr SteadyTime NO_DEADLINE = SteadyTime::max();

class Work {
  public:
    Work(std::int64_t budget, SteadyTime deadline) : budget_(budget), deadline_(deadline) {}

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

} // namespace narabe
