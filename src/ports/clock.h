// A pause that handles no input meanwhile: presses and menu choices made during it are
// handled after the running handler returns.
#pragma once

namespace narabe {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual void wait(double seconds) = 0;
};

} // namespace narabe
