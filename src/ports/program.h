// Ends the program at once: no further event of any window is handled.
#pragma once

namespace narabe {

class Program {
  public:
    virtual ~Program() = default;
    virtual void end() = 0;
};

} // namespace narabe
