// Pauses during which presses and menu choices wait: they are handled, in the order made, after
// the running handler returns; only what ends the program (Esc, 終了, the close box) ends it at
// once. A pause may also be filled with work begun at its start, and then lasts only for what
// the work left of it.
#pragma once

#include <chrono>
#include <functional>

namespace narabe {

class Clock {
  public:
    using Time = std::chrono::steady_clock::time_point;

    virtual ~Clock() = default;
    virtual void wait(double seconds) = 0;
    // The time `seconds` from now on the steady clock: the end of a pause begun now, or the
    // latest that work begun now may go on. A clock that passes no real time answers
    // Time::max(), a time that never comes, so that nothing measured by it runs late.
    [[nodiscard]] virtual Time after(double seconds) = 0;
    // The rest of a pause of `seconds` that ends at `end` (from after()): returns at `end`, at
    // once when that has passed.
    virtual void waitUntil(Time end, double seconds) = 0;
    // Runs `work` to its end, input waiting meanwhile as in a pause. `work` reads nothing the
    // handler owns: the window program runs it on a thread of its own while the window stays
    // alive; a clock that passes no real time runs it at once.
    virtual void work(const std::function<void()>& work) { work(); }
};

} // namespace narabe
