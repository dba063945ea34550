// The text of the Gomocup engine protocol, shared by the engine and the match tool: lines
// cut from a byte stream, whole numbers, and points written "x,y" with x the column from the
// left and y the row from the top, both counted from 0.
#pragma once

#include "state/types.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace narabe {

// The longest line either side reads; a longer one is an error, never a reason to grow.
inline constexpr std::size_t MAX_PROTOCOL_LINE = 1024;

// Cuts a byte stream into lines at LF or CR, so that CR LF, LF and CR all end a line;
// empty lines are dropped. A line longer than MAX_PROTOCOL_LINE is passed on cut to
// MAX_PROTOCOL_LINE + 1 bytes, so that its reader can tell that it was too long.
class LineSplitter {
  public:
    // Calls onLine(std::string_view) for every line the bytes complete.
    template <class F> void feed(std::string_view bytes, F&& onLine) {
        for (const char c : bytes) {
            if (c == '\n' || c == '\r') {
                if (!line_.empty()) onLine(std::string_view(line_));
                line_.clear();
            } else if (line_.size() <= MAX_PROTOCOL_LINE) {
                line_.push_back(c);
            }
        }
    }
    // At the end of the stream: the last line, when it has no line end.
    template <class F> void finish(F&& onLine) {
        if (!line_.empty()) onLine(std::string_view(line_));
        line_.clear();
    }

  private:
    std::string line_;
};

// The text with the spaces and tabs at both ends removed.
std::string_view trimmed(std::string_view text);

// The first word (up to a space or tab) and the rest, trimmed.
struct Words {
    std::string_view first;
    std::string_view rest;
};
Words firstWord(std::string_view text);

// Whether two words are equal, ignoring the case of ASCII letters.
bool sameWord(std::string_view a, std::string_view b);

// A whole number in decimal with an optional '-', spaces around it allowed; nothing else.
std::optional<std::int64_t> wholeNumber(std::string_view text);

// The comma-separated whole numbers of the text, or nothing when a field is not one.
std::optional<std::vector<std::int64_t>> numberFields(std::string_view text);

// The point of "x,y" (spaces around the numbers allowed), the protocol's coordinates counted
// from 0 and the point's from 1; nothing when it is not two whole numbers or a coordinate of
// the point is outside the int range. The point may lie off the board.
std::optional<Point> pointText(std::string_view text);

// The point as the protocol writes it: "x,y", counted from 0.
std::string pointLine(Point p);

} // namespace narabe
