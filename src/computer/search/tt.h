// The transposition table of the search: positions already searched, by key, with what was
// found and the best move, tried first when the position comes again, by another order of
// moves, in the next deeper search or in the search of a later move of the same game.
// Entries sit in buckets of four; a new entry takes its own key's place, else the place of
// the entry that is worth least: the shallowest, older searches' counting as shallower.
#pragma once

#include <algorithm>
#include <array>
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
        std::int8_t depth = -1; // -1: empty
        Bound bound = Bound::EXACT;
        std::int8_t x = 0; // the best move; 0: none
        std::int8_t y = 0;
        std::uint8_t age = 0; // the search that stored it
    };

    static constexpr std::size_t BUCKET = 4;
    // Room the table takes when no size is asked for, and the least and most it takes.
    static constexpr std::size_t DEFAULT_BYTES = std::size_t{4} << 20U;
    static constexpr std::size_t MIN_BYTES = std::size_t{64} << 10U;
    static constexpr std::size_t MAX_BYTES = std::size_t{256} << 20U;

    // A table of at most `bytes` (within MIN_BYTES..MAX_BYTES), a power of two of buckets.
    explicit TranspositionTable(std::size_t bytes = DEFAULT_BYTES) { resize(bytes); }

    // Keeps the entries when the size stays the same.
    void resize(std::size_t bytes) {
        const std::size_t buckets =
            std::bit_floor(std::clamp(bytes, MIN_BYTES, MAX_BYTES) / sizeof(Bucket));
        if (buckets != buckets_.size()) buckets_.assign(buckets, Bucket{});
    }
    [[nodiscard]] std::size_t bytes() const { return buckets_.size() * sizeof(Bucket); }
    // Forgets every entry.
    void clear() { std::fill(buckets_.begin(), buckets_.end(), Bucket{}); }
    // A new search begins: what the earlier ones stored gives way first.
    void newSearch() { ++age_; }

    [[nodiscard]] const Entry* find(std::uint64_t key) const {
        for (const Entry& e : bucketOf(key))
            if (e.key == key && e.depth >= 0) return &e;
        return nullptr;
    }

    void store(Entry e) {
        e.age = age_;
        Bucket& b = bucketOf(e.key);
        Entry* victim = &b.front();
        for (Entry& slot : b) {
            if (slot.key == e.key || slot.depth < 0) {
                victim = &slot;
                break;
            }
            if (worth(slot) < worth(*victim)) victim = &slot;
        }
        *victim = e;
    }

  private:
    using Bucket = std::array<Entry, BUCKET>;

    // Depth, less four plies for every search since the entry was stored.
    [[nodiscard]] int worth(const Entry& e) const {
        const auto since = static_cast<std::uint8_t>(age_ - e.age);
        return e.depth - 4 * since;
    }
    Bucket& bucketOf(std::uint64_t key) { return buckets_[key & (buckets_.size() - 1)]; }
    [[nodiscard]] const Bucket& bucketOf(std::uint64_t key) const {
        return buckets_[key & (buckets_.size() - 1)];
    }

    std::vector<Bucket> buckets_;
    std::uint8_t age_ = 0;
};

} // namespace narabe
