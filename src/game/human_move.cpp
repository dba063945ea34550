// A mouse press on the window: refused without a game, a resume after stepping through
// the history, or a human move followed, against the computer, by the computer's answer.
#include "game/form1.h"
#include "render/board_drawing.h"
#include "render/geometry.h"
#include "render/marks.h"
#include "rules/double_four.h"
#include "rules/double_three.h"

#include <cmath>

namespace narabe {

namespace {

// Far-off presses are clamped to an index this far off the board, which is refused anyway.
constexpr double FAR_OFF = 1000;

// The point under a press: rounding towards minus infinity, so every position inside a
// cell maps to its point and a press left of or above the grid gives a negative index.
int pointIndex(double twips, int origin, int cell) {
    const double v = std::floor((twips - origin) / cell);
    if (!(v > -FAR_OFF)) return static_cast<int>(-FAR_OFF);
    if (v > FAR_OFF) return static_cast<int>(FAR_OFF);
    return static_cast<int>(v);
}

} // namespace

void Form1::Form_MouseDown(double x, double y) {
    command([&] {
        if (st_.GameState == NO_GAME) {
            play(st_.SndForbidden);
            io_.boxes.message("開始", "「対局」で始めて下さい");
            return;
        }
        if (st_.ResumePending == YES) {
            io_.boxes.message("再開", "OKですか？");
            st_.ResumePending = NO;
            if (st_.GameState == VS_COM && st_.Turn == st_.ComStone)
                com_打つ();
            else if (st_.GameState == VS_COM)
                io_.boxes.message("再開", "ＭＡＮの番です");
            else if (st_.Turn == BLACK)
                io_.boxes.message("再開", "先手の番です");
            else
                io_.boxes.message("再開", "後手の番です");
            return;
        }

        const int px = pointIndex(x, ORIGIN_X, CELL_W);
        const int py = pointIndex(y, ORIGIN_Y, CELL_H);
        if (st_.調査_置けるか(px, py) == NO) {
            play(st_.SndForbidden);
            return;
        }
        if (調査_三三(st_.Board, px, py, st_.Turn) == YES) {
            play(st_.SndForbidden);
            io_.boxes.message("NarabeⅠ", "3 * 3 です！打てません");
            return;
        }
        if (調査_四四(st_.Board, px, py, st_.Turn) == YES) {
            play(st_.SndForbidden);
            io_.boxes.message("NarabeⅠ", "4 * 4 です！打てません");
            return;
        }

        st_.Board(px, py) = cellOf(st_.Turn);
        unmarkLastMove();
        描画_駒(io_.surface, px, py, st_.Turn);
        描画_打駒印(io_.surface, px, py, MARK_COLOUR);
        play(st_.SndStone);
        numberPreviousMove();
        recordMove(px, py);
        if (endIfFive(px, py)) return;

        std::swap(st_.Turn, st_.Opponent);
        if (st_.GameState == VS_COM) com_打つ();
    });
}

} // namespace narabe
