// The positions of the help page's diagrams: each a 9 x 9 cut-out of the board with a few
// stones and one point in question, and what the rules say about a stone played there; or,
// for the barred points' marks (禁手表示), the points that carry them.
// The diagram generator draws exactly these positions, and a test checks each against the
// rules engine, so that a picture on the help page can never teach a wrong rule.
//
// The picture files are named in this table only: the build reads their names from here.
#pragma once

#include <array>
#include <string_view>

namespace narabe::help {

// What the rules say about the point in question.
enum class Verdict {
    Wins,                 // the stone makes exactly five: the game is won
    NoWin,                // the stone makes six or more in a line: allowed, but no win
    RefusedDoubleThree,   // refused as "3 * 3": two threes at once
    RefusedDoubleFour,    // refused as "4 * 4": two fours at once (and no double three)
    AllowedFiveWithFours, // makes five and two fours besides: allowed, and it wins
    BarredPointsMarked,   // no point in question: every point barred for the side to move,
                          // and no other, carries the barred points' mark
};

enum class Side { Black, White };

// The cut-out's side in points.
inline constexpr int CUT_OUT = 9;

struct HelpDiagram {
    std::string_view file; // the picture beside the help page
    int left;              // the board point (left, top) at the cut-out's top-left corner,
    int top;               // x the column 1..19 from the left, y the row 1..19 from the top
    Side mover;            // the side that plays the point in question
    Verdict verdict;
    // The rows of the cut-out, top row first: B a black stone, W a white stone, . an empty
    // point, * the point in question (empty before the move), x an empty point marked as
    // barred.
    std::array<std::string_view, CUT_OUT> rows;
};

inline constexpr std::array<HelpDiagram, 6> HELP_DIAGRAMS = {{
    // A five along the falling diagonal, in the top-left corner of the board.
    {"help_five.png",
     1,
     1,
     Side::Black,
     Verdict::Wins,
     {".........", ".........", "..B......", "..WBW....", "...WB....", "....WB...", "......*..",
      ".........", "........."}},
    // Black fills the gap of B B B _ B B: six in a row, which wins nothing.
    {"help_overline.png",
     6,
     5,
     Side::Black,
     Verdict::NoWin,
     {".........", "....W....", "......W..", ".BBB*BB..", "....W....", "..W......", ".....W...",
      ".........", "........."}},
    // Two open threes at once, on the row and the column, near the bottom-left corner.
    {"help_double_three.png",
     1,
     11,
     Side::Black,
     Verdict::RefusedDoubleThree,
     {".........", ".......W.", ".....B...", ".....B.W.", "...BB*...", "....W....", "..W......",
      ".........", "........."}},
    // White, too, may not make two fours at once: one on the row, one on the column.
    {"help_double_four.png",
     11,
     1,
     Side::White,
     Verdict::RefusedDoubleFour,
     {".........", ".........", ".......B.", ".BWWW*...", "...B.W...", "....BWB..", "..B..W...",
      ".....B...", "........."}},
    // Five on the row, fours on the column and the falling diagonal: five comes first.
    {"help_five_and_fours.png",
     8,
     6,
     Side::Black,
     Verdict::AllowedFiveWithFours,
     {".........", "...WB....", "....BW...", "..W.B.W..", "..BB*BBW.", "...W.B...", ".W...WB..",
      "....W..B.", "......W.."}},
    // 禁手表示 with black to move: five points would make two threes, one two fours.
    {"help_barred_points.png",
     6,
     6,
     Side::Black,
     Verdict::BarredPointsMarked,
     {".........", "....W....", ".W.B.....", "...BxxBB.", ".W...BxW.", ".W.xxBB..", "......xW.",
      "....W....", "........."}},
}};

} // namespace narabe::help
