// The file format of game records, SGF (FF[4]): a reader of its grammar for files from any
// program, hostile ones included, and the escaping of a value for writing one. The reader
// keeps the main line of the first game only: the first variation at every branch. It walks
// the text once, without recursion, so no file can drive it deep, and it refuses a file that
// nests variations deeper than SGF_MAX_NESTING.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace narabe {

// A property of a node: its identifier and its values, unescaped. As SGF reads files of its
// older versions, the identifier keeps the upper-case letters written and drops the lower-case
// ones: "AddBlack" is AB, "White" is W.
struct SgfProperty {
    std::string id;
    std::vector<std::string> values;
};

// A node: its properties in the order written.
using SgfNode = std::vector<SgfProperty>;

enum class SgfFault {
    NONE,
    SYNTAX,   // not the SGF grammar, or no game in it
    TOO_DEEP, // variations nested deeper than SGF_MAX_NESTING
};

struct SgfMainLine {
    SgfFault fault = SgfFault::NONE;
    std::vector<SgfNode> nodes; // the main line's nodes, the root first; empty on a fault
};

// The most game trees open inside each other that a record may hold. A program that writes
// every move of a line as a tree of its own inside the one before needs one per move, and a
// game has at most 361 moves.
inline constexpr int SGF_MAX_NESTING = 1000;

// The main line of the first game tree of `text`. Blanks (and a UTF-8 byte order mark) may
// stand before it; whatever follows its end is not read.
SgfMainLine readSgfMainLine(std::string_view text);

// A value as SGF writes it: "]" and "\" escaped with "\".
std::string sgfEscaped(std::string_view value);

} // namespace narabe
