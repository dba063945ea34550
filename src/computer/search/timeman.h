// How much a searching level may think: a node budget, so that a decision depends only on the
// position and the budget, and deadlines on the steady clock: a soft one after which no new
// depth is begun while the best move stays the same, and a hard one that stops the search
// whatever the count. And the one place that turns the time a caller gives into those limits.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <limits>
#include <optional>

namespace narabe {

using SteadyTime = std::chrono::steady_clock::time_point;

// No deadline: the budget alone decides.
inline constexpr SteadyTime NO_DEADLINE = SteadyTime::max();
// No count: the deadlines alone decide.
inline constexpr std::int64_t NO_BUDGET = std::numeric_limits<std::int64_t>::max();

class NodeBudget {
  public:
    NodeBudget(std::int64_t budget, SteadyTime deadline, SteadyTime soft = NO_DEADLINE)
        : budget_(budget), deadline_(deadline), soft_(std::min(soft, deadline)) {}

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
    // Whether the soft deadline has passed: a search begins no new depth then unless its
    // best move has just changed.
    [[nodiscard]] bool pastSoft() const {
        return soft_ != NO_DEADLINE && std::chrono::steady_clock::now() >= soft_;
    }
    [[nodiscard]] std::int64_t used() const { return used_; }
    [[nodiscard]] std::int64_t budget() const { return budget_; }

  private:
    static constexpr std::int64_t CLOCK_EVERY = 256;
    std::int64_t budget_;
    SteadyTime deadline_;
    SteadyTime soft_;
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

// The time a caller gives for one move, in milliseconds, each at most MAX_MILLISECONDS.
struct TimeGiven {
    std::chrono::milliseconds turn;                // the limit of this move
    std::optional<std::chrono::milliseconds> left; // of the whole match, when it has a limit
    std::chrono::milliseconds elapsed;             // since the move was asked for
};

// The limits of one move, counted from now: no new depth after `soft`, a stop at `hard`.
struct TimeLimits {
    std::chrono::milliseconds soft;
    std::chrono::milliseconds hard;
};

namespace timing {

// The largest time a caller may give; more is taken as this.
inline constexpr std::int64_t MAX_MILLISECONDS = std::numeric_limits<std::int32_t>::max();
// Kept below every turn's limit, for reading, writing and the process's own delays: this
// much and a tenth of the turn, for a machine so busy that the process waits its turn.
inline constexpr std::chrono::milliseconds MARGIN{30};
inline constexpr std::int64_t MARGIN_SHARE = 10;
// A move uses at most this share of the match time left.
inline constexpr std::int64_t MATCH_SHARE = 20;
// The soft limit is this share of the hard one: a depth takes about as long as all before it.
inline constexpr std::int64_t SOFT_SHARE = 2;
// Below this the search would see too little: the one-move scan answers instead.
inline constexpr std::chrono::milliseconds LEAST_SEARCH{20};

} // namespace timing

// A time given by a caller, clamped to 0..MAX_MILLISECONDS.
inline std::int64_t clampedMilliseconds(std::int64_t value) {
    return std::clamp<std::int64_t>(value, 0, timing::MAX_MILLISECONDS);
}

// Never past the turn's limit less the margin, never more than the move's share of the match
// time left.
inline TimeLimits timeLimits(const TimeGiven& given) {
    using std::chrono::milliseconds;
    milliseconds hard =
        given.turn - timing::MARGIN - given.turn / timing::MARGIN_SHARE - given.elapsed;
    if (given.left) hard = std::min(hard, *given.left / timing::MATCH_SHARE - given.elapsed);
    hard = std::max(hard, milliseconds{0});
    return {hard / timing::SOFT_SHARE, hard};
}

} // namespace narabe
