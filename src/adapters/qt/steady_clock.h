// The pause used by the window program: it sleeps on the monotonic clock, so it costs no
// processor time and ends after the given time whatever the time of day does meanwhile.
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
