// The transposition table of the search: positions already searched, by key, with what was
// found and the best move, tried first when the position comes again, by another order of
// moves or in the next deeper search. One entry a slot; a new entry replaces the old.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace narabe {

class TranspositionTable {
  public:
    enum class Bound : std::uint8_t { EXACT, LOWER, UPPER };
    struct Entry {
        std::uint64_t key = 0;
        std::int32_t score = 0;
        std::int8_t depth = -1;
        Bound bound = Bound::EXACT;
        std::int8_t x = 0; // the best move; 0: none
        std::int8_t y = 0;
    };

    // Room for about as many positions as the search may look at, within bounds.
    explicit TranspositionTable(std::int64_t positions)
        : entries_(std::bit_ceil(
              static_cast<std::size_t>(std::clamp<std::int64_t>(positions, MIN, MAX)))) {}

    [[nodiscard]] const Entry* find(std::uint64_t key) const {
        const Entry& e = entries_[key & (entries_.size() - 1)];
        return e.key == key && e.depth >= 0 ? &e : nullptr;
    }
    void store(const Entry& e) { entries_[e.key & (entries_.size() - 1)] = e; }

  private:
    static constexpr std::int64_t MIN = 1 << 10;
    static constexpr std::int64_t MAX = 1 << 16;
    std::vector<Entry> entries_;
};

} // namespace narabe
