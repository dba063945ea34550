// The pause used by the window program: it runs the event loop until the deadline on the
// monotonic clock, so the window keeps repainting, it costs no processor time, and it ends after
// the given time whatever the time of day does meanwhile. What the loop does with input is the
// window's business.
#pragma once

#include "ports/clock.h"

namespace narabe {

class SteadyClock final : public Clock {
  public:
    void wait(double seconds) override;
    [[nodiscard]] Time after(double seconds) override;
    void waitUntil(Time end, double seconds) override;
};

} // namespace narabe
