// A mouse press on the window: refused without a game, a resume after stepping through
// the history, or a human move followed, against the computer, by the computer's answer.
#include "game/game_controller.h"
#include "render/board_drawing.h"
#include "render/geometry.h"
#include "render/marks.h"
#include "rules/judge.h"

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

void GameController::pressed(double x, double y) {
    command([&] {
        if (game_.mode == Mode::NO_GAME) {
            play(sounds_.forbidden);
            io_.boxes.message("開始", "「対局」で始めて下さい");
            return;
        }
        if (game_.resumePending) {
            io_.boxes.message("再開", "OKですか？");
            game_.resumePending = false;
            if (game_.mode == Mode::VS_COMPUTER && game_.turn == game_.computer)
                computerMove();
            else if (game_.mode == Mode::VS_COMPUTER)
                io_.boxes.message("再開", "ＭＡＮの番です");
            else if (game_.turn == BLACK)
                io_.boxes.message("再開", "先手の番です");
            else
                io_.boxes.message("再開", "後手の番です");
            return;
        }

        const Point p{pointIndex(x, ORIGIN_X, CELL_W), pointIndex(y, ORIGIN_Y, CELL_H)};
        const Verdict verdict = judgeMove(game_.board, p, toMove());
        if (verdict != Verdict::ALLOWED) {
            play(sounds_.forbidden);
            if (verdict == Verdict::DOUBLE_THREE)
                io_.boxes.message("NarabeⅠ", "3 * 3 です！打てません");
            else if (verdict == Verdict::DOUBLE_FOUR)
                io_.boxes.message("NarabeⅠ", "4 * 4 です！打てません");
            return;
        }

        game_.board(p) = cellOf(toMove());
        unmarkLastMove();
        drawStone(io_.surface, p, toMove());
        drawLastMoveMark(io_.surface, p, MARK_COLOUR);
        play(sounds_.stone);
        numberPreviousMove();
        recordMove(p);
        if (endIfFive(p)) return;

        std::swap(game_.turn, game_.opponent);
        if (game_.mode == Mode::VS_COMPUTER) computerMove();
    });
}

} // namespace narabe
