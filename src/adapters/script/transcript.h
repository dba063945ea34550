// The transcript of the script runner: one event a line, fields separated by a TAB,
// numbers in the fixed forms other tools parse.
#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

namespace narabe {

class Transcript {
  public:
    explicit Transcript(std::ostream& out) : out_(out) {}
    // Writes the fields joined by TABs, ended by "\n".
    void line(std::initializer_list<std::string_view> fields);

  private:
    std::ostream& out_;
};

// A length or a pause: rounded to two decimals, without trailing zeros or a trailing
// point, and never "-0" (207.5, 741, -60, 0.2).
std::string decimal(double value);

} // namespace narabe
